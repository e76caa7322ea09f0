#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

#include "game/review/PositionAnalyst.h"
#include "protocol/StopSignal.h"

namespace flipstone::protocol {

// Passes the other end's request to stop on to an analysis that runs meanwhile on the caller's
// thread: while it lives, it looks at the signal every few milliseconds and stops the search
// whenever the signal asks (again and again, so that a search started after the request still
// stops).
class SearchStopRelay {
public:
    SearchStopRelay(const StopSignal& stop, PositionAnalyst& search);
    ~SearchStopRelay();
    SearchStopRelay(const SearchStopRelay&) = delete;
    SearchStopRelay& operator=(const SearchStopRelay&) = delete;

private:
    void Watch(const StopSignal& stop, PositionAnalyst& search);

    std::mutex mutex_;
    std::condition_variable ended_;
    bool ending_ = false;
    std::thread watcher_;
};

}  // namespace flipstone::protocol
