// xvexo: reads a game record and prints what the viewer makes of it. The commands that only
// read and replay run here on the standard library alone; the drawing commands, which need Qt,
// are handed to the drawing program beside this one, so that the others start fast.

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>

#include "command_line.h"
#include "commands.h"
#include "drawing_program.h"

namespace {

struct TCommand {
    std::string_view Name;
    int (*Run)(const xvexo::cli::TArgs&);  // null: run by the drawing program
    const char* Usage;                     // its lines of the usage, then what it does
};

constexpr TCommand kCommands[] = {
    {"record", xvexo::cli::RunRecord,
     "xvexo record [--tag|--ngf|--sgf] [--text utf8|raw] SOURCE\n"
     "  Prints the record as parsed, as one JSON object (--text raw: each byte of a text as\n"
     "  the character of the same code).\n"},
    {"replay", xvexo::cli::RunReplay,
     "xvexo replay [--tag|--ngf|--sgf] SOURCE [--to N]\n"
     "  Prints the board after the whole record, or at move N (0: the start), as JSON.\n"},
    {"diagram", xvexo::cli::RunDiagram,
     "xvexo diagram [--tag|--ngf|--sgf] SOURCE --from A --to B [--row-width W]\n"
     "  Prints the printed diagram of moves A to B as JSON; W (1..28) is the widest row of\n"
     "  notes.\n"},
    {"fetch", xvexo::cli::RunFetch,
     "xvexo fetch ADDRESS\n"
     "  Writes the bytes at ADDRESS, as the viewer downloads them, to standard output.\n"},
#ifdef XVEXO_HAVE_DRAWING
    {"render", nullptr,
     "xvexo render [--tag|--ngf|--sgf] SOURCE [--to N] [--cell C] [--numbers] -o FILE.png\n"
     "xvexo render [--tag|--ngf|--sgf] SOURCE --reference M-K [--cell C] -o FILE.png\n"
     "  Draws the main board as the viewer shows it (or at move N; 0: the start) at cell size\n"
     "  C (1..200, default 24), or the reference window's board on diagram K of move M.\n"},
    {"print", nullptr,
     "xvexo print [--tag|--ngf|--sgf] SOURCE [--whole | --range A B | --split N\n"
     "            [--per-page 1|2|4]] [--top-margin T] [--left-margin L] [--grid G]\n"
     "            [--paper a4|letter] -o FILE.pdf\n"
     "  Prints the record as the print dialog would, to a PDF file at 600 dots per inch.\n"},
#endif
};

constexpr const char* kSourceNote =
    "SOURCE is a path, a file:// address or an http:// or https:// address; --tag, --ngf or\n"
    "--sgf chooses the reader. COMMAND --help shows one command. Exit status: 0 success,\n"
    "1 the load or the command failed, 2 a usage error.\n";

bool IsHelp(std::string_view Argument) {
    return Argument == "--help" || Argument == "-h";
}

// The usage of one command (its lines and what it does), or of all of them.
std::string UsageText(const TCommand* Only = nullptr) {
    std::string Text = "usage:\n";
    for (const TCommand& C : kCommands) {
        if (Only && &C != Only) continue;
        // Each line of the usage indented under the heading.
        Text += "  ";
        for (const char* P = C.Usage; *P != '\0'; ++P) {
            Text += *P;
            if (*P == '\n' && P[1] != '\0') Text += "  ";
        }
    }
    return Text + kSourceNote;
}

// The usage asked for, on standard output.
int PrintHelp(const TCommand* Only = nullptr) {
    std::string Reason;
    if (xvexo::cli::WriteOutput(UsageText(Only), Reason)) return xvexo::cli::kExitOk;
    xvexo::cli::PrintError("Cannot write the output: " + Reason);
    return xvexo::cli::kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe on standard output is a failed write that the command reports (exit 1),
    // not a silent death by signal. The drawing program inherits this.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc < 2) {
        std::fputs(UsageText().c_str(), stderr);
        return xvexo::cli::kExitUsage;
    }
    const std::string_view Name = argv[1];
    if (IsHelp(Name)) return PrintHelp();
    for (const TCommand& C : kCommands) {
        if (C.Name != Name) continue;
        // Help asked for anywhere on the line is the answer: nothing else is done.
        for (int i = 2; i < argc; ++i) {
            if (IsHelp(argv[i])) return PrintHelp(&C);
        }
        if (C.Run == nullptr) return xvexo::cli::RunDrawingProgram(argv + 1);
        return C.Run(xvexo::cli::TArgs(argv + 2, argv + argc));
    }
    xvexo::cli::PrintError("unknown command " + std::string(Name));
    std::fputs(UsageText().c_str(), stderr);
    return xvexo::cli::kExitUsage;
}
