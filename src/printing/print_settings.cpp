#include "printing/print_settings.h"

#include <array>
#include <optional>

#include "records/record_error.h"

namespace xvexo {

TPrintOptions PrintOptions;

namespace {

struct TOptionField {
    const char* Name;
    int32_t TPrintOptions::*Field;
};

// The six values in the order they are written.
constexpr std::array<TOptionField, 6> kOptionFields = {{
    {"tmargin", &TPrintOptions::tmargin},
    {"lmargin", &TPrintOptions::lmargin},
    {"gogrid", &TPrintOptions::gogrid},
    {"splitno", &TPrintOptions::splitno},
    {"perpage", &TPrintOptions::perpage},
    {"method", &TPrintOptions::method},
}};

}  // namespace

TKelStatus::TKelStatus(TUserRegistry& Registry, TPrintOptions& Options,
                       std::optional<TPrintSettingsError>* LoadError)
    : Registry(Registry), FOptions(Options) {
    if (LoadError == nullptr) {
        VersionCheck();
        return;
    }
    LoadError->reset();
    try {
        VersionCheck();
    } catch (const TPrintSettingsError& E) {
        LoadError->emplace(E);
        FOptions = TPrintOptions{};
    }
}

void TKelStatus::VersionCheck() {
    // The product key comes into being with the first section written below it; loading
    // options that are stored writes nothing.
    const std::string Version =
        Registry.ReadString(SectionKey(kVersionSection), kVersionValue).value_or("");
    if (Version.empty()) {
        WriteValue(kVersionSection, kVersionValue, kSettingsVersion);
        SyncPrintOptions(kSyncWrite, true);
    } else if (Version != kSettingsVersion) {
        WriteValue(kVersionSection, kVersionValue, kSettingsVersion);
        SyncSection(kPrintOptionSection, kSyncWrite, true);
    } else {
        SyncSection(kPrintOptionSection, kSyncRead, false);
    }
}

void TKelStatus::SyncPrintOptions(int Mode, bool Reset) {
    if (Reset) FOptions = TPrintOptions{};
    const TPrintOptions Defaults;
    const std::string Key = SectionKey(kPrintOptionSection);
    for (const TOptionField& F : kOptionFields) {
        if (Mode == kSyncRead) {
            const std::optional<std::string> Text = Registry.ReadString(Key, F.Name);
            const std::optional<int32_t> Value = Text ? ParseDecimal(*Text) : std::nullopt;
            FOptions.*F.Field = Value.value_or(Defaults.*F.Field);
        } else {
            WriteValue(kPrintOptionSection, F.Name, std::to_string(FOptions.*F.Field));
        }
    }
}

void TKelStatus::SyncSection(std::string_view Section, int Mode, bool Reset) {
    if (Section == kPrintOptionSection) SyncPrintOptions(Mode, Reset);
}

std::string TKelStatus::SectionKey(std::string_view Section) const {
    return std::string(kPrintProductKey) + "\\" + std::string(Section);
}

void TKelStatus::WriteValue(std::string_view Section, std::string_view Name,
                            std::string_view Text) {
    try {
        const std::string Key = SectionKey(Section);
        Registry.CreateKey(Key);
        Registry.WriteString(Key, Name, Text);
    } catch (const TRegistryError& E) {
        throw TPrintSettingsError("Failed to create key " + std::string(Section), E.what());
    }
}

}  // namespace xvexo
