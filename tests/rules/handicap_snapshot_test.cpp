// Handicap placement, snapshots and the whole-board queries.

#include <gtest/gtest.h>

#include <set>

#include "rules/board_fixture.h"

namespace xvexo::testing {
namespace {

using PointSet = std::set<std::pair<int, int>>;

PointSet BlackStones(const TGoBoard& B) {
    PointSet S;
    for (int Y = 1; Y <= 19; ++Y)
        for (int X = 1; X <= 19; ++X)
            if (B.PointColour(X, Y) == kBlack) S.insert({X, Y});
    return S;
}

PointSet ExpectedHandicap(int Count, int Layout) {
    PointSet S;
    if (Count < 2 || Count > 19) return S;
    S.insert({16, 4});
    S.insert({4, 16});
    if (Count >= 3) S.insert(Layout ? std::pair{16, 16} : std::pair{4, 4});
    if (Count >= 4) S.insert(Layout ? std::pair{4, 4} : std::pair{16, 16});
    if (Count == 5 || Count == 7 || Count == 9) S.insert({10, 10});
    if (Count >= 6) S.insert({{4, 10}, {16, 10}});
    if (Count >= 8) S.insert({{10, 4}, {10, 16}});
    if (Count >= 10) S.insert({{7, 7}, {7, 13}, {13, 7}, {13, 13}});
    return S;
}

TEST(Handicap, TablesForEveryCountAndBothLayouts) {
    for (int Layout : {0, 1}) {
        for (int Count = 0; Count <= 21; ++Count) {
            TGoBoard B;
            B.SetHandicap(Count, static_cast<uint8_t>(Layout));
            const PointSet Expected = ExpectedHandicap(Count, Layout);
            EXPECT_EQ(BlackStones(B), Expected) << Count << " layout " << Layout;
            EXPECT_EQ(B.SideToMove(), Expected.empty() ? kBlack : kWhite) << Count;
            EXPECT_EQ(B.MoveIndex(), 0);
        }
    }
    EXPECT_EQ(ExpectedHandicap(19, 1).size(), 12u);
}

TEST(Handicap, ThreeStonesWithLayoutOneAreDrawnInOrderAndNotNumbered) {
    TGoBoard B;
    TEventLog Log;
    Log.Attach(B);
    B.SetHandicap(3, 1);
    EXPECT_EQ(Log.Lines,
              (std::vector<std::string>{"redraw 16 4 0 1", "redraw 4 16 0 1", "redraw 16 16 0 1"}));
    B.PlayMove(17, 3);
    EXPECT_EQ(B.PointColour(17, 3), kWhite);
    int32_t X, Y;
    uint8_t C;
    B.GetLastMove(X, Y, C);
    EXPECT_EQ(C, kWhite);
}

TEST(Snapshot, RoundTripRestoresEverythingAndMarksTheLastStoneOnly) {
    TGoBoard B;
    Play(B, {{4, 4}, {16, 16}, {4, 16}, {0, 0}, {16, 4}});
    TPosition P;
    B.GetPosition(P);

    TGoBoard Other;
    TEventLog Log;
    Log.Attach(Other);
    Other.SetPosition(P, true, true);
    EXPECT_EQ(Log.Lines, (std::vector<std::string>{"put 16 4 501 1"}));
    TPosition Q;
    Other.GetPosition(Q);
    EXPECT_EQ(Q, P);
    EXPECT_EQ(Other.EndIndex(), 5);
    EXPECT_EQ(Other.SideToMove(), kWhite);

    // Without SetEnd the end index stays; without MarkLast nothing is raised.
    Log.Lines.clear();
    TGoBoard Third;
    Log.Attach(Third);
    Third.SetPosition(P, false, false);
    EXPECT_TRUE(Log.Lines.empty());
    EXPECT_EQ(Third.EndIndex(), 0);
    EXPECT_FALSE(Third.StepForward());
    Third.StepBack();
    EXPECT_EQ(Third.MoveIndex(), 4);
    EXPECT_EQ(Third.PointColour(16, 4), kEmpty);
}

TEST(Snapshot, LoadHistoryKeepsMoveIndexAndRecomputesTheOpponent) {
    TGoBoard Source;
    Play(Source, {{4, 4}, {16, 16}, {4, 16}});
    TPosition P;
    Source.GetPosition(P);

    TGoBoard B;
    Play(B, {{10, 10}});
    B.LoadHistory(P);
    EXPECT_EQ(B.MoveIndex(), 1);
    EXPECT_EQ(B.EndIndex(), 1);
    EXPECT_EQ(B.SideToMove(), kWhite);
    int32_t X, Y;
    uint8_t C;
    B.GetLastMove(X, Y, C);
    EXPECT_EQ(X, 4);
    EXPECT_EQ(Y, 4);
    EXPECT_EQ(C, kBlack) << "the opponent follows the loaded side to move";
    EXPECT_EQ(B.PointColour(4, 16), kBlack);
}

TEST(Queries, MoveCoordsPrintGridLastMoveAndReset) {
    TGoBoard B;
    int32_t X, Y;
    uint8_t C;
    B.GetLastMove(X, Y, C);
    EXPECT_EQ(X, -1);
    EXPECT_EQ(Y, 0);

    Play(B, {{4, 4}, {0, 0}, {16, 17}});
    TMoveCoords L;
    B.GetMoveCoords(3, L);
    EXPECT_EQ(L.Count, 3);
    EXPECT_EQ(L.Coords[0], (std::array<uint8_t, 2>{4, 4}));
    EXPECT_EQ(L.Coords[1], (std::array<uint8_t, 2>{0, 0}));
    EXPECT_EQ(L.Coords[2], (std::array<uint8_t, 2>{16, 17}));
    B.GetMoveCoords(9999, L);
    EXPECT_EQ(L.Count, 500);

    TPrintGrid G;
    B.GetPrintGrid(G);
    EXPECT_EQ(G[3][3].Stone, 0);
    EXPECT_EQ(G[16][15].Stone, 0);
    EXPECT_EQ(G[0][0].Stone, 2);
    EXPECT_EQ(G[3][3].Value, -1);

    B.SetNumbering({0, 2, 1});
    B.Reset(19);
    TPosition P, Empty;
    B.GetPosition(P);
    InitPosition(19, Empty);
    EXPECT_EQ(P, Empty);
    EXPECT_EQ(B.EndIndex(), 0);
    EXPECT_EQ(B.Numbering().From, 2) << "numbering survives a reset";
}

}  // namespace
}  // namespace xvexo::testing
