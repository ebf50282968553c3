// Any bytes as a standard SGF record: load, check what the model holds, then replay.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "records/display_text.h"
#include "records/record_format.h"
#include "records/record_loader.h"

namespace {

using namespace xvexo;

bool OnBoard(int X, int Y, int Size) {
    return X >= 1 && X <= Size && Y >= 1 && Y <= Size;
}

// Texts of a standard SGF record are UTF-8; lists keep their bounds and points their board.
void Check(const TGameRecord& R, const TLoadResult& L) {
    if (!IsValidUtf8(L.Error)) __builtin_trap();
    if (R.BoardSize < kMinBoardSize || R.BoardSize > kMaxBoardSize) __builtin_trap();
    if (R.MoveCount < 0 || R.MoveCount > TGameRecord::MaxMoves) __builtin_trap();
    if (R.NoteCount < 0 || R.NoteCount > TGameRecord::MaxNotes) __builtin_trap();
    if (R.SetupCount < 0 || R.SetupCount > TGameRecord::MaxSetup) __builtin_trap();
    if (R.MarkCount < 0 || R.MarkCount > TGameRecord::MaxMarks) __builtin_trap();
    for (const TInfoKind Kind : kInfoKinds) {
        if (!IsValidUtf8(*InfoField(R.Info, Kind))) __builtin_trap();
    }
    for (int32_t i = 0; i < R.MoveCount; ++i) {
        const TMoveRec& M = R.Moves[i];
        if (M.X != 0 && !OnBoard(M.X, M.Y, R.BoardSize)) __builtin_trap();
    }
    int32_t Last = 0;
    for (int32_t i = 0; i < R.NoteCount; ++i) {
        const TNoteRec& N = R.Notes[i];
        if (!IsValidUtf8(N.Text) || N.MoveNo < Last || N.MoveNo > R.MoveCount) __builtin_trap();
        Last = N.MoveNo;
    }
    for (int32_t i = 0; i < R.SetupCount; ++i) {
        if (!OnBoard(R.Setup[i].X, R.Setup[i].Y, R.BoardSize)) __builtin_trap();
    }
    for (int32_t i = 0; i < R.MarkCount; ++i) {
        if (!OnBoard(R.Marks[i].X, R.Marks[i].Y, R.BoardSize)) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static auto Record = std::make_unique<TGameRecord>();
    const std::string Text(reinterpret_cast<const char*>(Data), Size);
    ChooseRecordFormat(Text, kFormatTag);
    const TLoadResult R = LoadRecordText(*Record, Text, kFormatSgf, true);
    if (Record->RecordText != Text) __builtin_trap();
    if (R.Shown && R.Failed()) __builtin_trap();
    if (!R.Shown) return 0;  // a failed load, or a text that holds no game
    Check(*Record, R);
    TNumbering N;
    InitNumbering(N);
    auto P = std::make_unique<TPosition>();
    InitPosition(19, *P);
    TGoBoard Board(N, *P);
    ReplayRecord(*Record, Board);
    // Every move and step is one the board steps to, passes and moves the rules refuse too.
    if (Board.EndIndex() != Board.MoveIndex()) __builtin_trap();
    // Back to the start and forward again: every move, capture, stone a move replaced or a
    // suicide took off, and point set up between moves comes back as the replay left it.
    auto End = std::make_unique<TPosition>();
    Board.GetPosition(*End);
    GoToMove(Board, 0);
    while (Board.StepForward()) {
    }
    auto Again = std::make_unique<TPosition>();
    Board.GetPosition(*Again);
    if (Again->Points != End->Points || Again->MoveIndex != End->MoveIndex ||
        Again->CaptureCount != End->CaptureCount)
        __builtin_trap();
    return 0;
}
