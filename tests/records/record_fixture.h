#pragma once
// Helpers for the record tests: a record on the heap and a load of a text in one format.

#include <memory>
#include <string>
#include <vector>

#include "records/game_record.h"
#include "records/record_loader.h"

namespace xvexo::testing {

struct TLoaded {
    std::unique_ptr<TGameRecord> Record = std::make_unique<TGameRecord>();
    TLoadResult Result;
    const TGameRecord& operator*() const { return *Record; }
    const TGameRecord* operator->() const { return Record.get(); }
};

inline TLoaded LoadTag(const std::string& Text) {
    TLoaded L;
    L.Result = LoadRecordText(*L.Record, Text, kFormatTag);
    return L;
}

inline TLoaded LoadNgf(const std::string& Text) {
    TLoaded L;
    L.Result = LoadRecordText(*L.Record, Text, kFormatNgf);
    return L;
}

// Moves 1..MoveCount as (X, Y) pairs.
inline std::vector<std::pair<int, int>> MovesOf(const TGameRecord& R) {
    std::vector<std::pair<int, int>> V;
    for (int i = 0; i < R.StoredMoves(); ++i)
        V.emplace_back(R.Moves[i].X, R.Moves[i].Y);
    return V;
}

using TMoves = std::vector<std::pair<int, int>>;

}  // namespace xvexo::testing
