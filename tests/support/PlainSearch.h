#pragma once

#include <cstdint>
#include <vector>

#include "engine/Board.h"

namespace flipstone::testing {

// The direct, unoptimised evaluation, search and root steps, on the 64-byte board alone. A node
// evaluates the board after each legal move (a leaf each), orders the moves best first for the
// side to move (equal values keep their row-by-row order), searches each child one ply less
// against the best value so far, and returns the first value that improves on the best and also
// passes the bound; a side without a move passes. It is the yardstick the real engine must
// match exactly: the same values and the same leaf counts.
class PlainSearch {
public:
    PlainSearch(std::uint8_t computer, std::uint8_t human) : computer_(computer), human_(human) {}

    std::int32_t Evaluate(const Board& board);
    std::int32_t Search(const Board& board, std::uint8_t side, std::int32_t depth,
                        std::int32_t bound);

    std::int64_t leaves = 0;

private:
    std::uint8_t computer_;
    std::uint8_t human_;
};

struct PlainRootMove {
    int column;
    int row;
    std::int32_t staticValue;
    std::int32_t value;
    std::int64_t cumulativeLeaves;
    double milliseconds = 0;  // the time this root move's search took
};

struct PlainRootResult {
    int bestColumn = -1;
    int bestRow = -1;
    std::int32_t searchValue = 0;
    std::int64_t leaves = 0;
    int depth = 0;
    std::vector<PlainRootMove> roots;  // in searched order
};

// A whole root search as the computer's move step (or the hint step) performs it.
PlainRootResult PlainRootSearch(const Board& board, std::uint8_t computer, std::uint8_t human,
                                int levelIndex, bool forHint);

}  // namespace flipstone::testing
