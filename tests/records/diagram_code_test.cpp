#include <gtest/gtest.h>

#include "records/diagram_code.h"
#include "records/record_error.h"

namespace xvexo {
namespace {

TEST(TwoLetterCodes, IndexToCodeAndBack) {
    const struct {
        int Value;
        const char* Code;
    } Cases[] = {{0, "AA"}, {25, "AZ"}, {26, "BA"}, {27, "BB"}, {601, "XD"}, {675, "ZZ"}};
    for (const auto& C : Cases) {
        EXPECT_EQ(IndexToCode(C.Value), C.Code) << C.Value;
        EXPECT_EQ(CodeToIndex(C.Code), C.Value) << C.Code;
    }
    EXPECT_EQ(CodeToIndex("\\!"), 0);
    EXPECT_EQ(CodeToIndex(""), 0);
}

TEST(TwoLetterCodes, CoordinatesAreOneLetter) {
    EXPECT_EQ(CoordToChar(0), 'A');
    EXPECT_EQ(CoordToChar(19), 'T');
    EXPECT_EQ(CharToCoord('A'), 0);
    EXPECT_EQ(CharToCoord('E'), 4);
}

// The block text is what follows "RN[" up to the unmatched ")".
TEST(DiagramBlock, WorkedExample) {
    EXPECT_EQ(ParseDiagramBlock("x]PT[2];B[pd];W[dd];L[qca]C[note]"),
              "AC"
              "AB"
              "EE"
              "\\!"
              "AB"
              "RD"
              "XC"
              "\\!"
              "note");
}

TEST(DiagramBlock, OneMoveNoLabels) {
    EXPECT_EQ(ParseDiagramBlock("d]PT[1];B[dp]C[ok]"), "ABABEQ\\!\\!ok");
}

TEST(DiagramBlock, StartNumberKeepsLaterMoves) {
    // PT 3 of five moves keeps moves three to five.
    EXPECT_EQ(ParseDiagramBlock("x]PT[3];B[aa];W[bb];B[cc];W[dd];B[ee]"), "ADADDDEEFF\\!\\!");
}

TEST(DiagramBlock, ScanEndings) {
    const struct {
        const char* Block;
        const char* Code;
    } Cases[] = {
        // A line break between nodes ends the scan: only the moves before it.
        {"x]PT[1];B[pd];W[dd]\n;B[qq]", "ABACQEEE\\!\\!"},
        // Nodes wrapped in further parentheses end the reading at "(".
        {"x]PT[1](;B[pd])", ""},
        // Three letters keep the first two in a diagram.
        {"x]PT[1];B[pdx]", "ABABQE\\!\\!"},
        // A value that does not begin with two letters ends the scan.
        {"x]PT[1];B[pd];W[]", "ABABQE\\!\\!"},
        // A later comment replaces an earlier one; "[" inside is dropped.
        {"x]PT[1];B[pd]C[one]C[t[wo]", "ABABQE\\!\\!two"},
        // No kept move: nothing at all, labels and comment included.
        {"x]PT[5];B[pd];L[dda]C[c]", ""},
        // A ")" goes back to the name; the next block part is read on.
        {"x]PT[1];B[pd])y]QQ[", "ABABQE\\!\\!"},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(ParseDiagramBlock(C.Block), C.Code) << C.Block;
}

TEST(DiagramBlock, Labels) {
    // "a" is label code 600 (XC), "z" 625 (YB); two letters give a code outside the letters.
    EXPECT_EQ(ParseDiagramBlock("x]PT[1];B[pd];L[pda];L[aaz];L[bb]"),
              "ABABQE\\!AD"
              "QE"
              "XC"
              "BB"
              "YB"
              "CC"
              "TJ"
              "\\!");
}

TEST(DiagramBlock, CapacityKeepsFourHundred) {
    std::string Block = "x]PT[1]";
    for (int i = 0; i < 450; ++i)
        Block += ";B[aa];L[bba]";
    const std::string Code = ParseDiagramBlock(Block);
    ASSERT_GE(Code.size(), 4u);
    EXPECT_EQ(CodeToIndex(Code.substr(2, 2)), 400);
    const size_t Sep = Code.find("\\!");
    ASSERT_EQ(Sep, 4u + 800u);
    EXPECT_EQ(CodeToIndex(Code.substr(Sep + 2, 2)), 400);
    EXPECT_EQ(Code.size(), Sep + 2 + 2 + 400 * 4 + 2);
}

TEST(DiagramBlock, StartNumberNotDecimalFails) {
    const struct {
        const char* Block;
        const char* Error;
    } Cases[] = {
        {"x]PT[];B[pd]", "\"\" is not a decimal number"},
        {"x]PT[99999999999];B[pd]", "\"99999999999\" is not a decimal number"},
    };
    for (const auto& C : Cases) {
        try {
            ParseDiagramBlock(C.Block);
            ADD_FAILURE() << C.Block;
        } catch (const TRecordError& E) {
            EXPECT_STREQ(E.what(), C.Error) << C.Block;
        }
    }
}

}  // namespace
}  // namespace xvexo
