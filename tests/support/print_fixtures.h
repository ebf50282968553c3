#pragma once
// Records and game information shared by the page tests.

#include <cstdint>

#include "printing/game_print_info.h"
#include "rules/position.h"
#include "support/random_game.h"

namespace xvexo::testing {

// A game of legal moves with captures; with this seed its first 212 moves play on two points
// that were taken, so the whole-record page has notes.
inline TMoveCoords RandomMoves(int Count) {
    const TMoveList L = MakeRandomGame(Count, 85);
    TMoveCoords M;
    M.Count = static_cast<int32_t>(L.size());
    for (size_t I = 0; I < L.size(); ++I) {
        M.Coords[I] = {static_cast<uint8_t>(L[I].first), static_cast<uint8_t>(L[I].second)};
    }
    return M;
}

inline TGamePInfo PageInfo() {
    TGamePInfo I;
    I.GameTitle = "第十届大赛 决赛";
    I.Heading = kPrintHeading;
    I.BlackLine = "林海 七段";
    I.WhiteLine = "陈风 九段";
    I.GameDate = "2026-11-21";
    I.GamePlace = "网络";
    I.GameResult = "黑中盘胜";
    I.GameMethod = "6.5";
    return I;
}

}  // namespace xvexo::testing
