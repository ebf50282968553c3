#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "widgets/image_button.h"

namespace xvexo {
namespace {

const QColor kStateColours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// A strip of four 10x8 pictures, each a solid colour.
QImage FourColourStrip() {
    QImage strip(40, 8, QImage::Format_ARGB32);
    for (int s = 0; s < 4; ++s)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                strip.setPixelColor(s * 10 + x, y, kStateColours[s]);
    return strip;
}

QColor CentreColour(QWidget& w) {
    return w.grab().toImage().pixelColor(w.width() / 2, w.height() / 2);
}

TEST(ImageButton, ShowsThePictureOfEachGlyphState) {
    TepSpeedButton b;
    b.setGlyph(FourColourStrip());
    b.resize(10, 8);
    b.show();
    EXPECT_EQ(b.glyphState(), TepSpeedButton::Idle);
    EXPECT_EQ(CentreColour(b), kStateColours[0]);

    QEnterEvent enter(QPointF(5, 4), QPointF(5, 4), QPointF(5, 4));
    QApplication::sendEvent(&b, &enter);
    EXPECT_EQ(b.glyphState(), TepSpeedButton::Hover);
    EXPECT_EQ(CentreColour(b), kStateColours[1]);

    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(b.glyphState(), TepSpeedButton::Pressed);
    EXPECT_EQ(CentreColour(b), kStateColours[2]);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 4));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&b, &leave);
    EXPECT_EQ(b.glyphState(), TepSpeedButton::Idle);

    b.setHeldDown(true);
    EXPECT_EQ(CentreColour(b), kStateColours[2]);
    b.setHeldDown(false);

    b.setEnabled(false);
    EXPECT_EQ(b.glyphState(), TepSpeedButton::Disabled);
    EXPECT_EQ(CentreColour(b), kStateColours[3]);
}

TEST(ImageButton, ClickIsRaisedOnReleaseOverTheButtonAndNotWhenDisabled) {
    TepSpeedButton b;
    b.setGlyph(FourColourStrip());
    b.resize(10, 8);
    b.show();
    QSignalSpy clicks(&b, &QAbstractButton::clicked);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(clicks.count(), 1);
    b.setEnabled(false);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ImageButton, ToleratesMissingOrNarrowGlyphs) {
    TepSpeedButton b;
    b.resize(20, 20);
    b.show();
    EXPECT_TRUE(b.statePicture(TepSpeedButton::Idle).isNull());
    b.setGlyph(QImage(3, 5, QImage::Format_ARGB32));
    EXPECT_TRUE(b.statePicture(TepSpeedButton::Hover).isNull());
    b.grab();  // paints without a picture
}

}  // namespace
}  // namespace xvexo
