// Prints a record to PDF files for looking at: the whole record on one page, the record split
// into diagrams of 50 moves four a page, and a range. Usage: print_preview RECORD OUTDIR.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "platform/fonts.h"
#include "platform/qt_print_surface.h"
#include "printing/printed_pages.h"
#include "records/record_loader.h"

using namespace xvexo;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication App(argc, argv);
    InstallFontSubstitutions();
    if (argc != 3) {
        std::fprintf(stderr, "usage: print_preview RECORD OUTDIR\n");
        return 2;
    }
    QFile In(QString::fromLocal8Bit(argv[1]));
    if (!In.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray Bytes = In.readAll();
    auto Record = std::make_unique<TGameRecord>();
    const TLoadResult R = LoadRecordText(*Record, Bytes.toStdString(), FormatForFileName(argv[1]));
    if (R.Failed()) {
        std::fprintf(stderr, "%s\n", R.Error.c_str());
        return 1;
    }
    TNumbering N;
    InitNumbering(N);
    TPosition P;
    InitPosition(19, P);
    auto Board = std::make_unique<TGoBoard>(N, P);
    const uint8_t Handicap = ReplayRecord(*Record, *Board);
    TMoveCoords Moves;
    Board->GetMoveCoords(Board->EndIndex(), Moves);
    const TGamePInfo Info = MakeGamePInfo(*Record, R.Encoding);

    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    struct TJob {
        const char* Name;
        bool Split;
        int PerPageIndex;
        int First, Last;
    };
    const TJob Jobs[] = {{"whole", false, 0, 1, Moves.Count},
                         {"range", false, 0, 30, 80},
                         {"split4", true, 2, 0, 0},
                         {"split2", true, 1, 0, 0},
                         {"split1", true, 0, 0, 0}};
    for (const TJob& J : Jobs) {
        const QString File = QString::fromLocal8Bit(argv[2]) + "/" + J.Name + ".pdf";
        auto Surface = TQtPrintSurface::ForPdf(File);
        TPrintJobValues V;
        V.PageWidth = Surface->PrintableWidth();
        V.PageHeight = Surface->PrintableHeight();
        V.TotalMoves = Moves.Count;
        V.SplitSelected = J.Split;
        V.RangeSelected = !J.Split && J.First != 1;
        V.RangeStart = J.First;
        V.RangeEnd = J.Last;
        V.PerPageIndex = J.PerPageIndex;
        TPrintJob Job(*Surface, V, Info);
        if (J.Split) {
            PrintSplitDiagrams(Job, Moves, Handicap);
        } else {
            PrintSingleDiagram(Job, Moves, Handicap);
        }
        std::printf("%s: %d pages, %d x %d dots\n", File.toLocal8Bit().constData(),
                    Surface->PageCount(), V.PageWidth, V.PageHeight);
    }
    return 0;
}
