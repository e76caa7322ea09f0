#include "engine/Evaluator.h"

namespace flipstone {

namespace {

constexpr int kCornerWeight = 32;
constexpr int kNeighbourWeight = 16;

// Each corner's index, then its diagonal and two edge neighbours (column-major indices).
constexpr int kCornerRegions[4][4] = {
    {0, 9, 8, 1}, {56, 49, 48, 57}, {7, 14, 15, 6}, {63, 54, 55, 62}};

}  // namespace

int Evaluator::CountLegalMoves(const Board& board, std::uint8_t colour) const {
    int count = 0;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            count += board.CanPlace(column, row, colour) ? 1 : 0;
        }
    }
    return count;
}

std::int32_t Evaluator::FinalScore(const Board& board) const {
    const int black = board.CountBlack();
    const int white = board.CountWhite();
    const int computerDiscs = computer_ == kBlack ? black : white;
    const int humanDiscs = computer_ == kBlack ? white : black;
    if (humanDiscs == 0) {
        return 1100;
    }
    if (computerDiscs == 0) {
        return -1100;
    }
    const int difference = computerDiscs - humanDiscs;
    return difference > 0 ? 1000 + difference : difference - 1000;
}

std::int32_t Evaluator::CornerTerms(const Board& board) const {
    std::int32_t value = 0;
    for (const auto& region : kCornerRegions) {
        const std::uint8_t corner = board.squares[region[0]];
        if (corner == computer_) {
            value += kCornerWeight;
        } else if (corner == human_) {
            value -= kCornerWeight;
        } else {
            for (int k = 1; k < 4; ++k) {
                const std::uint8_t neighbour = board.squares[region[k]];
                if (neighbour == computer_) {
                    value -= kNeighbourWeight;
                } else if (neighbour == human_) {
                    value += kNeighbourWeight;
                }
            }
        }
    }
    return value;
}

std::int32_t Evaluator::Evaluate(const Board& board, std::int32_t& leafCount) const {
    ++leafCount;
    const int humanMoves = CountLegalMoves(board, human_);
    const int computerMoves = CountLegalMoves(board, computer_);
    if (humanMoves == 0 && computerMoves == 0) {
        return FinalScore(board);
    }
    return computerMoves - humanMoves + CornerTerms(board);
}

}  // namespace flipstone
