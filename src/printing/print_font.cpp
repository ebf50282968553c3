#include "printing/print_font.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace xvexo {

LFontDesc::LFontDesc(std::string Name, int Size, unsigned Style)
    : FontName(std::move(Name)),
      FontSize(Size == INT_MIN ? INT_MAX : std::abs(Size)),
      FontStyle(Style) {}

TPrintFont CreatePrintFont(const LFontDesc& Desc, const PrintSurface& Surface) {
    TPrintFont F;
    F.Face = Desc.FontName;
    // The surface works in device dots, so no mapping-mode scaling applies.
    const int64_t Height = -static_cast<int64_t>(Desc.FontSize) * Surface.DotsPerInchY() / 72;
    F.Height = static_cast<int>(std::clamp<int64_t>(Height, -INT_MAX, INT_MAX));
    F.Bold = (Desc.FontStyle & fsBold) != 0;
    F.Italic = (Desc.FontStyle & fsItalic) != 0;
    F.Underline = (Desc.FontStyle & fsUnderline) != 0;
    F.StrikeOut = (Desc.FontStyle & fsStrikeOut) != 0;
    return F;
}

}  // namespace xvexo
