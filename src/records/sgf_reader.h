#pragma once
// Reader of standard SGF game records (FF[4] and the older files it grew from). The text is
// first decoded to UTF-8 (text_charset.h); the first game tree then fills the record in one
// pass over the text, without recursion, holding only the current line of play.
//
// What the record gets:
// - the main line (the first variation at every branch): its moves with their colours (B[] and,
//   on boards of up to 19 lines, B[tt] are passes), at most 500; the rest is left out;
// - root: SZ gives BoardSize (2..19, square; others fail the load), GM must be Go (1), HA
//   gives DeclaredHandicap (the stones themselves are AB setup stones; only a 19-line record
//   that names a handicap of 2..9 without any AB takes the board's own table, as
//   HandicapStones), PL gives FirstPlayer (else the colour of the first move);
// - information from any main-line node: EV and GN (joined by " · ") as Title, DT, PC, PB, PW,
//   BR, WR, RE, KM as Komi, TM in the viewer's words as TimeText, OT as ByoyomiCount and
//   ByoyomiSeconds when it reads "N x S byo-yomi", else after TimeText;
// - C of a main-line node: a comment note "[N] text", N the moves so far (as tag records have
//   it); GC: Info.GameComment, and also the first note of move 0 ("[0] text"), since the
//   viewer shows the game comment field only in whole-game mode;
// - AB, AW, AE of main-line nodes: setup stones tied to the moves before the node's move;
// - LB, TR, SQ, CR, MA of main-line nodes: marks tied to the moves up to the node's move, as
//   value codes (SgfLabelCode for labels, kMarkTriangle.. kMarkCross for the shapes);
// - every other line of play, at any depth: a diagram note on the main-line move where it
//   leaves the main line (start move that move + 1): the moves of its parent lines from there,
//   then its own; its comments, each as "[n] text" with n its diagram move, as the diagram's
//   comment; its LB labels as the diagram's labels. A line without any move gives its comment
//   as a comment note instead.
// Notes are ordered by move number, comments of a move before its diagrams. Whatever the
// capacities leave out (moves past 500, notes past 2000, diagram moves and labels past 400,
// setup stones and marks past their lists, variations after move 500, setup inside
// variations, further games of the file) is counted in a notice appended to the game comment.
//
// Texts are stored as UTF-8. Malformed text fails the load with TRecordError, its message
// naming the line: an unclosed tree or value, a character or property out of place, a move or
// setup point off the board, an unsupported board size, nesting deeper than 1000000 levels, a
// node of more than 100000 values.
// Marks on points off the board are skipped.

#include <string_view>

#include "records/game_record.h"

namespace xvexo {

// Fills Record from the raw bytes Text (the record's own text, any character set). Record is
// expected as the loader leaves it (cleared, FormatMode set).
void ParseSgfRecord(TGameRecord& Record, std::string_view Text);

}  // namespace xvexo
