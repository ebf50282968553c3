#pragma once
// A print surface that draws nothing and records every call: a log of all calls in order, and
// per page the fills, ellipses and texts with the state they were drawn in. Text metrics are
// made up from the font: a positive height is the cell height, a negative one (a character
// height) gives a cell of 5/4 of it.

#include <string>
#include <vector>

#include "printing/print_surface.h"

namespace xvexo::testing {

struct TRecordedFill {
    TPrintRect Rect;
    TPrintColour Colour;
};

struct TRecordedEllipse {
    TPrintRect Bounds;
    TPrintPen Pen;
    TPrintBrush Brush;
};

struct TRecordedText {
    int X, Y;
    std::string Text;
    TPrintFont Font;
    TPrintColour Colour;
    THorzAlign Horz;
    TVertAlign Vert;
    bool Transparent;
};

struct TRecordedPage {
    std::vector<TRecordedFill> Fills;
    std::vector<TRecordedEllipse> Ellipses;
    std::vector<TRecordedText> Texts;
    // The texts in drawing order.
    std::vector<std::string> TextStrings() const;
    // The first text that starts with Prefix, or nullptr.
    const TRecordedText* FindText(const std::string& Prefix) const;
};

class TRecordingSurface : public PrintSurface {
  public:
    // A4 at 600 dots per inch, less a small unprintable border, unless a test says otherwise.
    int Width = 4800;
    int Height = 6600;
    int DpiY = 600;
    std::string DateText = "2026/1/2";
    std::string TimeText = "3:04:05";

    std::vector<std::string> Calls;
    std::vector<TRecordedPage> Pages;
    std::string JobTitle;
    int Documents = 0;       // StartDocument calls
    int EndedDocuments = 0;  // EndDocument calls

    void Clear();
    // The calls that start with Prefix.
    std::vector<std::string> CallsStartingWith(const std::string& Prefix) const;

    int PrintableWidth() const override { return Width; }
    int PrintableHeight() const override { return Height; }
    int DotsPerInchY() const override { return DpiY; }
    void SetJobTitle(const std::string& Title) override;
    void StartDocument() override;
    void NewPage() override;
    void EndDocument() override;
    TPrintPen SelectPen(const TPrintPen& Pen) override;
    TPrintBrush SelectBrush(const TPrintBrush& Brush) override;
    TPrintFont SelectFont(const TPrintFont& Font) override;
    void SetTextColour(TPrintColour Colour) override;
    void SetTransparentText(bool On) override;
    void SetTextAlign(THorzAlign Horz, TVertAlign Vert) override;
    void FillRect(const TPrintRect& Rect, TPrintColour Colour) override;
    void Ellipse(const TPrintRect& Bounds) override;
    void TextOut(int X, int Y, const std::string& Text) override;
    int TextHeight(const std::string& Text) override;
    std::string ShortDateText() override { return DateText; }
    std::string LongTimeText() override { return TimeText; }

    TPrintPen Pen;
    TPrintBrush Brush;
    TPrintFont Font;
    TPrintColour TextColour = kPrintBlack;
    bool Transparent = false;
    THorzAlign Horz = THorzAlign::Left;
    TVertAlign Vert = TVertAlign::Top;

  private:
    TRecordedPage& Page();
    bool PageOpen = false;
};

// Cell height of Font as the recording surface measures it.
int FakeCellHeight(const TPrintFont& Font);

std::string Describe(const TPrintRect& R);
std::string Describe(const TPrintPen& P);
std::string Describe(const TPrintFont& F);

}  // namespace xvexo::testing
