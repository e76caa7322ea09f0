#pragma once

#include <cstdint>

namespace flipstone::strong {

// The shape of the strongest player's evaluation: a table of weights per game stage, each the sum
// of the weights of the patterns seen on the board (every pattern at each of its places on the
// board, in the orientation that brings it to its first place), of the side to move's and the
// opponent's number of legal moves, and a constant. A pattern's index counts its squares as
// digits in base 3 (0 empty, 1 the side to move's, 2 the opponent's), its first square the
// lowest digit. The weights are in 1/kWeightScale discs; the sum is the final disc difference
// the side to move can expect.
namespace layout {

// The patterns, with their squares at the first place (a1 top left, bit row * 8 + column):
//   edge and X-squares  a1..h1, b2, g2        4 places
//   corner block 3x3    a1..c1, a2..c2, a3..c3 4 places
//   corner block 2x5    a1..e1, a2..e2         8 places
//   second, third, fourth line  a2..h2 etc.    4 places each
//   diagonals of 8, 7, 6, 5, 4 squares         2, then 4 places each
constexpr int kPatterns = 11;
constexpr int kPatternSizes[kPatterns] = {59049, 19683, 59049, 6561, 6561, 6561,
                                          6561,  2187,  729,   243,  81};
constexpr int kPatternPlaces[kPatterns] = {4, 4, 8, 4, 4, 4, 2, 4, 4, 4, 4};
constexpr int kPlaces = 46;
// Legal moves count up to this; more count as this many.
constexpr int kMobilityCap = 31;
constexpr int kMobilitySize = kMobilityCap + 1;

constexpr int PatternOffset(int pattern) {
    int offset = 0;
    for (int i = 0; i < pattern; ++i) {
        offset += kPatternSizes[i];
    }
    return offset;
}

constexpr int kMoverMobilityOffset = PatternOffset(kPatterns);
constexpr int kOtherMobilityOffset = kMoverMobilityOffset + kMobilitySize;
constexpr int kBiasOffset = kOtherMobilityOffset + kMobilitySize;
// The weights of one stage.
constexpr int kStageSize = kBiasOffset + 1;
// The weights one position adds up: one per pattern place, two mobilities and the constant.
constexpr int kFeatures = kPlaces + 3;

// A stage spans this many empty squares: stage 0 holds 1 to 4 empty squares, stage 14 57 to 60.
constexpr int kEmptiesPerStage = 4;
constexpr int kStages = 15;
constexpr int StageOf(int empties) {
    const int stage = (empties - 1) / kEmptiesPerStage;
    return stage < 0 ? 0 : stage >= kStages ? kStages - 1 : stage;
}

constexpr int kWeightScale = 32;

}  // namespace layout
}  // namespace flipstone::strong
