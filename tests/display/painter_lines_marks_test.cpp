// Boards of fewer lines and the record's marks, checked on the recording canvas.

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "display/go_painter.h"
#include "display/image_set_chooser.h"
#include "display/star_points.h"
#include "support/recording_canvas.h"

namespace xvexo {
namespace {

using testing::TRecordedImage;
using testing::TRecordingCanvas;
using testing::TRecordingImageSource;

struct TLinesFixture : public ::testing::Test {
    TRecordingCanvas Canvas;
    TRecordedImage Base{"baseb", 65, 243};
    TRecordedImage Edge{"bedge", 9, 12};
    TRecordingImageSource Source;
    TKelGoPB Painter{Canvas, Base, Edge};

    // N lines of cell size C, sized through the chooser; the calls it made are forgotten.
    void Size(int N, int C) {
        Painter.SetLines(N);
        LoadImageSet(Painter, Source, N * C);
        Canvas.Clear();
    }
};

std::string L(int X1, int Y1, int X2, int Y2) {
    return "Line(" + std::to_string(X1) + "," + std::to_string(Y1) + "," + std::to_string(X2) +
           "," + std::to_string(Y2) + ")";
}

using TPoints = std::set<std::pair<int, int>>;

TPoints StarPoints(int Lines) {
    TPoints P;
    for (int Row = 1; Row <= Lines; ++Row) {
        for (int Col = 1; Col <= Lines; ++Col) {
            if (IsStarPoint(Lines, Col, Row)) P.insert({Col, Row});
        }
    }
    return P;
}

TEST(PainterStarPoints, FollowTheBoardSize) {
    const TPoints Nine = {{3, 3}, {7, 3}, {5, 5}, {3, 7}, {7, 7}};
    const TPoints Thirteen = {{4, 4}, {10, 4}, {7, 7}, {4, 10}, {10, 10}};
    TPoints Nineteen;
    for (int Row : {4, 10, 16}) {
        for (int Col : {4, 10, 16})
            Nineteen.insert({Col, Row});
    }
    EXPECT_EQ(StarPoints(9), Nine);
    EXPECT_EQ(StarPoints(13), Thirteen);
    EXPECT_EQ(StarPoints(19), Nineteen);
    // The 3rd lines up to 12 lines, the 4th from 13; the centre of odd boards from 9; the sides
    // of odd boards from 15.
    EXPECT_EQ(StarPoints(7), (TPoints{{3, 3}, {5, 3}, {3, 5}, {5, 5}}));
    EXPECT_EQ(StarPoints(8), (TPoints{{3, 3}, {6, 3}, {3, 6}, {6, 6}}));
    EXPECT_EQ(StarPoints(11), (TPoints{{3, 3}, {9, 3}, {6, 6}, {3, 9}, {9, 9}}));
    EXPECT_EQ(StarPoints(15).size(), 9u);
    EXPECT_TRUE(StarPoints(15).contains({8, 4}));
    EXPECT_EQ(StarPoints(17).size(), 9u);
    EXPECT_TRUE(StarPoints(5).empty());
    EXPECT_TRUE(StarPoints(2).empty());
}

TEST_F(TLinesFixture, ANineLineBoardHasNineLinesLabelsAndClicks) {
    Size(9, 40);
    EXPECT_EQ(Painter.Lines(), 9);
    EXPECT_EQ(Painter.CellSize(), 40);
    EXPECT_EQ(Painter.BoardSize(), 360);
    Painter.Redraw();
    // Nine lines each way, the last at 9 x 40 - 20 = 340, and no tenth.
    EXPECT_TRUE(Canvas.Has(L(20, 20, 340, 20)));
    EXPECT_TRUE(Canvas.Has(L(20, 340, 340, 340)));
    EXPECT_TRUE(Canvas.Has(L(340, 20, 340, 340)));
    EXPECT_FALSE(Canvas.Has(L(20, 380, 340, 380)));
    EXPECT_TRUE(Canvas.Has("SetPixel(340,340,000000)"));
    // The centre star point (5, 5) at 180: five rows at this cell size.
    EXPECT_TRUE(Canvas.Has(L(177, 180, 184, 180)));
    // Labels A..I and 1..9; no J, no 10.
    std::set<std::string> Texts;
    for (const std::string& Call : Canvas.CallsStartingWith("TextOut("))
        Texts.insert(Call.substr(Call.rfind(',') + 1, Call.size() - Call.rfind(',') - 2));
    for (const char* T : {"A", "I", " 1", " 9"})
        EXPECT_TRUE(Texts.contains(T)) << T;
    EXPECT_FALSE(Texts.contains("J"));
    EXPECT_FALSE(Texts.contains("10"));
    EXPECT_EQ(Texts.size(), 18u);
    // The last line's cells keep the edge as the full grid draws it.
    Canvas.Clear();
    Painter.SetPoint(0, 9, 9, 0);
    EXPECT_TRUE(Canvas.Has(L(320, 340, 341, 340)));
    EXPECT_TRUE(Canvas.Has(L(340, 320, 340, 341)));
    // Clicks: cell 40 per point; points past the ninth line are not the painter's.
    std::vector<std::pair<int, int>> Clicks;
    Painter.OnPointClick = [&](TKelGoPB&, TMouseButton, uint32_t, int32_t Col, int32_t Row) {
        Clicks.push_back({Col, Row});
    };
    Painter.MouseDown(TMouseButton::Left, 0, 359, 0);
    Painter.MouseDown(TMouseButton::Left, 0, 361, 45);
    EXPECT_EQ(Clicks, (std::vector<std::pair<int, int>>{{9, 1}, {10, 2}}));
    Painter.SetPoint(1, 10, 2, 0);
    EXPECT_EQ(Painter.Stone(10, 2), 0);
}

TEST_F(TLinesFixture, NewLinesClearTheBoardAndWaitForASize) {
    Size(19, 24);
    Painter.SetPoint(1, 16, 16, kValueLastMove);
    Painter.SetMark(4, 4, kValueCircle);
    Canvas.Clear();
    Painter.SetLines(13);
    EXPECT_TRUE(Canvas.Calls.empty());
    EXPECT_FALSE(Painter.IsSized());
    EXPECT_EQ(Painter.Stone(16, 16), 0);
    EXPECT_EQ(Painter.Mark(4, 4), 0);
    // The chooser sizes it again: a panel of 481 pixels gives 13 cells of 35.
    ChooseMainImageSet(Painter, Source, 481, 481);
    EXPECT_TRUE(Painter.IsSized());
    EXPECT_EQ(Painter.CellSize(), 35);
    EXPECT_EQ(Source.Loaded.back(), "wm35");
    // The same lines again change nothing; lines are kept within 2..19.
    Painter.SetLines(13);
    EXPECT_TRUE(Painter.IsSized());
    Painter.SetLines(40);
    EXPECT_EQ(Painter.Lines(), 19);
    Painter.SetLines(0);
    EXPECT_EQ(Painter.Lines(), 2);
}

TEST(PainterCellSizes, SmallBoardsKeepStonePictures) {
    // The design panel: 533 x 497 with the label margin of 20.
    EXPECT_EQ(MainViewCellSize(533, 497, 20), 24);
    EXPECT_EQ(MainViewCellSize(533, 497, 20, 13), 36);
    EXPECT_EQ(MainViewCellSize(533, 497, 20, 9), 52);
    EXPECT_EQ(MainViewCellSize(533, 497, 20, 5), 59);  // 94 would draw circles
    EXPECT_EQ(MainViewCellSize(2000, 2000, 20), 103);  // 19 lines: no bound, as always
    EXPECT_EQ(ReferenceCellSize(302, 292, 0, 9), 32);
    EXPECT_EQ(ReferenceCellSize(2000, 2000, 0, 9), 59);
}

TEST_F(TLinesFixture, AMarkTakesThePlaceOfTheValueWhileItIsThere) {
    Size(19, 24);
    Painter.SetPoint(1, 4, 4, kValueLastMove);
    Canvas.Clear();
    Painter.SetMark(4, 4, kValueCircle);
    // The stone again, then a white outline circle of radius 7 on its centre (84, 84), pen 2.
    EXPECT_TRUE(Canvas.Has("CopyRect(72,72,24,24,bs24,0,0)"));
    EXPECT_TRUE(Canvas.Has("SetPen(FFFFFF,2)"));
    EXPECT_TRUE(Canvas.Has("SetClearBrush()"));
    EXPECT_TRUE(Canvas.Has("Ellipse(77,77,92,92)"));
    EXPECT_TRUE(Canvas.CallsStartingWith("Line(").empty());  // no last-move triangle
    EXPECT_EQ(Painter.Value(4, 4), kValueLastMove);
    EXPECT_EQ(Painter.Mark(4, 4), kValueCircle);

    // A value written meanwhile is kept and not drawn; a repaint draws the mark.
    Canvas.Clear();
    Painter.DrawValue(4, 4, false, 57);
    EXPECT_TRUE(Canvas.Calls.empty());
    EXPECT_EQ(Painter.Value(4, 4), 57);
    Canvas.Clear();
    Painter.Redraw();
    EXPECT_TRUE(Canvas.Has("Ellipse(77,77,92,92)"));
    EXPECT_TRUE(Canvas.CallsStartingWith("TextWidth(57)").empty());

    // Gone: the point shows its value again.
    Canvas.Clear();
    Painter.ClearMarks();
    EXPECT_EQ(Painter.Mark(4, 4), 0);
    EXPECT_EQ(Canvas.CallsStartingWith("TextOut(").size(), 1u);
    EXPECT_NE(Canvas.CallsStartingWith("TextOut(").front().find(",57)"), std::string::npos);
    EXPECT_TRUE(Canvas.CallsStartingWith("Ellipse(").empty());
}

TEST_F(TLinesFixture, ShapesAreReadableOnEveryPoint) {
    Size(19, 24);
    Painter.SetPoint(1, 2, 2, 0);
    Painter.SetPoint(2, 3, 2, 0);
    struct TCase {
        int Col;
        int32_t Code;
        const char* Pen;
        std::vector<std::string> Shape;
    };
    // Centres at x 36, 60, 84 and y 36; radius 7.
    // White on black, black on white, navy on the wood.
    const std::vector<TCase> Cases = {
        {2,
         kValueTriangle,
         "SetPen(FFFFFF,2)",
         {L(36, 29, 42, 39), L(42, 39, 30, 39), L(30, 39, 36, 29)}},
        {3, kValueSquare, "SetPen(000000,2)", {"Rectangle(55,31,66,42)"}},
        {4, kValueCross, "SetPen(000080,2)", {L(79, 31, 90, 42), L(89, 31, 78, 42)}},
    };
    for (const TCase& C : Cases) {
        Canvas.Clear();
        Painter.SetMark(C.Col, 2, C.Code);
        EXPECT_TRUE(Canvas.Has(C.Pen)) << C.Code;
        EXPECT_TRUE(Canvas.Has("SetClearBrush()")) << C.Code;
        for (const std::string& Call : C.Shape)
            EXPECT_TRUE(Canvas.Has(Call)) << C.Code << " " << Call;
    }
    // A label on an empty point clears the lines under it and writes in navy, as numbers do.
    Canvas.Clear();
    Painter.SetMark(5, 2, kValueLetterA + 1);
    EXPECT_TRUE(Canvas.Has("SetFontColour(000080)"));
    EXPECT_EQ(Canvas.CallsStartingWith("TextOut(").size(), 1u);
    EXPECT_NE(Canvas.CallsStartingWith("TextOut(").front().find(",B)"), std::string::npos);
}

TEST_F(TLinesFixture, LoadMarksRedrawsOnlyWhatChangesAndANewPositionDropsThem) {
    Size(19, 24);
    TKelGoPB::TValueGrid Marks{};
    Marks[0][0] = kValueTriangle;
    Marks[2][2] = kValueSquare;
    Painter.LoadMarks(Marks);
    Canvas.Clear();
    Marks[2][2] = 0;
    Marks[4][4] = kValueCross;
    Painter.LoadMarks(Marks);
    // (3, 3) loses its square and (5, 5) gets a cross: two cells; (1, 1) stays as it was.
    EXPECT_FALSE(Canvas.CallsStartingWith("CopyRect(48,48,").empty());
    EXPECT_TRUE(Canvas.CallsStartingWith("CopyRect(0,0,").empty());
    EXPECT_EQ(Painter.Mark(1, 1), kValueTriangle);
    EXPECT_EQ(Painter.Mark(3, 3), 0);
    EXPECT_EQ(Painter.Mark(5, 5), kValueCross);
    Painter.LoadPosition({});
    EXPECT_EQ(Painter.Mark(1, 1), 0);
    EXPECT_EQ(Painter.Mark(5, 5), 0);
}

}  // namespace
}  // namespace xvexo
