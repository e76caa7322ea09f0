// Fuzzes the board text and the square names that flipstone-cli reads: whatever the bytes, a
// board read back is a valid position that prints and reads again to itself, and a refusal
// says why in printable text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/BoardText.h"
#include "fuzz/FuzzInput.h"

namespace {

using flipstone::Board;
using flipstone::BoardText;
using flipstone::Square;
using flipstone::fuzz::Printable;
using flipstone::fuzz::Require;

char Normalised(char c) {
    if (c == 'X' || c == 'x' || c == '*') {
        return 'X';
    }
    if (c == 'O' || c == 'o') {
        return 'O';
    }
    return '-';
}

void CheckBoard(std::string_view text) {
    std::string error;
    const std::optional<Board> board = BoardText::Parse(text, error);
    if (!board) {
        Require(!error.empty() && Printable(error), "a refused board says why in plain text");
        return;
    }
    Require(text.size() == 64 && error.empty(), "only 64 characters make a board");
    for (const std::uint8_t code : board->squares) {
        Require(code <= flipstone::kWhite, "every square read is 0, 1 or 2");
    }
    const std::string formatted = BoardText::Format(*board);
    Require(formatted.size() == 64, "a board prints as 64 characters");
    for (std::size_t i = 0; i < 64; ++i) {
        Require(formatted[i] == Normalised(text[i]),
                "each character prints as what it was read as");
    }
    std::string again;
    Require(BoardText::Parse(formatted, again) == board, "a printed board reads back to itself");
}

bool LooksLikeSquareName(std::string_view text) {
    if (text.size() != 2) {
        return false;
    }
    const char column = text[0];
    const bool columnLetter = (column >= 'a' && column <= 'h') || (column >= 'A' && column <= 'H');
    return columnLetter && text[1] >= '1' && text[1] <= '8';
}

void CheckSquareName(std::string_view text) {
    const std::optional<Square> square = BoardText::ParseSquare(text);
    Require(square.has_value() == LooksLikeSquareName(text),
            "exactly a column letter and a row digit name a square");
    if (!square) {
        return;
    }
    Require(Board::OnBoard(square->column, square->row), "a named square is on the board");
    std::string lower(text);
    lower[0] = static_cast<char>(lower[0] | 0x20);
    Require(BoardText::SquareName(*square) == lower, "a square's name reads back to it");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckBoard(text);
    CheckSquareName(text);
    CheckSquareName(text.substr(0, 2));
    return 0;
}
