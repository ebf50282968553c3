#include "command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "records/game_record.h"
#include "records/record_error.h"
#include "records/record_loader.h"

namespace xvexo::cli {

TCommandLine ParseCommandLine(const TArgs& Args, const std::set<std::string>& ValuedOptions) {
    TCommandLine L;
    bool HaveSource = false;
    for (size_t i = 0; i < Args.size(); ++i) {
        const std::string& A = Args[i];
        if (A == "--tag") {
            L.Format = kFormatTag;
        } else if (A == "--ngf") {
            L.Format = kFormatNgf;
        } else if (A == "--sgf") {
            L.Format = kFormatSgf;
        } else if (ValuedOptions.contains(A)) {
            if (i + 1 >= Args.size()) {
                L.Error = A + " needs a value";
                return L;
            }
            L.Values[A] = Args[++i];
        } else if (A.size() > 1 && A.starts_with("-")) {
            L.Error = "unknown option " + A;
            return L;
        } else if (HaveSource) {
            L.Error = "only one SOURCE may be given";
            return L;
        } else {
            L.Source = A;
            HaveSource = true;
        }
    }
    if (!HaveSource) L.Error = "SOURCE is missing";
    return L;
}

bool ReadMoveOption(const TCommandLine& L, std::optional<int32_t>& To) {
    const auto It = L.Values.find("--to");
    if (It == L.Values.end()) return true;
    const std::optional<int32_t> N = ParseDecimal(It->second);
    if (!N || *N < 0) {
        PrintError("--to needs a whole number of 0 or more");
        return false;
    }
    To = *N;
    return true;
}

bool WriteOutput(std::string_view Bytes, std::string& Reason) {
    errno = 0;
    const bool Written = std::fwrite(Bytes.data(), 1, Bytes.size(), stdout) == Bytes.size();
    // What stays in the buffer may still fail to arrive: the flush tells.
    if (Written && std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    Reason = std::strerror(errno != 0 ? errno : EIO);
    std::clearerr(stdout);
    return false;
}

int FinishWithJson(const std::string& Json, const TLoadResult& Result) {
    std::string Reason;
    const bool Written = WriteOutput(Json, Reason);
    if (Result.Failed()) PrintError(Result.Error);
    if (!Written) PrintError("Cannot write the output: " + Reason);
    return Written && !Result.Failed() ? kExitOk : kExitFailed;
}

void PrintError(const std::string& Message) {
    // One line, and nothing the terminal would take as a command: no control byte, and no C1
    // control in UTF-8 (U+0080..U+009F, which some terminals obey as ESC sequences).
    std::string Line;
    Line.reserve(Message.size() + 1);
    for (size_t i = 0; i < Message.size(); ++i) {
        const auto B = static_cast<unsigned char>(Message[i]);
        if (B == '\n' || B == '\r' || B == '\t') {
            Line += ' ';
        } else if (B < 0x20 || B == 0x7F) {
            Line += '?';
        } else if (B == 0xC2 && i + 1 < Message.size() &&
                   (static_cast<unsigned char>(Message[i + 1]) & 0xE0) == 0x80) {
            Line += '?';
            ++i;
        } else {
            Line += Message[i];
        }
    }
    Line += '\n';
    std::fwrite(Line.data(), 1, Line.size(), stderr);
}

}  // namespace xvexo::cli
