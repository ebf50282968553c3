// Printing through a real print server as the default printer: a CUPS scheduler of our own,
// started on a socket in a temporary folder, with one queue that accepts PDF and writes each
// job's document to a file. Skipped when the scheduler is not installed or cannot start here.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "pdf_tools.h"
#include "platform/qt_print_surface.h"
#include "printing/printed_pages.h"
#include "support/memory_registry.h"
#include "support/print_fixtures.h"

namespace xvexo {
namespace {

constexpr const char* kQueue = "xvexo-pdf";

// A printer that takes PDF as it comes, on A4 with quarter-inch edges it cannot print, at
// 600 dots per inch.
constexpr const char* kPpd = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "XVEXOPDF.PPD"
*Manufacturer: "XVexoView"
*Product: "(PDF)"
*ModelName: "XVexoView PDF"
*ShortNickName: "XVexoView PDF"
*NickName: "XVexoView PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter: "application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*OpenUI *Resolution/Resolution: PickOne
*OrderDependency: 10 AnySetup *Resolution
*DefaultResolution: 600dpi
*Resolution 600dpi/600 dpi: "<</HWResolution[600 600]>>setpagedevice"
*CloseUI: *Resolution
*DefaultFont: Courier
*Font Courier: Standard "(001.004)" Standard ROM
)PPD";

// The backend: the document of the job (a file argument, or standard input) to the file the
// device URI names.
constexpr const char* kBackend = R"SH(#!/bin/sh
[ $# -eq 0 ] && exit 0
out="${DEVICE_URI#pdfout:}"
umask 022
if [ $# -ge 6 ]; then cat "$6"; else cat; fi > "$out.part" && mv "$out.part" "$out"
)SH";

bool WriteFile(const QString& Path, const QByteArray& Text, QFile::Permissions Mode = {}) {
    QFile F(Path);
    if (!F.open(QIODevice::WriteOnly) || F.write(Text) != Text.size()) return false;
    F.close();
    return Mode == QFile::Permissions{} || F.setPermissions(Mode);
}

class PrintServer : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Server = new TServer;
        Server->Start();
    }
    static void TearDownTestSuite() {
        delete Server;
        Server = nullptr;
    }

    struct TServer {
        QTemporaryDir Dir;
        QProcess Daemon;
        QString Skip;  // why the server is not there
        QString Output;

        QString Path(const QString& Name) const { return Dir.filePath(Name); }

        // lpadmin and friends against our server; false with the reason in Skip.
        bool Run(const QString& Program, const QStringList& Args) {
            QProcess P;
            P.setProcessChannelMode(QProcess::MergedChannels);
            P.start(Program, Args);
            if (!P.waitForFinished(20000) || P.exitCode() != 0) {
                Skip = Program + " failed: " + QString::fromLocal8Bit(P.readAll());
                return false;
            }
            return true;
        }

        void Start() {
            const QStringList SystemDirs = {"/usr/sbin", "/sbin", "/usr/bin"};
            const QString Cupsd = QStandardPaths::findExecutable("cupsd", SystemDirs);
            const QString Lpadmin = QStandardPaths::findExecutable("lpadmin", SystemDirs);
            QString DaemonDir;
            for (const char* D : {"/usr/lib/cups/daemon", "/usr/libexec/cups/daemon"}) {
                if (QFile::exists(QString::fromLatin1(D) + "/cups-exec")) DaemonDir = D;
            }
            if (Cupsd.isEmpty() || Lpadmin.isEmpty() || DaemonDir.isEmpty()) {
                Skip = "the CUPS scheduler is not installed (cups-daemon, cups-client)";
                return;
            }
            // The scheduler drops to its own user for backends: they must reach the folder.
            QFile::setPermissions(Dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadGroup |
                                                  QFile::ExeGroup | QFile::ReadOther |
                                                  QFile::ExeOther);
            for (const char* Sub :
                 {"spool", "tmp", "cache", "state", "ppd", "bin/backend", "out"}) {
                QDir().mkpath(Path(Sub));
            }
            QFile::setPermissions(Path("out"), QFile::Permissions(0x7777));
            QFile::link(DaemonDir, Path("bin/daemon"));
            const QString Socket = Path("cups.sock");
            const QByteArray Conf = "Listen " + Socket.toUtf8() +
                                    "\nLogLevel info\nWebInterface No\nBrowsing Off\n"
                                    "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                                    "  Allow all\n</Location>\n<Policy default>\n"
                                    "  JobPrivateAccess all\n  JobPrivateValues none\n"
                                    "  SubscriptionPrivateAccess all\n"
                                    "  SubscriptionPrivateValues none\n  <Limit All>\n"
                                    "    Order allow,deny\n    Allow all\n  </Limit>\n"
                                    "</Policy>\n";
            QByteArray Files;
            for (const auto& [Key, Sub] :
                 std::initializer_list<std::pair<const char*, const char*>>{
                     {"ServerRoot", ""},
                     {"ServerBin", "bin"},
                     {"RequestRoot", "spool"},
                     {"TempDir", "tmp"},
                     {"CacheDir", "cache"},
                     {"StateDir", "state"},
                     {"ErrorLog", "error_log"},
                     {"AccessLog", "access_log"},
                     {"PageLog", "page_log"}}) {
                Files += QByteArray(Key) + " " + Path(Sub).toUtf8() + "\n";
            }
            const QFile::Permissions Exec = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                            QFile::ExeOther;
            if (!WriteFile(Path("cupsd.conf"), Conf) ||
                !WriteFile(Path("cups-files.conf"), Files) ||
                !WriteFile(Path("printer.ppd"), kPpd) ||
                !WriteFile(Path("bin/backend/pdfout"), kBackend, Exec)) {
                Skip = "cannot write the scheduler's configuration";
                return;
            }
            Daemon.setProcessChannelMode(QProcess::MergedChannels);
            Daemon.start(Cupsd, {"-f", "-c", Path("cupsd.conf"), "-s", Path("cups-files.conf")});
            if (!Daemon.waitForStarted(10000)) {
                Skip = "cupsd does not start: " + Daemon.errorString();
                return;
            }
            for (int I = 0; I < 100 && !QFile::exists(Socket); ++I) {
                if (Daemon.state() == QProcess::NotRunning) break;
                QThread::msleep(100);
            }
            if (!QFile::exists(Socket)) {
                QFile Log(Path("error_log"));
                Log.open(QIODevice::ReadOnly);
                Skip = "cupsd did not open its socket: " +
                       QString::fromLocal8Bit(Daemon.readAll() + Log.readAll());
                return;
            }
            // Every print of this process goes to our server.
            qputenv("CUPS_SERVER", Socket.toUtf8());
            Output = Path("out/job.pdf");
            if (!Run(Lpadmin,
                     {"-p", kQueue, "-E", "-v", "pdfout:" + Output, "-P", Path("printer.ppd")}) ||
                !Run(Lpadmin, {"-d", kQueue})) {
                return;
            }
        }

        ~TServer() {
            if (Daemon.state() != QProcess::NotRunning) {
                Daemon.terminate();
                if (!Daemon.waitForFinished(5000)) Daemon.kill();
                Daemon.waitForFinished(5000);
            }
        }
    };
    static TServer* Server;
};

PrintServer::TServer* PrintServer::Server = nullptr;

TEST_F(PrintServer, WholeRecordReachesTheDefaultPrinter) {
    if (!Server->Skip.isEmpty()) GTEST_SKIP() << Server->Skip.toStdString();
    auto Surface = TQtPrintSurface::ForDefaultPrinter();
    ASSERT_NE(Surface, nullptr);
    EXPECT_FALSE(Surface->PrintsToFile());
    EXPECT_EQ(Surface->PrinterName(), QString::fromLatin1(kQueue));
    // A4 less its quarter-inch edges, at 600 dots per inch: 559 x 806 points.
    EXPECT_EQ(Surface->DotsPerInchY(), 600);
    EXPECT_NEAR(Surface->PrintableWidth(), 559 * 600 / 72, 2);
    EXPECT_NEAR(Surface->PrintableHeight(), 806 * 600 / 72, 2);

    testing::TMemoryRegistry Registry;
    TPrintOptions Options;
    TKelStatus Status(Registry, Options);
    TOwnkFormModel Dialog(Status);
    ASSERT_TRUE(PrintRecord(Dialog, *Surface, testing::RandomMoves(60), 0, testing::PageInfo(),
                            [](TOwnkFormModel& D) {
                                EXPECT_EQ(D.edWidth.Text, "4658");
                                D.OkBtnClick();
                            }));
    EXPECT_EQ(Surface->PageCount(), 1);
    for (int I = 0; I < 150 && !QFile::exists(Server->Output); ++I)
        QThread::msleep(100);
    ASSERT_TRUE(QFile::exists(Server->Output)) << "no job arrived";
    EXPECT_EQ(testing::PdfPageCount(Server->Output), 1);
    const QString Text = testing::PdfText(Server->Output);
    EXPECT_TRUE(Text.contains(QStringLiteral("总谱 : 1 ~ 60"))) << Text.toStdString();
    EXPECT_TRUE(Text.contains(QStringLiteral("黑棋 : 林海 七段"))) << Text.toStdString();
    const std::string Info =
        testing::CommandOutput("pdfinfo '" + Server->Output.toStdString() + "'");
    EXPECT_NE(Info.find("talvogo Vexo"), std::string::npos) << Info;
}

}  // namespace
}  // namespace xvexo
