#include "printing/diagram_builder.h"

#include <algorithm>
#include <memory>

#include "rules/go_board.h"

namespace xvexo {

namespace {

// One point of the working board: the number shown (-1 none, LabelBase + k a label) and the
// colour (0 black, 1 white, 2 empty).
struct TWorkPoint {
    int32_t Number = -1;
    int32_t Colour = 2;
};

using TWorkBoard = std::array<std::array<TWorkPoint, kMaxLines>, kMaxLines>;

// Brings Engine, which holds a game's whole history, to history index Index: back through the
// capture log, then forward through the kept history (its setup stones and colours with it).
void StepTo(TGoBoard& Engine, int32_t Index) {
    while (Engine.MoveIndex() > Index) {
        const int32_t Before = Engine.MoveIndex();
        Engine.StepBack();
        if (Engine.MoveIndex() == Before) break;
    }
    while (Engine.MoveIndex() < Index && Engine.StepForward()) {
    }
}

// The position before move First and the colour of move First (0 black, 1 white).
int32_t StartPosition(int Lines, int32_t First, const TDiagramStart& Start,
                      const TMoveCoords& Moves, int32_t MoveCount, TWorkBoard& Work) {
    TNumbering N;
    InitNumbering(N);
    const int32_t Before = std::min(First - 1, MoveCount);
    // No handlers are assigned: the engine raises no events.
    std::unique_ptr<TGoBoard> Engine;
    if (Start.Game != nullptr) {
        Engine = std::make_unique<TGoBoard>(N, *Start.Game);
        Engine->SetEndIndex(std::max(MoveCount, Start.Game->MoveIndex));
        StepTo(*Engine, Before);
    } else {
        auto P = std::make_unique<TPosition>();
        InitPosition(Lines, *P);
        Engine = std::make_unique<TGoBoard>(N, *P);
        Engine->SetHandicap(Start.Handicap, 1);
        for (int32_t I = 1; I <= Before; ++I) {
            const auto& M = Moves.Coords[I - 1];
            if (M[0] == 0) {
                Engine->PassMove();
            } else {
                Engine->PlayMove(M[0], M[1]);
            }
        }
    }
    TPrintGrid G;
    Engine->GetPrintGrid(G);
    for (int R = 0; R < kMaxLines; ++R) {
        for (int C = 0; C < kMaxLines; ++C)
            Work[R][C] = {G[R][C].Value, G[R][C].Stone};
    }
    return Engine->SideToMove() == kBlack ? 0 : 1;
}

// The colour (0 black, 1 white) of history entry I of Game, or Fallback when the entry names
// none.
int32_t HistoryColour(const TPosition& Game, int32_t I, int32_t Fallback) {
    const uint8_t C = Game.History[static_cast<size_t>(std::clamp(I, 0, kMaxMoves))].Colour;
    return C == kBlack ? 0 : C == kWhite ? 1 : Fallback;
}

// The stones Game sets up after move I, unnumbered, on the points of Work still empty (what it
// takes off stays, as captured stones do).
void AddSetupStones(const TPosition& Game, int32_t I, int Lines, TWorkBoard& Work) {
    const int32_t Count = std::clamp(Game.SetupCount, 0, kMaxSetup);
    for (int32_t K = 0; K < Count; ++K) {
        const TSetupEntry& E = Game.Setup[static_cast<size_t>(K)];
        if (E.MoveIndex != I || E.New == kEmpty || E.X < 1 || E.X > Lines || E.Y < 1 || E.Y > Lines)
            continue;
        TWorkPoint& P = Work[E.Y - 1][E.X - 1];
        if (P.Colour == 2) P = {-1, E.New == kBlack ? 0 : 1};
    }
}

int FindValue(const DiagramNotes& Notes, int32_t Value, int From) {
    for (int I = From; I <= Notes.Count; ++I) {
        if (Notes.Entries[I - 1].Value == Value) return I;
    }
    return 0;
}

// A note of move I (colour Colour) on the occupied point P; false when it finds no room.
bool AddNote(DiagramNotes& Notes, int32_t& LabelCounter, TWorkPoint& P, int32_t Colour, int32_t I) {
    const bool Unlabelled = P.Number < 0;
    const int Group = Unlabelled ? 0 : FindValue(Notes, P.Number, 1);
    if (Group == 0) {
        // A new group: the stone on the point (labelled first when it has no number).
        if (Notes.Count + 4 > kMaxNoteEntries) return false;
        if (Unlabelled) {
            if (LabelCounter - LabelBase >= kMaxLabels) return false;
            P.Number = ++LabelCounter;
        }
        auto* E = &Notes.Entries[Notes.Count];
        E[0] = {P.Colour, P.Number};
        E[1] = {2, NoteDash};
        E[2] = {Colour, I};
        E[3] = {2, NoteGroupEnd};
        Notes.Count += 4;
        return true;
    }
    if (Notes.Count + 1 > kMaxNoteEntries) return false;
    // Before the group's end, so its moves stay in play order.
    const int End = FindValue(Notes, NoteGroupEnd, Group + 1);
    std::copy_backward(Notes.Entries.begin() + (End - 1), Notes.Entries.begin() + Notes.Count,
                       Notes.Entries.begin() + Notes.Count + 1);
    Notes.Entries[End - 1] = {Colour, I};
    ++Notes.Count;
    return true;
}

// Whether entry J of Notes is a move played on a taken point (not a group's stone, dash or end).
bool IsNotedMove(const DiagramNotes& Notes, int J) {
    const int32_t V = Notes.Entries[J - 1].Value;
    if (V == NoteDash || V == NoteGroupEnd) return false;
    return J == Notes.Count || Notes.Entries[J].Value != NoteDash;
}

// Fills the rows of Grid with the notes, whole groups a row where they fit; returns the moves
// of the notes that found no row.
int FillNotesGrid(const DiagramNotes& Notes, const TNoteRoom& Room, LDispGGrid& Grid) {
    const int W = std::clamp(Room.Width, 1, kMaxNoteRow);
    const int Rows = std::clamp(Room.Rows, 0, LDispGGrid::Rows);
    int K = 1;
    for (int Row = 0; K <= Notes.Count && Row < Rows; ++Row) {
        // A group longer than a row may leave its end to start the next one: the row break
        // already ends it, and a row never starts empty.
        if (Notes.Entries[K - 1].Value == NoteGroupEnd && ++K > Notes.Count) break;
        const int Last = std::min(K + W - 1, Notes.Count);
        int E = Last;
        while (E >= K && Notes.Entries[E - 1].Value != NoteGroupEnd)
            --E;
        if (E < K) E = Last;  // a group longer than a row: the row is filled, the rest follows
        for (int J = K; J <= E; ++J) {
            const TNoteEntry& N = Notes.Entries[J - 1];
            const int Column = J - K;
            if (N.Value == NoteDash) {
                Grid.SetCell(Row, Column, kCellEmpty, -1, '-');
            } else if (N.Value == NoteGroupEnd) {
                Grid.SetCell(Row, Column, kCellEmpty, -1, 0);
            } else if (N.Value > LabelBase) {
                Grid.SetCell(Row, Column, N.Colour, -1,
                             static_cast<uint8_t>(N.Value - LabelBase + 96));
            } else {
                Grid.SetCell(Row, Column, N.Colour, static_cast<int16_t>(N.Value), 0);
            }
        }
        K = E + 1;
    }
    int Left = 0;
    for (int J = K; J <= Notes.Count; ++J)
        Left += IsNotedMove(Notes, J) ? 1 : 0;
    return Left;
}

}  // namespace

int TDiagramStart::Lines() const {
    return Game != nullptr ? std::clamp<int>(Game->Size, 1, kPrintBoardLines) : kPrintBoardLines;
}

TBuiltDiagram BuildDiagram(const TNoteRoom& Room, int32_t First, int32_t Last,
                           const TDiagramStart& Start, const TMoveCoords& Moves,
                           LDispGGrid& BoardGrid, LDispGGrid& NotesGrid) {
    TBuiltDiagram D;
    D.First = First;
    const int Lines = BoardGrid.Lines();
    const int32_t MoveCount = std::clamp<int32_t>(Moves.Count, 0, kMaxMoves);
    // Move 1 is the first there is.
    const int32_t From = std::max<int32_t>(First, 1);
    D.Last = std::min(Last, MoveCount);

    TWorkBoard Work;
    int32_t Colour = StartPosition(Lines, From, Start, Moves, MoveCount, Work);
    int32_t LabelCounter = LabelBase;
    for (int32_t I = From; I <= D.Last; ++I, Colour = 1 - Colour) {
        if (Start.Game != nullptr) Colour = HistoryColour(*Start.Game, I, Colour);
        const int X = Moves.Coords[I - 1][0];
        const int Y = Moves.Coords[I - 1][1];
        if (X != 0 && X <= Lines && Y != 0 && Y <= Lines) {  // else a pass
            TWorkPoint& P = Work[Y - 1][X - 1];
            if (P.Colour == 2) {
                // Captures never clear the working board: the range's stone stays on its point.
                P = {I, Colour};
            } else if (!AddNote(D.Notes, LabelCounter, P, Colour, I)) {
                ++D.Omitted;
            }
        }
        if (Start.Game != nullptr) AddSetupStones(*Start.Game, I, Lines, Work);
    }

    for (int R = 0; R < Lines; ++R) {
        for (int C = 0; C < Lines; ++C) {
            const TWorkPoint& P = Work[R][C];
            if (P.Number > LabelBase) {
                BoardGrid.SetCell(R, C, P.Colour, -1,
                                  static_cast<uint8_t>(P.Number - LabelBase + 96));
            } else {
                BoardGrid.SetCell(R, C, P.Colour, static_cast<int16_t>(P.Number), 0);
            }
        }
    }
    D.Omitted += FillNotesGrid(D.Notes, Room, NotesGrid);
    return D;
}

}  // namespace xvexo
