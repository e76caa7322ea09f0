// Copy Moves, Paste Moves, Import Game and Export Game on the game document, with the real
// clipboard and real files.
#include "app/records/RecordCommands.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "app/records/RecordCommandHost.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "game/records/RecordWriter.h"

namespace flipstone {
namespace {

class RecordedDialogs : public RecordCommandHost {
public:
    QString AskImportPath() override { return importAnswer; }
    QString AskExportPath(const QString& /*proposal*/) override { return exportAnswer; }
    void ShowRecordError(const QString& message) override { errors.append(message); }

    QString importAnswer;
    QString exportAnswer;
    QStringList errors;
};

class RecordCommandsTest : public ::testing::Test {
protected:
    RecordCommandsTest() { gameHost.Attach(&document); }

    std::string Moves() const { return WriteTranscript(document.History().Record()); }

    // Exports the game to the file, starts a new game and imports the file.
    void ExportNewGameAndImport(const char* name) {
        dialogs.exportAnswer = folder.filePath(QString::fromLatin1(name));
        commands.OnExportGame();
        document.NewGame();
        dialogs.importAnswer = dialogs.exportAnswer;
        commands.OnImportGame();
    }

    HeadlessHost gameHost;
    CFlipstoneDoc document{gameHost, SearchMode::kSynchronous};
    RecordedDialogs dialogs;
    RecordCommands commands{document, dialogs};
    QTemporaryDir folder;
};

TEST_F(RecordCommandsTest, PastedTextsBecomeTheGameOrChangeNothingWithAMessage) {
    const struct {
        const char* text;
        const char* moves;    // the game after the paste
        const char* message;  // a part of the message, or nothing
    } cases[] = {
        {"1. F5 2. d6, c3-d3  c4", "f5d6c3d3c4", nullptr},
        {"f5d6c3d3d3", "f5d6c3d3c4", "move 5, d3, is not legal"},
        {"hello", "f5d6c3d3c4", "holds no game"},
        {"", "f5d6c3d3c4", "holds no game"},
        {"(;GM[Othello]PB[a]PW[b]TY[8]BO[8 ---------------------------O*------*O------------"
         "--------------- *]B[f5]W[f6]B[e6];)",
         "f5f6e6", nullptr},
    };
    for (const auto& paste : cases) {
        dialogs.errors.clear();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(paste.text));
        commands.OnPasteMoves();
        EXPECT_EQ(Moves(), paste.moves) << paste.text;
        if (paste.message == nullptr) {
            EXPECT_TRUE(dialogs.errors.isEmpty()) << paste.text;
            EXPECT_EQ(gameHost.title, kTrainingTitle);
        } else {
            ASSERT_EQ(dialogs.errors.size(), 1) << paste.text;
            EXPECT_TRUE(dialogs.errors.front().contains(QString::fromUtf8(paste.message)))
                << dialogs.errors.front().toStdString();
        }
    }
    EXPECT_EQ(document.sideToMove, kComputerSide) << "white to move: the human keeps black";
}

TEST_F(RecordCommandsTest, CopiedExportedAndImportedGamesKeepTheirMoves) {
    QGuiApplication::clipboard()->setText(QStringLiteral("f5d6c3d3c4f4"));
    commands.OnPasteMoves();
    commands.OnCopyMoves();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("f5d6c3d3c4f4"));
    for (const char* name : {"game.ggf", "game.txt"}) {
        ExportNewGameAndImport(name);
        EXPECT_EQ(Moves(), "f5d6c3d3c4f4") << name;
    }
    QFile transcript(folder.filePath(QStringLiteral("game.txt")));
    ASSERT_TRUE(transcript.open(QIODevice::ReadOnly));
    EXPECT_EQ(transcript.readAll(), "f5d6c3d3c4f4\n");
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(RecordCommandsTest, AGameSetUpFromAnotherBoardKeepsItInEveryFile) {
    GameRecord setUp;
    setUp.start.Set(2, 3, kBlack);  // c4 black beside the four discs, white to move
    setUp.firstToMove = kWhite;
    setUp.moves = {Position::FromBoard(setUp.start, kWhite).LegalSquares().front()};
    document.LoadRecord(setUp);
    for (const char* name : {"game.ggf", "game.txt"}) {
        ExportNewGameAndImport(name);
        EXPECT_EQ(document.History().Record().start, setUp.start) << name;
        EXPECT_EQ(document.History().Record().moves, setUp.moves) << name;
    }
}

TEST_F(RecordCommandsTest, FilesThatCannotBeReadOrWrittenSaySoAndChangeNothing) {
    QDir(folder.path()).mkdir(QStringLiteral("folder.ggf"));
    dialogs.importAnswer = folder.filePath(QStringLiteral("missing.ggf"));
    commands.OnImportGame();
    dialogs.exportAnswer = folder.filePath(QStringLiteral("folder.ggf"));
    commands.OnExportGame();
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_TRUE(dialogs.errors[0].contains(dialogs.importAnswer));
    EXPECT_TRUE(dialogs.errors[1].contains(dialogs.exportAnswer));
    EXPECT_EQ(Moves(), "");
}

}  // namespace
}  // namespace flipstone
