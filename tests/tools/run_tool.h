#pragma once
// Runs a program of the build as a shell command and collects its exit status and its output.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace xvexo::testing {

struct TToolRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// Runs "Program Args" through the shell (Args quoted by the caller), standard error going to
// ErrFile meanwhile.
inline TToolRun RunToolCommand(const std::string& Program, const std::string& Args,
                               const std::filesystem::path& ErrFile) {
    const std::string Command = "'" + Program + "' " + Args + " 2>'" + ErrFile.string() + "'";
    TToolRun R;
    FILE* P = ::popen(Command.c_str(), "r");
    if (!P) return R;
    char Buffer[4096];
    for (size_t N; (N = std::fread(Buffer, 1, sizeof Buffer, P)) > 0;)
        R.Out.append(Buffer, N);
    const int W = ::pclose(P);
    R.Status = WIFEXITED(W) ? WEXITSTATUS(W) : -1;
    std::ifstream In(ErrFile, std::ios::binary);
    R.Err.assign(std::istreambuf_iterator<char>(In), {});
    return R;
}

}  // namespace xvexo::testing
