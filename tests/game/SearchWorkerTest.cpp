// The search worker on its own thread: root moves searched ahead of the caller against the same
// bounds as one at a time, and searches abandoned in the middle without a trace.
#include "game/SearchWorker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "support/Positions.h"
#include "support/TestScale.h"

namespace flipstone {
namespace {

using testing::RandomGamePosition;

// The computer's root moves at a position, in generation order, each searched at `depth`.
RootJob ComputerJob(const testing::RandomPosition& position, std::int32_t depth) {
    RootJob job;
    for (const Square square : position.board.LegalSquares(position.toMove)) {
        Board child = position.board;
        child.Place(square.column, square.row, position.toMove);
        job.positions.push_back(child);
    }
    job.toMove = Opponent(position.toMove);
    job.computerColour = position.toMove;
    job.depth = depth;
    job.bound = -9999;
    return job;
}

// Takes every root move's result in order, as the document does, each against the best so far.
std::vector<RootResult> TakeAll(SearchWorker& worker, std::uint64_t ticket, const RootJob& job) {
    std::vector<RootResult> results;
    std::int32_t bound = job.bound;
    for (int i = 0; i < static_cast<int>(job.positions.size()); ++i) {
        RootResult result;
        while (worker.TakeResult(ticket, i, bound, result) != SearchWorker::Take::kReady) {
            std::this_thread::yield();
        }
        results.push_back(result);
        bound = std::max(bound, result.value);
    }
    return results;
}

void ExpectSameResults(const std::vector<RootResult>& actual,
                       const std::vector<RootResult>& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].value, expected[i].value) << what << ", root move " << i;
        EXPECT_EQ(actual[i].leaves, expected[i].leaves) << what << ", root move " << i;
    }
}

// A node cut short by abandoning must not reach the table: it would pass there for a node that
// stopped at a cut-off and change the figures of every later search that meets it. The same
// search after abandoned ones at many moments gives the figures of a fresh table.
TEST(SearchWorkerTest, SearchesAbandonedMidwayLeaveNoTrace) {
    // Level 4's endgame search, whose root moves take long enough to be caught in the middle;
    // two squares fewer in the slow builds.
    const int empty = testing::Scale() >= 1.0 ? 14 : 12;
    const testing::RandomPosition position = RandomGamePosition(113, empty);
    const RootJob job = ComputerJob(position, empty);
    const RootJob other = ComputerJob(RandomGamePosition(114, empty), empty);

    SearchWorker fresh(SearchMode::kSynchronous, SearchKernel::Best());
    const std::vector<RootResult> expected = TakeAll(fresh, fresh.Start(job), job);

    SearchWorker worker(SearchMode::kThreaded, SearchKernel::Best());
    for (const int ms : {0, 1, 2, 5, 10, 20, 40}) {
        const std::uint64_t ticket = worker.Start(job);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        if (ms % 2 == 0) {
            worker.Abandon(ticket);  // New or exit
        } else {
            worker.Start(other);  // a search of another position takes its place
        }
    }
    ExpectSameResults(TakeAll(worker, worker.Start(job), job), expected, "after abandoning");
}

}  // namespace
}  // namespace flipstone
