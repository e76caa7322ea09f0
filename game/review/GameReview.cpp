#include "game/review/GameReview.h"

#include <utility>

#include "engine/BitBoard.h"
#include "engine/strong/StrongEvaluation.h"
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
      search_(std::make_unique<strong::StrongSearch>()),
      next_(results_.PositionCount() - 1) {}

GameReview::~GameReview() = default;

void GameReview::Stop() {
    stopped_ = true;
}

bool GameReview::Step() {
    if (next_ < 0 || stopped_) {
        return false;
    }
    const PositionValue value = Judge(next_);
    if (stopped_) {
        return false;
    }
    results_.SetValue(next_, value);
    --next_;
    return next_ >= 0;
}

PositionValue GameReview::Judge(int ply) {
    const ReviewPosition& position = results_.Position(ply);
    const BitBoard bits = BitBoard::FromBoard(position.board);
    if (position.mover == kEmpty) {
        return {strong::StrongEvaluation::DiscDifference(bits.black, bits.white), Square{}, true};
    }
    // A forced move is worth what the position after it is worth.
    const bool forced = position.board.LegalSquares(position.mover).size() == 1;
    if (forced && position.played.column >= 0 && ply + 1 < results_.PositionCount()) {
        PositionValue after = *results_.ValueAfter(ply + 1);
        after.best = position.played;
        return after;
    }
    const std::uint64_t mover = bits.Discs(position.mover);
    const std::uint64_t other = bits.Discs(Opponent(position.mover));
    const strong::ThinkResult result = search_->Think(mover, other, perPosition_);
    const int value = position.mover == kWhite ? -result.value : result.value;
    return {value, SquareOfBit(result.bit), result.solved};
}

}  // namespace flipstone
