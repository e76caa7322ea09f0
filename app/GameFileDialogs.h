#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace flipstone {

// The open and save dialogs and the file error box. Each dialog offers only "All Files (*)",
// which lists every file, and adds no extension to the chosen name.
class GameFileDialogs {
public:
    static void ConfigureOpenDialog(QFileDialog& dialog);
    static void ConfigureSaveDialog(QFileDialog& dialog, const QString& proposedName);

    // The chosen path; empty when cancelled.
    static QString AskOpenPath(QWidget* parent);
    static QString AskSavePath(QWidget* parent, const QString& proposedName);
    static void ShowFileError(QWidget* parent, const QString& message);
};

}  // namespace flipstone
