#pragma once

#include "app/sound/CueOutput.h"

namespace flipstone {

class SoundSetting;

// Plays the program's cue of an id while the sound setting is on. With sound off nothing is
// looked up and nothing reaches the output.
class SoundCues {
public:
    SoundCues(const SoundSetting& sound, CueOutput& output);

    void Play(unsigned id);

private:
    const SoundSetting& sound_;
    CueOutput& output_;
};

}  // namespace flipstone
