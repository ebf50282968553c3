#pragma once
// The board pictures, painted from formulas (no source art): stones with their masks, the wood
// tile and the two edge pictures. Deterministic: the same build writes the same pixels.

#include <QImage>
#include <vector>

namespace xvexo::art {

struct TRgbF {
    float R = 0, G = 0, B = 0;
};

// A stone picture (8-bit palette, the stone on pure black) and its 1-bit mask (black inside the
// stone, white outside) for cell size N.
struct TStonePictures {
    QImage Stone;
    QImage Mask;
};
TStonePictures PaintStone(int N, bool Black);

// The 65 x 243 wood tile (8-bit palette); it tiles without seams in both directions.
QImage PaintWoodTile();
// The mean colour of the wood tile, which stone rims are blended towards.
TRgbF WoodMeanColour();

// The border and shadow picture (24-bit) on a surround colour; Width is 9 ("BEDGE") or 10
// ("GEDGE").
QImage PaintEdge(int Width, QRgb Surround);

// Reduces RGB pixels to an 8-bit palette image. Index 0 is pure black and every pixel that is
// exactly black maps to it; the others share the remaining 255 entries (median cut).
QImage QuantizeToIndexed8(int Width, int Height, const std::vector<TRgbF>& Pixels);

}  // namespace xvexo::art
