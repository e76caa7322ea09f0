#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/Board.h"
#include "engine/Square.h"

namespace flipstone {

// The text form of a board: 64 characters, row 0 first and columns 0..7 within a row;
// 'X' or '*' black, 'O' white, '-' or '.' empty. A square is named by its column letter a-h
// and row digit 1-8 (column 3, row 2 is "d3").
class BoardText {
public:
    // Reads a board; on failure returns nothing and says why in error.
    static std::optional<Board> Parse(std::string_view text, std::string& error);
    static std::string Format(const Board& board);
    static std::string SquareName(Square square);
    static std::optional<Square> ParseSquare(std::string_view name);
};

}  // namespace flipstone
