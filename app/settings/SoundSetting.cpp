#include "app/settings/SoundSetting.h"

#include "app/settings/SettingsStore.h"

namespace flipstone {

void SoundSetting::ReadFrom(const SettingsStore& store) {
    on_ = store.ReadSound();
}

void SoundSetting::Toggle(SettingsStore& store) {
    on_ = !on_;
    store.WriteSound(on_);
}

}  // namespace flipstone
