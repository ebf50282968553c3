#include "display/wheel_steps.h"

#include <gtest/gtest.h>

#include <vector>

namespace xvexo {
namespace {

// Each row: the deltas in turn and the steps each returns.
TEST(WheelSteps, DeltasAddUpToWholeNotches) {
    const struct {
        const char* Name;
        std::vector<int32_t> Deltas;
        std::vector<int32_t> Steps;
    } Cases[] = {
        {"notched wheel", {120, 120, -120}, {1, 1, -1}},
        {"fast turn", {360, -240}, {3, -2}},
        {"high resolution", {40, 40, 40, 40}, {0, 0, 1, 0}},
        {"rest kept", {150, 100}, {1, 1}},
        {"reversal drops the rest", {100, -30, -90}, {0, 0, -1}},
        {"sideways only", {0, 0}, {0, 0}},
        {"huge delta bounded", {2000000000, 2000000000}, {100, 100}},
    };
    for (const auto& C : Cases) {
        TWheelSteps Wheel;
        for (size_t i = 0; i < C.Deltas.size(); ++i)
            EXPECT_EQ(Wheel.Add(C.Deltas[i]), C.Steps[i]) << C.Name << " #" << i;
    }
}

}  // namespace
}  // namespace xvexo
