#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace flipstone {

// The program's two sound cues as complete RIFF/WAVE file images, made by the program itself
// the first time they are asked for and kept for the whole run, so that asynchronous playback
// may read them at any time.
class WaveImages {
public:
    // The image of a cue id (only its low 16 bits count); empty for an unknown id.
    static std::span<const std::uint8_t> Find(unsigned id);

    static std::span<const std::uint8_t> DiscCue();
    static std::span<const std::uint8_t> StartCue();

    static std::vector<std::uint8_t> MakeDiscCue();
    static std::vector<std::uint8_t> MakeStartCue();
};

}  // namespace flipstone
