#pragma once
// Diagram codes: the compact text form of one reference diagram, and the reader of the
// diagram blocks of tag-format records that produces them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace xvexo {

// The separator of the parts of a diagram code: backslash, exclamation mark.
inline constexpr std::string_view kCodeSeparator = "\\!";

// Two capital letters chr(65 + V div 26), chr(65 + V mod 26); meant for 0..675 ("AA".."ZZ").
// Values outside give other bytes (never more than two).
std::string IndexToCode(int V);
// (S[0] - 65) * 26 + (S[1] - 65); the separator "\!" reads as 0; fewer than two bytes read 0.
int CodeToIndex(std::string_view S);
// chr(65 + V): "A" is 0 (a pass), "B".."T" are 1..19.
char CoordToChar(int V);
// code(C) - 65.
int CharToCoord(char C);

// Diagram blocks keep at most this many moves and labels.
constexpr int kMaxDiagramMoves = 400;
constexpr int kMaxDiagramLabels = 400;

// One point of a diagram: a move (Code unused) or a label with its value code. No default
// values: the readers' arrays of them stay unwritten until used, which keeps a block's scan cheap.
struct TDiagramPoint {
    uint8_t X;
    uint8_t Y;
    int16_t Code;
};

// The code of a diagram: Start, the number of moves and their points, the separator, the
// number of labels and their points and codes (only when there are labels), the separator and
// the comment. "" when there is no move.
std::string WriteDiagramCode(int Start, std::span<const TDiagramPoint> Moves,
                             std::span<const TDiagramPoint> Labels, std::string_view Comment);

// Reads the text of a diagram block (everything after the "[" that follows RN, up to the
// unmatched ")") into its diagram code; "" when the block keeps no move. A PT value that is
// not a decimal number throws TRecordError.
std::string ParseDiagramBlock(std::string_view Block);

}  // namespace xvexo
