#include "rules/go_board.h"

#include <algorithm>
#include <bit>

namespace xvexo {

namespace {

uint8_t ClampSize(int Size) {
    return static_cast<uint8_t>(std::clamp(Size, 0, kMaxLines));
}

int32_t ClampIndex(int32_t I, int32_t Max) {
    return std::clamp<int32_t>(I, 0, Max);
}

}  // namespace

// TNumbering{} and TPosition{} are what InitNumbering and InitPosition(19) make.
TGoBoard::TGoBoard() : TGoBoard(TNumbering{}, TPosition{}) {}

TGoBoard::TGoBoard(const TNumbering& Numbering, const TPosition& Position) {
    SetNumbering(Numbering);
    Size = ClampSize(Position.Size);
    FMoveIndex = ClampIndex(Position.MoveIndex, kMaxMoves);
    HandicapLayout = Position.HandicapLayout;
    TakeHistory(Position);
    BlackPrisoners = 0;
    WhitePrisoners = 0;
    FEndIndex = FMoveIndex;
}

void TGoBoard::Reset(int NewSize) {
    // InitPosition(NewSize) is the empty position with that size; the size is set here, so
    // the board takes the rest from one kept copy instead of building a snapshot each time.
    static constexpr TPosition kEmptyPosition{};
    Size = ClampSize(NewSize);
    FMoveIndex = kEmptyPosition.MoveIndex;
    HandicapLayout = kEmptyPosition.HandicapLayout;
    TakeHistory(kEmptyPosition);
    BlackPrisoners = 0;
    WhitePrisoners = 0;
    FEndIndex = 0;
}

void TGoBoard::GetPosition(TPosition& P) const {
    P.Size = Size;
    P.SideToMove = FSideToMove;
    P.BlackPrisoners = BlackPrisoners;
    P.WhitePrisoners = WhitePrisoners;
    P.HandicapCount = HandicapCount;
    P.MoveIndex = FMoveIndex;
    P.CaptureCount = CaptureCount;
    P.Captures = Captures;
    P.History = History;
    P.SetupCount = SetupCount;
    P.Setup = Setup;
    P.Points = {};
    for (int R = 0; R < Size; ++R)
        std::copy_n(Cells.begin() + CellOf(1, R + 1), Size, P.Points[R].begin());
    P.Numbers = Numbers;
}

void TGoBoard::SetPosition(const TPosition& P, bool MarkLast, bool SetEnd) {
    Size = ClampSize(P.Size);
    FMoveIndex = ClampIndex(P.MoveIndex, kMaxMoves);
    TakeHistory(P);
    BlackPrisoners = P.BlackPrisoners;
    WhitePrisoners = P.WhitePrisoners;
    if (SetEnd) FEndIndex = FMoveIndex;
    const THistoryEntry& Last = History[FMoveIndex];
    if (MarkLast && FMoveIndex > 0 && Last.X >= 1 && OnBoard(Last.X, Last.Y) && OnPutStone) {
        OnPutStone(*this, Last.X, Last.Y, kLastMoveMark, Cells[CellOf(Last.X, Last.Y)]);
    }
}

void TGoBoard::LoadHistory(const TPosition& P) {
    TakeHistory(P);
    FEndIndex = FMoveIndex;
}

void TGoBoard::TakeHistory(const TPosition& P) {
    // Any side but white is black, so the side to move and Opponent are always the two colours.
    FSideToMove = P.SideToMove == kWhite ? kWhite : kBlack;
    Opponent = OtherColour(FSideToMove);
    HandicapCount = P.HandicapCount;
    CaptureCount = ClampIndex(P.CaptureCount, kMaxCaptures);
    Captures = P.Captures;
    History = P.History;
    SetupCount = ClampIndex(P.SetupCount, kMaxSetup);
    // Only the entries in use: a reset to an empty board copies none.
    std::copy_n(P.Setup.begin(), SetupCount, Setup.begin());
    SetupNow = 0;
    while (SetupNow < SetupCount && Setup[SetupNow].MoveIndex <= FMoveIndex)
        ++SetupNow;
    // The points of the board inside the frame; points past Size are not on this board.
    Cells.fill(kOffBoard);
    for (int R = 0; R < Size; ++R)
        std::copy_n(P.Points[R].begin(), Size, Cells.begin() + CellOf(1, R + 1));
    // The frame's own counts are never read.
    EmptyAround.fill(0);
    for (int PY = 1; PY <= Size; ++PY) {
        for (int PX = 1; PX <= Size; ++PX) {
            const int Cell = CellOf(PX, PY);
            EmptyAround[Cell] = static_cast<uint8_t>(
                (Cells[Cell - 1] == kEmpty) + (Cells[Cell + 1] == kEmpty) +
                (Cells[Cell - kStride] == kEmpty) + (Cells[Cell + kStride] == kEmpty));
        }
    }
    Numbers = P.Numbers;
}

void TGoBoard::SetHandicap(int32_t Count, uint8_t Layout) {
    HandicapCount = Count;
    HandicapLayout = Layout;
    if (Count < 2 || Count > 19 || Size != kMaxLines) return;
    PendingNumber = 0;
    SwapTurn();
    SetStone(16, 4, kBlack);
    SetStone(4, 16, kBlack);
    if (Count >= 3) SetStone(Layout != 0 ? 16 : 4, Layout != 0 ? 16 : 4, kBlack);
    if (Count >= 4) SetStone(Layout != 0 ? 4 : 16, Layout != 0 ? 4 : 16, kBlack);
    if (Count == 5 || Count == 7 || Count == 9) SetStone(10, 10, kBlack);
    if (Count >= 6) {
        SetStone(4, 10, kBlack);
        SetStone(16, 10, kBlack);
    }
    if (Count >= 8) {
        SetStone(10, 4, kBlack);
        SetStone(10, 16, kBlack);
    }
    if (Count >= 10) {
        SetStone(7, 7, kBlack);
        SetStone(7, 13, kBlack);
        SetStone(13, 7, kBlack);
        SetStone(13, 13, kBlack);
    }
}

void TGoBoard::PlayMove(int32_t PX, int32_t PY) {
    X = PX;
    Y = PY;
    KoX = 0;
    KoY = 0;
    CaptureStack.Clear();
    if (IsLegal()) {
        // A move made below the start of numbering moves the start down, so numbering
        // restarts from NumberBase + 1 on the new branch.
        if (FMoveIndex < NumberFrom) NumberFrom = FMoveIndex;
        SetupCount = SetupNow;  // the setup of the line left behind
        ApplyLegalMove();
    }
    FEndIndex = FMoveIndex;
    CaptureStack.Clear();
}

void TGoBoard::PassMove() {
    if (FMoveIndex >= kMaxMoves) return;  // the history is full: nothing changes
    SetupCount = SetupNow;
    AppendPass();
}

TForcedMove TGoBoard::ForceMove(int32_t PX, int32_t PY) {
    X = PX;
    Y = PY;
    KoX = 0;
    KoY = 0;
    CaptureStack.Clear();
    if (IsLegal()) {
        if (FMoveIndex < NumberFrom) NumberFrom = FMoveIndex;
        SetupCount = SetupNow;
        ApplyLegalMove();
        FEndIndex = FMoveIndex;
        CaptureStack.Clear();
        return TForcedMove::Legal;
    }
    CaptureStack.Clear();
    KoX = 0;
    KoY = 0;
    FEndIndex = FMoveIndex;
    if (!OnBoard(PX, PY) || FMoveIndex >= kMaxMoves) return TForcedMove::Refused;
    // What the stone would do, to see that the logs hold it; the board is left as it was.
    const int Move = CellOf(X, Y);
    const uint8_t Covered = Cells[Move];
    ReserveFloodStamps();
    PutColour(Move, FSideToMove);
    const bool Captures = CaptureGroups();
    const int32_t Taken = CaptureStack.Count();
    const bool Suicide = !Captures && HasNoLiberty();
    const int32_t Group = Suicide ? FloodGroup.Count : 0;
    PutColour(Move, Covered);
    CaptureStack.Clear();
    if (CaptureCount + Taken > kMaxCaptures || SetupNow + Group > kMaxSetup) {
        return TForcedMove::Refused;
    }
    if (FMoveIndex < NumberFrom) NumberFrom = FMoveIndex;
    SetupCount = SetupNow;  // the setup of the line left behind
    ApplyForcedMove(true);
    FEndIndex = FMoveIndex;
    if (Covered != kEmpty) return TForcedMove::OnStone;
    return Suicide ? TForcedMove::Suicide : TForcedMove::KoRetake;
}

void TGoBoard::ApplyForcedMove(bool Fresh) {
    const uint8_t Covered = Cells[CellOf(X, Y)];
    PrepareNumber();
    PlaceStone(X, Y, FSideToMove);
    ReserveFloodStamps();
    KoX = 0;
    KoY = 0;
    CaptureStack.Clear();
    const bool Captures = CaptureGroups();
    if (CaptureStack.Count() == 1) {
        KoX = CaptureStack.TopX();
        KoY = CaptureStack.TopY();
    }
    RemoveCaptured();
    PushHistory();
    History[FMoveIndex].Kind = kForcedEntry;
    History[FMoveIndex].Covered = Covered;
    if (Fresh && !Captures && HasNoLiberty()) {
        // The group, the new stone first, goes as setup after this move.
        for (int I = 0; I < FloodGroup.Count; ++I) {
            const int C = FloodGroup.Items[I];
            Setup[SetupCount] = {static_cast<uint8_t>(C % kStride),
                                 static_cast<uint8_t>(C / kStride), FSideToMove, kEmpty,
                                 FMoveIndex};
            ++SetupCount;
        }
        SetupNow = SetupCount;
        for (int I = 0; I < FloodGroup.Count; ++I) {
            const int C = FloodGroup.Items[I];
            RemoveStone(C % kStride, C / kStride);
        }
    }
    SwapTurn();
    RedoSetup();
    RaiseMove();
}

void TGoBoard::AddStep() {
    if (FMoveIndex >= kMaxMoves) return;  // the history is full: nothing changes
    SetupCount = SetupNow;
    AppendStep();
    FEndIndex = FMoveIndex;
}

void TGoBoard::AppendStep() {
    X = 0;
    Y = 0;
    KoX = 0;
    KoY = 0;
    PrepareNumber();
    ++FMoveIndex;
    History[FMoveIndex] = {kEmpty, 0, 0, 0, 0, kBareStep, kEmpty};
    RedoSetup();
    RaiseMove();
}

void TGoBoard::AppendPass() {
    X = 0;
    Y = 0;
    KoX = 0;
    KoY = 0;
    PrepareNumber();
    PushHistory();
    SwapTurn();
    RedoSetup();
    RaiseMove();
}

bool TGoBoard::SetupPoint(int32_t PX, int32_t PY, uint8_t C) {
    if (!OnBoard(PX, PY) || C > kWhite) return false;
    SetupCount = SetupNow;
    FEndIndex = FMoveIndex;
    const uint8_t Old = Cells[CellOf(PX, PY)];
    if (Old == C) return true;
    if (SetupCount >= kMaxSetup) return false;
    Setup[SetupCount] = {static_cast<uint8_t>(PX), static_cast<uint8_t>(PY), Old, C, FMoveIndex};
    ++SetupCount;
    SetupNow = SetupCount;
    SetPointColour(PX, PY, C, 0);
    return true;
}

void TGoBoard::SetSideToMove(uint8_t C) {
    FSideToMove = C == kWhite ? kWhite : kBlack;
    Opponent = OtherColour(FSideToMove);
}

void TGoBoard::SetPointColour(int32_t PX, int32_t PY, uint8_t C, int32_t Value) {
    if (C == kEmpty) {
        RemoveStone(PX, PY);
        return;
    }
    PutColour(CellOf(PX, PY), C);
    SetPointNumber(PX, PY, Value);
}

void TGoBoard::RedoSetup() {
    for (; SetupNow < SetupCount && Setup[SetupNow].MoveIndex == FMoveIndex; ++SetupNow) {
        const TSetupEntry& E = Setup[SetupNow];
        SetPointColour(E.X, E.Y, E.New, 0);
    }
}

void TGoBoard::UndoSetup() {
    for (; SetupNow > 0 && Setup[SetupNow - 1].MoveIndex == FMoveIndex; --SetupNow) {
        const TSetupEntry& E = Setup[SetupNow - 1];
        // A stone a move had put there gets its number back when numbers are shown.
        const int32_t Value = NumberingOn && E.Old != kEmpty ? FindStoneNumber(E.X, E.Y) : 0;
        SetPointColour(E.X, E.Y, E.Old, Value);
    }
}

bool TGoBoard::StepForward() {
    if (FMoveIndex >= FEndIndex) return false;
    const THistoryEntry& Next = History[FMoveIndex + 1];
    // The entry's own colour (a record may have one side play twice).
    if (Next.Colour == kBlack || Next.Colour == kWhite) SetSideToMove(Next.Colour);
    if (Next.Kind == kBareStep) {
        AppendStep();
        return true;
    }
    if (Next.X == 0) {
        AppendPass();
        return true;
    }
    X = Next.X;
    Y = Next.Y;
    KoX = 0;
    KoY = 0;
    CaptureStack.Clear();
    if (Next.Kind == kForcedEntry && OnBoard(X, Y)) {
        ApplyForcedMove(false);
    } else if (IsLegal()) {
        ApplyLegalMove();
    }
    CaptureStack.Clear();
    return true;
}

void TGoBoard::StepBack() {
    if (FMoveIndex < 1 || History[FMoveIndex].X < 0) return;
    UndoSetup();
    const THistoryEntry Taken = History[FMoveIndex];
    if (Taken.Kind == kBareStep) {
        // No stone and no turn to give back.
        --FMoveIndex;
        MarkLastStone();
        RaiseMove();
        return;
    }
    const int32_t TakenX = Taken.X;
    const int32_t TakenY = Taken.Y;
    // The side that made the move: the entry's colour (the side not to move for an entry
    // without one, as every move alternated then); the stones it took were of the other.
    const uint8_t Made = History[FMoveIndex].Colour;
    const uint8_t Mover = Made == kBlack || Made == kWhite ? Made : Opponent;
    FSideToMove = OtherColour(Mover);
    Opponent = Mover;
    --FMoveIndex;
    if (TakenX > 0 && OnBoard(TakenX, TakenY)) {
        RemoveStone(TakenX, TakenY);
        int32_t Restored = 0;
        while (CaptureCount > 0 && Captures[CaptureCount - 1].MoveIndex == FMoveIndex) {
            const TCaptureEntry C = Captures[CaptureCount - 1];
            --CaptureCount;
            if (!OnBoard(C.X, C.Y)) continue;  // only a foreign snapshot holds such an entry
            PendingNumber = NumberingOn ? FindStoneNumber(C.X, C.Y) : 0;
            // The side to move is still the side whose stones were captured.
            PlaceStone(C.X, C.Y, FSideToMove);
            ++Restored;
        }
        if (FSideToMove == kBlack) {
            WhitePrisoners -= Restored;
        } else {
            BlackPrisoners -= Restored;
        }
        // A stone played on a taken point gives the point back to the stone it replaced.
        if (Taken.Kind == kForcedEntry && (Taken.Covered == kBlack || Taken.Covered == kWhite)) {
            PendingNumber = NumberingOn ? FindStoneNumber(TakenX, TakenY) : 0;
            PlaceStone(TakenX, TakenY, Taken.Covered);
        }
    }
    SwapTurn();
    MarkLastStone();
    RaiseMove();
}

void TGoBoard::MarkLastStone() {
    // A stone that has left its point (a record's setup, a suicide) leaves no mark behind.
    const THistoryEntry& Last = History[FMoveIndex];
    if (!NumberingOn && Last.X >= 1 && OnBoard(Last.X, Last.Y) &&
        Cells[CellOf(Last.X, Last.Y)] != kEmpty)
        SetPointNumber(Last.X, Last.Y, kLastMoveMark);
}

void TGoBoard::SetEndIndex(int32_t N) {
    FEndIndex = ClampIndex(N, kMaxMoves);
}

uint8_t TGoBoard::SideToPlay() const {
    for (int32_t i = FMoveIndex + 1; i <= FEndIndex && i <= kMaxMoves; ++i) {
        const uint8_t C = History[i].Colour;
        if (C == kBlack || C == kWhite) return C;
    }
    return FSideToMove;
}

void TGoBoard::GetLastMove(int32_t& LX, int32_t& LY, uint8_t& Colour) const {
    const THistoryEntry& Last = History[FMoveIndex];
    LX = Last.X;
    LY = Last.Y;
    Colour =
        FMoveIndex > 0 && (Last.Colour == kBlack || Last.Colour == kWhite) ? Last.Colour : Opponent;
}

void TGoBoard::SetNumbering(const TNumbering& N) {
    NumberBase = N.Base;
    NumberFrom = N.From;
    NumberingOn = N.On;
}

void TGoBoard::GetStoneNumbers(TNumberGrid& A) {
    for (auto& Row : A)
        Row.fill(0);
    for (int32_t I = 1; I <= FMoveIndex; ++I) {
        const THistoryEntry& E = History[I];
        if (E.X > 0 && OnBoard(E.X, E.Y) && Cells[CellOf(E.X, E.Y)] != kEmpty) {
            A[E.Y - 1][E.X - 1] = I;
        }
    }
    NumberBase = 1;
    NumberFrom = 1;
    NumberingOn = 1;
}

void TGoBoard::GetMoveCoords(int32_t Count, TMoveCoords& L) const {
    const int32_t N = ClampIndex(Count, kMaxMoves);
    L.Count = N;
    for (int32_t I = 1; I <= N; ++I) {
        L.Coords[I - 1] = {static_cast<uint8_t>(History[I].X), static_cast<uint8_t>(History[I].Y)};
    }
}

void TGoBoard::GetPrintGrid(TPrintGrid& G) const {
    for (int R = 0; R < kMaxLines; ++R) {
        for (int C = 0; C < kMaxLines; ++C) {
            TPrintPoint& P = G[R][C];
            P.Value = -1;
            if (R >= Size || C >= Size) {
                P.Stone = 2;
                continue;
            }
            const uint8_t S = Cells[CellOf(C + 1, R + 1)];
            P.Stone = S == kBlack ? 0 : (S == kWhite ? 1 : 2);
        }
    }
}

// --- point primitives -------------------------------------------------------------------------

void TGoBoard::RaisePoint(int32_t PX, int32_t PY, int32_t Value, uint8_t Colour) {
    if (!OnPutStone) return;
    if (Value != 0) {
        OnPutStone(*this, PX, PY, Value, Colour);
    } else if (OnRedrawPoint) {
        OnRedrawPoint(*this, PX, PY, 0, Colour);
    }
}

void TGoBoard::PutColour(int Cell, uint8_t C) {
    const int Change = int(C == kEmpty) - int(Cells[Cell] == kEmpty);
    Cells[Cell] = C;
#pragma GCC unroll 4
    for (const int Step : kScanStep)
        EmptyAround[Cell + Step] = static_cast<uint8_t>(EmptyAround[Cell + Step] + Change);
}

void TGoBoard::PlaceStone(int32_t PX, int32_t PY, uint8_t C) {
    PutColour(CellOf(PX, PY), C);
    SetPointNumber(PX, PY, PendingNumber);
}

void TGoBoard::SetPointNumber(int32_t PX, int32_t PY, int32_t V) {
    Numbers[PY - 1][PX - 1] = V;
    RaisePoint(PX, PY, V, Cells[CellOf(PX, PY)]);
}

void TGoBoard::SetStone(int32_t PX, int32_t PY, uint8_t C) {
    PutColour(CellOf(PX, PY), C);
    RaisePoint(PX, PY, PendingNumber, C);
}

void TGoBoard::RemoveStone(int32_t PX, int32_t PY) {
    Numbers[PY - 1][PX - 1] = 0;
    PutColour(CellOf(PX, PY), kEmpty);
    if (OnRedrawPoint) OnRedrawPoint(*this, PX, PY, 0, kEmpty);
}

// --- rules ------------------------------------------------------------------------------------

bool TGoBoard::IsLegal() {
    if (!OnBoard(X, Y) || Cells[CellOf(X, Y)] != kEmpty) return false;
    if (FMoveIndex >= kMaxMoves) return false;  // the history is full
    ReserveFloodStamps();
    // The rules look at the board with the new stone on it; it comes off again below, and
    // ApplyLegalMove places it for good.
    const int Move = CellOf(X, Y);
    PutColour(Move, FSideToMove);
    bool Legal;
    if (CaptureGroups()) {
        if (CaptureCount + CaptureStack.Count() > kMaxCaptures) {
            Legal = false;  // the capture log is full
        } else if (CaptureStack.Count() == 1) {
            KoX = CaptureStack.TopX();
            KoY = CaptureStack.TopY();
            Legal = !IsKoRecapture();
        } else {
            Legal = true;
        }
    } else {
        // No capture: legal unless the new stone's group has no liberty (no suicide).
        Legal = !HasNoLiberty();
    }
    PutColour(Move, kEmpty);
    return Legal;
}

void TGoBoard::ReserveFloodStamps() {
    if (FloodStamp > UINT32_MAX - 8) {
        Marks.fill(0);
        FloodStamp = 0;
    }
}

// The Opponent groups next to the new stone are judged from its neighbours in the order left,
// right, up, down. A group without a liberty is captured: its stones go onto CaptureStack in
// the reverse of the order in which the flood from that neighbour visits them, and the capture
// log and the removal events follow this order. Shortcuts that skip work without changing it:
// - a neighbour with an empty point beside it keeps that liberty, and its group needs no flood
//   (on most moves no neighbour is left, and nothing is flooded at all);
// - a neighbour already flooded from an earlier one (marked with a stamp of this move) belongs
//   to a group that was captured already or was found to have a liberty.
bool TGoBoard::CaptureGroups() {
    const int Move = CellOf(X, Y);
    // Bit D: the neighbour kScanStep[D] may be captured (worked out without branches, which
    // would be hard to predict).
    unsigned Candidates = 0;
#pragma GCC unroll 4
    for (int D = 0; D < 4; ++D) {
        const int N = Move + kScanStep[D];
        Candidates |= unsigned(int(Cells[N] == Opponent) & int(EmptyAround[N] == 0)) << D;
    }
    const uint32_t Before = FloodStamp;
    for (; Candidates != 0; Candidates &= Candidates - 1) {
        const int Start = Move + kScanStep[std::countr_zero(Candidates)];
        if (Marks[Start] > Before || FloodFindsLiberty(Start, Opponent)) continue;
        for (int I = FloodGroup.Count - 1; I >= 0; --I) {
            const int C = FloodGroup.Items[I];
            CaptureStack.Push(C % kStride, C / kStride);
        }
    }
    return CaptureStack.Count() > 0;
}

bool TGoBoard::HasNoLiberty() {
    const int Move = CellOf(X, Y);
    // Shortcut for most moves: an empty point beside the new stone, or beside a stone of its
    // own next to it, is a liberty of its group, and no flood is needed.
    bool Liberty = EmptyAround[Move] != 0;
#pragma GCC unroll 4
    for (const int Step : kScanStep) {
        const int N = Move + Step;
        Liberty |= int(Cells[N] == FSideToMove) & int(EmptyAround[N] != 0);
    }
    return !Liberty && !FloodFindsLiberty(Move, FSideToMove);
}

// A flood on a stack that visits a stone when it pops it (a stone pushed twice is visited at
// its first pop) and pushes its neighbours up, left, down, right, so the last pushed is popped
// first. It stops at the first stone with an empty point beside it. Pushing only stones of
// Colour leaves out what would be passed over when popped, so the visits come in the same
// order as when every neighbour is pushed.
bool TGoBoard::FloodFindsLiberty(int Cell, uint8_t Colour) {
    const uint32_t Stamp = ++FloodStamp;
    FloodWork.Clear();
    FloodGroup.Clear();
    FloodWork.Push(Cell);
    while (FloodWork.Count > 0) {
        const int C = FloodWork.Pop();
        if (Marks[C] == Stamp) continue;
        Marks[C] = Stamp;
        FloodGroup.Push(C);
        if (EmptyAround[C] != 0) return true;
#pragma GCC unroll 4
        for (const int Step : kFloodStep)
            FloodWork.PushIf(C + Step, Cells[C + Step] == Colour);
    }
    return false;
}

bool TGoBoard::IsKoRecapture() const {
    const THistoryEntry& P = History[FMoveIndex];
    return P.X == KoX && P.Y == KoY && P.KoX == X && P.KoY == Y;
}

void TGoBoard::PrepareNumber() {
    if (NumberingOn) {
        PendingNumber = FMoveIndex - NumberFrom + NumberBase + 1;
        return;
    }
    // The last-move mark moves on: the previous last stone loses it. The point is drawn in the
    // colour it holds, which a point set up after that move may have changed.
    const THistoryEntry& Last = History[FMoveIndex];
    if (Last.X > 0 && OnBoard(Last.X, Last.Y) && Numbers[Last.Y - 1][Last.X - 1] > 0) {
        Numbers[Last.Y - 1][Last.X - 1] = 0;
        RaisePoint(Last.X, Last.Y, 0, Cells[CellOf(Last.X, Last.Y)]);
    }
    PendingNumber = kLastMoveMark;
}

void TGoBoard::ApplyLegalMove() {
    PrepareNumber();
    PlaceStone(X, Y, FSideToMove);
    RemoveCaptured();
    PushHistory();
    SwapTurn();
    RedoSetup();
    RaiseMove();
}

void TGoBoard::RemoveCaptured() {
    const int32_t N = CaptureStack.Count();
    if (N == 0) return;
    if (FSideToMove == kBlack) {
        BlackPrisoners += N;
    } else {
        WhitePrisoners += N;
    }
    while (CaptureStack.Count() > 0) {
        int32_t PX = 0, PY = 0;
        CaptureStack.Pop(PX, PY);
        Captures[CaptureCount] = {PX, PY, FMoveIndex};  // room checked by IsLegal
        ++CaptureCount;
        RemoveStone(PX, PY);
    }
}

void TGoBoard::PushHistory() {
    ++FMoveIndex;
    History[FMoveIndex] = {FSideToMove, X, Y, KoX, KoY};
}

void TGoBoard::SwapTurn() {
    const uint8_t Mover = FSideToMove;
    FSideToMove = Opponent;
    Opponent = Mover;
}

void TGoBoard::RaiseMove() {
    if (!OnMove) return;
    const THistoryEntry& Last = History[FMoveIndex];
    OnMove(*this,
           TMoveInfo{Last.X, Last.Y, FMoveIndex, WhitePrisoners, BlackPrisoners, FSideToMove});
}

int32_t TGoBoard::FindStoneNumber(int32_t PX, int32_t PY) const {
    // Scans down to and including NumberFrom (never the sentinel), so a stone of the first
    // numbered move keeps its number when a step back restores it.
    for (int32_t I = FMoveIndex; I >= std::max<int32_t>(NumberFrom, 1); --I) {
        if (History[I].X == PX && History[I].Y == PY) return I - NumberFrom + NumberBase;
    }
    return 0;
}

}  // namespace xvexo
