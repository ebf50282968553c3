#include "printing/game_print_info.h"

namespace xvexo {

namespace {

// Info field kinds, 1-based in TVexoInfo's order.
constexpr int kTitle = 1, kDate = 2, kPlace = 3, kBlackName = 4, kWhiteName = 5, kResult = 6,
              kKomi = 10, kBlackRank = 11, kWhiteRank = 12;

}  // namespace

TGamePInfo MakeGamePInfo(const TGameRecord& Record, TTextEncoding Source) {
    const auto Text = [&](int Kind) {
        return DecodeText(*InfoField(Record.Info, Kind), InfoFieldEncoding(Record, Kind, Source));
    };
    TGamePInfo I;
    I.GameTitle = Text(kTitle);
    I.Heading = kPrintHeading;
    if (Record.FormatMode == kFormatNgf) {
        I.BlackLine = Text(kBlackName);
        I.WhiteLine = Text(kWhiteName);
    } else {
        I.BlackLine = Text(kBlackName) + ' ' + Text(kBlackRank);
        I.WhiteLine = Text(kWhiteName) + ' ' + Text(kWhiteRank);
    }
    I.GameDate = Text(kDate);
    I.GamePlace = Text(kPlace);
    I.GameResult = Text(kResult);
    I.GameMethod = Text(kKomi);
    return I;
}

}  // namespace xvexo
