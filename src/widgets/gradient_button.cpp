#include "widgets/gradient_button.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace xvexo {

TepGradientButton::TepGradientButton(QWidget* Parent) : TepSpeedButton(Parent) {}

void TepGradientButton::setFaceColour(const QColor& C) {
    Face = C;
    update();
}

void TepGradientButton::setActiveFaceColour(const QColor& C) {
    ActiveFace = C;
    update();
}

void TepGradientButton::setActiveTextColour(const QColor& C) {
    ActiveText = C;
    update();
}

void TepGradientButton::setFrameWidth(int W) {
    Frame = std::max(W, 0);
    update();
}

void TepGradientButton::setCaption(const QString& Text) {
    Caption = Text;
    update();
}

void TepGradientButton::paintEvent(QPaintEvent*) {
    QPainter P(this);
    const GlyphState State = glyphState();
    const bool Active = State == Hover || State == Pressed;
    const QColor Base = Active ? ActiveFace : Face;
    // Lighter at the top, darker at the foot; a pressed face is lit from below.
    QLinearGradient G(0, 0, 0, height());
    const QColor Light = Base.lighter(112);
    const QColor Dark = Base.darker(106);
    G.setColorAt(0, State == Pressed ? Dark : Light);
    G.setColorAt(1, State == Pressed ? Light : Dark);
    P.fillRect(rect(), G);
    if (Frame > 0) {
        P.setPen(QPen(Base.darker(160), Frame));
        P.setBrush(Qt::NoBrush);
        const int Half = Frame / 2;
        P.drawRect(rect().adjusted(Half, Half, -Half - (Frame % 2), -Half - (Frame % 2)));
    }
    const QPoint Shift = State == Pressed ? QPoint(1, 1) : QPoint();
    const QImage Pic = statePicture(State);
    if (!Pic.isNull()) {
        P.drawImage((width() - Pic.width()) / 2, (height() - Pic.height()) / 2, Pic);
        return;
    }
    QColor Ink = Active ? ActiveText : palette().color(QPalette::ButtonText);
    if (State == Disabled) Ink = QColor(150, 150, 150);
    P.setPen(Ink);
    P.setFont(font());
    P.drawText(rect().translated(Shift), Qt::AlignCenter, Caption);
}

}  // namespace xvexo
