#include "board_view.h"

#include <algorithm>
#include <utility>

#include "display/image_set_chooser.h"
#include "records/record_loader.h"
#include "records/record_setup.h"
#include "records/record_source.h"

namespace xvexo::web {

namespace {

// The value code of the last-move mark, as the desktop shows it when numbers are off.
constexpr int32_t kLastMoveMark = kValueLastMove;

}  // namespace

TBoardView::TBoardView(TPaintBox& Box, TImageSource& Pictures)
    : Pictures(Pictures),
      Base(Pictures.Load("baseb")),
      Edge(Pictures.Load("bedge")),
      Painter(Box, *Base, *Edge) {
    // Every point event of the engine reaches the picture, as on the desktop's board, but for
    // those of a whole record being replayed: its last position is drawn once.
    const auto ToPainter = [this](TGoBoard&, int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
        if (!Replaying) Painter.SetPoint(Colour, X, Y, Value);
    };
    Board.OnPutStone = ToPainter;
    Board.OnRedrawPoint = ToPainter;
}

std::string TBoardView::Load(std::string Text, std::string_view Address) {
    // The new record is parsed aside: one that is not shown leaves the game on the screen.
    TGameRecord Fresh;
    const TLoadResult Result = LoadRecordText(Fresh, std::move(Text), FormatOfAddress(Address));
    Shown = Result.Shown;
    if (Result.Failed()) return DecodeText(Result.Error, Result.Encoding);
    if (!Result.Shown) return {};
    Record = std::move(Fresh);
    Encoding = Result.Encoding;
    ApplyRecord();
    return {};
}

void TBoardView::ApplyRecord() {
    const int32_t Lines = std::clamp(Record.BoardSize, kMinBoardSize, kMaxBoardSize);
    if (Lines != Painter.Lines()) {
        Painter.SetLines(Lines);
        Resize(BoxWidth, BoxHeight);
    }
    // The record is replayed silently, as the desktop replays it, and its last position drawn
    // in one pass, as the desktop's events leave it: the stones, then the last move's mark or
    // every stone's number, then the record's marks.
    Replaying = true;
    Board.Reset(Lines);
    // With numbers shown, the moves replayed show their own numbers.
    if (NumbersShown) Board.SetNumbering({0, 0, 1});
    Board.SetHandicap(static_cast<uint8_t>(Record.HandicapStones & 0xFF), 1);
    ApplyStartSetup(Record, Board);
    PlayRecordMoves(Record, Board);
    Replaying = false;
    TKelGoPB::TStoneGrid Stones{};
    for (int32_t Row = 1; Row <= Lines; ++Row) {
        for (int32_t Col = 1; Col <= Lines; ++Col)
            Stones[Row - 1][Col - 1] = Board.PointColour(Col, Row);
    }
    Painter.LoadPosition(Stones);
    if (NumbersShown) {
        TNumberGrid Numbers{};
        Board.GetStoneNumbers(Numbers);
        Painter.LoadValues(Numbers);
    } else {
        int32_t X = 0;
        int32_t Y = 0;
        uint8_t Colour = 0;
        Board.GetLastMove(X, Y, Colour);
        if (X > 0) Painter.SetPoint(Colour, X, Y, kLastMoveMark);
    }
    ShowMarks();
}

std::string TBoardView::InfoText(TInfoKind Kind) const {
    const std::string* Field = InfoField(Record.Info, Kind);
    return Field ? DecodeText(*Field, InfoFieldEncoding(Record, Kind, Encoding)) : std::string();
}

void TBoardView::ShowMarks() {
    TNumberGrid Marks{};
    MarksOfMove(Record, Board.MoveIndex(), Marks);
    Painter.LoadMarks(Marks);
}

void TBoardView::ShowNumbers(bool On) {
    if (On == NumbersShown) return;
    NumbersShown = On;
    int32_t X = 0;
    int32_t Y = 0;
    uint8_t Colour = 0;
    Board.GetLastMove(X, Y, Colour);
    if (!On) {
        Board.EnableNumbering(false);
        Painter.ClearValues();
        if (X > 0) Painter.SetPoint(Colour, X, Y, kLastMoveMark);
        return;
    }
    if (Board.MoveIndex() == 0) {
        Board.SetNumbering({0, 0, 1});
        return;
    }
    Board.EnableNumbering(true);
    if (X > 0) Painter.SetPoint(Colour, X, Y, 0);
    TNumberGrid Numbers{};
    Board.GetStoneNumbers(Numbers);
    Painter.LoadValues(Numbers);
}

void TBoardView::Resize(int Width, int Height) {
    BoxWidth = std::max(Width, 0);
    BoxHeight = std::max(Height, 0);
    ChooseMainImageSet(Painter, Pictures, BoxWidth, BoxHeight);
}

}  // namespace xvexo::web
