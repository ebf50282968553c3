#pragma once
// The printer as the page painters and the diagram renderer see it: a page of printer dots with
// the origin at the top-left corner of the printable area, the printer's capabilities, the
// document and its pages, and the drawing state (pen, brush, font, text colour, alignment) that
// the drawing calls use. Rectangles exclude their right and bottom edges. Text is UTF-8.

#include <cstdint>
#include <string>

namespace xvexo {

// A colour as 0x00RRGGBB.
using TPrintColour = uint32_t;
constexpr TPrintColour kPrintBlack = 0x000000;
constexpr TPrintColour kPrintWhite = 0xFFFFFF;

struct TPrintRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TPrintRect&, const TPrintRect&) = default;
};

enum class TPenStyle {
    Solid,        // a line of Width dots centred on the outline
    Null,         // draws nothing: figures are filled only
    InsideFrame,  // a line of Width dots drawn inside the figure's bounds
};

struct TPrintPen {
    TPenStyle Style = TPenStyle::Solid;
    int Width = 1;
    TPrintColour Colour = kPrintBlack;
    friend bool operator==(const TPrintPen&, const TPrintPen&) = default;
};

// A solid brush.
struct TPrintBrush {
    TPrintColour Colour = kPrintWhite;
    friend bool operator==(const TPrintBrush&, const TPrintBrush&) = default;
};

// A font by the face name the drawing code uses ("宋体", "Times New Roman", ...); the surface
// substitutes an installed face. Height in dots: negative gives the character (em) height,
// positive the cell height (ascent plus descent). Width in dots is the average character
// width; 0 keeps the face's own proportions.
struct TPrintFont {
    std::string Face;
    int Height = 0;
    int Width = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    friend bool operator==(const TPrintFont&, const TPrintFont&) = default;
};

// Where the reference point of a text lies: horizontally at its left, centre or right, and
// vertically at the top or the bottom of its cell.
enum class THorzAlign { Left, Center, Right };
enum class TVertAlign { Top, Bottom };

class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    // Printable width and height in dots, and the vertical resolution in dots per inch.
    virtual int PrintableWidth() const = 0;
    virtual int PrintableHeight() const = 0;
    virtual int DotsPerInchY() const = 0;

    // The job's name as the spooler shows it; set before StartDocument.
    virtual void SetJobTitle(const std::string& Title) = 0;
    // Starts the document. Its first page begins with the first drawing call, so a document
    // that draws nothing has no page.
    virtual void StartDocument() = 0;
    // Ends the current page and starts the next.
    virtual void NewPage() = 0;
    // Ends the document: the job goes to the printer or the file.
    virtual void EndDocument() = 0;

    // Each selection returns the one it replaces, so a caller can restore it.
    virtual TPrintPen SelectPen(const TPrintPen& Pen) = 0;
    virtual TPrintBrush SelectBrush(const TPrintBrush& Brush) = 0;
    virtual TPrintFont SelectFont(const TPrintFont& Font) = 0;
    virtual void SetTextColour(TPrintColour Colour) = 0;
    // Transparent: text is drawn over what is there. Opaque (the default): its cell is first
    // filled with white.
    virtual void SetTransparentText(bool On) = 0;
    virtual void SetTextAlign(THorzAlign Horz, TVertAlign Vert) = 0;

    // Fills Rect with a solid brush of Colour (the selected brush and pen are not used).
    virtual void FillRect(const TPrintRect& Rect, TPrintColour Colour) = 0;
    // An ellipse inscribed in Bounds, filled with the selected brush and outlined with the
    // selected pen.
    virtual void Ellipse(const TPrintRect& Bounds) = 0;
    // Text in the selected font, colour and alignment, its reference point at (X, Y).
    virtual void TextOut(int X, int Y, const std::string& Text) = 0;
    // The height of Text in the selected font: the font's cell height.
    virtual int TextHeight(const std::string& Text) = 0;

    // The current date in the system's short date format and the current time in its long
    // time format, as the page header prints them.
    virtual std::string ShortDateText() = 0;
    virtual std::string LongTimeText() = 0;
};

}  // namespace xvexo
