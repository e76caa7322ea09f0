#include "engine/BitBoard.h"

namespace flipstone {

BitBoard BitBoard::FromBoard(const Board& board) {
    BitBoard bits;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            const std::uint64_t bit = std::uint64_t{1} << BitOf(column, row);
            const std::uint8_t code = board.At(column, row);
            if (code == kBlack) {
                bits.black |= bit;
            } else if (code == kWhite) {
                bits.white |= bit;
            }
        }
    }
    return bits;
}

Board BitBoard::ToBoard() const {
    Board board;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            const std::uint64_t bit = std::uint64_t{1} << BitOf(column, row);
            board.Set(column, row,
                      (black & bit) != 0   ? kBlack
                      : (white & bit) != 0 ? kWhite
                                           : kEmpty);
        }
    }
    return board;
}

}  // namespace flipstone
