#include "display/interface_text.h"

#include <array>

namespace xvexo {

namespace {

// By TInterfaceText, in its order.
constexpr std::array<std::string_view, 14> kTexts = {
    "日期 : ", "地点 : ", "用时 : ", "读秒 : ", "%1秒",         "%1次",       "贴目 : ",
    "方式 : ", "结果 : ", "黑弃手",  "白弃手",  "参考图 %1-%2", "请输入数字", "请输入1以上的数字",
};

static_assert(kTexts.size() == static_cast<size_t>(TInterfaceText::EnterPositive) + 1);

}  // namespace

std::string InterfaceText(TInterfaceText Id, std::initializer_list<std::string_view> Args) {
    const std::string_view Pattern = kTexts[static_cast<size_t>(Id)];
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

}  // namespace xvexo
