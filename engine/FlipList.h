#pragma once

#include <cstdint>

namespace flipstone {

// A list of up to 64 squares; entry k is (columns[k], rows[k]). As the record of one move,
// entry 0 is the move's square and entries 1..count the discs it turns, in turning order. As a
// plain list of squares, entries 0..count-1 are used.
struct FlipList {
    std::int32_t count = 0;
    std::int32_t rows[64] = {};
    std::int32_t columns[64] = {};
};

}  // namespace flipstone
