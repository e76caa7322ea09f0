#pragma once

#include <cstdint>

#include "engine/Board.h"
#include "engine/Evaluator.h"

namespace flipstone {

// Minimax with move ordering by static value and cut-offs against the parent's best only.
// Values are from the computer's side; the leaf count rises by one per evaluation.
class GameTreeSearch {
public:
    explicit GameTreeSearch(const Evaluator& evaluator) : evaluator_(evaluator) {}

    std::int32_t Search(const Board& board, std::uint8_t side, std::int32_t depth,
                        std::int32_t bound, std::int32_t& leafCount) const;

private:
    const Evaluator& evaluator_;
};

}  // namespace flipstone
