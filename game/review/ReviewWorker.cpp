#include "game/review/ReviewWorker.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "game/review/PositionAnalyst.h"

namespace flipstone {

namespace {

// The niceness of the review's threads: well below the window's, above the idle class.
constexpr int kBackgroundNiceness = 10;

int ThreadsFor(int asked) {
    return asked > 0 ? asked : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace

ReviewWorker::ReviewWorker(int threads) : analysts_(ThreadsFor(threads)) {
    for (std::size_t i = 0; i < analysts_.size(); ++i) {
        threads_.emplace_back([this, i] { Run(static_cast<int>(i)); });
    }
}

ReviewWorker::~ReviewWorker() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        StopReview();
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

void ReviewWorker::Start(std::vector<ReviewPosition> positions) {
    auto review = std::make_shared<GameReview>(std::move(positions));
    {
        std::lock_guard lock(mutex_);
        StopReview();
        review_ = review;
        results_ = review->Results();
        running_ = review->HasWork();
    }
    wake_.notify_all();
}

void ReviewWorker::Cancel() {
    {
        std::lock_guard lock(mutex_);
        StopReview();
        review_.reset();
        running_ = false;
    }
    wake_.notify_all();
}

void ReviewWorker::StopReview() {
    if (review_) {
        review_->Stop();
    }
    for (const std::unique_ptr<PositionAnalyst>& analyst : analysts_) {
        if (analyst) {
            analyst->Stop();
        }
    }
}

bool ReviewWorker::Running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

void ReviewWorker::Wait() const {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return !running_; });
}

ReviewResults ReviewWorker::Results() const {
    std::lock_guard lock(mutex_);
    return results_;
}

void ReviewWorker::Run(int index) {
    // The review yields the processor to the window's thread whenever both want it.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kBackgroundNiceness);
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return quit_ || (review_ != nullptr && review_->HasWork()); });
        if (quit_) {
            return;
        }
        // The position is judged without the lock; a newer review may replace this one meanwhile.
        const std::shared_ptr<GameReview> review = review_;
        if (!analysts_[index]) {
            analysts_[index] = std::make_unique<PositionAnalyst>();
        }
        PositionAnalyst& analyst = *analysts_[index];
        lock.unlock();
        review->Step(analyst);
        lock.lock();
        if (review_ != review) {
            continue;
        }
        results_ = review->Results();
        if (results_.Complete()) {
            review_.reset();
            running_ = false;
            wake_.notify_all();
        }
    }
}

}  // namespace flipstone
