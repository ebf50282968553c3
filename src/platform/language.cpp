#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "display/view_options.h"

namespace xvexo {

namespace {

// The translators this module installed: the language is the application's, as Qt's
// translators are.
struct TInstalled {
    std::unique_ptr<QTranslator> Program;
    std::unique_ptr<QTranslator> Qt;
};

TInstalled& Installed() {
    static TInstalled State;
    return State;
}

// Qt's own translations of Code, where the system has them ("zh" is simplified Chinese).
std::unique_ptr<QTranslator> LoadQtTranslations(const std::string& Code) {
    auto T = std::make_unique<QTranslator>();
    const QString Name = Code == "zh" ? QStringLiteral("qtbase_zh_CN")
                                      : QStringLiteral("qtbase_") + QString::fromStdString(Code);
    if (!T->load(Name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return nullptr;
    return T;
}

}  // namespace

std::string TQtTranslator::Translate(std::string_view Context, std::string_view Source) const {
    const std::string C(Context);
    const std::string S(Source);
    return QCoreApplication::translate(C.c_str(), S.c_str()).toStdString();
}

const TTranslator& QtTexts() {
    static const TQtTranslator Texts;
    return Texts;
}

std::string InstallLanguage(std::string_view Code) {
    TInstalled& State = Installed();
    std::string Chosen = IsKnownLanguage(Code) ? std::string(Code) : std::string(kDefaultLanguage);
    std::unique_ptr<QTranslator> Program;
    if (Chosen != kDefaultLanguage) {
        Program = std::make_unique<QTranslator>();
        if (!Program->load(QStringLiteral(":/i18n/xvexoview_") + QString::fromStdString(Chosen))) {
            Program.reset();
            Chosen = std::string(kDefaultLanguage);
        }
    }
    for (std::unique_ptr<QTranslator>* Old : {&State.Program, &State.Qt}) {
        if (*Old) QCoreApplication::removeTranslator(Old->get());
        Old->reset();
    }
    State.Qt = LoadQtTranslations(Chosen);
    if (State.Qt) QCoreApplication::installTranslator(State.Qt.get());
    State.Program = std::move(Program);
    if (State.Program) QCoreApplication::installTranslator(State.Program.get());
    // Back to the designed texts with nothing to install: the widgets still hear of it.
    if (!State.Qt && !State.Program && QCoreApplication::instance()) {
        QEvent Change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &Change);
    }
    return Chosen;
}

std::string InstalledLanguage() {
    // Each translation translates this marker into its own code, so code in any module of the
    // program (the control library too) reads the language from the translators installed.
    const std::string Code =
        QCoreApplication::translate("Language", "zh", "the code of this translation's language")
            .toStdString();
    return IsKnownLanguage(Code) ? Code : std::string(kDefaultLanguage);
}

}  // namespace xvexo
