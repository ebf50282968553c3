// The module's interface to the page (embind): the picture set of the sheet the page loaded, and
// a board on one of the page's canvases. Every call that draws ends by having the page replay
// the canvas's commands (Module.xvexoReplay); text is measured by the page (Module.xvexoMeasure).

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <string>

#include "board_view.h"
#include "web_canvas.h"
#include "web_pictures.h"

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

// The board of one element, drawn on the page's canvas number CanvasId.
class TPageBoard {
  public:
    TPageBoard(int CanvasId, TWebPictureSet& Pictures)
        : Page(CanvasId), Canvas(Page, kPanelColour), View(Canvas, Pictures) {}

    std::string Load(std::string Bytes, std::string Address) {
        std::string Error = View.Load(std::move(Bytes), Address);
        Canvas.Flush();
        return Error;
    }
    void Resize(int Width, int Height) {
        View.Resize(Width, Height);
        Canvas.Flush();
    }
    void ShowNumbers(bool On) {
        View.ShowNumbers(On);
        Canvas.Flush();
    }
    void Redraw() {
        View.Redraw();
        Canvas.Flush();
    }
    void SetFlushEach(bool On) { Canvas.SetFlushEach(On); }
    bool LastLoadShown() const { return View.LastLoadShown(); }
    int BoardLeft() const { return View.BoardLeft(); }
    int BoardTop() const { return View.BoardTop(); }
    int Lines() const { return View.Lines(); }
    int MoveIndex() const { return View.MoveIndex(); }

  private:
    TPageCanvas Page;
    TWebCanvas Canvas;
    TBoardView View;
};

}  // namespace

EMSCRIPTEN_BINDINGS(xvexo_core) {
    using namespace emscripten;
    class_<TWebPictureSet>("PictureSet").constructor<>().function("add", &TWebPictureSet::Add);
    class_<TPageBoard>("Board")
        .constructor<int, TWebPictureSet&>()
        .function("load", &TPageBoard::Load)
        .function("resize", &TPageBoard::Resize)
        .function("showNumbers", &TPageBoard::ShowNumbers)
        .function("redraw", &TPageBoard::Redraw)
        .function("lastLoadShown", &TPageBoard::LastLoadShown)
        .function("setFlushEach", &TPageBoard::SetFlushEach)
        .function("boardLeft", &TPageBoard::BoardLeft)
        .function("boardTop", &TPageBoard::BoardTop)
        .function("lines", &TPageBoard::Lines)
        .function("moveIndex", &TPageBoard::MoveIndex);
}

}  // namespace xvexo::web
