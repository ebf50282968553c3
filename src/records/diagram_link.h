#pragma once
// The links to reference diagrams in the comment box: which diagram a link text names, and the
// note that holds it.

#include <cstdint>
#include <string_view>

#include "records/game_record.h"
#include "rules/position.h"

namespace xvexo {

// The diagram number k of a link text "参考图 M-k" given as its GBK bytes; 0 when the text is
// no diagram link. The text must begin with "参考图" (six bytes), be at least 8 bytes long, have
// a space as its 7th byte and only digits and "-" from the 8th on, with the first "-" at byte 9
// or later; k is the whole number after the first "-" (1 or more, at most 2^31 - 1). The move
// number M before the "-" is not used: the link always names a diagram of the move shown.
int32_t DiagramLinkNumber(std::string_view Gbk);

// The k-th note of kind nkDiagram (k from 1) among the notes of move MoveNo, in record order;
// nullptr when there is none.
const TNoteRec* FindDiagramNote(const TGameRecord& Record, int32_t MoveNo, int32_t K);

// The lines of play that leave the game after move MoveNo, as letters on the points of their
// first moves: Letters gets k (1..26) on the first point of the k-th diagram of move MoveNo
// when that diagram starts at move MoveNo + 1 with a stone on the board (a standard SGF
// variation always does; a tag record's diagram only when it starts there), else 0. A point
// two lines start on keeps the first line's letter; diagrams past the 26th get none. Returns
// whether any letter was given.
bool VariationLetters(const TGameRecord& Record, int32_t MoveNo, TNumberGrid& Letters);

}  // namespace xvexo
