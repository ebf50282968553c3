#pragma once
// A deterministic game of legal moves with captures, made by playing pseudo-random moves on the
// engine itself. Shared by the tests and the benchmarks.

#include <cstdint>
#include <utility>
#include <vector>

#include "rules/go_board.h"

namespace xvexo::testing {

using TMoveList = std::vector<std::pair<int32_t, int32_t>>;

// True when (X, Y) is a point whose every on-board neighbour holds Colour: filling it would
// only destroy the player's own eye.
inline bool IsOwnEye(const TGoBoard& B, int32_t X, int32_t Y, uint8_t Colour) {
    const int DX[4] = {-1, 1, 0, 0};
    const int DY[4] = {0, 0, -1, 1};
    for (int D = 0; D < 4; ++D) {
        const int NX = X + DX[D];
        const int NY = Y + DY[D];
        if (NX < 1 || NX > kMaxLines || NY < 1 || NY > kMaxLines) continue;
        if (B.PointColour(NX, NY) != Colour) return false;
    }
    return true;
}

// Up to Count legal stone moves from an empty board, the same for the same Seed.
inline TMoveList MakeRandomGame(int Count, uint32_t Seed = 12345) {
    TGoBoard B;
    TMoveList Moves;
    uint32_t State = Seed;
    auto Next = [&State]() {
        State = State * 1664525u + 1013904223u;
        return State >> 8;
    };
    int Failures = 0;
    while (static_cast<int>(Moves.size()) < Count && Failures < 2000) {
        const int32_t X = static_cast<int32_t>(Next() % kMaxLines) + 1;
        const int32_t Y = static_cast<int32_t>(Next() % kMaxLines) + 1;
        const int32_t Before = B.MoveIndex();
        if (B.PointColour(X, Y) != kEmpty || IsOwnEye(B, X, Y, B.SideToMove())) {
            ++Failures;
            continue;
        }
        B.PlayMove(X, Y);
        if (B.MoveIndex() == Before) {
            ++Failures;
            continue;
        }
        Failures = 0;
        Moves.emplace_back(X, Y);
    }
    return Moves;
}

}  // namespace xvexo::testing
