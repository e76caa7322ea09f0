#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <vector>

#include "game/review/ReviewResults.h"

namespace flipstone {

namespace strong {
class StrongSearch;
}

// Reviews a game with the strongest player: the value of every position, and so of every move
// against the best one there. It works from the end backwards: the last positions are solved
// exactly and quickly, and what each solve learns helps the ones before it.
class GameReview {
public:
    // `positions` runs from the game's start to the position after its last move.
    GameReview(std::vector<ReviewPosition> positions, std::chrono::duration<double> perPosition);
    ~GameReview();
    GameReview(const GameReview&) = delete;
    GameReview& operator=(const GameReview&) = delete;

    // Judges the next position; false once every position is judged or the review is stopped.
    bool Step();
    // Any thread: the review judges no further position.
    void Stop();
    const ReviewResults& Results() const { return results_; }

private:
    PositionValue Judge(int ply);

    ReviewResults results_;
    std::chrono::duration<double> perPosition_;
    std::unique_ptr<strong::StrongSearch> search_;
    int next_;
    std::atomic<bool> stopped_{false};
};

}  // namespace flipstone
