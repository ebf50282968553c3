// Runs the xvexo program on fixtures and compares its exact output and exit status.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/fifo_writer.h"
#include "support/record_text.h"

namespace {

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string ReadFile(const std::filesystem::path& P) {
    std::ifstream In(P, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

std::filesystem::path TempDir() {
    auto D = std::filesystem::temp_directory_path() / ("xvexo_cli_" + std::to_string(::getpid()));
    std::filesystem::create_directories(D);
    return D;
}

// Removes the temporary files of this test process at its end.
class TTempCleanup : public ::testing::Environment {
  public:
    void TearDown() override {
        std::error_code Ec;
        std::filesystem::remove_all(TempDir(), Ec);
    }
};
[[maybe_unused]] ::testing::Environment* const kCleanup =
    ::testing::AddGlobalTestEnvironment(new TTempCleanup);

// Runs xvexo with Args (shell words), with Environment (NAME=VALUE ...) set for it.
TRun RunTool(const std::string& Args, const std::string& Environment = "") {
    const auto ErrFile = TempDir() / "stderr.txt";
    const std::string Command =
        Environment + " '" + XVEXO_TOOL + "' " + Args + " 2>'" + ErrFile.string() + "'";
    TRun R;
    FILE* P = ::popen(Command.c_str(), "r");
    if (!P) return R;
    char Buf[4096];
    size_t N = 0;
    while ((N = std::fread(Buf, 1, sizeof Buf, P)) > 0)
        R.Out.append(Buf, N);
    const int W = ::pclose(P);
    R.Status = WIFEXITED(W) ? WEXITSTATUS(W) : -1;
    R.Err = ReadFile(ErrFile);
    return R;
}

std::string Data(const std::string& Name) {
    return std::string("'") + XVEXO_TEST_DATA + "/records/" + Name + "'";
}

std::string WriteTemp(const std::string& Name, const std::string& Bytes) {
    const auto P = TempDir() / Name;
    std::ofstream(P, std::ios::binary) << Bytes;
    return P.string();
}

// The bytes behind a JSON string literal starting at Json[Pos] (at its quote), each code
// point below 256 taken as one byte.
std::string RawString(const std::string& Json, size_t Pos) {
    std::string Out;
    size_t i = Pos + 1;
    auto CodePoint = [&](unsigned V) { Out += static_cast<char>(V); };
    while (i < Json.size() && Json[i] != '"') {
        const auto C = static_cast<unsigned char>(Json[i]);
        if (C == '\\') {
            const char E = Json[i + 1];
            const std::string Map = "\"\\/bfnrt";
            const std::string To = "\"\\/\b\f\n\r\t";
            if (E == 'u') {
                CodePoint(std::stoul(Json.substr(i + 2, 4), nullptr, 16));
                i += 6;
            } else {
                Out += To[Map.find(E)];
                i += 2;
            }
        } else if (C >= 0xC0) {
            CodePoint(((C & 0x1Fu) << 6) | (static_cast<unsigned char>(Json[i + 1]) & 0x3Fu));
            i += 2;
        } else {
            Out += static_cast<char>(C);
            ++i;
        }
    }
    return Out;
}

constexpr const char* kSmallRecord = R"({
  "FormatMode": 1,
  "Shown": true,
  "Error": null,
  "Info": {"Title": "Cup \\\"final\\\"", "Date": "", "Place": "", "BlackName": "Black", "WhiteName": "White", "Result": "B+R", "TimeText": "", "ByoyomiSeconds": "", "ByoyomiCount": "", "Komi": "6.5", "BlackRank": "", "WhiteRank": "", "CommentMode": "", "GameComment": ""},
  "HandicapStones": 0,
  "KomiMode": 1,
  "MoveCount": 4,
  "Moves": [[16, 4], [4, 4], [20, 20], [16, 16]],
  "Notes": [{"MoveNo": 1, "Kind": 1, "Text": "[1] 好 move"}, {"MoveNo": 2, "Kind": 2, "Text": "ABACRDRE\\!ABRDXC\\!ref"}]
}
)";

TEST(XvexoRecord, SmallTagRecordExactJson) {
    const TRun R = RunTool("record " + Data("small.tag.txt"));
    EXPECT_EQ(R.Status, 0);
    EXPECT_EQ(R.Out, kSmallRecord);
    EXPECT_EQ(R.Err, "");
    // The same through a file:// address.
    const std::string Path = std::string(XVEXO_TEST_DATA) + "/records/small.tag.txt";
    EXPECT_EQ(RunTool("record 'file://" + Path + "'").Out, kSmallRecord);
}

TEST(XvexoRecord, RawTextRoundTripsEveryByte) {
    // NGF title: every byte but the line ends; tag comment: every byte but "[" and "]".
    std::string All;
    for (int B = 1; B <= 255; ++B)
        All += static_cast<char>(B);
    std::string Title;
    std::string Comment;
    for (char C : All) {
        if (C != '\r' && C != '\n') Title += C;
        if (C != '[' && C != ']') Comment += C;
    }
    std::vector<std::string> Lines = xvexo::testing::NgfHeader();
    Lines[0] = Title;
    const std::string Ngf = WriteTemp("raw.NGF", xvexo::testing::NgfText(Lines));
    TRun R = RunTool("record --text raw '" + Ngf + "'");
    ASSERT_EQ(R.Status, 0) << R.Err;
    const size_t T = R.Out.find("\"Title\": ");
    ASSERT_NE(T, std::string::npos);
    EXPECT_EQ(RawString(R.Out, T + 9), Title);

    const std::string Tag = WriteTemp("raw.tag", "(;EV[x]C[" + Comment + "])\n");
    R = RunTool("record --text raw '" + Tag + "'");
    ASSERT_EQ(R.Status, 0) << R.Err;
    const size_t C = R.Out.find("\"Text\": ");
    ASSERT_NE(C, std::string::npos);
    EXPECT_EQ(RawString(R.Out, C + 8), "[0] " + Comment);

    // Each byte that needs escaping alone at every place in a run of ordinary text, which the
    // writer copies many bytes at a time.
    std::string Sparse;
    for (int B = 1; B <= 0x5C; ++B) {
        if (B >= 0x20 && B != '"' && B != '\\') continue;
        for (int At = 0; At < 16; ++At)
            Sparse += std::string(At, 'a') + static_cast<char>(B) + std::string(16 - At, '\xB0');
    }
    R = RunTool("record --text raw '" + WriteTemp("sparse.tag", "(;EV[x]C[" + Sparse + "])\n") +
                "'");
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(RawString(R.Out, R.Out.find("\"Text\": ") + 8), "[0] " + Sparse);
}

TEST(XvexoRecord, Utf8TextDecodesGbkRecords) {
    const std::string Tag = WriteTemp("gbk.tag", "(;EV[\xBA\xC3]C[\xFF])\n");
    const TRun R = RunTool("record '" + Tag + "'");
    EXPECT_NE(R.Out.find("\"Title\": \"好\""), std::string::npos) << R.Out;
    EXPECT_NE(R.Out.find("\"Text\": \"[0] \xEF\xBF\xBD\""), std::string::npos) << R.Out;
}

TEST(XvexoRecord, FailedLoadPrintsJsonAndOneLine) {
    const TRun R = RunTool("record " + Data("short_move.NGF"));
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Err, "NGF move line 3 is too short\n");
    EXPECT_NE(R.Out.find("\"Shown\": false,\n  \"Error\": \"NGF move line 3 is too short\""),
              std::string::npos)
        << R.Out;
    EXPECT_NE(R.Out.find("\"MoveCount\": 3,\n  \"Moves\": [[0, 0], [3, 3], [0, 0]]"),
              std::string::npos)
        << R.Out;
    // --tag reads the same file as a tag record, which takes nothing from it: no game record.
    const TRun Tag = RunTool("record --tag " + Data("short_move.NGF"));
    EXPECT_EQ(Tag.Status, 1);
    EXPECT_TRUE(Tag.Err.ends_with("short_move.NGF holds no game record\n")) << Tag.Err;
    EXPECT_NE(Tag.Out.find("\"Shown\": false,"), std::string::npos) << Tag.Out;
    // A file that cannot be read, and an address that cannot be fetched yet.
    const TRun Missing = RunTool("record /nonexistent/file.txt");
    EXPECT_EQ(Missing.Status, 1);
    EXPECT_EQ(Missing.Err, "Cannot open /nonexistent/file.txt: No such file or directory\n");
    EXPECT_EQ(Missing.Out.substr(0, 20), "{\n  \"FormatMode\": 1,");
    EXPECT_EQ(RunTool("record http://127.0.0.1:1/x.NGF").Status, 1);
}

TEST(XvexoRecord, SourcesThatCannotBeReadFailWithTheViewersTexts) {
    // An endless device stops at the bound instead of filling memory, and a truncated read
    // is never taken for a record.
    const TRun Endless = RunTool("record /dev/zero");
    EXPECT_EQ(Endless.Status, 1);
    EXPECT_EQ(Endless.Err, "Record too large\n");
    EXPECT_NE(Endless.Out.find("\"Error\": \"Record too large\""), std::string::npos);
    // A file larger than the bound is refused before it is read (sparse: no disk used).
    const std::string Big = WriteTemp("big.txt", "");
    std::filesystem::resize_file(Big, (std::uintmax_t{64} << 20) + 1);
    EXPECT_EQ(RunTool("replay '" + Big + "'").Err, "Record too large\n");
    std::filesystem::remove(Big);
    const std::string Dir = TempDir().string();
    EXPECT_EQ(RunTool("record '" + Dir + "'").Err, "Cannot open " + Dir + ": it is a directory\n");
    const TRun Empty = RunTool("record ''");
    EXPECT_EQ(Empty.Status, 1);
    EXPECT_EQ(Empty.Err, "Empty URL\n");
}

// Reading sources: only local files, by their bytes, and a pipe with a writer.
TEST(XvexoSources, LocalAddressesOnlyAndNamesAsBytes) {
    // Another host is never a path relative to the current folder, and %00 never cuts a path.
    const std::string Samples = std::string(XVEXO_TEST_DATA) + "/records";
    TRun R = RunTool("record file://records/small.tag.txt");
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Err, "Cannot open file://records/small.tag.txt: not a local file\n");
    R = RunTool("record 'file://" + Samples + "/short_move.NGF%00.txt'");
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Err, "Cannot open file://" + Samples +
                         "/short_move.NGF%00.txt: the address holds a NUL byte\n");
    EXPECT_EQ(RunTool("record file://").Err, "Empty URL\n");
    // An address of another scheme is refused as such, not taken for a missing file.
    for (const std::string Command : {"record", "replay", "fetch"}) {
        R = RunTool(Command + " ftp://example.org/game.sgf");
        EXPECT_EQ(R.Status, 1);
        EXPECT_EQ(R.Err,
                  "Cannot open ftp://example.org/game.sgf: the scheme \"ftp\" is not supported\n");
    }
    // A file name that is no valid UTF-8 opens, as a path and as an address.
    const std::string Name = WriteTemp("\xB6\xD4\xBE\xD6\xFF.tag.txt", "(;EV[x];B[pd])\n");
    EXPECT_EQ(RunTool("replay '" + Name + "' --to 1").Status, 0);
    R = RunTool("record 'file://localhost" + TempDir().string() + "/%B6%D4%BE%D6%FF.tag.txt'");
    EXPECT_EQ(R.Status, 0) << R.Err;
    EXPECT_NE(R.Out.find("\"Moves\": [[16, 4]]"), std::string::npos) << R.Out;
    // The name's control bytes never reach the terminal.
    R = RunTool("record \"$(printf '/no/\\033]0;owned\\007\\302\\2332J')\"");
    EXPECT_EQ(R.Err, "Cannot open /no/?]0;owned??2J: No such file or directory\n");
}

TEST(XvexoSources, AFifoWithAWriterIsRead) {
    const std::string Fifo = (TempDir() / "live.NGF").string();
    ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
    const std::string Text = xvexo::testing::NgfText(xvexo::testing::NgfHeader());
    {
        const auto Writer = xvexo::testing::WriteToFifo(Fifo, {Text.substr(0, 10), Text.substr(10)},
                                                        std::chrono::milliseconds(200));
        const TRun R = RunTool("record '" + Fifo + "'");
        EXPECT_EQ(R.Status, 0) << R.Err;
        EXPECT_NE(R.Out.find("\"FormatMode\": 2,\n  \"Shown\": true"), std::string::npos) << R.Out;
    }
    std::filesystem::remove(Fifo);
}

// Failing output: a script never takes output that did not arrive for success.
TEST(XvexoOutput, AFailedWriteExitsOneWithTheReason) {
    TRun R = RunTool("record " + Data("small.tag.txt") + " >/dev/full");
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Err, "Cannot write the output: No space left on device\n");
    R = RunTool("replay " + Data("small.tag.txt") + " >&-");
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Err, "Cannot write the output: Bad file descriptor\n");
    // A failed load and a failed write: both said, exit 1.
    R = RunTool("record " + Data("short_move.NGF") + " >/dev/full");
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Err,
              "NGF move line 3 is too short\nCannot write the output: No space left on device\n");
    // A pipe whose reader has gone: the write fails (no death by signal).
    const auto Status = TempDir() / "status.txt";
    const auto Err = TempDir() / "pipe_stderr.txt";
    const std::string Script = "{ sleep 0.3; '" + std::string(XVEXO_TOOL) + "' replay " +
                               Data("small.tag.txt") + " 2>'" + Err.string() + "'; echo $? >'" +
                               Status.string() + "'; } | true";
    ASSERT_EQ(std::system(Script.c_str()), 0);
    EXPECT_EQ(ReadFile(Status), "1\n");
    EXPECT_EQ(ReadFile(Err), "Cannot write the output: Broken pipe\n");
}

// Bounded texts: a hostile record puts neither megabytes nor control bytes into the error line.
TEST(XvexoRecord, AHostileNumberLineGivesAShortCleanMessage) {
    const std::string Hostile = "\x1b[2J\x1b[31mRED" + std::string(1'000'000, '9');
    const std::string Ngf =
        WriteTemp("hostile.NGF", xvexo::testing::NgfText(xvexo::testing::NgfHeader(Hostile)));
    const TRun R = RunTool("record '" + Ngf + "'");
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Err, "\"?[2J?[31mRED99999999999999999999...\" is not a decimal number\n");
    EXPECT_NE(R.Out.find("\"Error\": \"\\\"?[2J?[31mRED99999999999999999999...\\\" is not"),
              std::string::npos);
}

TEST(XvexoCommands, UsageErrors) {
    for (const std::string Args :
         {"", "nothing", "record", "record --text latin1 a.txt", "record a.txt b.txt",
          "replay --bogus a.txt", "replay a.txt --to"}) {
        const TRun R = RunTool(Args);
        EXPECT_EQ(R.Status, 2) << Args;
        EXPECT_EQ(R.Out, "") << Args;
        EXPECT_FALSE(R.Err.empty()) << Args;
    }
    for (const char* To : {"x", "-1", "1x", ""}) {
        const TRun R = RunTool("replay " + Data("small.tag.txt") + " --to '" + To + "'");
        EXPECT_EQ(R.Status, 2) << To;
        EXPECT_EQ(R.Err, "--to needs a whole number of 0 or more\n") << To;
    }
    // --to 0 is the start.
    const TRun Start = RunTool("replay " + Data("small.tag.txt") + " --to 0");
    EXPECT_EQ(Start.Status, 0);
    EXPECT_NE(Start.Out.find("\"MoveIndex\": 0,"), std::string::npos) << Start.Out;
}

// Help goes to standard output with exit 0: every command's usage, or one command's alone when
// asked for anywhere on its line (the command then reads nothing).
TEST(XvexoCommands, HelpGoesToStandardOutput) {
    const struct {
        std::string Args;
        const char* Shows;
    } Cases[] = {
        {"--help", "  xvexo fetch ADDRESS\n"},
        {"-h", "  xvexo record [--tag|--ngf|--sgf] [--text utf8|raw] SOURCE\n"},
        {"record --help", "  xvexo record [--tag|--ngf|--sgf] [--text utf8|raw] SOURCE\n"},
        {"replay /no/such/record --to 3 --help", "  xvexo replay [--tag|--ngf|--sgf] SOURCE"},
        {"diagram -h", "  xvexo diagram [--tag|--ngf|--sgf] SOURCE --from A --to B"},
        {"fetch --help", "  xvexo fetch ADDRESS\n"},
    };
    for (const auto& C : Cases) {
        const TRun R = RunTool(C.Args);
        EXPECT_EQ(R.Status, 0) << C.Args;
        EXPECT_EQ(R.Err, "") << C.Args;
        EXPECT_TRUE(R.Out.starts_with("usage:\n")) << C.Args << ": " << R.Out;
        EXPECT_NE(R.Out.find(C.Shows), std::string::npos) << C.Args << ": " << R.Out;
        EXPECT_NE(R.Out.find("Exit status:"), std::string::npos) << C.Args;
    }
    EXPECT_EQ(RunTool("record --help").Out.find("xvexo replay"), std::string::npos);
    // No command, or an unknown one: the usage on standard error, a usage error.
    for (const char* Args : {"", "nothing --help"}) {
        const TRun R = RunTool(Args);
        EXPECT_EQ(R.Status, 2) << Args;
        EXPECT_EQ(R.Out, "") << Args;
        EXPECT_NE(R.Err.find("usage:\n"), std::string::npos) << Args;
    }
    EXPECT_TRUE(RunTool("nothing").Err.starts_with("unknown command nothing\n"));
}

// Every error of xvexo is in English, as one line on standard error: usage errors, sources that
// cannot be read, records that fail and the refusals of each command.
TEST(XvexoCommands, EveryErrorIsInEnglish) {
    const std::string Small = Data("small.tag.txt");
    const std::string Bad = WriteTemp("bad.sgf", "(;GM[1]FF[4]SZ[19];B[zz])");
    const std::string Picture = WriteTemp("picture.png", "\x89PNG\r\n\x1a\n no record");
    const struct {
        std::string Args;
        int Status;
    } Cases[] = {
        {"replay " + Small + " --to x", 2},
        {"replay " + Small + " --to -1", 2},
        {"record --text latin1 " + Small, 2},
        {"record " + Small + " " + Small, 2},
        {"diagram " + Small + " --from 5 --to 2", 2},
        {"diagram " + Small + " --from 1 --to 2 --row-width 0", 2},
        {"fetch", 2},
        {"record /no/such/record.sgf", 1},
        {"record ''", 1},
        {"replay '" + Bad + "'", 1},
        {"replay '" + Picture + "'", 1},
        {"fetch ftp://example.org/game.sgf", 1},
        {"record file://elsewhere/game.sgf", 1},
    };
    for (const auto& C : Cases) {
        const TRun R = RunTool(C.Args);
        EXPECT_EQ(R.Status, C.Status) << C.Args;
        ASSERT_FALSE(R.Err.empty()) << C.Args;
        EXPECT_EQ(R.Err.find('\n'), R.Err.size() - 1) << C.Args << ": " << R.Err;
        for (const char Byte : R.Err)
            EXPECT_LT(static_cast<unsigned char>(Byte), 0x80) << C.Args << ": " << R.Err;
    }
}

// The commands that read and replay start without the drawing libraries: the dynamic loader,
// asked to list what it loads, names no Qt library.
TEST(XvexoCommands, ReadingCommandsLoadNoQt) {
    for (const std::string& Args :
         {"record " + Data("small.tag.txt"), "replay " + Data("small.tag.txt") + " --to 2",
          "diagram " + Data("small.tag.txt") + " --from 1 --to 2"}) {
        const TRun R = RunTool(Args, "LD_DEBUG=libs");
        EXPECT_EQ(R.Status, 0) << Args;
        EXPECT_NE(R.Err.find("libstdc++"), std::string::npos) << Args;  // the listing is there
        EXPECT_EQ(R.Err.find("libQt"), std::string::npos) << Args;
    }
}

// Replay: 19 rows with the given stones, value codes with the last-move mark.
std::string Rows(const std::vector<std::string>& Changes) {
    std::string S = "[";
    for (int Row = 1; Row <= 19; ++Row) {
        std::string Line(19, '.');
        for (const auto& C : Changes) {
            // "X16,4" puts X at column 16, row 4.
            const int Col = std::stoi(C.substr(1));
            const int R = std::stoi(C.substr(C.find(',') + 1));
            if (R == Row) Line[Col - 1] = C[0];
        }
        S += (Row > 1 ? ", \"" : "\"") + Line + "\"";
    }
    return S + "]";
}

std::string Numbers(int MarkCol, int MarkRow) {
    std::string S = "[";
    for (int Row = 1; Row <= 19; ++Row) {
        S += Row > 1 ? ", [" : "[";
        for (int Col = 1; Col <= 19; ++Col) {
            S += Col > 1 ? ", " : "";
            S += Col == MarkCol && Row == MarkRow ? "501" : "0";
        }
        S += "]";
    }
    return S + "]";
}

TEST(XvexoReplay, ExactJsonAtTheEndAndAfterGoingToAMove) {
    // (20, 20) is refused, so white plays (16, 16) and the history holds three moves.
    TRun R = RunTool("replay " + Data("small.tag.txt"));
    EXPECT_EQ(R.Status, 0);
    EXPECT_EQ(R.Out,
              "{\n  \"MoveIndex\": 3,\n  \"EndIndex\": 3,\n  \"SideToMove\": 2,\n"
              "  \"BlackPrisoners\": 0,\n  \"WhitePrisoners\": 0,\n  \"CaptureCount\": 0,\n"
              "  \"LastMove\": [16, 16],\n  \"Points\": " +
                  Rows({"X16,4", "O4,4", "X16,16"}) + ",\n  \"Numbers\": " + Numbers(16, 16) +
                  ",\n  \"History\": [[1, 16, 4, 0, 0], [2, 4, 4, 0, 0], "
                  "[1, 16, 16, 0, 0]]\n}\n");
    R = RunTool("replay " + Data("small.tag.txt") + " --to 1");
    EXPECT_EQ(R.Status, 0);
    EXPECT_NE(R.Out.find("\"MoveIndex\": 1,\n  \"EndIndex\": 3,"), std::string::npos);
    EXPECT_NE(R.Out.find("\"Points\": " + Rows({"X16,4"})), std::string::npos);
    EXPECT_NE(R.Out.find("[2, 4, 4, 0, 0], [1, 16, 16, 0, 0]]"), std::string::npos);
    R = RunTool("replay --tag " + Data("small.tag.txt") + " --to 999");
    EXPECT_NE(R.Out.find("\"MoveIndex\": 3,"), std::string::npos);
}

TEST(XvexoReplay, NegativeMoveCountAndTrailingPass) {
    using xvexo::testing::NgfHeader;
    using xvexo::testing::NgfText;
    // A negative count is printed as stored, with no move entries.
    TRun R = RunTool("record '" + WriteTemp("neg.NGF", NgfText(NgfHeader("0", "60", "-2"))) + "'");
    EXPECT_EQ(R.Status, 0);
    EXPECT_NE(R.Out.find("\"MoveCount\": -2,\n  \"Moves\": [],"), std::string::npos) << R.Out;
    // A closing pass stands above EndIndex: the history runs to MoveIndex, the last move is
    // the pass.
    std::vector<std::string> Lines = NgfHeader("0", "60", "2");
    Lines.insert(Lines.end(), {"....BDD", "....WAA"});
    const std::string Pass = WriteTemp("pass.NGF", NgfText(Lines));
    R = RunTool("replay '" + Pass + "'");
    EXPECT_EQ(R.Status, 0);
    EXPECT_NE(R.Out.find("\"MoveIndex\": 2,\n  \"EndIndex\": 1,\n  \"SideToMove\": 1,"),
              std::string::npos)
        << R.Out;
    EXPECT_NE(R.Out.find("\"LastMove\": [0, 0],"), std::string::npos);
    EXPECT_NE(R.Out.find("\"History\": [[1, 3, 3, 0, 0], [2, 0, 0, 0, 0]]\n}"), std::string::npos);
}

TEST(XvexoReplay, FailedLoadExitsOne) {
    const TRun R = RunTool("replay " + Data("short_move.NGF"));
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Err, "NGF move line 3 is too short\n");
    EXPECT_NE(R.Out.find("\"MoveIndex\": 0,"), std::string::npos);
}

}  // namespace
