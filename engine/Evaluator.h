#pragma once

#include <cstdint>

#include "engine/Board.h"

namespace flipstone {

// Scores a board from the computer's side: mobility and corners while a side can move, the
// final disc count once neither can. Every call counts as one leaf.
class Evaluator {
public:
    // The search's starting values; never a score.
    static constexpr std::int32_t kLowest = -9999;
    static constexpr std::int32_t kHighest = 9999;

    Evaluator(std::uint8_t computerColour, std::uint8_t humanColour)
        : computer_(computerColour), human_(humanColour) {}

    std::int32_t Evaluate(const Board& board, std::int32_t& leafCount) const;

    // The score of a position in which neither side can move.
    std::int32_t FinalScore(const Board& board) const;

    std::uint8_t ComputerColour() const { return computer_; }
    std::uint8_t HumanColour() const { return human_; }

private:
    int CountLegalMoves(const Board& board, std::uint8_t colour) const;
    std::int32_t CornerTerms(const Board& board) const;

    std::uint8_t computer_;
    std::uint8_t human_;
};

}  // namespace flipstone
