#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace flipstone::fuzz {

// An input cut into arguments at each newline, as a command line would be typed one argument
// per line; every other byte stays in its argument.
std::vector<std::string> SplitArguments(const std::uint8_t* data, std::size_t size);

// Stops the run (a crash the fuzzer records) when a property of the code under test fails.
void Require(bool holds, const char* property);

// True when every character is printable ASCII.
bool Printable(const std::string& text);

}  // namespace flipstone::fuzz
