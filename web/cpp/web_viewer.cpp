#include "web_viewer.h"

#include <utility>

#include "records/record_loader.h"
#include "records/record_source.h"

namespace xvexo::web {

namespace {

// The keys that step the main board, by their DOM names, as the desktop's form takes them.
int ArrowForKey(std::string_view Key) {
    if (Key == "Home") return TXVexoViewModel::kToStart;
    if (Key == "PageUp") return TXVexoViewModel::kBackFive;
    if (Key == "ArrowLeft") return TXVexoViewModel::kBackOne;
    if (Key == "ArrowRight") return TXVexoViewModel::kForwardOne;
    if (Key == "PageDown") return TXVexoViewModel::kForwardFive;
    if (Key == "End") return TXVexoViewModel::kToEnd;
    return -1;
}

// The keys that step the reference diagram, as its buttons do.
int StepForKey(std::string_view Key) {
    if (Key == "PageUp") return TCHelpFormModel::kBackFive;
    if (Key == "ArrowLeft") return TCHelpFormModel::kBackOne;
    if (Key == "ArrowRight") return TCHelpFormModel::kForwardOne;
    if (Key == "PageDown") return TCHelpFormModel::kForwardFive;
    return -1;
}

}  // namespace

TWebViewer::TWebViewer(TPaintBox& MainBox, TPaintBox& HelpBox, TImageSource& Pictures)
    : BaseB(Pictures.Load("baseb")), BEdge(Pictures.Load("bedge")), GEdge(Pictures.Load("gedge")) {
    TPlayTimer& PlayTimer = *this;
    TClickPlayer& ClickPlayer = *this;
    Main = std::make_unique<TXVexoViewModel>(MainBox, Pictures, *BaseB, *BEdge, *GEdge, PlayTimer,
                                             ClickPlayer);
    Help = std::make_unique<TCHelpFormModel>(HelpBox, Pictures, *BaseB, *BEdge, *GEdge);
    Help->FormCreate();
    HelpBox.SetBackground(kReferencePanelColour);
    Main->OnChanged = [this] { News |= kNewsState; };
    Main->OnGameChanged = [this] { News |= kNewsGame; };
    Main->OnMessage = [this](const std::string& Text) {
        MessageText = Text;
        News |= kNewsMessage;
    };
    Main->OnOpenReference = [this](const TPosition& Snapshot, const std::string& Code) {
        OpenReference(Snapshot, Code);
    };
    Main->OnCloseReference = [this] { CloseReference(); };
    Help->OnChanged = [this] { News |= kNewsState; };
}

TWebViewer::~TWebViewer() {
    // The reference window draws with the pictures the main model's owner keeps: it goes first.
    Help->OnChanged = nullptr;
    Help.reset();
    Main.reset();
}

std::string TWebViewer::Load(std::string Bytes, std::string_view Address,
                             std::string_view FileName) {
    std::string Error;
    if (!Main->LoadText(std::move(Bytes), FormatOfAddress(Address), &Error)) return Error;
    // Not a failure of the load, but nothing of it can be shown: the desktop viewer says so and
    // keeps the game.
    if (!Main->lastLoadShown()) return NoGameMessage(FileName) + "; the game shown is unchanged";
    return {};
}

bool TWebViewer::KeyDown(std::string_view Key, bool InReference) {
    if (Key == "Escape") {
        if (!ReferenceOpen) return false;
        CloseReference();
        return true;
    }
    if (InReference) {
        const int Tag = StepForKey(Key);
        if (Tag < 0 || !ReferenceOpen) return false;
        Help->StepClick(Tag);
        return true;
    }
    const int Tag = ArrowForKey(Key);
    if (Tag < 0) return false;
    Main->ArrowClick(Tag);
    return true;
}

void TWebViewer::Wheel(int32_t Units) {
    const int32_t Steps = WheelSteps.Add(Units);
    if (Steps != 0) Main->BoardWheel(Steps);
}

TMouseButton TWebViewer::Button(int Code) {
    if (Code == 1) return TMouseButton::Right;
    if (Code == 2) return TMouseButton::Middle;
    return TMouseButton::Left;
}

void TWebViewer::BoardMouseDown(int Code, int X, int Y) {
    Main->painter().MouseDown(Button(Code), 0, X, Y);
}

void TWebViewer::ReferenceMouseDown(int Code, int X, int Y) {
    if (ReferenceOpen) Help->Painter().MouseDown(Button(Code), 0, X, Y);
}

bool TWebViewer::GoTo(int32_t N) {
    if (N < 0) return false;
    if (N == 0) {
        Main->ArrowClick(TXVexoViewModel::kToStart);
        return true;
    }
    return Main->moveBtnClick(std::to_string(N));
}

void TWebViewer::OpenReference(const TPosition& Snapshot, const std::string& Code) {
    // As the desktop's window opens: made ready for the snapshot, set up afresh when it was
    // closed, then the diagram shown.
    ReferenceEncoding = Main->encoding();
    Help->Initialise(Snapshot);
    if (!ReferenceOpen) Help->FormShow();
    ReferenceOpen = true;
    Help->ShowCode(Code);
    News |= kNewsReferenceOpened | kNewsState;
}

void TWebViewer::CloseReference() {
    if (!ReferenceOpen) return;
    ReferenceOpen = false;
    News |= kNewsReferenceClosed | kNewsState;
}

std::string TWebViewer::ReferenceMemo() const {
    const std::string Text = DecodeText(Help->Memo, ReferenceEncoding);
    std::string Lines;
    Lines.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '\r') {
            Lines += Text[i];
        } else if (i + 1 >= Text.size() || Text[i + 1] != '\n') {
            Lines += '\n';
        }
    }
    return Lines;
}

void TWebViewer::SetCoordinates(TCoordinates Mode) {
    // Kept until the painter draws the coordinates of a player's choice.
    CoordinateMode = Mode;
}

void TWebViewer::SetLanguage(std::string_view Tag) {
    // Kept until the core's texts come in more than the designed language.
    LanguageTag = Tag;
}

void TWebViewer::Redraw() {
    for (TKelGoPB* Painter : {&Main->painter(), &Help->Painter()}) {
        if (Painter->IsSized()) Painter->Redraw();
    }
}

void TWebViewer::Start(int32_t IntervalMs) {
    TimerOn = true;
    TimerMs = IntervalMs;
    News |= kNewsTimer;
}

void TWebViewer::Stop() {
    if (!TimerOn) return;
    TimerOn = false;
    News |= kNewsTimer;
}

void TWebViewer::SetInterval(int32_t IntervalMs) {
    TimerMs = IntervalMs;
    News |= kNewsTimer;
}

void TWebViewer::PlayClick() {
    ++Clicks;
}

}  // namespace xvexo::web
