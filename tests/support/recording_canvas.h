#pragma once
// A canvas that draws nothing and logs every call with its arguments, for checking the
// painter's geometry. Text metrics are made up from the font size:
// width = code points x ((size x 2 + 2) div 3), height = size x 4 div 3 + 2.

#include <string>
#include <vector>

#include "display/canvas.h"

namespace xvexo::testing {

// A picture with a name and a size and no pixels.
class TRecordedImage : public TImage {
  public:
    TRecordedImage(std::string Name, int W, int H) : Name(std::move(Name)), W(W), H(H) {}
    int Width() const override { return W; }
    int Height() const override { return H; }
    const std::string Name;

  private:
    int W, H;
};

int FakeTextWidth(const std::string& Text, int Size);
int FakeTextHeight(int Size);

class TRecordingCanvas : public TCanvas, public TPaintBox {
  public:
    std::vector<std::string> Calls;
    int ClientWidth = 0;
    int ClientHeight = 0;

    void Clear() { Calls.clear(); }
    // The calls that start with Prefix (e.g. "Line(").
    std::vector<std::string> CallsStartingWith(const std::string& Prefix) const;
    // True when Call was logged.
    bool Has(const std::string& Call) const;

    TCanvas& Canvas() override { return *this; }
    void SetClientSize(int Width, int Height) override;
    // Kept, not logged: the colour EraseBackground stands for.
    void SetBackground(TColour Colour) override { Background = Colour; }
    TColour Background = kPanelColour;

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
    int FontSize = 8;
};

// Hands out recorded pictures sized by the number in their name ("bs24" is 24 x 24) and logs
// the names asked for.
class TRecordingImageSource : public TImageSource {
  public:
    std::vector<std::string> Loaded;
    std::unique_ptr<TImage> Load(const std::string& Name) override;
};

// "RRGGBB" in hex, as the log writes colours.
std::string Hex(TColour C);

}  // namespace xvexo::testing
