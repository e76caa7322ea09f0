#pragma once

#include <string_view>

#include "game/records/ParsedGame.h"

namespace flipstone {

// Whether the text begins with a board of 64 characters as flipstone-cli writes them (X, *, O,
// -, ., either case) and then white space or its end.
bool LooksLikeBoardLine(std::string_view text);

// Reads a board and the side to move: 64 characters, white space, X (or *) or O, and nothing
// after it but white space or a ';' and a comment, as the endgame suites write their positions.
ParsedGame ReadBoardLine(std::string_view text);

}  // namespace flipstone
