#pragma once
// What a record puts on the board beside its moves: the starting position (setup stones of move
// 0 and the side to play first) and the marks of each position.

#include "records/game_record.h"
#include "rules/go_board.h"

namespace xvexo {

// Loads the record's starting position onto Board, which was just reset to the record's size
// (and given its table handicap): every setup stone with MoveNo 0 is placed (colour 0
// empties the point), and FirstPlayer, when set, is to move. The position goes in through
// GetPosition and SetPosition, so no point event is raised: an owner that draws through the
// events loads the board's points into its picture afterwards. Nothing happens for a record
// with neither (every tag and NGF record). Setup stones of later moves are not applied here.
// True when the position was loaded.
bool ApplyStartSetup(const TGameRecord& Record, TGoBoard& Board);

// The record's marks on the position after move MoveNo, as value codes by point (Marks[row - 1]
// [column - 1], 0 where there is none); a later mark on a point replaces an earlier one. True
// when there is any.
bool MarksOfMove(const TGameRecord& Record, int32_t MoveNo, TNumberGrid& Marks);

}  // namespace xvexo
