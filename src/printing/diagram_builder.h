#pragma once
// Turns a range of moves into a printed diagram: the position before the range with the range's
// stones numbered where they were played, and notes for the moves of the range played on a
// point already occupied in the diagram (a group: the stone on the point, a dash, the moves
// played there, an end).

#include <array>
#include <cstdint>
#include <optional>

#include "printing/diagram_grid.h"
#include "rules/position.h"

namespace xvexo {

// Note values: 1..700 a numbered stone; LabelBase + k the k-th labelled stone of the starting
// position; NoteDash and NoteGroupEnd.
constexpr int32_t LabelBase = 700;
constexpr int32_t NoteDash = 800;
constexpr int32_t NoteGroupEnd = 900;

// Room for 200 note entries; at most 99 labels, so label codes stay below NoteDash.
constexpr int kMaxNoteEntries = 200;
constexpr int kMaxLabels = 99;
// The widest note row a notes grid holds (its last column stays empty).
constexpr int kMaxNoteRow = LDispGGrid::Columns - 1;

struct TNoteEntry {
    int32_t Colour = 2;  // 0 black, 1 white, 2 none (dash, group end)
    int32_t Value = 0;
    friend bool operator==(const TNoteEntry&, const TNoteEntry&) = default;
};

struct DiagramNotes {
    std::array<TNoteEntry, kMaxNoteEntries> Entries{};  // Entries[i - 1] is entry i
    int Count = 0;
};

struct TBuiltDiagram {
    int32_t First = 0;  // as asked
    int32_t Last = 0;   // clipped to the move list
    DiagramNotes Notes;
    // Moves on occupied points that found no room in the notes (full list, no label left).
    int Omitted = 0;
};

// Builds moves First..Last (Last clipped to Moves.Count) into the fresh grids: replays the
// moves before First on a private rules engine (handicap placed with layout 1), numbers the
// range's stones on BoardGrid and fills NotesGrid greedily with whole groups, at most
// WidestRow entries (1..28) a row. The colours of the range alternate strictly from the side
// to move before it. A group longer than a row goes on in the next row; notes past the
// grid's 19 rows are not shown.
TBuiltDiagram BuildDiagram(int WidestRow, int32_t First, int32_t Last, int32_t Handicap,
                           const TMoveCoords& Moves, LDispGGrid& BoardGrid, LDispGGrid& NotesGrid);

// The two grids of one built diagram; empty when the slot holds none.
struct DiagramSlot {
    std::optional<LDispGGrid> BoardGrid;
    std::optional<LDispGGrid> NotesGrid;
    bool HoldsDiagram() const { return BoardGrid.has_value() && NotesGrid.has_value(); }
};

}  // namespace xvexo
