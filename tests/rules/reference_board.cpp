#include "rules/reference_board.h"

#include <algorithm>

namespace xvexo::testing {

namespace {

// Neighbour offsets in the order the capture scan visits them: left, right, up, down.
constexpr int kScanDX[4] = {-1, 1, 0, 0};
constexpr int kScanDY[4] = {0, 0, -1, 1};
// The order a flood pushes a point's neighbours: up, left, down, right.
constexpr int kFloodDX[4] = {0, -1, 0, 1};
constexpr int kFloodDY[4] = {-1, 0, 1, 0};

uint8_t ClampSize(int Size) {
    return static_cast<uint8_t>(std::clamp(Size, 0, kMaxLines));
}

int32_t ClampIndex(int32_t I, int32_t Max) {
    return std::clamp<int32_t>(I, 0, Max);
}

}  // namespace

// TNumbering{} and TPosition{} are what InitNumbering and InitPosition(19) make.
TReferenceBoard::TReferenceBoard() : TReferenceBoard(TNumbering{}, TPosition{}) {}

TReferenceBoard::TReferenceBoard(const TNumbering& Numbering, const TPosition& Position) {
    SetNumbering(Numbering);
    Size = ClampSize(Position.Size);
    FMoveIndex = ClampIndex(Position.MoveIndex, kMaxMoves);
    HandicapLayout = Position.HandicapLayout;
    TakeHistory(Position);
    BlackPrisoners = 0;
    WhitePrisoners = 0;
    FEndIndex = FMoveIndex;
}

void TReferenceBoard::Reset(int NewSize) {
    TPosition P;
    InitPosition(NewSize, P);
    Size = P.Size;
    FMoveIndex = P.MoveIndex;
    HandicapLayout = P.HandicapLayout;
    TakeHistory(P);
    BlackPrisoners = 0;
    WhitePrisoners = 0;
    FEndIndex = 0;
}

void TReferenceBoard::GetPosition(TPosition& P) const {
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
    P.Points = Points;
    P.Numbers = Numbers;
}

void TReferenceBoard::SetPosition(const TPosition& P, bool MarkLast, bool SetEnd) {
    Size = ClampSize(P.Size);
    FMoveIndex = ClampIndex(P.MoveIndex, kMaxMoves);
    TakeHistory(P);
    BlackPrisoners = P.BlackPrisoners;
    WhitePrisoners = P.WhitePrisoners;
    if (SetEnd) FEndIndex = FMoveIndex;
    const THistoryEntry& Last = History[FMoveIndex];
    if (MarkLast && FMoveIndex > 0 && Last.X >= 1 && OnBoard(Last.X, Last.Y) && OnPutStone) {
        OnPutStone(*this, Last.X, Last.Y, kLastMoveMark, Points[Last.Y - 1][Last.X - 1]);
    }
}

void TReferenceBoard::LoadHistory(const TPosition& P) {
    TakeHistory(P);
    FEndIndex = FMoveIndex;
}

void TReferenceBoard::TakeHistory(const TPosition& P) {
    FSideToMove = P.SideToMove;
    Opponent = OtherColour(FSideToMove);
    HandicapCount = P.HandicapCount;
    CaptureCount = ClampIndex(P.CaptureCount, kMaxCaptures);
    Captures = P.Captures;
    History = P.History;
    SetupCount = ClampIndex(P.SetupCount, kMaxSetup);
    // Only the entries in use: a reset to an empty board copies none.
    std::copy_n(P.Setup.begin(), SetupCount, Setup.begin());
    Points = P.Points;
    Numbers = P.Numbers;
}

void TReferenceBoard::SetHandicap(int32_t Count, uint8_t Layout) {
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

void TReferenceBoard::PlayMove(int32_t PX, int32_t PY) {
    X = PX;
    Y = PY;
    KoX = 0;
    KoY = 0;
    CaptureStack.Clear();
    if (IsLegal()) {
        // A move made below the start of numbering moves the start down, so numbering
        // restarts from NumberBase + 1 on the new branch.
        if (FMoveIndex < NumberFrom) NumberFrom = FMoveIndex;
        DropSetupAhead();
        ApplyLegalMove();
    }
    FEndIndex = FMoveIndex;
    CaptureStack.Clear();
}

void TReferenceBoard::PassMove() {
    if (FMoveIndex >= kMaxMoves) return;  // the history is full: nothing changes
    DropSetupAhead();
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

bool TReferenceBoard::SetupPoint(int32_t PX, int32_t PY, uint8_t C) {
    if (!OnBoard(PX, PY) || C > kWhite) return false;
    DropSetupAhead();
    FEndIndex = FMoveIndex;
    const uint8_t Old = Points[PY - 1][PX - 1];
    if (Old == C) return true;
    if (SetupCount >= kMaxSetup) return false;
    Setup[SetupCount] = {static_cast<uint8_t>(PX), static_cast<uint8_t>(PY), Old, C, FMoveIndex};
    ++SetupCount;
    SetPointColour(PX, PY, C, 0);
    return true;
}

void TReferenceBoard::SetSideToMove(uint8_t C) {
    FSideToMove = C == kWhite ? kWhite : kBlack;
    Opponent = OtherColour(FSideToMove);
}

void TReferenceBoard::DropSetupAhead() {
    while (SetupCount > 0 && Setup[SetupCount - 1].MoveIndex > FMoveIndex)
        --SetupCount;
}

void TReferenceBoard::SetPointColour(int32_t PX, int32_t PY, uint8_t C, int32_t Value) {
    if (C == kEmpty) {
        RemoveStone(PX, PY);
        return;
    }
    Points[PY - 1][PX - 1] = C;
    SetPointNumber(PX, PY, Value);
}

void TReferenceBoard::RedoSetup() {
    for (int32_t I = 0; I < SetupCount; ++I) {
        if (Setup[I].MoveIndex == FMoveIndex)
            SetPointColour(Setup[I].X, Setup[I].Y, Setup[I].New, 0);
    }
}

void TReferenceBoard::UndoSetup() {
    for (int32_t I = SetupCount - 1; I >= 0; --I) {
        const TSetupEntry& E = Setup[I];
        if (E.MoveIndex != FMoveIndex) continue;
        const int32_t Value = NumberingOn && E.Old != kEmpty ? FindStoneNumber(E.X, E.Y) : 0;
        SetPointColour(E.X, E.Y, E.Old, Value);
    }
}

bool TReferenceBoard::StepForward() {
    if (FMoveIndex >= FEndIndex) return false;
    const THistoryEntry& Next = History[FMoveIndex + 1];
    if (Next.Colour == kBlack || Next.Colour == kWhite) SetSideToMove(Next.Colour);
    if (Next.X == 0) {
        X = 0;
        Y = 0;
        KoX = 0;
        KoY = 0;
        PrepareNumber();
        PushHistory();
        SwapTurn();
        RedoSetup();
        RaiseMove();
        return true;
    }
    X = Next.X;
    Y = Next.Y;
    KoX = 0;
    KoY = 0;
    CaptureStack.Clear();
    if (IsLegal()) ApplyLegalMove();
    CaptureStack.Clear();
    return true;
}

void TReferenceBoard::StepBack() {
    if (FMoveIndex < 1 || History[FMoveIndex].X < 0) return;
    UndoSetup();
    const int32_t TakenX = History[FMoveIndex].X;
    const int32_t TakenY = History[FMoveIndex].Y;
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
    }
    SwapTurn();
    const THistoryEntry& Last = History[FMoveIndex];
    // A stone a setup took off its point gets no mark.
    if (!NumberingOn && Last.X >= 1 && OnBoard(Last.X, Last.Y) &&
        Points[Last.Y - 1][Last.X - 1] != kEmpty)
        SetPointNumber(Last.X, Last.Y, kLastMoveMark);
    RaiseMove();
}

void TReferenceBoard::SetEndIndex(int32_t N) {
    FEndIndex = ClampIndex(N, kMaxMoves);
}

void TReferenceBoard::GetLastMove(int32_t& LX, int32_t& LY, uint8_t& Colour) const {
    const THistoryEntry& Last = History[FMoveIndex];
    LX = Last.X;
    LY = Last.Y;
    Colour =
        FMoveIndex > 0 && (Last.Colour == kBlack || Last.Colour == kWhite) ? Last.Colour : Opponent;
}

void TReferenceBoard::SetNumbering(const TNumbering& N) {
    NumberBase = N.Base;
    NumberFrom = N.From;
    NumberingOn = N.On;
}

void TReferenceBoard::GetStoneNumbers(TNumberGrid& A) {
    for (auto& Row : A)
        Row.fill(0);
    for (int32_t I = 1; I <= FMoveIndex; ++I) {
        const THistoryEntry& E = History[I];
        if (E.X > 0 && OnBoard(E.X, E.Y) && Points[E.Y - 1][E.X - 1] != kEmpty) {
            A[E.Y - 1][E.X - 1] = I;
        }
    }
    NumberBase = 1;
    NumberFrom = 1;
    NumberingOn = 1;
}

void TReferenceBoard::GetMoveCoords(int32_t Count, TMoveCoords& L) const {
    const int32_t N = ClampIndex(Count, kMaxMoves);
    L.Count = N;
    for (int32_t I = 1; I <= N; ++I) {
        L.Coords[I - 1] = {static_cast<uint8_t>(History[I].X), static_cast<uint8_t>(History[I].Y)};
    }
}

void TReferenceBoard::GetPrintGrid(TPrintGrid& G) const {
    for (int R = 0; R < kMaxLines; ++R) {
        for (int C = 0; C < kMaxLines; ++C) {
            TPrintPoint& P = G[R][C];
            P.Value = -1;
            if (R >= Size || C >= Size) {
                P.Stone = 2;
                continue;
            }
            const uint8_t S = Points[R][C];
            P.Stone = S == kBlack ? 0 : (S == kWhite ? 1 : 2);
        }
    }
}

// --- point primitives -------------------------------------------------------------------------

void TReferenceBoard::RaisePoint(int32_t PX, int32_t PY, int32_t Value, uint8_t Colour) {
    if (!OnPutStone) return;
    if (Value != 0) {
        OnPutStone(*this, PX, PY, Value, Colour);
    } else if (OnRedrawPoint) {
        OnRedrawPoint(*this, PX, PY, 0, Colour);
    }
}

void TReferenceBoard::PlaceStone(int32_t PX, int32_t PY, uint8_t C) {
    Points[PY - 1][PX - 1] = C;
    SetPointNumber(PX, PY, PendingNumber);
}

void TReferenceBoard::SetPointNumber(int32_t PX, int32_t PY, int32_t V) {
    Numbers[PY - 1][PX - 1] = V;
    RaisePoint(PX, PY, V, Points[PY - 1][PX - 1]);
}

void TReferenceBoard::SetStone(int32_t PX, int32_t PY, uint8_t C) {
    Points[PY - 1][PX - 1] = C;
    RaisePoint(PX, PY, PendingNumber, C);
}

void TReferenceBoard::RemoveStone(int32_t PX, int32_t PY) {
    Numbers[PY - 1][PX - 1] = 0;
    Points[PY - 1][PX - 1] = kEmpty;
    if (OnRedrawPoint) OnRedrawPoint(*this, PX, PY, 0, kEmpty);
}

// --- rules ------------------------------------------------------------------------------------

bool TReferenceBoard::IsLegal() {
    if (!OnBoard(X, Y) || Points[Y - 1][X - 1] != kEmpty) return false;
    if (FMoveIndex >= kMaxMoves) return false;  // the history is full
    TScratch S = Points;
    S[Y - 1][X - 1] = FSideToMove;
    bool Legal;
    if (CaptureGroups(S)) {
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
        S = Points;
        S[Y - 1][X - 1] = FSideToMove;
        Legal = !HasNoLiberty(S);
    }
    return Legal;
}

bool TReferenceBoard::CaptureGroups(TScratch& S) {
    TWorkStack& Work = FloodWork;
    TStack& Group = FloodGroup;
    for (int N = 0; N < 4; ++N) {
        const int32_t NX = X + kScanDX[N];
        const int32_t NY = Y + kScanDY[N];
        if (!OnBoard(NX, NY) || S[NY - 1][NX - 1] != Opponent) continue;
        Work.Clear();
        Group.Clear();
        Work.Push(NX, NY);
        bool Liberty = false;
        while (!Liberty && Work.Count() > 0) {
            int32_t PX = 0, PY = 0;
            Work.Pop(PX, PY);
            uint8_t& Cell = S[PY - 1][PX - 1];
            if (Cell == kEmpty) {
                Liberty = true;
            } else if (Cell == Opponent) {
                Group.Push(PX, PY);
                Cell = kVisited;
                for (int D = 0; D < 4; ++D) {
                    const int32_t QX = PX + kFloodDX[D];
                    const int32_t QY = PY + kFloodDY[D];
                    if (OnBoard(QX, QY)) Work.Push(QX, QY);
                }
            }
        }
        while (Group.Count() > 0) {
            int32_t PX = 0, PY = 0;
            Group.Pop(PX, PY);
            if (Liberty) {
                // A later neighbour of the same group no longer counts as Opponent.
                S[PY - 1][PX - 1] = kEmpty;
            } else {
                CaptureStack.Push(PX, PY);
            }
        }
    }
    return CaptureStack.Count() > 0;
}

bool TReferenceBoard::HasNoLiberty(TScratch& S) {
    TWorkStack& Work = FloodWork;
    Work.Clear();
    Work.Push(X, Y);
    while (Work.Count() > 0) {
        int32_t PX = 0, PY = 0;
        Work.Pop(PX, PY);
        uint8_t& Cell = S[PY - 1][PX - 1];
        if (Cell == kEmpty) return false;
        if (Cell == FSideToMove) {
            Cell = kVisited;
            for (int D = 0; D < 4; ++D) {
                const int32_t QX = PX + kFloodDX[D];
                const int32_t QY = PY + kFloodDY[D];
                if (OnBoard(QX, QY)) Work.Push(QX, QY);
            }
        }
    }
    return true;
}

bool TReferenceBoard::IsKoRecapture() const {
    const THistoryEntry& P = History[FMoveIndex];
    return P.X == KoX && P.Y == KoY && P.KoX == X && P.KoY == Y;
}

void TReferenceBoard::PrepareNumber() {
    if (NumberingOn) {
        PendingNumber = FMoveIndex - NumberFrom + NumberBase + 1;
        return;
    }
    // The last-move mark moves on: the previous last stone loses it.
    const THistoryEntry& Last = History[FMoveIndex];
    if (Last.X > 0 && OnBoard(Last.X, Last.Y) && Numbers[Last.Y - 1][Last.X - 1] > 0) {
        Numbers[Last.Y - 1][Last.X - 1] = 0;
        RaisePoint(Last.X, Last.Y, 0, Last.Colour);
    }
    PendingNumber = kLastMoveMark;
}

void TReferenceBoard::ApplyLegalMove() {
    PrepareNumber();
    PlaceStone(X, Y, FSideToMove);
    RemoveCaptured();
    PushHistory();
    SwapTurn();
    RedoSetup();
    RaiseMove();
}

void TReferenceBoard::RemoveCaptured() {
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

void TReferenceBoard::PushHistory() {
    ++FMoveIndex;
    History[FMoveIndex] = {FSideToMove, X, Y, KoX, KoY};
}

void TReferenceBoard::SwapTurn() {
    const uint8_t Mover = FSideToMove;
    FSideToMove = Opponent;
    Opponent = Mover;
}

void TReferenceBoard::RaiseMove() {
    if (!OnMove) return;
    const THistoryEntry& Last = History[FMoveIndex];
    OnMove(*this,
           TMoveInfo{Last.X, Last.Y, FMoveIndex, WhitePrisoners, BlackPrisoners, FSideToMove});
}

int32_t TReferenceBoard::FindStoneNumber(int32_t PX, int32_t PY) const {
    // Scans down to and including NumberFrom (never the sentinel), so a stone of the first
    // numbered move keeps its number when a step back restores it.
    for (int32_t I = FMoveIndex; I >= std::max<int32_t>(NumberFrom, 1); --I) {
        if (History[I].X == PX && History[I].Y == PY) return I - NumberFrom + NumberBase;
    }
    return 0;
}

}  // namespace xvexo::testing
