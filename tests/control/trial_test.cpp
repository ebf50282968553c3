#include <gtest/gtest.h>

#include <QTest>

#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

using testing::TagRecord;
using testing::ViewFixture;

using testing::PressBoard;

// The point of move I of TagRecord.
QPoint MovePoint(int I) {
    const auto [X, Y] = testing::QuietMovePoint(I);
    return {X, Y};
}

TEST(TrialPlay, NumbersTrialStonesFromOneAndRestoresTheRecord) {
    ViewFixture V;
    V.LoadTag(TagRecord(60));
    V->moveEd->setText("40");
    V->moveBtnClick();
    ASSERT_EQ(V.MoveIndex(), 40);
    const QColor Viewing = V->panP->palette().color(QPalette::Window);
    const QImage Before = V->boardImage();

    QTest::mouseClick(V->testBtn, Qt::LeftButton);
    EXPECT_EQ(V->viewMode(), TXVexoView::kTrial);
    EXPECT_TRUE(V->testBtn->isHidden());
    EXPECT_FALSE(V->testEndBtn->isHidden());
    EXPECT_EQ(V->panP->palette().color(QPalette::Window), QColor(64, 128, 128));
    // The trial edge is drawn right of the board.
    EXPECT_NE(V->boardImage().pixel(V->painter().BoardSize() + 3, 100),
              Before.pixel(V->painter().BoardSize() + 3, 100));

    // The label margin shows the teal panel through it.
    const int Corner = V->painter().BoardSize() + V->painter().LabelMargin() - 1;
    EXPECT_EQ(V->boardImage().pixelColor(Corner, Corner), QColor(64, 128, 128));

    V->ArrowClick(kForwardOne);  // the record's later moves are out of reach
    EXPECT_EQ(V.MoveIndex(), 40);

    PressBoard(*V, Qt::LeftButton, 10, 10);  // black to move after 40 moves
    PressBoard(*V, Qt::LeftButton, 11, 10);
    EXPECT_EQ(V->painter().Stone(10, 10), kBlack);
    EXPECT_EQ(V->painter().Value(10, 10), 1);
    EXPECT_EQ(V->painter().Stone(11, 10), kWhite);
    EXPECT_EQ(V->painter().Value(11, 10), 2);
    const QPoint M40 = MovePoint(40);
    EXPECT_EQ(V->painter().Value(M40.x(), M40.y()), kLastMoveMark);
    // An occupied point places nothing.
    PressBoard(*V, Qt::LeftButton, 11, 10);
    EXPECT_EQ(V.MoveIndex(), 42);
    // The right button takes a trial stone back.
    PressBoard(*V, Qt::RightButton, 1, 1);
    EXPECT_EQ(V->painter().Stone(11, 10), kEmpty);

    QTest::mouseClick(V->testEndBtn, Qt::LeftButton);
    EXPECT_EQ(V->viewMode(), TXVexoView::kViewing);
    EXPECT_EQ(V->modeDepth(), 0);
    EXPECT_EQ(V.MoveIndex(), 40);
    EXPECT_EQ(V->panP->palette().color(QPalette::Window), Viewing);
    EXPECT_EQ(testing::BoardDifference(V->boardImage(), Before), "");
    V->ArrowClick(kForwardOne);
    EXPECT_EQ(V.MoveIndex(), 41);
    EXPECT_EQ(V->board().EndIndex(), 60);
}

TEST(TrialPlay, OnAnEmptyBoardEndsEmpty) {
    ViewFixture V;
    V.LoadTag(TagRecord(10));
    V->ArrowClick(kToStart);
    const QImage Empty = V->boardImage();
    V->testBtnClick();
    PressBoard(*V, Qt::LeftButton, 4, 4);
    EXPECT_EQ(V->painter().Value(4, 4), 1);
    V->testEndBtnClick();
    EXPECT_EQ(V.MoveIndex(), 0);
    EXPECT_EQ(testing::BoardDifference(V->boardImage(), Empty), "");
    V->ArrowClick(kToEnd);
    EXPECT_EQ(V.MoveIndex(), 10);
}

TEST(TrialPlay, StartingStopsAutomaticPlayAndNumberDisplay) {
    ViewFixture V;
    V.LoadTag(TagRecord(10));
    V->numBtnClick();
    V->autoBtnClick();
    V->testBtnClick();
    EXPECT_FALSE(V->Timer->isActive());
    EXPECT_FALSE(V->autoBtn->isHidden());
    EXPECT_FALSE(V->numbersShown());
    V->autoBtnClick();  // does nothing during trial play
    EXPECT_FALSE(V->Timer->isActive());
    // A new record ends trial play first.
    V.LoadTag(TagRecord(3));
    EXPECT_EQ(V->viewMode(), TXVexoView::kViewing);
    EXPECT_FALSE(V->testBtn->isHidden());
    EXPECT_EQ(V.MoveIndex(), 3);
}

TEST(TrialPlay, BelowItsStartNumbersFromOneAndTheCommentFollows) {
    ViewFixture V;
    V.LoadTag(TagRecord(40, "EV[x]", 37, "C[thirty-seven]"));
    V->testBtnClick();
    for (int i = 0; i < 3; ++i)
        PressBoard(*V, Qt::RightButton, 1, 1);
    ASSERT_EQ(V.MoveIndex(), 37);
    PressBoard(*V, Qt::LeftButton, 10, 10);
    EXPECT_EQ(V->painter().Value(10, 10), 1);
    V->ArrowClick(kBackOne);
    V->ArrowClick(kForwardOne);
    EXPECT_EQ(V->commentM->line(2), "[37] thirty-seven");
    // A refused click (an occupied point) leaves the forward arrow nothing to step into.
    V->ArrowClick(kBackOne);
    const QPoint M1 = MovePoint(1);
    PressBoard(*V, Qt::LeftButton, M1.x(), M1.y());
    V->ArrowClick(kForwardOne);
    EXPECT_EQ(V.MoveIndex(), 37);
    // Number display during trial play, then the end: the record comes back whole.
    V->numBtnClick();
    PressBoard(*V, Qt::LeftButton, 10, 11);
    V->testEndBtnClick();
    EXPECT_FALSE(V->numbersShown());
    EXPECT_EQ(V.MoveIndex(), 40);
    EXPECT_EQ(V->painter().Stone(10, 10), kEmpty);
    EXPECT_EQ(V->painter().Stone(10, 11), kEmpty);
    const QPoint M40 = MovePoint(40);
    EXPECT_EQ(V->painter().Value(M40.x(), M40.y()), kLastMoveMark);
    V->ArrowClick(kToStart);
    V->ArrowClick(kToEnd);
    EXPECT_EQ(V.MoveIndex(), 40);
    EXPECT_EQ(V->board().EndIndex(), 40);
}

TEST(TrialPlay, TheCommentStaysWithTheTrialStartWhenNumbersAreSwitched) {
    ViewFixture V;
    std::string Record = TagRecord(40, "EV[x]", 40, "C[forty]");
    Record.insert(Record.find("B[aa]") + 5, "C[one]");
    V.LoadTag(Record);
    ASSERT_EQ(V->commentM->line(2), "[40] forty");
    V->testBtnClick();
    V->numBtnClick();  // numbering now counts from index 1
    V->ArrowClick(kForwardOne);
    EXPECT_EQ(V->commentM->line(2), "[40] forty");
    V->numEndBtnClick();
    PressBoard(*V, Qt::LeftButton, 10, 10);
    V->ArrowClick(kBackOne);
    EXPECT_EQ(V->commentM->line(2), "[40] forty");
    // Stepping below the start and playing there moves the comment down with it.
    V->ArrowClick(kBackOne);
    V->ArrowClick(kBackOne);
    PressBoard(*V, Qt::LeftButton, 10, 12);
    V->ArrowClick(kBackOne);
    V->ArrowClick(kForwardOne);
    EXPECT_EQ(V.MoveIndex(), 39);
    EXPECT_EQ(V->commentM->lineCount(), 1);  // move 38 has no notes
}

TEST(MoveNumbers, ShowTheMoveIndexOnEveryStoneAndGoOnNumbering) {
    ViewFixture V;
    V.LoadTag(TagRecord(60));
    V->moveEd->setText("57");
    V->moveBtnClick();
    QTest::mouseClick(V->numBtn, Qt::LeftButton);
    EXPECT_TRUE(V->numbersShown());
    for (int i : {1, 30, 57}) {
        const QPoint P = MovePoint(i);
        EXPECT_EQ(V->painter().Value(P.x(), P.y()), i) << i;
    }
    V->ArrowClick(kForwardOne);
    const QPoint P58 = MovePoint(58);
    EXPECT_EQ(V->painter().Value(P58.x(), P58.y()), 58);

    QTest::mouseClick(V->numEndBtn, Qt::LeftButton);
    EXPECT_FALSE(V->numbersShown());
    EXPECT_EQ(V->painter().Value(P58.x(), P58.y()), kLastMoveMark);
    const QPoint P57 = MovePoint(57);
    EXPECT_EQ(V->painter().Value(P57.x(), P57.y()), 0);
}

TEST(MoveNumbers, FromTheStartNumberTheComingMoves) {
    ViewFixture V;
    V.LoadTag(TagRecord(5));
    V->ArrowClick(kToStart);
    V->numBtnClick();
    V->ArrowClick(kForwardOne);
    V->ArrowClick(kForwardOne);
    const QPoint P2 = MovePoint(2);
    EXPECT_EQ(V->painter().Value(P2.x(), P2.y()), 2);
}

}  // namespace
}  // namespace xvexo
