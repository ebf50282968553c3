#include "rules/reference_capture.h"

namespace xvexo::testing {

namespace {

// Neighbour offsets in the order the capture scan visits them: left, right, up, down.
constexpr int kScanDX[4] = {-1, 1, 0, 0};
constexpr int kScanDY[4] = {0, 0, -1, 1};
// The order a flood pushes a point's neighbours: up, left, down, right.
constexpr int kFloodDX[4] = {0, -1, 0, 1};
constexpr int kFloodDY[4] = {-1, 0, 1, 0};

}  // namespace

TMoveJudgement TReferenceCapture::Judge(const TPosition& Position, uint8_t Mover, int32_t PX,
                                        int32_t PY) {
    Size = Position.Size;
    FSideToMove = Mover;
    Opponent = OtherColour(Mover);
    FMoveIndex = Position.MoveIndex;
    CaptureCount = Position.CaptureCount;
    History = Position.History.data();
    Points = Position.Points;
    X = PX;
    Y = PY;
    KoX = 0;
    KoY = 0;
    CaptureStack.Clear();
    TMoveJudgement J;
    J.Legal = IsLegal();
    if (J.Legal) {
        J.KoX = KoX;
        J.KoY = KoY;
        // Taken off the stack, as the engine takes the captured stones off the board.
        while (CaptureStack.Count() > 0) {
            int32_t CX = 0, CY = 0;
            CaptureStack.Pop(CX, CY);
            J.Captured.emplace_back(CX, CY);
        }
    }
    CaptureStack.Clear();
    return J;
}

// --- the search as first written -------------------------------------------------------------

bool TReferenceCapture::IsLegal() {
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

bool TReferenceCapture::CaptureGroups(TScratch& S) {
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

bool TReferenceCapture::HasNoLiberty(TScratch& S) {
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

bool TReferenceCapture::IsKoRecapture() const {
    const THistoryEntry& P = History[FMoveIndex];
    return P.X == KoX && P.Y == KoY && P.KoX == X && P.KoY == Y;
}

}  // namespace xvexo::testing
