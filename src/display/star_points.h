#pragma once
// Where a board of a given number of lines has its star points, on the screen and in print.

#include <cstdint>

namespace xvexo {

// Whether point (Col, Row), 1-based, carries a star point on a board of Lines lines: on boards
// of 13 lines and more the points where the 4th lines meet, on 7 to 12 lines where the 3rd
// lines meet; the centre of odd boards of 9 lines and more; the middle of each 4th line on odd
// boards of 15 lines and more. 19 lines: the nine points of the 4th and 10th lines; 13: the four
// 4-4 points and the centre; 9: the four 3-3 points and the centre; fewer than 7: none.
constexpr bool IsStarPoint(int32_t Lines, int32_t Col, int32_t Row) {
    if (Lines < 7) return false;
    const int32_t Near = Lines >= 13 ? 4 : 3;
    const int32_t Far = Lines + 1 - Near;
    const int32_t Mid = Lines % 2 != 0 ? (Lines + 1) / 2 : 0;
    const bool CornerCol = Col == Near || Col == Far;
    const bool CornerRow = Row == Near || Row == Far;
    if (CornerCol && CornerRow) return true;
    if (Col == Mid && Row == Mid) return Lines >= 9;
    return Lines >= 15 && ((CornerCol && Row == Mid) || (Col == Mid && CornerRow));
}

}  // namespace xvexo
