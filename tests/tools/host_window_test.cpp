// The host window driven as a user drives it: the menu, the wheel over the board, the move box,
// the title and the size the form needs.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "control/board_box.h"
#include "support/memory_registry.h"
#include "support/qt/language_guard.h"
#include "support/record_text.h"
#include "viewer_window.h"

namespace xvexo {
namespace {

QString WriteRecord(const QTemporaryDir& Dir, const QString& Name, const std::string& Text) {
    const QString Path = Dir.filePath(Name);
    QFile F(Path);
    EXPECT_TRUE(F.open(QIODevice::WriteOnly));
    F.write(QByteArray::fromStdString(Text));
    return Path;
}

void Wheel(QWidget& Target, int Delta) {
    const QPointF At(Target.width() / 2.0, Target.height() / 2.0);
    QWheelEvent E(At, Target.mapToGlobal(At), QPoint(), QPoint(0, Delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&Target, &E);
}

// The window shown and active, as a user has it in front of him.
void ShowActive(TViewerWindow& W) {
    W.show();
    W.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&W));
}

TEST(HostWindow, TheWheelOverTheBoardStepsOneMoveANotch) {
    TViewerWindow W;
    W.show();
    ASSERT_TRUE(W.View().LoadText(testing::TagRecord(12), kFormatTag));
    QWidget& Board = *W.View().MainGoPB;
    const struct {
        int Delta;
        int Index;
    } Turns[] = {{120, 11}, {120, 10}, {-120, 11}, {-40, 11}, {-40, 11}, {-40, 12}, {360, 9}};
    for (const auto& T : Turns) {
        Wheel(Board, T.Delta);
        EXPECT_EQ(W.View().board().MoveIndex(), T.Index) << T.Delta;
    }
}

TEST(HostWindow, AfterEnterInTheMoveBoxTheKeysStepTheBoard) {
    TViewerWindow W;
    ShowActive(W);
    ASSERT_TRUE(W.View().LoadText(testing::TagRecord(12), kFormatTag));
    QLineEdit& Box = *W.View().moveEd;
    Box.setFocus();
    QTest::keyClicks(&Box, "5");
    QTest::keyClick(&Box, Qt::Key_Return);
    EXPECT_EQ(W.View().board().MoveIndex(), 5);
    ASSERT_NE(QApplication::focusWidget(), &Box);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(W.View().board().MoveIndex(), 6);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    EXPECT_EQ(W.View().board().MoveIndex(), 0);
}

TEST(HostWindow, TheTitleFollowsEveryStepAndSaysWhoPassed) {
    const testing::TLanguageGuard English("en");
    QTemporaryDir Dir;
    const QString Path =
        WriteRecord(Dir, "pass.sgf", "(;GM[1]FF[4]SZ[19]GN[Final];B[pd];W[dp];B[];W[dd])");
    TViewerWindow W;
    W.show();
    EXPECT_EQ(W.windowTitle(), "XVexoView");
    QString Error;
    ASSERT_TRUE(W.Open(Path, &Error)) << Error.toStdString();
    // A standard SGF record opens at its start.
    EXPECT_EQ(W.windowTitle(), "Final — move 0 / 4, Black to play — pass.sgf");
    QTest::keyClick(&W, Qt::Key_End);
    EXPECT_EQ(W.windowTitle(), "Final — move 4 / 4, Black to play — pass.sgf");
    QTest::keyClick(&W, Qt::Key_Left);
    EXPECT_EQ(W.windowTitle(), "Final — move 3 / 4 (Black passed), White to play — pass.sgf");
    QTest::keyClick(&W, Qt::Key_Home);
    EXPECT_EQ(W.windowTitle(), "Final — move 0 / 4, Black to play — pass.sgf");
    W.View().BoardClick(TMouseButton::Left, 1, 1);  // a click steps as the keys do
    EXPECT_EQ(W.windowTitle(), "Final — move 1 / 4, White to play — pass.sgf");

    // A title of a megabyte is cut short.
    const std::string Long(1 << 20, 'x');
    ASSERT_TRUE(W.View().LoadText("(;GM[1]FF[4]GN[" + Long + "];B[pd])", kFormatSgf));
    EXPECT_EQ(W.windowTitle(), QString(80, 'x') + "… — move 0 / 1, Black to play — pass.sgf");
}

// The window as a picture under a strip that shows its title (the platform draws no frame),
// saved beside the test program.
void SaveWithTitle(TViewerWindow& W, const char* Name) {
    const QImage Shot = W.grab().toImage();
    QImage Picture(Shot.width(), Shot.height() + 28, QImage::Format_RGB32);
    Picture.fill(QColor(60, 60, 60));
    QPainter P(&Picture);
    P.setPen(Qt::white);
    P.drawText(QRect(8, 0, Shot.width() - 16, 28), Qt::AlignVCenter, W.windowTitle());
    P.drawImage(0, 28, Shot);
    P.end();
    EXPECT_TRUE(Picture.save(QStringLiteral(XVEXO_PICTURES "/") + QLatin1String(Name)));
}

TEST(HostWindow, AGameEndingInTwoPassesStepsToEachOfThem) {
    const testing::TLanguageGuard English("en");
    QTemporaryDir Dir;
    const QString Path = WriteRecord(
        Dir, "two_passes.sgf",
        "(;GM[1]FF[4]SZ[9]KM[6.5]PB[Kim]PW[Lee]RE[W+2.5]GN[Counted]\n"
        ";B[ee];W[gc];B[cg];W[gf];B[dc];W[fg];B[eg];W[fh];B[dd];W[hd];B[cc];W[ef]\n"
        ";B[df];W[fe];B[ed];W[fd];B[eh];W[fi];B[ei];W[ff]C[White counts.];B[]C[Black passes.]\n"
        ";W[]C[White passes: the game is over.])");
    TViewerWindow W;
    ShowActive(W);
    QString Error;
    ASSERT_TRUE(W.Open(Path, &Error)) << Error.toStdString();
    QTest::keyClick(&W, Qt::Key_End);
    const QString End = "Counted — move 22 / 22 (White passed), Black to play — two_passes.sgf";
    EXPECT_EQ(W.windowTitle(), End);
    EXPECT_TRUE(W.View().commentM->lines().contains("[22] White passes: the game is over."));
    SaveWithTitle(W, "two_passes_end.png");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&W, Qt::Key_Left);
    EXPECT_EQ(W.windowTitle(), "Counted — move 19 / 22, White to play — two_passes.sgf");
    SaveWithTitle(W, "two_passes_back.png");
    QTest::keyClick(&W, Qt::Key_Right);
    QTest::keyClick(&W, Qt::Key_Right);
    EXPECT_EQ(W.windowTitle(),
              "Counted — move 21 / 22 (Black passed), White to play — two_passes.sgf");
    QTest::keyClick(&W, Qt::Key_Right);
    EXPECT_EQ(W.windowTitle(), End);
    SaveWithTitle(W, "two_passes_again.png");

    // An NGF record's passes after its last stone stand above the board's last move, as
    // specified; the title never shows a move above the total.
    std::vector<std::string> Lines = testing::NgfHeader("0", "90", "3");
    for (const auto& [I, Point] : {std::pair{1, "QE"}, {2, "AA"}, {3, "AA"}})
        Lines.push_back(testing::NgfMove(I, Point));
    ASSERT_TRUE(W.View().LoadText(testing::NgfText(Lines), kFormatNgf));
    EXPECT_EQ(W.View().board().EndIndex(), 1);
    EXPECT_EQ(W.windowTitle(), "Title — move 3 / 3 (Black passed), White to play — two_passes.sgf");
}

TEST(HostWindow, AProblemOpensAtItsStart) {
    const testing::TLanguageGuard English("en");
    TViewerWindow W;
    ShowActive(W);
    QString Error;
    ASSERT_TRUE(W.Open(QStringLiteral(XVEXO_RECORDS "/problem.sgf"), &Error))
        << Error.toStdString();
    EXPECT_EQ(W.View().board().MoveIndex(), 0);
    EXPECT_TRUE(W.windowTitle().startsWith("Life and death — move 0 / 1, Black to play"))
        << W.windowTitle().toStdString();
    EXPECT_TRUE(W.View().commentM->lines().contains("[0] Black to play and live."));
    SaveWithTitle(W, "problem_start.png");
}

TEST(HostWindow, OpenAsksForAFileOfEitherFormatAndOpensIt) {
    const testing::TLanguageGuard English("en");
    QTemporaryDir Dir;
    const QString Path = WriteRecord(Dir, "game.txt", testing::TagRecord(7));
    QStringList Reported;
    TViewerWindow W(nullptr, [&Reported](const QString& E) { Reported << E; });
    QString Filter;
    std::string Answer = QFile::encodeName(Path).toStdString();
    W.SetChooseFile([&](QWidget&, const QString& F) {
        Filter = F;
        return Answer;
    });
    ShowActive(W);
    EXPECT_EQ(W.OpenAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(W.QuitAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QTest::keyClick(&W, Qt::Key_O, Qt::ControlModifier);
    for (const char* Pattern : {"*.sgf", "*.NGF", "*.txt", "*)"})
        EXPECT_TRUE(Filter.contains(Pattern)) << Pattern;
    EXPECT_EQ(W.View().board().MoveIndex(), 7);
    EXPECT_TRUE(W.windowTitle().endsWith("game.txt"));

    // A file that does not open is reported in a box; a cancelled dialog does nothing.
    Answer = QFile::encodeName(Dir.filePath("gone.sgf")).toStdString();
    W.OpenAction->trigger();
    ASSERT_EQ(Reported.size(), 1);
    EXPECT_TRUE(Reported[0].contains("gone.sgf")) << Reported[0].toStdString();
    Answer.clear();
    W.OpenAction->trigger();
    EXPECT_EQ(Reported.size(), 1);
    EXPECT_EQ(W.View().board().MoveIndex(), 7);
}

// The texts of the recent-files menu as it opens.
QStringList RecentTexts(TViewerWindow& W, QList<QAction*>* Actions = nullptr) {
    emit W.RecentMenu->aboutToShow();
    QStringList Texts;
    for (QAction* A : W.RecentMenu->actions()) {
        if (A->isSeparator()) continue;
        Texts << A->text() + (A->isEnabled() ? "" : " [off]");
        if (Actions) *Actions << A;
    }
    return Texts;
}

TEST(HostWindow, RecentFilesAreKeptInTheRegistryAndReopen) {
    const testing::TLanguageGuard English("en");
    QTemporaryDir Dir;
    const QString A = WriteRecord(Dir, "a.txt", testing::TagRecord(3));
    const QString B = WriteRecord(Dir, "b.txt", testing::TagRecord(5));
    testing::TMemoryRegistry Registry;
    {
        TViewerWindow W;
        W.SetRecentRegistry(&Registry);
        EXPECT_EQ(RecentTexts(W), QStringList{"No recent files [off]"});
        QString Error;
        ASSERT_TRUE(W.Open(A, &Error));
        ASSERT_TRUE(W.Open(B, &Error));
        ASSERT_TRUE(W.Open(A, &Error));
    }
    // The next start finds them, the newest first; a file gone since is greyed.
    QFile::remove(B);
    TViewerWindow W;
    W.SetRecentRegistry(&Registry);
    QList<QAction*> Actions;
    EXPECT_EQ(RecentTexts(W, &Actions),
              (QStringList{"&1 a.txt", "&2 b.txt (not found) [off]", "&Clear the List"}));
    ASSERT_TRUE(W.View().LoadText(testing::TagRecord(9), kFormatTag));
    Actions[0]->trigger();
    EXPECT_EQ(W.View().board().MoveIndex(), 3);
    Actions[2]->trigger();
    EXPECT_EQ(RecentTexts(W), QStringList{"No recent files [off]"});

    // A relative path is kept absolute, so the list opens it from any folder.
    const QString Before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Dir.path()));
    QString Error;
    const bool Opened = W.Open("a.txt", &Error);
    QDir::setCurrent(Before);
    ASSERT_TRUE(Opened) << Error.toStdString();
    EXPECT_EQ(TRecentFiles(Registry).Entries(),
              std::vector<std::string>{QFile::encodeName(A).toStdString()});
}

// The visible buttons, boxes and fields of the form, named, in the form's coordinates.
std::vector<std::pair<QString, QRect>> FormControls(TXVexoView& Form) {
    std::vector<std::pair<QString, QRect>> Controls;
    for (QWidget* C : Form.findChildren<QWidget*>()) {
        if (!C->isVisible()) continue;
        if (!qobject_cast<QAbstractButton*>(C) && !qobject_cast<QLineEdit*>(C) &&
            !qobject_cast<QSpinBox*>(C))
            continue;
        // The spin box's own line edit lies inside it.
        if (qobject_cast<QSpinBox*>(C->parentWidget())) continue;
        Controls.emplace_back(C->objectName(), QRect(C->mapTo(&Form, QPoint(0, 0)), C->size()));
    }
    return Controls;
}

// The pairs of controls that overlap, and the controls that leave the form.
QStringList Overlaps(TXVexoView& Form) {
    const auto Controls = FormControls(Form);
    EXPECT_GE(Controls.size(), 12u);  // six arrows, the function buttons, the move box
    QStringList Found;
    for (size_t i = 0; i < Controls.size(); ++i) {
        if (!Form.rect().contains(Controls[i].second)) Found << Controls[i].first + " outside";
        for (size_t j = i + 1; j < Controls.size(); ++j)
            if (Controls[i].second.intersects(Controls[j].second))
                Found << Controls[i].first + " / " + Controls[j].first;
    }
    return Found;
}

// The window cannot be made smaller than the least size at which no button, box or field of
// the form overlaps another or leaves the form; one pixel narrower they would.
TEST(HostWindow, TheLeastSizeIsWhereNothingOverlaps) {
    TViewerWindow W;
    W.show();
    ASSERT_TRUE(W.View().LoadText(testing::TagRecord(12), kFormatTag));
    W.resize(100, 100);
    QApplication::processEvents();
    TXVexoView& Form = W.View();
    EXPECT_EQ(Form.size(), QSize(TXVexoView::kLeastWidth, TXVexoView::kDesignHeight));
    EXPECT_EQ(W.size(), W.minimumSize());
    EXPECT_TRUE(W.MenuBar->isVisible());
    EXPECT_EQ(Overlaps(Form), QStringList());

    Form.setMinimumSize(0, 0);
    Form.resize(TXVexoView::kLeastWidth - 1, TXVexoView::kDesignHeight);
    EXPECT_EQ(Overlaps(Form), QStringList{"testBtn / ArrowButton5"});
}

}  // namespace
}  // namespace xvexo
