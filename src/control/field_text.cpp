#include "control/field_text.h"

#include <QFontMetrics>

namespace xvexo {

QString ElideText(const QString& Text, qsizetype MaxChars) {
    if (Text.size() <= MaxChars) return Text;
    qsizetype Cut = MaxChars;
    if (Cut > 0 && Text[Cut - 1].isHighSurrogate()) --Cut;
    return Text.left(Cut) + QChar(0x2026);
}

namespace {

// A tooltip shows its plain text on one line per line break: Text broken into lines of at most
// kTipLine characters, at the last blank before the bound where there is one.
QString WrapForTip(const QString& Text) {
    constexpr qsizetype kTipLine = 80;
    QString Out;
    qsizetype From = 0;
    while (Text.size() - From > kTipLine) {
        qsizetype Cut = Text.lastIndexOf(QLatin1Char(' '), From + kTipLine);
        if (Cut <= From) Cut = From + kTipLine;
        Out += Text.mid(From, Cut - From) + QLatin1Char('\n');
        From = Text[Cut] == QLatin1Char(' ') ? Cut + 1 : Cut;
    }
    return Out + Text.mid(From);
}

}  // namespace

void SetFieldText(QLabel& Label, const QString& Text, int Width) {
    Label.setTextFormat(Qt::PlainText);
    QString Shown = ElideText(Text);
    if (Width > 0) Shown = Label.fontMetrics().elidedText(Shown, Qt::ElideRight, Width);
    Label.setText(Shown);
    Label.setToolTip(Shown == Text ? QString() : WrapForTip(Text));
}

}  // namespace xvexo
