// The registry file: typed values, names without regard to case, the file forms Windows writes,
// damaged files, changes that cannot be stored, programs sharing the file, links, and paths that
// name no regular file.

#include "platform/reg_file_registry.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <map>
#include <random>

#include "support/temp_folder.h"

namespace xvexo {
namespace {

using testing::ReadBytes;
using testing::TTempFolder;
using testing::WriteBytes;

constexpr char kPrint[] = "Software\\KelVexoView\\Print Option Info";

std::vector<std::string> FileNames(const std::filesystem::path& Folder) {
    std::vector<std::string> Names;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder))
        Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
}

// UTF-16 LE with a byte-order mark, as Windows exports: ASCII Text widened.
std::string Utf16Le(std::string_view Text) {
    std::string Out = "\xFF\xFE";
    for (char C : Text) {
        Out += C;
        Out += '\0';
    }
    return Out;
}

TEST(RegFileRegistry, TypedValuesRoundTripThroughTheFile) {
    TTempFolder Dir;
    const auto File = Dir / "cfg/user.reg";
    {
        TRegFileRegistry Reg(File);
        EXPECT_FALSE(std::filesystem::exists(File)) << "opening without creating writes nothing";
        Reg.WriteString(kPrint, "FontName", "\xE5\xAE\x8B\xE4\xBD\x93");
        Reg.WriteString(kPrint, "Quoted", "a \"b\" c:\\d\\ \r\n end");
        Reg.WriteString(kPrint, "", "default");
        Reg.WriteDword(kPrint, "PageChoice", 2);
        Reg.WriteDword(kPrint, "Big", 0xFFFFFFFFu);
        Reg.WriteString("Software\\Other", "One", "1");
    }
    EXPECT_EQ(ReadBytes(File),
              "Windows Registry Editor Version 5.00\n"
              "\n[HKEY_CURRENT_USER\\Software]\n"
              "\n[HKEY_CURRENT_USER\\Software\\KelVexoView]\n"
              "\n[HKEY_CURRENT_USER\\Software\\KelVexoView\\Print Option Info]\n"
              "\"FontName\"=\"\xE5\xAE\x8B\xE4\xBD\x93\"\n"
              "\"Quoted\"=\"a \\\"b\\\" c:\\\\d\\\\ \\r\\n end\"\n"
              "@=\"default\"\n"
              "\"PageChoice\"=dword:00000002\n"
              "\"Big\"=dword:ffffffff\n"
              "\n[HKEY_CURRENT_USER\\Software\\Other]\n"
              "\"One\"=\"1\"\n");

    const TRegFileRegistry Reg(File);
    EXPECT_FALSE(Reg.Damaged());
    EXPECT_EQ(Reg.ReadString(kPrint, "FontName"), "\xE5\xAE\x8B\xE4\xBD\x93");
    EXPECT_EQ(Reg.ReadString(kPrint, "Quoted"), "a \"b\" c:\\d\\ \r\n end");
    EXPECT_EQ(Reg.ReadString(kPrint, ""), "default");
    EXPECT_EQ(Reg.ReadDword(kPrint, "PageChoice"), 2u);
    EXPECT_EQ(Reg.ReadDword(kPrint, "Big"), 0xFFFFFFFFu);
    // A value of the other type reads as missing; its kind says what it is.
    EXPECT_EQ(Reg.ReadDword(kPrint, "FontName"), std::nullopt);
    EXPECT_EQ(Reg.ReadString(kPrint, "PageChoice"), std::nullopt);
    EXPECT_EQ(Reg.ValueKind(kPrint, "PageChoice"), TRegValueKind::Dword);
    EXPECT_EQ(Reg.ValueKind(kPrint, "FontName"), TRegValueKind::String);
    EXPECT_EQ(Reg.ValueKind(kPrint, "Absent"), TRegValueKind::Missing);
    EXPECT_EQ(Reg.ValueKind("Software\\Absent", "FontName"), TRegValueKind::Missing);
}

TEST(RegFileRegistry, NamesCompareWithoutCaseAndKeepTheirSpelling) {
    TTempFolder Dir;
    TRegFileRegistry Reg(Dir / "user.reg");
    Reg.WriteDword("Software\\KelVexoView", "SplitCount", 5);
    EXPECT_EQ(Reg.ReadDword("\\SOFTWARE\\kelvexoview\\", "splitcount"), 5u);
    EXPECT_TRUE(Reg.KeyExists("software"));
    EXPECT_TRUE(Reg.KeyExists("\\SOFTWARE\\KELVEXOVIEW"));
    EXPECT_FALSE(Reg.KeyExists("Software\\KelVexo"));

    Reg.WriteDword("SOFTWARE\\KELVEXOVIEW", "SPLITCOUNT", 6);
    Reg.CreateKey("software\\kelvexoview");
    EXPECT_EQ(Reg.ReadDword("Software\\KelVexoView", "SplitCount"), 6u);
    EXPECT_EQ(ReadBytes(Dir / "user.reg"),
              "Windows Registry Editor Version 5.00\n"
              "\n[HKEY_CURRENT_USER\\Software]\n"
              "\n[HKEY_CURRENT_USER\\Software\\KelVexoView]\n"
              "\"SplitCount\"=dword:00000006\n");

    Reg.WriteString("Software\\KelVexoView\\Sub\\Deeper", "X", "x");
    Reg.DeleteValue("software\\kelvexoview", "splitcount");
    EXPECT_EQ(Reg.ValueKind("Software\\KelVexoView", "SplitCount"), TRegValueKind::Missing);
    Reg.DeleteKey("SOFTWARE\\KelVexoView\\SUB");
    EXPECT_FALSE(Reg.KeyExists("Software\\KelVexoView\\Sub\\Deeper"));
    EXPECT_FALSE(Reg.KeyExists("Software\\KelVexoView\\Sub"));
    EXPECT_TRUE(Reg.KeyExists("Software\\KelVexoView"));
    EXPECT_THROW(Reg.DeleteKey("\\"), TRegistryError);
    EXPECT_THROW(Reg.WriteString("Software\\Line\nBreak", "X", "x"), TRegistryError);
    EXPECT_FALSE(Reg.KeyExists("Software\\Line\nBreak"));
}

// A key above a stored key exists, as on Windows, also when the file has no section of its own
// for it (a file written by hand or cut short): creating it again changes nothing, and a new key
// beside the stored one adds its own section alone, spelled as the keys above it are.
TEST(RegFileRegistry, TheParentsOfAStoredKeyExistWithoutSectionsOfTheirOwn) {
    TTempFolder Dir;
    const auto File = Dir / "user.reg";
    const std::string Bytes =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\KelVexoView\\Print Option Info]\r\n"
        "\"gogrid\"=\"185\"\r\n";
    WriteBytes(File, Bytes);
    TRegFileRegistry Reg(File);
    for (const char* Key : {"Software", "software\\kelvexoview", "\\Software\\KelVexoView\\",
                            "Software\\KelVexoView\\Print Option Info"}) {
        EXPECT_TRUE(Reg.KeyExists(Key)) << Key;
    }
    EXPECT_FALSE(Reg.KeyExists("Software\\KelVexoView\\Print"));
    EXPECT_FALSE(Reg.KeyExists("Software\\KelVexoView\\Print Option Info\\Deeper"));
    EXPECT_EQ(Reg.ValueKind("Software\\KelVexoView", "gogrid"), TRegValueKind::Missing);

    Reg.CreateKey("Software");
    Reg.CreateKey("SOFTWARE\\KELVEXOVIEW");
    Reg.CreateKey(kPrint);
    EXPECT_EQ(ReadBytes(File), Bytes) << "keys that exist are not created again";

    // The new key takes the spelling of the keys above it as stored.
    Reg.WriteString("SOFTWARE\\kelvexoview\\Version Info", "version", "0408A");
    EXPECT_EQ(ReadBytes(File),
              "Windows Registry Editor Version 5.00\n"
              "\n[HKEY_CURRENT_USER\\Software\\KelVexoView\\Print Option Info]\n"
              "\"gogrid\"=\"185\"\n"
              "\n[HKEY_CURRENT_USER\\Software\\KelVexoView\\Version Info]\n"
              "\"version\"=\"0408A\"\n");
    // A value under a key that exists only as a parent gives the key its section.
    Reg.WriteDword("Software\\KelVexoView", "Count", 1);
    EXPECT_EQ(TRegFileRegistry(File).ReadDword("software\\KelVexoView", "count"), 1u);
    EXPECT_NE(ReadBytes(File).find("\n[HKEY_CURRENT_USER\\Software\\KelVexoView]\n"
                                   "\"Count\"=dword:00000001\n"),
              std::string::npos)
        << ReadBytes(File);
    EXPECT_EQ(ReadBytes(File).find("[HKEY_CURRENT_USER\\Software]"), std::string::npos);
}

TEST(RegFileRegistry, ReadsTheFormsOtherProgramsWrite) {
    const std::string Lines[] = {
        "Windows Registry Editor Version 5.00",
        "",
        "; written by hand",
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]",
        "\"ProxyEnable\"=dword:00000001",
        "\"ProxyServer\"=\"http=proxy.example:80;https=proxy.example:443\"",
        "\"Blob\"=hex:01,02,\\",
        "  03,04",
        "\"Text1\"=\"1\"",
        "",
        "[-HKEY_CURRENT_USER\\Software\\Gone]",
        "\"Lost\"=\"x\"",
        "[HKEY_LOCAL_MACHINE\\Software\\Elsewhere]",
        "\"Kept\"=dword:7",
        "",
    };
    std::string Lf, CrLf;
    for (const auto& L : Lines) {
        Lf += L + "\n";
        CrLf += L + "\r\n";
    }
    const std::map<std::string, std::string> Forms = {
        {"LF", Lf},
        {"CR LF", CrLf},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + CrLf},
        {"UTF-16 LE with a byte-order mark", Utf16Le(CrLf)},
    };
    constexpr char kInet[] = "\\SOFTWARE\\Microsoft\\windows\\CurrentVersion\\Internet Settings";
    for (const auto& [Form, Bytes] : Forms) {
        SCOPED_TRACE(Form);
        TTempFolder Dir;
        WriteBytes(Dir / "user.reg", Bytes);
        TRegFileRegistry Reg(Dir / "user.reg");
        EXPECT_FALSE(Reg.Damaged());
        EXPECT_EQ(Reg.ReadDword(kInet, "ProxyEnable"), 1u);
        EXPECT_EQ(Reg.ReadString(kInet, "ProxyServer"),
                  "http=proxy.example:80;https=proxy.example:443");
        EXPECT_EQ(Reg.ValueKind(kInet, "Blob"), TRegValueKind::Other);
        EXPECT_EQ(Reg.ValueKind(kInet, "Text1"), TRegValueKind::String);
        EXPECT_FALSE(Reg.KeyExists("Software\\Gone"));
        EXPECT_FALSE(Reg.KeyExists("Software\\Elsewhere"));
        EXPECT_EQ(ReadBytes(Dir / "user.reg"), Bytes) << "reading never writes";

        // A change keeps what the store does not interpret (binary values, other roots).
        Reg.WriteDword(kInet, "ProxyEnable", 0);
        const std::string Text = ReadBytes(Dir / "user.reg");
        EXPECT_NE(Text.find("\"Blob\"=hex:01,02,03,04\n"), std::string::npos) << Text;
        EXPECT_NE(Text.find("[HKEY_LOCAL_MACHINE\\Software\\Elsewhere]\n\"Kept\"=dword:00000007"),
                  std::string::npos)
            << Text;
        EXPECT_EQ(TRegFileRegistry(Dir / "user.reg").ReadDword(kInet, "ProxyEnable"), 0u);
    }
}

// Every cut of a good file, and garbage of several kinds: each reads what it can, without a
// crash, and reading leaves the file byte for byte as it was.
TEST(RegFileRegistry, DamagedFilesReadAsFarAsTheyGoAndStayUntouched) {
    const std::string Good =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\KelVexoView]\r\n"
        "\"SplitCount\"=dword:00000005\r\n"
        "\"FontName\"=\"Times \\\"New\\\" Roman\"\r\n"
        "\"Blob\"=hex:01,02,\\\r\n  03\r\n";
    std::vector<std::string> Inputs;
    for (size_t Cut = 0; Cut < Good.size(); ++Cut)
        Inputs.push_back(Good.substr(0, Cut));
    for (size_t Cut = 0; Cut < Good.size(); Cut += 7)
        Inputs.push_back(Utf16Le(Good).substr(0, 2 * Cut + 1));
    std::mt19937 Random(11);
    for (int i = 0; i < 20; ++i) {
        std::string Noise(static_cast<size_t>(Random() % 300), '\0');
        for (char& C : Noise)
            C = static_cast<char>(Random());
        Inputs.push_back(Noise);
        Inputs.push_back(Good.substr(0, Good.size() / 2) + Noise + Good);
    }
    Inputs.push_back("[HKEY_CURRENT_USER\\A\n\"x\"=\"unclosed\n@=dword:123456789\n\"y\"=hex:\\");
    Inputs.push_back("\"orphan\"=\"value before any key\"\n[]\n[\\\\]\n");
    // Lines that once changed meaning when written back: a key that would read as deleted, binary
    // data ending in a "\" that did not go on, control bytes in binary data.
    Inputs.push_back("[\\-A]\n\"b\"=\t hex:01,\\\n@=\"d\"\n\"c\"=hex:01\r \n\"e\"=hex:\x01\n");

    TTempFolder Dir;
    const auto File = Dir / "user.reg";
    for (const std::string& Bytes : Inputs) {
        WriteBytes(File, Bytes);
        TRegFileRegistry Reg(File);
        (void)Reg.KeyExists("Software\\KelVexoView");
        (void)Reg.ReadString("Software\\KelVexoView", "FontName");
        const auto Split = Reg.ReadDword("Software\\KelVexoView", "SplitCount");
        if (Split) {
            EXPECT_TRUE(*Split == 5 || *Split == 0) << *Split;  // 0 from a cut "dword:0"
        }
        ASSERT_EQ(ReadBytes(File), Bytes);
        // What is read is written so that it reads back the same.
        const std::string Written = FormatRegText(ParseRegText(Bytes));
        EXPECT_FALSE(ParseRegText(Written).Damaged) << Written;
        EXPECT_EQ(FormatRegText(ParseRegText(Written)), Written);
    }

    // A file cut in the middle of a value: the values before the cut are there.
    const size_t Cut = Good.find("Roman");
    WriteBytes(File, Good.substr(0, Cut));
    TRegFileRegistry Reg(File);
    EXPECT_TRUE(Reg.Damaged());
    EXPECT_EQ(Reg.ReadDword("Software\\KelVexoView", "SplitCount"), 5u);
    EXPECT_EQ(Reg.ValueKind("Software\\KelVexoView", "FontName"), TRegValueKind::Missing);
    // The first change keeps the damaged file beside the new one.
    Reg.WriteDword("Software\\KelVexoView", "SplitCount", 6);
    EXPECT_EQ(ReadBytes(Dir / "user.reg.bad"), Good.substr(0, Cut));
    EXPECT_FALSE(Reg.Damaged());
    EXPECT_EQ(TRegFileRegistry(File).ReadDword("Software\\KelVexoView", "SplitCount"), 6u);
    EXPECT_EQ(FileNames(Dir.Path), (std::vector<std::string>{"user.reg", "user.reg.bad"}));
}

// A key named again goes on where it was first named, and a value named again (in any case)
// replaces the earlier one in its place: in a key of a few values, and in one of many, whose
// values are found another way.
TEST(RegFileRegistry, NamesGivenAgainInTheFileAreOneKeyAndOneValue) {
    for (const int Count : {3, 15, 16, 17, 60}) {
        SCOPED_TRACE(Count);
        std::string Text = "[HKEY_CURRENT_USER\\A]\n";
        for (int i = 0; i < Count; ++i)
            Text += "\"v" + std::to_string(i) + "\"=dword:00000001\n";
        Text += "[HKEY_CURRENT_USER\\B]\n\"x\"=\"b\"\n[hkey_current_user\\a]\n";
        for (int i = 0; i < Count; i += 2)
            Text += "\"V" + std::to_string(i) + "\"=dword:00000002\n";
        Text += "\"new\"=\"n\"\n";
        const TRegDocument Doc = ParseRegText(Text);
        ASSERT_EQ(Doc.Keys.size(), 2u);
        EXPECT_EQ(Doc.Keys[0].Path, "HKEY_CURRENT_USER\\A");
        const auto& Values = Doc.Keys[0].Values;
        ASSERT_EQ(Values.size(), static_cast<size_t>(Count + 1));
        for (int i = 0; i < Count; ++i) {
            EXPECT_EQ(Values[i].Dword, i % 2 == 0 ? 2u : 1u) << i;
            EXPECT_TRUE(SameRegName(Values[i].Name, "v" + std::to_string(i)));
        }
        EXPECT_EQ(Values.back().Text, "n");
    }
}

TEST(RegFileRegistry, ChangesOfAnotherWriterAreSeenAndKept) {
    TTempFolder Dir;
    TRegFileRegistry A(Dir / "user.reg");
    TRegFileRegistry B(Dir / "user.reg");
    A.WriteDword("Software\\X", "One", 1);
    EXPECT_EQ(B.ReadDword("Software\\X", "One"), 1u);
    B.WriteDword("Software\\X", "Two", 2);
    A.WriteDword("Software\\X", "Three", 3);
    EXPECT_EQ(A.ReadDword("Software\\X", "Two"), 2u);
    EXPECT_EQ(B.ReadDword("Software\\X", "Three"), 3u);
    std::filesystem::remove(Dir / "user.reg");
    EXPECT_FALSE(A.KeyExists("Software\\X"));
}

TEST(RegFileRegistry, OpeningWithCreateMakesTheFileAndItsFolder) {
    TTempFolder Dir;
    TRegFileRegistry Reg(Dir / "a/b/user.reg", TRegFileRegistry::TOpenMode::Create);
    EXPECT_EQ(ReadBytes(Dir / "a/b/user.reg"), "Windows Registry Editor Version 5.00\n");
    EXPECT_FALSE(Reg.KeyExists("Software"));
    // Opening an existing file with Create changes nothing.
    WriteBytes(Dir / "a/b/user.reg", "[HKEY_CURRENT_USER\\K]\r\n");
    TRegFileRegistry Again(Dir / "a/b/user.reg", TRegFileRegistry::TOpenMode::Create);
    EXPECT_EQ(ReadBytes(Dir / "a/b/user.reg"), "[HKEY_CURRENT_USER\\K]\r\n");
    EXPECT_TRUE(Again.KeyExists("k"));
}

TEST(RegFileRegistry, TheUsersFileComesFromTheEnvironment) {
    const struct {
        std::map<std::string, std::string> Env;
        const char* Path;
    } Cases[] = {
        {{{"XVEXOVIEW_REGISTRY", "/x/my.reg"}, {"XDG_CONFIG_HOME", "/c"}}, "/x/my.reg"},
        {{{"XVEXOVIEW_REGISTRY", ""}, {"XDG_CONFIG_HOME", "/c"}}, "/c/xvexoview/user.reg"},
        {{{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/home/u"}},
         "/home/u/.config/xvexoview/user.reg"},
        {{{"HOME", "/home/u"}}, "/home/u/.config/xvexoview/user.reg"},
    };
    for (const auto& C : Cases) {
        const auto GetEnv = [&](const char* Name) -> const char* {
            auto It = C.Env.find(Name);
            return It == C.Env.end() ? nullptr : It->second.c_str();
        };
        EXPECT_EQ(UserRegistryPath(GetEnv), C.Path);
    }
    TTempFolder Dir;
    const std::string File = (Dir / "env.reg").string();
    auto Reg = OpenUserRegistry([&](const char* Name) -> const char* {
        return std::string_view(Name) == "XVEXOVIEW_REGISTRY" ? File.c_str() : nullptr;
    });
    Reg->WriteDword("K", "V", 1);
    EXPECT_TRUE(std::filesystem::exists(File));
}

// Runs Change as a user other than root (when the tests run as root, in a child process that
// gives up root), so that folder permissions hold; returns the message of the TRegistryError it
// threw, or "" when it threw none.
std::string ErrorOfChange(const std::function<void()>& Change) {
    auto Run = [&]() -> std::string {
        try {
            Change();
        } catch (const TRegistryError& E) {
            return E.what();
        }
        return "";
    };
    if (::geteuid() != 0) return Run();
    int Pipe[2];
    if (::pipe(Pipe) != 0) return "pipe failed";
    const pid_t Child = ::fork();
    if (Child == 0) {
        ::close(Pipe[0]);
        std::string Message = "could not give up root";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) Message = Run();
        const ssize_t N = ::write(Pipe[1], Message.data(), Message.size());
        ::_exit(N == static_cast<ssize_t>(Message.size()) ? 0 : 1);
    }
    ::close(Pipe[1]);
    std::string Message;
    char Buffer[512];
    for (ssize_t N; (N = ::read(Pipe[0], Buffer, sizeof Buffer)) > 0;)
        Message.append(Buffer, static_cast<size_t>(N));
    ::close(Pipe[0]);
    int Status = 0;
    ::waitpid(Child, &Status, 0);
    return Message;
}

TEST(RegFileRegistry, AFolderThatCannotBeWrittenGivesAClearErrorAndLeavesTheFile) {
    TTempFolder Dir;
    const auto Folder = Dir / "ro";
    std::filesystem::create_directory(Folder);
    const std::string Before = "[HKEY_CURRENT_USER\\Software\\X]\n\"V\"=dword:00000001\n";
    WriteBytes(Folder / "user.reg", Before);
    std::filesystem::permissions(Dir.Path, std::filesystem::perms::all);
    std::filesystem::permissions(
        Folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                    std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    std::filesystem::permissions(Folder / "user.reg", std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::others_read);
    const std::string Message = ErrorOfChange([&] {
        TRegFileRegistry Reg(Folder / "user.reg");
        if (Reg.ReadDword("Software\\X", "V") != 1u) throw TRegistryError("not read");
        Reg.WriteDword("Software\\X", "V", 2);
    });
    EXPECT_EQ(Message, "Cannot write the registry file " + (Folder / "user.reg").string() +
                           ": Permission denied");
    EXPECT_EQ(ReadBytes(Folder / "user.reg"), Before);
    EXPECT_EQ(FileNames(Folder), std::vector<std::string>{"user.reg"});

    EXPECT_EQ(ErrorOfChange([&] {
                  TRegFileRegistry(Folder / "sub/new.reg", TRegFileRegistry::TOpenMode::Create);
              }),
              "Cannot write the registry file " + (Folder / "sub/new.reg").string() +
                  ": Permission denied");
}

// A disk that fills up in the middle of the write: the new file is dropped, the old one stays.
TEST(RegFileRegistry, AWriteCutShortLeavesTheOldFileAndNoTemporaryFile) {
    TTempFolder Dir;
    TRegFileRegistry Reg(Dir / "user.reg");
    Reg.WriteString("Software\\X", "Small", "kept");
    const std::string Before = ReadBytes(Dir / "user.reg");

    rlimit Old{};
    ::getrlimit(RLIMIT_FSIZE, &Old);
    auto* OldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit Small = Old;
    Small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &Small);
    std::string Error;
    try {
        Reg.WriteString("Software\\X", "Large", std::string(10000, 'x'));
    } catch (const TRegistryError& E) {
        Error = E.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &Old);
    ::signal(SIGXFSZ, OldHandler);

    EXPECT_EQ(Error,
              "Cannot write the registry file " + (Dir / "user.reg").string() + ": File too large");
    EXPECT_EQ(ReadBytes(Dir / "user.reg"), Before);
    EXPECT_EQ(FileNames(Dir.Path), std::vector<std::string>{"user.reg"});
    EXPECT_EQ(Reg.ValueKind("Software\\X", "Large"), TRegValueKind::Missing);
    EXPECT_EQ(Reg.ReadString("Software\\X", "Small"), "kept");
}

// An update is one store: all of its changes, or none when it throws; and one that changes
// nothing writes nothing.
TEST(RegFileRegistry, AnUpdateStoresAllOfItsChangesOrNone) {
    TTempFolder Dir;
    const auto File = Dir / "user.reg";
    TRegFileRegistry Reg(File);
    Reg.WriteString("Software\\X", "Kept", "1");
    const std::string Before = ReadBytes(File);
    EXPECT_THROW(Reg.Update([](TUserRegistry& R) {
        R.WriteString("Software\\X", "Kept", "2");
        R.WriteDword("Software\\Y", "New", 3);
        throw TRegistryError("stopped part-way");
    }),
                 TRegistryError);
    EXPECT_EQ(ReadBytes(File), Before);
    EXPECT_EQ(Reg.ReadString("Software\\X", "Kept"), "1");
    EXPECT_FALSE(Reg.KeyExists("Software\\Y"));

    struct stat Old {};
    ::stat(File.c_str(), &Old);
    Reg.Update([](TUserRegistry& R) { R.WriteString("Software\\X", "Kept", "1"); });
    struct stat Same {};
    ::stat(File.c_str(), &Same);
    EXPECT_EQ(Same.st_ino, Old.st_ino) << "nothing changed, nothing written";

    Reg.Update([](TUserRegistry& R) {
        for (int i = 0; i < 10; ++i)
            R.WriteString("Software\\X", std::to_string(i), std::to_string(i * i));
        R.Update([](TUserRegistry& Inner) { Inner.DeleteValue("Software\\X", "Kept"); });
        // The changes so far are seen inside.
        if (R.ReadString("Software\\X", "9") != "81") throw TRegistryError("not seen");
    });
    const TRegFileRegistry Fresh(File);
    EXPECT_EQ(Fresh.ReadString("Software\\X", "9"), "81");
    EXPECT_EQ(Fresh.ValueKind("Software\\X", "Kept"), TRegValueKind::Missing);
    EXPECT_EQ(FileNames(Dir.Path), std::vector<std::string>{"user.reg"});
}

// Two programs storing in the same file at once, each its own values, one store at a time in a
// bounded loop: every value of both is there at the end (each store read the file, changed it
// and renamed it over the file under the lock), and no lock or temporary file stays behind.
TEST(RegFileRegistry, TwoProgramsStoringAtOnceLoseNothing) {
    TTempFolder Dir;
    const auto File = Dir / "user.reg";
    constexpr int kStores = 120;
    std::vector<pid_t> Children;
    for (const std::string Name : {"A", "B"}) {
        const pid_t Child = ::fork();
        if (Child == 0) {
            ::alarm(120);  // a child that hangs ends all the same
            int Status = 0;
            try {
                TRegFileRegistry Reg(File);
                for (int i = 0; i < kStores; ++i)
                    Reg.WriteDword("Software\\Shared", Name + std::to_string(i),
                                   static_cast<uint32_t>(i));
            } catch (const std::exception&) {
                Status = 1;
            }
            ::_exit(Status);
        }
        Children.push_back(Child);
    }
    for (const pid_t Child : Children) {
        int Status = 0;
        ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
        EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << Status;
    }
    const TRegFileRegistry Reg(File);
    std::vector<std::string> Lost;
    for (const std::string Name : {"A", "B"}) {
        for (int i = 0; i < kStores; ++i) {
            if (Reg.ReadDword("Software\\Shared", Name + std::to_string(i)) !=
                static_cast<uint32_t>(i))
                Lost.push_back(Name + std::to_string(i));
        }
    }
    EXPECT_EQ(Lost, std::vector<std::string>{});
    EXPECT_EQ(FileNames(Dir.Path), std::vector<std::string>{"user.reg"});
}

// A settings file kept elsewhere (a dotfiles folder) and linked to: the link stays, and the file
// it leads to (through a chain of links, relative or not) takes the changes; a link to a file
// not yet there makes it where it points.
TEST(RegFileRegistry, ALinkStaysALinkAndTheFileItLeadsToIsChanged) {
    namespace fs = std::filesystem;
    TTempFolder Dir;
    fs::create_directories(Dir / "dotfiles");
    fs::create_directories(Dir / "config");
    WriteBytes(Dir / "dotfiles/user.reg",
               "[HKEY_CURRENT_USER\\Software\\X]\n\"Old\"=dword:00000001\n");
    fs::permissions(Dir / "dotfiles/user.reg", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("../dotfiles/user.reg", Dir / "config/user.reg");
    fs::create_symlink(Dir / "config/user.reg", Dir / "user.reg");

    TRegFileRegistry(Dir / "config/user.reg").WriteDword("Software\\X", "New", 2);
    TRegFileRegistry(Dir / "user.reg").WriteDword("Software\\X", "Newer", 3);
    EXPECT_TRUE(fs::is_symlink(Dir / "config/user.reg"));
    EXPECT_TRUE(fs::is_symlink(Dir / "user.reg"));
    const TRegFileRegistry Target(Dir / "dotfiles/user.reg");
    EXPECT_EQ(Target.ReadDword("Software\\X", "Old"), 1u);
    EXPECT_EQ(Target.ReadDword("Software\\X", "New"), 2u);
    EXPECT_EQ(Target.ReadDword("Software\\X", "Newer"), 3u);
    EXPECT_EQ(fs::status(Dir / "dotfiles/user.reg").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FileNames(Dir / "dotfiles"), std::vector<std::string>{"user.reg"});
    EXPECT_EQ(FileNames(Dir / "config"), std::vector<std::string>{"user.reg"});

    fs::create_symlink("../dotfiles/later.reg", Dir / "config/later.reg");
    TRegFileRegistry(Dir / "config/later.reg", TRegFileRegistry::TOpenMode::Create);
    EXPECT_TRUE(fs::is_symlink(Dir / "config/later.reg"));
    EXPECT_EQ(ReadBytes(Dir / "dotfiles/later.reg"), "Windows Registry Editor Version 5.00\n");
}

// A FIFO, a folder, a character device (made with mknod when the test runs as root), or a link
// to one, named as the settings file: never opened for reading (a FIFO would hang every
// program), read as empty, and never replaced by a file; every change says why.
TEST(RegFileRegistry, APathThatNamesNoRegularFileIsNeitherReadNorWritten) {
    namespace fs = std::filesystem;
    TTempFolder Dir;
    ASSERT_EQ(::mkfifo((Dir / "fifo.reg").c_str(), 0600), 0);
    fs::create_directory(Dir / "folder.reg");
    fs::create_symlink("fifo.reg", Dir / "link.reg");
    std::vector<std::string> Names = {"fifo.reg", "folder.reg", "link.reg"};
    if (::geteuid() == 0 &&
        ::mknod((Dir / "null.reg").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        Names.push_back("null.reg");
    } else {
        std::printf(
            "not root, or no right to make device nodes: the character device is left out\n");
    }
    const auto Kind = [&](const std::string& Name) {
        struct stat St {};
        ::lstat((Dir / Name).c_str(), &St);
        return St.st_mode & S_IFMT;
    };
    for (const std::string& Name : Names) {
        SCOPED_TRACE(Name);
        const auto Before = Kind(Name);
        const std::string Message =
            "The settings file " + (Dir / Name).string() + " is not a regular file";
        TRegFileRegistry Reg(Dir / Name);
        EXPECT_TRUE(Reg.NotRegular());
        EXPECT_EQ(Reg.NotRegularMessage(), Message);
        EXPECT_FALSE(Reg.KeyExists("Software"));
        try {
            Reg.WriteString("Software\\X", "V", "1");
            ADD_FAILURE() << "the change was taken";
        } catch (const TRegistryError& E) {
            EXPECT_EQ(E.what(), Message);
        }
        EXPECT_THROW(TRegFileRegistry(Dir / Name, TRegFileRegistry::TOpenMode::Create),
                     TRegistryError);
        EXPECT_EQ(Kind(Name), Before);
    }
    std::vector<std::string> All = Names;
    std::sort(All.begin(), All.end());
    EXPECT_EQ(FileNames(Dir.Path), All);
}

// A store that was stopped (a program killed mid-write) leaves its temporary file; the next
// store removes it: only a file of that very name, and only once it is old.
TEST(RegFileRegistry, TheNextStoreRemovesTheTemporaryFileOfAStoppedOne) {
    namespace fs = std::filesystem;
    TTempFolder Dir;
    const auto Old = fs::file_time_type::clock::now() - std::chrono::hours(2);
    const struct {
        const char* Name;
        bool Aged;
        bool Stays;
    } Files[] = {
        {"user.reg.new-Ab12Cd", true, false},    {"user.reg.new-Xy34Zw", false, true},
        {"other.reg.new-Ab12Cd", true, true},    {"user.reg.new-Ab12C", true, true},
        {"user.reg.new-Ab12Cd.pdf", true, true},
    };
    for (const auto& F : Files) {
        WriteBytes(Dir / F.Name, "left behind");
        if (F.Aged) fs::last_write_time(Dir / F.Name, Old);
    }
    TRegFileRegistry(Dir / "user.reg").WriteDword("Software\\X", "V", 1);
    for (const auto& F : Files)
        EXPECT_EQ(fs::exists(Dir / F.Name), F.Stays) << F.Name;
}

}  // namespace
}  // namespace xvexo
