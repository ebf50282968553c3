#include "element_text.h"

#include <array>

namespace xvexo::web {

namespace {

constexpr std::array<TElementText, 19> kDesigned = {{
    {"comment", "解说"},     {"trial", "试下"},          {"trialEnd", "结束试下"},
    {"numbers", "显示手数"}, {"numbersEnd", "隐藏手数"}, {"auto", "自动"},
    {"autoEnd", "停止"},     {"goTo", "跳至"},           {"seconds", "秒"},
    {"moveNumber", "手数"},  {"toStart", "到开局"},      {"backFive", "后退5手"},
    {"backOne", "后退1手"},  {"forwardOne", "前进1手"},  {"forwardFive", "前进5手"},
    {"toEnd", "到终局"},     {"letter", "字母"},         {"ok", "确定"},
    {"close", "关闭"},
}};

}  // namespace

std::span<const TElementText> ElementTexts(std::string_view /*Tag*/) {
    return kDesigned;
}

}  // namespace xvexo::web
