#pragma once

#include <istream>
#include <ostream>

namespace flipstone::cli {

// What nboard is asked for: the game's level 1 to 4 for go, or 0 for the strongest player, and
// the seconds the strongest player's go may take (hints take the review's fixed analysis).
struct NBoardRequest {
    int level = 0;
    double moveSeconds = 1.0;
};

// flipstone-cli nboard: speaks NBoard's protocol on `in` and `out` until quit or the end of the
// input.
int RunNBoard(const NBoardRequest& request, std::istream& in, std::ostream& out);

}  // namespace flipstone::cli
