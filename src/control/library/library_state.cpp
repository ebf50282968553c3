#include "library_state.h"

#include <QApplication>

#include "platform/fonts.h"

namespace xvexo::library {

namespace {

// Every call comes on the host's one user-interface thread, so plain counters do.
int32_t Objects = 0;
int32_t Locks = 0;

}  // namespace

void ObjectCreated() {
    ++Objects;
}
void ObjectDestroyed() {
    --Objects;
}
void Lock(bool On) {
    Locks += On ? 1 : -1;
}
bool CanUnload() {
    return Objects <= 0 && Locks <= 0;
}

bool EnsureApplication() {
    if (QCoreApplication::instance() != nullptr)
        return qobject_cast<QApplication*>(qApp) != nullptr;
    // A host without Qt: the application lives as long as the process (the library stays loaded,
    // see its link options), since Qt cannot be started twice in one process.
    static int Argc = 1;
    static char Name[] = "xvexoview";
    static char* Argv[] = {Name, nullptr};
    static QApplication* App = new QApplication(Argc, Argv);
    (void)App;
    InstallFontSubstitutions();
    return true;
}

}  // namespace xvexo::library
