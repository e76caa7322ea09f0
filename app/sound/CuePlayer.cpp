#include "app/sound/CuePlayer.h"

#include <QMediaDevices>

#include "app/sound/PcmWave.h"

namespace flipstone {
namespace {

// What the output holds ahead of the speaker: how late a cue may be heard.
constexpr int kOutputBufferMs = 80;
// Silence before the first cue of an opened output, whose very start the sound server may drop.
constexpr int kLeadInMs = 40;
// How long the output stays open after a cue has ended.
constexpr int kQuietMs = 1000;

}  // namespace

CuePlayer::CuePlayer() {
    quietTimer_.setSingleShot(true);
    QObject::connect(&quietTimer_, &QTimer::timeout, [this] { Stop(); });
}

CuePlayer::~CuePlayer() {
    Stop();
}

void CuePlayer::Play(std::span<const std::uint8_t> waveImage) {
    const std::optional<PcmWave> wave = PcmWave::Read(waveImage);
    QByteArray samples = wave ? CueStream::Convert(*wave) : QByteArray();
    if (samples.isEmpty()) {
        Stop();
        return;
    }
    const qint64 leadIn = IsPlaying() ? 0 : CueStream::BytesFor(kLeadInMs);
    const qint64 cueBytes = samples.size();
    stream_.Start(std::move(samples), leadIn);
    if (!IsPlaying() && !OpenOutput()) {
        Stop();
        return;
    }
    const qint64 cueMs = (leadIn + cueBytes) * 1000 / CueStream::BytesFor(1000);
    quietTimer_.start(static_cast<int>(cueMs) + kQuietMs);
}

bool CuePlayer::IsPlaying() const {
    return sink_ && sink_->state() != QAudio::StoppedState;
}

bool CuePlayer::OpenOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(CueStream::Format())) {
        return false;
    }
    if (!sink_ || sinkDevice_ != device) {
        sink_ = std::make_unique<QAudioSink>(device, CueStream::Format());
        sinkDevice_ = device;
    }
    sink_->setBufferSize(CueStream::BytesFor(kOutputBufferMs));
    sink_->start(&stream_);
    return IsPlaying();
}

void CuePlayer::Stop() {
    quietTimer_.stop();
    stream_.Stop();
    if (sink_) {
        sink_->stop();
    }
}

}  // namespace flipstone
