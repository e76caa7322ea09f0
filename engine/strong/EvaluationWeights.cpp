#include "engine/strong/EvaluationWeights.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "engine/strong/EvaluationLayout.h"

#if FLIPSTONE_HAVE_WEIGHTS
// The weights file, built into the program's read-only data.
__asm__(
    ".pushsection .rodata\n"
    ".balign 64\n"
    ".hidden flipstone_strong_weights\n"
    ".globl flipstone_strong_weights\n"
    "flipstone_strong_weights:\n"
    ".incbin \"" FLIPSTONE_WEIGHTS_FILE
    "\"\n"
    ".hidden flipstone_strong_weights_end\n"
    ".globl flipstone_strong_weights_end\n"
    "flipstone_strong_weights_end:\n"
    ".popsection\n");
extern "C" const unsigned char flipstone_strong_weights[];
extern "C" const unsigned char flipstone_strong_weights_end[];
#endif

namespace flipstone::strong {

namespace {

constexpr char kMagic[16] = {'F', 'L', 'I', 'P', 'S', 'T', 'O', 'N',
                             'E', '-', 'E', 'V', 'A', 'L', ' ', '1'};
constexpr std::size_t kHeaderSize = sizeof(kMagic) + 8;
constexpr std::size_t kWeightCount = static_cast<std::size_t>(layout::kStages) * layout::kStageSize;

std::uint32_t ReadWord(const unsigned char* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void WriteWord(std::string& out, std::uint32_t word) {
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((word >> (8 * i)) & 0xFF);
    }
}

}  // namespace

EvaluationWeights::EvaluationWeights() : weights_(kWeightCount) {}

ProbCutTable& EvaluationWeights::MutableProbCut() {
    hasProbCut_ = true;
    return probCut_;
}

std::optional<EvaluationWeights> EvaluationWeights::FromBytes(const unsigned char* bytes,
                                                              std::size_t size) {
    constexpr std::size_t kProbCutBytes = sizeof(ProbCutTable);
    if (size != kHeaderSize + kProbCutBytes + kWeightCount * 2 ||
        std::memcmp(bytes, kMagic, sizeof(kMagic)) != 0 ||
        ReadWord(bytes + 16) != static_cast<std::uint32_t>(layout::kStages) ||
        ReadWord(bytes + 20) != static_cast<std::uint32_t>(layout::kStageSize)) {
        return std::nullopt;
    }
    EvaluationWeights weights;
    std::memcpy(static_cast<void*>(&weights.MutableProbCut()), bytes + kHeaderSize, kProbCutBytes);
    const unsigned char* data = bytes + kHeaderSize + kProbCutBytes;
    std::int16_t* out = weights.MutableWeights();
    for (std::size_t i = 0; i < kWeightCount; ++i) {
        out[i] = static_cast<std::int16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    bool anySpread = false;
    for (const auto& row : weights.probCut_.sigma) {
        for (const std::uint16_t sigma : row) {
            anySpread = anySpread || sigma != 0;
        }
    }
    weights.hasProbCut_ = anySpread;
    return weights;
}

const EvaluationWeights& EvaluationWeights::BuiltIn() {
#if FLIPSTONE_HAVE_WEIGHTS
    static const EvaluationWeights builtIn =
        FromBytes(flipstone_strong_weights,
                  static_cast<std::size_t>(flipstone_strong_weights_end - flipstone_strong_weights))
            .value_or(EvaluationWeights());
#else
    static const EvaluationWeights builtIn;
#endif
    return builtIn;
}

std::optional<EvaluationWeights> EvaluationWeights::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return FromBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

bool EvaluationWeights::Save(const std::string& path) const {
    std::string out(kMagic, sizeof(kMagic));
    WriteWord(out, layout::kStages);
    WriteWord(out, layout::kStageSize);
    out.append(reinterpret_cast<const char*>(&probCut_), sizeof(ProbCutTable));
    for (std::size_t i = 0; i < kWeightCount; ++i) {
        const auto word = static_cast<std::uint16_t>(weights_[i]);
        out += static_cast<char>(word & 0xFF);
        out += static_cast<char>(word >> 8);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

}  // namespace flipstone::strong
