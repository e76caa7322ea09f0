#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>

namespace flipstone {

struct PcmWave;

// The endless stream the audio output reads while cues are playing: the samples of the cue
// started last, then silence. Starting a cue drops what is left of the one before, which is
// how a new cue stops the one playing without closing the output: an output opened for every
// cue loses the start of short cues while the sound server sets its stream up.
class CueStream : public QIODevice {
    Q_OBJECT

public:
    // Mono, signed 16-bit, 44,100 samples a second.
    static QAudioFormat Format();
    // The wave's first channel in the stream's format; each output sample takes the input
    // sample of its moment.
    static QByteArray Convert(const PcmWave& wave);
    static qint64 BytesFor(int milliseconds);

    CueStream();

    // The samples play next, after `leadInBytes` of silence.
    void Start(QByteArray samples, qint64 leadInBytes);
    // Silence from now on.
    void Stop();
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QByteArray samples_;
    qint64 position_ = 0;
    qint64 leadIn_ = 0;
};

}  // namespace flipstone
