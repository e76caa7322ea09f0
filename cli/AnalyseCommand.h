#pragma once

#include <cstdint>
#include <ostream>

#include "engine/Board.h"

namespace flipstone::cli {

// What analyse is asked to search, read from its options.
struct AnalyseRequest {
    Board board{};
    std::uint8_t computer = kWhite;
    int level = 1;
    bool forHint = false;
};

// flipstone-cli analyse: one complete root search, exactly as the game's computer move step (or
// hint step) runs it, printed as one JSON line.
int RunAnalyse(const AnalyseRequest& request, std::ostream& out);

}  // namespace flipstone::cli
