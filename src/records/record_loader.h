#pragma once
// Loading a record text into a game record and applying it to a rules engine, the choice of
// format by address, and going to a move number.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/display_text.h"
#include "records/game_record.h"
#include "rules/go_board.h"

namespace xvexo {

// The outcome of one load: Shown says whether the record is to be applied (false whenever
// Error is set); Error holds the message of a failed load, empty otherwise; Encoding is that
// of the whole text as received, for display. A load that neither failed nor is shown read a
// text that holds no game record (HoldsNoGame): the tag parser did not show it, or took
// nothing from it (no move, note or text: an image, a web page); a standard SGF text had no
// game tree, or one without any property.
struct TLoadResult {
    bool Shown = false;
    std::string Error;
    TTextEncoding Encoding = TTextEncoding::Utf8;
    bool Failed() const { return !Error.empty(); }
    bool HoldsNoGame() const { return !Shown && Error.empty(); }
};

// The message for a source that holds no game record: "NAME holds no game record".
std::string NoGameMessage(std::string_view Name);

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

// A move of a record that the rules refuse: its number and what the board made of it.
struct TRuleBreak {
    int32_t MoveNo = 0;
    TForcedMove What = TForcedMove::Refused;
};

// Resets the board to the record's size (19 but for standard SGF), sets the handicap (low byte
// of HandicapStones, layout 1) and loads the starting setup (ApplyStartSetup, which raises no
// point event). True when a setup was loaded, so an owner that draws through the point events
// takes the board's points into its picture before the moves are played.
bool StartRecord(const TGameRecord& Record, TGoBoard& Board);
// StartRecord, then every stored move (PlayRecordMoves, which fills Breaks): the one replay of a
// record, used by the viewer, the command line and printing. Returns the handicap as copied
// into TGameInfo.
uint8_t ReplayRecord(const TGameRecord& Record, TGoBoard& Board,
                     std::vector<TRuleBreak>* Breaks = nullptr);
// The handicap a record places: the low byte of HandicapStones.
uint8_t RecordHandicap(const TGameRecord& Record);

// Plays every stored move in order: X = 0 passes, any other point is played, and the points a
// record sets up after a move are set after it, so stepping back and forth takes them with the
// move. The tag and NGF formats play by the rules: a refused move is lost, and the next move is
// played by the side then to move. Standard SGF plays each move in the colour it names, and
// whatever the rules say (ForceMove: a stone on a taken point replaces it, a suicide takes its
// group off); a step without a move is a step of its own (AddStep); its passes are moves that
// EndIndex counts. Breaks, when given, gets the moves the rules refused, in order.
void PlayRecordMoves(const TGameRecord& Record, TGoBoard& Board,
                     std::vector<TRuleBreak>* Breaks = nullptr);

// The move a viewer opens a record at, with Board holding the whole record: the start (0) of a
// standard SGF record, as SGF viewers open it (a problem is not shown at its answer); the
// last move the replay reached in the tag and NGF formats.
int32_t OpeningMove(const TGameRecord& Record, const TGoBoard& Board);

// The go-to-move box: the text must be an integer of 1 or more. Each front end words the
// refusal in its own language.
struct TMoveNumberCheck {
    bool Ok = false;
    bool IsNumber = false;  // not Ok: an integer below 1 (else no integer at all)
    int32_t Number = 0;
};
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
