// The QImage canvas: exact bit-block copies and the pixels of lines and rectangles.

#include <gtest/gtest.h>

#include "platform/qimage_canvas.h"
#include "platform/qt_image.h"

namespace xvexo {
namespace {

QImage Filled(int W, int H, QRgb C) {
    QImage I(W, H, QImage::Format_RGB32);
    I.fill(C);
    return I;
}

TEST(QImageCanvas, CopyAndOrWorkOnThePixelWords) {
    TQImageCanvas Canvas(4, 1, Rgb(0x12, 0x34, 0x56));
    const TQtImage Src(Filled(4, 1, qRgb(0xF0, 0x0F, 0x55)));
    Canvas.SetCopyMode(TCopyMode::And);
    Canvas.CopyRect(0, 0, 1, 1, Src, 0, 0);
    Canvas.SetCopyMode(TCopyMode::Or);
    Canvas.CopyRect(1, 0, 1, 1, Src, 0, 0);
    Canvas.SetCopyMode(TCopyMode::Copy);
    Canvas.CopyRect(2, 0, 1, 1, Src, 0, 0);
    const QImage Out = Canvas.Snapshot();
    EXPECT_EQ(Out.pixel(0, 0), qRgb(0x12 & 0xF0, 0x34 & 0x0F, 0x56 & 0x55));
    EXPECT_EQ(Out.pixel(1, 0), qRgb(0x12 | 0xF0, 0x34 | 0x0F, 0x56 | 0x55));
    EXPECT_EQ(Out.pixel(2, 0), qRgb(0xF0, 0x0F, 0x55));
    EXPECT_EQ(Out.pixel(3, 0), qRgb(0x12, 0x34, 0x56));
}

TEST(QImageCanvas, CopiesAreClippedToBothPictures) {
    TQImageCanvas Canvas(10, 10, kClWhite);
    QImage Src = Filled(3, 3, qRgb(0, 0, 0));
    const TQtImage Black(Src);
    // Partly outside the canvas and partly outside the source: only the overlap is copied.
    Canvas.CopyRect(-2, -2, 5, 5, Black, 0, 0);
    Canvas.CopyRect(8, 8, 5, 5, Black, 1, 1);
    Canvas.CopyRect(4, 4, 5, 5, Black, 5, 5);
    Canvas.CopyRect(100, 100, 5, 5, Black, 0, 0);
    const QImage Out = Canvas.Snapshot();
    int BlackCount = 0;
    for (int Y = 0; Y < 10; ++Y) {
        for (int X = 0; X < 10; ++X)
            BlackCount += Out.pixel(X, Y) == qRgb(0, 0, 0);
    }
    EXPECT_EQ(BlackCount, 1 + 4);  // (0,0) and (8..9, 8..9)
    EXPECT_EQ(Out.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(Out.pixel(9, 9), qRgb(0, 0, 0));
}

TEST(QImageCanvas, LinesExcludeTheirEndAndRectanglesTheirRightAndBottom) {
    TQImageCanvas Canvas(12, 12, kClWhite);
    Canvas.SetPen(kClBlack, 1);
    Canvas.Line(1, 1, 5, 1);
    Canvas.Line(5, 3, 1, 3);  // backwards: from 5 down to 2
    Canvas.Line(8, 1, 8, 4);
    Canvas.SetBrush(kClNavy);
    Canvas.SetPen(kClGray, 1);
    Canvas.Rectangle(2, 6, 6, 10);
    Canvas.SetPixel(11, 11, kClYellow);
    Canvas.SetPixel(12, 12, kClYellow);  // outside: ignored
    const QImage Out = Canvas.Snapshot();
    auto Is = [&](int X, int Y, TColour C) { return Out.pixel(X, Y) == (0xFF000000u | C); };
    EXPECT_TRUE(Is(1, 1, kClBlack) && Is(4, 1, kClBlack) && Is(5, 1, kClWhite));
    EXPECT_TRUE(Is(5, 3, kClBlack) && Is(2, 3, kClBlack) && Is(1, 3, kClWhite));
    EXPECT_TRUE(Is(8, 3, kClBlack) && Is(8, 4, kClWhite));
    EXPECT_TRUE(Is(2, 6, kClGray) && Is(5, 9, kClGray) && Is(6, 9, kClWhite) &&
                Is(5, 10, kClWhite));
    EXPECT_TRUE(Is(3, 7, kClNavy) && Is(4, 8, kClNavy));
    EXPECT_TRUE(Is(11, 11, kClYellow));
}

TEST(QImageCanvas, ResizingReallocatesInTheBackgroundColour) {
    TQImageCanvas Canvas(5, 5, kPanelColour);
    Canvas.SetClientSize(30, 20);
    const QImage Out = Canvas.Snapshot();
    EXPECT_EQ(Out.size(), QSize(30, 20));
    EXPECT_EQ(Out.pixel(29, 19), 0xFF000000u | kPanelColour);
}

TEST(QImageCanvas, TextIsDrawnInTheFontColourAndMeasured) {
    TQImageCanvas Canvas(60, 30, kClWhite);
    Canvas.SetFont("Times New Roman", 12, true);
    EXPECT_GT(Canvas.TextWidth("00"), Canvas.TextWidth("0"));
    EXPECT_GE(Canvas.TextHeight("H"), 16);
    Canvas.SetFontColour(kClNavy);
    Canvas.SetTransparentText(true);
    Canvas.TextOut(2, 2, "88");
    const QImage Out = Canvas.Snapshot();
    int Navy = 0;
    for (int Y = 0; Y < 30; ++Y) {
        for (int X = 0; X < 60; ++X)
            Navy += Out.pixel(X, Y) == qRgb(0, 0, 128);
    }
    EXPECT_GT(Navy, 10);
}

}  // namespace
}  // namespace xvexo
