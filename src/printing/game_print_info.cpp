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

}  // namespace xvexo
