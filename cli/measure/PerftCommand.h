#pragma once

#include <ostream>

namespace flipstone::cli {

// flipstone-cli perft: the leaf counts of the full move tree from the start position for depths
// 1..N, a JSON line each, counted by the search kernel this processor runs (a pass counts as a
// move, and a finished game reached at a shallower depth as one leaf).
int RunPerft(int maxDepth, std::ostream& out);

}  // namespace flipstone::cli
