#pragma once

#include <cstdint>

namespace flipstone {

// The starting values of a search: no score ever reaches them, so a best value still equal to
// one of them means no move was found.
inline constexpr std::int32_t kLowestValue = -9999;
inline constexpr std::int32_t kHighestValue = 9999;

}  // namespace flipstone
