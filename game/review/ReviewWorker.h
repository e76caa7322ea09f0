#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "game/BackgroundThreads.h"
#include "game/review/GameReview.h"
#include "game/review/ReviewResults.h"

namespace flipstone {

class PositionAnalyst;

// Runs a review on threads of its own, one per processor core, so that the window's thread never
// waits for a search; the window reads what is known so far whenever it likes.
class ReviewWorker : private BackgroundThreads::Work {
public:
    // `threads` 0 takes one per processor core.
    explicit ReviewWorker(int threads = 0);
    // Stops the review under way and ends the threads.
    ~ReviewWorker();
    ReviewWorker(const ReviewWorker&) = delete;
    ReviewWorker& operator=(const ReviewWorker&) = delete;

    // Reviews the game, abandoning any review under way.
    void Start(std::vector<ReviewPosition> positions);
    // Abandons the review under way; what it found so far stays readable.
    void Cancel();
    // True from Start until the review is complete or cancelled.
    bool Running() const;
    // Waits until the review is complete or cancelled.
    void Wait() const;
    // What the review has found so far.
    ReviewResults Results() const;

private:
    bool HasWork() const override;
    void DoWork(int index, std::unique_lock<std::mutex>& lock) override;
    // Makes the review under way and its analyses stop at once; the lock is held.
    void StopWork() override;

    // Each thread's analyst, made at its first review without the lock (a window that never
    // reviews keeps no table); its searches take the review threads' low priority.
    std::vector<std::unique_ptr<PositionAnalyst>> analysts_;
    // The review the threads work on, and a copy of what it found for the readers.
    std::shared_ptr<GameReview> review_;
    ReviewResults results_;
    bool running_ = false;
    // Declared last: the threads end before the members they use.
    BackgroundThreads threads_;
};

}  // namespace flipstone
