// The print jobs on the PDF printer, read back with the poppler tools: the text of the pages
// and their pixels.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>

#include "pdf_tools.h"
#include "platform/qt_print_surface.h"
#include "printing/printed_pages.h"
#include "support/memory_registry.h"
#include "support/print_fixtures.h"

namespace xvexo {
namespace {

using testing::PdfPageCount;
using testing::PdfPageImage;
using testing::PdfText;
using testing::RandomMoves;

struct TPdfFixture {
    QTemporaryDir Dir;
    testing::TMemoryRegistry Registry;
    TPrintOptions Options;
    TKelStatus Status{Registry, Options};
    TOwnkFormModel Dialog{Status};
    QString File = Dir.filePath(QStringLiteral("out.pdf"));

    // Prints Count moves on Letter paper whose quarter-inch edges are unprintable, as on a
    // laser printer: the printable area is 4800 x 6300 dots, its corner 150 dots in.
    int Print(int Count, const std::function<void(TOwnkFormModel&)>& Choose) {
        auto Surface =
            TQtPrintSurface::ForPdf(File, QPageSize::Letter, QMarginsF(0.25, 0.25, 0.25, 0.25));
        Surface->SetDateTime(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
        EXPECT_EQ(Surface->PrintableWidth(), 4800);
        EXPECT_EQ(Surface->PrintableHeight(), 6300);
        PrintRecord(Dialog, *Surface, RandomMoves(Count), 0, testing::PageInfo(),
                    [&](TOwnkFormModel& D) {
                        Choose(D);
                        D.OkBtnClick();
                    });
        return Surface->PageCount();
    }
    int PrintSplit(int Count, int N, int Index) {
        return Print(Count, [&](TOwnkFormModel& D) {
            D.ClickSplit();
            D.edDNum.Text = std::to_string(N);
            D.cbNDiv.ItemIndex = Index;
        });
    }
};

class PrintPdf : public ::testing::Test, public TPdfFixture {};

bool Dark(const QImage& I, int X, int Y) {
    return qGray(I.pixel(X, Y)) < 128;
}

TEST_F(PrintPdf, WholeRecordPage) {
    EXPECT_EQ(Print(212, [](TOwnkFormModel& D) { D.ClickTotal(); }), 1);
    ASSERT_EQ(PdfPageCount(File), 1);
    const QString Text = PdfText(File);
    for (const char* T : {"总谱 : 1 ~ 212", "Talvo围棋棋谱", "第十届大赛 决赛", "黑棋 : 林海 七段",
                          "白棋 : 陈风 九段", "方式 : 6.5", "结果 : 黑中盘胜", "日期 : 2026-11-21",
                          "Talvo围棋. www.talvo.example"}) {
        EXPECT_TRUE(Text.contains(QString::fromUtf8(T))) << T << "\n" << Text.toStdString();
    }
    // The information lines in their order.
    EXPECT_LT(Text.indexOf(QStringLiteral("黑棋")), Text.indexOf(QStringLiteral("白棋")));
    EXPECT_LT(Text.indexOf(QStringLiteral("方式")), Text.indexOf(QStringLiteral("结果")));
    EXPECT_LT(Text.indexOf(QStringLiteral("结果")), Text.indexOf(QStringLiteral("日期")));

    // At 150 dots per inch a pixel is 4 printer dots; the printable area starts 150 dots in.
    const QImage Page = PdfPageImage(File, 1, 150, Dir);
    ASSERT_EQ(Page.size(), QSize(1275, 1650));
    const auto Px = [](int Dots) { return (150 + Dots) / 4; };
    // The header rule from (200, 480) to (4600, 500).
    EXPECT_TRUE(Dark(Page, Px(2400), Px(490)));
    EXPECT_FALSE(Dark(Page, Px(2400), Px(470)));
    EXPECT_TRUE(Dark(Page, Px(210), Px(490)));
    EXPECT_FALSE(Dark(Page, Px(180), Px(490)));
    // The board spans x 642 .. 642 + 19 x 185 = 4157 and y 1882 .. 1882 + 3515: the leftmost
    // and rightmost ink in its rows is a stone or the border line.
    int Leftmost = Page.width(), Rightmost = 0;
    for (int Y = Px(1882 + 92); Y <= Px(1882 + 18 * 185 + 92); ++Y) {
        for (int X = 0; X < Page.width(); ++X) {
            if (Dark(Page, X, Y)) {
                Leftmost = std::min(Leftmost, X);
                Rightmost = std::max(Rightmost, X);
            }
        }
    }
    EXPECT_GE(Leftmost, Px(642 + 4) - 1);
    EXPECT_LE(Leftmost, Px(642 + 99));
    EXPECT_LE(Rightmost, Px(4157));
    EXPECT_GE(Rightmost, Px(4157 - 99));
    // The top border line of the board, 12 dots thick at y 1882 + 86.
    int Ink = 0;
    for (int X = Px(642 + 185 + 92); X < Px(642 + 17 * 185 + 92); ++X) {
        Ink += Dark(Page, X, Px(1882 + 92));
    }
    EXPECT_GT(Ink, (Px(642 + 17 * 185) - Px(642 + 185)) / 2);
}

TEST_F(PrintPdf, RangeHeader) {
    Print(212, [](TOwnkFormModel& D) {
        D.ClickRange();
        D.edSPos.Text = "30";
        D.edEPos.Text = "80";
    });
    const QString Text = PdfText(File);
    EXPECT_TRUE(Text.contains(QStringLiteral("部分谱 : 30 ~ 80"))) << Text.toStdString();
}

TEST_F(PrintPdf, SplitPages) {
    struct TCase {
        int Moves, N, Index, Pages, LastPage;
        const char* LastCaption;
        int CaptionsOnFirst;
    };
    const TCase Cases[] = {
        {212, 50, 0, 5, 5, "[部分谱 : 201 手 ~ 212 手]", 1},
        {101, 50, 0, 3, 3, "[部分谱 : 101 手 ~ 101 手]", 1},
        {250, 50, 2, 2, 2, "[部分谱 : 201 手 ~ 250 手]", 4},
        {60, 50, 1, 1, 1, "[部分谱 : 51 手 ~ 60 手]", 2},
    };
    for (const TCase& C : Cases) {
        TPdfFixture F;
        EXPECT_EQ(F.PrintSplit(C.Moves, C.N, C.Index), C.Pages) << C.Moves;
        ASSERT_EQ(PdfPageCount(F.File), C.Pages) << C.Moves;
        const QString Last = PdfText(F.File, C.LastPage);
        EXPECT_TRUE(Last.contains(QString::fromUtf8(C.LastCaption))) << Last.toStdString();
        const QString First = PdfText(F.File, 1);
        EXPECT_EQ(First.count(QStringLiteral("[部分谱")), C.CaptionsOnFirst) << C.Moves;
        EXPECT_FALSE(First.contains(QStringLiteral("黑棋"))) << C.Moves;
        EXPECT_TRUE(First.contains(QStringLiteral("Talvo围棋棋谱"))) << C.Moves;
        // Every page has its rules: 150 + 480 .. 150 + 500 dots.
        for (int P = 1; P <= C.Pages; ++P) {
            const QImage Page = PdfPageImage(F.File, P, 75, F.Dir);
            EXPECT_TRUE(Dark(Page, Page.width() / 2, (150 + 490) / 8)) << C.Moves << " " << P;
        }
    }
}

TEST_F(PrintPdf, SplitOfNoMovesWritesNoFile) {
    EXPECT_EQ(PrintSplit(0, 50, 2), 0);
    EXPECT_FALSE(QFile::exists(File));
}

TEST_F(PrintPdf, FileThatCannotBeWrittenIsReported) {
    auto Surface = TQtPrintSurface::ForPdf(Dir.filePath(QStringLiteral("no/such/dir/out.pdf")));
    TPrintJobValues V;
    V.TotalMoves = 10;
    V.PageWidth = Surface->PrintableWidth();
    V.PageHeight = Surface->PrintableHeight();
    TPrintJob Job(*Surface, V, testing::PageInfo());
    EXPECT_THROW(PrintSingleDiagram(Job, RandomMoves(10), 0), TPrintError);
}

TEST_F(PrintPdf, A4At600DotsPerInch) {
    auto Surface = TQtPrintSurface::ForPdf(File);
    EXPECT_TRUE(Surface->PrintsToFile());
    EXPECT_EQ(Surface->DotsPerInchY(), 600);
    // 210 x 297 mm.
    EXPECT_NEAR(Surface->PrintableWidth(), 4961, 4);
    EXPECT_NEAR(Surface->PrintableHeight(), 7016, 4);
}

}  // namespace
}  // namespace xvexo
