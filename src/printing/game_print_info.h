#pragma once
// The game information that reaches the printed page.

#include <string>

#include "records/display_text.h"
#include "records/game_record.h"

namespace xvexo {

// The heading printed after the date and time at the top of every page.
inline constexpr const char* kPrintHeading = "Talvo围棋棋谱";

// Eight texts, UTF-8 (record texts are decoded before they get here).
struct TGamePInfo {
    std::string GameTitle;   // centred title
    std::string Heading;     // page header, after date and time
    std::string BlackLine;   // "黑棋 : %s"
    std::string WhiteLine;   // "白棋 : %s"
    std::string GameDate;    // "日期 : %s"
    std::string GamePlace;   // not printed
    std::string GameResult;  // "结果 : %s"
    std::string GameMethod;  // "方式 : %s" (komi or handicap)
    friend bool operator==(const TGamePInfo&, const TGamePInfo&) = default;
};

// The information of Record, whose whole text was of encoding Source, with the player lines
// the viewer shows: name and rank for a tag record, the name alone for an NGF record.
TGamePInfo MakeGamePInfo(const TGameRecord& Record, TTextEncoding Source);

}  // namespace xvexo
