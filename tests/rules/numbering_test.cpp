// Move numbering: counting from an index, lowering the start, and stone numbers after captures.

#include <gtest/gtest.h>

#include "rules/board_fixture.h"

namespace xvexo::testing {
namespace {

TEST(Numbering, CountsFromKAndMovesTheStartDownOnAnEarlierBranch) {
    TGoBoard B;
    Play(B, {{4, 4}, {16, 16}, {4, 16}});
    B.SetNumbering({0, 3, 1});
    TEventLog Log;
    Log.Attach(B);
    Play(B, {{16, 4}, {10, 10}});
    EXPECT_EQ(Log.Lines, (std::vector<std::string>{"put 16 4 1 2", "move 16 4 4 0 0 1",
                                                   "put 10 10 2 1", "move 10 10 5 0 0 2"}));
    EXPECT_EQ(B.PointNumber(4, 16), 501) << "stones before the start keep their value";

    for (int I = 0; I < 4; ++I)
        B.StepBack();
    ASSERT_EQ(B.MoveIndex(), 1);
    B.PlayMove(3, 3);  // a new branch below the start of numbering
    EXPECT_EQ(B.Numbering().From, 1);
    EXPECT_EQ(B.PointNumber(3, 3), 1);
    B.PlayMove(5, 5);
    EXPECT_EQ(B.PointNumber(5, 5), 2);
}

TEST(Numbering, StoneNumbersAfterCapturesAndRepeatedPoints) {
    TGoBoard B;
    // 1 black (1,1); 2 white (2,1); 3 black (10,10); 4 white (1,2) takes (1,1);
    // 5 black (10,11); 6 white plays (1,1) again.
    Play(B, {{1, 1}, {2, 1}, {10, 10}, {1, 2}, {10, 11}, {1, 1}});
    ASSERT_EQ(B.MoveIndex(), 6);
    TNumberGrid A;
    A[0][0] = 77;
    B.GetStoneNumbers(A);
    EXPECT_EQ(A[0][0], 6) << "the later move on a repeated point wins";
    EXPECT_EQ(A[0][1], 2);
    EXPECT_EQ(A[1][0], 4);
    EXPECT_EQ(A[9][9], 3);
    EXPECT_EQ(A[10][9], 5);
    int NonZero = 0;
    for (auto& Row : A)
        for (int32_t V : Row)
            NonZero += V != 0;
    EXPECT_EQ(NonZero, 5);
    EXPECT_EQ(B.PointNumber(1, 1), 501) << "the board's own value codes are unchanged";
    const TNumbering N = B.Numbering();
    EXPECT_EQ(N.Base, 1);
    EXPECT_EQ(N.From, 1);
    EXPECT_EQ(N.On, 1);

    B.PlayMove(15, 15);
    EXPECT_EQ(B.PointNumber(15, 15), 7) << "later moves get their history index";
}

TEST(Numbering, StepBackRestoresCapturedStonesWithTheirNumbersIncludingTheFirst) {
    TGoBoard B;
    Play(B, {{1, 1}, {2, 1}, {10, 10}, {1, 2}});  // move 4 takes the stone of move 1
    TNumberGrid A;
    B.GetStoneNumbers(A);
    TEventLog Log;
    Log.Attach(B);
    B.StepBack();
    EXPECT_EQ(Log.Lines,
              (std::vector<std::string>{"redraw 1 2 0 0", "put 1 1 1 1", "move 10 10 3 0 0 2"}));
    EXPECT_EQ(B.PointNumber(1, 1), 1);
}

}  // namespace
}  // namespace xvexo::testing
