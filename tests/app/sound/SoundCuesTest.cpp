// Which cues reach the audio output: only with sound on, once per request, the right image.
#include "app/sound/SoundCues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "SettingsFolder.h"
#include "app/settings/SoundSetting.h"
#include "app/sound/WaveImages.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "support/Positions.h"

namespace flipstone {
namespace {

class RecordingOutput : public CueOutput {
public:
    void Play(std::span<const std::uint8_t> waveImage) override {
        played.push_back(waveImage.data());
    }
    std::vector<const std::uint8_t*> played;
};

// The sound setting as the Sound command leaves it, with the store in a temporary folder.
class SwitchableSound {
public:
    SwitchableSound() { Set(true); }
    void Set(bool on) {
        if (setting.IsOn() != on) {
            setting.Toggle(store);
        }
    }
    SoundSetting setting;

private:
    testing::SettingsFolder folder;
    SettingsStore store = folder.Store();
};

class SoundCuesTest : public ::testing::Test {
protected:
    SwitchableSound sound;
    RecordingOutput output;
    SoundCues cues{sound.setting, output};
};

TEST_F(SoundCuesTest, SoundOffPlaysNothing) {
    sound.Set(false);
    cues.Play(kDiscCue);
    cues.Play(kStartCue);
    EXPECT_TRUE(output.played.empty());
}

TEST_F(SoundCuesTest, SoundOnPlaysTheImageOfTheId) {
    cues.Play(kStartCue);
    cues.Play(kDiscCue);
    EXPECT_EQ(output.played, (std::vector<const std::uint8_t*>{WaveImages::StartCue().data(),
                                                               WaveImages::DiscCue().data()}));
}

TEST_F(SoundCuesTest, UnknownIdIsSilent) {
    cues.Play(999);
    EXPECT_TRUE(output.played.empty());
}

TEST_F(SoundCuesTest, OnlyTheLowSixteenBitsOfTheIdCount) {
    cues.Play(0xABCD0000u | kDiscCue);
    ASSERT_EQ(output.played.size(), 1u);
    EXPECT_EQ(output.played[0], WaveImages::DiscCue().data());
}

TEST_F(SoundCuesTest, SettingIsReadAtEveryCue) {
    cues.Play(kDiscCue);
    sound.Set(false);
    cues.Play(kDiscCue);
    sound.Set(true);
    cues.Play(kDiscCue);
    EXPECT_EQ(output.played.size(), 2u);
}

// The game document playing its cues through SoundCues, as the desktop host does.
class CueCountingHost : public HeadlessHost {
public:
    explicit CueCountingHost(SoundCues& soundCues) : soundCues_(soundCues) {}
    void PlayCue(unsigned id) override { soundCues_.Play(id); }

private:
    SoundCues& soundCues_;
};

class GameCuesTest : public ::testing::Test {
protected:
    GameCuesTest() { host.Attach(&document); }

    void FinishMove() {
        for (int guard = 0; guard < 2000 && document.flipList.count > 0; ++guard) {
            document.TurnStep();
        }
        ASSERT_EQ(document.flipList.count, 0);
    }

    int Played(std::span<const std::uint8_t> image) const {
        return static_cast<int>(
            std::count(output.played.begin(), output.played.end(), image.data()));
    }

    SwitchableSound sound;
    RecordingOutput output;
    SoundCues soundCues{sound.setting, output};
    CueCountingHost host{soundCues};
    CFlipstoneDoc document{host, SearchMode::kSynchronous};
};

TEST_F(GameCuesTest, MoveTurningFiveDiscsClicksSixTimes) {
    document.board = testing::FiveDiscBoard();
    ASSERT_TRUE(document.TryMove(2, 2, kBlack));
    ASSERT_EQ(document.flipList.count, 5);
    FinishMove();
    EXPECT_EQ(Played(WaveImages::DiscCue()), 6);
    EXPECT_EQ(output.played.size(), 6u);
}

TEST_F(GameCuesTest, SoundTurnedOnDuringAMoveClicksTheRemainingDiscs) {
    sound.Set(false);
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
    document.TurnStep();
    ASSERT_EQ(document.board.At(3, 2), kBlack) << "the placed disc was set silently";
    sound.Set(true);
    FinishMove();
    EXPECT_EQ(Played(WaveImages::DiscCue()), 1) << "the one turned disc";
}

TEST_F(GameCuesTest, StartWithFirstPlaysTheStartCueOnce) {
    host.startDialogAnswer = StartChoice{0, 1};
    document.OnGameStart();
    EXPECT_EQ(output.played, std::vector<const std::uint8_t*>{WaveImages::StartCue().data()});
}

TEST_F(GameCuesTest, StartWithSecondAndNewPlayNothing) {
    host.startDialogAnswer = StartChoice{1, 1};
    document.OnGameStart();
    document.NewGame();
    EXPECT_TRUE(output.played.empty());
}

}  // namespace
}  // namespace flipstone
