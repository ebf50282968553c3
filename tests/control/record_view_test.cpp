#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

using testing::TagRecord;
using testing::ViewFixture;

QString Link(const QString& s) {
    return TPlusMemoU::StartKey() + s + TPlusMemoU::StopKey();
}

QStringList InfoTexts(TXVexoView& v) {
    QStringList l;
    for (QLabel* label : v.InfoLabels)
        l << label->text();
    return l;
}

// An NGF record (NgfHeader) with the given handicap line and moves, black first.
std::string NgfRecord(const std::string& handicap, const std::vector<std::string>& moves) {
    std::vector<std::string> lines =
        testing::NgfHeader(handicap, "90", std::to_string(moves.size()));
    for (size_t i = 0; i < moves.size(); ++i)
        lines.push_back(testing::NgfMove(static_cast<int>(i) + 1, moves[i]));
    return testing::NgfText(lines);
}

TEST(RecordView, CommentOfAMoveWithACommentAndTwoDiagrams) {
    ViewFixture v;
    const std::string notes =
        "C[look]"
        "(RN[a]PT[1];B[dd];W[pp])"
        "(RN[b]PT[1];B[qq])";
    v.LoadTag(TagRecord(12, "EV[x]", 12, notes) + "");
    ASSERT_EQ(v.MoveIndex(), 12);
    const QStringList expected = {Link(""),           "", "[12] look", "", Link("参考图 12-1"), "",
                                  Link("参考图 12-2")};
    EXPECT_EQ(v->commentM->lines(), expected);
    // A move without notes shows the empty link alone.
    v->ArrowClick(kBackOne);
    EXPECT_EQ(v->commentM->lines(), QStringList{Link("")});
    v->ArrowClick(kForwardOne);
    EXPECT_EQ(v->commentM->lines(), expected);
}

TEST(RecordView, WholeGameCommentStaysWhileStepping) {
    ViewFixture v;
    v.LoadTag(TagRecord(5, "EV[x]GK[1]TC[whole game]", 2, "C[ignored]"));
    EXPECT_EQ(v->commentM->lines(), QStringList{"whole game"});
    v->ArrowClick(kToStart);
    v->ArrowClick(kForwardOne);
    v->ArrowClick(kForwardOne);
    v->moveEd->setText("4");
    v->moveBtnClick();
    EXPECT_EQ(v->commentM->lines(), QStringList{"whole game"});
}

TEST(RecordView, TagRecordLabelsWithoutByoyomi) {
    ViewFixture v;
    v.LoadTag(
        "(;EV[Meijin]GN[ final]PB[Black One]BR[9d]PW[White Two]WR[8d]RD[2001-02-03]"
        "PC[Tokyo]TM[3h]KO[6.5]RE[B+R];B[pd];W[dd])\n");
    EXPECT_EQ(v->eventNameL->text(), "Meijin final");
    EXPECT_EQ(InfoTexts(*v), (QStringList{"日期 : 2001-02-03", "地点 : Tokyo", "用时 : 3h",
                                          "读秒 : 秒 次", "贴目 : 6.5", "结果 : B+R"}));
    EXPECT_EQ(v->bPlayerL->text(), "Black One 9d");
    EXPECT_EQ(v->wPlayerL->text(), "White Two 8d");
    EXPECT_EQ(v->BGlvlL->text(), "");
    EXPECT_EQ(v->WGlvlL->text(), "");
    EXPECT_EQ(v->matchNameL->text(), "");
    EXPECT_EQ(v->painter().Stone(16, 4), kBlack);
    EXPECT_EQ(v->painter().Stone(4, 4), kWhite);
    EXPECT_EQ(v->painter().Value(4, 4), kLastMoveMark);
}

TEST(RecordView, NgfRecordWithHandicapTwo) {
    ViewFixture v;
    v.LoadNgf(NgfRecord("2", {"QD", "DP"}));
    EXPECT_EQ(v->eventNameL->text(), "Title");
    const QStringList info = InfoTexts(*v);
    EXPECT_EQ(info[3], "读秒 : 0秒 0次");
    EXPECT_EQ(info[4], "方式 : 2子让子棋");
    EXPECT_EQ(info[5], "结果 : W+R");
    EXPECT_EQ(v->bPlayerL->text(), "BlackP");
    EXPECT_EQ(v->wPlayerL->text(), "WhiteP");
    EXPECT_EQ(v->BGlvlL->text(), "3D");
    EXPECT_EQ(v->WGlvlL->text(), "9D");
    EXPECT_EQ(v->gameInfo().Handicap, 2);
    // Two handicap stones; the first recorded move is white's.
    EXPECT_EQ(v->painter().Stone(16, 3), kWhite);
    EXPECT_EQ(v->painter().Stone(3, 15), kBlack);
    EXPECT_EQ(v->board().MoveIndex(), 2);
    int black = 0;
    for (int y = 1; y <= 19; ++y)
        for (int x = 1; x <= 19; ++x)
            black += v->painter().Stone(x, y) == kBlack;
    EXPECT_EQ(black, 3);
}

TEST(RecordView, ASecondRecordLeavesNothingOfTheFirst) {
    const std::string second = "(;EV[Two]PB[B2]PW[W2];B[cc];W[qq])\n";
    ViewFixture fresh;
    fresh.LoadTag(second);

    ViewFixture v;
    v.LoadNgf(NgfRecord("3", {"QD", "DP", "PQ", "KK"}));
    v->ArrowClick(kBackOne);
    v.LoadTag(second);
    EXPECT_EQ(v->BGlvlL->text(), "");
    EXPECT_EQ(v->WGlvlL->text(), "");
    EXPECT_EQ(v->bPlayerL->text(), "B2 ");
    EXPECT_EQ(InfoTexts(*v), InfoTexts(*fresh));
    EXPECT_EQ(v->gameInfo().Handicap, 0);
    EXPECT_EQ(v->record().KomiMode, 1);
    EXPECT_EQ(v->commentM->lines(), fresh->commentM->lines());
    EXPECT_EQ(testing::BoardDifference(v->boardImage(), fresh->boardImage()), "");
    EXPECT_EQ(v->bDiedSL->text(), fresh->bDiedSL->text());
}

TEST(RecordView, PrisonerCountsStartAgainWithARecordWithoutMoves) {
    ViewFixture v;
    v.LoadTag("(;EV[x];B[aa];W[ba];B[ss];W[ab])\n");  // white takes the corner stone
    EXPECT_EQ(v->bDiedSL->text(), "1");
    EXPECT_EQ(v->wDiedSL->text(), "0");
    EXPECT_EQ(v->gameInfo().WhitePrisoners, 1);
    v.LoadTag("(;EV[empty])\n");
    EXPECT_EQ(v->bDiedSL->text(), "0");
    EXPECT_EQ(v->wDiedSL->text(), "0");
    EXPECT_EQ(v->gameInfo().WhitePrisoners, 0);
    EXPECT_EQ(v->commentM->lines(), QStringList{Link("")});
}

TEST(RecordView, LoadsFromAPathOrFileAddressAndReportsFailures) {
    ViewFixture v;
    QTemporaryDir dir;
    const QString path = dir.filePath("game.txt");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(TagRecord(7).c_str());
    }
    QString error;
    ASSERT_TRUE(v->getFile(path, 0, &error)) << error.toStdString();
    EXPECT_EQ(v.MoveIndex(), 7);
    ASSERT_TRUE(v->getFile("file://" + path, 0, &error)) << error.toStdString();
    EXPECT_EQ(v.MoveIndex(), 7);

    EXPECT_FALSE(v->getFile(dir.filePath("missing.txt"), 0, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(v->getFile(dir.path(), 0, &error));
    EXPECT_TRUE(error.endsWith("it is a directory"));
    EXPECT_FALSE(v->getFile("/dev/zero", 0, &error));
    EXPECT_EQ(error, "Record too large");
    EXPECT_FALSE(v->getFile("", 0, &error));
    EXPECT_EQ(error, "Empty URL");

    // A diagram start that is no number fails the load; the error text is the parser's.
    EXPECT_FALSE(v->LoadText("(;EV[x];B[aa](RN[a]PT[];B[bb]))\n", kFormatTag, &error));
    EXPECT_EQ(error, "\"\" is not a decimal number");
}

TEST(RecordView, LoadingEndsAutomaticPlay) {
    ViewFixture v;
    v.LoadTag(TagRecord(5));
    v->ArrowClick(kToStart);
    v->autoBtnClick();
    v.LoadTag(TagRecord(3));
    EXPECT_FALSE(v->autoPlaying());
    EXPECT_FALSE(v->Timer->isActive());
    EXPECT_FALSE(v->autoBtn->isHidden());
}

TEST(RecordView, ALoadThatIsNotShownKeepsTheShownGameWhole) {
    ViewFixture v;
    v.LoadTag(TagRecord(6, "EV[First]", 5, "C[fifth]"));
    v->ArrowClick(kBackOne);
    ASSERT_EQ(v->commentM->line(2), "[5] fifth");
    QString error;
    // Stopped before any ")" (a blank after a property name): nothing is shown...
    EXPECT_TRUE(v->LoadText("(;EV[Second];B[aa]C[other];B[bb]C [x]\n", kFormatTag, &error));
    // ...and a diagram start that is no number fails the load.
    EXPECT_FALSE(v->LoadText("(;EV[Third];B[aa]C[x](RN[a]PT[];B[bb]))\n", kFormatTag, &error));
    // The game on the screen keeps its own record: its comments, its title, its moves.
    EXPECT_EQ(v->eventNameL->text(), "First");
    EXPECT_EQ(v->record().Info.Title, "First");
    EXPECT_EQ(v->record().MoveCount, 6);
    v->ArrowClick(kForwardOne);
    v->ArrowClick(kBackOne);
    EXPECT_EQ(v.MoveIndex(), 5);
    EXPECT_EQ(v->commentM->line(2), "[5] fifth");
}

TEST(RecordView, ARecordLoadedBeforeTheFormIsShownAppearsWhenShown) {
    ViewFixture shown;
    shown.LoadTag(TagRecord(30));
    TViewServices quiet;
    quiet.PlayClick = [] {};
    TXVexoView hidden(nullptr, quiet);
    QString error;
    ASSERT_TRUE(hidden.LoadText(TagRecord(30), kFormatTag, &error));
    hidden.show();
    QApplication::processEvents();
    EXPECT_EQ(hidden.MainGoPB->geometry(), shown->MainGoPB->geometry());
    EXPECT_EQ(testing::BoardDifference(hidden.boardImage(), shown->boardImage()), "");
    EXPECT_EQ(hidden.grab().toImage(), shown->grab().toImage());
}

TEST(RecordView, NumberDisplayStaysOnForTheNextRecord) {
    ViewFixture v;
    v.LoadTag(TagRecord(8));
    v->numBtnClick();
    v.LoadTag(TagRecord(5));
    EXPECT_TRUE(v->numbersShown());
    EXPECT_EQ(v->painter().Value(1, 1), 1);
    EXPECT_EQ(v->painter().Value(3, 1), 5);  // the last move shows its number, not the mark
}

}  // namespace
}  // namespace xvexo
