#pragma once

#include <ostream>

#include "game/records/GameRecord.h"

namespace flipstone::cli {

// What review is asked to judge: the game, and the seconds it may spend on each position.
struct ReviewRequest {
    GameRecord record;
    double moveSeconds = 0.4;
};

// flipstone-cli review: the window's review of a game, one JSON line per move in order and a
// summary line.
int RunReview(const ReviewRequest& request, std::ostream& out);

}  // namespace flipstone::cli
