// Standard SGF files opened as a Go player opens them, in the viewer at its design size: a 9-line
// game, a nine-stone handicap, a problem whose variations open in the reference window and a
// Korean record in EUC-KR. Each picture lands beside the program.

#include <gtest/gtest.h>

#include <QPainter>
#include <QPlainTextEdit>
#include <QTest>

#include "control/reference_window.h"
#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

using testing::ClickLink;
using testing::ViewFixture;

QString Link(const QString& S) {
    return TPlusMemoU::StartKey() + S + TPlusMemoU::StopKey();
}

struct SgfFile : ViewFixture {
    explicit SgfFile(const char* Name) {
        QString Error;
        const bool Loaded =
            View->getFile(QStringLiteral(XVEXO_RECORDS "/") + QLatin1String(Name), 0, &Error);
        EXPECT_TRUE(Loaded) << Error.toStdString();
        EXPECT_EQ(View->record().FormatMode, kFormatSgf);
    }
    void GoTo(int Move) {
        View->moveEd->setText(QString::number(Move));
        View->moveBtnClick();
    }
    QStringList Info() {
        QStringList L;
        for (QLabel* Label : View->InfoLabels)
            L << Label->text();
        return L;
    }
    int Stones(uint8_t Colour) {
        int N = 0;
        for (int Row = 1; Row <= View->painter().Lines(); ++Row)
            for (int Col = 1; Col <= View->painter().Lines(); ++Col)
                N += View->painter().Stone(Col, Row) == Colour;
        return N;
    }
};

void Save(const QImage& Picture, const char* Name) {
    EXPECT_TRUE(Picture.save(QStringLiteral(XVEXO_PICTURES "/") + QLatin1String(Name)));
}

TEST(SgfPictures, ANineLineGameWithItsMarks) {
    SgfFile V("nine.sgf");
    EXPECT_EQ(V->size(), QSize(798, 560));
    EXPECT_EQ(V->painter().Lines(), 9);
    EXPECT_EQ(V->eventNameL->text(), QStringLiteral("Club evening · Round 2"));
    EXPECT_EQ(V.Info(), (QStringList{"日期 : 2026-05-14", "地点 : Seoul", "用时 : 10分",
                                     "读秒 : 30秒 3次", "贴目 : 7", "结果 : B+R"}));
    EXPECT_EQ(V->bPlayerL->text(), "Kim Minsu");
    EXPECT_EQ(V->BGlvlL->text(), "3d");
    EXPECT_EQ(V->wPlayerL->text(), "Lee Jiwoo");
    EXPECT_EQ(V->WGlvlL->text(), "2d");
    V.GoTo(11);
    EXPECT_EQ(V->painter().Mark(9, 3), kValueTriangle);
    Save(V->grab().toImage(), "sgf_nine.png");
}

// A name takes the room the panel has before it is elided (in the programs' fonts): a name and rank
// that need two lines show whole, and the labels stay inside the panel's bevel, clear of the
// prisoners' picture.
TEST(SgfPictures, ANameOfTwoLinesShowsWhole) {
    ViewFixture V;
    V.LoadTag("(;EV[x]PB[Cho Hunhyun]BR[9p]PW[Nie Weiping]WR[9p];B[pd])\n");
    EXPECT_EQ(V->bPlayerL->text(), "Cho Hunhyun 9p");
    EXPECT_EQ(V->wPlayerL->text(), "Nie Weiping 9p");
    const QRect Inside = V->playerP->rect().adjusted(2, 2, -2, -2);
    for (QLabel* L : {V->bPlayerL, V->wPlayerL, V->BGlvlL, V->WGlvlL}) {
        EXPECT_TRUE(Inside.contains(L->geometry())) << L->objectName().toStdString();
        EXPECT_FALSE(L->geometry().intersects(V->Image5->geometry()))
            << L->objectName().toStdString();
    }
}

TEST(SgfPictures, NineHandicapStonesAndLongNames) {
    SgfFile V("handicap9.sgf");
    V->ArrowClick(kToStart);
    EXPECT_EQ(V.Stones(kBlack), 9);
    EXPECT_EQ(V.Stones(kWhite), 0);
    // White plays first, on its own colour.
    V->ArrowClick(kForwardOne);
    EXPECT_EQ(V->painter().Stone(17, 6), kWhite);
    V->ArrowClick(kToEnd);
    EXPECT_EQ(V.Stones(kBlack), 13);
    // What the record leaves out shows nothing after the colon.
    EXPECT_EQ(V.Info(), (QStringList{"日期 : 2026-09-20", "地点 : Community hall", "用时 : ",
                                     "读秒 : ", "贴目 : 0.5 (9子让子棋)", "结果 : W+R"}));
    // Long names end in "…" on one line above the rank; the tooltip holds them whole.
    for (QLabel* L : {V->eventNameL, V->bPlayerL, V->wPlayerL}) {
        EXPECT_TRUE(L->text().endsWith(QChar(0x2026))) << L->text().toStdString();
        EXPECT_LE(L->fontMetrics().horizontalAdvance(L->text()), L->width());
    }
    EXPECT_EQ(V->wPlayerL->toolTip(),
              QStringLiteral("Maximilian Friedrich von Hohenberg-Schwarzenfeld"));
    EXPECT_EQ(V->BGlvlL->text(), "12k");
    Save(V->grab().toImage(), "sgf_handicap9.png");
}

TEST(SgfPictures, AProblemsVariationsOpenInTheReferenceWindow) {
    SgfFile V("problem.sgf");
    V->ArrowClick(kToStart);
    // The problem's stones are on the board before any move.
    EXPECT_EQ(V.Stones(kBlack), 5);
    EXPECT_EQ(V.Stones(kWhite), 7);
    // The three wrong answers (one of them a variation inside another) leave the main line at
    // its start.
    const QStringList Lines = V->commentM->lines();
    EXPECT_TRUE(Lines.contains("[0] Black to play and live.")) << Lines.join('|').toStdString();
    for (const char* L : {"参考图 0-1", "参考图 0-2", "参考图 0-3"})
        EXPECT_TRUE(Lines.contains(Link(QString::fromUtf8(L)))) << L;
    ASSERT_TRUE(ClickLink(*V->commentM, QStringLiteral("参考图 0-1")));
    TCHelpForm* Form = V->helpForm();
    ASSERT_NE(Form, nullptr);
    ASSERT_TRUE(Form->isVisible());
    // The diagram on the problem's stones: black 1 in the corner, white 2 on the vital point,
    // black 3 taking it.
    const TKelGoPB& P = Form->model().Painter();
    EXPECT_EQ(P.Stone(4, 1), kBlack);
    EXPECT_EQ(P.Stone(5, 1), kWhite);
    EXPECT_EQ(P.Value(1, 1), 1);
    EXPECT_EQ(P.Value(3, 1), 3);
    EXPECT_EQ(P.Stone(2, 1), 0);
    EXPECT_TRUE(Form->Memo->toPlainText().contains("[3] Black takes the stone"));
    const QImage Viewer = V->grab().toImage();
    const QImage Window = Form->grab().toImage();
    QImage Both(Viewer.width() + 12 + Window.width(), std::max(Viewer.height(), Window.height()),
                QImage::Format_RGB32);
    Both.fill(QColor(90, 90, 90));
    QPainter Painter(&Both);
    Painter.drawImage(0, 0, Viewer);
    Painter.drawImage(Viewer.width() + 12, (Both.height() - Window.height()) / 2, Window);
    Painter.end();
    Save(Both, "sgf_problem.png");
}

TEST(SgfPictures, AKoreanRecord) {
    SgfFile V("korean.sgf");
    EXPECT_EQ(V->eventNameL->text(), QStringLiteral("제10기 국수전 결승 · 제1국"));
    EXPECT_EQ(V->bPlayerL->text(), QStringLiteral("김민준"));
    EXPECT_EQ(V->BGlvlL->text(), QStringLiteral("9단"));
    EXPECT_EQ(V->wPlayerL->text(), QStringLiteral("이서연"));
    EXPECT_EQ(V.Info()[5], QStringLiteral("结果 : 흑 불계승"));
    V.GoTo(4);
    EXPECT_TRUE(V->commentM->lines().contains(QStringLiteral("[4] 백이 빈 귀를 차지했습니다.")));
    Save(V->grab().toImage(), "sgf_korean.png");
}

}  // namespace
}  // namespace xvexo
