#pragma once
// The viewer's waiting hook: while a download or a slow local source waits, the Qt event loop of
// the host's thread keeps running (paints, the automatic-play timer, clicks). A handler that runs
// meanwhile may cancel the wait (a second getFile, the form closing).

#include "records/wait_hook.h"

namespace xvexo {

class TQtWaitHook final : public TWaitHook {
  public:
    // Makes the wait under way give up at its next pump; the operation fails with "Cancelled".
    void Cancel() { Cancelled = true; }
    // Lets the next operation wait again after a Cancel.
    void Reset() { Cancelled = false; }
    bool IsCancelled() const { return Cancelled; }

  protected:
    bool DoPump() override;

  private:
    bool Cancelled = false;
};

}  // namespace xvexo
