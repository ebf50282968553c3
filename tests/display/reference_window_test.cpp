// The reference window's logic: diagrams shown from their codes, the step buttons, study mode
// with moves and letters, and the resize handlers, on a recording canvas.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "display/reference_window_model.h"
#include "records/diagram_code.h"
#include "records/record_loader.h"
#include "support/record_text.h"
#include "support/recording_canvas.h"

namespace xvexo {
namespace {

using testing::QuietMovePoint;
using testing::TRecordedImage;
using testing::TRecordingCanvas;
using testing::TRecordingImageSource;

constexpr int32_t A = kValueLetterA;

// A main board with Count quiet moves played, standing at move At.
std::unique_ptr<TGoBoard> MainBoard(int Count, int At) {
    auto Board = std::make_unique<TGoBoard>();
    for (int I = 1; I <= Count; ++I) {
        const auto [X, Y] = QuietMovePoint(I);
        Board->PlayMove(X, Y);
    }
    StepBackTo(*Board, At);
    return Board;
}

// The code of a diagram from Start with Moves and Labels ({X, Y, label code}) and Comment.
std::string Code(int Start, std::vector<TDiagramPoint> Moves, std::vector<TDiagramPoint> Labels,
                 std::string_view Comment) {
    return WriteDiagramCode(Start, Moves, Labels, Comment);
}

// The diagram of move 37 used below: three moves in the middle, labels A and B beside them.
const std::string kDiagram37 =
    Code(38, {{10, 10, 0}, {11, 10, 0}, {10, 11, 0}}, {{12, 12, 600}, {13, 12, 601}}, "ok");

// What the painter shows on every point.
struct TPicture {
    TKelGoPB::TStoneGrid Stones{};
    TKelGoPB::TValueGrid Values{};
    bool operator==(const TPicture&) const = default;
};

class ReferenceWindowTest : public ::testing::Test {
  protected:
    TRecordingCanvas Box;
    TRecordingImageSource Images;
    TRecordedImage Base{"baseb", 65, 243};
    TRecordedImage BEdge{"bedge", 9, 12};
    TRecordedImage GEdge{"gedge", 10, 12};
    TCHelpFormModel Model{Box, Images, Base, BEdge, GEdge};
    int Changes = 0;

    ReferenceWindowTest() {
        Model.FormCreate();
        Model.OnChanged = [this] { ++Changes; };
    }

    // As a link does: initialise on a snapshot of Main, show (FormShow when hidden), show Code.
    void Open(const TGoBoard& Main, std::string_view DiagramCode, bool Hidden = true) {
        auto Snapshot = std::make_unique<TPosition>();
        Main.GetPosition(*Snapshot);
        Model.Initialise(*Snapshot);
        if (Hidden) Model.FormShow();
        Model.ShowCode(DiagramCode);
    }

    TPicture Picture() const {
        TPicture P;
        for (int Row = 1; Row <= kBoardLines; ++Row) {
            for (int Col = 1; Col <= kBoardLines; ++Col) {
                P.Stones[Row - 1][Col - 1] = Model.Painter().Stone(Col, Row);
                P.Values[Row - 1][Col - 1] = Model.Painter().Value(Col, Row);
            }
        }
        return P;
    }
    uint8_t Stone(int Col, int Row) const { return Model.Painter().Stone(Col, Row); }
    int32_t Value(int Col, int Row) const { return Model.Painter().Value(Col, Row); }
    int32_t MoveIndex() const { return Model.Board().MoveIndex(); }
    void Click(TMouseButton Button, int Col, int Row) { Model.BoardClick(Button, Col, Row); }
};

TEST_F(ReferenceWindowTest, ShowsThePositionBeforeTheDiagramWithItsMovesLabelsAndComment) {
    // From move 37, and from move 40, past the diagram's start: the same picture.
    for (const int At : {37, 40}) {
        const auto Main = MainBoard(40, At);
        Open(*Main, kDiagram37);
        EXPECT_EQ(Model.Caption, "37手 参考图") << At;
        EXPECT_EQ(Model.Memo, "ok");
        EXPECT_EQ(Model.StartMove, 38);
        EXPECT_EQ(MoveIndex(), 40);
        // Move 37 (black) stands without its last-move mark; moves 38..40 of the game do not.
        const auto [X37, Y37] = QuietMovePoint(37);
        EXPECT_EQ(Stone(X37, Y37), kBlack);
        EXPECT_EQ(Value(X37, Y37), 0);
        const auto [X38, Y38] = QuietMovePoint(38);
        EXPECT_EQ(Stone(X38, Y38), kEmpty);
        // The diagram's moves, white first, numbered from 1; its labels on empty points.
        EXPECT_EQ(Stone(10, 10), kWhite);
        EXPECT_EQ(Value(10, 10), 1);
        EXPECT_EQ(Stone(11, 10), kBlack);
        EXPECT_EQ(Value(11, 10), 2);
        EXPECT_EQ(Value(10, 11), 3);
        EXPECT_EQ(Value(12, 12), A);
        EXPECT_EQ(Value(13, 12), A + 1);
        EXPECT_TRUE(Model.Drawing);
    }
}

TEST_F(ReferenceWindowTest, ReadsCodesWithAndWithoutLabels) {
    const TGoBoard Empty;
    // One move at (4, 16) from move 1, no labels, comment "ok", as the tag reader writes it.
    Open(Empty, "ABABEQ\\!\\!ok");
    EXPECT_EQ(Model.Caption, "0手 参考图");
    EXPECT_EQ(Stone(4, 16), kBlack);
    EXPECT_EQ(Value(4, 16), 1);
    EXPECT_EQ(Model.Memo, "ok");
    // Labels, and a label on a point that shows a number takes the number away.
    Open(Empty, Code(1, {{4, 16, 0}, {5, 16, 0}}, {{4, 16, 602}, {6, 16, 625}}, "two"));
    EXPECT_EQ(Value(4, 16), 0);
    EXPECT_EQ(Stone(4, 16), kBlack);
    EXPECT_EQ(Value(5, 16), 2);
    EXPECT_EQ(Value(6, 16), A + 25);
    EXPECT_EQ(Model.Memo, "two");
}

TEST_F(ReferenceWindowTest, CodesOfTheWrongShapeAreShownAsFarAsTheyWereRead) {
    const auto Main = MainBoard(40, 37);
    Open(*Main, kDiagram37);
    const TPicture Diagram = Picture();
    // Too short, or a move count that does not match: picture, caption and number stay.
    for (const char* Bad : {"", "BM", "BMAD", "BMADKKLK\\!\\!x", "BMABKKLK\\!\\!x", "BMABKK"}) {
        Open(*Main, Bad, false);
        EXPECT_EQ(Picture(), Diagram) << Bad;
        EXPECT_EQ(Model.Caption, "37手 参考图") << Bad;
        EXPECT_TRUE(Model.Memo.empty()) << Bad;
        // The engine stands at the snapshot; nothing reaches the picture.
        EXPECT_FALSE(Model.Drawing) << Bad;
        Click(TMouseButton::Left, 1, 1);
        EXPECT_EQ(Picture(), Diagram) << Bad;
    }
    // A label part of the wrong length: the moves and the comment, no labels.
    Open(*Main, "BMABKK\\!ACLLXA\\!note", false);
    EXPECT_EQ(Value(10, 10), 1);
    EXPECT_EQ(Value(11, 11), 0);
    EXPECT_EQ(Model.Memo, "note");
}

TEST_F(ReferenceWindowTest, AnEmptyCodeKeepsThePictureAndCaption) {
    const auto Main = MainBoard(40, 37);
    // The first time: an empty board and the caption FormShow gives.
    Open(*Main, "");
    EXPECT_EQ(Picture(), TPicture{});
    EXPECT_EQ(Model.Caption, "手 参考图");
    // While the window shows a diagram, the next empty one keeps its picture and caption.
    Open(*Main, kDiagram37);
    const TPicture Diagram = Picture();
    Open(*Main, "", false);
    EXPECT_EQ(Picture(), Diagram);
    EXPECT_EQ(Model.Caption, "37手 参考图");
    EXPECT_TRUE(Model.Memo.empty());
    // Letters placed in study mode go when it ends, though the code draws nothing.
    Model.StepClick(TCHelpFormModel::kStudy);
    Model.MarkOn = true;
    Click(TMouseButton::Left, 5, 5);
    EXPECT_EQ(Value(5, 5), A);
    Model.StepClick(TCHelpFormModel::kStudy);
    EXPECT_EQ(Picture(), Diagram);
}

TEST_F(ReferenceWindowTest, ACommentOfOneCharacterOrNoneLeavesTheMemo) {
    const TGoBoard Empty;
    for (const auto& [Comment, Shown] :
         {std::pair{"", ""}, std::pair{"x", ""}, std::pair{"xy", "xy"}}) {
        Open(Empty, Code(1, {{4, 4, 0}}, {}, Comment));
        EXPECT_EQ(Model.Memo, Shown) << Comment;
        EXPECT_EQ(Value(4, 4), 1) << Comment;
    }
}

TEST_F(ReferenceWindowTest, StepBackButtonsStopBeforeTheDiagramARightClickGoesOn) {
    const auto Main = MainBoard(40, 37);
    Open(*Main, kDiagram37);
    Model.StepClick(TCHelpFormModel::kBackOne);
    EXPECT_EQ(MoveIndex(), 39);
    EXPECT_EQ(Stone(10, 11), kEmpty);
    for (const int Tag :
         {TCHelpFormModel::kBackFive, TCHelpFormModel::kBackFive, TCHelpFormModel::kBackOne}) {
        Model.StepClick(Tag);
        EXPECT_EQ(MoveIndex(), 37);
    }
    EXPECT_EQ(Stone(10, 10), kEmpty);
    // The labels stay where the code put them.
    EXPECT_EQ(Value(12, 12), A);
    // A right click steps on into the game; the left one comes back.
    Click(TMouseButton::Right, 3, 3);
    EXPECT_EQ(MoveIndex(), 36);
    const auto [X37, Y37] = QuietMovePoint(37);
    EXPECT_EQ(Stone(X37, Y37), kEmpty);
    Click(TMouseButton::Left, 3, 3);
    EXPECT_EQ(MoveIndex(), 37);
    EXPECT_EQ(Stone(X37, Y37), kBlack);
    // Forward again: the diagram's moves with their numbers, and no further.
    Model.StepClick(TCHelpFormModel::kForwardFive);
    EXPECT_EQ(MoveIndex(), 40);
    EXPECT_EQ(Value(10, 10), 1);
    EXPECT_EQ(Value(10, 11), 3);
    Model.StepClick(TCHelpFormModel::kForwardOne);
    EXPECT_EQ(MoveIndex(), 40);
}

TEST_F(ReferenceWindowTest, StepsBackToTheStartOfAGameWhenTheDiagramStartsAtMoveZero) {
    const auto Main = MainBoard(10, 10);
    Open(*Main, Code(0, {{10, 10, 0}}, {}, ""));
    EXPECT_EQ(MoveIndex(), 1);
    EXPECT_EQ(Model.Caption, "-1手 参考图");
    Model.StepClick(TCHelpFormModel::kBackFive);
    EXPECT_EQ(MoveIndex(), 0);
}

TEST_F(ReferenceWindowTest, StudyModeNumbersItsMovesFromOneAndPasses) {
    const auto Main = MainBoard(40, 37);
    Open(*Main, kDiagram37);
    Model.StepClick(TCHelpFormModel::kBackOne);
    Model.StepClick(TCHelpFormModel::kStudy);
    EXPECT_TRUE(Model.Study);
    EXPECT_EQ(Model.SurroundColour, kStudyPanelColour);
    EXPECT_TRUE(Model.StudyPanelShown);
    EXPECT_EQ(Model.StudyButtonCaption, "结束");
    // White is to move after diagram move 2.
    Click(TMouseButton::Left, 15, 15);
    EXPECT_EQ(Stone(15, 15), kWhite);
    EXPECT_EQ(Value(15, 15), 1);
    Model.PassBtnClick();
    Click(TMouseButton::Left, 16, 15);
    EXPECT_EQ(Stone(16, 15), kWhite);
    EXPECT_EQ(Value(16, 15), 3);
    // A right click takes a move back; the diagram's own stones keep their numbers.
    Click(TMouseButton::Right, 1, 1);
    EXPECT_EQ(Stone(16, 15), kEmpty);
    EXPECT_EQ(Value(11, 10), 2);
}

TEST_F(ReferenceWindowTest, StudyLettersGoOnInOrderAndAClickTakesOneAway) {
    const auto Main = MainBoard(40, 37);
    Open(*Main, kDiagram37);
    Model.StepClick(TCHelpFormModel::kStudy);
    Model.MarkOn = true;
    Click(TMouseButton::Left, 3, 3);
    Click(TMouseButton::Left, 4, 3);
    Click(TMouseButton::Right, 5, 3);  // any button places a letter
    EXPECT_EQ(Value(3, 3), A);
    EXPECT_EQ(Value(4, 3), A + 1);
    EXPECT_EQ(Value(5, 3), A + 2);
    EXPECT_EQ(Model.MarkIndex, 3);  // D is next
    // A click on A takes it away, and the letter still advances: D is used up.
    Click(TMouseButton::Left, 3, 3);
    EXPECT_EQ(Value(3, 3), 0);
    EXPECT_EQ(Model.MarkIndex, 4);
    Click(TMouseButton::Left, 6, 3);
    EXPECT_EQ(Value(6, 3), A + 4);
    // No move was played; after Z comes A.
    EXPECT_EQ(MoveIndex(), 40);
    Model.MarkIndex = 25;
    Click(TMouseButton::Left, 7, 3);
    EXPECT_EQ(Value(7, 3), A + 25);
    EXPECT_EQ(Model.MarkIndex, 0);
}

TEST_F(ReferenceWindowTest, LeavingStudyModeRestoresTheDiagramExactly) {
    const auto Main = MainBoard(40, 37);
    Open(*Main, kDiagram37);
    const TPicture Diagram = Picture();
    auto Before = std::make_unique<TPosition>();
    Model.Board().GetPosition(*Before);

    Model.StepClick(TCHelpFormModel::kBackFive);
    Click(TMouseButton::Right, 1, 1);  // into the game
    Model.StepClick(TCHelpFormModel::kStudy);
    Click(TMouseButton::Left, 10, 10);
    Click(TMouseButton::Left, 11, 11);
    Model.PassBtnClick();
    Model.MarkOn = true;
    Click(TMouseButton::Left, 12, 12);  // takes label A away
    Click(TMouseButton::Left, 2, 2);
    ASSERT_NE(Picture(), Diagram);
    Model.StepClick(TCHelpFormModel::kStudy);

    EXPECT_EQ(Picture(), Diagram);
    auto After = std::make_unique<TPosition>();
    Model.Board().GetPosition(*After);
    EXPECT_EQ(*After, *Before);
    EXPECT_FALSE(Model.Study);
    EXPECT_EQ(Model.SurroundColour, kReferencePanelColour);
    EXPECT_FALSE(Model.StudyPanelShown);
    EXPECT_EQ(Model.StudyButtonCaption, "研讨");
    EXPECT_EQ(Model.Caption, "37手 参考图");
    EXPECT_EQ(Model.Memo, "ok");
    // Viewing again: clicks step, they play nothing.
    Click(TMouseButton::Left, 15, 15);
    EXPECT_EQ(Stone(15, 15), kEmpty);
}

TEST_F(ReferenceWindowTest, OpeningAgainEndsStudyModeAndShowsTheWindowAfresh) {
    const auto Main = MainBoard(40, 37);
    Open(*Main, kDiagram37);
    Model.StepClick(TCHelpFormModel::kStudy);
    Model.MarkOn = true;
    Model.MarkIndex = 5;
    Model.Memo = "typed";
    Model.Caption = "x";
    // The window was closed (hidden) meanwhile.
    Open(*Main, "");
    EXPECT_FALSE(Model.Study);
    EXPECT_FALSE(Model.StudyPanelShown);
    EXPECT_FALSE(Model.MarkOn);
    EXPECT_EQ(Model.MarkIndex, 0);
    EXPECT_EQ(Model.Caption, "手 参考图");
    EXPECT_TRUE(Model.Memo.empty());
    EXPECT_EQ(Model.SurroundColour, kReferencePanelColour);
    EXPECT_EQ(Model.PassButtonCaption, "弃手");
    EXPECT_EQ(Model.MarkCaption, "显示");
    EXPECT_GT(Changes, 0);
}

TEST_F(ReferenceWindowTest, ResizeHandlersPlaceTheButtonsAndSizeTheBoard) {
    Model.pCBaseResize(302);
    const int Lefts[5] = {1, 61, 121, 181, 241};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Model.StepButtons[i].Left, Lefts[i]) << i;
        EXPECT_EQ(Model.StepButtons[i].Width, 59) << i;
    }
    Model.pBBaseResize(302, 292);
    EXPECT_EQ(Model.Painter().CellSize(), 15);
    EXPECT_EQ(Model.Painter().LabelMargin(), 0);
    EXPECT_EQ(Box.ClientWidth, 285);
    EXPECT_EQ(Model.HelpPBLeft, 8);
    EXPECT_EQ(Model.HelpPBTop, 3);
    EXPECT_EQ(Images.Loaded, (std::vector<std::string>{"bs15", "ws15", "bm15", "wm15"}));
    // The same cell size only moves the board; a large panel stops at 59.
    Model.pBBaseResize(310, 300);
    EXPECT_EQ(Images.Loaded.size(), 4u);
    EXPECT_EQ(Model.HelpPBLeft, 12);
    Model.pBBaseResize(1200, 1300);
    EXPECT_EQ(Model.Painter().CellSize(), 59);
    EXPECT_EQ(Model.HelpPBLeft, (1200 - 19 * 59) / 2);
    // Too small for a board: nothing breaks, clicks still work.
    Model.pBBaseResize(10, 10);
    Click(TMouseButton::Left, 1, 1);
}

}  // namespace
}  // namespace xvexo
