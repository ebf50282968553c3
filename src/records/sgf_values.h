#pragma once
// Reading the values of standard SGF properties (UTF-8 text, escapes still in place).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace xvexo {

// A Text value: "\" takes the next character as it stands, "\" before a line break removes
// both (a soft line break), other blanks than line breaks become spaces; line breaks stay.
// Simple: a SimpleText value, where line breaks too become one space each.
std::string SgfText(std::string_view Raw, bool Simple);

// The column and row (1..BoardSize) of a point value of two letters "a".."z"; nullopt for
// any other value or a point off the board.
struct TSgfPoint {
    uint8_t X = 0;
    uint8_t Y = 0;
};
std::optional<TSgfPoint> SgfPoint(std::string_view Raw, int32_t BoardSize);

// A move value: "" is a pass, and so is "tt" on boards of up to 19 lines (written as (0, 0));
// nullopt for a value that is neither a pass nor a point of the board.
std::optional<TSgfPoint> SgfMove(std::string_view Raw, int32_t BoardSize);

// The corners (left-top, right-bottom) of a point list value: one point "aa" or a rectangle
// "aa:cc" (its corners in any order); nullopt when a corner is not a point of the board.
struct TSgfRectangle {
    TSgfPoint From;
    TSgfPoint To;
};
std::optional<TSgfRectangle> SgfPointRectangle(std::string_view Raw, int32_t BoardSize);

// The part of a composed value before the first ":" that no "\" escapes, and the part after
// it ("" when there is no ":").
std::pair<std::string_view, std::string_view> SgfSplitCompose(std::string_view Raw);

// The value code the painter shows for a label text (already unescaped): a letter A..Z or
// a..z as 600..625 (the painter draws capitals); a number 1..500 as that number; one of the
// fourteen Korean syllables the painter knows (가 나 다 ... 하) as 630..643; a longer text as
// its first letter when it begins with one. 0: nothing the painter can show.
int16_t SgfLabelCode(std::string_view Text);

// A whole number of the value, blanks around it allowed; nullopt otherwise.
std::optional<int32_t> SgfNumber(std::string_view Raw);

// The time limit TM (seconds) as the viewer words times: "1小时30分", "45分", "30秒";
// a value that is no number stays as written.
std::string SgfTimeText(std::string_view Text);

// Byo-yomi of an overtime text such as "3x30 byo-yomi": the count of periods and their
// seconds, as written. False for any other kind of overtime.
bool SgfByoyomi(std::string_view Text, std::string& Count, std::string& Seconds);

// A value for an error message: bytes below 0x20 and 0x7F as "?", cut after 32 bytes (at a
// character boundary) with "..." appended.
std::string QuoteForMessage(std::string_view Value);

}  // namespace xvexo
