// Standard SGF files as servers, programs and problem books write them, applied to the board:
// passes that end a game, setup nodes of their own, moves the rules refuse, HA without AB,
// text around the game tree, files cut short and files that hold no game.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../rules/board_fixture.h"
#include "record_fixture.h"

namespace xvexo {
namespace {

using testing::Diagram;
using testing::Load;
using testing::LoadSgf;
using testing::MovesOf;
using testing::NotesOf;
using testing::Replayed;
using testing::TMoves;
using testing::TNote;

TEST(SgfPlay, PassesThatEndTheGameAreMovesTheBoardStepsTo) {
    const auto L = LoadSgf("(;GM[1]SZ[9];B[cc];W[gg];B[ee]C[three];W[]C[pass];B[tt]C[end])");
    EXPECT_EQ(L->MoveCount, 5);
    EXPECT_EQ(NotesOf(*L), (std::vector<TNote>{{3, nkComment, "[3] three"},
                                               {4, nkComment, "[4] pass"},
                                               {5, nkComment, "[5] end"}}));
    const auto Board = Replayed(*L);
    EXPECT_EQ(Board->MoveIndex(), 5);
    EXPECT_EQ(Board->EndIndex(), 5);
    EXPECT_TRUE(Board->LastIsPass());
    // Back to the start and forward again: every pass is reached, each move number too.
    for (int32_t N = 0; N <= 5; ++N) {
        GoToMove(*Board, N);
        EXPECT_EQ(Board->MoveIndex(), N);
    }
    EXPECT_EQ(Board->SideToMove(), kWhite);
    StepBackTo(*Board, 2);
    while (Board->StepForward()) {
    }
    EXPECT_EQ(Board->MoveIndex(), 5);
    // The tag format keeps the specified counting: its trailing passes stand above EndIndex.
    const auto Tag = Load("(;EV[x];B[pd];W[];B[])\n");
    ASSERT_EQ(Tag->FormatMode, kFormatTag);
    const auto TagBoard = Replayed(*Tag);
    EXPECT_EQ(TagBoard->MoveIndex(), 1);
    EXPECT_EQ(TagBoard->EndIndex(), 1);
}

TEST(SgfPlay, ASetupNodeBetweenMovesIsAStepOfItsOwn) {
    const auto L =
        LoadSgf("(;GM[1]SZ[9];B[cc]C[one]\n;AB[ee]AW[ff]AE[cc]C[set up]TR[ee]\n;W[gg];B[dd])");
    EXPECT_EQ(MovesOf(*L), (TMoves{{3, 3}, {0, 0}, {7, 7}, {4, 4}}));
    EXPECT_TRUE(L->Moves[1].NoMove);
    EXPECT_EQ(L->Moves[1].Colour, 0);
    EXPECT_EQ(NotesOf(*L),
              (std::vector<TNote>{{1, nkComment, "[1] one"}, {2, nkComment, "[2] set up"}}));
    ASSERT_EQ(L->SetupCount, 3);
    EXPECT_EQ(L->Setup[0].MoveNo, 2);
    EXPECT_EQ(L->MarkCount, 1);
    EXPECT_EQ(L->Marks[0].MoveNo, 2);
    const auto Board = Replayed(*L);
    EXPECT_EQ(Board->MoveIndex(), 4);
    // Move 1 shows black's stone with its mark; step 2 the set-up position without a mark.
    GoToMove(*Board, 1);
    EXPECT_EQ(Diagram(*Board, 6, 6), "......\n......\n..X...\n......\n......\n......\n");
    EXPECT_EQ(Board->PointNumber(3, 3), kLastMoveMark);
    Board->StepForward();
    EXPECT_EQ(Diagram(*Board, 6, 6), "......\n......\n......\n......\n....X.\n.....O\n");
    EXPECT_FALSE(Board->LastIsPass());
    EXPECT_EQ(Board->SideToMove(), kWhite);
    for (int Y = 1; Y <= 9; ++Y) {
        for (int X = 1; X <= 9; ++X)
            EXPECT_EQ(Board->PointNumber(X, Y), 0) << X << "," << Y;
    }
    Board->StepForward();
    EXPECT_EQ(Board->PointColour(7, 7), kWhite);
}

TEST(SgfPlay, NodesBeforeTheFirstMoveMakeTheStartUntilItShowsSomething) {
    // A root of information only: the problem set up in the next node is the start.
    auto L = LoadSgf("(;GM[1]FF[4]SZ[9]GN[Problem 1]\n;AB[cc]AW[dc]C[Black to live];B[bb])");
    EXPECT_EQ(MovesOf(*L), (TMoves{{2, 2}}));
    EXPECT_EQ(NotesOf(*L), (std::vector<TNote>{{0, nkComment, "[0] Black to live"}}));
    EXPECT_EQ(L->Setup[0].MoveNo, 0);
    // A root that shows something of its own: the next setup node is a step.
    L = LoadSgf("(;GM[1]SZ[9]C[Introduction];AB[cc]C[Shape one];AB[dd]C[Shape two])");
    EXPECT_EQ(L->MoveCount, 2);
    EXPECT_EQ(NotesOf(*L), (std::vector<TNote>{{0, nkComment, "[0] Introduction"},
                                               {1, nkComment, "[1] Shape one"},
                                               {2, nkComment, "[2] Shape two"}}));
    const auto Board = Replayed(*L);
    GoToMove(*Board, 1);
    EXPECT_EQ(Board->PointColour(3, 3), kBlack);
    EXPECT_EQ(Board->PointColour(4, 4), kEmpty);
    // A node with marks alone is no step: its marks go with the position before.
    L = LoadSgf("(;GM[1]SZ[9];B[cc];TR[cc];W[dd])");
    EXPECT_EQ(L->MoveCount, 2);
    EXPECT_EQ(L->Marks[0].MoveNo, 1);
}

TEST(SgfPlay, MovesTheRulesRefuseArePlayedAsTheRecordHasThem) {
    // White plays on black's stone (the record's own mistake); black then fills its own last
    // liberty in the corner; the comment after stays with the move it follows.
    const auto L = LoadSgf(
        "(;GM[1]SZ[9]GC[A game]AW[ba][ab];B[cc];W[cc];B[aa];W[ee]C[[53\\] White resigned])");
    EXPECT_EQ(L->Info.GameComment,
              "A game\nMove 2 is played on a point that holds a stone, as the record has it: the "
              "stone there is replaced.\nMove 3 leaves its own group without liberty, as the "
              "record has it: the group leaves the board.");
    EXPECT_EQ(L->Notes[0].Text, "[0] " + L->Info.GameComment);
    EXPECT_EQ(L->Notes[1].Text, "[4] [53] White resigned");
    const auto Board = Replayed(*L);
    EXPECT_EQ(Board->MoveIndex(), 4);
    EXPECT_EQ(Diagram(*Board, 3, 3), ".O.\nO..\n..O\n");
    GoToMove(*Board, 1);
    EXPECT_EQ(Diagram(*Board, 3, 3), ".O.\nO..\n..X\n");
    GoToMove(*Board, 3);
    EXPECT_EQ(Diagram(*Board, 3, 3), ".O.\nO..\n..O\n");
    GoToMove(*Board, 2);
    EXPECT_EQ(Diagram(*Board, 3, 3), ".O.\nO..\n..O\n");
    // Many such moves are counted past ten.
    std::string Text = "(;GM[1]SZ[9];B[aa]";
    for (int I = 0; I < 12; ++I)
        Text += I % 2 ? ";B[aa]" : ";W[aa]";
    const auto Many = LoadSgf(Text + ")");
    EXPECT_EQ(Many->Info.GameComment,
              "Moves 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 and 2 more are played on points that hold a "
              "stone, as the record has them: the stones there are replaced.");
}

TEST(SgfPlay, HaPlacesNoStoneOfItsOwn) {
    const auto L = LoadSgf("(;GM[1]SZ[19]HA[3]KM[0.5];W[qf];B[qh])");
    EXPECT_EQ(L->DeclaredHandicap, 3);
    EXPECT_EQ(L->HandicapStones, 0);
    EXPECT_EQ(L->FirstPlayer, kWhite);
    auto Board = Replayed(*L);
    GoToMove(*Board, 0);
    for (int Y = 1; Y <= 19; ++Y) {
        for (int X = 1; X <= 19; ++X)
            EXPECT_EQ(Board->PointColour(X, Y), kEmpty);
    }
    EXPECT_EQ(Board->SideToMove(), kWhite);
}

TEST(SgfPlay, TextAroundTheGameTree) {
    // A licence before the tree; a root without its ";" and its komi; a root opening with EV.
    auto L = LoadSgf(
        "This file is free to copy (see http://example.org/licence).\r\n"
        "From: server@example.org\r\n\r\n(;GM[1]FF[4]PB[Kim];B[pd])");
    EXPECT_EQ(L->Info.BlackName, "Kim");
    EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}}));
    L = LoadSgf("(PB[Kim]PW[Lee]KM[6.5]RE[W+R]\n;B[pd];W[dd])");
    EXPECT_EQ(L->Info.Komi, "6.5");
    EXPECT_EQ(L->Info.WhiteName, "Lee");
    EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}, {4, 4}}));
    L = LoadSgf("(;EV[Cup]FF[4]GM[1]SZ[13]KM[6.5]C[root];B[dd])");
    EXPECT_EQ(L->Info.Title, "Cup");
    EXPECT_EQ(L->BoardSize, 13);
    EXPECT_EQ(NotesOf(*L), (std::vector<TNote>{{0, nkComment, "[0] root"}}));
}

TEST(SgfPlay, AFileCutShortIsReadAsFarAsItGoes) {
    const std::string Notice =
        "The file ends before its game tree is closed; it is read as far as it goes.";
    const struct {
        std::string Text;
        TMoves Moves;
        int Notes;  // besides the game comment's
    } Cases[] = {
        {"(;GM[1];B[aa];W[bb]", {{1, 1}, {2, 2}}, 0},
        {"(;GM[1];B[aa]C[one];W[bb]C[cut in the mid", {{1, 1}, {2, 2}}, 1},
        {"(;GM[1];B[aa];W[b", {{1, 1}}, 0},
        {"(;GM[1];B[aa];W", {{1, 1}}, 0},
        {"(;GM[1];B[aa](;W[bb])(;W[cc];B[dd]", {{1, 1}, {2, 2}}, 1},
        {"(;GM[1];B[aa](", {{1, 1}}, 0},
        {"(;GM[1]C[" + std::string(40, 'x') + "\\", {}, 0},
    };
    for (const auto& C : Cases) {
        const auto L = LoadSgf(C.Text);
        EXPECT_EQ(MovesOf(*L), C.Moves) << C.Text;
        EXPECT_EQ(L->Info.GameComment, Notice) << C.Text;
        EXPECT_EQ(L->NoteCount, 1 + C.Notes) << C.Text;
    }
}

TEST(SgfPlay, AFileThatHoldsNoGame) {
    // The first bytes of a PNG file, NUL bytes among them.
    constexpr char kPng[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10";
    const std::string Png(kPng, sizeof kPng - 1);
    const struct {
        std::string Text;
        bool Forced;
    } Cases[] = {
        {Png, false},
        {Png, true},
        {"<!DOCTYPE html>\n<html><body><p>Not found (see the index)</p>\n"
         "<script>for (;;) {}</script></body></html>\n",
         false},
        {"hello (world)", true},
        {"(;)", false},
        {"", false},
    };
    for (const auto& C : Cases) {
        testing::TLoaded L;
        L.Result = LoadRecordText(*L.Record, C.Text, C.Forced ? kFormatSgf : kFormatTag, C.Forced);
        EXPECT_TRUE(L.Result.HoldsNoGame()) << C.Text;
        EXPECT_FALSE(L.Result.Shown) << C.Text;
        EXPECT_EQ(L.Result.Error, "") << C.Text;
    }
    EXPECT_EQ(NoGameMessage("page.html"), "page.html holds no game record");
    // A tag record with something in it is shown, also without a move.
    EXPECT_TRUE(Load("(;EV[Final])\n").Result.Shown);
}

TEST(SgfPlay, TheViewerOpensStandardSgfAtTheStartAndTheOtherFormatsAtTheEnd) {
    const auto Sgf = LoadSgf("(;GM[1]SZ[9]AB[cc]C[problem];B[dd];W[ee])");
    const auto Board = Replayed(*Sgf);
    EXPECT_EQ(OpeningMove(*Sgf, *Board), 0);
    const auto Tag = Load("(;EV[x];B[pd];W[dd])\n");
    const auto TagBoard = Replayed(*Tag);
    EXPECT_EQ(OpeningMove(*Tag, *TagBoard), 2);
}

}  // namespace
}  // namespace xvexo
