// The module's interface to the page (embind): the picture set of the sheet the page loaded,
// and the viewer of one element on two of the page's canvases (the main board and the reference
// window's). Every call that may draw ends by having the page replay the canvases' commands
// (Module.xvexoReplay); text is measured by the page (Module.xvexoMeasure). The page then asks
// takeNews() what to show afresh and reads the state it needs.

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>
#include <type_traits>

#include "element_text.h"
#include "web_canvas.h"
#include "web_pictures.h"
#include "web_viewer.h"

// The page's functions, set on the module by web/src/core.js.
// clang-format off
EM_JS(int, MeasureOnPage, (const char* Font, int FontLength, int Size, int Bold, const char* Text,
                           int TextLength, int Height), {
    return Module.xvexoMeasure(UTF8ToString(Font, FontLength), Size, Bold != 0,
                               UTF8ToString(Text, TextLength), Height != 0);
});

EM_JS(void, ReplayOnPage, (int Canvas, const int32_t* Words, int Count, const char* Bytes,
                           int ByteCount), {
    Module.xvexoReplay(Canvas, Words, Count, Bytes, ByteCount);
});
// clang-format on

namespace xvexo::web {

namespace {

using emscripten::val;

class TPageCanvas : public TCanvasPage {
  public:
    explicit TPageCanvas(int Id) : Id(Id) {}
    int Measure(const std::string& FontName, int Size, bool Bold, const std::string& Text,
                bool Height) override {
        return MeasureOnPage(FontName.data(), static_cast<int>(FontName.size()), Size, Bold ? 1 : 0,
                             Text.data(), static_cast<int>(Text.size()), Height ? 1 : 0);
    }
    void Replay(const TWebCanvas& Canvas) override {
        ReplayOnPage(Id, Canvas.Commands().data(), static_cast<int>(Canvas.Commands().size()),
                     Canvas.Texts().data(), static_cast<int>(Canvas.Texts().size()));
    }

  private:
    const int Id;
};

val Colour(TColour C) {
    return val(static_cast<int>(C));
}

val PlayerObject(const TPlayerText& P) {
    val O = val::object();
    O.set("name", P.Name);
    O.set("nameWraps", P.NameWraps);
    O.set("rankWritten", P.RankWritten);
    O.set("rank", P.Rank);
    return O;
}

// The viewer of one element: its models on the page's canvases MainId (the main board) and
// HelpId (the reference window's board).
class TPageViewer {
  public:
    TPageViewer(int MainId, int HelpId, TWebPictureSet& Pictures)
        : MainPage(MainId),
          HelpPage(HelpId),
          MainCanvas(MainPage, kPanelColour),
          HelpCanvas(HelpPage, kReferencePanelColour),
          Viewer(MainCanvas, HelpCanvas, Pictures) {
        Flush();
    }

    // Runs a handler of the viewer, then has the page draw what it drew.
    template <typename F>
    auto Run(F Handler) {
        if constexpr (std::is_void_v<decltype(Handler(Viewer))>) {
            Handler(Viewer);
            Flush();
        } else {
            auto Result = Handler(Viewer);
            Flush();
            return Result;
        }
    }

    // A record shown is replayed move by move on the painter: the page draws only the picture
    // it ends with, once.
    std::string Load(std::string Bytes, std::string Address, std::string FileName) {
        MainCanvas.SetHeld(true);
        std::string Error = Viewer.Load(std::move(Bytes), Address, FileName);
        MainCanvas.SetHeld(false);
        TKelGoPB& Painter = Viewer.Model().painter();
        if (Error.empty() && Painter.IsSized()) Painter.Redraw();
        Flush();
        return Error;
    }
    bool KeyDown(std::string Key, bool InReference) {
        return Run([&](TWebViewer& V) { return V.KeyDown(Key, InReference); });
    }
    void Wheel(int Units) {
        Run([&](TWebViewer& V) { V.Wheel(Units); });
    }
    void BoardMouseDown(int Button, int X, int Y) {
        Run([&](TWebViewer& V) { V.BoardMouseDown(Button, X, Y); });
    }
    void ReferenceMouseDown(int Button, int X, int Y) {
        Run([&](TWebViewer& V) { V.ReferenceMouseDown(Button, X, Y); });
    }
    bool GoTo(int N) {
        return Run([&](TWebViewer& V) { return V.GoTo(N); });
    }
    void ArrowClick(int Tag) {
        Run([&](TWebViewer& V) { V.Model().ArrowClick(Tag); });
    }
    bool MoveBtnClick(std::string Text) {
        return Run([&](TWebViewer& V) { return V.Model().moveBtnClick(Text); });
    }
    void AutoBtnClick() {
        Run([](TWebViewer& V) { V.Model().autoBtnClick(); });
    }
    void AutoEndBtnClick() {
        Run([](TWebViewer& V) { V.Model().autoEndBtnClick(); });
    }
    void TimerTimer() {
        Run([](TWebViewer& V) { V.Model().TimerTimer(); });
    }
    void SecondSEChange(int Seconds) {
        Run([&](TWebViewer& V) { V.Model().secondSEChange(Seconds); });
    }
    void TestBtnClick() {
        Run([](TWebViewer& V) { V.Model().testBtnClick(); });
    }
    void TestEndBtnClick() {
        Run([](TWebViewer& V) { V.Model().testEndBtnClick(); });
    }
    void NumBtnClick() {
        Run([](TWebViewer& V) { V.Model().numBtnClick(); });
    }
    void NumEndBtnClick() {
        Run([](TWebViewer& V) { V.Model().numEndBtnClick(); });
    }
    void OpenDiagram(int K) {
        Run([&](TWebViewer& V) { V.Model().OpenDiagram(K); });
    }
    void PBaseResize(int W, int H) {
        Run([&](TWebViewer& V) { V.Model().pBaseResize(W, H); });
    }
    void StepClick(int Tag) {
        Run([&](TWebViewer& V) { V.Reference().StepClick(Tag); });
    }
    void PassBtnClick() {
        Run([](TWebViewer& V) { V.Reference().PassBtnClick(); });
    }
    void SetMark(bool On, int Index) {
        TCHelpFormModel& R = Viewer.Reference();
        R.MarkOn = On;
        if (Index >= 0 && Index < TCHelpFormModel::kLetters) R.MarkIndex = Index;
    }
    void ReferenceResize(int BoardWidth, int BoardHeight, int ButtonsWidth) {
        Run([&](TWebViewer& V) {
            V.Reference().pCBaseResize(ButtonsWidth);
            V.Reference().pBBaseResize(BoardWidth, BoardHeight);
        });
    }
    void CloseReference() {
        Run([](TWebViewer& V) { V.CloseReference(); });
    }
    void Redraw() {
        Run([](TWebViewer& V) { V.Redraw(); });
    }
    void SetCoordinates(int Mode) {
        Run([&](TWebViewer& V) {
            V.SetCoordinates(Mode >= 0 && Mode <= 3 ? static_cast<TCoordinates>(Mode)
                                                    : TCoordinates::Auto);
        });
    }
    void SetLanguage(std::string Tag) {
        Run([&](TWebViewer& V) { V.SetLanguage(Tag); });
    }
    // Drawing calls reach the page one by one instead of once a handler (the benchmark).
    void SetFlushEach(bool On) {
        MainCanvas.SetFlushEach(On);
        HelpCanvas.SetFlushEach(On);
    }

    int TakeNews() { return static_cast<int>(Viewer.TakeNews()); }
    int TakeClicks() { return Viewer.TakeClicks(); }
    std::string Message() const { return Viewer.Message(); }

    // The main window's state, but for the comment and the game information, which the page
    // reads when their versions change.
    val State() const {
        const TXVexoViewModel& M = Viewer.Model();
        const TTitleData T = M.titleData(kMaxTipChars);
        val S = val::object();
        S.set("hasRecord", T.HasRecord);
        S.set("title", T.GameTitle);
        S.set("move", T.MoveIndex);
        // The passes that end a tag or NGF record stand above the moves the board steps back
        // to: as the desktop's title, the total is never below the move shown.
        S.set("moves", std::max(T.MoveCount, T.MoveIndex));
        S.set("blackToPlay", T.BlackToPlay);
        S.set("pass", T.LastWasPass);
        S.set("trial", M.testEndShown());
        S.set("numbers", M.numEndShown());
        S.set("autoPlay", M.autoEndShown());
        S.set("seconds", M.seconds());
        S.set("whiteDead", M.whiteDead());
        S.set("blackDead", M.blackDead());
        S.set("surround", Colour(M.surroundColour()));
        S.set("boardLeft", M.boardLeft());
        S.set("boardTop", M.boardTop());
        S.set("commentVersion", static_cast<double>(M.commentVersion()));
        S.set("recordVersion", static_cast<double>(M.recordVersion()));
        S.set("timerRunning", Viewer.TimerRunning());
        S.set("timerInterval", Viewer.TimerInterval());
        S.set("coordinates", static_cast<int>(Viewer.Coordinates()));
        S.set("language", Viewer.Language());
        return S;
    }

    val CommentLines() const {
        val Lines = val::array();
        for (const TCommentLine& Line : Viewer.Model().commentLines()) {
            val L = val::object();
            L.set("text", Line.Text);
            L.set("link", Line.IsLink);
            L.set("diagram", Line.Diagram);
            Lines.call<void>("push", L);
        }
        return Lines;
    }

    val InfoTexts() const {
        const TInfoTexts& Info = Viewer.Model().infoTexts();
        val I = val::object();
        I.set("title", Info.Title);
        val Lines = val::array();
        for (const std::string& Line : Info.Lines)
            Lines.call<void>("push", Line);
        I.set("lines", Lines);
        I.set("black", PlayerObject(Info.Black));
        I.set("white", PlayerObject(Info.White));
        return I;
    }

    val ReferenceState() const {
        const TCHelpFormModel& R = Viewer.Reference();
        val S = val::object();
        S.set("shown", Viewer.ReferenceShown());
        S.set("caption", R.Caption);
        S.set("memo", Viewer.ReferenceMemo());
        S.set("surround", Colour(R.SurroundColour));
        S.set("helpPanel", R.HelpPanelShown);
        S.set("studyPanel", R.StudyPanelShown);
        S.set("study", R.Study);
        S.set("studyCaption", R.StudyButtonCaption);
        S.set("passCaption", R.PassButtonCaption);
        S.set("markCaption", R.MarkCaption);
        S.set("markOn", R.MarkOn);
        S.set("markIndex", R.MarkIndex);
        S.set("boardLeft", R.HelpPBLeft);
        S.set("boardTop", R.HelpPBTop);
        val Buttons = val::array();
        for (const TButtonPlace& B : R.StepButtons) {
            val P = val::object();
            P.set("left", B.Left);
            P.set("width", B.Width);
            Buttons.call<void>("push", P);
        }
        S.set("buttons", Buttons);
        return S;
    }

    val Texts() const {
        val T = val::object();
        for (const TElementText& E : ElementTexts(Viewer.Language()))
            T.set(std::string(E.Key), std::string(E.Text));
        return T;
    }

  private:
    void Flush() {
        MainCanvas.Flush();
        HelpCanvas.Flush();
    }

    TPageCanvas MainPage;
    TPageCanvas HelpPage;
    TWebCanvas MainCanvas;
    TWebCanvas HelpCanvas;
    TWebViewer Viewer;
};

}  // namespace

EMSCRIPTEN_BINDINGS(xvexo_core) {
    using namespace emscripten;
    class_<TWebPictureSet>("PictureSet").constructor<>().function("add", &TWebPictureSet::Add);
    class_<TPageViewer>("Viewer")
        .constructor<int, int, TWebPictureSet&>()
        .function("load", &TPageViewer::Load)
        .function("keyDown", &TPageViewer::KeyDown)
        .function("wheel", &TPageViewer::Wheel)
        .function("boardMouseDown", &TPageViewer::BoardMouseDown)
        .function("referenceMouseDown", &TPageViewer::ReferenceMouseDown)
        .function("goTo", &TPageViewer::GoTo)
        .function("arrowClick", &TPageViewer::ArrowClick)
        .function("moveBtnClick", &TPageViewer::MoveBtnClick)
        .function("autoBtnClick", &TPageViewer::AutoBtnClick)
        .function("autoEndBtnClick", &TPageViewer::AutoEndBtnClick)
        .function("timerTimer", &TPageViewer::TimerTimer)
        .function("secondSEChange", &TPageViewer::SecondSEChange)
        .function("testBtnClick", &TPageViewer::TestBtnClick)
        .function("testEndBtnClick", &TPageViewer::TestEndBtnClick)
        .function("numBtnClick", &TPageViewer::NumBtnClick)
        .function("numEndBtnClick", &TPageViewer::NumEndBtnClick)
        .function("openDiagram", &TPageViewer::OpenDiagram)
        .function("pBaseResize", &TPageViewer::PBaseResize)
        .function("stepClick", &TPageViewer::StepClick)
        .function("passBtnClick", &TPageViewer::PassBtnClick)
        .function("setMark", &TPageViewer::SetMark)
        .function("referenceResize", &TPageViewer::ReferenceResize)
        .function("closeReference", &TPageViewer::CloseReference)
        .function("redraw", &TPageViewer::Redraw)
        .function("setCoordinates", &TPageViewer::SetCoordinates)
        .function("setLanguage", &TPageViewer::SetLanguage)
        .function("setFlushEach", &TPageViewer::SetFlushEach)
        .function("takeNews", &TPageViewer::TakeNews)
        .function("takeClicks", &TPageViewer::TakeClicks)
        .function("message", &TPageViewer::Message)
        .function("state", &TPageViewer::State)
        .function("commentLines", &TPageViewer::CommentLines)
        .function("infoTexts", &TPageViewer::InfoTexts)
        .function("referenceState", &TPageViewer::ReferenceState)
        .function("texts", &TPageViewer::Texts);
}

}  // namespace xvexo::web
