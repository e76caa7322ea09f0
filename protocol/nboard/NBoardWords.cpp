#include "protocol/nboard/NBoardWords.h"

#include <cstdio>

#include "protocol/Vocabulary.h"

namespace flipstone::protocol {

std::string NBoardMoveText(std::string_view move, std::optional<double> value, double seconds) {
    return std::string(move) + "/" + (value ? NBoardNumber(*value) : "") + "/" +
           NBoardNumber(seconds);
}

std::string_view NBoardMoveOf(std::string_view text) {
    return Trimmed(text.substr(0, text.find('/')));
}

std::string NBoardNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

}  // namespace flipstone::protocol
