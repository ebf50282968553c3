#include "platform/qt_wait_hook.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace xvexo {

bool TQtWaitHook::DoPump() {
    // Handles what is pending now and returns; the wait itself blocks on the socket for at most
    // the hook's interval, so nothing here sleeps.
    if (!Cancelled) QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !Cancelled;
}

}  // namespace xvexo
