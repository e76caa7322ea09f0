#include "app/CuePlayer.h"

#include <QMediaDevices>

#include "app/PcmWave.h"

namespace flipstone {
namespace {

QAudioFormat FormatOf(const PcmWave& wave) {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(wave.sampleRate));
    format.setChannelCount(wave.channels);
    format.setSampleFormat(wave.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

}  // namespace

CuePlayer::CuePlayer() = default;

CuePlayer::~CuePlayer() {
    Stop();
}

void CuePlayer::Play(std::span<const std::uint8_t> waveImage) {
    Stop();
    const std::optional<PcmWave> wave = PcmWave::Read(waveImage);
    if (!wave || wave->samples.empty()) {
        return;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = FormatOf(*wave);
    if (device.isNull() || !device.isFormatSupported(format)) {
        return;
    }
    PrepareSink(device, format);
    samples_.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(wave->samples.data()),
                                             static_cast<qsizetype>(wave->samples.size())));
    samples_.open(QIODevice::ReadOnly);
    sink_->start(&samples_);
}

bool CuePlayer::IsPlaying() const {
    return sink_ && sink_->state() == QAudio::ActiveState;
}

void CuePlayer::Stop() {
    if (sink_) {
        sink_->stop();
    }
    samples_.close();
}

void CuePlayer::PrepareSink(const QAudioDevice& device, const QAudioFormat& format) {
    const bool reusable = sink_ && sinkDevice_ == device && sink_->format() == format &&
                          sink_->error() != QAudio::OpenError;
    if (!reusable) {
        sink_ = std::make_unique<QAudioSink>(device, format);
        sinkDevice_ = device;
    }
}

}  // namespace flipstone
