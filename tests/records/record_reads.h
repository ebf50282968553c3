#pragma once
// What a reader makes of a text, written out as one text: whether it was shown or failed (with
// the message), the information fields, the moves, the notes and the record's other fields. Two
// readers read alike when these agree.

#include <memory>
#include <string>
#include <string_view>

#include "records/diagram_code.h"
#include "records/game_record.h"
#include "records/ngf_parser.h"
#include "records/record_error.h"
#include "records/tag_parser.h"

namespace xvexo::testing {

inline std::string DescribeRecord(const TGameRecord& R) {
    std::string S;
    for (const TInfoKind K : kInfoKinds)
        S += std::string(InfoFieldName(K)) + "=[" + *InfoField(R.Info, K) + "]\n";
    S += "moves " + std::to_string(R.MoveCount) + ":";
    for (int32_t I = 0; I < R.StoredMoves(); ++I) {
        const TMoveRec& M = R.Moves[static_cast<size_t>(I)];
        S += " " + std::to_string(M.X) + "," + std::to_string(M.Y) + "," + std::to_string(M.Colour);
    }
    S += "\nnotes " + std::to_string(R.NoteCount) + ":\n";
    for (int32_t I = 0; I < R.NoteCount && I < TGameRecord::MaxNotes; ++I) {
        const TNoteRec& N = R.Notes[static_cast<size_t>(I)];
        S += std::to_string(N.MoveNo) + " " + std::to_string(N.Kind) + " [" + N.Text + "]\n";
    }
    S += "handicap " + std::to_string(R.HandicapStones) + " komi mode " +
         std::to_string(R.KomiMode) + " size " + std::to_string(R.BoardSize) + " first " +
         std::to_string(R.FirstPlayer) + " setup " + std::to_string(R.SetupCount) + " marks " +
         std::to_string(R.MarkCount) + "\n";
    return S;
}

// Read runs a reader on Record: "shown", "not shown" or "failed: MESSAGE", then the record.
template <class TRead>
std::string DescribeRead(TRead Read) {
    auto Record = std::make_unique<TGameRecord>();
    std::string Outcome;
    try {
        Outcome = Read(*Record) ? "shown\n" : "not shown\n";
    } catch (const TRecordError& E) {
        Outcome = std::string("failed: ") + E.what() + "\n";
    }
    return Outcome + DescribeRecord(*Record);
}

inline std::string DescribeTagRead(std::string_view Text) {
    return DescribeRead([Text](TGameRecord& R) { return ParseTagRecord(R, Text); });
}

inline std::string DescribeNgfRead(std::string_view Text) {
    return DescribeRead([Text](TGameRecord& R) {
        R.RecordText = Text;
        R.FormatMode = kFormatNgf;
        ParseNgfRecord(R);
        return true;
    });
}

inline std::string DescribeDiagramRead(std::string_view Block) {
    try {
        return "code: " + ParseDiagramBlock(Block);
    } catch (const TRecordError& E) {
        return std::string("failed: ") + E.what();
    }
}

}  // namespace xvexo::testing
