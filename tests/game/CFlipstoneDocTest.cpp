// The turn cycle: moves shown disc by disc, the hand-over, passes and the end of the game.
#include "game/CFlipstoneDoc.h"

#include <gtest/gtest.h>

#include "game/HeadlessHost.h"
#include "support/Positions.h"

namespace flipstone {
namespace {

using testing::BoardFrom;

class TurnCycleTest : public ::testing::Test {
protected:
    TurnCycleTest() : document(host, SearchMode::kSynchronous) {
        host.Attach(&document);
        CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
    }

    void Steps(int count) {
        for (int i = 0; i < count; ++i) {
            document.TurnStep();
        }
    }

    // Steps until the move being shown is finished and handed over.
    void FinishMove() {
        for (int guard = 0; guard < 2000 && document.flipList.count > 0; ++guard) {
            document.TurnStep();
        }
        ASSERT_EQ(document.flipList.count, 0);
    }

    HeadlessHost host;
    CFlipstoneDoc document;
};

TEST_F(TurnCycleTest, ConstructorAndNewGameGiveTheStartingFields) {
    EXPECT_EQ(document.levelIndex, 1);
    document.levelIndex = 3;
    document.moveCount = 9;
    document.passCount = 2;
    document.thinking = 1;
    document.board.Set(0, 0, kBlack);
    EXPECT_TRUE(document.NewGame());
    EXPECT_EQ(document.levelIndex, 3) << "a new game keeps the level";
    EXPECT_EQ(document.moveCount, 0);
    EXPECT_EQ(document.passCount, 0);
    EXPECT_EQ(document.thinking, 0);
    EXPECT_EQ(document.sideToMove, 0);
    EXPECT_EQ(document.humanColour, kBlack);
    EXPECT_EQ(document.computerColour, kWhite);
    EXPECT_EQ(document.flipList.count, 0);
    EXPECT_EQ(document.flipList.columns[0], -1);
    EXPECT_EQ(document.markerState, 1);
    EXPECT_EQ(document.repaintFlag, 1);
    EXPECT_EQ(document.examinedSquare, Square{});
    EXPECT_EQ(document.board.CountDiscs(), 4);
    EXPECT_EQ(host.updates, 1);
}

TEST_F(TurnCycleTest, AcceptedMoveIsShownDiscByDiscSixteenStepsApart) {
    const Board start = document.board;
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    EXPECT_EQ(document.flipList.count, 1);
    EXPECT_EQ(document.flipList.columns[0], 3);
    EXPECT_EQ(document.flipList.rows[0], 2);
    EXPECT_EQ(document.flipList.columns[1], 3);
    EXPECT_EQ(document.flipList.rows[1], 3);
    EXPECT_EQ(document.moveCount, 1);
    EXPECT_EQ(document.board, start) << "TryMove puts nothing on the board";

    Steps(1);  // the step counter was already at 16
    EXPECT_EQ(document.board.At(3, 2), kBlack);
    EXPECT_EQ(document.board.At(3, 3), kWhite);
    EXPECT_EQ(document.animationIndex, 1);
    Steps(15);
    EXPECT_EQ(document.board.At(3, 3), kWhite);
    Steps(1);
    EXPECT_EQ(document.board.At(3, 3), kBlack);
    EXPECT_EQ(document.animationIndex, 2);
    EXPECT_EQ(document.sideToMove, 0);
    Steps(1);
    EXPECT_EQ(document.sideToMove, 1) << "the turn passes one step after the last disc";
    EXPECT_EQ(document.flipList.count, 0);
    EXPECT_EQ(document.animationIndex, 0);
    EXPECT_EQ(host.cues, (std::vector<unsigned>{kDiscCue, kDiscCue}));
}

TEST_F(TurnCycleTest, FirstDiscAfterStartWaitsForTheCounterToReachSixteen) {
    CFlipstoneDoc::stepCounter = 0;
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    Steps(16);
    EXPECT_EQ(document.board.At(3, 2), kEmpty);
    Steps(1);
    EXPECT_EQ(document.board.At(3, 2), kBlack);
}

TEST_F(TurnCycleTest, RefusedMovesChangeNothing) {
    EXPECT_FALSE(document.TryMove(0, 0, kBlack)) << "illegal";
    EXPECT_FALSE(document.TryMove(3, 3, kBlack)) << "occupied";
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    const FlipList shown = document.flipList;
    EXPECT_FALSE(document.TryMove(2, 3, kBlack)) << "a move is still being shown";
    EXPECT_EQ(document.flipList.columns[0], shown.columns[0]);
    EXPECT_EQ(document.flipList.count, shown.count);
    EXPECT_EQ(document.moveCount, 1);
}

TEST_F(TurnCycleTest, MoveTurningFiveDiscsClicksSixTimes) {
    document.board = testing::FiveDiscBoard();
    // Black on c3 brackets b2, c2, b3, b4 and d4; d2, d3 and c4 lead to empty squares.
    ASSERT_TRUE(document.TryMove(2, 2, kBlack));
    EXPECT_EQ(document.flipList.count, 5);
    FinishMove();
    EXPECT_EQ(host.cues, std::vector<unsigned>(6, kDiscCue));
    EXPECT_EQ(document.board.CountWhite(), 3);
}

TEST_F(TurnCycleTest, PassIsSilentAndTheNextMoveClearsThePassCount) {
    // White (the computer) can move; black (the human) cannot.
    document.board = BoardFrom(
        "O-------"
        "X-------"
        "--------"
        "--------"
        "--------"
        "--------"
        "--------"
        "--------");
    Steps(1);
    EXPECT_EQ(document.sideToMove, 1);
    EXPECT_EQ(document.passCount, 1);
    EXPECT_TRUE(host.gameOverTexts.empty());
    EXPECT_EQ(document.moveCount, 0) << "passes are not moves";
    Steps(1);
    EXPECT_EQ(document.thinking, 1);
    for (int guard = 0; guard < 100 && document.thinking; ++guard) {
        Steps(1);
    }
    EXPECT_EQ(document.passCount, 0);
    EXPECT_EQ(document.moveCount, 1);
}

TEST_F(TurnCycleTest, GameEndsOnTheThirdFindingWithTheRightMessage) {
    struct Case {
        const char* board;
        std::uint8_t human;
        const char* text;
    };
    const std::string even = std::string(32, 'X') + std::string(32, 'O');
    const std::string blackAhead = std::string(40, 'X') + std::string(24, 'O');
    for (const Case& c :
         {Case{even.c_str(), kBlack, "Draw Game"}, Case{blackAhead.c_str(), kBlack, "You Win."},
          Case{blackAhead.c_str(), kWhite, "You Lose"}}) {
        HeadlessHost host;
        CFlipstoneDoc game(host, SearchMode::kSynchronous);
        host.Attach(&game);
        game.board = BoardFrom(c.board);
        game.humanColour = c.human;
        game.computerColour = Opponent(c.human);
        game.TurnStep();
        game.TurnStep();
        EXPECT_EQ(game.passCount, 2);
        EXPECT_TRUE(host.gameOverTexts.empty());
        game.TurnStep();
        EXPECT_TRUE(game.IsGameOver());
        EXPECT_EQ(host.gameOverTexts, std::vector<std::string>{c.text});

        const Board finalBoard = game.board;
        const int side = game.sideToMove;
        const int updates = host.updates;
        for (int i = 0; i < 50; ++i) {
            game.TurnStep();
        }
        EXPECT_EQ(game.board, finalBoard);
        EXPECT_EQ(game.sideToMove, side);
        EXPECT_EQ(host.updates, updates);
        EXPECT_EQ(host.gameOverTexts.size(), 1u) << "the game stays over";
    }
}

// A game-over box in which a nested tick runs and then a new game is started and played on.
class NewGameInTheBoxHost : public HeadlessHost {
public:
    bool overWhenOpened = false;
    bool moveAccepted = false;
    Board boardAtClose{};
    int movesAtClose = 0;
    int sideAtClose = 0;

protected:
    void WhileGameOverOpen() override {
        CFlipstoneDoc& document = *AttachedDocument();
        overWhenOpened = document.IsGameOver();
        document.TurnStep();  // a nested tick does nothing
        document.NewGame();
        moveAccepted = document.TryMove(3, 2, kBlack);
        for (int i = 0; i < 40; ++i) {
            document.TurnStep();
        }
        boardAtClose = document.board;
        movesAtClose = document.moveCount;
        sideAtClose = document.sideToMove;
    }
};

TEST_F(TurnCycleTest, NewGamePlayedWhileTheGameOverBoxIsOpenSurvivesItsClosing) {
    NewGameInTheBoxHost boxHost;
    CFlipstoneDoc game(boxHost, SearchMode::kSynchronous);
    boxHost.Attach(&game);
    game.board = BoardFrom(std::string(32, 'X') + std::string(32, 'O'));
    for (int i = 0; i < 3; ++i) {
        game.TurnStep();
    }
    ASSERT_EQ(boxHost.gameOverTexts.size(), 1u);
    EXPECT_TRUE(boxHost.overWhenOpened) << "the game is over before the box opens";
    EXPECT_TRUE(boxHost.moveAccepted);
    EXPECT_FALSE(game.IsGameOver());
    EXPECT_GE(game.moveCount, 1);
    EXPECT_EQ(game.moveCount, boxHost.movesAtClose);
    EXPECT_EQ(game.sideToMove, boxHost.sideAtClose);
    EXPECT_EQ(game.board, boxHost.boardAtClose) << "closing the box touches nothing";
}

TEST_F(TurnCycleTest, NewGameDuringAMoveOrASearchLeavesNothingBehind) {
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    Steps(1);
    document.NewGame();
    EXPECT_EQ(document.flipList.count, 0);
    EXPECT_EQ(document.animationIndex, 0);
    Steps(40);
    EXPECT_EQ(document.board.CountDiscs(), 4) << "no disc of the old move lands";

    // Hand the turn to the computer and stop it in the middle of its search.
    document.sideToMove = 1;
    Steps(3);
    ASSERT_EQ(document.thinking, 1);
    ASSERT_GE(document.ComputerSearchState().position, 0);
    document.NewGame();
    EXPECT_EQ(document.thinking, 0);
    EXPECT_EQ(document.ComputerSearchState().position, -1);
}

TEST_F(TurnCycleTest, AcceptedHumanMoveAbandonsARunningHint) {
    document.OnHint();
    Steps(2);
    ASSERT_GE(document.HintSearchState().position, 0);
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    EXPECT_EQ(document.HintSearchState().position, -1);
}

TEST_F(TurnCycleTest, WholeGamesKeepTheInvariantsAndEndProperly) {
    for (int game = 0; game < 4; ++game) {
        HeadlessHost host;
        CFlipstoneDoc doc(host, SearchMode::kSynchronous);
        host.Attach(&doc);
        doc.levelIndex = 0;
        int accepted = 0;
        std::uint32_t pick = 12345 + game;
        for (long steps = 0; steps < 200000 && !doc.IsGameOver(); ++steps) {
            if (doc.sideToMove == 0 && doc.flipList.count == 0 && doc.thinking == 0) {
                for (int k = 0; k < 64; ++k) {
                    const int square = static_cast<int>((pick + k) % 64);
                    if (doc.TryMove(square / 8, square % 8, doc.humanColour)) {
                        ++accepted;
                        pick = pick * 1103515245u + 12345u;
                        break;
                    }
                }
            }
            const int movesBefore = doc.moveCount;
            doc.TurnStep();
            accepted += doc.moveCount - movesBefore;
            if (doc.flipList.count > 0) {
                ASSERT_LE(doc.animationIndex, doc.flipList.count + 1);
            } else {
                ASSERT_EQ(doc.animationIndex, 0);
            }
            ASSERT_EQ(doc.moveCount, accepted);
        }
        ASSERT_TRUE(doc.IsGameOver());
        EXPECT_FALSE(doc.board.HasLegalMove(kBlack));
        EXPECT_FALSE(doc.board.HasLegalMove(kWhite));
        EXPECT_EQ(host.gameOverTexts.size(), 1u);
    }
}

}  // namespace
}  // namespace flipstone
