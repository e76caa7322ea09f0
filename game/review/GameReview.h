#pragma once

#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

#include "engine/strong/StrongSearchJob.h"
#include "game/review/ReviewResults.h"

namespace flipstone {

class PositionAnalyst;

// Reviews a game: every position's moves valued by one analysis of the position, so the move
// played is judged against the best one there. Each position's verdict is its own (see
// PositionAnalyst), so several threads can judge positions at once, each with its analyst; they
// take the positions from the end backwards, where the exact ones come quickly.
class GameReview {
public:
    // `positions` runs from the game's start to the position after its last move.
    explicit GameReview(std::vector<ReviewPosition> positions);
    GameReview(const GameReview&) = delete;
    GameReview& operator=(const GameReview&) = delete;

    // Judges the next position no thread has taken, its analysis run as `job` (none: a job of
    // its own); false once none is left, the review is stopped or the analysis was (the position
    // then stays unjudged). Any number of threads may step at once, each with an analyst of its
    // own.
    bool Step(PositionAnalyst& analyst, std::optional<strong::StrongSearchJob> job = {});
    // Whether a position is left that no thread has taken.
    bool HasWork() const;
    // Any thread: the review judges no further position.
    void Stop();
    ReviewResults Results() const;

private:
    mutable std::mutex mutex_;
    ReviewResults results_;
    int next_;
    std::atomic<bool> stopped_{false};
};

// The judgement of one position of a game, as the review gives it; none when the analysis was
// stopped, which is no verdict.
std::optional<PositionValue> JudgePosition(const ReviewPosition& position, PositionAnalyst& analyst,
                                           std::optional<strong::StrongSearchJob> job = {});

}  // namespace flipstone
