#pragma once

#include <ostream>

#include "game/LevelAnalysis.h"

namespace flipstone::cli {

// flipstone-cli analyse: one complete root search, exactly as the game's computer move step (or
// hint step) runs it, printed as one JSON line.
int RunAnalyse(const AnalyseRequest& request, std::ostream& out);

}  // namespace flipstone::cli
