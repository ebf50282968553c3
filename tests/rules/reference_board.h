#pragma once
// The reference board: the rules engine as first written, kept unchanged in the tests as the
// plain statement of its algorithms (a scratch copy of the board per move, a flood of every
// neighbouring group). The engine in src/rules must behave exactly like it: the random-play test
// compares their events, capture logs and positions after every call.

#include <cstdint>
#include <functional>

#include "rules/point_stack.h"
#include "rules/position.h"

namespace xvexo::testing {

class TReferenceBoard;

// A point changed: (X, Y) now shows Colour with value code Value.
using TReferencePointEvent = std::function<void(TReferenceBoard& Sender, int32_t X, int32_t Y,
                                                int32_t Value, uint8_t Colour)>;
// A move, a pass or a step back has completed.
using TReferenceMoveEvent = std::function<void(TReferenceBoard& Sender, const TMoveInfo& Info)>;

// Applies the rules (captures, no suicide, simple ko), keeps the history and the capture log,
// steps back and forth, numbers stones, and reports every changed point through events. It
// knows nothing of drawing, sound or records. All state lives in fixed arrays.
class TReferenceBoard {
  public:
    // Point events: OnPutStone for a non-zero value code, OnRedrawPoint for value 0. Both are
    // raised only while OnPutStone is assigned, except a removal, which needs only
    // OnRedrawPoint. Raised synchronously from inside the operation.
    TReferencePointEvent OnPutStone;
    TReferencePointEvent OnRedrawPoint;
    TReferenceMoveEvent OnMove;

    // An empty 19-line board with numbering off: what the viewer, the tools and every replay
    // start from.
    TReferenceBoard();
    // Numbering from Numbering; position, history and arrays from Position; prisoners 0;
    // EndIndex = MoveIndex.
    TReferenceBoard(const TNumbering& Numbering, const TPosition& Position);

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
    // Sets (X, Y) to Colour by hand after the current move (see TGoBoard::SetupPoint).
    bool SetupPoint(int32_t X, int32_t Y, uint8_t Colour);
    // The side that plays the next move.
    void SetSideToMove(uint8_t Colour);
    // Replays entry MoveIndex + 1; false, doing nothing, when MoveIndex >= EndIndex.
    bool StepForward();
    // Takes back entry MoveIndex through the capture log; nothing at the start.
    void StepBack();

    int32_t MoveIndex() const { return FMoveIndex; }
    int32_t EndIndex() const { return FEndIndex; }
    uint8_t SideToMove() const { return FSideToMove; }
    // Sets the last index StepForward may reach (clamped to 0..500).
    void SetEndIndex(int32_t N);

    // X, Y of the last history entry (-1/0 at the start, 0/0 after a pass) and its colour.
    void GetLastMove(int32_t& X, int32_t& Y, uint8_t& Colour) const;

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
    uint8_t PointColour(int32_t X, int32_t Y) const { return Points[Y - 1][X - 1]; }
    int32_t PointNumber(int32_t X, int32_t Y) const { return Numbers[Y - 1][X - 1]; }

  private:
    // The flood's work stack holds every point it may push (4 per point), so no group is
    // ever judged without liberty for want of room.
    using TWorkStack = TPointStack<4 * kMaxLines * kMaxLines>;
    using TScratch = TPointGrid;

    bool OnBoard(int32_t PX, int32_t PY) const {
        return PX >= 1 && PX <= Size && PY >= 1 && PY <= Size;
    }
    // Takes what every load of a position shares from P: the side to move (and Opponent), the
    // handicap count, the capture log (its count clamped to the log), the history, the points
    // and the value codes. Size, MoveIndex, prisoners and EndIndex are the caller's.
    void TakeHistory(const TPosition& P);

    // --- point primitives: PX, PY on the board ---
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
    // Floods each Opponent group next to (X, Y) in S, which already holds the new stone, and
    // pushes the stones of every group left without a liberty onto CaptureStack; true when it
    // pushed any. Groups that keep a liberty are emptied in S.
    bool CaptureGroups(TScratch& S);
    // Whether the group of the side to move through (X, Y) in S has no liberty; marks what it
    // visits in S.
    bool HasNoLiberty(TScratch& S);
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
    // Drops the setup entries of moves past MoveIndex.
    void DropSetupAhead();
    // Gives (X, Y) colour C with value code Value, or empties it, and raises it.
    void SetPointColour(int32_t PX, int32_t PY, uint8_t C, int32_t Value);
    // Sets again every setup entry of move MoveIndex, oldest first.
    void RedoSetup();
    // Takes back every setup entry of move MoveIndex, newest first.
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
    TWorkStack FloodWork;
    TStack FloodGroup;
    uint8_t Size = kMaxLines;
    uint8_t NumberingOn = 0;
    int32_t NumberFrom = 0;
    int32_t FMoveIndex = 0;
    std::array<THistoryEntry, kMaxMoves + 1> History{};
    int32_t SetupCount = 0;
    std::array<TSetupEntry, kMaxSetup> Setup{};
    TPointGrid Points{};
};

}  // namespace xvexo::testing
