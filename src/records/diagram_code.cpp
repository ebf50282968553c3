#include "records/diagram_code.h"

#include <array>
#include <cstdint>

#include "records/byte_scan.h"
#include "records/record_error.h"

namespace xvexo {

std::string IndexToCode(int V) {
    std::string S(2, '\0');
    S[0] = static_cast<char>(static_cast<unsigned>(65 + V / 26) & 0xFFu);
    S[1] = static_cast<char>(static_cast<unsigned>(65 + V % 26) & 0xFFu);
    return S;
}

int CodeToIndex(std::string_view S) {
    if (S.size() < 2 || S.substr(0, 2) == kCodeSeparator) return 0;
    return (static_cast<unsigned char>(S[0]) - 65) * 26 + (static_cast<unsigned char>(S[1]) - 65);
}

char CoordToChar(int V) {
    return static_cast<char>(static_cast<unsigned>(65 + V) & 0xFFu);
}

int CharToCoord(char C) {
    return static_cast<unsigned char>(C) - 65;
}

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
        // Methods that take the index may read several bytes at once: they leave it on the
        // last byte they read.
        for (size_t I = 0; I < Block.size(); ++I) {
            const char C = Block[I];
            bool Going = true;
            switch (State) {
                case dsName:
                    BlockName(Block, I);
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
                    if (!WholeNode(Block, I)) Going = Node(C);
                    break;
                case dsComment:
                    Comment(Block, I);
                    break;
            }
            if (!Going) break;
        }
        return Code();
    }

  private:
    // The block's own name, up to and including its "]".
    void BlockName(std::string_view Block, size_t& I) {
        const size_t Close = Block.find(']', I);
        if (Close == std::string_view::npos) {
            I = Block.size() - 1;
        } else {
            I = Close;
            State = TDiagramState::dsTag;
        }
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

    // A node as nodes mostly stand, "B[pd]", "W[pd]" or "L[pda]" from Block[I] on, read at
    // once: byte by byte, Node names the property, empties the buffer at "[", takes the
    // letters and closes the value at "]", whatever name and buffer held before. Moves I to
    // the "]" and returns true; false, moving nothing, for anything else.
    bool WholeNode(std::string_view Block, size_t& I) {
        const std::string_view Rest = Block.substr(I);
        const bool Move = Rest.size() >= 5 && (Rest[0] == 'B' || Rest[0] == 'W') &&
                          Rest[1] == '[' && IsLower(Rest[2]) && IsLower(Rest[3]) && Rest[4] == ']';
        const bool Label = Rest.size() >= 6 && Rest[0] == 'L' && Rest[1] == '[' &&
                           IsLower(Rest[2]) && IsLower(Rest[3]) && IsLower(Rest[4]) &&
                           Rest[5] == ']';
        if (!Move && !Label) return false;
        Name.assign(1, Rest[0]);
        Buffer.assign(Rest.substr(2, Label ? 3 : 2));
        I += Label ? 5 : 4;
        return CloseNodeValue();
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

    // The diagram's comment; a later one replaces it, "[" is dropped. Bytes between brackets
    // are taken as one run.
    void Comment(std::string_view Block, size_t& I) {
        const char C = Block[I];
        if (C == ']') {
            DiagramComment = Buffer;
            Name.clear();
            Buffer.clear();
            State = TDiagramState::dsBetween;
        } else if (C != '[') {
            const char* Run = Block.data() + I;
            const char* End = FindEitherByte(Run, Block.data() + Block.size(), '[', ']');
            Buffer.append(Run, End);
            I += static_cast<size_t>(End - Run) - 1;
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

std::string ParseDiagramBlock(std::string_view Block) {
    TDiagramTexts Texts;
    TDiagramScanner Scanner(Texts);  // the point arrays stay unwritten until used
    return Scanner.Run(Block);
}

std::string WriteDiagramCode(int Start, std::span<const TDiagramPoint> Moves,
                             std::span<const TDiagramPoint> Labels, std::string_view Comment) {
    std::string Code;
    if (Moves.empty()) return Code;
    Code.reserve(8 + 2 * Moves.size() + 4 * Labels.size() + Comment.size());
    Code += IndexToCode(Start);
    Code += IndexToCode(static_cast<int>(Moves.size()));
    for (const TDiagramPoint& M : Moves) {
        Code += CoordToChar(M.X);
        Code += CoordToChar(M.Y);
    }
    Code += kCodeSeparator;
    if (!Labels.empty()) {
        Code += IndexToCode(static_cast<int>(Labels.size()));
        for (const TDiagramPoint& L : Labels) {
            Code += CoordToChar(L.X);
            Code += CoordToChar(L.Y);
            Code += IndexToCode(L.Code);
        }
    }
    Code += kCodeSeparator;
    Code += Comment;
    return Code;
}

}  // namespace xvexo
