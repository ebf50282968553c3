#include "display/record_drawing.h"

#include "records/record_loader.h"

namespace xvexo {

TKelGoPB::TStoneGrid BoardStones(const TGoBoard& Board, int32_t Lines) {
    TKelGoPB::TStoneGrid Stones{};
    for (int32_t Row = 1; Row <= Lines; ++Row) {
        for (int32_t Col = 1; Col <= Lines; ++Col)
            Stones[Row - 1][Col - 1] = Board.PointColour(Col, Row);
    }
    return Stones;
}

uint8_t DrawRecordReplay(const TGameRecord& Record, TGoBoard& Board, TKelGoPB& Painter) {
    if (StartRecord(Record, Board)) Painter.LoadPosition(BoardStones(Board, Painter.Lines()));
    PlayRecordMoves(Record, Board);
    return RecordHandicap(Record);
}

void ShowLastMoveMark(const TGoBoard& Board, TKelGoPB& Painter, int32_t Value) {
    int32_t X = 0;
    int32_t Y = 0;
    uint8_t Colour = 0;
    Board.GetLastMove(X, Y, Colour);
    if (X > 0) Painter.SetPoint(Colour, X, Y, Value);
}

void ShowMoveNumbers(TGoBoard& Board, TKelGoPB& Painter) {
    if (Board.MoveIndex() == 0) {
        Board.SetNumbering({0, 0, 1});
        return;
    }
    Board.EnableNumbering(true);
    ShowLastMoveMark(Board, Painter, 0);
    TNumberGrid Numbers{};
    Board.GetStoneNumbers(Numbers);
    Painter.LoadValues(Numbers);
}

}  // namespace xvexo
