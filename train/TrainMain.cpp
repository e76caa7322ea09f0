// flipstone-train: makes the strongest player's evaluation from its own games (see
// scripts/make-evaluation, which runs these steps from a seed).
//
//   selfplay --games N --seed S --out FILE [--weights W] [--depth D] [--random-plies R]
//            [--epsilon E] [--threads T]
//   fit      --samples FILE --out WEIGHTS [--weights W] [--exact-empties E] [--depth D]
//            [--ridge L] [--steps S] [--reach-below R] [--reach-above R] [--holdout-every N]
//            [--threads T]
//            [--labelled FILE]
//   merge    --in FILE,FILE... --out FILE    (each position once, a labelled copy first)
//   label    --samples FILE --out FILE [--weights W] [--exact-empties E] [--depth D] [--threads T]
//   pick     --samples FILE --out FILE --from A --to B --each N --seed S
//   export   --samples FILE --out TEXT --header TEXT
//   error    --text FILE [--weights W]  (the built-in weights without --weights)
//   probcut  --samples FILE --weights W --out WEIGHTS [--exact-empties E] [--threads T]
//   openings --count N --seed S --out FILE [--weights W] [--plies P] [--depth D] [--within V]

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

#include "train/BalancedOpenings.h"
#include "train/EvaluationFit.h"
#include "train/PositionFile.h"
#include "train/ProbCutFit.h"
#include "train/SelfPlay.h"

namespace {

using namespace flipstone;
using namespace flipstone::train;

using Options = std::map<std::string, std::string>;

Options Read(int argc, char** argv) {
    Options options;
    for (int i = 2; i + 1 < argc; i += 2) {
        options[argv[i]] = argv[i + 1];
    }
    return options;
}

std::string Get(const Options& options, const std::string& name, const std::string& fallback = "") {
    const auto found = options.find(name);
    if (found != options.end()) {
        return found->second;
    }
    if (fallback.empty()) {
        throw std::runtime_error("missing " + name);
    }
    return fallback;
}

strong::EvaluationWeights WeightsOf(const Options& options) {
    const auto found = options.find("--weights");
    if (found == options.end()) {
        return strong::EvaluationWeights();
    }
    std::optional<strong::EvaluationWeights> weights =
        strong::EvaluationWeights::Load(found->second);
    if (!weights) {
        throw std::runtime_error("cannot read the weights " + found->second);
    }
    return *weights;
}

FitOptions FitOptionsOf(const Options& options) {
    FitOptions fit;
    fit.exactEmpties = std::stoi(Get(options, "--exact-empties", "20"));
    fit.depth = std::stoi(Get(options, "--depth", "6"));
    fit.ridge = std::stod(Get(options, "--ridge", "2"));
    fit.threads = std::stoi(Get(options, "--threads", "1"));
    fit.steps = std::stoi(Get(options, "--steps", "150"));
    fit.reachBelow = std::stoi(Get(options, "--reach-below", "4"));
    fit.reachAbove = std::stoi(Get(options, "--reach-above", "4"));
    fit.holdoutEvery = std::stoi(Get(options, "--holdout-every", "0"));
    return fit;
}

int Run(const std::string& command, const Options& options) {
    if (command == "selfplay") {
        const strong::EvaluationWeights weights = WeightsOf(options);
        SelfPlayOptions play;
        play.games = std::stoi(Get(options, "--games"));
        play.seed = std::stoull(Get(options, "--seed"));
        play.depth = std::stoi(Get(options, "--depth", "4"));
        play.randomPlies = std::stoi(Get(options, "--random-plies", "8"));
        play.epsilon = std::stod(Get(options, "--epsilon", "0.1"));
        play.threads = std::stoi(Get(options, "--threads", "1"));
        play.weights = options.count("--weights") != 0 ? &weights : nullptr;
        const std::vector<Sample> samples = PlaySelf(play, std::cerr);
        WriteSamples(Get(options, "--out"), samples);
        std::cerr << "selfplay: " << samples.size() << " positions" << std::endl;
        return 0;
    }
    if (command == "fit") {
        strong::EvaluationWeights weights = WeightsOf(options);
        std::vector<Sample> samples = ReadSamples(Get(options, "--samples"));
        FitEvaluation(samples, FitOptionsOf(options), weights, std::cerr);
        if (options.count("--labelled") != 0) {
            WriteSamples(options.at("--labelled"), samples);
        }
        return weights.Save(Get(options, "--out")) ? 0 : 1;
    }
    if (command == "label") {
        const strong::EvaluationWeights weights = WeightsOf(options);
        std::vector<Sample> samples = ReadSamples(Get(options, "--samples"));
        LabelSamples(samples, FitOptionsOf(options), weights, std::cerr);
        WriteSamples(Get(options, "--out"), samples);
        return 0;
    }
    if (command == "pick") {
        const std::vector<Sample> samples = ReadSamples(Get(options, "--samples"));
        std::mt19937_64 random(std::stoull(Get(options, "--seed")));
        const int from = std::stoi(Get(options, "--from"));
        const int to = std::stoi(Get(options, "--to"));
        const int each = std::stoi(Get(options, "--each"));
        std::vector<Sample> picked;
        for (int empties = from; empties <= to; ++empties) {
            std::vector<Sample> pool;
            for (const Sample& sample : samples) {
                if (sample.Empties() == empties) {
                    pool.push_back(sample);
                }
            }
            std::shuffle(pool.begin(), pool.end(), random);
            pool.resize(std::min<std::size_t>(pool.size(), static_cast<std::size_t>(each)));
            picked.insert(picked.end(), pool.begin(), pool.end());
        }
        WriteSamples(Get(options, "--out"), picked);
        return 0;
    }
    if (command == "merge") {
        std::vector<Sample> all;
        std::string files = Get(options, "--in") + ",";
        for (std::size_t at = 0, comma; (comma = files.find(',', at)) != std::string::npos;
             at = comma + 1) {
            const std::vector<Sample> some = ReadSamples(files.substr(at, comma - at));
            all.insert(all.end(), some.begin(), some.end());
        }
        std::stable_sort(all.begin(), all.end(), [](const Sample& a, const Sample& b) {
            return a < b || (a == b && a.value != Sample::kUnknown && b.value == Sample::kUnknown);
        });
        all.erase(std::unique(all.begin(), all.end()), all.end());
        WriteSamples(Get(options, "--out"), all);
        std::cerr << "merge: " << all.size() << " positions" << std::endl;
        return 0;
    }
    if (command == "export") {
        std::string header = Get(options, "--header");
        for (std::size_t at = 0; (at = header.find("\\n", at)) != std::string::npos;) {
            header.replace(at, 2, "\n");
        }
        WriteSampleText(Get(options, "--out"), ReadSamples(Get(options, "--samples")), header);
        return 0;
    }
    if (command == "error") {
        const strong::EvaluationWeights weights = options.count("--weights") != 0
                                                      ? WeightsOf(options)
                                                      : strong::EvaluationWeights::BuiltIn();
        const std::vector<Sample> samples = ReadSampleText(Get(options, "--text"));
        std::map<int, std::vector<Sample>> byEmpties;
        for (const Sample& sample : samples) {
            byEmpties[sample.Empties()].push_back(sample);
        }
        for (const auto& [empties, group] : byEmpties) {
            std::cout << "{\"empties\":" << empties << ",\"positions\":" << group.size()
                      << ",\"mean_error\":" << MeanError(group, weights) << "}\n";
        }
        std::cout << "{\"positions\":" << samples.size()
                  << ",\"mean_error\":" << MeanError(samples, weights) << "}" << std::endl;
        return 0;
    }
    if (command == "probcut") {
        strong::EvaluationWeights weights = WeightsOf(options);
        const std::vector<Sample> samples = ReadSamples(Get(options, "--samples"));
        FitProbCut(samples, std::stoi(Get(options, "--exact-empties", "18")),
                   std::stoi(Get(options, "--threads", "1")), weights, std::cerr);
        return weights.Save(Get(options, "--out")) ? 0 : 1;
    }
    if (command == "openings") {
        const strong::EvaluationWeights weights = WeightsOf(options);
        std::ofstream out(Get(options, "--out"));
        for (const std::string& opening : BalancedOpenings(
                 std::stoi(Get(options, "--count")), std::stoi(Get(options, "--plies", "8")),
                 std::stoi(Get(options, "--depth", "12")), std::stoi(Get(options, "--within", "2")),
                 std::stoull(Get(options, "--seed")), weights)) {
            out << opening << "\n";
        }
        return out ? 0 : 1;
    }
    throw std::runtime_error("unknown command " + command);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: flipstone-train selfplay|fit|label|pick|error|probcut|openings "
                     "--option value..."
                  << std::endl;
        return 2;
    }
    try {
        return Run(argv[1], Read(argc, argv));
    } catch (const std::exception& error) {
        std::cerr << "flipstone-train: " << error.what() << std::endl;
        return 2;
    }
}
