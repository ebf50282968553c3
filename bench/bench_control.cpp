// Timings of the viewer form: one step forward with its cell painted, opening a 300-move record
// (from its text, and by getFile from a server on 127.0.0.1) up to the first complete picture of
// the board, and opening a reference diagram from its link.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>
#include <string_view>

#include "control/board_box.h"
#include "control/reference_window.h"
#include "control/xvexo_view.h"
#include "local_servers.h"
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

// getFile of the 300-move record from a server on 127.0.0.1 up to the board repainted on screen:
// the proxy lookup, the download, the parse, the apply and the paint.
void BM_GetFile300(benchmark::State& State) {
    const std::string Body = Record300();
    xvexo::testing::TScriptedServer Server(
        [&Body](xvexo::testing::TPeer& P) { P.Send(xvexo::testing::Answer(200, Body)); });
    xvexo::TXVexoView View(nullptr, Silent());
    // No proxy of the machine's settings or environment between us and the server.
    View.Environment = [](const char* Name) -> const char* {
        return std::string_view(Name) == "XVEXOVIEW_REGISTRY" ? "/nonexistent/user.reg" : nullptr;
    };
    View.show();
    const QString Address = QString::fromStdString(Server.Url("/game.txt"));
    for (auto _ : State) {
        if (!View.getFile(Address, 0)) State.SkipWithError("getFile failed");
        View.MainGoPB->repaint();
    }
}
BENCHMARK(BM_GetFile300)->Unit(benchmark::kMillisecond);

// 100 moves, and after move 100 a diagram of 50 further moves (no captures) with two letters.
std::string RecordWithDiagram() {
    using xvexo::testing::QuietMovePoint;
    using xvexo::testing::TagPoint;
    std::string Block = "(RN[v]PT[101]";
    for (int I = 1; I <= 150; ++I) {
        const auto [X, Y] = QuietMovePoint(I);
        Block += std::string(I % 2 == 1 ? ";B[" : ";W[") + TagPoint(X, Y) + "]";
    }
    Block += "L[jja]L[kkb]C[fifty moves])";
    return xvexo::testing::TagRecord(100, "EV[Bench]", 100, Block);
}

// A click on the link 参考图 100-1 up to the window's board painted on screen: the snapshot, the
// window initialised, the position before the diagram loaded and drawn, its 50 moves played and
// drawn, the letters and the comment, at the window's design size (cell 15).
void BM_OpenReferenceDiagram50(benchmark::State& State) {
    xvexo::TXVexoView View(nullptr, Silent());
    View.show();
    View.LoadText(RecordWithDiagram(), xvexo::kFormatTag);
    const QString Text = View.commentM->text();
    const int Start = static_cast<int>(Text.lastIndexOf(xvexo::TPlusMemoU::StartKey()));
    const int End = static_cast<int>(Text.lastIndexOf(xvexo::TPlusMemoU::StopKey())) + 3;
    View.commentMContext(Start, End);
    xvexo::TCHelpForm* Form = View.helpForm();
    if (!Form || Form->model().Board().MoveIndex() != 150) {
        State.SkipWithError("the link did not open the diagram");
        return;
    }
    for (auto _ : State) {
        View.commentMContext(Start, End);
        Form->HelpPB->repaint();
    }
}
BENCHMARK(BM_OpenReferenceDiagram50)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
