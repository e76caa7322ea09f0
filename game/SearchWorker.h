#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/Board.h"
#include "engine/FastSearch.h"
#include "engine/SearchKernel.h"

namespace flipstone {

// Where the computer's searches run: on a thread of the worker's own, so that the window's
// thread never waits for a whole root move, or on the caller's thread, one root move per call.
enum class SearchMode { kSynchronous, kThreaded };

// A root search as the worker runs it: the positions after the root moves, in the order they
// are searched, each searched against the best value found before it.
struct RootJob {
    std::vector<Board> positions;
    // The colour to move in every position, and the computer's colour.
    std::uint8_t toMove = 0;
    std::uint8_t computerColour = 0;
    std::int32_t depth = 0;
    // The hint's search keeps the lowest value, the computer's the highest.
    bool keepsLowest = false;
    // Where the search starts, and the best value before that root move.
    int first = 0;
    std::int32_t bound = 0;
};

// One root move's search: its value and the leaves it counted.
struct RootResult {
    std::int32_t value = 0;
    std::int64_t leaves = 0;
};

// Runs the computer player's searches and owns the table of results they remember: nothing
// else touches it. Threaded, it searches the root moves of its job one after another on its own
// thread, ahead of the caller, who takes each result when it is finished; synchronous, it
// searches a root move when the caller takes it. Either way every root move is searched against
// the same bound and gives the same value and leaf count.
class SearchWorker {
public:
    enum class Take { kReady, kNotReady, kLost };

    SearchWorker(SearchMode mode, const SearchKernel& kernel);
    // Stops the search under way at once and ends the thread.
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    SearchMode Mode() const { return mode_; }

    // The static score; touches no table, so any thread may ask.
    std::int32_t Evaluate(const Board& board, std::uint8_t computerColour,
                          std::int64_t& leaves) const;
    // One search on the caller's thread; only a synchronous worker runs one, since the thread of a
    // threaded worker owns the table.
    std::int32_t Search(const Board& board, std::uint8_t side, std::int32_t depth,
                        std::int32_t bound, std::uint8_t computerColour, std::int64_t& leaves);

    // Takes on a root search, abandoning the one under way; returns the ticket that names it.
    std::uint64_t Start(RootJob job);
    // The result of root move `index` of the search named by `ticket`, searched against
    // `bound`. kNotReady while the worker is still on it (never when synchronous: it searches
    // it now); kLost when the worker no longer has that search, which must then be started
    // again. An exception its search raised is raised here, and the worker then searches that
    // root move again.
    Take TakeResult(std::uint64_t ticket, int index, std::int32_t bound, RootResult& result);
    // Abandons the search named by `ticket` if it is the one under way: a root move in progress
    // stops at once, and nothing of it is reported or remembered.
    void Abandon(std::uint64_t ticket);
    // True while the thread is searching root moves of its search that are yet to be taken.
    bool Busy() const;

private:
    // A root move's result as the thread leaves it for the caller.
    struct Slot {
        bool done = false;
        std::int32_t bound = 0;
        RootResult result;
        std::exception_ptr error;
    };
    void Run();
    void SearchNextRootMove(std::unique_lock<std::mutex>& lock);
    bool HasRootMoveToSearch() const;
    // Forgets the results from `index` on and searches again from there against `bound`.
    void RestartFrom(int index, std::int32_t bound);
    // Makes the root move in progress, if any, stop and be thrown away.
    void CancelInProgress();

    const SearchMode mode_;
    FastSearch search_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;
    RootJob job_;
    std::uint64_t ticket_ = 0;
    bool active_ = false;
    std::vector<Slot> slots_;
    // The next root move the thread searches and the bound it searches it against; a failed root
    // move halts the search until its error has been taken.
    int next_ = 0;
    std::int32_t nextBound_ = 0;
    bool halted_ = false;
    // Raised with each cancellation; a root move finished under an older one is thrown away.
    std::uint64_t generation_ = 0;
    // Tells the search in progress to stop; it then remembers nothing of the nodes it cut short.
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace flipstone
