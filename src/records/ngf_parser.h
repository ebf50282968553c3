#pragma once
// Reader of the line-oriented NGF format.

#include <optional>
#include <string_view>

#include "records/game_record.h"

namespace xvexo {

// Removes the first line and its end (CR LF, a lone CR or a lone LF; the last line may lack
// it) from Rest and returns it without the end; nullopt when Rest is empty.
std::optional<std::string_view> ReadRecordLine(std::string_view& Rest);

// Reads Record.RecordText line by line into the record; RecordText keeps what followed the
// last line read. Throws TRecordError when a number is not decimal ("\"TEXT\" is not a decimal
// number"), a line is missing ("NGF record ends before line N") or a move line is shorter than
// seven bytes ("NGF move line N is too short"); the fields already set stay set.
void ParseNgfRecord(TGameRecord& Record);

}  // namespace xvexo
