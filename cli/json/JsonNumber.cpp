#include "cli/json/JsonNumber.h"

#include <algorithm>
#include <cstdio>

namespace flipstone::cli {

std::string FixedDecimals(double value, int decimals) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    const int kept = std::clamp(length, 0, static_cast<int>(sizeof text) - 1);
    return std::string(text, static_cast<std::size_t>(kept));
}

}  // namespace flipstone::cli
