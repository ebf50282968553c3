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
        int Number;
        const char* Message;
    } Cases[] = {
        {"12", true, 12, ""},
        {"1000", true, 1000, ""},
        {"abc", false, 0, kMsgEnterNumber},
        {"", false, 0, kMsgEnterNumber},
        {" 3", false, 0, kMsgEnterNumber},
        {"99999999999", false, 0, kMsgEnterNumber},
        {"0", false, 0, kMsgEnterPositive},
        {"-4", false, 0, kMsgEnterPositive},
    };
    for (const auto& C : Cases) {
        const TMoveNumberCheck R = CheckMoveNumber(C.Text);
        EXPECT_EQ(R.Ok, C.Ok) << C.Text;
        if (C.Ok) {
            EXPECT_EQ(R.Number, C.Number) << C.Text;
        }
        EXPECT_STREQ(R.Message, C.Message) << C.Text;
    }
}

}  // namespace
}  // namespace xvexo
