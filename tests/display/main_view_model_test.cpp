// The viewer form's logic without widgets: loading a record and what the panels show of it,
// navigation, automatic play on a timer of the test's own, trial play, move numbers, the
// record's marks and the links to reference diagrams, drawn on a recording canvas.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/main_view_model.h"
#include "support/record_text.h"
#include "support/recording_canvas.h"

namespace xvexo {
namespace {

using enum TXVexoViewModel::TArrowTag;
using testing::NgfHeader;
using testing::NgfMove;
using testing::NgfText;
using testing::QuietMovePoint;
using testing::TagRecord;
using testing::TRecordedImage;
using testing::TRecordingCanvas;
using testing::TRecordingImageSource;

// The timer of automatic play: its state, ticked by hand.
struct TTestTimer : TPlayTimer {
    bool Active = false;
    int32_t Interval = 0;
    void Start(int32_t Ms) override {
        Interval = Ms;
        Active = true;
    }
    void Stop() override { Active = false; }
    void SetInterval(int32_t Ms) override { Interval = Ms; }
};

struct TClickCounter : TClickPlayer {
    int Clicks = 0;
    void PlayClick() override { ++Clicks; }
};

// What the painter shows on every point.
struct TPicture {
    TKelGoPB::TStoneGrid Stones{};
    TKelGoPB::TValueGrid Values{};
    TKelGoPB::TValueGrid Marks{};
    bool operator==(const TPicture&) const = default;
};

TCommentLine Link(const std::string& Text, int32_t Diagram) {
    return {Text, true, Diagram};
}
const TCommentLine kTopLink{"", true, 0};
const TCommentLine kBlank{};

// An NGF record with the given handicap line and moves, black first.
std::string NgfRecord(const std::string& Handicap, const std::vector<std::string>& Moves) {
    std::vector<std::string> Lines = NgfHeader(Handicap, "90", std::to_string(Moves.size()));
    for (size_t i = 0; i < Moves.size(); ++i)
        Lines.push_back(NgfMove(static_cast<int>(i) + 1, Moves[i]));
    return NgfText(Lines);
}

// A 9-line game: two white stones taken in the corner at move 11, marks on that move (a
// triangle on the capturing stone, a circle on an empty point, a label), a pass at move 14.
constexpr const char* kNine =
    "(;GM[1]FF[4]SZ[9]PB[Kim]PW[Lee]"
    ";B[ee];W[cc];B[gc];W[ce];B[eg];W[ia];B[ha];W[ib];B[hb];W[cg]"
    ";B[ic]TR[ic]CR[ff]LB[ee:A]"
    ";W[gg];B[ia];W[];B[ib])";

// The model with its paint box, pictures, timer and sound, and what it reported.
struct TModelRig {
    TRecordingCanvas Box;
    TRecordingImageSource Images;
    TRecordedImage Base{"baseb", 65, 243};
    TRecordedImage BEdge{"bedge", 9, 12};
    TRecordedImage GEdge{"gedge", 10, 12};
    TTestTimer Timer;
    TClickCounter Sound;
    TXVexoViewModel Model{Box, Images, Base, BEdge, GEdge, Timer, Sound};
    std::vector<std::string> Messages;
    int Changes = 0;
    int GameChanges = 0;
    std::vector<std::pair<int32_t, std::string>> Opened;  // snapshot's move, code
    int Closed = 0;

    TModelRig() {
        Model.OnChanged = [this] { ++Changes; };
        Model.OnGameChanged = [this] { ++GameChanges; };
        Model.OnMessage = [this](const std::string& Text) { Messages.push_back(Text); };
        Model.OnOpenReference = [this](const TPosition& Snapshot, const std::string& Code) {
            Opened.emplace_back(Snapshot.MoveIndex, Code);
        };
        Model.OnCloseReference = [this] { ++Closed; };
        // The design size of panP.
        Model.pBaseResize(533, 497);
    }

    void Load(const std::string& Text, int32_t Format = kFormatTag) {
        std::string Error;
        ASSERT_TRUE(Model.LoadText(Text, Format, &Error)) << Error;
    }
    int MoveIndex() const { return Model.board().MoveIndex(); }
    void GoTo(int N) { ASSERT_TRUE(Model.moveBtnClick(std::to_string(N))); }
    void Press(TMouseButton Button, int Col, int Row) { Model.BoardClick(Button, Col, Row); }
    uint8_t Stone(int Col, int Row) const { return Model.painter().Stone(Col, Row); }
    int32_t Value(int Col, int Row) const { return Model.painter().Value(Col, Row); }
    int32_t Mark(int Col, int Row) const { return Model.painter().Mark(Col, Row); }
    int32_t ValueOfMove(int I) const {
        const auto [X, Y] = QuietMovePoint(I);
        return Value(X, Y);
    }
    TPicture Picture() const {
        TPicture P;
        for (int Row = 1; Row <= kBoardLines; ++Row) {
            for (int Col = 1; Col <= kBoardLines; ++Col) {
                P.Stones[Row - 1][Col - 1] = Stone(Col, Row);
                P.Values[Row - 1][Col - 1] = Value(Col, Row);
                P.Marks[Row - 1][Col - 1] = Mark(Col, Row);
            }
        }
        return P;
    }
    const std::vector<TCommentLine>& Comment() const { return Model.commentLines(); }
};

class MainViewModelTest : public ::testing::Test, public TModelRig {};

// --- loading and the panels --------------------------------------------------------------------

TEST_F(MainViewModelTest, InformationTextsOfEachFormat) {
    const struct {
        const char* Name;
        std::string Text;
        std::array<std::string, 6> Lines;
        TPlayerText Black;
        TPlayerText White;
    } Cases[] = {
        {"tag without byo-yomi",
         "(;EV[Meijin]GN[ final]PB[Black One]BR[9d]PW[White Two]WR[8d]RD[2001-02-03]PC[Tokyo]"
         "TM[3h]KO[6.5]RE[B+R];B[pd];W[dd])\n",
         {"日期 : 2001-02-03", "地点 : Tokyo", "用时 : 3h", "读秒 : 秒 次", "贴目 : 6.5",
          "结果 : B+R"},
         {"Black One 9d", true, false, ""},
         {"White Two 8d", true, false, ""}},
        {"NGF with two handicap stones",
         NgfRecord("2", {"QD", "DP"}),
         {"日期 : 2002-03-15", "地点 : Seoul", "用时 : 1小时30分", "读秒 : 0秒 0次",
          "方式 : 2子让子棋", "结果 : W+R"},
         {"BlackP", false, true, "3D"},
         {"WhiteP", false, true, "9D"}},
        {"standard SGF without a date, a place or a white rank",
         "(;GM[1]FF[4]SZ[19]PB[Kim]BR[5d]PW[Lee]KM[6.5]OT[3x30 byo-yomi];B[pd])",
         {"日期 : ", "地点 : ", "用时 : ", "读秒 : 30秒 3次", "贴目 : 6.5", "结果 : "},
         {"Kim", false, true, "5d"},
         {"Lee", true, true, ""}},
    };
    for (const auto& C : Cases) {
        Load(C.Text, C.Text.starts_with("(") ? kFormatTag : kFormatNgf);
        const TInfoTexts& I = Model.infoTexts();
        EXPECT_EQ(I.Lines, C.Lines) << C.Name;
        EXPECT_EQ(I.Black, C.Black) << C.Name;
        EXPECT_EQ(I.White, C.White) << C.Name;
    }
    EXPECT_EQ(Model.recordVersion(), 3u);
}

TEST_F(MainViewModelTest, ATagRecordIsShownAtItsLastMove) {
    Load("(;EV[Meijin]GN[ final];B[pd];W[dd])\n");
    EXPECT_EQ(Model.infoTexts().Title, "Meijin final");
    EXPECT_EQ(Stone(16, 4), kBlack);
    EXPECT_EQ(Stone(4, 4), kWhite);
    EXPECT_EQ(Value(4, 4), kLastMoveMark);
    EXPECT_EQ(Sound.Clicks, 0);  // loading is silent
    EXPECT_EQ(GameChanges, 1);
    EXPECT_TRUE(Model.recordShown());
    EXPECT_EQ(Closed, 1);  // a diagram of the game before is no diagram of this one
}

TEST_F(MainViewModelTest, AnNgfRecordWithHandicapTwoStartsWithWhite) {
    Load(NgfRecord("2", {"QD", "DP"}), kFormatNgf);
    EXPECT_EQ(Model.gameInfo().Handicap, 2);
    EXPECT_EQ(Stone(16, 3), kWhite);
    EXPECT_EQ(Stone(3, 15), kBlack);
    EXPECT_EQ(MoveIndex(), 2);
    int Black = 0;
    for (int Y = 1; Y <= 19; ++Y)
        for (int X = 1; X <= 19; ++X)
            Black += Stone(X, Y) == kBlack;
    EXPECT_EQ(Black, 3);
}

TEST_F(MainViewModelTest, ALongFieldIsBoundedAndTheTitleDataSaysWhereTheGameStands) {
    // 1500 characters of three bytes, one character past U+FFFF at the bound.
    std::string Title;
    for (int i = 0; i < 999; ++i)
        Title += "\xE5\x90\x8D";                          // 名
    Title += "\xF0\x9F\x80\x80" + std::string(500, 'x');  // two units from 999: past 1000
    Load("(;EV[" + Title + "];B[pd];W[dd])\n");
    const std::string& Shown = Model.infoTexts().Title;
    EXPECT_EQ(Shown.size(), 999 * 3 + 3u);
    EXPECT_TRUE(Shown.ends_with("\xE2\x80\xA6"));
    const TTitleData T = Model.titleData(80);
    EXPECT_TRUE(T.HasRecord);
    EXPECT_EQ(T.GameTitle.size(), 80 * 3 + 3u);
    EXPECT_EQ(T.MoveIndex, 2);
    EXPECT_EQ(T.MoveCount, 2);
    EXPECT_TRUE(T.BlackToPlay);
    EXPECT_FALSE(T.LastWasPass);
}

// The side to play is that of the record's next move, whichever way the board got there: black
// plays moves 6 and 7, and move 5 only sets stones up.
TEST_F(MainViewModelTest, TheSideToPlayIsThatOfTheRecordsNextMove) {
    Load("(;GM[1]FF[4]SZ[9];B[cc];W[gg];B[cg];W[gc];AB[ee];B[dd];B[ed];W[fd])", kFormatSgf);
    const struct {
        int Tag;  // an arrow, or -1: go to move Index with the move box
        int Index;
        bool BlackToPlay;
    } Steps[] = {{-1, 6, true},           {kForwardOne, 7, false}, {kBackOne, 6, true},
                 {kBackOne, 5, true},     {kBackOne, 4, true},     {kBackOne, 3, false},
                 {kForwardFive, 8, true}, {kToStart, 0, true},     {-1, 7, false}};
    for (const auto& S : Steps) {
        if (S.Tag < 0) {
            GoTo(S.Index);
        } else {
            Model.ArrowClick(S.Tag);
        }
        const TTitleData T = Model.titleData(80);
        EXPECT_EQ(T.MoveIndex, S.Index);
        EXPECT_EQ(T.BlackToPlay, S.BlackToPlay) << "at move " << S.Index;
    }
    // Trial play from move 6, reached forward, starts with the black stone the record plays.
    GoTo(6);
    Model.testBtnClick();
    EXPECT_TRUE(Model.titleData(80).BlackToPlay);
    Press(TMouseButton::Left, 9, 9);
    EXPECT_EQ(Stone(9, 9), kBlack);
    EXPECT_FALSE(Model.titleData(80).BlackToPlay);
    Model.testEndBtnClick();
    EXPECT_EQ(MoveIndex(), 6);
    EXPECT_TRUE(Model.titleData(80).BlackToPlay);
}

TEST_F(MainViewModelTest, ASecondRecordLeavesNothingOfTheFirst) {
    const std::string Second = "(;EV[Two]PB[B2]PW[W2];B[cc];W[qq])\n";
    Load(NgfRecord("3", {"QD", "DP", "PQ", "KK"}), kFormatNgf);
    Model.numBtnClick();
    Model.numEndBtnClick();
    Model.ArrowClick(kBackOne);
    Load(Second);
    const TPicture After = Picture();
    const TInfoTexts Info = Model.infoTexts();
    const std::vector<TCommentLine> Lines = Comment();

    TModelRig Fresh;
    Fresh.Load(Second);
    EXPECT_EQ(After, Fresh.Picture());
    EXPECT_EQ(Info, Fresh.Model.infoTexts());
    EXPECT_EQ(Lines, Fresh.Comment());
    EXPECT_EQ(Model.gameInfo().Handicap, 0);
    EXPECT_EQ(Model.whiteDead(), "0");
    EXPECT_EQ(Model.blackDead(), "0");
}

TEST_F(MainViewModelTest, PrisonerTextsFollowTheBoardAndStartAgainWithARecord) {
    EXPECT_EQ(Model.blackDead(), "");            // nothing shown before a record
    Load("(;EV[x];B[aa];W[ba];B[ss];W[ab])\n");  // white takes the corner stone
    EXPECT_EQ(Model.blackDead(), "1");
    EXPECT_EQ(Model.whiteDead(), "0");
    Model.ArrowClick(kBackOne);
    EXPECT_EQ(Model.blackDead(), "0");
    Load("(;EV[empty])\n");
    EXPECT_EQ(Model.blackDead(), "0");
    EXPECT_EQ(Model.gameInfo().WhitePrisoners, 0);
    EXPECT_EQ(Comment(), std::vector{kTopLink});
}

TEST_F(MainViewModelTest, ALoadThatFailsOrShowsNothingKeepsTheShownGameWhole) {
    Load(TagRecord(6, "EV[First]", 5, "C[fifth]"));
    Model.ArrowClick(kBackOne);
    const uint32_t Version = Model.recordVersion();
    // Stopped before any ")" (a blank after a property name): nothing is shown...
    std::string Error;
    EXPECT_TRUE(Model.LoadText("(;EV[Second];B[aa]C[other];B[bb]C [x]\n", kFormatTag, &Error));
    EXPECT_FALSE(Model.lastLoadShown());
    // ...and a diagram start that is no number fails the load with the reader's message.
    EXPECT_FALSE(Model.LoadText("(;EV[Third];B[aa]C[x](RN[a]PT[];B[bb]))\n", kFormatTag, &Error));
    EXPECT_EQ(Error, "\"\" is not a decimal number");
    EXPECT_EQ(Model.recordVersion(), Version);
    EXPECT_EQ(Model.record().Info.Title, "First");
    EXPECT_EQ(Closed, 1);
    Model.ArrowClick(kForwardOne);
    Model.ArrowClick(kBackOne);
    EXPECT_EQ(MoveIndex(), 5);
    EXPECT_EQ(Comment()[2].Text, "[5] fifth");
}

// --- the comment box -----------------------------------------------------------------------

TEST_F(MainViewModelTest, CommentLinesOfAMoveWithACommentAndTwoDiagrams) {
    Load(TagRecord(12, "EV[x]", 12, "C[look](RN[a]PT[1];B[dd];W[pp])(RN[b]PT[1];B[qq])"));
    const std::vector<TCommentLine> Expected = {kTopLink,
                                                kBlank,
                                                {"[12] look"},
                                                kBlank,
                                                Link("参考图 12-1", 1),
                                                kBlank,
                                                Link("参考图 12-2", 2)};
    EXPECT_EQ(Comment(), Expected);
    // A move without notes shows the empty link alone; every step writes the box afresh.
    const uint32_t Version = Model.commentVersion();
    Model.ArrowClick(kBackOne);
    EXPECT_EQ(Comment(), std::vector{kTopLink});
    Model.ArrowClick(kForwardOne);
    EXPECT_EQ(Comment(), Expected);
    EXPECT_EQ(Model.commentVersion(), Version + 2);
}

TEST_F(MainViewModelTest, TheWholeGameCommentStaysWhileStepping) {
    Load(TagRecord(5, "EV[x]GK[1]TC[whole game]", 2, "C[ignored]"));
    const std::vector<TCommentLine> Whole = {{"whole game"}};
    EXPECT_EQ(Comment(), Whole);
    const uint32_t Version = Model.commentVersion();
    Model.ArrowClick(kToStart);
    Model.ArrowClick(kForwardOne);
    GoTo(4);
    EXPECT_EQ(Comment(), Whole);
    EXPECT_EQ(Model.commentVersion(), Version);  // the box is never written again
}

TEST_F(MainViewModelTest, LinksOpenTheDiagramsOfTheMoveTheBoxShows) {
    Load(TagRecord(40, "EV[x]", 38, "(RN[a]PT[1];B[jj])(RN[b]PT[1];B[kk])"));
    GoTo(38);
    Model.LinkClick("参考图 38-2");
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(Opened[0].first, 38);
    const std::string Second = Opened[0].second;
    Model.OpenDiagram(1);
    ASSERT_EQ(Opened.size(), 2u);
    EXPECT_NE(Opened[1].second, Second);
    // The move number in the text is not read: the link names a diagram of the move shown.
    Model.LinkClick("参考图 7-2");
    EXPECT_EQ(Opened.back().second, Second);
    // No such diagram, or no link at all: nothing opens.
    for (const char* Text : {"参考图 38-3", "", "参考图", "look"})
        Model.LinkClick(Text);
    Model.OpenDiagram(0);
    EXPECT_EQ(Opened.size(), 3u);
    // During trial play the box shows the move the trial line leaves the record at.
    Model.testBtnClick();
    Press(TMouseButton::Left, 10, 10);
    Model.OpenDiagram(2);
    ASSERT_EQ(Opened.size(), 4u);
    EXPECT_EQ(Opened.back(), std::pair(int32_t{39}, Second));
}

// --- navigation -------------------------------------------------------------------------------

TEST_F(MainViewModelTest, ArrowsStepAsTheirTagSaysAndOnlyTheSingleStepForwardClicks) {
    Load(TagRecord(20));
    const struct {
        int Start, Tag, End;
        bool Clicks;
    } Cases[] = {
        {20, kToStart, 0, false},      {10, kBackFive, 5, false},   {3, kBackFive, 0, false},
        {10, kBackOne, 9, false},      {10, kForwardOne, 11, true}, {10, kForwardFive, 15, false},
        {18, kForwardFive, 20, false}, {10, kToEnd, 20, false},     {0, kBackOne, 0, false},
        {20, kForwardOne, 20, true},
    };
    for (const auto& C : Cases) {
        GoTo(C.Start == 0 ? 1 : C.Start);
        if (C.Start == 0) Model.ArrowClick(kToStart);
        ASSERT_EQ(MoveIndex(), C.Start);
        const int Clicks = Sound.Clicks;
        const int Before = GameChanges;
        Model.ArrowClick(C.Tag);
        EXPECT_EQ(MoveIndex(), C.End) << "tag " << C.Tag << " from " << C.Start;
        // A step at the end plays nothing, so nothing clicks.
        EXPECT_EQ(Sound.Clicks - Clicks, C.Clicks && C.End != C.Start ? 1 : 0) << "tag " << C.Tag;
        EXPECT_EQ(Model.soundOn(), C.Tag == kForwardOne);
        EXPECT_EQ(GameChanges, Before + 1);
    }
}

TEST_F(MainViewModelTest, BoardClicksAndTheWheelStepWhileViewing) {
    Load(TagRecord(6, "EV[x]", 3, "C[three]"));
    Model.ArrowClick(kToStart);
    // While viewing, the point does not matter (the label margin gives 20 or 21).
    Press(TMouseButton::Left, 10, 10);
    Press(TMouseButton::Left, 20, 21);
    Press(TMouseButton::Left, 19, 19);
    EXPECT_EQ(MoveIndex(), 3);
    EXPECT_EQ(Sound.Clicks, 3);
    EXPECT_EQ(Comment()[2].Text, "[3] three");
    Press(TMouseButton::Right, 5, 5);
    Press(TMouseButton::Middle, 5, 5);
    EXPECT_EQ(MoveIndex(), 1);
    EXPECT_EQ(Sound.Clicks, 3);
    EXPECT_EQ(Comment(), std::vector{kTopLink});
    // A notch away from the user goes one move back, one towards the user one forward.
    Model.BoardWheel(-4);
    EXPECT_EQ(MoveIndex(), 5);
    Model.BoardWheel(2);
    EXPECT_EQ(MoveIndex(), 3);
}

TEST_F(MainViewModelTest, GoToMoveAndItsMessages) {
    Load(TagRecord(120, "EV[x]", 1, "C[first]"));
    GoTo(1);
    EXPECT_EQ(Comment()[2].Text, "[1] first");
    GoTo(999);  // beyond the end: the end
    EXPECT_EQ(MoveIndex(), 120);
    EXPECT_EQ(Sound.Clicks, 0);  // going to a move is silent
    EXPECT_TRUE(Messages.empty());
    const struct {
        const char* Text;
        const char* Message;
    } Bad[] = {{"abc", "请输入数字"},
               {"", "请输入数字"},
               {"0", "请输入1以上的数字"},
               {"-5", "请输入1以上的数字"}};
    for (const auto& C : Bad) {
        EXPECT_FALSE(Model.moveBtnClick(C.Text)) << C.Text;
        ASSERT_EQ(Messages.size(), 1u) << C.Text;
        EXPECT_EQ(Messages[0], C.Message) << C.Text;
        Messages.clear();
        EXPECT_EQ(MoveIndex(), 120) << C.Text;
    }
}

TEST_F(MainViewModelTest, AutomaticPlayStepsClicksAndStopsAtTheEnd) {
    Load(TagRecord(4));
    Model.ArrowClick(kToStart);
    Model.secondSEChange(3);
    EXPECT_FALSE(Timer.Active);
    Model.autoBtnClick();
    EXPECT_TRUE(Model.autoPlaying());
    EXPECT_TRUE(Timer.Active);
    EXPECT_EQ(Timer.Interval, 3000);
    EXPECT_TRUE(Model.autoEndShown());
    Model.secondSEChange(2);  // takes effect at once
    EXPECT_EQ(Timer.Interval, 2000);
    Model.secondSEChange(500);  // kept within 1..100
    EXPECT_EQ(Timer.Interval, 100000);
    for (int Tick = 1; Tick <= 4; ++Tick) {
        Model.TimerTimer();
        EXPECT_EQ(MoveIndex(), Tick);
        EXPECT_EQ(Sound.Clicks, Tick);
    }
    EXPECT_TRUE(Model.autoPlaying());
    Model.TimerTimer();  // the end: automatic play stops and autoBtn comes back
    EXPECT_FALSE(Model.autoPlaying());
    EXPECT_FALSE(Timer.Active);
    EXPECT_FALSE(Model.autoEndShown());
}

TEST_F(MainViewModelTest, AClickLetsAutomaticPlayLapseAndOtherCommandsStopIt) {
    Load(TagRecord(6));
    Model.ArrowClick(kToStart);
    Model.autoBtnClick();
    Model.TimerTimer();
    Press(TMouseButton::Left, 4, 4);
    EXPECT_FALSE(Model.autoPlaying());
    EXPECT_EQ(MoveIndex(), 2);
    Model.TimerTimer();  // the next tick switches the timer off and does not step
    EXPECT_EQ(MoveIndex(), 2);
    EXPECT_FALSE(Timer.Active);
    EXPECT_TRUE(Model.autoEndShown());  // until it is pressed
    Model.autoEndBtnClick();
    EXPECT_FALSE(Model.autoEndShown());

    // Going to a move, starting trial play and loading a record stop it fully.
    for (int Way = 0; Way < 3; ++Way) {
        Model.autoBtnClick();
        ASSERT_TRUE(Timer.Active);
        if (Way == 0) GoTo(3);
        if (Way == 1) Model.testBtnClick();
        if (Way == 2) Load(TagRecord(3));
        EXPECT_FALSE(Timer.Active) << Way;
        EXPECT_FALSE(Model.autoEndShown()) << Way;
        EXPECT_FALSE(Model.autoPlaying()) << Way;
        if (Way == 1) {
            Model.autoBtnClick();  // does nothing during trial play
            EXPECT_FALSE(Timer.Active);
            Model.testEndBtnClick();
        }
    }
}

// --- trial play and move numbers -------------------------------------------------------------

TEST_F(MainViewModelTest, TrialPlayNumbersItsStonesFromOneAndRestoresTheRecord) {
    Load(TagRecord(60));
    GoTo(40);
    const TPicture Before = Picture();
    const int Loads = Model.imageSetLoads();

    Model.testBtnClick();
    EXPECT_EQ(Model.viewMode(), TXVexoViewModel::kTrial);
    EXPECT_TRUE(Model.testEndShown());
    EXPECT_EQ(Model.surroundColour(), kTrialPanelColour);
    EXPECT_EQ(Box.Background, kTrialPanelColour);  // the label margin shows it
    Model.ArrowClick(kForwardOne);                 // the record's later moves are out of reach
    EXPECT_EQ(MoveIndex(), 40);

    Press(TMouseButton::Left, 10, 10);  // black to move after 40 moves
    Press(TMouseButton::Left, 11, 10);
    EXPECT_EQ(Stone(10, 10), kBlack);
    EXPECT_EQ(Value(10, 10), 1);
    EXPECT_EQ(Stone(11, 10), kWhite);
    EXPECT_EQ(Model.board().PointNumber(11, 10), 2);  // shown once the mark moves on
    Press(TMouseButton::Left, 11, 10);                // an occupied point places nothing
    EXPECT_EQ(MoveIndex(), 42);
    Press(TMouseButton::Right, 1, 1);  // the right button takes a trial stone back
    EXPECT_EQ(Stone(11, 10), kEmpty);

    Model.testEndBtnClick();
    EXPECT_EQ(Model.viewMode(), TXVexoViewModel::kViewing);
    EXPECT_EQ(Model.modeDepth(), 0);
    EXPECT_EQ(MoveIndex(), 40);
    EXPECT_EQ(Model.surroundColour(), kPanelColour);
    EXPECT_EQ(Box.Background, kPanelColour);
    EXPECT_EQ(Picture(), Before);
    EXPECT_EQ(Model.imageSetLoads(), Loads);
    Model.ArrowClick(kForwardOne);
    EXPECT_EQ(MoveIndex(), 41);
    EXPECT_EQ(Model.board().EndIndex(), 60);
}

// The last-move mark is on the stone played last, trial stones included: a trial stone takes it
// in place of its number, which it shows again once the next stone takes the mark.
TEST_F(MainViewModelTest, TheLastMoveMarkMovesToTheTrialStones) {
    Load(TagRecord(60));
    GoTo(40);
    const auto [X39, Y39] = QuietMovePoint(39);
    const auto [X40, Y40] = QuietMovePoint(40);
    const TPicture Before = Picture();
    Model.testBtnClick();
    EXPECT_EQ(Value(X40, Y40), kLastMoveMark);
    enum TInput { kLeftAt, kRight, kArrowsBack };
    const struct {
        const char* Step;
        TInput Input;
        int N;  // kLeftAt: the row of column 10 pressed; kArrowsBack: how many
        std::vector<std::pair<std::pair<int, int>, int32_t>> Values;
    } Steps[] = {
        {"first trial stone", kLeftAt, 10, {{{10, 10}, kLastMoveMark}, {{X40, Y40}, 0}}},
        {"second", kLeftAt, 11, {{{10, 10}, 1}, {{10, 11}, kLastMoveMark}}},
        {"third", kLeftAt, 12, {{{10, 11}, 2}, {{10, 12}, kLastMoveMark}}},
        {"one taken back", kRight, 0, {{{10, 11}, kLastMoveMark}, {{10, 10}, 1}}},
        {"back to the trial start", kArrowsBack, 2, {{{X40, Y40}, kLastMoveMark}}},
        {"below it", kArrowsBack, 1, {{{X39, Y39}, kLastMoveMark}}},
        {"a stone there", kLeftAt, 15, {{{10, 15}, kLastMoveMark}, {{X39, Y39}, 0}}},
    };
    for (const auto& S : Steps) {
        if (S.Input == kArrowsBack) {
            for (int i = 0; i < S.N; ++i)
                Model.ArrowClick(kBackOne);
        } else {
            Press(S.Input == kLeftAt ? TMouseButton::Left : TMouseButton::Right, 10, S.N);
        }
        for (const auto& [Point, V] : S.Values)
            EXPECT_EQ(Value(Point.first, Point.second), V) << S.Step;
    }
    // Numbers shown and hidden during trial play: the mark stays on the last stone.
    Model.numBtnClick();
    EXPECT_EQ(Value(10, 15), 40);
    Model.numEndBtnClick();
    EXPECT_EQ(Value(10, 15), kLastMoveMark);
    Press(TMouseButton::Left, 12, 12);
    EXPECT_EQ(Value(12, 12), kLastMoveMark);
    EXPECT_EQ(Value(10, 15), 0);
    Model.testEndBtnClick();
    EXPECT_EQ(Picture(), Before);
}

TEST_F(MainViewModelTest, TrialPlayDrawsItsEdgeAndEndsWithTheRecordsOwn) {
    Load(TagRecord(10));
    const auto EdgeCopies = [this](const std::string& Name) {
        int N = 0;
        for (const std::string& Call : Box.CallsStartingWith("CopyRect("))
            N += Call.find(Name) != std::string::npos;
        return N;
    };
    Box.Clear();
    Model.testBtnClick();
    EXPECT_GT(EdgeCopies("gedge"), 0);
    EXPECT_EQ(EdgeCopies("bedge"), 0);
    Box.Clear();
    Model.testEndBtnClick();
    EXPECT_GT(EdgeCopies("bedge"), 0);
    EXPECT_EQ(EdgeCopies("gedge"), 0);
}

TEST_F(MainViewModelTest, TrialPlayOnAnEmptyBoardEndsEmpty) {
    Load(TagRecord(10));
    Model.ArrowClick(kToStart);
    const TPicture Empty = Picture();
    Model.testBtnClick();
    Press(TMouseButton::Left, 4, 4);
    EXPECT_EQ(Model.board().PointNumber(4, 4), 1);
    Model.testEndBtnClick();
    EXPECT_EQ(MoveIndex(), 0);
    EXPECT_EQ(Picture(), Empty);
    Model.ArrowClick(kToEnd);
    EXPECT_EQ(MoveIndex(), 10);
}

TEST_F(MainViewModelTest, StartingTrialPlayStopsNumberDisplayAndANewRecordEndsIt) {
    Load(TagRecord(10));
    Model.numBtnClick();
    Model.testBtnClick();
    EXPECT_FALSE(Model.numbersShown());
    EXPECT_EQ(GameChanges, 2);
    Load(TagRecord(3));
    EXPECT_EQ(Model.viewMode(), TXVexoViewModel::kViewing);
    EXPECT_FALSE(Model.testEndShown());
    EXPECT_EQ(MoveIndex(), 3);
    EXPECT_EQ(Model.modeDepth(), 0);
}

TEST_F(MainViewModelTest, BelowItsStartTrialPlayNumbersFromOneAndTheCommentFollows) {
    Load(TagRecord(40, "EV[x]", 37, "C[thirty-seven]"));
    Model.testBtnClick();
    for (int i = 0; i < 3; ++i)
        Press(TMouseButton::Right, 1, 1);
    ASSERT_EQ(MoveIndex(), 37);
    Press(TMouseButton::Left, 10, 10);
    EXPECT_EQ(Model.board().PointNumber(10, 10), 1);
    Model.ArrowClick(kBackOne);
    Model.ArrowClick(kForwardOne);
    EXPECT_EQ(Comment()[2].Text, "[37] thirty-seven");
    // A refused click (an occupied point) leaves the forward arrow nothing to step into.
    Model.ArrowClick(kBackOne);
    const auto [X1, Y1] = QuietMovePoint(1);
    Press(TMouseButton::Left, X1, Y1);
    Model.ArrowClick(kForwardOne);
    EXPECT_EQ(MoveIndex(), 37);
    // Number display during trial play, then the end: the record comes back whole.
    Model.numBtnClick();
    Press(TMouseButton::Left, 10, 11);
    Model.testEndBtnClick();
    EXPECT_FALSE(Model.numbersShown());
    EXPECT_EQ(MoveIndex(), 40);
    EXPECT_EQ(Stone(10, 10), kEmpty);
    EXPECT_EQ(Stone(10, 11), kEmpty);
    EXPECT_EQ(ValueOfMove(40), kLastMoveMark);
    Model.ArrowClick(kToStart);
    Model.ArrowClick(kToEnd);
    EXPECT_EQ(MoveIndex(), 40);
    EXPECT_EQ(Model.board().EndIndex(), 40);
}

TEST_F(MainViewModelTest, TheCommentStaysWithTheTrialStartWhenNumbersAreSwitched) {
    std::string Record = TagRecord(40, "EV[x]", 40, "C[forty]");
    Record.insert(Record.find("B[aa]") + 5, "C[one]");
    Load(Record);
    ASSERT_EQ(Comment()[2].Text, "[40] forty");
    Model.testBtnClick();
    Model.numBtnClick();  // numbering now counts from index 1
    Model.ArrowClick(kForwardOne);
    EXPECT_EQ(Comment()[2].Text, "[40] forty");
    Model.numEndBtnClick();
    Press(TMouseButton::Left, 10, 10);
    Model.ArrowClick(kBackOne);
    EXPECT_EQ(Comment()[2].Text, "[40] forty");
    // Stepping below the start and playing there moves the comment down with it.
    Model.ArrowClick(kBackOne);
    Model.ArrowClick(kBackOne);
    Press(TMouseButton::Left, 10, 12);
    Model.ArrowClick(kBackOne);
    Model.ArrowClick(kForwardOne);
    EXPECT_EQ(MoveIndex(), 39);
    EXPECT_EQ(Comment(), std::vector{kTopLink});  // move 38 has no notes
}

TEST_F(MainViewModelTest, MoveNumbersShowTheMoveIndexOnEveryStoneAndGoOnNumbering) {
    Load(TagRecord(60));
    GoTo(57);
    Model.numBtnClick();
    EXPECT_TRUE(Model.numbersShown());
    EXPECT_TRUE(Model.numEndShown());
    for (int i : {1, 30, 57})
        EXPECT_EQ(ValueOfMove(i), i) << i;
    Model.ArrowClick(kForwardOne);
    EXPECT_EQ(ValueOfMove(58), 58);
    Model.numEndBtnClick();
    EXPECT_FALSE(Model.numbersShown());
    EXPECT_EQ(ValueOfMove(58), kLastMoveMark);
    EXPECT_EQ(ValueOfMove(57), 0);
}

TEST_F(MainViewModelTest, MoveNumbersFromTheStartAndForTheNextRecord) {
    Load(TagRecord(5));
    Model.ArrowClick(kToStart);
    Model.numBtnClick();
    Model.ArrowClick(kForwardOne);
    Model.ArrowClick(kForwardOne);
    EXPECT_EQ(ValueOfMove(2), 2);
    // Number display stays on for the next record, whose last move shows its number.
    Load(TagRecord(8));
    Load(TagRecord(5));
    EXPECT_TRUE(Model.numbersShown());
    EXPECT_EQ(ValueOfMove(1), 1);
    EXPECT_EQ(ValueOfMove(5), 5);
}

// --- standard SGF records -------------------------------------------------------------------

TEST_F(MainViewModelTest, ABoardOfNineLinesFillsThePanel) {
    const int Loads = Model.imageSetLoads();
    Load(kNine);
    ASSERT_EQ(Model.record().FormatMode, kFormatSgf);
    // The design panel 533 x 497: cells of min(508, 472) div 9 = 52, the board centred.
    EXPECT_EQ(Model.painter().Lines(), 9);
    EXPECT_EQ(Model.painter().CellSize(), 52);
    EXPECT_EQ(Model.boardLeft(), 22);
    EXPECT_EQ(Model.boardTop(), 4);
    EXPECT_EQ(Model.imageSetLoads(), Loads + 1);
    // A standard SGF record opens at its start; End steps to its last move.
    EXPECT_EQ(MoveIndex(), 0);
    Model.ArrowClick(kToEnd);
    EXPECT_EQ(MoveIndex(), 15);
    // Two stones taken at the edge; the corner point played again at move 13.
    EXPECT_EQ(Model.blackDead(), "0");
    EXPECT_EQ(Model.whiteDead(), "2");
    EXPECT_EQ(Value(9, 2), kLastMoveMark);
    Model.testBtnClick();
    Press(TMouseButton::Left, 9, 9);
    EXPECT_EQ(Stone(9, 9), kWhite);
    Model.testEndBtnClick();
    EXPECT_EQ(Stone(9, 9), kEmpty);
    // A 19-line record brings the full board back.
    Load("(;EV[x];B[pd])\n");
    EXPECT_EQ(Model.painter().CellSize(), 24);
    EXPECT_EQ(Model.boardLeft(), 28);
    EXPECT_EQ(Model.boardTop(), 10);
    EXPECT_EQ(Model.imageSetLoads(), Loads + 2);
}

TEST_F(MainViewModelTest, MarksShowAtTheirMoveOnly) {
    Load(kNine);
    EXPECT_EQ(Mark(6, 6), 0);
    GoTo(11);
    EXPECT_EQ(Mark(9, 3), kValueTriangle);
    EXPECT_EQ(Mark(6, 6), kValueCircle);
    EXPECT_EQ(Mark(5, 5), kValueLetterA);
    EXPECT_EQ(Value(9, 3), kLastMoveMark);  // kept underneath
    const TPicture Marked = Picture();
    Model.ArrowClick(kForwardOne);
    for (auto [Col, Row] : {std::pair{9, 3}, {6, 6}, {5, 5}})
        EXPECT_EQ(Mark(Col, Row), 0) << Col << "," << Row;
    Model.ArrowClick(kBackOne);
    EXPECT_EQ(Picture(), Marked);
    // Trial play keeps them on the record's position and drops them on its own moves.
    Model.testBtnClick();
    EXPECT_EQ(Mark(6, 6), kValueCircle);
    Press(TMouseButton::Left, 1, 9);
    EXPECT_EQ(Mark(6, 6), 0);
    Model.testEndBtnClick();
    EXPECT_EQ(Picture(), Marked);
    // Move numbers show beside the marks and keep their own value codes.
    Model.numBtnClick();
    EXPECT_EQ(Value(7, 3), 3);
    EXPECT_EQ(Mark(9, 3), kValueTriangle);
}

TEST_F(MainViewModelTest, APassIsSaidInTheCommentBoxAndTheTitleData) {
    Load(kNine);
    GoTo(14);
    ASSERT_GE(Comment().size(), 3u);
    EXPECT_EQ(Comment()[2], TCommentLine{"白弃手"});
    EXPECT_TRUE(Model.titleData(80).LastWasPass);
    uint8_t Who = 0;
    EXPECT_TRUE(Model.shownMoveIsPass(&Who));
    EXPECT_EQ(Who, kWhite);
    Model.ArrowClick(kBackOne);
    EXPECT_EQ(Comment(), std::vector{kTopLink});
    EXPECT_FALSE(Model.shownMoveIsPass());
}

TEST_F(MainViewModelTest, SetupStonesStepWithTheirMove) {
    // Black's C3 taken off, E5 black and F6 white set up in a step of their own after move 4;
    // black plays twice.
    Load(
        "(;GM[1]FF[4]SZ[9]AB[aa];B[cc];W[gg];B[cg];W[gc]"
        ";AB[ee]AW[ff]AE[cc]C[set up];B[dd];B[ed];W[fd])");
    EXPECT_EQ(Stone(1, 1), kBlack);  // the starting setup is drawn at the start
    Model.ArrowClick(kToEnd);
    EXPECT_EQ(Stone(5, 4), kBlack);
    const TPicture End = Picture();
    GoTo(5);
    EXPECT_EQ(Stone(3, 3), kEmpty);
    EXPECT_EQ(Stone(5, 5), kBlack);
    EXPECT_EQ(Stone(6, 6), kWhite);
    Model.ArrowClick(kBackOne);
    EXPECT_EQ(Stone(3, 3), kBlack);
    EXPECT_EQ(Stone(5, 5), kEmpty);
    // Trial play from the setup step keeps the setup, and leaves the record as it was.
    Model.ArrowClick(kForwardOne);
    Model.testBtnClick();
    Press(TMouseButton::Left, 1, 2);
    EXPECT_EQ(Stone(1, 2), kBlack);
    EXPECT_EQ(Stone(5, 5), kBlack);
    Model.testEndBtnClick();
    Model.ArrowClick(kToEnd);
    EXPECT_EQ(Picture(), End);
}

}  // namespace
}  // namespace xvexo
