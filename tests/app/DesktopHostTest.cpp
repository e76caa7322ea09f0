// Whole games on the desktop: Start and its dialog, clicks against the computer, the game-over
// box that leaves the window usable, and the timer that keeps the game going behind dialogs.
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <thread>

#include "DesktopTest.h"
#include "app/dialogs/CGameStartDialog.h"
#include "game/HeadlessHost.h"

namespace flipstone {
namespace {

using testing::DesktopTest;

bool IsGameOverBox(QMessageBox* box) {
    return box->windowTitle() == "Game over";
}
bool AnyStartDialog(CGameStartDialog*) {
    return true;
}

void Press(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

// Fills the board: black on the first `blackSquares` squares, white on the rest.
void FillBoard(Board& board, int blackSquares) {
    for (int index = 0; index < 64; ++index) {
        board.squares[index] = index < blackSquares ? kBlack : kWhite;
    }
}

class DesktopGameTest : public DesktopTest {
protected:
    explicit DesktopGameTest(SearchMode mode = SearchMode::kSynchronous) : DesktopTest(mode) {}

    // Opens Start and answers the dialog with the act, which ends by closing it.
    void Start(std::function<void(CGameStartDialog*)> act) {
        WhenShown<CGameStartDialog>(AnyStartDialog, std::move(act));
        Action(ID_GAME_START).trigger();
    }

    // Ticks until the move being shown is finished and handed over, forgetting its clicks.
    void FinishMove() {
        for (int guard = 0; guard < 2000 && document.flipList.count > 0; ++guard) {
            View().OnTimer();
        }
        cues.clear();
    }
};

TEST_F(DesktopGameTest, StartThenCancelByKeysKeepsTheGameUnderThePlainTitle) {
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    FinishMove();
    frame.setWindowTitle("Flipstone - Training game");
    const Board before = document.board;
    document.levelIndex = 2;
    Start([](CGameStartDialog* dialog) {
        EXPECT_TRUE(dialog->Control(CGameStartDialog::IDC_FIRST)->isChecked());
        EXPECT_TRUE(dialog->Control(ID_LEVEL_3)->isChecked());
        EXPECT_EQ(dialog->parentWidget()->windowTitle(), "Flipstone") << "set before it opens";
        QApplication::setActiveWindow(dialog);
        QTest::keyClick(dialog, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dialog->Control(CGameStartDialog::kCancel));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "Enter on the focused Cancel left the dialog open";
            Press(dialog->Control(CGameStartDialog::kCancel));
        }
    });
    EXPECT_EQ(frame.windowTitle(), "Flipstone");
    EXPECT_TRUE(document.board == before);
    EXPECT_EQ(document.moveCount, 1);
    EXPECT_EQ(document.levelIndex, 2);
    EXPECT_TRUE(cues.empty());
}

TEST_F(DesktopGameTest, StartFirstAtLevelThreeGivesAFreshGameAndTheStartCue) {
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    FinishMove();
    Start([](CGameStartDialog* dialog) {
        Press(dialog->Control(ID_LEVEL_3));
        Press(dialog->Control(CGameStartDialog::kOk));
    });
    EXPECT_EQ(document.moveCount, 0);
    EXPECT_EQ(document.board.CountDiscs(), 4);
    EXPECT_EQ(document.levelIndex, 2);
    EXPECT_EQ(document.humanColour, kBlack);
    EXPECT_EQ(document.sideToMove, 0);
    EXPECT_EQ(cues, std::vector<unsigned>{kStartCue});
    EXPECT_EQ(frame.windowTitle(), "Flipstone - Training game")
        << "the level button ran as the Level command while the old game had a move";
}

TEST_F(DesktopGameTest, StartSecondLetsTheComputerOpenAsBlackWithoutMarkersOrCue) {
    Start([](CGameStartDialog* dialog) {
        Press(dialog->Control(CGameStartDialog::IDC_SECOND));
        Press(dialog->Control(ID_LEVEL_2));
        Press(dialog->Control(CGameStartDialog::kOk));
    });
    EXPECT_EQ(frame.windowTitle(), "Flipstone") << "no move had been made";
    EXPECT_EQ(document.humanColour, kWhite);
    EXPECT_EQ(document.computerColour, kBlack);
    EXPECT_EQ(document.sideToMove, 1);
    EXPECT_EQ(document.markerState, 0);
    EXPECT_TRUE(cues.empty());
    View().OnTimer();
    EXPECT_EQ(document.thinking, 1);
    View().OnTimer();
    EXPECT_GE(document.examinedSquare.column, 0) << "the first slice of the search ran";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the wait cursor is put back";
}

TEST_F(DesktopGameTest, LevelButtonsActAtOnceEvenWhenCancelledAfterTheGameIsOver) {
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    FinishMove();
    document.passCount = 3;
    frame.RefreshCommandStates();
    ASSERT_FALSE(Action(ID_LEVEL_4).isEnabled());
    int levelWhileOpen = -1;
    QString titleWhileOpen;
    Start([&](CGameStartDialog* dialog) {
        Press(dialog->Control(ID_LEVEL_4));
        levelWhileOpen = document.levelIndex;
        titleWhileOpen = frame.windowTitle();
        Press(dialog->Control(CGameStartDialog::kCancel));
    });
    EXPECT_EQ(levelWhileOpen, 3);
    EXPECT_EQ(titleWhileOpen, "Flipstone - Training game");
    EXPECT_EQ(document.levelIndex, 3);
    EXPECT_EQ(frame.windowTitle(), "Flipstone - Training game");
    EXPECT_EQ(document.passCount, 3) << "cancelled: the finished game stays";
}

TEST_F(DesktopGameTest, WholeGameByMouseAgainstLevelOneEndsInTheGameOverBox) {
    ShowFrame();
    Action(ID_LEVEL_1).trigger();
    int clicks = 0;
    for (int tick = 0; tick < 200000 && !document.IsGameOver(); ++tick) {
        if (ClickFirstMarkedSquare()) {
            ASSERT_GT(document.flipList.count, 0) << "the click at tick " << tick << " played";
            ++clicks;
        }
        View().OnTimer();
    }
    ASSERT_TRUE(document.IsGameOver());
    EXPECT_GE(clicks, 10);
    const int human = document.board.CountBlack();
    const int computer = document.board.CountWhite();
    const QString expected = human > computer   ? "You Win."
                             : human < computer ? "You Lose"
                                                : "Draw Game";
    QString shown;
    WhenShown<QMessageBox>(IsGameOverBox, [&](QMessageBox* box) {
        shown = box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        Press(box->button(QMessageBox::Ok));
    });
    ASSERT_TRUE(RunEventsUntil([&] { return !shown.isEmpty(); }));
    EXPECT_EQ(shown, expected);
    frame.RefreshCommandStates();
    EXPECT_FALSE(Action(ID_GAME_HINT).isEnabled());
    EXPECT_TRUE(Action(ID_GAME_START).isEnabled());
}

// The window's own arrangement: the searches on the document's search thread.
class ThreadedDesktopGameTest : public DesktopGameTest {
protected:
    ThreadedDesktopGameTest() : DesktopGameTest(SearchMode::kThreaded) {}
};

// The game the mouse plays when it always clicks the first marked square, played without a
// window and with the searches inside the steps.
Board GameOfFirstSquares(int levelIndex, int& moves) {
    HeadlessHost host;
    CFlipstoneDoc game(host, SearchMode::kSynchronous);
    host.Attach(&game);
    game.levelIndex = levelIndex;
    for (int step = 0; step < 200000 && !game.IsGameOver(); ++step) {
        const std::vector<Square> squares = game.board.LegalSquares(game.humanColour);
        if (game.flipList.count == 0 && game.thinking == 0 && !squares.empty()) {
            game.PlayHumanMove(squares.front().column, squares.front().row);
        }
        game.TurnStep();
    }
    moves = game.moveCount;
    return game.board;
}

TEST_F(ThreadedDesktopGameTest, WholeGameByMouseShowsTheWaitCursorOnlyWhileTheSearchRuns) {
    ShowFrame();
    Action(ID_LEVEL_2).trigger();
    for (int tick = 0; tick < 2000000 && !document.IsGameOver(); ++tick) {
        ClickFirstMarkedSquare();
        View().OnTimer();
        if (const QCursor* cursor = QGuiApplication::overrideCursor()) {
            ASSERT_EQ(cursor->shape(), Qt::WaitCursor);
            ASSERT_TRUE(document.thinking != 0 || document.hintState == kHintRequested);
        }
        if (document.StepWaited()) {
            std::this_thread::yield();
        }
    }
    ASSERT_TRUE(document.IsGameOver());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "every wait cursor was restored";
    int moves = 0;
    const Board expected = GameOfFirstSquares(1, moves);
    EXPECT_EQ(document.board, expected) << "the same game as with the searches inside the ticks";
    EXPECT_EQ(document.moveCount, moves);
}

TEST_F(DesktopGameTest, GameOverBoxLeavesTheWindowUsableAndTheTimerTicking) {
    ShowFrame();
    FillBoard(document.board, 40);
    document.passCount = 2;
    View().TickTimer().start();
    bool nonModal = false;
    bool tickedWhileOpen = false;
    bool newGameOnWhileOpen = false;
    WhenShown<QMessageBox>(IsGameOverBox, [&](QMessageBox* box) {
        EXPECT_EQ(box->text(), "You Win.");
        nonModal =
            !box->isModal() && QApplication::activeModalWidget() == nullptr && frame.isEnabled();
        CFlipstoneDoc::stepCounter = 0;
        tickedWhileOpen = RunEventsUntil([] { return CFlipstoneDoc::stepCounter > 0; });
        // Start from the menu while the box is still open, and play a move in the new game.
        WhenShown<CGameStartDialog>(AnyStartDialog, [](CGameStartDialog* dialog) {
            Press(dialog->Control(CGameStartDialog::kOk));
        });
        Action(ID_GAME_START).trigger();
        QTest::mouseClick(&View(), Qt::LeftButton, {},
                          View().InvalidationBox(Square{3, 2}).center());
        newGameOnWhileOpen = RunEventsUntil([&] { return document.sideToMove == 1; });
        Press(box->button(QMessageBox::Ok));
    });
    ASSERT_TRUE(RunEventsUntil([&] { return newGameOnWhileOpen || document.moveCount > 0; }));
    View().TickTimer().stop();
    EXPECT_TRUE(nonModal);
    EXPECT_TRUE(tickedWhileOpen);
    EXPECT_TRUE(newGameOnWhileOpen);
    EXPECT_EQ(document.passCount, 0) << "closing the old box leaves the new game alone";
    EXPECT_EQ(document.board.At(3, 2), kBlack);
    EXPECT_EQ(document.moveCount, 1);
}

TEST_F(DesktopGameTest, ClicksWhileTheComputerThinksOrDiscsTurnAreIgnored) {
    ShowFrame();
    int ignoredWhileThinking = 0;
    int ignoredWhileTurning = 0;
    for (int tick = 0; tick < 5000 && document.moveCount < 6; ++tick) {
        const bool thinking = document.thinking != 0;
        const bool turning = document.flipList.count > 0;
        const int movesBefore = document.moveCount;
        if (!ClickFirstMarkedSquare()) {
            for (int column = 0; column < 8; ++column) {
                for (int row = 0; row < 8; ++row) {
                    const QPoint point = View().InvalidationBox(Square{column, row}).center();
                    QTest::mouseClick(&View(), Qt::LeftButton, {}, point);
                }
            }
            ASSERT_EQ(document.moveCount, movesBefore) << "a click got through at tick " << tick;
            ignoredWhileThinking += thinking ? 1 : 0;
            ignoredWhileTurning += turning ? 1 : 0;
        }
        View().OnTimer();
    }
    EXPECT_EQ(document.moveCount, 6);
    EXPECT_GT(ignoredWhileThinking, 0);
    EXPECT_GT(ignoredWhileTurning, 0);
}

TEST_F(DesktopGameTest, TinyWindowsKeepTheGameRunning) {
    ShowFrame();
    for (const QSize size : {QSize(120, 1), QSize(1, 1), QSize(300, 60)}) {
        View().setMinimumSize(0, 0);
        View().resize(size);
        View().grab();
        ClickFirstMarkedSquare();
        for (int tick = 0; tick < 100; ++tick) {
            View().OnTimer();
        }
        QCoreApplication::processEvents();
    }
    View().resize(400, 300);
    View().grab();
    EXPECT_EQ(View().BoardSize(), 240);
    EXPECT_GE(document.moveCount, 2) << "a move and its reply were played in the small window";
}

TEST_F(DesktopGameTest, HintIsWorkedOutSliceBySliceWithTheWaitCursorOnlyDuringASlice) {
    Action(ID_LEVEL_1).trigger();
    Action(ID_GAME_HINT).trigger();
    int slices = 0;
    while (document.hintState == 1 && slices < 100) {
        View().OnTimer();
        ++slices;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "wait cursor only during a slice";
    }
    EXPECT_EQ(document.hintState, 2);
    EXPECT_EQ(slices, 4 + 2) << "prepare, one slice per root move, finish";
    EXPECT_TRUE(document.board.CanPlace(document.hintSquare.column, document.hintSquare.row,
                                        document.humanColour));
}

}  // namespace
}  // namespace flipstone
