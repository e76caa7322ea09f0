#include "ui/Artwork.h"

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

QPixmap ToolbarPart(const QString& strip, Artwork::ToolbarImage image, int scale) {
    const int width = Artwork::kToolbarImageWidth * scale;
    QPixmap part =
        QPixmap(strip).copy(image * width, 0, width, Artwork::kToolbarImageHeight * scale);
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

QIcon Artwork::ToolbarIcon(ToolbarImage image) {
    EnsureLoaded();
    QIcon icon(ToolbarPart(QStringLiteral(":/flipstone/toolbar.xpm"), image, 1));
    icon.addPixmap(ToolbarPart(QStringLiteral(":/flipstone/toolbar@2x.xpm"), image, 2));
    return icon;
}

QUrl Artwork::HelpContents() {
    EnsureLoaded();
    return QUrl(QStringLiteral("qrc:/flipstone/help/index.html"));
}

}  // namespace flipstone
