#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "control/print_dialog.h"
#include "control/reference_window.h"
#include "control/view_fixture.h"
#include "platform/qt_print_surface.h"
#include "support/full_folder.h"
#include "support/memory_registry.h"
#include "support/record_text.h"
#include "support/temp_folder.h"
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

// Drags Data onto the window and drops it there; whether the window accepted the drag.
bool DropOnto(TViewerWindow& W, const QMimeData& Data) {
    QDragEnterEvent Enter(QPoint(5, 5), Qt::CopyAction, &Data, Qt::LeftButton, {});
    QApplication::sendEvent(&W, &Enter);
    QDropEvent Drop(QPointF(5, 5), Qt::CopyAction, &Data, Qt::LeftButton, {});
    QApplication::sendEvent(&W, &Drop);
    return Enter.isAccepted();
}
// Drags the local file or folder Path onto the window and drops it there.
bool DropOnto(TViewerWindow& W, const QString& Path) {
    QMimeData Data;
    Data.setUrls({QUrl::fromLocalFile(Path)});
    return DropOnto(W, Data);
}

// The window shown and active, as a user has it in front of him.
void ShowActive(TViewerWindow& W) {
    W.show();
    W.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&W));
}

TEST(ViewerWindow, KeysStepAsTheArrowsDo) {
    TViewerWindow W;
    ShowActive(W);
    ASSERT_TRUE(W.View().LoadText(Moves(12), kFormatTag));
    const struct {
        Qt::Key Key;
        int Index;
    } Steps[] = {{Qt::Key_Home, 0},   {Qt::Key_Right, 1}, {Qt::Key_PageDown, 6}, {Qt::Key_Left, 5},
                 {Qt::Key_PageUp, 0}, {Qt::Key_End, 12},  {Qt::Key_Escape, 12}};
    for (const auto& S : Steps) {
        testing::PressKey(S.Key);
        EXPECT_EQ(W.View().board().MoveIndex(), S.Index) << S.Key;
    }
    // Keys typed into the move box stay there.
    W.View().moveEd->setFocus();
    testing::PressKey(Qt::Key_Home);
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
    EXPECT_EQ(W.View().board().MoveIndex(), 0);  // read once the drop has returned
    QApplication::processEvents();
    EXPECT_EQ(W.View().board().MoveIndex(), 5);
    EXPECT_TRUE(W.windowTitle().endsWith("dropped.txt"));
}

TEST(ViewerWindow, AFileThatDoesNotOpenIsReportedAfterTheDrop) {
    QTemporaryDir Dir;
    QStringList Reported;
    TViewerWindow W(nullptr, [&Reported](const QString& E) { Reported << E; });
    ShowActive(W);
    ASSERT_TRUE(W.View().LoadText(Moves(4), kFormatTag));
    DropOnto(W, Dir.path());          // a directory is no record
    EXPECT_TRUE(Reported.isEmpty());  // the drop returns before anything is shown
    QApplication::processEvents();
    ASSERT_EQ(Reported.size(), 1);
    EXPECT_TRUE(Reported[0].endsWith("it is a directory"));
    // The game shown before stays usable.
    EXPECT_EQ(W.View().board().MoveIndex(), 4);
    testing::PressKey(Qt::Key_Home);
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
    ShowActive(W);
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
    W.activateWindow();
    ASSERT_TRUE(testing::WaitForKeyboard(W));
    testing::PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Form->isHidden());
    EXPECT_EQ(W.View().board().MoveIndex(), 2);
    ASSERT_TRUE(testing::ClickLink(*W.View().commentM, QStringLiteral("参考图 2-1")));
    EXPECT_TRUE(Form->isVisible());
    ASSERT_TRUE(testing::WaitForKeyboard(*Form));
    testing::PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Form->isHidden());
}

// Reading sources: a file name that is no valid UTF-8 opens, given as bytes or dropped.
TEST(ViewerWindow, AFileNameOfAnyBytesOpens) {
    const testing::TTempFolder Dir;  // QTemporaryDir cannot remove such names
    const std::string Folder = Dir.Path.string();
    const std::string Name = "\xB6\xD4\xBE\xD6\xFF.txt";
    {
        std::ofstream Out(Folder + "/" + Name, std::ios::binary);
        Out << Moves(7);
    }
    QStringList Reported;
    TViewerWindow W(nullptr, [&Reported](const QString& E) { Reported << E; });
    W.show();
    QString Error;
    ASSERT_TRUE(W.OpenAddress(Folder + "/" + Name, &Error)) << Error.toStdString();
    EXPECT_EQ(W.View().board().MoveIndex(), 7);
    EXPECT_TRUE(W.windowTitle().endsWith(QStringLiteral(".txt")));

    // Dropped: the address as the file manager encodes it, %XX for each byte.
    ASSERT_TRUE(W.View().LoadText(Moves(2), kFormatTag));
    QMimeData Data;
    Data.setData(QStringLiteral("text/uri-list"),
                 QByteArray::fromStdString("file://" + Folder + "/%B6%D4%BE%D6%FF.txt\r\n"));
    EXPECT_TRUE(DropOnto(W, Data));
    QApplication::processEvents();
    EXPECT_EQ(W.View().board().MoveIndex(), 7);
    EXPECT_TRUE(Reported.isEmpty()) << Reported.join(' ').toStdString();
}

// Reading sources: a dropped pipe is read after the drop has returned, so the other program's
// drag never waits for it; its silence then ends in a report.
TEST(ViewerWindow, ADroppedPipeNeverHoldsUpTheDrag) {
    const testing::TTempFolder Dir;
    const std::string Fifo = (Dir / "live.txt").string();
    ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
    QStringList Reported;
    TViewerWindow W(nullptr, [&Reported](const QString& E) { Reported << E; });
    W.View().LocalLimits.Silence = std::chrono::milliseconds(300);
    W.show();
    QElapsedTimer Clock;
    Clock.start();
    EXPECT_TRUE(DropOnto(W, QString::fromStdString(Fifo)));
    EXPECT_LT(Clock.elapsed(), 200);
    QApplication::processEvents();
    EXPECT_EQ(Reported, QStringList{QStringLiteral("Timed out")});
}

// Bounded texts: a megabyte number line reaches the user at once, in a short box.
TEST(ViewerWindow, AHostileRecordIsReportedAtOnceInAShortBox) {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("hostile.NGF");
    WriteFile(Path, QByteArray::fromStdString(testing::NgfText(
                        testing::NgfHeader("\x1b[2J" + std::string(1'000'000, '9')))));
    TViewerWindow W;  // reports in a real message box
    W.show();
    QElapsedTimer Clock;
    Clock.start();
    DropOnto(W, Path);
    QMessageBox* Box = nullptr;
    while (!Box && Clock.elapsed() < 10'000) {
        QApplication::processEvents();
        Box = W.findChild<QMessageBox*>();
    }
    ASSERT_NE(Box, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Box));
    const qint64 Took = Clock.elapsed();
    std::printf("hostile NGF: from the drop to the message box shown %lld ms\n",
                static_cast<long long>(Took));
    EXPECT_LT(Took, 2000);
    EXPECT_EQ(Box->text(), "\"?[2J9999999999999999999999999999...\" is not a decimal number");
    Box->close();
}

// The program, with its exact exit status: an empty address fails as the contract says, as a
// missing file does; a usage error is 2; a name of any bytes opens; a screenshot that cannot
// be written is one line of ours.
TEST(ViewerProgram, AddressesAndScreenshots) {
    const testing::TTempFolder Dir;
    const std::string Folder = Dir.Path.string();
    const std::string Err = Folder + "/err.txt";
    const auto Run = [&](const std::string& Args) {
        const std::string Command = "QT_QPA_PLATFORM=offscreen XVEXOVIEW_REGISTRY='" + Folder +
                                    "/user.reg' '" XVEXOVIEW_PROGRAM "' " + Args + " 2>'" + Err +
                                    "'";
        const int Status = std::system(Command.c_str());
        return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    };
    const auto Errors = [&] {
        std::ifstream In(Err, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(In), {});
    };
    EXPECT_EQ(Run("--screenshot '" + Folder + "/a.png' ''"), 1);
    EXPECT_NE(Errors().find("xvexoview: Empty URL\n"), std::string::npos) << Errors();
    EXPECT_EQ(Run("--screenshot '" + Folder + "/a.png' '" + Folder + "/no-such-record.txt'"), 1);
    EXPECT_NE(Errors().find("/no-such-record.txt: No such file or directory\n"), std::string::npos)
        << Errors();
    EXPECT_EQ(Run("--bogus"), 2);
    EXPECT_EQ(Run("--screenshot '" + Folder + "/a.png' 'javascript:alert(1)'"), 1);
    EXPECT_NE(Errors().find(
                  "xvexoview: Cannot open javascript:alert(1): the scheme \"javascript\" is not "
                  "supported\n"),
              std::string::npos)
        << Errors();

    {
        std::ofstream Out(Folder + "/\xB6\xD4\xFF.NGF", std::ios::binary);
        Out << testing::NgfText(testing::NgfHeader());
    }
    EXPECT_EQ(Run("--screenshot '" + Folder + "/b.png' \"$(printf '" + Folder +
                  "/\\266\\324\\377.NGF')\""),
              0)
        << Errors();
    EXPECT_TRUE(std::filesystem::exists(Dir / "b.png"));

    EXPECT_EQ(Run("--screenshot /dev/full"), 1);
    EXPECT_NE(Errors().find("xvexoview: Cannot write the output: No space left on device\n"),
              std::string::npos)
        << Errors();
    EXPECT_EQ(Errors().find("libpng"), std::string::npos) << Errors();
}

// A screenshot on a disk that fills up: the picture that stood at the path stays whole.
TEST(ViewerProgram, AScreenshotOnAFullDiskLeavesTheOldPicture) {
    testing::TFullFolder Full;
    if (!Full.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here (root only)";
    const testing::TTempFolder Dir;
    testing::WriteBytes(Full / "shot.png", "yesterday's picture");
    Full.Fill();
    const std::string Err = (Dir / "err.txt").string();
    const std::string Command = "QT_QPA_PLATFORM=offscreen XVEXOVIEW_REGISTRY='" +
                                (Dir / "user.reg").string() +
                                "' '" XVEXOVIEW_PROGRAM "' --screenshot '" +
                                (Full / "shot.png").string() + "' 2>'" + Err + "'";
    const int Status = std::system(Command.c_str());
    EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 1) << Status;
    EXPECT_NE(testing::ReadBytes(Err).find(
                  "xvexoview: Cannot write the output: No space left on device\n"),
              std::string::npos)
        << testing::ReadBytes(Err);
    EXPECT_EQ(testing::ReadBytes(Full / "shot.png"), "yesterday's picture");
}

}  // namespace
}  // namespace xvexo
