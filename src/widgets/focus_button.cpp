#include "widgets/focus_button.h"

#include <QLinearGradient>
#include <QPainter>

namespace xvexo {

TepFocusButton::TepFocusButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setAttribute(Qt::WA_Hover);
}

void TepFocusButton::setColours(const QColor& top, const QColor& bottom) {
    Top = top;
    Bottom = bottom;
    update();
}

void TepFocusButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top = Top;
    QColor bottom = Bottom;
    if (!isEnabled()) {
        top = top.lighter(105);
        bottom = top;
    } else if (isDown()) {
        std::swap(top, bottom);
    } else if (underMouse()) {
        top = top.lighter(104);
        bottom = bottom.lighter(110);
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QColor(120, 128, 136));
    p.drawRoundedRect(r, 3, 3);
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 60, 60), 1, Qt::DotLine));
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 2, 2);
    }
    p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(150, 150, 150));
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    p.drawText(rect().translated(shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace xvexo
