// Standard SGF records in the viewer: a board of fewer lines placed in the panel and clicked.

#include <gtest/gtest.h>

#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;
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

void GoTo(ViewFixture& V, int N) {
    V->moveEd->setText(QString::number(N));
    V->moveBtnClick();
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
    // A standard SGF record opens at its start; End steps to its last move.
    EXPECT_EQ(V->board().MoveIndex(), 0);
    EXPECT_EQ(V->painter().Stone(5, 5), 0);
    V->ArrowClick(kToEnd);
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
    EXPECT_EQ(V->board().PointNumber(9, 9), 1);
    EXPECT_EQ(V->painter().Value(9, 9), kLastMoveMark);  // the mark on the trial stone
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

TEST(SgfView, ASetupNodeIsAStepOfItsOwn) {
    // After move 4 a node takes black's C3 off and sets E5 (black) and F6 (white) up: step 5,
    // with its comment; black then plays twice.
    ViewFixture V;
    LoadSgf(V,
            "(;GM[1]FF[4]SZ[9];B[cc];W[gg];B[cg];W[gc]"
            ";AB[ee]AW[ff]AE[cc]C[set up];B[dd];B[ed];W[fd])");
    V->ArrowClick(kToEnd);
    EXPECT_EQ(V->board().MoveIndex(), 8);
    EXPECT_EQ(V->painter().Stone(5, 4), kBlack);
    EXPECT_EQ(V->painter().Stone(4, 4), kBlack);
    const QImage End = V->boardImage();
    GoTo(V, 4);
    EXPECT_EQ(V->painter().Stone(3, 3), kBlack);
    EXPECT_EQ(V->painter().Stone(5, 5), 0);
    EXPECT_EQ(V->painter().Value(7, 3), kLastMoveMark);
    V->ArrowClick(kForwardOne);
    // The set-up position is seen, with its own comment and no last-move mark.
    EXPECT_EQ(V->painter().Stone(3, 3), 0);
    EXPECT_EQ(V->painter().Stone(5, 5), kBlack);
    EXPECT_EQ(V->painter().Stone(6, 6), kWhite);
    EXPECT_EQ(V->painter().Value(7, 3), 0);
    EXPECT_TRUE(V->commentM->lines().contains("[5] set up"))
        << V->commentM->lines().join('|').toStdString();
    EXPECT_FALSE(V->shownMoveIsPass());
    V->ArrowClick(kBackOne);
    EXPECT_EQ(V->painter().Stone(3, 3), kBlack);
    EXPECT_EQ(V->painter().Stone(5, 5), 0);
    EXPECT_EQ(V->painter().Stone(6, 6), 0);
    EXPECT_EQ(V->painter().Value(7, 3), kLastMoveMark);
    // Trial play from step 5 keeps the setup, and leaves the record as it was.
    V->ArrowClick(kForwardOne);
    V->testBtnClick();
    testing::PressBoard(*V, Qt::LeftButton, 1, 1);
    EXPECT_EQ(V->painter().Stone(1, 1), kBlack);
    EXPECT_EQ(V->painter().Stone(5, 5), kBlack);
    V->testEndBtnClick();
    V->ArrowClick(kToEnd);
    EXPECT_EQ(testing::BoardDifference(V->boardImage(), End), "");
    // The second of black's two moves in a row is black's.
    GoTo(V, 7);
    EXPECT_EQ(V->painter().Stone(5, 4), kBlack);
}

}  // namespace
}  // namespace xvexo
