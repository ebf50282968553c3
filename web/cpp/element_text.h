#pragma once
// The texts of the element's own controls (captions, tooltips, names read out to assistive
// technology): the desktop's buttons carry theirs in their pictures, the page's are text. One
// table in the designed Chinese; the language the page asks for selects it.

#include <span>
#include <string_view>

namespace xvexo::web {

struct TElementText {
    std::string_view Key;   // the name the page's script knows it by
    std::string_view Text;  // UTF-8
};

// The element's texts in the language of Tag (a BCP 47 tag; today every tag gets the designed
// texts).
std::span<const TElementText> ElementTexts(std::string_view Tag);

}  // namespace xvexo::web
