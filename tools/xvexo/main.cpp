// xvexo: reads a game record and prints what the viewer makes of it. The commands that only
// read and replay run here on the standard library alone; the drawing commands, which need Qt,
// are handed to the drawing program beside this one, so that the others start fast.

#include <csignal>
#include <cstdio>
#include <string_view>

#include "commands.h"
#include "drawing_program.h"

namespace {

struct TCommand {
    std::string_view Name;
    int (*Run)(const xvexo::cli::TArgs&);  // null: run by the drawing program
};

constexpr TCommand kCommands[] = {
    {"record", xvexo::cli::RunRecord},
    {"replay", xvexo::cli::RunReplay},
    {"diagram", xvexo::cli::RunDiagram},
    {"fetch", xvexo::cli::RunFetch},
#ifdef XVEXO_HAVE_DRAWING
    {"render", nullptr},
    {"print", nullptr},
#endif
};

void PrintUsage() {
    std::fputs(
        "usage: xvexo record [--tag|--ngf|--sgf] [--text utf8|raw] SOURCE\n"
        "       xvexo replay [--tag|--ngf|--sgf] SOURCE [--to N]\n"
        "       xvexo diagram [--tag|--ngf|--sgf] SOURCE --from A --to B [--row-width W]\n"
        "       xvexo fetch ADDRESS\n"
#ifdef XVEXO_HAVE_DRAWING
        "       xvexo render [--tag|--ngf|--sgf] SOURCE [--to N] [--cell C] [--numbers]\n"
        "                    -o FILE.png\n"
        "       xvexo render [--tag|--ngf|--sgf] SOURCE --reference M-K [--cell C] -o FILE.png\n"
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
    // not a silent death by signal. The drawing program inherits this.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc < 2) {
        PrintUsage();
        return xvexo::cli::kExitUsage;
    }
    const std::string_view Name = argv[1];
    for (const TCommand& C : kCommands) {
        if (C.Name != Name) continue;
        if (C.Run == nullptr) return xvexo::cli::RunDrawingProgram(argv + 1);
        return C.Run(xvexo::cli::TArgs(argv + 2, argv + argc));
    }
    PrintUsage();
    return xvexo::cli::kExitUsage;
}
