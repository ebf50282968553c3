// The print options in the user registry file: the version check at start, reading, writing,
// cancelling, and a folder that cannot be written.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/print_status.h"
#include "platform/reg_file_registry.h"
#include "printing/print_dialog_model.h"
#include "printing/print_settings.h"
#include "support/temp_folder.h"

namespace xvexo {
namespace {

using testing::ReadBytes;
using testing::TTempFolder;
using testing::WriteBytes;

const std::string kSection = "Software\\KelVexoView\\Print Option Info";
const std::string kVersionKey = "Software\\KelVexoView\\Version Info";

using TValues = std::map<std::string, std::string>;

const TValues kStoredDefaults = {{"tmargin", "500"}, {"lmargin", "400"}, {"gogrid", "185"},
                                 {"splitno", "50"},  {"perpage", "2"},   {"method", "1"}};

// A registry file with the version stamp Version and the print option lines Lines.
std::string RegText(const std::string& Version, const std::string& Lines) {
    return "Windows Registry Editor Version 5.00\n\n"
           "[HKEY_CURRENT_USER\\Software\\KelVexoView\\Version Info]\n"
           "\"version\"=\"" +
           Version +
           "\"\n\n"
           "[HKEY_CURRENT_USER\\Software\\KelVexoView\\Print Option Info]\n" +
           Lines + "\n";
}

const std::string kDefaultLines =
    "\"tmargin\"=\"500\"\n\"lmargin\"=\"400\"\n\"gogrid\"=\"185\"\n\"splitno\"=\"50\"\n"
    "\"perpage\"=\"2\"\n\"method\"=\"1\"\n";

// The six stored texts as a fresh reader of the file sees them, "-" for a missing value.
TValues Stored(const std::filesystem::path& File) {
    TRegFileRegistry R(File);
    TValues Out;
    for (const auto& [Name, Text] : kStoredDefaults) {
        Out[Name] = R.ReadString(kSection, Name).value_or("-");
    }
    return Out;
}

struct TSettingsFile {
    TTempFolder Dir;
    std::filesystem::path File = Dir / "user.reg";
};

class PrintSettings : public ::testing::Test, public TSettingsFile {};

TEST_F(PrintSettings, FirstRunWritesTheStampAndTheDefaults) {
    TRegFileRegistry Reg(File);
    TPrintOptions O{1, 2, 3, 4, 5, 6};
    TKelStatus Status(Reg, O);
    EXPECT_EQ(TRegFileRegistry(File).ReadString(kVersionKey, "version"), "0408A");
    EXPECT_EQ(Stored(File), kStoredDefaults);
    EXPECT_EQ(O, TPrintOptions{});
    // All six are strings holding decimal text.
    EXPECT_NE(ReadBytes(File).find("\"splitno\"=\"50\""), std::string::npos) << ReadBytes(File);
}

TEST_F(PrintSettings, AnotherVersionResetsStoredOptions) {
    WriteBytes(File, RegText("0407", "\"tmargin\"=\"300\""));
    TRegFileRegistry Reg(File);
    TPrintOptions O;
    TKelStatus Status(Reg, O);
    EXPECT_EQ(O.tmargin, 500);
    EXPECT_EQ(Stored(File), kStoredDefaults);
    EXPECT_EQ(TRegFileRegistry(File).ReadString(kVersionKey, "version"), "0408A");
}

// With the current stamp the values are read as they stand, unchecked; what cannot be read
// takes its default, and the file is not touched.
TEST_F(PrintSettings, CurrentVersionReadsEachValueOrItsDefault) {
    struct TCase {
        std::string Line;  // replaces the default line of the value
        const char* Name;
        int32_t TPrintOptions::*Field;
        int32_t Expected;
    };
    const TCase Cases[] = {
        {"\"gogrid\"=\"abc\"", "gogrid", &TPrintOptions::gogrid, 185},
        {"\"gogrid\"=\"120\"", "gogrid", &TPrintOptions::gogrid, 120},
        {"", "perpage", &TPrintOptions::perpage, 2},
        {"\"perpage\"=\"7\"", "perpage", &TPrintOptions::perpage, 7},
        {"\"method\"=\"-3\"", "method", &TPrintOptions::method, -3},
        {"\"splitno\"=\" 40\"", "splitno", &TPrintOptions::splitno, 50},
        {"\"splitno\"=\"99999999999\"", "splitno", &TPrintOptions::splitno, 50},
        {"\"lmargin\"=dword:0000012c", "lmargin", &TPrintOptions::lmargin, 400},
        {"\"TMARGIN\"=\"250\"", "tmargin", &TPrintOptions::tmargin, 250},
    };
    for (const TCase& C : Cases) {
        TSettingsFile F;
        std::string Lines = kDefaultLines;
        const size_t At = Lines.find(std::string("\"") + C.Name + "\"");
        Lines.replace(At, Lines.find('\n', At) + 1 - At, C.Line.empty() ? "" : C.Line + "\n");
        const std::string Before = RegText("0408A", Lines);
        WriteBytes(F.File, Before);
        TRegFileRegistry Reg(F.File);
        TPrintOptions O;
        TKelStatus Status(Reg, O);
        EXPECT_EQ(O.*C.Field, C.Expected) << C.Line;
        EXPECT_EQ(ReadBytes(F.File), Before) << C.Line;
    }
}

TEST_F(PrintSettings, MissingSectionReadsDefaultsAndWritesNothing) {
    const std::string Before =
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\Software\\KelVexoView\\Version Info]\n\"version\"=\"0408A\"\n";
    WriteBytes(File, Before);
    TRegFileRegistry Reg(File);
    TPrintOptions O{1, 2, 3, 4, 5, 6};
    TKelStatus Status(Reg, O);
    EXPECT_EQ(O, TPrintOptions{});
    EXPECT_EQ(ReadBytes(File), Before);
}

TEST_F(PrintSettings, WritingStoresDecimalTextOfEveryField) {
    WriteBytes(File, RegText("0408A", kDefaultLines));
    TRegFileRegistry Reg(File);
    TPrintOptions O;
    TKelStatus Status(Reg, O);
    O = {-7, 0, 2147483647, 1, -1, 4};
    Status.SyncSection("Print Option Info", kSyncWrite, false);
    EXPECT_EQ(Stored(File), (TValues{{"tmargin", "-7"},
                                     {"lmargin", "0"},
                                     {"gogrid", "2147483647"},
                                     {"splitno", "1"},
                                     {"perpage", "-1"},
                                     {"method", "4"}}));
    // Reset first restores the defaults, which are then written.
    Status.SyncPrintOptions(kSyncWrite, true);
    EXPECT_EQ(Stored(File), kStoredDefaults);
    EXPECT_EQ(O, TPrintOptions{});
}

TEST_F(PrintSettings, SectionNameMustMatchExactly) {
    WriteBytes(File, RegText("0408A", kDefaultLines));
    TRegFileRegistry Reg(File);
    TPrintOptions O;
    TKelStatus Status(Reg, O);
    O.tmargin = 222;
    for (const char* Name : {"print option info", "PRINT OPTION INFO", "Print Option Info ", ""}) {
        Status.SyncSection(Name, kSyncWrite, true);
        Status.SyncSection(Name, kSyncRead, false);
    }
    EXPECT_EQ(ReadBytes(File), RegText("0408A", kDefaultLines));
    EXPECT_EQ(O.tmargin, 222);
}

// The dialog over the file: cancelling after editing every field leaves the file as it was,
// byte for byte; confirming writes the fields.
TEST_F(PrintSettings, CancelLeavesTheFileConfirmWritesIt) {
    const std::string Before = RegText("0408A", kDefaultLines);
    for (bool Confirm : {false, true}) {
        WriteBytes(File, Before);
        TRegFileRegistry Reg(File);
        TPrintOptions O;
        TKelStatus Status(Reg, O);
        TOwnkFormModel Dialog(Status);
        Dialog.FormCreate();
        Dialog.SetGameInfo(120, {});
        Dialog.FormShow(4800, 6600);
        for (TEditField* E : {&Dialog.edTMar, &Dialog.edLMar, &Dialog.edGrid, &Dialog.edSPos,
                              &Dialog.edEPos, &Dialog.edDNum}) {
            E->Text = "321";
        }
        Dialog.ClickSplit();
        Dialog.cbNDiv.ItemIndex = 0;
        Dialog.EditExit();
        Dialog.edDNumExit();
        if (!Confirm) {
            Dialog.CCBtnClick();
            EXPECT_EQ(ReadBytes(File), Before);
            EXPECT_EQ(O, TPrintOptions{});
        } else {
            Dialog.OkBtnClick();
            EXPECT_EQ(Stored(File), (TValues{{"tmargin", "321"},
                                             {"lmargin", "321"},
                                             {"gogrid", "218"},  // (4800 - 642) / 19
                                             {"splitno", "120"},
                                             {"perpage", "0"},
                                             {"method", "3"}}));
        }
    }
}

// Runs Work as a user other than root (in a child process that gives up root when the tests
// run as root), so that folder permissions hold; returns what Work returns.
std::string AsOrdinaryUser(const std::function<std::string()>& Work) {
    if (::geteuid() != 0) return Work();
    int Pipe[2];
    if (::pipe(Pipe) != 0) return "pipe failed";
    const pid_t Child = ::fork();
    if (Child == 0) {
        ::close(Pipe[0]);
        std::string Result = "could not give up root";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) Result = Work();
        const ssize_t N = ::write(Pipe[1], Result.data(), Result.size());
        ::_exit(N == static_cast<ssize_t>(Result.size()) ? 0 : 1);
    }
    ::close(Pipe[1]);
    std::string Result;
    char Buffer[512];
    for (ssize_t N; (N = ::read(Pipe[0], Buffer, sizeof Buffer)) > 0;) {
        Result.append(Buffer, static_cast<size_t>(N));
    }
    ::close(Pipe[0]);
    int Status = 0;
    ::waitpid(Child, &Status, 0);
    return Result;
}

std::vector<std::string> FileNames(const std::filesystem::path& Folder) {
    std::vector<std::string> Names;
    for (const auto& E : std::filesystem::directory_iterator(Folder)) {
        Names.push_back(E.path().filename().string());
    }
    return Names;
}

TEST_F(PrintSettings, FolderThatCannotBeWrittenNamesTheSectionAndKeepsTheFile) {
    namespace fs = std::filesystem;
    const fs::path Folder = Dir / "ro";
    fs::create_directory(Folder);
    const fs::path Settings = Folder / "user.reg";
    const std::string Before = RegText("0408A", kDefaultLines);
    WriteBytes(Settings, Before);
    fs::permissions(Dir.Path, fs::perms::all);
    fs::permissions(Folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    fs::permissions(Settings, fs::perms::owner_read | fs::perms::others_read);

    // Loading only reads; confirming the dialog fails on the section it writes.
    EXPECT_EQ(AsOrdinaryUser([&]() -> std::string {
                  TRegFileRegistry Reg(Settings);
                  TPrintOptions O;
                  TKelStatus Status(Reg, O);
                  TOwnkFormModel Dialog(Status);
                  Dialog.FormCreate();
                  Dialog.SetGameInfo(10, {});
                  Dialog.FormShow(4800, 6600);
                  Dialog.edTMar.Text = "300";
                  try {
                      Dialog.OkBtnClick();
                  } catch (const TPrintSettingsError& E) {
                      return Dialog.ModalResult == TModalResult::None ? E.what() : "closed";
                  }
                  return "no error";
              }),
              "Failed to create key Print Option Info");
    EXPECT_EQ(ReadBytes(Settings), Before);
    EXPECT_EQ(FileNames(Folder), std::vector<std::string>{"user.reg"});

    // A first run there fails on the version stamp and creates nothing.
    EXPECT_EQ(AsOrdinaryUser([&]() -> std::string {
                  TRegFileRegistry Reg(Folder / "new.reg");
                  TPrintOptions O{1, 2, 3, 4, 5, 6};
                  try {
                      TKelStatus Status(Reg, O);
                  } catch (const TPrintSettingsError& E) {
                      return O == TPrintOptions{1, 2, 3, 4, 5, 6} ? E.what() : "options changed";
                  }
                  return "no error";
              }),
              "Failed to create key Version Info");
    EXPECT_EQ(FileNames(Folder), std::vector<std::string>{"user.reg"});

    // The program's status comes into being all the same, with the defaults, and says why it
    // could not store them; confirming the dialog then tries again and fails the same way.
    EXPECT_EQ(AsOrdinaryUser([&]() -> std::string {
                  const std::string Registry = (Folder / "new.reg").string();
                  std::optional<TPrintSettingsError> Error;
                  PrintOptions = TPrintOptions{1, 2, 3, 4, 5, 6};
                  TKelStatus& Status = StartPrintStatus(&Error, [&](const char* Name) {
                      return std::string(Name) == "XVEXOVIEW_REGISTRY" ? Registry.c_str() : nullptr;
                  });
                  if (!Error || ProgramPrintStatus() != &Status) return "no error";
                  if (Status.Options() != TPrintOptions{}) return "options not the defaults";
                  std::string Result = Error->Details();
                  try {
                      Status.SyncSection("Print Option Info", kSyncWrite, false);
                  } catch (const TPrintSettingsError& E) {
                      Result += "\n" + std::string(E.what());
                  }
                  EndPrintStatus();
                  return Result;
              }),
              "Failed to create key Version Info: Cannot write the registry file " +
                  (Folder / "new.reg").string() +
                  ": Permission denied\nFailed to create key Print Option Info");
    EXPECT_EQ(FileNames(Folder), std::vector<std::string>{"user.reg"});
}

// The program's status on the registry file the environment names: created once, by the
// version check, and ended without a write.
TEST_F(PrintSettings, TheProgramsStatusStartsOnceOnTheUsersFile) {
    WriteBytes(File, RegText("0408A", "\"tmargin\"=\"300\""));
    const auto Env = [this](const char* Name) -> const char* {
        static std::string Path;
        Path = File.string();
        return std::string(Name) == "XVEXOVIEW_REGISTRY" ? Path.c_str() : nullptr;
    };
    std::optional<TPrintSettingsError> Error;
    ASSERT_EQ(ProgramPrintStatus(), nullptr);
    TKelStatus& Status = StartPrintStatus(&Error, Env);
    EXPECT_FALSE(Error.has_value());
    EXPECT_EQ(&Status.Options(), &PrintOptions);
    EXPECT_EQ(PrintOptions.tmargin, 300);
    EXPECT_EQ(PrintOptions.lmargin, 400);
    EXPECT_EQ(&StartPrintStatus(&Error, Env), &Status);
    EXPECT_EQ(ProgramPrintStatus(), &Status);

    // The dialog writes through it to the file.
    PrintOptions.gogrid = 150;
    Status.SyncSection(kPrintOptionSection, kSyncWrite, false);
    EXPECT_EQ(Stored(File).at("gogrid"), "150");
    const std::string Before = ReadBytes(File);
    EndPrintStatus();
    EXPECT_EQ(ProgramPrintStatus(), nullptr);
    EXPECT_EQ(ReadBytes(File), Before);
    PrintOptions = {};
}

// A view that drops changes: the version check loads what it would load and stores nothing,
// so xvexo print reads the options without writing them.
TEST_F(PrintSettings, AReadOnlyViewLoadsAsTheVersionCheckWouldAndWritesNothing) {
    struct TCase {
        std::string Text;  // the file; empty: none
        TPrintOptions Loaded;
    };
    const TCase Cases[] = {
        {"", {}},
        {RegText("0407", "\"tmargin\"=\"300\""), {}},
        {RegText("0408A", "\"tmargin\"=\"300\"\n\"gogrid\"=\"abc\"\n\"method\"=\"3\""),
         {300, 400, 185, 50, 2, 3}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Text);
        std::filesystem::remove(File);
        if (!C.Text.empty()) WriteBytes(File, C.Text);
        TRegFileRegistry Reg(File);
        TReadOnlyRegistry View(Reg);
        TPrintOptions O{1, 2, 3, 4, 5, 6};
        TKelStatus Status(View, O);
        EXPECT_EQ(O, C.Loaded);
        TOwnkFormModel Dialog(Status);
        Dialog.FormCreate();
        Dialog.SetGameInfo(10, {});
        Dialog.FormShow(4800, 6600);
        Dialog.edTMar.Text = "250";
        Dialog.OkBtnClick();
        EXPECT_EQ(Dialog.ModalResult, TModalResult::Ok);
        if (C.Text.empty()) {
            EXPECT_FALSE(std::filesystem::exists(File));
        } else {
            EXPECT_EQ(ReadBytes(File), C.Text);
        }
    }
}

}  // namespace
}  // namespace xvexo
