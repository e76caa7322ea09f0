// The real audio output. The test machines have no audio device, so these show that playing
// then is silent and returns, and that images which cannot be played never start anything.
#include "app/sound/CuePlayer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMediaDevices>
#include <vector>

#include "app/sound/WaveImages.h"

namespace flipstone {
namespace {

TEST(CuePlayerTest, ConstructingOpensNothing) {
    CuePlayer player;
    EXPECT_FALSE(player.IsPlaying());
}

TEST(CuePlayerTest, PlayingBothCuesInTurnReturns) {
    CuePlayer player;
    player.Play(WaveImages::StartCue());
    player.Play(WaveImages::DiscCue());
    QCoreApplication::processEvents();
    player.Play(WaveImages::DiscCue());
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        EXPECT_FALSE(player.IsPlaying()) << "silence without an audio device";
    }
}

TEST(CuePlayerTest, ImagesThatCannotBePlayedStartNothing) {
    CuePlayer player;
    const std::vector<std::uint8_t> garbage(300, 0x5A);
    player.Play(garbage);
    EXPECT_FALSE(player.IsPlaying());
    player.Play({});
    EXPECT_FALSE(player.IsPlaying());
    const auto disc = WaveImages::DiscCue();
    player.Play(disc.first(40));
    EXPECT_FALSE(player.IsPlaying()) << "cut off before its data";
}

TEST(CuePlayerTest, AnUnplayableImageStopsTheCuePlayingBefore) {
    CuePlayer player;
    player.Play(WaveImages::StartCue());
    const std::vector<std::uint8_t> garbage(300, 0x5A);
    player.Play(garbage);
    EXPECT_FALSE(player.IsPlaying());
}

}  // namespace
}  // namespace flipstone
