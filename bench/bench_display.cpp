// The board painter on the QImage canvas: one cell, a full repaint, and switching image sets.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "display/go_painter.h"
#include "display/image_set_chooser.h"
#include "platform/fonts.h"
#include "platform/qimage_canvas.h"
#include "platform/resource_store.h"

namespace xvexo {
namespace {

// A busy middle-game board: about 230 stones, the last one marked.
TKelGoPB::TStoneGrid BusyPosition() {
    TKelGoPB::TStoneGrid S{};
    for (int R = 0; R < 19; ++R) {
        for (int C = 0; C < 19; ++C) {
            const int H = (R * 7 + C * 13 + R * C) % 11;
            S[R][C] = H < 4 ? 1 : H < 7 ? 2 : 0;
        }
    }
    return S;
}

struct TBoard {
    TResourceStore Store;
    std::unique_ptr<TImage> Base = Store.Load("baseb");
    std::unique_ptr<TImage> Edge = Store.Load("bedge");
    TQImageCanvas Canvas{1, 1};
    TKelGoPB Painter{Canvas, *Base, *Edge};
    explicit TBoard(int C) {
        LoadImageSet(Painter, Store, 19 * C);
        Painter.LoadPosition(BusyPosition());
        Painter.DrawValue(10, 10, false, 501);
    }
};

void BM_SetPoint(benchmark::State& State) {
    TBoard B(static_cast<int>(State.range(0)));
    int I = 0;
    for (auto _ : State) {
        const int Col = I % 19 + 1, Row = I / 19 % 19 + 1;
        B.Painter.SetPoint(static_cast<uint8_t>(I % 3), Col, Row, 0);
        ++I;
    }
}
BENCHMARK(BM_SetPoint)->Arg(24)->Unit(benchmark::kMicrosecond);

void BM_SetPointWithNumber(benchmark::State& State) {
    TBoard B(static_cast<int>(State.range(0)));
    int I = 0;
    for (auto _ : State) {
        const int Col = I % 19 + 1, Row = I / 19 % 19 + 1;
        B.Painter.SetPoint(static_cast<uint8_t>(I % 3), Col, Row, I % 300 + 1);
        ++I;
    }
}
BENCHMARK(BM_SetPointWithNumber)->Arg(24)->Unit(benchmark::kMicrosecond);

void BM_Redraw(benchmark::State& State) {
    TBoard B(static_cast<int>(State.range(0)));
    for (auto _ : State)
        B.Painter.Redraw();
}
BENCHMARK(BM_Redraw)->Arg(24)->Arg(59)->Unit(benchmark::kMicrosecond);

// Every stone numbered, as move-number display shows them.
void BM_RedrawNumbered(benchmark::State& State) {
    TBoard B(static_cast<int>(State.range(0)));
    TKelGoPB::TValueGrid V{};
    for (int R = 0; R < 19; ++R) {
        for (int C = 0; C < 19; ++C)
            V[R][C] = B.Painter.Stone(C + 1, R + 1) ? R * 19 + C + 1 : 0;
    }
    B.Painter.LoadValues(V);
    for (auto _ : State)
        B.Painter.Redraw();
}
BENCHMARK(BM_RedrawNumbered)->Arg(24)->Arg(59)->Unit(benchmark::kMicrosecond);

// Loading the four pictures of another cell size into the painter (the chooser's own work).
void BM_SwitchImageSet(benchmark::State& State) {
    TBoard B(24);
    int N = 24;
    for (auto _ : State) {
        N = N == 24 ? 25 : 24;
        const std::string S = std::to_string(N);
        B.Painter.SetStoneImages(B.Store.Load("bs" + S), B.Store.Load("ws" + S),
                                 B.Store.Load("bm" + S), B.Store.Load("wm" + S));
    }
}
BENCHMARK(BM_SwitchImageSet)->Unit(benchmark::kMicrosecond);

// The same from a fresh store, decoding the four pictures.
void BM_SwitchImageSetUncached(benchmark::State& State) {
    TBoard B(24);
    int N = 24;
    for (auto _ : State) {
        N = N == 58 ? 59 : 58;
        const std::string S = std::to_string(N);
        TResourceStore Fresh;
        B.Painter.SetStoneImages(Fresh.Load("bs" + S), Fresh.Load("ws" + S), Fresh.Load("bm" + S),
                                 Fresh.Load("wm" + S));
    }
}
BENCHMARK(BM_SwitchImageSetUncached)->Unit(benchmark::kMicrosecond);

// The whole chooser: pictures, font fitting and the full repaint at the new size.
void BM_ChooseAndRepaint(benchmark::State& State) {
    TBoard B(24);
    int N = 24;
    for (auto _ : State) {
        N = N == 24 ? 25 : 24;
        LoadImageSet(B.Painter, B.Store, 19 * N);
    }
}
BENCHMARK(BM_ChooseAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace xvexo

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication App(argc, argv);
    xvexo::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
