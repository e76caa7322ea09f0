// The stream the audio output reads: lead-in, the latest cue, then silence without end.
#include "app/sound/CueStream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/sound/PcmWave.h"
#include "app/sound/WaveImages.h"

namespace flipstone {
namespace {

QByteArray Samples(std::initializer_list<std::int16_t> values) {
    const std::vector<std::int16_t> samples(values);
    return QByteArray(reinterpret_cast<const char*>(samples.data()),
                      static_cast<qsizetype>(samples.size() * 2));
}

std::vector<std::int16_t> Read(CueStream& stream, int count) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    EXPECT_EQ(stream.read(reinterpret_cast<char*>(samples.data()), count * 2), count * 2);
    return samples;
}

TEST(CueStreamTest, LeadInThenTheCueThenSilenceWithoutEnd) {
    CueStream stream;
    stream.Start(Samples({7, -7, 9}), 4);
    EXPECT_EQ(Read(stream, 6), (std::vector<std::int16_t>{0, 0, 7, -7, 9, 0}));
    EXPECT_EQ(Read(stream, 3), (std::vector<std::int16_t>{0, 0, 0}));
    stream.Stop();
    EXPECT_EQ(Read(stream, 2), (std::vector<std::int16_t>{0, 0}));
}

TEST(CueStreamTest, ANewCueReplacesWhatIsLeftOfTheOneBeforeAtOnce) {
    CueStream stream;
    stream.Start(Samples({1, 2, 3, 4, 5, 6}), 0);
    EXPECT_EQ(Read(stream, 2), (std::vector<std::int16_t>{1, 2}));
    stream.Start(Samples({9, 8}), 0);
    EXPECT_EQ(Read(stream, 3), (std::vector<std::int16_t>{9, 8, 0}))
        << "nothing of the first cue was read ahead";
}

TEST(CueStreamTest, TheDiscCueBecomesSixteenBitsAtFourTimesItsRate) {
    const PcmWave disc = *PcmWave::Read(WaveImages::DiscCue());
    const QByteArray converted = CueStream::Convert(disc);
    ASSERT_EQ(converted.size(), 145 * 4 * 2);
    const auto* samples = reinterpret_cast<const std::int16_t*>(converted.constData());
    for (int i = 0; i < 145; ++i) {
        const std::int16_t expected = static_cast<std::int16_t>((disc.samples[i] - 128) * 256);
        for (int k = 0; k < 4; ++k) {
            ASSERT_EQ(samples[i * 4 + k], expected) << "sample " << i;
        }
    }
    const PcmWave start = *PcmWave::Read(WaveImages::StartCue());
    EXPECT_EQ(CueStream::Convert(start),
              QByteArray(reinterpret_cast<const char*>(start.samples.data()),
                         static_cast<qsizetype>(start.samples.size())))
        << "already in the stream's format";
}

}  // namespace
}  // namespace flipstone
