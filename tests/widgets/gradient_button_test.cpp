#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "widgets/gradient_button.h"

namespace xvexo {
namespace {

// Pixels of Picture that are (near) Colour.
int Count(const QImage& Picture, const QColor& Colour) {
    int N = 0;
    for (int Y = 0; Y < Picture.height(); ++Y) {
        for (int X = 0; X < Picture.width(); ++X) {
            const QColor P = Picture.pixelColor(X, Y);
            N += std::abs(P.red() - Colour.red()) + std::abs(P.green() - Colour.green()) +
                     std::abs(P.blue() - Colour.blue()) <
                 24;
        }
    }
    return N;
}

void Hover(QWidget& W) {
    QEnterEvent Enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&W, &Enter);
}

TEST(GradientButton, TheFaceAndCaptionTakeTheActiveColoursUnderTheMouse) {
    TepGradientButton B;
    B.setFaceColour(QColor(204, 212, 212));
    B.setActiveFaceColour(QColor(40, 40, 160));
    B.setActiveTextColour(Qt::white);
    B.setCaption(QStringLiteral("Study"));
    B.resize(59, 18);
    B.show();
    const QImage Idle = B.grab().toImage();
    EXPECT_EQ(Count(Idle, QColor(40, 40, 160)), 0);
    Hover(B);
    const QImage Active = B.grab().toImage();
    EXPECT_GT(Count(Active, QColor(40, 40, 160)), 59 * 18 / 3);
    EXPECT_GT(Count(Active, Qt::white), Count(Idle, Qt::white));
    QSignalSpy Clicks(&B, &QAbstractButton::clicked);
    QTest::mouseClick(&B, Qt::LeftButton, {}, QPoint(20, 9));
    EXPECT_EQ(Clicks.count(), 1);
}

TEST(GradientButton, AGlyphShowsThePictureOfItsStateOnTheFace) {
    QImage Strip(40, 8, QImage::Format_ARGB32);
    const QColor States[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int S = 0; S < 4; ++S)
        for (int Y = 0; Y < 8; ++Y)
            for (int X = 0; X < 10; ++X)
                Strip.setPixelColor(S * 10 + X, Y, States[S]);
    TepGradientButton B;
    B.setGlyph(Strip);
    B.setCaption(QStringLiteral("unused"));
    B.resize(30, 18);
    B.show();
    EXPECT_EQ(B.grab().toImage().pixelColor(15, 9), QColor(Qt::red));
    Hover(B);
    EXPECT_EQ(B.grab().toImage().pixelColor(15, 9), QColor(Qt::green));
    B.setEnabled(false);
    EXPECT_EQ(B.grab().toImage().pixelColor(15, 9), QColor(Qt::yellow));
    // The face shows around the glyph.
    EXPECT_NE(B.grab().toImage().pixelColor(3, 9), QColor(Qt::yellow));
}

}  // namespace
}  // namespace xvexo
