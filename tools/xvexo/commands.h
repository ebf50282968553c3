#pragma once
// The commands of xvexo. Each takes the arguments after its name and returns the exit
// status: 0 success, 1 the load or the command failed, 2 a usage error.

#include <string>
#include <vector>

namespace xvexo::cli {

using TArgs = std::vector<std::string>;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int RunRecord(const TArgs& Args);
int RunReplay(const TArgs& Args);
int RunDiagram(const TArgs& Args);
int RunFetch(const TArgs& Args);
// The drawing commands, built into the drawing program xvexo-draw (full builds only).
int RunRender(const TArgs& Args);
int RunPrint(const TArgs& Args);

}  // namespace xvexo::cli
