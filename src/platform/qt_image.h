#pragma once
// A picture for the QImage canvas: held as 32-bit RGB so copies are plain word operations.

#include <QImage>

#include "display/canvas.h"

namespace xvexo {

class TQtImage : public TImage {
  public:
    // Converts any format (8-bit palette, 1-bit, 24-bit) to 32-bit RGB.
    explicit TQtImage(const QImage& Source);

    int Width() const override { return Pixels.width(); }
    int Height() const override { return Pixels.height(); }
    const QImage& Image() const { return Pixels; }

  private:
    QImage Pixels;
};

}  // namespace xvexo
