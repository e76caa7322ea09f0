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

std::optional<MoveReview> ReviewResults::Move(int ply) const {
    const std::optional<PositionValue> before = ValueAfter(ply - 1);
    const std::optional<PositionValue> after = ValueAfter(ply);
    if (!before || !after) {
        return std::nullopt;
    }
    const ReviewPosition& position = positions_[ply - 1];
    MoveReview move;
    move.ply = ply;
    move.colour = position.mover;
    move.move = position.played;
    move.best = before->best;
    move.bestValue = ForMover(position.mover, before->black);
    move.value = ForMover(position.mover, after->black);
    move.exact = before->exact && after->exact;
    // Two searches of different depths may disagree by a little: the best move loses nothing,
    // and a move the search valued above its best is the best.
    if (move.move == move.best || move.value > move.bestValue) {
        move.best = move.move;
        move.bestValue = std::max(move.bestValue, move.value);
        move.value = move.bestValue;
    }
    move.loss = move.bestValue - move.value;
    return move;
}

}  // namespace flipstone
