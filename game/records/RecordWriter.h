#pragma once

#include <string>

#include "game/records/GameRecord.h"

namespace flipstone {

// The moves as players exchange them: the squares in order, lower case, no separators
// ("f5d6c3d3c4").
std::string WriteTranscript(const GameRecord& record);

// The game as one GGF record, the form of the Othello game servers and NBoard: the set-up (BO),
// the fields the record has, and each move with its colour, with an explicit PA wherever a side
// had to pass. The record's moves must be legal (as ReadGameRecord gives them).
std::string WriteGgf(const GameRecord& record);

}  // namespace flipstone
