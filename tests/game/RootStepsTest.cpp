// The document's root steps on the fast search, for the computer's move and
// for the hint, against the plain root search, at every level.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "engine/BoardText.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "support/PlainSearch.h"
#include "support/Positions.h"
#include "support/TestScale.h"

namespace flipstone {
namespace {

using testing::PlainRootResult;
using testing::PlainRootSearch;
using testing::RandomGamePosition;
using testing::RandomPosition;
using testing::RandomPositions;

using testing::Scale;
using testing::Scaled;

// One document for a whole test, as in a game: what its search remembers from one root search
// carries over to the next.
class RootStepComparison {
public:
    RootStepComparison() { host_.Attach(&document_); }

    void ExpectSameAsPlain(const Board& board, std::uint8_t computer, int level, bool forHint) {
        const std::string what = BoardText::Format(board) + " computer " +
                                 std::to_string(computer) + " level " + std::to_string(level) +
                                 (forHint ? " hint" : " move");
        const PlainRootResult plain =
            PlainRootSearch(board, computer, Opponent(computer), level - 1, forHint);

        document_.LoadPosition(board, computer, level - 1);
        RootSearchState& state =
            forHint ? document_.HintSearchState() : document_.ComputerSearchState();
        auto step = [&] { return forHint ? document_.HintStep() : document_.ComputerMoveStep(); };

        EXPECT_FALSE(step()) << what;
        EXPECT_EQ(document_.searchValue, forHint ? 9999 : -9999) << what;
        ASSERT_EQ(state.count, static_cast<int>(plain.roots.size())) << what;
        EXPECT_EQ(state.depth, plain.depth) << what;
        for (int i = 0; i < state.count; ++i) {
            const MoveCandidate& candidate = state.candidates[i];
            const auto& expected = plain.roots[i];
            ASSERT_EQ(candidate.column, expected.column) << what << " root " << i;
            ASSERT_EQ(candidate.row, expected.row) << what << " root " << i;
            EXPECT_EQ(candidate.value, expected.staticValue) << what << " root " << i;
            EXPECT_FALSE(step()) << what;
            EXPECT_EQ(state.lastValue, expected.value) << what << " root " << i;
            EXPECT_EQ(document_.leafCount, expected.cumulativeLeaves) << what << " root " << i;
        }
        EXPECT_EQ(document_.searchValue, plain.searchValue) << what;
        EXPECT_EQ(state.bestColumn, plain.bestColumn) << what;
        EXPECT_EQ(state.bestRow, plain.bestRow) << what;
        if (forHint) {
            EXPECT_TRUE(step()) << what;
            EXPECT_EQ(document_.hintSquare, (Square{plain.bestColumn, plain.bestRow})) << what;
        } else {
            // The finishing call plays the move; keep the board of this case for the next one.
            const Board before = document_.board;
            EXPECT_TRUE(step()) << what;
            document_.flipList.count = 0;
            document_.board = before;
        }
    }

private:
    HeadlessHost host_;
    CFlipstoneDoc document_{host_, SearchMode::kSynchronous};
};

// The colour that moves at the position is the one asked: the computer for its move, the
// human for a hint.
void CompareAt(RootStepComparison& comparison, const RandomPosition& position, int level,
               bool forHint) {
    const std::uint8_t computer = forHint ? Opponent(position.toMove) : position.toMove;
    comparison.ExpectSameAsPlain(position.board, computer, level, forHint);
}

TEST(RootStepsTest, MoveAndHintMatchThePlainRootSearchAtEveryLevel) {
    RootStepComparison comparison;
    std::mt19937 random(101);
    // Levels 1 to 3 across the game; Level 4 costs the plain search most, so fewer of those.
    for (const auto& position : RandomPositions(102, Scaled(80), 16, 56)) {
        const int level = 1 + static_cast<int>(random() % 3);
        CompareAt(comparison, position, level, random() % 2 == 0);
    }
    for (const auto& position : RandomPositions(103, Scaled(10), 16, 56)) {
        CompareAt(comparison, position, 4, random() % 2 == 0);
    }
}

TEST(RootStepsTest, EndgameSearchesMatchThePlainRootSearch) {
    RootStepComparison comparison;
    std::mt19937 random(111);
    // From 11 empty squares down, every level searches to the end of the game.
    for (const auto& position : RandomPositions(112, Scaled(200), 1, 11)) {
        const int level = 1 + static_cast<int>(random() % 4);
        CompareAt(comparison, position, level, random() % 2 == 0);
    }
}

TEST(RootStepsTest, LevelFourAtFourteenEmptySquaresMatchesThePlainRootSearch) {
    // The deepest search of the game, 15 plies; the plain search needs seconds for it, and
    // many times that under the sanitizers, which get a position with two squares fewer.
    RootStepComparison comparison;
    const int empty = Scale() >= 1.0 ? 14 : 12;
    const RandomPosition position = RandomGamePosition(113, empty);
    ASSERT_EQ(64 - position.board.CountDiscs(), empty);
    CompareAt(comparison, position, 4, false);
}

}  // namespace
}  // namespace flipstone
