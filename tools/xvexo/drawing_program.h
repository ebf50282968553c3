#pragma once
// The drawing commands (render, print) need Qt; they live in a program of their own,
// xvexo-draw, installed beside xvexo, so that the other commands start without loading it.

namespace xvexo::cli {

// Replaces this process with the drawing program, found at XVEXO_DRAW_PATH relative to the
// folder of this program, giving it Argv (the command's name first) unchanged: its output and
// exit status are the command's. Returns only when it cannot be started, with the reason
// printed as one line on standard error and kExitFailed.
int RunDrawingProgram(char** Argv);

}  // namespace xvexo::cli
