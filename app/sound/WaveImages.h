#pragma once

#include <cstdint>
#include <span>

namespace flipstone {

// The program's two sound cues as complete RIFF/WAVE file images, the files res/sounds/disc.wav
// and res/sounds/start.wav built into the program's resources. Each is read the first time it
// is asked for and kept for the whole run, so that asynchronous playback may read it at any time.
class WaveImages {
public:
    static constexpr const char* kDiscCuePath = ":/flipstone/sounds/disc.wav";
    static constexpr const char* kStartCuePath = ":/flipstone/sounds/start.wav";

    // The image of a cue id (only its low 16 bits count); empty for an unknown id.
    static std::span<const std::uint8_t> Find(unsigned id);

    // Empty when the resource cannot be read.
    static std::span<const std::uint8_t> DiscCue();
    static std::span<const std::uint8_t> StartCue();
};

}  // namespace flipstone
