#pragma once
// The rules engine: one Go position with its whole history.

#include <cstdint>
#include <functional>

#include "rules/point_stack.h"
#include "rules/position.h"

namespace xvexo {

class TGoBoard;

// What ForceMove did: played under the rules, or in spite of them (on a point that held a
// stone, a suicide, a ko retaken at once), or nothing (Refused).
enum class TForcedMove : uint8_t { Legal, OnStone, Suicide, KoRetake, Refused };

// A point changed: (X, Y) now shows Colour with value code Value.
using TPointEvent =
    std::function<void(TGoBoard& Sender, int32_t X, int32_t Y, int32_t Value, uint8_t Colour)>;
// A move, a pass or a step back has completed.
using TMoveEvent = std::function<void(TGoBoard& Sender, const TMoveInfo& Info)>;

// Applies the rules (captures, no suicide, simple ko), keeps the history and the capture log,
// steps back and forth, numbers stones, and reports every changed point through events. It
// knows nothing of drawing, sound or records. All state lives in fixed arrays.
class TGoBoard {
  public:
    // Point events: OnPutStone for a non-zero value code, OnRedrawPoint for value 0. Both are
    // raised only while OnPutStone is assigned, except a removal, which needs only
    // OnRedrawPoint. Raised synchronously from inside the operation.
    TPointEvent OnPutStone;
    TPointEvent OnRedrawPoint;
    TMoveEvent OnMove;

    // An empty 19-line board with numbering off: what the viewer, the tools and every replay
    // start from.
    TGoBoard();
    // Numbering from Numbering; position, history and arrays from Position; prisoners 0;
    // EndIndex = MoveIndex.
    TGoBoard(const TNumbering& Numbering, const TPosition& Position);

    // Back to an empty board of Size lines (at most 19); numbering, PendingNumber and the
    // handlers stay.
    void Reset(int Size);

    // Copies the position, the whole history and the capture log (not HandicapLayout).
    void GetPosition(TPosition& P) const;
    // Loads what GetPosition copies. SetEnd: EndIndex = MoveIndex. MarkLast: OnPutStone with
    // 501 for the last stone, not stored. No other event.
    void SetPosition(const TPosition& P, bool MarkLast, bool SetEnd);
    // Loads side to move, handicap count, capture log, history, points and value codes;
    // keeps Size, prisoners and MoveIndex; EndIndex = MoveIndex.
    void LoadHistory(const TPosition& P);

    // Places 2..19 handicap stones on a 19-line board (white then moves first).
    void SetHandicap(int32_t Count, uint8_t Layout);

    // Plays a stone of the side to move; an illegal move changes nothing but EndIndex.
    // Afterwards EndIndex = MoveIndex in every case.
    void PlayMove(int32_t X, int32_t Y);
    // Appends a pass; EndIndex is not touched. Refused (no change at all) at index 500.
    void PassMove();
    // Plays a stone of the side to move at (X, Y) whatever the rules say, as a game record may
    // hold it. A move the rules allow is played exactly as PlayMove plays it. Otherwise the
    // stone replaces what stands on the point (no prisoner), the groups of the other side it
    // leaves without liberty are captured as usual (a ko may be retaken at once), and when its
    // own group is then without liberty that group leaves the board (no prisoners; logged as
    // setup after the move). StepBack and StepForward undo and redo it as any move, with the
    // same events. Refused, changing nothing but EndIndex, off the board, at index 500, or when
    // the capture or setup log cannot hold what it takes off. EndIndex = MoveIndex afterwards.
    TForcedMove ForceMove(int32_t X, int32_t Y);
    // Appends a step without a move (a record's node that only sets stones up or comments): a
    // history entry of its own (kBareStep, X = Y = 0, colour 0) for the setup that follows it.
    // The turn stays; the last-move mark goes, as after a pass. EndIndex = MoveIndex. Refused
    // (no change at all) at index 500.
    void AddStep();
    // Sets (X, Y) to Colour (kEmpty, kBlack or kWhite) by hand, after the current move: no
    // capture and no history entry; a step back over that move undoes it and a step forward
    // redoes it. Raises the point with value 0. Like a move, it drops what lay ahead (the
    // setup of later moves; EndIndex = MoveIndex). True when the point has Colour now; false,
    // changing nothing, off the board, for another colour or with kMaxSetup entries made.
    bool SetupPoint(int32_t X, int32_t Y, uint8_t Colour);
    // The side that plays the next move, for records that name the colour of each move (a
    // step forward takes the colour its history entry names).
    void SetSideToMove(uint8_t Colour);
    // Replays entry MoveIndex + 1; false, doing nothing, when MoveIndex >= EndIndex.
    bool StepForward();
    // Takes back entry MoveIndex through the capture log; nothing at the start.
    void StepBack();

    int32_t MoveIndex() const { return FMoveIndex; }
    int32_t EndIndex() const { return FEndIndex; }
    uint8_t SideToMove() const { return FSideToMove; }
    // The side that plays at this position: the colour of the next move of the history up to
    // EndIndex (a record's side may play twice, and StepForward plays each move in its own
    // colour), else SideToMove.
    uint8_t SideToPlay() const;
    // Sets the last index StepForward may reach (clamped to 0..500).
    void SetEndIndex(int32_t N);

    // X, Y of the last history entry (-1/0 at the start, 0/0 after a pass) and its colour.
    void GetLastMove(int32_t& X, int32_t& Y, uint8_t& Colour) const;
    // Whether the entry shown (MoveIndex) is a pass: false at the start and on a bare step.
    bool LastIsPass() const {
        const THistoryEntry& Last = History[FMoveIndex];
        return FMoveIndex > 0 && Last.X == 0 && Last.Kind != kBareStep;
    }

    void SetNumbering(const TNumbering& N);
    void EnableNumbering(bool On) { NumberingOn = On ? 1 : 0; }
    TNumbering Numbering() const { return {NumberBase, NumberFrom, NumberingOn}; }
    // A holds, for each occupied point, the latest history index played there (0 elsewhere);
    // then numbering counts from index 1 with base 1.
    void GetStoneNumbers(TNumberGrid& A);

    // History entries 1..Count (at most 500) as byte pairs.
    void GetMoveCoords(int32_t Count, TMoveCoords& L) const;
    // Every point as Value -1 and Stone 0 black, 1 white, 2 empty.
    void GetPrintGrid(TPrintGrid& G) const;

    int32_t BlackPrisonerCount() const { return BlackPrisoners; }
    int32_t WhitePrisonerCount() const { return WhitePrisoners; }
    int32_t CaptureCountNow() const { return CaptureCount; }
    // The colour on (X, Y), 1..19 each; empty past the board's size.
    uint8_t PointColour(int32_t X, int32_t Y) const {
        return OnBoard(X, Y) ? Cells[CellOf(X, Y)] : kEmpty;
    }
    int32_t PointNumber(int32_t X, int32_t Y) const { return Numbers[Y - 1][X - 1]; }

  private:
    // The board is one padded array: point (X, Y) is cell Y * kStride + X, and a frame of
    // off-board cells (row and column 0, every row and column past Size) surrounds the points,
    // so the neighbours of a point are the cells -1, +1, -kStride and +kStride, and a flood
    // needs no range check: a frame cell is neither empty nor a colour, and is passed over.
    static constexpr int kStride = kMaxLines + 2;
    static constexpr int kCellCount = kStride * kStride;
    static constexpr uint8_t kOffBoard = 0xFF;
    // Steps to a cell's neighbours in the order the capture scan visits them: left, right, up,
    // down.
    static constexpr int kScanStep[4] = {-1, 1, -kStride, kStride};
    // The order a flood pushes a stone's neighbours: up, left, down, right.
    static constexpr int kFloodStep[4] = {-kStride, -1, kStride, 1};

    // A fixed stack of cells for the floods. A flood pushes the first cell and at most four
    // for each stone it visits, so its work stack never holds more than 1 + 4 × 361 cells.
    template <int Capacity>
    struct TCellStack {
        std::array<int16_t, Capacity> Items{};
        int Count = 0;
        void Clear() { Count = 0; }
        void Push(int Cell) { Items[Count++] = static_cast<int16_t>(Cell); }
        // Pushes Cell when Keep holds, without a branch.
        void PushIf(int Cell, bool Keep) {
            Items[Count] = static_cast<int16_t>(Cell);
            Count += Keep;
        }
        int Pop() { return Items[--Count]; }
    };

    static int CellOf(int32_t PX, int32_t PY) { return PY * kStride + PX; }
    bool OnBoard(int32_t PX, int32_t PY) const {
        return PX >= 1 && PX <= Size && PY >= 1 && PY <= Size;
    }
    // Takes what every load of a position shares from P: the side to move (and Opponent), the
    // handicap count, the capture log (its count clamped to the log), the history, the points
    // and the value codes. Size, MoveIndex, prisoners and EndIndex are the caller's.
    void TakeHistory(const TPosition& P);

    // --- point primitives: PX, PY on the board ---
    // Puts colour C on a cell of the board and counts the change in EmptyAround.
    void PutColour(int Cell, uint8_t C);
    // OnPutStone for a non-zero Value, OnRedrawPoint for 0; nothing unless OnPutStone is set.
    void RaisePoint(int32_t PX, int32_t PY, int32_t Value, uint8_t Colour);
    // Puts colour C on the point with value code PendingNumber, and raises it.
    void PlaceStone(int32_t PX, int32_t PY, uint8_t C);
    // Stores value code V on the point and raises it with the point's stone.
    void SetPointNumber(int32_t PX, int32_t PY, int32_t V);
    // Puts colour C on the point and raises it with PendingNumber, which is not stored (the
    // handicap stones).
    void SetStone(int32_t PX, int32_t PY, uint8_t C);
    // Empties the point and its value code; raises OnRedrawPoint alone.
    void RemoveStone(int32_t PX, int32_t PY);

    // --- rules. Their hidden input is the move being processed, in the members X, Y (its point,
    // 0/0 a pass) and KoX, KoY (0/0 until IsLegal finds a single capture), which PlayMove,
    // PassMove and StepForward set first; CaptureStack is empty between moves. ---
    // Whether the side to move may play at (X, Y): on the board, empty, room in the history and
    // the capture log, no suicide, no immediate ko recapture. Leaves the stones the move
    // captures on CaptureStack and, when it is a single stone, its point in KoX, KoY.
    bool IsLegal();
    // With the new stone on (X, Y): pushes the stones of every Opponent group next to it that
    // has no liberty onto CaptureStack, group by group in the order left, right, up, down; true
    // when it pushed any.
    bool CaptureGroups();
    // With the new stone on (X, Y): whether its group has no liberty.
    bool HasNoLiberty();
    // Floods the group of Colour through Cell, stopping at its first liberty; true when it
    // found one. FloodGroup lists the stones the flood visited, in the order it visited them.
    bool FloodFindsLiberty(int Cell, uint8_t Colour);
    // Whether this move retakes a ko at once: the previous move was played on (KoX, KoY), the
    // single stone this move captures, and itself captured a single stone at (X, Y).
    bool IsKoRecapture() const;
    // PendingNumber for the stone about to be played: its number when numbering is on, else
    // the last-move mark, which the previous last stone loses.
    void PrepareNumber();
    // Plays the legal move at (X, Y): the stone, the captures on CaptureStack, the history
    // entry, the turn, OnMove.
    void ApplyLegalMove();
    // Takes the stones on CaptureStack off the board into the capture log (at the index before
    // the move) and the prisoners of the side to move.
    void RemoveCaptured();
    // Appends {side to move, X, Y, KoX, KoY} to the history.
    void PushHistory();
    // Swaps FSideToMove and Opponent.
    void SwapTurn();
    // Raises OnMove with the last history entry and the prisoner counts.
    void RaiseMove();
    // Appends a pass of the side to move (PassMove and StepForward).
    void AppendPass();
    // Appends a bare step (AddStep and StepForward).
    void AppendStep();
    // Plays the stone at (X, Y) whatever stands there (ForceMove and StepForward; the room in
    // the logs was checked): the stone, the captures, the history entry, and on a Fresh move a
    // group left without liberty taken off through the setup log (a replay redoes that log).
    void ApplyForcedMove(bool Fresh);
    // Makes room for the floods of one move (at most five), so their stamps keep rising.
    void ReserveFloodStamps();
    // With numbering off, the last-move mark for the stone of the entry shown, if it stands.
    void MarkLastStone();
    // Gives (X, Y) colour C with value code Value (a stone) or empties it, and raises it.
    void SetPointColour(int32_t PX, int32_t PY, uint8_t C, int32_t Value);
    // Redoes the setup entries of the current move (after a step forward).
    void RedoSetup();
    // Undoes the setup entries of the current move, newest first (before a step back).
    void UndoSetup();
    // The number the stone at (PX, PY) showed: from the latest history entry there, scanning
    // down to NumberFrom (at least 1); 0 when there is none.
    int32_t FindStoneNumber(int32_t PX, int32_t PY) const;

    // FMoveIndex, FEndIndex and FSideToMove carry an F because the queries have their names.
    // The side not to move.
    uint8_t Opponent = kWhite;
    // The move being processed, the rules' hidden input: its point, and the single stone it
    // captures (0/0 for none).
    int32_t X = 0;
    int32_t Y = 0;
    int32_t KoX = 0;
    int32_t KoY = 0;
    // The value code the next stone placed gets (a move number, the last-move mark or 0).
    int32_t PendingNumber = 0;
    uint8_t FSideToMove = kBlack;
    int32_t BlackPrisoners = 0;
    int32_t WhitePrisoners = 0;
    uint8_t HandicapLayout = 1;
    int32_t HandicapCount = 0;
    int32_t NumberBase = 0;
    int32_t FEndIndex = 0;
    int32_t CaptureCount = 0;
    std::array<TCaptureEntry, kMaxCaptures> Captures{};
    TNumberGrid Numbers{};
    TStack CaptureStack;  // stones the move being processed captures; emptied for each move
    // Scratch of the flood fills, kept here so a move neither allocates nor clears them.
    TCellStack<1 + 4 * kMaxLines * kMaxLines> FloodWork;
    TCellStack<kMaxLines * kMaxLines> FloodGroup;
    // A flood marks the stones it visits with its own stamp, one above the last flood's, so
    // marks are never cleared between floods (only when the stamps run out).
    std::array<uint32_t, kCellCount> Marks{};
    uint32_t FloodStamp = 0;
    uint8_t Size = kMaxLines;
    uint8_t NumberingOn = 0;
    int32_t NumberFrom = 0;
    int32_t FMoveIndex = 0;
    std::array<THistoryEntry, kMaxMoves + 1> History{};
    // The setup log: entries 0..SetupCount-1 by move; the first SetupNow are on the board
    // (those of moves up to MoveIndex), the rest wait for a step forward.
    int32_t SetupCount = 0;
    int32_t SetupNow = 0;
    std::array<TSetupEntry, kMaxSetup> Setup{};
    // The colour on each point, kOffBoard on the frame (see kStride).
    std::array<uint8_t, kCellCount> Cells{};
    // How many of each point's neighbours are empty, kept with every change of Cells, so a
    // stone's liberty beside it costs one look.
    std::array<uint8_t, kCellCount> EmptyAround{};
};

}  // namespace xvexo
