#include <gtest/gtest.h>

#include <QTest>

#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

using testing::TagRecord;
using testing::ViewFixture;

using testing::PressBoard;

TEST(Navigation, EachArrowButtonStepsAsItsTagSays) {
    ViewFixture V;
    V.LoadTag(TagRecord(20));
    EXPECT_EQ(V.Clicks, 0);  // loading is silent
    const int Ends[6] = {0, 5, 9, 11, 15, 20};
    for (int Tag = kToStart; Tag <= kToEnd; ++Tag) {
        V->moveEd->setText("10");
        V->moveBtnClick();
        const int Clicks = V.Clicks;
        QTest::mouseClick(V->ArrowButtons[Tag], Qt::LeftButton);
        EXPECT_EQ(V.MoveIndex(), Ends[Tag]) << "tag " << Tag;
        EXPECT_EQ(V.Clicks - Clicks, Tag == kForwardOne ? 1 : 0) << "tag " << Tag;
    }
}

TEST(Navigation, TheMoveBoxGoesToItsMoveOrKeepsTheFocus) {
    ViewFixture V;
    V.LoadTag(TagRecord(120, "EV[x]", 1, "C[first]"));
    V->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(V.View.get()));
    EXPECT_EQ(V->moveEd->maxLength(), 3);
    V->moveEd->setText("1");
    QTest::mouseClick(V->moveBtn, Qt::LeftButton);
    EXPECT_EQ(V.MoveIndex(), 1);
    EXPECT_EQ(V->commentM->line(2), "[1] first");
    // Enter on a text that is no number: the message, and the box keeps the focus.
    V->moveEd->setFocus();
    V->moveEd->setText("abc");
    QTest::keyClick(V->moveEd, Qt::Key_Return);
    EXPECT_EQ(V.Errors, QStringList{"请输入数字"});
    EXPECT_TRUE(V->moveEd->hasFocus());
    // Enter on a number: the board goes there and takes the keys back.
    V->moveEd->setText("57");
    QTest::keyClick(V->moveEd, Qt::Key_Return);
    EXPECT_EQ(V.MoveIndex(), 57);
    EXPECT_TRUE(V->MainGoPB->hasFocus());
}

TEST(Navigation, TheAutomaticPlayButtonsAndTheSpinBoxDriveTheTimer) {
    ViewFixture V;
    V.LoadTag(TagRecord(4));
    V->ArrowClick(kToStart);
    V->secondSE->setValue(3);
    QTest::mouseClick(V->autoBtn, Qt::LeftButton);
    EXPECT_TRUE(V->Timer->isActive());
    EXPECT_EQ(V->Timer->interval(), 3000);
    EXPECT_TRUE(V->autoBtn->isHidden());
    EXPECT_FALSE(V->autoEndBtn->isHidden());
    V->secondSE->setValue(2);  // takes effect at once
    EXPECT_EQ(V->Timer->interval(), 2000);
    QTest::mouseClick(V->autoEndBtn, Qt::LeftButton);
    EXPECT_FALSE(V->Timer->isActive());
    EXPECT_FALSE(V->autoBtn->isHidden());
    EXPECT_TRUE(V->autoEndBtn->isHidden());
}

TEST(Navigation, BoardClicksStepForwardAndBackAndRefreshTheComment) {
    ViewFixture V;
    V.LoadTag(TagRecord(6, "EV[x]", 3, "C[three]"));
    V->ArrowClick(kToStart);
    PressBoard(*V, Qt::LeftButton, 10, 10);
    PressBoard(*V, Qt::LeftButton, 1, 1);
    PressBoard(*V, Qt::LeftButton, 19, 19);
    EXPECT_EQ(V.MoveIndex(), 3);
    EXPECT_EQ(V.Clicks, 3);
    EXPECT_EQ(V->commentM->line(2), "[3] three");
    PressBoard(*V, Qt::RightButton, 5, 5);
    EXPECT_EQ(V.MoveIndex(), 2);
    EXPECT_EQ(V.Clicks, 3);
    EXPECT_EQ(V->commentM->lineCount(), 1);
    // The label margin yields a point 20 or 21: while viewing, the point does not matter.
    const int Cell = V->painter().CellSize();
    QTest::mousePress(V->MainGoPB, Qt::LeftButton, {}, QPoint(19 * Cell + 5, 3));
    EXPECT_EQ(V.MoveIndex(), 3);
}

TEST(Navigation, AutomaticPlayTicksOnItsOwnTimer) {
    ViewFixture V;
    V.LoadTag(TagRecord(4));
    V->ArrowClick(kToStart);
    V->autoBtnClick();  // one second
    QTest::qWait(400);
    EXPECT_EQ(V.MoveIndex(), 0);  // the first step comes one interval after the start
    QTest::qWait(900);
    EXPECT_EQ(V.MoveIndex(), 1);
    V->autoEndBtnClick();
}

}  // namespace
}  // namespace xvexo
