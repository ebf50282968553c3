#pragma once
// The cells of one printed diagram: a board grid (one cell per point) or a notes grid (rows of
// note groups under the board).

#include <array>
#include <cstdint>

namespace xvexo {

// Lines of the printed board. Grids and layouts take the board's size as a value; today every
// printed board has 19 lines.
constexpr int kPrintBoardLines = 19;

// Cell colours.
constexpr uint32_t kCellBlack = 0;
constexpr uint32_t kCellWhite = 1;
constexpr uint32_t kCellEmpty = 2;

// 19 rows of 29 cells. A cell holds a colour, a mark character (0 for none) and the move
// number shown on it (-1 for none). A board grid uses rows and columns 0..18; a notes grid uses
// columns 0..27, so every row ends with an empty cell in column 28. Cells outside the table
// read as empty and ignore writes.
class LDispGGrid {
  public:
    static constexpr int Rows = 19;
    static constexpr int Columns = 29;

    // A board grid of Lines lines (at most 19); a notes grid keeps the default.
    explicit LDispGGrid(int Lines = kPrintBoardLines);

    // The board lines the grid shows in board mode.
    int Lines() const { return FLines; }

    // The cell word: bits 0-1 colour, bits 24-31 mark.
    uint32_t GetCell(int Row, int Column) const;
    uint32_t GetColor(int Row, int Column) const { return GetCell(Row, Column) & 3u; }
    uint8_t GetMark(int Row, int Column) const {
        return static_cast<uint8_t>(GetCell(Row, Column) >> 24);
    }
    int16_t GetNumber(int Row, int Column) const;

    // Sets the colour bits and the number; the mark only when Mark is not 0 (0 keeps it).
    void SetCell(int Row, int Column, uint32_t Colour, int16_t Number, uint8_t Mark);

  private:
    static bool Inside(int Row, int Column) {
        return Row >= 0 && Row < Rows && Column >= 0 && Column < Columns;
    }

    int FLines;
    std::array<uint32_t, Rows * Columns> Cells;
    std::array<int16_t, Rows * Columns> Numbers;
};

}  // namespace xvexo
