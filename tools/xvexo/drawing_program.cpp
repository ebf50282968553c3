#include "drawing_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "command_line.h"
#include "commands.h"

namespace xvexo::cli {

int RunDrawingProgram(char** Argv) {
    // The real file of this program, links resolved, so that a link to xvexo elsewhere still
    // finds the helper installed beside the real one.
    std::error_code Ec;
    const std::filesystem::path Self = std::filesystem::read_symlink("/proc/self/exe", Ec);
    if (Ec) {
        PrintError("Cannot find the drawing program: " + Ec.message());
        return kExitFailed;
    }
    const std::string Program = (Self.parent_path() / XVEXO_DRAW_PATH).lexically_normal();
    std::vector<char*> Line{const_cast<char*>(Program.c_str())};
    for (char** A = Argv; *A != nullptr; ++A)
        Line.push_back(*A);
    Line.push_back(nullptr);
    ::execv(Program.c_str(), Line.data());
    PrintError("Cannot start the drawing program " + Program + ": " + std::strerror(errno));
    return kExitFailed;
}

}  // namespace xvexo::cli
