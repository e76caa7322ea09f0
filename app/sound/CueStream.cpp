#include "app/sound/CueStream.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "app/sound/PcmWave.h"

namespace flipstone {

namespace {

constexpr int kSampleRate = 44100;
constexpr qint64 kBytesPerSample = 2;

std::int16_t SampleAt(const PcmWave& wave, std::size_t frame) {
    const std::size_t bytesPerSample = wave.bitsPerSample / 8;
    const std::size_t offset = frame * wave.channels * bytesPerSample;
    if (bytesPerSample == 1) {
        return static_cast<std::int16_t>((wave.samples[offset] - 128) * 256);
    }
    return static_cast<std::int16_t>(wave.samples[offset] | (wave.samples[offset + 1] << 8));
}

}  // namespace

QAudioFormat CueStream::Format() {
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

QByteArray CueStream::Convert(const PcmWave& wave) {
    const std::size_t frames = wave.samples.size() / (wave.channels * (wave.bitsPerSample / 8));
    const auto length = static_cast<std::size_t>(static_cast<std::uint64_t>(frames) * kSampleRate /
                                                 wave.sampleRate);
    QByteArray converted(static_cast<qsizetype>(length * kBytesPerSample), Qt::Uninitialized);
    auto* out = reinterpret_cast<std::int16_t*>(converted.data());
    for (std::size_t i = 0; i < length; ++i) {
        out[i] = SampleAt(wave, static_cast<std::size_t>(static_cast<std::uint64_t>(i) *
                                                         wave.sampleRate / kSampleRate));
    }
    return converted;
}

qint64 CueStream::BytesFor(int milliseconds) {
    return qint64{kSampleRate} * milliseconds / 1000 * kBytesPerSample;
}

CueStream::CueStream() {
    // Unbuffered: the output takes only what it can play soon, so a new cue is heard at once.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void CueStream::Start(QByteArray samples, qint64 leadInBytes) {
    samples_ = std::move(samples);
    position_ = 0;
    leadIn_ = leadInBytes & ~qint64{1};
}

void CueStream::Stop() {
    samples_.clear();
    position_ = 0;
    leadIn_ = 0;
}

qint64 CueStream::bytesAvailable() const {
    // Silence never runs out.
    return QIODevice::bytesAvailable() + BytesFor(1000);
}

qint64 CueStream::readData(char* data, qint64 maxSize) {
    const qint64 size = maxSize & ~qint64{1};
    const qint64 silence = std::min(size, leadIn_);
    leadIn_ -= silence;
    const qint64 cue = std::min(size - silence, samples_.size() - position_);
    std::memset(data, 0, static_cast<std::size_t>(silence));
    std::memcpy(data + silence, samples_.constData() + position_, static_cast<std::size_t>(cue));
    position_ += cue;
    std::memset(data + silence + cue, 0, static_cast<std::size_t>(size - silence - cue));
    return size;
}

qint64 CueStream::writeData(const char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

}  // namespace flipstone
