// xvexo-draw: the drawing commands of xvexo (render, print), which need Qt. xvexo starts it
// with the command's name and arguments as the user gave them; users call xvexo.

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
    {"render", xvexo::cli::RunRender},
    {"print", xvexo::cli::RunPrint},
};

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    if (argc >= 2) {
        const std::string_view Name = argv[1];
        for (const TCommand& C : kCommands) {
            if (C.Name == Name) return C.Run(xvexo::cli::TArgs(argv + 2, argv + argc));
        }
    }
    std::fputs("xvexo-draw runs the drawing commands of xvexo; use xvexo render or xvexo print\n",
               stderr);
    return xvexo::cli::kExitUsage;
}
