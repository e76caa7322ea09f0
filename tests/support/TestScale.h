#pragma once

#include <algorithm>
#include <cstdlib>

namespace flipstone::testing {

// The share of the heavier comparisons to run: all of them in an optimised build, a tenth in a
// build whose sanitizers (or lack of optimisation) make the plain search many times slower.
// FLIPSTONE_TEST_SCALE (a fraction) overrides.
inline double Scale() {
    if (const char* text = std::getenv("FLIPSTONE_TEST_SCALE")) {
        return std::atof(text);
    }
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || !defined(__OPTIMIZE__)
    return 0.1;
#else
    return 1.0;
#endif
}

// A count scaled by Scale(), never below one.
inline int Scaled(int count) {
    return std::max(1, static_cast<int>(count * Scale()));
}

}  // namespace flipstone::testing
