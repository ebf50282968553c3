#pragma once
// Where the diagrams of a printed page go, in printer dots: the board of each diagram, its
// caption (split pages), and its note rows with the room they have, so that the notes wrap to
// the board's width and stay on the page, clear of the diagram below.

#include <array>

#include "printing/diagram_builder.h"
#include "printing/print_dialog_model.h"

namespace xvexo {

// The widest note row on single-diagram pages and 1 a page, and on 2 or 4 a page, for a board
// of 19 lines.
constexpr int kWideNoteRow = 28;
constexpr int kNarrowNoteRow = 25;
// Single-diagram page: the title block's distance below the top margin.
constexpr int kTitleOffset = 100;

// The narrowest row a board of few lines gets: a group of one move (stone, dash, move, end).
constexpr int kMinNoteRow = 4;

// The widest note row under a board of Lines lines: Designed for 19 lines, in proportion to
// the board's width for fewer (28 gives 13 on 9 lines and 19 on 13), at least kMinNoteRow.
int DesignedNoteRow(int Designed, int Lines);

// One diagram on a page.
struct TDiagramPlace {
    int BoardX = 0, BoardY = 0;  // the board's top-left corner
    int Cell = 0;                // the board's cell size
    int CaptionX = 0, CaptionY = 0;
    int NotesX = 0, NotesY = 0;  // the first note row's top-left corner
    int NoteCell = 0;
    TNoteRoom Room;  // the designed row, cut where the page or the next diagram begins
};

// Margins, cell size and page size of Values as the pages use them: kept where sums of them
// cannot overflow.
int LayoutMargin(int32_t V);
int LayoutCell(int32_t V);

// The diagram of a single-diagram page, a board of Lines lines below a title block of
// BlockHeight dots, centred between the margins.
TDiagramPlace SingleDiagramPlace(const TPrintJobValues& Values, int Lines, int BlockHeight);

// The diagrams of a split page, PerPage (1, 2 or 4) of them, boards of Lines lines. A caption
// is drawn aligned to its bottom and CaptionHeight dots high: the notes of an upper diagram
// stop above the caption of the one below.
std::array<TDiagramPlace, 4> SplitDiagramPlaces(const TPrintJobValues& Values, int PerPage,
                                                int Lines, int CaptionHeight);

}  // namespace xvexo
