#include "control/field_text.h"

#include <QFontMetrics>

namespace xvexo {

QString ElideText(const QString& Text, qsizetype MaxChars) {
    if (Text.size() <= MaxChars) return Text;
    qsizetype Cut = MaxChars;
    if (Cut > 0 && Text[Cut - 1].isHighSurrogate()) --Cut;
    return Text.left(Cut) + QChar(0x2026);
}

void SetFieldText(QLabel& Label, const QString& Text, int Width) {
    Label.setTextFormat(Qt::PlainText);
    QString Shown = ElideText(Text);
    if (Width > 0) Shown = Label.fontMetrics().elidedText(Shown, Qt::ElideRight, Width);
    Label.setText(Shown);
    Label.setToolTip(Shown.size() == Text.size() ? QString() : Text);
}

}  // namespace xvexo
