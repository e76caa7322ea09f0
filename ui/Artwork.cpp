#include "ui/Artwork.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <utility>

// The resources live in a static library, so they are registered by hand before first use.
static void InitFlipstoneResources() {
    Q_INIT_RESOURCE(flipstone);
}

namespace flipstone {

void Artwork::EnsureLoaded() {
    static const bool loaded = [] {
        InitFlipstoneResources();
        return true;
    }();
    (void)loaded;
}

namespace {

constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString IconFile(int size) {
    return QStringLiteral(":/flipstone/icons/io.github.flipstone.Flipstone-%1.png").arg(size);
}

// A picture drawn at `scale` times the pixels of its size on screen.
QPixmap Picture(const QString& file, int scale) {
    QPixmap picture(file);
    picture.setDevicePixelRatio(scale);
    return picture;
}

bool IsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

// The toolbar images' dark inks (black outlines, navy digits, grey shading) in the lighter
// colours that stand out on a dark toolbar; the bright ones (white, yellow, blue) stay.
QImage LightenedInks(QImage image, const QPalette& palette) {
    const std::pair<QRgb, QRgb> inks[] = {
        {qRgb(0, 0, 0), palette.color(QPalette::WindowText).rgb()},
        {qRgb(0, 0, 128), qRgb(150, 175, 255)},
        {qRgb(128, 128, 128), qRgb(176, 176, 176)},
    };
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            for (const auto& [dark, light] : inks) {
                if (line[x] == (dark | 0xFF000000u)) {
                    line[x] = light | 0xFF000000u;
                    break;
                }
            }
        }
    }
    return image;
}

QPixmap ToolbarPart(const QString& strip, Artwork::ToolbarImage image, int scale,
                    const QPalette& palette) {
    const int width = Artwork::kToolbarImageWidth * scale;
    QPixmap part =
        QPixmap(strip).copy(image * width, 0, width, Artwork::kToolbarImageHeight * scale);
    if (IsDark(palette)) {
        part = QPixmap::fromImage(LightenedInks(part.toImage(), palette));
    }
    part.setDevicePixelRatio(scale);
    return part;
}

}  // namespace

QPixmap Artwork::AppIconPixmap() {
    EnsureLoaded();
    return QPixmap(IconFile(32));
}

QIcon Artwork::AppIcon() {
    EnsureLoaded();
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addFile(IconFile(size), QSize(size, size));
    }
    return icon;
}

QCursor Artwork::PlaceCursor(qreal devicePixelRatio) {
    EnsureLoaded();
    if (devicePixelRatio >= 1.5) {
        return QCursor(Picture(QStringLiteral(":/flipstone/place-cursor@2x.xpm"), 2), 0, 0);
    }
    return QCursor(Picture(QStringLiteral(":/flipstone/place-cursor.xpm"), 1), 0, 0);
}

QIcon Artwork::ToolbarIcon(ToolbarImage image, const QPalette& palette) {
    EnsureLoaded();
    QIcon icon(ToolbarPart(QStringLiteral(":/flipstone/toolbar.xpm"), image, 1, palette));
    icon.addPixmap(ToolbarPart(QStringLiteral(":/flipstone/toolbar@2x.xpm"), image, 2, palette));
    return icon;
}

QUrl Artwork::HelpContents() {
    EnsureLoaded();
    const QString english = QStringLiteral(":/flipstone/help/index.html");
    const QString translated =
        QStringLiteral(":/flipstone/help/") +
        QCoreApplication::translate("Artwork", "index.html",
                                    "the file name of the help page in this language");
    return QUrl(QStringLiteral("qrc") + (QFile::exists(translated) ? translated : english));
}

}  // namespace flipstone
