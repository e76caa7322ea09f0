#include "app/sound/WaveImages.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "game/CFlipstoneDoc.h"

namespace flipstone {
namespace {

constexpr std::uint32_t kDiscCueRate = 11025;
constexpr std::size_t kDiscCueSamples = 145;
// The disc cue's odd data chunk is followed by a pad byte and 12 silent bytes, all inside the
// RIFF size, which makes the image 202 bytes long.
constexpr std::size_t kDiscCueTrailingBytes = 13;
constexpr std::uint8_t kSilence8 = 128;

constexpr std::uint32_t kStartCueRate = 44100;
constexpr std::size_t kStartCueSamples = 28710;

class WaveWriter {
public:
    WaveWriter(std::uint32_t sampleRate, std::uint16_t bitsPerSample, std::size_t dataBytes,
               std::size_t trailingBytes) {
        const std::size_t total = 44 + dataBytes + trailingBytes;
        bytes_.reserve(total);
        Text("RIFF");
        U32(static_cast<std::uint32_t>(total - 8));
        Text("WAVE");
        Text("fmt ");
        U32(16);
        const std::uint16_t blockAlign = bitsPerSample / 8;
        U16(1);
        U16(1);
        U32(sampleRate);
        U32(sampleRate * blockAlign);
        U16(blockAlign);
        U16(bitsPerSample);
        Text("data");
        U32(static_cast<std::uint32_t>(dataBytes));
    }

    void U8(std::uint8_t value) { bytes_.push_back(value); }
    void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    void Text(const char (&tag)[5]) { bytes_.insert(bytes_.end(), tag, tag + 4); }
    void U16(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void U32(std::uint32_t value) {
        U16(static_cast<std::uint16_t>(value & 0xFFFF));
        U16(static_cast<std::uint16_t>(value >> 16));
    }

    std::vector<std::uint8_t> bytes_;
};

// One full-scale click: a damped 2.5 kHz oscillation that has died away well before the end.
std::uint8_t DiscCueSample(std::size_t index) {
    constexpr double kFrequency = 2500.0;
    constexpr double kDecaySamples = 16.0;
    const double phase = 2.0 * std::numbers::pi * kFrequency * static_cast<double>(index) /
                         static_cast<double>(kDiscCueRate);
    const double level = std::cos(phase) * std::exp(-static_cast<double>(index) / kDecaySamples);
    return static_cast<std::uint8_t>(std::clamp(std::lround(128.0 + 127.0 * level), 0L, 255L));
}

// Loudness of the start cue at a time in seconds: loud for the first 0.1 s, a second burst
// around 0.2 s, then a fade that reaches silence at 0.6 s.
double StartCueEnvelope(double seconds) {
    constexpr double kAttack = 0.005;
    if (seconds < kAttack) {
        return seconds / kAttack;
    }
    if (seconds < 0.1) {
        return 1.0;
    }
    if (seconds < 0.17) {
        return 1.0 - 0.7 * (seconds - 0.1) / 0.07;
    }
    if (seconds < 0.2) {
        return 0.3 + 0.7 * (seconds - 0.17) / 0.03;
    }
    if (seconds < 0.25) {
        return 1.0;
    }
    if (seconds < 0.6) {
        const double remaining = (0.6 - seconds) / 0.35;
        return remaining * remaining;
    }
    return 0.0;
}

std::int16_t StartCueSample(std::size_t index) {
    const double seconds = static_cast<double>(index) / static_cast<double>(kStartCueRate);
    const double angle = 2.0 * std::numbers::pi * seconds;
    const double chord = 0.6 * std::sin(angle * 523.25) + 0.4 * std::sin(angle * 784.0);
    const double level = 30000.0 * StartCueEnvelope(seconds) * chord;
    return static_cast<std::int16_t>(std::clamp(std::lround(level), -32767L, 32767L));
}

}  // namespace

std::vector<std::uint8_t> WaveImages::MakeDiscCue() {
    WaveWriter writer(kDiscCueRate, 8, kDiscCueSamples, kDiscCueTrailingBytes);
    for (std::size_t i = 0; i < kDiscCueSamples; ++i) {
        writer.U8(DiscCueSample(i));
    }
    for (std::size_t i = 0; i < kDiscCueTrailingBytes; ++i) {
        writer.U8(kSilence8);
    }
    return writer.Take();
}

std::vector<std::uint8_t> WaveImages::MakeStartCue() {
    WaveWriter writer(kStartCueRate, 16, kStartCueSamples * 2, 0);
    for (std::size_t i = 0; i < kStartCueSamples; ++i) {
        writer.I16(StartCueSample(i));
    }
    return writer.Take();
}

std::span<const std::uint8_t> WaveImages::DiscCue() {
    static const std::vector<std::uint8_t> image = MakeDiscCue();
    return image;
}

std::span<const std::uint8_t> WaveImages::StartCue() {
    static const std::vector<std::uint8_t> image = MakeStartCue();
    return image;
}

std::span<const std::uint8_t> WaveImages::Find(unsigned id) {
    switch (id & 0xFFFFu) {
        case kDiscCue:
            return DiscCue();
        case kStartCue:
            return StartCue();
        default:
            return {};
    }
}

}  // namespace flipstone
