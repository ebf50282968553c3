#pragma once
// Loads SOURCE (a local path or a file:// address) into a record and, when the record is to
// be shown, applies it to a rules engine as the viewer does. Shared by every command.

#include <memory>
#include <optional>
#include <string>

#include "records/game_record.h"
#include "records/record_loader.h"
#include "rules/go_board.h"

namespace xvexo::cli {

struct TLoadedSource {
    std::unique_ptr<TGameRecord> Record;
    std::unique_ptr<TGoBoard> Board;  // at its initial empty position unless Result.Shown
    TLoadResult Result;               // Result.Error also holds a failure to read SOURCE
    uint8_t Handicap = 0;             // as copied into TGameInfo when applied
};

// The format of SOURCE: Forced when given, else the rule of its kind of address.
int32_t FormatOfSource(const std::string& Source, std::optional<int> Forced);

// Reads SOURCE, parses it in its format (the forced one as it stands; else the address's, or
// standard SGF when the text is SGF) and applies it when it is to be shown.
TLoadedSource LoadSource(const std::string& Source, std::optional<int> Forced);

}  // namespace xvexo::cli
