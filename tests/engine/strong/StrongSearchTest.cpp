#include "engine/strong/StrongSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "engine/BitBoard.h"
#include "engine/BoardText.h"
#include "engine/strong/BoardSymmetry.h"
#include "support/PlainSolve.h"
#include "support/Positions.h"
#include "support/TestScale.h"

namespace flipstone::strong {
namespace {

using testing::PlainSolve;

constexpr int kTableBits = 14;

int Played(const Board& board, std::uint8_t side, int bit) {
    Board child = board;
    EXPECT_TRUE(child.Place(BitBoard::ColumnOf(bit), BitBoard::RowOf(bit), side));
    return -PlainSolve(child, Opponent(side));
}

// The solver, the search once it reaches the end, every move's values and the move chosen in a
// game agree with full minimax, on one thread and on two sharing the table (a position in a
// build with sanitizers).
TEST(StrongSearchTest, ExactValuesAgreeWithFullMinimax) {
    for (const int threads : {1, 2}) {
        StrongSearch search(kTableBits, threads);
        for (const auto& [board, side] : testing::RandomPositions(30, testing::Scaled(8), 9, 10)) {
            if (!board.HasLegalMove(side)) {
                continue;
            }
            const BitBoard bits = BitBoard::FromBoard(board);
            const Bits mover = bits.Discs(side);
            const Bits other = bits.Discs(Opponent(side));
            const int exact = PlainSolve(board, side);
            const std::string text = BoardText::Format(board);
            const ThinkResult solved = search.Solve(mover, other);
            EXPECT_TRUE(solved.solved);
            EXPECT_EQ(solved.value, exact) << text;
            EXPECT_EQ(Played(board, side, solved.bit), exact) << text;
            EXPECT_EQ(search.SearchToDepth(mover, other, 60).value, exact) << text;
            const ThinkResult thought = search.Think(mover, other, std::chrono::seconds(10));
            EXPECT_TRUE(thought.solved);
            EXPECT_EQ(Played(board, side, thought.bit), exact) << text;
            // Solved straight away, and by the ladder of selective solves within a budget.
            for (const AnalysisBudget& budget :
                 {AnalysisBudget::Exact(), AnalysisBudget{1'000'000'000, 0, 64, 1'000'000'000}}) {
                for (const MoveValue& move : search.ValueEveryMove(mover, other, budget)) {
                    EXPECT_TRUE(move.exact);
                    EXPECT_EQ(move.value, Played(board, side, move.bit)) << text << " " << move.bit;
                }
            }
        }
    }
}

// In a position that is its own mirror image, mirror-image moves are equally good: each gets the
// value of the first of them, however the table stood when the others would have been searched.
TEST(StrongSearchTest, MirrorImageMovesGetOneValue) {
    const struct {
        std::uint32_t seed;
        int empties;
        int symmetry;
    } cases[] = {{27, 27, 4}, {52, 32, 7}, {16, 36, 4}, {53, 33, 4}, {12, 30, 3}, {24, 30, 1}};
    StrongSearch search(20, 1);
    for (const auto& c : cases) {
        const auto [board, side] = testing::MirroredGamePosition(
            c.seed, c.empties, [&](int bit) { return symmetry::TransformBit(bit, c.symmetry); });
        const BitBoard bits = BitBoard::FromBoard(board);
        search.ClearTable();
        const std::vector<MoveValue> values = search.ValueEveryMove(
            bits.Discs(side), bits.Discs(Opponent(side)), {300'000, 12, 14, 1'000'000});
        for (const MoveValue& move : values) {
            const int image = symmetry::TransformBit(move.bit, c.symmetry);
            const auto found = std::find_if(values.begin(), values.end(),
                                            [&](const MoveValue& m) { return m.bit == image; });
            ASSERT_NE(found, values.end());
            EXPECT_EQ(found->value, move.value) << c.seed << " " << move.bit;
            EXPECT_EQ(found->depth, move.depth) << c.seed << " " << move.bit;
        }
    }
}

// From 26 empty squares on, every move is then solved at rising selectivity while the solves fit
// in their cap: a cap with room for the first solve gives every move a solve's value within it,
// and one the first solve would overrun stops that solve and keeps the depth-limited values.
TEST(StrongSearchTest, TheSolvesNearTheEndKeepWithinTheirCap) {
    // Black to move with 22 empty squares, in a game of Level 4 against its hints.
    const BitBoard bits = BitBoard::FromBoard(
        testing::BoardFrom("--XXX------XXO--XOXOOOXXXOOOXOX-XXXXXXX-XOXXXXXX--OOOO----OO----"));
    // A search stops within this many positions once past its limit.
    constexpr std::int64_t kPastTheLimit = 10'000;
    StrongSearch search(20, 1);
    for (const auto& [cap, solved] : {std::pair{2'000'000, false}, std::pair{8'000'000, true}}) {
        search.ClearTable();
        const std::vector<MoveValue> values =
            search.ValueEveryMove(bits.black, bits.white, {300'000, 21, 26, cap});
        EXPECT_LE(search.Progress().nodes.load(), cap + kPastTheLimit);
        for (const MoveValue& move : values) {
            EXPECT_EQ(move.depth == 22, solved) << cap << " " << move.bit;
        }
    }
}

// An hour's think ends at a stop from another thread (the test's time limit catches one that
// does not), with a legal move, while a third thread reads its progress.
TEST(StrongSearchTest, AStopFromAnotherThreadEndsAnHoursThinkWithALegalMove) {
    const auto [board, side] = testing::RandomGamePosition(5, 40);
    const BitBoard bits = BitBoard::FromBoard(board);
    StrongSearch search(kTableBits, 2);
    std::atomic<bool> done{false};
    std::int64_t seen = 0;
    std::thread reader([&] {
        while (!done.load()) {
            seen = std::max(seen, search.Progress().nodes.load());
            (void)search.Progress().examined.load();
            (void)search.Progress().value.load();
        }
    });
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        search.Stop();
    });
    const ThinkResult result =
        search.Think(bits.Discs(side), bits.Discs(Opponent(side)), std::chrono::hours(1));
    done.store(true);
    stopper.join();
    reader.join();
    EXPECT_TRUE(board.CanPlace(BitBoard::ColumnOf(result.bit), BitBoard::RowOf(result.bit), side));
    EXPECT_GT(seen, 0);
}

// A stop given after a job was made holds however late its search begins, in every kind of
// search, and the job made after the stop runs to its end: here the exact value at 14 empty
// squares, which a search stopped as it begins never reaches.
TEST(StrongSearchTest, AStopBeforeAJobsSearchBeginsHoldsAndTheNextJobRuns) {
    const auto [board, side] = testing::RandomGamePosition(11, 14);
    const BitBoard bits = BitBoard::FromBoard(board);
    const Bits mover = bits.Discs(side);
    const Bits other = bits.Discs(Opponent(side));
    using Job = StrongSearch::Job;
    const std::pair<const char*, std::function<bool(StrongSearch&, Job)>> searches[] = {
        {"think",
         [&](StrongSearch& s, Job job) {
             return s.Think(mover, other, std::chrono::hours(1), job).solved;
         }},
        {"solve", [&](StrongSearch& s, Job job) { return s.Solve(mover, other, job).solved; }},
        {"depth", [&](StrongSearch& s,
                      Job job) { return s.SearchToDepth(mover, other, 60, kExact, job).solved; }},
        {"every move",
         [&](StrongSearch& s, Job job) {
             const std::vector<MoveValue> values =
                 s.ValueEveryMove(mover, other, AnalysisBudget::Exact(), job);
             return std::all_of(values.begin(), values.end(),
                                [](const MoveValue& value) { return value.exact; });
         }},
    };
    StrongSearch search(kTableBits, 2);
    for (const auto& [name, run] : searches) {
        search.ClearTable();
        const Job stopped = search.NewJob();
        search.Stop();
        const Job next = search.NewJob();
        EXPECT_FALSE(run(search, stopped)) << name;
        EXPECT_TRUE(search.Stopped(stopped)) << name;
        EXPECT_TRUE(run(search, next)) << name;
        EXPECT_FALSE(search.Stopped(next)) << name;
    }
}

}  // namespace
}  // namespace flipstone::strong
