#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace flipstone::protocol {

// The longest line either protocol reads; a longer one is read to its end and dropped.
inline constexpr std::size_t kLongestLine = 64 * 1024;

// One line read, without its newline (and carriage return), or only the news that it was too
// long.
struct InputLine {
    std::string text;
    bool tooLong = false;
};

// Puts lines together byte by byte, holding at most kLongestLine bytes of any line.
class LineAssembler {
public:
    // The line that `byte` ends, when it is a newline.
    std::optional<InputLine> Take(char byte);
    // What is left after the last newline, when the input ends; nothing if nothing is left.
    std::optional<InputLine> Finish();

private:
    InputLine Complete();

    std::string text_;
    bool tooLong_ = false;
    bool started_ = false;
};

// The next line of `in`; nothing at the end of the input.
std::optional<InputLine> ReadInputLine(std::istream& in);

}  // namespace flipstone::protocol
