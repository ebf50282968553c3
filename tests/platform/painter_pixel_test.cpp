// The painter's pixels on the QImage canvas with the real board pictures.

#include <gtest/gtest.h>

#include <random>

#include "display/go_painter.h"
#include "display/image_set_chooser.h"
#include "platform/qimage_canvas.h"
#include "platform/resource_store.h"

namespace xvexo {
namespace {

class PainterPixels : public ::testing::Test {
  protected:
    TResourceStore Store;
    std::unique_ptr<TImage> Base = Store.Load("baseb");
    std::unique_ptr<TImage> Edge = Store.Load("bedge");
    TQImageCanvas Canvas{1, 1};
    TKelGoPB Painter{Canvas, *Base, *Edge};

    void SizeCells(int C) { LoadImageSet(Painter, Store, 19 * C); }
    QImage Cell(const QImage& Board, int Col, int Row) const {
        const int C = Painter.CellSize();
        return Board.copy((Col - 1) * C, (Row - 1) * C, C, C);
    }
};

int CountPixels(const QImage& I, QRgb Colour) {
    int N = 0;
    for (int Y = 0; Y < I.height(); ++Y) {
        for (int X = 0; X < I.width(); ++X)
            N += I.pixel(X, Y) == Colour;
    }
    return N;
}

TEST_F(PainterPixels, StonesLeaveTheBoardUntouchedOutsideTheirMask) {
    for (int C = kMinImageCell; C <= kMaxImageCell; ++C) {
        SizeCells(C);
        const QImage Before = Canvas.Snapshot();
        Painter.SetPoint(1, 4, 4, 0);  // on a star point
        Painter.SetPoint(2, 1, 1, 0);  // over the highlight
        const QImage After = Canvas.Snapshot();
        const std::string N = std::to_string(C);
        for (auto [Stone, Col, Row] : {std::tuple{"B", 4, 4}, {"W", 1, 1}}) {
            const QImage Mask = LoadResourceImage(std::string(Stone) + "M" + N);
            const QImage Picture = LoadResourceImage(std::string(Stone) + "S" + N);
            const int X0 = (Col - 1) * C, Y0 = (Row - 1) * C;
            for (int Y = 0; Y < C; ++Y) {
                for (int X = 0; X < C; ++X) {
                    const QRgb Expected = Mask.pixel(X, Y) == qRgb(255, 255, 255)
                                              ? Before.pixel(X0 + X, Y0 + Y)
                                              : Picture.pixel(X, Y);
                    ASSERT_EQ(After.pixel(X0 + X, Y0 + Y), Expected)
                        << Stone << " cell " << C << " at " << X << "," << Y;
                }
            }
        }
        // Nothing outside the two cells changed.
        QImage Masked = After;
        QImage Ref = Before;
        for (QImage* I : {&Masked, &Ref}) {
            for (int Y = 0; Y < C; ++Y) {
                for (int X = 0; X < C; ++X) {
                    I->setPixel(3 * C + X, 3 * C + Y, 0);
                    I->setPixel(X, Y, 0);
                }
            }
        }
        ASSERT_EQ(Masked, Ref) << C;
        Painter.SetPoint(0, 4, 4, 0);
        Painter.SetPoint(0, 1, 1, 0);
    }
}

TEST_F(PainterPixels, RedrawnEmptyCellsMatchTheFullRedraw) {
    for (int C : {9, 10, 19, 20, 24, 33, 59, 60}) {
        SizeCells(C);
        const QImage Full = Canvas.Snapshot();
        for (int Row = 1; Row <= 19; ++Row) {
            for (int Col = 1; Col <= 19; ++Col)
                Painter.SetPoint((Row + Col) % 2 + 1, Col, Row, 0);
        }
        ASSERT_NE(Canvas.Snapshot(), Full);
        for (int Row = 1; Row <= 19; ++Row) {
            for (int Col = 1; Col <= 19; ++Col)
                Painter.SetPoint(0, Col, Row, 0);
        }
        const QImage Restored = Canvas.Snapshot();
        for (int Row = 1; Row <= 19; ++Row) {
            for (int Col = 1; Col <= 19; ++Col) {
                ASSERT_EQ(Cell(Restored, Col, Row), Cell(Full, Col, Row))
                    << "cell size " << C << " point " << Col << "," << Row;
            }
        }
        ASSERT_EQ(Restored, Full) << C;
    }
}

// A full repaint depends only on what the painter holds, not on what the picture showed before:
// the labels and the edge are drawn on a freshly erased margin, never over their old selves.
TEST_F(PainterPixels, FullRedrawsGiveIdenticalPixels) {
    const std::unique_ptr<TImage> Trial = Store.Load("gedge");
    for (int C : {10, 19, 24, 59}) {
        SizeCells(C);
        Painter.SetPoint(1, 19, 19, 501);
        Painter.Redraw();
        const QImage First = Canvas.Snapshot();
        Painter.Redraw();
        ASSERT_EQ(Canvas.Snapshot(), First) << "cell size " << C;
        // The wider teal edge of trial play leaves nothing behind once the grey one is back.
        Painter.SetEdgeImage(*Trial, kClBlack);
        Painter.Redraw();
        Painter.SetEdgeImage(*Edge, kClBlack);
        Painter.Redraw();
        ASSERT_EQ(Canvas.Snapshot(), First) << "cell size " << C;
        Painter.SetPoint(0, 19, 19, 0);
    }
}

TEST_F(PainterPixels, MoveNumberOnAnEmptyPointClearsTheLinesAndIsNavy) {
    SizeCells(24);
    const QImage Before = Cell(Canvas.Snapshot(), 10, 11);
    EXPECT_GT(CountPixels(Before, qRgb(0, 0, 0)), 40);  // the two grid lines
    Painter.DrawValue(10, 11, false, 7);
    const QImage After = Cell(Canvas.Snapshot(), 10, 11);
    EXPECT_EQ(CountPixels(After, qRgb(0, 0, 0)), 0);
    EXPECT_GT(CountPixels(After, qRgb(0, 0, 128)), 8);

    // On a black stone the number is white, on a white stone black.
    Painter.SetPoint(1, 5, 5, 0);
    const int WhiteBefore = CountPixels(Cell(Canvas.Snapshot(), 5, 5), qRgb(255, 255, 255));
    Painter.SetPoint(1, 5, 5, 88);
    EXPECT_GT(CountPixels(Cell(Canvas.Snapshot(), 5, 5), qRgb(255, 255, 255)), WhiteBefore + 8);
    Painter.SetPoint(2, 6, 5, 0);
    const int BlackBefore = CountPixels(Cell(Canvas.Snapshot(), 6, 5), qRgb(0, 0, 0));
    Painter.SetPoint(2, 6, 5, 88);
    EXPECT_GT(CountPixels(Cell(Canvas.Snapshot(), 6, 5), qRgb(0, 0, 0)), BlackBefore + 8);
}

// Text on an empty point clears the grid lines under it, not the light edge of the board.
TEST_F(PainterPixels, TextOnTheFirstLineKeepsTheBoardsLightEdge) {
    SizeCells(24);
    Painter.DrawValue(5, 1, false, 600);
    Painter.DrawValue(1, 7, false, 42);
    Painter.DrawValue(1, 1, false, 631);
    const QImage Board = Canvas.Snapshot();
    const QRgb Light = 0xFF000000u | kHighlightColour;
    for (int I = 0; I < 24; ++I) {
        EXPECT_EQ(Board.pixel(4 * 24 + I, 0), Light) << I;
        EXPECT_EQ(Board.pixel(0, 6 * 24 + I), Light) << I;
        EXPECT_EQ(Board.pixel(I, 0), Light) << I;
        EXPECT_EQ(Board.pixel(0, I), Light) << I;
    }
}

TEST_F(PainterPixels, ToggleRemovesALetter) {
    for (int C : {19, 24}) {
        SizeCells(C);
        for (uint8_t Stone : {0, 1, 2}) {
            Painter.SetPoint(Stone, 7, 8, 0);
            const QImage Before = Canvas.Snapshot();
            Painter.DrawValue(7, 8, false, 600 + Stone);
            ASSERT_NE(Canvas.Snapshot(), Before) << C << " " << int(Stone);
            Painter.DrawValue(7, 8, true, 600 + Stone);
            EXPECT_EQ(Canvas.Snapshot(), Before) << C << " " << int(Stone);
            EXPECT_EQ(Painter.Value(7, 8), 0);
        }
    }
}

TEST_F(PainterPixels, ValuesWithoutMeaningDrawNothing) {
    SizeCells(24);
    Painter.SetPoint(1, 3, 3, 0);
    const QImage Before = Canvas.Snapshot();
    for (int V = 502; V <= 599; ++V) {
        Painter.DrawValue(3, 3, false, V);
        Painter.DrawValue(4, 4, false, V);
    }
    EXPECT_EQ(Canvas.Snapshot(), Before);
}

TEST_F(PainterPixels, MarksAreDrawnInTheirColours) {
    SizeCells(24);
    Painter.SetPoint(1, 3, 3, 501);
    EXPECT_GT(CountPixels(Cell(Canvas.Snapshot(), 3, 3), qRgb(255, 255, 0)), 15);
    Painter.SetPoint(2, 4, 3, 501);
    EXPECT_GT(CountPixels(Cell(Canvas.Snapshot(), 4, 3), qRgb(0, 0, 128)), 15);
    Painter.SetPoint(0, 5, 3, 650);
    const QImage Square = Cell(Canvas.Snapshot(), 5, 3);
    EXPECT_EQ(CountPixels(Square, qRgb(128, 128, 128)), 4 * 9);  // the 10 x 10 frame
    EXPECT_EQ(CountPixels(Square, qRgb(0, 0, 0)) >= 64, true);
}

TEST_F(PainterPixels, ReferenceBoardWithoutMarginShowsNoStripsOrLabels) {
    Painter.SetLabelMargin(0);
    Painter.SetInitialBoardSize(100);
    ChooseReferenceImageSet(Painter, Store, 400, 400);  // N = 21
    const QImage Board = Canvas.Snapshot();
    EXPECT_EQ(Board.size(), QSize(399, 399));
    EXPECT_EQ(Painter.CellSize(), 21);
}

}  // namespace
}  // namespace xvexo

namespace xvexo {
namespace {

// Arbitrary calls with arbitrary arguments: nothing may crash or write outside the picture
// (run under the address sanitizer to see the latter).
TEST_F(PainterPixels, SurvivesArbitraryCalls) {
    std::mt19937 Random(20261210);
    auto Pick = [&](int Lo, int Hi) { return std::uniform_int_distribution<int>(Lo, Hi)(Random); };
    int Clicks = 0;
    Painter.OnPointClick = [&](TKelGoPB&, TMouseButton, uint32_t, int32_t, int32_t) { ++Clicks; };
    for (int I = 0; I < 3000; ++I) {
        switch (Pick(0, 9)) {
            case 0:
                if (Pick(0, 3) == 0) LoadImageSet(Painter, Store, Pick(-50, 1300));
                break;
            case 1:
                Painter.SetLabelMargin(Pick(0, 1) == 0 ? 0 : 20);
                break;
            case 2:
            case 3:
            case 4:
                Painter.SetPoint(static_cast<uint8_t>(Pick(0, 255)), Pick(-2, 22), Pick(-2, 22),
                                 Pick(-5, 700));
                break;
            case 5:
            case 6:
                Painter.DrawValue(Pick(-2, 22), Pick(-2, 22), Pick(0, 1) == 1, Pick(-5, 700));
                break;
            case 7:
                Painter.MouseDown(TMouseButton::Left, 0, Pick(-100, 2000), Pick(-100, 2000));
                break;
            case 8: {
                TKelGoPB::TValueGrid V{};
                for (auto& Row : V) {
                    for (auto& X : Row)
                        X = Pick(0, 8) == 0 ? Pick(-5, 700) : 0;
                }
                Painter.LoadValues(V);
                break;
            }
            default:
                if (Pick(0, 5) == 0) Painter.Redraw();
                if (Pick(0, 5) == 0) Painter.ClearValues();
                break;
        }
    }
    EXPECT_GE(Painter.BoardSize(), 19);
    EXPECT_GE(Clicks, 0);
}

}  // namespace
}  // namespace xvexo
