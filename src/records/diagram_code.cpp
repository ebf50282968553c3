#include "records/diagram_code.h"

#include <array>
#include <cstdint>

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

}  // namespace

std::string ParseDiagramBlock(std::string_view Block) {
    using enum TDiagramState;
    std::array<TDiagramPoint, kMaxDiagramMoves> Kept;
    std::array<TDiagramPoint, kMaxDiagramLabels> Labels;
    int MovesSeen = 0;
    int MovesKept = 0;
    int LabelCount = 0;
    int32_t StartNumber = 0;
    std::string Name;
    std::string Buffer;
    std::string Comment;
    TDiagramState State = dsName;

    for (size_t i = 0; i < Block.size(); ++i) {
        const char C = Block[i];
        bool Ended = false;
        switch (State) {
            case dsName:
                if (C == ']') State = dsTag;
                break;
            case dsTag:
                if (IsUpper(C)) {
                    Name += C;
                } else if (C == '[') {
                    if (Name == "PT") {
                        State = dsStart;
                        Name.clear();
                        Buffer.clear();
                    }
                } else {
                    Ended = true;
                }
                break;
            case dsStart:
                if (C >= '0' && C <= '9') {
                    Buffer += C;
                } else if (C == ']') {
                    StartNumber = DecimalOrThrow(Buffer);
                    Buffer.clear();
                    State = dsBetween;
                } else {
                    Ended = true;
                }
                break;
            case dsBetween:
                if (C == ';') {
                    State = dsNode;
                } else if (C == 'C') {
                    State = dsComment;
                } else if (C == ')') {
                    State = dsName;
                } else {
                    Ended = true;
                }
                break;
            case dsNode:
                if (IsLower(C)) {
                    Buffer += C;
                } else if (C == '[') {
                    Buffer.clear();
                } else if (C == 'B' || C == 'L' || C == 'W') {
                    Name.assign(1, C);
                } else if (C == ']') {
                    if (Buffer.size() < 2 || !IsLower(Buffer[0]) || !IsLower(Buffer[1])) {
                        Ended = true;
                        break;
                    }
                    const int X = Buffer[0] - 96;
                    const int Y = Buffer[1] - 96;
                    if (Name == "L") {
                        // A value of two letters reads a zero byte as its letter, which gives
                        // a code outside the letters (no letter is drawn for it).
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
                    State = dsBetween;
                }
                break;
            case dsComment:
                if (C == ']') {
                    Comment = Buffer;
                    Name.clear();
                    Buffer.clear();
                    State = dsBetween;
                } else if (C != '[') {
                    Buffer += C;
                }
                break;
        }
        if (Ended) break;
    }

    return WriteDiagramCode(StartNumber, std::span(Kept.data(), static_cast<size_t>(MovesKept)),
                            std::span(Labels.data(), static_cast<size_t>(LabelCount)), Comment);
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
