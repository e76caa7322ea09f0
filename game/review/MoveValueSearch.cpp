#include "game/review/MoveValueSearch.h"

#include <chrono>
#include <utility>

#include "engine/Position.h"

namespace flipstone {

void MoveValueSearch::Value(const Board& board, std::uint8_t colour) {
    if (board_ == board && colour_ == colour) {
        return;
    }
    board_ = board;
    colour_ = colour;
    results_ = ReviewResults();
    const Position position = Position::FromBoard(board, colour);
    if (position.ToMove() != colour) {
        worker_.Cancel();
        return;
    }
    // The position alone, judged as a review judges one: every move valued by one search.
    worker_.Start({ReviewPosition{board, colour, Square{}}},
                  std::chrono::duration<double>(kSecondsPerPosition));
}

void MoveValueSearch::Clear() {
    worker_.Cancel();
    board_.reset();
    colour_ = kEmpty;
    results_ = ReviewResults();
}

bool MoveValueSearch::Collect() {
    if (!board_) {
        return false;
    }
    ReviewResults results = worker_.Results();
    const bool news = results.JudgedCount() != results_.JudgedCount();
    results_ = std::move(results);
    return news;
}

std::optional<int> MoveValueSearch::ValueOf(Square move) const {
    const std::optional<PositionValue> position = results_.ValueAfter(0);
    const std::optional<ValuedMove> valued = position ? position->MoveAt(move) : std::nullopt;
    if (!valued) {
        return std::nullopt;
    }
    return colour_ == kWhite ? -valued->black : valued->black;
}

std::vector<Square> MoveValueSearch::Line() const {
    const std::optional<PositionValue> position = results_.ValueAfter(0);
    return position ? position->line : std::vector<Square>{};
}

}  // namespace flipstone
