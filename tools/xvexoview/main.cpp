// xvexoview [--screenshot FILE.png] [ADDRESS]: the desktop viewer.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "platform/fonts.h"
#include "viewer_window.h"

namespace {

constexpr const char* kUsage = "usage: xvexoview [--screenshot FILE.png] [ADDRESS]\n";

// The bundled sample record: next to the program, else in the source tree it was built from.
QString FindSampleRecord() {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList dirs = {appDir + QStringLiteral("/samples"),
                              appDir + QStringLiteral("/../share/xvexoview/samples"),
                              QStringLiteral(XVEXO_SAMPLE_DIR)};
    for (const QString& d : dirs) {
        QDir dir(d);
        if (!dir.exists()) continue;
        if (dir.exists(QStringLiteral("sample.tag.txt")))
            return dir.filePath(QStringLiteral("sample.tag.txt"));
        const QStringList files = dir.entryList(QDir::Files, QDir::Name);
        if (!files.isEmpty()) return dir.filePath(files.first());
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xvexoview"));
    xvexo::InstallFontSubstitutions();

    QString screenshot;
    QString address;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--screenshot")) {
            if (i + 1 >= args.size()) {
                std::fputs(kUsage, stderr);
                return 2;
            }
            screenshot = args[++i];
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (a.startsWith(QLatin1String("--")) || !address.isEmpty()) {
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            address = a;
        }
    }
    if (address.isEmpty()) {
        address = FindSampleRecord();
        if (address.isEmpty()) std::fputs("xvexoview: no bundled sample record found\n", stderr);
    }

    // With --screenshot nobody is there to read a box: notices go to standard error.
    std::function<void(const QString&)> report;
    if (!screenshot.isEmpty())
        report = [](const QString& text) {
            std::fprintf(stderr, "xvexoview: %s\n", qPrintable(text));
        };
    xvexo::TViewerWindow window(nullptr, report);
    window.show();
    window.setFocus();
    QString error;
    const bool loaded = address.isEmpty() || window.Open(address, &error);
    if (!loaded) std::fprintf(stderr, "xvexoview: %s\n", qPrintable(error));

    if (!screenshot.isEmpty()) {
        QApplication::processEvents();
        if (!window.grab().save(screenshot, "PNG")) {
            std::fprintf(stderr, "xvexoview: cannot write %s\n", qPrintable(screenshot));
            return 1;
        }
        return loaded ? 0 : 1;
    }
    if (!loaded) {
        QTimer::singleShot(0, &window, [&window, error] {
            QMessageBox::critical(&window, QStringLiteral("XVexoView"), error, QMessageBox::Ok);
        });
    }
    return QApplication::exec();
}
