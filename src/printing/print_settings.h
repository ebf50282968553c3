#pragma once
// The user's print options and their place in the user registry: six integers under
// "Software\KelVexoView\Print Option Info", stored as decimal text, with a settings version
// stamp under "Version Info" that resets them to their defaults when it changes.

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "records/user_registry.h"

namespace xvexo {

inline constexpr const char* kPrintProductKey = "Software\\KelVexoView";
inline constexpr const char* kVersionSection = "Version Info";
inline constexpr const char* kVersionValue = "version";
inline constexpr const char* kPrintOptionSection = "Print Option Info";
inline constexpr const char* kSettingsVersion = "0408A";

// Modes of SyncPrintOptions and SyncSection.
constexpr int kSyncRead = 1;
constexpr int kSyncWrite = 2;

// What to print, as stored in method.
constexpr int32_t kMethodWhole = 1;
constexpr int32_t kMethodRange = 2;
constexpr int32_t kMethodSplit = 3;
constexpr int32_t kMethodNone = 4;

// The print options, each field named as its registry value. Margins and the cell size are in
// printer dots; perpage is the index of the page choice (0: 1, 1: 2, 2: 4 diagrams a page).
struct TPrintOptions {
    int32_t tmargin = 500;
    int32_t lmargin = 400;
    int32_t gogrid = 185;
    int32_t splitno = 50;
    int32_t perpage = 2;
    int32_t method = kMethodWhole;
    friend bool operator==(const TPrintOptions&, const TPrintOptions&) = default;
};

// The program's print options, loaded when the program starts.
extern TPrintOptions PrintOptions;

// A section that could not be written: "Failed to create key SECTION". Cause says why the
// registry refused (the file, the system's reason); it may be empty.
class TPrintSettingsError : public std::runtime_error {
  public:
    explicit TPrintSettingsError(const std::string& Message, std::string Cause = {})
        : std::runtime_error(Message), FCause(std::move(Cause)) {}

    const std::string& Cause() const { return FCause; }
    // The message followed by its cause, for the user.
    std::string Details() const {
        return FCause.empty() ? std::string(what()) : std::string(what()) + ": " + FCause;
    }

  private:
    std::string FCause;
};

// Reads and writes the print options in the registry. The program holds one, created at start.
class TKelStatus {
  public:
    // Runs the version check: a missing or different stamp writes "0408A" and the six
    // defaults (creating the product key and its sections); "0408A" reads the six values and
    // writes nothing. Throws TPrintSettingsError when a write fails; with LoadError given, it
    // stores the error there instead and the status comes into being with the defaults (the
    // next write tries again).
    explicit TKelStatus(TUserRegistry& Registry, TPrintOptions& Options = PrintOptions,
                        std::optional<TPrintSettingsError>* LoadError = nullptr);

    TKelStatus(const TKelStatus&) = delete;
    TKelStatus& operator=(const TKelStatus&) = delete;

    // Reset first restores the defaults; then mode 1 reads the six values, any other mode
    // writes them (tmargin, lmargin, gogrid, splitno, perpage, method, as decimal text) as one
    // store. A value that is missing, not a string or not a decimal number reads as its
    // default. A write that fails throws TPrintSettingsError and leaves the options as they
    // were.
    void SyncPrintOptions(int Mode, bool Reset);
    // SyncPrintOptions when Section is exactly "Print Option Info" (letter case counts);
    // nothing for any other name.
    void SyncSection(std::string_view Section, int Mode, bool Reset);

    TPrintOptions& Options() const { return FOptions; }

  private:
    void VersionCheck();
    static std::string SectionKey(std::string_view Section);
    // Runs Changes as one store of the registry; a store that fails throws TPrintSettingsError
    // "Failed to create key SECTION" with the registry's reason.
    void StoreAs(std::string_view Section, const std::function<void(TUserRegistry&)>& Changes);
    // The six values in their order, each as its decimal text.
    static void WriteOptions(TUserRegistry& R, const TPrintOptions& Options);
    static void WriteValue(TUserRegistry& R, std::string_view Section, std::string_view Name,
                           std::string_view Text);

    TUserRegistry& Registry;
    TPrintOptions& FOptions;
};

}  // namespace xvexo
