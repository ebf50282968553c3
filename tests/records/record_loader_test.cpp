#include <gtest/gtest.h>

#include <memory>

#include "record_fixture.h"
#include "records/record_loader.h"
#include "support/record_text.h"

namespace xvexo {
namespace {

using testing::LoadNgf;
using testing::LoadTag;

TEST(FormatChoice, AddressAndFileRules) {
    const struct {
        const char* Name;
        int Address;
        int File;
    } Cases[] = {
        {"http://host/game.NGF", kFormatNgf, kFormatNgf},
        {"http://host/game.ngf", kFormatTag, kFormatTag},
        {"ftp://host/game.NGF", kFormatTag, kFormatNgf},
        {"https://host/a.NGF", kFormatNgf, kFormatNgf},
        {"/tmp/SAMPLE.NGF", kFormatTag, kFormatNgf},
        {"http://host/game.txt", kFormatTag, kFormatTag},
        {"", kFormatTag, kFormatTag},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(FormatForAddress(C.Name), C.Address) << C.Name;
        EXPECT_EQ(FormatForFileName(C.Name), C.File) << C.Name;
    }
}

TEST(Replay, MovesWithCapturesAndRefusals) {
    // Black captures the white stone at (1,1); (20, 20) is refused and the next move is
    // played by the side whose turn it then is.
    const auto L = LoadTag("(;EV[x];B[ba];W[aa];B[ab];W[tt];W[dd])\n");
    auto Board = std::make_unique<TGoBoard>();
    EXPECT_EQ(ReplayRecord(*L, *Board), 0);
    EXPECT_EQ(Board->MoveIndex(), 4);
    EXPECT_EQ(Board->PointColour(1, 1), kEmpty);
    EXPECT_EQ(Board->PointColour(4, 4), kWhite);
    EXPECT_EQ(Board->WhitePrisonerCount() + Board->BlackPrisonerCount(), 1);
}

TEST(Replay, HandicapAndPassFromNgf) {
    std::vector<std::string> Lines = testing::NgfHeader("2", "60", "3");
    Lines.insert(Lines.end(), {"....WAA", "....BDD", "....WPP"});
    const auto L = LoadNgf(testing::NgfText(Lines));
    auto Board = std::make_unique<TGoBoard>();
    EXPECT_EQ(ReplayRecord(*L, *Board), 2);
    EXPECT_EQ(Board->MoveIndex(), 3);
    // White moved first (a pass), so black played (3,3) and white (15,15).
    EXPECT_EQ(Board->PointColour(3, 3), kBlack);
    EXPECT_EQ(Board->PointColour(15, 15), kWhite);
    // A later load replaces everything.
    const auto E = LoadTag("(;EV[x])\n");
    ReplayRecord(*E, *Board);
    EXPECT_EQ(Board->MoveIndex(), 0);
    EXPECT_EQ(Board->PointColour(3, 3), kEmpty);
}

TEST(GoToMove, BackToStartThenForward) {
    const auto L = LoadTag("(;EV[x];B[aa];W[bb];B[cc];W[dd];B[ee])\n");
    auto Board = std::make_unique<TGoBoard>();
    ReplayRecord(*L, *Board);
    GoToMove(*Board, 2);
    EXPECT_EQ(Board->MoveIndex(), 2);
    EXPECT_EQ(Board->PointColour(3, 3), kEmpty);
    GoToMove(*Board, 1);
    EXPECT_EQ(Board->MoveIndex(), 1);
    GoToMove(*Board, 999);
    EXPECT_EQ(Board->MoveIndex(), 5);
    GoToMove(*Board, 5);
    EXPECT_EQ(Board->MoveIndex(), 5);
}

TEST(GoToMove, BoxValidation) {
    const struct {
        const char* Text;
        bool Ok;
        bool IsNumber;
        int Number;
    } Cases[] = {
        {"12", true, true, 12}, {"1000", true, true, 1000}, {"abc", false, false, 0},
        {"", false, false, 0},  {" 3", false, false, 0},    {"99999999999", false, false, 0},
        {"0", false, true, 0},  {"-4", false, true, -4},
    };
    for (const auto& C : Cases) {
        const TMoveNumberCheck R = CheckMoveNumber(C.Text);
        EXPECT_EQ(R.Ok, C.Ok) << C.Text;
        EXPECT_EQ(R.IsNumber, C.IsNumber) << C.Text;
        EXPECT_EQ(R.Number, C.Number) << C.Text;
    }
}

// A message that quotes record text holds at most 32 of its bytes (then "...") and no control
// byte, whatever the reader and however long or hostile the text: a record never puts megabytes
// into a message box or escape sequences into a terminal.
TEST(BoundedMessages, EveryReaderQuotesAtMost32CleanBytes) {
    const std::string Mega(1'000'000, '9');
    // Control bytes, without the brackets that would end a value: ESC c resets a terminal.
    const std::string Hostile =
        "\x1b"
        "c\x07\x7f\x01" +
        Mega;
    const struct {
        std::string Text;
        int32_t Format;
    } Cases[] = {
        {"T\n\nW\nB\nP\n" + Mega + "\n", kFormatNgf},                      // the handicap line
        {"T\n\nW\nB\nP\n0\n\n\n\n" + Hostile + "\n", kFormatNgf},          // the time line
        {"T\n\nW\nB\nP\n0\n\n\n\n599\nR\n" + Hostile + "\n", kFormatNgf},  // the move count
        {"(;EV[x];B[pd](RN[x]PT[" + Mega + "];B[aa]))\n", kFormatTag},     // a diagram's start
        {"(;GM[1]SZ[" + Hostile + "])", kFormatSgf},
        {"(;GM[1];B[" + Hostile + "])", kFormatSgf},
        {"(;GM[" + Hostile + "])", kFormatSgf},
        {"(;GM[1]" + std::string(100'000, 'x') + "[1])", kFormatSgf},  // a property name
    };
    for (const auto& C : Cases) {
        auto Record = std::make_unique<TGameRecord>();
        const TLoadResult R = LoadRecordText(*Record, C.Text, C.Format);
        const std::string& E = R.Error;
        ASSERT_TRUE(R.Failed()) << C.Text.substr(0, 40);
        const size_t Open = E.find('"');
        const size_t Close = E.find('"', Open + 1);
        ASSERT_NE(Close, std::string::npos) << E;
        const std::string_view Quoted = std::string_view(E).substr(Open + 1, Close - Open - 1);
        EXPECT_LE(Quoted.size(), 32u + 3u) << E;
        EXPECT_TRUE(Quoted.ends_with("...")) << E;
        EXPECT_LT(E.size(), 120u) << E;
        for (const char Byte : E)
            EXPECT_FALSE(static_cast<unsigned char>(Byte) < 0x20 || Byte == 0x7F) << E;
    }
}

}  // namespace
}  // namespace xvexo
