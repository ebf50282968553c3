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
    // The check and what it stores are one store: a first run, or another version, writes the
    // stamp and the six defaults together (creating the product key and its sections); the
    // current version reads the six values and writes nothing.
    bool Reset = false;
    StoreAs(kVersionSection, [&](TUserRegistry& R) {
        const std::string Version =
            R.ReadString(SectionKey(kVersionSection), kVersionValue).value_or("");
        Reset = Version != kSettingsVersion;
        if (!Reset) return;
        WriteValue(R, kVersionSection, kVersionValue, kSettingsVersion);
        WriteOptions(R, TPrintOptions{});
    });
    if (Reset) {
        FOptions = TPrintOptions{};
    } else {
        SyncSection(kPrintOptionSection, kSyncRead, false);
    }
}

void TKelStatus::SyncPrintOptions(int Mode, bool Reset) {
    if (Mode != kSyncRead) {
        // The six values are one store; the options change only once it is made.
        const TPrintOptions Next = Reset ? TPrintOptions{} : FOptions;
        StoreAs(kPrintOptionSection, [&](TUserRegistry& R) { WriteOptions(R, Next); });
        FOptions = Next;
        return;
    }
    if (Reset) FOptions = TPrintOptions{};
    const TPrintOptions Defaults;
    const std::string Key = SectionKey(kPrintOptionSection);
    for (const TOptionField& F : kOptionFields) {
        const std::optional<std::string> Text = Registry.ReadString(Key, F.Name);
        const std::optional<int32_t> Value = Text ? ParseDecimal(*Text) : std::nullopt;
        FOptions.*F.Field = Value.value_or(Defaults.*F.Field);
    }
}

void TKelStatus::SyncSection(std::string_view Section, int Mode, bool Reset) {
    if (Section == kPrintOptionSection) SyncPrintOptions(Mode, Reset);
}

std::string TKelStatus::SectionKey(std::string_view Section) {
    return std::string(kPrintProductKey) + "\\" + std::string(Section);
}

void TKelStatus::StoreAs(std::string_view Section,
                         const std::function<void(TUserRegistry&)>& Changes) {
    try {
        Registry.Update(Changes);
    } catch (const TRegistryError& E) {
        throw TPrintSettingsError("Failed to create key " + std::string(Section), E.what());
    }
}

void TKelStatus::WriteOptions(TUserRegistry& R, const TPrintOptions& Options) {
    for (const TOptionField& F : kOptionFields)
        WriteValue(R, kPrintOptionSection, F.Name, std::to_string(Options.*F.Field));
}

void TKelStatus::WriteValue(TUserRegistry& R, std::string_view Section, std::string_view Name,
                            std::string_view Text) {
    const std::string Key = SectionKey(Section);
    R.CreateKey(Key);
    R.WriteString(Key, Name, Text);
}

}  // namespace xvexo
