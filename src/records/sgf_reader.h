#pragma once
// Reader of standard SGF game records (FF[4] and the older files it grew from). The first game
// tree fills the record in one pass over the bytes, without recursion, holding only the current
// line of play; each text value is decoded to UTF-8 on its own (text_charset.h).
//
// Where the tree starts: text before its "(" (a licence, mail headers) is skipped
// (FindGameTreeStart), and a root node may be written without its ";".
//
// What the record gets:
// - the main line (the first variation at every branch): its moves with their colours (B[] and,
//   on boards of up to 19 lines, B[tt] are passes, moves like any other), and a step without a
//   move (AddStep) for each node that sets stones up or comments without a move, so its
//   position and comment are seen; the root node, and the nodes after it before any move while
//   the start shows no setup or comment of its own, make the start (move 0). At most 500 moves
//   and steps; the rest is left out;
// - root: SZ gives BoardSize (2..19, square; others fail the load), GM must be Go (1), HA
//   gives DeclaredHandicap (it places no stone: the handicap stones are AB setup stones), PL
//   gives FirstPlayer (else the colour of the first move);
// - information from any main-line node: EV and GN (joined by " · ") as Title, DT, PC, PB, PW,
//   BR, WR, RE, KM as Komi (as written), TM in the viewer's words as TimeText, OT as
//   ByoyomiCount and ByoyomiSeconds when it reads "N x S byo-yomi", else after TimeText;
// - C of a main-line node: a comment note "[N] text", N the moves and steps so far (as tag
//   records have it); GC: Info.GameComment, and also the first note of move 0 ("[0] text"),
//   since the viewer shows the game comment field only in whole-game mode;
// - AB, AW, AE of main-line nodes: setup stones tied to the moves before the node's move (to
//   the node's own step when it has no move);
// - LB, TR, SQ, CR, MA of main-line nodes: marks tied to the moves up to the node's move, as
//   value codes (SgfLabelCode for labels, kMarkTriangle.. kMarkCross for the shapes);
// - every other line of play, at any depth: a diagram note on the main-line move where it
//   leaves the main line (start move that move + 1): the moves of its parent lines from there,
//   then its own; its comments, each as "[n] text" with n its diagram move, as the diagram's
//   comment; its LB labels as the diagram's labels. A line without any move gives its comment
//   as a comment note instead.
// Notes are ordered by move number, comments of a move before its diagrams. The game comment
// ends with notices of what the record could not show as written: whatever the capacities
// leave out (moves past 500, notes past 2000, diagram moves and labels past 400, setup stones
// and marks past their lists, variations after move 500, setup inside variations, further
// games of the file), a text cut short, and the moves the rules refuse, which are played as
// the record has them (PlayRecordMoves).
//
// A text cut short (its trees not closed at the end, a value or name unfinished) is read as
// far as it goes. Malformed text fails the load with TRecordError, its message naming the
// line: a character or property out of place, a move or setup point off the board, an
// unsupported board size, nesting deeper than 1000000 levels, a node of more than 100000
// values. Marks on points off the board are skipped.

#include <string_view>

#include "records/game_record.h"

namespace xvexo {

// Fills Record from the raw bytes Text (the record's own text, any character set). Record is
// expected as the loader leaves it (cleared, FormatMode set). False when the text holds no
// game tree, or one without any property (a "(;;)" in a script): no game record.
bool ParseSgfRecord(TGameRecord& Record, std::string_view Text);

}  // namespace xvexo
