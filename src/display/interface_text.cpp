#include "display/interface_text.h"

#include <array>

namespace xvexo {

namespace {

// By TInterfaceText, in its order.
constexpr std::array<std::string_view, 14> kTexts = {
    XV_TEXT("InterfaceText", "日期 : "),    XV_TEXT("InterfaceText", "地点 : "),
    XV_TEXT("InterfaceText", "用时 : "),    XV_TEXT("InterfaceText", "读秒 : "),
    XV_TEXT("InterfaceText", "%1秒"),       XV_TEXT("InterfaceText", "%1次"),
    XV_TEXT("InterfaceText", "贴目 : "),    XV_TEXT("InterfaceText", "方式 : "),
    XV_TEXT("InterfaceText", "结果 : "),    XV_TEXT("InterfaceText", "黑弃手"),
    XV_TEXT("InterfaceText", "白弃手"),     XV_TEXT("InterfaceText", "参考图 %1-%2"),
    XV_TEXT("InterfaceText", "请输入数字"), XV_TEXT("InterfaceText", "请输入1以上的数字"),
};

static_assert(kTexts.size() == static_cast<size_t>(TInterfaceText::EnterPositive) + 1);

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

std::string InterfaceText(const TTranslator& Translator, TInterfaceText Id,
                          std::initializer_list<std::string_view> Args) {
    return FillArguments(
        Translator.Translate(kInterfaceTextContext, kTexts[static_cast<size_t>(Id)]), Args);
}

std::string InterfaceText(TInterfaceText Id, std::initializer_list<std::string_view> Args) {
    return InterfaceText(SourceTexts(), Id, Args);
}

}  // namespace xvexo
