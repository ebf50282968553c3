// The reference window opened from the links of the real comment box, on the sample record:
// the window, its board picture, its buttons and keys, and its reuse. A picture of the viewer
// beside the window, viewing and studying, lands beside the program.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTest>

#include "control/reference_window.h"
#include "view_fixture.h"
#include "widgets/focus_button.h"
#include "widgets/gradient_button.h"

namespace xvexo {
namespace {

using testing::ClickLink;
using testing::ViewFixture;

struct ReferenceFixture : ViewFixture {
    ReferenceFixture() {
        QString Error;
        const bool Loaded =
            View->getFile(QStringLiteral(XVEXO_SAMPLES "/sample.tag.txt"), 0, &Error);
        EXPECT_TRUE(Loaded) << Error.toStdString();
    }
    void GoTo(int Move) {
        View->moveEd->setText(QString::number(Move));
        View->moveBtnClick();
    }
    TCHelpForm* Form() { return View->helpForm(); }
    // Goes to move 12 and clicks its link; the window it opened (null for none).
    TCHelpForm* OpenMove12() {
        GoTo(12);
        EXPECT_TRUE(ClickLink(*View->commentM, QStringLiteral("参考图 12-1")));
        return Form();
    }
    const TKelGoPB& Painter() { return Form()->model().Painter(); }
};

// Pixels of the cell of (Col, Row) in Picture that pass Test.
int CountIn(const QImage& Picture, int Cell, int Col, int Row, bool (*Test)(QRgb)) {
    int N = 0;
    for (int Y = (Row - 1) * Cell; Y < Row * Cell; ++Y) {
        for (int X = (Col - 1) * Cell; X < Col * Cell; ++X)
            N += Test(Picture.pixel(X, Y));
    }
    return N;
}

bool Dark(QRgb P) {
    return qRed(P) < 80 && qGreen(P) < 80 && qBlue(P) < 80;
}
bool White(QRgb P) {
    return qRed(P) > 230 && qGreen(P) > 230 && qBlue(P) > 230;
}
bool Navy(QRgb P) {
    return qRed(P) < 90 && qGreen(P) < 90 && qBlue(P) > 100;
}

// The viewer and the window side by side, as they stand on the screen.
QImage SideBySide(QWidget& Viewer, QWidget& Window) {
    const QImage A = Viewer.grab().toImage();
    const QImage B = Window.grab().toImage();
    QImage Out(A.width() + 12 + B.width(), std::max(A.height(), B.height()), QImage::Format_RGB32);
    Out.fill(QColor(90, 90, 90));
    QPainter P(&Out);
    P.drawImage(0, 0, A);
    P.drawImage(A.width() + 12, (Out.height() - B.height()) / 2, B);
    return Out;
}

TEST(ReferenceWindowForm, ALinkInTheCommentBoxOpensTheDiagram) {
    ReferenceFixture V;
    V.GoTo(12);
    ASSERT_EQ(V.Form(), nullptr);
    ASSERT_TRUE(ClickLink(*V->commentM, QStringLiteral("参考图 12-1")));
    TCHelpForm* Form = V.Form();
    ASSERT_NE(Form, nullptr);
    EXPECT_TRUE(Form->isVisible());
    EXPECT_TRUE(Form->isWindow());
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("12手 参考图"));
    EXPECT_EQ(Form->size(), QSize(304, 388));
    EXPECT_EQ(Form->pBBase->geometry(), QRect(1, 1, 302, 292));
    EXPECT_EQ(Form->pCBase->geometry(), QRect(1, 293, 302, 21));
    EXPECT_EQ(Form->StepButtons[4]->geometry(), QRect(241, 3, 59, 18));
    EXPECT_EQ(Form->StepButtons[4]->caption(), QStringLiteral("研讨"));
    EXPECT_TRUE(Form->pMBase->isHidden());
    EXPECT_EQ(Form->Memo->toPlainText(),
              QStringLiteral("黑棋也可以这样下，A位和B位是见合的好点。"));

    // Diagram moves 13..16 numbered 1..4, black first; letters A and B beside them.
    const TKelGoPB& P = V.Painter();
    EXPECT_EQ(P.CellSize(), 15);
    const struct {
        int Col, Row;
        uint8_t Stone;
        int32_t Value;
    } Points[] = {{16, 12, kBlack, 1}, {18, 8, kWhite, 2},    {16, 11, kBlack, 3},
                  {17, 8, kWhite, 4},  {17, 12, kEmpty, 600}, {15, 12, kEmpty, 601},
                  {16, 4, kBlack, 0},  {15, 10, kWhite, 0}};
    for (const auto& Pt : Points) {
        EXPECT_EQ(P.Stone(Pt.Col, Pt.Row), Pt.Stone) << Pt.Col << "," << Pt.Row;
        EXPECT_EQ(P.Value(Pt.Col, Pt.Row), Pt.Value) << Pt.Col << "," << Pt.Row;
    }
    // On the picture: a black stone with a white numeral, a white stone, navy letters.
    const QImage Picture = Form->boardImage();
    ASSERT_EQ(Picture.size(), QSize(285, 285));
    EXPECT_GT(CountIn(Picture, 15, 16, 12, Dark), 60);
    EXPECT_GT(CountIn(Picture, 15, 16, 12, White), CountIn(Picture, 15, 16, 4, White));
    EXPECT_GT(CountIn(Picture, 15, 18, 8, White), 30);
    EXPECT_GT(CountIn(Picture, 15, 18, 8, Dark), CountIn(Picture, 15, 15, 10, Dark));
    EXPECT_GT(CountIn(Picture, 15, 17, 12, Navy), 5);
    EXPECT_GT(CountIn(Picture, 15, 15, 12, Navy), 5);
    EXPECT_EQ(CountIn(Picture, 15, 14, 12, Navy), 0);
}

TEST(ReferenceWindowForm, ASecondLinkReusesTheWindowAndEscapeHidesIt) {
    ReferenceFixture V;
    TCHelpForm* Form = V.OpenMove12();
    ASSERT_NE(Form, nullptr);
    const QPoint Place = Form->pos();

    // Move 90 has two diagrams; the second starts at move 91 with three moves and no labels.
    V.GoTo(90);
    ASSERT_TRUE(ClickLink(*V->commentM, QStringLiteral("参考图 90-2")));
    EXPECT_EQ(V.Form(), Form);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("90手 参考图"));
    EXPECT_EQ(Form->Memo->toPlainText(), QStringLiteral("此时黑棋退让是正确的选择。"));
    EXPECT_EQ(V.Painter().Value(13, 7), 1);
    EXPECT_EQ(V.Painter().Value(13, 12), 2);
    EXPECT_EQ(V.Painter().Value(15, 5), 3);
    EXPECT_EQ(V.Painter().Value(17, 12), 0);  // the letters of the first diagram are gone

    ASSERT_TRUE(testing::WaitForKeyboard(*Form));
    testing::PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Form->isHidden());
    // The link names its diagram by the number after "-", whatever move stands before it.
    V->commentM->addLine(TPlusMemoU::StartKey() + QStringLiteral("参考图 7-1") +
                         TPlusMemoU::StopKey());
    ASSERT_TRUE(ClickLink(*V->commentM, QStringLiteral("参考图 7-1")));
    EXPECT_EQ(V.Form(), Form);
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Form->pos(), Place);
    EXPECT_EQ(Form->Memo->toPlainText(), QStringLiteral("白棋可以在A位先手交换。"));
    EXPECT_EQ(V.Painter().Value(12, 12), 600);
}

TEST(ReferenceWindowForm, LinksThatNameNoDiagramDoNothing) {
    ReferenceFixture V;
    V.GoTo(90);
    for (const char* Text : {"参考图 90-3", "参考图90-1", "参考 90-1", "参考图 90-1x"}) {
        const QString Link = QString::fromUtf8(Text);
        V->commentM->addLine(TPlusMemoU::StartKey() + Link + TPlusMemoU::StopKey());
        ASSERT_TRUE(ClickLink(*V->commentM, Link)) << Text;
        EXPECT_EQ(V.Form(), nullptr) << Text;
    }
}

TEST(ReferenceWindowForm, DuringTrialPlayALinkShowsTheDiagramOfTheMoveTheTrialLeaves) {
    ReferenceFixture V;
    V.GoTo(12);
    V->testBtnClick();
    testing::PressBoard(*V, Qt::LeftButton, 10, 10);
    ASSERT_EQ(V.MoveIndex(), 13);
    ASSERT_TRUE(ClickLink(*V->commentM, QStringLiteral("参考图 12-1")));
    ASSERT_NE(V.Form(), nullptr);
    EXPECT_EQ(V.Painter().Stone(10, 10), kEmpty);
    EXPECT_EQ(V.Painter().Value(16, 12), 1);
    // The main board keeps its trial line.
    EXPECT_EQ(V.MoveIndex(), 13);
    EXPECT_EQ(V->viewMode(), TXVexoView::kTrial);
}

TEST(ReferenceWindowForm, ButtonsStepAndStudyAndTheViewerAndWindowArePictured) {
    ReferenceFixture V;
    TCHelpForm* Form = V.OpenMove12();
    ASSERT_NE(Form, nullptr);
    const QImage Viewing = SideBySide(*V, *Form);

    QTest::mouseClick(Form->StepButtons[TCHelpFormModel::kBackOne], Qt::LeftButton);
    EXPECT_EQ(Form->model().Board().MoveIndex(), 15);
    ASSERT_TRUE(testing::WaitForKeyboard(*Form));
    testing::PressKey(Qt::Key_PageUp);
    EXPECT_EQ(Form->model().Board().MoveIndex(), 12);
    testing::PressKey(Qt::Key_PageDown);
    EXPECT_EQ(Form->model().Board().MoveIndex(), 16);

    // Study: teal surround, the study panel, two moves, a pass and two letters.
    QTest::mouseClick(Form->StepButtons[TCHelpFormModel::kStudy], Qt::LeftButton);
    EXPECT_EQ(Form->StepButtons[4]->caption(), QStringLiteral("结束"));
    EXPECT_FALSE(Form->pMBase->isHidden());
    EXPECT_EQ(Form->pBBase->palette().color(QPalette::Window), QColor(64, 128, 128));
    const int Cell = V.Painter().CellSize();
    const auto Press = [&](int Col, int Row) {
        const QPoint Middle((Col - 1) * Cell + Cell / 2, (Row - 1) * Cell + Cell / 2);
        QTest::mouseClick(Form->HelpPB, Qt::LeftButton, {}, Middle);
    };
    Press(14, 9);
    Press(13, 13);
    EXPECT_EQ(V.Painter().Value(14, 9), 1);
    EXPECT_EQ(V.Painter().Value(13, 13), 2);
    QTest::mouseClick(Form->PassBtn, Qt::LeftButton);
    EXPECT_EQ(Form->model().Board().MoveIndex(), 19);
    QTest::mouseClick(Form->cbMark, Qt::LeftButton, {}, QPoint(6, 8));
    ASSERT_TRUE(Form->cbMark->isChecked());
    Press(12, 9);
    Press(12, 10);
    EXPECT_EQ(V.Painter().Value(12, 9), 600);
    EXPECT_EQ(V.Painter().Value(12, 10), 601);
    const QImage Studying = SideBySide(*V, *Form);

    // Ending study brings the diagram back as it was shown.
    QTest::mouseClick(Form->StepButtons[TCHelpFormModel::kStudy], Qt::LeftButton);
    EXPECT_EQ(Form->model().Board().MoveIndex(), 16);
    EXPECT_EQ(V.Painter().Value(12, 9), 0);
    EXPECT_EQ(V.Painter().Value(17, 12), 600);
    EXPECT_TRUE(Form->pMBase->isHidden());

    QImage Both(Viewing.width(), Viewing.height() + 12 + Studying.height(), QImage::Format_RGB32);
    Both.fill(QColor(90, 90, 90));
    QPainter Painter(&Both);
    Painter.drawImage(0, 0, Viewing);
    Painter.drawImage(0, Viewing.height() + 12, Studying);
    Painter.end();
    EXPECT_TRUE(Both.save(QStringLiteral(XVEXO_REFERENCE_WINDOW_PNG)));
}

// Page Up, Left, Right and Page Down step the diagram as the step buttons do, Home and End go to
// its first position and its last move, whatever widget of the window last took a click or the
// focus; Escape closes the window and gives the keyboard back to the viewer.
TEST(ReferenceWindowForm, TheKeysStepTheDiagramWhateverWidgetHasTheFocus) {
    ReferenceFixture V;
    TCHelpForm* Form = V.OpenMove12();
    ASSERT_NE(Form, nullptr);
    ASSERT_TRUE(testing::WaitForKeyboard(*Form));
    // The diagram plays moves 13 to 16; stepping back stops before 13.
    const auto ExpectKeysStep = [Form](const char* After) {
        const struct {
            Qt::Key Key;
            int Index;
        } Steps[] = {{Qt::Key_PageUp, 12}, {Qt::Key_Right, 13}, {Qt::Key_PageDown, 16},
                     {Qt::Key_Left, 15},   {Qt::Key_Home, 12},  {Qt::Key_End, 16},
                     {Qt::Key_Left, 15}};
        for (const auto& S : Steps) {
            testing::PressKey(S.Key);
            EXPECT_EQ(Form->model().Board().MoveIndex(), S.Index)
                << "after " << After << ": " << QKeySequence(S.Key).toString().toStdString();
        }
    };
    QTest::mouseClick(Form->Memo->viewport(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Form->Memo);
    ExpectKeysStep("a click in the comment");
    QTest::mouseClick(Form->StepButtons[TCHelpFormModel::kForwardOne], Qt::LeftButton);
    ExpectKeysStep("a click on a step button");
    QTest::mouseClick(Form->HelpPB, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Form->HelpPB);
    ExpectKeysStep("a click on the board");
    QTest::mouseClick(Form->StepButtons[TCHelpFormModel::kStudy], Qt::LeftButton);
    QTest::mouseClick(Form->cbMark, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(QApplication::focusWidget(), Form->cbMark);
    ExpectKeysStep("a click on the check box");
    Form->cbMarkC->setFocus(Qt::TabFocusReason);
    ExpectKeysStep("the letters' list taking the focus");
    EXPECT_EQ(Form->cbMarkC->currentIndex(), 0);
    QTest::mouseClick(Form->PassBtn, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Form->PassBtn);
    ExpectKeysStep("a click on the pass button");

    testing::PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Form->isHidden());
    EXPECT_TRUE(testing::WaitForKeyboard(*V));
}

// The comment box grows with the window: it takes the designed share of the height (73 of 388),
// or all the height the board, whose cells the width bounds, leaves over.
TEST(ReferenceWindowForm, TheCommentGrowsWithTheWindow) {
    ReferenceFixture V;
    TCHelpForm* Form = V.OpenMove12();
    ASSERT_NE(Form, nullptr);
    const struct {
        QSize Size;
        int Panel;  // pHBase's height
        int Cell;   // the board's
    } Cases[] = {
        {{304, 388}, 73, 15},   // as designed
        {{304, 600}, 285, 15},  // taller: the board keeps its cells, the comment takes the rest
        {{800, 776}, 146, 31},  // larger: the share, the board as large as the height lets it
        {{608, 776}, 157, 31},  // the board takes what its width allows, the comment the rest
        {{800, 388}, 73, 15},   // wider: the board is as high as before
        {{304, 388}, 73, 15},
    };
    for (const auto& C : Cases) {
        Form->resize(C.Size);
        QApplication::processEvents();
        const std::string Size =
            std::to_string(C.Size.width()) + "x" + std::to_string(C.Size.height());
        EXPECT_EQ(Form->pHBase->geometry(),
                  QRect(0, C.Size.height() - C.Panel, C.Size.width(), C.Panel))
            << Size;
        EXPECT_EQ(Form->Memo->height(), C.Panel - 2) << Size;
        EXPECT_EQ(V.Painter().CellSize(), C.Cell) << Size;
        EXPECT_GE(Form->pBBase->height(), 19 * C.Cell) << Size;
    }
}

TEST(ReferenceWindowForm, ANewRecordClosesTheWindow) {
    ReferenceFixture V;
    ASSERT_NE(V.OpenMove12(), nullptr);
    ASSERT_TRUE(V.Form()->isVisible());
    V.LoadTag(testing::TagRecord(3));
    EXPECT_TRUE(V.Form()->isHidden());
}

}  // namespace
}  // namespace xvexo
