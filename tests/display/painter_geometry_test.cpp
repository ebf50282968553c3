// The painter's drawing calls, checked on the recording canvas.

#include <gtest/gtest.h>

#include <algorithm>

#include "display/go_painter.h"
#include "display/image_set_chooser.h"
#include "support/recording_canvas.h"

namespace xvexo {
namespace {

using testing::FakeTextHeight;
using testing::FakeTextWidth;
using testing::TRecordedImage;
using testing::TRecordingCanvas;
using testing::TRecordingImageSource;

struct TPainterFixture {
    TRecordingCanvas Canvas;
    TRecordedImage Base{"baseb", 65, 243};
    TRecordedImage Edge{"bedge", 9, 12};
    TRecordingImageSource Source;
    TKelGoPB Painter{Canvas, Base, Edge};

    // Sizes the board to cell size C through the chooser and forgets the calls it made.
    void SizeCells(int C) {
        LoadImageSet(Painter, Source, 19 * C);
        Canvas.Clear();
    }
};

class PainterTest : public ::testing::Test, public TPainterFixture {};

std::string L(int X1, int Y1, int X2, int Y2) {
    return "Line(" + std::to_string(X1) + "," + std::to_string(Y1) + "," + std::to_string(X2) +
           "," + std::to_string(Y2) + ")";
}

TEST_F(PainterTest, StartsUnsizedAndFirstSizingAlwaysTakesEffect) {
    EXPECT_EQ(Painter.BoardSize(), 190);
    EXPECT_EQ(Painter.CellSize(), 0);
    EXPECT_EQ(Painter.LabelMargin(), 20);
    EXPECT_EQ(Painter.LabelColour(), Rgb(68, 68, 68));
    // 190 equals the initial BoardSize, yet the painter is still unsized.
    Painter.SetBoardSize(190);
    EXPECT_EQ(Painter.CellSize(), 10);
    EXPECT_EQ(Canvas.ClientWidth, 210);
    EXPECT_EQ(Canvas.ClientHeight, 210);
}

TEST_F(PainterTest, SetBoardSizeIgnoresSizesBelowOneAndRepeats) {
    SizeCells(20);
    for (int P : {0, -5, 380}) {
        Painter.SetBoardSize(P);
        EXPECT_TRUE(Canvas.Calls.empty()) << P;
        EXPECT_EQ(Painter.BoardSize(), 380);
        EXPECT_EQ(Painter.CellSize(), 20);
    }
    // Below 19 the cell size is 0 and the board size stays at least 19.
    Painter.SetBoardSize(10);
    EXPECT_EQ(Painter.CellSize(), 0);
    EXPECT_EQ(Painter.BoardSize(), 19);
    EXPECT_EQ(Canvas.ClientWidth, 30);
}

TEST_F(PainterTest, FitsFontSizesToTheCell) {
    SizeCells(24);                         // text must fit in 24 - 8 = 16 pixels
    EXPECT_EQ(Painter.NumberSize3(), 7);   // "000": 3 x 5 = 15
    EXPECT_EQ(Painter.NumberSize2(), 12);  // "00": 2 x 8 = 16
    EXPECT_EQ(Painter.KoreanSize(), 17);   // one syllable: 12
    EXPECT_EQ(Painter.LetterSize(), 11);   // height of "H": 16
    SizeCells(1);
    EXPECT_EQ(Painter.NumberSize3(), 0);
    EXPECT_EQ(Painter.NumberSize2(), 0);
    EXPECT_EQ(Painter.LetterSize(), 0);
    // The fitting fonts: Impact for three digits, Times New Roman for the rest.
    Canvas.Clear();
    Painter.SetBoardSize(19 * 30);
    EXPECT_TRUE(Canvas.Has("SetFont(Impact,17,0)"));
    EXPECT_TRUE(Canvas.Has("SetFont(Times New Roman,17,0)"));
    EXPECT_TRUE(Canvas.Has("TextWidth(000)"));
    EXPECT_TRUE(Canvas.Has("TextHeight(H)"));
}

TEST_F(PainterTest, GridEndsOnTheLastLineAndSetsTheCornerPixel) {
    struct TCase {
        int C, E;
    };
    // E = 19 C - C div 2, one less for odd C: the position of the last line.
    for (TCase T : {TCase{20, 370}, TCase{19, 351}}) {
        SizeCells(T.C);
        Painter.Redraw();
        const int H = T.C / 2;
        EXPECT_TRUE(Canvas.Has(L(H, H, T.E, H))) << T.C;
        EXPECT_TRUE(Canvas.Has(L(H, H, H, T.E))) << T.C;
        EXPECT_TRUE(Canvas.Has(L(H, 18 * T.C + H, T.E, 18 * T.C + H))) << T.C;
        EXPECT_TRUE(Canvas.Has(L(18 * T.C + H, H, 18 * T.C + H, T.E))) << T.C;
        EXPECT_TRUE(
            Canvas.Has("SetPixel(" + std::to_string(T.E) + "," + std::to_string(T.E) + ",000000)"))
            << T.C;
    }
}

TEST_F(PainterTest, StarPointsAreThreeOrFiveRowsBySize) {
    SizeCells(19);  // centre of (4, 4) at 66
    Painter.Redraw();
    for (const auto& Row : {L(65, 65, 68, 65), L(64, 66, 69, 66), L(65, 67, 68, 67)}) {
        EXPECT_TRUE(Canvas.Has(Row)) << Row;
    }
    EXPECT_FALSE(Canvas.Has(L(65, 64, 68, 64)));
    SizeCells(20);  // centre of (16, 10) at (310, 190)
    Painter.Redraw();
    for (const auto& Row : {L(309, 188, 312, 188), L(308, 189, 313, 189), L(307, 190, 314, 190),
                            L(308, 191, 313, 191), L(309, 192, 312, 192)}) {
        EXPECT_TRUE(Canvas.Has(Row)) << Row;
    }
}

TEST_F(PainterTest, BackgroundTilesTheWoodAndDrawsEdgeStripsAndHighlight) {
    SizeCells(24);  // S = 456: 7 tiles across, one down, remainders 1 and 213
    Painter.Redraw();
    const auto Wood = Canvas.CallsStartingWith("CopyRect");
    EXPECT_EQ(Wood.front(), "CopyRect(0,0,65,243,baseb,0,0)");
    EXPECT_TRUE(Canvas.Has("CopyRect(390,0,65,243,baseb,0,0)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(455,0,1,243,baseb,0,0)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(390,243,65,213,baseb,0,0)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(455,243,1,213,baseb,0,0)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(456,0,7,5,bedge,3,0)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(456,5,7,1,bedge,3,4)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(456,455,7,1,bedge,3,4)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(0,456,3,7,bedge,0,5)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(3,456,1,7,bedge,2,5)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(455,456,1,7,bedge,2,5)"));
    EXPECT_TRUE(Canvas.Has("CopyRect(456,456,7,7,bedge,3,5)"));
    EXPECT_EQ(Canvas.CallsStartingWith("CopyRect(456,").size(), 1u + 451u + 1u);
    EXPECT_TRUE(Canvas.Has("SetPen(FBDAA2,1)"));
    EXPECT_TRUE(Canvas.Has(L(0, 0, 456, 0)));
    EXPECT_TRUE(Canvas.Has(L(0, 0, 0, 456)));
    // The label margin is erased to the panel before anything is drawn; without a margin there is
    // nothing to erase.
    ASSERT_GE(Canvas.Calls.size(), 2u);
    EXPECT_EQ(Canvas.Calls[0], "EraseBackground(456,0,476,476)");
    EXPECT_EQ(Canvas.Calls[1], "EraseBackground(0,456,456,476)");
    Painter.SetLabelMargin(0);
    Canvas.Clear();
    Painter.Redraw();
    EXPECT_TRUE(Canvas.CallsStartingWith("EraseBackground").empty());
}

// Found by the painter's fuzz target: an initial board size below one divided by zero.
TEST_F(PainterTest, ABoardSizeBelowOnePaintsNoWood) {
    for (int P : {0, -7}) {
        Painter.SetInitialBoardSize(P);
        Canvas.Clear();
        Painter.Redraw();
        for (const std::string& Call : Canvas.CallsStartingWith("CopyRect("))
            EXPECT_EQ(Call.find(",baseb,"), std::string::npos) << P << " " << Call;
    }
}

TEST_F(PainterTest, StonesUseMaskAndPictureBetweenTenAndFiftyNine) {
    SizeCells(24);
    Painter.SetPoint(1, 3, 2, 0);
    Painter.SetPoint(2, 4, 2, 0);
    const std::vector<std::string> Expected = {"SetCopyMode(And)",
                                               "CopyRect(48,24,24,24,bm24,0,0)",
                                               "SetCopyMode(Or)",
                                               "CopyRect(48,24,24,24,bs24,0,0)",
                                               "SetCopyMode(Copy)",
                                               "SetCopyMode(And)",
                                               "CopyRect(72,24,24,24,wm24,0,0)",
                                               "SetCopyMode(Or)",
                                               "CopyRect(72,24,24,24,ws24,0,0)",
                                               "SetCopyMode(Copy)"};
    EXPECT_EQ(Canvas.Calls, Expected);
}

TEST_F(PainterTest, StonesAreCirclesBelowTenAndAboveFiftyNine) {
    for (int C : {9, 60}) {
        SizeCells(C);
        Painter.SetPoint(1, 2, 3, 0);
        Painter.SetPoint(7, 3, 3, 0);  // any other stone value draws white
        const std::vector<std::string> Expected = {
            "SetBrush(000000)",
            "SetPen(000000,1)",
            "Ellipse(" + std::to_string(C) + "," + std::to_string(2 * C) + "," +
                std::to_string(2 * C) + "," + std::to_string(3 * C) + ")",
            "SetBrush(FFFFFF)",
            "SetPen(FFFFFF,1)",
            "Ellipse(" + std::to_string(2 * C) + "," + std::to_string(2 * C) + "," +
                std::to_string(3 * C) + "," + std::to_string(3 * C) + ")"};
        EXPECT_EQ(Canvas.Calls, Expected) << C;
    }
}

TEST_F(PainterTest, EmptyPointRestoresWoodAtTheTileOffsetAndItsLines) {
    SizeCells(24);
    // Column 3 starts at x 48: 17 pixels up to the tile's right edge, 7 from its left edge.
    Painter.SetPoint(0, 3, 11, 0);
    const std::vector<std::string> Expected = {"CopyRect(48,240,17,3,baseb,48,240)",
                                               "CopyRect(65,240,7,3,baseb,0,240)",
                                               "CopyRect(48,243,17,21,baseb,48,0)",
                                               "CopyRect(65,243,7,21,baseb,0,0)",
                                               "SetPen(000000,1)",
                                               L(48, 252, 72, 252),
                                               L(60, 240, 60, 264)};
    EXPECT_EQ(Canvas.Calls, Expected);
}

TEST_F(PainterTest, EmptyPointOnTheEdgesShortensLinesAndRestoresTheHighlight) {
    SizeCells(20);
    Painter.SetPoint(0, 1, 1, 0);
    EXPECT_TRUE(Canvas.Has(L(10, 10, 20, 10)));
    EXPECT_TRUE(Canvas.Has(L(10, 10, 10, 20)));
    EXPECT_TRUE(Canvas.Has(L(0, 0, 0, 20)));
    EXPECT_TRUE(Canvas.Has(L(0, 0, 20, 0)));
    Canvas.Clear();
    // The last lines are drawn through their own pixel, so the corner pixel survives.
    Painter.SetPoint(0, 19, 19, 0);
    EXPECT_TRUE(Canvas.Has(L(360, 370, 371, 370)));
    EXPECT_TRUE(Canvas.Has(L(370, 360, 370, 371)));
    Canvas.Clear();
    Painter.SetPoint(0, 16, 16, 0);  // a star point
    EXPECT_EQ(Canvas.CallsStartingWith("Line(").size(), 2u + 5u);
}

TEST_F(PainterTest, TriangleCentreMovesUpLeftOnEvenCells) {
    // t = (C - 1) div 3 = 6: five rows, apex one pixel wide.
    SizeCells(20);
    Painter.DrawValue(10, 10, false, 501);
    std::vector<std::string> Even{"SetPen(FFFF00,1)"};
    for (int K = 0; K <= 4; ++K)
        Even.push_back(L(189 - K, 186 + K, 190 + K, 186 + K));
    EXPECT_EQ(Canvas.Calls, Even);

    SizeCells(19);
    Painter.SetPoint(2, 10, 10, 501);
    auto Odd = Canvas.CallsStartingWith("Line(");
    ASSERT_EQ(Odd.size(), 5u);
    for (int K = 0; K <= 4; ++K)
        EXPECT_EQ(Odd[static_cast<size_t>(K)], L(180 - K, 177 + K, 181 + K, 177 + K));
    EXPECT_TRUE(Canvas.Has("SetPen(000080,1)"));  // navy on a white stone

    SizeCells(6);  // t = 1: no triangle
    Painter.DrawValue(10, 10, false, 501);
    EXPECT_TRUE(Canvas.CallsStartingWith("Line(").empty());
}

TEST_F(PainterTest, SquareMarkersAreFramedSquares) {
    SizeCells(24);  // r = 12 div 3 - 1 = 3, centre of (10, 10) at 228
    Painter.DrawValue(10, 10, false, 650);
    const std::vector<std::string> Black = {"SetBrush(000000)", "FillRect(225,225,231,231)",
                                            "SetPen(C0C0C0,1)", "Rectangle(224,224,232,232)",
                                            "SetPen(808080,1)", "Rectangle(223,223,233,233)"};
    EXPECT_EQ(Canvas.Calls, Black);
    Canvas.Clear();
    Painter.SetPoint(1, 10, 10, 651);
    EXPECT_TRUE(Canvas.Has("SetBrush(FFFFFF)"));
    EXPECT_EQ(Canvas.Calls.back(), "Rectangle(223,223,233,233)");
}

TEST_F(PainterTest, NumbersAreBoldFromCellSizeTwentyAndColouredByTheStone) {
    SizeCells(20);
    Painter.SetPoint(1, 5, 5, 7);
    EXPECT_TRUE(
        Canvas.Has("SetFont(MS Sans Serif," + std::to_string(Painter.NumberSize2()) + ",1)"));
    EXPECT_TRUE(Canvas.Has("SetFontColour(FFFFFF)"));
    EXPECT_TRUE(Canvas.Has("SetTransparentText(1)"));
    SizeCells(19);
    Painter.SetPoint(2, 5, 5, 123);
    const int Size = Painter.NumberSize3();
    EXPECT_TRUE(Canvas.Has("SetFont(MS Sans Serif," + std::to_string(Size) + ",0)"));
    EXPECT_TRUE(Canvas.Has("SetFontColour(000000)"));
    const int X = 76 + (19 - FakeTextWidth("123", Size)) / 2;
    const int Y = 76 + (19 - FakeTextHeight(Size)) / 2;
    EXPECT_EQ(Canvas.Calls.back(),
              "TextOut(" + std::to_string(X) + "," + std::to_string(Y) + ",123)");
}

TEST_F(PainterTest, TextOnAnEmptyPointRestoresTheWoodFirstAndIsNavy) {
    SizeCells(24);
    Painter.DrawValue(3, 11, false, 602);
    EXPECT_EQ(Canvas.Calls[0], "SetFont(MS Sans Serif,11,1)");
    EXPECT_EQ(Canvas.Calls[1], "CopyRect(48,240,17,3,baseb,48,240)");
    EXPECT_TRUE(Canvas.CallsStartingWith("Line(").empty());
    EXPECT_TRUE(Canvas.Has("SetFontColour(000080)"));
    EXPECT_EQ(Canvas.Calls.back().substr(Canvas.Calls.back().rfind(',')), ",C)");
    Canvas.Clear();
    Painter.DrawValue(4, 11, false, 631);  // second Korean syllable in the Korean font
    EXPECT_TRUE(Canvas.Has("SetFont(\xEA\xB5\xB4\xEB\xA6\xBC\xEC\xB2\xB4,17,1)"));
    EXPECT_EQ(Canvas.Calls.back().substr(Canvas.Calls.back().rfind(',')), ",\xEB\x82\x98)");
}

TEST_F(PainterTest, UnlistedValuesAreStoredAndDrawNothing) {
    SizeCells(24);
    for (int V : {502, 550, 599, 626, 629, 644, 649, 652, 100000}) {
        Painter.DrawValue(5, 5, false, V);
        EXPECT_TRUE(Canvas.Calls.empty()) << V;
        EXPECT_EQ(Painter.Value(5, 5), V);
    }
    Painter.DrawValue(5, 6, false, 0);
    Painter.DrawValue(5, 6, false, -3);
    EXPECT_TRUE(Canvas.Calls.empty());
    EXPECT_EQ(Painter.Value(5, 6), 0);
}

TEST_F(PainterTest, TextIsSkippedWhenItsFontDoesNotFit) {
    SizeCells(1);
    Painter.SetPoint(1, 1, 1, 5);
    EXPECT_TRUE(Canvas.CallsStartingWith("TextOut").empty());
    EXPECT_EQ(Painter.Value(1, 1), 5);
}

TEST_F(PainterTest, ToggleRemovesAnExistingValue) {
    SizeCells(24);
    Painter.SetPoint(1, 6, 7, 0);
    Painter.DrawValue(6, 7, false, 604);
    Canvas.Clear();
    Painter.DrawValue(6, 7, true, 604);
    EXPECT_EQ(Painter.Value(6, 7), 0);
    EXPECT_EQ(Painter.Stone(6, 7), 1);
    EXPECT_TRUE(Canvas.Has("CopyRect(120,144,24,24,bs24,0,0)"));
    EXPECT_TRUE(Canvas.CallsStartingWith("TextOut").empty());
    // Without a value, toggle writes the new one.
    Canvas.Clear();
    Painter.DrawValue(6, 7, true, 605);
    EXPECT_EQ(Painter.Value(6, 7), 605);
    EXPECT_FALSE(Canvas.CallsStartingWith("TextOut").empty());
}

TEST_F(PainterTest, PointsOutsideTheBoardAreIgnored) {
    SizeCells(24);
    for (auto [C, R] : {std::pair{0, 5}, {20, 5}, {5, 0}, {5, 20}, {-1, -1}}) {
        Painter.SetPoint(1, C, R, 5);
        Painter.DrawValue(C, R, false, 5);
    }
    EXPECT_TRUE(Canvas.Calls.empty());
    // Reading a point off the board gives nothing, not a neighbouring row's point.
    Painter.SetPoint(1, 1, 6, 601);
    for (auto [C, R] : {std::pair{20, 5}, {0, 7}, {5, 0}, {5, 20}, {-1, -1}}) {
        EXPECT_EQ(Painter.Stone(C, R), 0) << C << "," << R;
        EXPECT_EQ(Painter.Value(C, R), 0) << C << "," << R;
    }
}

TEST_F(PainterTest, CoordinateLabels) {
    struct TCase {
        int C;
        std::string Font;
    };
    for (const TCase& T : {TCase{14, "MS Serif,6"}, TCase{19, "MS Serif,7"},
                           TCase{20, "Times New Roman,7"}, TCase{24, "Times New Roman,7"},
                           TCase{25, "Times New Roman,8"}, TCase{30, "Times New Roman,9"}}) {
        SizeCells(T.C);
        Painter.Redraw();
        EXPECT_TRUE(Canvas.Has("SetFont(" + T.Font + ",0)")) << T.C;
    }
    SizeCells(20);  // size 7: height 11, letter width 5; rows at y = 20 i + 4 + 1
    Painter.Redraw();
    const auto Texts = Canvas.CallsStartingWith("TextOut");
    ASSERT_EQ(Texts.size(), 38u);
    EXPECT_EQ(Texts[0], "TextOut(384,5, 1)");
    EXPECT_EQ(Texts[1], "TextOut(10,386,A)");
    EXPECT_EQ(Texts[16], "TextOut(384,165, 9)");
    EXPECT_EQ(Texts[18], "TextOut(384,185,10)");
    EXPECT_EQ(Texts[36], "TextOut(384,365,19)");
    EXPECT_EQ(Texts[37], "TextOut(370,386,S)");
    EXPECT_EQ(Texts[17], "TextOut(170,386,I)");

    // No labels with a margin of 10 or less.
    Painter.SetLabelMargin(10);
    Canvas.Clear();
    Painter.Redraw();
    EXPECT_TRUE(Canvas.CallsStartingWith("TextOut").empty());
}

TEST_F(PainterTest, RedrawDrawsStoredStonesAndValues) {
    SizeCells(24);
    Painter.SetPoint(2, 19, 1, 0);
    Painter.DrawValue(1, 19, false, 601);
    Canvas.Clear();
    Painter.Redraw();
    EXPECT_TRUE(Canvas.Has("CopyRect(432,0,24,24,ws24,0,0)"));
    EXPECT_EQ(Canvas.CallsStartingWith("TextOut(").front().substr(0, 8), "TextOut(");
    EXPECT_TRUE(Canvas.Has("SetFontColour(000080)"));
}

TEST_F(PainterTest, LoadAndClearValues) {
    SizeCells(24);
    TKelGoPB::TStoneGrid Stones{};
    Stones[0][0] = 1;
    Stones[0][1] = 2;
    Painter.LoadPosition(Stones);
    EXPECT_EQ(Painter.Stone(1, 1), 1);
    TKelGoPB::TValueGrid Values{};
    Values[0][0] = 1;
    Values[4][4] = 603;
    Canvas.Clear();
    Painter.LoadValues(Values);
    EXPECT_EQ(Canvas.CallsStartingWith("TextOut").size(), 2u);
    EXPECT_TRUE(Canvas.CallsStartingWith("SetCopyMode").empty());  // values only, no stones

    Canvas.Clear();
    Painter.ClearValues();
    EXPECT_EQ(Painter.Value(1, 1), 0);
    EXPECT_EQ(Painter.Value(5, 5), 0);
    // Only the two stones are redrawn; the letter on the empty point stays on screen.
    EXPECT_EQ(Canvas.CallsStartingWith("CopyRect").size(), 4u);
    EXPECT_TRUE(Canvas.CallsStartingWith("TextOut").empty());
}

TEST_F(PainterTest, ClickGivesBoardCoordinatesAndTheMarginGivesTwentyOrTwentyOne) {
    std::vector<std::array<int32_t, 2>> Clicks;
    TMouseButton LastButton = TMouseButton::Left;
    uint32_t LastShift = 0;
    Painter.OnPointClick = [&](TKelGoPB& Sender, TMouseButton B, uint32_t S, int32_t C, int32_t R) {
        EXPECT_EQ(&Sender, &Painter);
        LastButton = B;
        LastShift = S;
        Clicks.push_back({C, R});
    };
    Painter.MouseDown(TMouseButton::Left, 0, 5, 5);  // unsized: no event
    EXPECT_TRUE(Clicks.empty());
    SizeCells(10);
    Painter.MouseDown(TMouseButton::Right, kShiftKey, 0, 0);
    Painter.MouseDown(TMouseButton::Left, 0, 189, 9);
    Painter.MouseDown(TMouseButton::Left, 0, 195, 10);
    Painter.MouseDown(TMouseButton::Left, 0, 205, 209);
    const std::vector<std::array<int32_t, 2>> Expected = {{1, 1}, {19, 1}, {20, 2}, {21, 21}};
    EXPECT_EQ(Clicks, Expected);
    EXPECT_EQ(LastButton, TMouseButton::Left);
    EXPECT_EQ(LastShift, 0u);
}

TEST_F(PainterTest, SetEdgeImageSwapsThePictureWithoutPainting) {
    SizeCells(24);
    TRecordedImage Green{"gedge", 10, 12};
    Painter.SetEdgeImage(Green, Rgb(1, 2, 3));
    EXPECT_TRUE(Canvas.Calls.empty());
    EXPECT_EQ(Painter.LabelColour(), Rgb(1, 2, 3));
    Painter.Redraw();
    EXPECT_TRUE(Canvas.Has("CopyRect(456,456,7,7,gedge,3,5)"));
}

// The image-set choosers.

TEST_F(PainterTest, ChooserLoadsTheSetOfTheCellSize) {
    LoadImageSet(Painter, Source, 190);
    EXPECT_EQ(Source.Loaded, (std::vector<std::string>{"bs10", "ws10", "bm10", "wm10"}));
    EXPECT_EQ(Painter.CellSize(), 10);
    Source.Loaded.clear();
    LoadImageSet(Painter, Source, 1121);
    EXPECT_EQ(Source.Loaded, (std::vector<std::string>{"bs59", "ws59", "bm59", "wm59"}));
    EXPECT_EQ(Painter.BlackStoneImage()->Width(), 59);
    Source.Loaded.clear();
    // 60 and 9 load nothing and keep the pictures they had; stones become circles.
    LoadImageSet(Painter, Source, 1140);
    EXPECT_TRUE(Source.Loaded.empty());
    EXPECT_EQ(Painter.CellSize(), 60);
    LoadImageSet(Painter, Source, 171);
    EXPECT_TRUE(Source.Loaded.empty());
    EXPECT_EQ(Painter.CellSize(), 9);
    EXPECT_EQ(Painter.BlackStoneImage()->Width(), 59);
}

TEST_F(PainterTest, CellSizesOfTheTwoViews) {
    EXPECT_EQ(MainViewCellSize(500, 600, 20), 25);     // (500 - 25) div 19
    EXPECT_EQ(MainViewCellSize(2000, 2000, 20), 103);  // no upper bound
    EXPECT_EQ(ReferenceCellSize(500, 400, 0), 21);
    EXPECT_EQ(ReferenceCellSize(2000, 2000, 0), 59);
}

TEST_F(PainterTest, MainChooserRunsWhenTheSizeChangesOrThePainterIsUnsized) {
    ChooseMainImageSet(Painter, Source, 215, 215);  // N = 10, S = 190 = the initial BoardSize
    EXPECT_EQ(Source.Loaded.size(), 4u);
    EXPECT_EQ(Painter.CellSize(), 10);
    ChooseMainImageSet(Painter, Source, 220, 230);  // still N = 10
    EXPECT_EQ(Source.Loaded.size(), 4u);
    ChooseMainImageSet(Painter, Source, 500, 600);
    EXPECT_EQ(Source.Loaded.back(), "wm25");
}

TEST_F(PainterTest, ReferenceChooserCapsAtFiftyNine) {
    Painter.SetLabelMargin(0);
    Painter.SetInitialBoardSize(100);
    ChooseReferenceImageSet(Painter, Source, 1500, 1400);
    EXPECT_EQ(Source.Loaded.back(), "wm59");
    EXPECT_EQ(Painter.BoardSize(), 1121);
    Source.Loaded.clear();
    ChooseReferenceImageSet(Painter, Source, 1300, 1200);  // still 59
    EXPECT_TRUE(Source.Loaded.empty());
}

}  // namespace
}  // namespace xvexo
