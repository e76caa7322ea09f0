#include "game/review/GameReview.h"

#include <utility>

#include "engine/BitBoard.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone {

namespace {

Square SquareOfBit(int bit) {
    return bit < 0 ? Square{} : Square{BitBoard::ColumnOf(bit), BitBoard::RowOf(bit)};
}

}  // namespace

GameReview::GameReview(std::vector<ReviewPosition> positions,
                       std::chrono::duration<double> perPosition)
    : results_(std::move(positions)),
      perPosition_(perPosition),
      next_(results_.PositionCount() - 1) {}

void GameReview::Stop() {
    stopped_ = true;
}

bool GameReview::Step(strong::StrongSearch& search) {
    if (next_ < 0 || stopped_) {
        return false;
    }
    const PositionValue value = Judge(next_, search);
    if (stopped_) {
        return false;
    }
    results_.SetValue(next_, value);
    --next_;
    return next_ >= 0;
}

PositionValue GameReview::Judge(int ply, strong::StrongSearch& search) {
    const ReviewPosition& position = results_.Position(ply);
    if (position.mover == kEmpty) {
        return {position.board.FinalDifference(kBlack), Square{}, true, {}};
    }
    // A forced move is worth what the position after it is worth.
    const bool forced = position.board.LegalSquares(position.mover).size() == 1;
    if (forced && position.played.column >= 0 && ply + 1 < results_.PositionCount()) {
        const PositionValue after = *results_.ValueAfter(ply + 1);
        return {after.black,
                position.played,
                after.exact,
                {{position.played, after.black, after.exact}}};
    }
    const BitBoard bits = BitBoard::FromBoard(position.board);
    const int sign = position.mover == kWhite ? -1 : 1;
    PositionValue value;
    for (const strong::MoveValue& move : search.ValueEveryMove(
             bits.Discs(position.mover), bits.Discs(Opponent(position.mover)), perPosition_)) {
        value.moves.push_back({SquareOfBit(move.bit), sign * move.value, move.exact});
    }
    value.best = value.moves.front().square;
    value.black = value.moves.front().black;
    value.exact = value.moves.front().exact;
    return value;
}

}  // namespace flipstone
