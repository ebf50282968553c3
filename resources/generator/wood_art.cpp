#include <algorithm>
#include <cmath>
#include <cstdint>

#include "art.h"

namespace xvexo::art {

namespace {

constexpr int kTileWidth = 65;
constexpr int kTileHeight = 243;
constexpr float kTwoPi = 6.2831853f;

// Light and dark ends of the wood's colour ramp (kaya: warm yellow-orange).
const TRgbF kLightWood{240, 198, 128};
const TRgbF kDarkWood{184, 126, 62};

float Hash(uint32_t X, uint32_t Y, uint32_t Seed) {
    uint32_t H = X * 0x8DA6B343u ^ Y * 0xD8163841u ^ Seed * 0xCB1AB31Fu;
    H ^= H >> 13;
    H *= 0x5BD1E995u;
    H ^= H >> 15;
    return static_cast<float>(H & 0xFFFFFFu) / static_cast<float>(0xFFFFFF);
}

// Smooth value noise over [0, 1) x [0, 1), periodic in both, on a CX x CY lattice.
float PeriodicNoise(float U, float V, int CX, int CY, uint32_t Seed) {
    const float FX = U * CX, FY = V * CY;
    const int IX = static_cast<int>(std::floor(FX)), IY = static_cast<int>(std::floor(FY));
    const float TX = FX - IX, TY = FY - IY;
    const float SX = TX * TX * (3 - 2 * TX), SY = TY * TY * (3 - 2 * TY);
    auto At = [&](int I, int J) {
        return Hash(static_cast<uint32_t>(((I % CX) + CX) % CX),
                    static_cast<uint32_t>(((J % CY) + CY) % CY), Seed);
    };
    const float A = At(IX, IY) + (At(IX + 1, IY) - At(IX, IY)) * SX;
    const float B = At(IX, IY + 1) + (At(IX + 1, IY + 1) - At(IX, IY + 1)) * SX;
    return A + (B - A) * SY;
}

// Darkness of the wood at pixel (X, Y): 0 light early wood, 1 dark grain line.
float Darkness(float X, float Y) {
    const float U = X / kTileWidth, V = Y / kTileHeight;
    // Straight grain running down the board, gently wandering; whole periods across the tile.
    const float Wander =
        0.30f * (PeriodicNoise(U, V, 3, 2, 11) - 0.5f) + 0.06f * std::sin(kTwoPi * (V + 0.3f * U));
    const float Phase = U * 7 + Wander + 0.45f * PeriodicNoise(U, V, 4, 1, 29);
    const float Ring = 0.5f + 0.5f * std::sin(kTwoPi * Phase);
    // Late wood is a narrow dark band; its strength varies from line to line.
    const float Strength = 0.55f + 0.45f * PeriodicNoise(U, V, 8, 3, 7);
    float D = std::pow(Ring, 4.0f) * Strength * 0.85f;
    // Fine fibres: thin streaks along the grain.
    D += 0.14f * (PeriodicNoise(U, V, 65, 6, 5) - 0.5f);
    D += 0.08f * (PeriodicNoise(U, V, 32, 27, 17) - 0.5f);
    // Broad, soft changes of tone.
    D += 0.22f * (PeriodicNoise(U, V, 2, 3, 3) - 0.5f);
    return std::clamp(0.28f + D, 0.0f, 1.0f);
}

}  // namespace

QImage PaintWoodTile() {
    QImage Tile(kTileWidth, kTileHeight, QImage::Format_Indexed8);
    QList<QRgb> Ramp;
    for (int I = 0; I < 256; ++I) {
        const float T = I / 255.0f;
        Ramp.push_back(
            qRgb(static_cast<int>(std::lround(kLightWood.R + (kDarkWood.R - kLightWood.R) * T)),
                 static_cast<int>(std::lround(kLightWood.G + (kDarkWood.G - kLightWood.G) * T)),
                 static_cast<int>(std::lround(kLightWood.B + (kDarkWood.B - kLightWood.B) * T))));
    }
    Tile.setColorTable(Ramp);
    for (int Y = 0; Y < kTileHeight; ++Y) {
        uchar* Line = Tile.scanLine(Y);
        for (int X = 0; X < kTileWidth; ++X) {
            // Four samples per pixel smooth the finest streaks.
            float D = 0;
            for (float OY : {0.25f, 0.75f}) {
                for (float OX : {0.25f, 0.75f})
                    D += Darkness(X + OX, Y + OY);
            }
            Line[X] = static_cast<uchar>(std::lround(D / 4 * 255));
        }
    }
    return Tile;
}

TRgbF WoodMeanColour() {
    static const TRgbF Mean = [] {
        const QImage Tile = PaintWoodTile();
        double R = 0, G = 0, B = 0;
        for (int Y = 0; Y < Tile.height(); ++Y) {
            for (int X = 0; X < Tile.width(); ++X) {
                const QRgb P = Tile.pixel(X, Y);
                R += qRed(P);
                G += qGreen(P);
                B += qBlue(P);
            }
        }
        const double N = Tile.width() * Tile.height();
        return TRgbF{static_cast<float>(R / N), static_cast<float>(G / N),
                     static_cast<float>(B / N)};
    }();
    return Mean;
}

}  // namespace xvexo::art
