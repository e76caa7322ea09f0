#pragma once

#include <string>

namespace flipstone::cli {

// A measured figure as the tool's JSON writes it: fixed-point with the given number of decimals
// ("0.001", "141000000"), whatever state the output stream is in.
std::string FixedDecimals(double value, int decimals);

}  // namespace flipstone::cli
