// The print dialog's form driven like a user: clicks, typing and real focus changes, checked on
// the widgets, the stored options and the dialog's result.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "control/print_dialog.h"
#include "support/memory_registry.h"
#include "widgets/focus_button.h"

namespace xvexo {
namespace {

using testing::TMemoryRegistry;

struct TFormFixture {
    TMemoryRegistry Registry;
    TPrintOptions Options;
    TKelStatus Status{Registry, Options};
    TOwnkFormModel Model{Status};
    std::unique_ptr<TOwnkForm> Form;

    // Opens the dialog for Total moves on a page 4800 x 6600 and waits until it has the focus.
    void Open(int32_t Total, const TPrintOptions& Stored = {}) {
        Options = Stored;
        Model.FormCreate();
        Model.SetGameInfo(Total, TGamePInfo{});
        Model.FormShow(4800, 6600);
        Form = std::make_unique<TOwnkForm>(Model);
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }

    // Clicks into Edit, replaces its text by typing, and leaves it with Tab.
    void Type(QLineEdit* Edit, const QString& Text) {
        QTest::mouseClick(Edit, Qt::LeftButton);
        ASSERT_TRUE(Edit->hasFocus()) << Edit->objectName().toStdString();
        QTest::keyClick(Edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Edit, Text);
        QTest::keyClick(Edit, Qt::Key_Tab);
        ASSERT_FALSE(Edit->hasFocus());
    }
};

class PrintDialogForm : public ::testing::Test, public TFormFixture {};

TEST_F(PrintDialogForm, ShowsTheModelAndFocusesPrint) {
    Open(120, {450, 300, 150, 40, 1, 3});
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("棋谱打印"));
    EXPECT_EQ(Form->size(), QSize(376, 188));
    EXPECT_TRUE(Form->isModal());
    EXPECT_TRUE(Form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(Form->OkBtn->hasFocus());
    EXPECT_EQ(Form->edHeight->text(), QStringLiteral("6600"));
    EXPECT_EQ(Form->edWidth->text(), QStringLiteral("4800"));
    EXPECT_EQ(Form->edTMar->text(), QStringLiteral("450"));
    EXPECT_EQ(Form->edGrid->text(), QStringLiteral("150"));
    EXPECT_EQ(Form->edSPos->text(), QStringLiteral("1"));
    EXPECT_EQ(Form->edEPos->text(), QStringLiteral("120"));
    EXPECT_EQ(Form->edDNum->text(), QStringLiteral("40"));
    EXPECT_EQ(Form->Range->text(), QStringLiteral("共 120 手"));
    EXPECT_EQ(Form->cbNDiv->currentText(), QStringLiteral("2"));
    EXPECT_TRUE(Form->rbSplit->isChecked());
    EXPECT_TRUE(Form->edDNum->isEnabled() && Form->cbNDiv->isEnabled());
    EXPECT_FALSE(Form->edSPos->isEnabled() || Form->edEPos->isEnabled());
}

TEST_F(PrintDialogForm, FieldsAreCheckedWhenTheFocusLeavesThem) {
    struct TCase {
        int32_t Total;
        const char* Radio;  // clicked first: "range" or "split", else nothing
        const char* Field;
        const char* Text;
        const char* Expected;
    };
    const TCase Cases[] = {
        {120, "", "edTMar", "abc", "500"},      {120, "", "edTMar", "150", "200"},
        {120, "", "edTMar", "900", "500"},      {120, "", "edLMar", "399", "399"},
        {120, "", "edLMar", "401", "400"},      {120, "", "edGrid", "400", "210"},
        {120, "", "edGrid", "50", "90"},        {120, "range", "edEPos", "0", "120"},
        {120, "range", "edEPos", "abc", "120"}, {120, "range", "edSPos", "-3", "1"},
        {0, "range", "edSPos", "-3", "-3"},     {0, "split", "edDNum", "5", "0"},
        {120, "split", "edDNum", "0", "1"},     {120, "split", "edDNum", "500", "120"},
        {120, "split", "edDNum", "x", "50"},
    };
    for (const TCase& C : Cases) {
        TFormFixture F;
        F.Open(C.Total);
        if (std::string(C.Radio) == "range") QTest::mouseClick(F.Form->rbRange, Qt::LeftButton);
        if (std::string(C.Radio) == "split") QTest::mouseClick(F.Form->rbSplit, Qt::LeftButton);
        auto* Edit = F.Form->findChild<QLineEdit*>(QString::fromLatin1(C.Field));
        ASSERT_NE(Edit, nullptr);
        F.Type(Edit, QString::fromUtf8(C.Text));
        EXPECT_EQ(Edit->text().toStdString(), C.Expected) << C.Field << " " << C.Text;
    }
}

TEST_F(PrintDialogForm, RangeStartAboveItsEndTakesTheEnd) {
    Open(120);
    QTest::mouseClick(Form->rbRange, Qt::LeftButton);
    Type(Form->edEPos, QStringLiteral("20"));
    Type(Form->edSPos, QStringLiteral("30"));
    EXPECT_EQ(Form->edSPos->text(), QStringLiteral("20"));
}

TEST_F(PrintDialogForm, TotalAfterRangeKeepsTheRangeDisabled) {
    Open(120);
    QTest::mouseClick(Form->rbRange, Qt::LeftButton);
    EXPECT_TRUE(Form->edSPos->isEnabled() && Form->edEPos->isEnabled());
    Type(Form->edSPos, QStringLiteral("30"));
    Type(Form->edEPos, QStringLiteral("80"));
    QTest::mouseClick(Form->rbTotal, Qt::LeftButton);
    EXPECT_TRUE(Form->rbTotal->isChecked());
    EXPECT_EQ(Form->edSPos->text(), QStringLiteral("30"));
    EXPECT_EQ(Form->edEPos->text(), QStringLiteral("80"));
    EXPECT_FALSE(Form->edSPos->isEnabled() || Form->edEPos->isEnabled());
}

TEST_F(PrintDialogForm, NoStoredMethodSelectsNothingAndIsStoredAgain) {
    TPrintOptions O;
    O.method = 4;
    Open(120, O);
    for (QRadioButton* R : {Form->rbTotal, Form->rbRange, Form->rbSplit}) {
        EXPECT_FALSE(R->isChecked());
    }
    EXPECT_FALSE(Form->edSPos->isEnabled() || Form->edEPos->isEnabled() ||
                 Form->edDNum->isEnabled() || Form->cbNDiv->isEnabled());
    QTest::mouseClick(Form->OkBtn, Qt::LeftButton);
    EXPECT_EQ(Form->result(), QDialog::Accepted);
    EXPECT_EQ(Options.method, 4);
    EXPECT_EQ(Registry.ReadString("Software\\KelVexoView\\Print Option Info", "method"), "4");
}

TEST_F(PrintDialogForm, EnterChecksTheFieldBeingEditedThenPrints) {
    Open(120);
    QTest::mouseClick(Form->edTMar, Qt::LeftButton);
    QTest::keyClick(Form->edTMar, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Form->edTMar, QStringLiteral("150"));
    QTest::keyClick(Form->edTMar, Qt::Key_Return);
    EXPECT_EQ(Form->result(), QDialog::Accepted);
    EXPECT_EQ(Model.ModalResult, TModalResult::Ok);
    EXPECT_EQ(Options.tmargin, 200);
    EXPECT_EQ(Registry.ReadString("Software\\KelVexoView\\Print Option Info", "tmargin"), "200");
}

TEST_F(PrintDialogForm, PageChoiceIsStored) {
    Open(120);
    QTest::mouseClick(Form->rbSplit, Qt::LeftButton);
    Form->cbNDiv->setFocus();
    QTest::keyClick(Form->cbNDiv, Qt::Key_Up);
    EXPECT_EQ(Form->cbNDiv->currentIndex(), 1);
    QTest::mouseClick(Form->OkBtn, Qt::LeftButton);
    EXPECT_EQ(Options.perpage, 1);
    EXPECT_EQ(Options.method, 3);
}

TEST_F(PrintDialogForm, CancelAndEscapeStoreNothing) {
    for (bool Escape : {false, true}) {
        TFormFixture F;
        F.Open(120);
        const TMemoryRegistry::TKeys Before = F.Registry.Keys;
        F.Type(F.Form->edTMar, QStringLiteral("300"));
        F.Type(F.Form->edGrid, QStringLiteral("100"));
        if (Escape) {
            QTest::keyClick(F.Form.get(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(F.Form->CCBtn, Qt::LeftButton);
        }
        EXPECT_EQ(F.Form->result(), QDialog::Rejected);
        EXPECT_EQ(F.Model.ModalResult, TModalResult::Cancel);
        EXPECT_EQ(F.Registry.Keys, Before);
        EXPECT_EQ(F.Options.tmargin, 500);
    }
}

TEST_F(PrintDialogForm, SettingsThatCannotBeWrittenAreReportedAndTheDialogStays) {
    Open(120);
    Registry.ReadOnly = true;
    QString Shown;
    QTimer::singleShot(0, [&Shown] {
        if (auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Shown = Box->text();
            Box->accept();
        }
    });
    QTest::mouseClick(Form->OkBtn, Qt::LeftButton);
    const QString Expected =
        QStringLiteral("Failed to create key Print Option Info: The registry cannot be written");
    EXPECT_EQ(Shown, Expected);
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Model.ModalResult, TModalResult::None);

    // A caller may show the error its own way.
    QStringList Errors;
    Form->ShowError = [&Errors](QWidget&, const QString& Text) { Errors << Text; };
    QTest::mouseClick(Form->OkBtn, Qt::LeftButton);
    EXPECT_EQ(Errors, QStringList{Expected});
    EXPECT_TRUE(Form->isVisible());
}

// The dialog as the user sees it, written next to the test program for looking at.
TEST_F(PrintDialogForm, Screenshot) {
    TPrintOptions O;
    O.method = kMethodRange;
    Open(214, O);
    const QImage Shot = Form->grab().toImage();
    EXPECT_EQ(Shot.size(), QSize(376, 188) * Shot.devicePixelRatio());
    EXPECT_TRUE(Shot.save(QStringLiteral(XVEXO_PRINT_DIALOG_PNG)));
}

}  // namespace
}  // namespace xvexo
