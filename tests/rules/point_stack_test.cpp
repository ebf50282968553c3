#include <gtest/gtest.h>

#include "rules/point_stack.h"

namespace xvexo {
namespace {

TEST(PointStack, TopOfEmptyAndPushedStack) {
    TStack S;
    EXPECT_EQ(S.Count(), 0);
    EXPECT_EQ(S.TopX(), -1);
    EXPECT_EQ(S.TopY(), -1);
    S.Push(3, 7);
    EXPECT_EQ(S.TopX(), 3);
    EXPECT_EQ(S.TopY(), 7);
}

TEST(PointStack, PopsInReverseOrderAndLeavesOutputsOnEmpty) {
    TStack S;
    S.Push(1, 2);
    S.Push(3, 4);
    int32_t X = 0, Y = 0;
    S.Pop(X, Y);
    EXPECT_EQ(X, 3);
    EXPECT_EQ(Y, 4);
    S.Pop(X, Y);
    EXPECT_EQ(X, 1);
    EXPECT_EQ(Y, 2);
    X = 99;
    Y = 98;
    S.Pop(X, Y);
    EXPECT_EQ(X, 99);
    EXPECT_EQ(Y, 98);
    EXPECT_EQ(S.Count(), 0);
}

TEST(PointStack, PushOntoFullStackIsDropped) {
    TStack S;
    for (int I = 1; I <= 500; ++I)
        S.Push(I, I);
    S.Push(7, 7);
    EXPECT_EQ(S.Count(), 500);
    EXPECT_EQ(S.TopX(), 500);
    EXPECT_EQ(S.TopY(), 500);
}

}  // namespace
}  // namespace xvexo
