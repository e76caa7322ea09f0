#pragma once

#include <cstdint>

#include "engine/Board.h"

namespace flipstone {

// A position as two 64-bit masks, one per colour, for the computer player's fast paths. Bit
// row * 8 + column holds square (column, row): rows outer and columns inner, so walking the set
// bits from the lowest up visits squares in the move generation order (row 0 first, columns 0..7
// within a row).
struct BitBoard {
    std::uint64_t black = 0;
    std::uint64_t white = 0;

    static constexpr int BitOf(int column, int row) { return row * 8 + column; }
    static constexpr int ColumnOf(int bit) { return bit & 7; }
    static constexpr int RowOf(int bit) { return bit >> 3; }

    static BitBoard FromBoard(const Board& board);
    Board ToBoard() const;

    std::uint64_t Discs(std::uint8_t colour) const { return colour == kBlack ? black : white; }
    std::uint64_t Empty() const { return ~(black | white); }

    bool operator==(const BitBoard&) const = default;
};

}  // namespace flipstone
