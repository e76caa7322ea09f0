#pragma once

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <cstdint>
#include <memory>
#include <span>

#include "app/CueOutput.h"

namespace flipstone {

// Plays cue images from memory on the default audio output with Qt Multimedia. Nothing is
// opened until the first cue; without an audio device every cue is silent. Destroy it while
// the application object still exists.
class CuePlayer : public CueOutput {
public:
    CuePlayer();
    ~CuePlayer() override;
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    void Play(std::span<const std::uint8_t> waveImage) override;
    // True while a cue is being sent to the audio output.
    bool IsPlaying() const;

private:
    void Stop();
    void PrepareSink(const QAudioDevice& device, const QAudioFormat& format);

    QBuffer samples_;
    std::unique_ptr<QAudioSink> sink_;
    QAudioDevice sinkDevice_;
};

}  // namespace flipstone
