#pragma once

#include <vector>

#include "game/records/GameRecord.h"
#include "game/review/ReviewResults.h"

namespace flipstone {

// The positions a review judges: the record's start, the position after each move, each with the
// colour to move and the move played there.
std::vector<ReviewPosition> ReviewPositionsOf(const GameRecord& record);

}  // namespace flipstone
