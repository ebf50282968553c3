#include <gtest/gtest.h>

#include <QPainter>

#include "widgets/focus_button.h"
#include "widgets/image_panel.h"

namespace xvexo {
namespace {

TEST(ImagePanel, TilesItsWallpaperFromTheCorner) {
    QPixmap Tile(4, 4);
    Tile.fill(Qt::white);
    {
        QPainter P(&Tile);
        P.fillRect(0, 0, 1, 1, Qt::black);
    }
    TepImagePanel Panel;
    Panel.setWallpaper(Tile);
    Panel.resize(13, 9);
    const QImage Img = Panel.grab().toImage();
    for (int Y = 0; Y < 9; ++Y)
        for (int X = 0; X < 13; ++X)
            EXPECT_EQ(Img.pixelColor(X, Y),
                      (X % 4 == 0 && Y % 4 == 0) ? QColor(Qt::black) : QColor(Qt::white))
                << X << "," << Y;
}

TEST(FocusButton, DrawsAGradientFace) {
    TepFocusButton B("OK");
    B.setColours(QColor(255, 255, 255), QColor(0, 0, 128));
    B.resize(60, 40);
    const QImage Img = B.grab().toImage();
    const QColor Top = Img.pixelColor(30, 3);
    const QColor Bottom = Img.pixelColor(30, 36);
    EXPECT_GT(Top.lightness(), Bottom.lightness());
}

}  // namespace
}  // namespace xvexo
