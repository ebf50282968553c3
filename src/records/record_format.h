#pragma once
// Which reader a record text takes.

#include <cstdint>
#include <string_view>

namespace xvexo {

// Where the first game tree of a text begins: the first "(" followed (blanks and line breaks
// between) by ";", or by a property name of capitals and its "[" (a root node written without
// its ";"); npos when there is none. What stands before it (a licence, the headers of a mail)
// is no part of the record.
size_t FindGameTreeStart(std::string_view Text);

// The one rule that chooses the reader of a record, given the format its address chose
// (FormatForAddress, FormatForFileName):
// - kFormatNgf stays NGF; the text is not looked at.
// - A text with a UTF-16 byte-order mark, or whose first two bytes are "(" in UTF-16, is
//   standard SGF: the tag format is a text of single bytes and never UTF-16.
// - After an optional UTF-8 byte-order mark, the first game tree (FindGameTreeStart) decides;
//   a text without one stays with the tag reader (kFormatTag), which reads what it can of it.
// - A tree whose root node's first property name begins with "E" (EV, as every tag-format
//   record opens) is the tag format, read exactly as the tag reader always read it, unless its
//   root node also holds FF, GM, CA or AP, which only standard SGF writers put there. A tree
//   whose root is written without its ";" is standard SGF unless its first property begins with
//   "E" or is RN (a tag-format diagram block). Any other tree is standard SGF (kFormatSgf): its
//   root opens with another property (GM, FF, SZ, ...) or with none at all.
int32_t ChooseRecordFormat(std::string_view Text, int32_t AddressFormat);

}  // namespace xvexo
