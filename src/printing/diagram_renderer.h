#pragma once
// Draws a built diagram on the printer: in board mode a Go board of filled rectangles (thicker
// on the border), star points, stones with their move numbers and labels; in list mode the note
// rows under a diagram (stones, dashes and gaps, no lines). No pictures are used.

#include <string>

#include "printing/diagram_grid.h"
#include "printing/print_font.h"
#include "printing/print_option.h"
#include "printing/print_surface.h"

namespace xvexo {

// Cell sizes are kept within 1..kMaxPrintCell dots, so no coordinate overflows.
constexpr int kMaxPrintCell = 10000;

// Draws Grid with its top-left corner at (Left, Top) and cells of Option.GridSize dots: board
// mode when Option.DrawBoard is 1, list mode when it is 0. Text is set in FontName. The pen and
// brush selected before are selected again at the end.
void DrawGrid(PrintSurface& Surface, const LDispGGrid& Grid, int Top, const TGPOPTION& Option,
              int Left, const std::string& FontName = kPrintFontName);

// The text printed for a cell mark: "-" for the dash, the Korean letters 가..하 for 'a'..'n',
// the character itself otherwise.
std::string MarkText(uint8_t Mark);

}  // namespace xvexo
