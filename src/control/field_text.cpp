#include "control/field_text.h"

#include <QFontMetrics>

namespace xvexo {

QString ElideText(const QString& Text, qsizetype MaxChars) {
    if (Text.size() <= MaxChars) return Text;
    return QString::fromStdString(ElideText(Text.toStdString(), static_cast<size_t>(MaxChars)));
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

void SetWrappedFieldText(QLabel& Label, const QString& Text) {
    Label.setTextFormat(Qt::PlainText);
    const QFontMetrics Metrics = Label.fontMetrics();
    const QRect Box = Label.contentsRect();
    const auto Fits = [&](const QString& S) {
        const QRect Need =
            Metrics.boundingRect(QRect(0, 0, Box.width(), 1 << 20), Qt::TextWordWrap, S);
        return Need.width() <= Box.width() && Need.height() <= Box.height();
    };
    QString Shown = ElideText(Text);
    if (!Fits(Shown)) {
        // The longest start that fits with the ellipsis: a binary search over its length.
        qsizetype Low = 0;
        qsizetype High = Shown.size();
        while (Low < High) {
            const qsizetype Mid = (Low + High + 1) / 2;
            if (Fits(ElideText(Shown, Mid))) {
                Low = Mid;
            } else {
                High = Mid - 1;
            }
        }
        // No blank before the ellipsis.
        while (Low > 0 && Shown[Low - 1].isSpace())
            --Low;
        Shown = ElideText(Shown, Low);
    }
    Label.setText(Shown);
    Label.setToolTip(Shown == Text ? QString() : WrapForTip(Text));
}

}  // namespace xvexo
