#include "engine/Position.h"

namespace flipstone {

Position Position::Start() {
    Board board;
    board.Reset();
    return Position(board, kBlack);
}

Position Position::FromBoard(const Board& board, std::uint8_t toMove) {
    return Position(board, FirstAbleToMove(board, toMove == kWhite ? kWhite : kBlack));
}

std::uint8_t Position::FirstAbleToMove(const Board& board, std::uint8_t first) {
    if (board.HasLegalMove(first)) {
        return first;
    }
    const std::uint8_t second = Opponent(first);
    return board.HasLegalMove(second) ? second : std::uint8_t{kEmpty};
}

bool Position::CanPlay(Square square) const {
    return !IsOver() && board_.CanPlace(square.column, square.row, toMove_);
}

bool Position::Play(Square square) {
    if (!CanPlay(square)) {
        return false;
    }
    board_.Place(square.column, square.row, toMove_);
    toMove_ = FirstAbleToMove(board_, Opponent(toMove_));
    return true;
}

std::vector<Square> Position::LegalSquares() const {
    return IsOver() ? std::vector<Square>{} : board_.LegalSquares(toMove_);
}

}  // namespace flipstone
