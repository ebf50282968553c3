#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

using testing::TagRecord;
using testing::ViewFixture;

QString Link(const QString& S) {
    return TPlusMemoU::StartKey() + S + TPlusMemoU::StopKey();
}

QStringList InfoTexts(TXVexoView& V) {
    QStringList L;
    for (QLabel* Label : V.InfoLabels)
        L << Label->text();
    return L;
}

// An NGF record (NgfHeader) with the given handicap line and moves, black first.
std::string NgfRecord(const std::string& Handicap, const std::vector<std::string>& Moves) {
    std::vector<std::string> Lines =
        testing::NgfHeader(Handicap, "90", std::to_string(Moves.size()));
    for (size_t i = 0; i < Moves.size(); ++i)
        Lines.push_back(testing::NgfMove(static_cast<int>(i) + 1, Moves[i]));
    return testing::NgfText(Lines);
}

TEST(RecordView, CommentOfAMoveWithACommentAndTwoDiagrams) {
    ViewFixture V;
    const std::string Notes =
        "C[look]"
        "(RN[a]PT[1];B[dd];W[pp])"
        "(RN[b]PT[1];B[qq])";
    V.LoadTag(TagRecord(12, "EV[x]", 12, Notes) + "");
    ASSERT_EQ(V.MoveIndex(), 12);
    const QStringList Expected = {Link(""),           "", "[12] look", "", Link("参考图 12-1"), "",
                                  Link("参考图 12-2")};
    EXPECT_EQ(V->commentM->lines(), Expected);
    // A move without notes shows the empty link alone.
    V->ArrowClick(kBackOne);
    EXPECT_EQ(V->commentM->lines(), QStringList{Link("")});
    V->ArrowClick(kForwardOne);
    EXPECT_EQ(V->commentM->lines(), Expected);
}

TEST(RecordView, TagRecordLabelsWithoutByoyomi) {
    ViewFixture V;
    V.LoadTag(
        "(;EV[Meijin]GN[ final]PB[Black One]BR[9d]PW[White Two]WR[8d]RD[2001-02-03]"
        "PC[Tokyo]TM[3h]KO[6.5]RE[B+R];B[pd];W[dd])\n");
    EXPECT_EQ(V->eventNameL->text(), "Meijin final");
    EXPECT_EQ(InfoTexts(*V), (QStringList{"日期 : 2001-02-03", "地点 : Tokyo", "用时 : 3h",
                                          "读秒 : 秒 次", "贴目 : 6.5", "结果 : B+R"}));
    EXPECT_EQ(V->bPlayerL->text(), "Black One 9d");
    EXPECT_EQ(V->wPlayerL->text(), "White Two 8d");
    EXPECT_EQ(V->BGlvlL->text(), "");
    EXPECT_EQ(V->WGlvlL->text(), "");
    EXPECT_EQ(V->matchNameL->text(), "");
    EXPECT_EQ(V->painter().Stone(16, 4), kBlack);
    EXPECT_EQ(V->painter().Stone(4, 4), kWhite);
    EXPECT_EQ(V->painter().Value(4, 4), kLastMoveMark);
}

TEST(RecordView, ALongNameFillsItsTwoLinesAndEndsInAnEllipsis) {
    ViewFixture V;
    const std::string Long =
        "Alexandra Konstantinopoulou Wellington of the Northern Go Association";
    V.LoadTag("(;EV[x]PB[" + Long + "]BR[1d]PW[Short];B[pd])\n");
    QLabel& L = *V->bPlayerL;
    const QString Shown = L.text();
    ASSERT_TRUE(Shown.endsWith(QChar(0x2026))) << Shown.toStdString();
    EXPECT_TRUE((QString::fromStdString(Long) + " 1d").startsWith(Shown.chopped(1)));
    // Its lines fit the label whole; the next word would not.
    const QRect Box = L.contentsRect();
    const QRect Need =
        L.fontMetrics().boundingRect(QRect(0, 0, Box.width(), 1000), Qt::TextWordWrap, Shown);
    EXPECT_LE(Need.height(), Box.height());
    EXPECT_LE(Need.width(), Box.width());
    EXPECT_GT(Shown.size(), 10);
    EXPECT_EQ(L.toolTip(), QString::fromStdString(Long) + " 1d");
    EXPECT_EQ(V->wPlayerL->text(), "Short ");
    EXPECT_EQ(V->wPlayerL->toolTip(), "");
}

TEST(RecordView, NgfRecordWithHandicapTwo) {
    ViewFixture V;
    V.LoadNgf(NgfRecord("2", {"QD", "DP"}));
    EXPECT_EQ(V->eventNameL->text(), "Title");
    const QStringList Info = InfoTexts(*V);
    EXPECT_EQ(Info[3], "读秒 : 0秒 0次");
    EXPECT_EQ(Info[4], "方式 : 2子让子棋");
    EXPECT_EQ(Info[5], "结果 : W+R");
    EXPECT_EQ(V->bPlayerL->text(), "BlackP");
    EXPECT_EQ(V->wPlayerL->text(), "WhiteP");
    EXPECT_EQ(V->BGlvlL->text(), "3D");
    EXPECT_EQ(V->WGlvlL->text(), "9D");
    EXPECT_EQ(V->gameInfo().Handicap, 2);
    // Two handicap stones; the first recorded move is white's.
    EXPECT_EQ(V->painter().Stone(16, 3), kWhite);
    EXPECT_EQ(V->painter().Stone(3, 15), kBlack);
    EXPECT_EQ(V->board().MoveIndex(), 2);
    int Black = 0;
    for (int Y = 1; Y <= 19; ++Y)
        for (int X = 1; X <= 19; ++X)
            Black += V->painter().Stone(X, Y) == kBlack;
    EXPECT_EQ(Black, 3);
}

TEST(RecordView, ASecondRecordLeavesNothingOfTheFirst) {
    const std::string Second = "(;EV[Two]PB[B2]PW[W2];B[cc];W[qq])\n";
    ViewFixture Fresh;
    Fresh.LoadTag(Second);

    ViewFixture V;
    V.LoadNgf(NgfRecord("3", {"QD", "DP", "PQ", "KK"}));
    V->ArrowClick(kBackOne);
    V.LoadTag(Second);
    EXPECT_EQ(V->BGlvlL->text(), "");
    EXPECT_EQ(V->WGlvlL->text(), "");
    EXPECT_EQ(V->bPlayerL->text(), "B2 ");
    EXPECT_EQ(InfoTexts(*V), InfoTexts(*Fresh));
    EXPECT_EQ(V->gameInfo().Handicap, 0);
    EXPECT_EQ(V->record().KomiMode, 1);
    EXPECT_EQ(V->commentM->lines(), Fresh->commentM->lines());
    EXPECT_EQ(testing::BoardDifference(V->boardImage(), Fresh->boardImage()), "");
    EXPECT_EQ(V->bDiedSL->text(), Fresh->bDiedSL->text());
}

TEST(RecordView, PrisonerCountsStartAgainWithARecordWithoutMoves) {
    ViewFixture V;
    V.LoadTag("(;EV[x];B[aa];W[ba];B[ss];W[ab])\n");  // white takes the corner stone
    EXPECT_EQ(V->bDiedSL->text(), "1");
    EXPECT_EQ(V->wDiedSL->text(), "0");
    EXPECT_EQ(V->gameInfo().WhitePrisoners, 1);
    V.LoadTag("(;EV[empty])\n");
    EXPECT_EQ(V->bDiedSL->text(), "0");
    EXPECT_EQ(V->wDiedSL->text(), "0");
    EXPECT_EQ(V->gameInfo().WhitePrisoners, 0);
    EXPECT_EQ(V->commentM->lines(), QStringList{Link("")});
}

TEST(RecordView, LoadsFromAPathOrFileAddressAndReportsFailures) {
    ViewFixture V;
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("game.txt");
    {
        QFile F(Path);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write(TagRecord(7).c_str());
    }
    QString Error;
    ASSERT_TRUE(V->getFile(Path, 0, &Error)) << Error.toStdString();
    EXPECT_EQ(V.MoveIndex(), 7);
    ASSERT_TRUE(V->getFile("file://" + Path, 0, &Error)) << Error.toStdString();
    EXPECT_EQ(V.MoveIndex(), 7);

    EXPECT_FALSE(V->getFile(Dir.filePath("missing.txt"), 0, &Error));
    EXPECT_FALSE(Error.isEmpty());
    EXPECT_FALSE(V->getFile(Dir.path(), 0, &Error));
    EXPECT_TRUE(Error.endsWith("it is a directory"));
    EXPECT_FALSE(V->getFile("/dev/zero", 0, &Error));
    EXPECT_EQ(Error, "Record too large");
    EXPECT_FALSE(V->getFile("", 0, &Error));
    EXPECT_EQ(Error, "Empty URL");

    // A diagram start that is no number fails the load; the error text is the parser's.
    EXPECT_FALSE(V->LoadText("(;EV[x];B[aa](RN[a]PT[];B[bb]))\n", kFormatTag, &Error));
    EXPECT_EQ(Error, "\"\" is not a decimal number");
}

TEST(RecordView, ARecordLoadedBeforeTheFormIsShownAppearsWhenShown) {
    ViewFixture Shown;
    Shown.LoadTag(TagRecord(30));
    TViewServices Quiet;
    Quiet.PlayClick = [] {};
    TXVexoView Hidden(nullptr, Quiet);
    QString Error;
    ASSERT_TRUE(Hidden.LoadText(TagRecord(30), kFormatTag, &Error));
    Hidden.show();
    QApplication::processEvents();
    EXPECT_EQ(Hidden.MainGoPB->geometry(), Shown->MainGoPB->geometry());
    EXPECT_EQ(testing::BoardDifference(Hidden.boardImage(), Shown->boardImage()), "");
    EXPECT_EQ(Hidden.grab().toImage(), Shown->grab().toImage());
}

}  // namespace
}  // namespace xvexo
