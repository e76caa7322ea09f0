#include "app/files/GameFileDialogs.h"

#include <QCoreApplication>

#include <QFileDialog>

#include "app/files/GameFile.h"

namespace flipstone {
namespace {

void ConfigureCommon(QFileDialog& dialog) {
    dialog.setNameFilter(QCoreApplication::translate("GameFile", GameFile::kDialogFilter));
    dialog.setDefaultSuffix(QString());
}

QString RunDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void GameFileDialogs::ConfigureOpenDialog(QFileDialog& dialog) {
    ConfigureCommon(dialog);
    //: The title of the file dialog that opens a saved game (a command, not "not closed").
    dialog.setWindowTitle(QCoreApplication::translate("GameFileDialogs", "Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
}

void GameFileDialogs::ConfigureSaveDialog(QFileDialog& dialog, const QString& proposedName) {
    ConfigureCommon(dialog);
    dialog.setWindowTitle(QCoreApplication::translate("GameFileDialogs", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(proposedName);
}

QString GameFileDialogs::AskOpenPath(QWidget* parent) {
    QFileDialog dialog(parent);
    ConfigureOpenDialog(dialog);
    return RunDialog(dialog);
}

QString GameFileDialogs::AskSavePath(QWidget* parent, const QString& proposal) {
    QFileDialog dialog(parent);
    ConfigureSaveDialog(dialog, proposal);
    return RunDialog(dialog);
}

}  // namespace flipstone
