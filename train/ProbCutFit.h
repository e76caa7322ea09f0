#pragma once

#include <ostream>
#include <vector>

#include "engine/strong/EvaluationWeights.h"
#include "train/PositionFile.h"

namespace flipstone::train {

// Measures, on samples, how far deep searches stray from the shallow ones that Multi-ProbCut
// trusts, and exact values (the labels of samples with at most `exactEmpties` empty squares)
// from a shallow search near the end; writes the spreads into the weights' ProbCutTable.
void FitProbCut(const std::vector<Sample>& samples, int exactEmpties, int threads,
                strong::EvaluationWeights& weights, std::ostream& progress);

}  // namespace flipstone::train
