// Timings of the viewer form: one step forward with its cell painted, and opening a 300-move
// record up to the first complete picture of the board.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "control/board_box.h"
#include "control/xvexo_view.h"
#include "support/record_text.h"

namespace {

using enum xvexo::TXVexoView::TArrowTag;

// 300 moves on distinct points (no captures), with a comment every tenth move.
std::string Record300() {
    return xvexo::testing::TagRecord(300, "EV[Bench]PB[Black]PW[White]", [](int I) {
        return I > 0 && I % 10 == 0 ? "C[comment on move " + std::to_string(I) + "]"
                                    : std::string();
    });
}

xvexo::TViewServices Silent() {
    xvexo::TViewServices S;
    S.PlayClick = [] {};
    S.ShowError = [](QWidget&, const QString&) {};
    return S;
}

// The fourth arrow: one StepForward, its point event paints one cell, the comment is refreshed.
void BM_StepForwardArrow(benchmark::State& State) {
    xvexo::TXVexoView View(nullptr, Silent());
    View.show();
    View.LoadText(Record300(), xvexo::kFormatTag);
    View.ArrowClick(kToStart);
    for (auto _ : State) {
        if (View.board().MoveIndex() >= 300) {
            State.PauseTiming();
            View.ArrowClick(kToStart);
            State.ResumeTiming();
        }
        View.ArrowClick(kForwardOne);
    }
}
BENCHMARK(BM_StepForwardArrow)->Unit(benchmark::kMicrosecond);

// The same step through the button, with the board widget repainted on screen.
void BM_StepForwardArrowShown(benchmark::State& State) {
    xvexo::TXVexoView View(nullptr, Silent());
    View.show();
    View.LoadText(Record300(), xvexo::kFormatTag);
    View.ArrowClick(kToStart);
    for (auto _ : State) {
        if (View.board().MoveIndex() >= 300) {
            State.PauseTiming();
            View.ArrowClick(kToStart);
            State.ResumeTiming();
        }
        View.ArrowButtons[kForwardOne]->click();
        View.MainGoPB->repaint();
    }
}
BENCHMARK(BM_StepForwardArrowShown)->Unit(benchmark::kMicrosecond);

// Parse, apply (labels, 300 moves replayed and drawn) and the board repainted on screen.
void BM_OpenApplyPaint300(benchmark::State& State) {
    xvexo::TXVexoView View(nullptr, Silent());
    View.show();
    const std::string Text = Record300();
    for (auto _ : State) {
        View.LoadText(Text, xvexo::kFormatTag);
        View.MainGoPB->repaint();
    }
}
BENCHMARK(BM_OpenApplyPaint300)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
