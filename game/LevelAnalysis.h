#pragma once

#include <cstdint>
#include <functional>

#include "engine/Board.h"
#include "engine/MoveCandidate.h"
#include "engine/Square.h"

namespace flipstone {

// What one root search of a level is asked: the position, the computer's colour, the level, and
// whether it is the hint for the other colour.
struct AnalyseRequest {
    Board board{};
    std::uint8_t computer = kWhite;
    int level = 1;
    bool forHint = false;
};

// One root search's outcome: the move (column -1 for none), its value, the leaves, the depth.
struct AnalysisResult {
    Square best;
    std::int32_t value = 0;
    std::int64_t leaves = 0;
    int depth = 0;
};

// Told of each root move as it is searched: the move, its value, the leaves so far, its time.
using RootObserver =
    std::function<void(const MoveCandidate&, std::int32_t, std::int64_t, double milliseconds)>;

// Runs the request's root search step by step, exactly as the game runs it.
AnalysisResult Analyse(const AnalyseRequest& request, const RootObserver& onRoot);

// The square the game's computer plays for `side` at the level (1 to 4); column -1 for none.
Square GameMove(const Board& board, std::uint8_t side, int level);

}  // namespace flipstone
