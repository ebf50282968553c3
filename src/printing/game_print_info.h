#pragma once
// The game information that reaches the printed page.

#include <string>

#include "printing/diagram_builder.h"
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
// the viewer shows: name and rank for a tag record, the name alone for an NGF record, the name
// and the rank when there is one for a standard SGF record.
TGamePInfo MakeGamePInfo(const TGameRecord& Record, TTextEncoding Source);

// Where the printed diagrams of Record start: the main board Board (its whole history) for a
// standard SGF record, which may set stones up, name the colour of its moves and have fewer
// lines; the handicap alone for the tag and NGF formats, as they have always been printed.
// Board must outlive the start.
TDiagramStart DiagramStartOf(const TGameRecord& Record, const TPosition& Board, int32_t Handicap);

}  // namespace xvexo
