#pragma once
// The canvas on a QImage: bit-block copies work on the pixel words exactly (copy, AND, OR), lines
// and rectangles land on the pixels a raster canvas would set, and text is drawn with QPainter in
// the substituted fonts.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "display/canvas.h"

namespace xvexo {

class TQImageCanvas : public TCanvas, public TPaintBox {
  public:
    // An image of Width x Height filled with Background (at least 1 x 1).
    TQImageCanvas(int Width, int Height, TColour Background = kPanelColour);
    ~TQImageCanvas() override;
    TQImageCanvas(const TQImageCanvas&) = delete;
    TQImageCanvas& operator=(const TQImageCanvas&) = delete;

    // A copy of the pixels drawn so far.
    QImage Snapshot() const;
    // The pixels themselves, for a widget to show (valid until the next resize).
    const QImage& Image() const { return Pixels; }
    // Fills the whole image with a colour.
    void Clear(TColour Colour);

    // TPaintBox: a new size reallocates the image, filled with the background colour.
    TCanvas& Canvas() override { return *this; }
    void SetClientSize(int Width, int Height) override;
    void SetBackground(TColour Colour) override { Background = Colour; }

    // TCanvas
    void SetPen(TColour Colour, int Width) override;
    void SetBrush(TColour Colour) override {
        BrushColour = Colour;
        ClearBrush = false;
    }
    void SetClearBrush() override { ClearBrush = true; }
    void SetTransparentText(bool On) override { TransparentText = On; }
    void SetFont(const std::string& Name, int Size, bool Bold) override;
    void SetFontColour(TColour Colour) override { FontColour = Colour; }
    void SetCopyMode(TCopyMode Mode) override { CopyMode = Mode; }
    void CopyRect(int X, int Y, int W, int H, const TImage& Source, int SX, int SY) override;
    void Line(int X1, int Y1, int X2, int Y2) override;
    void Ellipse(int X1, int Y1, int X2, int Y2) override;
    void Rectangle(int X1, int Y1, int X2, int Y2) override;
    void FillRect(int X1, int Y1, int X2, int Y2) override;
    void TextOut(int X, int Y, const std::string& Text,
                 TTextAlign Align = TTextAlign::TopLeft) override;
    int TextWidth(const std::string& Text) override;
    int TextHeight(const std::string& Text) override;
    void SetPixel(int X, int Y, TColour Colour) override;
    void EraseBackground(int X1, int Y1, int X2, int Y2) override;

  private:
    struct TFontEntry {
        QFont Font;
        QFontMetrics Metrics;
    };
    using TFontKey = std::tuple<std::string, int, bool>;

    void Allocate(int Width, int Height);
    void FillSpan(int X1, int Y1, int X2, int Y2, TColour Colour);
    QPainter& Painter();
    const TFontEntry& Font();

    QImage Pixels;
    std::unique_ptr<QPainter> FPainter;
    TColour Background;
    TColour PenColour = kClBlack;
    int PenWidth = 1;
    TColour BrushColour = kClWhite;
    bool ClearBrush = false;
    TColour FontColour = kClBlack;
    bool TransparentText = false;
    TCopyMode CopyMode = TCopyMode::Copy;
    TFontKey FontKey{"MS Sans Serif", 8, false};
    std::map<TFontKey, TFontEntry> Fonts;
    const TFontEntry* CurrentFont = nullptr;
    const QFont* PainterFont = nullptr;
};

}  // namespace xvexo
