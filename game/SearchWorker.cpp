#include "game/SearchWorker.h"

#include <stdexcept>
#include <utility>

namespace flipstone {

SearchWorker::SearchWorker(SearchMode mode, const SearchKernel& kernel)
    : mode_(mode), search_(kernel, true) {
    if (mode_ == SearchMode::kThreaded) {
        thread_ = std::thread([this] { Run(); });
    }
}

SearchWorker::~SearchWorker() {
    if (!thread_.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
        CancelInProgress();
    }
    wake_.notify_all();
    thread_.join();
}

std::int32_t SearchWorker::Evaluate(const Board& board, std::uint8_t computerColour,
                                    std::int64_t& leaves) const {
    return search_.Evaluate(board, computerColour, leaves);
}

std::int32_t SearchWorker::Search(const Board& board, std::uint8_t side, std::int32_t depth,
                                  std::int32_t bound, std::uint8_t computerColour,
                                  std::int64_t& leaves) {
    if (mode_ != SearchMode::kSynchronous) {
        // The thread owns the table while it runs root moves; a search beside it would race.
        throw std::logic_error("a single search runs only on a synchronous worker");
    }
    return search_.Search(board, side, depth, bound, computerColour, leaves);
}

std::uint64_t SearchWorker::Start(RootJob job) {
    std::unique_lock lock(mutex_);
    CancelInProgress();
    const std::uint64_t ticket = ++ticket_;
    active_ = true;
    slots_.assign(job.positions.size(), Slot{});
    job_ = std::move(job);
    next_ = job_.first;
    nextBound_ = job_.bound;
    halted_ = false;
    lock.unlock();
    wake_.notify_all();
    return ticket;
}

SearchWorker::Take SearchWorker::TakeResult(std::uint64_t ticket, int index, std::int32_t bound,
                                            RootResult& result) {
    std::unique_lock lock(mutex_);
    if (!active_ || ticket != ticket_ || index < job_.first ||
        index >= static_cast<int>(slots_.size())) {
        return Take::kLost;
    }
    if (mode_ == SearchMode::kSynchronous) {
        result.leaves = 0;
        result.value = search_.Search(job_.positions[static_cast<std::size_t>(index)], job_.toMove,
                                      job_.depth, bound, job_.computerColour, result.leaves);
        return Take::kReady;
    }
    Slot& slot = slots_[static_cast<std::size_t>(index)];
    if (!slot.done) {
        return Take::kNotReady;
    }
    if (slot.bound != bound) {
        // The caller's best changed from outside this search: search on from here with it.
        RestartFrom(index, bound);
        lock.unlock();
        wake_.notify_all();
        return Take::kNotReady;
    }
    if (slot.error) {
        const std::exception_ptr error = slot.error;
        RestartFrom(index, bound);
        lock.unlock();
        wake_.notify_all();
        std::rethrow_exception(error);
    }
    result = slot.result;
    return Take::kReady;
}

void SearchWorker::Abandon(std::uint64_t ticket) {
    const std::lock_guard lock(mutex_);
    if (ticket != ticket_ || !active_) {
        return;
    }
    CancelInProgress();
    active_ = false;
}

bool SearchWorker::Busy() const {
    const std::lock_guard lock(mutex_);
    return mode_ == SearchMode::kThreaded && HasRootMoveToSearch();
}

bool SearchWorker::HasRootMoveToSearch() const {
    return active_ && !halted_ && next_ < static_cast<int>(slots_.size());
}

void SearchWorker::RestartFrom(int index, std::int32_t bound) {
    CancelInProgress();
    for (std::size_t i = static_cast<std::size_t>(index); i < slots_.size(); ++i) {
        slots_[i] = Slot{};
    }
    next_ = index;
    nextBound_ = bound;
    halted_ = false;
}

void SearchWorker::CancelInProgress() {
    ++generation_;
    stop_.store(true, std::memory_order_relaxed);
}

void SearchWorker::Run() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return quit_ || HasRootMoveToSearch(); });
        if (quit_) {
            return;
        }
        SearchNextRootMove(lock);
    }
}

void SearchWorker::SearchNextRootMove(std::unique_lock<std::mutex>& lock) {
    const int index = next_;
    const std::int32_t bound = nextBound_;
    const std::uint64_t generation = generation_;
    stop_.store(false, std::memory_order_relaxed);
    // Start may replace the job while the lock is released: what the search needs is copied, and
    // a root move finished after a cancellation (a newer generation) is thrown away.
    const Board position = job_.positions[static_cast<std::size_t>(index)];
    const std::uint8_t toMove = job_.toMove;
    const std::int32_t depth = job_.depth;
    const std::uint8_t computerColour = job_.computerColour;
    const bool keepsLowest = job_.keepsLowest;
    lock.unlock();
    Slot slot;
    slot.bound = bound;
    try {
        slot.result.value = search_.Search(position, toMove, depth, bound, computerColour,
                                           slot.result.leaves, &stop_);
    } catch (...) {
        slot.error = std::current_exception();
    }
    lock.lock();
    if (generation != generation_) {
        return;
    }
    slot.done = true;
    slots_[static_cast<std::size_t>(index)] = slot;
    if (slot.error) {
        halted_ = true;
        return;
    }
    const std::int32_t value = slot.result.value;
    if (keepsLowest ? value < bound : value > bound) {
        nextBound_ = value;
    }
    ++next_;
}

}  // namespace flipstone
