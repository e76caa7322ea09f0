#include "game/review/ReviewWorker.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "game/review/PositionAnalyst.h"

namespace flipstone {

namespace {

int ThreadsFor(int asked) {
    return asked > 0 ? asked : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace

ReviewWorker::ReviewWorker(int threads)
    : analysts_(ThreadsFor(threads)), threads_(static_cast<int>(analysts_.size()), *this) {}

ReviewWorker::~ReviewWorker() = default;

void ReviewWorker::Start(std::vector<ReviewPosition> positions) {
    auto review = std::make_shared<GameReview>(std::move(positions));
    {
        const auto lock = threads_.Lock();
        StopWork();
        review_ = review;
        results_ = review->Results();
        running_ = review->HasWork();
    }
    threads_.Notify();
}

void ReviewWorker::Cancel() {
    {
        const auto lock = threads_.Lock();
        StopWork();
        review_.reset();
        running_ = false;
    }
    threads_.Notify();
}

void ReviewWorker::StopWork() {
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
    const auto lock = threads_.Lock();
    return running_;
}

void ReviewWorker::Wait() const {
    auto lock = threads_.Lock();
    threads_.WaitUntil(lock, [this] { return !running_; });
}

ReviewResults ReviewWorker::Results() const {
    const auto lock = threads_.Lock();
    return results_;
}

bool ReviewWorker::HasWork() const {
    return review_ != nullptr && review_->HasWork();
}

void ReviewWorker::DoWork(int index, std::unique_lock<std::mutex>& lock) {
    if (!analysts_[index]) {
        // Its table is made without the lock, so the window's thread never waits on it.
        lock.unlock();
        auto analyst = std::make_unique<PositionAnalyst>();
        lock.lock();
        analysts_[index] = std::move(analyst);
        return;
    }
    // The job is made under the lock: a stop given after it holds, however long the analysis
    // takes to begin. The position is judged without the lock; a newer review may replace this
    // one meanwhile.
    const std::shared_ptr<GameReview> review = review_;
    PositionAnalyst& analyst = *analysts_[index];
    const PositionAnalyst::Job job = analyst.NewJob();
    lock.unlock();
    review->Step(analyst, job);
    lock.lock();
    if (review_ != review) {
        return;
    }
    results_ = review->Results();
    if (results_.Complete()) {
        review_.reset();
        running_ = false;
        threads_.Notify();
    }
}

}  // namespace flipstone
