#include "train/ProbCutFit.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/strong/StrongSearch.h"
#include "train/InParallel.h"

namespace flipstone::train {

namespace {

// The deepest search measured: the spreads of deeper ones follow from the fitted model.
constexpr int kMeasuredDepth = 10;
constexpr int kPositionsPerEmpties = 12;
constexpr int kTableBits = 18;

// A least-squares fit sigma = a + b * empties + c * depth over the measured spreads.
struct SpreadModel {
    double a = 0;
    double b = 0;
    double c = 0;

    double At(int empties, int depth) const { return std::max(1.0, a + b * empties + c * depth); }
};

SpreadModel FitModel(const std::vector<std::array<double, 3>>& points) {
    // Normal equations of the 3 unknowns, solved by Cramer's rule.
    double m[3][3] = {};
    double v[3] = {};
    // A little weight on each coefficient keeps the system solvable when a column is all zero.
    for (int i = 0; i < 3; ++i) {
        m[i][i] = 1e-6;
    }
    for (const auto& [empties, depth, sigma] : points) {
        const double x[3] = {1, empties, depth};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                m[i][j] += x[i] * x[j];
            }
            v[i] += x[i] * sigma;
        }
    }
    auto det = [](double a[3][3]) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
               a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double whole = det(m);
    double coefficients[3] = {};
    for (int k = 0; k < 3; ++k) {
        double replaced[3][3];
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                replaced[i][j] = j == k ? v[i] : m[i][j];
            }
        }
        coefficients[k] = whole != 0 ? det(replaced) / whole : 0;
    }
    return {coefficients[0], coefficients[1], coefficients[2]};
}

}  // namespace

void FitProbCut(const std::vector<Sample>& samples, int exactEmpties, int threads,
                strong::EvaluationWeights& weights, std::ostream& progress) {
    // Up to kPositionsPerEmpties samples of each count of empty squares, spread over the file.
    std::vector<const Sample*> chosen;
    std::array<int, 61> taken{};
    for (std::size_t i = 0; i < samples.size(); i += 7) {
        const int empties = samples[i].Empties();
        if (empties >= 12 && taken[empties] < kPositionsPerEmpties) {
            ++taken[empties];
            chosen.push_back(&samples[i]);
        }
    }
    const strong::EvaluationWeights measured = weights;
    std::vector<std::unique_ptr<strong::StrongSearch>> searches;
    for (int t = 0; t < threads; ++t) {
        searches.push_back(std::make_unique<strong::StrongSearch>(kTableBits, 1, measured));
    }
    // values[i][d]: sample i searched d plies deep.
    std::vector<std::array<int, kMeasuredDepth + 1>> values(chosen.size());
    InParallel(threads, static_cast<int>(chosen.size()), [&](int t, int i) {
        strong::StrongSearch& search = *searches[t];
        const Sample& sample = *chosen[i];
        search.ClearTable();
        values[i][0] = search.Evaluate(sample.mover, sample.other);
        for (int depth = 1; depth <= kMeasuredDepth; ++depth) {
            values[i][depth] = search.SearchToDepth(sample.mover, sample.other, depth).value;
        }
    });
    std::vector<std::array<double, 3>> midgame;
    std::vector<std::array<double, 3>> endgame;
    for (int empties = 12; empties <= 60; empties += 4) {
        for (int depth = strong::ProbCutTable::kMinDepth; depth <= kMeasuredDepth; ++depth) {
            double sum = 0;
            int count = 0;
            for (std::size_t i = 0; i < chosen.size(); ++i) {
                const int e = chosen[i]->Empties();
                if (e >= empties && e < empties + 4 && depth < e) {
                    const double d =
                        values[i][depth] - values[i][strong::ProbCutTable::kShallowDepth[depth]];
                    sum += d * d;
                    ++count;
                }
            }
            if (count >= 8) {
                midgame.push_back(
                    {empties + 1.5, static_cast<double>(depth), std::sqrt(sum / count)});
            }
        }
        double sum = 0;
        int count = 0;
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            const int e = chosen[i]->Empties();
            if (e >= empties && e < empties + 4 && e <= exactEmpties &&
                chosen[i]->value != Sample::kUnknown) {
                const double d =
                    chosen[i]->value - values[i][strong::ProbCutTable::kEndShallowDepth];
                sum += d * d;
                ++count;
            }
        }
        if (count >= 8) {
            endgame.push_back({empties + 1.5, 0.0, std::sqrt(sum / count)});
        }
    }
    const SpreadModel model = FitModel(midgame);
    SpreadModel endModel = FitModel(endgame);
    progress << "probcut: midgame sigma = " << model.a << " + " << model.b << " * empties + "
             << model.c << " * depth (" << midgame.size()
             << " points); endgame sigma = " << endModel.a << " + " << endModel.b << " * empties ("
             << endgame.size() << " points)" << std::endl;
    strong::ProbCutTable& table = weights.MutableProbCut();
    constexpr double kScale = strong::ProbCutTable::kScale;
    for (int empties = 0; empties <= 60; ++empties) {
        for (int depth = strong::ProbCutTable::kMinDepth;
             depth <= strong::ProbCutTable::kMaxDepth && depth < empties; ++depth) {
            table.sigma[empties][depth] =
                static_cast<std::uint16_t>(std::lround(model.At(empties, depth) * kScale));
        }
        if (empties >= 12) {
            table.endSigma[empties] =
                static_cast<std::uint16_t>(std::lround(endModel.At(empties, 0) * kScale));
        }
    }
}

}  // namespace flipstone::train
