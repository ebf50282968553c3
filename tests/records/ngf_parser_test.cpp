#include <gtest/gtest.h>

#include "record_fixture.h"
#include "records/ngf_parser.h"
#include "support/record_text.h"

namespace xvexo {
namespace {

using testing::LoadNgf;
using testing::MovesOf;
using testing::NgfHeader;
using testing::NgfText;
using testing::TMoves;

TEST(NgfRecord, HeaderFields) {
    const auto L = LoadNgf(NgfText(NgfHeader()));
    EXPECT_TRUE(L.Result.Shown);
    EXPECT_FALSE(L.Result.Failed());
    EXPECT_EQ(L->FormatMode, kFormatNgf);
    const TVexoInfo& I = L->Info;
    EXPECT_EQ(I.Title, "Title");
    EXPECT_EQ(I.WhiteName, "WhiteP");
    EXPECT_EQ(I.WhiteRank, "9D");
    EXPECT_EQ(I.BlackName, "BlackP");
    EXPECT_EQ(I.BlackRank, "3D");
    EXPECT_EQ(I.Place, "Seoul");
    EXPECT_EQ(I.Date, "2002-03-15");
    EXPECT_EQ(I.TimeText,
              "1\xD0\xA1\xCA\xB1"
              "30\xB7\xD6");  // 1小时30分
    EXPECT_EQ(I.ByoyomiSeconds, "0");
    EXPECT_EQ(I.ByoyomiCount, "0");
    EXPECT_EQ(I.Result, "W+R");
    EXPECT_EQ(L->MoveCount, 0);
    EXPECT_EQ(L->RecordText, "");
}

TEST(NgfRecord, HandicapLine) {
    const struct {
        const char* Line;
        const char* Komi;
        int Stones;
        int KomiMode;
    } Cases[] = {
        {"0", "6.5", 0, 1},
        {"1", "\xC1\xA4\xBC\xB1", 0, 2},
        {"3", "3\xD7\xD3\xC8\xC3\xD7\xD3\xC6\xE5", 3, 2},
    };
    for (const auto& C : Cases) {
        const auto L = LoadNgf(NgfText(NgfHeader(C.Line)));
        EXPECT_EQ(L->Info.Komi, C.Komi) << C.Line;
        EXPECT_EQ(L->HandicapStones, C.Stones) << C.Line;
        EXPECT_EQ(L->KomiMode, C.KomiMode) << C.Line;
    }
    // Not decimal: the load fails with Komi already set and later fields untouched.
    const auto L = LoadNgf(NgfText(NgfHeader("two")));
    EXPECT_EQ(L.Result.Error, "\"two\" is not a decimal number");
    EXPECT_FALSE(L.Result.Shown);
    EXPECT_EQ(L->Info.Komi, "two\xD7\xD3\xC8\xC3\xD7\xD3\xC6\xE5");
    EXPECT_EQ(L->Info.Place, "Seoul");
    EXPECT_EQ(L->Info.Date, "");
}

TEST(NgfRecord, TimeLine) {
    const struct {
        const char* Line;
        const char* Text;
    } Cases[] = {
        {"45", "45\xB7\xD6"},
        {"120", "2\xD0\xA1\xCA\xB1"},
        {"0", "0\xB7\xD6"},
        {"90",
         "1\xD0\xA1\xCA\xB1"
         "30\xB7\xD6"},
        {"599", "\xCE\xDE\xCF\xDE\xD6\xC6"},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(LoadNgf(NgfText(NgfHeader("0", C.Line)))->Info.TimeText, C.Text);
    const auto L = LoadNgf(NgfText(NgfHeader("0", "1:30")));
    EXPECT_EQ(L.Result.Error, "\"1:30\" is not a decimal number");
    EXPECT_EQ(L->Info.ByoyomiSeconds, "");
}

TEST(NgfRecord, DateAndPlayerLines) {
    auto H = NgfHeader();
    H[8] = "0x2002-03-15";  // first "-" is the 7th character: the first two go
    H[2] = " 9D *";         // a blank first: empty name
    H[3] = "Kim9D*";        // no blank: empty name, the whole line less "*" as rank
    const auto L = LoadNgf(NgfText(H));
    EXPECT_EQ(L->Info.Date, "2002-03-15");
    EXPECT_EQ(L->Info.WhiteName, "");
    EXPECT_EQ(L->Info.WhiteRank, "9D");
    EXPECT_EQ(L->Info.BlackName, "");
    EXPECT_EQ(L->Info.BlackRank, "Kim9D");
}

TEST(NgfRecord, MovesAndPasses) {
    auto Lines = NgfHeader("2", "60", "3");
    Lines.insert(Lines.end(), {"PMJ1BQD", "PMJ1WAA", "PMJ1BDDtail"});
    const auto L = LoadNgf(NgfText(Lines) + "after");
    EXPECT_EQ(L->MoveCount, 3);
    EXPECT_EQ(MovesOf(*L), (TMoves{{16, 3}, {0, 0}, {3, 3}}));
    EXPECT_EQ(L->RecordText, "after");
}

TEST(NgfRecord, MoveCounts) {
    auto L = LoadNgf(NgfText(NgfHeader("0", "60", "-3")));
    EXPECT_TRUE(L.Result.Shown);
    EXPECT_EQ(L->MoveCount, -3);
    // Above 500: 500 stored, every line read.
    auto Lines = NgfHeader("0", "60", "502");
    for (int i = 0; i < 502; ++i)
        Lines.push_back("....BCC");
    Lines.push_back("rest");
    L = LoadNgf(NgfText(Lines));
    EXPECT_EQ(L->MoveCount, 500);
    EXPECT_EQ(L->RecordText, "rest\r\n");
}

TEST(NgfRecord, Failures) {
    // A short move line: entries never reached stay (0, 0).
    auto Lines = NgfHeader("0", "60", "3");
    Lines.insert(Lines.end(), {"....BCC", "...BC"});
    auto L = LoadNgf(NgfText(Lines));
    EXPECT_EQ(L.Result.Error, "NGF move line 2 is too short");
    EXPECT_EQ(L->MoveCount, 3);
    EXPECT_EQ(MovesOf(*L), (TMoves{{2, 2}, {0, 0}, {0, 0}}));
    // A text that ends early.
    Lines = NgfHeader("0", "60", "2");
    Lines.push_back("....BCC");
    L = LoadNgf(NgfText(Lines));
    EXPECT_EQ(L.Result.Error, "NGF record ends before line 14");
    L = LoadNgf("only\r\n");
    EXPECT_EQ(L.Result.Error, "NGF record ends before line 2");
    EXPECT_EQ(L->Info.Title, "only");
    EXPECT_EQ(LoadNgf("").Result.Error, "NGF record ends before line 1");
    EXPECT_EQ(LoadNgf(NgfText(NgfHeader("0", "60", ""))).Result.Error,
              "\"\" is not a decimal number");
}

TEST(NgfRecord, LineEnds) {
    auto Lines = NgfHeader("0", "60", "1");
    Lines.push_back("....BDE");
    for (const std::string End : {"\r\n", "\r", "\n"}) {
        const auto L = LoadNgf(NgfText(Lines, End));
        EXPECT_FALSE(L.Result.Failed()) << L.Result.Error;
        EXPECT_EQ(L->Info.Place, "Seoul");
        EXPECT_EQ(MovesOf(*L), (TMoves{{3, 4}}));
    }
    // The last line may lack its end; an empty line is a line.
    std::string_view Rest = "a\r\rb\n\r\nc";
    std::vector<std::string> Read;
    while (auto L = ReadRecordLine(Rest))
        Read.emplace_back(*L);
    EXPECT_EQ(Read, (std::vector<std::string>{"a", "", "b", "", "c"}));
}

}  // namespace
}  // namespace xvexo
