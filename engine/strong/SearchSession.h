#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/strong/Bits.h"
#include "engine/strong/EvaluationWeights.h"
#include "engine/strong/StrongKernel.h"
#include "engine/strong/StrongTable.h"

namespace flipstone::strong {

// What a strongest player lends each of its searches: its table, weights and threads, the flag
// that stops it (its owner's: the session raises it at its deadline, and never lowers it) and
// the progress it shows.
struct SearchResources {
    StrongTable& table;
    const EvaluationWeights& weights;
    int threads;
    std::atomic<bool>& stop;
    SearchProgress& progress;
};

// One call's search of a root position: its deadline (a thread that raises the stop flag when
// it passes), the helper threads that deepen on the same root beside the caller's thread
// sharing its table, and the root moves with the values the last search found, best first.
class SearchSession {
public:
    SearchSession(const SearchResources& resources, Bits mover, Bits other,
                  std::chrono::duration<double> budget);
    ~SearchSession();
    SearchSession(const SearchSession&) = delete;
    SearchSession& operator=(const SearchSession&) = delete;

    std::vector<RootMove>& Moves() { return moves_; }
    // Orders the moves by their last values, best first (the first among equals staying first).
    void SortMoves();
    int Empties() const;
    // Whether the weights can cut nodes on a guess (Multi-ProbCut).
    bool Selective() const { return resources_.weights.ProbCut() != nullptr; }
    bool Stopped() const { return resources_.stop.load(); }
    // The share of the budget used so far.
    double Share() const;
    // The positions the session's searches have visited so far.
    std::int64_t Nodes() const { return resources_.progress.nodes.load(); }
    // The searches that follow stop once the session has visited `nodes` positions (0: never).
    void LimitNodes(std::int64_t nodes) { nodeLimit_ = nodes; }
    // Whether a solve at `selectivity` is expected to finish within its share of the time left,
    // from the empty squares and the positions a second measured so far.
    bool SolveFits(int selectivity) const;

    // Searches the moves [first, first + count) at `depth` and `selectivity` within the window;
    // the first such search starts the helper threads, and a solve stops them.
    RootReply Search(int depth, int selectivity, int alpha, int beta, int first, int count);
    // The search of every move at `depth`, first within a narrow window around `guess`, widened
    // on the side it fails. `inWindow` says whether the value is exact for that depth.
    RootReply Aspirate(int depth, int selectivity, int guess, bool& inWindow);

private:
    // Aspirate for a solve on several threads: the first move is searched within the window
    // while the other threads show meanwhile, move by move, that the others are no better than
    // the guess; what they could not show is then searched as the one-thread search would.
    RootReply AspirateSplit(int depth, int selectivity, int guess, bool& inWindow);
    // Shows, for the moves [next, count) taken one by one, whether each is better than `guess`
    // (kUntested where it was stopped first).
    void TestAgainst(int depth, int selectivity, int guess, std::atomic<int>& next,
                     std::vector<int>& values);

    struct Helper {
        std::thread thread;
        std::atomic<bool> stop{false};
    };

    double Elapsed() const;
    double Left() const;
    double Rate() const;
    SearchShared SharedFor(const std::atomic<bool>* stop) const;
    void Watch();
    void Help(int index);

    const SearchResources resources_;
    const Bits mover_;
    const Bits other_;
    const std::chrono::steady_clock::time_point start_;
    double budgetSeconds_ = 0;
    std::int64_t nodeLimit_ = 0;
    std::vector<RootMove> moves_;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;
    // The helpers have started from job_, the caller's first search.
    bool live_ = false;
    RootRequest job_;
    std::vector<RootMove> jobMoves_;
    std::vector<std::unique_ptr<Helper>> helpers_;
    std::thread watchdog_;
};

}  // namespace flipstone::strong
