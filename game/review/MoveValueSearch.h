#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/Board.h"
#include "engine/Square.h"
#include "game/review/ReviewResults.h"
#include "game/review/ReviewWorker.h"

namespace flipstone {

// The value of every legal move of one position, found in the background within about a second
// by one search of the position, exactly near the end of the game.
class MoveValueSearch {
public:
    // The time all the moves of a position share.
    static constexpr double kSecondsPerPosition = 1.0;

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
    // The expected line from the valued position, its best move first; empty while not known.
    std::vector<Square> Line() const;

private:
    ReviewWorker worker_;
    std::optional<Board> board_;
    std::uint8_t colour_ = kEmpty;
    ReviewResults results_;
};

}  // namespace flipstone
