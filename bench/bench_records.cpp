// Record readers: tag-format and standard SGF throughput on large records, NGF reading,
// loading plus replaying a 300-move game, and standard SGF files as they are found (a large
// commented game; 500 small files of every character set) read from disk and applied.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "records/ngf_parser.h"
#include "records/record_loader.h"
#include "records/record_source.h"
#include "records/sgf_reader.h"
#include "records/tag_parser.h"
#include "support/large_records.h"
#include "support/random_game.h"
#include "support/record_text.h"

namespace {

using namespace xvexo;

using testing::TagPoint;

// One game tree of Count moves, a GBK comment after every move and a reference diagram of
// twenty moves after every tenth.
std::string TagGame(int Count) {
    const testing::TMoveList Moves = testing::MakeRandomGame(Count);
    const std::string Comment =
        "\xBA\xDA\xC6\xE5\xD5\xE2\xD2\xBB\xCA\xD6\xBA\xDC\xD6\xD8"
        "\xD2\xAA, the key point of the opening";
    std::string T = "(;EV[Bench cup]PB[Black]PW[White]RD[2026-12-10]KO[6.5]RE[B+R]\r\n";
    for (size_t i = 0; i < Moves.size(); ++i) {
        T += (i % 2 ? ";W[" : ";B[") + TagPoint(Moves[i].first, Moves[i].second) + "]C[" + Comment +
             "]\r\n";
        if (i % 10 == 9) {
            T += "(RN[v]PT[" + std::to_string(i + 1) + "]";
            for (size_t k = 0; k < 20 && k + i < Moves.size(); ++k) {
                T += (k % 2 ? ";W[" : ";B[") + TagPoint(Moves[i + k].first, Moves[i + k].second) +
                     "]";
            }
            T += ";L[" + TagPoint(Moves[i].first, Moves[i].second) + "a]C[diagram]";
            T += ")\r\n";
        }
    }
    return T + ")\r\n";
}

void BM_ParseTagRecord(benchmark::State& State) {
    const std::string Game = TagGame(300);
    std::string Text;
    while (Text.size() < (1u << 20))
        Text += Game;
    auto Record = std::make_unique<TGameRecord>();
    for (auto _ : State) {
        benchmark::DoNotOptimize(ParseTagRecord(*Record, Text));
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.counters["bytes"] = static_cast<double>(Text.size());
}
BENCHMARK(BM_ParseTagRecord)->Unit(benchmark::kMillisecond);

void ParseTagText(benchmark::State& State, const std::string& Text) {
    auto Record = std::make_unique<TGameRecord>();
    for (auto _ : State) {
        benchmark::DoNotOptimize(ParseTagRecord(*Record, Text));
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.counters["bytes"] = static_cast<double>(Text.size());
    State.counters["notes"] = Record->NoteCount;
}

void BM_ParseTagCommentHeavy(benchmark::State& State) {
    ParseTagText(State, testing::CommentHeavyTagRecord());
}
BENCHMARK(BM_ParseTagCommentHeavy)->Unit(benchmark::kMicrosecond);

void BM_ParseTagShortMoves(benchmark::State& State) {
    ParseTagText(State, testing::ShortMovesTagRecord());
}
BENCHMARK(BM_ParseTagShortMoves)->Unit(benchmark::kMicrosecond);

// The game of TagGame in standard SGF: a comment after every move and, after every tenth, a
// variation of twenty moves beside the main line. Gbk: the comment in GBK under CA[GB2312],
// else in UTF-8.
std::string SgfGame(const testing::TMoveList& Moves, bool Gbk) {
    const std::string Comment =
        std::string(Gbk ? "\xBA\xDA\xC6\xE5\xD5\xE2\xD2\xBB\xCA\xD6\xBA\xDC\xD6\xD8\xD2\xAA"
                        : "\xE9\xBB\x91\xE6\xA3\x8B\xE8\xBF\x99\xE4\xB8\x80\xE6\x89\x8B"
                          "\xE5\xBE\x88\xE9\x87\x8D\xE8\xA6\x81") +
        ", the key point of the opening";
    const auto Move = [&](size_t i) {
        return (i % 2 ? ";W[" : ";B[") + TagPoint(Moves[i].first, Moves[i].second) + "]";
    };
    std::string T = std::string("(;GM[1]FF[4]") + (Gbk ? "CA[GB2312]" : "CA[UTF-8]") +
                    "SZ[19]EV[Bench cup]PB[Black]PW[White]DT[2026-12-10]KM[6.5]RE[B+R]\r\n";
    // The main line goes on in the first variation; the others follow its subtree.
    std::vector<std::string> Variations;
    for (size_t i = 0; i < Moves.size(); ++i) {
        T += Move(i) + "C[" + Comment + "]\r\n";
        if (i % 10 == 9 && i + 1 < Moves.size()) {
            T += "(";
            std::string V = "(";
            for (size_t k = i + 1; k <= i + 20 && k < Moves.size(); ++k)
                V += Move(k);
            V += "LB[" + TagPoint(Moves[i].first, Moves[i].second) + ":A]C[diagram])\r\n";
            Variations.push_back(std::move(V));
        }
    }
    for (auto It = Variations.rbegin(); It != Variations.rend(); ++It)
        T += ")" + *It;
    return T + ")\r\n";
}

// A standard SGF record of the tag benchmark's size: the game's moves over and over in one
// main line of 1 MiB (the reader keeps 500 moves and 2000 notes, and reads on).
std::string LargeSgf(bool Gbk) {
    const testing::TMoveList Game = testing::MakeRandomGame(300);
    testing::TMoveList Moves;
    std::string Text;
    while (Text.size() < (1u << 20)) {
        Moves.insert(Moves.end(), Game.begin(), Game.end());
        Text = SgfGame(Moves, Gbk);
    }
    return Text;
}

void BM_ParseSgfRecord(benchmark::State& State) {
    const std::string Text = LargeSgf(State.range(0) != 0);
    auto Record = std::make_unique<TGameRecord>();
    for (auto _ : State) {
        Record->Clear();
        Record->FormatMode = kFormatSgf;
        ParseSgfRecord(*Record, Text);
        benchmark::DoNotOptimize(Record->NoteCount);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.counters["bytes"] = static_cast<double>(Text.size());
    State.SetLabel(State.range(0) != 0 ? "GB2312" : "UTF-8");
}
BENCHMARK(BM_ParseSgfRecord)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

std::string NgfGame(int Count) {
    const testing::TMoveList Moves = testing::MakeRandomGame(Count);
    std::string T =
        "Bench cup\r\n19\r\nWhite 9D*\r\nBlack 3D\r\nSeoul\r\n0\r\n0\r\n0\r\n"
        "2026-12-10\r\n90\r\nB+R>end\r\n" +
        std::to_string(Moves.size()) + "\r\n";
    for (size_t i = 0; i < Moves.size(); ++i) {
        T += "PM" + std::to_string(100 + i % 900) + (i % 2 ? "W" : "B") +
             static_cast<char>('A' + Moves[i].first) + static_cast<char>('A' + Moves[i].second) +
             "\r\n";
    }
    return T;
}

void BM_ParseNgfRecord(benchmark::State& State) {
    const std::string Text = NgfGame(300);
    auto Record = std::make_unique<TGameRecord>();
    for (auto _ : State) {
        Record->RecordText = Text;
        ParseNgfRecord(*Record);
        benchmark::DoNotOptimize(Record->MoveCount);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}
BENCHMARK(BM_ParseNgfRecord)->Unit(benchmark::kMicrosecond);

// The whole load of a record text as a file not named NGF: parse from a fresh record (the text
// choosing its reader), then replay.
void LoadAndApply(benchmark::State& State, const std::string& Text) {
    auto Record = std::make_unique<TGameRecord>();
    auto Board = std::make_unique<TGoBoard>();
    for (auto _ : State) {
        const TLoadResult R = LoadRecordText(*Record, Text, kFormatTag);
        ReplayRecord(*Record, *Board);
        benchmark::DoNotOptimize(R.Shown);
    }
    State.counters["moves"] = Board->MoveIndex();
    State.counters["notes"] = Record->NoteCount;
}

// A commented 300-move record in the tag format.
void BM_LoadAndApply300(benchmark::State& State) {
    LoadAndApply(State, TagGame(300));
}
BENCHMARK(BM_LoadAndApply300)->Unit(benchmark::kMicrosecond);

// The same game in standard SGF, its variations becoming diagrams.
void BM_LoadAndApplySgf300(benchmark::State& State) {
    LoadAndApply(State, SgfGame(testing::MakeRandomGame(300), false));
}
BENCHMARK(BM_LoadAndApplySgf300)->Unit(benchmark::kMicrosecond);

// Standard SGF files as servers, programs and problem books write them, read from disk and
// applied, one after the other in one process.

// The language of a file's texts, and the set it is written in.
struct TFileKind {
    const char* Set;  // iconv name of the file's character set
    const char* Ca;   // its CA value, or nullptr for a file that names none
    const char* Comment;
};

constexpr TFileKind kKinds[] = {
    {"UTF-8", "UTF-8", "黑棋这一手很重要，白棋应该在右上角应对。"},
    {"SHIFT_JIS", nullptr, "黒の好手。白は右上に受けるべきだった。十分な形。"},
    {"EUC-KR", nullptr, "흑의 좋은 수. 백은 우상귀에서 받아야 했다."},
    {"GB18030", "GB2312", "黑棋这一手很重要，白棋应该在右上角应对。"},
    {"ISO-8859-1", nullptr, "Coup très fort de Noir ; Blanc aurait dû répondre en haut à droite."},
};

// A record of Count moves of a random game (Seed): a root of game information with a long game
// comment, a comment of Repeat sentences on every third move, every fifteenth move a variation
// of ten moves with labels, marks and comments, a setup node of its own now and then, and two
// passes at the end; written in the set of Kind.
std::string RealisticSgf(const TFileKind& Kind, uint32_t Seed, int Count, int Repeat) {
    const testing::TMoveList Moves = testing::MakeRandomGame(Count, Seed);
    std::string Comment;
    for (int k = 0; k < Repeat; ++k)
        Comment += Kind.Comment;
    const auto Move = [&](size_t i) {
        return (i % 2 ? ";W[" : ";B[") + TagPoint(Moves[i].first, Moves[i].second) + "]";
    };
    std::string T = "(;GM[1]FF[4]AP[Bench:1.0]";
    if (Kind.Ca) T += std::string("CA[") + Kind.Ca + "]";
    T += "SZ[19]KM[6.5]HA[0]RU[Japanese]TM[10800]OT[5x60 byo-yomi]\nEV[" +
         std::string(Kind.Comment) +
         "]RO[3]DT[2026-12-10]PC[Tokyo]PB[Black player]BR[9p]PW[White player]WR[9p]RE[W+2.5]\n"
         "GC[";
    for (int k = 0; k < 20; ++k)
        T += Kind.Comment;
    T += "]\n";
    std::vector<std::string> Variations;
    for (size_t i = 0; i < Moves.size(); ++i) {
        T += Move(i);
        if (i % 3 == 0) T += "C[" + Comment + "]";
        T += "\n";
        if (i % 40 == 39) T += ";AB[aa]AE[aa]C[" + std::string(Kind.Comment) + "]\n";
        if (i % 15 == 14 && i + 1 < Moves.size()) {
            T += "(";
            std::string V = "(";
            for (size_t k = i + 1; k <= i + 10 && k < Moves.size(); ++k)
                V += Move(k) + "C[" + Kind.Comment + "]";
            V += "LB[" + TagPoint(Moves[i].first, Moves[i].second) + ":A]TR[" +
                 TagPoint(Moves[i].first, Moves[i].second) + "])\n";
            Variations.push_back(std::move(V));
        }
    }
    T += ";B[]C[" + std::string(Kind.Comment) + "];W[]";
    for (auto It = Variations.rbegin(); It != Variations.rend(); ++It)
        T += ")" + *It;
    return testing::InCharset(T + ")\n", Kind.Set);
}

// Files written once for the process, removed at its end.
class TBenchFiles {
  public:
    TBenchFiles()
        : Folder(std::filesystem::temp_directory_path() /
                 ("bench_records_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(Folder);
    }
    ~TBenchFiles() { std::filesystem::remove_all(Folder); }
    std::string Write(const std::string& Name, const std::string& Text) {
        const std::filesystem::path Path = Folder / Name;
        std::ofstream(Path, std::ios::binary) << Text;
        return Path.string();
    }

  private:
    std::filesystem::path Folder;
};

TBenchFiles& BenchFiles() {
    static TBenchFiles Files;
    return Files;
}

// Reads Path as the viewer reads a local file, loads it (the text choosing its reader) and
// applies it; the number of bytes read.
size_t ReadAndApply(const std::string& Path, TGameRecord& Record, TGoBoard& Board) {
    std::string Body;
    std::string Error;
    if (!ReadRecordSource(Path, Body, Error)) return 0;
    const size_t Bytes = Body.size();
    const TLoadResult R = LoadRecordText(Record, std::move(Body), kFormatTag);
    if (R.Shown) ReplayRecord(Record, Board);
    return Bytes;
}

// One large commented game with its variations: 300 moves, long comments. Arg 0: UTF-8 under
// CA; 1: Shift_JIS naming no set (the set guessed, its two-byte characters stepped over).
void BM_ReadAndApplyLargeSgf(benchmark::State& State) {
    const TFileKind& Kind = kKinds[State.range(0) != 0 ? 1 : 0];
    const std::string Path = BenchFiles().Write("large" + std::to_string(State.range(0)) + ".sgf",
                                                RealisticSgf(Kind, 777, 300, 40));
    auto Record = std::make_unique<TGameRecord>();
    auto Board = std::make_unique<TGoBoard>();
    size_t Bytes = 0;
    for (auto _ : State)
        Bytes = ReadAndApply(Path, *Record, *Board);
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes));
    State.counters["bytes"] = static_cast<double>(Bytes);
    State.counters["steps"] = Board->MoveIndex();
    State.counters["notes"] = Record->NoteCount;
    State.SetLabel(Kind.Set);
}
BENCHMARK(BM_ReadAndApplyLargeSgf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 500 different small files (40 to 240 moves, every set of kKinds, half naming none), each read
// and applied in turn: the time for all 500.
void BM_ReadAndApply500Files(benchmark::State& State) {
    std::vector<std::string> Paths;
    size_t Total = 0;
    for (uint32_t i = 0; i < 500; ++i) {
        const std::string Text = RealisticSgf(kKinds[i % std::size(kKinds)], 1000 + i,
                                              40 + static_cast<int>(i % 201), 1);
        Total += Text.size();
        Paths.push_back(BenchFiles().Write("small" + std::to_string(i) + ".sgf", Text));
    }
    auto Record = std::make_unique<TGameRecord>();
    auto Board = std::make_unique<TGoBoard>();
    for (auto _ : State) {
        for (const std::string& Path : Paths)
            benchmark::DoNotOptimize(ReadAndApply(Path, *Record, *Board));
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Total));
    State.counters["files"] = static_cast<double>(Paths.size());
    State.counters["bytes"] = static_cast<double>(Total);
}
BENCHMARK(BM_ReadAndApply500Files)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
