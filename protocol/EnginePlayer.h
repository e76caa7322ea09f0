#pragma once

#include <cstdint>
#include <string>

#include "engine/Board.h"
#include "engine/Square.h"

namespace flipstone::protocol {

// Whoever chooses the moves behind the GTP engine.
class EnginePlayer {
public:
    virtual ~EnginePlayer() = default;

    // What tells this player apart from the program's other players ("level 3", "max").
    virtual std::string Mode() const = 0;
    // The square to play for `side`, which has a legal move, in at most about `seconds`.
    virtual Square ChooseMove(const Board& board, std::uint8_t side, double seconds) = 0;
};

}  // namespace flipstone::protocol
