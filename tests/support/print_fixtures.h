#pragma once
// Records and game information shared by the page tests.

#include <cstdint>
#include <memory>
#include <random>

#include "printing/game_print_info.h"
#include "rules/go_board.h"
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

// A game on a board of its own size: the engine's position with its whole history (as a
// standard SGF record is printed) and its moves.
struct TSizedGame {
    std::unique_ptr<TPosition> Game = std::make_unique<TPosition>();
    TMoveCoords Moves;
};

// Up to Count legal moves with captures on a board of Lines lines, the same for the same Seed,
// filling a player's own eye only when nothing else is left. On a small board most later moves are
// played on points taken before, so its diagrams have long notes.
inline TSizedGame RandomGameOn(int Lines, int Count, uint32_t Seed) {
    TGoBoard B;
    B.Reset(Lines);
    std::mt19937 Next(Seed);
    const auto OwnEye = [&](int32_t X, int32_t Y) {
        const int DX[4] = {-1, 1, 0, 0};
        const int DY[4] = {0, 0, -1, 1};
        for (int D = 0; D < 4; ++D) {
            const int NX = X + DX[D];
            const int NY = Y + DY[D];
            if (NX < 1 || NX > Lines || NY < 1 || NY > Lines) continue;
            if (B.PointColour(NX, NY) != B.SideToMove()) return false;
        }
        return true;
    };
    // A side that finds no move in 200 tries fills an eye of its own where it can, or passes;
    // the game ends after two passes in a row.
    int Passes = 0;
    int Failures = 0;
    while (B.MoveIndex() < Count && Passes < 2) {
        const int32_t X = static_cast<int32_t>(Next() % static_cast<uint32_t>(Lines)) + 1;
        const int32_t Y = static_cast<int32_t>(Next() % static_cast<uint32_t>(Lines)) + 1;
        const int32_t Before = B.MoveIndex();
        if (B.PointColour(X, Y) == kEmpty && !OwnEye(X, Y)) B.PlayMove(X, Y);
        if (B.MoveIndex() != Before) {
            Failures = 0;
            Passes = 0;
            continue;
        }
        if (++Failures < 200) continue;
        Failures = 0;
        for (int P = 0; P < Lines * Lines && B.MoveIndex() == Before; ++P) {
            if (B.PointColour(1 + P % Lines, 1 + P / Lines) == kEmpty)
                B.PlayMove(1 + P % Lines, 1 + P / Lines);
        }
        if (B.MoveIndex() != Before) {
            Passes = 0;
        } else {
            B.PassMove();
            ++Passes;
        }
    }
    TSizedGame G;
    B.GetPosition(*G.Game);
    B.GetMoveCoords(B.EndIndex(), G.Moves);
    return G;
}

// Points distinct points of a 19-line board played in turn, Times over: every move after the
// first round is played on a point played before, so a diagram from move 1 notes them all.
inline TMoveCoords ReplayedPoints(int Points, int Times) {
    TMoveCoords M;
    M.Count = Points * Times;
    for (int I = 0; I < M.Count; ++I) {
        const int P = I % Points;
        M.Coords[I] = {static_cast<uint8_t>(1 + P % 19), static_cast<uint8_t>(1 + P / 19)};
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
