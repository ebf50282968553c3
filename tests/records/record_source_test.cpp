// Reading a record's bytes from a local path or a file:// address: the address rules, regular
// files, and pipes, sockets and devices that must never hang a program.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "records/game_record.h"
#include "records/record_source.h"
#include "support/fifo_writer.h"
#include "support/temp_folder.h"

namespace xvexo {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::TTempFolder;
using testing::WriteBytes;
using testing::WriteToFifo;

TEST(RecordSource, AddressesAndTheirLocalPaths) {
    const struct {
        std::string Address;
        std::string Path;
        std::string Error;
    } Cases[] = {
        {"/tmp/a b.txt", "/tmp/a b.txt", ""},
        {"relative/game.NGF", "relative/game.NGF", ""},
        {"file:///tmp/game.txt", "/tmp/game.txt", ""},
        {"file://localhost/tmp/game.txt", "/tmp/game.txt", ""},
        {"FILE://LocalHost/tmp/game.txt", "/tmp/game.txt", ""},
        {"file:///tmp/a%20b%E4%ff.txt", "/tmp/a b\xE4\xFF.txt", ""},
        {"file:///tmp/100%", "/tmp/100%", ""},
        {"file:///tmp/%zz%4", "/tmp/%zz%4", ""},
        // Another host is no local file: never a path relative to the current folder.
        {"file://samples/sample.tag.txt", "",
         "Cannot open file://samples/sample.tag.txt: not a local file"},
        {"file://127.0.0.1/tmp/x", "", "Cannot open file://127.0.0.1/tmp/x: not a local file"},
        {"file://localhost.example/x", "",
         "Cannot open file://localhost.example/x: not a local file"},
        // A NUL would cut the path the system sees.
        {"file:///tmp/SAMPLE.NGF%00.txt", "",
         "Cannot open file:///tmp/SAMPLE.NGF%00.txt: the address holds a NUL byte"},
        {std::string("/tmp/a\0b", 8), "", "Cannot open /tmp/a?b: the address holds a NUL byte"},
        {"", "", "Empty URL"},
        {"file://", "", "Empty URL"},
        {"file://localhost", "", "Empty URL"},
        // Control bytes of an address never reach a message.
        {"file://\x1b[2J/x", "", "Cannot open file://?[2J/x: not a local file"},
        // An address of a scheme not read here is refused as such, never opened as a relative
        // path; a colon after a "/" or a leading digit makes no scheme.
        {"ftp://example.org/game.sgf", "",
         "Cannot open ftp://example.org/game.sgf: the scheme \"ftp\" is not supported"},
        {"javascript:alert(1)", "",
         "Cannot open javascript:alert(1): the scheme \"javascript\" is not supported"},
        {"data:text/plain,(;GM[1])", "",
         "Cannot open data:text/plain,(;GM[1]): the scheme \"data\" is not supported"},
        {"SVN+SSH://host/x", "",
         "Cannot open SVN+SSH://host/x: the scheme \"svn+ssh\" is not supported"},
        {std::string(100, 'a') + ":x", "",
         "Cannot open " + std::string(100, 'a') + ":x: the scheme \"" + std::string(32, 'a') +
             "...\" is not supported"},
        {"file:/tmp/game.txt", "", "Cannot open file:/tmp/game.txt: no \"//\" after the scheme"},
        {"HTTP:game.txt", "", "Cannot open HTTP:game.txt: no \"//\" after the scheme"},
        {"./ftp:game.txt", "./ftp:game.txt", ""},
        {"games/a:b.txt", "games/a:b.txt", ""},
        {"2024:final.sgf", "2024:final.sgf", ""},
    };
    for (const auto& C : Cases) {
        const TLocalAddress L = LocalPathOfAddress(C.Address);
        EXPECT_EQ(L.Path, C.Path) << C.Address;
        EXPECT_EQ(L.Error, C.Error) << C.Address;
    }
    EXPECT_EQ(AddressForMessage(std::string(2000, 'a')), std::string(1024, 'a') + "...");
}

TEST(RecordSource, TheFormatFollowsTheDecodedPath) {
    const struct {
        const char* Address;
        int32_t Format;
    } Cases[] = {
        {"/x/SAMPLE.NGF", kFormatNgf},
        {"file:///x/SAMPLE%2ENGF", kFormatNgf},
        {"file:///x/SAMPLE.NGF%20", kFormatTag},
        {"file:///x/SAMPLE.NGF%00.txt", kFormatTag},  // refused when read
        {"http://host/game.NGF", kFormatNgf},
        {"http://host/game.NGF%20", kFormatTag},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(FormatOfAddress(C.Address), C.Format) << C.Address;
}

TEST(RecordSource, ReadsFilesByTheirBytesOrFailsWithAClearText) {
    const TTempFolder Dir;
    constexpr char kRecord[] = "(;EV[\x00\xff]\r\n)";
    const std::string Bytes(kRecord, sizeof kRecord - 1);
    // A name that is no valid UTF-8 opens by its bytes, as a path and as an address.
    const std::string Name = "\xB6\xD4\xBE\xD6\xff.txt";
    WriteBytes(Dir / Name, Bytes);
    const std::string File = (Dir / Name).string();
    for (const std::string& Address :
         {File, "file://" + Dir.Path.string() + "/%B6%D4%BE%D6%FF.txt"}) {
        std::string Body, Error;
        ASSERT_TRUE(ReadRecordSource(Address, Body, Error)) << Error;
        EXPECT_EQ(Body, Bytes);
    }

    const std::string Dir8 = Dir.Path.string();
    const struct {
        std::string Address;
        std::string Error;
    } Failures[] = {
        {"", "Empty URL"},
        {"http://127.0.0.1/game.txt", "Network addresses are not supported in this build"},
        {Dir8, "Cannot open " + Dir8 + ": it is a directory"},
        {File + ".missing", "Cannot open " + File + ".missing: No such file or directory"},
        {Dir8 + "/\x1b]0;title\x07",
         "Cannot open " + Dir8 + "/?]0;title?: No such file or directory"},
        {"/dev/zero", "Record too large"},
        {"file://elsewhere" + File, "Cannot open file://elsewhere" + File + ": not a local file"},
    };
    for (const auto& F : Failures) {
        std::string Body = "unchanged", Error;
        EXPECT_FALSE(ReadRecordSource(F.Address, Body, Error)) << F.Address;
        EXPECT_EQ(Error, F.Error);
        EXPECT_EQ(Body, "unchanged");
    }

    // The size bound holds for a regular file too.
    WriteBytes(Dir / "big.txt", std::string(1001, 'x'));
    TNoWaitHook Hook;
    std::string Body, Error;
    EXPECT_FALSE(ReadRecordSource((Dir / "big.txt").string(), Body, Error, Hook, {1s, 1000}));
    EXPECT_EQ(Error, "Record too large");
    WriteBytes(Dir / "big.txt", std::string(1000, 'x'));
    EXPECT_TRUE(ReadRecordSource((Dir / "big.txt").string(), Body, Error, Hook, {1s, 1000}));
}

// A hook that counts its pumps and asks the read to give up after CancelAfter of them.
class TCountingHook final : public TWaitHook {
  public:
    int Pumps = 0;
    int CancelAfter = -1;

  protected:
    bool DoPump() override { return ++Pumps != CancelAfter; }
};

class PipesAndDevices : public ::testing::Test {
  protected:
    PipesAndDevices() { ::mkfifo(Fifo.c_str(), 0600); }

    // Reads Address with Limits through Hook; the time it took.
    std::chrono::milliseconds Read(const std::string& Address, const TSourceLimits& Limits) {
        const auto Start = Clock::now();
        Ok = ReadRecordSource(Address, Body, Error, Hook, Limits);
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - Start);
    }

    TTempFolder Dir;
    const std::string Fifo = (Dir / "pipe.NGF").string();
    TCountingHook Hook;
    bool Ok = false;
    std::string Body = "unchanged";
    std::string Error;
};

TEST_F(PipesAndDevices, AFifoWithoutAWriterTimesOutAndTheHostKeepsRunning) {
    const auto Took = Read(Fifo, {300ms, kMaxRecordBytes});
    EXPECT_FALSE(Ok);
    EXPECT_EQ(Error, "Timed out");
    EXPECT_EQ(Body, "unchanged");
    EXPECT_GE(Took, 300ms);
    EXPECT_LT(Took, 3s);
    EXPECT_GE(Hook.Pumps, 10);  // about every 10 ms while it waited
}

TEST_F(PipesAndDevices, AFifoWithAWriterIsReadToItsEnd) {
    const auto Writer = WriteToFifo(Fifo, {"first ", "second ", "third"}, 100ms);
    Read(Fifo, {1s, kMaxRecordBytes});
    EXPECT_TRUE(Ok) << Error;
    EXPECT_EQ(Body, "first second third");
}

TEST_F(PipesAndDevices, SilenceCountsFromTheLastByte) {
    // Each gap is shorter than the limit, the whole read longer: it succeeds.
    {
        const auto Writer = WriteToFifo(Fifo, {"a", "b", "c", "d"}, 150ms);
        const auto Took = Read(Fifo, {400ms, kMaxRecordBytes});
        EXPECT_TRUE(Ok) << Error;
        EXPECT_EQ(Body, "abcd");
        EXPECT_GE(Took, 400ms);
    }
    // A gap longer than the limit ends it.
    {
        const auto Writer = WriteToFifo(Fifo, {"a", "b"}, 700ms);
        Read(Fifo, {300ms, kMaxRecordBytes});
        EXPECT_FALSE(Ok);
        EXPECT_EQ(Error, "Timed out");
    }
}

TEST_F(PipesAndDevices, TheSizeBoundHoldsForPipesAndDevices) {
    Read("/dev/zero", {1s, 100'000});
    EXPECT_FALSE(Ok);
    EXPECT_EQ(Error, "Record too large");

    const auto Writer =
        WriteToFifo(Fifo, {std::string(60'000, 'x'), std::string(40'001, 'y')}, 0ms);
    Read(Fifo, {1s, 100'000});
    EXPECT_FALSE(Ok);
    EXPECT_EQ(Error, "Record too large");
    EXPECT_EQ(Body, "unchanged");

    Read("/dev/null", {1s, 100'000});
    EXPECT_TRUE(Ok) << Error;
    EXPECT_EQ(Body, "");
}

TEST_F(PipesAndDevices, TheHostMayCancelTheWait) {
    Hook.CancelAfter = 3;
    const auto Took = Read("file://" + Fifo, {10s, kMaxRecordBytes});
    EXPECT_FALSE(Ok);
    EXPECT_EQ(Error, "Cancelled");
    EXPECT_LT(Took, 2s);
}

TEST_F(PipesAndDevices, ALocalSocketIsReadLikeAPipe) {
    const std::string Path = (Dir / "s").string();
    const int Server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(Server, 0);
    sockaddr_un A{};
    A.sun_family = AF_UNIX;
    std::strncpy(A.sun_path, Path.c_str(), sizeof A.sun_path - 1);
    ASSERT_EQ(::bind(Server, reinterpret_cast<sockaddr*>(&A), sizeof A), 0);
    ASSERT_EQ(::listen(Server, 1), 0);
    std::jthread Serve([Server] {
        const int C = ::accept(Server, nullptr, nullptr);
        if (C < 0) return;
        std::this_thread::sleep_for(50ms);
        static constexpr char kText[] = "(;EV[socket])";
        [[maybe_unused]] const auto N = ::write(C, kText, sizeof kText - 1);
        ::close(C);
    });
    Read(Path, {2s, kMaxRecordBytes});
    Serve.join();
    ::close(Server);
    EXPECT_TRUE(Ok) << Error;
    EXPECT_EQ(Body, "(;EV[socket])");
}

}  // namespace
}  // namespace xvexo
