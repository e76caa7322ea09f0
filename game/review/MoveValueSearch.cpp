#include "game/review/MoveValueSearch.h"

#include <algorithm>
#include <chrono>

#include "engine/Position.h"

namespace flipstone {

void MoveValueSearch::Value(const Board& board, std::uint8_t colour) {
    if (board_ == board && colour_ == colour) {
        return;
    }
    board_ = board;
    colour_ = colour;
    const Position position = Position::FromBoard(board, colour);
    moves_ = position.ToMove() == colour ? position.LegalSquares() : std::vector<Square>{};
    std::vector<ReviewPosition> children;
    for (const Square move : moves_) {
        Position child = position;
        child.Play(move);
        children.push_back({child.GetBoard(), child.ToMove(), Square{}});
    }
    const double share = kSecondsPerPosition / std::max<std::size_t>(moves_.size(), 1);
    worker_.Start(std::move(children),
                  std::chrono::duration<double>(std::max(share, kFewestSecondsPerMove)));
    results_ = ReviewResults();
}

void MoveValueSearch::Clear() {
    worker_.Cancel();
    board_.reset();
    colour_ = kEmpty;
    moves_.clear();
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
    const auto found = std::find(moves_.begin(), moves_.end(), move);
    if (found == moves_.end()) {
        return std::nullopt;
    }
    const std::optional<PositionValue> value = results_.ValueAfter(found - moves_.begin());
    if (!value) {
        return std::nullopt;
    }
    return colour_ == kWhite ? -value->black : value->black;
}

}  // namespace flipstone
