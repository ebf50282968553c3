#include "direct_control.h"

#include "control/reference_window.h"
#include "viewer_window.h"

namespace xvexo {

namespace {

// As much of a game's title as a window title can show.
constexpr qsizetype kMaxTitleChars = 80;

class TDirectControl final : public TViewerControl {
  public:
    TDirectControl(QWidget* Parent, TViewServices Services)
        : View(new TXVexoView(Parent, std::move(Services))) {}

    QWidget* Widget() override { return View; }
    QSize LeastSize() const override {
        return {TXVexoView::kLeastWidth, TXVexoView::kDesignHeight};
    }

    TOpenResult Open(const std::string& Address, QString* Error) override {
        if (!View->LoadAddress(Address, Error))
            return View->lastLoadCancelled() ? TOpenResult::Cancelled : TOpenResult::Failed;
        return View->lastLoadShown() ? TOpenResult::Opened : TOpenResult::NoRecord;
    }
    void CancelLoad() override { View->CancelLoad(); }

    TViewerStatus Status() const override {
        const TTitleData T = View->model().titleData(kMaxTitleChars);
        return {T.HasRecord,
                T.GameTitle,
                T.MoveIndex,
                T.MoveCount,
                T.BlackToPlay,
                T.LastWasPass,
                View->model().coordinates()};
    }

    void Print() override { View->printBtnClick(); }
    void Step(TStep Step) override { View->ArrowClick(static_cast<int>(Step)); }
    bool CloseReference() override {
        if (!View->helpForm() || !View->helpForm()->isVisible()) return false;
        View->helpForm()->close();
        return true;
    }
    void SetOnChange(std::function<void()> Change) override { View->OnChange = std::move(Change); }
    void SetCoordinates(std::optional<TCoordinates> Choice) override {
        View->SetCoordinatesChoice(Choice);
    }

  private:
    TXVexoView* View;
};

// The steps keep the order of the form's arrow tags.
static_assert(static_cast<int>(TViewerControl::TStep::ToStart) == TXVexoView::kToStart);
static_assert(static_cast<int>(TViewerControl::TStep::ToEnd) == TXVexoView::kToEnd);

}  // namespace

std::unique_ptr<TViewerControl> MakeDirectControl(QWidget* Parent, TViewServices Services) {
    return std::make_unique<TDirectControl>(Parent, std::move(Services));
}

// The window around a form of this program; here, so that the program, whose window holds a
// control of the library, links no form of its own.
TViewerWindow::TViewerWindow(QWidget* Parent, std::function<void(const QString&)> ReportError,
                             TViewServices Services)
    : TViewerWindow(MakeDirectControl(nullptr, std::move(Services)), Parent,
                    std::move(ReportError)) {}

TXVexoView& TViewerWindow::View() {
    return *static_cast<TXVexoView*>(FControl->Widget());
}

}  // namespace xvexo
