#include "widgets/comment_box.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>

namespace xvexo {

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
void TPlusMemoU::appendRendered(const QString& line, int offset) {
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
        c.insertText(before, plain);
        const int start = offset + static_cast<int>(s);
        const int end = offset + static_cast<int>(e) + 3;
        link.setAnchorHref(QStringLiteral("ctx:%1:%2").arg(start).arg(end));
        c.insertText(line.mid(s + 3, e - s - 3), link);
        pos = e + 3;
    }
    QString rest = line.mid(pos);
    rest.remove(QChar(3)).remove(QChar(4));
    c.insertText(rest, plain);
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
