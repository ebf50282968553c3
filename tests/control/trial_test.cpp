#include <gtest/gtest.h>

#include <QTest>

#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

using testing::TagRecord;
using testing::ViewFixture;

void Click(TXVexoView& v, Qt::MouseButton button, int col, int row) {
    const int cell = v.painter().CellSize();
    QTest::mousePress(v.MainGoPB, button, {},
                      QPoint((col - 1) * cell + cell / 2, (row - 1) * cell + cell / 2));
}

// The point of move i of TagRecord.
QPoint MovePoint(int i) {
    const auto [x, y] = testing::QuietMovePoint(i);
    return {x, y};
}

TEST(TrialPlay, NumbersTrialStonesFromOneAndRestoresTheRecord) {
    ViewFixture v;
    v.LoadTag(TagRecord(60));
    v->moveEd->setText("40");
    v->moveBtnClick();
    ASSERT_EQ(v.MoveIndex(), 40);
    const QColor viewing = v->panP->palette().color(QPalette::Window);
    const QImage before = v->boardImage();

    QTest::mouseClick(v->testBtn, Qt::LeftButton);
    EXPECT_EQ(v->viewMode(), TXVexoView::kTrial);
    EXPECT_TRUE(v->testBtn->isHidden());
    EXPECT_FALSE(v->testEndBtn->isHidden());
    EXPECT_EQ(v->panP->palette().color(QPalette::Window), QColor(64, 128, 128));
    // The trial edge is drawn right of the board.
    EXPECT_NE(v->boardImage().pixel(v->painter().BoardSize() + 3, 100),
              before.pixel(v->painter().BoardSize() + 3, 100));

    // The label margin shows the teal panel through it.
    const int corner = v->painter().BoardSize() + v->painter().LabelMargin() - 1;
    EXPECT_EQ(v->boardImage().pixelColor(corner, corner), QColor(64, 128, 128));

    v->ArrowClick(kForwardOne);  // the record's later moves are out of reach
    EXPECT_EQ(v.MoveIndex(), 40);

    Click(*v, Qt::LeftButton, 10, 10);  // black to move after 40 moves
    Click(*v, Qt::LeftButton, 11, 10);
    EXPECT_EQ(v->painter().Stone(10, 10), kBlack);
    EXPECT_EQ(v->painter().Value(10, 10), 1);
    EXPECT_EQ(v->painter().Stone(11, 10), kWhite);
    EXPECT_EQ(v->painter().Value(11, 10), 2);
    const QPoint m40 = MovePoint(40);
    EXPECT_EQ(v->painter().Value(m40.x(), m40.y()), kLastMoveMark);
    // An occupied point places nothing.
    Click(*v, Qt::LeftButton, 11, 10);
    EXPECT_EQ(v.MoveIndex(), 42);
    // The right button takes a trial stone back.
    Click(*v, Qt::RightButton, 1, 1);
    EXPECT_EQ(v->painter().Stone(11, 10), kEmpty);

    QTest::mouseClick(v->testEndBtn, Qt::LeftButton);
    EXPECT_EQ(v->viewMode(), TXVexoView::kViewing);
    EXPECT_EQ(v->modeDepth(), 0);
    EXPECT_EQ(v.MoveIndex(), 40);
    EXPECT_EQ(v->panP->palette().color(QPalette::Window), viewing);
    EXPECT_EQ(testing::BoardDifference(v->boardImage(), before), "");
    v->ArrowClick(kForwardOne);
    EXPECT_EQ(v.MoveIndex(), 41);
    EXPECT_EQ(v->board().EndIndex(), 60);
}

TEST(TrialPlay, OnAnEmptyBoardEndsEmpty) {
    ViewFixture v;
    v.LoadTag(TagRecord(10));
    v->ArrowClick(kToStart);
    const QImage empty = v->boardImage();
    v->testBtnClick();
    Click(*v, Qt::LeftButton, 4, 4);
    EXPECT_EQ(v->painter().Value(4, 4), 1);
    v->testEndBtnClick();
    EXPECT_EQ(v.MoveIndex(), 0);
    EXPECT_EQ(testing::BoardDifference(v->boardImage(), empty), "");
    v->ArrowClick(kToEnd);
    EXPECT_EQ(v.MoveIndex(), 10);
}

TEST(TrialPlay, StartingStopsAutomaticPlayAndNumberDisplay) {
    ViewFixture v;
    v.LoadTag(TagRecord(10));
    v->numBtnClick();
    v->autoBtnClick();
    v->testBtnClick();
    EXPECT_FALSE(v->Timer->isActive());
    EXPECT_FALSE(v->autoBtn->isHidden());
    EXPECT_FALSE(v->numbersShown());
    v->autoBtnClick();  // does nothing during trial play
    EXPECT_FALSE(v->Timer->isActive());
    // A new record ends trial play first.
    v.LoadTag(TagRecord(3));
    EXPECT_EQ(v->viewMode(), TXVexoView::kViewing);
    EXPECT_FALSE(v->testBtn->isHidden());
    EXPECT_EQ(v.MoveIndex(), 3);
}

TEST(TrialPlay, BelowItsStartNumbersFromOneAndTheCommentFollows) {
    ViewFixture v;
    v.LoadTag(TagRecord(40, "EV[x]", 37, "C[thirty-seven]"));
    v->testBtnClick();
    for (int i = 0; i < 3; ++i)
        Click(*v, Qt::RightButton, 1, 1);
    ASSERT_EQ(v.MoveIndex(), 37);
    Click(*v, Qt::LeftButton, 10, 10);
    EXPECT_EQ(v->painter().Value(10, 10), 1);
    v->ArrowClick(kBackOne);
    v->ArrowClick(kForwardOne);
    EXPECT_EQ(v->commentM->line(2), "[37] thirty-seven");
    // A refused click (an occupied point) leaves the forward arrow nothing to step into.
    v->ArrowClick(kBackOne);
    const QPoint m1 = MovePoint(1);
    Click(*v, Qt::LeftButton, m1.x(), m1.y());
    v->ArrowClick(kForwardOne);
    EXPECT_EQ(v.MoveIndex(), 37);
    // Number display during trial play, then the end: the record comes back whole.
    v->numBtnClick();
    Click(*v, Qt::LeftButton, 10, 11);
    v->testEndBtnClick();
    EXPECT_FALSE(v->numbersShown());
    EXPECT_EQ(v.MoveIndex(), 40);
    EXPECT_EQ(v->painter().Stone(10, 10), kEmpty);
    EXPECT_EQ(v->painter().Stone(10, 11), kEmpty);
    const QPoint m40 = MovePoint(40);
    EXPECT_EQ(v->painter().Value(m40.x(), m40.y()), kLastMoveMark);
    v->ArrowClick(kToStart);
    v->ArrowClick(kToEnd);
    EXPECT_EQ(v.MoveIndex(), 40);
    EXPECT_EQ(v->board().EndIndex(), 40);
}

TEST(TrialPlay, TheCommentStaysWithTheTrialStartWhenNumbersAreSwitched) {
    ViewFixture v;
    std::string record = TagRecord(40, "EV[x]", 40, "C[forty]");
    record.insert(record.find("B[aa]") + 5, "C[one]");
    v.LoadTag(record);
    ASSERT_EQ(v->commentM->line(2), "[40] forty");
    v->testBtnClick();
    v->numBtnClick();  // numbering now counts from index 1
    v->ArrowClick(kForwardOne);
    EXPECT_EQ(v->commentM->line(2), "[40] forty");
    v->numEndBtnClick();
    Click(*v, Qt::LeftButton, 10, 10);
    v->ArrowClick(kBackOne);
    EXPECT_EQ(v->commentM->line(2), "[40] forty");
    // Stepping below the start and playing there moves the comment down with it.
    v->ArrowClick(kBackOne);
    v->ArrowClick(kBackOne);
    Click(*v, Qt::LeftButton, 10, 12);
    v->ArrowClick(kBackOne);
    v->ArrowClick(kForwardOne);
    EXPECT_EQ(v.MoveIndex(), 39);
    EXPECT_EQ(v->commentM->lineCount(), 1);  // move 38 has no notes
}

TEST(MoveNumbers, ShowTheMoveIndexOnEveryStoneAndGoOnNumbering) {
    ViewFixture v;
    v.LoadTag(TagRecord(60));
    v->moveEd->setText("57");
    v->moveBtnClick();
    QTest::mouseClick(v->numBtn, Qt::LeftButton);
    EXPECT_TRUE(v->numbersShown());
    for (int i : {1, 30, 57}) {
        const QPoint p = MovePoint(i);
        EXPECT_EQ(v->painter().Value(p.x(), p.y()), i) << i;
    }
    v->ArrowClick(kForwardOne);
    const QPoint p58 = MovePoint(58);
    EXPECT_EQ(v->painter().Value(p58.x(), p58.y()), 58);

    QTest::mouseClick(v->numEndBtn, Qt::LeftButton);
    EXPECT_FALSE(v->numbersShown());
    EXPECT_EQ(v->painter().Value(p58.x(), p58.y()), kLastMoveMark);
    const QPoint p57 = MovePoint(57);
    EXPECT_EQ(v->painter().Value(p57.x(), p57.y()), 0);
}

TEST(MoveNumbers, FromTheStartNumberTheComingMoves) {
    ViewFixture v;
    v.LoadTag(TagRecord(5));
    v->ArrowClick(kToStart);
    v->numBtnClick();
    v->ArrowClick(kForwardOne);
    v->ArrowClick(kForwardOne);
    const QPoint p2 = MovePoint(2);
    EXPECT_EQ(v->painter().Value(p2.x(), p2.y()), 2);
}

}  // namespace
}  // namespace xvexo
