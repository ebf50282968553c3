// The viewer's print button runs the whole print command: the dialog over the viewer, the job to
// the printer or to a PDF file the user names, the progress of a split job, and what the user is
// told. Printers, the file chooser and message boxes are replaced; the dialog is the real form,
// clicked like a user would, and the PDF is read back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "control/print_command.h"
#include "control/print_dialog.h"
#include "control/xvexo_view.h"
#include "pdf_tools.h"
#include "platform/qt_print_surface.h"
#include "support/memory_registry.h"
#include "support/print_fixtures.h"
#include "support/qt/language_guard.h"
#include "support/record_text.h"
#include "widgets/focus_button.h"

namespace xvexo {
namespace {

using testing::PdfPageCount;
using testing::PdfText;
using testing::TMemoryRegistry;

// A viewer whose print command prints into a temporary folder: no printer unless a test gives
// one, the file chooser answers File, and every box is captured.
struct TPrintFixture {
    // The messages read below are the English ones.
    testing::TLanguageGuard English{"en"};
    QTemporaryDir Dir;
    TMemoryRegistry Registry;
    TPrintOptions Options;
    TKelStatus Status{Registry, Options};
    QString File = Dir.filePath(QStringLiteral("game.pdf"));

    QStringList Errors, Notices, Suggested;
    // What a test does with the shown dialog; by default it confirms it.
    std::function<void(TOwnkForm&)> UseDialog = [](TOwnkForm& F) {
        QTest::mouseClick(F.OkBtn, Qt::LeftButton);
    };
    TOwnkForm* Shown = nullptr;
    QWidget* DialogParent = nullptr;
    bool DialogWasModal = false;
    std::function<std::unique_ptr<TQtPrintSurface>()> Printer = [] { return nullptr; };
    std::function<bool(int, int)> Progress;
    std::unique_ptr<TXVexoView> View;

    TPrintServices Services() {
        TPrintServices S;
        S.RunDialog = [this](TOwnkForm& F) {
            Shown = &F;
            DialogParent = F.parentWidget();
            DialogWasModal = F.isModal();
            F.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&F));
            UseDialog(F);
        };
        S.OpenPrinter = [this] { return Printer(); };
        S.ChoosePdfFile = [this](QWidget&, const QString& Proposed) {
            Suggested << Proposed;
            return File;
        };
        S.Progress = [this](int Page, int Pages) { return !Progress || Progress(Page, Pages); };
        S.ShowError = [this](QWidget&, const QString& Text) { Errors << Text; };
        S.ShowNotice = [this](QWidget&, const QString& Text) { Notices << Text; };
        return S;
    }

    // A viewer showing Record (tag format), its print button clicked.
    void PrintFromViewer(const std::string& Record) {
        TViewServices S;
        S.ShowError = [this](QWidget&, const QString& Text) { Errors << "view: " + Text; };
        S.PlayClick = [] {};
        S.Print = Services();
        S.PrintStatus = &Status;
        View = std::make_unique<TXVexoView>(nullptr, S);
        View->show();
        QString Error;
        ASSERT_TRUE(View->LoadText(Record, kFormatTag, &Error)) << Error.toStdString();
        QTest::mouseClick(View->printBtn, Qt::LeftButton);
    }
};

class PrintCommand : public ::testing::Test, public TPrintFixture {};

const std::string kTitle = "第十届大赛 决赛";

std::string Game(int Moves) {
    return testing::TagRecord(Moves, "EV[" + kTitle + "]PB[Lin]BR[七段]PW[Chen]WR[九段]RE[B+R]");
}

TEST_F(PrintCommand, ThePrintButtonOpensTheDialogOverTheViewerAndPrintsToAPdfWithoutPrinter) {
    UseDialog = [this](TOwnkForm& F) {
        EXPECT_EQ(F.edSPos->text(), QStringLiteral("1"));
        EXPECT_EQ(F.edEPos->text(), QStringLiteral("120"));
        EXPECT_EQ(F.Range->text(), QStringLiteral("120 moves"));
        // No printer: the size of an A4 sheet at 600 dots per inch.
        EXPECT_EQ(F.edWidth->text(), QStringLiteral("4958"));
        EXPECT_EQ(F.edHeight->text(), QStringLiteral("7017"));
        EXPECT_TRUE(F.rbTotal->isChecked());
        // The dialog as the print button shows it, written next to the test for looking at.
        EXPECT_TRUE(F.grab().save(QStringLiteral(XVEXO_PRINT_FROM_VIEWER_PNG)));
        QTest::mouseClick(F.OkBtn, Qt::LeftButton);
    };
    PrintFromViewer(Game(120));
    ASSERT_NE(Shown, nullptr);
    EXPECT_EQ(DialogParent, View.get());
    EXPECT_TRUE(DialogWasModal);
    // A file named after the game, proposed in the documents or the home folder.
    ASSERT_EQ(Suggested.size(), 1);
    EXPECT_EQ(QFileInfo(Suggested[0]).fileName(), QString::fromStdString(kTitle + ".pdf"));
    EXPECT_TRUE(QFileInfo(Suggested[0]).dir().exists());
    EXPECT_TRUE(Errors.isEmpty()) << Errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(Notices.isEmpty()) << Notices.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(PdfPageCount(File), 1);
    const QString Text = PdfText(File);
    for (const char* T : {"总谱 : 1 ~ 120", "第十届大赛 决赛", "黑棋 : Lin 七段",
                          "白棋 : Chen 九段", "结果 : B+R"}) {
        EXPECT_TRUE(Text.contains(QString::fromUtf8(T))) << T << "\n" << Text.toStdString();
    }
    // Confirming stored the options.
    EXPECT_EQ(Registry.ReadString("Software\\KelVexoView\\Print Option Info", "method"), "1");
}

TEST_F(PrintCommand, ADefaultPrinterTakesTheJobWithoutAFileChooser) {
    const QString PrinterFile = Dir.filePath(QStringLiteral("printer.pdf"));
    Printer = [&] { return TQtPrintSurface::ForPdf(PrinterFile, QPageSize::Letter); };
    UseDialog = [](TOwnkForm& F) {
        EXPECT_EQ(F.edWidth->text(), QStringLiteral("5100"));
        QTest::mouseClick(F.rbSplit, Qt::LeftButton);
        QTest::mouseClick(F.OkBtn, Qt::LeftButton);
    };
    PrintFromViewer(Game(120));
    EXPECT_TRUE(Suggested.isEmpty());
    EXPECT_FALSE(QFile::exists(File));
    // 50 moves a diagram, four a page.
    EXPECT_EQ(PdfPageCount(PrinterFile), 1);
    EXPECT_TRUE(PdfText(PrinterFile).contains(QStringLiteral("[部分谱 : 101 手 ~ 120 手]")));
    EXPECT_TRUE(Errors.isEmpty() && Notices.isEmpty());
}

TEST_F(PrintCommand, CancellingTheDialogOrTheFileChooserPrintsNothing) {
    UseDialog = [](TOwnkForm& F) { QTest::mouseClick(F.CCBtn, Qt::LeftButton); };
    const int AtStart = Registry.Changes;
    PrintFromViewer(Game(30));
    EXPECT_TRUE(Suggested.isEmpty());
    EXPECT_EQ(Registry.Changes, AtStart);

    // Confirmed, but no file named: the options are stored, nothing is printed.
    UseDialog = [](TOwnkForm& F) { QTest::mouseClick(F.OkBtn, Qt::LeftButton); };
    File.clear();
    const int Before = Registry.Changes;
    QTest::mouseClick(View->printBtn, Qt::LeftButton);
    EXPECT_EQ(Suggested.size(), 1);
    EXPECT_GT(Registry.Changes, Before);
    EXPECT_TRUE(QDir(Dir.path()).isEmpty());
    EXPECT_TRUE(Errors.isEmpty() && Notices.isEmpty());
}

// Without a printer the file chooser's title says why it asks for a file.
TEST_F(PrintCommand, WithoutAPrinterTheFileChooserSaysNoPrinterWasFound) {
    TPrintServices S = Services();
    S.ChoosePdfFile = nullptr;  // the program's own chooser
    QString Title;
    QTimer Poll;
    QObject::connect(&Poll, &QTimer::timeout, [&Title] {
        for (QWidget* W : QApplication::topLevelWidgets()) {
            auto* Chooser = qobject_cast<QFileDialog*>(W);
            if (Chooser != nullptr && Chooser->isVisible()) {
                Title = Chooser->windowTitle();
                Chooser->reject();
            }
        }
    });
    Poll.start(20);
    QWidget Owner;
    RunPrintCommand(Owner, Status, testing::RandomMoves(30), 0, testing::PageInfo(), S);
    EXPECT_EQ(Title, QStringLiteral("No printer was found: save the print as a PDF file"));
    EXPECT_TRUE(QDir(Dir.path()).isEmpty());
    EXPECT_TRUE(Errors.isEmpty() && Notices.isEmpty());
}

TEST_F(PrintCommand, ARecordWithoutMovesSplitPrintsNothingAndSaysSo) {
    Options.method = kMethodSplit;
    PrintFromViewer(Game(0));
    EXPECT_EQ(
        Notices,
        QStringList{QStringLiteral("Nothing was printed: the record has no moves to print.")});
    EXPECT_TRUE(Suggested.isEmpty());
    EXPECT_FALSE(QFile::exists(File));
}

TEST_F(PrintCommand, CancellingASplitJobLeavesNoFile) {
    Options.method = kMethodSplit;
    Options.splitno = 10;
    Options.perpage = 0;
    QStringList Seen;
    Progress = [&Seen](int Page, int Pages) {
        Seen << QStringLiteral("%1/%2").arg(Page).arg(Pages);
        return Page < 2;
    };
    PrintFromViewer(Game(60));
    EXPECT_EQ(Seen, (QStringList{"0/6", "1/6", "2/6"}));
    EXPECT_FALSE(QFile::exists(File));
    EXPECT_EQ(Notices, QStringList{QStringLiteral("Printing was cancelled; no file was written.")});
}

// Without a progress service the command makes its own progress window, which a quick job
// never shows and which is gone afterwards.
TEST_F(PrintCommand, AQuickSplitJobWithItsOwnProgressWindow) {
    Options.method = kMethodSplit;
    Options.splitno = 10;
    Options.perpage = 0;
    TPrintServices S = Services();
    S.Progress = nullptr;
    QWidget Owner;
    TMoveCoords Moves;
    Moves.Count = 120;
    for (int I = 0; I < 120; ++I) {
        const auto [X, Y] = testing::QuietMovePoint(I + 1);
        Moves.Coords[I] = {static_cast<uint8_t>(X), static_cast<uint8_t>(Y)};
    }
    RunPrintCommand(Owner, Status, Moves, 0, TGamePInfo{}, S);
    EXPECT_EQ(PdfPageCount(File), 12);
    EXPECT_TRUE(Errors.isEmpty() && Notices.isEmpty());
    EXPECT_EQ(Owner.findChild<QProgressDialog*>(), nullptr);
}

TEST_F(PrintCommand, AFileThatCannotBeWrittenIsAnErrorNotACrash) {
    File = Dir.filePath(QStringLiteral("no-such-folder/game.pdf"));
    PrintFromViewer(Game(30));
    EXPECT_EQ(Errors, QStringList{QStringLiteral("Printing failed: Cannot write ") + File});
    EXPECT_TRUE(Notices.isEmpty());
}

TEST_F(PrintCommand, OptionsThatCannotBeStoredAreReportedAndTheDialogStays) {
    Registry.ReadOnly = true;
    UseDialog = [this](TOwnkForm& F) {
        QTest::mouseClick(F.OkBtn, Qt::LeftButton);
        EXPECT_TRUE(F.isVisible());
        EXPECT_EQ(Errors, QStringList{QStringLiteral("Failed to create key Print Option Info: "
                                                     "The registry cannot be written")});
        QTest::mouseClick(F.CCBtn, Qt::LeftButton);
    };
    PrintFromViewer(Game(30));
    EXPECT_TRUE(Suggested.isEmpty());
    EXPECT_FALSE(QFile::exists(File));
}

// Moves on occupied points whose notes find no room are printed without their notes, and the
// user is told how many.
TEST_F(PrintCommand, NotesLeftOutAreCounted) {
    // 60 points played three times: more notes than one diagram has room for.
    TMoveCoords Moves;
    Moves.Count = 180;
    for (int I = 0; I < 180; ++I) {
        const int G = I % 60;
        Moves.Coords[I] = {static_cast<uint8_t>(1 + G % 19), static_cast<uint8_t>(1 + G / 19)};
    }
    QWidget Owner;
    RunPrintCommand(Owner, Status, Moves, 0, TGamePInfo{}, Services());
    EXPECT_TRUE(QFile::exists(File));
    ASSERT_EQ(Suggested.size(), 1);
    EXPECT_EQ(QFileInfo(Suggested[0]).fileName(), QStringLiteral("game.pdf"));
    ASSERT_EQ(Notices.size(), 1);
    EXPECT_TRUE(
        Notices[0].startsWith(QStringLiteral("70 of the moves played on points already "
                                             "taken could not be listed")))
        << Notices[0].toStdString();
}

TEST(SuggestedPdfPath, TheTitleMadeFitForAFileName) {
    const QString Folder = QStringLiteral("/home/u/Documents");
    const std::pair<const char*, const char*> Cases[] = {
        {"第十届大赛 决赛", "第十届大赛 决赛.pdf"},
        {"  A/B\\C: \"x\"?  ", "A_B_C_ _x__.pdf"},
        {"Line\nbreak\ttab", "Line break tab.pdf"},
        {"", "game.pdf"},
        {"...", "game.pdf"},
        {"..hidden", "hidden.pdf"},
    };
    for (const auto& [Title, Name] : Cases) {
        EXPECT_EQ(SuggestedPdfPath(QString::fromUtf8(Title), Folder),
                  Folder + QLatin1Char('/') + QString::fromUtf8(Name))
            << Title;
    }
    // Long titles are cut, never inside a character.
    const QString Long = QString(150, QLatin1Char('x'));
    EXPECT_EQ(QFileInfo(SuggestedPdfPath(Long, Folder)).fileName().size(), 104);
    QString Wide = QStringLiteral("a");
    for (int i = 0; i < 60; ++i)
        Wide += QString::fromUcs4(U"\U0001F600");
    const QString Cut = QFileInfo(SuggestedPdfPath(Wide, Folder)).completeBaseName();
    EXPECT_EQ(Cut.size(), 99);
    EXPECT_TRUE(Cut.back().isLowSurrogate());
}

}  // namespace
}  // namespace xvexo
