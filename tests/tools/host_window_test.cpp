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
#include "control/reference_window.h"
#include "control/view_fixture.h"
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

// Each key of the viewer steps the board as its arrow does. The keys go where a keyboard sends
// them: through the window system to the active window, its shortcuts first, then the widget
// that has the focus.
void ExpectKeysStep(TViewerWindow& W, const char* After) {
    const struct {
        Qt::Key Key;
        int Index;
    } Steps[] = {{Qt::Key_Home, 0}, {Qt::Key_Right, 1}, {Qt::Key_PageDown, 6},
                 {Qt::Key_End, 12}, {Qt::Key_Left, 11}, {Qt::Key_PageUp, 6}};
    for (const auto& S : Steps) {
        testing::PressKey(S.Key);
        EXPECT_EQ(W.View().board().MoveIndex(), S.Index)
            << "after " << After << ": " << QKeySequence(S.Key).toString().toStdString();
    }
}

TEST(HostWindow, TheKeysStepTheBoardWhateverWidgetLastTookAClick) {
    TViewerWindow W;
    ShowActive(W);
    // Move 2 carries a diagram of three moves.
    ASSERT_TRUE(W.View().LoadText(
        testing::TagRecord(12, "EV[k]", 2, "(RN[v]PT[3];B[aa];W[as];B[jj])"), kFormatTag));
    TXVexoView& V = W.View();

    QTest::mouseClick(V.MainGoPB, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), V.MainGoPB);
    ExpectKeysStep(W, "a click on the board");

    // The seconds box keeps its Up and Down.
    QTest::mouseClick(V.secondSE, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), V.secondSE);
    ExpectKeysStep(W, "a click on the seconds box");
    testing::PressKey(Qt::Key_Up);
    EXPECT_EQ(V.secondSE->value(), 2);

    // A link opens the reference window, whose keys step its diagram; Escape closes it and the
    // viewer's keys step the viewer's board again, the comment box keeping the focus.
    V.ArrowClick(TXVexoView::kToStart);
    V.ArrowClick(TXVexoView::kForwardOne);
    V.ArrowClick(TXVexoView::kForwardOne);
    ASSERT_TRUE(testing::ClickLink(*V.commentM, QStringLiteral("参考图 2-1")));
    TCHelpForm* Form = V.helpForm();
    ASSERT_NE(Form, nullptr);
    ASSERT_TRUE(testing::WaitForKeyboard(*Form));
    // The diagram plays its one move on the board (the other two lie off it): the window's keys
    // step it, the viewer's stays.
    EXPECT_EQ(Form->model().Board().MoveIndex(), 3);
    const struct {
        Qt::Key Key;
        int Index;
    } DiagramSteps[] = {{Qt::Key_Left, 2}, {Qt::Key_PageDown, 3}, {Qt::Key_Home, 2}};
    for (const auto& S : DiagramSteps) {
        testing::PressKey(S.Key);
        EXPECT_EQ(Form->model().Board().MoveIndex(), S.Index) << S.Key;
    }
    EXPECT_EQ(V.board().MoveIndex(), 2);
    testing::PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Form->isHidden());
    ASSERT_TRUE(testing::WaitForKeyboard(W));
    EXPECT_EQ(QApplication::focusWidget(), V.commentM);
    ExpectKeysStep(W, "a link, then Escape");
    // The viewer made active again while the window stays open.
    V.ArrowClick(TXVexoView::kToStart);
    V.ArrowClick(TXVexoView::kForwardOne);
    V.ArrowClick(TXVexoView::kForwardOne);
    ASSERT_TRUE(testing::ClickLink(*V.commentM, QStringLiteral("参考图 2-1")));
    ASSERT_TRUE(testing::WaitForKeyboard(*Form));
    W.activateWindow();
    ASSERT_TRUE(testing::WaitForKeyboard(W));
    ExpectKeysStep(W, "a link, then a return to the viewer");
    EXPECT_EQ(Form->model().Board().MoveIndex(), 3);
    testing::PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Form->isHidden());

    // While the user types in the move box, its editing keys move its cursor; Page Up and Page
    // Down, of no use to it, step the board. Enter sends the number and gives the keys back.
    QTest::mouseClick(V.moveEd, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), V.moveEd);
    testing::TypeKeys("35");
    const struct {
        Qt::Key Key;
        int Cursor;
        int Index;
    } Typing[] = {{Qt::Key_Left, 1, 6}, {Qt::Key_Home, 0, 6},      {Qt::Key_Right, 1, 6},
                  {Qt::Key_End, 2, 6},  {Qt::Key_PageDown, 2, 11}, {Qt::Key_PageUp, 2, 6}};
    for (const auto& T : Typing) {
        testing::PressKey(T.Key);
        EXPECT_EQ(V.moveEd->cursorPosition(), T.Cursor) << T.Key;
        EXPECT_EQ(V.board().MoveIndex(), T.Index) << T.Key;
    }
    testing::PressKey(Qt::Key_Backspace);
    testing::PressKey(Qt::Key_Return);
    EXPECT_EQ(V.board().MoveIndex(), 3);
    ExpectKeysStep(W, "Enter in the move box");

    // A click on a button ends the typing too.
    QTest::mouseClick(V.moveEd, Qt::LeftButton);
    testing::TypeKeys("4");
    QTest::mouseClick(V.ArrowButtons[TXVexoView::kBackOne], Qt::LeftButton);
    EXPECT_EQ(V.board().MoveIndex(), 5);
    EXPECT_NE(QApplication::focusWidget(), V.moveEd);
    ExpectKeysStep(W, "typing, then a click on an arrow");
}

TEST(HostWindow, TheTitleFollowsEveryStepAndSaysWhoPassed) {
    const testing::TLanguageGuard English("en");
    QTemporaryDir Dir;
    const QString Path =
        WriteRecord(Dir, "pass.sgf", "(;GM[1]FF[4]SZ[19]GN[Final];B[pd];W[dp];B[];W[dd])");
    TViewerWindow W;
    ShowActive(W);
    EXPECT_EQ(W.windowTitle(), "XVexoView");
    QString Error;
    ASSERT_TRUE(W.Open(Path, &Error)) << Error.toStdString();
    // A standard SGF record opens at its start.
    EXPECT_EQ(W.windowTitle(), "Final — move 0 / 4, Black to play — pass.sgf");
    testing::PressKey(Qt::Key_End);
    EXPECT_EQ(W.windowTitle(), "Final — move 4 / 4, Black to play — pass.sgf");
    testing::PressKey(Qt::Key_Left);
    EXPECT_EQ(W.windowTitle(), "Final — move 3 / 4 (Black passed), White to play — pass.sgf");
    testing::PressKey(Qt::Key_Home);
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
    testing::PressKey(Qt::Key_End);
    const QString End = "Counted — move 22 / 22 (White passed), Black to play — two_passes.sgf";
    EXPECT_EQ(W.windowTitle(), End);
    EXPECT_TRUE(W.View().commentM->lines().contains("[22] White passes: the game is over."));
    SaveWithTitle(W, "two_passes_end.png");
    for (int i = 0; i < 3; ++i)
        testing::PressKey(Qt::Key_Left);
    EXPECT_EQ(W.windowTitle(), "Counted — move 19 / 22, White to play — two_passes.sgf");
    SaveWithTitle(W, "two_passes_back.png");
    testing::PressKey(Qt::Key_Right);
    testing::PressKey(Qt::Key_Right);
    EXPECT_EQ(W.windowTitle(),
              "Counted — move 21 / 22 (Black passed), White to play — two_passes.sgf");
    testing::PressKey(Qt::Key_Right);
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
