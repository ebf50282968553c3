// Outputs written whole: a regular file replaced only when the new one is complete (on a full
// disk the old one stays), links followed, and devices, FIFOs and sockets written directly
// without ever hanging.

#include "platform/whole_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/full_folder.h"
#include "support/temp_folder.h"

namespace xvexo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::ReadBytes;
using testing::TTempFolder;
using testing::WriteBytes;

std::vector<std::string> FileNames(const fs::path& Folder) {
    std::vector<std::string> Names;
    for (const auto& Entry : fs::directory_iterator(Folder))
        Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
}

// What one WriteWholeFile gave: its reason ("" on success) and how long it took.
struct TWrite {
    std::string Reason;
    std::chrono::steady_clock::duration Took;
};

TWrite Write(const fs::path& Path, std::string_view Bytes,
             std::chrono::milliseconds Silence = 30s) {
    TSourceLimits Limits;
    Limits.Silence = Silence;
    std::string Reason;
    const auto Start = std::chrono::steady_clock::now();
    const bool Ok = WriteWholeFile(Path.string(), Bytes, Reason, Limits);
    return {Ok ? "" : (Reason.empty() ? "failed without a reason" : Reason),
            std::chrono::steady_clock::now() - Start};
}

TEST(WholeFile, ARegularFileIsReplacedWholeThroughItsLinks) {
    TTempFolder Dir;
    fs::create_directory(Dir / "real");
    WriteBytes(Dir / "real/board.png", "old picture");
    fs::permissions(Dir / "real/board.png",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/board.png", Dir / "board.png");

    EXPECT_EQ(Write(Dir / "board.png", "new picture").Reason, "");
    EXPECT_TRUE(fs::is_symlink(Dir / "board.png"));
    EXPECT_EQ(ReadBytes(Dir / "real/board.png"), "new picture");
    EXPECT_EQ(fs::status(Dir / "real/board.png").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FileNames(Dir / "real"), std::vector<std::string>{"board.png"});

    // A new file; an empty one; a name of any bytes.
    for (const std::string Name : {"new.pdf", "empty.pdf", "\xB6\xD4\xFF.png"}) {
        const std::string Bytes = Name == "empty.pdf" ? "" : "content of " + Name;
        EXPECT_EQ(Write(Dir / Name, Bytes).Reason, "") << Name;
        EXPECT_EQ(ReadBytes(Dir / Name), Bytes);
    }
    // What cannot be replaced by a file says why, and leaves it.
    fs::create_directory(Dir / "folder.png");
    EXPECT_EQ(Write(Dir / "folder.png", "x").Reason, "Is a directory");
    EXPECT_TRUE(fs::is_directory(Dir / "folder.png"));
    EXPECT_EQ(Write(Dir / "missing/board.png", "x").Reason, "No such file or directory");
    fs::create_symlink("loop-b", Dir / "loop-a");
    fs::create_symlink("loop-a", Dir / "loop-b");
    EXPECT_EQ(Write(Dir / "loop-a", "x").Reason, "Too many levels of symbolic links");
    EXPECT_EQ(FileNames(Dir.Path),
              (std::vector<std::string>{"board.png", "empty.pdf", "folder.png", "loop-a", "loop-b",
                                        "new.pdf", "real", "\xB6\xD4\xFF.png"}));
}

// A disk that fills up in the middle of the write: the file that stood there stays whole and no
// temporary is left. A small tmpfs filled to the brim when the test may mount one (root); else
// a folder that cannot be written, which fails before the first byte.
TEST(WholeFile, AWriteThatFailsLeavesTheOldFileAndNoTemporary) {
    const std::string Old = "the PDF printed yesterday";
    const std::string New(512 * 1024, 'n');
    testing::TFullFolder Full;
    if (Full.Mounted()) {
        WriteBytes(Full / "record.pdf", Old);
        Full.Fill();
        EXPECT_EQ(Write(Full / "record.pdf", New).Reason, "No space left on device");
        EXPECT_EQ(ReadBytes(Full / "record.pdf"), Old);
        EXPECT_EQ(FileNames(Full.Path), (std::vector<std::string>{"filler", "record.pdf"}));
        // With room again, the same write replaces it.
        fs::remove(Full / "filler");
        EXPECT_EQ(Write(Full / "record.pdf", std::string(1000, 'n')).Reason, "");
        EXPECT_EQ(ReadBytes(Full / "record.pdf"), std::string(1000, 'n'));
        return;
    }
    if (::geteuid() == 0) GTEST_SKIP() << "no tmpfs could be mounted, and root writes anywhere";
    TTempFolder Dir;
    WriteBytes(Dir / "record.pdf", Old);
    fs::permissions(Dir.Path, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(Write(Dir / "record.pdf", New).Reason, "Permission denied");
    fs::permissions(Dir.Path, fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(Dir / "record.pdf"), Old);
    EXPECT_EQ(FileNames(Dir.Path), std::vector<std::string>{"record.pdf"});
}

// A FIFO is written straight into, once a reader comes; without a reader, or with one that
// reads nothing, the write gives up after the silence bound instead of hanging. A reader that
// goes away is a failed write, not the end of the program.
TEST(WholeFile, AFifoIsWrittenDirectlyAndNeverHangs) {
    TTempFolder Dir;
    const fs::path Fifo = Dir / "out.fifo";
    ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
    const std::string Bytes(200 * 1024, 'p');  // more than a pipe holds

    std::string Read;
    std::jthread Reader([&] {
        std::this_thread::sleep_for(100ms);  // the writer waits for the reader
        const int Fd = ::open(Fifo.c_str(), O_RDONLY);
        char Buffer[4096];
        for (ssize_t N; (N = ::read(Fd, Buffer, sizeof Buffer)) > 0;)
            Read.append(Buffer, static_cast<size_t>(N));
        ::close(Fd);
    });
    EXPECT_EQ(Write(Fifo, Bytes, 5s).Reason, "");
    Reader.join();
    EXPECT_EQ(Read, Bytes);

    const TWrite NoReader = Write(Fifo, Bytes, 300ms);
    EXPECT_EQ(NoReader.Reason, "Timed out");
    EXPECT_LT(NoReader.Took, 3s);

    int Held = -1;
    std::jthread Idle([&] { Held = ::open(Fifo.c_str(), O_RDONLY); });  // reads nothing
    const TWrite Stuck = Write(Fifo, Bytes, 300ms);
    Idle.join();
    EXPECT_EQ(Stuck.Reason, "Timed out");
    EXPECT_LT(Stuck.Took, 3s);
    ::close(Held);

    std::jthread Leaving([&] {
        const int Fd = ::open(Fifo.c_str(), O_RDONLY);
        char Buffer[16];
        (void)::read(Fd, Buffer, sizeof Buffer);
        ::close(Fd);
    });
    EXPECT_EQ(Write(Fifo, Bytes, 5s).Reason, "Broken pipe");
    Leaving.join();
    struct stat St {};
    ASSERT_EQ(::stat(Fifo.c_str(), &St), 0);
    EXPECT_TRUE(S_ISFIFO(St.st_mode)) << "the FIFO is never replaced by a file";
}

TEST(WholeFile, DevicesAndSocketsAreWrittenDirectly) {
    EXPECT_EQ(Write("/dev/null", "discarded").Reason, "");
    EXPECT_EQ(Write("/dev/full", "x").Reason, "No space left on device");
    struct stat St {};
    ASSERT_EQ(::stat("/dev/null", &St), 0);
    EXPECT_TRUE(S_ISCHR(St.st_mode));

    TTempFolder Dir;
    const fs::path Socket = Dir / "out.sock";
    const int Listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un Address{};
    Address.sun_family = AF_UNIX;
    std::strncpy(Address.sun_path, Socket.c_str(), sizeof Address.sun_path - 1);
    ASSERT_EQ(::bind(Listener, reinterpret_cast<const sockaddr*>(&Address), sizeof Address), 0);
    ASSERT_EQ(::listen(Listener, 1), 0);
    std::string Read;
    std::jthread Server([&] {
        const int Fd = ::accept(Listener, nullptr, nullptr);
        char Buffer[4096];
        for (ssize_t N; (N = ::read(Fd, Buffer, sizeof Buffer)) > 0;)
            Read.append(Buffer, static_cast<size_t>(N));
        ::close(Fd);
    });
    const std::string Bytes(300 * 1024, 's');
    EXPECT_EQ(Write(Socket, Bytes, 5s).Reason, "");
    Server.join();
    ::close(Listener);
    EXPECT_EQ(Read, Bytes);
    EXPECT_EQ(Write(Socket, Bytes, 300ms).Reason, "Connection refused");  // nobody listens
}

}  // namespace
}  // namespace xvexo
