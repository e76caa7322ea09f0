#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "game/review/GameReview.h"
#include "game/review/ReviewResults.h"

namespace flipstone {

namespace strong {
class StrongSearch;
}

// Runs a review on a thread of its own, so that the window's thread never waits for a search;
// the window reads what is known so far whenever it likes.
class ReviewWorker {
public:
    ReviewWorker();
    // Stops the review under way and ends the thread.
    ~ReviewWorker();
    ReviewWorker(const ReviewWorker&) = delete;
    ReviewWorker& operator=(const ReviewWorker&) = delete;

    // Reviews the game, abandoning any review under way.
    void Start(std::vector<ReviewPosition> positions, std::chrono::duration<double> perPosition);
    // Abandons the review under way; what it found so far stays readable.
    void Cancel();
    // True from Start until the review is complete or cancelled.
    bool Running() const;
    // What the review has found so far.
    ReviewResults Results() const;

private:
    void Run();
    // Makes the review under way and its search stop at once; the lock is held.
    void StopReview();

    mutable std::mutex mutex_;
    // The thread's search, made at its first review (a window that never reviews keeps no
    // table); its threads take the review thread's low priority.
    std::unique_ptr<strong::StrongSearch> search_;
    std::condition_variable wake_;
    bool quit_ = false;
    // The review the thread works on, and a copy of what it found for the readers.
    std::shared_ptr<GameReview> review_;
    ReviewResults results_;
    bool running_ = false;
    std::thread thread_;
};

}  // namespace flipstone
