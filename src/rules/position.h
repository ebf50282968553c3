#pragma once
// Value records of the rules engine: history and capture entries, whole-position snapshots,
// numbering settings and the move report.

#include <array>
#include <cstdint>

namespace xvexo {

constexpr int kMaxLines = 19;      // every board of the viewer has 19 lines
constexpr int kMaxMoves = 500;     // history entries 1..500
constexpr int kMaxCaptures = 500;  // captured stones over the whole game
constexpr int kMaxSetup = 2000;    // points set up between moves over the whole game

// Colours on a point. kVisited only appears in the scratch copies of the flood fills.
constexpr uint8_t kEmpty = 0;
constexpr uint8_t kBlack = 1;
constexpr uint8_t kWhite = 2;
constexpr uint8_t kVisited = 3;

// Value codes shown on a point: 0 nothing, 1..500 a move number, 501 the last-move mark,
// 600..625 letters, 630..643 Korean syllables, 650/651 square markers.
constexpr int32_t kLastMoveMark = 501;

// 2 for black, 1 for any other value.
constexpr uint8_t OtherColour(uint8_t C) {
    return C == kBlack ? kWhite : kBlack;
}

// How a history entry was made.
constexpr uint8_t kRuledEntry = 0;   // a move or a pass under the rules (PlayMove, PassMove)
constexpr uint8_t kForcedEntry = 1;  // a stone played whatever the rules say (ForceMove)
constexpr uint8_t kBareStep = 2;     // a step without a move (AddStep): X = Y = 0, colour 0

// One move of the history. X = Y = 0 is a pass (or a bare step); X = -1 marks an entry never
// written.
struct THistoryEntry {
    uint8_t Colour = 0;  // the colour that moved
    int32_t X = -1;
    int32_t Y = 0;
    int32_t KoX = 0;  // the single stone this move captured, else 0/0
    int32_t KoY = 0;
    uint8_t Kind = kRuledEntry;
    uint8_t Covered = 0;  // kForcedEntry: the colour that stood on its point before
    friend bool operator==(const THistoryEntry&, const THistoryEntry&) = default;
};

// One captured stone. MoveIndex is the index before the capturing move was appended.
struct TCaptureEntry {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t MoveIndex = 0;
    friend bool operator==(const TCaptureEntry&, const TCaptureEntry&) = default;
};

// One point set up by hand between moves (a record's setup stones): after move MoveIndex,
// (X, Y) went from colour Old to colour New.
struct TSetupEntry {
    uint8_t X = 0;
    uint8_t Y = 0;
    uint8_t Old = kEmpty;
    uint8_t New = kEmpty;
    int32_t MoveIndex = 0;
    friend bool operator==(const TSetupEntry&, const TSetupEntry&) = default;
};

// Board arrays are indexed [row - 1][column - 1].
using TPointGrid = std::array<std::array<uint8_t, kMaxLines>, kMaxLines>;
using TNumberGrid = std::array<std::array<int32_t, kMaxLines>, kMaxLines>;

// A whole position with its history, copied by value (snapshots).
struct TPosition {
    uint8_t Size = kMaxLines;
    uint8_t SideToMove = kBlack;
    int32_t BlackPrisoners = 0;
    int32_t WhitePrisoners = 0;
    int32_t HandicapCount = 0;
    uint8_t HandicapLayout = 1;
    int32_t MoveIndex = 0;
    int32_t CaptureCount = 0;
    std::array<TCaptureEntry, kMaxCaptures> Captures{};  // entries 0..CaptureCount-1, oldest first
    std::array<THistoryEntry, kMaxMoves + 1> History{};  // entry 0 is the sentinel (X = -1)
    // Entries 0..SetupCount-1 in the order they were made (so by MoveIndex); those past
    // MoveIndex are redone when the position steps forward to their move.
    int32_t SetupCount = 0;
    std::array<TSetupEntry, kMaxSetup> Setup{};
    TPointGrid Points{};
    TNumberGrid Numbers{};
    friend bool operator==(const TPosition&, const TPosition&) = default;
};

// Numbering settings: entry i (i > From) shows the number i - From + Base when On.
struct TNumbering {
    int32_t Base = 0;
    int32_t From = 0;
    uint8_t On = 0;
};

// Reported with OnMove: the last history entry after the operation (-1/0 at the start,
// 0/0 after a pass) and the counters.
struct TMoveInfo {
    int32_t X = -1;
    int32_t Y = 0;
    int32_t MoveIndex = 0;
    int32_t WhitePrisoners = 0;
    int32_t BlackPrisoners = 0;
    uint8_t SideToMove = kBlack;
    friend bool operator==(const TMoveInfo&, const TMoveInfo&) = default;
};

// History entries 1..Count as byte pairs (X, Y), (0, 0) for a pass; Coords[i - 1] is entry i.
struct TMoveCoords {
    int32_t Count = 0;
    std::array<std::array<uint8_t, 2>, kMaxMoves> Coords{};
};

// One point for printing: Value -1, Stone 0 black, 1 white, 2 empty.
struct TPrintPoint {
    int32_t Value = -1;
    int32_t Stone = 2;
};
using TPrintGrid = std::array<std::array<TPrintPoint, kMaxLines>, kMaxLines>;

// Size as given; side to move black; no prisoners, handicap or moves; layout 1; every history
// entry zero with X = -1; empty points and value codes.
void InitPosition(int Size, TPosition& P);

// Base 0, From 0, numbering off.
void InitNumbering(TNumbering& N);

}  // namespace xvexo
