#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Square.h"

namespace flipstone::protocol {

// The words every protocol and both ends of each share: the game, squares, colours, results.
inline constexpr std::string_view kGameName = "Othello";

// A square as the protocols write it, column letter in upper case: "F5".
std::string SquareWord(Square square);
// A square in either case ("f5", "F5"); nothing for anything else.
std::optional<Square> ReadSquareWord(std::string_view word);

// "black" or "white".
std::string ColourWord(std::uint8_t colour);
// "b", "w", "black" or "white" in any case; nothing for anything else.
std::optional<std::uint8_t> ReadColourWord(std::string_view word);

// A game's result from black's side as a disc difference: "B+12", "W+4" or "0".
std::string ResultWord(int blackMargin);

// The word in lower case, for the words the protocols read in any case.
std::string LowerCase(std::string_view word);
// The text without white space before and after it.
std::string_view Trimmed(std::string_view text);

}  // namespace flipstone::protocol
