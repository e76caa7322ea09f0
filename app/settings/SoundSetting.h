#pragma once

namespace flipstone {

class SettingsStore;

// The program's one user setting: whether the sound cues play. Off until it is read from the
// store; every toggle is written to the store at once.
class SoundSetting {
public:
    bool IsOn() const { return on_; }
    void ReadFrom(const SettingsStore& store);
    // The Sound command: flips the setting and writes "1" or "0". The flip holds for the rest
    // of the run even when the store cannot be written.
    void Toggle(SettingsStore& store);

private:
    bool on_ = false;
};

}  // namespace flipstone
