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

QPixmap Artwork::AppIconPixmap() {
    EnsureLoaded();
    return QPixmap(QStringLiteral(":/flipstone/icon.xpm"));
}

QIcon Artwork::AppIcon() {
    return QIcon(AppIconPixmap());
}

QCursor Artwork::PlaceCursor() {
    EnsureLoaded();
    return QCursor(QPixmap(QStringLiteral(":/flipstone/place-cursor.xpm")), 0, 0);
}

QPixmap Artwork::ToolbarPixmap(ToolbarImage image) {
    EnsureLoaded();
    const QPixmap strip(QStringLiteral(":/flipstone/toolbar.xpm"));
    return strip.copy(image * kToolbarImageWidth, 0, kToolbarImageWidth, kToolbarImageHeight);
}

QUrl Artwork::HelpContents() {
    EnsureLoaded();
    return QUrl(QStringLiteral("qrc:/flipstone/help/index.html"));
}

}  // namespace flipstone
