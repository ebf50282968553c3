#include "library_control.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFile>

#include "xvexoview_widget.h"

namespace xvexo {

namespace {

using TGetClassObject = XVHRESULT (*)(const XVGUID*, const XVGUID*, void**);

constexpr const char* kLibraryName = "libxvexoview.so.1";

// The library, loaded once for the program's life (it stays loaded: Qt runs from it).
void* LoadLibrary(QString& Error) {
    static void* Handle = nullptr;
    if (Handle) return Handle;
    const QString Dir = QCoreApplication::applicationDirPath();
    const QString Name = QString::fromLatin1(kLibraryName);
    for (const QString& Candidate :
         {Dir + QLatin1Char('/') + Name,
          Dir + QStringLiteral("/" XVEXO_LIBRARY_FROM_PROGRAM "/") + Name, Name}) {
        if (Candidate.contains(QLatin1Char('/')) && !QFile::exists(Candidate)) continue;
        Handle = ::dlopen(QFile::encodeName(Candidate).constData(), RTLD_NOW | RTLD_LOCAL);
        if (Handle) return Handle;
        Error = QStringLiteral("Cannot load the control library: ") +
                QString::fromLocal8Bit(::dlerror());
    }
    return nullptr;
}

class TLibraryControl final : public TViewerControl {
  public:
    explicit TLibraryControl(IXVexoViewWidget* View) : View(View) {}
    ~TLibraryControl() override {
        View->SetOnChange({});
        // The form goes with the control, before the window it sits in.
        View->Release();
    }
    TLibraryControl(const TLibraryControl&) = delete;
    TLibraryControl& operator=(const TLibraryControl&) = delete;

    QWidget* Widget() override { return View->Widget(); }
    QSize LeastSize() const override { return View->LeastSize(); }
    TOpenResult Open(const std::string& Address, QString* Error) override {
        switch (View->Open(Address, Error)) {
            case IXVexoViewWidget::Opened:
                return TOpenResult::Opened;
            case IXVexoViewWidget::NoRecord:
                return TOpenResult::NoRecord;
            case IXVexoViewWidget::Cancelled:
                return TOpenResult::Cancelled;
            default:
                return TOpenResult::Failed;
        }
    }
    void CancelLoad() override { View->CancelLoad(); }
    TViewerStatus Status() const override {
        const TXVexoViewStatus From = View->Status();
        TViewerStatus S;
        S.HasRecord = From.HasRecord;
        S.GameTitle = From.GameTitle;
        S.MoveIndex = From.MoveIndex;
        S.MoveCount = From.MoveCount;
        S.BlackToPlay = From.BlackToPlay;
        S.LastWasPass = From.LastWasPass;
        S.Coordinates = From.Coordinates == IXVexoViewWidget::Standard   ? TCoordinates::Standard
                        : From.Coordinates == IXVexoViewWidget::NoLabels ? TCoordinates::None
                                                                         : TCoordinates::Designed;
        return S;
    }
    void Print() override { View->Print(); }
    void Step(TStep Step) override { View->Step(static_cast<IXVexoViewWidget::TStep>(Step)); }
    bool CloseReference() override { return View->CloseReference(); }
    void SetOnChange(std::function<void()> Change) override {
        View->SetOnChange(std::move(Change));
    }
    void SetCoordinates(std::optional<TCoordinates> Choice) override {
        View->SetCoordinates(Choice ? static_cast<IXVexoViewWidget::TCoordinatesChoice>(
                                          IXVexoViewWidget::Designed + static_cast<int>(*Choice))
                                    : IXVexoViewWidget::ByFormat);
    }

  private:
    IXVexoViewWidget* View;
};

// The steps keep the order of the library's.
static_assert(static_cast<int>(TViewerControl::TStep::ToStart) == IXVexoViewWidget::ToStart);
static_assert(static_cast<int>(TViewerControl::TStep::ToEnd) == IXVexoViewWidget::ToEnd);

}  // namespace

std::unique_ptr<TViewerControl> MakeLibraryControl(QString& Error, QString* Notice) {
    void* Library = LoadLibrary(Error);
    if (!Library) return nullptr;
    // The form POSIX gives for taking a function from dlsym.
    TGetClassObject GetClassObject = nullptr;
    *reinterpret_cast<void**>(&GetClassObject) = ::dlsym(Library, "DllGetClassObject");
    XVClassFactory* Factory = nullptr;
    if (!GetClassObject || XV_FAILED(GetClassObject(&CLSID_XVexoView, &IID_IClassFactory,
                                                    reinterpret_cast<void**>(&Factory)))) {
        Error = QStringLiteral("The control library offers no XVexoView control");
        return nullptr;
    }
    IXVexoViewWidget* View = nullptr;
    const XVHRESULT R = Factory->lpVtbl->CreateInstance(Factory, nullptr, &IID_IXVexoViewWidget,
                                                        reinterpret_cast<void**>(&View));
    Factory->lpVtbl->Release(Factory);
    if (XV_FAILED(R) || !View) {
        Error = QStringLiteral("The control library could not make a control");
        return nullptr;
    }
    if (Notice) *Notice = View->StartNotice();
    return std::make_unique<TLibraryControl>(View);
}

}  // namespace xvexo
