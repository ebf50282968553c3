#include <gtest/gtest.h>

#include <QTest>

#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

using testing::TagRecord;
using testing::ViewFixture;

// Presses board point (col, row) of the main board with a mouse button.
void PressBoard(TXVexoView& v, Qt::MouseButton button, int col, int row) {
    const int cell = v.painter().CellSize();
    QTest::mousePress(v.MainGoPB, button, {},
                      QPoint((col - 1) * cell + cell / 2, (row - 1) * cell + cell / 2));
    QTest::mouseRelease(v.MainGoPB, button, {},
                        QPoint((col - 1) * cell + cell / 2, (row - 1) * cell + cell / 2));
}

TEST(Navigation, ArrowsStepAsTheirTagSaysAndOnlyTheFourthClicks) {
    ViewFixture v;
    v.LoadTag(TagRecord(20));
    ASSERT_EQ(v.MoveIndex(), 20);
    EXPECT_EQ(v.Clicks, 0);  // loading is silent

    const struct {
        int Start, Tag, End;
        bool Clicks;
    } cases[] = {
        {20, kToStart, 0, false},      {10, kBackFive, 5, false},   {3, kBackFive, 0, false},
        {10, kBackOne, 9, false},      {10, kForwardOne, 11, true}, {10, kForwardFive, 15, false},
        {18, kForwardFive, 20, false}, {10, kToEnd, 20, false},     {0, kBackOne, 0, false},
        {20, kForwardOne, 20, true},
    };
    for (const auto& c : cases) {
        v->ArrowClick(kToStart);
        for (int i = 0; i < c.Start; ++i)
            v->ArrowClick(kForwardOne);
        ASSERT_EQ(v.MoveIndex(), c.Start);
        const int clicks = v.Clicks;
        // Through the button itself, as the user does.
        QTest::mouseClick(v->ArrowButtons[c.Tag], Qt::LeftButton);
        EXPECT_EQ(v.MoveIndex(), c.End) << "tag " << c.Tag << " from " << c.Start;
        // A step at the end plays nothing, so nothing clicks.
        const bool moved = c.End != c.Start;
        EXPECT_EQ(v.Clicks - clicks, c.Clicks && moved ? 1 : 0) << "tag " << c.Tag;
        EXPECT_EQ(v->soundOn(), c.Tag == kForwardOne);
    }
}

TEST(Navigation, BoardClicksStepForwardAndBackAndRefreshTheComment) {
    ViewFixture v;
    v.LoadTag(TagRecord(6, "EV[x]", 3, "C[three]"));
    v->ArrowClick(kToStart);
    PressBoard(*v, Qt::LeftButton, 10, 10);
    PressBoard(*v, Qt::LeftButton, 1, 1);
    PressBoard(*v, Qt::LeftButton, 19, 19);
    EXPECT_EQ(v.MoveIndex(), 3);
    EXPECT_EQ(v.Clicks, 3);
    EXPECT_EQ(v->commentM->line(2), "[3] three");
    PressBoard(*v, Qt::RightButton, 5, 5);
    EXPECT_EQ(v.MoveIndex(), 2);
    EXPECT_EQ(v.Clicks, 3);
    EXPECT_EQ(v->commentM->lineCount(), 1);
    // The label margin yields a point 20 or 21: while viewing, the point does not matter.
    const int cell = v->painter().CellSize();
    QTest::mousePress(v->MainGoPB, Qt::LeftButton, {}, QPoint(19 * cell + 5, 3));
    EXPECT_EQ(v.MoveIndex(), 3);
}

TEST(Navigation, GoToMoveAndItsErrorMessages) {
    ViewFixture v;
    v.LoadTag(TagRecord(120, "EV[x]", 1, "C[first]"));
    ASSERT_EQ(v.MoveIndex(), 120);

    v->moveEd->setText("1");
    QTest::mouseClick(v->moveBtn, Qt::LeftButton);
    EXPECT_EQ(v.MoveIndex(), 1);
    EXPECT_EQ(v->commentM->line(2), "[1] first");

    v->moveEd->setText("999");
    v->moveBtnClick();
    EXPECT_EQ(v.MoveIndex(), 120);
    EXPECT_EQ(v.Clicks, 0);  // going to a move is silent
    EXPECT_TRUE(v.Errors.isEmpty());

    const struct {
        const char* Text;
        const char* Message;
    } bad[] = {{"abc", "请输入数字"},
               {"", "请输入数字"},
               {"0", "请输入1以上的数字"},
               {"-5", "请输入1以上的数字"}};
    for (const auto& c : bad) {
        v->moveEd->setText(QString::fromUtf8(c.Text));
        v->moveBtnClick();
        ASSERT_FALSE(v.Errors.isEmpty()) << c.Text;
        EXPECT_EQ(v.Errors.takeLast(), QString::fromUtf8(c.Message)) << c.Text;
        EXPECT_EQ(v.MoveIndex(), 120) << c.Text;
    }
    EXPECT_EQ(v->moveEd->maxLength(), 3);
}

TEST(Navigation, AutomaticPlayStepsClicksAndStopsAtTheEnd) {
    ViewFixture v;
    v.LoadTag(TagRecord(4));
    v->ArrowClick(kToStart);
    v->secondSE->setValue(3);
    QTest::mouseClick(v->autoBtn, Qt::LeftButton);
    EXPECT_TRUE(v->autoPlaying());
    EXPECT_TRUE(v->Timer->isActive());
    EXPECT_EQ(v->Timer->interval(), 3000);
    EXPECT_TRUE(v->autoBtn->isHidden());
    EXPECT_FALSE(v->autoEndBtn->isHidden());
    v->secondSE->setValue(2);  // takes effect at once
    EXPECT_EQ(v->Timer->interval(), 2000);

    for (int tick = 1; tick <= 4; ++tick) {
        v->TimerTimer();
        EXPECT_EQ(v.MoveIndex(), tick);
        EXPECT_EQ(v.Clicks, tick);
    }
    EXPECT_TRUE(v->autoPlaying());
    v->TimerTimer();  // the end: automatic play stops and autoBtn comes back
    EXPECT_FALSE(v->autoPlaying());
    EXPECT_FALSE(v->Timer->isActive());
    EXPECT_FALSE(v->autoBtn->isHidden());
    EXPECT_TRUE(v->autoEndBtn->isHidden());
}

TEST(Navigation, AutomaticPlayTicksOnItsOwnTimer) {
    ViewFixture v;
    v.LoadTag(TagRecord(4));
    v->ArrowClick(kToStart);
    v->autoBtnClick();  // one second
    QTest::qWait(400);
    EXPECT_EQ(v.MoveIndex(), 0);  // the first step comes one interval after the start
    QTest::qWait(900);
    EXPECT_EQ(v.MoveIndex(), 1);
    v->autoEndBtnClick();
}

TEST(Navigation, BoardClickLetsAutomaticPlayLapseWithoutBringingBackTheButton) {
    ViewFixture v;
    v.LoadTag(TagRecord(6));
    v->ArrowClick(kToStart);
    v->autoBtnClick();
    v->TimerTimer();
    PressBoard(*v, Qt::LeftButton, 4, 4);
    EXPECT_FALSE(v->autoPlaying());
    EXPECT_EQ(v.MoveIndex(), 2);
    v->TimerTimer();  // the next tick switches the timer off and does not step
    EXPECT_EQ(v.MoveIndex(), 2);
    EXPECT_FALSE(v->Timer->isActive());
    EXPECT_FALSE(v->autoEndBtn->isHidden());
    EXPECT_TRUE(v->autoBtn->isHidden());
    // Pressing it brings autoBtn back.
    QTest::mouseClick(v->autoEndBtn, Qt::LeftButton);
    EXPECT_FALSE(v->autoBtn->isHidden());

    // Going to a move stops automatic play fully.
    v->autoBtnClick();
    v->moveEd->setText("3");
    v->moveBtnClick();
    EXPECT_FALSE(v->Timer->isActive());
    EXPECT_FALSE(v->autoBtn->isHidden());
}

}  // namespace
}  // namespace xvexo
