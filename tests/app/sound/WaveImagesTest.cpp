// The two cue images as the program's resources hold them: every header field and size, and the
// character of their sound.
#include "app/sound/WaveImages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "game/CFlipstoneDoc.h"

namespace flipstone {
namespace {

std::string TagAt(std::span<const std::uint8_t> image, std::size_t offset) {
    return std::string(reinterpret_cast<const char*>(image.data() + offset), 4);
}

std::uint32_t U32At(std::span<const std::uint8_t> image, std::size_t offset) {
    return image[offset] | (image[offset + 1] << 8) | (image[offset + 2] << 16) |
           (static_cast<std::uint32_t>(image[offset + 3]) << 24);
}

std::uint16_t U16At(std::span<const std::uint8_t> image, std::size_t offset) {
    return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

std::int16_t StartSample(std::span<const std::uint8_t> image, std::size_t index) {
    return static_cast<std::int16_t>(U16At(image, 44 + 2 * index));
}

// Largest absolute sample of the start cue between two times in seconds.
int StartPeak(std::span<const std::uint8_t> image, double from, double to) {
    int peak = 0;
    for (auto i = static_cast<std::size_t>(from * 44100); i < static_cast<std::size_t>(to * 44100);
         ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(StartSample(image, i))));
    }
    return peak;
}

struct ExpectedHeader {
    std::size_t size;
    std::uint32_t riffSize;
    std::uint32_t sampleRate;
    std::uint32_t bytesPerSecond;
    std::uint16_t blockAlign;
    std::uint16_t bitsPerSample;
    std::uint32_t dataBytes;
};

void ExpectHeader(std::span<const std::uint8_t> image, const ExpectedHeader& expected) {
    ASSERT_EQ(image.size(), expected.size);
    EXPECT_EQ(TagAt(image, 0), "RIFF");
    EXPECT_EQ(U32At(image, 4), expected.riffSize);
    EXPECT_EQ(TagAt(image, 8), "WAVE");
    EXPECT_EQ(TagAt(image, 12), "fmt ");
    EXPECT_EQ(U32At(image, 16), 16u);
    EXPECT_EQ(U16At(image, 20), 1u) << "PCM";
    EXPECT_EQ(U16At(image, 22), 1u) << "mono";
    EXPECT_EQ(U32At(image, 24), expected.sampleRate);
    EXPECT_EQ(U32At(image, 28), expected.bytesPerSecond);
    EXPECT_EQ(U16At(image, 32), expected.blockAlign);
    EXPECT_EQ(U16At(image, 34), expected.bitsPerSample);
    EXPECT_EQ(TagAt(image, 36), "data");
    EXPECT_EQ(U32At(image, 40), expected.dataBytes);
}

TEST(WaveImagesTest, DiscCueHeaderMatchesTheTable) {
    ExpectHeader(WaveImages::DiscCue(), {202, 194, 11025, 11025, 1, 8, 145});
}

TEST(WaveImagesTest, DiscCueEndsWithPadAndTwelveSilentBytesInsideTheRiffSize) {
    const auto image = WaveImages::DiscCue();
    ASSERT_EQ(image.size(), 202u);
    EXPECT_EQ(44u + 145u + 1u + 12u, image.size());
    EXPECT_EQ(U32At(image, 4) + 8, image.size());
    for (std::size_t i = 44 + 145 + 1; i < image.size(); ++i) {
        EXPECT_EQ(image[i], 128) << "byte " << i;
    }
}

TEST(WaveImagesTest, DiscCueIsOneFullScaleClickThatDiesAway) {
    const auto samples = WaveImages::DiscCue().subspan(44, 145);
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_TRUE(*high == 255 || *low == 0) << "reaches full scale";
    for (std::size_t i = 100; i < samples.size(); ++i) {
        EXPECT_NEAR(samples[i], 128, 1) << "silent by sample " << i;
    }
}

TEST(WaveImagesTest, StartCueHeaderMatchesTheTable) {
    ExpectHeader(WaveImages::StartCue(), {57464, 57456, 44100, 88200, 2, 16, 57420});
}

TEST(WaveImagesTest, StartCueEndsExactlyAfterItsData) {
    const auto image = WaveImages::StartCue();
    EXPECT_EQ(44u + U32At(image, 40), image.size());
    EXPECT_EQ(U32At(image, 4) + 8, image.size());
}

TEST(WaveImagesTest, StartCueIsLoudThenBurstsAgainThenFadesOut) {
    const auto image = WaveImages::StartCue();
    EXPECT_GT(StartPeak(image, 0.01, 0.1), 25000) << "loud at first";
    EXPECT_LT(StartPeak(image, 0.16, 0.175), 15000) << "quieter between the bursts";
    EXPECT_GT(StartPeak(image, 0.19, 0.23), 25000) << "second burst near 0.2 s";
    EXPECT_LT(StartPeak(image, 0.52, 0.58), 3000) << "fading";
    EXPECT_EQ(StartPeak(image, 0.6, 28710.0 / 44100), 0) << "silent after 0.6 s";
}

TEST(WaveImagesTest, FindUsesTheLowSixteenBitsOfTheId) {
    EXPECT_EQ(WaveImages::Find(kDiscCue).data(), WaveImages::DiscCue().data());
    EXPECT_EQ(WaveImages::Find(kStartCue).data(), WaveImages::StartCue().data());
    EXPECT_EQ(WaveImages::Find(0x10000u + kDiscCue).data(), WaveImages::DiscCue().data());
    EXPECT_TRUE(WaveImages::Find(145).empty());
    EXPECT_TRUE(WaveImages::Find(0).empty());
}

TEST(WaveImagesTest, ImagesAreReadOnceAndStayInPlace) {
    const auto first = WaveImages::StartCue();
    const auto second = WaveImages::StartCue();
    EXPECT_EQ(first.data(), second.data());
    QFile file(WaveImages::kStartCuePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray fresh = file.readAll();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(fresh.constData());
    EXPECT_TRUE(std::equal(bytes, bytes + fresh.size(), first.begin(), first.end()))
        << "the image is the resource file as it is";
}

}  // namespace
}  // namespace flipstone
