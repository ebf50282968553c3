// Standard SGF records in the viewer: a board of fewer lines placed in the panel and clicked.

#include <gtest/gtest.h>

#include "view_fixture.h"

namespace xvexo {
namespace {

using testing::ViewFixture;

// A 9-line game: two white stones taken in the corner at move 11, a pass at move 14.
constexpr const char* kNine =
    "(;GM[1]FF[4]SZ[9]PB[Kim]PW[Lee]"
    ";B[ee];W[cc];B[gc];W[ce];B[eg];W[ia];B[ha];W[ib];B[hb];W[cg]"
    ";B[ic]TR[ic]CR[ff]LB[ee:A]"
    ";W[gg];B[ia];W[];B[ib])";

void LoadSgf(ViewFixture& V, const std::string& Text) {
    QString Error;
    // The address says tag; the text is standard SGF and is read as such.
    ASSERT_TRUE(V->LoadText(Text, kFormatTag, &Error)) << Error.toStdString();
    ASSERT_EQ(V->record().FormatMode, kFormatSgf);
}

TEST(SgfView, ABoardOfNineLinesFillsThePanelAndTakesClicks) {
    ViewFixture V;
    const int Loads = V->imageSetLoads();
    LoadSgf(V, kNine);
    // The design panel 533 x 497: cells of min(508, 472) div 9 = 52, the board centred.
    EXPECT_EQ(V->painter().Lines(), 9);
    EXPECT_EQ(V->painter().CellSize(), 52);
    EXPECT_EQ(V->MainGoPB->geometry(), QRect(22, 4, 488, 488));
    EXPECT_EQ(V->imageSetLoads(), Loads + 1);
    EXPECT_EQ(V->board().MoveIndex(), 15);
    // Two stones taken at the edge; the corner point played again at move 13.
    EXPECT_EQ(V->bDiedSL->text(), "0");
    EXPECT_EQ(V->wDiedSL->text(), "2");
    EXPECT_EQ(V->painter().Stone(9, 1), kBlack);
    EXPECT_EQ(V->painter().Stone(9, 2), kBlack);
    EXPECT_EQ(V->painter().Value(9, 2), kLastMoveMark);

    // Trial play on the last line of the small board.
    V->testBtnClick();
    testing::PressBoard(*V, Qt::LeftButton, 9, 9);
    EXPECT_EQ(V->painter().Stone(9, 9), kWhite);
    EXPECT_EQ(V->painter().Value(9, 9), 1);
    V->testEndBtnClick();
    EXPECT_EQ(V->painter().Stone(9, 9), 0);

    // A 19-line record brings the full board back.
    V.LoadTag("(;EV[x];B[pd])\n");
    EXPECT_EQ(V->painter().Lines(), 19);
    EXPECT_EQ(V->painter().CellSize(), 24);
    EXPECT_EQ(V->MainGoPB->geometry(), QRect(28, 10, 476, 476));
    EXPECT_EQ(V->painter().Stone(16, 4), kBlack);
    EXPECT_EQ(V->imageSetLoads(), Loads + 2);
}

}  // namespace
}  // namespace xvexo
