/* The XVexoView control library, libxvexoview.so: a viewer of recorded games of Go that a host
 * program loads and drives. This header is its whole public surface, in plain C: four entry
 * points, and the interfaces of the objects they hand out, laid out as tables of functions
 * (each object begins with a pointer to its table). xvexoview.idl beside it describes the same
 * interfaces, their dispatch identifiers, enumerations and identifiers.
 *
 *   DllGetClassObject(CLSID_XVexoView, IID_IClassFactory, &F)   the class factory
 *   F->lpVtbl->CreateInstance(F, NULL, IID_IXVexoView, &V)       one control
 *   V->lpVtbl->Invoke(V, XV_DISPID_GETFILE, ...)                 getFile(fileName, level)
 *   IConnectionPointContainer / IConnectionPoint::Advise          events to the host's sink
 *   Release everything; DllCanUnloadNow() answers XV_S_OK once nothing lives.
 *
 * Threads: every call on the thread that created the first control (the host's user-interface
 * thread), which runs a Qt application: the library starts one when the host has none. A host
 * without an event loop of its own lets the controls work through IXVexoViewWindow.
 *
 * Strings (XVBSTR) are byte strings ended by NUL, UTF-8 for text. Those the library returns are
 * allocated with malloc: the caller frees them with free(). Those the caller passes stay its own.
 * Booleans travel as XV_VARIANT_TRUE (-1) and XV_VARIANT_FALSE (0). Every member returns an
 * XVHRESULT: XV_S_OK, or a failure; a member that fails inside fills the exception description
 * (when given one) and returns XV_DISP_E_EXCEPTION. */
#ifndef XVEXOVIEW_H
#define XVEXOVIEW_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define XV_API __attribute__((visibility("default")))
#else
#define XV_API
#endif

typedef int32_t XVHRESULT;
typedef char* XVBSTR;
typedef int16_t XVBOOL;

#define XV_S_OK ((XVHRESULT)0)
#define XV_S_FALSE ((XVHRESULT)1)
#define XV_E_NOTIMPL ((XVHRESULT)0x80004001)
#define XV_E_NOINTERFACE ((XVHRESULT)0x80004002)
#define XV_E_POINTER ((XVHRESULT)0x80004003)
#define XV_E_FAIL ((XVHRESULT)0x80004005)
#define XV_E_UNEXPECTED ((XVHRESULT)0x8000FFFF)
#define XV_E_INVALIDARG ((XVHRESULT)0x80070057)
#define XV_DISP_E_MEMBERNOTFOUND ((XVHRESULT)0x80020003)
#define XV_DISP_E_TYPEMISMATCH ((XVHRESULT)0x80020005)
#define XV_DISP_E_UNKNOWNNAME ((XVHRESULT)0x80020006)
#define XV_DISP_E_EXCEPTION ((XVHRESULT)0x80020009)
#define XV_DISP_E_OVERFLOW ((XVHRESULT)0x8002000A)
#define XV_DISP_E_BADPARAMCOUNT ((XVHRESULT)0x8002000E)
#define XV_CLASS_E_NOAGGREGATION ((XVHRESULT)0x80040110)
#define XV_CLASS_E_CLASSNOTAVAILABLE ((XVHRESULT)0x80040111)
#define XV_CONNECT_E_NOCONNECTION ((XVHRESULT)0x80040200)
#define XV_CONNECT_E_ADVISELIMIT ((XVHRESULT)0x80040201)
#define XV_SELFREG_E_CLASS ((XVHRESULT)0x80040201)
#define XV_FAILED(hr) ((XVHRESULT)(hr) < 0)
#define XV_SUCCEEDED(hr) ((XVHRESULT)(hr) >= 0)

#define XV_VARIANT_TRUE ((XVBOOL)-1)
#define XV_VARIANT_FALSE ((XVBOOL)0)

typedef struct XVGUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
} XVGUID;

/* Standard interfaces. */
static const XVGUID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const XVGUID IID_IClassFactory = {
    0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const XVGUID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const XVGUID IID_IConnectionPointContainer = {
    0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
static const XVGUID IID_IConnectionPoint = {
    0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
static const XVGUID IID_IFontDisp = {
    0xBEF6E003, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

/* This library's: the type library, the control class and its interfaces. */
static const XVGUID LIBID_XVexoViewProj = {
    0xe2a70452, 0xd8f6, 0x49c6, {0x93, 0xa0, 0x80, 0x9e, 0x7b, 0x3f, 0x7c, 0xc4}};
static const XVGUID CLSID_XVexoView = {
    0x0c7c1117, 0xeef6, 0x4179, {0xab, 0x4e, 0x49, 0xcb, 0x28, 0x19, 0xcd, 0xec}};
static const XVGUID IID_IXVexoView = {
    0x954e8879, 0x7560, 0x4853, {0xbf, 0x9f, 0xf9, 0xd5, 0xd7, 0x6f, 0xeb, 0xdd}};
static const XVGUID DIID_IXVexoViewEvents = {
    0x808f2462, 0xaa2b, 0x435b, {0xa2, 0xd3, 0xbb, 0x7b, 0xd0, 0xd6, 0xea, 0x0f}};
static const XVGUID IID_IXVexoViewWindow = {
    0xa417bcd4, 0xcc29, 0x4e4a, {0xb3, 0xae, 0x7b, 0x8a, 0x02, 0x8d, 0x76, 0xea}};

/* Variants: the types used here. A reference (XV_VT_BYREF) points at the caller's value. */
enum XVVarType {
    XV_VT_EMPTY = 0,
    XV_VT_NULL = 1,
    XV_VT_I2 = 2,
    XV_VT_I4 = 3,
    XV_VT_R8 = 5,
    XV_VT_BSTR = 8,
    XV_VT_DISPATCH = 9,
    XV_VT_ERROR = 10,
    XV_VT_BOOL = 11,
    XV_VT_VARIANT = 12,
    XV_VT_UNKNOWN = 13,
    XV_VT_UI4 = 19,
    XV_VT_BYREF = 0x4000
};

struct XVDispatch;
struct XVUnknown;

typedef struct XVVariant {
    uint16_t vt; /* an XVVarType */
    uint16_t wReserved1, wReserved2, wReserved3;
    union {
        int16_t iVal;
        int32_t lVal;
        uint32_t ulVal;
        double dblVal;
        XVBOOL boolVal;
        XVHRESULT scode;
        XVBSTR bstrVal;
        struct XVUnknown* punkVal;
        struct XVDispatch* pdispVal;
        int16_t* piVal;
        int32_t* plVal;
        XVBOOL* pboolVal;
        XVBSTR* pbstrVal;
        struct XVVariant* pvarVal;
    } u;
} XVVariant;

/* The arguments of Invoke, the last argument first (rgvarg[0] is the last). A property put
 * names its one argument XV_DISPID_PROPERTYPUT. */
typedef struct XVDispParams {
    XVVariant* rgvarg;
    int32_t* rgdispidNamedArgs;
    uint32_t cArgs;
    uint32_t cNamedArgs;
} XVDispParams;

/* What went wrong inside a member: its source and description (allocated by the library; the
 * caller frees both) and the failure code. */
typedef struct XVExcepInfo {
    uint16_t wCode;
    uint16_t wReserved;
    XVBSTR bstrSource;
    XVBSTR bstrDescription;
    XVHRESULT scode;
} XVExcepInfo;

#define XV_DISPATCH_METHOD 1
#define XV_DISPATCH_PROPERTYGET 2
#define XV_DISPATCH_PROPERTYPUT 4
#define XV_DISPATCH_PROPERTYPUTREF 8
#define XV_DISPID_PROPERTYPUT (-3)

/* IUnknown: every object's first three members. */
typedef struct XVUnknownVtbl {
    XVHRESULT (*QueryInterface)(struct XVUnknown* This, const XVGUID* riid, void** ppv);
    uint32_t (*AddRef)(struct XVUnknown* This);
    uint32_t (*Release)(struct XVUnknown* This);
} XVUnknownVtbl;
typedef struct XVUnknown {
    const XVUnknownVtbl* lpVtbl;
} XVUnknown;

/* IDispatch: IXVexoView, the font object, and the host's event sink. Names for GetIDsOfNames are
 * matched without regard to case; there is no type information (GetTypeInfo: XV_E_NOTIMPL). */
typedef struct XVDispatchVtbl {
    XVHRESULT (*QueryInterface)(struct XVDispatch* This, const XVGUID* riid, void** ppv);
    uint32_t (*AddRef)(struct XVDispatch* This);
    uint32_t (*Release)(struct XVDispatch* This);
    XVHRESULT (*GetTypeInfoCount)(struct XVDispatch* This, uint32_t* pctinfo);
    XVHRESULT(*GetTypeInfo)
    (struct XVDispatch* This, uint32_t iTInfo, uint32_t lcid, void** ppTInfo);
    XVHRESULT(*GetIDsOfNames)
    (struct XVDispatch* This, const XVGUID* riid, const char** rgszNames, uint32_t cNames,
     uint32_t lcid, int32_t* rgDispId);
    XVHRESULT(*Invoke)
    (struct XVDispatch* This, int32_t dispIdMember, const XVGUID* riid, uint32_t lcid,
     uint16_t wFlags, XVDispParams* pDispParams, XVVariant* pVarResult, XVExcepInfo* pExcepInfo,
     uint32_t* puArgErr);
} XVDispatchVtbl;
typedef struct XVDispatch {
    const XVDispatchVtbl* lpVtbl;
} XVDispatch;

/* IClassFactory. */
typedef struct XVClassFactory XVClassFactory;
typedef struct XVClassFactoryVtbl {
    XVHRESULT (*QueryInterface)(XVClassFactory* This, const XVGUID* riid, void** ppv);
    uint32_t (*AddRef)(XVClassFactory* This);
    uint32_t (*Release)(XVClassFactory* This);
    XVHRESULT(*CreateInstance)
    (XVClassFactory* This, XVUnknown* pUnkOuter, const XVGUID* riid, void** ppv);
    XVHRESULT (*LockServer)(XVClassFactory* This, int32_t fLock);
} XVClassFactoryVtbl;
struct XVClassFactory {
    const XVClassFactoryVtbl* lpVtbl;
};

/* Events: IConnectionPointContainer on the control hands out the IConnectionPoint of
 * DIID_IXVexoViewEvents; Advise keeps the host's sink (an XVDispatch) and gives a cookie. One
 * sink per control. Enumerations are not offered (XV_E_NOTIMPL). */
typedef struct XVConnectionPoint XVConnectionPoint;
typedef struct XVConnectionPointContainer XVConnectionPointContainer;
typedef struct XVConnectionPointVtbl {
    XVHRESULT (*QueryInterface)(XVConnectionPoint* This, const XVGUID* riid, void** ppv);
    uint32_t (*AddRef)(XVConnectionPoint* This);
    uint32_t (*Release)(XVConnectionPoint* This);
    XVHRESULT (*GetConnectionInterface)(XVConnectionPoint* This, XVGUID* pIID);
    XVHRESULT(*GetConnectionPointContainer)
    (XVConnectionPoint* This, XVConnectionPointContainer** ppCPC);
    XVHRESULT (*Advise)(XVConnectionPoint* This, XVUnknown* pUnkSink, uint32_t* pdwCookie);
    XVHRESULT (*Unadvise)(XVConnectionPoint* This, uint32_t dwCookie);
    XVHRESULT (*EnumConnections)(XVConnectionPoint* This, void** ppEnum);
} XVConnectionPointVtbl;
struct XVConnectionPoint {
    const XVConnectionPointVtbl* lpVtbl;
};
typedef struct XVConnectionPointContainerVtbl {
    XVHRESULT (*QueryInterface)(XVConnectionPointContainer* This, const XVGUID* riid, void** ppv);
    uint32_t (*AddRef)(XVConnectionPointContainer* This);
    uint32_t (*Release)(XVConnectionPointContainer* This);
    XVHRESULT (*EnumConnectionPoints)(XVConnectionPointContainer* This, void** ppEnum);
    XVHRESULT(*FindConnectionPoint)
    (XVConnectionPointContainer* This, const XVGUID* riid, XVConnectionPoint** ppCP);
} XVConnectionPointContainerVtbl;
struct XVConnectionPointContainer {
    const XVConnectionPointContainerVtbl* lpVtbl;
};

/* IXVexoViewWindow: what a container does with the control's window. ProcessEvents runs the
 * user-interface thread's events (paints, timers, input) for about Milliseconds, for a host
 * without an event loop of its own. SendChar types the character Char into the control as the
 * keyboard would (to the focused part of the form); *Delivered (may be NULL) receives the
 * character the form went on with after OnKeyPress, 0 when it was dropped. */
typedef struct XVexoViewWindow XVexoViewWindow;
typedef struct XVexoViewWindowVtbl {
    XVHRESULT (*QueryInterface)(XVexoViewWindow* This, const XVGUID* riid, void** ppv);
    uint32_t (*AddRef)(XVexoViewWindow* This);
    uint32_t (*Release)(XVexoViewWindow* This);
    XVHRESULT (*ProcessEvents)(XVexoViewWindow* This, int32_t Milliseconds);
    XVHRESULT (*SendChar)(XVexoViewWindow* This, int32_t Char, int32_t* Delivered);
} XVexoViewWindowVtbl;
struct XVexoViewWindow {
    const XVexoViewWindowVtbl* lpVtbl;
};

/* IXVexoView: dispatch identifiers (properties get and put unless noted). */
enum XVexoViewDispId {
    XV_DISPID_VISIBLE = 1,                 /* Boolean */
    XV_DISPID_AUTOSCROLL = 2,              /* Boolean */
    XV_DISPID_AUTOSIZE = 3,                /* Boolean */
    XV_DISPID_AXBORDERSTYLE = 4,           /* TxActiveFormBorderStyle */
    XV_DISPID_CAPTION = -518,              /* string */
    XV_DISPID_COLOR = -501,                /* OLE colour 0x00BBGGRR (XV_VT_I4) */
    XV_DISPID_FONT = -512,                 /* font dispatch object; put and put by reference */
    XV_DISPID_KEYPREVIEW = 5,              /* Boolean */
    XV_DISPID_PIXELSPERINCH = 6,           /* 32-bit integer */
    XV_DISPID_PRINTSCALE = 7,              /* TxPrintScale */
    XV_DISPID_SCALED = 8,                  /* Boolean */
    XV_DISPID_ACTIVE = 9,                  /* Boolean, get only */
    XV_DISPID_DROPTARGET = 10,             /* Boolean */
    XV_DISPID_HELPFILE = 11,               /* string */
    XV_DISPID_DOUBLEBUFFERED = 12,         /* Boolean */
    XV_DISPID_VISIBLEDOCKCLIENTCOUNT = 13, /* 32-bit integer, get only */
    XV_DISPID_ENABLED = -514,              /* Boolean */
    XV_DISPID_CURSOR = 14,                 /* 16-bit integer */
    XV_DISPID_GETFILE = 15                 /* method getFile(fileName, level) */
};

/* IXVexoViewEvents: dispatch identifiers of the events fired on the connected sink. */
enum XVexoViewEventDispId {
    XV_DISPID_ONACTIVATE = 1,
    XV_DISPID_ONCLICK = 2,
    XV_DISPID_ONCREATE = 3,
    XV_DISPID_ONDBLCLICK = 5,
    XV_DISPID_ONDESTROY = 6,
    XV_DISPID_ONDEACTIVATE = 7,
    XV_DISPID_ONKEYPRESS = 11, /* Key: XV_VT_I2 | XV_VT_BYREF; the sink may change it */
    XV_DISPID_ONPAINT = 16
};

/* The font object's dispatch identifiers (the standard ones). */
enum XVFontDispId {
    XV_DISPID_FONT_NAME = 0,
    XV_DISPID_FONT_SIZE = 2, /* points, XV_VT_R8 */
    XV_DISPID_FONT_BOLD = 3,
    XV_DISPID_FONT_ITALIC = 4,
    XV_DISPID_FONT_UNDERLINE = 5,
    XV_DISPID_FONT_STRIKE = 6
};

typedef enum TxActiveFormBorderStyle {
    afbNone = 0,
    afbSingle = 1,
    afbSunken = 2,
    afbRaised = 3
} TxActiveFormBorderStyle;
typedef enum TxPrintScale { poNone = 0, poProportional = 1, poPrintToFit = 2 } TxPrintScale;
typedef enum TxMouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 } TxMouseButton;

/* The entry points. DllGetClassObject hands out the class factory of CLSID_XVexoView.
 * DllCanUnloadNow answers XV_S_OK when no object lives and no lock is held, else XV_S_FALSE.
 * DllRegisterServer writes the control's registration to the current user's registry (under
 * Software\Classes: the class, its program name, the type library and the interfaces);
 * DllUnregisterServer removes it. */
XV_API XVHRESULT DllGetClassObject(const XVGUID* rclsid, const XVGUID* riid, void** ppv);
XV_API XVHRESULT DllCanUnloadNow(void);
XV_API XVHRESULT DllRegisterServer(void);
XV_API XVHRESULT DllUnregisterServer(void);

#ifdef __cplusplus
}
#endif

#endif /* XVEXOVIEW_H */
