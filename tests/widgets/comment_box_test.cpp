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

QString Link(const QString& s) {
    return TPlusMemoU::StartKey() + s + TPlusMemoU::StopKey();
}

// Clicks the middle of the first character of the visible text at document position pos.
void ClickAt(TPlusMemoU& m, int pos) {
    QTextCursor c(m.document());
    c.setPosition(pos);
    const QRect r = m.cursorRect(c);
    QTest::mouseClick(m.viewport(), Qt::LeftButton, {}, QPoint(r.right() + 3, r.center().y()));
}

TEST(CommentBox, KeepsALineList) {
    TPlusMemoU m;
    EXPECT_EQ(m.lineCount(), 0);
    m.addLine("first");
    m.addLine("");
    m.addLine(Link("x"));
    EXPECT_EQ(m.lineCount(), 3);
    EXPECT_EQ(m.line(0), "first");
    EXPECT_EQ(m.line(1), "");
    EXPECT_EQ(m.line(2), Link("x"));
    EXPECT_EQ(m.line(3), "");
    EXPECT_EQ(m.line(-1), "");
    EXPECT_EQ(m.text(), "first\n\n" + Link("x"));
    // The keys are not shown.
    EXPECT_EQ(m.toPlainText(), "first\n\nx");
    m.clearLines();
    EXPECT_EQ(m.lineCount(), 0);
    EXPECT_EQ(m.toPlainText(), "");
    EXPECT_TRUE(m.isReadOnly());
}

TEST(CommentBox, ClickOnALinkReportsItsContextWithKeys) {
    TPlusMemoU m;
    m.resize(300, 200);
    m.show();
    m.addLine(Link(""));
    m.addLine("");
    m.addLine("[3] a comment");
    m.addLine("");
    m.addLine(Link("ref 3-1"));
    m.addLine("");
    m.addLine(QString("see ") + Link("ref 3-2") + " here");
    QSignalSpy spy(&m, &TPlusMemoU::contextClicked);

    const QString all = m.text();
    const int firstLink = static_cast<int>(all.indexOf(Link("ref 3-1")));
    const int secondLink = static_cast<int>(all.indexOf(Link("ref 3-2")));

    // Document positions: keys are absent from the document.
    const QString shown = m.toPlainText();
    ClickAt(m, static_cast<int>(shown.indexOf("ref 3-1")) + 1);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toInt(), firstLink);
    EXPECT_EQ(spy[0][1].toInt(), firstLink + 13);
    EXPECT_EQ(m.contextText(spy[0][0].toInt(), spy[0][1].toInt()), "ref 3-1");

    ClickAt(m, static_cast<int>(shown.indexOf("ref 3-2")) + 2);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[1][0].toInt(), secondLink);
    EXPECT_EQ(m.contextText(spy[1][0].toInt(), spy[1][1].toInt()), "ref 3-2");

    // Plain text reports nothing.
    ClickAt(m, static_cast<int>(shown.indexOf("comment")) + 1);
    EXPECT_EQ(spy.count(), 2);
}

TEST(CommentBox, UnmatchedKeysAreHiddenAndMakeNoLink) {
    TPlusMemoU m;
    m.addLine(TPlusMemoU::StartKey() + "open");
    m.addLine("close" + TPlusMemoU::StopKey());
    EXPECT_EQ(m.toPlainText(), "open\nclose");
    EXPECT_EQ(m.contextText(0, 7), "");
    EXPECT_EQ(m.contextText(-5, 100), "");
}

TEST(CommentBox, AVeryLongUnbrokenLineIsLaidOutQuickly) {
    // A comment without a break opportunity (a record of garbage, a long number) must not
    // freeze the box: wrapping it once takes about as long as its length, not its square.
    TPlusMemoU m;
    m.resize(238, 170);
    m.show();
    const QString word(300000, QLatin1Char('x'));
    const auto start = std::chrono::steady_clock::now();
    m.addLine(word);
    m.addLine(QStringLiteral("after ") + Link(QString(200, QLatin1Char('y'))));
    QApplication::processEvents();
    const QImage shot = m.grab().toImage();
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 3.0);
    EXPECT_FALSE(shot.isNull());
    // The line list keeps the text exactly as added; what is shown reads the same.
    EXPECT_EQ(m.line(0), word);
    QString shown = m.toPlainText();
    shown.remove(QChar(0x200B));
    EXPECT_EQ(shown, word + "\nafter " + QString(200, QLatin1Char('y')));
    EXPECT_GT(m.document()->size().height(), 1000);  // wrapped into many lines

    // A line of many millions of characters shows its first million, the list keeps it all.
    const QString huge(8'000'000, QLatin1Char('z'));
    const auto hugeStart = std::chrono::steady_clock::now();
    m.clearLines();
    m.addLine(huge);
    QApplication::processEvents();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - hugeStart).count(),
              5.0);
    EXPECT_EQ(m.line(0), huge);
    EXPECT_EQ(m.toPlainText().remove(QChar(0x200B)), QString(1 << 20, QLatin1Char('z')) + "…");
}

}  // namespace
}  // namespace xvexo
