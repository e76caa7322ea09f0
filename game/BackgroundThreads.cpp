#include "game/BackgroundThreads.h"

#include <sys/resource.h>
#include <unistd.h>

namespace flipstone {

namespace {

// The niceness of the background threads: well below the window's, above the idle class.
constexpr int kBackgroundNiceness = 10;

}  // namespace

BackgroundThreads::BackgroundThreads(int count, Work& work) : work_(work) {
    for (int index = 0; index < count; ++index) {
        threads_.emplace_back([this, index] { Run(index); });
    }
}

BackgroundThreads::~BackgroundThreads() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        work_.StopWork();
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

void BackgroundThreads::Run(int index) {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kBackgroundNiceness);
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return quit_ || work_.HasWork(); });
        if (quit_) {
            return;
        }
        work_.DoWork(index, lock);
    }
}

}  // namespace flipstone
