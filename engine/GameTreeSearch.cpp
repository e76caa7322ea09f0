#include "engine/GameTreeSearch.h"

#include <algorithm>

#include "engine/MoveCandidate.h"

namespace flipstone {

std::int32_t GameTreeSearch::Search(const Board& board, std::uint8_t side, std::int32_t depth,
                                    std::int32_t bound, std::int32_t& leafCount) const {
    if (depth <= 0) {
        return evaluator_.Evaluate(board, leafCount);
    }
    const bool computerNode = side == evaluator_.ComputerColour();
    const std::uint8_t mover =
        computerNode ? evaluator_.ComputerColour() : evaluator_.HumanColour();
    const std::uint8_t next = computerNode ? evaluator_.HumanColour() : evaluator_.ComputerColour();

    MoveCandidate candidates[64];
    Board children[64];
    int count = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (board.CanPlace(column, row, mover)) {
                MoveCandidate& candidate = candidates[count];
                candidate.column = column;
                candidate.row = row;
                candidate.index = count;
                children[count] = board;
                children[count].Place(column, row, mover);
                candidate.value = evaluator_.Evaluate(children[count], leafCount);
                ++count;
            }
        }
    }
    if (computerNode) {
        std::stable_sort(candidates, candidates + count,
                         [](const auto& a, const auto& b) { return a.value > b.value; });
    } else {
        std::stable_sort(candidates, candidates + count,
                         [](const auto& a, const auto& b) { return a.value < b.value; });
    }

    std::int32_t best = computerNode ? Evaluator::kLowest : Evaluator::kHighest;
    for (int i = 0; i < count; ++i) {
        const std::int32_t value =
            Search(children[candidates[i].index], next, depth - 1, best, leafCount);
        const bool better = computerNode ? value > best : value < best;
        if (better) {
            const bool cutOff = computerNode ? value > bound : value < bound;
            if (cutOff) {
                return value;
            }
            best = value;
        }
    }
    if (count == 0) {
        return Search(board, next, depth - 1, best, leafCount);
    }
    return best;
}

}  // namespace flipstone
