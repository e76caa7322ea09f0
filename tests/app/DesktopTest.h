#pragma once

#include <QTemporaryDir>
#include <cstdint>
#include <span>
#include <vector>

#include "FrameTestFixture.h"
#include "app/DesktopHost.h"
#include "app/settings/SettingsStore.h"
#include "app/settings/SoundSetting.h"
#include "app/sound/CueOutput.h"
#include "app/sound/SoundCues.h"
#include "app/sound/WaveImages.h"

namespace flipstone::testing {

// Keeps the id of every cue that reaches the audio output.
class CueIdRecorder : public CueOutput {
public:
    void Play(std::span<const std::uint8_t> image) override {
        ids.push_back(image.data() == WaveImages::StartCue().data() ? kStartCue : kDiscCue);
    }
    std::vector<unsigned> ids;
};

// The desktop host with its sound cues, sound on and the cues recorded.
struct DesktopHostHolder {
    DesktopHostHolder() { sound.Toggle(store); }

    QTemporaryDir settingsFolder;
    SettingsStore store{settingsFolder.path()};
    SoundSetting sound;
    CueIdRecorder output;
    std::vector<unsigned>& cues = output.ids;
    SoundCues soundCues{sound, output};
    DesktopHost host{soundCues};
};

// The game on the desktop as start-up builds it, without the application object.
class DesktopTest : protected DesktopHostHolder, public FrameFixture<DesktopHost> {
protected:
    explicit DesktopTest(SearchMode mode = SearchMode::kSynchronous) : FrameFixture(host, mode) {}
};

}  // namespace flipstone::testing
