#pragma once

#include <optional>
#include <string>

#include "engine/Position.h"
#include "engine/Square.h"

namespace flipstone::protocol {

// A player's move, and what it knows of its value: the final disc difference it expects from
// the mover's side, exact when the game was solved, and how deep it looked.
struct MoveChoice {
    Square square;
    std::optional<int> value;
    bool exact = false;
    int depth = 0;
};

// Whoever chooses the moves behind an engine, whichever protocol it speaks.
class EnginePlayer {
public:
    virtual ~EnginePlayer() = default;

    // What tells this player apart from the program's other players ("level 3", "max").
    virtual std::string Mode() const = 0;
    // The move for the colour to move in `position` (which is not over), in at most about
    // `seconds`.
    virtual MoveChoice ChooseMove(const Position& position, double seconds) = 0;
};

}  // namespace flipstone::protocol
