#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <chrono>

#include "widgets/comment_box.h"

namespace xvexo {
namespace {

QString Link(const QString& S) {
    return TPlusMemoU::StartKey() + S + TPlusMemoU::StopKey();
}

// Clicks the middle of the first character of the visible text at document position Pos.
void ClickAt(TPlusMemoU& M, int Pos) {
    QTextCursor C(M.document());
    C.setPosition(Pos);
    const QRect R = M.cursorRect(C);
    QTest::mouseClick(M.viewport(), Qt::LeftButton, {}, QPoint(R.right() + 3, R.center().y()));
}

TEST(CommentBox, KeepsALineList) {
    TPlusMemoU M;
    EXPECT_EQ(M.lineCount(), 0);
    M.addLine("first");
    M.addLine("");
    M.addLine(Link("x"));
    EXPECT_EQ(M.lineCount(), 3);
    EXPECT_EQ(M.line(0), "first");
    EXPECT_EQ(M.line(1), "");
    EXPECT_EQ(M.line(2), Link("x"));
    EXPECT_EQ(M.line(3), "");
    EXPECT_EQ(M.line(-1), "");
    EXPECT_EQ(M.text(), "first\n\n" + Link("x"));
    // The keys are not shown.
    EXPECT_EQ(M.toPlainText(), "first\n\nx");
    M.clearLines();
    EXPECT_EQ(M.lineCount(), 0);
    EXPECT_EQ(M.toPlainText(), "");
    EXPECT_TRUE(M.isReadOnly());
}

TEST(CommentBox, ClickOnALinkReportsItsContextWithKeys) {
    TPlusMemoU M;
    M.resize(300, 200);
    M.show();
    M.addLine(Link(""));
    M.addLine("");
    M.addLine("[3] a comment");
    M.addLine("");
    M.addLine(Link("ref 3-1"));
    M.addLine("");
    M.addLine(QString("see ") + Link("ref 3-2") + " here");
    QSignalSpy Spy(&M, &TPlusMemoU::contextClicked);

    const QString All = M.text();
    const int FirstLink = static_cast<int>(All.indexOf(Link("ref 3-1")));
    const int SecondLink = static_cast<int>(All.indexOf(Link("ref 3-2")));

    // Document positions: keys are absent from the document.
    const QString Shown = M.toPlainText();
    ClickAt(M, static_cast<int>(Shown.indexOf("ref 3-1")) + 1);
    ASSERT_EQ(Spy.count(), 1);
    EXPECT_EQ(Spy[0][0].toInt(), FirstLink);
    EXPECT_EQ(Spy[0][1].toInt(), FirstLink + 13);
    EXPECT_EQ(M.contextText(Spy[0][0].toInt(), Spy[0][1].toInt()), "ref 3-1");

    ClickAt(M, static_cast<int>(Shown.indexOf("ref 3-2")) + 2);
    ASSERT_EQ(Spy.count(), 2);
    EXPECT_EQ(Spy[1][0].toInt(), SecondLink);
    EXPECT_EQ(M.contextText(Spy[1][0].toInt(), Spy[1][1].toInt()), "ref 3-2");

    // Plain text reports nothing.
    ClickAt(M, static_cast<int>(Shown.indexOf("comment")) + 1);
    EXPECT_EQ(Spy.count(), 2);
}

TEST(CommentBox, UnmatchedKeysAreHiddenAndMakeNoLink) {
    TPlusMemoU M;
    M.addLine(TPlusMemoU::StartKey() + "open");
    M.addLine("close" + TPlusMemoU::StopKey());
    EXPECT_EQ(M.toPlainText(), "open\nclose");
    EXPECT_EQ(M.contextText(0, 7), "");
    EXPECT_EQ(M.contextText(-5, 100), "");
}

TEST(CommentBox, AVeryLongUnbrokenLineIsLaidOutQuickly) {
    // A comment without a break opportunity (a record of garbage, a long number) must not
    // freeze the box: wrapping it once takes about as long as its length, not its square.
    TPlusMemoU M;
    M.resize(238, 170);
    M.show();
    const QString Word(300000, QLatin1Char('x'));
    const auto Start = std::chrono::steady_clock::now();
    M.addLine(Word);
    M.addLine(QStringLiteral("after ") + Link(QString(200, QLatin1Char('y'))));
    QApplication::processEvents();
    const QImage Shot = M.grab().toImage();
    const auto Seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    EXPECT_LT(Seconds, 3.0);
    EXPECT_FALSE(Shot.isNull());
    // The line list keeps the text exactly as added; what is shown reads the same.
    EXPECT_EQ(M.line(0), Word);
    QString Shown = M.toPlainText();
    Shown.remove(QChar(0x200B));
    EXPECT_EQ(Shown, Word + "\nafter " + QString(200, QLatin1Char('y')));
    EXPECT_GT(M.document()->size().height(), 1000);  // wrapped into many lines

    // A line of many millions of characters shows its first million, the list keeps it all.
    const QString Huge(8'000'000, QLatin1Char('z'));
    const auto HugeStart = std::chrono::steady_clock::now();
    M.clearLines();
    M.addLine(Huge);
    QApplication::processEvents();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - HugeStart).count(),
              5.0);
    EXPECT_EQ(M.line(0), Huge);
    EXPECT_EQ(M.toPlainText().remove(QChar(0x200B)), QString(1 << 20, QLatin1Char('z')) + "…");
}

}  // namespace
}  // namespace xvexo
