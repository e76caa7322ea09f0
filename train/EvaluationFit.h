#pragma once

#include <ostream>
#include <vector>

#include "engine/strong/EvaluationWeights.h"
#include "train/PositionFile.h"

namespace flipstone::train {

// How the evaluation is fitted, stage by stage from the end of the game back to its start:
// each stage's positions are labelled first (exactly up to `exactEmpties` empty squares, by a
// search `depth` plies deep with the stages fitted so far beyond that), then its weights are
// fitted to them by least squares with a penalty `ridge` on each weight.
struct FitOptions {
    int exactEmpties = 20;
    int depth = 6;
    double ridge = 2.0;
    int steps = 150;  // of the conjugate gradients
    // A stage is fitted to the positions of its own empty squares, of `reachBelow` fewer and of
    // `reachAbove` more, those labelled by then: neighbouring stages then differ less.
    int reachBelow = 4;
    int reachAbove = 4;
    // Every holdoutEvery-th sample is left out of the fit and measured against it (0: none).
    int holdoutEvery = 0;
    int threads = 1;
};

// Labels the samples (those labelled already keep their value) and fits `weights` to them.
void FitEvaluation(std::vector<Sample>& samples, const FitOptions& options,
                   strong::EvaluationWeights& weights, std::ostream& progress);

// The value of each sample by the rule above with the weights as they are.
void LabelSamples(std::vector<Sample>& samples, const FitOptions& options,
                  const strong::EvaluationWeights& weights, std::ostream& progress);

// The mean absolute difference, in discs, between the evaluation and the samples' values.
double MeanError(const std::vector<Sample>& samples, const strong::EvaluationWeights& weights);

}  // namespace flipstone::train
