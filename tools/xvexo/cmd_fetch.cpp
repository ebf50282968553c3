// xvexo fetch ADDRESS: the bytes of a record, as getFile reads them, on standard output.

#include "command_line.h"
#include "commands.h"
#include "load_source.h"

namespace xvexo::cli {

int RunFetch(const TArgs& Args) {
    // One address and nothing else: the body goes out byte for byte, so no option changes it.
    if (Args.size() != 1 || (Args[0].size() > 1 && Args[0].starts_with("-"))) {
        PrintError(Args.empty() ? "ADDRESS is missing" : "usage: xvexo fetch ADDRESS");
        return kExitUsage;
    }
    std::string Body;
    std::string Error;
    if (!ReadSourceBytes(Args[0], Body, Error)) {
        PrintError(Error);
        return kExitFailed;
    }
    std::string Reason;
    if (!WriteOutput(Body, Reason)) {
        PrintError("Cannot write the output: " + Reason);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace xvexo::cli
