#include "widgets/comment_box.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>

namespace xvexo {

namespace {

// The layout looks for a line break to the end of each word it wraps, so a very long word
// costs the square of its length. A zero-width space after every kRun characters without a
// blank gives it a place to break; nothing changes on screen.
QString WithBreakOpportunities(const QString& text) {
    constexpr int kRun = 64;
    QString out;
    out.reserve(text.size() + text.size() / kRun);
    int run = 0;
    for (const QChar ch : text) {
        out += ch;
        if (ch.isSpace()) {
            run = 0;
        } else if (++run >= kRun && !ch.isHighSurrogate()) {
            out += QChar(0x200B);
            run = 0;
        }
    }
    return out;
}

// The layout of one block grows faster than its length; a line longer than this (a third of a
// million words) is shown up to here and closed by an ellipsis. The line list keeps it whole.
constexpr qsizetype kMaxShownChars = 1 << 20;

}  // namespace

const QString& TPlusMemoU::StartKey() {
    static const QString key(3, QChar(3));
    return key;
}

const QString& TPlusMemoU::StopKey() {
    static const QString key(3, QChar(4));
    return key;
}

TPlusMemoU::TPlusMemoU(QWidget* parent) : QTextBrowser(parent) {
    setReadOnly(true);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    connect(this, &QTextBrowser::anchorClicked, this, &TPlusMemoU::onAnchor);
}

void TPlusMemoU::clearLines() {
    Lines.clear();
    TextLength = 0;
    document()->clear();
}

void TPlusMemoU::addLine(const QString& line) {
    const int offset = Lines.isEmpty() ? 0 : TextLength + 1;
    Lines.push_back(line);
    TextLength = offset + static_cast<int>(line.size());
    appendRendered(line, offset);
}

QString TPlusMemoU::line(int i) const {
    if (i < 0 || i >= Lines.size()) return {};
    return Lines[i];
}

QString TPlusMemoU::contextText(int start, int end) const {
    const QString all = text();
    if (start < 0 || end > all.size() || end - start < 6) return {};
    const QString ctx = all.mid(start, end - start);
    if (!ctx.startsWith(StartKey()) || !ctx.endsWith(StopKey())) return {};
    return ctx.mid(3, ctx.size() - 6);
}

// Appends one line as a block; contexts become anchors whose address carries their positions.
// The key characters themselves are not shown.
void TPlusMemoU::appendRendered(const QString& whole, int offset) {
    const bool cut = whole.size() > kMaxShownChars;
    const QString line = cut ? whole.left(kMaxShownChars) : whole;
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    if (Lines.size() > 1) c.insertBlock();
    QTextCharFormat plain;
    QTextCharFormat link;
    link.setAnchor(true);
    link.setForeground(QColor(0, 0, 192));
    link.setFontUnderline(true);

    qsizetype pos = 0;
    while (pos < line.size()) {
        const qsizetype s = line.indexOf(StartKey(), pos);
        if (s < 0) break;
        const qsizetype e = line.indexOf(StopKey(), s + 3);
        if (e < 0) break;
        QString before = line.mid(pos, s - pos);
        before.remove(QChar(3)).remove(QChar(4));
        c.insertText(WithBreakOpportunities(before), plain);
        const int start = offset + static_cast<int>(s);
        const int end = offset + static_cast<int>(e) + 3;
        link.setAnchorHref(QStringLiteral("ctx:%1:%2").arg(start).arg(end));
        c.insertText(WithBreakOpportunities(line.mid(s + 3, e - s - 3)), link);
        pos = e + 3;
    }
    QString rest = line.mid(pos);
    rest.remove(QChar(3)).remove(QChar(4));
    c.insertText(WithBreakOpportunities(rest), plain);
    if (cut) c.insertText(QStringLiteral("…"), plain);
}

void TPlusMemoU::onAnchor(const QUrl& url) {
    if (url.scheme() != QLatin1String("ctx")) return;
    const QStringList parts = url.path().split(QLatin1Char(':'));
    if (parts.size() != 2) return;
    bool ok1 = false;
    bool ok2 = false;
    const int start = parts[0].toInt(&ok1);
    const int end = parts[1].toInt(&ok2);
    if (ok1 && ok2) emit contextClicked(start, end);
}

}  // namespace xvexo
