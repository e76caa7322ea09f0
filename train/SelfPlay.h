#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "engine/strong/EvaluationWeights.h"
#include "train/PositionFile.h"

namespace flipstone::train {

// Games of the strongest player against itself: each opens with `randomPlies` random moves,
// then plays the best move of a search `depth` plies deep with the given weights, or with
// probability `epsilon` a random one. Game g of a seed is always the same game.
struct SelfPlayOptions {
    int games = 0;
    std::uint64_t seed = 1;
    int depth = 4;
    int randomPlies = 8;
    double epsilon = 0.1;
    int threads = 1;
    const strong::EvaluationWeights* weights = nullptr;
};

// Every position of the games where the side to move has a move, once each (unlabelled).
std::vector<Sample> PlaySelf(const SelfPlayOptions& options, std::ostream& progress);

}  // namespace flipstone::train
