#include "records/wait_hook.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>

namespace xvexo {

TWaitResult WaitForFd(int Fd, bool ForWriting, std::chrono::steady_clock::time_point Deadline,
                      TWaitHook& Hook) {
    using namespace std::chrono;
    for (;;) {
        const auto Now = steady_clock::now();
        if (Now >= Deadline) return TWaitResult::TimedOut;
        // Rounded up, so a wait never ends a little before the deadline (nor is the deadline
        // taken as passed while a fraction of a millisecond is left).
        const auto Slice = std::min(ceil<milliseconds>(Deadline - Now), Hook.Interval());
        pollfd P{Fd, static_cast<short>(ForWriting ? POLLOUT : POLLIN), 0};
        const int N = ::poll(&P, 1, static_cast<int>(Slice.count()));
        if (N > 0 || (N < 0 && errno != EINTR)) {  // on an error, the caller's read tells why
            return Hook.PumpIfDue() ? TWaitResult::Ready : TWaitResult::Cancelled;
        }
        if (!Hook.Pump()) return TWaitResult::Cancelled;
    }
}

}  // namespace xvexo
