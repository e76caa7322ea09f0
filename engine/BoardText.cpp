#include "engine/BoardText.h"

namespace flipstone {

std::optional<Board> BoardText::Parse(std::string_view text, std::string& error) {
    if (text.size() != 64) {
        error =
            "a board has 64 squares, this one has " + std::to_string(text.size()) + " characters";
        return std::nullopt;
    }
    Board board;
    for (int i = 0; i < 64; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        std::uint8_t code = kEmpty;
        if (c == 'X' || c == 'x' || c == '*') {
            code = kBlack;
        } else if (c == 'O' || c == 'o') {
            code = kWhite;
        } else if (c != '-' && c != '.') {
            const unsigned byte = static_cast<unsigned char>(c);
            error = "unexpected character " +
                    (byte >= 0x20 && byte < 0x7F ? "'" + std::string(1, c) + "'"
                                                 : "with code " + std::to_string(byte)) +
                    " at position " + std::to_string(i + 1) + " (use X, *, O, - or .)";
            return std::nullopt;
        }
        board.Set(i % 8, i / 8, code);
    }
    return board;
}

std::string BoardText::Format(const Board& board) {
    std::string text;
    text.reserve(64);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const std::uint8_t code = board.At(column, row);
            text += code == kBlack ? 'X' : code == kWhite ? 'O' : '-';
        }
    }
    return text;
}

std::string BoardText::SquareName(Square square) {
    if (!Board::OnBoard(square.column, square.row)) {
        return "";
    }
    return std::string{static_cast<char>('a' + square.column), static_cast<char>('1' + square.row)};
}

std::optional<Square> BoardText::ParseSquare(std::string_view name) {
    if (name.size() != 2) {
        return std::nullopt;
    }
    const int column = name[0] >= 'A' && name[0] <= 'H' ? name[0] - 'A' : name[0] - 'a';
    const int row = name[1] - '1';
    if (!Board::OnBoard(column, row)) {
        return std::nullopt;
    }
    return Square{column, row};
}

}  // namespace flipstone
