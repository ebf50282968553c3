#pragma once
// The reference tag reader: the tag-format reader and the diagram-block reader as first
// written, taking each byte on its own (runs found byte by byte, no node read at once), kept
// unchanged in the tests. The readers in src/records must read every text exactly as it does:
// the random-text test compares their records.

#include <string>
#include <string_view>

#include "records/game_record.h"

namespace xvexo::testing {

bool ReferenceParseTagRecord(TGameRecord& Record, std::string_view Text);
std::string ReferenceParseDiagramBlock(std::string_view Block);

}  // namespace xvexo::testing
