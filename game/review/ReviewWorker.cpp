#include "game/review/ReviewWorker.h"

#include <utility>

namespace flipstone {

ReviewWorker::ReviewWorker() : thread_([this] { Run(); }) {}

ReviewWorker::~ReviewWorker() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        if (review_) {
            review_->Stop();
        }
    }
    wake_.notify_all();
    thread_.join();
}

void ReviewWorker::Start(std::vector<ReviewPosition> positions,
                         std::chrono::duration<double> perPosition) {
    auto review = std::make_shared<GameReview>(std::move(positions), perPosition);
    {
        std::lock_guard lock(mutex_);
        if (review_) {
            review_->Stop();
        }
        review_ = review;
        results_ = review->Results();
        running_ = true;
    }
    wake_.notify_all();
}

void ReviewWorker::Cancel() {
    std::lock_guard lock(mutex_);
    if (review_) {
        review_->Stop();
        review_.reset();
    }
    running_ = false;
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
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return quit_ || review_ != nullptr; });
        if (quit_) {
            return;
        }
        // The review is searched without the lock; a newer one may replace it meanwhile.
        const std::shared_ptr<GameReview> review = review_;
        lock.unlock();
        const bool more = review->Step();
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
