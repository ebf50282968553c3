#include "printing/game_print_info.h"

namespace xvexo {

TGamePInfo MakeGamePInfo(const TGameRecord& Record, TTextEncoding Source) {
    const auto Text = [&](TInfoKind Kind) {
        return DecodeText(*InfoField(Record.Info, Kind), InfoFieldEncoding(Record, Kind, Source));
    };
    TGamePInfo I;
    I.GameTitle = Text(TInfoKind::Title);
    I.Heading = kPrintHeading;
    if (Record.FormatMode == kFormatNgf) {
        I.BlackLine = Text(TInfoKind::BlackName);
        I.WhiteLine = Text(TInfoKind::WhiteName);
    } else if (Record.FormatMode == kFormatSgf) {
        const auto Player = [&](TInfoKind Name, TInfoKind Rank) {
            const std::string R = Text(Rank);
            return R.empty() ? Text(Name) : Text(Name) + ' ' + R;
        };
        I.BlackLine = Player(TInfoKind::BlackName, TInfoKind::BlackRank);
        I.WhiteLine = Player(TInfoKind::WhiteName, TInfoKind::WhiteRank);
    } else {
        I.BlackLine = Text(TInfoKind::BlackName) + ' ' + Text(TInfoKind::BlackRank);
        I.WhiteLine = Text(TInfoKind::WhiteName) + ' ' + Text(TInfoKind::WhiteRank);
    }
    I.GameDate = Text(TInfoKind::Date);
    I.GamePlace = Text(TInfoKind::Place);
    I.GameResult = Text(TInfoKind::Result);
    I.GameMethod = Text(TInfoKind::Komi);
    return I;
}

TDiagramStart DiagramStartOf(const TGameRecord& Record, const TPosition& Board, int32_t Handicap) {
    if (Record.FormatMode == kFormatSgf) return TDiagramStart(Board);
    return TDiagramStart(Handicap);
}

}  // namespace xvexo
