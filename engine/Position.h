#pragma once

#include <cstdint>
#include <vector>

#include "engine/Board.h"
#include "engine/Square.h"

namespace flipstone {

// One position of a game in progress: the board and the colour to move. It keeps the pass rule:
// after a move the other colour moves if it can, otherwise the mover moves again if it can,
// otherwise nobody moves and the game is over. A colour without a legal move is therefore never
// the one to move.
class Position {
public:
    // The standard start: the four middle discs, black to move.
    static Position Start();
    // The board with `toMove` (black unless it is white) to move, or the other colour when that
    // one has no legal move; over when neither has one.
    static Position FromBoard(const Board& board, std::uint8_t toMove);

    const Board& GetBoard() const { return board_; }
    // kBlack or kWhite; kEmpty once the game is over.
    std::uint8_t ToMove() const { return toMove_; }
    bool IsOver() const { return toMove_ == kEmpty; }

    bool CanPlay(Square square) const;
    // Plays the square for the colour to move and hands the turn on by the pass rule; false, and
    // nothing changed, when the move is not legal.
    bool Play(Square square);
    // The colour to move's squares, in the order Board::LegalSquares lists them.
    std::vector<Square> LegalSquares() const;

    bool operator==(const Position&) const = default;

private:
    Position(const Board& board, std::uint8_t toMove) : board_(board), toMove_(toMove) {}
    // The first of `first` and then its opponent that has a legal move; kEmpty for neither.
    static std::uint8_t FirstAbleToMove(const Board& board, std::uint8_t first);

    Board board_;
    std::uint8_t toMove_;
};

}  // namespace flipstone
