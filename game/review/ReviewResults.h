#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/Board.h"
#include "engine/Square.h"

namespace flipstone {

// One position of a game under review: the board, the colour to move (kEmpty once the game is
// over) and the move played there (column -1 in the game's last position).
struct ReviewPosition {
    Board board;
    std::uint8_t mover = kBlack;
    Square played;
};

// One legal move's value for black, as far as the search saw; exact when solved.
struct ValuedMove {
    Square square;
    int black = 0;
    bool exact = false;
};

// One position as the search judged it: its value for black (its best move's), the best move, and
// every legal move's value from the same search, best first.
struct PositionValue {
    int black = 0;
    Square best;
    bool exact = false;
    std::vector<ValuedMove> moves;
    std::vector<Square> line{};  // the expected moves, the best move first, a few plies

    // The move's value; none for a square that is not a legal move there.
    std::optional<ValuedMove> MoveAt(Square square) const;
};

// What the review found of one move. Values are disc differences from the mover's side.
struct MoveReview {
    int ply = 0;  // 1 for the game's first move
    std::uint8_t colour = kBlack;
    Square move;
    Square best;
    int value = 0;  // of the move played
    int bestValue = 0;
    int loss = 0;  // bestValue - value, never negative
    bool exact = false;
};

// What a review knows so far: the game's positions and the values of those it has judged.
class ReviewResults {
public:
    ReviewResults() = default;
    // `positions` runs from the game's start to the position after its last move.
    explicit ReviewResults(std::vector<ReviewPosition> positions);

    int PositionCount() const { return static_cast<int>(positions_.size()); }
    int MoveCount() const { return PositionCount() > 0 ? PositionCount() - 1 : 0; }
    int JudgedCount() const { return judged_; }
    bool Complete() const { return judged_ == PositionCount(); }
    const ReviewPosition& Position(int ply) const { return positions_.at(ply); }

    void SetValue(int ply, const PositionValue& value);
    // The value after `ply` moves (0 for the start), once its position is judged.
    std::optional<PositionValue> ValueAfter(int ply) const;
    // Move `ply` (1 for the first) once the position it was played in is judged.
    std::optional<MoveReview> Move(int ply) const;

private:
    std::vector<ReviewPosition> positions_;
    std::vector<std::optional<PositionValue>> values_;
    int judged_ = 0;
};

}  // namespace flipstone
