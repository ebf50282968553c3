// Reading a record's bytes from a local path or a file:// address.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "records/record_source.h"

namespace xvexo {
namespace {

TEST(RecordSource, FileAddressesBecomeLocalPaths) {
    const struct {
        const char* Address;
        const char* Path;
    } Cases[] = {
        {"/tmp/a b.txt", "/tmp/a b.txt"},
        {"relative/game.NGF", "relative/game.NGF"},
        {"file:///tmp/game.txt", "/tmp/game.txt"},
        {"file://localhost/tmp/game.txt", "/tmp/game.txt"},
        {"file:///tmp/a%20b%E4.txt", "/tmp/a b\xE4.txt"},
        {"file:///tmp/100%", "/tmp/100%"},
        {"file:///tmp/%zz", "/tmp/%zz"},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(LocalPathOfAddress(C.Address), C.Path) << C.Address;
}

TEST(RecordSource, ReadsTheBytesOrFailsWithAClearText) {
    const std::filesystem::path Dir = std::filesystem::temp_directory_path() / "xvexo_source";
    std::filesystem::create_directories(Dir);
    const std::string File = (Dir / "game.txt").string();
    constexpr char kRecord[] = "(;EV[\x00\xff]\r\n)";
    const std::string Bytes(kRecord, sizeof kRecord - 1);
    std::ofstream(File, std::ios::binary) << Bytes;

    std::string Body, Error;
    ASSERT_TRUE(ReadRecordSource("file://" + File, Body, Error)) << Error;
    EXPECT_EQ(Body, Bytes);

    const struct {
        std::string Address;
        std::string Error;
    } Failures[] = {
        {"", "Empty URL"},
        {"http://127.0.0.1/game.txt", "Network addresses are not supported in this build"},
        {Dir.string(), "Cannot open " + Dir.string() + ": it is a directory"},
        {File + ".missing", "Cannot open " + File + ".missing: No such file or directory"},
        {"/dev/zero", "Record too large"},
    };
    for (const auto& F : Failures) {
        Body = "unchanged";
        EXPECT_FALSE(ReadRecordSource(F.Address, Body, Error)) << F.Address;
        EXPECT_EQ(Error, F.Error);
        EXPECT_EQ(Body, "unchanged");
    }
    std::filesystem::remove_all(Dir);
}

}  // namespace
}  // namespace xvexo
