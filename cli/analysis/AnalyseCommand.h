#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/Position.h"
#include "engine/strong/EveryMoveSearch.h"
#include "game/LevelAnalysis.h"

namespace flipstone::cli {

// flipstone-cli analyse: one complete root search, exactly as the game's computer move step (or
// hint step) runs it, printed as one JSON line.
int RunAnalyse(const AnalyseRequest& request, std::ostream& out);

// flipstone-cli analyse --strongest: every move of the position valued as the review values it,
// printed as one JSON line.
int RunStrongestAnalyse(const Position& position, std::ostream& out);

// The moves as a JSON list of {"move","value","exact"}, in their order.
std::string MoveValuesJson(const std::vector<strong::MoveValue>& values);

}  // namespace flipstone::cli
