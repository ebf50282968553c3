#include "platform/qimage_canvas.h"

#include <QPen>
#include <algorithm>
#include <cstring>

#include "platform/fonts.h"
#include "platform/qt_image.h"

namespace xvexo {

namespace {

QRgb ToRgb(TColour C) {
    return 0xFF000000u | C;
}
QColor ToQColor(TColour C) {
    return QColor::fromRgb(ToRgb(C));
}

}  // namespace

TQImageCanvas::TQImageCanvas(int Width, int Height, TColour Background) : Background(Background) {
    Allocate(Width, Height);
}

TQImageCanvas::~TQImageCanvas() = default;

void TQImageCanvas::Allocate(int Width, int Height) {
    FPainter.reset();
    PainterFont = nullptr;
    Pixels = QImage(std::max(1, Width), std::max(1, Height), QImage::Format_RGB32);
    Pixels.fill(ToRgb(Background));
}

QPainter& TQImageCanvas::Painter() {
    if (!FPainter) {
        FPainter = std::make_unique<QPainter>(&Pixels);
        FPainter->setRenderHint(QPainter::Antialiasing, false);
        FPainter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *FPainter;
}

QImage TQImageCanvas::Snapshot() const {
    return Pixels.copy();
}

void TQImageCanvas::Clear(TColour Colour) {
    FillSpan(0, 0, Pixels.width(), Pixels.height(), Colour);
}

void TQImageCanvas::SetClientSize(int Width, int Height) {
    if (Width == Pixels.width() && Height == Pixels.height()) return;
    Allocate(Width, Height);
}

void TQImageCanvas::SetPen(TColour Colour, int Width) {
    PenColour = Colour;
    PenWidth = std::max(1, Width);
}

void TQImageCanvas::SetFont(const std::string& Name, int Size, bool Bold) {
    FontKey = {Name, Size, Bold};
    CurrentFont = nullptr;
}

const TQImageCanvas::TFontEntry& TQImageCanvas::Font() {
    if (CurrentFont == nullptr) {
        auto It = Fonts.find(FontKey);
        if (It == Fonts.end()) {
            QFont F =
                MakeCanvasFont(std::get<0>(FontKey), std::get<1>(FontKey), std::get<2>(FontKey));
            It = Fonts.emplace(FontKey, TFontEntry{F, QFontMetrics(F)}).first;
        }
        CurrentFont = &It->second;
    }
    return *CurrentFont;
}

void TQImageCanvas::CopyRect(int X, int Y, int W, int H, const TImage& Source, int SX, int SY) {
    const auto* Src = dynamic_cast<const TQtImage*>(&Source);
    if (Src == nullptr || W <= 0 || H <= 0) return;
    const QImage& SI = Src->Image();
    // Offsets within the block whose source and destination both lie inside their pictures.
    const int DX0 = std::max({0, -SX, -X});
    const int DY0 = std::max({0, -SY, -Y});
    const int DX1 = std::min({W, SI.width() - SX, Pixels.width() - X});
    const int DY1 = std::min({H, SI.height() - SY, Pixels.height() - Y});
    if (DX0 >= DX1 || DY0 >= DY1) return;
    const int N = DX1 - DX0;
    for (int DY = DY0; DY < DY1; ++DY) {
        const auto* S = reinterpret_cast<const QRgb*>(SI.constScanLine(SY + DY)) + SX + DX0;
        auto* D = reinterpret_cast<QRgb*>(Pixels.scanLine(Y + DY)) + X + DX0;
        switch (CopyMode) {
            case TCopyMode::Copy:
                std::memcpy(D, S, static_cast<size_t>(N) * sizeof(QRgb));
                break;
            case TCopyMode::And:
                for (int I = 0; I < N; ++I)
                    D[I] &= S[I];
                break;
            case TCopyMode::Or:
                for (int I = 0; I < N; ++I)
                    D[I] |= S[I];
                break;
        }
    }
}

void TQImageCanvas::FillSpan(int X1, int Y1, int X2, int Y2, TColour Colour) {
    X1 = std::max(X1, 0);
    Y1 = std::max(Y1, 0);
    X2 = std::min(X2, Pixels.width());
    Y2 = std::min(Y2, Pixels.height());
    if (X1 >= X2 || Y1 >= Y2) return;
    const QRgb V = ToRgb(Colour);
    for (int Y = Y1; Y < Y2; ++Y) {
        auto* D = reinterpret_cast<QRgb*>(Pixels.scanLine(Y));
        std::fill(D + X1, D + X2, V);
    }
}

void TQImageCanvas::Line(int X1, int Y1, int X2, int Y2) {
    if (PenWidth == 1 && (Y1 == Y2 || X1 == X2)) {
        // Straight lines set exactly the pixels from the start up to, not including, the end.
        if (Y1 == Y2) {
            if (X2 >= X1) {
                FillSpan(X1, Y1, X2, Y1 + 1, PenColour);
            } else {
                FillSpan(X2 + 1, Y1, X1 + 1, Y1 + 1, PenColour);
            }
        } else if (Y2 >= Y1) {
            FillSpan(X1, Y1, X1 + 1, Y2, PenColour);
        } else {
            FillSpan(X1, Y2 + 1, X1 + 1, Y1 + 1, PenColour);
        }
        return;
    }
    QPainter& P = Painter();
    QPen Pen(ToQColor(PenColour));
    Pen.setWidth(PenWidth);
    Pen.setCapStyle(Qt::FlatCap);
    P.setPen(Pen);
    P.drawLine(X1, Y1, X2, Y2);
}

void TQImageCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    if (X2 - X1 < 1 || Y2 - Y1 < 1) return;
    QPainter& P = Painter();
    QPen Pen(ToQColor(PenColour));
    Pen.setWidth(PenWidth);
    P.setPen(Pen);
    if (ClearBrush) {
        P.setBrush(Qt::NoBrush);
    } else {
        P.setBrush(ToQColor(BrushColour));
    }
    P.drawEllipse(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1));
}

void TQImageCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    if (X2 - X1 < 1 || Y2 - Y1 < 1) return;
    if (!ClearBrush) FillSpan(X1, Y1, X2, Y2, BrushColour);
    const int W = std::min(PenWidth, std::min(X2 - X1, Y2 - Y1));
    FillSpan(X1, Y1, X2, Y1 + W, PenColour);
    FillSpan(X1, Y2 - W, X2, Y2, PenColour);
    FillSpan(X1, Y1, X1 + W, Y2, PenColour);
    FillSpan(X2 - W, Y1, X2, Y2, PenColour);
}

void TQImageCanvas::FillRect(int X1, int Y1, int X2, int Y2) {
    if (!ClearBrush) FillSpan(X1, Y1, X2, Y2, BrushColour);
}

void TQImageCanvas::TextOut(int X, int Y, const std::string& Text, TTextAlign Align) {
    const TFontEntry& F = Font();
    const QString S = QString::fromStdString(Text);
    const int W = F.Metrics.horizontalAdvance(S);
    if (Align == TTextAlign::TopCenter) X -= W / 2;
    if (Align == TTextAlign::TopRight) X -= W;
    if (!TransparentText && !ClearBrush) FillSpan(X, Y, X + W, Y + F.Metrics.height(), BrushColour);
    QPainter& P = Painter();
    if (PainterFont != &F.Font) {
        P.setFont(F.Font);
        PainterFont = &F.Font;
    }
    P.setPen(ToQColor(FontColour));
    P.drawText(X, Y + F.Metrics.ascent(), S);
}

int TQImageCanvas::TextWidth(const std::string& Text) {
    return Font().Metrics.horizontalAdvance(QString::fromStdString(Text));
}

int TQImageCanvas::TextHeight(const std::string& /*Text*/) {
    return Font().Metrics.height();
}

void TQImageCanvas::SetPixel(int X, int Y, TColour Colour) {
    if (X < 0 || Y < 0 || X >= Pixels.width() || Y >= Pixels.height()) return;
    reinterpret_cast<QRgb*>(Pixels.scanLine(Y))[X] = ToRgb(Colour);
}

void TQImageCanvas::EraseBackground(int X1, int Y1, int X2, int Y2) {
    FillSpan(X1, Y1, X2, Y2, Background);
}

}  // namespace xvexo
