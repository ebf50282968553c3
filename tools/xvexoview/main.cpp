// xvexoview [--screenshot FILE.png] [ADDRESS]: the desktop viewer.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <optional>

#include "platform/fonts.h"
#include "platform/print_status.h"
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

}  // namespace

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xvexoview"));
    xvexo::InstallFontSubstitutions();

    QString Screenshot;
    QString Address;
    const QStringList Args = QCoreApplication::arguments();
    for (int i = 1; i < Args.size(); ++i) {
        const QString& A = Args[i];
        if (A == QLatin1String("--screenshot")) {
            if (i + 1 >= Args.size()) {
                std::fputs(kUsage, stderr);
                return 2;
            }
            Screenshot = Args[++i];
        } else if (A == QLatin1String("--help") || A == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (A.startsWith(QLatin1String("--")) || !Address.isEmpty()) {
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            Address = A;
        }
    }
    if (Address.isEmpty()) {
        Address = FindSampleRecord();
        if (Address.isEmpty()) std::fputs("xvexoview: no bundled sample record found\n", stderr);
    }

    // The print options are loaded (or, on a first run, stored) as the program starts. When
    // they cannot be stored the viewer goes on with the defaults and says so.
    std::optional<xvexo::TPrintSettingsError> PrintLoadError;
    xvexo::StartPrintStatus(&PrintLoadError);
    const QString PrintNotice = PrintLoadError
                                    ? QStringLiteral(
                                          "The print settings cannot be stored (%1); printing uses "
                                          "the default options.")
                                          .arg(QString::fromStdString(PrintLoadError->Details()))
                                    : QString();

    // With --screenshot nobody is there to read a box: notices go to standard error.
    std::function<void(const QString&)> Report;
    if (!Screenshot.isEmpty())
        Report = [](const QString& Text) {
            std::fprintf(stderr, "xvexoview: %s\n", qPrintable(Text));
        };
    xvexo::TViewerWindow Window(nullptr, Report);
    Window.show();
    Window.setFocus();
    QString Error;
    const bool Loaded = Address.isEmpty() || Window.Open(Address, &Error);
    if (!Loaded) std::fprintf(stderr, "xvexoview: %s\n", qPrintable(Error));
    if (!PrintNotice.isEmpty()) std::fprintf(stderr, "xvexoview: %s\n", qPrintable(PrintNotice));

    if (!Screenshot.isEmpty()) {
        QApplication::processEvents();
        if (!Window.grab().save(Screenshot, "PNG")) {
            std::fprintf(stderr, "xvexoview: cannot write %s\n", qPrintable(Screenshot));
            return 1;
        }
        return Loaded ? 0 : 1;
    }
    if (!Loaded) {
        QTimer::singleShot(0, &Window, [&Window, Error] {
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
