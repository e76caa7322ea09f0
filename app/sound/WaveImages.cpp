#include "app/sound/WaveImages.h"

#include <QByteArray>
#include <QFile>

#include "game/CFlipstoneDoc.h"

// The cues live in a static library, so their resources are registered by hand before first use.
static void InitSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

namespace flipstone {
namespace {

QByteArray ReadResource(const char* path) {
    static const bool registered = [] {
        InitSoundResources();
        return true;
    }();
    (void)registered;
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

std::span<const std::uint8_t> BytesOf(const QByteArray& image) {
    return {reinterpret_cast<const std::uint8_t*>(image.constData()),
            static_cast<std::size_t>(image.size())};
}

}  // namespace

std::span<const std::uint8_t> WaveImages::DiscCue() {
    static const QByteArray image = ReadResource(kDiscCuePath);
    return BytesOf(image);
}

std::span<const std::uint8_t> WaveImages::StartCue() {
    static const QByteArray image = ReadResource(kStartCuePath);
    return BytesOf(image);
}

std::span<const std::uint8_t> WaveImages::Find(unsigned id) {
    switch (id & 0xFFFFu) {
        case kDiscCue:
            return DiscCue();
        case kStartCue:
            return StartCue();
        default:
            return {};
    }
}

}  // namespace flipstone
