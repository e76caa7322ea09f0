#include "train/EvaluationFit.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "engine/strong/EvaluationLayout.h"
#include "engine/strong/PatternSymmetry.h"
#include "engine/strong/StrongKernel.h"
#include "engine/strong/StrongSearch.h"
#include "train/InParallel.h"

namespace flipstone::train {

namespace {

using namespace strong::layout;

// A search's table while labelling; cleared before each depth-limited search, whose value it
// could otherwise change.
constexpr int kLabelTableBits = 20;

// For each weight of a stage, the one weight the fit gives it and its symmetric twin.
std::vector<int> CanonicalWeights() {
    std::vector<int> canonical(kStageSize);
    for (int k = 0; k < kStageSize; ++k) {
        canonical[k] = k;
    }
    for (int pattern = 0; pattern < kPatterns; ++pattern) {
        const int offset = PatternOffset(pattern);
        for (int index = 0; index < kPatternSizes[pattern]; ++index) {
            canonical[offset + index] =
                offset + std::min(index, strong::SymmetricIndex(pattern, index));
        }
    }
    return canonical;
}

void Label(std::vector<Sample*>& todo, const FitOptions& options,
           const strong::EvaluationWeights& weights) {
    std::vector<std::unique_ptr<strong::StrongSearch>> searches;
    for (int t = 0; t < options.threads; ++t) {
        searches.push_back(std::make_unique<strong::StrongSearch>(kLabelTableBits, 1, weights));
    }
    InParallel(options.threads, static_cast<int>(todo.size()), [&](int t, int i) {
        Sample& sample = *todo[i];
        strong::StrongSearch& search = *searches[t];
        if (sample.Empties() <= options.exactEmpties) {
            sample.value = search.Solve(sample.mover, sample.other).value;
        } else {
            search.ClearTable();
            sample.value = search.SearchToDepth(sample.mover, sample.other, options.depth).value;
        }
    });
}

// Least squares with a ridge penalty by conjugate gradients: each sample's prediction is the sum
// of its features' weights.
std::vector<double> Solve(const std::vector<std::uint32_t>& features,
                          const std::vector<double>& targets, double ridge, int steps) {
    const std::size_t samples = targets.size();
    std::vector<double> x(kStageSize, 0.0);
    auto apply = [&](const std::vector<double>& v, std::vector<double>& out) {
        std::fill(out.begin(), out.end(), 0.0);
        for (std::size_t i = 0; i < samples; ++i) {
            const std::uint32_t* f = &features[i * kFeatures];
            double sum = 0;
            for (int k = 0; k < kFeatures; ++k) {
                sum += v[f[k]];
            }
            for (int k = 0; k < kFeatures; ++k) {
                out[f[k]] += sum;
            }
        }
        for (int k = 0; k < kStageSize; ++k) {
            out[k] += ridge * v[k];
        }
    };
    std::vector<double> r(kStageSize, 0.0);
    for (std::size_t i = 0; i < samples; ++i) {
        for (int k = 0; k < kFeatures; ++k) {
            r[features[i * kFeatures + k]] += targets[i];
        }
    }
    std::vector<double> p = r;
    std::vector<double> ap(kStageSize);
    auto dot = [](const std::vector<double>& a, const std::vector<double>& b) {
        double sum = 0;
        for (std::size_t k = 0; k < a.size(); ++k) {
            sum += a[k] * b[k];
        }
        return sum;
    };
    double rr = dot(r, r);
    const double start = rr;
    for (int step = 0; step < steps && rr > start * 1e-12; ++step) {
        apply(p, ap);
        const double alpha = rr / dot(p, ap);
        for (int k = 0; k < kStageSize; ++k) {
            x[k] += alpha * p[k];
            r[k] -= alpha * ap[k];
        }
        const double next = dot(r, r);
        for (int k = 0; k < kStageSize; ++k) {
            p[k] = r[k] + next / rr * p[k];
        }
        rr = next;
    }
    return x;
}

double ErrorOf(const std::int16_t* stageWeights, const std::vector<std::uint32_t>& features,
               const std::vector<double>& targets) {
    double error = 0;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        double sum = 0;
        for (int k = 0; k < kFeatures; ++k) {
            sum += stageWeights[features[i * kFeatures + k]];
        }
        error += std::abs(sum / kWeightScale - targets[i]);
    }
    return targets.empty() ? 0.0 : error / static_cast<double>(targets.size());
}

void FitStage(int stage, const std::vector<Sample>& samples, const FitOptions& options,
              const std::vector<int>& canonical, strong::EvaluationWeights& weights,
              std::ostream& progress) {
    const int lowest = std::max(1, stage * kEmptiesPerStage + 1 - options.reachBelow);
    const int highest = stage * kEmptiesPerStage + kEmptiesPerStage + options.reachAbove;
    std::vector<std::uint32_t> features[2];
    std::vector<double> targets[2];
    std::uint32_t row[kFeatures];
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const Sample& sample = samples[i];
        const int empties = sample.Empties();
        if (empties < lowest || empties > highest || sample.value == Sample::kUnknown) {
            continue;
        }
        const int set = options.holdoutEvery > 0 && i % options.holdoutEvery == 0 ? 1 : 0;
        strong::StrongKernel::Best().features(sample.mover, sample.other, row);
        for (const std::uint32_t feature : row) {
            features[set].push_back(static_cast<std::uint32_t>(canonical[feature]));
        }
        targets[set].push_back(sample.value);
    }
    const std::vector<double> fitted = Solve(features[0], targets[0], options.ridge, options.steps);
    std::int16_t* out = weights.MutableWeights() + static_cast<std::size_t>(stage) * kStageSize;
    for (int k = 0; k < kStageSize; ++k) {
        const double scaled = std::round(fitted[canonical[k]] * kWeightScale);
        out[k] = static_cast<std::int16_t>(std::clamp(scaled, -32767.0, 32767.0));
    }
    progress << "fit: stage " << stage << " (" << lowest << ".." << highest << " empty), "
             << targets[0].size() << " positions, error " << ErrorOf(out, features[0], targets[0])
             << " discs";
    if (!targets[1].empty()) {
        progress << ", on " << targets[1].size() << " held out "
                 << ErrorOf(out, features[1], targets[1]) << " discs";
    }
    progress << std::endl;
}

}  // namespace

void LabelSamples(std::vector<Sample>& samples, const FitOptions& options,
                  const strong::EvaluationWeights& weights, std::ostream& progress) {
    std::vector<Sample*> todo;
    for (Sample& sample : samples) {
        if (sample.value == Sample::kUnknown) {
            todo.push_back(&sample);
        }
    }
    Label(todo, options, weights);
    progress << "label: " << todo.size() << " positions" << std::endl;
}

void FitEvaluation(std::vector<Sample>& samples, const FitOptions& options,
                   strong::EvaluationWeights& weights, std::ostream& progress) {
    const std::vector<int> canonical = CanonicalWeights();
    for (int stage = 0; stage < kStages; ++stage) {
        std::vector<Sample*> todo;
        for (Sample& sample : samples) {
            if (StageOf(sample.Empties()) == stage && sample.value == Sample::kUnknown) {
                todo.push_back(&sample);
            }
        }
        Label(todo, options, weights);
        progress << "label: stage " << stage << ", " << todo.size() << " positions" << std::endl;
        FitStage(stage, samples, options, canonical, weights, progress);
    }
}

double MeanError(const std::vector<Sample>& samples, const strong::EvaluationWeights& weights) {
    double error = 0;
    for (const Sample& sample : samples) {
        error += std::abs(
            strong::StrongKernel::Best().evaluate(weights.Weights(), sample.mover, sample.other) -
            sample.value);
    }
    return samples.empty() ? 0.0 : error / static_cast<double>(samples.size());
}

}  // namespace flipstone::train
