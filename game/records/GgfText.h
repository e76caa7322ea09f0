#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Board.h"
#include "game/records/ParsedGame.h"

namespace flipstone {

// Whether the text begins a GGF game: "(;".
bool LooksLikeGgf(std::string_view text);

// Reads the first GGF game of the text, "(;GM[Othello]...BO[8 ...]B[f5//0.01]W[PA]...;)": the
// set-up (BO, the standard start without one), the names, result, date and place, and the
// moves with their colours, passes left out; other properties are skipped. Only 8x8 Othello.
ParsedGame ReadGgf(std::string_view text);

// GGF's set-up of a board: "8 ", the 64 squares row by row ('*' black, 'O' white, '-' empty), a
// space and the side to move ('*' or 'O').
std::string GgfBoard(const Board& board, std::uint8_t toMove);

}  // namespace flipstone
