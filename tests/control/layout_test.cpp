#include <gtest/gtest.h>

#include "view_fixture.h"

namespace xvexo {
namespace {

using testing::ViewFixture;

TEST(ViewLayout, DesignSizePlacesPanelsAndBoard) {
    ViewFixture v;
    ASSERT_EQ(v->size(), QSize(798, 560));
    const struct {
        QWidget* Widget;
        QRect Geometry;
    } cases[] = {
        {v->rightP, {546, 0, 252, 560}},   {v->rightTopP, {0, 0, 252, 329}},
        {v->commentP, {0, 329, 252, 193}}, {v->movesP, {0, 522, 252, 38}},
        {v->leftP, {0, 0, 546, 560}},      {v->topP, {0, 0, 546, 26}},
        {v->sideP, {0, 26, 13, 497}},      {v->buttonP, {0, 523, 546, 37}},
        {v->panP, {13, 26, 533, 497}},     {v->commentM, {10, 24, 238, 170}},
        {v->autoBtn, {18, 10, 56, 20}},    {v->moveEd, {195, 10, 41, 21}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Widget->geometry(), c.Geometry) << c.Widget->objectName().toStdString();
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(v->InfoLabels[i - 1]->pos(), QPoint(19, 176 + 20 * i));

    // N = min(508 div 19, 472 div 19) = 24; board plus label margin centred.
    EXPECT_EQ(v->painter().CellSize(), 24);
    EXPECT_EQ(v->painter().BoardSize(), 456);
    EXPECT_EQ(v->MainGoPB->geometry(), QRect(28, 10, 476, 476));
    EXPECT_EQ(v->boardImage().size(), QSize(476, 476));
}

TEST(ViewLayout, FunctionPanelPlacesArrowsAndButtons) {
    ViewFixture v;
    // buttonP 546 wide gives functionP 532.
    ASSERT_EQ(v->functionP->width(), 532);
    EXPECT_EQ(v->functionP->x(), 14);
    const int lefts[6] = {16, 55, 92, 129, 166, 203};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(v->ArrowButtons[i]->geometry(),
                  QRect(lefts[i], 8, (i == 0 || i == 5) ? 39 : 37, 20))
            << i;
        EXPECT_EQ(v->ArrowButtons[i]->tag(), i);
    }
    EXPECT_EQ(v->testBtn->x(), 238);
    EXPECT_EQ(v->testEndBtn->x(), 238);
    EXPECT_EQ(v->numBtn->x(), 334);
    EXPECT_EQ(v->printBtn->x(), 430);
    EXPECT_EQ(v->printBtn->geometry().right() + 1, 532 - 6);
}

TEST(ViewLayout, OddWidthRoundsTheArrowRowHalfToEven) {
    ViewFixture v;
    // functionP 531: (531 - 500) / 2 = 15.5 goes to 16; 533: 16.5 goes to 16.
    for (const auto& [formWidth, left] :
         {std::pair{797, 16}, std::pair{799, 16}, std::pair{801, 18}}) {
        v->resize(formWidth, 560);
        EXPECT_EQ(v->ArrowButtons[0]->x(), left) << formWidth;
        EXPECT_EQ(v->ArrowButtons[5]->x(), left + 39 + 37 * 4) << formWidth;
    }
}

TEST(ViewLayout, ResizeKeepingTheCellSizeMovesTheBoardWithoutReloading) {
    ViewFixture v;
    const int loads = v->imageSetLoads();
    v->resize(798 + 11, 560 + 1);  // panP 544x498: N stays 24
    EXPECT_EQ(v->panP->size(), QSize(544, 498));
    EXPECT_EQ(v->imageSetLoads(), loads);
    EXPECT_EQ(v->MainGoPB->geometry(), QRect(34, 11, 476, 476));

    v->resize(798 + 40, 560 + 40);  // panP 573x537: N = min(28, 26) = 26
    EXPECT_EQ(v->imageSetLoads(), loads + 1);
    EXPECT_EQ(v->painter().CellSize(), 26);
    EXPECT_EQ(v->MainGoPB->size(), QSize(19 * 26 + 20, 19 * 26 + 20));

    // Far too small: the board keeps its size, nothing breaks.
    v->resize(300, 60);
    EXPECT_EQ(v->painter().CellSize(), 26);
}

TEST(ViewLayout, CommentBoxFollowsItsPanelHeight) {
    ViewFixture v;
    v->resize(798, 660);
    EXPECT_EQ(v->commentP->height(), 293);
    EXPECT_EQ(v->commentM->geometry(), QRect(10, 24, 238, 270));
}

}  // namespace
}  // namespace xvexo
