#include "library_state.h"

#include <QApplication>
#include <optional>

#include "platform/fonts.h"
#include "platform/print_status.h"

namespace xvexo::library {

namespace {

// Every call comes on the host's one user-interface thread, so plain counters do.
int32_t Objects = 0;
int32_t Locks = 0;
std::string Notice;

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
    if (QCoreApplication::instance() == nullptr) {
        // A host without Qt: the application lives as long as the process (the library stays
        // loaded, see its link options), since Qt cannot be started twice in one process.
        static int Argc = 1;
        static char Name[] = "xvexoview";
        static char* Argv[] = {Name, nullptr};
        new QApplication(Argc, Argv);
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return false;
    // The fonts the form names, on this machine's fonts; once, whoever started the application.
    static const bool Fonts = (InstallFontSubstitutions(), true);
    return Fonts;
}

void StartPrinting() {
    if (ProgramPrintStatus() != nullptr) return;
    std::optional<TPrintSettingsError> Error;
    StartPrintStatus(&Error);
    if (!SettingsFileProblem().empty()) {
        Notice = SettingsFileProblem() +
                 "; nothing is stored in it, and printing uses the default options.";
    } else if (Error) {
        Notice = "The print settings cannot be stored (" + Error->Details() +
                 "); printing uses the default options.";
    }
}

const std::string& PrintSettingsNotice() {
    return Notice;
}

}  // namespace xvexo::library
