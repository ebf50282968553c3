#include "platform/print_status.h"

#include <memory>

#include "platform/reg_file_registry.h"

namespace xvexo {

namespace {

// The one status of the program and the registry it reads and writes, as the program's print
// options are module-wide.
struct TProgramStatus {
    std::unique_ptr<TRegFileRegistry> Registry;
    // What the status works on: the registry, or a view of it that stores nothing.
    std::unique_ptr<TUserRegistry> View;
    std::unique_ptr<TKelStatus> Status;
    std::string Problem;
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
    // A device or a FIFO in its place is said once, here, and never written.
    P.Problem = Registry->NotRegular() ? Registry->NotRegularMessage() : std::string();
    TUserRegistry* Store = Registry.get();
    if (!P.Problem.empty()) {
        P.View = std::make_unique<TReadOnlyRegistry>(*Registry);
        Store = P.View.get();
    }
    P.Status = std::make_unique<TKelStatus>(*Store, PrintOptions, &Failure);
    P.Registry = std::move(Registry);
    if (LoadError != nullptr) *LoadError = std::move(Failure);
    return *P.Status;
}

TKelStatus* ProgramPrintStatus() {
    return Program().Status.get();
}

const std::string& SettingsFileProblem() {
    return Program().Problem;
}

void EndPrintStatus() {
    TProgramStatus& P = Program();
    P.Status.reset();
    P.View.reset();
    P.Registry.reset();
    P.Problem.clear();
}

}  // namespace xvexo
