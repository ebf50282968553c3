// A Qt host of the control library: it loads the library with dlopen, makes two controls through
// the class factory and takes them as widgets through the widget interface, each showing its own
// record; the dispatch interface and the widget interface are one object.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
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

}  // namespace
