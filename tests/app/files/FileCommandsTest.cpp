// New, Open and Save on the game document: names, paths, the recent-file list and the game.
#include "app/files/FileCommands.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/files/FileCommandHost.h"
#include "app/files/RecentFileList.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"

namespace flipstone {
namespace {

class FakeFileHost : public FileCommandHost {
public:
    QString AskOpenPath() override {
        ++openDialogs;
        return openAnswer;
    }
    QString AskSavePath(const QString& proposedName) override {
        proposals.append(proposedName);
        return saveAnswer;
    }
    void ShowFileError(const QString& message) override { errors.append(message); }
    void InitialUpdate() override { ++initialUpdates; }
    void BringToFront() override { ++broughtToFront; }

    QString openAnswer;
    QString saveAnswer;
    int openDialogs = 0;
    QStringList proposals;
    QStringList errors;
    int initialUpdates = 0;
    int broughtToFront = 0;
};

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest() { gameHost.Attach(&document); }

    QString MakeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    // Plays the first human move to its end, so the game differs from a new one.
    void PlayOneMove() {
        ASSERT_TRUE(document.TryMove(3, 2, kBlack));
        for (int guard = 0; guard < 200 && document.flipList.count > 0; ++guard) {
            document.TurnStep();
        }
    }

    // The game fields that Open must leave alone.
    struct GameSnapshot {
        Board board;
        std::int32_t levelIndex;
        std::int32_t sideToMove;
        std::int32_t moveCount;
        std::uint8_t humanColour;
        std::int32_t passCount;
    };

    GameSnapshot Snapshot() const {
        return {document.board,     document.levelIndex,  document.sideToMove,
                document.moveCount, document.humanColour, document.passCount};
    }

    void ExpectGameUnchanged(const GameSnapshot& before) const {
        EXPECT_EQ(document.board, before.board);
        EXPECT_EQ(document.levelIndex, before.levelIndex);
        EXPECT_EQ(document.sideToMove, before.sideToMove);
        EXPECT_EQ(document.moveCount, before.moveCount);
        EXPECT_EQ(document.humanColour, before.humanColour);
        EXPECT_EQ(document.passCount, before.passCount);
    }

    std::string Std(const QString& text) const { return text.toStdString(); }

    QTemporaryDir folder;
    HeadlessHost gameHost;
    CFlipstoneDoc document{gameHost, SearchMode::kSynchronous};
    RecentFileList recentFiles;
    FakeFileHost host;
    FileCommands commands{document, recentFiles, host};
};

TEST_F(FileCommandsTest, FirstSaveAsksWithUntitledAndWritesAnEmptyFile) {
    host.saveAnswer = folder.filePath("first");
    EXPECT_TRUE(commands.OnFileSave());
    EXPECT_EQ(host.proposals, QStringList{"Untitled"});
    EXPECT_EQ(QFileInfo(host.saveAnswer).size(), 0);
    EXPECT_EQ(document.documentPath, Std(host.saveAnswer));
    EXPECT_EQ(document.documentName, "first");
    EXPECT_EQ(recentFiles.Entries(), QStringList{host.saveAnswer});
}

TEST_F(FileCommandsTest, SecondSaveWritesTheSameFileWithoutAskingUnlessItGainedContent) {
    host.saveAnswer = folder.filePath("game");
    ASSERT_TRUE(commands.OnFileSave());
    EXPECT_TRUE(commands.OnFileSave());
    EXPECT_EQ(host.proposals.size(), 1) << "asked only once";

    QFile grown(host.saveAnswer);
    ASSERT_TRUE(grown.open(QIODevice::Append));
    grown.write("written by someone else");
    grown.close();
    host.saveAnswer.clear();
    EXPECT_FALSE(commands.OnFileSave()) << "the dialog was cancelled";
    EXPECT_EQ(host.proposals.value(1), folder.filePath("game")) << "its folder and its name";
    EXPECT_EQ(QFileInfo(folder.filePath("game")).size(), 23) << "left as it was";
}

TEST_F(FileCommandsTest, SaveAfterOpeningAFileWithContentAsksBeforeReplacingIt) {
    const QString letter = MakeFile("letter.txt", "Dear Sir,");
    ASSERT_TRUE(commands.OpenDocumentFile(letter));
    host.saveAnswer = letter;
    EXPECT_TRUE(commands.OnFileSave());
    EXPECT_EQ(host.proposals, QStringList{letter});
    EXPECT_EQ(QFileInfo(letter).size(), 0) << "replaced once the dialog confirmed it";
}

TEST_F(FileCommandsTest, SavingOverALongerFileTruncatesIt) {
    host.saveAnswer = MakeFile("long", QByteArray(5000, 'L'));
    EXPECT_TRUE(commands.OnFileSave());
    EXPECT_EQ(QFileInfo(host.saveAnswer).size(), 0);
}

TEST_F(FileCommandsTest, CancelledSaveWritesNothing) {
    EXPECT_FALSE(commands.OnFileSave());
    EXPECT_EQ(document.documentName, "Untitled");
    EXPECT_TRUE(document.documentPath.empty());
    EXPECT_TRUE(recentFiles.Entries().isEmpty());
}

TEST_F(FileCommandsTest, SaveToAMissingFolderReportsTheFileAndChangesNothing) {
    host.saveAnswer = folder.filePath("missing/game");
    EXPECT_FALSE(commands.OnFileSave());
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(host.saveAnswer));
    EXPECT_TRUE(document.documentPath.empty());
    EXPECT_TRUE(recentFiles.Entries().isEmpty());
}

TEST_F(FileCommandsTest, SaveAsksAgainWhenTheFileWentAway) {
    host.saveAnswer = folder.filePath("vanishing");
    ASSERT_TRUE(commands.OnFileSave());
    ASSERT_TRUE(QFile::remove(host.saveAnswer));
    host.saveAnswer = folder.filePath("replacement");
    EXPECT_TRUE(commands.OnFileSave());
    EXPECT_EQ(host.proposals, (QStringList{"Untitled", "vanishing"}));
    EXPECT_EQ(document.documentName, "replacement");
}

TEST_F(FileCommandsTest, OpeningALargeUnrelatedFileLeavesTheGameUnchanged) {
    PlayOneMove();
    const GameSnapshot before = Snapshot();
    host.openAnswer = MakeFile("unrelated.bin", QByteArray(2 * 1024 * 1024, '\x7f'));
    commands.OnFileOpen();
    ExpectGameUnchanged(before);
    EXPECT_TRUE(host.errors.isEmpty());
    EXPECT_EQ(document.documentPath, Std(host.openAnswer));
    EXPECT_EQ(document.documentName, "unrelated.bin");
    EXPECT_EQ(recentFiles.Entries(), QStringList{host.openAnswer});
    EXPECT_EQ(host.initialUpdates, 1);
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing) {
    commands.OnFileOpen();
    EXPECT_EQ(host.openDialogs, 1);
    EXPECT_EQ(host.initialUpdates, 0);
    EXPECT_EQ(document.documentName, "Untitled");
}

TEST_F(FileCommandsTest, OpeningAMissingFileReportsItAndChangesNothing) {
    PlayOneMove();
    const GameSnapshot before = Snapshot();
    host.openAnswer = folder.filePath("gone");
    commands.OnFileOpen();
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(host.openAnswer));
    ExpectGameUnchanged(before);
    EXPECT_EQ(document.documentName, "Untitled");
    EXPECT_EQ(host.initialUpdates, 0);
}

TEST_F(FileCommandsTest, OpeningAFolderReportsIt) {
    EXPECT_FALSE(commands.OpenDocumentFile(folder.path()));
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(folder.path()));
}

TEST_F(FileCommandsTest, OpeningTheDocumentsOwnFileOnlyBringsTheWindowForward) {
    const QString path = MakeFile("mine", {});
    ASSERT_TRUE(commands.OpenDocumentFile(path));
    EXPECT_TRUE(commands.OpenDocumentFile(folder.path() + "/./mine"));
    EXPECT_EQ(host.broughtToFront, 1);
    EXPECT_EQ(host.initialUpdates, 1);
}

TEST_F(FileCommandsTest, StartingWithAFileKeepsTheConstructorsGameAtLevelTwo) {
    const GameSnapshot fresh = Snapshot();
    const QString path = MakeFile("argument", "anything");
    ASSERT_TRUE(commands.OpenDocumentFile(path));
    EXPECT_EQ(document.levelIndex, 1);
    ExpectGameUnchanged(fresh);
    EXPECT_EQ(gameHost.updates, 0) << "NewGame did not run";
}

TEST_F(FileCommandsTest, NewStartsAGameAtTheSameLevelWithoutASound) {
    const QString path = MakeFile("old", {});
    ASSERT_TRUE(commands.OpenDocumentFile(path));
    PlayOneMove();
    document.levelIndex = 3;
    gameHost.cues.clear();
    commands.OnFileNew();
    EXPECT_EQ(document.board.CountDiscs(), 4);
    EXPECT_EQ(document.moveCount, 0);
    EXPECT_EQ(document.levelIndex, 3);
    EXPECT_EQ(document.humanColour, kBlack);
    EXPECT_EQ(document.sideToMove, 0);
    EXPECT_EQ(document.documentName, "Untitled");
    EXPECT_TRUE(document.documentPath.empty());
    EXPECT_TRUE(gameHost.cues.empty());
    EXPECT_EQ(host.initialUpdates, 2);
}

TEST_F(FileCommandsTest, StartKeepsTheNameSoTheNextSaveProposesIt) {
    host.saveAnswer = folder.filePath("evening game");
    ASSERT_TRUE(commands.OnFileSave());
    document.OnGameStart();
    EXPECT_EQ(document.documentName, "evening game");
    EXPECT_TRUE(document.documentPath.empty()) << "the new game forgets the file";
    host.saveAnswer.clear();
    commands.OnFileSave();
    EXPECT_EQ(host.proposals.value(1), "evening") << "the name, cut at its first blank";
}

TEST_F(FileCommandsTest, OpenedAndSavedFilesFillTheRecentListNewestFirst) {
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        ASSERT_TRUE(commands.OpenDocumentFile(MakeFile(name, {})));
    }
    commands.OnFileNew();
    host.saveAnswer = folder.filePath("b");
    ASSERT_TRUE(commands.OnFileSave());
    EXPECT_EQ(recentFiles.Entries(), (QStringList{folder.filePath("b"), folder.filePath("e"),
                                                  folder.filePath("d"), folder.filePath("c")}));
}

}  // namespace
}  // namespace flipstone
