#pragma once

#include <span>
#include <vector>

#include "engine/Square.h"
#include "game/records/GameRecord.h"

namespace flipstone {

// A well-known opening: its name (the English text, which the window translates) and its moves
// from the start, black's first move played on f5.
struct NamedOpening {
    const char* name;
    const char* moves;
};

std::span<const NamedOpening> NamedOpenings();

// The name of the longest well-known opening whose moves the game's first moves are, in any
// orientation of the board that keeps the start position; null when they follow none.
const char* OpeningNameOf(const std::vector<Square>& moves);
// The same for a game record: none for a game that starts from another position.
const char* OpeningNameOf(const GameRecord& record);

}  // namespace flipstone
