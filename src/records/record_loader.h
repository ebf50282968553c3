#pragma once
// Loading a record text into a game record and applying it to a rules engine, the choice of
// format by address, and going to a move number.

#include <cstdint>
#include <string>
#include <string_view>

#include "records/display_text.h"
#include "records/game_record.h"
#include "rules/go_board.h"

namespace xvexo {

// The outcome of one load: Shown says whether the record is to be applied (false whenever
// Error is set); Error holds the message of a failed load, empty otherwise; Encoding is that
// of the whole text as received, for display.
struct TLoadResult {
    bool Shown = false;
    std::string Error;
    TTextEncoding Encoding = TTextEncoding::Utf8;
    bool Failed() const { return !Error.empty(); }
};

// Starts from an empty record, stores Text as RecordText with FormatMode, and runs the parser
// of that format (NGF for kFormatNgf, standard SGF for kFormatSgf, else tag). FormatMode is
// the one the address chose, and the text then takes the reader of ChooseRecordFormat
// (record_format.h); Forced keeps FormatMode as given. A failure is caught and returned.
TLoadResult LoadRecordText(TGameRecord& Record, std::string Text, int32_t FormatMode,
                           bool Forced = false);

// The download rule: NGF when the address begins with "http" and ends in "NGF", else tag.
int32_t FormatForAddress(std::string_view Address);
// The rule for files on disk: NGF when the name ends in "NGF", else tag.
int32_t FormatForFileName(std::string_view Name);

// Resets the board to the record's size (19 but for standard SGF), sets the handicap (low byte
// of HandicapStones, layout 1) and loads the starting setup (ApplyStartSetup, which raises no
// point event). True when a setup was loaded, so an owner that draws through the point events
// takes the board's points into its picture before the moves are played.
bool StartRecord(const TGameRecord& Record, TGoBoard& Board);
// StartRecord, then every stored move (PlayRecordMoves): the one replay of a record, used by the
// viewer, the command line and printing. Returns the handicap as copied into TGameInfo.
uint8_t ReplayRecord(const TGameRecord& Record, TGoBoard& Board);
// The handicap a record places: the low byte of HandicapStones.
uint8_t RecordHandicap(const TGameRecord& Record);
// Plays every stored move in order: X = 0 passes, any other point is played (a refused move is
// lost, and the next move is played by the side then to move). A move that names its colour
// (standard SGF) is played in that colour, and the points a record sets up after a move are set
// after it, so stepping back and forth takes them with the move.
void PlayRecordMoves(const TGameRecord& Record, TGoBoard& Board);

// The go-to-move box: the text must be an integer of 1 or more.
struct TMoveNumberCheck {
    bool Ok = false;
    int32_t Number = 0;
    const char* Message = "";  // UTF-8 text of the error box when not Ok
};
inline constexpr const char* kMsgEnterNumber = "请输入数字";
inline constexpr const char* kMsgEnterPositive = "请输入1以上的数字";
TMoveNumberCheck CheckMoveNumber(std::string_view Text);

// Steps back while the board stands above move Index and above the start. Stops early where a
// step back changes nothing (an entry a foreign snapshot never wrote).
void StepBackTo(TGoBoard& Board, int32_t Index);
// Back to the start: StepBackTo(Board, 0).
void GoToStart(TGoBoard& Board);
// Steps forward to move N, or to the end when N is not below EndIndex.
void StepForwardTo(TGoBoard& Board, int32_t N);
// Back to the start, then forward to move N, or to the end when N is not below EndIndex.
void GoToMove(TGoBoard& Board, int32_t N);

}  // namespace xvexo
