#include "printing/diagram_grid.h"

#include <algorithm>

namespace xvexo {

LDispGGrid::LDispGGrid(int Lines) : FLines(std::clamp(Lines, 1, Rows)) {
    Cells.fill(kCellEmpty);
    Numbers.fill(-1);
}

uint32_t LDispGGrid::GetCell(int Row, int Column) const {
    return Inside(Row, Column) ? Cells[Row * Columns + Column] : kCellEmpty;
}

int16_t LDispGGrid::GetNumber(int Row, int Column) const {
    return Inside(Row, Column) ? Numbers[Row * Columns + Column] : int16_t{-1};
}

void LDispGGrid::SetCell(int Row, int Column, uint32_t Colour, int16_t Number, uint8_t Mark) {
    if (!Inside(Row, Column)) return;
    uint32_t& C = Cells[Row * Columns + Column];
    C = (C & ~3u) | (Colour & 3u);
    if (Mark != 0) C = (C & 0x00FFFFFFu) | (static_cast<uint32_t>(Mark) << 24);
    Numbers[Row * Columns + Column] = Number;
}

}  // namespace xvexo
