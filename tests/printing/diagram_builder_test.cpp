// The diagram builder: numbered stones of a range on the position before it, and the notes of
// moves played on occupied points.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "move_script.h"
#include "printing/diagram_builder.h"
#include "records/game_record.h"
#include "records/record_loader.h"
#include "rules/go_board.h"

namespace xvexo {
namespace {

using testing::FillerMoves;
using testing::ScriptedMoves;
using testing::TPoint;

struct TBuild {
    LDispGGrid Board;
    LDispGGrid Notes;
    TBuiltDiagram D;
    TBuild(int W, int32_t First, int32_t Last, int32_t Handicap, const TMoveCoords& M)
        : D(BuildDiagram(W, First, Last, Handicap, M, Board, Notes)) {}
    TBuild(TNoteRoom Room, int32_t First, int32_t Last, const TMoveCoords& M)
        : D(BuildDiagram(Room, First, Last, 0, M, Board, Notes)) {}

    // The board cell of point (x, y) as "colour number mark", "." when empty.
    std::string At(int X, int Y) const { return Cell(Board, Y - 1, X - 1); }
    static std::string Cell(const LDispGGrid& G, int R, int C) {
        if (G.GetColor(R, C) == kCellEmpty && G.GetMark(R, C) == 0) return ".";
        std::string S = G.GetColor(R, C) == kCellBlack   ? "B"
                        : G.GetColor(R, C) == kCellWhite ? "W"
                                                         : "_";
        if (G.GetNumber(R, C) >= 0) S += std::to_string(G.GetNumber(R, C));
        if (G.GetMark(R, C) != 0) S += static_cast<char>(G.GetMark(R, C));
        return S;
    }
    // Notes row R up to its first two empty cells, cells separated by blanks.
    std::string NoteRow(int R) const {
        std::string S;
        for (int C = 0; C < LDispGGrid::Columns; ++C) {
            if (Cell(Notes, R, C) == "." && Cell(Notes, R, C + 1) == ".") break;
            if (!S.empty()) S += ' ';
            S += Cell(Notes, R, C);
        }
        return S;
    }
    std::vector<TNoteEntry> Entries() const {
        return {D.Notes.Entries.begin(), D.Notes.Entries.begin() + D.Notes.Count};
    }
};

TPoint PointOf(const TMoveCoords& M, int I) {
    return {M.Coords[I - 1][0], M.Coords[I - 1][1]};
}

TEST(DiagramBuilder, FirstRangeNumbersEveryStone) {
    const TMoveCoords M = FillerMoves(100);
    TBuild B(28, 1, 50, 0, M);
    int Stones = 0;
    for (int I = 1; I <= 50; ++I) {
        const auto [X, Y] = PointOf(M, I);
        EXPECT_EQ(B.At(X, Y), (I % 2 == 1 ? "B" : "W") + std::to_string(I));
    }
    for (int R = 0; R < 19; ++R) {
        for (int C = 0; C < 19; ++C)
            Stones += B.Board.GetColor(R, C) != kCellEmpty;
    }
    EXPECT_EQ(Stones, 50);
    EXPECT_EQ(B.D.Notes.Count, 0);
    EXPECT_EQ(B.NoteRow(0), "");
    EXPECT_EQ(B.D.Last, 50);
}

TEST(DiagramBuilder, SecondRangeShowsEarlierStonesWithoutNumbers) {
    const TMoveCoords M = FillerMoves(100);
    TBuild B(28, 51, 100, 0, M);
    for (int I = 1; I <= 100; ++I) {
        const auto [X, Y] = PointOf(M, I);
        const std::string Colour = I % 2 == 1 ? "B" : "W";
        EXPECT_EQ(B.At(X, Y), I <= 50 ? Colour : Colour + std::to_string(I)) << I;
    }
    EXPECT_EQ(B.D.Notes.Count, 0);
}

// A ko in the top-left corner, played within the range: black 28 at P (3,2), white takes it at
// 31 from Q (2,2), black retakes at 34, white at 37, black at 40. White moves first after the
// two handicap stones.
TMoveCoords KoFight() {
    return ScriptedMoves(60, {{1, {3, 1}},
                              {2, {1, 2}},
                              {3, {4, 2}},
                              {4, {2, 1}},
                              {5, {3, 3}},
                              {6, {2, 3}},
                              {28, {3, 2}},
                              {31, {2, 2}},
                              {34, {3, 2}},
                              {37, {2, 2}},
                              {40, {3, 2}}});
}

TEST(DiagramBuilder, MovesOnARetakenPointFormOneGroupInPlayOrder) {
    const TMoveCoords M = KoFight();
    // The engine agrees: each retake captured.
    TGoBoard Engine = [] {
        TNumbering N;
        InitNumbering(N);
        TPosition P;
        InitPosition(19, P);
        return TGoBoard(N, P);
    }();
    Engine.SetHandicap(2, 1);
    for (int I = 1; I <= 40; ++I)
        Engine.PlayMove(M.Coords[I - 1][0], M.Coords[I - 1][1]);
    ASSERT_EQ(Engine.MoveIndex(), 40);
    ASSERT_EQ(Engine.PointColour(3, 2), kBlack);
    ASSERT_EQ(Engine.PointColour(2, 2), kEmpty);

    TBuild B(28, 21, 50, 2, M);
    EXPECT_EQ(B.At(3, 2), "B28");
    EXPECT_EQ(B.At(2, 2), "W31");
    EXPECT_EQ(B.At(3, 1), "W");  // before the range: no number
    EXPECT_EQ(B.Entries(), (std::vector<TNoteEntry>{{0, 28},
                                                    {2, NoteDash},
                                                    {0, 34},
                                                    {0, 40},
                                                    {2, NoteGroupEnd},
                                                    {1, 31},
                                                    {2, NoteDash},
                                                    {1, 37},
                                                    {2, NoteGroupEnd}}));
    EXPECT_EQ(B.NoteRow(0), "B28 _- B34 B40 . W31 _- W37");
    EXPECT_EQ(B.NoteRow(1), "");
}

// White stones of the starting position in the corners (1,1) and (19,1), taken in the range
// by black 53 and 55 and played on by black 63 and 65.
TEST(DiagramBuilder, StonesOfTheStartingPositionPlayedUponAreLabelled) {
    const TMoveCoords M = ScriptedMoves(100, {{1, {2, 1}},
                                              {2, {1, 1}},
                                              {3, {18, 1}},
                                              {4, {19, 1}},
                                              {53, {1, 2}},
                                              {55, {19, 2}},
                                              {63, {1, 1}},
                                              {65, {19, 1}}});
    TBuild B(28, 51, 100, 0, M);
    EXPECT_EQ(B.At(1, 1), "Wa");
    EXPECT_EQ(B.At(19, 1), "Wb");
    EXPECT_EQ(B.At(1, 2), "B53");
    EXPECT_EQ(B.NoteRow(0), "Wa _- B63 . Wb _- B65");
    EXPECT_EQ(B.Entries().front(), (TNoteEntry{1, LabelBase + 1}));
}

TEST(DiagramBuilder, PassFlipsTheColour) {
    const TMoveCoords M = ScriptedMoves(20, {{12, {0, 0}}, {15, {25, 3}}, {16, {4, 0}}});
    TBuild B(28, 10, 20, 0, M);
    // 11 is black; 12 passes; 13 is black again, 14 white; 15 and 16 are off the board.
    EXPECT_EQ(B.At(PointOf(M, 11).first, PointOf(M, 11).second), "B11");
    EXPECT_EQ(B.At(PointOf(M, 13).first, PointOf(M, 13).second), "B13");
    EXPECT_EQ(B.At(PointOf(M, 14).first, PointOf(M, 14).second), "W14");
    EXPECT_EQ(B.At(PointOf(M, 17).first, PointOf(M, 17).second), "B17");
}

TEST(DiagramBuilder, RangeEndsAtTheLastMoveThereIs) {
    const TMoveCoords M = FillerMoves(60);
    TBuild B(28, 41, 999, 0, M);
    EXPECT_EQ(B.D.Last, 60);
    EXPECT_EQ(B.At(PointOf(M, 60).first, PointOf(M, 60).second), "W60");
    // Nothing of a range past the end, or of a start before move 1.
    TBuild Past(28, 70, 90, 0, M);
    EXPECT_EQ(Past.D.Last, 60);
    EXPECT_EQ(Past.At(PointOf(M, 60).first, PointOf(M, 60).second), "W");
    TBuild Zero(28, 0, 0, 0, TMoveCoords{});
    EXPECT_EQ(Zero.D.Last, 0);
    TBuild Negative(28, -5, 3, 0, M);
    EXPECT_EQ(Negative.At(PointOf(M, 1).first, PointOf(M, 1).second), "B1");
}

// Moves 1..Groups on distinct points, then each point played again: Groups groups of four.
TMoveCoords Replayed(int Groups, int Times = 2) {
    TMoveCoords M;
    M.Count = Groups * Times;
    for (int T = 0; T < Times; ++T) {
        for (int G = 0; G < Groups; ++G) {
            M.Coords[T * Groups + G] = {static_cast<uint8_t>(1 + G % 19),
                                        static_cast<uint8_t>(1 + G / 19)};
        }
    }
    return M;
}

TEST(DiagramBuilder, NoteRowsHoldWholeGroups) {
    TBuild Three(25, 1, 6, 0, Replayed(3));
    EXPECT_EQ(Three.NoteRow(0), "B1 _- W4 . W2 _- B5 . B3 _- W6");
    EXPECT_EQ(Three.NoteRow(1), "");
    TBuild Seven(25, 1, 14, 0, Replayed(7));
    EXPECT_EQ(Seven.D.Notes.Count, 28);
    EXPECT_EQ(Seven.Notes.GetNumber(0, 20), 6);  // the sixth group ends row 0 at column 23
    EXPECT_EQ(Seven.Notes.GetColor(0, 23), kCellEmpty);
    EXPECT_EQ(Seven.Notes.GetColor(0, 24), kCellEmpty);
    EXPECT_EQ(Seven.NoteRow(1), "B7 _- W14");
    // A row of 28 takes all seven.
    TBuild Wide(28, 1, 14, 0, Replayed(7));
    EXPECT_EQ(Wide.Notes.GetNumber(0, 24), 7);
    EXPECT_EQ(Wide.NoteRow(1), "");
}

TEST(DiagramBuilder, HandicapMatchesTheViewersBoard) {
    TGameRecord R;
    R.HandicapStones = 3;
    for (int I = 1; I <= 10; ++I)
        R.AddMove(static_cast<uint8_t>(I), 10);
    TNumbering N;
    InitNumbering(N);
    TPosition P;
    InitPosition(19, P);
    TGoBoard Viewer(N, P);
    ReplayRecord(R, Viewer);
    TMoveCoords M;
    Viewer.GetMoveCoords(Viewer.EndIndex(), M);

    TBuild B(28, 11, 20, 3, M);
    for (int Y = 1; Y <= 19; ++Y) {
        for (int X = 1; X <= 19; ++X) {
            const uint8_t C = Viewer.PointColour(X, Y);
            const uint32_t Expected = C == kBlack   ? kCellBlack
                                      : C == kWhite ? kCellWhite
                                                    : kCellEmpty;
            EXPECT_EQ(B.Board.GetColor(Y - 1, X - 1), Expected) << X << "," << Y;
        }
    }
    EXPECT_EQ(B.At(16, 16), "B");
    // White moved first: move 1 was white, so move 11 is white too.
    TBuild First(28, 1, 11, 3, M);
    EXPECT_EQ(First.At(1, 10), "W1");
    EXPECT_EQ(First.At(10, 10), "B10");
}

// At the limits the builder stays within the note list and the grid and ends.
TEST(DiagramBuilder, NoteListFullLeavesFurtherMovesOut) {
    // 60 points played twice would need 240 entries: 50 groups fit.
    TBuild B(28, 1, 120, 0, Replayed(60));
    EXPECT_EQ(B.D.Notes.Count, kMaxNoteEntries);
    EXPECT_EQ(B.D.Omitted, 10);
    EXPECT_EQ(B.Notes.GetNumber(7, 2), 110);  // 7 groups a row: the 50th group starts row 7
    EXPECT_EQ(B.NoteRow(8), "");
    // A point played again once the list is full adds nothing either.
    TBuild Full(28, 1, 180, 0, Replayed(60, 3));
    EXPECT_EQ(Full.D.Notes.Count, kMaxNoteEntries);
    EXPECT_EQ(Full.D.Omitted, 70);
}

TEST(DiagramBuilder, GroupLongerThanARowGoesOnInTheNextRow) {
    // One point played 31 times: the stone, a dash, 30 moves and the end are 33 entries.
    TBuild B(25, 1, 31, 0, Replayed(1, 31));
    EXPECT_EQ(B.D.Notes.Count, 33);
    EXPECT_EQ(B.Notes.GetNumber(0, 24), 24);
    EXPECT_EQ(B.Notes.GetColor(0, 25), kCellEmpty);
    EXPECT_EQ(B.NoteRow(1), "B25 W26 B27 W28 B29 W30 B31");
    EXPECT_EQ(B.Notes.GetColor(1, 7), kCellEmpty);
    EXPECT_EQ(B.NoteRow(2), "");
}

TEST(DiagramBuilder, NotesPastTheLastGridRowAreNotShown) {
    // 50 groups of four, one group a row, in a grid of 19 rows.
    TBuild B(4, 1, 100, 0, Replayed(50));
    EXPECT_EQ(B.D.Notes.Count, 200);
    EXPECT_EQ(B.Notes.GetNumber(18, 0), 19);
    EXPECT_EQ(B.NoteRow(18), "B19 _- B69");
    // The moves of the 31 groups left over are counted, not their stones.
    EXPECT_EQ(B.D.Omitted, 31);
    // Column 28 is never written, whatever the row width asked for.
    TBuild Wide(99, 1, 120, 0, Replayed(60));
    for (int R = 0; R < LDispGGrid::Rows; ++R)
        EXPECT_EQ(Wide.Notes.GetColor(R, 28), kCellEmpty);
}

// The page gives the notes fewer rows, or narrower ones: what finds no row is counted.
TEST(DiagramBuilder, NotesTakeTheRoomTheyAreGiven) {
    // 20 groups of four; rows of 13 hold three, three rows nine.
    TBuild B(TNoteRoom{13, 3}, 1, 40, Replayed(20));
    EXPECT_EQ(B.NoteRow(0), "B1 _- B21 . W2 _- W22 . B3 _- B23");
    EXPECT_EQ(B.Notes.GetNumber(2, 8), 9);
    EXPECT_EQ(B.NoteRow(3), "");
    EXPECT_EQ(B.D.Omitted, 11);
    TBuild None(TNoteRoom{28, 0}, 1, 40, Replayed(20));
    EXPECT_EQ(None.NoteRow(0), "");
    EXPECT_EQ(None.D.Omitted, 20);
    // Out of range rooms are kept within the grid.
    TBuild Wide(TNoteRoom{99, 99}, 1, 40, Replayed(20));
    EXPECT_EQ(Wide.D.Omitted, 0);
    EXPECT_EQ(Wide.Notes.GetColor(0, 28), kCellEmpty);
}

// A group that filled its row leaves only its end for the next one: the next row starts with
// the next group instead of an empty cell (which would end the printed notes there).
TEST(DiagramBuilder, NoRowStartsWithAGroupsEnd) {
    // Two points played three times each: groups of five entries in rows of four.
    TBuild B(TNoteRoom{4, 19}, 1, 6, Replayed(2, 3));
    EXPECT_EQ(B.NoteRow(0), "B1 _- B3 B5");
    EXPECT_EQ(B.NoteRow(1), "W2 _- W4 W6");
    EXPECT_EQ(B.NoteRow(2), "");
    EXPECT_EQ(B.D.Omitted, 0);
}

}  // namespace
}  // namespace xvexo
