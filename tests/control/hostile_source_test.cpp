// Sources and records that would stall or trick the form: a pipe without a writer, a load
// overtaken by another, a form closed while it waits, fields of megabytes, markup in a field.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QTimer>
#include <chrono>

#include "support/fifo_writer.h"
#include "support/temp_folder.h"
#include "view_fixture.h"

namespace xvexo {
namespace {

using namespace std::chrono_literals;
using testing::TagRecord;
using testing::TTempFolder;
using testing::ViewFixture;
using testing::WriteBytes;
using testing::WriteToFifo;

// A form with a FIFO ready to be read and the reading limits shortened.
struct PipeFixture : ViewFixture {
    TTempFolder Dir;
    const std::string Fifo = (Dir / "live.txt").string();

    PipeFixture() {
        ::mkfifo(Fifo.c_str(), 0600);
        View->LocalLimits.Silence = 400ms;
    }
};

TEST(SlowSources, AFifoWithoutAWriterTimesOutWhileTheFormRunsOn) {
    PipeFixture V;
    V.LoadTag(TagRecord(6));
    // While the read waits, timers fire and clicks on the board step the game.
    int Ticks = 0;
    QTimer Tick;
    QObject::connect(&Tick, &QTimer::timeout, [&Ticks] { ++Ticks; });
    Tick.start(20);
    QTimer::singleShot(100, [&V] { testing::PressBoard(*V, Qt::RightButton, 1, 1); });
    QElapsedTimer Clock;
    Clock.start();
    QString Error;
    EXPECT_FALSE(V->LoadAddress(V.Fifo, &Error));
    EXPECT_EQ(Error, "Timed out");
    EXPECT_GE(Clock.elapsed(), 400);
    EXPECT_LT(Clock.elapsed(), 3000);
    EXPECT_GE(Ticks, 5);
    EXPECT_EQ(V.MoveIndex(), 5);  // the click stepped back once; the game stays
    EXPECT_FALSE(V->lastLoadCancelled());
}

TEST(SlowSources, AFifoWithAWriterIsReadAndShown) {
    PipeFixture V;
    const std::string Text = TagRecord(9);
    const auto Writer = WriteToFifo(V.Fifo, {Text.substr(0, 20), Text.substr(20)}, 150ms);
    QString Error;
    ASSERT_TRUE(V->LoadAddress("file://" + V.Fifo, &Error)) << Error.toStdString();
    EXPECT_EQ(V.MoveIndex(), 9);
}

TEST(SlowSources, ALaterLoadOvertakesOneThatWaits) {
    PipeFixture V;
    const std::string File = (V.Dir / "game.txt").string();
    WriteBytes(File, TagRecord(3));
    bool Second = false;
    QTimer::singleShot(50, [&] { Second = V->LoadAddress(File); });
    QString Error;
    EXPECT_FALSE(V->LoadAddress(V.Fifo, &Error));
    EXPECT_EQ(Error, "Cancelled");
    EXPECT_TRUE(V->lastLoadCancelled());
    EXPECT_TRUE(Second);
    EXPECT_EQ(V.MoveIndex(), 3);  // the later record is shown, untouched by the first
}

TEST(SlowSources, AFormClosedWhileALoadWaitsIsLeftAlone) {
    TTempFolder Dir;
    const std::string Fifo = (Dir / "live.txt").string();
    ::mkfifo(Fifo.c_str(), 0600);
    TViewServices Quiet;
    Quiet.ShowError = [](QWidget&, const QString&) {};
    Quiet.PlayClick = [] {};
    auto* View = new TXVexoView(nullptr, Quiet);
    View->show();
    QTimer::singleShot(50, [View] { delete View; });
    QString Error;
    EXPECT_FALSE(View->LoadAddress(Fifo, &Error));  // returns without touching the form
    EXPECT_EQ(Error, "Cancelled");
}

// Bounded texts: a field of megabytes shows at once, elided, and stays whole in the record.
TEST(HostileTexts, LongFieldsAreElidedInTheLabels) {
    ViewFixture V;
    const std::string Title = "<b>Cup</b> " + std::string(1'000'000, 'T');
    const std::string Date = std::string(2'000'000, 'D');
    const std::string Name(3'000'000, 'N');
    QElapsedTimer Clock;
    Clock.start();
    V.LoadTag("(;EV[" + Title + "]DT[" + Date + "]PB[" + Name + "]BR[9d];B[pd])\n");
    QApplication::processEvents();
    EXPECT_LT(Clock.elapsed(), 2000);
    EXPECT_EQ(V->record().Info.Title, Title);
    for (QLabel* L : {V->eventNameL, V->InfoLabels[0], V->bPlayerL}) {
        EXPECT_EQ(L->textFormat(), Qt::PlainText) << L->objectName().toStdString();
        EXPECT_LE(L->text().size(), 201) << L->objectName().toStdString();
        EXPECT_TRUE(L->text().endsWith(QChar(0x2026))) << L->objectName().toStdString();
        // The tooltip shows more, in lines a screen can hold.
        EXPECT_LE(L->toolTip().size(), 1000 + 20) << L->objectName().toStdString();
        for (const QString& Line : L->toolTip().split('\n'))
            EXPECT_LE(Line.size(), 80) << L->objectName().toStdString();
    }
    // The title shows its start (markup as text), then "…", within the label's width.
    EXPECT_TRUE(V->eventNameL->text().startsWith("<b>Cup</b> TTT"));
    EXPECT_LE(V->eventNameL->fontMetrics().horizontalAdvance(V->eventNameL->text()),
              V->eventNameL->width());
    EXPECT_TRUE(V->InfoLabels[0]->text().startsWith(QStringLiteral("日期 : DDD")));
    EXPECT_TRUE(V->eventNameL->toolTip().startsWith("<b>Cup</b>\nTTT"));
    // A short field keeps no tooltip.
    V.LoadTag("(;EV[Cup];B[pd])\n");
    EXPECT_EQ(V->eventNameL->text(), "Cup");
    EXPECT_TRUE(V->eventNameL->toolTip().isEmpty());
}

TEST(HostileTexts, AMegabyteNumberLineFailsAtOnceWithAShortCleanMessage) {
    ViewFixture V;
    V.LoadTag(TagRecord(4));
    const std::string Ngf =
        testing::NgfText(testing::NgfHeader("\x1b[2J" + std::string(1'000'000, '9')));
    QElapsedTimer Clock;
    Clock.start();
    QString Error;
    EXPECT_FALSE(V->LoadText(Ngf, kFormatNgf, &Error));
    EXPECT_LT(Clock.elapsed(), 1000);
    EXPECT_EQ(Error, "\"?[2J9999999999999999999999999999...\" is not a decimal number");
    EXPECT_EQ(V.MoveIndex(), 4);
}

}  // namespace
}  // namespace xvexo
