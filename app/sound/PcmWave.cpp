#include "app/sound/PcmWave.h"

#include <algorithm>
#include <cstring>

namespace flipstone {
namespace {

constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kFormatBytes = 16;
constexpr std::uint16_t kPcmFormatTag = 1;

std::uint16_t U16At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(U16At(bytes, offset)) |
           (static_cast<std::uint32_t>(U16At(bytes, offset + 2)) << 16);
}

bool TagAt(std::span<const std::uint8_t> bytes, std::size_t offset, const char (&tag)[5]) {
    return std::memcmp(bytes.data() + offset, tag, 4) == 0;
}

bool ReadFormat(std::span<const std::uint8_t> body, PcmWave& wave) {
    if (body.size() < kFormatBytes || U16At(body, 0) != kPcmFormatTag) {
        return false;
    }
    wave.channels = U16At(body, 2);
    wave.sampleRate = U32At(body, 4);
    wave.bitsPerSample = U16At(body, 14);
    return wave.channels > 0 && wave.sampleRate > 0 &&
           (wave.bitsPerSample == 8 || wave.bitsPerSample == 16);
}

}  // namespace

std::optional<PcmWave> PcmWave::Read(std::span<const std::uint8_t> image) {
    if (image.size() < kRiffHeaderBytes || !TagAt(image, 0, "RIFF") || !TagAt(image, 8, "WAVE")) {
        return std::nullopt;
    }
    const std::size_t end = std::min<std::size_t>(image.size(), std::size_t{U32At(image, 4)} + 8);
    PcmWave wave;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t offset = kRiffHeaderBytes;
    while (offset + kChunkHeaderBytes <= end && !(haveFormat && haveData)) {
        const std::size_t bodyStart = offset + kChunkHeaderBytes;
        const std::size_t bodySize =
            std::min<std::size_t>(U32At(image, offset + 4), end - bodyStart);
        const std::span<const std::uint8_t> body = image.subspan(bodyStart, bodySize);
        if (TagAt(image, offset, "fmt ")) {
            haveFormat = ReadFormat(body, wave);
            if (!haveFormat) {
                return std::nullopt;
            }
        } else if (TagAt(image, offset, "data")) {
            wave.samples = body;
            haveData = true;
        }
        offset = bodyStart + bodySize + (bodySize & 1);
    }
    if (!haveFormat || !haveData) {
        return std::nullopt;
    }
    const std::size_t frameBytes = std::size_t{wave.channels} * (wave.bitsPerSample / 8);
    wave.samples = wave.samples.first(wave.samples.size() - wave.samples.size() % frameBytes);
    return wave;
}

}  // namespace flipstone
