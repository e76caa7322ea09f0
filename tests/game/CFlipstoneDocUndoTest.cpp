// Undo and Redo: whenever they are used (the human to move, the computer thinking, a move shown
// disc by disc, after the end), the game is the one a fresh game played to that point would be.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "support/Positions.h"

namespace flipstone {
namespace {

// What a game played to some point looks like; the search figures are not part of it.
struct GameState {
    Board board;
    std::int32_t sideToMove, moveCount, passCount, flipCount, lastColumn, lastRow, animationIndex,
        thinking, hintState, markerState;
    std::uint8_t humanColour;
    // The figures of the computer's last search: a game taken back shows none.
    std::int32_t searchValue, leafCount;

    bool operator==(const GameState&) const = default;
};

GameState StateOf(const CFlipstoneDoc& document) {
    return {document.board,
            document.sideToMove,
            document.moveCount,
            document.passCount,
            document.flipList.count,
            document.flipList.columns[0],
            document.flipList.rows[0],
            document.animationIndex,
            document.thinking,
            document.hintState,
            document.markerState,
            document.humanColour,
            document.searchValue,
            document.leafCount};
}

// One step of the turn cycle; a step that waits for the search thread gives it time.
void Step(CFlipstoneDoc& document) {
    document.TurnStep();
    if (document.StepWaited()) {
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

// Steps the document's turn cycle until the human may move or the game is over.
void StepToTheHuman(CFlipstoneDoc& document) {
    for (int guard = 0; guard < 200000 && !document.HumanMayMove() && !document.IsGameOver();
         ++guard) {
        Step(document);
    }
}

// A fresh game at the same level with the human of the given colour, in which the human plays
// its moves of the record and the computer thinks as it would, stepped until the human may move.
// The computer must choose the record's moves: a search that knew of moves taken back would not.
GameState FreshGame(std::uint8_t human, std::int32_t level, const GameRecord& record) {
    HeadlessHost host;
    CFlipstoneDoc document(host, SearchMode::kSynchronous);
    host.Attach(&document);
    document.NewGame();
    document.levelIndex = level;
    document.humanColour = human;
    document.computerColour = Opponent(human);
    document.sideToMove = human == kBlack ? kHumanSide : kComputerSide;
    if (!record.StartsAtTheStandardPosition()) {
        GameRecord start = record;
        start.moves.clear();
        document.LoadRecord(start);
    }
    const std::vector<Square>& moves = record.moves;
    const std::vector<Square>& played = document.History().Record().moves;
    for (std::size_t k = 0; k < moves.size(); ++k) {
        StepToTheHuman(document);
        if (played.size() == k) {
            EXPECT_TRUE(document.PlayHumanMove(moves[k].column, moves[k].row));
        }
        EXPECT_TRUE(played.size() > k && played[k] == moves[k]) << "move " << k + 1;
    }
    StepToTheHuman(document);
    return StateOf(document);
}

// The human's choice among its legal moves: with it, both games below hold a pass.
const int kHumanPick = 3;

class UndoTest : public ::testing::TestWithParam<std::uint8_t> {
protected:
    UndoTest() : document(host, SearchMode::kThreaded) {
        host.Attach(&document);
        document.NewGame();
        document.levelIndex = 0;
        if (GetParam() == kWhite) {
            document.humanColour = kWhite;
            document.computerColour = kBlack;
            document.sideToMove = kComputerSide;
        }
    }

    // The human plays one of its legal moves, picked by the move count; then the game runs until
    // the moment comes, or until the human's next turn or the end when it does not. False when the
    // moment never came.
    template <typename Moment>
    bool PlayAndStepUntil(Moment moment) {
        StepToTheHuman(document);
        if (document.IsGameOver()) {
            return false;
        }
        const std::vector<Square> moves = document.board.LegalSquares(document.humanColour);
        const Square move = moves[(document.moveCount * kHumanPick) % moves.size()];
        EXPECT_TRUE(document.PlayHumanMove(move.column, move.row));
        for (int guard = 0; guard < 100000 && !moment(); ++guard) {
            if (document.HumanMayMove() || document.IsGameOver()) {
                return false;
            }
            Step(document);
        }
        return true;
    }

    // Right after Undo or Redo the search figures are cleared; once the computer has moved
    // again they are its search's.
    void ExpectFreshGameState(const char* when, bool searchedSince = false) {
        GameState fresh =
            FreshGame(document.humanColour, document.levelIndex, document.History().Record());
        if (!searchedSince) {
            fresh.searchValue = fresh.leafCount = 0;
        }
        EXPECT_EQ(StateOf(document), fresh)
            << when << " after " << document.History().Record().moves.size() << " moves";
        passesSeen += document.passCount;
    }

    int passesSeen = 0;

    HeadlessHost host;
    CFlipstoneDoc document;
};

TEST_P(UndoTest, UndoAtAnyMomentGivesTheGameAFreshGameWouldHaveThere) {
    const CFlipstoneDoc& game = document;
    const std::function<bool()> moments[] = {
        [&] { return game.sideToMove == kHumanSide && game.animationIndex == 2; },
        [&] { return game.thinking != 0 && document.ComputerSearchState().position > 0; },
        [&] { return game.sideToMove == kComputerSide && game.animationIndex == 1; },
        [&] { return game.HumanMayMove(); },
    };
    for (const auto& moment : moments) {
        PlayAndStepUntil([] { return true; });
        if (!PlayAndStepUntil(moment) && !moment()) {
            ADD_FAILURE() << "the moment to undo at never came";
            continue;
        }
        const std::vector<Square> before = document.History().Record().moves;
        const std::vector<Square> takenBack = document.OnUndo();
        ASSERT_FALSE(takenBack.empty());
        ExpectFreshGameState("undo");
        EXPECT_EQ(host.title, kTrainingTitle);
        EXPECT_EQ(document.OnRedo(), takenBack);
        EXPECT_EQ(document.History().Record().moves, before);
        StepToTheHuman(document);
        ExpectFreshGameState("redo, then the computer's reply if it was taken back",
                             document.History().Record().moves.size() > before.size());
        document.OnUndo();
        // The computer's next search starts from the position after the undo: no move of an
        // abandoned search lands.
        PlayAndStepUntil([&] { return game.HumanMayMove(); });
        ExpectFreshGameState("undo, then a move", true);
    }
}

TEST_P(UndoTest, UndoGoesBackTurnByTurnToTheFirstAndRedoReturns) {
    // The human to move, and a3 leaves the computer without a move: the human moves again.
    GameRecord start;
    start.start =
        testing::BoardFrom("XXXXX---OOOOOOO--OXOOOO-OXOOOO--XOOOO----O-OO-----OOOO---X-O----");
    if (GetParam() == kWhite) {
        for (std::uint8_t& square : start.start.squares) {
            square = square == kEmpty ? std::uint8_t{kEmpty} : Opponent(square);
        }
    }
    start.firstToMove = GetParam();
    start.moves = {Square{0, 2}};
    document.LoadRecord(start);
    while (!document.IsGameOver()) {
        PlayAndStepUntil([] { return false; });
        StepToTheHuman(document);
    }
    const std::vector<std::uint8_t> movers = document.History().Movers();
    const auto turns = std::count(movers.begin(), movers.end(), document.humanColour);
    const std::vector<Square> played = document.History().Record().moves;
    int undos = 0;
    while (!document.OnUndo().empty()) {
        ++undos;
        ExpectFreshGameState("undo");
    }
    EXPECT_EQ(undos, turns);
    EXPECT_GT(passesSeen, 0) << "a turn after a pass was taken back to";
    EXPECT_FALSE(document.History().CanUndo(document.humanColour)) << "nothing left to take back";
    while (!document.OnRedo().empty()) {
    }
    EXPECT_EQ(document.History().Record().moves, played);
    document.OnUndo();
    PlayAndStepUntil([] { return true; });
    EXPECT_TRUE(document.OnRedo().empty()) << "a new move drops what was taken back";
}

INSTANTIATE_TEST_SUITE_P(BothColours, UndoTest, ::testing::Values(kBlack, kWhite));

}  // namespace
}  // namespace flipstone
