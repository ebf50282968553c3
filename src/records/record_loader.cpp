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

namespace {

// Nothing read: no move, note, setup stone, mark or handicap, every text empty.
bool IsEmptyRecord(const TGameRecord& R) {
    for (const TInfoKind Kind : kInfoKinds) {
        if (!InfoField(R.Info, Kind)->empty()) return false;
    }
    return R.MoveCount == 0 && R.NoteCount == 0 && R.SetupCount == 0 && R.MarkCount == 0 &&
           R.HandicapStones == 0;
}

}  // namespace

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
            Result.Shown = ParseSgfRecord(Record, Record.RecordText);
        } else {
            // A text the tag reader takes nothing from (an image, a web page) is no record.
            Result.Shown = ParseTagRecord(Record, Record.RecordText) && !IsEmptyRecord(Record);
        }
    } catch (const TRecordError& E) {
        Result.Shown = false;
        Result.Error = E.what();
    }
    return Result;
}

std::string NoGameMessage(std::string_view Name) {
    return std::string(Name) + " holds no game record";
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

uint8_t ReplayRecord(const TGameRecord& Record, TGoBoard& Board, std::vector<TRuleBreak>* Breaks) {
    StartRecord(Record, Board);
    PlayRecordMoves(Record, Board, Breaks);
    return RecordHandicap(Record);
}

void PlayRecordMoves(const TGameRecord& Record, TGoBoard& Board, std::vector<TRuleBreak>* Breaks) {
    const bool Standard = Record.FormatMode == kFormatSgf;
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
        if (M.NoMove && Standard) {
            Board.AddStep();
        } else if (M.X == 0) {
            Board.PassMove();
        } else if (Standard) {
            const TForcedMove What = Board.ForceMove(M.X, M.Y);
            if (What != TForcedMove::Legal && Breaks) Breaks->push_back({i + 1, What});
        } else {
            Board.PlayMove(M.X, M.Y);
        }
        // The points set up after this move.
        for (; S < SetupCount && Record.Setup[static_cast<size_t>(S)].MoveNo <= i + 1; ++S) {
            const TSetupRec& E = Record.Setup[static_cast<size_t>(S)];
            if (E.MoveNo == i + 1) Board.SetupPoint(E.X, E.Y, E.Colour);
        }
    }
    // The passes that end a standard SGF record are moves too: the board steps to them.
    if (Standard) Board.SetEndIndex(Board.MoveIndex());
}

int32_t OpeningMove(const TGameRecord& Record, const TGoBoard& Board) {
    return Record.FormatMode == kFormatSgf ? 0 : Board.MoveIndex();
}

TMoveNumberCheck CheckMoveNumber(std::string_view Text) {
    TMoveNumberCheck C;
    const std::optional<int32_t> N = ParseDecimal(Text);
    if (!N) return C;
    C.IsNumber = true;
    C.Number = *N;
    C.Ok = *N >= 1;
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
