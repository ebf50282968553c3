// The web element's viewer without the browser: the page's keys in each window, the wheel,
// presses on both boards, go-to-move, loading and its messages, and the news, timer and clicks
// the page reads after each handler.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/record_text.h"
#include "support/recording_canvas.h"
#include "web_viewer.h"

namespace xvexo::web {
namespace {

using testing::TagRecord;
using testing::TRecordedImage;
using testing::TRecordingCanvas;
using testing::TRecordingImageSource;

class TPictures : public TImageSource {
  public:
    std::unique_ptr<TImage> Load(const std::string& Name) override {
        if (Name == "baseb") return std::make_unique<TRecordedImage>(Name, 65, 243);
        if (Name == "bedge" || Name == "gedge")
            return std::make_unique<TRecordedImage>(Name, 9, 12);
        return Stones.Load(Name);
    }

  private:
    TRecordingImageSource Stones;
};

// A tag record of 40 moves; move 12 has two diagrams (from the start of the game).
const std::string kGame =
    TagRecord(40, "EV[Cup]", 12, "C[look](RN[a]PT[1];B[dd];W[pp])(RN[b]PT[1];B[qq])");

struct TViewerTest : ::testing::Test {
    TViewerTest() {
        Viewer.Model().pBaseResize(533, 497);
        EXPECT_EQ(Viewer.Load(kGame, "http://x/game.txt", "game.txt"), "");
        Viewer.TakeNews();
        Viewer.TakeClicks();
    }
    int32_t Move() const { return Viewer.Model().board().MoveIndex(); }

    TRecordingCanvas Main;
    TRecordingCanvas Help;
    TPictures Pictures;
    TWebViewer Viewer{Main, Help, Pictures};
};

TEST_F(TViewerTest, TheDesktopsKeysStepTheMainBoardAndOnlyTheyDo) {
    const struct {
        const char* Key;
        int32_t Move;  // after it; -1: the key does nothing
    } Keys[] = {{"Home", 0},    {"PageDown", 5}, {"ArrowRight", 6}, {"ArrowLeft", 5},
                {"PageUp", 0},  {"End", 40},     {"ArrowUp", -1},   {"Enter", -1},
                {"Escape", -1}, {"a", -1},       {"", -1}};
    for (const auto& K : Keys) {
        const int32_t Before = Move();
        EXPECT_EQ(Viewer.KeyDown(K.Key, false), K.Move >= 0) << K.Key;
        EXPECT_EQ(Move(), K.Move >= 0 ? K.Move : Before) << K.Key;
        EXPECT_EQ(Viewer.TakeNews() & kNewsGame, K.Move >= 0 ? kNewsGame : 0U) << K.Key;
    }
    // Only a single step forward clicks.
    Viewer.TakeClicks();
    Viewer.KeyDown("Home", false);
    Viewer.KeyDown("PageDown", false);
    Viewer.KeyDown("ArrowRight", false);
    EXPECT_EQ(Viewer.TakeClicks(), 1);
}

TEST_F(TViewerTest, AFineWheelAddsUpToANotchAndPressesStepAsOnTheDesktop) {
    Viewer.GoTo(20);
    Viewer.Wheel(-120);
    EXPECT_EQ(Move(), 21);
    Viewer.Wheel(60);
    EXPECT_EQ(Move(), 21);
    Viewer.Wheel(60);
    EXPECT_EQ(Move(), 20);
    Viewer.BoardMouseDown(0, 5, 5);
    Viewer.BoardMouseDown(0, 5, 5);
    Viewer.BoardMouseDown(1, 5, 5);
    EXPECT_EQ(Move(), 21);
}

TEST_F(TViewerTest, GoToShowsTheStartAMoveOrTheEndAndRefusesANegativeMove) {
    EXPECT_TRUE(Viewer.GoTo(12));
    EXPECT_EQ(Move(), 12);
    EXPECT_TRUE(Viewer.GoTo(0));
    EXPECT_EQ(Move(), 0);
    EXPECT_TRUE(Viewer.GoTo(1000));
    EXPECT_EQ(Move(), 40);
    Viewer.TakeNews();
    EXPECT_FALSE(Viewer.GoTo(-1));
    EXPECT_EQ(Move(), 40);
    EXPECT_EQ(Viewer.TakeNews(), 0U);
    // The move box's own check: a text that is no number gets the desktop's message.
    EXPECT_FALSE(Viewer.Model().moveBtnClick("x"));
    EXPECT_EQ(Viewer.TakeNews() & kNewsMessage, kNewsMessage);
    EXPECT_EQ(Viewer.Message(), "请输入数字");
}

TEST_F(TViewerTest, TheReferenceWindowOpensStepsByItsKeysAndClosesByEscapeInEitherWindow) {
    Viewer.GoTo(12);
    Viewer.TakeNews();
    EXPECT_FALSE(Viewer.KeyDown("ArrowLeft", true)) << "no window to step";
    Viewer.Model().OpenDiagram(2);
    ASSERT_TRUE(Viewer.ReferenceShown());
    EXPECT_EQ(Viewer.TakeNews() & kNewsReferenceOpened, kNewsReferenceOpened);
    EXPECT_EQ(Viewer.Reference().Caption, "0手 参考图");
    const int32_t Shown = Viewer.Reference().Board().MoveIndex();
    EXPECT_TRUE(Viewer.KeyDown("ArrowLeft", true));
    EXPECT_EQ(Viewer.Reference().Board().MoveIndex(), Shown - 1);
    EXPECT_FALSE(Viewer.KeyDown("Home", true)) << "not a key of the reference window";
    EXPECT_EQ(Move(), 12) << "the main board stays";
    EXPECT_TRUE(Viewer.KeyDown("Escape", true));
    EXPECT_FALSE(Viewer.ReferenceShown());
    EXPECT_EQ(Viewer.TakeNews() & kNewsReferenceClosed, kNewsReferenceClosed);
    EXPECT_FALSE(Viewer.KeyDown("Escape", false)) << "nothing left to close";
    // Escape in the main window closes it too; so does another record.
    Viewer.Model().OpenDiagram(1);
    EXPECT_TRUE(Viewer.KeyDown("Escape", false));
    Viewer.Model().OpenDiagram(1);
    EXPECT_EQ(Viewer.Load(kGame, "http://x/again.txt", "again.txt"), "");
    EXPECT_FALSE(Viewer.ReferenceShown());
    // A diagram the move does not have opens nothing.
    Viewer.GoTo(12);
    Viewer.Model().OpenDiagram(3);
    EXPECT_FALSE(Viewer.ReferenceShown());
}

TEST_F(TViewerTest, TheReferenceCommentShowsItsLineBreaksAsTheDesktopsMemo) {
    // A line of play beside the main line, with its comment: a diagram of move 1.
    EXPECT_EQ(Viewer.Load("(;GM[1]FF[4]SZ[19];B[pd](;W[dd];B[pp])(;W[dp]C[one\r\ntwo\rthree]))",
                          "http://x/g.sgf", "g.sgf"),
              "");
    Viewer.GoTo(1);
    Viewer.Model().OpenDiagram(1);
    ASSERT_TRUE(Viewer.ReferenceShown());
    EXPECT_EQ(Viewer.ReferenceMemo(), "[1] one\ntwo\nthree");
}

TEST_F(TViewerTest, LoadsSayWhyTheyShowNothingAndKeepTheGame) {
    Viewer.GoTo(30);
    EXPECT_EQ(Viewer.Load("(;GM[1]SZ[25];B[aa])", "http://x/bad.sgf", "bad.sgf"),
              "SGF record, line 1: board size 25 is not supported (2 to 19 lines)");
    EXPECT_EQ(Viewer.Load("<html>no game</html>", "http://x/page.html", "page.html"),
              "page.html holds no game record; the game shown is unchanged");
    EXPECT_EQ(Move(), 30);
    EXPECT_EQ(Viewer.Model().record().MoveCount, 40);
    // The format follows the address, as the desktop's getFile chooses it.
    EXPECT_NE(Viewer.Load(kGame, "http://x/GAME.NGF", "GAME.NGF"), "");
}

TEST_F(TViewerTest, TheTimerIsStateThePageReads) {
    Viewer.GoTo(10);
    Viewer.Model().secondSEChange(3);
    Viewer.TakeNews();
    Viewer.Model().autoBtnClick();
    EXPECT_EQ(Viewer.TakeNews() & kNewsTimer, kNewsTimer);
    EXPECT_TRUE(Viewer.TimerRunning());
    EXPECT_EQ(Viewer.TimerInterval(), 3000);
    Viewer.Model().TimerTimer();
    EXPECT_EQ(Move(), 11);
    EXPECT_EQ(Viewer.TakeClicks(), 1);
    Viewer.Model().secondSEChange(500);
    EXPECT_EQ(Viewer.TimerInterval(), 100000);
    Viewer.Model().autoEndBtnClick();
    EXPECT_FALSE(Viewer.TimerRunning());
    EXPECT_EQ(Viewer.TakeNews() & kNewsTimer, kNewsTimer);
    // The last move stops it by itself.
    Viewer.GoTo(39);
    Viewer.Model().autoBtnClick();
    Viewer.Model().TimerTimer();
    Viewer.Model().TimerTimer();
    EXPECT_FALSE(Viewer.TimerRunning());
}

}  // namespace
}  // namespace xvexo::web
