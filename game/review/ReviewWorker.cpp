#include "game/review/ReviewWorker.h"

#include <sys/resource.h>
#include <unistd.h>

#include <utility>

#include "engine/strong/StrongSearch.h"

namespace flipstone {

namespace {

// The niceness of the review's threads: well below the window's, above the idle class.
constexpr int kBackgroundNiceness = 10;
// The review's table: 2^18 buckets of four entries (16 MB), enough at the review's pace.
constexpr int kTableBits = 18;

}  // namespace

ReviewWorker::ReviewWorker() : thread_([this] { Run(); }) {}

ReviewWorker::~ReviewWorker() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        StopReview();
    }
    wake_.notify_all();
    thread_.join();
}

void ReviewWorker::Start(std::vector<ReviewPosition> positions,
                         std::chrono::duration<double> perPosition) {
    auto review = std::make_shared<GameReview>(std::move(positions), perPosition);
    {
        std::lock_guard lock(mutex_);
        StopReview();
        review_ = review;
        results_ = review->Results();
        running_ = true;
    }
    wake_.notify_all();
}

void ReviewWorker::Cancel() {
    std::lock_guard lock(mutex_);
    StopReview();
    review_.reset();
    running_ = false;
}

void ReviewWorker::StopReview() {
    if (review_) {
        review_->Stop();
    }
    if (search_) {
        search_->Stop();
    }
}

bool ReviewWorker::Running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

ReviewResults ReviewWorker::Results() const {
    std::lock_guard lock(mutex_);
    return results_;
}

void ReviewWorker::Run() {
    // The review yields the processor to the window's thread whenever both want it.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kBackgroundNiceness);
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return quit_ || review_ != nullptr; });
        if (quit_) {
            return;
        }
        // The review is searched without the lock; a newer one may replace it meanwhile.
        const std::shared_ptr<GameReview> review = review_;
        if (!search_) {
            search_ = std::make_unique<strong::StrongSearch>(kTableBits);
        }
        lock.unlock();
        const bool more = review->Step(*search_);
        lock.lock();
        if (review_ != review) {
            continue;
        }
        results_ = review->Results();
        if (!more) {
            review_.reset();
            running_ = false;
        }
    }
}

}  // namespace flipstone
