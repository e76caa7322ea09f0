#include "app/SoundCues.h"

#include <utility>

#include "app/WaveImages.h"

namespace flipstone {

SoundCues::SoundCues(SoundIsOn soundIsOn, CueOutput& output, CueLookup lookup)
    : soundIsOn_(std::move(soundIsOn)), output_(output), lookup_(std::move(lookup)) {
    if (!lookup_) {
        lookup_ = &WaveImages::Find;
    }
}

void SoundCues::Play(unsigned id) {
    if (!soundIsOn_ || !soundIsOn_()) {
        return;
    }
    const std::span<const std::uint8_t> image = lookup_(id & 0xFFFFu);
    if (image.empty()) {
        return;
    }
    output_.Play(image);
}

}  // namespace flipstone
