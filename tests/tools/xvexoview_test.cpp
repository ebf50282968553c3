#include <gtest/gtest.h>

#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include "support/record_text.h"
#include "viewer_window.h"

namespace xvexo {
namespace {

// A tag record of count moves.
std::string Moves(int count) {
    return testing::TagRecord(count, "EV[k]");
}

TEST(ViewerWindow, KeysStepAsTheArrowsDo) {
    TViewerWindow w;
    w.show();
    ASSERT_TRUE(w.View().LoadText(Moves(12), kFormatTag));
    const struct {
        Qt::Key Key;
        int Index;
    } steps[] = {{Qt::Key_Home, 0},   {Qt::Key_Right, 1}, {Qt::Key_PageDown, 6}, {Qt::Key_Left, 5},
                 {Qt::Key_PageUp, 0}, {Qt::Key_End, 12},  {Qt::Key_Escape, 12}};
    for (const auto& s : steps) {
        QTest::keyClick(&w, s.Key);
        EXPECT_EQ(w.View().board().MoveIndex(), s.Index) << s.Key;
    }
    // Keys typed into the move box stay there.
    w.View().moveEd->setFocus();
    QTest::keyClick(w.View().moveEd, Qt::Key_Home);
    EXPECT_EQ(w.View().board().MoveIndex(), 12);
}

TEST(ViewerWindow, DroppedFileIsOpened) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dropped.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Moves(5).c_str());
    f.close();

    TViewerWindow w;
    w.show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &drop);
    EXPECT_EQ(w.View().board().MoveIndex(), 5);
    EXPECT_TRUE(w.windowTitle().endsWith("dropped.txt"));
}

TEST(ViewerWindow, AFileThatDoesNotOpenIsReportedAfterTheDrop) {
    QTemporaryDir dir;
    QStringList reported;
    TViewerWindow w(nullptr, [&reported](const QString& e) { reported << e; });
    w.show();
    ASSERT_TRUE(w.View().LoadText(Moves(4), kFormatTag));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir.path())});  // a directory is no record
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &drop);
    EXPECT_TRUE(reported.isEmpty());  // the drop returns before anything is shown
    QApplication::processEvents();
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported[0].endsWith("it is a directory"));
    // The game shown before stays usable.
    EXPECT_EQ(w.View().board().MoveIndex(), 4);
    QTest::keyClick(&w, Qt::Key_Home);
    EXPECT_EQ(w.View().board().MoveIndex(), 0);
}

TEST(ViewerWindow, AFileThatHoldsNoRecordIsReportedAndTheGameStays) {
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.png");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG\r\n\x1a\n binary data, no record");
    f.close();

    QStringList reported;
    TViewerWindow w(nullptr, [&reported](const QString& e) { reported << e; });
    w.show();
    ASSERT_TRUE(w.View().LoadText(Moves(6), kFormatTag));
    const QString title = w.windowTitle();
    QString error;
    EXPECT_TRUE(w.Open(path, &error));  // the load itself did not fail
    QApplication::processEvents();
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported[0].contains("picture.png")) << reported[0].toStdString();
    EXPECT_EQ(w.windowTitle(), title);
    EXPECT_EQ(w.View().board().MoveIndex(), 6);
}

}  // namespace
}  // namespace xvexo
