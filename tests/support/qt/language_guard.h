#pragma once
// Installs a language of the interface for the life of the guard, then the designed Chinese
// again, so a test that reads the English texts leaves the others as they expect.

#include <QCoreApplication>
#include <QEvent>
#include <string_view>

#include "platform/language.h"

namespace xvexo::testing {

class TLanguageGuard {
  public:
    // Installs Code and lets the windows hear of it: Qt posts the change to each window.
    static void Install(std::string_view Code) {
        InstallLanguage(Code);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

    explicit TLanguageGuard(std::string_view Code) { Install(Code); }
    ~TLanguageGuard() { Install("zh"); }
    TLanguageGuard(const TLanguageGuard&) = delete;
    TLanguageGuard& operator=(const TLanguageGuard&) = delete;
};

}  // namespace xvexo::testing
