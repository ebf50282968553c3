// The readers' byte scanning against the reference, which looks at every byte on its own: the
// scan itself on random buffers, and the whole tag, diagram-block and NGF readers on random
// texts made of the formats' pieces, broken pieces, long runs and stray bytes, read as they are
// and as built with the reference scan, their records (or failures) compared.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "records/byte_scan.h"
#include "records/bytewise_readers.h"
#include "records/record_reads.h"
#include "records/reference_byte_scan.h"
#include "support/record_text.h"

namespace xvexo::testing {
namespace {

// The pieces random texts are made of: whole and broken properties, moves, comments and
// diagram blocks, brackets, line breaks and blanks.
const std::vector<std::string> kPieces = {
    "(",
    ")",
    ";",
    "(;",
    "[",
    "]",
    "\r\n",
    "\n",
    "\r",
    " ",
    "B",
    "W",
    "E",
    "L",
    "C",
    "PT",
    "RN",
    "EV[",
    "TE[",
    "GN[",
    "PB[",
    "KO[",
    "TC[",
    "XX[",
    "B[",
    "W[",
    "C[",
    "RN[",
    "PT[",
    "L[",
    "B[pd]",
    "W[dd]",
    "B[qq]",
    "W[tt]",
    "B[]",
    "B[pdx]",
    "L[pda]",
    "L[qc]",
    "L[pd",
    "pd",
    "zz",
    "a",
    "3",
    "12",
    "0",
    "-1",
    "C[note]",
    "C[a]b]",
    "C[[x]",
    "PT[2]",
    "PT[x]",
    "PT[]",
    "(RN[v]PT[2];B[pd];W[dd];L[qca]C[note])",
    "E[",
    "EV[Final]",
    "\xBA\xDA",
    "\xD2\x5D",
    "GN [x]",
    ";B[pd]C[good]",
};

// A run of ordinary text, long enough for the vector scans, now and then with a bracket or a
// parenthesis inside.
std::string LongText(std::mt19937& Random) {
    std::string S;
    const int Length = std::uniform_int_distribution<int>(1, 300)(Random);
    const char Special[] = "[]()";
    for (int I = 0; I < Length; ++I) {
        const int Roll = std::uniform_int_distribution<int>(0, 199)(Random);
        if (Roll < 2) {
            S += Special[Roll * 2 + std::uniform_int_distribution<int>(0, 1)(Random)];
        } else if (Roll < 40) {
            S += static_cast<char>(std::uniform_int_distribution<int>(0x80, 0xFF)(Random));
        } else {
            S += "abcdefgh ijklmnop,\r\nqrstuvwxyzAB."[Roll % 34];
        }
    }
    return S;
}

std::string RandomText(std::mt19937& Random) {
    std::string T = std::uniform_int_distribution<int>(0, 3)(Random) == 0 ? "" : "(;EV[cup]";
    const int Pieces = std::uniform_int_distribution<int>(0, 120)(Random);
    for (int I = 0; I < Pieces; ++I) {
        const int Roll = std::uniform_int_distribution<int>(0, 99)(Random);
        if (Roll < 10) {
            T += LongText(Random);
        } else if (Roll < 14) {
            T += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(Random));
        } else {
            T += kPieces[std::uniform_int_distribution<size_t>(0, kPieces.size() - 1)(Random)];
        }
    }
    return T;
}

// An NGF text: header lines, some of them broken, move lines whole, short or long, and line
// ends of every kind, now and then a long run without one.
std::string RandomNgf(std::mt19937& Random) {
    const auto Roll = [&Random](int N) {
        return std::uniform_int_distribution<int>(0, N - 1)(Random);
    };
    std::vector<std::string> Lines =
        NgfHeader(std::to_string(Roll(5)), std::to_string(Roll(200)), std::to_string(Roll(12)));
    for (int I = 1, Moves = Roll(12); I <= Moves; ++I)
        Lines.push_back(NgfMove(I, std::string(1, static_cast<char>('A' + Roll(20))) +
                                       static_cast<char>('A' + Roll(20))));
    for (std::string& L : Lines) {
        const int R = Roll(20);
        if (R == 0) L = L.substr(0, static_cast<size_t>(Roll(8)));
        if (R == 1) L += LongText(Random);
        if (R == 2) L = kPieces[static_cast<size_t>(Roll(static_cast<int>(kPieces.size())))];
    }
    if (Roll(4) == 0) Lines.resize(static_cast<size_t>(Roll(static_cast<int>(Lines.size()) + 1)));
    static const char* const kEnds[] = {"\r\n", "\n", "\r", "\n\r"};
    std::string T;
    for (const std::string& L : Lines)
        T += L + kEnds[Roll(4)];
    return T;
}

TEST(ByteScan, FindsWhatTheByteByByteScanFinds) {
    // Buffers of every length up to 300 at every start within 64 bytes, the wanted bytes at
    // random places or nowhere, high bytes and the bytes beside them among the rest.
    std::mt19937 Random(11);
    std::string Buffer;
    for (int Length = 0; Length <= 300; ++Length) {
        for (int Round = 0; Round < 8; ++Round) {
            Buffer.assign(static_cast<size_t>(Length) + 64, 'a');
            for (char& C : Buffer)
                C = "ab[]\x80\xFF\x5A\x5C"[std::uniform_int_distribution<int>(0, 7)(Random)];
            const int Wanted = std::uniform_int_distribution<int>(0, 3)(Random);
            const char A = Wanted == 0 ? 'x' : '[';
            const char B = Wanted == 0 ? 'y' : Wanted == 1 ? '\xFF' : ']';
            for (int Start = 0; Start < 64; ++Start) {
                const char* First = Buffer.data() + Start;
                const char* Last = First + Length;
                ASSERT_EQ(FindEitherByte(First, Last, A, B) - First,
                          ReferenceFindEitherByte(First, Last, A, B) - First)
                    << "length " << Length << " start " << Start;
            }
        }
    }
}

TEST(RandomText, TagReaderReadsAsWithTheReferenceScan) {
    std::mt19937 Random(20261210);
    for (int I = 0; I < 20000 && !HasFatalFailure(); ++I) {
        const std::string Text = RandomText(Random);
        ASSERT_EQ(DescribeTagRead(Text), bytewise_readers::DescribeTagRead(Text))
            << "\ntext: " << Text;
    }
}

TEST(RandomText, DiagramBlockReaderReadsAsWithTheReferenceScan) {
    std::mt19937 Random(7);
    const std::vector<std::string> Starts = {"", "v]", "v]PT[1]", "x]PT[3];B[pd]", "]PT[0]"};
    for (int I = 0; I < 20000 && !HasFatalFailure(); ++I) {
        const std::string Block =
            Starts[std::uniform_int_distribution<size_t>(0, Starts.size() - 1)(Random)] +
            RandomText(Random);
        ASSERT_EQ(DescribeDiagramRead(Block), bytewise_readers::DescribeDiagramRead(Block))
            << "\nblock: " << Block;
    }
}

TEST(RandomText, NgfReaderReadsAsWithTheReferenceScan) {
    std::mt19937 Random(3);
    for (int I = 0; I < 5000 && !HasFatalFailure(); ++I) {
        const std::string Text = RandomNgf(Random);
        ASSERT_EQ(DescribeNgfRead(Text), bytewise_readers::DescribeNgfRead(Text))
            << "\ntext: " << Text;
    }
}

}  // namespace
}  // namespace xvexo::testing
