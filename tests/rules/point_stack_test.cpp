#include <gtest/gtest.h>

#include "rules/point_stack.h"

namespace xvexo {
namespace {

// Each case pushes (I, 10 + I) for I = 1..Pushes, then pops Pops times into X, Y (99, 98 at
// first), and checks the count, the top and the last point popped.
TEST(PointStack, PushesAndPops) {
    const struct {
        const char* What;
        int Pushes, Pops;
        int Count, TopX, TopY, X, Y;
    } Cases[] = {
        {"an empty stack's top is -1", 0, 0, 0, -1, -1, 99, 98},
        {"the top is the last point pushed", 2, 0, 2, 2, 12, 99, 98},
        {"a pop takes the top", 2, 1, 1, 1, 11, 2, 12},
        {"points pop in reverse order", 2, 2, 0, -1, -1, 1, 11},
        {"a pop on an empty stack leaves X and Y", 0, 1, 0, -1, -1, 99, 98},
        {"also once the last point is gone", 2, 3, 0, -1, -1, 1, 11},
        {"a push onto a full stack is dropped", 501, 0, 500, 500, 510, 99, 98},
        {"the full stack pops its last kept point", 501, 1, 499, 499, 509, 500, 510},
    };
    for (const auto& C : Cases) {
        TStack S;
        for (int I = 1; I <= C.Pushes; ++I)
            S.Push(I, 10 + I);
        int32_t X = 99, Y = 98;
        for (int I = 0; I < C.Pops; ++I)
            S.Pop(X, Y);
        EXPECT_EQ(S.Count(), C.Count) << C.What;
        EXPECT_EQ(S.TopX(), C.TopX) << C.What;
        EXPECT_EQ(S.TopY(), C.TopY) << C.What;
        EXPECT_EQ(X, C.X) << C.What;
        EXPECT_EQ(Y, C.Y) << C.What;
    }
}

}  // namespace
}  // namespace xvexo
