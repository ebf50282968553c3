// Moves played whatever the rules say (a record's move on a taken point, a suicide, a ko taken
// back at once) and steps without a move: their events, and stepping back and forth over them.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "board_fixture.h"

namespace xvexo {
namespace {

using testing::Diagram;
using testing::PositionFromDiagram;
using testing::TEventLog;

using TLines = std::vector<std::string>;

// A board holding the diagram, black to move, its events logged from now on.
struct TBoardWithLog {
    std::unique_ptr<TGoBoard> B;
    TEventLog Log;

    explicit TBoardWithLog(const std::vector<std::string>& Rows) {
        TNumbering N;
        InitNumbering(N);
        const auto P = std::make_unique<TPosition>(PositionFromDiagram(Rows));
        B = std::make_unique<TGoBoard>(N, *P);
        Log.Attach(*B);
    }
    TLines Take() { return std::exchange(Log.Lines, {}); }
};

TEST(ForcedMove, AStoneOnATakenPointReplacesItAndCapturesAsUsual) {
    // Black on white's (2, 1): the white stone in the corner loses its last liberty.
    TBoardWithLog T({"OO.", "X..", "..."});
    EXPECT_EQ(T.B->ForceMove(2, 1), TForcedMove::OnStone);
    EXPECT_EQ(T.Take(), (TLines{"put 2 1 501 1", "redraw 1 1 0 0", "move 2 1 1 0 1 2"}));
    EXPECT_EQ(Diagram(*T.B, 2, 3), ".X.\nX..\n");
    EXPECT_EQ(T.B->BlackPrisonerCount(), 1);  // the replaced stone is no prisoner
    EXPECT_EQ(T.B->EndIndex(), 1);
    auto P = std::make_unique<TPosition>();
    T.B->GetPosition(*P);
    EXPECT_EQ(P->History[1], (THistoryEntry{kBlack, 2, 1, 1, 1, kForcedEntry, kWhite}));

    // Back: the new stone goes, the captured stone and then the replaced one come back.
    T.B->StepBack();
    EXPECT_EQ(T.Take(),
              (TLines{"redraw 2 1 0 0", "redraw 1 1 0 2", "redraw 2 1 0 2", "move -1 0 0 0 0 1"}));
    EXPECT_EQ(Diagram(*T.B, 2, 3), "OO.\nX..\n");
    EXPECT_EQ(T.B->BlackPrisonerCount(), 0);
    EXPECT_EQ(T.B->CaptureCountNow(), 0);

    // Forward: the same move, the same events; a snapshot carries the entry's kind.
    EXPECT_TRUE(T.B->StepForward());
    EXPECT_EQ(T.Take(), (TLines{"put 2 1 501 1", "redraw 1 1 0 0", "move 2 1 1 0 1 2"}));
    T.B->GetPosition(*P);
    TGoBoard Copy;
    Copy.SetPosition(*P, false, true);
    Copy.StepBack();
    EXPECT_EQ(Diagram(Copy, 2, 3), "OO.\nX..\n");
}

TEST(ForcedMove, ASuicideTakesItsOwnGroupOffAndComesBackWithIt) {
    // Black fills the last liberty of its corner stone: both stones leave the board.
    TBoardWithLog T({"X.O", "OO.", "..."});
    EXPECT_EQ(T.B->ForceMove(2, 1), TForcedMove::Suicide);
    EXPECT_EQ(T.Take(),
              (TLines{"put 2 1 501 1", "redraw 2 1 0 0", "redraw 1 1 0 0", "move 2 1 1 0 0 2"}));
    EXPECT_EQ(Diagram(*T.B, 2, 3), "..O\nOO.\n");
    EXPECT_EQ(T.B->BlackPrisonerCount() + T.B->WhitePrisonerCount(), 0);
    EXPECT_EQ(T.B->SideToMove(), kWhite);

    // Back: the group comes back, then the move's own stone goes again.
    T.B->StepBack();
    EXPECT_EQ(T.Take(),
              (TLines{"redraw 1 1 0 1", "redraw 2 1 0 1", "redraw 2 1 0 0", "move -1 0 0 0 0 1"}));
    EXPECT_EQ(Diagram(*T.B, 2, 3), "X.O\nOO.\n");
    EXPECT_TRUE(T.B->StepForward());
    EXPECT_EQ(T.Take(),
              (TLines{"put 2 1 501 1", "redraw 2 1 0 0", "redraw 1 1 0 0", "move 2 1 1 0 0 2"}));
    EXPECT_EQ(Diagram(*T.B, 2, 3), "..O\nOO.\n");

    // White's next move puts no mark back on the empty point, nor does stepping back to it.
    T.B->PlayMove(3, 3);
    T.Take();
    T.B->StepBack();
    EXPECT_EQ(T.Take(), (TLines{"redraw 3 3 0 0", "move 2 1 1 0 0 2"}));
    EXPECT_EQ(T.B->PointNumber(2, 1), 0);
}

TEST(ForcedMove, AKoIsRetakenAtOnce) {
    TBoardWithLog T({".XO.", "XO.O", ".XO."});
    T.B->PlayMove(3, 2);  // black takes the ko
    ASSERT_EQ(T.B->PointColour(2, 2), kEmpty);
    T.B->PlayMove(2, 2);  // refused by the rules
    ASSERT_EQ(T.B->MoveIndex(), 1);
    EXPECT_EQ(T.B->ForceMove(2, 2), TForcedMove::KoRetake);
    EXPECT_EQ(Diagram(*T.B, 3, 4), ".XO.\nXO.O\n.XO.\n");
    EXPECT_EQ(T.B->WhitePrisonerCount(), 1);
    EXPECT_EQ(T.B->BlackPrisonerCount(), 1);
    T.B->StepBack();
    EXPECT_EQ(Diagram(*T.B, 3, 4), ".XO.\nX.XO\n.XO.\n");
    EXPECT_EQ(T.B->WhitePrisonerCount(), 0);
}

TEST(ForcedMove, ALegalMoveIsPlayedAsPlayMovePlaysIt) {
    TBoardWithLog Forced({".O", "O."});
    TBoardWithLog Ruled({".O", "O."});
    for (auto [X, Y] : {std::pair{3, 3}, {1, 1}, {5, 5}}) {
        EXPECT_EQ(Forced.B->ForceMove(X, Y), TForcedMove::Legal);
        Ruled.B->PlayMove(X, Y);
    }
    EXPECT_EQ(Forced.Take(), Ruled.Take());
    auto A = std::make_unique<TPosition>();
    auto B = std::make_unique<TPosition>();
    Forced.B->GetPosition(*A);
    Ruled.B->GetPosition(*B);
    EXPECT_EQ(*A, *B);
}

TEST(ForcedMove, RefusedOffTheBoardAndWithAFullHistory) {
    TBoardWithLog T({"X"});
    T.B->Reset(9);
    EXPECT_EQ(T.B->ForceMove(10, 1), TForcedMove::Refused);
    EXPECT_EQ(T.B->ForceMove(0, 0), TForcedMove::Refused);
    EXPECT_EQ(T.B->MoveIndex(), 0);
    EXPECT_TRUE(T.Take().empty());
    for (int I = 0; I < kMaxMoves; ++I)
        T.B->PassMove();
    T.B->SetEndIndex(0);
    EXPECT_EQ(T.B->ForceMove(1, 1), TForcedMove::Refused);
    EXPECT_EQ(T.B->MoveIndex(), kMaxMoves);
    EXPECT_EQ(T.B->EndIndex(), kMaxMoves);  // as a refused PlayMove leaves it
    EXPECT_EQ(T.B->PointColour(1, 1), kEmpty);
}

TEST(BareStep, AStepOfItsOwnForTheSetupThatFollowsIt) {
    TBoardWithLog T(std::vector<std::string>{});
    T.B->PlayMove(3, 3);
    T.Take();
    T.B->AddStep();
    ASSERT_TRUE(T.B->SetupPoint(5, 5, kBlack));
    // The mark leaves the last stone; the turn stays with white; it is no pass.
    EXPECT_EQ(T.Take(), (TLines{"redraw 3 3 0 1", "move 0 0 2 0 0 2", "redraw 5 5 0 1"}));
    EXPECT_EQ(T.B->MoveIndex(), 2);
    EXPECT_EQ(T.B->EndIndex(), 2);
    EXPECT_EQ(T.B->SideToMove(), kWhite);
    EXPECT_FALSE(T.B->LastIsPass());

    T.B->StepBack();
    EXPECT_EQ(T.Take(), (TLines{"redraw 5 5 0 0", "put 3 3 501 1", "move 3 3 1 0 0 2"}));
    EXPECT_EQ(T.B->SideToMove(), kWhite);
    EXPECT_TRUE(T.B->StepForward());
    EXPECT_EQ(T.Take(), (TLines{"redraw 3 3 0 1", "redraw 5 5 0 1", "move 0 0 2 0 0 2"}));
    EXPECT_EQ(T.B->SideToMove(), kWhite);

    // A pass is one.
    T.B->PassMove();
    EXPECT_TRUE(T.B->LastIsPass());
    T.B->StepBack();
    T.B->StepBack();
    EXPECT_FALSE(T.B->LastIsPass());  // a stone
}

TEST(BareStep, RefusedWithAFullHistory) {
    TGoBoard B;
    for (int I = 0; I < kMaxMoves; ++I)
        B.AddStep();
    EXPECT_EQ(B.MoveIndex(), kMaxMoves);
    B.AddStep();
    EXPECT_EQ(B.MoveIndex(), kMaxMoves);
    while (B.MoveIndex() > 0)
        B.StepBack();
    while (B.StepForward()) {
    }
    EXPECT_EQ(B.MoveIndex(), kMaxMoves);
}

TEST(LastMoveMark, NoMarkForAStoneASetupTookAway) {
    TBoardWithLog T(std::vector<std::string>{});
    T.B->PlayMove(3, 3);
    ASSERT_TRUE(T.B->SetupPoint(3, 3, kEmpty));
    T.B->PlayMove(4, 4);
    T.Take();
    T.B->StepBack();
    EXPECT_EQ(T.Take(), (TLines{"redraw 4 4 0 0", "move 3 3 1 0 0 2"}));
    EXPECT_EQ(T.B->PointNumber(3, 3), 0);
}

}  // namespace
}  // namespace xvexo
