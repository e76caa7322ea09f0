#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace flipstone {

// The playable part of a RIFF/WAVE image: its PCM format and its samples. Only the "fmt " and
// "data" chunks are read; anything else inside the RIFF size is skipped.
struct PcmWave {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    // Points into the image that was read, so it lives as long as that image.
    std::span<const std::uint8_t> samples;

    // Empty when the image is not a PCM RIFF/WAVE image with both chunks (a data chunk
    // longer than the image is cut at the image's end).
    static std::optional<PcmWave> Read(std::span<const std::uint8_t> image);
};

}  // namespace flipstone
