#include "widgets/image_button.h"

#include <QEnterEvent>
#include <QPainter>

namespace xvexo {

TepSpeedButton::TepSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void TepSpeedButton::setGlyph(const QImage& strip) {
    Strip = strip;
    update();
}

void TepSpeedButton::setTransparent(bool on) {
    Transparent = on;
    setAttribute(Qt::WA_NoSystemBackground, on);
    update();
}

void TepSpeedButton::setHeldDown(bool on) {
    HeldDown = on;
    update();
}

TepSpeedButton::GlyphState TepSpeedButton::glyphState() const {
    if (!isEnabled()) return Disabled;
    if (isDown() || HeldDown) return Pressed;
    if (Hovered) return Hover;
    return Idle;
}

QImage TepSpeedButton::statePicture(GlyphState s) const {
    const int w = Strip.width() / 4;
    if (w < 1 || Strip.height() < 1) return {};
    return Strip.copy(static_cast<int>(s) * w, 0, w, Strip.height());
}

QSize TepSpeedButton::sizeHint() const {
    const int w = Strip.width() / 4;
    if (w < 1) return {23, 22};
    return {w, Strip.height()};
}

void TepSpeedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!Transparent) p.fillRect(rect(), palette().button());
    const QImage pic = statePicture(glyphState());
    if (pic.isNull()) return;
    // Centred without scaling, as the glyph is drawn for the button's size.
    p.drawImage((width() - pic.width()) / 2, (height() - pic.height()) / 2, pic);
}

void TepSpeedButton::enterEvent(QEnterEvent* e) {
    Hovered = true;
    update();
    QAbstractButton::enterEvent(e);
}

void TepSpeedButton::leaveEvent(QEvent* e) {
    Hovered = false;
    update();
    QAbstractButton::leaveEvent(e);
}

void TepSpeedButton::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange && !isEnabled()) Hovered = false;
    QAbstractButton::changeEvent(e);
}

}  // namespace xvexo
