// Record readers: tag-format and standard SGF throughput on large records, NGF reading, and
// loading plus replaying a 300-move game.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "records/ngf_parser.h"
#include "records/record_loader.h"
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

}  // namespace

BENCHMARK_MAIN();
