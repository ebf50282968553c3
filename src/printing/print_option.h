#pragma once
// The drawing options a print job hands to the diagram renderer.

#include <cstdint>

namespace xvexo {

// Created with the initial values below for each single-diagram job or split page; the page
// painters set GridSize before drawing, and switch to list mode and a smaller cell for the
// note rows under a diagram.
class TGPOPTION {
  public:
    uint8_t DrawBoard = 1;       // 1: board mode (lines, star points); 0: list mode (note rows)
    uint8_t ShowNumbers = 1;     // move numbers on stones
    uint8_t ShowLabels = 1;      // dashes and letter labels
    int32_t GridSize = 100;      // cell size in printer dots
    uint8_t LabelFontPct = 73;   // label font height, % of GridSize
    uint8_t NumberFontPct = 73;  // number font height, % of GridSize
    uint8_t OutlinePct = 3;      // stone outline width, % of GridSize
};

}  // namespace xvexo
