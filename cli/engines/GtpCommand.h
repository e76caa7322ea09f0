#pragma once

#include <istream>
#include <ostream>

namespace flipstone::cli {

// What gtp is asked for: the game's level 1 to 4, or 0 for the strongest player, the time the
// strongest player takes on a move when no clock limits it, and its threads (0: one per core).
struct GtpRequest {
    int level = 0;
    double moveSeconds = 1.0;
    int threads = 0;
};

// flipstone-cli gtp: answers GTP commands from `in` line by line, each reply flushed, until
// quit or the end of the input.
int RunGtp(const GtpRequest& request, std::istream& in, std::ostream& out);

}  // namespace flipstone::cli
