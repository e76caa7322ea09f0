#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "engine/strong/Bits.h"
#include "engine/strong/EvaluationWeights.h"
#include "engine/strong/EveryMoveSearch.h"
#include "engine/strong/SearchSession.h"
#include "engine/strong/StrongKernel.h"
#include "engine/strong/StrongSearchJob.h"
#include "engine/strong/StrongTable.h"

namespace flipstone::strong {

// The move chosen and how it was found. Values are in discs from the side to move's view: the
// exact final disc difference (the winner getting the empty squares) when `solved`, otherwise the
// evaluation's estimate of it.
struct ThinkResult {
    int bit = -1;  // the square, BitBoard's bit; -1 when the side has no legal move
    int value = 0;
    int depth = 0;          // the deepest finished search, in plies
    bool solved = false;    // the value is the exact final disc difference
    bool fromBook = false;  // the move and its value come from the opening book
    std::int64_t nodes = 0;
};

// The strongest player: deeper and deeper searches with a pattern evaluation and Multi-ProbCut,
// each ordered by the last one's best moves and a transposition table, until the time budget
// would run out; near the end, the exact solution when it can be finished in time. It searches on
// `threads` threads that share the table. Think and ValueEveryMove run on the caller's thread;
// NewJob, Stop and Progress may be called from any other thread while they run. Each search runs
// as the job it is given, or as one of its own made as it begins: an owner that makes the job as
// it hands the work out never loses a stop it gives afterwards, however late the search begins.
// Several players may think at once on different threads: each has its own table and threads.
class StrongSearch {
public:
    using Job = StrongSearchJob;

    static constexpr int kDefaultTableBits = 21;
    // At or below this many empty squares the game is solved when time allows.
    static constexpr int kSolveEmpties = 30;

    // A table of 2^tableBits entries; `threads` 0 means one per processor core.
    explicit StrongSearch(int tableBits = kDefaultTableBits, int threads = 0,
                          const EvaluationWeights& weights = EvaluationWeights::BuiltIn());
    StrongSearch(const StrongSearch&) = delete;
    StrongSearch& operator=(const StrongSearch&) = delete;

    // The best move found within about `budget`; returns within a few milliseconds of Stop().
    ThinkResult Think(Bits mover, Bits other, std::chrono::duration<double> budget,
                      std::optional<Job> job = {});
    // The exact value and best move, however long it takes (Stop() cuts it short: `solved` then
    // stays false).
    ThinkResult Solve(Bits mover, Bits other, std::optional<Job> job = {});
    // The value and best move of a search `depth` plies deep, exact from the empty squares on,
    // cutting nothing on a guess when `selectivity` is kExact; however long it takes.
    ThinkResult SearchToDepth(Bits mover, Bits other, int depth, int selectivity = kExact,
                              std::optional<Job> job = {});
    // Every legal move's value within the budget (see EveryMoveSearch), best first. On a player
    // of one thread whose table was just cleared, the same position always gets the same values.
    std::vector<MoveValue> ValueEveryMove(Bits mover, Bits other, const AnalysisBudget& budget,
                                          std::optional<Job> job = {});
    // The moves the table expects from the position after `first`, `first` included: at most
    // `length` of them, passes left out.
    std::vector<int> PrincipalLine(Bits mover, Bits other, int first, int length) const;

    // A job for a search to come.
    Job NewJob();
    // Asks the running search to return at once with what it has, and stops every job made so
    // far before its search begins; a job made afterwards runs.
    void Stop();
    // Whether Stop() was called after the job was made.
    bool Stopped(Job job) const;
    // What the running search shows (see SearchProgress); safe to read from any thread.
    const SearchProgress& Progress() const { return progress_; }
    int Threads() const { return threads_; }
    // Forgets everything the table holds.
    void ClearTable() { table_.Clear(); }

    // The evaluation's estimate of the final disc difference for `mover`, in discs.
    int Evaluate(Bits mover, Bits other) const;

private:
    // What the job's search uses, the stop flag raised if the job was stopped and lowered if not.
    SearchResources Begin(std::optional<Job> job);
    ThinkResult SolveJob(Bits mover, Bits other, Job job);

    StrongTable table_;
    const EvaluationWeights& weights_;
    int threads_;
    std::atomic<bool> stop_{false};
    SearchProgress progress_;
    // The jobs made and stopped so far, and the stop flag's lowering, under one lock.
    mutable std::mutex jobs_;
    std::uint64_t lastJob_ = 0;
    std::uint64_t stoppedUpTo_ = 0;
};

}  // namespace flipstone::strong
