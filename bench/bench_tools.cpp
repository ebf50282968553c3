// The programs as users start them: xvexo record on the 1 MiB comment-heavy record, timed as
// the processor time of the whole process (loading the program and its libraries, reading,
// parsing, writing the JSON to /dev/null).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/large_records.h"

namespace {

// The record in a file of its own, removed at the end of the run.
class TRecordFile {
  public:
    explicit TRecordFile(const std::string& Text)
        : Path(std::filesystem::temp_directory_path() /
               ("xvexo_bench_" + std::to_string(::getpid()) + ".tag.txt")) {
        std::ofstream(Path, std::ios::binary) << Text;
    }
    ~TRecordFile() { std::filesystem::remove(Path); }
    std::string Name() const { return Path.string(); }

  private:
    std::filesystem::path Path;
};

// Runs the program with Args, its output to /dev/null; the seconds of processor time it used
// (user and system), or a negative number when it could not run or failed.
double ProcessSeconds(std::vector<std::string> Args) {
    std::vector<char*> Argv;
    for (std::string& A : Args)
        Argv.push_back(A.data());
    Argv.push_back(nullptr);
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t Pid = 0;
    const int Rc = posix_spawn(&Pid, Argv[0], &Actions, nullptr, Argv.data(), environ);
    posix_spawn_file_actions_destroy(&Actions);
    if (Rc != 0) return -1;
    int Status = 0;
    rusage Usage{};
    if (::wait4(Pid, &Status, 0, &Usage) != Pid || !WIFEXITED(Status) || WEXITSTATUS(Status) != 0)
        return -1;
    const auto Seconds = [](const timeval& T) { return T.tv_sec + T.tv_usec * 1e-6; };
    return Seconds(Usage.ru_utime) + Seconds(Usage.ru_stime);
}

void RunXvexo(benchmark::State& State, const std::vector<std::string>& Options) {
    const TRecordFile Record(xvexo::testing::CommentHeavyTagRecord());
    std::vector<std::string> Args{XVEXO_PROGRAM};
    Args.insert(Args.end(), Options.begin(), Options.end());
    Args.push_back(Record.Name());
    for (auto _ : State) {
        const double Seconds = ProcessSeconds(Args);
        if (Seconds < 0) {
            State.SkipWithError("xvexo failed");
            break;
        }
        State.SetIterationTime(Seconds);
    }
}

void BM_XvexoRecordCommentHeavy(benchmark::State& State) {
    RunXvexo(State, {"record"});
}
BENCHMARK(BM_XvexoRecordCommentHeavy)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_XvexoRecordCommentHeavyRaw(benchmark::State& State) {
    RunXvexo(State, {"record", "--text", "raw"});
}
BENCHMARK(BM_XvexoRecordCommentHeavyRaw)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
