#pragma once
// The paint box of the main board: the painter draws into a picture of the box's size, and the
// widget shows that picture and hands mouse presses to the painter.

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "display/canvas.h"
#include "display/wheel_steps.h"

namespace xvexo {

class TKelGoPB;
class TQImageCanvas;

class TBoardBox : public QWidget, private TPaintBox {
    Q_OBJECT
  public:
    explicit TBoardBox(QWidget* Parent = nullptr);
    ~TBoardBox() override;

    // What the painter draws on.
    TPaintBox& PaintBox() { return *this; }
    // The painter that receives mouse presses (not owned; null to detach).
    void SetPainter(TKelGoPB* P) { Painter = P; }
    // The colour a new picture starts with (the panel's, seen through the label margin).
    void SetBackground(TColour Colour) override;
    // A copy of the picture as drawn so far.
    QImage Picture() const;

    // Receives the wheel's whole notches (positive: turned away from the user).
    std::function<void(int32_t Steps)> OnWheel;

  protected:
    void paintEvent(QPaintEvent* E) override;
    void mousePressEvent(QMouseEvent* E) override;
    void wheelEvent(QWheelEvent* E) override;

  private:
    TCanvas& Canvas() override;
    void SetClientSize(int Width, int Height) override;

    std::unique_ptr<TQImageCanvas> Surface;
    TKelGoPB* Painter = nullptr;
    TWheelSteps Wheel;
};

}  // namespace xvexo
