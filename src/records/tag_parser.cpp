#include "records/tag_parser.h"

#include <cstdint>
#include <string>

#include "records/byte_scan.h"
#include "records/diagram_code.h"

namespace xvexo {

namespace {

enum class TParseState { psTop, psTag, psNode, psComment, psDiagram, psValue };

bool IsUpper(char C) {
    return C >= 'A' && C <= 'Z';
}
bool IsLower(char C) {
    return C >= 'a' && C <= 'z';
}

// The information text a property's value goes to; None for names not stored.
TInfoKind KindOfName(std::string_view Name) {
    if (Name.size() != 2) return TInfoKind::None;
    switch (Name[0] << 8 | Name[1]) {
        case 'T' << 8 | 'E':
        case 'E' << 8 | 'V':
        case 'G' << 8 | 'N':
        case 'G' << 8 | 'D':
        case 'G' << 8 | 'H':
            return TInfoKind::Title;
        case 'R' << 8 | 'D':
        case 'D' << 8 | 'T':
            return TInfoKind::Date;
        case 'P' << 8 | 'C':
            return TInfoKind::Place;
        case 'P' << 8 | 'B':
            return TInfoKind::BlackName;
        case 'P' << 8 | 'W':
            return TInfoKind::WhiteName;
        case 'R' << 8 | 'E':
            return TInfoKind::Result;
        case 'T' << 8 | 'M':
            return TInfoKind::TimeText;
        case 'L' << 8 | 'T':
            return TInfoKind::ByoyomiSeconds;
        case 'L' << 8 | 'C':
            return TInfoKind::ByoyomiCount;
        case 'K' << 8 | 'O':
            return TInfoKind::Komi;
        case 'B' << 8 | 'R':
            return TInfoKind::BlackRank;
        case 'W' << 8 | 'R':
            return TInfoKind::WhiteRank;
        case 'G' << 8 | 'K':
            return TInfoKind::CommentMode;
        case 'T' << 8 | 'C':
            return TInfoKind::GameComment;
        default:
            return TInfoKind::None;
    }
}

// Length of the run from Text[From] (before Limit) holding none of the bytes A and B.
size_t RunWithout(std::string_view Text, size_t From, size_t Limit, char A, char B) {
    const char* Start = Text.data() + From;
    return static_cast<size_t>(FindEitherByte(Start, Text.data() + Limit, A, B) - Start);
}

class TTagScanner {
  public:
    TTagScanner(TGameRecord& Record, std::string_view Text) : R(Record), T(Text) {}

    bool Run() {
        using enum TParseState;
        R.Info.Title.clear();
        R.MoveCount = 0;
        R.NoteCount = 0;
        // Bytes 1..n-1 are examined; the last byte never is.
        const size_t Limit = T.empty() ? 0 : T.size() - 1;
        for (size_t i = 0; i < Limit && !Stopped; ++i) {
            const char C = T[i];
            switch (State) {
                case psTop:
                    Top(C);
                    break;
                case psTag:
                    Tag(C);
                    break;
                case psNode:
                    if (!WholeMove(i, Limit)) Node(C);
                    break;
                case psValue:
                case psComment:
                    BracketedText(i, Limit);
                    break;
                case psDiagram:
                    Diagram(i, Limit);
                    break;
            }
        }
        return !Stopped || Closed;
    }

  private:
    // Between properties: ";" opens a move node, a capital letter starts a property name.
    void Top(char C) {
        using enum TParseState;
        if (C == ')') {
            Closed = true;
        } else if (C == '\n' || C == '\r' || C == '(') {
        } else if (C == ';') {
            State = psNode;
        } else if (IsUpper(C)) {
            Name.assign(1, C);
            State = psTag;
        } else {
            Name.clear();
        }
    }

    // A property name up to its "[", which opens a comment, a diagram block or a value; any
    // other byte stops the scan.
    void Tag(char C) {
        using enum TParseState;
        if (IsUpper(C)) {
            Name += C;
        } else if (C == '[') {
            Buffer.clear();
            if (Name == "C") {
                State = psComment;
            } else if (Name == "RN") {
                State = psDiagram;
                Depth = 0;
            } else {
                State = psValue;
                Kind = KindOfName(Name);
            }
            Name.clear();
        } else {
            Stopped = true;
        }
    }

    // A move as moves mostly stand, "B[pd]" or "W[pd]" from T[I] on (before Limit), read at
    // once: byte by byte, Node names the colour, empties the buffer at "[", takes the two
    // letters and records the move at "]", whatever name and buffer held before. Moves I to
    // the "]" and returns true; false, moving nothing, for anything else.
    bool WholeMove(size_t& I, size_t Limit) {
        if (Limit - I < 5 || (T[I] != 'B' && T[I] != 'W') || T[I + 1] != '[' ||
            !IsLower(T[I + 2]) || !IsLower(T[I + 3]) || T[I + 4] != ']') {
            return false;
        }
        R.AddMove(static_cast<uint8_t>(T[I + 2] - 96), static_cast<uint8_t>(T[I + 3] - 96));
        Name.clear();
        Buffer.clear();
        State = TParseState::psTop;
        I += 4;
        return true;
    }

    // A move node: B or W and two lower-case letters in brackets; E starts a property.
    void Node(char C) {
        using enum TParseState;
        if (IsLower(C)) {
            Buffer += C;
        } else if (C == ']') {
            if (Buffer.size() == 2 && IsLower(Buffer[0]) && IsLower(Buffer[1])) {
                R.AddMove(static_cast<uint8_t>(Buffer[0] - 96),
                          static_cast<uint8_t>(Buffer[1] - 96));
                Name.clear();
                Buffer.clear();
                State = psTop;
            }
        } else if (C == 'B' || C == 'W') {
            Name.assign(1, C);
        } else if (C == 'E') {
            Name.assign(1, 'E');
            State = psTag;
        } else if (C == '[') {
            if (Name == "B" || Name == "W") {
                Buffer.clear();
            } else {
                const bool Long = Name.size() >= 2;
                Name += C;
                if (Long) {
                    Buffer.clear();
                    Name.clear();
                    State = psValue;
                }
            }
        }
    }

    // Inside an information value or a comment: plain bytes are taken in runs, "[" is dropped,
    // "]" ends the value or adds the comment note.
    void BracketedText(size_t& I, size_t Limit) {
        const char C = T[I];
        if (C == ']') {
            if (State == TParseState::psComment) {
                EndComment(Buffer);
            } else {
                EndValue();
            }
        } else if (C != '[') {
            const size_t Len = RunWithout(T, I, Limit, '[', ']');
            // A comment whose text is this one run (as most are): the note takes it straight
            // from the record. Through the buffer it would read the same: buffer, then run.
            if (State == TParseState::psComment && Buffer.empty() && I + Len < Limit &&
                T[I + Len] == ']') {
                EndComment(T.substr(I, Len));
                I += Len;
                return;
            }
            Buffer.append(T.substr(I, Len));
            I += Len - 1;
        }
    }

    // Inside a diagram block: everything up to the ")" that closes the variation around it.
    void Diagram(size_t& I, size_t Limit) {
        const char C = T[I];
        if (C == '(') {
            ++Depth;
            Buffer += C;
        } else if (C == ')') {
            --Depth;
            if (Depth == -1) {
                EndDiagram();
            } else {
                Buffer += C;
            }
        } else {
            I += TakeRun(I, Limit, '(', ')') - 1;
        }
    }

    // Appends the run from T[From] (before Limit) that holds neither A nor B to Buffer;
    // returns its length, at least 1 when T[From] is neither.
    size_t TakeRun(size_t From, size_t Limit, char A, char B) {
        const size_t Len = RunWithout(T, From, Limit, A, B);
        Buffer.append(T.substr(From, Len));
        return Len;
    }

    void EndValue() {
        State = TParseState::psTop;
        if (std::string* Field = InfoField(R.Info, Kind)) {
            if (Kind == TInfoKind::Title) {
                Field->append(Buffer);
            } else {
                *Field = Buffer;
            }
        }
        Kind = TInfoKind::None;
    }

    // Adds the comment note of the text Body and goes back between properties.
    void EndComment(std::string_view Body) {
        const std::string Number = std::to_string(R.MoveCount);
        std::string Text;
        Text.reserve(Number.size() + 3 + Body.size());
        Text += '[';
        Text += Number;
        Text += "] ";
        Text += Body;
        R.AddNote(nkComment, std::move(Text));
        Name.clear();
        Buffer.clear();
        State = TParseState::psTop;
    }

    void EndDiagram() {
        std::string Code = ParseDiagramBlock(Buffer);
        R.AddNote(nkDiagram, std::move(Code));
        Name.clear();
        Buffer.clear();
        State = TParseState::psTop;
    }

    TGameRecord& R;
    std::string_view T;
    TParseState State = TParseState::psTop;
    std::string Name;
    std::string Buffer;
    TInfoKind Kind = TInfoKind::None;
    int64_t Depth = 0;
    bool Stopped = false;
    bool Closed = false;
};

}  // namespace

bool ParseTagRecord(TGameRecord& Record, std::string_view Text) {
    return TTagScanner(Record, Text).Run();
}

}  // namespace xvexo
