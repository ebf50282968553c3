#include "widgets/image_button.h"

#include <QEnterEvent>
#include <QPainter>

namespace xvexo {

TepSpeedButton::TepSpeedButton(QWidget* Parent) : QAbstractButton(Parent) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void TepSpeedButton::setGlyph(const QImage& Glyph) {
    Strip = Glyph;
    update();
}

void TepSpeedButton::setTransparent(bool On) {
    Transparent = On;
    setAttribute(Qt::WA_NoSystemBackground, On);
    update();
}

void TepSpeedButton::setHeldDown(bool On) {
    HeldDown = On;
    update();
}

TepSpeedButton::GlyphState TepSpeedButton::glyphState() const {
    if (!isEnabled()) return Disabled;
    if (isDown() || HeldDown) return Pressed;
    if (Hovered) return Hover;
    return Idle;
}

QImage TepSpeedButton::statePicture(GlyphState S) const {
    const int W = Strip.width() / 4;
    if (W < 1 || Strip.height() < 1) return {};
    return Strip.copy(static_cast<int>(S) * W, 0, W, Strip.height());
}

QSize TepSpeedButton::sizeHint() const {
    const int W = Strip.width() / 4;
    if (W < 1) return {23, 22};
    return {W, Strip.height()};
}

void TepSpeedButton::paintEvent(QPaintEvent*) {
    QPainter P(this);
    if (!Transparent) P.fillRect(rect(), palette().button());
    const QImage Pic = statePicture(glyphState());
    if (Pic.isNull()) return;
    // Centred without scaling, as the glyph is drawn for the button's size.
    P.drawImage((width() - Pic.width()) / 2, (height() - Pic.height()) / 2, Pic);
}

void TepSpeedButton::enterEvent(QEnterEvent* E) {
    Hovered = true;
    update();
    QAbstractButton::enterEvent(E);
}

void TepSpeedButton::leaveEvent(QEvent* E) {
    Hovered = false;
    update();
    QAbstractButton::leaveEvent(E);
}

void TepSpeedButton::changeEvent(QEvent* E) {
    if (E->type() == QEvent::EnabledChange && !isEnabled()) Hovered = false;
    QAbstractButton::changeEvent(E);
}

void TepSpeedButton::hideEvent(QHideEvent* E) {
    Hovered = false;
    QAbstractButton::hideEvent(E);
}

}  // namespace xvexo
