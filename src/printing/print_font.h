#pragma once
// Printer fonts described in points and turned into fonts of the printer's dots.

#include <string>

#include "printing/print_surface.h"

namespace xvexo {

// The face of all printed text but the captions.
inline constexpr const char* kPrintFontName = "宋体";

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class LFontDesc {
  public:
    // Size in points; its absolute value is kept. Style is a combination of TFontStyle bits.
    LFontDesc(std::string Name, int Size, unsigned Style = 0);

    std::string FontName;
    int FontSize;
    unsigned FontStyle;
};

// The font Desc describes, for Surface: character height -(FontSize x vertical dots per inch)
// div 72 dots (negative: the character height, not the cell height).
TPrintFont CreatePrintFont(const LFontDesc& Desc, const PrintSurface& Surface);

}  // namespace xvexo
