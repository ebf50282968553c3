#include "gui_start.h"

#include <cstdio>

#include "platform/fonts.h"

namespace xvexo::cli {

namespace {

// Qt's own notes (a missing runtime folder and the like) are not the command's output; only
// its critical errors reach standard error.
void QuietMessages(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
    if (Type == QtCriticalMsg || Type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(Message));
    }
}

}  // namespace

std::unique_ptr<QGuiApplication> StartGui() {
    qInstallMessageHandler(QuietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int Argc = 1;
    static char Name[] = "xvexo";
    static char* Argv[] = {Name, nullptr};
    auto App = std::make_unique<QGuiApplication>(Argc, Argv);
    InstallFontSubstitutions();
    return App;
}

}  // namespace xvexo::cli
