// The real flipstone, started as `make play` starts it, on a display of its own, driven with
// real X input and read back from screenshots, its settings file and, for sound, a recording
// of a PulseAudio server of its own. Each case aims at what only the real program can show.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <vector>

#include "Desktop.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "game/records/RecordReader.h"

namespace flipstone::e2e {
namespace {

constexpr QRgb kBlackDisc = 0x000000;
constexpr QRgb kWhiteDisc = 0xFFFFFF;
constexpr QRgb kMarker = 0x7F7F9F;
constexpr QRgb kGreen = 0x00FF00;

// What the window must show after the human's moves and the computer's replies, worked out by
// the game itself at the program's first level (Level 2). After each move the game runs until
// the human is to move again or it is over: when the human has no move, the computer moves on.
Board ExpectedAfter(const std::vector<Square>& humanMoves) {
    HeadlessHost host;
    CFlipstoneDoc document(host, SearchMode::kSynchronous);
    host.Attach(&document);
    document.NewGame();
    for (const Square& move : humanMoves) {
        EXPECT_TRUE(document.TryMove(move.column, move.row, document.humanColour));
        for (int step = 0; step < 1000000; ++step) {
            document.TurnStep();
            if (document.WaitsForTheHuman() || document.IsGameOver()) {
                break;
            }
        }
    }
    return document.board;
}

QRgb DiscColour(std::uint8_t code) {
    return code == kBlack ? kBlackDisc : kWhiteDisc;
}

// The desktop without a window manager, or with one where focus and frames matter.
template <bool kWindowManager>
class Desktop : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(display.IsUp()) << "Xvfb did not start"; }

    QString FilePath(const QString& name) const { return program.Folder() + "/" + name; }

    void MakeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(FilePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void StartAndWait(const QStringList& arguments = {}) {
        program.Start(arguments);
        ASSERT_TRUE(program.WaitForWindow())
            << (program.IsRunning() ? "running" : "ended") << "; standard error:\n"
            << program.ErrorOutput().toStdString();
    }

    // True once every disc on the screen is the board's.
    bool ShowsBoard(const Board& board) const {
        const QImage shot = display.Screenshot();
        for (int column = 0; column < 8; ++column) {
            for (int row = 0; row < 8; ++row) {
                const std::uint8_t code = board.At(column, row);
                if (code != kEmpty && program.SquareColour(shot, column, row) != DiscColour(code)) {
                    return false;
                }
            }
        }
        return true;
    }

    // Plays the human's moves by mouse, waiting after each for the computer's reply.
    void PlayAndWaitForReplies(std::vector<Square>& played, const std::vector<Square>& moves) {
        for (const Square& move : moves) {
            played.push_back(move);
            const Board expected = ExpectedAfter(played);
            program.ClickSquare(move.column, move.row);
            ASSERT_TRUE(WaitUntil([&] { return ShowsBoard(expected); }, 20000))
                << "the board after " << played.size() << " moves";
        }
    }

    // Closes the message box the program shows with Enter; false when none appeared.
    bool AnswerMessageBox() {
        const auto box = program.WaitForDialog("^Flipstone$");
        if (!box) {
            return false;
        }
        display.Focus(*box);
        display.Key("Return");
        return true;
    }

    // Save by Ctrl+S, answering the Save As dialog with the path.
    void SaveAs(const QString& path) {
        display.Key("ctrl+s");
        ASSERT_TRUE(program.WaitForDialog("^Save As$").has_value());
        display.Type(path);
        display.Key("Return");
    }

    bool NoDialogOpen() const { return display.Windows("^(Flipstone|Open|Save As)$").size() == 1; }

    VirtualDisplay display{kWindowManager};
    RealProgram program{display};
};

using EndToEnd = Desktop<false>;
// Keys after a dialog closes need a window manager to give the main window its focus back.
using ManagedEndToEnd = Desktop<true>;

// On a 1024 x 768 screen the first window is 512 x 512 at (256, 128): the client without a
// window manager, the whole window, frame included, with one.
TEST_F(EndToEnd, FirstWindowIsTheCentredSquare) {
    ASSERT_NO_FATAL_FAILURE(StartAndWait());
    EXPECT_EQ(display.ScreenRect(program.Window()), QRect(256, 128, 512, 512));
}

TEST_F(ManagedEndToEnd, FirstWindowFrameIncludedIsTheCentredSquare) {
    ASSERT_NO_FATAL_FAILURE(StartAndWait());
    EXPECT_TRUE(WaitUntil([&] {
        return display.FrameRect(program.Window()) == QRect(256, 128, 512, 512);
    })) << "the frame is "
        << display.FrameRect(program.Window()).width() << " x "
        << display.FrameRect(program.Window()).height();
}

TEST_F(ManagedEndToEnd, MovesByRealKeysAlsoAfterADialogHasClosed) {
    ASSERT_NO_FATAL_FAILURE(StartAndWait());
    std::vector<Square> played{{3, 2}};
    display.Key("Up Up Return");  // the first arrow shows the frame on d4, the second moves it
    ASSERT_TRUE(WaitUntil([&] { return ShowsBoard(ExpectedAfter(played)); }, 20000));

    display.Key("alt+g s");
    ASSERT_TRUE(program.WaitForDialog("^Flipstone$").has_value());
    display.Key("Escape");
    ASSERT_TRUE(WaitUntil([&] { return NoDialogOpen(); }));
    played.push_back({1, 2});
    display.Key("Left Left space");
    ASSERT_TRUE(WaitUntil([&] { return ShowsBoard(ExpectedAfter(played)); }, 20000))
        << "the board has the keys back";
}

TEST_F(EndToEnd, MissingFileAtStartUpIsReportedAndEndsTheProgramAfterTheExitWriting) {
    QSettings(program.SettingsPath(), QSettings::IniFormat)
        .setValue("Recent File List/File3", "/seeded/game");
    program.Start({FilePath("no such game")});
    ASSERT_TRUE(AnswerMessageBox()) << "a message box";
    EXPECT_EQ(program.WaitForExit(), 1);
    EXPECT_FALSE(program.ErrorOutput().contains("terminate"));
    EXPECT_EQ(program.Setting("Recent File List/File1"), "/seeded/game")
        << "the exit wrote the recent-file list again";
}

TEST_F(EndToEnd, FailedSaveIsReportedAndThePlayGoesOn) {
    ASSERT_NO_FATAL_FAILURE(StartAndWait());
    SaveAs(FilePath("no such folder/game"));
    ASSERT_TRUE(AnswerMessageBox()) << "the message naming the file";
    ASSERT_TRUE(WaitUntil([&] { return NoDialogOpen(); }));
    EXPECT_TRUE(program.IsRunning());
    std::vector<Square> played;
    PlayAndWaitForReplies(played, {{3, 2}});
}

TEST_F(EndToEnd, TabThenEnterInTheStartDialogCancels) {
    ASSERT_NO_FATAL_FAILURE(StartAndWait());
    std::vector<Square> played;
    PlayAndWaitForReplies(played, {{3, 2}});
    display.Key("alt+g s");
    ASSERT_TRUE(program.WaitForDialog("^Flipstone$").has_value());
    display.Key("Tab Return");
    ASSERT_TRUE(WaitUntil([&] { return NoDialogOpen(); }));
    // The next move is legal only in the game that went on, not in a new one.
    PlayAndWaitForReplies(played, {{1, 2}});
}

TEST_F(EndToEnd, FileGivenAtStartUpShowsTheLegalMovesBeforeAnyClick) {
    MakeFile("saved game", {});
    ASSERT_NO_FATAL_FAILURE(StartAndWait({FilePath("saved game")}));
    const QImage shot = display.Screenshot();
    for (const Square square : {Square{3, 2}, Square{2, 3}, Square{5, 4}, Square{4, 5}}) {
        EXPECT_EQ(program.SquareColour(shot, square.column, square.row), kMarker)
            << square.column << "," << square.row;
    }
}

TEST_F(EndToEnd, HintAskedJustBeforeThePlayerIsFoundWithoutAMoveDrawsNothingOffTheBoard) {
    ASSERT_NO_FATAL_FAILURE(StartAndWait());
    // At Level 2 the computer's reply to the seventh of these leaves black without a move.
    std::vector<Square> played;
    PlayAndWaitForReplies(played, {{3, 2}, {1, 2}, {5, 2}, {5, 4}, {6, 2}, {7, 4}});
    const QImage before = display.Screenshot();
    const QRect view = program.ViewRect(before);
    // The light bulb is the first yellow picture of the toolbar, above the view.
    QPoint hintButton;
    for (int x = view.left(); x < view.right() && hintButton.isNull(); ++x) {
        for (int y = view.top() - 40; y < view.top(); ++y) {
            const QColor colour = before.pixelColor(x, y);
            if (colour.red() > 200 && colour.green() > 200 && colour.blue() < 100) {
                hintButton = QPoint(x, y);
                break;
            }
        }
    }
    ASSERT_FALSE(hintButton.isNull()) << "the Hint button";
    const Board beforeTheMove = ExpectedAfter(played);
    played.push_back({3, 0});
    const Board afterThePass = ExpectedAfter(played);
    ASSERT_EQ(afterThePass.CountDiscs(), beforeTheMove.CountDiscs() + 3)
        << "black passes after the reply, and the computer moves again";
    program.ClickSquare(3, 0);
    // Hint, again and again, while the move is shown and answered: one request lands in the
    // step between black getting the turn and being found without a move.
    display.Xdotool({"mousemove", QString::number(hintButton.x()), QString::number(hintButton.y()),
                     "click", "--repeat", "600", "--delay", "4", "1"});
    const QImage after = display.Screenshot();
    const QPoint offBoard = program.SquareCentre(after, -1, -1);
    EXPECT_EQ(after.pixel(offBoard) & 0xFFFFFF, kGreen) << "no hint disc in the margin";
    EXPECT_TRUE(WaitUntil([&] { return ShowsBoard(afterThePass); }, 20000))
        << "the seventh move, its reply and the computer's move after black's pass were played";
}

TEST_F(EndToEnd, EveryDiscClicksWithSoundOnAndNothingIsHeardWithSoundOff) {
    QTemporaryDir soundFolder;
    SoundServer sound(soundFolder.path());
    ASSERT_TRUE(sound.IsUp()) << "PulseAudio with a null sink";
    program.AddEnvironment(sound.Environment());
    ASSERT_NO_FATAL_FAILURE(StartAndWait());

    display.Key("alt+s s");
    ASSERT_TRUE(WaitUntil([&] { return program.Setting("Settings/Sound") == "1"; }));
    ASSERT_TRUE(sound.StartRecording());
    display.Key("alt+g s");
    ASSERT_TRUE(program.WaitForDialog("^Flipstone$").has_value());
    display.Key("Return");
    QThread::msleep(1000);
    // Three moves and their replies; nothing else runs while the sounds are recorded, since a
    // busy machine loses recorded sound.
    const std::vector<Square> moves = {{3, 2}, {1, 2}, {5, 2}};
    std::vector<Square> played;
    int discsSet = 0;
    for (const Square& move : moves) {
        // The move's disc and each it turns click once; so do the reply's, which are the squares
        // that the reply changed.
        Board afterMove = ExpectedAfter(played);
        FlipList turned;
        afterMove.CollectFlips(move.column, move.row, kBlack, turned);
        afterMove.Place(move.column, move.row, kBlack);
        played.push_back(move);
        const Board afterReply = ExpectedAfter(played);
        discsSet += turned.count + 1;
        for (int index = 0; index < 64; ++index) {
            discsSet += afterMove.squares[index] != afterReply.squares[index] ? 1 : 0;
        }
        program.ClickSquare(move.column, move.row);
        QThread::msleep(3000);
    }
    const auto sounds = sound.StopRecording();
    ASSERT_TRUE(ShowsBoard(ExpectedAfter(played))) << "every move was played and answered";
    int clicks = 0;
    int longSounds = 0;
    for (const auto& [start, length] : sounds) {
        (length < 40 ? clicks : longSounds) += 1;
    }
    EXPECT_GE(longSounds, 1) << "the start cue";
    EXPECT_EQ(clicks, discsSet);

    display.Key("alt+s s");
    ASSERT_TRUE(WaitUntil([&] { return program.Setting("Settings/Sound") == "0"; }));
    ASSERT_TRUE(sound.StartRecording());
    Square next;
    const Board now = ExpectedAfter(played);
    for (int index = 0; index < 64 && next.column < 0; ++index) {
        if (now.CanPlace(index / 8, index % 8, kBlack)) {
            next = Square{index / 8, index % 8};
        }
    }
    played.push_back(next);
    const Board afterNext = ExpectedAfter(played);
    program.ClickSquare(next.column, next.row);
    ASSERT_TRUE(WaitUntil([&] { return ShowsBoard(afterNext); }, 20000))
        << "the move was played and answered";
    EXPECT_TRUE(sound.StopRecording().empty()) << "sound off";
}

TEST_F(ManagedEndToEnd, SaveOpenAndExitKeepFilesSafeAndTheRecentListInOrder) {
    ASSERT_NO_FATAL_FAILURE(StartAndWait());
    SaveAs(FilePath("game"));
    ASSERT_TRUE(WaitUntil([&] { return QFileInfo::exists(FilePath("game")); }));
    EXPECT_EQ(QFileInfo(FilePath("game")).size(), 0);
    ASSERT_TRUE(WaitUntil([&] { return NoDialogOpen(); }));
    display.Key("ctrl+s");
    EXPECT_FALSE(program.WaitForDialog(".", 1000).has_value()) << "the second Save asks nothing";

    // A file of somebody else's, opened and then saved: the dialog asks first.
    MakeFile("letter", "Dear Sir,");
    display.Key("ctrl+o");
    ASSERT_TRUE(program.WaitForDialog("^Open$").has_value());
    display.Type(FilePath("letter"));
    display.Key("Return");
    ASSERT_TRUE(WaitUntil([&] { return NoDialogOpen(); }));
    // Ctrl+S just after the Open dialog closed was lost once under the sanitizers: press again.
    bool saveAsShown = false;
    for (int press = 0; press < 3 && !saveAsShown; ++press) {
        display.Key("ctrl+s");
        saveAsShown = program.WaitForDialog("^Save As$", 4000).has_value();
    }
    ASSERT_TRUE(saveAsShown);
    display.Key("Escape");
    ASSERT_TRUE(WaitUntil([&] { return NoDialogOpen(); }));
    EXPECT_EQ(QFileInfo(FilePath("letter")).size(), 9) << "left as it was";

    display.Key("alt+g x");
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(program.Setting("Recent File List/File1"), FilePath("letter"));
    EXPECT_EQ(program.Setting("Recent File List/File2"), FilePath("game"));
}

TEST_F(ManagedEndToEnd, UndoRedoCopyAndPasteByKeysWithTheRealClipboard) {
    ASSERT_NO_FATAL_FAILURE(StartAndWait());
    std::vector<Square> played;
    PlayAndWaitForReplies(played, {{3, 2}, {1, 2}});
    const Board afterBoth = ExpectedAfter(played);
    display.Key("ctrl+z");
    ASSERT_TRUE(WaitUntil([&] { return ShowsBoard(ExpectedAfter({played.front()})); }))
        << "the second move and its reply taken back";
    display.Key("ctrl+shift+z");
    ASSERT_TRUE(WaitUntil([&] { return ShowsBoard(afterBoth); })) << "and played again";

    display.Key("ctrl+c");
    const QString copied =
        RunTool("xclip", {"-o", "-selection", "clipboard"}, display.Environment());
    EXPECT_TRUE(copied.startsWith("d3") && copied.mid(4, 2) == "b3" && copied.size() == 8)
        << copied.toStdString();

    const auto paste = [&](const QString& text) {
        RunTool("sh", {"-c", "printf '%s' \"$1\" | xclip -selection clipboard", "-", text},
                display.Environment());
        display.Key("ctrl+v");
    };
    paste("f5d6c3d3d3");
    ASSERT_TRUE(AnswerMessageBox()) << "the illegal fifth move is named";
    // The main window is a training game's now: the box is the only window titled Flipstone.
    ASSERT_TRUE(WaitUntil([&] { return display.Windows("^Flipstone$").empty(); }));
    EXPECT_TRUE(ShowsBoard(afterBoth)) << "and the game is as it was";
    paste("F5 d6");
    const Board pasted = ReadGameRecord("f5d6").record->FinalPosition().GetBoard();
    EXPECT_TRUE(WaitUntil([&] { return ShowsBoard(pasted); })) << "black to move after d6";
}

TEST_F(EndToEnd, UnregisterRemovesTheSettingsWithAndWithoutADisplay) {
    QSettings(program.SettingsPath(), QSettings::IniFormat).setValue("Settings/Sound", "1");
    program.Start({"-unregister"});
    ASSERT_TRUE(AnswerMessageBox());
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_FALSE(QFileInfo::exists(program.SettingsPath()));

    QSettings(program.SettingsPath(), QSettings::IniFormat).setValue("Settings/Sound", "1");
    const QString printed =
        RunTool("env", {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                        "XDG_CONFIG_HOME=" + program.Folder() + "/config", FLIPSTONE_PLAY_SCRIPT,
                        FLIPSTONE_BUILD_DIR, "-unregister"});
    EXPECT_TRUE(printed.contains("have been removed")) << printed.toStdString();
    EXPECT_FALSE(QFileInfo::exists(program.SettingsPath()));
}

}  // namespace
}  // namespace flipstone::e2e
