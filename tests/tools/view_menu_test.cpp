// The View menu and the keys of the function buttons, driven as a user drives them: every text
// of the main window, the reference window and the print dialog in each language, the
// coordinates of the boards, the settings that keep both across a restart, the letters of
// other lines of play, and the keys shown in the tooltips and the help.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <map>
#include <set>

#include "control/board_box.h"
#include "control/print_dialog.h"
#include "control/reference_window.h"
#include "control/ui_images.h"
#include "platform/language.h"
#include "platform/reg_file_registry.h"
#include "printing/print_dialog_model.h"
#include "support/memory_registry.h"
#include "support/qt/language_guard.h"
#include "support/record_text.h"
#include "support/temp_folder.h"
#include "viewer_window.h"

namespace xvexo {
namespace {

using testing::TLanguageGuard;
using testing::TMemoryRegistry;

// A standard SGF game whose texts are ASCII (its time and handicap the reader writes in words):
// after move 2 two other lines leave the game, at D6 (as the board counts: column 4, row 6) and
// C7.
constexpr const char* kGame =
    "(;GM[1]FF[4]SZ[9]PB[Kim]PW[Lee]GN[Final]KM[6.5]HA[2]TM[5430]RE[B+R]"
    ";B[ee]C[Opening];W[cc]"
    "(;B[gc];W[gg];B[ff])(;B[df];W[gg])(;B[cg]))";

void ShowActive(QWidget& W) {
    W.show();
    W.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&W));
}

// Which scripts a text uses.
struct TScripts {
    bool Han = false, Kana = false, Hangul = false;
};
TScripts ScriptsOf(const QString& Text) {
    TScripts S;
    for (const QChar C : Text) {
        const char16_t U = C.unicode();
        S.Han = S.Han || (U >= 0x4E00 && U <= 0x9FFF);
        S.Kana = S.Kana || (U >= 0x3040 && U <= 0x30FF);
        S.Hangul = S.Hangul || (U >= 0xAC00 && U <= 0xD7AF) || (U >= 0x1100 && U <= 0x11FF);
    }
    return S;
}

// Every text a user reads in the visible widgets under Root (and its menus), by where it is.
void CollectTexts(QWidget& Root, std::map<QString, QString>& Texts) {
    QList<QWidget*> Widgets = Root.findChildren<QWidget*>();
    Widgets.prepend(&Root);
    for (QWidget* W : Widgets) {
        const QString Where = W->objectName().isEmpty()
                                  ? QString::fromLatin1(W->metaObject()->className())
                                  : W->objectName();
        if (W->isWindow()) Texts[Where + QStringLiteral(".title")] = W->windowTitle();
        if (!W->isVisibleTo(&Root) && W != &Root) continue;
        if (!W->toolTip().isEmpty()) Texts[Where + QStringLiteral(".tip")] = W->toolTip();
        if (auto* L = qobject_cast<QLabel*>(W)) Texts[Where + QStringLiteral(".text")] = L->text();
        if (auto* B = qobject_cast<QAbstractButton*>(W))
            Texts[Where + QStringLiteral(".text")] = B->text();
        if (auto* G = qobject_cast<QGroupBox*>(W))
            Texts[Where + QStringLiteral(".text")] = G->title();
    }
    for (QMenu* M : Root.findChildren<QMenu*>()) {
        Texts[QStringLiteral("menu ") + M->objectName() + M->title()] = M->title();
        for (QAction* A : M->actions())
            Texts[QStringLiteral("action ") + M->title() +
                  QString::number(M->actions().indexOf(A))] = A->text();
    }
}

struct TWindows {
    TViewerWindow Window;
    TMemoryRegistry PrintRegistry;
    TPrintOptions Options;
    TKelStatus Status{PrintRegistry, Options};
    TOwnkFormModel PrintModel{Status};
    std::unique_ptr<TOwnkForm> PrintForm;

    TWindows() {
        // As the program starts: the designed Chinese with Qt's own Chinese texts.
        TLanguageGuard::Install("zh");
        ShowActive(Window);
        EXPECT_TRUE(Window.View().LoadText(kGame, kFormatSgf));
        Window.View().ArrowClick(TXVexoView::kForwardOne);
        Window.View().ArrowClick(TXVexoView::kForwardOne);
        PrintModel.FormCreate();
        PrintModel.SetGameInfo(5, TGamePInfo{});
        PrintModel.FormShow(4800, 6600);
        PrintForm = std::make_unique<TOwnkForm>(PrintModel);
        PrintForm->show();
    }
    // A left click on point (Col, Row) of the main board, as the mouse makes it.
    void ClickPoint(int Col, int Row) {
        TBoardBox& Board = *Window.View().MainGoPB;
        const int C = Window.View().painter().CellSize();
        QTest::mouseClick(&Board, Qt::LeftButton, {},
                          QPoint((Col - 1) * C + C / 2, (Row - 1) * C + C / 2));
    }
    std::map<QString, QString> Texts() {
        std::map<QString, QString> T;
        CollectTexts(Window, T);
        if (TCHelpForm* Help = Window.View().helpForm()) CollectTexts(*Help, T);
        CollectTexts(*PrintForm, T);
        return T;
    }
};

TEST(ViewMenu, EveryTextShownIsInTheLanguageChosen) {
    TWindows W;
    // A click on the letter of the first other line opens its diagram in the reference window.
    W.ClickPoint(4, 6);
    ASSERT_NE(W.Window.View().helpForm(), nullptr);
    ASSERT_TRUE(W.Window.View().helpForm()->isVisible());
    EXPECT_EQ(W.Window.View().board().MoveIndex(), 2);

    const std::map<QString, QString> Chinese = W.Texts();
    ASSERT_GT(Chinese.size(), 60u);
    // The language menu names each language in itself: those entries are no text of the
    // interface's language.
    const std::set<QString> LanguageNames = {QStringLiteral("中文"), QStringLiteral("English"),
                                             QStringLiteral("한국어"), QStringLiteral("日本語")};
    for (const char* Code : {"en", "ko", "ja", "zh"}) {
        TLanguageGuard Language(Code);
        EXPECT_EQ(InstalledLanguage(), Code);
        const std::map<QString, QString> Texts = W.Texts();
        int Checked = 0;
        for (const auto& [Where, Text] : Texts) {
            if (Text.isEmpty() || LanguageNames.count(Text)) continue;
            ++Checked;
            const TScripts S = ScriptsOf(Text);
            const std::string Label =
                std::string(Code) + " " + Where.toStdString() + ": " + Text.toStdString();
            const std::string_view C = Code;
            const bool Foreign = C == "en"   ? S.Han || S.Kana || S.Hangul
                                 : C == "ko" ? S.Han || S.Kana
                                 : C == "ja" ? S.Hangul
                                             : S.Kana || S.Hangul;
            EXPECT_FALSE(Foreign) << Label;
            // Japanese shares the Chinese characters: a text of Chinese characters left as the
            // designed Chinese is untranslated.
            const auto Same = Chinese.find(Where);
            if (C == "ja" && Same != Chinese.end() && S.Han) {
                EXPECT_NE(Same->second, Text) << Label;
            }
        }
        EXPECT_GT(Checked, 60) << Code;
        // The text buttons show their language's glyph.
        EXPECT_EQ(W.Window.View().testBtn->glyph() == UiImage("TEST"),
                  std::string_view(Code) == "zh")
            << Code;
    }
    // Back in Chinese, everything reads as it did.
    for (const auto& [Where, Text] : W.Texts()) {
        const auto Was = Chinese.find(Where);
        EXPECT_TRUE(Was != Chinese.end() && Was->second == Text)
            << Where.toStdString() << ": " << Text.toStdString();
    }
}

TEST(ViewMenu, TheWindowTitleAndTheModelsTextsFollowTheLanguage) {
    TWindows W;
    TLanguageGuard English("en");
    EXPECT_EQ(W.Window.windowTitle(),
              QStringLiteral("Final — move 2 / 5, Black to play — XVexoView"));
    const TInfoTexts& Info = W.Window.View().model().infoTexts();
    EXPECT_EQ(Info.Lines[2], "Time: 1 h 30 min 30 s");
    EXPECT_EQ(Info.Lines[4], "Komi: 6.5 (2-stone handicap)");
    EXPECT_TRUE(W.Window.View().commentM->lines().last().contains(QStringLiteral("Diagram 2-2")));
    EXPECT_EQ(W.PrintForm->Range->text(), QStringLiteral("5 moves"));
    TLanguageGuard Japanese("ja");
    EXPECT_EQ(W.Window.windowTitle(), QStringLiteral("Final — 2 / 5手、黒番 — XVexoView"));
}

TEST(ViewMenu, CoordinatesFollowTheFormatUntilChosenAndTheMenuSaysWhich) {
    TWindows W;
    TLanguageGuard English("en");
    TViewerWindow& Window = W.Window;
    const auto Shown = [&] { return Window.View().painter().Coordinates(); };
    EXPECT_EQ(Shown(), TCoordinates::Standard);
    emit Window.CoordinatesMenu->aboutToShow();
    EXPECT_EQ(Window.CoordinatesActions[0]->text(),
              QStringLiteral("By the record's &format (now: standard)"));
    EXPECT_TRUE(Window.CoordinatesActions[0]->isChecked());
    ASSERT_TRUE(Window.View().LoadText(testing::TagRecord(3), kFormatTag));
    emit Window.CoordinatesMenu->aboutToShow();
    EXPECT_EQ(Shown(), TCoordinates::Designed);
    EXPECT_EQ(Window.CoordinatesActions[0]->text(),
              QStringLiteral("By the record's &format (now: as designed)"));

    // A choice from the menu holds for every record, the reference window's board too.
    Window.CoordinatesActions[2]->trigger();
    EXPECT_EQ(Shown(), TCoordinates::Standard);
    EXPECT_TRUE(Window.CoordinatesActions[2]->isChecked());
    ASSERT_TRUE(Window.View().LoadText(kGame, kFormatSgf));
    W.Window.View().ArrowClick(TXVexoView::kForwardOne);
    W.Window.View().ArrowClick(TXVexoView::kForwardOne);
    W.ClickPoint(3, 7);
    ASSERT_NE(Window.View().helpForm(), nullptr);
    const TKelGoPB& Help = Window.View().helpForm()->model().Painter();
    EXPECT_EQ(Help.Coordinates(), TCoordinates::Standard);
    EXPECT_EQ(Help.LabelMargin(), kReferenceLabelMargin);
    Window.CoordinatesActions[3]->trigger();
    EXPECT_EQ(Shown(), TCoordinates::None);
    EXPECT_EQ(Help.LabelMargin(), 0);
    Window.CoordinatesActions[0]->trigger();
    EXPECT_EQ(Shown(), TCoordinates::Standard);
}

TEST(ViewMenu, TheChoicesSurviveARestartAndDamagedSettingsFallBack) {
    testing::TTempFolder Folder;
    const std::filesystem::path File = Folder / "user.reg";
    {
        TRegFileRegistry Registry(File);
        TViewerWindow Window;
        Window.SetViewRegistry(&Registry);
        EXPECT_EQ(InstalledLanguage(), "zh");
        Window.LanguageActions[2]->trigger();  // 한국어
        Window.CoordinatesActions[3]->trigger();
        EXPECT_EQ(InstalledLanguage(), "ko");
    }
    TLanguageGuard::Install("zh");
    {
        // The next start reads them back.
        TRegFileRegistry Registry(File);
        TViewerWindow Window;
        Window.SetViewRegistry(&Registry);
        EXPECT_EQ(InstalledLanguage(), "ko");
        EXPECT_EQ(Window.View().painter().Coordinates(), TCoordinates::None);
        EXPECT_TRUE(Window.LanguageActions[2]->isChecked());
        EXPECT_TRUE(Window.CoordinatesActions[3]->isChecked());
        EXPECT_EQ(Window.FileMenu->title(), QStringLiteral("파일(&F)"));
        Registry.WriteString(TViewSettings::kViewKey, TViewSettings::kLanguageValue, "klingon");
        Registry.WriteString(TViewSettings::kViewKey, TViewSettings::kCoordinatesValue, "\x01x");
    }
    {
        TRegFileRegistry Registry(File);
        TViewerWindow Window;
        Window.SetViewRegistry(&Registry);
        EXPECT_EQ(InstalledLanguage(), "zh");
        EXPECT_TRUE(Window.CoordinatesActions[0]->isChecked());
        EXPECT_EQ(Window.View().painter().Coordinates(), TCoordinates::Designed);
    }
    // A settings file that cannot be written keeps the choice for the session and says so.
    TMemoryRegistry ReadOnly;
    ReadOnly.ReadOnly = true;
    QStringList Reports;
    TViewerWindow Window(nullptr, [&Reports](const QString& Text) { Reports << Text; });
    Window.SetViewRegistry(&ReadOnly);
    Window.ChooseLanguage("en");
    EXPECT_EQ(InstalledLanguage(), "en");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QTest::qWait(10);
    ASSERT_EQ(Reports.size(), 1);
    EXPECT_TRUE(Reports[0].startsWith(QStringLiteral("The setting could not be stored")))
        << Reports[0].toStdString();
    TLanguageGuard::Install("zh");
}

TEST(ViewMenu, TheButtonsKeysWorkWhereverTheFocusIsAndTheirTipsAndTheHelpNameThem) {
    TWindows W;
    W.PrintForm->hide();
    TXVexoView& V = W.Window.View();
    ShowActive(W.Window);
    for (QWidget* Focus : {static_cast<QWidget*>(V.commentM), static_cast<QWidget*>(V.secondSE),
                           static_cast<QWidget*>(V.MainGoPB)}) {
        Focus->setFocus();
        QWidget* Target = QApplication::focusWidget();
        ASSERT_NE(Target, nullptr);
        QTest::keyClick(Target, Qt::Key_T, Qt::ControlModifier);
        EXPECT_EQ(V.viewMode(), TXVexoView::kTrial) << Focus->objectName().toStdString();
        QTest::keyClick(Target, Qt::Key_T, Qt::ControlModifier);
        EXPECT_EQ(V.viewMode(), TXVexoView::kViewing);
        QTest::keyClick(Target, Qt::Key_N, Qt::ControlModifier);
        EXPECT_TRUE(V.numbersShown());
        QTest::keyClick(Target, Qt::Key_N, Qt::ControlModifier);
        EXPECT_FALSE(V.numbersShown());
        QTest::keyClick(Target, Qt::Key_R, Qt::ControlModifier);
        EXPECT_TRUE(V.autoEndBtn->isVisible());
        QTest::keyClick(Target, Qt::Key_R, Qt::ControlModifier);
        EXPECT_TRUE(V.autoBtn->isVisible());
    }
    TLanguageGuard English("en");
    EXPECT_EQ(
        V.testBtn->toolTip(),
        QStringLiteral(
            "Try moves: play moves of your own on the board; the record stays as it is (Ctrl+T)"));
    EXPECT_TRUE(V.numBtn->toolTip().endsWith(QStringLiteral("(Ctrl+N)")));
    EXPECT_TRUE(V.autoBtn->toolTip().endsWith(QStringLiteral("(Ctrl+R)")));
    EXPECT_TRUE(V.ArrowButtons[0]->toolTip().endsWith(QStringLiteral("(Home)")));
    // The help lists the keys, none of which the navigation or the menus use, and each button.
    const QString Help = QString::fromStdString(KeysHelpText(QtTexts()));
    for (const char* Line :
         {"Ctrl+T\tstart or end trial play", "Ctrl+N\tshow or hide the move numbers",
          "Ctrl+R\tstart or stop automatic play", "Try moves\t", "Numbers\t", "Auto\t", "Go to\t",
          "Print\topen the print dialog"})
        EXPECT_TRUE(Help.contains(QString::fromUtf8(Line))) << Line;
    std::set<QString> Keys;
    for (const QString& Row : Help.split(QLatin1Char('\n'))) {
        const QString Key = Row.section(QLatin1Char('\t'), 0, 0);
        EXPECT_TRUE(Keys.insert(Key).second) << Key.toStdString();
    }
}

// Pictures to look at (in the build folder): standard coordinates on 9 and 19 lines, the English
// window with the letters of other lines, its reference window and print dialog, and the
// Korean and Japanese windows.
TEST(ViewMenu, PicturesOfTheLanguagesAndCoordinates) {
    const auto Save = [](QWidget& W, const char* Name) {
        EXPECT_TRUE(W.grab().save(QStringLiteral(XVEXO_PICTURES "/") + QLatin1String(Name)));
    };
    TWindows W;
    {
        TLanguageGuard English("en");
        W.Window.View().ArrowClick(TXVexoView::kForwardOne);
        W.Window.View().ArrowClick(TXVexoView::kBackOne);
        Save(W.Window, "view-english-letters.png");
        W.ClickPoint(4, 6);
        ASSERT_NE(W.Window.View().helpForm(), nullptr);
        W.Window.View().helpForm()->model().StepClick(TCHelpFormModel::kForwardOne);
        Save(*W.Window.View().helpForm(), "view-english-reference.png");
        W.Window.View().helpForm()->close();
        Save(*W.PrintForm, "view-english-print.png");
        W.PrintForm->hide();
        ASSERT_TRUE(W.Window.Open(QStringLiteral(XVEXO_RECORDS "/nine.sgf"), nullptr));
        W.Window.View().ArrowClick(TXVexoView::kToEnd);
        Save(W.Window, "view-standard-9.png");
    }
    {
        TLanguageGuard Korean("ko");
        ASSERT_TRUE(W.Window.Open(QStringLiteral(XVEXO_RECORDS "/korean.sgf"), nullptr));
        W.Window.View().ArrowClick(TXVexoView::kToEnd);
        Save(W.Window, "view-korean-standard-19.png");
    }
    TLanguageGuard Japanese("ja");
    W.Window.ChooseCoordinates(TCoordinates::Designed);
    ASSERT_TRUE(W.Window.Open(QStringLiteral(XVEXO_RECORDS "/japanese.sgf"), nullptr));
    W.Window.View().ArrowClick(TXVexoView::kToEnd);
    Save(W.Window, "view-japanese-designed.png");
}

}  // namespace
}  // namespace xvexo
