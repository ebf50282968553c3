// The diagram renderer's drawing calls on a recording surface: line segments, star points,
// stones, numbers and labels in board mode, note rows in list mode.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "printing/diagram_renderer.h"
#include "support/recording_surface.h"

namespace xvexo {
namespace {

using testing::Describe;
using testing::TRecordedEllipse;
using testing::TRecordedFill;
using testing::TRecordedPage;
using testing::TRecordingSurface;

constexpr int kLeft = 1000;
constexpr int kTop = 2000;

struct TRenderFixture {
    TRecordingSurface Surface;
    LDispGGrid Grid;
    TGPOPTION Option;

    const TRecordedPage& Draw(int G, bool Board = true) {
        Option.GridSize = G;
        Option.DrawBoard = Board ? 1 : 0;
        Surface.Clear();
        DrawGrid(Surface, Grid, kTop, Option, kLeft);
        static const TRecordedPage kEmpty;
        return Surface.Pages.empty() ? kEmpty : Surface.Pages.front();
    }

    // The fills inside cell (Row, Column) of size G, relative to the cell's corner.
    static std::vector<TPrintRect> CellFills(const TRecordedPage& P, int G, int Row, int Column) {
        std::vector<TPrintRect> Out;
        const int X = kLeft + G * Column, Y = kTop + G * Row;
        for (const TRecordedFill& F : P.Fills) {
            const TPrintRect R{F.Rect.Left - X, F.Rect.Top - Y, F.Rect.Right - X,
                               F.Rect.Bottom - Y};
            if (R.Left >= 0 && R.Top >= 0 && R.Right <= G + 1 && R.Bottom <= G) Out.push_back(R);
        }
        return Out;
    }
    static std::vector<TRecordedEllipse> CellEllipses(const TRecordedPage& P, int G, int Row,
                                                      int Column) {
        std::vector<TRecordedEllipse> Out;
        const int X = kLeft + G * Column, Y = kTop + G * Row;
        for (TRecordedEllipse E : P.Ellipses) {
            E.Bounds = {E.Bounds.Left - X, E.Bounds.Top - Y, E.Bounds.Right - X,
                        E.Bounds.Bottom - Y};
            if (E.Bounds.Left >= 0 && E.Bounds.Top >= 0 && E.Bounds.Right <= G &&
                E.Bounds.Bottom <= G) {
                Out.push_back(E);
            }
        }
        return Out;
    }
};

class DiagramRenderer : public ::testing::Test, public TRenderFixture {};

std::vector<std::string> Rects(const std::vector<TPrintRect>& R) {
    std::vector<std::string> Out;
    for (const auto& X : R)
        Out.push_back(Describe(X));
    std::sort(Out.begin(), Out.end());
    return Out;
}

TEST_F(DiagramRenderer, SegmentsAtCellSize185) {
    const TRecordedPage& P = Draw(185);
    // h = e = 92: inner lines 2 dots wide, border lines 12, border segments one dot right.
    EXPECT_EQ(
        Rects(CellFills(P, 185, 1, 1)),
        (std::vector<std::string>{"0,91,92,93", "91,0,93,92", "91,92,93,185", "92,91,185,93"}));
    EXPECT_EQ(Rects(CellFills(P, 185, 0, 5)),
              (std::vector<std::string>{"1,86,93,98", "91,92,93,185", "93,86,186,98"}));
    EXPECT_EQ(Rects(CellFills(P, 185, 7, 18)),
              (std::vector<std::string>{"0,91,92,93", "87,0,99,92", "87,92,99,185"}));
    // 19 x 19 cells: 4 x 17 x 17 inner cells' segments plus the edges'.
    EXPECT_EQ(P.Fills.size(), size_t{4 * 19 * 19 - 4 * 19});
    for (const auto& F : P.Fills)
        EXPECT_EQ(F.Colour, kPrintBlack);
}

TEST_F(DiagramRenderer, EvenCellSizeShiftsTheLowerAndRightHalves) {
    const TRecordedPage& P = Draw(100);
    // h = 50, e = 51: the up segment spans x 50..51.
    EXPECT_EQ(
        Rects(CellFills(P, 100, 1, 1)),
        (std::vector<std::string>{"0,50,50,51", "50,0,51,50", "50,51,51,100", "51,50,100,51"}));
}

TEST_F(DiagramRenderer, StarPointsAreDiscsOnTheNineStarPoints) {
    Grid.SetCell(3, 3, kCellBlack, -1, 0);
    const TRecordedPage& P = Draw(185);
    std::vector<std::string> Stars;
    for (const auto& E : P.Ellipses) {
        if (E.Pen.Style == TPenStyle::Null) {
            Stars.push_back(std::to_string((E.Bounds.Left - kLeft) / 185) + "," +
                            std::to_string((E.Bounds.Top - kTop) / 185));
        }
    }
    EXPECT_EQ(Stars, (std::vector<std::string>{"3,3", "9,3", "15,3", "3,9", "9,9", "15,9", "3,15",
                                               "9,15", "15,15"}));
    // 40 dots across, black, no outline; on (3, 3) the stone drawn after it covers it.
    const auto Cell = CellEllipses(P, 185, 3, 3);
    ASSERT_EQ(Cell.size(), 2u);
    EXPECT_EQ(Describe(Cell[0].Bounds), "72,72,112,112");
    EXPECT_EQ(Cell[0].Brush.Colour, kPrintBlack);
    EXPECT_EQ(Describe(Cell[1].Bounds), "4,4,180,180");
    EXPECT_EQ(Describe(Cell[1].Pen), "inside5:000000");
}

TEST_F(DiagramRenderer, NoLineJoinsTwoAdjacentStones) {
    Grid.SetCell(5, 5, kCellBlack, -1, 0);
    Grid.SetCell(5, 6, kCellBlack, -1, 0);
    const TRecordedPage& P = Draw(185);
    // Up, down and left of the first stone; up, down and right of the second.
    EXPECT_EQ(Rects(CellFills(P, 185, 5, 5)),
              (std::vector<std::string>{"0,91,92,93", "91,0,93,92", "91,92,93,185"}));
    EXPECT_EQ(Rects(CellFills(P, 185, 5, 6)),
              (std::vector<std::string>{"91,0,93,92", "91,92,93,185", "92,91,185,93"}));
    // The empty point beside keeps both halves toward the stone.
    EXPECT_EQ(CellFills(P, 185, 5, 7).size(), 4u);
}

TEST_F(DiagramRenderer, CornerStoneHasTwoBorderHalves) {
    Grid.SetCell(0, 0, kCellWhite, -1, 0);
    const TRecordedPage& P = Draw(185);
    EXPECT_EQ(Rects(CellFills(P, 185, 0, 0)),
              (std::vector<std::string>{"87,92,99,185", "93,86,186,98"}));
    const auto E = CellEllipses(P, 185, 0, 0);
    ASSERT_EQ(E.size(), 1u);
    EXPECT_EQ(E[0].Brush.Colour, kPrintWhite);
    EXPECT_EQ(Describe(E[0].Bounds), "4,4,180,180");
}

TEST_F(DiagramRenderer, NumbersAndLabelsTakeTheirFontsAndColours) {
    Grid.SetCell(2, 2, kCellWhite, 7, 0);
    Grid.SetCell(2, 4, kCellBlack, 123, 0);
    Grid.SetCell(2, 6, kCellBlack, 45, 0);
    Grid.SetCell(2, 8, kCellBlack, -1, 'a');
    Grid.SetCell(2, 10, kCellWhite, -1, 'o');
    Grid.SetCell(2, 12, kCellEmpty, -1, 'n');
    Grid.SetCell(2, 14, kCellEmpty, 12, 0);
    Draw(185);
    const int Y = kTop + 2 * 185;
    const auto X = [](int Column) { return std::to_string(kLeft + 185 * Column + 92); };
    // Numbers: cell height 135, so the text's top is 92 - 67 - 1 = 24 below the cell's top.
    const std::string NumberY = std::to_string(Y + 24);
    const std::string LabelY = std::to_string(Y + 92 - 67);
    EXPECT_EQ(Surface.CallsStartingWith("TextOut"),
              (std::vector<std::string>{
                  "TextOut(" + X(2) + "," + NumberY + ",7,宋体/135/56/B,000000,CT)",
                  "TextOut(" + X(4) + "," + NumberY + ",123,宋体/135/40/B,FFFFFF,CT)",
                  "TextOut(" + X(6) + "," + NumberY + ",45,宋体/135/54/B,FFFFFF,CT)",
                  "TextOut(" + X(8) + "," + LabelY + ",가,宋体/135/0,FFFFFF,CT)",
                  "TextOut(" + X(10) + "," + LabelY + ",o,宋体/135/0,000000,CT)",
                  "TextOut(" + X(12) + "," + LabelY + ",하,宋体/135/0,000000,CT)",
                  "TextOut(" + X(14) + "," + NumberY + ",12,宋体/135/54/B,000000,CT)",
              }));
    for (const auto& T : Surface.Pages[0].Texts)
        EXPECT_TRUE(T.Transparent);
    // On empty points a white disc of the label font's height clears the lines first.
    const auto Disc = CellEllipses(Surface.Pages[0], 185, 2, 12);
    ASSERT_EQ(Disc.size(), 1u);
    EXPECT_EQ(Describe(Disc[0].Bounds), "25,25,159,159");
    EXPECT_EQ(Disc[0].Pen.Style, TPenStyle::Null);
    EXPECT_EQ(Disc[0].Brush.Colour, kPrintWhite);
    EXPECT_EQ(CellEllipses(Surface.Pages[0], 185, 2, 14).size(), 1u);
}

TEST_F(DiagramRenderer, SwitchesHideNumbersAndLabels) {
    Grid.SetCell(2, 2, kCellWhite, 7, 0);
    Grid.SetCell(2, 4, kCellBlack, -1, 'a');
    Grid.SetCell(2, 6, kCellBlack, 9, 'b');  // a mark hides the number
    Option.ShowLabels = 0;
    Draw(185);
    EXPECT_EQ(Surface.CallsStartingWith("TextOut").size(), 1u);
    Option.ShowLabels = 1;
    Option.ShowNumbers = 0;
    Draw(185);
    EXPECT_EQ(Surface.Pages[0].TextStrings(), (std::vector<std::string>{"가", "나"}));
}

TEST_F(DiagramRenderer, KoreanLettersForTheFirstFourteenLabels) {
    std::string All;
    for (uint8_t M = 'a'; M <= 'p'; ++M)
        All += MarkText(M);
    EXPECT_EQ(All, "가나다라마바사아자차카타파하op");
    EXPECT_EQ(MarkText('-'), "-");
    EXPECT_EQ(MarkText(0xC3), "Ã");
}

TEST_F(DiagramRenderer, NoteRowStopsAtTwoEmptyCells) {
    Grid.SetCell(0, 0, kCellBlack, 28, 0);
    Grid.SetCell(0, 1, kCellEmpty, -1, '-');
    Grid.SetCell(0, 2, kCellBlack, 34, 0);
    Grid.SetCell(0, 3, kCellBlack, 40, 0);
    Grid.SetCell(0, 4, kCellEmpty, -1, 0);
    Grid.SetCell(0, 6, kCellBlack, 99, 0);  // past the two empty cells: not drawn
    Grid.SetCell(1, 0, kCellWhite, 31, 0);
    Grid.SetCell(2, 0, kCellEmpty, -1, '-');  // a group going on from the row above
    Grid.SetCell(2, 1, kCellWhite, 52, 0);
    Grid.SetCell(3, 1, kCellWhite, 50, 0);  // after a row that starts empty: not drawn
    const TRecordedPage& P = Draw(123, false);
    EXPECT_TRUE(P.Fills.empty());
    EXPECT_EQ(P.TextStrings(), (std::vector<std::string>{"28", "-", "34", "40", "31", "-", "52"}));
    EXPECT_EQ(P.Ellipses.size(), 7u);  // five stones and the dashes' discs
    // Label and number fonts at 73 % of 123.
    EXPECT_EQ(P.Texts[1].Font.Height, 89);
    EXPECT_EQ(P.Texts[1].X, kLeft + 123 + 61);
    EXPECT_EQ(P.Texts[4].Y, kTop + 123 + 61 - 44 - 1);
}

TEST_F(DiagramRenderer, EmptyNotesGridDrawsNothing) {
    Option.GridSize = 123;
    Option.DrawBoard = 0;
    const TPrintPen Pen{TPenStyle::Solid, 3, 0x123456};
    Surface.SelectPen(Pen);
    Surface.SelectBrush({0x654321});
    DrawGrid(Surface, Grid, kTop, Option, kLeft);
    EXPECT_TRUE(Surface.Pages.empty());
    // The pen and brush selected before are selected again.
    EXPECT_EQ(Surface.Pen, Pen);
    EXPECT_EQ(Surface.Brush.Colour, 0x654321u);
}

}  // namespace
}  // namespace xvexo
