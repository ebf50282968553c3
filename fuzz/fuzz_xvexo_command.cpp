// The xvexo command line on arbitrary records: the first byte chooses the command and its
// options, the rest is the record, read from a file as the tool reads it. Whatever the record,
// the output is one valid JSON object in UTF-8 of the promised shape, or nothing after a usage
// error.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "commands.h"

namespace {

void Check(bool Ok) {
    if (!Ok) __builtin_trap();
}

// Standard output goes to a file in memory, read back after each command.
int OutputFd = -1;
std::string Folder;

std::string TakeOutput() {
    std::fflush(stdout);
    std::string Out;
    char Buf[65536];
    ssize_t N = 0;
    off_t At = 0;
    while ((N = ::pread(OutputFd, Buf, sizeof Buf, At)) > 0) {
        Out.append(Buf, static_cast<size_t>(N));
        At += N;
    }
    if (::ftruncate(OutputFd, 0) != 0 || ::lseek(OutputFd, 0, SEEK_SET) != 0) std::abort();
    return Out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    OutputFd = ::memfd_create("xvexo-output", 0);
    if (OutputFd < 0 || ::dup2(OutputFd, STDOUT_FILENO) < 0) std::abort();
    char Template[] = "/tmp/fuzz-xvexo-XXXXXX";
    if (::mkdtemp(Template) == nullptr) std::abort();
    Folder = Template;
    // The record files and their folder go when the run ends.
    std::atexit([] {
        ::unlink((Folder + "/game.NGF").c_str());
        ::unlink((Folder + "/game.txt").c_str());
        ::rmdir(Folder.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace xvexo::cli;
    if (Size == 0) return 0;
    const uint8_t Choice = Data[0];
    const std::string Record(reinterpret_cast<const char*>(Data) + 1, Size - 1);

    const bool Replay = Choice & 1;
    const std::string Path = Folder + ((Choice & 2) ? "/game.NGF" : "/game.txt");
    std::ofstream(Path, std::ios::binary | std::ios::trunc) << Record;

    TArgs Args;
    if ((Choice >> 2 & 3) == 1) Args.push_back("--tag");
    if ((Choice >> 2 & 3) == 2) Args.push_back("--ngf");
    Args.push_back((Choice & 16) ? "file://localhost" + Path : Path);
    if (Choice & 32) {
        Args.push_back(Replay ? "--to" : "--text");
        Args.push_back(Replay ? std::to_string(static_cast<int>(Record.size() % 600) - 50)
                              : (Record.size() & 1 ? "raw" : "utf8"));
    }
    if (Choice & 64) Args.push_back(Choice & 128 ? "--bogus" : "second-source");

    const int Status = Replay ? RunReplay(Args) : RunRecord(Args);
    const std::string Out = TakeOutput();
    Check(Status == kExitOk || Status == kExitFailed || Status == kExitUsage);
    if (Status == kExitUsage) {
        Check(Out.empty());
        return 0;
    }
    Check(Out.ends_with("}\n"));
    // Strict JSON; strings must be valid UTF-8 or parsing throws.
    nlohmann::json J;
    try {
        J = nlohmann::json::parse(Out);
    } catch (const nlohmann::json::exception&) {
        Check(false);
    }
    Check(J.is_object());
    if (Replay) {
        // A row of each line: 19 but for a standard SGF record, which names its size.
        const size_t Lines = J.contains("BoardSize") ? J["BoardSize"].get<size_t>() : 19;
        Check(J["Points"].size() == Lines && J["Numbers"].size() == Lines);
        for (const auto& Row : J["Points"])
            Check(Row.get<std::string>().find_first_not_of(".XO") == std::string::npos);
    } else {
        const int64_t Count = J["MoveCount"].get<int64_t>();
        Check(J["Moves"].size() == static_cast<size_t>(std::clamp<int64_t>(Count, 0, 500)));
        Check(J["Info"].size() == 14);
        Check(J["Error"].is_null() == (Status == kExitOk));
        if (!J["Error"].is_null()) Check(J["Shown"] == false);
    }
    return 0;
}
