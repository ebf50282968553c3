#include "records/record_setup.h"

#include <algorithm>
#include <memory>

namespace xvexo {

bool ApplyStartSetup(const TGameRecord& Record, TGoBoard& Board) {
    const int32_t Count = std::clamp(Record.SetupCount, 0, TGameRecord::MaxSetup);
    if (Count == 0 && Record.FirstPlayer == 0) return false;
    auto P = std::make_unique<TPosition>();
    Board.GetPosition(*P);
    for (int32_t i = 0; i < Count; ++i) {
        const TSetupRec& S = Record.Setup[static_cast<size_t>(i)];
        if (S.MoveNo != 0) break;  // entries are in record order, move 0 first
        if (S.X < 1 || S.X > P->Size || S.Y < 1 || S.Y > P->Size || S.Colour > kWhite) continue;
        P->Points[S.Y - 1][S.X - 1] = S.Colour;
    }
    if (Record.FirstPlayer == kBlack || Record.FirstPlayer == kWhite) {
        P->SideToMove = Record.FirstPlayer;
    }
    Board.SetPosition(*P, false, true);
    return true;
}

bool MarksOfMove(const TGameRecord& Record, int32_t MoveNo, TNumberGrid& Marks) {
    for (auto& Row : Marks)
        Row.fill(0);
    const int32_t Count = std::clamp(Record.MarkCount, 0, TGameRecord::MaxMarks);
    bool Any = false;
    for (int32_t i = 0; i < Count; ++i) {
        const TMarkRec& M = Record.Marks[static_cast<size_t>(i)];
        if (M.MoveNo != MoveNo || M.X < 1 || M.X > kMaxLines || M.Y < 1 || M.Y > kMaxLines)
            continue;
        Marks[M.Y - 1][M.X - 1] = M.Code;
        Any = true;
    }
    return Any;
}

}  // namespace xvexo
