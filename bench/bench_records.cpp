// Record readers: tag-format throughput on a large record, NGF reading, and loading plus
// replaying a 300-move game.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "records/ngf_parser.h"
#include "records/record_loader.h"
#include "records/tag_parser.h"
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

// The whole load of a commented 300-move record: parse from a fresh record, then replay.
void BM_LoadAndApply300(benchmark::State& State) {
    const std::string Text = TagGame(300);
    auto Record = std::make_unique<TGameRecord>();
    auto Board = std::make_unique<TGoBoard>();
    for (auto _ : State) {
        const TLoadResult R = LoadRecordText(*Record, Text, kFormatTag);
        ReplayRecord(*Record, *Board);
        benchmark::DoNotOptimize(R.Shown);
    }
    State.counters["moves"] = Board->MoveIndex();
}
BENCHMARK(BM_LoadAndApply300)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
