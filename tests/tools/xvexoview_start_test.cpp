// Starting the viewer program loads the print options: on a first run it stores the settings
// stamp and the defaults; when they cannot be stored, or the settings file is no regular file,
// it says so once and goes on.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct TStart {
    int Exit = -1;
    QString Errors;
    QImage Shot;
};

// Starts the viewer with its registry at Registry and takes a screenshot of the sample.
TStart StartViewer(const QString& Registry, const QTemporaryDir& Dir) {
    QProcess P;
    QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
    Env.insert(QStringLiteral("XVEXOVIEW_REGISTRY"), Registry);
    Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    P.setProcessEnvironment(Env);
    const QString Shot = Dir.filePath(QStringLiteral("shot.png"));
    QFile::remove(Shot);
    P.start(QStringLiteral(XVEXOVIEW_PROGRAM), {QStringLiteral("--screenshot"), Shot});
    P.waitForFinished(60000);
    TStart S;
    S.Exit = P.exitStatus() == QProcess::NormalExit ? P.exitCode() : -1;
    // The program's own lines; Qt may add notes of its own about the environment.
    for (const QString& Line : QString::fromUtf8(P.readAllStandardError()).split('\n')) {
        if (Line.startsWith(QStringLiteral("xvexoview: "))) S.Errors += Line + '\n';
    }
    S.Shot = QImage(Shot);
    return S;
}

QByteArray Read(const QString& File) {
    QFile F(File);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}

ino_t Inode(const QString& File) {
    struct stat St {};
    return ::stat(QFile::encodeName(File).constData(), &St) == 0 ? St.st_ino : 0;
}

TEST(ViewerStart, AFirstRunStoresTheStampAndTheDefaultPrintOptions) {
    QTemporaryDir Dir;
    const QString Registry = Dir.filePath(QStringLiteral("cfg/user.reg"));
    const TStart S = StartViewer(Registry, Dir);
    EXPECT_EQ(S.Exit, 0) << S.Errors.toStdString();
    EXPECT_TRUE(S.Errors.isEmpty()) << S.Errors.toStdString();
    const QByteArray Stored = Read(Registry);
    for (const char* Line :
         {"[HKEY_CURRENT_USER\\Software\\KelVexoView\\Version Info]\n\"version\"=\"0408A\"\n",
          "[HKEY_CURRENT_USER\\Software\\KelVexoView\\Print Option Info]\n\"tmargin\"=\"500\"\n"
          "\"lmargin\"=\"400\"\n\"gogrid\"=\"185\"\n\"splitno\"=\"50\"\n\"perpage\"=\"2\"\n"
          "\"method\"=\"1\"\n"}) {
        EXPECT_TRUE(Stored.contains(Line)) << Line << "\n" << Stored.toStdString();
    }
    // A second start reads what is stored and writes nothing (a write would replace the file).
    const ino_t File = Inode(Registry);
    const TStart Again = StartViewer(Registry, Dir);
    EXPECT_EQ(Again.Exit, 0);
    EXPECT_TRUE(Again.Errors.isEmpty()) << Again.Errors.toStdString();
    EXPECT_EQ(Inode(Registry), File);
    EXPECT_EQ(Read(Registry), Stored);
}

TEST(ViewerStart, SettingsThatCannotBeStoredAreReportedAndTheViewerGoesOn) {
    QTemporaryDir Dir;
    // A folder that cannot be made: its parent is a file.
    QFile Blocker(Dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
    Blocker.close();
    const QString Registry = Dir.filePath(QStringLiteral("file/user.reg"));
    const TStart S = StartViewer(Registry, Dir);
    EXPECT_EQ(S.Exit, 0);
    EXPECT_FALSE(S.Shot.isNull()) << "the viewer went on";
    EXPECT_EQ(S.Errors,
              QStringLiteral("xvexoview: The print settings cannot be stored (Failed to create key "
                             "Version Info: Cannot write the registry file %1: Not a directory); "
                             "printing uses the default options.\n")
                  .arg(Registry));
}

// A FIFO (which once kept every program waiting for a writer) or a character device (made with
// mknod when the test runs as root) where the settings file should be: the viewer starts, says
// so once, and leaves it as it was.
TEST(ViewerStart, ASettingsPathThatIsNoRegularFileIsReportedOnceAndLeftAlone) {
    QTemporaryDir Dir;
    QStringList Paths = {Dir.filePath(QStringLiteral("fifo.reg"))};
    ASSERT_EQ(::mkfifo(QFile::encodeName(Paths[0]).constData(), 0600), 0);
    const QString Device = Dir.filePath(QStringLiteral("null.reg"));
    if (::geteuid() == 0 &&
        ::mknod(QFile::encodeName(Device).constData(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
        Paths << Device;
    for (const QString& Path : Paths) {
        const TStart S = StartViewer(Path, Dir);
        EXPECT_EQ(S.Exit, 0) << Path.toStdString();
        EXPECT_FALSE(S.Shot.isNull());
        EXPECT_EQ(S.Errors, QStringLiteral("xvexoview: The settings file %1 is not a regular file; "
                                           "nothing is stored in it, and printing uses the "
                                           "default options.\n")
                                .arg(Path));
        struct stat St {};
        ASSERT_EQ(::lstat(QFile::encodeName(Path).constData(), &St), 0);
        EXPECT_TRUE(S_ISFIFO(St.st_mode) || S_ISCHR(St.st_mode)) << Path.toStdString();
    }
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size(),
              Paths.size() + 1)  // and the screenshot
        << QDir(Dir.path()).entryList(QDir::AllEntries | QDir::System).join(' ').toStdString();
}

}  // namespace
