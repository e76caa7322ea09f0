#pragma once

#include <cstdint>

namespace flipstone {

// One legal move at a search node or at the root: the static value of the position after it,
// its place in generation order (also the place of its child board), and its square.
struct MoveCandidate {
    std::int32_t value = 0;
    std::int32_t index = 0;
    std::int32_t column = 0;
    std::int32_t row = 0;
};

}  // namespace flipstone
