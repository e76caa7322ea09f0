#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace flipstone {

// The open and save dialogs. Each offers only "All Files (*)", which lists every file, and adds
// no extension to the chosen name.
class GameFileDialogs {
public:
    static void ConfigureOpenDialog(QFileDialog& dialog);
    static void ConfigureSaveDialog(QFileDialog& dialog, const QString& proposedName);

    // The chosen path; empty when cancelled.
    static QString AskOpenPath(QWidget* parent);
    // The proposal is a name, or a whole path whose folder the dialog then opens in.
    static QString AskSavePath(QWidget* parent, const QString& proposal);
};

}  // namespace flipstone
