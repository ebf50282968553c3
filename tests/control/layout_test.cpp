#include <gtest/gtest.h>

#include "view_fixture.h"

namespace xvexo {
namespace {

using testing::ViewFixture;

TEST(ViewLayout, DesignSizePlacesPanelsAndBoard) {
    ViewFixture V;
    ASSERT_EQ(V->size(), QSize(798, 560));
    const struct {
        QWidget* Widget;
        QRect Geometry;
    } Cases[] = {
        {V->rightP, {546, 0, 252, 560}},   {V->rightTopP, {0, 0, 252, 329}},
        {V->commentP, {0, 329, 252, 193}}, {V->movesP, {0, 522, 252, 38}},
        {V->leftP, {0, 0, 546, 560}},      {V->topP, {0, 0, 546, 26}},
        {V->sideP, {0, 26, 13, 497}},      {V->buttonP, {0, 523, 546, 37}},
        {V->panP, {13, 26, 533, 497}},     {V->commentM, {10, 24, 238, 170}},
        {V->autoBtn, {18, 10, 56, 20}},    {V->moveEd, {195, 10, 41, 21}},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(C.Widget->geometry(), C.Geometry) << C.Widget->objectName().toStdString();
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(V->InfoLabels[i - 1]->pos(), QPoint(19, 176 + 20 * i));

    // N = min(508 div 19, 472 div 19) = 24; board plus label margin centred.
    EXPECT_EQ(V->painter().CellSize(), 24);
    EXPECT_EQ(V->painter().BoardSize(), 456);
    EXPECT_EQ(V->MainGoPB->geometry(), QRect(28, 10, 476, 476));
    EXPECT_EQ(V->boardImage().size(), QSize(476, 476));
}

TEST(ViewLayout, FunctionPanelPlacesArrowsAndButtons) {
    ViewFixture V;
    // buttonP 546 wide gives functionP 532.
    ASSERT_EQ(V->functionP->width(), 532);
    EXPECT_EQ(V->functionP->x(), 14);
    const int Lefts[6] = {16, 55, 92, 129, 166, 203};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(V->ArrowButtons[i]->geometry(),
                  QRect(Lefts[i], 8, (i == 0 || i == 5) ? 39 : 37, 20))
            << i;
        EXPECT_EQ(V->ArrowButtons[i]->tag(), i);
    }
    EXPECT_EQ(V->testBtn->x(), 238);
    EXPECT_EQ(V->testEndBtn->x(), 238);
    EXPECT_EQ(V->numBtn->x(), 334);
    EXPECT_EQ(V->printBtn->x(), 430);
    EXPECT_EQ(V->printBtn->geometry().right() + 1, 532 - 6);
}

TEST(ViewLayout, OddWidthRoundsTheArrowRowHalfToEven) {
    ViewFixture V;
    // functionP 531: (531 - 500) / 2 = 15.5 goes to 16; 533: 16.5 goes to 16.
    for (const auto& [FormWidth, Left] :
         {std::pair{797, 16}, std::pair{799, 16}, std::pair{801, 18}}) {
        V->resize(FormWidth, 560);
        EXPECT_EQ(V->ArrowButtons[0]->x(), Left) << FormWidth;
        EXPECT_EQ(V->ArrowButtons[5]->x(), Left + 39 + 37 * 4) << FormWidth;
    }
}

TEST(ViewLayout, ResizeKeepingTheCellSizeMovesTheBoardWithoutReloading) {
    ViewFixture V;
    const int Loads = V->imageSetLoads();
    V->resize(798 + 11, 560 + 1);  // panP 544x498: N stays 24
    EXPECT_EQ(V->panP->size(), QSize(544, 498));
    EXPECT_EQ(V->imageSetLoads(), Loads);
    EXPECT_EQ(V->MainGoPB->geometry(), QRect(34, 11, 476, 476));

    V->resize(798 + 40, 560 + 40);  // panP 573x537: N = min(28, 26) = 26
    EXPECT_EQ(V->imageSetLoads(), Loads + 1);
    EXPECT_EQ(V->painter().CellSize(), 26);
    EXPECT_EQ(V->MainGoPB->size(), QSize(19 * 26 + 20, 19 * 26 + 20));

    // Far too small: the board keeps its size, nothing breaks.
    V->resize(300, 60);
    EXPECT_EQ(V->painter().CellSize(), 26);
}

TEST(ViewLayout, CommentBoxFollowsItsPanelHeight) {
    ViewFixture V;
    V->resize(798, 660);
    EXPECT_EQ(V->commentP->height(), 293);
    EXPECT_EQ(V->commentM->geometry(), QRect(10, 24, 238, 270));
}

}  // namespace
}  // namespace xvexo
