// The print options in the user registry: the version check at start, reading, writing and the
// failure to write.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "memory_registry.h"
#include "printing/print_settings.h"

namespace xvexo {
namespace {

using testing::TMemoryRegistry;

const std::string kSection = "Software\\KelVexoView\\Print Option Info";
const std::string kVersionKey = "Software\\KelVexoView\\Version Info";

// The six stored texts, "-" for a missing value.
std::map<std::string, std::string> Stored(const TMemoryRegistry& R) {
    std::map<std::string, std::string> Out;
    for (const char* Name : {"tmargin", "lmargin", "gogrid", "splitno", "perpage", "method"}) {
        Out[Name] = R.ReadString(kSection, Name).value_or("-");
    }
    return Out;
}

const std::map<std::string, std::string> kStoredDefaults = {{"tmargin", "500"}, {"lmargin", "400"},
                                                            {"gogrid", "185"},  {"splitno", "50"},
                                                            {"perpage", "2"},   {"method", "1"}};

TMemoryRegistry WithVersion(const std::string& Version) {
    TMemoryRegistry R;
    R.WriteString(kVersionKey, "version", Version);
    for (const auto& [Name, Text] : kStoredDefaults)
        R.WriteString(kSection, Name, Text);
    R.Changes = 0;
    return R;
}

TEST(PrintSettings, FirstRunWritesTheStampAndTheDefaults) {
    TMemoryRegistry R;
    TPrintOptions O{1, 2, 3, 4, 5, 6};
    TKelStatus Status(R, O);
    EXPECT_EQ(R.ReadString(kVersionKey, "version"), "0408A");
    EXPECT_EQ(Stored(R), kStoredDefaults);
    EXPECT_EQ(O, TPrintOptions{});
    EXPECT_EQ(&Status.Options(), &O);
}

TEST(PrintSettings, AnotherVersionResetsStoredOptions) {
    TMemoryRegistry R = WithVersion("0407");
    R.WriteString(kSection, "tmargin", "300");
    TPrintOptions O;
    TKelStatus Status(R, O);
    EXPECT_EQ(O.tmargin, 500);
    EXPECT_EQ(R.ReadString(kSection, "tmargin"), "500");
    EXPECT_EQ(R.ReadString(kVersionKey, "version"), "0408A");
}

// With the current stamp the values are read as they stand, unchecked; what cannot be read
// takes its default, and nothing is written.
TEST(PrintSettings, CurrentVersionReadsEachValueOrItsDefault) {
    struct TCase {
        const char* Name;
        TRegValueKind Kind;  // Missing: the value is removed
        const char* Text;
        int32_t TPrintOptions::*Field;
        int32_t Expected;
    };
    const TCase Cases[] = {
        {"gogrid", TRegValueKind::String, "abc", &TPrintOptions::gogrid, 185},
        {"gogrid", TRegValueKind::String, "120", &TPrintOptions::gogrid, 120},
        {"perpage", TRegValueKind::Missing, "", &TPrintOptions::perpage, 2},
        {"perpage", TRegValueKind::String, "7", &TPrintOptions::perpage, 7},
        {"method", TRegValueKind::String, "-3", &TPrintOptions::method, -3},
        {"splitno", TRegValueKind::String, " 40", &TPrintOptions::splitno, 50},
        {"splitno", TRegValueKind::String, "99999999999", &TPrintOptions::splitno, 50},
        {"lmargin", TRegValueKind::Dword, "", &TPrintOptions::lmargin, 400},
        {"TMARGIN", TRegValueKind::String, "250", &TPrintOptions::tmargin, 250},
    };
    for (const TCase& C : Cases) {
        TMemoryRegistry R = WithVersion("0408A");
        if (C.Kind == TRegValueKind::Missing) {
            R.DeleteValue(kSection, C.Name);
        } else if (C.Kind == TRegValueKind::Dword) {
            R.WriteDword(kSection, C.Name, 300);
        } else {
            R.WriteString(kSection, C.Name, C.Text);
        }
        const TMemoryRegistry::TKeys Before = R.Keys;
        R.Changes = 0;
        TPrintOptions O;
        TKelStatus Status(R, O);
        EXPECT_EQ(O.*C.Field, C.Expected) << C.Name << " " << C.Text;
        EXPECT_EQ(R.Changes, 0) << C.Name << " " << C.Text;
        EXPECT_EQ(R.Keys, Before);
    }
}

TEST(PrintSettings, MissingSectionReadsDefaults) {
    TMemoryRegistry R;
    R.WriteString(kVersionKey, "version", "0408A");
    R.Changes = 0;
    TPrintOptions O{1, 2, 3, 4, 5, 6};
    TKelStatus Status(R, O);
    EXPECT_EQ(O, TPrintOptions{});
    EXPECT_FALSE(R.KeyExists(kSection));
}

TEST(PrintSettings, WritingStoresDecimalTextOfEveryField) {
    TMemoryRegistry R = WithVersion("0408A");
    TPrintOptions O;
    TKelStatus Status(R, O);
    O = {-7, 0, 2147483647, 1, -1, 4};
    Status.SyncSection("Print Option Info", kSyncWrite, false);
    EXPECT_EQ(Stored(R), (std::map<std::string, std::string>{{"tmargin", "-7"},
                                                             {"lmargin", "0"},
                                                             {"gogrid", "2147483647"},
                                                             {"splitno", "1"},
                                                             {"perpage", "-1"},
                                                             {"method", "4"}}));
    // Reset first restores the defaults, which are then written.
    Status.SyncPrintOptions(kSyncWrite, true);
    EXPECT_EQ(Stored(R), kStoredDefaults);
    EXPECT_EQ(O, TPrintOptions{});
}

TEST(PrintSettings, SectionNameMustMatchExactly) {
    TMemoryRegistry R = WithVersion("0408A");
    TPrintOptions O;
    TKelStatus Status(R, O);
    O.tmargin = 222;
    R.Changes = 0;
    for (const char* Name : {"print option info", "PRINT OPTION INFO", "Print Option Info ", ""}) {
        Status.SyncSection(Name, kSyncWrite, true);
        Status.SyncSection(Name, kSyncRead, false);
    }
    EXPECT_EQ(R.Changes, 0);
    EXPECT_EQ(O.tmargin, 222);
}

TEST(PrintSettings, StoreThatCannotBeWrittenNamesTheSection) {
    // Loading reads; the confirmed write fails and changes nothing.
    TMemoryRegistry R = WithVersion("0408A");
    TPrintOptions O;
    TKelStatus Status(R, O);
    R.ReadOnly = true;
    const TMemoryRegistry::TKeys Before = R.Keys;
    O.tmargin = 300;
    try {
        Status.SyncSection("Print Option Info", kSyncWrite, false);
        FAIL() << "no error";
    } catch (const TPrintSettingsError& E) {
        EXPECT_STREQ(E.what(), "Failed to create key Print Option Info");
    }
    EXPECT_EQ(R.Keys, Before);

    // A first run there fails on the version stamp; the options keep their defaults.
    TMemoryRegistry Empty;
    Empty.ReadOnly = true;
    TPrintOptions O2;
    try {
        TKelStatus S2(Empty, O2);
        FAIL() << "no error";
    } catch (const TPrintSettingsError& E) {
        EXPECT_STREQ(E.what(), "Failed to create key Version Info");
    }
    EXPECT_EQ(O2, TPrintOptions{});
    EXPECT_TRUE(Empty.Keys.empty());
}

}  // namespace
}  // namespace xvexo
