// The character sets of standard SGF files as sites and programs write them: a named set with
// a broken sequence, and files that name none (Japanese, Korean, Chinese sites; Latin-1, the
// standard's default). The structure is read on the bytes, each value decoded on its own.

#include <gtest/gtest.h>

#include <string>

#include "record_fixture.h"
#include "records/charset_detection.h"
#include "records/text_charset.h"
#include "support/record_text.h"

namespace xvexo {
namespace {

using testing::LoadSgf;
using testing::MovesOf;
using testing::TMoves;

TEST(SgfCharset, ABrokenSequenceUnderCaUtf8SpoilsOneValueOnly) {
    // A name cut in the middle of its last character (李柯 and the lead byte of a third): read
    // as GB18030 that lead byte would take the "]" after it with it.
    const auto L = LoadSgf(
        "(;GM[1]FF[4]CA[UTF-8]PB[\xE6\x9D\x8E\xE6\x9F\xAF\xE6]BR[9\xE6\xAE\xB5]"
        "PW[\xE6\x9F\xAF\xE6\xB4\x81]KM[6.5];B[pd]C[\xE5\xA5\xBD\xE6])");
    EXPECT_EQ(L->Info.BlackName, "\xE6\x9D\x8E\xE6\x9F\xAF\xEF\xBF\xBD");
    EXPECT_EQ(L->Info.BlackRank, "9\xE6\xAE\xB5");
    EXPECT_EQ(L->Info.WhiteName, "\xE6\x9F\xAF\xE6\xB4\x81");
    EXPECT_EQ(L->Info.Komi, "6.5");
    EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}}));
    ASSERT_EQ(L->NoteCount, 1);
    EXPECT_EQ(L->Notes[0].Text, "[1] \xE5\xA5\xBD\xEF\xBF\xBD");
}

TEST(SgfCharset, FilesWithoutCaAreReadInTheSetTheyAreWrittenIn) {
    if (DetectCharset(testing::InCharset("(;PB[黒の勝ち。白の負け。])", "SHIFT_JIS")).empty()) {
        GTEST_SKIP() << "built without character set detection";
    }
    const struct {
        const char* Set;
        std::string Utf8;  // the file's text
        std::string Black, White, Comment;
    } Cases[] = {
        // A Japanese site: 十 and 表 end in 0x5C, which is no escape there.
        {"SHIFT_JIS",
         "(;GM[1]FF[4]SZ[19]PB[山田太郎]PW[鈴木一郎]EV[第四十期本因坊戦]C[黒の勝ち。表示]\n"
         ";B[pd];W[dd])",
         "山田太郎", "鈴木一郎", "黒の勝ち。表示"},
        {"EUC-KR",
         "(;GM[1]FF[4]SZ[19]PB[이세돌]PW[박정환]BR[9단]EV[제1회 바둑 대회]C[백 불계승]\n"
         ";B[pd];W[dd])",
         "이세돌", "박정환", "백 불계승"},
        {"GB18030",
         "(;GM[1]FF[4]SZ[19]PB[古力]PW[柯洁]EV[第五届应氏杯决赛]C[黑中盘胜]\n;B[pd];W[dd])", "古力",
         "柯洁", "黑中盘胜"},
        {"BIG5",
         "(;GM[1]FF[4]SZ[19]PB[周俊勳]PW[林海峰]EV[第五屆應氏杯決賽]C[黑中盤勝]\n;B[pd];W[dd])",
         "周俊勳", "林海峰", "黑中盤勝"},
        {"ISO-8859-1",
         "(;GM[1]FF[4]SZ[19]PB[René Dupont]PW[Jérôme Lefèvre]C[Fichier SGF créé par un "
         "programme.]\n;B[pd];W[dd])",
         "René Dupont", "Jérôme Lefèvre", "Fichier SGF créé par un programme."},
    };
    for (const auto& C : Cases) {
        const std::string Raw = testing::InCharset(C.Utf8, C.Set);
        ASSERT_FALSE(Raw.empty()) << C.Set;
        const auto L = LoadSgf(Raw);
        EXPECT_EQ(L->Info.BlackName, C.Black) << C.Set;
        EXPECT_EQ(L->Info.WhiteName, C.White) << C.Set;
        EXPECT_EQ(MovesOf(*L), (TMoves{{16, 4}, {4, 4}})) << C.Set;
        ASSERT_EQ(L->NoteCount, 1) << C.Set;
        EXPECT_EQ(L->Notes[0].Text, "[0] " + C.Comment) << C.Set;
        EXPECT_EQ(L->RecordText, Raw);
    }
    // The Japanese fixture holds the trail bytes it is meant to.
    EXPECT_NE(testing::InCharset(Cases[0].Utf8, "SHIFT_JIS").find("\x8F\x5C"), std::string::npos);
}

TEST(SgfCharset, WhatTheTextIsReadInAndWhy) {
    const struct {
        std::string Text;
        std::string Converter;
        bool Declared;
        bool Detected;
    } Cases[] = {
        {"(;CA[UTF-8]PB[\xC6\xE5])", "UTF-8", true, false},
        {"(;CA[Shift_JIS]PB[x])", "CP932", true, false},
        {"(;CA[ISO-8859-1]PB[Ren\xE9])", "CP1252", true, false},
        {"(;CA[ISO-8859-1]PB[Ren\xC3\xA9])", "UTF-8", false, false},
        {"(;PB[Ren\xC3\xA9])", "UTF-8", false, false},
        // The root without its ";", after a licence.
        {"licence (c)\n(CA[EUC-KR]PB[x])", "CP949", true, false},
    };
    for (const auto& C : Cases) {
        std::string Buffer;
        const TSgfSource S = PrepareSgfText(C.Text, Buffer);
        EXPECT_EQ(S.Charset.Converter, C.Converter) << C.Text;
        EXPECT_EQ(S.Charset.DeclaredUsed, C.Declared) << C.Text;
        EXPECT_EQ(S.Charset.Detected, C.Detected) << C.Text;
        EXPECT_EQ(S.Bytes, C.Text);
    }
}

}  // namespace
}  // namespace xvexo
