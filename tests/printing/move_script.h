#pragma once
// Move lists for printing tests: chosen moves at chosen numbers, every other move on a filler
// point. Fillers are the points whose column and row add up to an even number, from row 5 down
// in reading order, skipping points a chosen move uses: no two are neighbours and no chosen
// move lies next to one (chosen moves stay above row 4), so no filler is ever captured and
// none captures.

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "rules/position.h"

namespace xvexo::testing {

using TPoint = std::pair<int, int>;  // (x, y); (0, 0) a pass

inline TMoveCoords ScriptedMoves(int Count, const std::map<int, TPoint>& Chosen,
                                 int FirstFillerRow = 5) {
    std::set<TPoint> Used;
    for (const auto& [N, P] : Chosen)
        Used.insert(P);
    std::vector<TPoint> Fillers;
    for (int Y = FirstFillerRow; Y <= 19; ++Y) {
        for (int X = 1 + (Y + 1) % 2; X <= 19; X += 2) {
            if (Used.count({X, Y}) == 0) Fillers.push_back({X, Y});
        }
    }
    TMoveCoords M;
    M.Count = Count;
    size_t Next = 0;
    for (int I = 1; I <= Count; ++I) {
        auto C = Chosen.find(I);
        const TPoint P = C != Chosen.end() ? C->second : Fillers.at(Next++);
        M.Coords[I - 1] = {static_cast<uint8_t>(P.first), static_cast<uint8_t>(P.second)};
    }
    return M;
}

// Count moves (at most 181) on the fillers alone, from row 1: no captures.
inline TMoveCoords FillerMoves(int Count) {
    return ScriptedMoves(Count, {}, 1);
}

}  // namespace xvexo::testing
