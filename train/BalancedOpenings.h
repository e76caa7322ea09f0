#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/strong/EvaluationWeights.h"

namespace flipstone::train {

// Random openings of `plies` moves whose value, by a search `depth` plies deep with the
// weights, lies within `within` discs of even: fair starts for matches, played once with each
// colour. Each is a move list as flipstone-cli match reads it ("f5d6c3d3c4f4c5b3").
std::vector<std::string> BalancedOpenings(int count, int plies, int depth, int within,
                                          std::uint64_t seed,
                                          const strong::EvaluationWeights& weights);

}  // namespace flipstone::train
