// The empty game file: what opening and saving check, and the errors they report.
#include "app/files/GameFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace flipstone {
namespace {

class GameFileTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return folder.filePath(name); }

    QString MakeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QString MakePipe(const QString& name) const {
        EXPECT_EQ(::mkfifo(QFile::encodeName(Path(name)).constData(), 0600), 0);
        return Path(name);
    }

    static void ExpectError(const std::optional<QString>& error, const QString& path,
                            const QString& reason) {
        ASSERT_TRUE(error.has_value());
        EXPECT_TRUE(error->contains(path)) << error->toStdString();
        EXPECT_TRUE(error->contains(reason)) << error->toStdString();
    }

    QTemporaryDir folder;
};

TEST_F(GameFileTest, EmptyAndLargeFilesOpen) {
    EXPECT_FALSE(GameFile::Open(MakeFile("empty", {})));
    EXPECT_FALSE(GameFile::Open(MakeFile("large", QByteArray(3 * 1024 * 1024, 'q'))));
}

TEST_F(GameFileTest, OpeningAMissingFileNamesItAndSaysItDoesNotExist) {
    ExpectError(GameFile::Open(Path("gone")), Path("gone"), "does not exist");
}

TEST_F(GameFileTest, OpeningAFolderSaysSo) {
    ExpectError(GameFile::Open(folder.path()), folder.path(), "folder");
}

TEST_F(GameFileTest, OpeningUnderAFileSaysThePathIsWrong) {
    const QString file = MakeFile("plain", "x");
    ExpectError(GameFile::Open(file + "/inner"), file + "/inner", "not a folder");
}

TEST_F(GameFileTest, OpeningAFileWithoutReadPermissionSaysSo) {
    const QString file = MakeFile("secret", "x");
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::WriteOwner));
    if (QFile(file).open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "this process reads every file (root with CAP_DAC_OVERRIDE or "
                        "CAP_DAC_READ_SEARCH)";
    }
    ExpectError(GameFile::Open(file), file, "permission denied");
}

TEST_F(GameFileTest, OpeningANamedPipeWithoutAWriterReturnsAtOnce) {
    EXPECT_FALSE(GameFile::Open(MakePipe("pipe")));
}

TEST_F(GameFileTest, OpeningADeviceNeitherBlocksNorFails) {
    EXPECT_FALSE(GameFile::Open("/dev/null"));
}

TEST_F(GameFileTest, SavingCreatesAnEmptyFile) {
    const QString path = Path("new game");
    EXPECT_FALSE(GameFile::Save(path));
    ASSERT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST_F(GameFileTest, SavingOverALongerFileTruncatesIt) {
    const QString path = MakeFile("old", QByteArray(100000, 'z'));
    EXPECT_FALSE(GameFile::Save(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST_F(GameFileTest, SavingIntoAMissingFolderSaysSoAndCreatesNothing) {
    const QString path = Path("nowhere/game");
    ExpectError(GameFile::Save(path), path, "folder does not exist");
    EXPECT_FALSE(QFileInfo::exists(Path("nowhere")));
}

TEST_F(GameFileTest, SavingOverAFolderSaysSo) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    ExpectError(GameFile::Save(Path("sub")), Path("sub"), "it is a folder");
}

TEST_F(GameFileTest, SavingOverAReadOnlyFileLeavesItAlone) {
    const QString path = MakeFile("kept", "keep me");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    ExpectError(GameFile::Save(path), path, "read-only");
    EXPECT_EQ(QFileInfo(path).size(), 7);
}

TEST_F(GameFileTest, SavingOverANamedPipeReturnsAtOnceWithAnError) {
    const QString pipe = MakePipe("pipe");
    ExpectError(GameFile::Save(pipe), pipe, "not a plain file");
}

TEST_F(GameFileTest, SavingWhereNothingMayBeWrittenNamesTheFile) {
    QString path = "/sys/flipstone-save-test";
    if (::geteuid() != 0) {
        ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
        ASSERT_TRUE(
            QFile::setPermissions(Path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        path = Path("locked/game");
    }
    const std::optional<QString> error = GameFile::Save(path);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(path)) << error->toStdString();
    EXPECT_TRUE(error->contains("permission denied") || error->contains("read-only"))
        << error->toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(GameFileTest, SaveNeedsANameWithoutAUsableFile) {
    EXPECT_TRUE(GameFile::NeedsSaveAs(""));
    EXPECT_TRUE(GameFile::NeedsSaveAs(Path("gone")));
    EXPECT_TRUE(GameFile::NeedsSaveAs(folder.path()));
    const QString readOnly = MakeFile("read-only", {});
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    EXPECT_TRUE(GameFile::NeedsSaveAs(readOnly));
    EXPECT_FALSE(GameFile::NeedsSaveAs(MakeFile("writable", {})));
}

TEST_F(GameFileTest, ProposedNameIsCutAtTheFirstSpecialCharacter) {
    EXPECT_EQ(GameFile::ProposedSaveName("Untitled"), "Untitled");
    EXPECT_EQ(GameFile::ProposedSaveName("my game"), "my");
    EXPECT_EQ(GameFile::ProposedSaveName("a#b c"), "a");
    EXPECT_EQ(GameFile::ProposedSaveName("50%;off"), "50");
    EXPECT_EQ(GameFile::ProposedSaveName("x;y"), "x");
    EXPECT_EQ(GameFile::ProposedSaveName("dir/name"), "dir");
    EXPECT_EQ(GameFile::ProposedSaveName("dir\\name"), "dir");
    EXPECT_EQ(GameFile::ProposedSaveName("game.pebble"), "game.pebble") << "no extension change";
    EXPECT_EQ(GameFile::ProposedSaveName(" lead"), "");
}

TEST_F(GameFileTest, TitleAndFullPath) {
    EXPECT_EQ(GameFile::Title("/games/saved game"), "saved game");
    EXPECT_EQ(GameFile::FullPath("/games/../saved"), "/saved");
    EXPECT_EQ(GameFile::FullPath("relative"), QDir::current().absoluteFilePath("relative"));
}

}  // namespace
}  // namespace flipstone
