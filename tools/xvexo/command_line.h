#pragma once
// Options shared by the commands: the format override, the text mode and SOURCE, with any
// further valued options a command names.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "commands.h"
#include "records/record_loader.h"

namespace xvexo::cli {

struct TCommandLine {
    std::optional<int> Format;                  // kFormatTag, kFormatNgf or kFormatSgf when forced
    std::string Source;                         // exactly one
    std::map<std::string, std::string> Values;  // valued options given, e.g. "--to"
    std::string Error;                          // usage error, empty when the line is sound
};

// Reads --tag, --ngf, --sgf, SOURCE and the valued options in ValuedOptions (each followed by its
// value). Anything else, a second SOURCE or a missing one is a usage error.
TCommandLine ParseCommandLine(const TArgs& Args, const std::set<std::string>& ValuedOptions);

// Reads the "--to" value of L: a move number, a decimal number of 0 (the start) or more. False,
// with a usage message printed, for any other value; To stays empty when "--to" was not given.
bool ReadMoveOption(const TCommandLine& L, std::optional<int32_t>& To);

// Writes Bytes to standard output and flushes it. False, with the system's reason, when they did
// not all arrive (a full disk, a closed pipe).
bool WriteOutput(std::string_view Bytes, std::string& Reason);

// Writes Json to standard output; then, when the load failed, its message as one line on
// standard error, and when the output could not be written, "Cannot write the output: REASON".
// The exit status: kExitOk, or kExitFailed after either failure.
int FinishWithJson(const std::string& Json, const TLoadResult& Result);

// Prints Message as one line on standard error: line breaks and tabs become blanks, other
// control bytes and the C1 controls of UTF-8 "?".
void PrintError(const std::string& Message);

}  // namespace xvexo::cli
