// Setup stones placed between moves and moves in a named colour: stepped back and forward
// through the history as the moves are.

#include <gtest/gtest.h>

#include <memory>

#include "board_fixture.h"

namespace xvexo {
namespace {

using testing::Diagram;
using testing::Play;
using testing::TEventLog;

// A 9-line board with two moves and, after move 2, a black stone set on (5, 5), a white one on
// (6, 6) and black's first stone taken away.
struct TSetupAfterTwo : ::testing::Test {
    std::unique_ptr<TGoBoard> B = std::make_unique<TGoBoard>();
    TEventLog Log;

    void SetUp() override {
        B->Reset(9);
        Log.Attach(*B);
        Play(*B, {{3, 3}, {7, 7}});
        ASSERT_TRUE(B->SetupPoint(5, 5, kBlack));
        ASSERT_TRUE(B->SetupPoint(6, 6, kWhite));
        ASSERT_TRUE(B->SetupPoint(3, 3, kEmpty));
        Log.Lines.clear();
    }
};

TEST_F(TSetupAfterTwo, SetupRaisesItsPointsAndStaysWithItsMove) {
    EXPECT_EQ(Diagram(*B, 7, 7), ".......\n.......\n.......\n.......\n....X..\n.....O.\n......O\n");
    EXPECT_EQ(B->MoveIndex(), 2);
    // Back: the setup goes first, in reverse, then move 2 itself.
    B->StepBack();
    const std::vector<std::string> Back = {"redraw 3 3 0 1", "redraw 6 6 0 0", "redraw 5 5 0 0",
                                           "redraw 7 7 0 0", "put 3 3 501 1",  "move 3 3 1 0 0 2"};
    EXPECT_EQ(Log.Lines, Back);
    EXPECT_EQ(Diagram(*B, 7, 7), ".......\n.......\n..X....\n.......\n.......\n.......\n.......\n");
    // Forward: move 2, then its setup, then the move is reported.
    Log.Lines.clear();
    EXPECT_TRUE(B->StepForward());
    const std::vector<std::string> Forward = {"redraw 3 3 0 1", "put 7 7 501 2",
                                              "redraw 5 5 0 1", "redraw 6 6 0 2",
                                              "redraw 3 3 0 0", "move 7 7 2 0 0 1"};
    EXPECT_EQ(Log.Lines, Forward);
    EXPECT_EQ(Diagram(*B, 7, 7), ".......\n.......\n.......\n.......\n....X..\n.....O.\n......O\n");
}

TEST_F(TSetupAfterTwo, ASetupStoneIsCapturedAndRestoredAsAnyStone) {
    // White surrounds the black setup stone on (5, 5): (4, 5), (5, 4), (6, 5) and (5, 6).
    Play(*B, {{1, 1}, {4, 5}, {1, 2}, {5, 4}, {1, 3}, {6, 5}, {1, 4}, {5, 6}});
    EXPECT_EQ(B->PointColour(5, 5), kEmpty);
    EXPECT_EQ(B->WhitePrisonerCount(), 1);
    B->StepBack();
    EXPECT_EQ(B->PointColour(5, 5), kBlack);
    EXPECT_EQ(B->WhitePrisonerCount(), 0);
    // All the way back: the setup goes with move 2, and comes back with it.
    while (B->MoveIndex() > 0)
        B->StepBack();
    std::string Empty;
    for (int Row = 0; Row < 9; ++Row)
        Empty += ".........\n";
    EXPECT_EQ(Diagram(*B, 9, 9), Empty);
    while (B->StepForward()) {
    }
    EXPECT_EQ(B->MoveIndex(), 10);
    EXPECT_EQ(B->PointColour(5, 5), kEmpty);
    EXPECT_EQ(B->PointColour(6, 6), kWhite);
    EXPECT_EQ(B->PointColour(3, 3), kEmpty);
    EXPECT_EQ(B->WhitePrisonerCount(), 1);
}

TEST_F(TSetupAfterTwo, ANewLineDropsTheSetupOfTheOldOne) {
    B->StepBack();
    B->StepBack();
    Play(*B, {{2, 2}, {8, 8}});
    EXPECT_EQ(B->MoveIndex(), 2);
    EXPECT_FALSE(B->StepForward());
    B->StepBack();
    EXPECT_TRUE(B->StepForward());
    EXPECT_EQ(B->PointColour(5, 5), kEmpty);
    EXPECT_EQ(B->PointColour(6, 6), kEmpty);
    EXPECT_EQ(B->PointColour(2, 2), kBlack);
}

TEST_F(TSetupAfterTwo, SnapshotsCarryTheSetup) {
    auto P = std::make_unique<TPosition>();
    B->GetPosition(*P);
    EXPECT_EQ(P->SetupCount, 3);
    TGoBoard Copy(TNumbering{}, *P);
    Copy.StepBack();
    EXPECT_EQ(Copy.PointColour(5, 5), kEmpty);
    EXPECT_EQ(Copy.PointColour(3, 3), kBlack);
    Copy.StepBack();
    Copy.SetEndIndex(2);
    Copy.StepForward();
    Copy.StepForward();
    EXPECT_EQ(Diagram(Copy, 9, 9), Diagram(*B, 9, 9));
}

TEST_F(TSetupAfterTwo, AStoneSetOnTheLastMovesPointLosesItsMarkInItsOwnColour) {
    // White's stone of move 2 set to black; back at move 2 after move 3, it shows the mark.
    ASSERT_TRUE(B->SetupPoint(7, 7, kBlack));
    Play(*B, {{1, 1}});
    B->StepBack();
    EXPECT_EQ(B->PointNumber(7, 7), kLastMoveMark);
    // Stepping on takes the mark away: the point is drawn black, as it stands.
    Log.Lines.clear();
    EXPECT_TRUE(B->StepForward());
    ASSERT_FALSE(Log.Lines.empty());
    EXPECT_EQ(Log.Lines.front(), "redraw 7 7 0 1");
}

TEST(GoBoardSetup, StartSetupStaysAndBadPointsAreRefused) {
    TGoBoard B;
    TEventLog Log;
    Log.Attach(B);
    EXPECT_TRUE(B.SetupPoint(4, 4, kBlack));
    EXPECT_EQ(Log.Lines, std::vector<std::string>{"redraw 4 4 0 1"});
    EXPECT_FALSE(B.SetupPoint(0, 4, kBlack));
    EXPECT_FALSE(B.SetupPoint(20, 4, kBlack));
    EXPECT_FALSE(B.SetupPoint(4, 4, 3));
    B.PlayMove(16, 16);
    B.StepBack();
    B.StepBack();
    EXPECT_EQ(B.PointColour(4, 4), kBlack);
    // The same colour again changes nothing and takes no room.
    Log.Lines.clear();
    EXPECT_TRUE(B.SetupPoint(4, 4, kBlack));
    EXPECT_TRUE(Log.Lines.empty());
    // The log holds kMaxSetup entries; one more is refused, changing nothing.
    TGoBoard Full;
    int32_t Placed = 0;
    for (int i = 0; i < kMaxSetup; ++i)
        Placed += Full.SetupPoint(1 + i % 2, 1, i % 4 < 2 ? kBlack : kEmpty) ? 1 : 0;
    EXPECT_EQ(Placed, kMaxSetup);
    const uint8_t Before = Full.PointColour(1, 1);
    EXPECT_FALSE(Full.SetupPoint(1, 1, Before == kBlack ? kWhite : kBlack));
    EXPECT_EQ(Full.PointColour(1, 1), Before);
}

TEST(GoBoardColour, MovesOutOfTurnStepBackAndForward) {
    TGoBoard B;
    B.Reset(9);
    TEventLog Log;
    Log.Attach(B);
    // White's stone on the corner, taken by two black moves in a row.
    B.SetSideToMove(kWhite);
    B.PlayMove(1, 1);
    B.SetSideToMove(kBlack);
    B.PlayMove(2, 1);
    EXPECT_EQ(B.SideToMove(), kWhite);
    B.SetSideToMove(kBlack);
    B.PlayMove(1, 2);
    EXPECT_EQ(B.PointColour(1, 1), kEmpty);
    EXPECT_EQ(B.BlackPrisonerCount(), 1);
    int32_t X = 0, Y = 0;
    uint8_t C = 0;
    B.GetLastMove(X, Y, C);
    EXPECT_EQ(C, kBlack);

    // Back over the second black move: the white stone returns, black's count goes down, and
    // black is to move again.
    B.StepBack();
    EXPECT_EQ(B.PointColour(1, 1), kWhite);
    EXPECT_EQ(B.BlackPrisonerCount(), 0);
    EXPECT_EQ(B.SideToMove(), kBlack);
    B.GetLastMove(X, Y, C);
    EXPECT_EQ(C, kBlack);
    // Back to the start: white played first.
    B.StepBack();
    B.StepBack();
    EXPECT_EQ(B.SideToMove(), kWhite);
    // Forward again, each move in its own colour, the other side to move after it.
    EXPECT_TRUE(B.StepForward());
    EXPECT_EQ(B.PointColour(1, 1), kWhite);
    EXPECT_EQ(B.SideToMove(), kBlack);
    EXPECT_TRUE(B.StepForward());
    EXPECT_EQ(B.PointColour(2, 1), kBlack);
    EXPECT_EQ(B.SideToMove(), kWhite);
    EXPECT_TRUE(B.StepForward());
    EXPECT_EQ(B.PointColour(1, 2), kBlack);
    EXPECT_EQ(B.PointColour(1, 1), kEmpty);
    EXPECT_EQ(B.BlackPrisonerCount(), 1);
    EXPECT_EQ(B.SideToMove(), kWhite);
}

}  // namespace
}  // namespace xvexo
