#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Board.h"
#include "engine/Position.h"
#include "engine/Square.h"

namespace flipstone {

// One game as players keep it: where it started, who moved first, the moves in order (passes
// left out: the pass rule says who made each one) and what else a GGF record says of it.
struct GameRecord {
    Board start = Position::Start().GetBoard();
    std::uint8_t firstToMove = kBlack;
    std::vector<Square> moves;
    std::string blackName;
    std::string whiteName;
    std::string result;  // as GGF writes it from black's side ("+12.00", "-4.00:t"); may be empty
    std::string date;
    std::string place;

    bool StartsAtTheStandardPosition() const;
    Position StartPosition() const;
    // The position after the first `count` moves (all of them when there are fewer); the replay
    // stops at a move that is not legal there.
    Position PositionAfter(std::size_t count) const;
    Position FinalPosition() const { return PositionAfter(moves.size()); }
};

}  // namespace flipstone
