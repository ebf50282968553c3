#pragma once
// Turns mouse-wheel deltas into whole steps. A notch of a common wheel is 120 units; a
// high-resolution wheel or a touchpad sends smaller deltas, which add up until they make a
// notch, so a slow turn steps as often as a notched one. Turning the other way starts afresh.

#include <cstdint>

namespace xvexo {

class TWheelSteps {
  public:
    static constexpr int32_t kNotch = 120;

    // Adds Delta (positive: away from the user) and returns the whole notches it completes,
    // positive or negative; 0 while a notch is still incomplete.
    int32_t Add(int32_t Delta) {
        if ((Delta > 0 && Pending < 0) || (Delta < 0 && Pending > 0)) Pending = 0;
        // A huge delta (a hostile or broken device) never overflows the sum.
        if (Delta > kLimit) Delta = kLimit;
        if (Delta < -kLimit) Delta = -kLimit;
        Pending += Delta;
        const int32_t Steps = Pending / kNotch;
        Pending -= Steps * kNotch;
        return Steps;
    }

  private:
    static constexpr int32_t kLimit = 100 * kNotch;
    int32_t Pending = 0;
};

}  // namespace xvexo
