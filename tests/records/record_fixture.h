#pragma once
// Helpers for the record tests: a record on the heap, a load of a text in one format or in the
// one its text chooses, the board it is applied to, its notes.

#include <gtest/gtest.h>

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

// A record text loaded as a file not named NGF is: the text chooses its reader.
inline TLoaded Load(const std::string& Text) {
    TLoaded L;
    L.Result = LoadRecordText(*L.Record, Text, kFormatTag);
    return L;
}

// A loaded record that must have been read as standard SGF without error.
inline TLoaded LoadSgf(const std::string& Text) {
    TLoaded L = Load(Text);
    EXPECT_EQ(L->FormatMode, kFormatSgf) << Text;
    EXPECT_TRUE(L.Result.Shown) << Text;
    EXPECT_EQ(L.Result.Error, "") << Text;
    return L;
}

// A board with the record applied as the viewer and the tools apply it.
inline std::unique_ptr<TGoBoard> Replayed(const TGameRecord& R) {
    auto Board = std::make_unique<TGoBoard>();
    ReplayRecord(R, *Board);
    return Board;
}

struct TNote {
    int MoveNo;
    int Kind;
    std::string Text;
    friend bool operator==(const TNote&, const TNote&) = default;
};

inline std::vector<TNote> NotesOf(const TGameRecord& R) {
    std::vector<TNote> V;
    for (int i = 0; i < R.NoteCount; ++i)
        V.push_back({R.Notes[i].MoveNo, R.Notes[i].Kind, R.Notes[i].Text});
    return V;
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
