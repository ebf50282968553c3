#pragma once
// The rules engine's capture and liberty search as first written, kept unchanged in the tests:
// a scratch copy of the board per move and a flood of every neighbouring group. The engine's own
// search was made fast (a padded board with empty-neighbour counts, a flood only where a capture
// or a suicide is possible); the random games judge every stone the engine plays with this one.

#include <cstdint>
#include <utility>
#include <vector>

#include "rules/point_stack.h"
#include "rules/position.h"

namespace xvexo::testing {

// What the search finds for a stone at (X, Y).
struct TMoveJudgement {
    bool Legal = false;
    // The stones the move captures, in the order the engine takes them off and logs them.
    std::vector<std::pair<int32_t, int32_t>> Captured;
    // The single stone the move captures (its ko point), 0/0 for none.
    int32_t KoX = 0;
    int32_t KoY = 0;
};

class TReferenceCapture {
  public:
    // Judges a stone of Mover at (X, Y) on Position: on the board, empty, room in the history
    // and the capture log, no suicide, no immediate ko recapture; and what it captures.
    TMoveJudgement Judge(const TPosition& Position, uint8_t Mover, int32_t X, int32_t Y);

  private:
    // The flood's work stack holds every point it may push (4 per point), so no group is
    // ever judged without liberty for want of room.
    using TWorkStack = TPointStack<4 * kMaxLines * kMaxLines>;
    using TScratch = TPointGrid;

    bool OnBoard(int32_t PX, int32_t PY) const {
        return PX >= 1 && PX <= Size && PY >= 1 && PY <= Size;
    }
    // --- the search as first written. Its hidden input is the move being judged, in the
    // members X, Y (its point) and KoX, KoY (0/0 until IsLegal finds a single capture). ---
    // Whether the side to move may play at (X, Y). Leaves the stones the move captures on
    // CaptureStack and, when it is a single stone, its point in KoX, KoY.
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

    // The position judged on, loaded by Judge.
    uint8_t Size = kMaxLines;
    uint8_t FSideToMove = kBlack;
    uint8_t Opponent = kWhite;
    int32_t FMoveIndex = 0;
    int32_t CaptureCount = 0;
    const THistoryEntry* History = nullptr;
    TPointGrid Points{};
    int32_t X = 0;
    int32_t Y = 0;
    int32_t KoX = 0;
    int32_t KoY = 0;
    TStack CaptureStack;
    TWorkStack FloodWork;
    TStack FloodGroup;
};

}  // namespace xvexo::testing
