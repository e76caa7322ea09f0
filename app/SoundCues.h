#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "app/CueOutput.h"

namespace flipstone {

// Plays the cue of an id while the sound setting is on. With sound off nothing is looked up
// and nothing reaches the output.
class SoundCues {
public:
    using SoundIsOn = std::function<bool()>;
    using CueLookup = std::function<std::span<const std::uint8_t>(unsigned id)>;

    // The lookup defaults to the program's own cue images.
    SoundCues(SoundIsOn soundIsOn, CueOutput& output, CueLookup lookup = {});

    void Play(unsigned id);

private:
    SoundIsOn soundIsOn_;
    CueOutput& output_;
    CueLookup lookup_;
};

}  // namespace flipstone
