/* A host in plain C that does what the dispatch convention allows and a careless library would
 * not survive: it frees a string it was handed and passes the same result variant again, and it
 * lets the control go (its last reference) from inside OnKeyPress and OnPaint, while the
 * library is still calling it. Run under AddressSanitizer and UndefinedBehaviorSanitizer, where
 * a double free, a use after free or an overflow ends the run. */

#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "xvexoview.h"

static int Failures = 0;

#define CHECK(Condition)                                                                  \
    do {                                                                                  \
        if (!(Condition)) {                                                               \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #Condition); \
            ++Failures;                                                                   \
        }                                                                                 \
    } while (0)

/* --- A sink that lets the control go inside an event ----------------------------------------- */

typedef struct TSink {
    const XVDispatchVtbl* lpVtbl;
    int Refs;
    int ReleaseOn;       /* the event inside which the control is let go; 0: none */
    XVDispatch* Control; /* the host's references, given up inside that event */
    XVexoViewWindow* Window;
    XVConnectionPoint* Point;
    int Released;  /* whether they were given up */
    int Destroyed; /* OnDestroy heard */
} TSink;

static XVHRESULT SinkQueryInterface(XVDispatch* This, const XVGUID* Iid, void** Out) {
    if (memcmp(Iid, &IID_IUnknown, sizeof *Iid) == 0 ||
        memcmp(Iid, &IID_IDispatch, sizeof *Iid) == 0 ||
        memcmp(Iid, &DIID_IXVexoViewEvents, sizeof *Iid) == 0) {
        ++((TSink*)This)->Refs;
        *Out = This;
        return XV_S_OK;
    }
    *Out = NULL;
    return XV_E_NOINTERFACE;
}
static uint32_t SinkAddRef(XVDispatch* This) {
    return (uint32_t)++((TSink*)This)->Refs;
}
static uint32_t SinkRelease(XVDispatch* This) {
    return (uint32_t)--((TSink*)This)->Refs;
}
static XVHRESULT SinkGetTypeInfoCount(XVDispatch* This, uint32_t* Count) {
    (void)This;
    *Count = 0;
    return XV_S_OK;
}
static XVHRESULT SinkGetTypeInfo(XVDispatch* This, uint32_t I, uint32_t L, void** Info) {
    (void)This, (void)I, (void)L;
    *Info = NULL;
    return XV_E_NOTIMPL;
}
static XVHRESULT SinkGetIDsOfNames(XVDispatch* This, const XVGUID* Iid, const char** Names,
                                   uint32_t Count, uint32_t L, int32_t* Ids) {
    (void)This, (void)Iid, (void)Names, (void)Count, (void)L, (void)Ids;
    return XV_E_NOTIMPL;
}
static XVHRESULT SinkInvoke(XVDispatch* This, int32_t Id, const XVGUID* Iid, uint32_t L,
                            uint16_t Flags, XVDispParams* Params, XVVariant* Result,
                            XVExcepInfo* Excep, uint32_t* ArgErr) {
    (void)Iid, (void)L, (void)Flags, (void)Params, (void)Result, (void)Excep, (void)ArgErr;
    TSink* S = (TSink*)This;
    if (Id == XV_DISPID_ONDESTROY) {
        ++S->Destroyed;
        return XV_S_OK;
    }
    if (Id == S->ReleaseOn && !S->Released) {
        /* Everything the host holds, the control last, as a host closing its viewer does. */
        S->Released = 1;
        S->Point->lpVtbl->Release(S->Point);
        S->Window->lpVtbl->Release(S->Window);
        S->Control->lpVtbl->Release(S->Control);
    }
    return XV_S_OK;
}
static const XVDispatchVtbl SinkVtbl = {
    SinkQueryInterface, SinkAddRef,        SinkRelease, SinkGetTypeInfoCount,
    SinkGetTypeInfo,    SinkGetIDsOfNames, SinkInvoke};

/* --- Dispatch calls -------------------------------------------------------------------------- */

static XVHRESULT GetProperty(XVDispatch* D, int32_t Id, XVVariant* Result) {
    XVDispParams None = {NULL, NULL, 0, 0};
    return D->lpVtbl->Invoke(D, Id, NULL, 0, XV_DISPATCH_PROPERTYGET, &None, Result, NULL, NULL);
}

static XVHRESULT PutProperty(XVDispatch* D, int32_t Id, XVVariant Value) {
    int32_t Named = XV_DISPID_PROPERTYPUT;
    XVDispParams One = {&Value, &Named, 1, 1};
    return D->lpVtbl->Invoke(D, Id, NULL, 0, XV_DISPATCH_PROPERTYPUT, &One, NULL, NULL, NULL);
}

static XVVariant Bool(int B) {
    XVVariant V;
    memset(&V, 0, sizeof V);
    V.vt = XV_VT_BOOL;
    V.u.boolVal = B ? XV_VARIANT_TRUE : XV_VARIANT_FALSE;
    return V;
}
static XVVariant Text(const char* T) {
    XVVariant V;
    memset(&V, 0, sizeof V);
    V.vt = XV_VT_BSTR;
    V.u.bstrVal = (char*)T;
    return V;
}

/* A control with the sink connected, shown; the sink holds the host's references. */
static XVDispatch* MakeControl(XVClassFactory* Factory, TSink* Sink) {
    XVDispatch* C = NULL;
    XVConnectionPointContainer* Container = NULL;
    uint32_t Cookie = 0;
    CHECK(Factory->lpVtbl->CreateInstance(Factory, NULL, &IID_IXVexoView, (void**)&C) == XV_S_OK);
    if (!C) exit(2);
    CHECK(C->lpVtbl->QueryInterface(C, &IID_IConnectionPointContainer, (void**)&Container) ==
          XV_S_OK);
    CHECK(Container->lpVtbl->FindConnectionPoint(Container, &DIID_IXVexoViewEvents, &Sink->Point) ==
          XV_S_OK);
    Container->lpVtbl->Release(Container);
    CHECK(Sink->Point->lpVtbl->Advise(Sink->Point, (XVUnknown*)Sink, &Cookie) == XV_S_OK);
    CHECK(C->lpVtbl->QueryInterface(C, &IID_IXVexoViewWindow, (void**)&Sink->Window) == XV_S_OK);
    Sink->Control = C;
    CHECK(PutProperty(C, XV_DISPID_VISIBLE, Bool(1)) == XV_S_OK);
    CHECK(PutProperty(C, XV_DISPID_KEYPREVIEW, Bool(1)) == XV_S_OK);
    return C;
}

typedef XVHRESULT (*TGetClassObject)(const XVGUID*, const XVGUID*, void**);
typedef XVHRESULT (*TEntry)(void);

int main(void) {
    char Folder[] = "/tmp/xvexo-c-release-XXXXXX";
    if (!mkdtemp(Folder)) return 2;
    char Registry[256];
    snprintf(Registry, sizeof Registry, "%s/user.reg", Folder);
    setenv("XVEXOVIEW_REGISTRY", Registry, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    void* Library = dlopen(XVEXO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!Library) {
        fprintf(stderr, "dlopen: %s\n", dlerror());
        return 2;
    }
    TGetClassObject GetClassObject = NULL;
    TEntry CanUnloadNow = NULL;
    *(void**)&GetClassObject = dlsym(Library, "DllGetClassObject");
    *(void**)&CanUnloadNow = dlsym(Library, "DllCanUnloadNow");
    XVClassFactory* Factory = NULL;
    CHECK(GetClassObject(&CLSID_XVexoView, &IID_IClassFactory, (void**)&Factory) == XV_S_OK);
    if (!Factory) return 2;

    /* A result variant is an output: the string a call left there is the host's to free, and
     * the freed variant may be passed again as it is, to any member. */
    {
        TSink Sink = {&SinkVtbl, 1, 0, NULL, NULL, NULL, 0, 0};
        XVDispatch* C = MakeControl(Factory, &Sink);
        XVVariant Result;
        memset(&Result, 0, sizeof Result);
        for (int i = 0; i < 3; ++i) {
            CHECK(GetProperty(C, XV_DISPID_CAPTION, &Result) == XV_S_OK);
            CHECK(Result.vt == XV_VT_BSTR && Result.u.bstrVal != NULL);
            free(Result.u.bstrVal); /* vt and the pointer stay as they were */
        }
        CHECK(GetProperty(C, XV_DISPID_HELPFILE, &Result) == XV_S_OK);
        free(Result.u.bstrVal);
        CHECK(GetProperty(C, XV_DISPID_ENABLED, &Result) == XV_S_OK && Result.vt == XV_VT_BOOL);
        Result.vt = XV_VT_BSTR; /* as a host that keeps one variant for every call may leave it */
        {
            XVVariant Args[2];
            Args[1] = Text("");
            memset(&Args[0], 0, sizeof Args[0]);
            XVDispParams Params = {Args, NULL, 2, 0};
            XVExcepInfo Excep;
            memset(&Excep, 0, sizeof Excep);
            CHECK(C->lpVtbl->Invoke(C, XV_DISPID_GETFILE, NULL, 0, XV_DISPATCH_METHOD, &Params,
                                    &Result, &Excep, NULL) == XV_DISP_E_EXCEPTION);
            CHECK(Excep.bstrDescription && strcmp(Excep.bstrDescription, "Empty URL") == 0);
            free(Excep.bstrDescription);
            free(Excep.bstrSource);
            CHECK(Result.vt == XV_VT_EMPTY);
        }
        /* Numbers of nineteen digits and more are no integers of the control's, not overflows. */
        CHECK(PutProperty(C, XV_DISPID_VISIBLE, Text("9999999999999999999")) ==
              XV_DISP_E_TYPEMISMATCH);
        CHECK(PutProperty(C, XV_DISPID_CURSOR, Text("-9999999999999999999")) ==
              XV_DISP_E_TYPEMISMATCH);
        CHECK(PutProperty(C, XV_DISPID_CURSOR, Text("9223372036854775807")) == XV_DISP_E_OVERFLOW);
        CHECK(PutProperty(C, XV_DISPID_CURSOR, Text(" -21 ")) == XV_S_OK);

        Sink.Point->lpVtbl->Release(Sink.Point);
        Sink.Window->lpVtbl->Release(Sink.Window);
        C->lpVtbl->Release(C);
        CHECK(Sink.Destroyed == 1 && Sink.Refs == 1);
    }

    /* The last reference given up inside OnKeyPress: SendChar returns, then the control goes. */
    {
        TSink Sink = {&SinkVtbl, 1, XV_DISPID_ONKEYPRESS, NULL, NULL, NULL, 0, 0};
        MakeControl(Factory, &Sink);
        int32_t Delivered = -1;
        CHECK(Sink.Window->lpVtbl->SendChar(Sink.Window, '5', &Delivered) == XV_S_OK);
        CHECK(Sink.Released && Delivered == '5');
        CHECK(Sink.Destroyed == 1 && Sink.Refs == 1);
    }

    /* The last reference given up inside OnPaint, while ProcessEvents paints the control: the
     * events go on to their end, the control goes when ProcessEvents returns. */
    {
        TSink Sink = {&SinkVtbl, 1, XV_DISPID_ONPAINT, NULL, NULL, NULL, 0, 0};
        MakeControl(Factory, &Sink);
        XVexoViewWindow* Window = Sink.Window;
        CHECK(Window->lpVtbl->ProcessEvents(Window, 200) == XV_S_OK);
        CHECK(Sink.Released);
        CHECK(Sink.Destroyed == 1 && Sink.Refs == 1);
    }

    Factory->lpVtbl->Release(Factory);
    CHECK(CanUnloadNow() == XV_S_OK);
    unlink(Registry);
    rmdir(Folder);
    if (Failures == 0) printf("C host letting go inside events: all checks passed\n");
    return Failures == 0 ? 0 : 1;
}
