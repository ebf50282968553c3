// The tag reader and the diagram-block reader against the reference reader, which takes every
// byte on its own: random texts made of the format's pieces, broken pieces and stray bytes,
// read by both, their records (or failures) compared.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "records/diagram_code.h"
#include "records/record_error.h"
#include "records/reference_tag_reader.h"
#include "records/tag_parser.h"

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

// The result of a read: whether it is shown, or the failure's message.
template <class TRead>
std::string Outcome(TRead Read) {
    try {
        return Read() ? "shown" : "not shown";
    } catch (const TRecordError& E) {
        return std::string("failed: ") + E.what();
    }
}

void ExpectSameRecord(const TGameRecord& A, const TGameRecord& B, const std::string& Text) {
    for (const TInfoKind K : kInfoKinds)
        ASSERT_EQ(*InfoField(A.Info, K), *InfoField(B.Info, K)) << InfoFieldName(K) << Text;
    ASSERT_EQ(A.MoveCount, B.MoveCount) << Text;
    for (int32_t I = 0; I < A.MoveCount; ++I) {
        ASSERT_EQ(A.Moves[I].X, B.Moves[I].X) << I << Text;
        ASSERT_EQ(A.Moves[I].Y, B.Moves[I].Y) << I << Text;
    }
    ASSERT_EQ(A.NoteCount, B.NoteCount) << Text;
    for (int32_t I = 0; I < A.NoteCount; ++I) {
        ASSERT_EQ(A.Notes[I].Text, B.Notes[I].Text) << I << Text;
        ASSERT_EQ(A.Notes[I].MoveNo, B.Notes[I].MoveNo) << I << Text;
        ASSERT_EQ(A.Notes[I].Kind, B.Notes[I].Kind) << I << Text;
    }
}

TEST(RandomText, TagReaderReadsAsTheReference) {
    std::mt19937 Random(20261210);
    auto New = std::make_unique<TGameRecord>();
    auto Old = std::make_unique<TGameRecord>();
    for (int I = 0; I < 20000 && !HasFatalFailure(); ++I) {
        const std::string Text = RandomText(Random);
        New->Clear();
        Old->Clear();
        const std::string NewOutcome = Outcome([&] { return ParseTagRecord(*New, Text); });
        const std::string OldOutcome = Outcome([&] { return ReferenceParseTagRecord(*Old, Text); });
        ASSERT_EQ(NewOutcome, OldOutcome) << "\ntext: " << Text;
        ExpectSameRecord(*New, *Old, "\ntext: " + Text);
    }
}

TEST(RandomText, DiagramBlockReaderReadsAsTheReference) {
    std::mt19937 Random(7);
    const std::vector<std::string> Starts = {"", "v]", "v]PT[1]", "x]PT[3];B[pd]", "]PT[0]"};
    for (int I = 0; I < 20000 && !HasFatalFailure(); ++I) {
        const std::string Block =
            Starts[std::uniform_int_distribution<size_t>(0, Starts.size() - 1)(Random)] +
            RandomText(Random);
        const auto Read = [&Block](std::string (*Parse)(std::string_view)) {
            try {
                return "code: " + Parse(Block);
            } catch (const TRecordError& E) {
                return std::string("failed: ") + E.what();
            }
        };
        ASSERT_EQ(Read(ParseDiagramBlock), Read(ReferenceParseDiagramBlock))
            << "\nblock: " << Block;
    }
}

}  // namespace
}  // namespace xvexo::testing
