#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/Board.h"
#include "engine/Square.h"
#include "game/review/ReviewResults.h"
#include "game/review/ReviewWorker.h"

namespace flipstone {

// The value of every legal move of one position, found in the background by the analysis a
// review gives the position (about a second of one core): from the book in the opening, exactly
// near the end of the game.
class MoveValueSearch {
public:
    // Starts valuing the colour's moves on the board, unless that position is the one already
    // valued or under way; any other valuing is abandoned.
    void Value(const Board& board, std::uint8_t colour);
    // Abandons the valuing under way and forgets every value.
    void Clear();
    bool Running() const { return worker_.Running(); }
    // Takes the values found since the last look; true when there are new ones.
    bool Collect();
    // The move's value from the mover's side, once it is known.
    std::optional<int> ValueOf(Square move) const;
    // The moves expected after the best one (it first), once the values are known.
    std::vector<Square> Line() const;
    // Whether the values known come from the opening book.
    bool FromBook() const;

private:
    ReviewWorker worker_;
    std::optional<Board> board_;
    std::uint8_t colour_ = kEmpty;
    ReviewResults results_;
};

}  // namespace flipstone
