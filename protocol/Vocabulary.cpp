#include "protocol/Vocabulary.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "engine/Board.h"
#include "engine/BoardText.h"

namespace flipstone::protocol {

std::string SquareWord(Square square) {
    std::string name = BoardText::SquareName(square);
    if (!name.empty()) {
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    return name;
}

std::optional<Square> ReadSquareWord(std::string_view word) {
    return BoardText::ParseSquare(word);
}

std::string ColourWord(std::uint8_t colour) {
    return colour == kBlack ? "black" : "white";
}

std::optional<std::uint8_t> ReadColourWord(std::string_view word) {
    const std::string colour = LowerCase(word);
    if (colour == "b" || colour == "black") {
        return kBlack;
    }
    if (colour == "w" || colour == "white") {
        return kWhite;
    }
    return std::nullopt;
}

std::string ResultWord(int blackMargin) {
    if (blackMargin == 0) {
        return "0";
    }
    return (blackMargin > 0 ? "B+" : "W+") + std::to_string(std::abs(blackMargin));
}

std::string LowerCase(std::string_view word) {
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view Trimmed(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace flipstone::protocol
