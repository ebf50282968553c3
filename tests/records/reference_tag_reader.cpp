// The tag reader as first written, byte by byte (see reference_tag_reader.h).

#include "records/reference_tag_reader.h"

#include <array>
#include <cstdint>
#include <string>

#include "records/diagram_code.h"
#include "records/record_error.h"

namespace xvexo::testing {

namespace {

enum class TDiagramState { dsName, dsTag, dsStart, dsBetween, dsNode, dsComment };

bool IsLower(char C) {
    return C >= 'a' && C <= 'z';
}
bool IsUpper(char C) {
    return C >= 'A' && C <= 'Z';
}

// The texts a scan gathers. They live outside the scanner: were they its members, the string
// calls that take their addresses would make the compiler keep every counter of the scanner in
// memory, and a block would read about a tenth slower.
struct TDiagramTexts {
    std::string Name;
    std::string Buffer;
    std::string Comment;
};

// Reads one diagram block byte by byte, with a method per state; the methods that can end the
// scan return false when their byte does.
class TDiagramScanner {
  public:
    explicit TDiagramScanner(TDiagramTexts& Texts)
        : Name(Texts.Name), Buffer(Texts.Buffer), DiagramComment(Texts.Comment) {}

    std::string Run(std::string_view Block) {
        using enum TDiagramState;
        for (const char C : Block) {
            bool Going = true;
            switch (State) {
                case dsName:
                    BlockName(C);
                    break;
                case dsTag:
                    Going = Tag(C);
                    break;
                case dsStart:
                    Going = Start(C);
                    break;
                case dsBetween:
                    Going = Between(C);
                    break;
                case dsNode:
                    Going = Node(C);
                    break;
                case dsComment:
                    Comment(C);
                    break;
            }
            if (!Going) break;
        }
        return Code();
    }

  private:
    // The block's own name, up to and including its "]".
    void BlockName(char C) {
        if (C == ']') State = TDiagramState::dsTag;
    }

    // A property name up to its "["; only PT is read, and it starts the node list.
    bool Tag(char C) {
        if (IsUpper(C)) {
            Name += C;
        } else if (C == '[') {
            if (Name == "PT") {
                State = TDiagramState::dsStart;
                Name.clear();
                Buffer.clear();
            }
        } else {
            return false;
        }
        return true;
    }

    // The digits of PT's value: the first move the diagram keeps.
    bool Start(char C) {
        if (C >= '0' && C <= '9') {
            Buffer += C;
        } else if (C == ']') {
            StartNumber = DecimalOrThrow(Buffer);
            Buffer.clear();
            State = TDiagramState::dsBetween;
        } else {
            return false;
        }
        return true;
    }

    // Between nodes: ";" opens a node, "C" a comment, ")" goes back to a block name.
    bool Between(char C) {
        using enum TDiagramState;
        if (C == ';') {
            State = dsNode;
        } else if (C == 'C') {
            State = dsComment;
        } else if (C == ')') {
            State = dsName;
        } else {
            return false;
        }
        return true;
    }

    // A node: B, W or L and a bracketed value of lower-case letters.
    bool Node(char C) {
        if (IsLower(C)) {
            Buffer += C;
        } else if (C == '[') {
            Buffer.clear();
        } else if (C == 'B' || C == 'L' || C == 'W') {
            Name.assign(1, C);
        } else if (C == ']') {
            return CloseNodeValue();
        }
        return true;
    }

    // A node's "]": a label (L) or a move, from the first two letters; false when the value
    // does not begin with two letters.
    bool CloseNodeValue() {
        if (Buffer.size() < 2 || !IsLower(Buffer[0]) || !IsLower(Buffer[1])) return false;
        const int X = Buffer[0] - 96;
        const int Y = Buffer[1] - 96;
        if (Name == "L") {
            // A value of two letters reads a zero byte as its letter, which gives a code
            // outside the letters (no letter is drawn for it).
            const int Letter = Buffer.size() >= 3 ? Buffer[2] : 0;
            if (LabelCount < kMaxDiagramLabels) {
                Labels[LabelCount] = {static_cast<uint8_t>(X), static_cast<uint8_t>(Y),
                                      static_cast<int16_t>(600 + Letter - 'a')};
                ++LabelCount;
            }
        } else {
            ++MovesSeen;
            if (MovesSeen >= StartNumber && MovesKept < kMaxDiagramMoves) {
                Kept[MovesKept] = {static_cast<uint8_t>(X), static_cast<uint8_t>(Y), 0};
                ++MovesKept;
            }
        }
        Name.clear();
        Buffer.clear();
        State = TDiagramState::dsBetween;
        return true;
    }

    // The diagram's comment; a later one replaces it, "[" is dropped.
    void Comment(char C) {
        if (C == ']') {
            DiagramComment = Buffer;
            Name.clear();
            Buffer.clear();
            State = TDiagramState::dsBetween;
        } else if (C != '[') {
            Buffer += C;
        }
    }

    // The code of what was read: nothing when no move was kept.
    std::string Code() const {
        return WriteDiagramCode(StartNumber, std::span(Kept.data(), static_cast<size_t>(MovesKept)),
                                std::span(Labels.data(), static_cast<size_t>(LabelCount)),
                                DiagramComment);
    }

    TDiagramState State = TDiagramState::dsName;
    std::array<TDiagramPoint, kMaxDiagramMoves> Kept;
    std::array<TDiagramPoint, kMaxDiagramLabels> Labels;
    int MovesSeen = 0;
    int MovesKept = 0;
    int LabelCount = 0;
    int32_t StartNumber = 0;
    std::string& Name;
    std::string& Buffer;
    std::string& DiagramComment;
};

}  // namespace

std::string ReferenceParseDiagramBlock(std::string_view Block) {
    TDiagramTexts Texts;
    TDiagramScanner Scanner(Texts);
    return Scanner.Run(Block);
}

namespace {

enum class TParseState { psTop, psTag, psNode, psComment, psDiagram, psValue };

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
    size_t i = From;
    while (i < Limit && Text[i] != A && Text[i] != B)
        ++i;
    return i - From;
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
                    Node(C);
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
                EndComment();
            } else {
                EndValue();
            }
        } else if (C != '[') {
            I += TakeRun(I, Limit, '[', ']') - 1;
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

    void EndComment() {
        std::string Text = "[";
        Text += std::to_string(R.MoveCount);
        Text += "] ";
        Text += Buffer;
        R.AddNote(nkComment, std::move(Text));
        Name.clear();
        Buffer.clear();
        State = TParseState::psTop;
    }

    void EndDiagram() {
        std::string Code = ReferenceParseDiagramBlock(Buffer);
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

bool ReferenceParseTagRecord(TGameRecord& Record, std::string_view Text) {
    return TTagScanner(Record, Text).Run();
}

}  // namespace xvexo::testing
