// The program's pictures on screens of one and of two device pixels per logical pixel.
#include "ui/Artwork.h"

#include <gtest/gtest.h>

#include <QImage>

namespace flipstone {
namespace {

TEST(ArtworkTest, DoubledPicturesKeepTheirSizeAndHotSpotOnScreen) {
    for (const qreal ratio : {1.0, 2.0}) {
        const QCursor cursor = Artwork::PlaceCursor(ratio);
        EXPECT_EQ(cursor.pixmap().devicePixelRatio(), ratio);
        EXPECT_EQ(cursor.pixmap().deviceIndependentSize(), QSizeF(32, 32)) << ratio;
        EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0)) << ratio;
        for (int image = 0; image < Artwork::kToolbarImageCount; ++image) {
            const QPixmap button = Artwork::ToolbarIcon(static_cast<Artwork::ToolbarImage>(image))
                                       .pixmap(QSize(16, 15), ratio);
            EXPECT_EQ(button.devicePixelRatio(), ratio) << image;
            EXPECT_EQ(button.deviceIndependentSize(), QSizeF(16, 15)) << image;
        }
    }
    // The doubled picture is the drawn one, not the plain one blown up: the triangle's slanted
    // edges come out in finer steps.
    const QIcon start = Artwork::ToolbarIcon(Artwork::kStartImage);
    const QImage blownUp = start.pixmap(QSize(16, 15), 1.0).toImage().scaled(32, 30);
    EXPECT_NE(start.pixmap(QSize(16, 15), 2.0).toImage().convertToFormat(blownUp.format()),
              blownUp);
}

TEST(ArtworkTest, AppIconComesInEverySizeOfTheIconTheme) {
    const QList<QSize> sizes = {{16, 16}, {22, 22}, {24, 24},   {32, 32},
                                {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(Artwork::AppIcon().availableSizes(), sizes);
    EXPECT_EQ(Artwork::AppIconPixmap().size(), QSize(32, 32));
}

}  // namespace
}  // namespace flipstone
