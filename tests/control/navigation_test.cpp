#include <gtest/gtest.h>

#include <QTest>

#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

using testing::TagRecord;
using testing::ViewFixture;

using testing::PressBoard;

TEST(Navigation, ArrowsStepAsTheirTagSaysAndOnlyTheFourthClicks) {
    ViewFixture V;
    V.LoadTag(TagRecord(20));
    ASSERT_EQ(V.MoveIndex(), 20);
    EXPECT_EQ(V.Clicks, 0);  // loading is silent

    const struct {
        int Start, Tag, End;
        bool Clicks;
    } Cases[] = {
        {20, kToStart, 0, false},      {10, kBackFive, 5, false},   {3, kBackFive, 0, false},
        {10, kBackOne, 9, false},      {10, kForwardOne, 11, true}, {10, kForwardFive, 15, false},
        {18, kForwardFive, 20, false}, {10, kToEnd, 20, false},     {0, kBackOne, 0, false},
        {20, kForwardOne, 20, true},
    };
    for (const auto& C : Cases) {
        V->ArrowClick(kToStart);
        for (int i = 0; i < C.Start; ++i)
            V->ArrowClick(kForwardOne);
        ASSERT_EQ(V.MoveIndex(), C.Start);
        const int Clicks = V.Clicks;
        // Through the button itself, as the user does.
        QTest::mouseClick(V->ArrowButtons[C.Tag], Qt::LeftButton);
        EXPECT_EQ(V.MoveIndex(), C.End) << "tag " << C.Tag << " from " << C.Start;
        // A step at the end plays nothing, so nothing clicks.
        const bool Moved = C.End != C.Start;
        EXPECT_EQ(V.Clicks - Clicks, C.Clicks && Moved ? 1 : 0) << "tag " << C.Tag;
        EXPECT_EQ(V->soundOn(), C.Tag == kForwardOne);
    }
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

TEST(Navigation, GoToMoveAndItsErrorMessages) {
    ViewFixture V;
    V.LoadTag(TagRecord(120, "EV[x]", 1, "C[first]"));
    ASSERT_EQ(V.MoveIndex(), 120);

    V->moveEd->setText("1");
    QTest::mouseClick(V->moveBtn, Qt::LeftButton);
    EXPECT_EQ(V.MoveIndex(), 1);
    EXPECT_EQ(V->commentM->line(2), "[1] first");

    V->moveEd->setText("999");
    V->moveBtnClick();
    EXPECT_EQ(V.MoveIndex(), 120);
    EXPECT_EQ(V.Clicks, 0);  // going to a move is silent
    EXPECT_TRUE(V.Errors.isEmpty());

    const struct {
        const char* Text;
        const char* Message;
    } Bad[] = {{"abc", "请输入数字"},
               {"", "请输入数字"},
               {"0", "请输入1以上的数字"},
               {"-5", "请输入1以上的数字"}};
    for (const auto& C : Bad) {
        V->moveEd->setText(QString::fromUtf8(C.Text));
        V->moveBtnClick();
        ASSERT_FALSE(V.Errors.isEmpty()) << C.Text;
        EXPECT_EQ(V.Errors.takeLast(), QString::fromUtf8(C.Message)) << C.Text;
        EXPECT_EQ(V.MoveIndex(), 120) << C.Text;
    }
    EXPECT_EQ(V->moveEd->maxLength(), 3);
}

TEST(Navigation, AutomaticPlayStepsClicksAndStopsAtTheEnd) {
    ViewFixture V;
    V.LoadTag(TagRecord(4));
    V->ArrowClick(kToStart);
    V->secondSE->setValue(3);
    QTest::mouseClick(V->autoBtn, Qt::LeftButton);
    EXPECT_TRUE(V->autoPlaying());
    EXPECT_TRUE(V->Timer->isActive());
    EXPECT_EQ(V->Timer->interval(), 3000);
    EXPECT_TRUE(V->autoBtn->isHidden());
    EXPECT_FALSE(V->autoEndBtn->isHidden());
    V->secondSE->setValue(2);  // takes effect at once
    EXPECT_EQ(V->Timer->interval(), 2000);

    for (int Tick = 1; Tick <= 4; ++Tick) {
        V->TimerTimer();
        EXPECT_EQ(V.MoveIndex(), Tick);
        EXPECT_EQ(V.Clicks, Tick);
    }
    EXPECT_TRUE(V->autoPlaying());
    V->TimerTimer();  // the end: automatic play stops and autoBtn comes back
    EXPECT_FALSE(V->autoPlaying());
    EXPECT_FALSE(V->Timer->isActive());
    EXPECT_FALSE(V->autoBtn->isHidden());
    EXPECT_TRUE(V->autoEndBtn->isHidden());
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

TEST(Navigation, BoardClickLetsAutomaticPlayLapseWithoutBringingBackTheButton) {
    ViewFixture V;
    V.LoadTag(TagRecord(6));
    V->ArrowClick(kToStart);
    V->autoBtnClick();
    V->TimerTimer();
    PressBoard(*V, Qt::LeftButton, 4, 4);
    EXPECT_FALSE(V->autoPlaying());
    EXPECT_EQ(V.MoveIndex(), 2);
    V->TimerTimer();  // the next tick switches the timer off and does not step
    EXPECT_EQ(V.MoveIndex(), 2);
    EXPECT_FALSE(V->Timer->isActive());
    EXPECT_FALSE(V->autoEndBtn->isHidden());
    EXPECT_TRUE(V->autoBtn->isHidden());
    // Pressing it brings autoBtn back.
    QTest::mouseClick(V->autoEndBtn, Qt::LeftButton);
    EXPECT_FALSE(V->autoBtn->isHidden());

    // Going to a move stops automatic play fully.
    V->autoBtnClick();
    V->moveEd->setText("3");
    V->moveBtnClick();
    EXPECT_FALSE(V->Timer->isActive());
    EXPECT_FALSE(V->autoBtn->isHidden());
}

}  // namespace
}  // namespace xvexo
