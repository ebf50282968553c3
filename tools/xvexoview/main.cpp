// xvexoview [--screenshot FILE.png] [ADDRESS]: the desktop viewer.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "library_control.h"
#include "platform/output_file.h"
#include "platform/reg_file_registry.h"
#include "viewer_window.h"

namespace {

constexpr const char* kUsage = "usage: xvexoview [--screenshot FILE.png] [ADDRESS]\n";

// The bundled sample record: next to the program, else in the source tree it was built from.
QString FindSampleRecord() {
    const QString AppDir = QCoreApplication::applicationDirPath();
    const QStringList Dirs = {AppDir + QStringLiteral("/samples"),
                              AppDir + QStringLiteral("/../share/xvexoview/samples"),
                              QStringLiteral(XVEXO_SAMPLE_DIR)};
    for (const QString& D : Dirs) {
        QDir Dir(D);
        if (!Dir.exists()) continue;
        if (Dir.exists(QStringLiteral("sample.tag.txt")))
            return Dir.filePath(QStringLiteral("sample.tag.txt"));
        const QStringList Files = Dir.entryList(QDir::Files, QDir::Name);
        if (!Files.isEmpty()) return Dir.filePath(Files.first());
    }
    return {};
}

void PrintError(const QString& Text) {
    std::fprintf(stderr, "xvexoview: %s\n", qPrintable(Text));
}

}  // namespace

int main(int argc, char** argv) {
    // Qt takes its own options (-platform and the like) out of argv here.
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xvexoview"));

    // The arguments stay bytes: a file name that is no valid UTF-8 opens as any other.
    std::optional<std::string> Screenshot;
    std::optional<std::string> Address;
    for (int i = 1; i < argc; ++i) {
        const std::string_view A = argv[i];
        if (A == "--screenshot") {
            if (i + 1 >= argc) {
                std::fputs(kUsage, stderr);
                return 2;
            }
            Screenshot = argv[++i];
        } else if (A == "--help" || A == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (A.starts_with("--") || Address) {
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            Address = std::string(A);  // "" too: it fails as an empty address does
        }
    }
    if (!Address) {
        const QString Sample = FindSampleRecord();
        if (Sample.isEmpty()) std::fputs("xvexoview: no bundled sample record found\n", stderr);
        if (!Sample.isEmpty()) Address = QFile::encodeName(Sample).toStdString();
    }

    // The control comes from the control library, through its own entry points. The library
    // loads the print options (or, on a first run, stores them) as it makes its first control;
    // when they cannot be stored the viewer goes on with the defaults and says so.
    QString ControlError;
    QString PrintNotice;
    std::unique_ptr<xvexo::TViewerControl> Control =
        xvexo::MakeLibraryControl(ControlError, &PrintNotice);
    if (!Control) {
        PrintError(ControlError);
        return 1;
    }

    // With --screenshot nobody is there to read a box: notices go to standard error.
    std::function<void(const QString&)> Report;
    if (Screenshot) Report = PrintError;
    // The recent files and the view options live in the user's registry; a screenshot reads
    // the options and stores nothing, and a settings file that is no regular file keeps
    // nothing (the notice above said so).
    std::unique_ptr<xvexo::TRegFileRegistry> Registry = xvexo::OpenUserRegistry();
    if (Registry && Registry->NotRegular()) Registry.reset();
    std::unique_ptr<xvexo::TReadOnlyRegistry> ReadOnly;
    if (Registry && Screenshot) ReadOnly = std::make_unique<xvexo::TReadOnlyRegistry>(*Registry);
    xvexo::TUserRegistry* Store = Registry.get();
    if (ReadOnly) Store = ReadOnly.get();
    xvexo::TViewerWindow Window(std::move(Control), nullptr, Report);
    Window.SetViewRegistry(Store);
    Window.SetRecentRegistry(Screenshot ? nullptr : Store);
    Window.show();
    Window.setFocus();

    if (Screenshot) {
        QString Error;
        const bool Loaded = !Address || Window.OpenAddress(*Address, &Error);
        if (!Loaded) PrintError(Error);
        if (!PrintNotice.isEmpty()) PrintError(PrintNotice);
        QApplication::processEvents();
        std::string Reason;
        if (!xvexo::WritePngFile(Window.grab().toImage(), *Screenshot, Reason)) {
            PrintError(QStringLiteral("Cannot write the output: ") +
                       QString::fromStdString(Reason));
            return 1;
        }
        return Loaded ? 0 : 1;
    }
    if (!PrintNotice.isEmpty()) PrintError(PrintNotice);
    // The load starts once the event loop runs: a pipe that keeps it waiting leaves the window
    // painted and able to close.
    if (Address) {
        QTimer::singleShot(0, &Window, [&Window, &Address] {
            QString Error;
            if (Window.OpenAddress(*Address, &Error) || Window.LastOpenCancelled()) return;
            PrintError(Error);
            QMessageBox::critical(&Window, QStringLiteral("XVexoView"), Error, QMessageBox::Ok);
        });
    }
    if (!PrintNotice.isEmpty()) {
        QTimer::singleShot(0, &Window, [&Window, PrintNotice] {
            QMessageBox::warning(&Window, QStringLiteral("XVexoView"), PrintNotice,
                                 QMessageBox::Ok);
        });
    }
    return QApplication::exec();
}
