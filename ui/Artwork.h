#pragma once

#include <QCursor>
#include <QIcon>
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

    static QPixmap AppIconPixmap();
    static QIcon AppIcon();
    // The cursor shown over squares where a click would place a disc; its hot spot is (0, 0).
    static QCursor PlaceCursor();
    static QPixmap ToolbarPixmap(ToolbarImage image);
    static QUrl HelpContents();

private:
    static void EnsureLoaded();
};

}  // namespace flipstone
