#include <gtest/gtest.h>

#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include "control/print_dialog.h"
#include "control/reference_window.h"
#include "control/view_fixture.h"
#include "platform/qt_print_surface.h"
#include "support/memory_registry.h"
#include "support/record_text.h"
#include "viewer_window.h"

namespace xvexo {
namespace {

// A tag record of Count moves.
std::string Moves(int Count) {
    return testing::TagRecord(Count, "EV[k]");
}

// Writes Bytes to the file at Path.
void WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile F(Path);
    ASSERT_TRUE(F.open(QIODevice::WriteOnly));
    F.write(Bytes);
}

// Drags the local file or folder Path onto the window and drops it there; whether the window
// accepted the drag.
bool DropOnto(TViewerWindow& W, const QString& Path) {
    QMimeData Data;
    Data.setUrls({QUrl::fromLocalFile(Path)});
    QDragEnterEvent Enter(QPoint(5, 5), Qt::CopyAction, &Data, Qt::LeftButton, {});
    QApplication::sendEvent(&W, &Enter);
    QDropEvent Drop(QPointF(5, 5), Qt::CopyAction, &Data, Qt::LeftButton, {});
    QApplication::sendEvent(&W, &Drop);
    return Enter.isAccepted();
}

TEST(ViewerWindow, KeysStepAsTheArrowsDo) {
    TViewerWindow W;
    W.show();
    ASSERT_TRUE(W.View().LoadText(Moves(12), kFormatTag));
    const struct {
        Qt::Key Key;
        int Index;
    } Steps[] = {{Qt::Key_Home, 0},   {Qt::Key_Right, 1}, {Qt::Key_PageDown, 6}, {Qt::Key_Left, 5},
                 {Qt::Key_PageUp, 0}, {Qt::Key_End, 12},  {Qt::Key_Escape, 12}};
    for (const auto& S : Steps) {
        QTest::keyClick(&W, S.Key);
        EXPECT_EQ(W.View().board().MoveIndex(), S.Index) << S.Key;
    }
    // Keys typed into the move box stay there.
    W.View().moveEd->setFocus();
    QTest::keyClick(W.View().moveEd, Qt::Key_Home);
    EXPECT_EQ(W.View().board().MoveIndex(), 12);
}

// Ctrl+P is the print button, also while the move box has the focus.
TEST(ViewerWindow, ThePrintKeyOpensThePrintDialog) {
    testing::TMemoryRegistry Registry;
    TPrintOptions Options;
    TKelStatus Status(Registry, Options);
    int Opened = 0;
    TViewServices S;
    S.PrintStatus = &Status;
    S.Print.OpenPrinter = [] { return std::unique_ptr<TQtPrintSurface>(); };
    S.Print.RunDialog = [&Opened](TOwnkForm& F) {
        ++Opened;
        F.reject();
    };
    TViewerWindow W(nullptr, {}, S);
    W.show();
    ASSERT_TRUE(W.View().LoadText(Moves(12), kFormatTag));
    QTest::keyClick(&W, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Opened, 1);
    W.View().moveEd->setFocus();
    QTest::keyClick(W.View().moveEd, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Opened, 2);
}

TEST(ViewerWindow, DroppedFileIsOpened) {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("dropped.txt");
    WriteFile(Path, QByteArray::fromStdString(Moves(5)));

    TViewerWindow W;
    W.show();
    EXPECT_TRUE(DropOnto(W, Path));
    EXPECT_EQ(W.View().board().MoveIndex(), 5);
    EXPECT_TRUE(W.windowTitle().endsWith("dropped.txt"));
}

TEST(ViewerWindow, AFileThatDoesNotOpenIsReportedAfterTheDrop) {
    QTemporaryDir Dir;
    QStringList Reported;
    TViewerWindow W(nullptr, [&Reported](const QString& E) { Reported << E; });
    W.show();
    ASSERT_TRUE(W.View().LoadText(Moves(4), kFormatTag));
    DropOnto(W, Dir.path());          // a directory is no record
    EXPECT_TRUE(Reported.isEmpty());  // the drop returns before anything is shown
    QApplication::processEvents();
    ASSERT_EQ(Reported.size(), 1);
    EXPECT_TRUE(Reported[0].endsWith("it is a directory"));
    // The game shown before stays usable.
    EXPECT_EQ(W.View().board().MoveIndex(), 4);
    QTest::keyClick(&W, Qt::Key_Home);
    EXPECT_EQ(W.View().board().MoveIndex(), 0);
}

TEST(ViewerWindow, AFileThatHoldsNoRecordIsReportedAndTheGameStays) {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("picture.png");
    WriteFile(Path, "\x89PNG\r\n\x1a\n binary data, no record");

    QStringList Reported;
    TViewerWindow W(nullptr, [&Reported](const QString& E) { Reported << E; });
    W.show();
    ASSERT_TRUE(W.View().LoadText(Moves(6), kFormatTag));
    const QString Title = W.windowTitle();
    QString Error;
    EXPECT_TRUE(W.Open(Path, &Error));  // the load itself did not fail
    QApplication::processEvents();
    ASSERT_EQ(Reported.size(), 1);
    EXPECT_TRUE(Reported[0].contains("picture.png")) << Reported[0].toStdString();
    EXPECT_EQ(W.windowTitle(), Title);
    EXPECT_EQ(W.View().board().MoveIndex(), 6);
}

TEST(ViewerWindow, ALinkOpensTheReferenceWindowAndEscapeClosesIt) {
    TViewerWindow W;
    W.show();
    // Move 2 carries one diagram of one move.
    ASSERT_TRUE(W.View().LoadText(
        testing::TagRecord(3, "EV[k]", 2, "(RN[v]PT[3];B[aa];W[as];B[jj])"), kFormatTag));
    W.View().ArrowClick(TXVexoView::kBackOne);
    ASSERT_TRUE(testing::ClickLink(*W.View().commentM, QStringLiteral("参考图 2-1")));
    TCHelpForm* Form = W.View().helpForm();
    ASSERT_NE(Form, nullptr);
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Form->model().Painter().Value(10, 10), 1);
    // Escape in the viewer closes it; so does Escape in the window itself.
    QTest::keyClick(&W, Qt::Key_Escape);
    EXPECT_TRUE(Form->isHidden());
    EXPECT_EQ(W.View().board().MoveIndex(), 2);
    ASSERT_TRUE(testing::ClickLink(*W.View().commentM, QStringLiteral("参考图 2-1")));
    EXPECT_TRUE(Form->isVisible());
    QTest::keyClick(Form, Qt::Key_Escape);
    EXPECT_TRUE(Form->isHidden());
}

}  // namespace
}  // namespace xvexo
