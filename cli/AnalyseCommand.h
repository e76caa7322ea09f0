#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/Board.h"

namespace flipstone::cli {

// What analyse is asked to search, read from its options.
struct AnalyseRequest {
    Board board{};
    std::uint8_t computer = kWhite;
    int level = 1;
    bool forHint = false;
};

// Reads analyse's options without searching; a UsageError says what is wrong with them.
AnalyseRequest ParseAnalyse(const std::vector<std::string>& args);

// flipstone-cli analyse: one complete root search, exactly as the game's computer move step (or
// hint step) runs it, printed as one JSON line.
int RunAnalyse(const std::vector<std::string>& args, std::ostream& out);

}  // namespace flipstone::cli
