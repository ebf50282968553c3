#include "widgets/focus_button.h"

#include <QLinearGradient>
#include <QPainter>

namespace xvexo {

TepFocusButton::TepFocusButton(const QString& Text, QWidget* Parent) : QPushButton(Text, Parent) {
    setAttribute(Qt::WA_Hover);
}

void TepFocusButton::setColours(const QColor& TopColour, const QColor& BottomColour) {
    Top = TopColour;
    Bottom = BottomColour;
    update();
}

void TepFocusButton::paintEvent(QPaintEvent*) {
    QPainter P(this);
    P.setRenderHint(QPainter::Antialiasing);
    const QRectF R = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor ShownTop = Top;
    QColor ShownBottom = Bottom;
    if (!isEnabled()) {
        ShownTop = ShownTop.lighter(105);
        ShownBottom = ShownTop;
    } else if (isDown()) {
        std::swap(ShownTop, ShownBottom);
    } else if (underMouse()) {
        ShownTop = ShownTop.lighter(104);
        ShownBottom = ShownBottom.lighter(110);
    }
    QLinearGradient G(R.topLeft(), R.bottomLeft());
    G.setColorAt(0, ShownTop);
    G.setColorAt(1, ShownBottom);
    P.setBrush(G);
    P.setPen(QColor(120, 128, 136));
    P.drawRoundedRect(R, 3, 3);
    if (hasFocus()) {
        P.setBrush(Qt::NoBrush);
        P.setPen(QPen(QColor(60, 60, 60), 1, Qt::DotLine));
        P.drawRoundedRect(R.adjusted(3, 3, -3, -3), 2, 2);
    }
    P.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(150, 150, 150));
    const QPoint Shift = isDown() ? QPoint(1, 1) : QPoint();
    P.drawText(rect().translated(Shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace xvexo
