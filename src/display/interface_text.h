#pragma once
// The texts the viewer's model writes for the user, in one table: the labels of the game
// information, what the comment box says of a pass and of a diagram link, and the move box's
// messages. The table holds the designed Chinese wording; a translator gives the language shown.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "display/translator.h"

namespace xvexo {

enum class TInterfaceText : uint8_t {
    Date,           // "日期 : " before the date
    Place,          // "地点 : "
    TimeUsed,       // "用时 : "
    Byoyomi,        // "读秒 : "
    Seconds,        // "%1秒" byo-yomi seconds
    Periods,        // "%1次" byo-yomi periods
    Komi,           // "贴目 : "
    Method,         // "方式 : " (NGF: the handicap method in place of komi)
    Result,         // "结果 : "
    BlackPassed,    // "黑弃手"
    WhitePassed,    // "白弃手"
    DiagramLink,    // "参考图 %1-%2": diagram %2 of move %1
    EnterNumber,    // the move box holds no number
    EnterPositive,  // the move box holds a number below 1
    // The words the standard SGF and NGF readers write into a record's time and handicap.
    Hours,         // "%1小时"
    Minutes,       // "%1分"
    TimeParts,     // "%1%2": two parts of a time, "1小时" and "30分"
    Unlimited,     // "无限制": no time limit
    HandicapGame,  // "%1子让子棋": a game of %1 handicap stones
};

// The context the table's texts are translated in.
inline constexpr std::string_view kInterfaceTextContext = "InterfaceText";

// The text of Id (UTF-8) as Translator gives it, with "%1", "%2" … replaced by Args in order.
std::string InterfaceText(const TTranslator& Translator, TInterfaceText Id,
                          std::initializer_list<std::string_view> Args = {});
// The designed text of Id, untranslated.
std::string InterfaceText(TInterfaceText Id, std::initializer_list<std::string_view> Args = {});

// The words a record reader wrote into a time or handicap field (decoded: "1小时30分", "30秒",
// "无限制", "2子让子棋") in the language of Translator; any other text as it is.
std::string ReaderWords(const TTranslator& Translator, std::string_view Text);

// Pattern with "%1" .. "%9" replaced by Args in order; a "%N" without its argument stays.
std::string FillArguments(std::string_view Pattern, std::initializer_list<std::string_view> Args);

}  // namespace xvexo
