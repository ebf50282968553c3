#pragma once
// Loads SOURCE (an address or a local path) into a record and, when the record is to
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

// Reads the bytes of SOURCE as getFile reads them: an http:// or https:// address downloaded
// through the user's proxy (in a build with the network), anything else from disk. False with
// Error set when it cannot be read.
bool ReadSourceBytes(const std::string& Source, std::string& Body, std::string& Error);

// Reads SOURCE, parses it in its format (the forced one as it stands; else the address's, or
// standard SGF when the text is SGF) and applies it when it is to be shown. A text that holds
// no game record fails with "SOURCE holds no game record".
TLoadedSource LoadSource(const std::string& Source, std::optional<int> Forced);

}  // namespace xvexo::cli
