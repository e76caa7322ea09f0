#pragma once

#include <cstdint>
#include <span>

namespace flipstone {

// Where sound cues are heard: starts playing a RIFF/WAVE image and returns at once. Starting
// a cue stops the one still playing. An image that cannot be played gives silence.
class CueOutput {
public:
    virtual ~CueOutput() = default;
    // The image must stay valid for the whole run (the cue images are static).
    virtual void Play(std::span<const std::uint8_t> waveImage) = 0;
};

}  // namespace flipstone
