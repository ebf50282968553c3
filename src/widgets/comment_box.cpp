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
QString WithBreakOpportunities(const QString& Text) {
    constexpr int kRun = 64;
    QString Out;
    Out.reserve(Text.size() + Text.size() / kRun);
    int Run = 0;
    for (const QChar Ch : Text) {
        Out += Ch;
        if (Ch.isSpace()) {
            Run = 0;
        } else if (++Run >= kRun && !Ch.isHighSurrogate()) {
            Out += QChar(0x200B);
            Run = 0;
        }
    }
    return Out;
}

// The layout of one block grows faster than its length; a line longer than this (a third of a
// million words) is shown up to here and closed by an ellipsis. The line list keeps it whole.
constexpr qsizetype kMaxShownChars = 1 << 20;

}  // namespace

const QString& TPlusMemoU::StartKey() {
    static const QString Key(3, QChar(3));
    return Key;
}

const QString& TPlusMemoU::StopKey() {
    static const QString Key(3, QChar(4));
    return Key;
}

TPlusMemoU::TPlusMemoU(QWidget* Parent) : QTextBrowser(Parent) {
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

void TPlusMemoU::addLine(const QString& Line) {
    const int Offset = Lines.isEmpty() ? 0 : TextLength + 1;
    Lines.push_back(Line);
    TextLength = Offset + static_cast<int>(Line.size());
    appendRendered(Line, Offset);
}

QString TPlusMemoU::line(int I) const {
    if (I < 0 || I >= Lines.size()) return {};
    return Lines[I];
}

QString TPlusMemoU::contextText(int Start, int End) const {
    const QString All = text();
    if (Start < 0 || End > All.size() || End - Start < 6) return {};
    const QString Ctx = All.mid(Start, End - Start);
    if (!Ctx.startsWith(StartKey()) || !Ctx.endsWith(StopKey())) return {};
    return Ctx.mid(3, Ctx.size() - 6);
}

// Appends one line as a block; contexts become anchors whose address carries their positions.
// The key characters themselves are not shown.
void TPlusMemoU::appendRendered(const QString& Whole, int Offset) {
    const bool Cut = Whole.size() > kMaxShownChars;
    const QString Line = Cut ? Whole.left(kMaxShownChars) : Whole;
    QTextCursor C(document());
    C.movePosition(QTextCursor::End);
    if (Lines.size() > 1) C.insertBlock();
    QTextCharFormat PlainFormat;
    QTextCharFormat LinkFormat;
    LinkFormat.setAnchor(true);
    LinkFormat.setForeground(QColor(0, 0, 192));
    LinkFormat.setFontUnderline(true);

    qsizetype Pos = 0;
    while (Pos < Line.size()) {
        const qsizetype S = Line.indexOf(StartKey(), Pos);
        if (S < 0) break;
        const qsizetype E = Line.indexOf(StopKey(), S + 3);
        if (E < 0) break;
        QString Before = Line.mid(Pos, S - Pos);
        Before.remove(QChar(3)).remove(QChar(4));
        C.insertText(WithBreakOpportunities(Before), PlainFormat);
        const int Start = Offset + static_cast<int>(S);
        const int End = Offset + static_cast<int>(E) + 3;
        LinkFormat.setAnchorHref(QStringLiteral("ctx:%1:%2").arg(Start).arg(End));
        C.insertText(WithBreakOpportunities(Line.mid(S + 3, E - S - 3)), LinkFormat);
        Pos = E + 3;
    }
    QString Rest = Line.mid(Pos);
    Rest.remove(QChar(3)).remove(QChar(4));
    C.insertText(WithBreakOpportunities(Rest), PlainFormat);
    if (Cut) C.insertText(QStringLiteral("…"), PlainFormat);
}

void TPlusMemoU::onAnchor(const QUrl& Url) {
    if (Url.scheme() != QLatin1String("ctx")) return;
    const QStringList Parts = Url.path().split(QLatin1Char(':'));
    if (Parts.size() != 2) return;
    bool Ok1 = false;
    bool Ok2 = false;
    const int Start = Parts[0].toInt(&Ok1);
    const int End = Parts[1].toInt(&Ok2);
    if (Ok1 && Ok2) emit contextClicked(Start, End);
}

}  // namespace xvexo
