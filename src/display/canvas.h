#pragma once
// The drawing surface the board painter draws on, and the pictures it copies from. The
// operations are those of a classic raster canvas: state (pen, brush, font, copy mode) is set
// first and then used by the drawing calls. Rectangles exclude their right and bottom edges,
// lines exclude their end point.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace xvexo {

// A colour as 0x00RRGGBB.
using TColour = uint32_t;

constexpr TColour Rgb(int R, int G, int B) {
    return (static_cast<TColour>(R & 0xFF) << 16) | (static_cast<TColour>(G & 0xFF) << 8) |
           static_cast<TColour>(B & 0xFF);
}

constexpr TColour kClBlack = Rgb(0, 0, 0);
constexpr TColour kClWhite = Rgb(255, 255, 255);
constexpr TColour kClNavy = Rgb(0, 0, 128);
constexpr TColour kClYellow = Rgb(255, 255, 0);
constexpr TColour kClSilver = Rgb(192, 192, 192);
constexpr TColour kClGray = Rgb(128, 128, 128);
// The grey surround of the board and the teal one of trial play and study; the edge pictures
// fade into these.
constexpr TColour kPanelColour = Rgb(212, 208, 200);
constexpr TColour kTrialPanelColour = Rgb(64, 128, 128);

// How a bit-block copy combines the source with the destination.
enum class TCopyMode { Copy, And, Or };

// Where a text's reference point lies. The painter uses TopLeft only.
enum class TTextAlign { TopLeft, TopCenter, TopRight };

// A picture the canvas can copy from. The painter only needs its size.
class TImage {
  public:
    virtual ~TImage() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

class TCanvas {
  public:
    virtual ~TCanvas() = default;

    // Pen for lines and outlines (width in pixels).
    virtual void SetPen(TColour Colour, int Width) = 0;
    // Solid brush for fills.
    virtual void SetBrush(TColour Colour) = 0;
    // No brush: Ellipse and Rectangle draw their outline alone until the next SetBrush.
    virtual void SetClearBrush() = 0;
    // Text background: transparent (true) or filled with the brush colour.
    virtual void SetTransparentText(bool On) = 0;
    // Font by family name and size in points (96 dots per inch), with its colour.
    virtual void SetFont(const std::string& Name, int Size, bool Bold) = 0;
    virtual void SetFontColour(TColour Colour) = 0;
    virtual void SetCopyMode(TCopyMode Mode) = 0;

    // Copies the W x H block at (SX, SY) of Source to (X, Y) in the current copy mode. Parts of
    // the block outside either picture are skipped.
    virtual void CopyRect(int X, int Y, int W, int H, const TImage& Source, int SX, int SY) = 0;
    // A line from (X1, Y1) to (X2, Y2), the end point excluded.
    virtual void Line(int X1, int Y1, int X2, int Y2) = 0;
    // Ellipse inscribed in (X1, Y1)-(X2, Y2): filled with the brush, outlined with the pen.
    virtual void Ellipse(int X1, int Y1, int X2, int Y2) = 0;
    // Rectangle (X1, Y1)-(X2, Y2): filled with the brush, outlined with the pen.
    virtual void Rectangle(int X1, int Y1, int X2, int Y2) = 0;
    // Rectangle (X1, Y1)-(X2, Y2) filled with the brush, no outline.
    virtual void FillRect(int X1, int Y1, int X2, int Y2) = 0;
    // Text (UTF-8) in the current font with its top-left (or top centre, top right) at (X, Y).
    virtual void TextOut(int X, int Y, const std::string& Text,
                         TTextAlign Align = TTextAlign::TopLeft) = 0;
    virtual int TextWidth(const std::string& Text) = 0;
    virtual int TextHeight(const std::string& Text) = 0;
    virtual void SetPixel(int X, int Y, TColour Colour) = 0;
    // Fills (X1, Y1)-(X2, Y2) with what shows behind the control the canvas belongs to (the
    // panel's colour), as a window erases its background before it paints.
    virtual void EraseBackground(int X1, int Y1, int X2, int Y2) = 0;
};

// The control a painter is bound to: its canvas, its client size and the colour of what shows
// behind it (the colour EraseBackground fills with).
class TPaintBox {
  public:
    virtual ~TPaintBox() = default;
    virtual TCanvas& Canvas() = 0;
    virtual void SetClientSize(int Width, int Height) = 0;
    virtual void SetBackground(TColour Colour) = 0;
};

// A picture resource that does not exist.
class TResourceNotFound : public std::runtime_error {
  public:
    explicit TResourceNotFound(const std::string& Name)
        : std::runtime_error("Resource not found: " + Name) {}
};

// Loads a picture resource by name (looked up without regard to letter case). Throws
// TResourceNotFound when no resource has that name.
class TImageSource {
  public:
    virtual ~TImageSource() = default;
    virtual std::unique_ptr<TImage> Load(const std::string& Name) = 0;
};

}  // namespace xvexo
