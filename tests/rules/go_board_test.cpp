// Rules: captures, suicide, ko, stepping through the history, capacities and the events.

#include <gtest/gtest.h>

#include <algorithm>

#include "rules/board_fixture.h"
#include "support/random_game.h"

namespace xvexo::testing {
namespace {

using Lines = std::vector<std::string>;

// Everything that is not stale: entries above MoveIndex or CaptureCount are not compared.
void ExpectSameLivePosition(const TPosition& A, const TPosition& B) {
    EXPECT_EQ(A.Points, B.Points);
    EXPECT_EQ(A.Numbers, B.Numbers);
    EXPECT_EQ(A.SideToMove, B.SideToMove);
    EXPECT_EQ(A.BlackPrisoners, B.BlackPrisoners);
    EXPECT_EQ(A.WhitePrisoners, B.WhitePrisoners);
    ASSERT_EQ(A.MoveIndex, B.MoveIndex);
    ASSERT_EQ(A.CaptureCount, B.CaptureCount);
    for (int I = 0; I <= A.MoveIndex; ++I)
        EXPECT_EQ(A.History[I], B.History[I]) << I;
    for (int I = 0; I < A.CaptureCount; ++I)
        EXPECT_EQ(A.Captures[I], B.Captures[I]) << I;
}

TPosition Snapshot(const TGoBoard& B) {
    TPosition P;
    B.GetPosition(P);
    return P;
}

TEST(GoBoard, CapturingMoveAndItsStepBackRaiseEventsInOrder) {
    TGoBoard B;
    TEventLog Log;
    Log.Attach(B);
    Play(B, {{2, 1}, {1, 1}});
    const TPosition Before = Snapshot(B);
    Log.Lines.clear();

    B.PlayMove(1, 2);  // black takes the white corner stone
    EXPECT_EQ(Log.Lines,
              (Lines{"redraw 1 1 0 2", "put 1 2 501 1", "redraw 1 1 0 0", "move 1 2 3 0 1 2"}));
    EXPECT_EQ(Diagram(B, 2, 3), ".X.\nX..\n");
    EXPECT_EQ(B.BlackPrisonerCount(), 1);
    EXPECT_EQ(B.CaptureCountNow(), 1);

    Log.Lines.clear();
    B.StepBack();
    EXPECT_EQ(Log.Lines,
              (Lines{"redraw 1 2 0 0", "redraw 1 1 0 2", "put 1 1 501 2", "move 1 1 2 0 0 1"}));
    ExpectSameLivePosition(Snapshot(B), Before);
}

// Point events need OnPutStone, except the removal of a stone, which needs only OnRedrawPoint.
TEST(GoBoard, EachPointEventNeedsItsHandler) {
    for (const bool PutAssigned : {false, true}) {
        TGoBoard B;
        TEventLog Log;
        Log.Attach(B);
        if (PutAssigned) {
            B.OnRedrawPoint = nullptr;
        } else {
            B.OnPutStone = nullptr;
        }
        B.SetHandicap(2, 1);                // handicap stones: value 0
        Play(B, {{2, 1}, {1, 1}, {1, 2}});  // white, black, then white takes (1, 1)
        B.StepBack();                       // restores the black stone: value 0, then the mark
        const Lines Expected =
            PutAssigned ? Lines{"put 2 1 501 2", "put 1 1 501 1", "put 1 2 501 2", "put 1 1 501 1"}
                        : Lines{"redraw 1 1 0 0", "redraw 1 2 0 0"};
        std::erase_if(Log.Lines, [](const std::string& L) { return L.starts_with("move"); });
        EXPECT_EQ(Log.Lines, Expected) << PutAssigned;
    }
}

TEST(GoBoard, ExactlyOneStoneCarriesTheMarkAndNoneAfterAPass) {
    TGoBoard B;
    for (auto [X, Y] : MakeRandomGame(60)) {
        B.PlayMove(X, Y);
        int Marked = 0;
        for (int Y2 = 1; Y2 <= 19; ++Y2)
            for (int X2 = 1; X2 <= 19; ++X2)
                Marked += B.PointNumber(X2, Y2) == kLastMoveMark;
        ASSERT_EQ(Marked, 1);
        ASSERT_EQ(B.PointNumber(X, Y), kLastMoveMark);
    }
    B.PassMove();
    int Marked = 0;
    for (int Y = 1; Y <= 19; ++Y)
        for (int X = 1; X <= 19; ++X)
            Marked += B.PointNumber(X, Y) == kLastMoveMark;
    EXPECT_EQ(Marked, 0);
}

TEST(GoBoard, KoRecaptureRefusedAtOnceAndAllowedOneMoveLater) {
    TGoBoard B;
    B.SetPosition(PositionFromDiagram({
                      ".....",
                      "..XO.",
                      ".XO.O",
                      "..XO.",
                  }),
                  false, true);
    B.PlayMove(4, 3);  // black takes the ko
    ASSERT_EQ(B.MoveIndex(), 1);
    EXPECT_EQ(B.BlackPrisonerCount(), 1);
    const TPosition AfterTake = Snapshot(B);

    B.PlayMove(3, 3);  // white retakes at once: refused, nothing changes
    ExpectSameLivePosition(Snapshot(B), AfterTake);
    EXPECT_EQ(B.SideToMove(), kWhite);

    Play(B, {{15, 15}, {15, 16}});  // a threat and its answer
    B.PlayMove(3, 3);
    EXPECT_EQ(B.MoveIndex(), 4);
    EXPECT_EQ(Diagram(B, 4, 5), ".....\n..XO.\n.XO.O\n..XO.\n");
    EXPECT_EQ(B.WhitePrisonerCount(), 1);
}

TEST(GoBoard, RecapturingAfterATwoStoneCaptureIsNoKo) {
    TGoBoard B;
    B.SetPosition(PositionFromDiagram({
                      ".OOX.",
                      "OXX..",
                  }),
                  false, true);
    B.PlayMove(1, 1);  // black takes two stones
    ASSERT_EQ(B.BlackPrisonerCount(), 2);
    B.PlayMove(2, 1);  // white takes the single black stone back at once
    EXPECT_EQ(B.MoveIndex(), 2);
    EXPECT_EQ(Diagram(B, 2, 5), ".O.X.\nOXX..\n");
    EXPECT_EQ(B.WhitePrisonerCount(), 1);
}

TEST(GoBoard, TakingTheLastLibertyOfTwoGroupsCapturesBothAndLogsEachStoneOnce) {
    TGoBoard B;
    B.SetPosition(PositionFromDiagram({
                      "O.OOX",
                      "OXXX.",
                      "X....",
                  }),
                  false, true);
    B.PlayMove(2, 1);
    EXPECT_EQ(Diagram(B, 3, 5), ".X..X\n.XXX.\nX....\n");
    EXPECT_EQ(B.BlackPrisonerCount(), 4);
    const TPosition P = Snapshot(B);
    ASSERT_EQ(P.CaptureCount, 4);
    std::vector<std::pair<int, int>> Logged;
    for (int I = 0; I < 4; ++I) {
        EXPECT_EQ(P.Captures[I].MoveIndex, 0);
        Logged.emplace_back(P.Captures[I].X, P.Captures[I].Y);
    }
    std::sort(Logged.begin(), Logged.end());
    EXPECT_EQ(Logged, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {3, 1}, {4, 1}}));
}

TEST(GoBoard, SuicideRefusedButTheSamePointIsLegalWhenItCaptures) {
    // Black plays at (X, Y); After is the position afterwards, as Diagram prints it.
    const struct {
        const char* What;
        Lines Rows;
        int X, Y;
        bool Played;
        const char* After;
    } Cases[] = {
        {"a stone without liberty", {".O.", "O.."}, 1, 1, false, ".O.\nO..\n"},
        {"the same point when it captures", {".OX", "OX."}, 1, 1, true, "X.X\nOX.\n"},
        {"a group's own last liberty", {"X.XO", "OXO.", ".O.."}, 2, 1, false, "X.XO\nOXO.\n.O..\n"},
    };
    for (const auto& C : Cases) {
        TGoBoard B;
        B.SetPosition(PositionFromDiagram(C.Rows), false, true);
        B.PlayMove(C.X, C.Y);
        EXPECT_EQ(B.MoveIndex(), C.Played ? 1 : 0) << C.What;
        EXPECT_EQ(B.SideToMove(), C.Played ? kWhite : kBlack) << C.What;
        EXPECT_EQ(Diagram(B, static_cast<int>(C.Rows.size()), static_cast<int>(C.Rows[0].size())),
                  C.After)
            << C.What;
    }
}

TEST(GoBoard, StepBackOfAPassGivesTheTurnBackAndTheMarkToTheStoneBefore) {
    TGoBoard B;
    Play(B, {{4, 4}});
    B.PassMove();
    EXPECT_EQ(B.PointNumber(4, 4), 0);
    TEventLog Log;
    Log.Attach(B);
    B.StepBack();
    EXPECT_EQ(Log.Lines, (Lines{"put 4 4 501 1", "move 4 4 1 0 0 2"}));
    EXPECT_EQ(B.SideToMove(), kWhite);
    EXPECT_EQ(B.PointColour(4, 4), kBlack);
}

TEST(GoBoard, RecordedGameSteppedBackToTheStartAndForwardAgainIsIdentical) {
    const TMoveList Game = MakeRandomGame(300);
    ASSERT_EQ(Game.size(), 300u);
    TGoBoard B;
    for (auto [X, Y] : Game)
        B.PlayMove(X, Y);
    const TPosition End = Snapshot(B);
    ASSERT_EQ(End.MoveIndex, 300);
    ASSERT_GT(End.CaptureCount, 10) << "the fixture game should capture";

    for (int I = 0; I < 300; ++I)
        B.StepBack();
    const TPosition Start = Snapshot(B);
    EXPECT_EQ(Start.MoveIndex, 0);
    EXPECT_EQ(Start.CaptureCount, 0);
    EXPECT_EQ(Start.BlackPrisoners + Start.WhitePrisoners, 0);
    EXPECT_EQ(Start.Points, TPointGrid{});
    EXPECT_EQ(Start.Numbers, TNumberGrid{});
    B.StepBack();  // nothing happens at the start
    EXPECT_EQ(B.MoveIndex(), 0);

    int Steps = 0;
    while (B.StepForward())
        ++Steps;
    EXPECT_EQ(Steps, 300);
    ExpectSameLivePosition(Snapshot(B), End);
}

TEST(GoBoard, TrailingPassesStandAboveEndIndexAndAreNotReplayed) {
    TGoBoard B;
    Play(B, {{4, 4}, {16, 16}, {0, 0}, {0, 0}});
    EXPECT_EQ(B.MoveIndex(), 4);
    EXPECT_EQ(B.EndIndex(), 2);
    B.StepBack();
    B.StepBack();
    EXPECT_EQ(B.MoveIndex(), 2);
    EXPECT_FALSE(B.StepForward());
    EXPECT_EQ(B.MoveIndex(), 2);
    // A pass inside the replayable line is replayed.
    Play(B, {{0, 0}, {3, 3}});
    B.StepBack();
    B.StepBack();
    EXPECT_TRUE(B.StepForward());
    EXPECT_EQ(B.MoveIndex(), 3);
    int32_t X, Y;
    uint8_t C;
    B.GetLastMove(X, Y, C);
    EXPECT_EQ(X, 0);
    EXPECT_EQ(Y, 0);
    EXPECT_EQ(C, kBlack);
}

TEST(GoBoard, RefusedMoveCutsTheReplayableLine) {
    TGoBoard B;
    Play(B, {{4, 4}, {16, 16}, {4, 16}, {16, 4}, {10, 10}});
    B.StepBack();
    B.StepBack();
    ASSERT_EQ(B.EndIndex(), 5);
    const TPosition Before = Snapshot(B);
    B.PlayMove(4, 4);  // occupied
    EXPECT_EQ(B.EndIndex(), 3);
    ExpectSameLivePosition(Snapshot(B), Before);
    EXPECT_FALSE(B.StepForward());
}

TEST(GoBoard, The501stMoveIsRefused) {
    TGoBoard B;
    TPosition P;
    InitPosition(19, P);
    for (int I = 1; I <= 499; ++I)
        P.History[I] = {static_cast<uint8_t>(I % 2 ? 1 : 2), 0, 0, 0, 0};
    P.MoveIndex = 499;
    P.SideToMove = kWhite;
    B.SetPosition(P, false, true);
    B.PlayMove(10, 10);  // move 500 fits
    ASSERT_EQ(B.MoveIndex(), 500);
    TEventLog Log;
    Log.Attach(B);
    const TPosition Full = Snapshot(B);
    B.PlayMove(3, 3);
    B.PassMove();
    EXPECT_TRUE(Log.Lines.empty());
    ExpectSameLivePosition(Snapshot(B), Full);
    EXPECT_EQ(B.EndIndex(), 500);
}

TEST(GoBoard, The501stCapturedStoneIsRefused) {
    TGoBoard B;
    TPosition P = PositionFromDiagram({
        ".OXOO.",
        "OX.XX.",
        "......",
    });
    P.CaptureCount = 499;
    P.BlackPrisoners = 499;
    for (int I = 0; I < 499; ++I)
        P.Captures[I] = {19, 19, 0};
    P.SideToMove = kBlack;
    B.SetPosition(P, false, true);
    B.PlayMove(6, 1);  // would take two stones: 501 in the log
    EXPECT_EQ(B.MoveIndex(), 0);
    EXPECT_EQ(B.PointColour(4, 1), kWhite);
    B.PlayMove(1, 1);  // one stone: the 500th
    EXPECT_EQ(B.MoveIndex(), 1);
    EXPECT_EQ(B.CaptureCountNow(), 500);
    EXPECT_EQ(B.BlackPrisonerCount(), 500);
}

TEST(GoBoard, LargeGroupWithOneFarLibertyIsNotCaptured) {
    // White fills rows 1..17 (322 stones) but for its liberty in the far corner; black walls
    // row 18 and plays into its last gap, next to the white group. The flood from there walks
    // most of the group before it meets the liberty.
    TPosition P;
    InitPosition(19, P);
    for (int R = 0; R < 17; ++R)
        P.Points[R].fill(kWhite);
    P.Points[0][18] = kEmpty;
    P.Points[17].fill(kBlack);
    P.Points[17][0] = kEmpty;
    TGoBoard B;
    B.SetPosition(P, false, true);
    B.PlayMove(1, 18);
    EXPECT_EQ(B.MoveIndex(), 1);
    EXPECT_EQ(B.CaptureCountNow(), 0);
    EXPECT_EQ(B.PointColour(1, 17), kWhite);
    // Filling the far liberty then captures the whole group.
    B.PlayMove(10, 19);
    B.PlayMove(19, 1);
    EXPECT_EQ(B.CaptureCountNow(), 322);
    EXPECT_EQ(B.PointColour(1, 1), kEmpty);
}

}  // namespace
}  // namespace xvexo::testing
