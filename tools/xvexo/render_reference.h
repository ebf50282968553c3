#pragma once
// xvexo render --reference M-K: the board of the reference window as it shows the K-th diagram
// of move M right after opening.

#include <cstdint>
#include <optional>
#include <string>

#include "display/canvas.h"
#include "records/game_record.h"

namespace xvexo {
class TQImageCanvas;
}

namespace xvexo::cli {

struct TReferenceLink {
    int32_t Move = 0;    // M: 0 stands before the first move
    int32_t Number = 0;  // K: from 1
};

// "M-K" with M a whole number of 0 or more and K one of 1 or more; nothing for any other text.
std::optional<TReferenceLink> ParseReferenceLink(const std::string& Text);

// Draws onto Canvas what the reference window's board shows right after the link to diagram K
// of move M is clicked: the main board of Record goes to move M (as the move box goes, or to the
// start for 0), then the window opens on a snapshot of it. With Cell, the window's picture is
// drawn again at that cell size. False, with Error, when the move shown has no diagram K.
bool DrawReference(const TGameRecord& Record, TReferenceLink Link, std::optional<int> Cell,
                   TImageSource& Images, TQImageCanvas& Canvas, std::string& Error);

}  // namespace xvexo::cli
