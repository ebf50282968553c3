#include <gtest/gtest.h>

#include "record_fixture.h"
#include "records/tag_parser.h"
#include "support/record_text.h"

namespace xvexo {
namespace {

using testing::LoadTag;
using testing::MovesOf;
using testing::TMoves;

constexpr const char* kExample = "(;EV[Final]PB[B1]PW[W1]KO[6.5];B[pd];W[dd]C[good])";

TEST(TagRecord, WorkedExampleWithAndWithoutFinalLineBreak) {
    for (std::string Text : {std::string(kExample) + "\n", std::string(kExample)}) {
        const auto L = LoadTag(Text);
        EXPECT_TRUE(L.Result.Shown);
        EXPECT_FALSE(L.Result.Failed());
        EXPECT_EQ(L->Info.Title, "Final");
        EXPECT_EQ(L->Info.BlackName, "B1");
        EXPECT_EQ(L->Info.WhiteName, "W1");
        EXPECT_EQ(L->Info.Komi, "6.5");
        EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}, {4, 4}}));
        ASSERT_EQ(L->NoteCount, 1);
        EXPECT_EQ(L->Notes[0].MoveNo, 2);
        EXPECT_EQ(L->Notes[0].Kind, nkComment);
        EXPECT_EQ(L->Notes[0].Text, "[2] good");
        EXPECT_EQ(L->RecordText, Text);
    }
}

TEST(TagRecord, InformationFields) {
    const auto L = LoadTag(
        "(;EV[a]TE[b]GN[c]GD[d]GH[e]RD[r1]DT[r2]PC[p]PB[pb]PW[pw]RE[re]TM[tm]LT[lt]LC[lc]"
        "KO[ko]BR[br]WR[wr]GK[1]TC[tc]XX[dropped]PC[p2]\r\n;B[aa])\n");
    const TVexoInfo& I = L->Info;
    EXPECT_EQ(I.Title, "abcde");  // appended in record order
    EXPECT_EQ(I.Date, "r2");      // last one wins
    EXPECT_EQ(I.Place, "p2");
    EXPECT_EQ(I.BlackName + I.WhiteName + I.Result + I.TimeText, "pbpwretm");
    EXPECT_EQ(I.ByoyomiSeconds + I.ByoyomiCount + I.Komi + I.BlackRank + I.WhiteRank, "ltlckobrwr");
    EXPECT_EQ(I.CommentMode, "1");
    EXPECT_EQ(I.GameComment, "tc");
    EXPECT_EQ(MovesOf(*L), (TMoves{{1, 1}}));
}

TEST(TagRecord, MoveValues) {
    // B[] records nothing; B[tt] records (20, 20); B[pdx] in the main record records nothing.
    EXPECT_EQ(MovesOf(*LoadTag("(;EV[x];B[];W[dd])\n")), (TMoves{{4, 4}}));
    EXPECT_EQ(MovesOf(*LoadTag("(;EV[x];B[tt])\n")), (TMoves{{20, 20}}));
    EXPECT_EQ(MovesOf(*LoadTag("(;EV[x];B[pdx];W[dd])\n")), (TMoves{{4, 4}}));
    // An uppercase pair left in the buffer by an information value is no move.
    EXPECT_EQ(MovesOf(*LoadTag("(;EV[x]RE[AB];]W[cc])\n")), (TMoves{{3, 3}}));
    // Inside a node other names are skipped, so their value of two letters reads as a move.
    EXPECT_EQ(MovesOf(*LoadTag("(;EV[x];B[aa];XY[bb])\n")), (TMoves{{1, 1}, {2, 2}}));
    // A third "[" with no move letter before it drops the value that follows.
    EXPECT_EQ(MovesOf(*LoadTag("(;EV[x];[[[bb];W[cc])\n")), (TMoves{{3, 3}}));
}

TEST(TagRecord, CommentsAndMoveNumbers) {
    const auto L = LoadTag("(;EV[x]C[before];B[aa]C[one]C[two];W[bb]C[a]b])\n");
    ASSERT_EQ(L->NoteCount, 4);
    EXPECT_EQ(L->Notes[0].Text, "[0] before");
    EXPECT_EQ(L->Notes[0].MoveNo, 0);
    EXPECT_EQ(L->Notes[1].Text, "[1] one");
    EXPECT_EQ(L->Notes[2].Text, "[1] two");
    EXPECT_EQ(L->Notes[2].MoveNo, 1);
    // The comment ends at the first "]"; "b]" is skipped between properties.
    EXPECT_EQ(L->Notes[3].Text, "[2] a");
    EXPECT_TRUE(L.Result.Shown);
}

TEST(TagRecord, ClosingBracketAsSecondByteOfGbkCharacter) {
    // 0x81 0x5D is one GBK character; its second byte ends the comment.
    const auto L = LoadTag("(;EV[x];B[aa]C[\xB0\xA1\x81]\xB0\xA1];W[bb])\n");
    ASSERT_EQ(L->NoteCount, 1);
    EXPECT_EQ(L->Notes[0].Text, "[1] \xB0\xA1\x81");
    EXPECT_EQ(MovesOf(*L), (TMoves{{1, 1}, {2, 2}}));
}

TEST(TagRecord, BlankBeforeBracketStops) {
    // Stopped with no ")" met before: not shown, what was stored stays.
    auto L = LoadTag("(;EV[x];B[aa]GN [y];W[bb])\n");
    EXPECT_FALSE(L.Result.Shown);
    EXPECT_FALSE(L.Result.Failed());
    EXPECT_EQ(L->Info.Title, "x");
    EXPECT_EQ(MovesOf(*L), (TMoves{{1, 1}}));
    // A ")" met between properties before the stop: shown.
    L = LoadTag("(;EV[x];B[aa])GN [y];W[bb])\n");
    EXPECT_TRUE(L.Result.Shown);
    EXPECT_EQ(MovesOf(*L), (TMoves{{1, 1}}));
}

TEST(TagRecord, SecondGameTreeAddsToFirst) {
    const auto L = LoadTag("(;EV[a];B[pd])(;EV[b];W[dd]C[x])\n");
    EXPECT_EQ(L->Info.Title, "ab");
    EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}, {4, 4}}));
    ASSERT_EQ(L->NoteCount, 1);
    EXPECT_EQ(L->Notes[0].MoveNo, 2);
}

TEST(TagRecord, DiagramBlockBecomesNote) {
    const auto L = LoadTag("(;EV[x];B[pd]C[c](RN[x]PT[2];B[pd];W[dd];L[qca]C[note]);W[dd])\n");
    EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}, {4, 4}}));
    ASSERT_EQ(L->NoteCount, 2);
    EXPECT_EQ(L->Notes[1].Kind, nkDiagram);
    EXPECT_EQ(L->Notes[1].MoveNo, 1);
    EXPECT_EQ(L->Notes[1].Text, "ACABEE\\!ABRDXC\\!note");
    // A block that keeps no move still counts as a diagram note.
    const auto E = LoadTag("(;EV[x];B[pd](RN[x]PT[1])(RN[y]PT[1];B[aa]))\n");
    ASSERT_EQ(E->NoteCount, 2);
    EXPECT_EQ(E->Notes[0].Text, "");
    EXPECT_EQ(E->Notes[1].Text, "ABABBB\\!\\!");
}

TEST(TagRecord, DiagramOutsideItsParenthesesSwallowsTheRest) {
    const auto L = LoadTag("(;EV[x];B[pd]RN[x]PT[1];W[dd];B[qq]C[lost])\n");
    EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}}));
    ASSERT_EQ(L->NoteCount, 1);
    EXPECT_EQ(L->Notes[0].Text, "ABACEERR\\!\\!lost");
}

TEST(TagRecord, StartNumberNotDecimalFailsTheLoad) {
    const auto L = LoadTag("(;EV[x];B[pd]C[kept](RN[x]PT[];B[aa]);W[dd])\n");
    EXPECT_FALSE(L.Result.Shown);
    EXPECT_EQ(L.Result.Error, "\"\" is not a decimal number");
    EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}}));
    ASSERT_EQ(L->NoteCount, 1);  // the block's note is not stored
    EXPECT_EQ(L->Notes[0].Text, "[1] kept");
}

TEST(TagRecord, LastByteIsNeverExamined) {
    // The final "]" is the last byte: the move is not recorded.
    EXPECT_EQ(LoadTag("(;EV[x];B[aa]")->MoveCount, 0);
    EXPECT_EQ(LoadTag("(;EV[x];B[aa] ")->MoveCount, 1);
    // A text ending inside a value stores nothing of it.
    const auto L = LoadTag("(;EV[x];B[aa]C[unfinished");
    EXPECT_EQ(L->NoteCount, 0);
    EXPECT_TRUE(L.Result.Shown);
    EXPECT_EQ(LoadTag("")->MoveCount, 0);
    EXPECT_EQ(LoadTag(")")->MoveCount, 0);
}

TEST(TagRecord, CapacitiesIgnoreTheExcess) {
    std::string Text = "(;EV[x]";
    for (int i = 0; i < 520; ++i)
        Text += ";B[aa]";
    Text += "C[late]";
    for (int i = 0; i < 2100; ++i)
        Text += "C[n]";
    Text += ")\n";
    const auto L = LoadTag(Text);
    EXPECT_EQ(L->MoveCount, 500);
    ASSERT_EQ(L->NoteCount, 2000);
    EXPECT_EQ(L->Notes[0].MoveNo, 500);
    EXPECT_EQ(L->Notes[0].Text, "[500] late");
    EXPECT_EQ(L->Notes[1999].Text, "[500] n");
}

TEST(TagRecord, EachLoadStartsEmpty) {
    TGameRecord R;
    std::vector<std::string> Ngf = testing::NgfHeader("3", "60", "1");
    Ngf.push_back("....BDD");
    LoadRecordText(R, testing::NgfText(Ngf, "\n"), kFormatNgf);
    LoadRecordText(R, "(;EV[x]C[c])\n", kFormatTag);
    EXPECT_EQ(R.HandicapStones, 0);
    EXPECT_EQ(R.KomiMode, 1);
    EXPECT_EQ(R.Info.WhiteName, "");
    EXPECT_EQ(R.Info.Date, "");
    EXPECT_EQ(R.MoveCount, 0);
    EXPECT_EQ(R.FormatMode, kFormatTag);
    // An NGF load after a tag record keeps none of its notes or comment fields.
    LoadRecordText(R, "(;EV[x]GK[1]TC[t];B[aa]C[c])\n", kFormatTag);
    LoadRecordText(R, testing::NgfText(testing::NgfHeader()), kFormatNgf);
    EXPECT_EQ(R.NoteCount, 0);
    EXPECT_EQ(R.Info.CommentMode, "");
    EXPECT_EQ(R.Info.GameComment, "");
    EXPECT_EQ(R.MoveCount, 0);
}

}  // namespace
}  // namespace xvexo
