#include "host_window_model.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/reg_file_registry.h"
#include "support/memory_registry.h"
#include "support/qt/language_guard.h"
#include "support/temp_folder.h"

namespace xvexo {
namespace {

TEST(HostWindowModel, TitleSaysWhereTheGameStands) {
    const auto Status = [](bool Has, std::string Game, int N, int M, bool Black, bool Pass) {
        TViewerStatus S;
        S.HasRecord = Has;
        S.GameTitle = std::move(Game);
        S.MoveIndex = N;
        S.MoveCount = M;
        S.BlackToPlay = Black;
        S.LastWasPass = Pass;
        return S;
    };
    const struct {
        TViewerStatus Status;
        const char* File;
        const char* Title;
    } Cases[] = {
        {Status(false, "Cup", 3, 9, true, false), "a.sgf", "XVexoView"},
        {Status(true, "Cup", 0, 9, true, false), "a.sgf",
         "Cup \u2014 move 0 / 9, Black to play \u2014 a.sgf"},
        {Status(true, "Cup", 4, 9, false, false), "a.sgf",
         "Cup \u2014 move 4 / 9, White to play \u2014 a.sgf"},
        {Status(true, "", 5, 9, true, false), "a.sgf", "move 5 / 9, Black to play \u2014 a.sgf"},
        {Status(true, "Cup", 7, 9, true, true), "a.sgf",
         "Cup \u2014 move 7 / 9 (White passed), Black to play \u2014 a.sgf"},
        {Status(true, "Cup", 8, 9, false, true), "",
         "Cup \u2014 move 8 / 9 (Black passed), White to play \u2014 XVexoView"},
        // The passes that end a tag record stand above the board's last move: no move shown
        // above the total.
        {Status(true, "", 198, 196, true, true), "a.txt",
         "move 198 / 198 (White passed), Black to play \u2014 a.txt"},
    };
    // In English, through the program's translations.
    const testing::TLanguageGuard English("en");
    for (const auto& C : Cases)
        EXPECT_EQ(WindowTitle(C.Status, C.File, QtTexts()), C.Title);
    // The designed Chinese is the default.
    EXPECT_EQ(WindowTitle(Status(true, "Cup", 7, 9, true, true), "a.sgf"),
              "Cup \u2014 第 7 / 9 手（白弃手），黑方走 \u2014 a.sgf");
}

TEST(HostWindowModel, RecentFilesNewestFirstWithoutRepeatsAndAtMostTen) {
    testing::TMemoryRegistry Registry;
    TRecentFiles Recent(Registry);
    EXPECT_TRUE(Recent.Entries().empty());
    for (int i = 1; i <= 12; ++i)
        ASSERT_TRUE(Recent.Add("/r/" + std::to_string(i) + ".sgf"));
    ASSERT_TRUE(Recent.Add("/r/5.sgf"));  // opened again: first, once
    const std::vector<std::string> Expected = {"/r/5.sgf", "/r/12.sgf", "/r/11.sgf", "/r/10.sgf",
                                               "/r/9.sgf", "/r/8.sgf",  "/r/7.sgf",  "/r/6.sgf",
                                               "/r/4.sgf", "/r/3.sgf"};
    EXPECT_EQ(Recent.Entries(), Expected);
    // Another list over the same registry (the next start) sees the same.
    EXPECT_EQ(TRecentFiles(Registry).Entries(), Expected);

    ASSERT_TRUE(Recent.Remove("/r/12.sgf"));
    EXPECT_EQ(Recent.Entries().size(), 9u);
    EXPECT_EQ(Recent.Entries()[1], "/r/11.sgf");
    ASSERT_TRUE(Recent.Clear());
    EXPECT_TRUE(Recent.Entries().empty());
}

// Opening a record is one store of the whole list, however many entries move.
TEST(HostWindowModel, EachChangeOfTheListIsOneStore) {
    testing::TMemoryRegistry Registry;
    TRecentFiles Recent(Registry);
    for (int i = 1; i <= 10; ++i)
        ASSERT_TRUE(Recent.Add("/r/" + std::to_string(i) + ".sgf"));
    const int Before = Registry.Stores;
    ASSERT_TRUE(Recent.Add("/r/new.sgf"));
    EXPECT_EQ(Registry.Stores, Before + 1);
    ASSERT_TRUE(Recent.Remove("/r/3.sgf"));
    ASSERT_TRUE(Recent.Clear());
    EXPECT_EQ(Registry.Stores, Before + 3);
}

// The viewer opening records while a host registers the control and takes the registration
// away again, two processes on one settings file: the list ends as the last ten records opened,
// newest first, and the registration's own values come and go whole.
TEST(HostWindowModel, TheListSurvivesAnotherProgramStoringAtOnce) {
    testing::TTempFolder Dir;
    const auto File = Dir / "user.reg";
    constexpr int kOpened = 40;
    const auto Run = [](const std::function<void()>& Work) {
        const pid_t Child = ::fork();
        if (Child == 0) {
            ::alarm(120);
            try {
                Work();
            } catch (const std::exception&) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        return Child;
    };
    const pid_t Viewer = Run([&] {
        TRegFileRegistry Registry(File);
        TRecentFiles Recent(Registry);
        for (int i = 1; i <= kOpened; ++i) {
            if (!Recent.Add("/games/" + std::to_string(i) + ".sgf")) ::_exit(1);
        }
    });
    const pid_t Host = Run([&] {
        TRegFileRegistry Registry(File);
        for (int i = 0; i < kOpened; ++i) {
            Registry.Update([](TUserRegistry& R) {
                for (int k = 0; k < 15; ++k)
                    R.WriteString("Software\\Classes\\Test\\" + std::to_string(k), "", "x");
            });
            Registry.DeleteKey("Software\\Classes\\Test");
        }
    });
    for (const pid_t Child : {Viewer, Host}) {
        int Status = 0;
        ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
        EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << Status;
    }
    TRegFileRegistry Registry(File);
    std::vector<std::string> Expected;
    for (int i = kOpened; i > kOpened - TRecentFiles::kMaxEntries; --i)
        Expected.push_back("/games/" + std::to_string(i) + ".sgf");
    EXPECT_EQ(TRecentFiles(Registry).Entries(), Expected);
    EXPECT_FALSE(Registry.KeyExists("Software\\Classes\\Test"));
}

TEST(HostWindowModel, DamagedEntriesAreSkippedAndWrittenOver) {
    testing::TMemoryRegistry Registry;
    const char* Key = TRecentFiles::kRecentFilesKey;
    Registry.WriteString(Key, "1", "/a.sgf");
    Registry.WriteDword(Key, "2", 7);  // another type
    Registry.WriteString(Key, "3", "");
    Registry.WriteString(Key, "4", "/b\n.sgf");       // a control byte
    Registry.WriteString(Key, "5", "/\xff\xfe.sgf");  // no UTF-8
    Registry.WriteString(Key, "6", "/a.sgf");         // a repeat
    Registry.WriteString(Key, "7", "/c.sgf");
    Registry.WriteString(Key, "11", "/beyond.sgf");  // past the limit
    TRecentFiles Recent(Registry);
    EXPECT_EQ(Recent.Entries(), (std::vector<std::string>{"/a.sgf", "/c.sgf"}));
    ASSERT_TRUE(Recent.Add("/d.sgf"));
    EXPECT_EQ(Recent.Entries(), (std::vector<std::string>{"/d.sgf", "/a.sgf", "/c.sgf"}));
    EXPECT_EQ(Registry.ValueKind(Key, "4"), TRegValueKind::Missing);
}

TEST(HostWindowModel, AnUnwritableRegistryLosesOnlyTheEntry) {
    testing::TMemoryRegistry Registry;
    TRecentFiles Recent(Registry);
    ASSERT_TRUE(Recent.Add("/a.sgf"));
    Registry.ReadOnly = true;
    EXPECT_FALSE(Recent.Add("/b.sgf"));
    EXPECT_FALSE(Recent.Clear());
    EXPECT_EQ(Recent.Entries(), (std::vector<std::string>{"/a.sgf"}));
}

// A name that is no UTF-8 is kept as a file:// address of its bytes, which opens the same file.
TEST(HostWindowModel, AddressesOfAnyBytesAreStoredAsTheyOpen) {
    const struct {
        const char* Address;
        const char* Stored;
    } Cases[] = {
        {"/home/u/\xe6\xa3\x8b.sgf", "/home/u/\xe6\xa3\x8b.sgf"},
        {"file:///g/a%20b.sgf", "file:///g/a%20b.sgf"},
        {"/g/\xb9\xfa 100%.sgf", "file:///g/%B9%FA%20100%25.sgf"},
        {"file:///g/\xb9\xfa.sgf", "file:///g/%B9%FA.sgf"},
        {"rel/\xb9.sgf", ""},
        {"", ""},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(StorableAddress(C.Address), C.Stored) << C.Address;
}

}  // namespace
}  // namespace xvexo
