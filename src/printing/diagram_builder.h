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
    // Moves on occupied points left out of the notes: the list was full, no label was left, or
    // no row was left for them.
    int Omitted = 0;
};

// Where the game of a diagram starts. A handicap alone (the tag and NGF formats): an empty
// 19-line board with the handicap stones (layout 1), and moves whose colours alternate. Or
// the main board with its whole history (standard SGF records): its lines, its starting
// setup and handicap, the setup stones placed between moves, and the colour each move was
// played in. Game must outlive the start.
struct TDiagramStart {
    // A handicap is a start on its own, so the print path's callers may pass the number.
    TDiagramStart(int32_t Handicap = 0) : Handicap(Handicap) {}
    explicit TDiagramStart(const TPosition& Game) : Game(&Game) {}

    // The lines of the printed board.
    int Lines() const;

    int32_t Handicap = 0;
    const TPosition* Game = nullptr;
};

// The room the notes of a diagram have on its page: at most Width entries a row (1..28) and
// Rows rows (0..19).
struct TNoteRoom {
    int Width = kMaxNoteRow;
    int Rows = LDispGGrid::Rows;
};

// Builds moves First..Last (Last clipped to Moves.Count) into the fresh grids: finds the
// position before First on a private rules engine (from Start), numbers the range's stones on
// BoardGrid and fills NotesGrid greedily with whole groups, within Room. Without a game in
// Start the colours of the range alternate strictly from the side to move before it; with one
// they are those of its history. A group longer than a row goes on in the next row; the moves
// of the notes past the last row are not shown and are counted as omitted. BoardGrid has
// Start.Lines() lines.
TBuiltDiagram BuildDiagram(const TNoteRoom& Room, int32_t First, int32_t Last,
                           const TDiagramStart& Start, const TMoveCoords& Moves,
                           LDispGGrid& BoardGrid, LDispGGrid& NotesGrid);
// The same with rows of at most WidestRow entries and all 19 rows of the grid.
inline TBuiltDiagram BuildDiagram(int WidestRow, int32_t First, int32_t Last,
                                  const TDiagramStart& Start, const TMoveCoords& Moves,
                                  LDispGGrid& BoardGrid, LDispGGrid& NotesGrid) {
    return BuildDiagram(TNoteRoom{WidestRow, LDispGGrid::Rows}, First, Last, Start, Moves,
                        BoardGrid, NotesGrid);
}

// The two grids of one built diagram; empty when the slot holds none.
struct DiagramSlot {
    std::optional<LDispGGrid> BoardGrid;
    std::optional<LDispGGrid> NotesGrid;
    bool HoldsDiagram() const { return BoardGrid.has_value() && NotesGrid.has_value(); }
};

}  // namespace xvexo
