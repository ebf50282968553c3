// Packs the board pictures (the PNG files the generator writes) into one picture sheet for the
// web element, which loads one image instead of two hundred: SHEET.png in 24-bit colour, every
// picture at its own place with one pixel of black between neighbours, and SHEET.json, the index
// {"width": W, "height": H, "pictures": {"BS24": [x, y, w, h], ...}}. The pixels are those of
// the pictures as the desktop's canvas reads them (masks as black and white), so copying with
// AND and OR gives the same colours.
//
// With --alpha, followed by the names to take, it packs the form's pictures instead (glyph
// strips, wallpapers, the players' pictures): their transparency kept, transparent between.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr int kSheetWidth = 512;
constexpr int kGap = 1;

struct TPicture {
    QString Name;
    QImage Image;
    int X = 0;
    int Y = 0;
};

// Bottom-left on a skyline, tallest pictures first: each goes where its top is highest up, then
// furthest left. Returns the sheet's height.
int Place(std::vector<TPicture>& Pictures) {
    std::stable_sort(Pictures.begin(), Pictures.end(), [](const TPicture& A, const TPicture& B) {
        return A.Image.height() > B.Image.height();
    });
    std::vector<int> Skyline(kSheetWidth, 0);  // the first free row of each column
    int Height = 0;
    for (TPicture& P : Pictures) {
        const int W = std::min(P.Image.width() + kGap, kSheetWidth);
        int BestX = 0;
        int BestY = -1;
        for (int X = 0; X + W <= kSheetWidth; ++X) {
            const int Y = *std::max_element(Skyline.begin() + X, Skyline.begin() + X + W);
            if (BestY < 0 || Y < BestY) {
                BestX = X;
                BestY = Y;
            }
        }
        P.X = BestX;
        P.Y = BestY;
        std::fill(Skyline.begin() + BestX, Skyline.begin() + BestX + W,
                  BestY + P.Image.height() + kGap);
        Height = std::max(Height, BestY + P.Image.height());
    }
    return Height;
}

}  // namespace

int main(int argc, char** argv) {
    const bool Alpha = argc > 3 && std::string_view(argv[3]) == "--alpha";
    if (argc < 3 || (argc > 3 && !Alpha)) {
        std::fprintf(stderr,
                     "usage: %s PICTURE_DIR SHEET [--alpha NAME...] (writes SHEET.png and "
                     "SHEET.json)\n",
                     argv[0]);
        return 2;
    }
    const QDir Dir(QString::fromLocal8Bit(argv[1]));
    const QString Sheet = QString::fromLocal8Bit(argv[2]);
    QStringList Files;
    for (int i = 4; i < argc; ++i)
        Files.append(QString::fromLocal8Bit(argv[i]) + QStringLiteral(".png"));
    if (!Alpha) Files = Dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    const QImage::Format Format = Alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    std::vector<TPicture> Pictures;
    for (const QString& File : Files) {
        QImage Image(Dir.filePath(File));
        if (Image.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(Dir.filePath(File)));
            return 1;
        }
        Pictures.push_back({File.chopped(4), Image.convertToFormat(Format)});
    }
    if (Pictures.empty()) {
        std::fprintf(stderr, "no pictures in %s\n", argv[1]);
        return 1;
    }
    const int Height = Place(Pictures);
    QImage Out(kSheetWidth, Height, Format);
    Out.fill(Alpha ? Qt::transparent : Qt::black);
    QJsonObject Index;
    {
        QPainter Painter(&Out);
        Painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const TPicture& P : Pictures) {
            Painter.drawImage(P.X, P.Y, P.Image);
            Index.insert(P.Name, QJsonArray{P.X, P.Y, P.Image.width(), P.Image.height()});
        }
    }
    const QJsonObject Root{
        {QStringLiteral("width"), kSheetWidth},
        {QStringLiteral("height"), Height},
        {QStringLiteral("pictures"), Index},
    };
    const QImage Saved = Alpha ? Out : Out.convertToFormat(QImage::Format_RGB888);
    if (!Saved.save(Sheet + QStringLiteral(".png"), "PNG")) {
        std::fprintf(stderr, "cannot write %s.png\n", argv[2]);
        return 1;
    }
    QFile Json(Sheet + QStringLiteral(".json"));
    if (!Json.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        Json.write(QJsonDocument(Root).toJson(QJsonDocument::Compact)) < 0 || !Json.flush()) {
        std::fprintf(stderr, "cannot write %s.json\n", argv[2]);
        return 1;
    }
    return 0;
}
