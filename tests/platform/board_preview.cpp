// Draws a sample game position at several cell sizes into PNG files, for looking at the stones
// and the wood: board_preview OUTPUT_DIR.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "display/go_painter.h"
#include "display/image_set_chooser.h"
#include "platform/fonts.h"
#include "platform/qimage_canvas.h"
#include "platform/qt_image.h"
#include "platform/resource_store.h"

using namespace xvexo;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication App(argc, argv);
    InstallFontSubstitutions();
    const QString Out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(Out);
    // A corner fight with a few marks.
    const char* Rows[19] = {
        "...................", "...................", "....X.......O.O....", "...O.X.....X.OX.O..",
        "...OXX.....XO.X....", "..O.OX......OX.....", "...OX...........X..", "....X..............",
        "...................", "..X......X.........", "...................", "...................",
        "................O..", "..O.............X..", "...X...........OX..", "..OX.X.......O.O.X.",
        "...O......X....OX..", "...................", "..................."};
    TKelGoPB::TStoneGrid Stones{};
    for (int R = 0; R < 19; ++R) {
        for (int C = 0; C < 19; ++C) {
            Stones[R][C] = Rows[R][C] == 'X' ? 1 : Rows[R][C] == 'O' ? 2 : 0;
        }
    }
    TResourceStore Store;
    const auto Base = Store.Load("baseb");
    const auto Edge = Store.Load("bedge");
    for (int Cell : {9, 10, 14, 19, 20, 24, 32, 45, 59, 60}) {
        TQImageCanvas Canvas(1, 1);
        TKelGoPB Painter(Canvas, *Base, *Edge);
        LoadImageSet(Painter, Store, 19 * Cell);
        Painter.LoadPosition(Stones);
        Painter.DrawValue(16, 15, false, 501);
        Painter.DrawValue(3, 5, false, 17);
        Painter.DrawValue(4, 4, false, 123);
        Painter.DrawValue(5, 16, false, 600);
        Painter.DrawValue(8, 8, false, 601);
        Painter.DrawValue(6, 17, false, 630);
        Painter.DrawValue(14, 16, false, 650);
        Painter.DrawValue(17, 13, false, 651);
        Painter.DrawValue(12, 12, false, 42);
        const QString File = Out + QStringLiteral("/board_%1.png").arg(Cell);
        const QImage Shot = Canvas.Snapshot();
        Shot.save(File);
        // A magnified corner, to judge single pixels.
        Shot.copy(Cell, Cell * 2, Cell * 6, Cell * 6)
            .scaled(Cell * 6 * (Cell < 30 ? 4 : 2), Cell * 6 * (Cell < 30 ? 4 : 2))
            .save(Out + QStringLiteral("/zoom_%1.png").arg(Cell));
        std::printf("%s\n", qPrintable(File));
    }
    // Trial play: the teal surround with its edge picture.
    const auto Green = Store.Load("gedge");
    TQImageCanvas Trial(1, 1, kTrialPanelColour);
    TKelGoPB TrialPainter(Trial, *Base, *Green);
    LoadImageSet(TrialPainter, Store, 19 * 24);
    TrialPainter.LoadPosition(Stones);
    Trial.Snapshot().save(Out + QStringLiteral("/trial_24.png"));
    Trial.Snapshot()
        .copy(19 * 24 - 40, 19 * 24 - 40, 80, 80)
        .scaled(480, 480)
        .save(Out + QStringLiteral("/trial_corner.png"));
    return 0;
}
