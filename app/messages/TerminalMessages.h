#pragma once

#include "app/messages/UserMessages.h"

namespace flipstone {

// The messages as lines on the terminal, for the one thing the program does without a display:
// removing its settings. Information goes to standard output, errors to standard error.
class TerminalMessages : public UserMessages {
public:
    void ShowFileError(QWidget* owner, const QString& text) override;
    void ShowInformation(const QString& text) override;
};

}  // namespace flipstone
