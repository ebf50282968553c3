#pragma once
// What an operation that waits for input (a download, a pipe, a device) does while it waits: it
// lets the host handle what is pending (paints, timers, clicks) at short intervals, so the user
// interface never freezes, and stops when the host asks it to. The viewer's hook runs the Qt
// event loop; the command line's does nothing.

#include <chrono>

namespace xvexo {

class TWaitHook {
  public:
    virtual ~TWaitHook() = default;

    // Lets the host handle what is pending, and returns at once. False asks the waiting
    // operation to give up (it then fails with "Cancelled").
    bool Pump() {
        LastPump = std::chrono::steady_clock::now();
        return DoPump();
    }
    // Pump, when Interval has passed since the last call; true otherwise. For an operation that
    // is busy, not waiting (a fast transfer), so the host is still served.
    bool PumpIfDue() { return std::chrono::steady_clock::now() - LastPump < Interval() || Pump(); }
    // The longest time a waiting operation goes without calling Pump.
    virtual std::chrono::milliseconds Interval() const { return std::chrono::milliseconds(10); }

  protected:
    virtual bool DoPump() = 0;

  private:
    std::chrono::steady_clock::time_point LastPump{};
};

// The hook of a program without an event loop: nothing to pump, never cancelled.
class TNoWaitHook final : public TWaitHook {
  public:
    std::chrono::milliseconds Interval() const override { return std::chrono::seconds(1); }

  protected:
    bool DoPump() override { return true; }
};

enum class TWaitResult {
    Ready,      // Fd can be read (or written), or has an error or hang-up to report
    TimedOut,   // Deadline passed first
    Cancelled,  // the hook's Pump returned false
};

// Waits until Fd is ready for reading (for writing when ForWriting) or Deadline passes, calling
// Hook.Pump() between waits of at most Hook.Interval(), and before it returns Ready when the
// interval has passed (so a stream that never pauses still lets the host in).
TWaitResult WaitForFd(int Fd, bool ForWriting, std::chrono::steady_clock::time_point Deadline,
                      TWaitHook& Hook);

}  // namespace xvexo
