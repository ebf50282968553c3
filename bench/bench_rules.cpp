// Rules engine throughput: replaying a game, stepping through it, and snapshots.

#include <benchmark/benchmark.h>

#include <vector>

#include "rules/go_board.h"
#include "support/random_game.h"

namespace {

using namespace xvexo;

const testing::TMoveList& Game() {
    static const testing::TMoveList Moves = testing::MakeRandomGame(300);
    return Moves;
}

// A 300-move game with captures replayed from an empty board (with a no-op display attached,
// as the viewer has one).
void BM_ReplayGame(benchmark::State& State) {
    TGoBoard B;
    int Events = 0;
    B.OnPutStone = [&Events](TGoBoard&, int32_t, int32_t, int32_t, uint8_t) { ++Events; };
    B.OnRedrawPoint = [&Events](TGoBoard&, int32_t, int32_t, int32_t, uint8_t) { ++Events; };
    const auto& Moves = Game();
    for (auto _ : State) {
        B.Reset(19);
        for (auto [X, Y] : Moves)
            B.PlayMove(X, Y);
        benchmark::DoNotOptimize(B.MoveIndex());
    }
    State.SetItemsProcessed(State.iterations() * static_cast<int64_t>(Moves.size()));
    State.counters["captures"] = B.CaptureCountNow();
}
BENCHMARK(BM_ReplayGame);

// 200 different games of up to 400 moves (seeds 1..200), each replayed from an empty board:
// openings, fights and captures of every kind.
void BM_ReplayGames(benchmark::State& State) {
    static const std::vector<testing::TMoveList> Games = [] {
        std::vector<testing::TMoveList> G;
        for (uint32_t Seed = 1; Seed <= 200; ++Seed)
            G.push_back(testing::MakeRandomGame(400, Seed));
        return G;
    }();
    TGoBoard B;
    int Events = 0;
    B.OnPutStone = [&Events](TGoBoard&, int32_t, int32_t, int32_t, uint8_t) { ++Events; };
    B.OnRedrawPoint = [&Events](TGoBoard&, int32_t, int32_t, int32_t, uint8_t) { ++Events; };
    int64_t Moves = 0;
    int64_t Captures = 0;
    for (auto _ : State) {
        for (const testing::TMoveList& Game : Games) {
            B.Reset(19);
            for (auto [X, Y] : Game)
                B.PlayMove(X, Y);
            Moves += B.MoveIndex();
            Captures += B.CaptureCountNow();
        }
        benchmark::DoNotOptimize(B.MoveIndex());
    }
    State.SetItemsProcessed(Moves);
    State.counters["captures/game"] =
        static_cast<double>(Captures) / static_cast<double>(State.iterations() * Games.size());
}
BENCHMARK(BM_ReplayGames)->Unit(benchmark::kMicrosecond);

// Steps back to the start and forward to the end again: 600 steps per iteration.
void BM_StepBackAndForward(benchmark::State& State) {
    TGoBoard B;
    int Events = 0;
    B.OnPutStone = [&Events](TGoBoard&, int32_t, int32_t, int32_t, uint8_t) { ++Events; };
    B.OnRedrawPoint = [&Events](TGoBoard&, int32_t, int32_t, int32_t, uint8_t) { ++Events; };
    for (auto [X, Y] : Game())
        B.PlayMove(X, Y);
    const int N = B.MoveIndex();
    for (auto _ : State) {
        for (int I = 0; I < N; ++I)
            B.StepBack();
        while (B.StepForward()) {
        }
        benchmark::DoNotOptimize(B.MoveIndex());
    }
    State.SetItemsProcessed(State.iterations() * 2 * N);
}
BENCHMARK(BM_StepBackAndForward);

void BM_GetPosition(benchmark::State& State) {
    TGoBoard B;
    for (auto [X, Y] : Game())
        B.PlayMove(X, Y);
    TPosition P;
    for (auto _ : State) {
        B.GetPosition(P);
        benchmark::DoNotOptimize(&P);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GetPosition);

void BM_SnapshotRoundTrip(benchmark::State& State) {
    TGoBoard B;
    for (auto [X, Y] : Game())
        B.PlayMove(X, Y);
    TPosition P;
    for (auto _ : State) {
        B.GetPosition(P);
        B.SetPosition(P, false, true);
        benchmark::DoNotOptimize(&P);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SnapshotRoundTrip);

}  // namespace

BENCHMARK_MAIN();
