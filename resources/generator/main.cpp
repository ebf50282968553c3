// Writes the board pictures into a folder: BS10..BS59, WS10..WS59 (8-bit palette stones on
// black), BM10..BM59, WM10..WM59 (1-bit masks), BASEB (wood tile, 8-bit palette), BEDGE and
// GEDGE (24-bit edges), all as PNG files.

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "art.h"
#include "display/canvas.h"

namespace {

bool Save(const QImage& Image, const QDir& Dir, const QString& Name) {
    const QString Path = Dir.filePath(Name + QStringLiteral(".png"));
    if (Image.save(Path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(Path));
    return false;
}

QRgb ToQRgb(xvexo::TColour C) {
    return 0xFF000000u | C;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir Dir(QString::fromLocal8Bit(argv[1]));
    if (!Dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    using namespace xvexo::art;
    bool Ok = Save(PaintWoodTile(), Dir, QStringLiteral("BASEB"));
    Ok = Save(PaintEdge(9, ToQRgb(xvexo::kPanelColour)), Dir, QStringLiteral("BEDGE")) && Ok;
    Ok = Save(PaintEdge(10, ToQRgb(xvexo::kTrialPanelColour)), Dir, QStringLiteral("GEDGE")) && Ok;
    for (int N = 10; N <= 59; ++N) {
        for (bool Black : {true, false}) {
            const TStonePictures P = PaintStone(N, Black);
            const QString Suffix = QString::number(N);
            Ok = Save(P.Stone, Dir,
                      (Black ? QStringLiteral("BS") : QStringLiteral("WS")) + Suffix) &&
                 Ok;
            Ok =
                Save(P.Mask, Dir, (Black ? QStringLiteral("BM") : QStringLiteral("WM")) + Suffix) &&
                Ok;
        }
    }
    return Ok ? 0 : 1;
}
