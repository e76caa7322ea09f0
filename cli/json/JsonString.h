#pragma once

#include <string>

namespace flipstone::cli {

// A text as the tool's JSON writes it: in quotes, with quotes and backslashes escaped and each
// control character written as '?'.
std::string JsonString(const std::string& text);

}  // namespace flipstone::cli
