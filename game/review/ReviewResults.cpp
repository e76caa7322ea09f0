#include "game/review/ReviewResults.h"

#include <algorithm>
#include <utility>

namespace flipstone {

namespace {

int ForMover(std::uint8_t mover, int blackValue) {
    return mover == kWhite ? -blackValue : blackValue;
}

}  // namespace

ReviewResults::ReviewResults(std::vector<ReviewPosition> positions)
    : positions_(std::move(positions)), values_(positions_.size()) {}

void ReviewResults::SetValue(int ply, const PositionValue& value) {
    if (!values_.at(ply)) {
        ++judged_;
    }
    values_[ply] = value;
}

std::optional<PositionValue> ReviewResults::ValueAfter(int ply) const {
    if (ply < 0 || ply >= PositionCount()) {
        return std::nullopt;
    }
    return values_[ply];
}

std::optional<ValuedMove> PositionValue::MoveAt(Square square) const {
    const auto found = std::find_if(moves.begin(), moves.end(), [square](const ValuedMove& move) {
        return move.square == square;
    });
    if (found == moves.end()) {
        return std::nullopt;
    }
    return *found;
}

// The move played and the best one are valued by the same analysis of the position, so that the
// loss compares like with like.
std::optional<MoveReview> ReviewResults::Move(int ply) const {
    const std::optional<PositionValue> before = ValueAfter(ply - 1);
    if (ply < 1 || !before) {
        return std::nullopt;
    }
    const ReviewPosition& position = positions_[ply - 1];
    const std::optional<ValuedMove> played = before->MoveAt(position.played);
    if (!played) {
        return std::nullopt;
    }
    MoveReview move;
    move.ply = ply;
    move.colour = position.mover;
    move.move = position.played;
    move.best = before->best;
    move.bestValue = ForMover(position.mover, before->black);
    move.value = ForMover(position.mover, played->black);
    move.exact = before->exact && played->exact;
    move.book = before->book;
    if (move.value >= move.bestValue) {
        move.best = move.move;
        move.bestValue = move.value;
    }
    move.loss = move.bestValue - move.value;
    return move;
}

}  // namespace flipstone
