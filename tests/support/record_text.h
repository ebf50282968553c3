#pragma once
// Record texts for the tests and the benchmarks: tag-format records of moves that never capture,
// NGF records from their header and move lines, and texts in other character sets.

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace xvexo::testing {

// Two lower-case letters for the point (X, Y), as tag records write moves: (16, 4) is "pd".
std::string TagPoint(int X, int Y);

// The point of move I (from 1) of a TagRecord: black fills rows 1..9 and white rows 19..11,
// column by column, so no stone is captured (up to 342 moves).
std::pair<int, int> QuietMovePoint(int I);

// "(;" Header, then Count moves B, W, B ... at QuietMovePoint(i), each followed by After(i)
// (After(0) stands before the first move), then ")" and a line break.
std::string TagRecord(int Count, const std::string& Header,
                      const std::function<std::string(int)>& After);
// The same with Extra after move ExtraAfter alone (none by default).
std::string TagRecord(int Count, const std::string& Header = "EV[Cup]", int ExtraAfter = -1,
                      const std::string& Extra = {});

// The twelve header lines of an NGF record: title "Title", white "WhiteP 9D*", black
// "BlackP 3D", place "Seoul", the handicap line, date "2002-03-15", the time line, result
// "W+R>more" and the move count line.
std::vector<std::string> NgfHeader(const std::string& Handicap = "0",
                                   const std::string& Time = "90", const std::string& Count = "0");
// An NGF move line: "PM01", the colour of move I (from 1; B first) and two capital letters.
std::string NgfMove(int I, const std::string& Point);
// Lines joined, each ended by End.
std::string NgfText(const std::vector<std::string>& Lines, const std::string& End = "\r\n");

// Utf8 in the character set Set (an iconv name), as a site would write a record; "" when the
// set has no code for a character of it.
std::string InCharset(const std::string& Utf8, const char* Set);

}  // namespace xvexo::testing
