#pragma once
// The texts the Qt-free core shows are written in the designed Chinese and translated through
// this interface: source text and context in, the text to show out. The desktop implements it
// with Qt's translation system, the web with a table made from the same translation files.
// Each text is marked where it is written with XV_TEXT(Context, Source), which the translation
// tools read as they read Qt's own markers, so one set of files holds every text.

#include <string>
#include <string_view>

// A text to translate in Context: the expression is Source itself.
#define XV_TEXT(Context, Source) Source

namespace xvexo {

class TTranslator {
  public:
    virtual ~TTranslator() = default;
    // The text of Source (UTF-8, as marked in Context) in the language chosen; Source itself
    // when there is no translation.
    virtual std::string Translate(std::string_view Context, std::string_view Source) const = 0;
};

// The designed texts as they are written (the default language).
class TSourceTexts final : public TTranslator {
  public:
    std::string Translate(std::string_view, std::string_view Source) const override {
        return std::string(Source);
    }
};

// One shared translator that keeps the designed texts; it holds no state.
inline const TTranslator& SourceTexts() {
    static const TSourceTexts Texts;
    return Texts;
}

}  // namespace xvexo
