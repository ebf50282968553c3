#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "record_fixture.h"
#include "records/diagram_code.h"
#include "records/display_text.h"
#include "records/record_format.h"
#include "records/record_loader.h"
#include "records/sgf_values.h"

namespace xvexo {
namespace {

using testing::Load;
using testing::LoadSgf;
using testing::MovesOf;
using testing::NotesOf;
using testing::Replayed;
using testing::TLoaded;
using testing::TMoves;
using testing::TNote;

// The parts of a diagram code, read back by its layout.
struct TDiagram {
    int Start = 0;
    TMoves Moves;
    std::vector<std::tuple<int, int, int>> Labels;
    std::string Comment;
};

TDiagram ReadDiagram(std::string_view Code) {
    TDiagram D;
    D.Start = CodeToIndex(Code.substr(0, 2));
    const int N = CodeToIndex(Code.substr(2, 2));
    for (int K = 0; K < N; ++K)
        D.Moves.emplace_back(CharToCoord(Code[4 + 2 * K]), CharToCoord(Code[5 + 2 * K]));
    std::string_view Rest = Code.substr(4 + 2 * N);
    EXPECT_TRUE(Rest.starts_with(kCodeSeparator)) << Code;
    Rest.remove_prefix(2);
    const int M = CodeToIndex(Rest.substr(0, 2));
    Rest.remove_prefix(M > 0 ? 2 : 0);
    for (int K = 0; K < M; ++K) {
        D.Labels.emplace_back(CharToCoord(Rest[4 * K]), CharToCoord(Rest[4 * K + 1]),
                              CodeToIndex(Rest.substr(4 * K + 2, 2)));
    }
    Rest.remove_prefix(4 * M);
    EXPECT_TRUE(Rest.starts_with(kCodeSeparator)) << Code;
    D.Comment = std::string(Rest.substr(2));
    return D;
}

std::string Repeat(const std::string& S, int N) {
    std::string T;
    for (int i = 0; i < N; ++i)
        T += S;
    return T;
}

// Moves on distinct points of a 19-line board, B and W in turn: point i is (i mod 19 + 1,
// i div 19 + 1), written as SGF letters; passes once all but one point are taken.
std::string SgfMoves(int From, int Count) {
    std::string T;
    for (int i = From; i < From + Count; ++i) {
        T += std::string(";") + (i % 2 ? "W[" : "B[");
        if (i < 360) T += {static_cast<char>('a' + i % 19), static_cast<char>('a' + i / 19)};
        T += "]";
    }
    return T;
}

TEST(RecordFormat, TheTextChoosesTheReader) {
    const struct {
        std::string Text;
        int Format;
    } Cases[] = {
        {"(;EV[x];B[aa])", kFormatTag},
        {" \r\n( ;\n EV[x])", kFormatTag},
        {"(;EVENT[x])", kFormatTag},
        {"\xEF\xBB\xBF(;EV[x])", kFormatTag},
        {"(;GM[1]EV[x])", kFormatSgf},
        {"\xEF\xBB\xBF(;FF[4])", kFormatSgf},
        {"(;B[aa])", kFormatSgf},
        {"(;)", kFormatSgf},
        {"(;;B[aa])", kFormatSgf},
        {"(;eV[x])", kFormatSgf},
        {std::string("\xFF\xFE(\0;\0E\0V\0", 10), kFormatSgf},
        {std::string("\xFE\xFF\0(", 4), kFormatSgf},
        {std::string("(\0;\0", 4), kFormatSgf},
        {"", kFormatTag},
        {")", kFormatTag},
        {"Title\r\n", kFormatTag},
        {"(RN[x]PT[1];B[aa])", kFormatTag},
        // Text before the tree is skipped; a root without its ";"; a root opening with EV that
        // holds what only standard SGF writers put there.
        {"x(;GM[1])", kFormatSgf},
        {"Licence (c) 2003: see\r\nhttp://x (free)\r\n\r\n(;FF[4])", kFormatSgf},
        {"(PB[Kim]KM[6.5];B[pd])", kFormatSgf},
        {"\n( PW [Lee];W[dd])", kFormatSgf},
        {"(EV[x];B[aa])", kFormatTag},
        {"(;EV[Cup]FF[4]GM[1];B[aa])", kFormatSgf},
        {"(;EV[a\\]CA[x]PB[y]AP[z:1])", kFormatSgf},
        {"(;EV[Cup]SZ[19]US[y]PB[z];B[aa]AP[z]CA[x])", kFormatTag},
        {"(;EV[Cup]\r\nPB[z]\r\n;B[aa]GM[1])", kFormatTag},
        {"(see below) (;EV[x])", kFormatTag},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(ChooseRecordFormat(C.Text, kFormatTag), C.Format) << C.Text;
        EXPECT_EQ(ChooseRecordFormat(C.Text, kFormatNgf), kFormatNgf) << C.Text;
    }
    // Through the load path; a forced format is kept.
    EXPECT_EQ(Load("(;GM[1];B[aa])")->FormatMode, kFormatSgf);
    TGameRecord R;
    LoadRecordText(R, "(;GM[1];B[aa])", kFormatTag, true);
    EXPECT_EQ(R.FormatMode, kFormatTag);
}

TEST(SgfRecord, InformationCommentsAndGameComment) {
    const auto L = LoadSgf(
        "(;GM[1]FF[4]SZ[19]KM[6.5]PB[Kim]BR[3d]PW[Lee]WR[9p]EV[Cup]GN[Final]DT[2024-01-02]"
        "PC[Seoul]RE[W+R]TM[5400]OT[3x30 byo-yomi]GC[about\nthe game]C[root]\n"
        ";B[pd]C[one];W[dd]C[two]C[again];B[pp])\n");
    const TVexoInfo& I = L->Info;
    EXPECT_EQ(I.Title, "Cup \xC2\xB7 Final");
    EXPECT_EQ(I.Date, "2024-01-02");
    EXPECT_EQ(I.Place, "Seoul");
    EXPECT_EQ(I.BlackName + "|" + I.BlackRank + "|" + I.WhiteName + "|" + I.WhiteRank,
              "Kim|3d|Lee|9p");
    EXPECT_EQ(I.Result, "W+R");
    EXPECT_EQ(I.Komi, "6.5");
    EXPECT_EQ(L->KomiMode, 1);
    EXPECT_EQ(I.TimeText, "1小时30分");
    EXPECT_EQ(I.ByoyomiCount + "|" + I.ByoyomiSeconds, "3|30");
    EXPECT_EQ(I.CommentMode, "");
    EXPECT_EQ(I.GameComment, "about\nthe game");
    EXPECT_EQ(L->BoardSize, 19);
    EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}, {4, 4}, {16, 16}}));
    EXPECT_EQ(L->Moves[0].Colour, 1);
    EXPECT_EQ(L->Moves[1].Colour, 2);
    EXPECT_EQ(L->FirstPlayer, 1);
    EXPECT_EQ(NotesOf(*L), (std::vector<TNote>{{0, nkComment, "[0] about\nthe game"},
                                               {0, nkComment, "[0] root"},
                                               {1, nkComment, "[1] one"},
                                               {2, nkComment, "[2] two"},
                                               {2, nkComment, "[2] again"}}));
    // The texts are UTF-8 and the raw text is kept as received.
    EXPECT_EQ(L.Result.Encoding, TTextEncoding::Utf8);
    EXPECT_EQ(InfoFieldEncoding(*L, TInfoKind::Komi, TTextEncoding::Gbk), TTextEncoding::Utf8);
    EXPECT_TRUE(L->RecordText.starts_with("(;GM[1]FF[4]"));
}

TEST(SgfRecord, TimesAndOvertime) {
    const struct {
        const char* Props;
        const char* Time;
        const char* Count;
        const char* Seconds;
    } Cases[] = {
        {"TM[3600]", "1小时", "", ""},
        {"TM[2700.5]OT[5x30 byo-yomi]", "45分", "5", "30"},
        {"TM[90]OT[1 \xC3\x97 60]", "1分30秒", "1", "60"},
        {"TM[0]", "0分", "", ""},
        {"TM[1h]OT[25/600 Canadian]", "1h + 25/600 Canadian", "", ""},
        {"OT[3x30 Canadian]", "3x30 Canadian", "", ""},
    };
    for (const auto& C : Cases) {
        const auto L = LoadSgf(std::string("(;GM[1]") + C.Props + ")");
        EXPECT_EQ(L->Info.TimeText, C.Time) << C.Props;
        EXPECT_EQ(L->Info.ByoyomiCount, C.Count) << C.Props;
        EXPECT_EQ(L->Info.ByoyomiSeconds, C.Seconds) << C.Props;
    }
}

TEST(SgfRecord, TextEscapesAndLineBreaks) {
    const auto L = LoadSgf(
        "(;GM[1]PB[a\\]b\\\\c\nd\te]PW[soft \\\r\nbreak]"
        ";B[aa]C[x\\]y\\\\z\\\nw\r\nnext\tline\\:])");
    EXPECT_EQ(L->Info.BlackName, "a]b\\c d e");
    EXPECT_EQ(L->Info.WhiteName, "soft break");
    ASSERT_EQ(L->NoteCount, 1);
    EXPECT_EQ(L->Notes[0].Text, "[1] x]y\\zw\r\nnext line:");
}

TEST(SgfRecord, PassesAndColours) {
    // B[] always, B[tt] on boards of up to 19 lines; older lower-case letters in names.
    const auto L = LoadSgf("(;GM[1];B[];W[tt];Black[cc];White[dd];W[ee])");
    EXPECT_EQ(MovesOf(*L), (TMoves{{0, 0}, {0, 0}, {3, 3}, {4, 4}, {5, 5}}));
    std::string Colours;
    for (int i = 0; i < L->MoveCount; ++i)
        Colours += std::to_string(L->Moves[i].Colour);
    EXPECT_EQ(Colours, "12122");
    const auto Small = LoadSgf("(;GM[1]SZ[9];B[tt];W[ii])");
    EXPECT_EQ(MovesOf(*Small), (TMoves{{0, 0}, {9, 9}}));
    const auto Board = Replayed(*Small);
    EXPECT_EQ(Board->MoveIndex(), 2);
    EXPECT_EQ(Board->PointColour(9, 9), kWhite);
}

TEST(SgfRecord, SetupStonesTiedToMoves) {
    const auto L = LoadSgf("(;GM[1]SZ[9]AB[aa:bb][cc]AW[ea]PL[W];W[dd];B[ee]AE[aa]AW[ff];W[gg])");
    ASSERT_EQ(L->SetupCount, 8);
    std::vector<std::tuple<int, int, int, int>> Setup;
    for (int i = 0; i < L->SetupCount; ++i) {
        const TSetupRec& S = L->Setup[i];
        Setup.emplace_back(S.X, S.Y, S.Colour, S.MoveNo);
    }
    EXPECT_EQ(Setup, (std::vector<std::tuple<int, int, int, int>>{{1, 1, 1, 0},
                                                                  {2, 1, 1, 0},
                                                                  {1, 2, 1, 0},
                                                                  {2, 2, 1, 0},
                                                                  {3, 3, 1, 0},
                                                                  {5, 1, 2, 0},
                                                                  {1, 1, 0, 1},
                                                                  {6, 6, 2, 1}}));
    EXPECT_EQ(L->FirstPlayer, 2);
    // The start of the replay: the root's stones, white to move; later setup is not applied.
    const auto Board = Replayed(*L);
    EXPECT_EQ(Board->MoveIndex(), 3);
    EXPECT_EQ(Board->PointColour(3, 3), kBlack);
    EXPECT_EQ(Board->PointColour(5, 1), kWhite);
    EXPECT_EQ(Board->PointColour(4, 4), kWhite);
    EXPECT_EQ(Board->PointColour(5, 5), kBlack);
    EXPECT_EQ(Board->PointColour(7, 7), kWhite);
    GoToMove(*Board, 0);
    EXPECT_EQ(Board->MoveIndex(), 0);
    EXPECT_EQ(Board->PointColour(1, 1), kBlack);
    EXPECT_EQ(Board->SideToMove(), kWhite);
}

TEST(SgfRecord, HandicapStonesAreTheRecordsOwn) {
    // Nine stones as the record places them: not the board's table, white plays first.
    const auto L =
        LoadSgf("(;GM[1]SZ[19]HA[9]KM[0.5]AB[dd][jd][pd][dj][jj][pj][dp][jp][pp];W[qf];B[qh])");
    EXPECT_EQ(L->HandicapStones, 0);
    EXPECT_EQ(L->DeclaredHandicap, 9);
    EXPECT_EQ(L->SetupCount, 9);
    EXPECT_EQ(L->FirstPlayer, 2);
    auto Board = Replayed(*L);
    EXPECT_EQ(Board->PointColour(17, 6), kWhite);
    EXPECT_EQ(Board->PointColour(17, 8), kBlack);
    GoToMove(*Board, 0);
    int Black = 0;
    for (int Y = 1; Y <= 19; ++Y) {
        for (int X = 1; X <= 19; ++X)
            Black += Board->PointColour(X, Y) == kBlack;
    }
    EXPECT_EQ(Black, 9);
    EXPECT_EQ(Board->PointColour(10, 10), kBlack);
    EXPECT_EQ(Board->SideToMove(), kWhite);
}

TEST(SgfRecord, MarkupTiedToMoves) {
    const auto L = LoadSgf(
        "(;GM[1]SZ[9]LB[aa:A][ba:b][ca:12][da:\xEB\x82\x98][ea:Go on][fa:?][ga:0][zz:A]"
        ";B[ee]TR[ab]SQ[bb:cb]CR[ac]MA[bc];W[ff]TR[jj])");
    std::vector<std::tuple<int, int, int, int>> Marks;
    for (int i = 0; i < L->MarkCount; ++i) {
        const TMarkRec& M = L->Marks[i];
        Marks.emplace_back(M.X, M.Y, M.Code, M.MoveNo);
    }
    EXPECT_EQ(Marks, (std::vector<std::tuple<int, int, int, int>>{
                         {1, 1, 600, 0},
                         {2, 1, 601, 0},
                         {3, 1, 12, 0},
                         {4, 1, 631, 0},
                         {5, 1, 606, 0},
                         {1, 2, kMarkTriangle, 1},
                         {2, 2, kMarkSquare, 1},
                         {3, 2, kMarkSquare, 1},
                         {1, 3, kMarkCircle, 1},
                         {2, 3, kMarkCross, 1},
                     }));
}

TEST(SgfRecord, VariationsBecomeDiagrams) {
    // Main line: B dd, W pp, B dp, W pd. At move 1 (in place of W pp) a line of depth 1, one of
    // depth 2 inside it and a second line of depth 1; at move 3 (in place of W pd) a line of
    // depth 1 and a line without moves.
    const auto L = LoadSgf(
        "(;GM[1];B[dd]C[main one]"
        "(;W[pp];B[dp]C[main three]"
        "  (;W[pd])"
        "  (;W[qc]C[other])"
        "  (;C[just words]))"
        "(;W[qq]C[try]LB[qq:A][rr:b];B[dq]LB[rr:b]"
        "  (;W[dp]C[end])"
        "  (;W[cq]C[deep];B[cp]LB[cp:D][cp:C]))"
        "(;W[qp]))");
    EXPECT_EQ(MovesOf(*L), (TMoves{{4, 4}, {16, 16}, {4, 16}, {16, 4}}));
    const auto Notes = NotesOf(*L);
    ASSERT_EQ(Notes.size(), 7u);
    EXPECT_EQ(Notes[0], (TNote{1, nkComment, "[1] main one"}));
    for (int K : {1, 2, 3}) {
        EXPECT_EQ(Notes[K].MoveNo, 1);
        EXPECT_EQ(Notes[K].Kind, nkDiagram);
    }
    EXPECT_EQ(Notes[4], (TNote{3, nkComment, "[3] main three"}));
    EXPECT_EQ(Notes[5].MoveNo, 3);
    EXPECT_EQ(Notes[5].Kind, nkDiagram);
    EXPECT_EQ(Notes[6], (TNote{3, nkComment, "[3] just words"}));
    // Depth 1: its own moves, its comments by diagram move, its labels (a lower-case letter
    // shows as a capital; a point labelled again keeps one label, the later).
    const TDiagram A = ReadDiagram(Notes[1].Text);
    EXPECT_EQ(A.Start, 2);
    EXPECT_EQ(A.Moves, (TMoves{{17, 17}, {4, 17}, {4, 16}}));
    EXPECT_EQ(A.Labels, (std::vector<std::tuple<int, int, int>>{{17, 17, 600}, {18, 18, 601}}));
    EXPECT_EQ(A.Comment, "[1] try\n[3] end");
    // Depth 2: the parent line's moves from the branch point, then its own.
    const TDiagram B = ReadDiagram(Notes[2].Text);
    EXPECT_EQ(B.Start, 2);
    EXPECT_EQ(B.Moves, (TMoves{{17, 17}, {4, 17}, {3, 17}, {3, 16}}));
    EXPECT_EQ(B.Labels, (std::vector<std::tuple<int, int, int>>{{3, 16, 602}}));
    EXPECT_EQ(B.Comment, "[3] deep");
    const TDiagram C = ReadDiagram(Notes[3].Text);
    EXPECT_EQ(C.Start, 2);
    EXPECT_EQ(C.Moves, (TMoves{{17, 16}}));
    EXPECT_TRUE(C.Labels.empty());
    EXPECT_EQ(C.Comment, "");
    const TDiagram D = ReadDiagram(Notes[5].Text);
    EXPECT_EQ(D.Start, 4);
    EXPECT_EQ(D.Moves, (TMoves{{17, 3}}));
    EXPECT_EQ(D.Comment, "[1] other");
}

TEST(SgfRecord, ADiagramDropsALabelOnAPointItsLaterMovesTake) {
    // "A" marks the empty point black takes next: the stone keeps its number there. "B" on an
    // empty point and "C" on the stone just played stay.
    const auto L = LoadSgf("(;GM[1];B[dd](;W[pp])(;W[qq]LB[dp:A][cc:B][qq:C];B[dp]))");
    const auto Notes = NotesOf(*L);
    ASSERT_EQ(Notes.size(), 1u);
    const TDiagram D = ReadDiagram(Notes[0].Text);
    EXPECT_EQ(D.Moves, (TMoves{{17, 17}, {4, 16}}));
    EXPECT_EQ(D.Labels, (std::vector<std::tuple<int, int, int>>{{3, 3, 601}, {17, 17, 602}}));
}

TEST(SgfRecord, BoardSizesReplayWithCapturesAtTheEdge) {
    // White stones on the far edges capture a black stone in the far corner, which has no
    // liberty beyond the last line; the same on 13 lines.
    const auto Nine = LoadSgf("(;GM[1]FF[4]SZ[9];B[ii];W[hi];B[aa];W[ih])");
    EXPECT_EQ(Nine->BoardSize, 9);
    auto Board = Replayed(*Nine);
    EXPECT_EQ(Board->MoveIndex(), 4);
    EXPECT_EQ(Board->PointColour(9, 9), kEmpty);
    EXPECT_EQ(Board->WhitePrisonerCount() + Board->BlackPrisonerCount(), 1);
    const auto Thirteen =
        LoadSgf("(;GM[1]SZ[13:13];B[mm];W[lm];B[aa];W[ml];B[ma];W[la];B[ab];W[mb])");
    EXPECT_EQ(Thirteen->BoardSize, 13);
    Board = Replayed(*Thirteen);
    EXPECT_EQ(Board->PointColour(13, 13), kEmpty);
    EXPECT_EQ(Board->PointColour(13, 1), kEmpty);
    EXPECT_EQ(Board->WhitePrisonerCount() + Board->BlackPrisonerCount(), 2);
    // The tag and NGF formats stay at 19.
    EXPECT_EQ(Load("(;EV[x];B[aa])\n")->BoardSize, 19);
}

TEST(SgfRecord, SeveralGamesShowTheFirst) {
    const auto L = LoadSgf("(;GM[1]PB[first];B[aa])\n(;GM[1]PB[second];B[bb]C[x(]])(;B[cc])");
    EXPECT_EQ(L->Info.BlackName, "first");
    EXPECT_EQ(MovesOf(*L), (TMoves{{1, 1}}));
    EXPECT_EQ(L->Info.GameComment, "The file holds 3 games; the first is shown.");
    ASSERT_EQ(L->NoteCount, 1);
    EXPECT_EQ(L->Notes[0].Text, "[0] The file holds 3 games; the first is shown.");
}

TEST(SgfRecord, CapacitiesDropTheRestWithANotice) {
    // 520 moves with a comment after the last: 500 kept, the rest and its comment left out.
    auto L = LoadSgf("(;GM[1]" + SgfMoves(0, 520) + "C[late])");
    EXPECT_EQ(L->MoveCount, 500);
    EXPECT_EQ(L->NoteCount, 1);
    EXPECT_EQ(L->Info.GameComment,
              "Only the first 500 moves are shown; 20 more moves are left out.");
    // A variation of 450 moves is cut at 400.
    L = LoadSgf("(;GM[1];B[aa](;W[bb])(" + SgfMoves(1, 450) + "))");
    ASSERT_EQ(L->NoteCount, 2);
    EXPECT_EQ(L->Notes[0].Text, "[0] 1 variation cut after 400 moves.");
    const TDiagram Long = ReadDiagram(L->Notes[1].Text);
    EXPECT_EQ(Long.Start, 2);
    EXPECT_EQ(Long.Moves.size(), 400u);
    // 2100 comments: the notes are full, the game comment takes the last place.
    L = LoadSgf("(;GM[1]GC[gc];B[aa]" + Repeat("C[n]", 2100) + ")");
    EXPECT_EQ(L->NoteCount, TGameRecord::MaxNotes);
    EXPECT_EQ(L->Notes[0].Text,
              "[0] gc\n101 comments or variations past the 2000 notes a record holds left out.");
    EXPECT_EQ(L->Notes[1999].Text, "[1] n");
    // Setup stones and marks past their lists; setup inside variations.
    L = LoadSgf("(;GM[1]AB" + Repeat("[aa:ss]", 6) + "TR" + Repeat("[aa:ss]", 12) +
                "(;B[tt])(;AW[bb:cc]))");
    EXPECT_EQ(L->SetupCount, TGameRecord::MaxSetup);
    EXPECT_EQ(L->MarkCount, TGameRecord::MaxMarks);
    EXPECT_EQ(L->Info.GameComment,
              "166 setup stones past the 2000 a record holds left out.\n332 board marks past the "
              "4000 a record holds left out.\n4 stones set up inside variations not shown.");
    // Variations at move 500 cannot be shown: the board holds 500 moves.
    L = LoadSgf("(;GM[1]" + SgfMoves(0, 500) + "(;B[ss])(;B[rs]))");
    EXPECT_EQ(L->Info.GameComment,
              "Only the first 500 moves are shown; 1 more move is left out.\n1 variation after "
              "move 500 left out.");
}

TEST(SgfRecord, DeepNestingAndWideNodesWithinBounds) {
    // Every move in its own variation, 200000 deep: read in one pass, 500 moves kept.
    std::string Text = "(;GM[1]";
    for (int i = 0; i < 200000; ++i)
        Text += i % 2 ? "(;W[bb]" : "(;B[aa]";
    Text += std::string(200001, ')');
    const auto L = LoadSgf(Text);
    EXPECT_EQ(L->MoveCount, 500);
    // Past a million open variations the load fails cleanly.
    const auto Deep = Load("(;GM[1]" + Repeat("(;", 1000001));
    EXPECT_EQ(Deep.Result.Error, "SGF record, line 1: variations nest deeper than 1000000 levels");
    // A node is read whole before it is used: its values are bounded too.
    const auto Wide = Load("(;GM[1];C" + Repeat("[]", 100001) + ")");
    EXPECT_EQ(Wide.Result.Error, "SGF record, line 1: a node with more than 100000 values");
}

TEST(SgfRecord, MalformedTextsFailWithClearMessages) {
    const struct {
        std::string Text;
        std::string Error;
    } Cases[] = {
        {"(;GM[1]\n\n;B[zz])",
         "SGF record, line 3: move \"zz\" is not a point of the board "
         "(19x19)"},
        {"(;SZ[9];W[aj])", "SGF record, line 1: move \"aj\" is not a point of the board (9x9)"},
        {"(;GM[1];B[a])", "SGF record, line 1: move \"a\" is not a point of the board (19x19)"},
        {"(;GM[1]AB[aa:zz])", "SGF record, line 1: \"aa:zz\" is not a point of the board (19x19)"},
        {"(;SZ[1000])", "SGF record, line 1: board size 1000 is not supported (2 to 19 lines)"},
        {"(;SZ[99999999999999])",
         "SGF record, line 1: board size \"99999999999999\" is not a "
         "number"},
        {"(;SZ[1])", "SGF record, line 1: board size 1 is not supported (2 to 19 lines)"},
        {"(;SZ[19:13])", "SGF record, line 1: rectangular boards (19x13) are not supported"},
        {"(;GM[2]SZ[8])", "SGF record, line 1: the record is of another game than Go (GM \"2\")"},
        {"(;GM[1]B)", "SGF record, line 1: property \"B\" has no value"},
        {"(;GM[1]()", "SGF record, line 1: an empty game tree"},
        {"(;GM[1]((;B[aa])))", "SGF record, line 1: a game tree must begin with a node (\";\")"},
        {"(;GM[1](;B[aa]);W[bb])",
         "SGF record, line 1: a node (\";\") after the end of a "
         "variation"},
        {"(;GM[1];[x])", "SGF record, line 1: a value without a property name"},
        {"(;GM[1]%)", "SGF record, line 1: unexpected \"%\""},
        {"(;GM[1]\x01)", "SGF record, line 1: unexpected \"?\""},
        {"(;GM[1]b[aa])", "SGF record, line 1: property name \"b\" has no capital"},
        {"(;GM[1](;B[aa])C[x])", "SGF record, line 1: a property outside a node"},
    };
    for (const auto& C : Cases) {
        const auto L = Load(C.Text);
        EXPECT_EQ(L->FormatMode, kFormatSgf) << C.Text;
        EXPECT_FALSE(L.Result.Shown) << C.Text;
        EXPECT_EQ(L.Result.Error, C.Error) << C.Text;
    }
    // A long value is cut in the message.
    EXPECT_EQ(Load("(;GM[1];B[" + std::string(40, 'q') + "])").Result.Error,
              "SGF record, line 1: move \"" + std::string(32, 'q') +
                  "...\" is not a point of the board (19x19)");
    // Marks off the board are only skipped.
    EXPECT_EQ(LoadSgf("(;GM[1]SZ[9]TR[jj]LB[zz:A]MA[aa:zz];B[aa])")->MarkCount, 0);
}

TEST(SgfRecord, CharacterSets) {
    const struct {
        std::string Text;
        std::string Name;     // PB as stored, UTF-8
        std::string Comment;  // the note of move 1
    } Cases[] = {
        // Korean in EUC-KR (김철수, 바둑).
        {"(;CA[EUC-KR]PB[\xB1\xE8\xC3\xB6\xBC\xF6];B[aa]C[\xB9\xD9\xB5\xCF])",
         "\xEA\xB9\x80\xEC\xB2\xA0\xEC\x88\x98", "\xEB\xB0\x94\xEB\x91\x91"},
        // Shift_JIS, whose ソ and 表 end in 0x5C: the comment ends at the "]" after them.
        {"(;CA[Shift_JIS]PB[\x83\x5C];B[aa]C[\x95\x5C])", "\xE3\x82\xBD", "\xE8\xA1\xA8"},
        // Big5: 本因坊, whose 因 ends in 0x5D, and 功 ending in 0x5C.
        {"(;CA[big5]PB[\xA5\xBB\xA6\x5D\xA7\x7B];B[aa]C[\xA5\x5C])",
         "\xE6\x9C\xAC\xE5\x9B\xA0\xE5\x9D\x8A", "\xE5\x8A\x9F"},
        // No CA: UTF-8 when valid (棋).
        {"(;PB[\xE6\xA3\x8B];B[aa]C[x])", "\xE6\xA3\x8B", "x"},
        // A UTF-8 byte-order mark.
        {"\xEF\xBB\xBF(;PB[\xE6\xA3\x8B];B[aa]C[x])", "\xE6\xA3\x8B", "x"},
        // Wrong CA: an unknown name, a set that is not ASCII-compatible, a name that is none:
        // each is read as if there were none. A file converted to UTF-8 that kept its CA.
        {"(;CA[no-such-set]PB[\xE6\xA3\x8B];B[aa]C[x])", "\xE6\xA3\x8B", "x"},
        {"(;CA[UTF-16]PB[\xE6\xA3\x8B];B[aa]C[x])", "\xE6\xA3\x8B", "x"},
        {"(;CA[//TRANSLIT]PB[Ren\xE9];B[aa]C[x])", "Ren\xC3\xA9", "x"},
        {"(;CA[EUC-KR]PB[\xEA\xB9\x80];B[aa]C[x])", "\xEA\xB9\x80", "x"},
        // The named set wins over bytes it cannot decode: each is U+FFFD in its value alone.
        {"(;CA[UTF-8]PB[\xC6\xE5];B[aa]C[x])", "\xEF\xBF\xBD\xEF\xBF\xBD", "x"},
        {"(;CA[Shift_JIS]PB[\xC6\xE5\x80\x80];B[aa]C[\x95\x5C])",
         "\xEF\xBE\x86\xE8\x9B\x9F\xEF\xBF\xBD", "\xE8\xA1\xA8"},
        // Latin-1 as named; UTF-8 under a Latin name stays UTF-8.
        {"(;CA[ISO-8859-1]PB[Ren\xE9];B[aa]C[x])", "Ren\xC3\xA9", "x"},
        {"(;CA[iso-8859-1]PB[Ren\xC3\xA9];B[aa]C[x])", "Ren\xC3\xA9", "x"},
    };
    for (const auto& C : Cases) {
        const auto L = LoadSgf(C.Text);
        EXPECT_EQ(L->Info.BlackName, C.Name) << C.Text;
        ASSERT_EQ(L->NoteCount, 1) << C.Text;
        EXPECT_EQ(L->Notes[0].Text, "[1] " + C.Comment) << C.Text;
        EXPECT_EQ(L->RecordText, C.Text);
    }
}

TEST(SgfRecord, Utf16WithAndWithoutByteOrderMark) {
    const std::string Ascii = "(;PB[x];B[aa]C[y])";
    for (const bool Little : {true, false}) {
        for (const bool Mark : {true, false}) {
            std::string Text = Mark ? (Little ? "\xFF\xFE" : "\xFE\xFF") : "";
            for (char C : Ascii) {
                Text += Little ? std::string{C, '\0'} : std::string{'\0', C};
            }
            // 이 (U+C774) as the name.
            std::string Name = Little ? "\x74\xC7" : "\xC7\x74";
            Text.insert(Text.find(Little ? std::string("x\0", 2) : std::string("\0x", 2)), Name);
            const auto L = LoadSgf(Text);
            EXPECT_EQ(L->Info.BlackName, "\xEC\x9D\xB4x") << Little << Mark;
            EXPECT_EQ(MovesOf(*L), (TMoves{{1, 1}}));
        }
    }
    // A lone surrogate is replaced; an odd last byte is not read past.
    const auto Le = [](std::string_view Ascii) {
        std::string T;
        for (char C : Ascii)
            T += std::string{C, '\0'};
        return T;
    };
    const auto L =
        LoadSgf("\xFF\xFE" + Le("(;B[aa]C[") + std::string("\x00\xD8", 2) + Le("])") + "(");
    ASSERT_EQ(L->NoteCount, 1);
    EXPECT_EQ(L->Notes[0].Text, "[1] \xEF\xBF\xBD");
}

TEST(SgfValues, LabelCodes) {
    const struct {
        const char* Text;
        int Code;
    } Cases[] = {{"A", 600}, {"z", 625},   {" Q ", 616},
                 {"1", 1},   {"500", 500}, {"501", 0},
                 {"0", 0},   {"Xy", 623},  {"\xED\x95\x98", 643},
                 {"?", 0},   {"", 0},      {"\xEA\xB0\x80\xEB\x82\x98", 0}};
    for (const auto& C : Cases)
        EXPECT_EQ(SgfLabelCode(C.Text), C.Code) << C.Text;
}

}  // namespace
}  // namespace xvexo
