#pragma once

#include <QCursor>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QUrl>

namespace flipstone {

// The program's own pictures and help pages, kept in its resources.
class Artwork {
public:
    enum ToolbarImage {
        kStartImage,
        kHintImage,
        kSoundImage,
        kLevel1Image,
        kLevel2Image,
        kLevel3Image,
        kLevel4Image,
        kHelpImage,
        kAboutImage,
        kToolbarImageCount
    };
    static constexpr int kToolbarImageWidth = 16;
    static constexpr int kToolbarImageHeight = 15;

    // The program's icon, 32 x 32 pixels.
    static QPixmap AppIconPixmap();
    // The program's icon at every size of the icon theme, from 16 x 16 to 256 x 256.
    static QIcon AppIcon();
    // The cursor shown over squares where a click would place a disc: 32 x 32 with its hot spot
    // at (0, 0) on a screen of the given device pixel ratio. From a ratio of 1.5 up its picture
    // has twice the pixels each way.
    static QCursor PlaceCursor(qreal devicePixelRatio);
    // A button image, 16 x 15, with a picture of twice the pixels for high-density screens. On a
    // dark palette its dark inks turn light, so that it stays legible on a dark toolbar.
    static QIcon ToolbarIcon(ToolbarImage image, const QPalette& palette = QPalette());
    static QUrl HelpContents();

private:
    static void EnsureLoaded();
};

}  // namespace flipstone
