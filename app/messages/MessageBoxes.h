#pragma once

#include "app/messages/UserMessages.h"

namespace flipstone {

// The messages as modal message boxes titled "Flipstone".
class MessageBoxes : public UserMessages {
public:
    void ShowFileError(QWidget* owner, const QString& text) override;
    void ShowInformation(const QString& text) override;
};

}  // namespace flipstone
