// xvexo: reads a game record and prints what the viewer makes of it.

#include <csignal>
#include <cstdio>
#include <string_view>

#include "commands.h"

namespace {

struct TCommand {
    std::string_view Name;
    int (*Run)(const xvexo::cli::TArgs&);
};

constexpr TCommand kCommands[] = {
    {"record", xvexo::cli::RunRecord},   {"replay", xvexo::cli::RunReplay},
    {"diagram", xvexo::cli::RunDiagram},
#ifdef XVEXO_HAVE_RENDER
    {"render", xvexo::cli::RunRender},
#endif
#ifdef XVEXO_HAVE_PRINT
    {"print", xvexo::cli::RunPrint},
#endif
};

void PrintUsage() {
    std::fputs(
        "usage: xvexo record [--tag|--ngf|--sgf] [--text utf8|raw] SOURCE\n"
        "       xvexo replay [--tag|--ngf|--sgf] SOURCE [--to N]\n"
        "       xvexo diagram [--tag|--ngf|--sgf] SOURCE --from A --to B [--row-width W]\n"
#ifdef XVEXO_HAVE_RENDER
        "       xvexo render [--tag|--ngf|--sgf] SOURCE [--to N] [--cell C] [--numbers]\n"
        "                    -o FILE.png\n"
        "       xvexo render [--tag|--ngf|--sgf] SOURCE --reference M-K [--cell C] -o FILE.png\n"
#endif
#ifdef XVEXO_HAVE_PRINT
        "       xvexo print [--tag|--ngf|--sgf] SOURCE [--whole | --range A B | --split N\n"
        "                   [--per-page 1|2|4]] [--top-margin T] [--left-margin L] [--grid G]\n"
        "                   [--paper a4|letter] -o FILE.pdf\n"
#endif
        ,
        stderr);
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe on standard output is a failed write that the command reports (exit 1),
    // not a silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc < 2) {
        PrintUsage();
        return xvexo::cli::kExitUsage;
    }
    const std::string_view Name = argv[1];
    for (const TCommand& C : kCommands) {
        if (C.Name == Name) return C.Run(xvexo::cli::TArgs(argv + 2, argv + argc));
    }
    PrintUsage();
    return xvexo::cli::kExitUsage;
}
