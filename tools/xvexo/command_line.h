#pragma once
// Options shared by the commands: the format override, the text mode and SOURCE, with any
// further valued options a command names.

#include <map>
#include <optional>
#include <set>
#include <string>

#include "commands.h"

namespace xvexo::cli {

struct TCommandLine {
    std::optional<int> Format;                  // kFormatTag or kFormatNgf when forced
    std::string Source;                         // exactly one
    std::map<std::string, std::string> Values;  // valued options given, e.g. "--to"
    std::string Error;                          // usage error, empty when the line is sound
};

// Reads --tag, --ngf, SOURCE and the valued options in ValuedOptions (each followed by its
// value). Anything else, a second SOURCE or a missing one is a usage error.
TCommandLine ParseCommandLine(const TArgs& Args, const std::set<std::string>& ValuedOptions);

// Prints Message as one line on standard error.
void PrintError(const std::string& Message);

}  // namespace xvexo::cli
