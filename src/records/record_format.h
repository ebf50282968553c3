#pragma once
// Which reader a record text takes.

#include <cstdint>
#include <string_view>

namespace xvexo {

// The one rule that chooses the reader of a record, given the format its address chose
// (FormatForAddress, FormatForFileName):
// - kFormatNgf stays NGF; the text is not looked at.
// - A bracketed record is a text that, after an optional UTF-8 byte-order mark and blanks or
//   line breaks, opens with "(" and ";" (blanks and line breaks allowed between). When the first
//   property name of its root node begins with "E" (EV, as every tag-format record opens), it is
//   the tag format (kFormatTag), read exactly as the tag reader always read it. Any other
//   bracketed record is standard SGF (kFormatSgf): its root opens with another property (GM, FF,
//   SZ, ...) or with none at all.
// - A text with a UTF-16 byte-order mark, or whose first two bytes are "(" in UTF-16, is
//   standard SGF: the tag format is a text of single bytes and never UTF-16.
// - Any other text stays with the tag reader (kFormatTag), which reads what it can of it.
int32_t ChooseRecordFormat(std::string_view Text, int32_t AddressFormat);

}  // namespace xvexo
