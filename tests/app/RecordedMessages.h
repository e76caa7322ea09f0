#pragma once

#include <QString>
#include <QStringList>

#include "app/messages/UserMessages.h"

namespace flipstone::testing {

// Keeps the text of every message instead of showing it.
struct RecordedMessages : UserMessages {
    void ShowFileError(QWidget* /*owner*/, const QString& text) override { texts.push_back(text); }
    void ShowInformation(const QString& text) override { texts.push_back(text); }
    QStringList texts;
};

}  // namespace flipstone::testing
