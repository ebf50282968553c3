#include <algorithm>
#include <cmath>

#include "art.h"

namespace xvexo::art {

// The picture stands for the board's bottom-right corner: the board in the top-left 3 x 5
// pixels, its right side from column 3 and its bottom side from row 5. Column 3 and row 5 are
// the dark edge of the board, the next pixel its shaded side, and beyond it a shadow fades into
// the surround. Row 4 and column 2 are repeated along the whole right and bottom sides, so they
// hold the steady strip; rows 0..3 and columns 0..1 are where the shadow begins.
QImage PaintEdge(int Width, QRgb Surround) {
    constexpr int kHeight = 12;
    const QRgb Board = qRgb(214, 168, 100);
    const QRgb EdgeLine = qRgb(92, 58, 28);
    const QRgb Side = qRgb(150, 103, 52);
    QImage Out(Width, kHeight, QImage::Format_RGB888);
    for (int Y = 0; Y < kHeight; ++Y) {
        for (int X = 0; X < Width; ++X) {
            const int U = X - 3;  // columns right of the board
            const int V = Y - 5;  // rows below the board
            QRgb C = Surround;
            if (U < 0 && V < 0) {
                C = Board;
            } else if ((U == 0 && V <= 1) || (V == 0 && U <= 1)) {
                C = EdgeLine;
            } else if ((U == 1 && V < 1) || (V == 1 && U < 1)) {
                C = Side;
            } else {
                // Shadow cast down and to the right; it starts a little below the top and a
                // little right of the left end, and fades out over five pixels.
                const float DU = static_cast<float>(std::max(U - 2, 0));
                const float DV = static_cast<float>(std::max(V - 2, 0));
                const float D = std::sqrt(DU * DU + DV * DV);
                float A = std::clamp(1.0f - D / 4.5f, 0.0f, 1.0f);
                A = A * A * 0.42f;
                if (V < 0) A *= std::clamp((Y - 0.5f) / 3.0f, 0.0f, 1.0f);
                if (U < 0) A *= std::clamp((X + 0.5f) / 2.5f, 0.0f, 1.0f);
                C = qRgb(static_cast<int>(std::lround(qRed(Surround) * (1 - A))),
                         static_cast<int>(std::lround(qGreen(Surround) * (1 - A))),
                         static_cast<int>(std::lround(qBlue(Surround) * (1 - A))));
            }
            Out.setPixel(X, Y, C);
        }
    }
    return Out;
}

}  // namespace xvexo::art
