#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace flipstone::cli {

// Reads perft's options without counting; a UsageError says what is wrong with them.
int ParsePerftDepth(const std::vector<std::string>& args);

// flipstone-cli perft: the leaf counts of the full move tree from the start position for depths
// 1..N, a JSON line each, counted by the search kernel this processor runs (a pass counts as a
// move, and a finished game reached at a shallower depth as one leaf).
int RunPerft(const std::vector<std::string>& args, std::ostream& out);

}  // namespace flipstone::cli
