#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/strong/StrongKernel.h"

namespace flipstone::strong {

// The evaluation's weights (EvaluationLayout.h) and the Multi-ProbCut spreads fitted with them.
// The program carries its own in its binary (engine/strong/evaluation.weights, made by
// scripts/make-evaluation); the fitting reads and writes such files. The file is a header
// ("FLIPSTONE-EVAL 1", the stages and the weights per stage, each a 32-bit little-endian
// number), the ProbCutTable, then every stage's weights as 16-bit little-endian numbers.
class EvaluationWeights {
public:
    // All weights 0: every position evaluates as even; no node is cut on a guess.
    EvaluationWeights();

    // The weights built into the program (all 0 in a build made without them).
    static const EvaluationWeights& BuiltIn();
    // The weights of a file; nothing when it cannot be read or is not such a file.
    static std::optional<EvaluationWeights> Load(const std::string& path);
    bool Save(const std::string& path) const;

    const std::int16_t* Weights() const { return weights_.data(); }
    std::int16_t* MutableWeights() { return weights_.data(); }
    // Null when no spread was measured: the searches then cut nothing on a guess.
    const ProbCutTable* ProbCut() const { return hasProbCut_ ? &probCut_ : nullptr; }
    ProbCutTable& MutableProbCut();

    static std::optional<EvaluationWeights> FromBytes(const unsigned char* bytes, std::size_t size);

private:
    std::vector<std::int16_t> weights_;
    ProbCutTable probCut_;
    bool hasProbCut_ = false;
};

}  // namespace flipstone::strong
