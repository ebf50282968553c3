#pragma once
// A record on the main board's picture: the replay drawn as the rules engine plays it, and the
// move numbers shown on the stones. The viewer's model and `xvexo render` draw through these, so
// both show a record alike.

#include <cstdint>

#include "display/go_painter.h"
#include "records/game_record.h"
#include "rules/go_board.h"

namespace xvexo {

// The stones of points 1..Lines of Board, as the painter loads them.
TKelGoPB::TStoneGrid BoardStones(const TGoBoard& Board, int32_t Lines);

// Replays Record on Board (ReplayRecord) while Painter draws it: Board's point events must reach
// Painter, and the starting setup, which raises none, is loaded into the picture before the
// moves are played. Returns the record's handicap.
uint8_t DrawRecordReplay(const TGameRecord& Record, TGoBoard& Board, TKelGoPB& Painter);

// Gives the stone of Board's last move the value code Value on Painter (0 takes the last-move
// mark off, kLastMoveMark puts it back); nothing when the last entry is no stone.
void ShowLastMoveMark(const TGoBoard& Board, TKelGoPB& Painter, int32_t Value);

// Move numbers switched on while a record is viewed: at the start the coming moves are numbered
// with their own index; else every stone shows the index of the move that placed it (handicap
// and setup stones stay plain) and the last stone loses its mark.
void ShowMoveNumbers(TGoBoard& Board, TKelGoPB& Painter);

}  // namespace xvexo
