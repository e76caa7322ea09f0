#pragma once

#include <cstdint>

#include "engine/Board.h"
#include "engine/MoveCandidate.h"

namespace flipstone {

// What one root step (the computer's move or the hint) keeps between its calls: the root moves
// in sorted order, the position after each, and how far the search has come. Position -1 means
// idle: the next call prepares a new search.
struct RootSearchState {
    MoveCandidate candidates[64];
    Board childBoards[64];
    std::int32_t depth = 0;
    std::int32_t count = 0;
    std::int32_t position = -1;
    std::int32_t bestColumn = -1;
    std::int32_t bestRow = -1;
    // The value the latest call found for the root move it searched.
    std::int32_t lastValue = 0;
};

}  // namespace flipstone
