// Reading the playable part of a WAVE image: the two chunks, and nothing outside the image.
#include "app/sound/PcmWave.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/sound/WaveImages.h"

namespace flipstone {
namespace {

class ImageBuilder {
public:
    ImageBuilder& Riff(std::uint32_t size) {
        Text("RIFF");
        U32(size);
        Text("WAVE");
        return *this;
    }
    ImageBuilder& Format(std::uint16_t tag, std::uint16_t channels, std::uint16_t bits) {
        Text("fmt ");
        U32(16);
        U16(tag);
        U16(channels);
        U32(8000);
        U32(8000u * channels * bits / 8);
        U16(static_cast<std::uint16_t>(channels * bits / 8));
        U16(bits);
        return *this;
    }
    ImageBuilder& Chunk(const char (&tag)[5], std::uint32_t declaredSize, std::size_t realSize) {
        Text(tag);
        U32(declaredSize);
        bytes.insert(bytes.end(), realSize, 7);
        return *this;
    }
    // Sets the RIFF size to cover everything written.
    ImageBuilder& Close() {
        const auto size = static_cast<std::uint32_t>(bytes.size() - 8);
        for (int i = 0; i < 4; ++i) {
            bytes[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        }
        return *this;
    }

    std::vector<std::uint8_t> bytes;

private:
    void Text(const char (&tag)[5]) { bytes.insert(bytes.end(), tag, tag + 4); }
    void U16(std::uint16_t v) {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(static_cast<std::uint16_t>(v));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
};

TEST(PcmWaveTest, ReadsTheDiscCueAndIgnoresWhatFollowsItsData) {
    const auto image = WaveImages::DiscCue();
    const auto wave = PcmWave::Read(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->sampleRate, 11025u);
    EXPECT_EQ(wave->bitsPerSample, 8);
    EXPECT_EQ(wave->samples.data(), image.data() + 44);
    EXPECT_EQ(wave->samples.size(), 145u);
}

TEST(PcmWaveTest, ReadsTheStartCue) {
    const auto wave = PcmWave::Read(WaveImages::StartCue());
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->sampleRate, 44100u);
    EXPECT_EQ(wave->bitsPerSample, 16);
    EXPECT_EQ(wave->samples.size(), 57420u);
}

TEST(PcmWaveTest, SkipsOtherChunksWithTheirPadByte) {
    ImageBuilder image;
    image.Riff(0).Chunk("LIST", 3, 4).Format(1, 2, 16).Chunk("data", 8, 8).Close();
    const auto wave = PcmWave::Read(image.bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->channels, 2);
    EXPECT_EQ(wave->samples.size(), 8u);
}

TEST(PcmWaveTest, RefusesImagesThatAreNotPlayablePcm) {
    EXPECT_FALSE(PcmWave::Read({})) << "empty";
    std::vector<std::uint8_t> text(64, 'x');
    EXPECT_FALSE(PcmWave::Read(text)) << "not RIFF";
    ImageBuilder compressed;
    compressed.Riff(0).Format(2, 1, 16).Chunk("data", 4, 4).Close();
    EXPECT_FALSE(PcmWave::Read(compressed.bytes)) << "not PCM";
    ImageBuilder noData;
    noData.Riff(0).Format(1, 1, 8).Close();
    EXPECT_FALSE(PcmWave::Read(noData.bytes)) << "no data chunk";
    ImageBuilder noFormat;
    noFormat.Riff(0).Chunk("data", 4, 4).Close();
    EXPECT_FALSE(PcmWave::Read(noFormat.bytes)) << "no format chunk";
    ImageBuilder oddBits;
    oddBits.Riff(0).Format(1, 1, 12).Chunk("data", 4, 4).Close();
    EXPECT_FALSE(PcmWave::Read(oddBits.bytes)) << "12-bit samples";
}

TEST(PcmWaveTest, DataLongerThanTheImageIsCutAtItsEnd) {
    ImageBuilder image;
    image.Riff(0).Format(1, 1, 16).Chunk("data", 1000000, 9).Close();
    const auto wave = PcmWave::Read(image.bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples.size(), 8u) << "cut to the image and to whole samples";
}

TEST(PcmWaveTest, NothingOutsideTheRiffSizeIsRead) {
    ImageBuilder image;
    image.Riff(0).Format(1, 1, 8).Close().Chunk("data", 4, 4);
    EXPECT_FALSE(PcmWave::Read(image.bytes));
}

TEST(PcmWaveTest, DamagedImagesNeverReadOutOfBounds) {
    const auto start = WaveImages::DiscCue();
    std::mt19937 random(143);
    for (int round = 0; round < 5000; ++round) {
        std::vector<std::uint8_t> image(start.begin(), start.end());
        image.resize(random() % (image.size() + 1));
        for (int change = 0; change < 4 && !image.empty(); ++change) {
            image[random() % image.size()] = static_cast<std::uint8_t>(random());
        }
        const auto wave = PcmWave::Read(image);
        if (wave) {
            EXPECT_GE(wave->samples.data(), image.data());
            EXPECT_LE(wave->samples.data() + wave->samples.size(), image.data() + image.size());
        }
    }
}

}  // namespace
}  // namespace flipstone
