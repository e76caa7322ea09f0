#pragma once

#include <atomic>
#include <chrono>
#include <vector>

#include "game/review/ReviewResults.h"

namespace flipstone {

namespace strong {
class StrongSearch;
}

// Reviews a game with the strongest player: every position's moves valued by one search, so the
// move played is judged against the best one there. It works from the end backwards: the last
// positions are solved exactly and quickly, and what each solve learns helps the ones before it.
class GameReview {
public:
    // `positions` runs from the game's start to the position after its last move.
    GameReview(std::vector<ReviewPosition> positions, std::chrono::duration<double> perPosition);
    GameReview(const GameReview&) = delete;
    GameReview& operator=(const GameReview&) = delete;

    // Judges the next position with the search, which keeps what it learns in its table for the
    // positions after; false once every position is judged or the review is stopped.
    bool Step(strong::StrongSearch& search);
    // Any thread: the review judges no further position.
    void Stop();
    const ReviewResults& Results() const { return results_; }

private:
    PositionValue Judge(int ply, strong::StrongSearch& search);

    ReviewResults results_;
    std::chrono::duration<double> perPosition_;
    int next_;
    std::atomic<bool> stopped_{false};
};

}  // namespace flipstone
