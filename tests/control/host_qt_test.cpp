// A Qt host of the control library: it loads the library with dlopen, makes two controls through
// the class factory and takes them as widgets through the widget interface, each showing its own
// record; the dispatch interface and the widget interface are one object.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QWidget>
#include <string>

#include "support/record_text.h"
#include "support/temp_folder.h"
#include "xvexoview_widget.h"

namespace {

using TGetClassObject = XVHRESULT (*)(const XVGUID*, const XVGUID*, void**);
using TEntry = XVHRESULT (*)();

struct Library {
    void* Handle = ::dlopen(XVEXO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    template <typename T>
    T Entry(const char* Name) {
        T F = nullptr;
        *reinterpret_cast<void**>(&F) = ::dlsym(Handle, Name);
        return F;
    }
};

TEST(QtHost, TwoControlsAsWidgetsEachShowTheirOwnRecord) {
    Library L;
    ASSERT_NE(L.Handle, nullptr) << ::dlerror();
    const auto GetClassObject = L.Entry<TGetClassObject>("DllGetClassObject");
    const auto CanUnloadNow = L.Entry<TEntry>("DllCanUnloadNow");
    ASSERT_TRUE(GetClassObject && CanUnloadNow);

    xvexo::testing::TTempFolder Dir;
    const std::string First = (Dir / "first.txt").string(), Second = (Dir / "second.txt").string();
    xvexo::testing::WriteBytes(First, xvexo::testing::TagRecord(7, "EV[First Cup]"));
    xvexo::testing::WriteBytes(Second, xvexo::testing::TagRecord(12, "EV[Second Cup]"));

    XVClassFactory* Factory = nullptr;
    ASSERT_EQ(
        GetClassObject(&CLSID_XVexoView, &IID_IClassFactory, reinterpret_cast<void**>(&Factory)),
        XV_S_OK);
    IXVexoViewWidget* A = nullptr;
    IXVexoViewWidget* B = nullptr;
    ASSERT_EQ(Factory->lpVtbl->CreateInstance(Factory, nullptr, &IID_IXVexoViewWidget,
                                              reinterpret_cast<void**>(&A)),
              XV_S_OK);
    ASSERT_EQ(Factory->lpVtbl->CreateInstance(Factory, nullptr, &IID_IXVexoViewWidget,
                                              reinterpret_cast<void**>(&B)),
              XV_S_OK);
    Factory->lpVtbl->Release(Factory);
    ASSERT_NE(A->Widget(), B->Widget());

    // The first record is loaded before its control is shown, and shows once it is.
    QString Error;
    EXPECT_EQ(A->Open(First, &Error), IXVexoViewWidget::Opened) << Error.toStdString();
    QWidget Host;
    auto* Layout = new QHBoxLayout(&Host);
    Layout->addWidget(A->Widget());
    Layout->addWidget(B->Widget());
    Host.show();
    EXPECT_EQ(B->Open(Second, &Error), IXVexoViewWidget::Opened) << Error.toStdString();
    QApplication::processEvents();
    const TXVexoViewStatus SA = A->Status(), SB = B->Status();
    EXPECT_TRUE(SA.HasRecord && SB.HasRecord);
    EXPECT_EQ(SA.GameTitle, "First Cup");
    EXPECT_EQ(SA.MoveIndex, 7);
    EXPECT_FALSE(SA.BlackToPlay);
    EXPECT_EQ(SB.GameTitle, "Second Cup");
    EXPECT_EQ(SB.MoveIndex, 12);
    int Changes = 0;
    A->SetOnChange([&Changes] { ++Changes; });
    A->Step(IXVexoViewWidget::BackFive);
    EXPECT_EQ(A->Status().MoveIndex, 2);
    EXPECT_EQ(B->Status().MoveIndex, 12);
    EXPECT_GE(Changes, 1);
    EXPECT_EQ(A->Open((Dir / "missing.txt").string(), &Error), IXVexoViewWidget::Failed);
    EXPECT_TRUE(Error.startsWith(QStringLiteral("Cannot open"))) << Error.toStdString();
    EXPECT_EQ(A->Widget()->parentWidget(), &Host);

    // One object: the widget interface answers for the dispatch interface and back.
    XVDispatch* Dispatch = nullptr;
    ASSERT_EQ(A->QueryInterface(&IID_IXVexoView, reinterpret_cast<void**>(&Dispatch)), XV_S_OK);
    IXVexoViewWidget* Again = nullptr;
    ASSERT_EQ(Dispatch->lpVtbl->QueryInterface(Dispatch, &IID_IXVexoViewWidget,
                                               reinterpret_cast<void**>(&Again)),
              XV_S_OK);
    EXPECT_EQ(Again, A);
    Again->Release();
    Dispatch->lpVtbl->Release(Dispatch);

    // Released before the host window goes: the forms leave it, and the library may unload.
    EXPECT_EQ(CanUnloadNow(), XV_S_FALSE);
    A->Release();
    B->Release();
    EXPECT_EQ(Layout->count(), 0);
    EXPECT_EQ(CanUnloadNow(), XV_S_OK);
}

// A sink that lets its control go inside the first OnPaint, as a host closing the viewer then
// would, and counts what it hears after.
struct TReleasingSink {
    const XVDispatchVtbl* Vtbl;
    IXVexoViewWidget* Control = nullptr;  // the host's one reference
    bool Released = false;
    int EventsAfter = 0;
    int Destroyed = 0;

    static TReleasingSink* Of(XVDispatch* This) { return reinterpret_cast<TReleasingSink*>(This); }
    static XVHRESULT QueryInterface(XVDispatch* This, const XVGUID*, void** Out) {
        *Out = This;
        return XV_S_OK;
    }
    static uint32_t AddRef(XVDispatch*) { return 2; }
    static uint32_t Release(XVDispatch*) { return 1; }
    static XVHRESULT GetTypeInfoCount(XVDispatch*, uint32_t* Count) {
        *Count = 0;
        return XV_S_OK;
    }
    static XVHRESULT GetTypeInfo(XVDispatch*, uint32_t, uint32_t, void**) { return XV_E_NOTIMPL; }
    static XVHRESULT GetIDsOfNames(XVDispatch*, const XVGUID*, const char**, uint32_t, uint32_t,
                                   int32_t*) {
        return XV_E_NOTIMPL;
    }
    static XVHRESULT Invoke(XVDispatch* This, int32_t Id, const XVGUID*, uint32_t, uint16_t,
                            XVDispParams*, XVVariant*, XVExcepInfo*, uint32_t*) {
        TReleasingSink& S = *Of(This);
        if (Id == XV_DISPID_ONDESTROY) {
            ++S.Destroyed;
        } else if (S.Released) {
            ++S.EventsAfter;
        } else if (Id == XV_DISPID_ONPAINT) {
            S.Released = true;
            S.Control->Release();
        }
        return XV_S_OK;
    }
};
constexpr XVDispatchVtbl kReleasingSinkVtbl = {
    TReleasingSink::QueryInterface, TReleasingSink::AddRef,
    TReleasingSink::Release,        TReleasingSink::GetTypeInfoCount,
    TReleasingSink::GetTypeInfo,    TReleasingSink::GetIDsOfNames,
    TReleasingSink::Invoke};

// A Qt host runs its own event loop: a control let go inside OnPaint, in the middle of Qt's
// delivery of the paint to the form, is freed once that delivery is over, and hears nothing
// more meanwhile.
TEST(QtHost, AControlLetGoInsideOnPaintIsFreedAfterThePaint) {
    Library L;
    ASSERT_NE(L.Handle, nullptr) << ::dlerror();
    const auto GetClassObject = L.Entry<TGetClassObject>("DllGetClassObject");
    const auto CanUnloadNow = L.Entry<TEntry>("DllCanUnloadNow");
    XVClassFactory* Factory = nullptr;
    ASSERT_EQ(
        GetClassObject(&CLSID_XVexoView, &IID_IClassFactory, reinterpret_cast<void**>(&Factory)),
        XV_S_OK);
    TReleasingSink Sink{&kReleasingSinkVtbl};
    ASSERT_EQ(Factory->lpVtbl->CreateInstance(Factory, nullptr, &IID_IXVexoViewWidget,
                                              reinterpret_cast<void**>(&Sink.Control)),
              XV_S_OK);
    Factory->lpVtbl->Release(Factory);
    XVConnectionPointContainer* Container = nullptr;
    XVConnectionPoint* Point = nullptr;
    uint32_t Cookie = 0;
    ASSERT_EQ(Sink.Control->QueryInterface(&IID_IConnectionPointContainer,
                                           reinterpret_cast<void**>(&Container)),
              XV_S_OK);
    ASSERT_EQ(Container->lpVtbl->FindConnectionPoint(Container, &DIID_IXVexoViewEvents, &Point),
              XV_S_OK);
    Container->lpVtbl->Release(Container);
    ASSERT_EQ(Point->lpVtbl->Advise(Point, reinterpret_cast<XVUnknown*>(&Sink), &Cookie), XV_S_OK);
    Point->lpVtbl->Release(Point);

    QWidget Host;
    auto* Layout = new QHBoxLayout(&Host);
    Sink.Control->Widget()->setMinimumSize(Sink.Control->LeastSize());
    Layout->addWidget(Sink.Control->Widget());
    Host.show();
    QElapsedTimer Clock;
    Clock.start();
    while (Sink.Destroyed == 0 && Clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(Sink.Released);
    EXPECT_EQ(Sink.Destroyed, 1);
    EXPECT_EQ(Sink.EventsAfter, 0);
    EXPECT_EQ(Layout->count(), 0);
    EXPECT_EQ(CanUnloadNow(), XV_S_OK);
}

}  // namespace
