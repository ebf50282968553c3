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
    // The last-move mark has moved from move 40 to the stone played last.
    EXPECT_EQ(V->painter().Value(11, 10), kLastMoveMark);
    const QPoint M40 = MovePoint(40);
    EXPECT_EQ(V->painter().Value(M40.x(), M40.y()), 0);
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

}  // namespace
}  // namespace xvexo
