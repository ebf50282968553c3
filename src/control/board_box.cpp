#include "control/board_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "display/go_painter.h"
#include "platform/qimage_canvas.h"

namespace xvexo {

TBoardBox::TBoardBox(QWidget* parent)
    : QWidget(parent), Surface(std::make_unique<TQImageCanvas>(1, 1)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(1, 1);
}

TBoardBox::~TBoardBox() = default;

TCanvas& TBoardBox::Canvas() {
    return Surface->Canvas();
}

void TBoardBox::SetClientSize(int width, int height) {
    Surface->SetClientSize(width, height);
    resize(width, height);
}

void TBoardBox::SetBackground(TColour colour) {
    Surface->SetBackground(colour);
}

QImage TBoardBox::Picture() const {
    return Surface->Snapshot();
}

void TBoardBox::paintEvent(QPaintEvent* e) {
    // The picture keeps what the painter drew, so a repaint only shows it again.
    QPainter p(this);
    p.drawImage(e->rect().topLeft(), Surface->Snapshot(), e->rect());
}

void TBoardBox::mousePressEvent(QMouseEvent* e) {
    if (!Painter) return;
    TMouseButton button = TMouseButton::Left;
    if (e->button() == Qt::RightButton)
        button = TMouseButton::Right;
    else if (e->button() == Qt::MiddleButton)
        button = TMouseButton::Middle;
    uint32_t shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= kShiftKey;
    if (e->modifiers() & Qt::AltModifier) shift |= kAltKey;
    if (e->modifiers() & Qt::ControlModifier) shift |= kCtrlKey;
    const QPoint pos = e->position().toPoint();
    Painter->MouseDown(button, shift, pos.x(), pos.y());
}

}  // namespace xvexo
