// The control object: IXVexoView by dispatch identifier over the form, events forwarded to the
// host's sink, the window interface and the widget interface.

#include "control_object.h"

#include <strings.h>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QTimer>

#include <cstring>
#include <functional>
#include <string>

#include "control/reference_window.h"
#include "control/xvexo_view.h"
#include "library_state.h"
#include "variants.h"
#include "xvexoview_widget.h"

namespace xvexo::library {

namespace {

class TControl;

// Each interface of the control is a small record whose first member is its table of
// functions, pointing back at the control.
template <typename TVtbl>
struct TFace {
    const TVtbl* Vtbl;
    TControl* Owner;
};

// The form's events, caught on their way to it and forwarded to the sink.
class TEventForwarder final : public QObject {
  public:
    explicit TEventForwarder(TControl& Control) : Control(Control) {}

  protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

  private:
    bool KeyPress(QObject* Watched, QKeyEvent& Key);

    TControl& Control;
    bool Resending = false;
    bool PaintFired = false;
};

// The longest game title the widget interface hands out, in characters.
constexpr qsizetype kMaxTitleChars = 200;

// The widget interface for Qt hosts.
class TWidgetFace final : public IXVexoViewWidget {
  public:
    explicit TWidgetFace(TControl& Control) : Control(Control) {}

    XVHRESULT QueryInterface(const XVGUID* Iid, void** Out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    QWidget* Widget() override;
    QSize LeastSize() override;
    TOpenResult Open(const std::string& Address, QString* Error) override;
    void CancelLoad() override;
    TXVexoViewStatus Status() override;
    void Print() override;
    void Step(TStep Step) override;
    bool CloseReference() override;
    void SetOnChange(std::function<void()> Change) override;
    QString StartNotice() override;
    void SetCoordinates(TCoordinatesChoice Choice) override;

  private:
    TControl& Control;
};

// The form's properties that have no counterpart on a Qt widget: kept as the host set them.
struct TStoredProperties {
    bool AutoScroll = false;
    bool AutoSize = false;
    int32_t AxBorderStyle = afbNone;
    bool KeyPreview = false;
    int32_t PixelsPerInch = 96;
    int32_t PrintScale = poProportional;
    bool Scaled = true;
    std::string HelpFile;
    bool DoubleBuffered = false;
    int16_t Cursor = 0;          // crDefault
    int32_t Color = 0x8000000F;  // the system's button face
};

class TControl {
  public:
    TControl();
    ~TControl();

    XVHRESULT QueryInterface(const XVGUID* Iid, void** Out);
    uint32_t AddRef() { return ++Refs; }
    uint32_t Release();

    // Holds a reference to the control while the library calls out to the host, which may give
    // up its last reference meanwhile (close the viewer on a key, in OnPaint): the control
    // outlives the call. Made where a call of the host's comes in (a member, SendChar,
    // ProcessEvents, the widget interface), the control is freed as the call returns when it
    // was the last reference; made where Qt delivers an event (the event filter, a change of
    // the form), whose dispatch goes on after the guard, it is freed once that dispatch is over.
    class TCallOutGuard {
      public:
        enum TKind { HostCall, QtEvent };
        TCallOutGuard(TControl& Control, TKind Kind) : Control(Control), Kind(Kind) {
            Control.AddRef();
            if (Kind == QtEvent) ++Control.QtEvents;
        }
        ~TCallOutGuard() {
            Control.Release();
            if (Kind == QtEvent) --Control.QtEvents;
        }
        TCallOutGuard(const TCallOutGuard&) = delete;
        TCallOutGuard& operator=(const TCallOutGuard&) = delete;

      private:
        TControl& Control;
        TKind Kind;
    };

    XVHRESULT Invoke(int32_t Id, uint16_t Flags, XVDispParams* Params, XVVariant* Result,
                     XVExcepInfo* Excep);
    // Fires event Id on the sink, if one is connected, with Args (the last one first).
    void Fire(int32_t Id, XVVariant* Args = nullptr, uint32_t Count = 0);

    XVHRESULT Advise(XVUnknown* Sink, uint32_t* Cookie);
    XVHRESULT Unadvise(uint32_t Cookie);
    XVHRESULT ProcessEvents(int32_t Milliseconds);
    XVHRESULT SendChar(int32_t Char, int32_t* Delivered);
    // getFile: the text of a failure, empty on success.
    std::string GetFile(const std::string& Address);

    TFace<XVDispatchVtbl> Dispatch;
    TFace<XVConnectionPointContainerVtbl> Container;
    TFace<XVConnectionPointVtbl> Point;
    TFace<XVexoViewWindowVtbl> Window;
    TWidgetFace WidgetFace{*this};

    QPointer<TXVexoView> Form;
    TStoredProperties Stored;
    // The character the form went on with for the last key press that reached OnKeyPress.
    int32_t Delivered = 0;

  private:
    void Get(int32_t Id, XVVariant* Result);
    void Put(int32_t Id, const XVVariant& Value, bool ByReference);
    void ApplyCursor();
    void ApplyColor();

    uint32_t Refs = 1;
    // Qt events being delivered through a guard: a control given up inside one is freed after.
    int QtEvents = 0;
    // The host gave up its last reference inside a Qt event; the control waits to be freed and
    // sends no event but OnDestroy.
    bool Released = false;
    XVDispatch* Sink = nullptr;
    uint32_t SinkCookie = 0;
    uint32_t NextCookie = 1;
    TEventForwarder* Forwarder = nullptr;
};

// --- IXVexoView -----------------------------------------------------------------------------

TControl* OwnerOf(void* This) {
    return static_cast<TFace<void>*>(This)->Owner;
}

XVHRESULT DispQueryInterface(XVDispatch* This, const XVGUID* Iid, void** Out) {
    return OwnerOf(This)->QueryInterface(Iid, Out);
}
uint32_t DispAddRef(XVDispatch* This) {
    return OwnerOf(This)->AddRef();
}
uint32_t DispRelease(XVDispatch* This) {
    return OwnerOf(This)->Release();
}
XVHRESULT DispGetTypeInfoCount(XVDispatch*, uint32_t* Count) {
    if (!Count) return XV_E_POINTER;
    *Count = 0;
    return XV_S_OK;
}
XVHRESULT DispGetTypeInfo(XVDispatch*, uint32_t, uint32_t, void** Info) {
    if (Info) *Info = nullptr;
    return XV_E_NOTIMPL;
}

struct TMemberName {
    const char* Name;
    int32_t Id;
};
constexpr TMemberName kMembers[] = {
    {"Visible", XV_DISPID_VISIBLE},
    {"AutoScroll", XV_DISPID_AUTOSCROLL},
    {"AutoSize", XV_DISPID_AUTOSIZE},
    {"AxBorderStyle", XV_DISPID_AXBORDERSTYLE},
    {"Caption", XV_DISPID_CAPTION},
    {"Color", XV_DISPID_COLOR},
    {"Font", XV_DISPID_FONT},
    {"KeyPreview", XV_DISPID_KEYPREVIEW},
    {"PixelsPerInch", XV_DISPID_PIXELSPERINCH},
    {"PrintScale", XV_DISPID_PRINTSCALE},
    {"Scaled", XV_DISPID_SCALED},
    {"Active", XV_DISPID_ACTIVE},
    {"DropTarget", XV_DISPID_DROPTARGET},
    {"HelpFile", XV_DISPID_HELPFILE},
    {"DoubleBuffered", XV_DISPID_DOUBLEBUFFERED},
    {"VisibleDockClientCount", XV_DISPID_VISIBLEDOCKCLIENTCOUNT},
    {"Enabled", XV_DISPID_ENABLED},
    {"Cursor", XV_DISPID_CURSOR},
    {"getFile", XV_DISPID_GETFILE},
};

XVHRESULT DispGetIDsOfNames(XVDispatch*, const XVGUID*, const char** Names, uint32_t Count,
                            uint32_t, int32_t* Ids) {
    if (!Names || !Ids) return XV_E_POINTER;
    XVHRESULT Result = XV_S_OK;
    for (uint32_t i = 0; i < Count; ++i) {
        Ids[i] = -1;
        // The first name is the member; getFile's arguments are named fileName and level.
        if (i > 0 && Count == 3 && Ids[0] == XV_DISPID_GETFILE && Names[i]) {
            if (strcasecmp(Names[i], "fileName") == 0) Ids[i] = 0;
            if (strcasecmp(Names[i], "level") == 0) Ids[i] = 1;
        } else if (i == 0 && Names[i]) {
            for (const TMemberName& M : kMembers) {
                if (strcasecmp(Names[i], M.Name) == 0) Ids[i] = M.Id;
            }
        }
        if (Ids[i] == -1) Result = XV_DISP_E_UNKNOWNNAME;
    }
    return Result;
}

XVHRESULT DispInvoke(XVDispatch* This, int32_t Id, const XVGUID*, uint32_t, uint16_t Flags,
                     XVDispParams* Params, XVVariant* Result, XVExcepInfo* Excep, uint32_t*) {
    TControl* C = OwnerOf(This);
    // The host's reference may be the last one it gives up from inside an event of this call.
    const TControl::TCallOutGuard Guard(*C, TControl::TCallOutGuard::HostCall);
    return C->Invoke(Id, Flags, Params, Result, Excep);
}

constexpr XVDispatchVtbl kDispatchVtbl = {
    DispQueryInterface, DispAddRef,        DispRelease, DispGetTypeInfoCount,
    DispGetTypeInfo,    DispGetIDsOfNames, DispInvoke};

// --- Connection points ----------------------------------------------------------------------

XVHRESULT CpcQueryInterface(XVConnectionPointContainer* This, const XVGUID* Iid, void** Out) {
    return OwnerOf(This)->QueryInterface(Iid, Out);
}
uint32_t CpcAddRef(XVConnectionPointContainer* This) {
    return OwnerOf(This)->AddRef();
}
uint32_t CpcRelease(XVConnectionPointContainer* This) {
    return OwnerOf(This)->Release();
}
XVHRESULT CpcEnum(XVConnectionPointContainer*, void** Enum) {
    if (Enum) *Enum = nullptr;
    return XV_E_NOTIMPL;
}
XVHRESULT CpcFind(XVConnectionPointContainer* This, const XVGUID* Iid, XVConnectionPoint** Out) {
    if (!Out || !Iid) return XV_E_POINTER;
    *Out = nullptr;
    if (!SameGuid(*Iid, DIID_IXVexoViewEvents)) return XV_CONNECT_E_NOCONNECTION;
    TControl* C = OwnerOf(This);
    C->AddRef();
    *Out = reinterpret_cast<XVConnectionPoint*>(&C->Point);
    return XV_S_OK;
}
constexpr XVConnectionPointContainerVtbl kContainerVtbl = {CpcQueryInterface, CpcAddRef, CpcRelease,
                                                           CpcEnum, CpcFind};

XVHRESULT CpQueryInterface(XVConnectionPoint* This, const XVGUID* Iid, void** Out) {
    if (!Out) return XV_E_POINTER;
    *Out = nullptr;
    if (!Iid) return XV_E_POINTER;
    if (!SameGuid(*Iid, IID_IUnknown) && !SameGuid(*Iid, IID_IConnectionPoint)) {
        return XV_E_NOINTERFACE;
    }
    OwnerOf(This)->AddRef();
    *Out = This;
    return XV_S_OK;
}
uint32_t CpAddRef(XVConnectionPoint* This) {
    return OwnerOf(This)->AddRef();
}
uint32_t CpRelease(XVConnectionPoint* This) {
    return OwnerOf(This)->Release();
}
XVHRESULT CpGetInterface(XVConnectionPoint*, XVGUID* Iid) {
    if (!Iid) return XV_E_POINTER;
    *Iid = DIID_IXVexoViewEvents;
    return XV_S_OK;
}
XVHRESULT CpGetContainer(XVConnectionPoint* This, XVConnectionPointContainer** Out) {
    if (!Out) return XV_E_POINTER;
    TControl* C = OwnerOf(This);
    C->AddRef();
    *Out = reinterpret_cast<XVConnectionPointContainer*>(&C->Container);
    return XV_S_OK;
}
XVHRESULT CpAdvise(XVConnectionPoint* This, XVUnknown* Sink, uint32_t* Cookie) {
    return OwnerOf(This)->Advise(Sink, Cookie);
}
XVHRESULT CpUnadvise(XVConnectionPoint* This, uint32_t Cookie) {
    return OwnerOf(This)->Unadvise(Cookie);
}
XVHRESULT CpEnum(XVConnectionPoint*, void** Enum) {
    if (Enum) *Enum = nullptr;
    return XV_E_NOTIMPL;
}
constexpr XVConnectionPointVtbl kPointVtbl = {CpQueryInterface, CpAddRef,       CpRelease,
                                              CpGetInterface,   CpGetContainer, CpAdvise,
                                              CpUnadvise,       CpEnum};

// --- The window interface -------------------------------------------------------------------

XVHRESULT WinQueryInterface(XVexoViewWindow* This, const XVGUID* Iid, void** Out) {
    return OwnerOf(This)->QueryInterface(Iid, Out);
}
uint32_t WinAddRef(XVexoViewWindow* This) {
    return OwnerOf(This)->AddRef();
}
uint32_t WinRelease(XVexoViewWindow* This) {
    return OwnerOf(This)->Release();
}
XVHRESULT WinProcessEvents(XVexoViewWindow* This, int32_t Milliseconds) {
    const TControl::TCallOutGuard Guard(*OwnerOf(This), TControl::TCallOutGuard::HostCall);
    return OwnerOf(This)->ProcessEvents(Milliseconds);
}
XVHRESULT WinSendChar(XVexoViewWindow* This, int32_t Char, int32_t* Delivered) {
    const TControl::TCallOutGuard Guard(*OwnerOf(This), TControl::TCallOutGuard::HostCall);
    return OwnerOf(This)->SendChar(Char, Delivered);
}
constexpr XVexoViewWindowVtbl kWindowVtbl = {WinQueryInterface, WinAddRef, WinRelease,
                                             WinProcessEvents, WinSendChar};

// --- The control ----------------------------------------------------------------------------

TControl::TControl()
    : Dispatch{&kDispatchVtbl, this},
      Container{&kContainerVtbl, this},
      Point{&kPointVtbl, this},
      Window{&kWindowVtbl, this} {
    // The form runs its own start-up as it is built; then the forwarders are put in place.
    Form = new TXVexoView();
    Form->setWindowTitle(QStringLiteral("XVexoView"));
    Stored.PixelsPerInch = Form->logicalDpiY();
    Forwarder = new TEventForwarder(*this);
    qApp->installEventFilter(Forwarder);
    ObjectCreated();
}

TControl::~TControl() {
    // OnDestroy reaches the sink before the control frees anything.
    Fire(XV_DISPID_ONDESTROY);
    if (Sink) Sink->lpVtbl->Release(Sink);
    Sink = nullptr;
    qApp->removeEventFilter(Forwarder);
    delete Forwarder;
    delete Form.data();
    ObjectDestroyed();
}

XVHRESULT TControl::QueryInterface(const XVGUID* Iid, void** Out) {
    if (!Out) return XV_E_POINTER;
    *Out = nullptr;
    if (!Iid) return XV_E_POINTER;
    if (SameGuid(*Iid, IID_IUnknown) || SameGuid(*Iid, IID_IDispatch) ||
        SameGuid(*Iid, IID_IXVexoView)) {
        *Out = &Dispatch;
    } else if (SameGuid(*Iid, IID_IConnectionPointContainer)) {
        *Out = &Container;
    } else if (SameGuid(*Iid, IID_IXVexoViewWindow)) {
        *Out = &Window;
    } else if (SameGuid(*Iid, IID_IXVexoViewWidget)) {
        *Out = static_cast<IXVexoViewWidget*>(&WidgetFace);
    } else {
        return XV_E_NOINTERFACE;
    }
    AddRef();
    return XV_S_OK;
}

uint32_t TControl::Release() {
    const uint32_t Left = --Refs;
    if (Left != 0) return Left;
    // A sink that calls the control from OnDestroy must not free it a second time.
    Refs = 1;
    if (QtEvents == 0) {
        delete this;
        return 0;
    }
    // Given up inside an event that Qt still delivers to the form: freed once it is over.
    if (!Released) {
        Released = true;
        QMetaObject::invokeMethod(
            qApp, [this] { delete this; }, Qt::QueuedConnection);
    }
    return 0;
}

XVHRESULT TControl::Advise(XVUnknown* NewSink, uint32_t* Cookie) {
    if (!NewSink || !Cookie) return XV_E_POINTER;
    *Cookie = 0;
    if (Sink) return XV_CONNECT_E_ADVISELIMIT;
    void* Events = nullptr;
    if (XV_FAILED(NewSink->lpVtbl->QueryInterface(NewSink, &DIID_IXVexoViewEvents, &Events)) &&
        XV_FAILED(NewSink->lpVtbl->QueryInterface(NewSink, &IID_IDispatch, &Events))) {
        return XV_E_NOINTERFACE;
    }
    Sink = static_cast<XVDispatch*>(Events);
    SinkCookie = NextCookie++;
    *Cookie = SinkCookie;
    return XV_S_OK;
}

XVHRESULT TControl::Unadvise(uint32_t Cookie) {
    if (!Sink || Cookie != SinkCookie) return XV_CONNECT_E_NOCONNECTION;
    XVDispatch* Old = Sink;
    Sink = nullptr;
    SinkCookie = 0;
    Old->lpVtbl->Release(Old);
    return XV_S_OK;
}

void TControl::Fire(int32_t Id, XVVariant* Args, uint32_t Count) {
    if (!Sink || (Released && Id != XV_DISPID_ONDESTROY)) return;
    XVDispatch* S = Sink;
    // The sink may disconnect itself while it handles the event.
    S->lpVtbl->AddRef(S);
    XVDispParams Params{Args, nullptr, Count, 0};
    S->lpVtbl->Invoke(S, Id, nullptr, 0, XV_DISPATCH_METHOD, &Params, nullptr, nullptr, nullptr);
    S->lpVtbl->Release(S);
}

XVHRESULT TControl::ProcessEvents(int32_t Milliseconds) {
    QElapsedTimer Clock;
    Clock.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (Clock.elapsed() < Milliseconds);
    return XV_S_OK;
}

XVHRESULT TControl::SendChar(int32_t Char, int32_t* Delivered) {
    if (Char < 0 || Char > 0xFFFF) return XV_E_INVALIDARG;
    if (!Form) return XV_E_UNEXPECTED;
    QWidget* Target = Form->focusWidget() ? Form->focusWidget() : Form.data();
    this->Delivered = Char;
    const QString Text(QChar(static_cast<char16_t>(Char)));
    QKeyEvent Press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, Text);
    QApplication::sendEvent(Target, &Press);
    if (Delivered) *Delivered = this->Delivered;
    return XV_S_OK;
}

std::string TControl::GetFile(const std::string& Address) {
    QString Error;
    if (Form->LoadAddress(Address, &Error)) return {};
    return Error.isEmpty() ? std::string("getFile failed") : Error.toStdString();
}

// The cursor constants of the Cursor property and the shapes they stand for.
struct TCursorShape {
    int16_t Value;
    Qt::CursorShape Shape;
};
constexpr TCursorShape kCursors[] = {
    {-1, Qt::BlankCursor},      {-2, Qt::ArrowCursor},         {-3, Qt::CrossCursor},
    {-4, Qt::IBeamCursor},      {-6, Qt::SizeBDiagCursor},     {-7, Qt::SizeVerCursor},
    {-8, Qt::SizeFDiagCursor},  {-9, Qt::SizeHorCursor},       {-10, Qt::UpArrowCursor},
    {-11, Qt::WaitCursor},      {-12, Qt::DragMoveCursor},     {-13, Qt::ForbiddenCursor},
    {-14, Qt::SplitHCursor},    {-15, Qt::SplitVCursor},       {-16, Qt::DragCopyCursor},
    {-17, Qt::BusyCursor},      {-18, Qt::ForbiddenCursor},    {-19, Qt::BusyCursor},
    {-20, Qt::WhatsThisCursor}, {-21, Qt::PointingHandCursor}, {-22, Qt::SizeAllCursor},
};

void TControl::ApplyCursor() {
    for (const TCursorShape& C : kCursors) {
        if (C.Value == Stored.Cursor) {
            Form->setCursor(C.Shape);
            return;
        }
    }
    Form->unsetCursor();
}

void TControl::ApplyColor() {
    // A system colour (high bit set) is the form's own background; any other is 0x00BBGGRR.
    QPalette P = Form->palette();
    if (Stored.Color < 0) {
        P.setColor(QPalette::Window, QApplication::palette(Form).color(QPalette::Window));
    } else {
        const auto C = static_cast<uint32_t>(Stored.Color);
        P.setColor(QPalette::Window, QColor(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF));
    }
    Form->setPalette(P);
    Form->setAutoFillBackground(true);
}

void TControl::Get(int32_t Id, XVVariant* Result) {
    switch (Id) {
        case XV_DISPID_VISIBLE:
            return SetBool(Result, Form->isVisible());
        case XV_DISPID_AUTOSCROLL:
            return SetBool(Result, Stored.AutoScroll);
        case XV_DISPID_AUTOSIZE:
            return SetBool(Result, Stored.AutoSize);
        case XV_DISPID_AXBORDERSTYLE:
            return SetI4(Result, Stored.AxBorderStyle);
        case XV_DISPID_CAPTION:
            return SetText(Result, Form->windowTitle().toStdString());
        case XV_DISPID_COLOR:
            return SetI4(Result, Stored.Color);
        case XV_DISPID_FONT:
            return SetDispatch(Result, CreateFontObject(Form.data()));
        case XV_DISPID_KEYPREVIEW:
            return SetBool(Result, Stored.KeyPreview);
        case XV_DISPID_PIXELSPERINCH:
            return SetI4(Result, Stored.PixelsPerInch);
        case XV_DISPID_PRINTSCALE:
            return SetI4(Result, Stored.PrintScale);
        case XV_DISPID_SCALED:
            return SetBool(Result, Stored.Scaled);
        case XV_DISPID_ACTIVE:
            return SetBool(Result, Form->isActiveWindow());
        case XV_DISPID_DROPTARGET:
            return SetBool(Result, Form->acceptDrops());
        case XV_DISPID_HELPFILE:
            return SetText(Result, Stored.HelpFile);
        case XV_DISPID_DOUBLEBUFFERED:
            return SetBool(Result, Stored.DoubleBuffered);
        case XV_DISPID_VISIBLEDOCKCLIENTCOUNT:
            return SetI4(Result, 0);
        case XV_DISPID_ENABLED:
            return SetBool(Result, Form->isEnabled());
        case XV_DISPID_CURSOR:
            return SetI2(Result, Stored.Cursor);
        default:
            throw TDispError{XV_DISP_E_MEMBERNOTFOUND, {}};
    }
}

void TControl::Put(int32_t Id, const XVVariant& Value, bool ByReference) {
    if (ByReference && Id != XV_DISPID_FONT) throw TDispError{XV_DISP_E_MEMBERNOTFOUND, {}};
    switch (Id) {
        case XV_DISPID_VISIBLE:
            Form->setVisible(ToBool(Value));
            break;
        case XV_DISPID_AUTOSCROLL:
            Stored.AutoScroll = ToBool(Value);
            break;
        case XV_DISPID_AUTOSIZE:
            Stored.AutoSize = ToBool(Value);
            break;
        case XV_DISPID_AXBORDERSTYLE:
            Stored.AxBorderStyle = ToInt(Value, afbNone, afbRaised);
            break;
        case XV_DISPID_CAPTION:
            Form->setWindowTitle(QString::fromStdString(ToText(Value)));
            break;
        case XV_DISPID_COLOR:
            Stored.Color = static_cast<int32_t>(ToInt(Value, INT32_MIN, INT32_MAX));
            ApplyColor();
            break;
        case XV_DISPID_FONT: {
            // The values of the font object given, copied into the form's font.
            const XVVariant& V = Deref(Value);
            if (V.vt != XV_VT_DISPATCH || !V.u.pdispVal)
                throw TDispError{XV_DISP_E_TYPEMISMATCH, "Type mismatch"};
            XVDispatch* Source = V.u.pdispVal;
            XVDispatch* Target = CreateFontObject(Form.data());
            for (const int32_t Property :
                 {XV_DISPID_FONT_NAME, XV_DISPID_FONT_SIZE, XV_DISPID_FONT_BOLD,
                  XV_DISPID_FONT_ITALIC, XV_DISPID_FONT_UNDERLINE, XV_DISPID_FONT_STRIKE}) {
                XVVariant Got{};
                XVDispParams None{nullptr, nullptr, 0, 0};
                if (XV_SUCCEEDED(Source->lpVtbl->Invoke(Source, Property, nullptr, 0,
                                                        XV_DISPATCH_PROPERTYGET, &None, &Got,
                                                        nullptr, nullptr))) {
                    int32_t Named = XV_DISPID_PROPERTYPUT;
                    XVDispParams One{&Got, &Named, 1, 1};
                    Target->lpVtbl->Invoke(Target, Property, nullptr, 0, XV_DISPATCH_PROPERTYPUT,
                                           &One, nullptr, nullptr, nullptr);
                }
                ClearVariant(&Got);
            }
            Target->lpVtbl->Release(Target);
            break;
        }
        case XV_DISPID_KEYPREVIEW:
            Stored.KeyPreview = ToBool(Value);
            break;
        case XV_DISPID_PIXELSPERINCH:
            Stored.PixelsPerInch = ToInt(Value, 1, 10000);
            break;
        case XV_DISPID_PRINTSCALE:
            Stored.PrintScale = ToInt(Value, poNone, poPrintToFit);
            break;
        case XV_DISPID_SCALED:
            Stored.Scaled = ToBool(Value);
            break;
        case XV_DISPID_DROPTARGET:
            Form->setAcceptDrops(ToBool(Value));
            break;
        case XV_DISPID_HELPFILE:
            Stored.HelpFile = ToText(Value);
            break;
        case XV_DISPID_DOUBLEBUFFERED:
            Stored.DoubleBuffered = ToBool(Value);
            break;
        case XV_DISPID_ENABLED:
            Form->setEnabled(ToBool(Value));
            break;
        case XV_DISPID_CURSOR:
            Stored.Cursor = static_cast<int16_t>(ToInt(Value, INT16_MIN, INT16_MAX));
            ApplyCursor();
            break;
        default:
            // Active and VisibleDockClientCount are read only; the rest is no property.
            throw TDispError{XV_DISP_E_MEMBERNOTFOUND, {}};
    }
}

XVHRESULT TControl::Invoke(int32_t Id, uint16_t Flags, XVDispParams* Params, XVVariant* Result,
                           XVExcepInfo* Excep) {
    if (!Form) return XV_E_UNEXPECTED;
    const uint32_t Args = Params ? Params->cArgs : 0;
    if (Args > 0 && (!Params->rgvarg)) return XV_E_POINTER;
    try {
        if (Id == XV_DISPID_GETFILE) {
            if (!(Flags & XV_DISPATCH_METHOD)) return XV_DISP_E_MEMBERNOTFOUND;
            if (Args != 2) return XV_DISP_E_BADPARAMCOUNT;
            if (Params->cNamedArgs != 0) return XV_DISP_E_BADPARAMCOUNT;
            // The arguments come last first: rgvarg[1] is fileName; level is accepted unread.
            const std::string Address = ToText(Params->rgvarg[1]);
            const std::string Failure = GetFile(Address);
            SetEmpty(Result);
            if (Failure.empty()) return XV_S_OK;
            throw TDispError{XV_DISP_E_EXCEPTION, Failure};
        }
        if (Flags & (XV_DISPATCH_PROPERTYPUT | XV_DISPATCH_PROPERTYPUTREF)) {
            if (Args != 1) return XV_DISP_E_BADPARAMCOUNT;
            if (Params->cNamedArgs > 1 ||
                (Params->cNamedArgs == 1 &&
                 (!Params->rgdispidNamedArgs ||
                  Params->rgdispidNamedArgs[0] != XV_DISPID_PROPERTYPUT))) {
                return XV_DISP_E_BADPARAMCOUNT;
            }
            Put(Id, Params->rgvarg[0], (Flags & XV_DISPATCH_PROPERTYPUTREF) != 0);
            return XV_S_OK;
        }
        if (Flags & XV_DISPATCH_PROPERTYGET) {
            if (Args != 0) return XV_DISP_E_BADPARAMCOUNT;
            XVVariant Ignored{};
            Get(Id, Result ? Result : &Ignored);
            ClearVariant(&Ignored);
            return XV_S_OK;
        }
        return XV_DISP_E_MEMBERNOTFOUND;
    } catch (const TDispError& E) {
        if (E.Code != XV_DISP_E_EXCEPTION) return E.Code;
        if (!Excep) return XV_E_FAIL;
        std::memset(Excep, 0, sizeof *Excep);
        Excep->bstrSource = NewBstr("XVexoView");
        Excep->bstrDescription = NewBstr(E.Message);
        Excep->scode = XV_E_FAIL;
        return XV_DISP_E_EXCEPTION;
    } catch (const std::exception& E) {
        // Nothing of ours throws past here but memory running out; the host hears of it all the
        // same.
        if (Excep) {
            std::memset(Excep, 0, sizeof *Excep);
            Excep->bstrSource = NewBstr("XVexoView");
            Excep->bstrDescription = NewBstr(E.what());
            Excep->scode = XV_E_FAIL;
            return XV_DISP_E_EXCEPTION;
        }
        return XV_E_FAIL;
    }
}

// --- Events ---------------------------------------------------------------------------------

bool TEventForwarder::eventFilter(QObject* Watched, QEvent* Event) {
    QWidget* Form = Control.Form.data();
    if (!Form) return false;
    // Every event sent on to the host below may be the one in which it lets the control go.
    const TControl::TCallOutGuard Guard(Control, TControl::TCallOutGuard::QtEvent);
    if (Event->type() == QEvent::KeyPress)
        return KeyPress(Watched, *static_cast<QKeyEvent*>(Event));
    if (Event->type() == QEvent::Paint) {
        // The form is painted when any part of it is (its panels cover it whole): one OnPaint for
        // each pass of painting, however many of its parts the pass paints.
        auto* W = qobject_cast<QWidget*>(Watched);
        if (!PaintFired && W && (W == Form || Form->isAncestorOf(W))) {
            PaintFired = true;
            QTimer::singleShot(0, this, [this] { PaintFired = false; });
            Control.Fire(XV_DISPID_ONPAINT);
        }
        return false;
    }
    if (Watched != Form) return false;
    switch (Event->type()) {
        case QEvent::WindowActivate:
            Control.Fire(XV_DISPID_ONACTIVATE);
            break;
        case QEvent::WindowDeactivate:
            Control.Fire(XV_DISPID_ONDEACTIVATE);
            break;
        case QEvent::MouseButtonRelease:
            Control.Fire(XV_DISPID_ONCLICK);
            break;
        case QEvent::MouseButtonDblClick:
            Control.Fire(XV_DISPID_ONDBLCLICK);
            break;
        default:
            break;
    }
    return false;
}

bool TEventForwarder::KeyPress(QObject* Watched, QKeyEvent& Key) {
    QWidget* Form = Control.Form.data();
    if (Resending || Key.text().isEmpty()) return false;
    // The form hears a key first when it is the key's receiver, or, with KeyPreview, when a part
    // of it is (only there: the same event travelling on to the parents is not heard again).
    QWidget* Receiver = Form->focusWidget() ? Form->focusWidget() : Form;
    if (Watched != Receiver) return false;
    if (Watched != Form && !Control.Stored.KeyPreview) return false;
    const int16_t Original = static_cast<int16_t>(Key.text().at(0).unicode());
    int16_t Value = Original;
    XVVariant Arg{};
    Arg.vt = XV_VT_I2 | XV_VT_BYREF;
    Arg.u.piVal = &Value;
    const QPointer<QObject> Alive(Watched);
    Control.Fire(XV_DISPID_ONKEYPRESS, &Arg, 1);
    Control.Delivered = static_cast<uint16_t>(Value);
    if (Value == Original) return false;
    // Changed by the host: the form goes on with the new character, or with none for 0.
    if (Value != 0 && Alive) {
        QKeyEvent Changed(QEvent::KeyPress, Key.key(), Key.modifiers(),
                          QString(QChar(static_cast<char16_t>(Value))));
        Resending = true;
        QApplication::sendEvent(Watched, &Changed);
        Resending = false;
    }
    return true;
}

// --- The widget interface -------------------------------------------------------------------

XVHRESULT TWidgetFace::QueryInterface(const XVGUID* Iid, void** Out) {
    return Control.QueryInterface(Iid, Out);
}
uint32_t TWidgetFace::AddRef() {
    return Control.AddRef();
}
uint32_t TWidgetFace::Release() {
    return Control.Release();
}
QWidget* TWidgetFace::Widget() {
    return Control.Form.data();
}
QSize TWidgetFace::LeastSize() {
    return {TXVexoView::kLeastWidth, TXVexoView::kDesignHeight};
}

IXVexoViewWidget::TOpenResult TWidgetFace::Open(const std::string& Address, QString* Error) {
    const TControl::TCallOutGuard Guard(Control, TControl::TCallOutGuard::HostCall);
    TXVexoView& F = *Control.Form;
    const QPointer<TXVexoView> Alive(&F);
    const bool Loaded = F.LoadAddress(Address, Error);
    if (!Alive) return Cancelled;
    if (!Loaded) return F.lastLoadCancelled() ? Cancelled : Failed;
    return F.lastLoadShown() ? Opened : NoRecord;
}

void TWidgetFace::CancelLoad() {
    Control.Form->CancelLoad();
}

TXVexoViewStatus TWidgetFace::Status() {
    // A title may be megabytes long: what a window title can show of it.
    const TTitleData T = Control.Form->model().titleData(static_cast<size_t>(kMaxTitleChars));
    TXVexoViewStatus S;
    S.HasRecord = T.HasRecord;
    S.GameTitle = T.GameTitle;
    S.MoveIndex = T.MoveIndex;
    S.MoveCount = T.MoveCount;
    S.BlackToPlay = T.BlackToPlay;
    S.LastWasPass = T.LastWasPass;
    S.Coordinates = static_cast<int>(Control.Form->model().coordinates()) + 1;
    return S;
}

void TWidgetFace::SetCoordinates(TCoordinatesChoice Choice) {
    const TControl::TCallOutGuard Guard(Control, TControl::TCallOutGuard::HostCall);
    if (Choice >= Designed && Choice <= NoLabels) {
        Control.Form->SetCoordinatesChoice(static_cast<TCoordinates>(Choice - Designed));
    } else {
        Control.Form->SetCoordinatesChoice(std::nullopt);
    }
}

void TWidgetFace::Print() {
    const TControl::TCallOutGuard Guard(Control, TControl::TCallOutGuard::HostCall);
    Control.Form->printBtnClick();
}

void TWidgetFace::Step(TStep Step) {
    const TControl::TCallOutGuard Guard(Control, TControl::TCallOutGuard::HostCall);
    Control.Form->ArrowClick(static_cast<int>(Step));
}

bool TWidgetFace::CloseReference() {
    TCHelpForm* Help = Control.Form->helpForm();
    if (!Help || !Help->isVisible()) return false;
    Help->close();
    return true;
}

QString TWidgetFace::StartNotice() {
    return QString::fromStdString(PrintSettingsNotice());
}

void TWidgetFace::SetOnChange(std::function<void()> Change) {
    if (!Change) {
        Control.Form->OnChange = nullptr;
        return;
    }
    // A change of the form reaches the host from inside the form's own handlers.
    Control.Form->OnChange = [this, Change = std::move(Change)] {
        const TControl::TCallOutGuard Guard(Control, TControl::TCallOutGuard::QtEvent);
        Change();
    };
}

static_assert(static_cast<int>(TCoordinates::None) ==
              IXVexoViewWidget::NoLabels - IXVexoViewWidget::Designed);
static_assert(static_cast<int>(IXVexoViewWidget::ToStart) == TXVexoView::kToStart);
static_assert(static_cast<int>(IXVexoViewWidget::ToEnd) == TXVexoView::kToEnd);

}  // namespace

XVHRESULT CreateControl(const XVGUID& Iid, void** Out) {
    if (!Out) return XV_E_POINTER;
    *Out = nullptr;
    if (!EnsureApplication()) return XV_E_UNEXPECTED;
    StartPrinting();
    auto* C = new TControl();
    const XVHRESULT R = C->QueryInterface(&Iid, Out);
    C->Release();  // the reference of QueryInterface is the host's; none when it failed
    return R;
}

}  // namespace xvexo::library
