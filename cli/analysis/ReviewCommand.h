#pragma once

#include <ostream>

#include "game/records/GameRecord.h"

namespace flipstone::cli {

// What review is asked to judge: the game, on how many threads (0: one per processor core).
struct ReviewRequest {
    GameRecord record;
    int threads = 0;
};

// flipstone-cli review: the window's review of a game, one JSON line per move in order and a
// summary line.
int RunReview(const ReviewRequest& request, std::ostream& out);

}  // namespace flipstone::cli
