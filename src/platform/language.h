#pragma once
// The language the interface shows, through Qt's translation system: the program's
// translations (compiled in under ":/i18n/"), Qt's own for the buttons of its dialogs, and the
// core's texts, which reach QCoreApplication::translate through TQtTranslator. The designed
// Chinese is the source of every text: it needs no translation of the program's.

#include <string>
#include <string_view>

#include "display/translator.h"

namespace xvexo {

// The core's texts through Qt: the translations installed in the application.
class TQtTranslator final : public TTranslator {
  public:
    std::string Translate(std::string_view Context, std::string_view Source) const override;
};

// One shared TQtTranslator; it holds no state.
const TTranslator& QtTexts();

// Makes Code ("zh", "en", "ko", "ja") the language of every text from now on: the translators
// of the language before are removed and those of Code installed, which sends every widget a
// LanguageChange event. An unknown code, or one whose translations cannot be loaded, installs
// the designed Chinese. Returns the code installed. Needs a QCoreApplication.
std::string InstallLanguage(std::string_view Code);
// The code of the language the installed translations give, whichever module installed them
// ("zh" before any).
std::string InstalledLanguage();

}  // namespace xvexo
