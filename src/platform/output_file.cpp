#include "platform/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <cerrno>
#include <cstring>

namespace xvexo {

namespace {

// Drops the messages Qt's image plugins (and the PNG library through them) would print while
// it is installed; the previous handler comes back after.
class TQuietImageMessages {
  public:
    TQuietImageMessages() : Previous(qInstallMessageHandler(Drop)) {}
    ~TQuietImageMessages() { qInstallMessageHandler(Previous); }
    TQuietImageMessages(const TQuietImageMessages&) = delete;
    TQuietImageMessages& operator=(const TQuietImageMessages&) = delete;

  private:
    static void Drop(QtMsgType, const QMessageLogContext&, const QString&) {}
    QtMessageHandler Previous;
};

}  // namespace

bool WriteWholeFile(const std::string& Path, std::string_view Bytes, std::string& Reason) {
    const int Fd = ::open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
    if (Fd < 0) {
        Reason = std::strerror(errno);
        return false;
    }
    int Error = 0;
    while (!Bytes.empty()) {
        const ssize_t N = ::write(Fd, Bytes.data(), Bytes.size());
        if (N < 0 && errno == EINTR) continue;
        if (N <= 0) {
            Error = N < 0 ? errno : ENOSPC;
            break;
        }
        Bytes.remove_prefix(static_cast<size_t>(N));
    }
    // A file system may report a failed write only when the file is closed.
    if (::close(Fd) != 0 && Error == 0 && errno != EINTR) Error = errno;
    if (Error == 0) return true;
    Reason = std::strerror(Error);
    return false;
}

bool WritePngFile(const QImage& Image, const std::string& Path, std::string& Reason) {
    QByteArray Png;
    {
        const TQuietImageMessages Quiet;
        QBuffer Buffer(&Png);
        Buffer.open(QIODevice::WriteOnly);
        QImageWriter Writer(&Buffer, "png");
        if (!Writer.write(Image)) {
            Reason = Writer.errorString().toStdString();
            return false;
        }
    }
    return WriteWholeFile(Path, std::string_view(Png.constData(), static_cast<size_t>(Png.size())),
                          Reason);
}

}  // namespace xvexo
