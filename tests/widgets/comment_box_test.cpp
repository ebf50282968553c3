#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

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

}  // namespace
}  // namespace xvexo
