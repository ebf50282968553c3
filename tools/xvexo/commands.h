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
#ifdef XVEXO_HAVE_RENDER
int RunRender(const TArgs& Args);
#endif
#ifdef XVEXO_HAVE_PRINT
int RunPrint(const TArgs& Args);
#endif

}  // namespace xvexo::cli
