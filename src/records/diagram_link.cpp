#include "records/diagram_link.h"

#include <algorithm>
#include <charconv>

#include "records/diagram_code.h"

namespace xvexo {

namespace {

// "参考图" in GBK.
constexpr std::string_view kLinkHead = "\xB2\xCE\xBF\xBC\xCD\xBC";

bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

}  // namespace

int32_t DiagramLinkNumber(std::string_view Gbk) {
    if (Gbk.size() < 8 || !Gbk.starts_with(kLinkHead) || Gbk[6] != ' ') return 0;
    for (size_t i = 7; i < Gbk.size(); ++i) {
        if (!IsDigit(Gbk[i]) && Gbk[i] != '-') return 0;
    }
    const size_t Dash = Gbk.find('-');
    if (Dash == std::string_view::npos || Dash < 8) return 0;
    // Only digits may follow: a second "-" or nothing at all names no diagram.
    const std::string_view Number = Gbk.substr(Dash + 1);
    int32_t K = 0;
    const char* End = Number.data() + Number.size();
    const auto [Ptr, Ec] = std::from_chars(Number.data(), End, K);
    if (Number.empty() || Ec != std::errc() || Ptr != End) return 0;
    return K;
}

const TNoteRec* FindDiagramNote(const TGameRecord& Record, int32_t MoveNo, int32_t K) {
    if (K < 1) return nullptr;
    int32_t Seen = 0;
    const int32_t Count = std::min(Record.NoteCount, TGameRecord::MaxNotes);
    for (int32_t i = 0; i < Count; ++i) {
        const TNoteRec& Note = Record.Notes[static_cast<size_t>(i)];
        if (Note.MoveNo != MoveNo || Note.Kind != nkDiagram) continue;
        if (++Seen == K) return &Note;
    }
    return nullptr;
}

bool VariationLetters(const TGameRecord& Record, int32_t MoveNo, TNumberGrid& Letters) {
    Letters = {};
    const int32_t Lines = std::clamp(Record.BoardSize, kMinBoardSize, kMaxBoardSize);
    constexpr int32_t kMaxLetters = 26;
    bool Any = false;
    int32_t Seen = 0;
    const int32_t Count = std::min(Record.NoteCount, TGameRecord::MaxNotes);
    for (int32_t i = 0; i < Count && Seen < kMaxLetters; ++i) {
        const TNoteRec& Note = Record.Notes[static_cast<size_t>(i)];
        if (Note.MoveNo != MoveNo || Note.Kind != nkDiagram) continue;
        ++Seen;
        // The code: its start move, its move count, then two letters a move.
        const std::string_view Code = Note.Text;
        if (Code.size() < 6 || CodeToIndex(Code.substr(0, 2)) != MoveNo + 1 ||
            CodeToIndex(Code.substr(2, 2)) < 1)
            continue;
        const int32_t Col = CharToCoord(Code[4]);
        const int32_t Row = CharToCoord(Code[5]);
        if (Col < 1 || Col > Lines || Row < 1 || Row > Lines) continue;
        int32_t& Letter = Letters[static_cast<size_t>(Row - 1)][static_cast<size_t>(Col - 1)];
        if (Letter != 0) continue;
        Letter = Seen;
        Any = true;
    }
    return Any;
}

}  // namespace xvexo
