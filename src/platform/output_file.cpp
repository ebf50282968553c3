#include "platform/output_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

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
