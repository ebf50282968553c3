#pragma once
// The web element's board until the main window's view model takes its place: a record read
// with the core's loader and replayed to its last move, the position drawn by the board painter
// on the paint box the front end gives, sized to the element's box as the desktop sizes its
// board panel. Neither Qt nor the browser is needed here: the drawing-call test runs it natively
// too.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "display/canvas.h"
#include "display/go_painter.h"
#include "records/display_text.h"
#include "records/game_record.h"
#include "rules/go_board.h"

namespace xvexo::web {

class TBoardView {
  public:
    // Loads the wood and edge pictures from Pictures (throws TResourceNotFound without them).
    // Box and Pictures must outlive the view.
    TBoardView(TPaintBox& Box, TImageSource& Pictures);

    // Reads Text, the bytes fetched from Address, in the format the address chooses, as the
    // desktop's getFile does. On success the record is replayed to its last move and drawn;
    // a failed load keeps the game shown and returns the desktop's message (UTF-8); a text
    // that holds no game to show returns "" and keeps it too (LastLoadShown() is false then).
    std::string Load(std::string Text, std::string_view Address);
    bool LastLoadShown() const { return Shown; }
    // The element's box in pixels: the board takes the cell size the desktop's panel of that
    // size would, and is repainted when its size changes.
    void Resize(int Width, int Height);
    // Every stone shows the number of its move (on), or only the last-move mark (off).
    void ShowNumbers(bool On);
    // Repaints the whole board, as after an expose.
    void Redraw() { Painter.Redraw(); }

    // A field of the game shown, as the desktop's labels show it (UTF-8, whole).
    std::string InfoText(TInfoKind Kind) const;

    int32_t Lines() const { return Painter.Lines(); }
    int32_t MoveIndex() const { return Board.MoveIndex(); }
    int32_t EndIndex() const { return Board.EndIndex(); }
    // Where the board (with its label margin) lies in the box: centred, as on the desktop.
    int BoardLeft() const { return (BoxWidth - Painter.BoardSize() - Painter.LabelMargin()) / 2; }
    int BoardTop() const { return (BoxHeight - Painter.BoardSize() - Painter.LabelMargin()) / 2; }

  private:
    void ApplyRecord();
    void ShowMarks();

    TImageSource& Pictures;
    std::unique_ptr<TImage> Base;
    std::unique_ptr<TImage> Edge;
    TKelGoPB Painter;
    TGoBoard Board;
    TGameRecord Record;
    TTextEncoding Encoding = TTextEncoding::Utf8;
    bool NumbersShown = false;
    bool Shown = false;
    bool Replaying = false;
    int BoxWidth = 0;
    int BoxHeight = 0;
};

}  // namespace xvexo::web
