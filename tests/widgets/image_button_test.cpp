#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "widgets/focus_button.h"
#include "widgets/gradient_button.h"
#include "widgets/image_button.h"

namespace xvexo {
namespace {

const QColor kStateColours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// A strip of four 10x8 pictures, each a solid colour.
QImage FourColourStrip() {
    QImage Strip(40, 8, QImage::Format_ARGB32);
    for (int S = 0; S < 4; ++S)
        for (int Y = 0; Y < 8; ++Y)
            for (int X = 0; X < 10; ++X)
                Strip.setPixelColor(S * 10 + X, Y, kStateColours[S]);
    return Strip;
}

QColor CentreColour(QWidget& W) {
    return W.grab().toImage().pixelColor(W.width() / 2, W.height() / 2);
}

TEST(ImageButton, ShowsThePictureOfEachGlyphState) {
    TepSpeedButton B;
    B.setGlyph(FourColourStrip());
    B.resize(10, 8);
    B.show();
    EXPECT_EQ(B.glyphState(), TepSpeedButton::Idle);
    EXPECT_EQ(CentreColour(B), kStateColours[0]);

    QEnterEvent Enter(QPointF(5, 4), QPointF(5, 4), QPointF(5, 4));
    QApplication::sendEvent(&B, &Enter);
    EXPECT_EQ(B.glyphState(), TepSpeedButton::Hover);
    EXPECT_EQ(CentreColour(B), kStateColours[1]);

    QTest::mousePress(&B, Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(B.glyphState(), TepSpeedButton::Pressed);
    EXPECT_EQ(CentreColour(B), kStateColours[2]);
    QTest::mouseRelease(&B, Qt::LeftButton, {}, QPoint(5, 4));

    QEvent Leave(QEvent::Leave);
    QApplication::sendEvent(&B, &Leave);
    EXPECT_EQ(B.glyphState(), TepSpeedButton::Idle);

    B.setHeldDown(true);
    EXPECT_EQ(CentreColour(B), kStateColours[2]);
    B.setHeldDown(false);

    B.setEnabled(false);
    EXPECT_EQ(B.glyphState(), TepSpeedButton::Disabled);
    EXPECT_EQ(CentreColour(B), kStateColours[3]);
}

// A button hidden while the mouse is over it, as when its window closes, gets no leave: its hover
// look ends all the same, and the window shows it idle when it opens again.
TEST(ImageButton, TheHoverLookEndsWhenItsWindowCloses) {
    QWidget Window;
    Window.resize(90, 30);
    auto* Picture = new TepSpeedButton(&Window);
    Picture->setGlyph(FourColourStrip());
    Picture->setGeometry(0, 0, 30, 30);
    auto* Gradient = new TepGradientButton(&Window);
    Gradient->setCaption(QStringLiteral("A"));
    Gradient->setGeometry(30, 0, 30, 30);
    auto* Push = new TepFocusButton(QStringLiteral("B"), &Window);
    Push->setGeometry(60, 0, 30, 30);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    const auto Hovered = [&](QWidget* B) {
        if (auto* S = qobject_cast<TepSpeedButton*>(B))
            return S->glyphState() == TepSpeedButton::Hover;
        return B->underMouse();
    };
    for (QWidget* B : {static_cast<QWidget*>(Picture), static_cast<QWidget*>(Gradient),
                       static_cast<QWidget*>(Push)}) {
        QTest::mouseMove(B, QPoint(15, 15));
        EXPECT_TRUE(QTest::qWaitFor([&] { return Hovered(B); })) << B->metaObject()->className();
        Window.close();
        QCursor::setPos(Window.mapToGlobal(QPoint(400, 400)));  // the mouse goes elsewhere
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        EXPECT_FALSE(Hovered(B)) << B->metaObject()->className();
    }
}

TEST(ImageButton, ClickIsRaisedOnReleaseOverTheButtonAndNotWhenDisabled) {
    TepSpeedButton B;
    B.setGlyph(FourColourStrip());
    B.resize(10, 8);
    B.show();
    QSignalSpy Clicks(&B, &QAbstractButton::clicked);
    QTest::mouseClick(&B, Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(Clicks.count(), 1);
    B.setEnabled(false);
    QTest::mouseClick(&B, Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(Clicks.count(), 1);
}

TEST(ImageButton, ToleratesMissingOrNarrowGlyphs) {
    TepSpeedButton B;
    B.resize(20, 20);
    B.show();
    EXPECT_TRUE(B.statePicture(TepSpeedButton::Idle).isNull());
    B.setGlyph(QImage(3, 5, QImage::Format_ARGB32));
    EXPECT_TRUE(B.statePicture(TepSpeedButton::Hover).isNull());
    B.grab();  // paints without a picture
}

}  // namespace
}  // namespace xvexo
