#include "app/sound/SoundCues.h"

#include "app/settings/SoundSetting.h"
#include "app/sound/WaveImages.h"

namespace flipstone {

SoundCues::SoundCues(const SoundSetting& sound, CueOutput& output)
    : sound_(sound), output_(output) {}

void SoundCues::Play(unsigned id) {
    if (!sound_.IsOn()) {
        return;
    }
    const std::span<const std::uint8_t> image = WaveImages::Find(id);
    if (image.empty()) {
        return;
    }
    output_.Play(image);
}

}  // namespace flipstone
