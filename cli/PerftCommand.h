#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/Board.h"

namespace flipstone::cli {

// Leaf count of the full move tree to the given depth: a pass counts as a move, and a finished
// game reached at a shallower depth counts as one leaf.
std::uint64_t Perft(const Board& board, std::uint8_t toMove, int depth);

// Reads perft's options without counting; a UsageError says what is wrong with them.
int ParsePerftDepth(const std::vector<std::string>& args);

// flipstone-cli perft: the leaf counts from the start position for depths 1..N, a JSON line each.
int RunPerft(const std::vector<std::string>& args, std::ostream& out);

}  // namespace flipstone::cli
