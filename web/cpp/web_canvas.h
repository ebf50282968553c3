#pragma once
// The canvas of the web build: each drawing call becomes a command in a buffer of 32-bit words
// (texts and font names in a byte buffer beside it), which the page replays on its <canvas>
// (web/src/canvas-player.js) once the core returns. Text metrics come from the page at once,
// measured with its fonts. Both sides must agree on the command codes below.

#include <cstdint>
#include <string>
#include <vector>

#include "display/canvas.h"

namespace xvexo::web {

// Command codes, each followed by its arguments: numbers, colours (0xRRGGBB) and texts (an
// offset and a length in the byte buffer).
enum class TCommand : int32_t {
    ClientSize = 1,   // width, height
    Pen,              // colour, width
    Brush,            // colour
    ClearBrush,       //
    TransparentText,  // on (0 or 1)
    Font,             // name (offset, length), size in points, bold (0 or 1)
    FontColour,       // colour
    CopyMode,         // 0 copy, 1 AND, 2 OR
    // The drawing calls, from here on.
    CopyRect,   // x, y, width, height, picture number, source x, source y
    Line,       // x1, y1, x2, y2
    Ellipse,    // x1, y1, x2, y2
    Rectangle,  // x1, y1, x2, y2
    FillRect,   // x1, y1, x2, y2
    TextOut,    // x, y, text (offset, length), alignment (0 left, 1 centre, 2 right)
    Pixel,      // x, y, colour
    Fill,       // x1, y1, x2, y2, colour (the background, for EraseBackground)
};

class TWebCanvas;

// The page's side of a canvas.
class TCanvasPage {
  public:
    virtual ~TCanvasPage() = default;
    // The width or height of a text in a font, measured at once with the page's fonts.
    virtual int Measure(const std::string& FontName, int Size, bool Bold, const std::string& Text,
                        bool Height) = 0;
    // Draws the canvas's commands on the page's <canvas>.
    virtual void Replay(const TWebCanvas& Canvas) = 0;
};

class TWebCanvas : public TCanvas, public TPaintBox {
  public:
    TWebCanvas(TCanvasPage& Page, TColour Background) : Page(Page), Background(Background) {}

    // The commands since the last flush.
    const std::vector<int32_t>& Commands() const { return Words; }
    const std::string& Texts() const { return Bytes; }
    // Has the page replay the commands so far, and starts afresh.
    void Flush();
    // Flushes after every command instead of when the owner asks (to measure the cost of one
    // call into the page per drawing call against one per change).
    void SetFlushEach(bool On) { FlushEach = On; }
    // The colour EraseBackground fills with: what shows around the board.
    void SetBackground(TColour Colour) override { Background = Colour; }
    // Drops the drawing calls (not the size and the pen, brush, font and mode they set) while
    // on: a picture drawn many times over and then whole once more needs only the last.
    void SetHeld(bool On) { Held = On; }

    TCanvas& Canvas() override { return *this; }
    void SetClientSize(int Width, int Height) override;

    void SetPen(TColour Colour, int Width) override;
    void SetBrush(TColour Colour) override;
    void SetClearBrush() override;
    void SetTransparentText(bool On) override;
    void SetFont(const std::string& Name, int Size, bool Bold) override;
    void SetFontColour(TColour Colour) override;
    void SetCopyMode(TCopyMode Mode) override;
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
    void Put(TCommand Command, std::initializer_list<int32_t> Arguments);
    // Appends Text to the byte buffer; its offset and length.
    std::pair<int32_t, int32_t> AddText(const std::string& Text);

    TCanvasPage& Page;
    TColour Background;
    std::vector<int32_t> Words;
    std::string Bytes;
    std::string FontName;
    int FontSize = 8;
    bool FontBold = false;
    bool FlushEach = false;
    bool Held = false;
};

}  // namespace xvexo::web
