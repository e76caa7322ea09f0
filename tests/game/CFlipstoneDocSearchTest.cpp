// The computer player as the document offers it: Evaluate, Search and the two root steps,
// compared with the plain transliteration kept in tests/support.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <new>
#include <random>
#include <thread>
#include <vector>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "support/PlainSearch.h"
#include "support/Positions.h"
#include "support/TestScale.h"

namespace flipstone {
namespace {

using testing::BoardFrom;
using testing::PlainRootSearch;
using testing::PlainSearch;

class SearchTest : public ::testing::Test {
protected:
    SearchTest() : document(host, SearchMode::kSynchronous) { host.Attach(&document); }

    void SetColours(std::uint8_t computer) {
        document.computerColour = computer;
        document.humanColour = Opponent(computer);
    }

    std::vector<std::int32_t> ChildValues(const Board& board, std::uint8_t mover) {
        std::vector<std::int32_t> values;
        for (int i = 0; i < 64; ++i) {
            Board child = board;
            if (child.Place(i / 8, i % 8, mover)) {
                values.push_back(document.Evaluate(child));
            }
        }
        return values;
    }

    HeadlessHost host;
    CFlipstoneDoc document;
};

TEST_F(SearchTest, DepthZeroOrBelowIsOneEvaluationWhateverTheSide) {
    Board board;
    board.Reset();
    for (int depth : {0, -3}) {
        for (std::uint8_t side : {kBlack, kWhite}) {
            document.leafCount = 0;
            EXPECT_EQ(document.Search(board, side, depth, 9999), 0);
            EXPECT_EQ(document.leafCount, 1);
        }
    }
}

TEST_F(SearchTest, DepthOneReturnsTheBestStaticValueOrCutsAfterTheFirst) {
    for (const auto& position : testing::RandomPositions(11, 80, 10, 56)) {
        for (std::uint8_t computer : {kBlack, kWhite}) {
            SetColours(computer);
            for (bool computerNode : {true, false}) {
                const std::uint8_t side = computerNode ? computer : Opponent(computer);
                std::vector<std::int32_t> values = ChildValues(position.board, side);
                if (values.empty()) {
                    continue;
                }
                const int n = static_cast<int>(values.size());
                const std::int32_t best = computerNode
                                              ? *std::max_element(values.begin(), values.end())
                                              : *std::min_element(values.begin(), values.end());
                const std::int32_t open = computerNode ? 9999 : -9999;
                document.leafCount = 0;
                EXPECT_EQ(document.Search(position.board, side, 1, open), best);
                EXPECT_EQ(document.leafCount, 2 * n) << "each child evaluated twice";

                const std::int32_t beaten = computerNode ? best - 1 : best + 1;
                document.leafCount = 0;
                EXPECT_EQ(document.Search(position.board, side, 1, beaten), best);
                EXPECT_EQ(document.leafCount, n + 1) << "cut off after the first child";
            }
        }
    }
}

TEST_F(SearchTest, APassCostsOneDepthAndKeepsTheValue) {
    // Black can take a3; white cannot move.
    const Board board = testing::CornerPairBoard();
    SetColours(kBlack);
    for (int depth = 1; depth <= 4; ++depth) {
        document.leafCount = 0;
        const std::int32_t passed = document.Search(board, kWhite, depth, 9999);
        const std::int32_t passedLeaves = document.leafCount;
        document.leafCount = 0;
        EXPECT_EQ(passed, document.Search(board, kBlack, depth - 1, -9999));
        EXPECT_EQ(passedLeaves, document.leafCount);
    }
}

TEST_F(SearchTest, FinishedPositionReturnsItsFinalScoreAfterPassesWithOneLeaf) {
    const Board full = BoardFrom(std::string(33, 'X') + std::string(31, 'O'));
    SetColours(kWhite);
    for (int depth = 1; depth <= 15; ++depth) {
        document.leafCount = 0;
        EXPECT_EQ(document.Search(full, kWhite, depth, 9999), -1002);
        EXPECT_EQ(document.leafCount, 1);
    }
}

// The yardstick comparison: value and leaf count for every depth, bound and colour.
TEST_F(SearchTest, MatchesThePlainSearchOnRandomPositions) {
    int compared = 0;
    for (const auto& position : testing::RandomPositions(21, 120, 4, 58)) {
        for (std::uint8_t computer : {kBlack, kWhite}) {
            SetColours(computer);
            for (int depth = 0; depth <= 3; ++depth) {
                PlainSearch plain(computer, Opponent(computer));
                const std::int32_t open = position.toMove == computer ? 9999 : -9999;
                const std::int32_t exact =
                    plain.Search(position.board, position.toMove, depth, open);
                for (std::int32_t bound : {open, exact, exact + 1, exact - 1, -open}) {
                    PlainSearch reference(computer, Opponent(computer));
                    document.leafCount = 0;
                    ASSERT_EQ(document.Search(position.board, position.toMove, depth, bound),
                              reference.Search(position.board, position.toMove, depth, bound));
                    ASSERT_EQ(document.leafCount, reference.leaves);
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, 120 * 2 * 4 * 5);
}

// Runs a whole root search through the document's step and collects what a caller sees.
struct StepRun {
    int calls = 0;
    std::int32_t searchValue = 0;
    std::int32_t leaves = 0;
    Square best;
};

StepRun RunRootSearch(CFlipstoneDoc& document, bool forHint) {
    StepRun run;
    RootSearchState& state = forHint ? document.HintSearchState() : document.ComputerSearchState();
    auto step = [&] {
        ++run.calls;
        return forHint ? document.HintStep() : document.ComputerMoveStep();
    };
    EXPECT_FALSE(step());
    EXPECT_EQ(document.searchValue, forHint ? 9999 : -9999);
    while (state.position < state.count) {
        EXPECT_FALSE(step());
    }
    run.best = Square{state.bestColumn, state.bestRow};
    EXPECT_TRUE(step());
    EXPECT_EQ(state.position, -1);
    run.searchValue = document.searchValue;
    run.leaves = document.leafCount;
    return run;
}

TEST_F(SearchTest, DepthSwitchesToTheEndgameAtTheLevelsThreshold) {
    const auto atEmpty = [](int empty) { return testing::RandomGamePosition(5, empty).board; };
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(11), 0), 11);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(12), 0), 3);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(12), 1), 12);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(13), 1), 4);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(14), 3), 14);
    EXPECT_EQ(CFlipstoneDoc::RootDepth(atEmpty(15), 3), 6);
}

TEST_F(SearchTest, OneLegalMoveStillTakesThreeCallsAndIsPlayed) {
    // Black's only move is a3.
    document.board = testing::CornerPairBoard();
    SetColours(kBlack);
    document.levelIndex = 0;
    const StepRun run = RunRootSearch(document, false);
    EXPECT_EQ(run.calls, 3);
    EXPECT_EQ(run.best, (Square{0, 2}));
    EXPECT_EQ(document.flipList.count, 1) << "the finishing call hands the move to TryMove";
    EXPECT_EQ(document.moveCount, 1);
    EXPECT_EQ(host.waitCursorDepth, 0) << "the wait cursor is restored after every call";
}

TEST_F(SearchTest, ExaminedSquareNamesTheNextRootMoveThenNone) {
    document.board.Reset();
    SetColours(kBlack);
    RootSearchState& state = document.ComputerSearchState();
    document.ComputerMoveStep();
    ASSERT_EQ(state.count, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(document.examinedSquare,
                  (Square{state.candidates[i].column, state.candidates[i].row}));
        document.ComputerMoveStep();
    }
    EXPECT_EQ(document.examinedSquare, Square{});
}

TEST_F(SearchTest, AHintWithNoRootMoveShowsNothingStale) {
    document.board.Reset();
    SetColours(kWhite);
    RunRootSearch(document, true);
    ASSERT_NE(document.hintSquare.column, -1);

    // Black (the human) has no move here.
    document.board = testing::CornerPairBoard();
    SetColours(kBlack);
    const StepRun run = RunRootSearch(document, true);
    EXPECT_EQ(run.calls, 2);
    EXPECT_EQ(document.examinedSquare, Square{});
    EXPECT_EQ(document.hintSquare, Square{});
    EXPECT_EQ(run.searchValue, 9999);
    EXPECT_EQ(run.leaves, 0);
}

// What the window sees of one root search run by the turn cycle: the fields after every step
// that did its work, and the move played or the hint shown at the end. A step that waited for
// the search thread must change nothing.
struct Published {
    int position;
    Square examined;
    std::int32_t searchValue;
    std::int32_t leaves;
    std::int32_t lastValue;
    bool operator==(const Published&) const = default;
};

struct TurnCycleRun {
    std::vector<Published> steps;
    Square chosen;
    int waitedSteps = 0;
};

TurnCycleRun RunThroughTurnSteps(CFlipstoneDoc& document, HeadlessHost& host,
                                 const testing::RandomPosition& position, int level, bool forHint) {
    document.NewGame();
    const std::uint8_t computer = forHint ? Opponent(position.toMove) : position.toMove;
    document.LoadPosition(position.board, computer, level);
    RootSearchState& state = forHint ? document.HintSearchState() : document.ComputerSearchState();
    if (forHint) {
        document.OnHint();
    } else {
        document.sideToMove = kComputerSide;
        document.TurnStep();  // the computer can move: it starts to think
    }
    const auto searching = [&] {
        return forHint ? document.hintState == kHintRequested : document.thinking != 0;
    };
    const auto published = [&] {
        return Published{state.position, document.examinedSquare, document.searchValue,
                         document.leafCount, state.lastValue};
    };
    TurnCycleRun run;
    while (searching()) {
        const Published before = published();
        document.TurnStep();
        EXPECT_GE(host.waitCursorDepth, 0);
        EXPECT_LE(host.waitCursorDepth, 1);
        if (document.StepWaited()) {
            EXPECT_EQ(published(), before) << "a step that waits changes nothing";
            ++run.waitedSteps;
            std::this_thread::yield();
        } else {
            run.steps.push_back(published());
        }
    }
    EXPECT_EQ(host.waitCursorDepth, 0) << "the wait cursor is restored when the search ends";
    run.chosen = forHint ? document.hintSquare
                         : Square{document.flipList.columns[0], document.flipList.rows[0]};
    return run;
}

TEST(ThreadedSearchTest, PublishesWhatTheSynchronousStepsPublish) {
    HeadlessHost synchronousHost;
    CFlipstoneDoc synchronous(synchronousHost, SearchMode::kSynchronous);
    synchronousHost.Attach(&synchronous);
    HeadlessHost threadedHost;
    CFlipstoneDoc threaded(threadedHost, SearchMode::kThreaded);
    threadedHost.Attach(&threaded);
    std::mt19937 random(43);
    for (const auto& position : testing::RandomPositions(42, testing::Scaled(24), 10, 56)) {
        const int level = static_cast<int>(random() % 4);
        const bool forHint = random() % 2 == 0;
        if (!position.board.HasLegalMove(position.toMove)) {
            continue;
        }
        const TurnCycleRun expected =
            RunThroughTurnSteps(synchronous, synchronousHost, position, level, forHint);
        const TurnCycleRun run =
            RunThroughTurnSteps(threaded, threadedHost, position, level, forHint);
        EXPECT_EQ(expected.waitedSteps, 0);
        ASSERT_EQ(run.steps, expected.steps) << "level " << level << (forHint ? ", hint" : "");
        EXPECT_EQ(run.chosen, expected.chosen);
    }
}

TEST(ThreadedSearchTest, NewGameInTheMiddleOfASearchRestoresTheCursorAndPublishesNothing) {
    HeadlessHost host;
    CFlipstoneDoc document(host, SearchMode::kThreaded);
    host.Attach(&document);
    const int empty = testing::Scale() >= 1.0 ? 14 : 12;
    const testing::RandomPosition position = testing::RandomGamePosition(113, empty);
    document.LoadPosition(position.board, position.toMove, 3);
    document.sideToMove = kComputerSide;
    for (int i = 0; i < 3; ++i) {
        document.TurnStep();  // thinks, prepares, and publishes the first root move if it is ready
    }
    const RootSearchState& state = document.ComputerSearchState();
    ASSERT_GE(state.position, 0);
    ASSERT_LT(state.position, state.count) << "still searching";
    document.NewGame();
    EXPECT_EQ(host.waitCursorDepth, 0);
    const int updates = host.updates;
    for (int i = 0; i < 20; ++i) {
        document.TurnStep();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(document.leafCount, 0) << "nothing of the abandoned search is published";
    EXPECT_EQ(document.examinedSquare, Square{});
    EXPECT_EQ(host.updates, updates);
}

// A kernel whose second search runs out of memory.
std::atomic<int> searchesBeforeFailure{0};

std::int32_t SearchFailingOnce(const SearchRequest& request, std::int64_t& leaves) {
    if (searchesBeforeFailure.fetch_sub(1) == 1) {
        throw std::bad_alloc();
    }
    return SearchKernel::Best().search(request, leaves);
}

TEST(ThreadedSearchTest, AnExceptionOnTheSearchThreadIsRaisedAtTheStepThatWouldPublish) {
    SearchKernel failing = SearchKernel::Best();
    failing.search = SearchFailingOnce;
    const testing::RandomPosition position = testing::RandomGamePosition(7, 40);
    const auto expected =
        PlainRootSearch(position.board, position.toMove, Opponent(position.toMove), 1, false);
    ASSERT_GE(expected.roots.size(), 3u);

    for (const SearchMode mode : {SearchMode::kSynchronous, SearchMode::kThreaded}) {
        searchesBeforeFailure = 2;
        HeadlessHost host;
        CFlipstoneDoc document(host, mode, failing);
        host.Attach(&document);
        document.LoadPosition(position.board, position.toMove, 1);
        document.sideToMove = kComputerSide;
        RootSearchState& state = document.ComputerSearchState();
        int failures = 0;
        std::vector<std::int32_t> leaves;
        while (document.moveCount == 0) {
            const int place = state.position;
            const std::int32_t leavesBefore = document.leafCount;
            try {
                document.TurnStep();
            } catch (const std::bad_alloc&) {
                ++failures;
                EXPECT_EQ(place, 1) << "the failed root move's result is the one not published";
                EXPECT_EQ(state.position, place);
                EXPECT_EQ(document.leafCount, leavesBefore);
                EXPECT_EQ(document.thinking, 1) << "the next step carries on";
                EXPECT_GE(host.waitCursorDepth, 0);
                EXPECT_LE(host.waitCursorDepth, 1);
                continue;
            }
            if (!document.StepWaited() && state.position > place && place >= 0) {
                leaves.push_back(document.leafCount);
            }
        }
        EXPECT_EQ(failures, 1);
        ASSERT_EQ(leaves.size(), expected.roots.size());
        for (std::size_t i = 0; i < leaves.size(); ++i) {
            EXPECT_EQ(leaves[i], expected.roots[i].cumulativeLeaves) << "root move " << i;
        }
        EXPECT_EQ((Square{document.flipList.columns[0], document.flipList.rows[0]}),
                  (Square{expected.bestColumn, expected.bestRow}));
        EXPECT_EQ(host.waitCursorDepth, 0);
    }
}

}  // namespace
}  // namespace flipstone
