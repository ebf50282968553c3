#pragma once
// Writing files whole, so that a failure never leaves one half written and never loses the file
// that stood there. A regular file is replaced: the new content goes to a temporary file in the
// same folder, reaches the disk, and is renamed over the file only when it is whole; on failure
// the temporary is removed and the old file stays as it was. Symbolic links are followed, so a
// link stays a link and the file it points at gets the content. A device, a FIFO or a socket
// named as an output is written directly instead, without ever blocking.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "records/record_source.h"

namespace xvexo {

// The file Path leads to once its symbolic links are followed (a relative target from the
// link's folder): Path itself when it is no link or does not exist. A link of the system's
// process folder (/proc, as /dev/stdout leads to) names an open file, not a path: the walk stops
// at it and ThroughProcess (when given) is set. Throws std::filesystem::filesystem_error when
// the links go round (more than 40).
std::filesystem::path FollowLinks(const std::filesystem::path& Path,
                                  bool* ThroughProcess = nullptr);

struct TReplaceOptions {
    // The permissions of a file that did not exist (the umask applies); a file replaced keeps
    // its own, and its owner when the program may give it.
    mode_t NewFileMode = 0666;
    // Runs once the new content is whole on disk, right before the rename; an error number
    // other than 0 stops the replacement.
    std::function<int()> BeforeRename;
};

// Replaces the content of Target with Bytes through a temporary file beside it, named
// "NAME.new-" and six letters or digits. Target is taken as it stands (pass FollowLinks' result
// to write through a link). 0, or the error number of the step that failed.
int ReplaceFile(const std::filesystem::path& Target, std::string_view Bytes,
                const TReplaceOptions& Options = {});

// Removes the temporary files ReplaceFile left beside Target when it was stopped (a program
// killed mid-write): only files of that name, owned by this user, unchanged for at least Age.
void RemoveStaleTemporaries(const std::filesystem::path& Target, std::chrono::seconds Age);

// Writes Bytes as the whole content of the output at Path (bytes, any name the system takes):
// a regular file, or one that does not exist yet, through ReplaceFile (links followed); a
// character device, a FIFO or a local socket directly, opened and written without blocking,
// failing with "Timed out" when it takes no byte (or, for a FIFO, no reader comes) for
// Limits.Silence. False with the reason (the system's text, or "Timed out") when the output
// could not be written in full.
bool WriteWholeFile(const std::string& Path, std::string_view Bytes, std::string& Reason,
                    const TSourceLimits& Limits = {});

}  // namespace xvexo
