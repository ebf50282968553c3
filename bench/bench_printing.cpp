// Printing: building one diagram of 50 moves, and a 300-move record split into diagrams of 50
// moves, four a page, printed to a PDF file.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "platform/fonts.h"
#include "platform/qt_print_surface.h"
#include "printing/diagram_builder.h"
#include "printing/printed_pages.h"
#include "support/random_game.h"

namespace xvexo {
namespace {

TMoveCoords Game(int Count) {
    const testing::TMoveList L = testing::MakeRandomGame(Count);
    TMoveCoords M;
    M.Count = static_cast<int32_t>(L.size());
    for (size_t I = 0; I < L.size(); ++I) {
        M.Coords[I] = {static_cast<uint8_t>(L[I].first), static_cast<uint8_t>(L[I].second)};
    }
    return M;
}

// Moves First..First + 49 of a 300-move game: the moves before are replayed on the engine.
void BM_BuildDiagram50(benchmark::State& State) {
    const TMoveCoords M = Game(300);
    const int32_t First = static_cast<int32_t>(State.range(0));
    for (auto _ : State) {
        LDispGGrid Board, Notes;
        const TBuiltDiagram D = BuildDiagram(25, First, First + 49, 0, M, Board, Notes);
        benchmark::DoNotOptimize(D.Notes.Count);
        benchmark::DoNotOptimize(Board.GetCell(9, 9));
    }
}
BENCHMARK(BM_BuildDiagram50)->Arg(1)->Arg(251)->Unit(benchmark::kMicrosecond);

void BM_PrintSplitFourAPageToPdf(benchmark::State& State) {
    const TMoveCoords M = Game(300);
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("split.pdf"));
    TGamePInfo Info;
    Info.GameTitle = "Benchmark";
    Info.Heading = kPrintHeading;
    for (auto _ : State) {
        auto Surface = TQtPrintSurface::ForPdf(File);
        TPrintJobValues V;
        V.SplitSelected = true;
        V.PerPageIndex = 2;
        V.MovesPerDiagram = 50;
        V.TotalMoves = M.Count;
        V.PageWidth = Surface->PrintableWidth();
        V.PageHeight = Surface->PrintableHeight();
        TPrintJob Job(*Surface, V, Info);
        PrintSplitDiagrams(Job, M, 0);
        benchmark::DoNotOptimize(Surface->PageCount());
    }
}
BENCHMARK(BM_PrintSplitFourAPageToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace xvexo

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication App(argc, argv);
    xvexo::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
