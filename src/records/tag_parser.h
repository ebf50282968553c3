#pragma once
// Reader of the bracketed tag format: a byte-driven state machine that fills a game record in
// one left-to-right pass, tolerances included.

#include <string_view>

#include "records/game_record.h"

namespace xvexo {

// Empties Title, sets MoveCount and NoteCount to 0, then scans bytes 1..n-1 of Text (the last
// byte is never examined). Returns whether the record is to be shown: true unless the scan
// stopped on a malformed property name before any ")" between properties. A diagram start
// number that is not decimal throws TRecordError; what was stored before stays stored.
bool ParseTagRecord(TGameRecord& Record, std::string_view Text);

}  // namespace xvexo
