#pragma once

#include <QString>

class QWidget;

namespace flipstone {

// The program's messages to the user: a file that could not be opened or saved, and the note
// that the settings were removed. On the desktop they are message boxes; without a display the
// note goes to the terminal.
class UserMessages {
public:
    virtual ~UserMessages() = default;

    // The text names the file and the reason. The owner is the main window, or null before it
    // is shown.
    virtual void ShowFileError(QWidget* owner, const QString& text) = 0;
    virtual void ShowInformation(const QString& text) = 0;
};

}  // namespace flipstone
