#include <gtest/gtest.h>

#include <QPainter>

#include "widgets/focus_button.h"
#include "widgets/image_panel.h"

namespace xvexo {
namespace {

TEST(ImagePanel, TilesItsWallpaperFromTheCorner) {
    QPixmap tile(4, 4);
    tile.fill(Qt::white);
    {
        QPainter p(&tile);
        p.fillRect(0, 0, 1, 1, Qt::black);
    }
    TepImagePanel panel;
    panel.setWallpaper(tile);
    panel.resize(13, 9);
    const QImage img = panel.grab().toImage();
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 13; ++x)
            EXPECT_EQ(img.pixelColor(x, y),
                      (x % 4 == 0 && y % 4 == 0) ? QColor(Qt::black) : QColor(Qt::white))
                << x << "," << y;
}

TEST(FocusButton, DrawsAGradientFace) {
    TepFocusButton b("OK");
    b.setColours(QColor(255, 255, 255), QColor(0, 0, 128));
    b.resize(60, 40);
    const QImage img = b.grab().toImage();
    const QColor top = img.pixelColor(30, 3);
    const QColor bottom = img.pixelColor(30, 36);
    EXPECT_GT(top.lightness(), bottom.lightness());
}

}  // namespace
}  // namespace xvexo
