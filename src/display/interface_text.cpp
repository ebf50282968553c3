#include "display/interface_text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace xvexo {

namespace {

// By TInterfaceText, in its order.
constexpr std::array<std::string_view, 19> kTexts = {
    XV_TEXT("InterfaceText", "日期 : "),    XV_TEXT("InterfaceText", "地点 : "),
    XV_TEXT("InterfaceText", "用时 : "),    XV_TEXT("InterfaceText", "读秒 : "),
    XV_TEXT("InterfaceText", "%1秒"),       XV_TEXT("InterfaceText", "%1次"),
    XV_TEXT("InterfaceText", "贴目 : "),    XV_TEXT("InterfaceText", "方式 : "),
    XV_TEXT("InterfaceText", "结果 : "),    XV_TEXT("InterfaceText", "黑弃手"),
    XV_TEXT("InterfaceText", "白弃手"),     XV_TEXT("InterfaceText", "参考图 %1-%2"),
    XV_TEXT("InterfaceText", "请输入数字"), XV_TEXT("InterfaceText", "请输入1以上的数字"),
    XV_TEXT("InterfaceText", "%1小时"),     XV_TEXT("InterfaceText", "%1分"),
    XV_TEXT("InterfaceText", "%1%2"),       XV_TEXT("InterfaceText", "无限制"),
    XV_TEXT("InterfaceText", "%1子让子棋"),
};

static_assert(kTexts.size() == static_cast<size_t>(TInterfaceText::HandicapGame) + 1);

// The digits at the start of Text, taken off it.
std::string_view TakeDigits(std::string_view& Text) {
    size_t N = 0;
    while (N < Text.size() && Text[N] >= '0' && Text[N] <= '9')
        ++N;
    const std::string_view Digits = Text.substr(0, N);
    Text.remove_prefix(N);
    return Digits;
}

}  // namespace

std::string FillArguments(std::string_view Pattern, std::initializer_list<std::string_view> Args) {
    std::string Text;
    for (size_t i = 0; i < Pattern.size(); ++i) {
        const char Next = i + 1 < Pattern.size() ? Pattern[i + 1] : '\0';
        const size_t Arg = static_cast<size_t>(Next - '1');
        if (Pattern[i] == '%' && Next >= '1' && Next <= '9' && Arg < Args.size()) {
            Text += *(Args.begin() + Arg);
            ++i;
        } else {
            Text += Pattern[i];
        }
    }
    return Text;
}

std::string ReaderWords(const TTranslator& Translator, std::string_view Text) {
    if (Text == "无限制") return InterfaceText(Translator, TInterfaceText::Unlimited);
    std::string_view Rest = Text;
    const std::string_view Stones = TakeDigits(Rest);
    if (!Stones.empty() && Rest == "子让子棋")
        return InterfaceText(Translator, TInterfaceText::HandicapGame, {Stones});
    // A time: numbers each followed by its unit, and nothing else.
    constexpr std::pair<std::string_view, TInterfaceText> kUnits[] = {
        {"小时", TInterfaceText::Hours},
        {"分", TInterfaceText::Minutes},
        {"秒", TInterfaceText::Seconds}};
    Rest = Text;
    std::string Time;
    while (!Rest.empty()) {
        const std::string_view Number = TakeDigits(Rest);
        const auto Unit = std::find_if(
            std::begin(kUnits), std::end(kUnits),
            [&Rest](const auto& U) { return Rest.substr(0, U.first.size()) == U.first; });
        if (Number.empty() || Unit == std::end(kUnits)) return std::string(Text);
        Rest.remove_prefix(Unit->first.size());
        const std::string Part = InterfaceText(Translator, Unit->second, {Number});
        Time = Time.empty() ? Part
                            : InterfaceText(Translator, TInterfaceText::TimeParts, {Time, Part});
    }
    return Time.empty() ? std::string(Text) : Time;
}

std::string InterfaceText(const TTranslator& Translator, TInterfaceText Id,
                          std::initializer_list<std::string_view> Args) {
    return FillArguments(
        Translator.Translate(kInterfaceTextContext, kTexts[static_cast<size_t>(Id)]), Args);
}

std::string InterfaceText(TInterfaceText Id, std::initializer_list<std::string_view> Args) {
    return InterfaceText(SourceTexts(), Id, Args);
}

}  // namespace xvexo
