#include "records/game_record.h"

#include <algorithm>
#include <utility>

namespace xvexo {

namespace {

template <typename Info, typename Result>
Result FieldOf(Info& I, TInfoKind Kind) {
    switch (Kind) {
        case TInfoKind::Title:
            return &I.Title;
        case TInfoKind::Date:
            return &I.Date;
        case TInfoKind::Place:
            return &I.Place;
        case TInfoKind::BlackName:
            return &I.BlackName;
        case TInfoKind::WhiteName:
            return &I.WhiteName;
        case TInfoKind::Result:
            return &I.Result;
        case TInfoKind::TimeText:
            return &I.TimeText;
        case TInfoKind::ByoyomiSeconds:
            return &I.ByoyomiSeconds;
        case TInfoKind::ByoyomiCount:
            return &I.ByoyomiCount;
        case TInfoKind::Komi:
            return &I.Komi;
        case TInfoKind::BlackRank:
            return &I.BlackRank;
        case TInfoKind::WhiteRank:
            return &I.WhiteRank;
        case TInfoKind::CommentMode:
            return &I.CommentMode;
        case TInfoKind::GameComment:
            return &I.GameComment;
        case TInfoKind::None:
            break;
    }
    return nullptr;
}

}  // namespace

std::string* InfoField(TVexoInfo& Info, TInfoKind Kind) {
    return FieldOf<TVexoInfo, std::string*>(Info, Kind);
}

const std::string* InfoField(const TVexoInfo& Info, TInfoKind Kind) {
    return FieldOf<const TVexoInfo, const std::string*>(Info, Kind);
}

const char* InfoFieldName(TInfoKind Kind) {
    static constexpr const char* kNames[kInfoKinds.size() + 1] = {
        "",          "Title",     "Date",      "Place",          "BlackName",
        "WhiteName", "Result",    "TimeText",  "ByoyomiSeconds", "ByoyomiCount",
        "Komi",      "BlackRank", "WhiteRank", "CommentMode",    "GameComment"};
    const auto I = static_cast<size_t>(Kind);
    return I < std::size(kNames) ? kNames[I] : "";
}

void TGameRecord::Clear() {
    Info = TVexoInfo{};
    Moves.fill(TMoveRec{});
    MoveCount = 0;
    // Notes past NoteCount were never written since the last Clear.
    for (int32_t i = 0; i < NoteCount; ++i)
        Notes[i] = TNoteRec{};
    NoteCount = 0;
    RecordText.clear();
    FormatMode = kFormatTag;
    HandicapStones = 0;
    KomiMode = 1;
    BoardSize = 19;
    FirstPlayer = 0;
    DeclaredHandicap = 0;
    std::fill_n(Setup.begin(), std::clamp(SetupCount, 0, MaxSetup), TSetupRec{});
    SetupCount = 0;
    std::fill_n(Marks.begin(), std::clamp(MarkCount, 0, MaxMarks), TMarkRec{});
    MarkCount = 0;
}

int32_t TGameRecord::StoredMoves() const {
    return std::clamp(MoveCount, 0, MaxMoves);
}

void TGameRecord::AddMove(uint8_t X, uint8_t Y, uint8_t Colour) {
    if (MoveCount < 0) MoveCount = 0;
    if (MoveCount >= MaxMoves) return;
    Moves[MoveCount] = {X, Y, Colour};
    ++MoveCount;
}

void TGameRecord::AddStep() {
    if (MoveCount < 0) MoveCount = 0;
    if (MoveCount >= MaxMoves) return;
    Moves[MoveCount] = {0, 0, 0, true};
    ++MoveCount;
}

void TGameRecord::AddNote(uint16_t Kind, std::string Text) {
    if (NoteCount >= MaxNotes) return;
    TNoteRec& N = Notes[NoteCount];
    N.Text = std::move(Text);
    N.MoveNo = MoveCount;
    N.Kind = Kind;
    ++NoteCount;
}

bool TGameRecord::AddSetup(uint8_t X, uint8_t Y, uint8_t Colour) {
    if (SetupCount >= MaxSetup) return false;
    Setup[SetupCount] = {X, Y, Colour, std::max(MoveCount, 0)};
    ++SetupCount;
    return true;
}

bool TGameRecord::AddMark(uint8_t X, uint8_t Y, int16_t Code) {
    if (MarkCount >= MaxMarks) return false;
    Marks[MarkCount] = {X, Y, Code, std::max(MoveCount, 0)};
    ++MarkCount;
    return true;
}

}  // namespace xvexo
