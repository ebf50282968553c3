#include "platform/print_status.h"

#include <memory>

#include "platform/reg_file_registry.h"

namespace xvexo {

namespace {

// The one status of the program and the registry it reads and writes, as the program's print
// options are module-wide.
struct TProgramStatus {
    std::unique_ptr<TRegFileRegistry> Registry;
    std::unique_ptr<TKelStatus> Status;
};

TProgramStatus& Program() {
    static TProgramStatus Instance;
    return Instance;
}

}  // namespace

TKelStatus& StartPrintStatus(std::optional<TPrintSettingsError>* LoadError,
                             const TEnvLookup& GetEnv) {
    TProgramStatus& P = Program();
    if (LoadError != nullptr) LoadError->reset();
    if (P.Status) return *P.Status;
    std::optional<TPrintSettingsError> Failure;
    auto Registry = OpenUserRegistry(GetEnv);
    P.Status = std::make_unique<TKelStatus>(*Registry, PrintOptions, &Failure);
    P.Registry = std::move(Registry);
    if (LoadError != nullptr) *LoadError = std::move(Failure);
    return *P.Status;
}

TKelStatus* ProgramPrintStatus() {
    return Program().Status.get();
}

void EndPrintStatus() {
    TProgramStatus& P = Program();
    P.Status.reset();
    P.Registry.reset();
}

}  // namespace xvexo
