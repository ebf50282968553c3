#include <algorithm>
#include <cmath>

#include "art.h"

namespace xvexo::art {

namespace {

struct TVec {
    float X, Y, Z;
};

TVec Normalize(TVec V) {
    const float L = std::sqrt(V.X * V.X + V.Y * V.Y + V.Z * V.Z);
    return {V.X / L, V.Y / L, V.Z / L};
}

float Dot(TVec A, TVec B) {
    return A.X * B.X + A.Y * B.Y + A.Z * B.Z;
}

TRgbF Mix(TRgbF A, TRgbF B, float T) {
    return {A.R + (B.R - A.R) * T, A.G + (B.G - A.G) * T, A.B + (B.B - A.B) * T};
}

TRgbF Scale(TRgbF A, float S) {
    return {A.R * S, A.G * S, A.B * S};
}

TRgbF Add(TRgbF A, TRgbF B) {
    return {A.R + B.R, A.G + B.G, A.B + B.B};
}

// Light from the upper left, a little in front of the board.
const TVec kLight = Normalize({-0.5f, -0.62f, 0.78f});
const TVec kHalf = Normalize({kLight.X, kLight.Y, kLight.Z + 1.0f});

// The colour of the stone surface at (PX, PY) of the unit disc. Stones are flattened domes
// (a lens seen from above): the normal tilts less than a sphere's.
TRgbF ShadeStone(float PX, float PY, bool Black, int N) {
    const float R2 = PX * PX + PY * PY;
    const float H = std::sqrt(std::max(0.0f, 1.0f - R2));
    const TVec Normal = Normalize({PX, PY, H / 0.62f});
    const float Diffuse = std::max(0.0f, Dot(Normal, kLight));
    const float NH = std::max(0.0f, Dot(Normal, kHalf));
    if (Black) {
        // Slate: a dark, slightly blue body with a broad sheen and a small soft highlight, dull
        // enough that a white number written across it stays legible.
        const TRgbF Body{22, 23, 27};
        TRgbF C = Scale(Body, 0.55f + 0.75f * Diffuse);
        const float Sheen = std::pow(NH, 9.0f) * 70.0f;
        const float Spot = std::pow(NH, 70.0f) * 60.0f;
        C = Add(C, TRgbF{Sheen + Spot, Sheen + Spot, Sheen * 1.05f + Spot});
        // A faint reflected light along the lower right rim.
        const float Rim = std::pow(std::max(0.0f, (PX + PY) * 0.7071f), 3.0f) * R2;
        return Add(C, TRgbF{14 * Rim, 15 * Rim, 18 * Rim});
    }
    // Shell: warm white, cool grey in shade, fine curved growth lines of the shell.
    const TRgbF Lit{246, 243, 234};
    const TRgbF Shaded{150, 156, 168};
    const float Light = std::clamp(0.28f + 0.85f * Diffuse, 0.0f, 1.0f);
    TRgbF C = Mix(Shaded, Lit, std::pow(Light, 0.8f));
    const float Detail = std::clamp((N - 14) / 22.0f, 0.0f, 1.0f);
    if (Detail > 0) {
        const float Phase = (PY + 0.22f * PX * PX + 0.05f * PX) * (4.5f + N * 0.16f);
        const float Lines = std::sin(Phase * 6.2831853f) * 0.5f +
                            std::sin(Phase * 2.3f * 6.2831853f + 1.3f) * 0.25f;
        C = Scale(C, 1.0f + 0.045f * Detail * Lines);
    }
    const float Spot = std::pow(NH, 40.0f) * 40.0f;
    return Add(C, TRgbF{Spot, Spot, Spot});
}

}  // namespace

TStonePictures PaintStone(int N, bool Black) {
    const float Centre = N / 2.0f;
    const float Radius = N / 2.0f - 0.3f;
    const int Sub = N < 24 ? 8 : 5;  // subsamples per pixel and axis
    const TRgbF Wood = WoodMeanColour();
    // A soft shadow cast down and to the right; it shows in the cell's lower right corner.
    const bool Shadow = N >= 14;
    const float ShadowShift = 0.07f * N;
    const float ShadowSoftness = std::max(1.0f, 0.1f * N);

    std::vector<TRgbF> Pixels(static_cast<size_t>(N * N));
    QImage Mask(N, N, QImage::Format_Mono);
    Mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    Mask.fill(1);
    for (int Y = 0; Y < N; ++Y) {
        for (int X = 0; X < N; ++X) {
            TRgbF Sum;
            int Inside = 0;
            float Shade = 0;
            for (int SY = 0; SY < Sub; ++SY) {
                for (int SX = 0; SX < Sub; ++SX) {
                    const float DX = X + (SX + 0.5f) / Sub - Centre;
                    const float DY = Y + (SY + 0.5f) / Sub - Centre;
                    if (Shadow) {
                        const float D = std::hypot(DX - ShadowShift, DY - ShadowShift);
                        Shade += std::clamp((Radius - D) / ShadowSoftness + 0.5f, 0.0f, 1.0f);
                    }
                    const float PX = DX / Radius;
                    const float PY = DY / Radius;
                    if (PX * PX + PY * PY >= 1.0f) continue;
                    Sum = Add(Sum, ShadeStone(PX, PY, Black, N));
                    ++Inside;
                }
            }
            const float Coverage = static_cast<float>(Inside) / (Sub * Sub);
            const float ShadowAlpha = 0.42f * Shade / (Sub * Sub);
            const TRgbF Under = Scale(Wood, 1.0f - ShadowAlpha);
            if (Coverage < 0.5f) {
                // Outside the stone: the board shows, unless the shadow is dark enough to draw.
                if (ShadowAlpha < 0.1f) continue;  // mask white, picture pure black
                Mask.setPixel(X, Y, 0);
                Pixels[static_cast<size_t>(Y * N + X)] =
                    Mix(Under, Scale(Sum, 1.0f / std::max(1, Inside)), Coverage);
                continue;
            }
            Mask.setPixel(X, Y, 0);
            // The rim pixels are blended towards the board, so the edge looks smooth on it.
            const TRgbF Surface = Scale(Sum, 1.0f / static_cast<float>(Inside));
            Pixels[static_cast<size_t>(Y * N + X)] = Mix(Under, Surface, Coverage);
        }
    }
    return {QuantizeToIndexed8(N, N, Pixels), Mask};
}

}  // namespace xvexo::art
