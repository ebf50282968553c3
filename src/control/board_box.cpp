#include "control/board_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "display/go_painter.h"
#include "platform/qimage_canvas.h"

namespace xvexo {

TBoardBox::TBoardBox(QWidget* Parent)
    : QWidget(Parent), Surface(std::make_unique<TQImageCanvas>(1, 1)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(1, 1);
}

TBoardBox::~TBoardBox() = default;

TCanvas& TBoardBox::Canvas() {
    return Surface->Canvas();
}

void TBoardBox::SetClientSize(int Width, int Height) {
    Surface->SetClientSize(Width, Height);
    resize(Width, Height);
}

void TBoardBox::SetBackground(TColour Colour) {
    Surface->SetBackground(Colour);
}

QImage TBoardBox::Picture() const {
    return Surface->Snapshot();
}

void TBoardBox::paintEvent(QPaintEvent* E) {
    // The picture keeps what the painter drew, so a repaint only shows it again.
    QPainter P(this);
    P.drawImage(E->rect().topLeft(), Surface->Snapshot(), E->rect());
}

void TBoardBox::mousePressEvent(QMouseEvent* E) {
    if (!Painter) return;
    TMouseButton Button = TMouseButton::Left;
    if (E->button() == Qt::RightButton)
        Button = TMouseButton::Right;
    else if (E->button() == Qt::MiddleButton)
        Button = TMouseButton::Middle;
    uint32_t Shift = 0;
    if (E->modifiers() & Qt::ShiftModifier) Shift |= kShiftKey;
    if (E->modifiers() & Qt::AltModifier) Shift |= kAltKey;
    if (E->modifiers() & Qt::ControlModifier) Shift |= kCtrlKey;
    const QPoint Pos = E->position().toPoint();
    Painter->MouseDown(Button, Shift, Pos.x(), Pos.y());
}

void TBoardBox::wheelEvent(QWheelEvent* E) {
    if (!OnWheel) {
        E->ignore();
        return;
    }
    // A wheel that only turns sideways steps nothing.
    const int32_t Steps = Wheel.Add(E->angleDelta().y());
    E->accept();
    if (Steps != 0) OnWheel(Steps);
}

}  // namespace xvexo
