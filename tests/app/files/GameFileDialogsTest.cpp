// The file dialogs' set-up: titles, the single all-files filter, no added extension.
#include "app/files/GameFileDialogs.h"

#include <gtest/gtest.h>

#include <QFileDialog>

namespace flipstone {
namespace {

void ExpectAllFilesWithoutExtension(const QFileDialog& dialog) {
    EXPECT_EQ(dialog.nameFilters(), QStringList{"All Files (*)"});
    EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
}

TEST(GameFileDialogsTest, OpenDialogAcceptsOneExistingFile) {
    QFileDialog dialog;
    GameFileDialogs::ConfigureOpenDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Open");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    ExpectAllFilesWithoutExtension(dialog);
}

TEST(GameFileDialogsTest, SaveDialogProposesTheNameAndConfirmsReplacing) {
    QFileDialog dialog;
    GameFileDialogs::ConfigureSaveDialog(dialog, "Untitled");
    EXPECT_EQ(dialog.windowTitle(), "Save As");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    ExpectAllFilesWithoutExtension(dialog);
    EXPECT_EQ(QFileInfo(dialog.selectedFiles().value(0)).fileName(), "Untitled");
}

}  // namespace
}  // namespace flipstone
