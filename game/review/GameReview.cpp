#include "game/review/GameReview.h"

#include <utility>

#include "engine/BitBoard.h"
#include "game/review/PositionAnalyst.h"

namespace flipstone {

namespace {

Square SquareOfBit(int bit) {
    return bit < 0 ? Square{} : Square{BitBoard::ColumnOf(bit), BitBoard::RowOf(bit)};
}

}  // namespace

std::optional<PositionValue> JudgePosition(const ReviewPosition& position, PositionAnalyst& analyst,
                                           std::optional<strong::StrongSearchJob> job) {
    if (position.mover == kEmpty) {
        return PositionValue{position.board.FinalDifference(kBlack), Square{}, true, {}, {}, false};
    }
    const BitBoard bits = BitBoard::FromBoard(position.board);
    const PositionAnalysis analysis =
        analyst.Analyse(bits.Discs(position.mover), bits.Discs(Opponent(position.mover)), job);
    if (analysis.stopped) {
        return std::nullopt;
    }
    const int sign = position.mover == kWhite ? -1 : 1;
    PositionValue value;
    for (const strong::MoveValue& move : analysis.moves) {
        value.moves.push_back({SquareOfBit(move.bit), sign * move.value, move.exact});
    }
    for (const int bit : analysis.line) {
        value.line.push_back(SquareOfBit(bit));
    }
    value.book = analysis.book;
    if (!value.moves.empty()) {
        value.best = value.moves.front().square;
        value.black = value.moves.front().black;
        value.exact = value.moves.front().exact;
    }
    return value;
}

GameReview::GameReview(std::vector<ReviewPosition> positions)
    : results_(std::move(positions)), next_(results_.PositionCount() - 1) {}

void GameReview::Stop() {
    stopped_ = true;
}

bool GameReview::HasWork() const {
    std::lock_guard lock(mutex_);
    return next_ >= 0 && !stopped_;
}

ReviewResults GameReview::Results() const {
    std::lock_guard lock(mutex_);
    return results_;
}

bool GameReview::Step(PositionAnalyst& analyst, std::optional<strong::StrongSearchJob> job) {
    int ply = 0;
    ReviewPosition position;
    {
        std::lock_guard lock(mutex_);
        if (next_ < 0 || stopped_) {
            return false;
        }
        ply = next_--;
        position = results_.Position(ply);
    }
    const std::optional<PositionValue> value = JudgePosition(position, analyst, job);
    std::lock_guard lock(mutex_);
    if (stopped_ || !value) {
        return false;
    }
    results_.SetValue(ply, *value);
    return next_ >= 0;
}

}  // namespace flipstone
