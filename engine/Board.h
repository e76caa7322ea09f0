#pragma once

#include <cstdint>
#include <vector>

#include "engine/FlipList.h"
#include "engine/Square.h"

namespace flipstone {

// Square codes: what one square of the board holds.
enum SquareState : std::uint8_t { kEmpty = 0, kBlack = 1, kWhite = 2 };

// The other colour: 2 for 1, and 1 for every other value (only the low byte counts).
std::uint8_t Opponent(unsigned colour);

// One Reversi position: 64 one-byte squares in column-major order, so square (column, row) is
// element column * 8 + row. Column 0 is the left of the screen, row 0 the top. Constructing a
// board sets no position; call Reset or copy another board.
class Board {
public:
    std::uint8_t squares[64];

    static constexpr int IndexOf(int column, int row) { return column * 8 + row; }
    static constexpr bool OnBoard(int column, int row) {
        return column >= 0 && column < 8 && row >= 0 && row < 8;
    }

    std::uint8_t At(int column, int row) const { return squares[IndexOf(column, row)]; }
    void Set(int column, int row, std::uint8_t code) { squares[IndexOf(column, row)] = code; }

    // Puts a disc of the colour on the square and turns every bracketed line; false (and
    // nothing changed) when the move is not legal.
    bool Place(int column, int row, std::uint8_t colour);
    bool CanPlace(int column, int row, std::uint8_t colour) const;
    // Lists the move in entry 0 and the discs it turns in entries 1..count, direction by
    // direction, nearest first. Does not test that the square is empty.
    bool CollectFlips(int column, int row, std::uint8_t colour, FlipList& list) const;
    void Reset();
    int CountBlack() const;
    int CountWhite() const;
    int CountDiscs() const;
    // The disc difference for the colour if the game ends on this board, the winner getting the
    // empty squares.
    int FinalDifference(std::uint8_t colour) const;
    bool HasLegalMove(std::uint8_t colour) const;
    // The squares where the colour may play, rows 0 to 7 and within a row columns 0 to 7: the
    // order in which a search lists its moves.
    std::vector<Square> LegalSquares(std::uint8_t colour) const;

    bool operator==(const Board&) const = default;

private:
    // Number of discs the line from (column, row) in direction (dc, dr) brackets; 0 for none.
    int BracketLength(int column, int row, int dc, int dr, std::uint8_t colour) const;
    int CountCode(std::uint8_t code) const;
};

static_assert(sizeof(Board) == 64, "a board is exactly its 64 squares");

}  // namespace flipstone
