#pragma once

#include <QAudioDevice>
#include <QAudioSink>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <span>

#include "app/sound/CueOutput.h"
#include "app/sound/CueStream.h"

namespace flipstone {

// Plays cue images on the default audio output with Qt Multimedia. The output stays open while
// cues follow each other and closes after a quiet second, so a waiting program does no audio
// work. Nothing is opened until the first cue; without an audio device every cue is silent.
// Destroy it while the application object still exists.
class CuePlayer : public CueOutput {
public:
    CuePlayer();
    ~CuePlayer() override;
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    void Play(std::span<const std::uint8_t> waveImage) override;
    // True while the audio output is open.
    bool IsPlaying() const;

private:
    void Stop();
    bool OpenOutput();

    CueStream stream_;
    std::unique_ptr<QAudioSink> sink_;
    QAudioDevice sinkDevice_;
    QTimer quietTimer_;
};

}  // namespace flipstone
