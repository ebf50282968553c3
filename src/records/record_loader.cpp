#include "records/record_loader.h"

#include <algorithm>
#include <utility>

#include "records/ngf_parser.h"
#include "records/record_error.h"
#include "records/record_format.h"
#include "records/record_setup.h"
#include "records/sgf_reader.h"
#include "records/tag_parser.h"

namespace xvexo {

TLoadResult LoadRecordText(TGameRecord& Record, std::string Text, int32_t FormatMode, bool Forced) {
    if (!Forced) FormatMode = ChooseRecordFormat(Text, FormatMode);
    TLoadResult Result;
    Result.Encoding = RecordTextEncoding(Text, FormatMode);
    Record.Clear();
    Record.RecordText = std::move(Text);
    Record.FormatMode = FormatMode;
    try {
        if (FormatMode == kFormatNgf) {
            ParseNgfRecord(Record);
            Result.Shown = true;
        } else if (FormatMode == kFormatSgf) {
            ParseSgfRecord(Record, Record.RecordText);
            Result.Shown = true;
        } else {
            Result.Shown = ParseTagRecord(Record, Record.RecordText);
        }
    } catch (const TRecordError& E) {
        Result.Shown = false;
        Result.Error = E.what();
    }
    return Result;
}

int32_t FormatForAddress(std::string_view Address) {
    return Address.starts_with("http") && Address.ends_with("NGF") ? kFormatNgf : kFormatTag;
}

int32_t FormatForFileName(std::string_view Name) {
    return Name.ends_with("NGF") ? kFormatNgf : kFormatTag;
}

uint8_t RecordHandicap(const TGameRecord& Record) {
    return static_cast<uint8_t>(Record.HandicapStones & 0xFF);
}

bool StartRecord(const TGameRecord& Record, TGoBoard& Board) {
    Board.Reset(std::clamp(Record.BoardSize, kMinBoardSize, kMaxBoardSize));
    Board.SetHandicap(RecordHandicap(Record), 1);
    return ApplyStartSetup(Record, Board);
}

uint8_t ReplayRecord(const TGameRecord& Record, TGoBoard& Board) {
    StartRecord(Record, Board);
    PlayRecordMoves(Record, Board);
    return RecordHandicap(Record);
}

void PlayRecordMoves(const TGameRecord& Record, TGoBoard& Board) {
    const int32_t Count = Record.StoredMoves();
    const int32_t SetupCount = std::clamp(Record.SetupCount, 0, TGameRecord::MaxSetup);
    // The setup entries come by move; those of move 0 are the starting position's.
    int32_t S = 0;
    while (S < SetupCount && Record.Setup[static_cast<size_t>(S)].MoveNo <= 0)
        ++S;
    for (int32_t i = 0; i < Count; ++i) {
        const TMoveRec& M = Record.Moves[i];
        // A move that names its colour is played in it (tag and NGF moves alternate).
        if (M.Colour == kBlack || M.Colour == kWhite) Board.SetSideToMove(M.Colour);
        if (M.X == 0) {
            Board.PassMove();
        } else {
            Board.PlayMove(M.X, M.Y);
        }
        // The points set up after this move.
        for (; S < SetupCount && Record.Setup[static_cast<size_t>(S)].MoveNo <= i + 1; ++S) {
            const TSetupRec& E = Record.Setup[static_cast<size_t>(S)];
            if (E.MoveNo == i + 1) Board.SetupPoint(E.X, E.Y, E.Colour);
        }
    }
}

TMoveNumberCheck CheckMoveNumber(std::string_view Text) {
    TMoveNumberCheck C;
    const std::optional<int32_t> N = ParseDecimal(Text);
    if (!N) {
        C.Message = kMsgEnterNumber;
    } else if (*N <= 0) {
        C.Message = kMsgEnterPositive;
    } else {
        C.Ok = true;
        C.Number = *N;
    }
    return C;
}

void StepBackTo(TGoBoard& Board, int32_t Index) {
    while (Board.MoveIndex() > Index && Board.MoveIndex() > 0) {
        const int32_t Before = Board.MoveIndex();
        Board.StepBack();
        if (Board.MoveIndex() == Before) break;
    }
}

void GoToStart(TGoBoard& Board) {
    StepBackTo(Board, 0);
}

void StepForwardTo(TGoBoard& Board, int32_t N) {
    if (N < Board.EndIndex()) {
        while (Board.MoveIndex() < N) {
            if (!Board.StepForward()) break;
        }
    } else {
        while (Board.StepForward()) {
        }
    }
}

void GoToMove(TGoBoard& Board, int32_t N) {
    GoToStart(Board);
    StepForwardTo(Board, N);
}

}  // namespace xvexo
