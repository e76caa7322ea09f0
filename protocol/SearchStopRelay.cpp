#include "protocol/SearchStopRelay.h"

#include <chrono>

namespace flipstone::protocol {

namespace {

constexpr std::chrono::milliseconds kLookEvery{5};

}  // namespace

SearchStopRelay::SearchStopRelay(const StopSignal& stop, PositionAnalyst& search)
    : watcher_([this, &stop, &search] { Watch(stop, search); }) {}

SearchStopRelay::~SearchStopRelay() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    ended_.notify_all();
    watcher_.join();
}

void SearchStopRelay::Watch(const StopSignal& stop, PositionAnalyst& search) {
    std::unique_lock lock(mutex_);
    while (!ended_.wait_for(lock, kLookEvery, [this] { return ending_; })) {
        if (stop.StopRequested()) {
            search.Stop();
        }
    }
}

}  // namespace flipstone::protocol
