#pragma once
// Chooses the stone image set that matches the space a board has, loads it into the painter and
// resizes the painter.

#include <cstdint>

#include "display/canvas.h"
#include "display/go_painter.h"

namespace xvexo {

// Loads "bsN", "wsN", "bmN", "wmN" (N = S div the painter's lines) when 10 <= N <= 59, else
// keeps the painter's pictures (it then draws circles), and calls SetBoardSize(S).
void LoadImageSet(TKelGoPB& Painter, TImageSource& Source, int32_t S);

// Cell size of the main view for a board of Lines lines. 19 lines: no upper bound (60 and above
// shows circles); fewer lines: at most 59, so their stones are always pictures.
int32_t MainViewCellSize(int PanelWidth, int PanelHeight, int32_t LabelMargin,
                         int32_t Lines = kBoardLines);
// Cell size of the reference window: capped at 59, so it always uses pictures from 10 on.
int32_t ReferenceCellSize(int PanelWidth, int PanelHeight, int32_t LabelMargin,
                          int32_t Lines = kBoardLines);

// The main view's chooser, run by its board panel's resize handler: loads the set for the
// panel's cell size when the board size changes or the painter is still unsized.
void ChooseMainImageSet(TKelGoPB& Painter, TImageSource& Source, int PanelWidth, int PanelHeight);
// The reference window's chooser: loads the set when the cell size changes or the painter is
// unsized (a new number of lines).
void ChooseReferenceImageSet(TKelGoPB& Painter, TImageSource& Source, int PanelWidth,
                             int PanelHeight);

}  // namespace xvexo
