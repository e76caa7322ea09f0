#pragma once

#include <optional>
#include <ostream>

#include "soak/SoakRunner.h"

namespace flipstone::soak {

// What flipstone-soak's command line asks for.
struct SoakOptions {
    SoakSettings settings;
    bool quiet = false;
};

// Reads flipstone-soak's arguments with CLI11 into options. Returns the exit status when the
// program is to stop at once: 0 after printing the help on out, 2 after a usage error, told in one
// line on err.
std::optional<int> ReadSoakOptions(int argc, const char* const* argv, SoakOptions& options,
                                   std::ostream& out, std::ostream& err);

}  // namespace flipstone::soak
