#pragma once

#include <cstdint>

namespace flipstone {

// A square named by column and row; column -1 means none.
struct Square {
    std::int32_t column = -1;
    std::int32_t row = -1;

    bool operator==(const Square&) const = default;
};

}  // namespace flipstone
