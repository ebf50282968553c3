#pragma once
// The program's print status: one TKelStatus on the current user's registry file, created when
// the program (or the control library) starts and destroyed when it ends. Creating it runs the
// version check, which loads the print options or, on a first run or a new settings version,
// stores the defaults.

#include <optional>
#include <string>

#include "printing/print_settings.h"
#include "records/environment.h"

namespace xvexo {

// Creates the print status on the registry file of the current user (see UserRegistryPath),
// once; a later call returns the same status and sets no error. When the version check cannot
// store what it must, the status still comes into being with the default options, and
// LoadError (when given) tells why: the viewer goes on, and confirming the print dialog tries
// to store the options again. When the registry file is no regular file (a device, a FIFO), the
// status reads nothing from it and stores nothing in it, with the default options, and
// SettingsFileProblem says so.
TKelStatus& StartPrintStatus(std::optional<TPrintSettingsError>* LoadError = nullptr,
                             const TEnvLookup& GetEnv = {});

// The status StartPrintStatus created, or nullptr before it ran (or after EndPrintStatus).
TKelStatus* ProgramPrintStatus();

// "The settings file PATH is not a regular file" when StartPrintStatus found it so; else empty.
const std::string& SettingsFileProblem();

// Destroys the status and closes its registry file; nothing is written. The next
// StartPrintStatus creates a new one.
void EndPrintStatus();

}  // namespace xvexo
