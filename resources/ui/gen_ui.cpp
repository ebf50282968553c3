// Draws the control's button glyphs, wallpapers and form pictures and synthesises the click
// sound. Run at build time: gen_ui OUTPUT_DIR. Everything is computed from fixed numbers, so the
// same fonts give the same files.

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTranslator>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

enum State { Idle, Hover, Pressed, Disabled };

const QString kUiFont = QStringLiteral("Noto Sans CJK SC");

struct Face {
    QColor Top, Bottom, Border, Ink;
};

Face FaceFor(State s) {
    switch (s) {
        case Hover:
            return {{255, 255, 255}, {196, 222, 240}, {58, 120, 176}, {16, 48, 88}};
        case Pressed:
            return {{150, 186, 214}, {214, 230, 242}, {40, 90, 140}, {10, 36, 70}};
        case Disabled:
            return {{236, 236, 236}, {214, 214, 214}, {170, 170, 170}, {160, 160, 160}};
        case Idle:
        default:
            return {{250, 252, 253}, {206, 218, 228}, {110, 130, 150}, {30, 44, 60}};
    }
}

void DrawFace(QPainter& p, const QRectF& r, State s) {
    const Face f = FaceFor(s);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, f.Top);
    g.setColorAt(1, f.Bottom);
    p.setPen(QPen(f.Border, 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

// A strip of four pictures of w x h, each drawn by paint(painter, cell, state).
template <typename Paint>
QImage Strip(int w, int h, Paint paint) {
    QImage img(4 * w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int s = 0; s < 4; ++s) {
        p.save();
        p.translate(s * w, 0);
        p.setClipRect(0, 0, w, h);
        paint(p, QRectF(0, 0, w, h), static_cast<State>(s));
        p.restore();
    }
    return img;
}

// A text button; a text wider than the face (a translation) takes a smaller size until it fits.
QImage TextButton(int w, int h, const QString& text, int pixelSize,
                  const QString& family = kUiFont) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(text) > w - 8)
        f.setPixelSize(f.pixelSize() - 1);
    return Strip(w, h, [&](QPainter& p, const QRectF& r, State s) {
        DrawFace(p, r.adjusted(1, 1, -1, -1), s);
        p.setFont(f);
        p.setPen(FaceFor(s).Ink);
        const QPointF shift = s == Pressed ? QPointF(1, 1) : QPointF();
        p.drawText(r.translated(shift), Qt::AlignCenter, text);
    });
}

// Draws Count triangles, 2 th high and tw wide, one pixel apart, from x at the height cy, pointing
// right (Forward) or left; returns x one pixel past the last.
double DrawTriangles(QPainter& p, double x, double cy, double th, double tw, int count,
                     bool forward) {
    for (int i = 0; i < count; ++i) {
        QPainterPath t;
        if (forward) {
            t.moveTo(x, cy - th);
            t.lineTo(x + tw, cy);
            t.lineTo(x, cy + th);
        } else {
            t.moveTo(x + tw, cy - th);
            t.lineTo(x, cy);
            t.lineTo(x + tw, cy + th);
        }
        t.closeSubpath();
        p.drawPath(t);
        x += tw + 1.0;
    }
    return x;
}

// Arrow glyphs: kind 0 to start, 1 five back, 2 one back, 3 one forward, 4 five forward, 5 end.
QImage ArrowButton(int kind, int w, int h) {
    return Strip(w, h, [&](QPainter& p, const QRectF& r, State s) {
        DrawFace(p, r.adjusted(0, 0, 0, 0), s);
        const bool forward = kind >= 3;
        const int triangles = (kind == 1 || kind == 4) ? 2 : 1;
        const bool bar = kind == 0 || kind == 5;
        const double cy = h / 2.0 + (s == Pressed ? 1 : 0);
        const double cx = w / 2.0 + (s == Pressed ? 1 : 0);
        const double th = 5.0;  // half height of a triangle
        const double tw = 7.0;  // width of a triangle
        double total = triangles * tw + (triangles - 1) * 1.0 + (bar ? 3.0 : 0.0);
        double x = cx - total / 2.0;
        p.setPen(Qt::NoPen);
        p.setBrush(FaceFor(s).Ink);
        auto drawBar = [&] {
            p.drawRect(QRectF(x, cy - th, 2.0, 2 * th));
            x += 3.0;
        };
        if (bar && !forward) drawBar();
        x = DrawTriangles(p, x, cy, th, tw, triangles, forward);
        if (bar && forward) {
            x -= 1.0;
            drawBar();
        }
    });
}

// Glyphs of the reference window's step buttons, on a transparent ground (the button draws its
// own face): kind 0 five back, 1 one back, 2 one forward, 3 five forward. The ink is dark while
// idle, white on the active face (hover, pressed, one pixel lower and to the right) and grey when
// disabled.
QImage StepGlyph(int kind, int w, int h) {
    return Strip(w, h, [&](QPainter& p, const QRectF&, State s) {
        const bool forward = kind >= 2;
        const int triangles = (kind == 0 || kind == 3) ? 2 : 1;
        const double th = h / 2.0 - 2.0;  // half height of a triangle
        const double tw = th * 1.4;       // width of a triangle
        const double shift = s == Pressed ? 1.0 : 0.0;
        QColor ink(Qt::white);
        if (s == Idle) ink = QColor(40, 56, 72);
        if (s == Disabled) ink = QColor(150, 150, 150);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        const double total = triangles * tw + (triangles - 1) * 1.0;
        DrawTriangles(p, (w - total) / 2.0 + shift, h / 2.0 + shift, th, tw, triangles, forward);
    });
}

QImage Wallpaper(int w, int h, QColor a, QColor b) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(img.rect(), g);
    // Fine diagonal hatching that tiles seamlessly (period divides the tile size).
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int k = -h; k < w; k += 8)
        p.drawLine(k, 0, k + h, h);
    return img;
}

QImage StonePicture(int w, int h, bool black) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double d = std::min(w, h) - 8.0;
    const QRectF r((w - d) / 2, (h - d) / 2, d, d);
    QRadialGradient g(r.center() - QPointF(d / 5, d / 5), d * 0.75);
    g.setColorAt(0, black ? QColor(110, 110, 110) : QColor(255, 255, 255));
    g.setColorAt(1, black ? QColor(10, 10, 10) : QColor(196, 196, 188));
    p.setPen(QPen(QColor(60, 60, 60, 120), 1));
    p.setBrush(g);
    p.drawEllipse(r);
    return img;
}

QImage VersusPicture(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(18);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(176, 40, 32));
    p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QStringLiteral("VS"));
    return img;
}

// Two small stones behind the prisoner counts: black under the left count, white under the right.
QImage PrisonerPicture(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double d = 20;
    for (int i = 0; i < 2; ++i) {
        const QRectF r(i == 0 ? 4 : 37, 3, d, d);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(i == 0 ? QColor(24, 24, 24) : QColor(244, 244, 240));
        p.drawEllipse(r);
    }
    return img;
}

QImage TitlePicture(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 24, 24));
    p.drawEllipse(QRectF(4, 5, 15, 15));
    p.setBrush(QColor(250, 250, 246));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(QRectF(14.5, 5.5, 15, 15));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 70, 100));
    p.drawText(QRectF(36, 0, w - 36, h), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("XVexoView"));
    return img;
}

// A short wooden "toc": a damped knock of a few inharmonic partials over a brief noise burst.
QByteArray TocWave() {
    const int rate = 22050;
    const int samples = rate * 70 / 1000;
    std::vector<int16_t> pcm(samples);
    uint32_t seed = 12345;
    const double partials[3][3] = {{880.0, 1.0, 55.0}, {1830.0, 0.5, 80.0}, {3120.0, 0.25, 120.0}};
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        double v = 0;
        for (const auto& pr : partials)
            v += pr[1] * std::sin(2 * M_PI * pr[0] * t) * std::exp(-pr[2] * t);
        seed = seed * 1664525u + 1013904223u;
        const double noise = (static_cast<double>(seed >> 8) / 8388608.0) - 1.0;
        v += 0.6 * noise * std::exp(-900.0 * t);
        const double attack = std::min(1.0, t / 0.0008);
        v *= attack * 0.45;
        pcm[i] = static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    QByteArray out;
    auto u32 = [&](uint32_t x) {
        for (int k = 0; k < 4; ++k)
            out.append(static_cast<char>((x >> (8 * k)) & 0xFF));
    };
    auto u16 = [&](uint16_t x) {
        out.append(static_cast<char>(x & 0xFF));
        out.append(static_cast<char>(x >> 8));
    };
    const uint32_t dataBytes = static_cast<uint32_t>(samples * 2);
    out.append("RIFF");
    u32(36 + dataBytes);
    out.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.append("data");
    u32(dataBytes);
    for (int16_t s : pcm)
        u16(static_cast<uint16_t>(s));
    return out;
}

// The buttons whose glyph is a text, drawn in the designed Chinese and in each translation
// (the texts are the form's, in its translation context).
struct TextGlyph {
    const char* name;
    int w, h;
    const char* text;
    int pixelSize;
};
const TextGlyph kTextGlyphs[] = {
    {"TEST", 96, 35, QT_TRANSLATE_NOOP("TXVexoView", "试下"), 14},
    {"TESTEND", 96, 35, QT_TRANSLATE_NOOP("TXVexoView", "结束试下"), 14},
    {"ORDER", 96, 35, QT_TRANSLATE_NOOP("TXVexoView", "显示手数"), 14},
    {"ORDEREND", 96, 35, QT_TRANSLATE_NOOP("TXVexoView", "隐藏手数"), 14},
    {"PRINT", 96, 35, QT_TRANSLATE_NOOP("TXVexoView", "打印"), 14},
    {"AUTO", 56, 20, QT_TRANSLATE_NOOP("TXVexoView", "自动"), 12},
    {"AUTOEND", 56, 20, QT_TRANSLATE_NOOP("TXVexoView", "停止"), 12},
    {"MOVE", 46, 20, QT_TRANSLATE_NOOP("TXVexoView", "跳至"), 12},
};

// The face a language's buttons are drawn in: its own forms of the shared characters.
QString FamilyFor(const QString& code) {
    if (code == QLatin1String("en")) return QStringLiteral("Liberation Sans");
    if (code == QLatin1String("ko")) return QStringLiteral("Noto Sans CJK KR");
    if (code == QLatin1String("ja")) return QStringLiteral("Noto Sans CJK JP");
    return kUiFont;
}

bool Save(const QDir& dir, const QString& name, const QImage& img) {
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (img.save(path, "PNG")) return true;
    std::fprintf(stderr, "gen_ui: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc == 3) {
        std::fprintf(stderr, "usage: gen_ui OUTPUT_DIR [QM_DIR LANGUAGE...]\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;

    bool ok = true;
    const int arrowWidths[6] = {39, 37, 37, 37, 37, 39};
    for (int k = 0; k < 6; ++k)
        ok &= Save(dir, QStringLiteral("ARROW%1").arg(k + 1), ArrowButton(k, arrowWidths[k], 20));
    for (int k = 0; k < 4; ++k)
        ok &= Save(dir, QStringLiteral("IMG5%1").arg(k + 1), StepGlyph(k, 24, 14));
    for (const TextGlyph& g : kTextGlyphs)
        ok &= Save(dir, g.name, TextButton(g.w, g.h, QString::fromUtf8(g.text), g.pixelSize));
    // The same buttons in each language of the compiled translations: NAME_<CODE>.
    for (int a = 3; a < argc; ++a) {
        const QString code = QString::fromLocal8Bit(argv[a]);
        QTranslator tr;
        if (!tr.load(QStringLiteral("xvexoview_") + code, QString::fromLocal8Bit(argv[2]))) {
            std::fprintf(stderr, "gen_ui: no translations for %s\n", qPrintable(code));
            ok = false;
            continue;
        }
        for (const TextGlyph& g : kTextGlyphs) {
            QString text = tr.translate("TXVexoView", g.text);
            if (text.isEmpty()) text = QString::fromUtf8(g.text);
            ok &= Save(dir, QString::fromLatin1(g.name) + QLatin1Char('_') + code.toUpper(),
                       TextButton(g.w, g.h, text, g.pixelSize, FamilyFor(code)));
        }
    }
    ok &= Save(dir, "EPBITMAP1", Wallpaper(64, 37, QColor(214, 224, 232), QColor(184, 198, 210)));
    ok &= Save(dir, "EPBITMAP2", Wallpaper(64, 64, QColor(92, 124, 150), QColor(60, 88, 112)));
    ok &= Save(dir, "TITLE", TitlePicture(326, 25));
    ok &= Save(dir, "PLAYERW", StonePicture(59, 60, false));
    ok &= Save(dir, "PLAYERB", StonePicture(59, 60, true));
    ok &= Save(dir, "VERSUS", VersusPicture(59, 24));
    ok &= Save(dir, "PRISONERS", PrisonerPicture(60, 28));

    QFile wav(dir.filePath(QStringLiteral("TOC.wav")));
    if (!wav.open(QIODevice::WriteOnly) || wav.write(TocWave()) < 0) ok = false;
    return ok ? 0 : 1;
}
