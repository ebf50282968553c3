/* A host written in plain C: it loads the control library with dlopen, creates two controls
 * through the class factory, connects an event sink to one, calls getFile by dispatch
 * identifier against a server of its own on 127.0.0.1, reads and writes every property, types a
 * key that the sink changes, releases everything, and registers and unregisters the control in
 * a registry file of its own. */

#define _GNU_SOURCE
#include <arpa/inet.h>
#include <dlfcn.h>
#include <netinet/in.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/wait.h>
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

/* --- A server on 127.0.0.1 in a child process ------------------------------------------------ */

/* A tag record of Count moves on the first rows, none capturing. */
static void TagRecord(char* Out, size_t Size, int Count) {
    size_t At = (size_t)snprintf(Out, Size, "(;EV[C host]PB[Black]PW[White]");
    for (int i = 0; i < Count && At + 8 < Size; ++i) {
        const int X = i / 2, Y = i % 2 == 0 ? 0 : 18;
        At += (size_t)snprintf(Out + At, Size - At, ";%c[%c%c]", i % 2 == 0 ? 'B' : 'W', 'a' + X,
                               'a' + Y);
    }
    snprintf(Out + At, Size - At, ")\n");
}

static void Serve(int Listener) {
    for (;;) {
        const int Fd = accept(Listener, NULL, NULL);
        if (Fd < 0) continue;
        char Request[4096];
        size_t Got = 0;
        while (Got + 1 < sizeof Request) {
            const ssize_t N = read(Fd, Request + Got, sizeof Request - 1 - Got);
            if (N <= 0) break;
            Got += (size_t)N;
            Request[Got] = '\0';
            if (strstr(Request, "\r\n\r\n")) break;
        }
        Request[Got] = '\0';
        char Body[2048];
        TagRecord(Body, sizeof Body, strncmp(Request, "GET /five.txt ", 14) == 0 ? 5 : 9);
        char Answer[4096];
        const int Length = snprintf(Answer, sizeof Answer, "HTTP/1.0 200 OK\r\n\r\n%s", Body);
        if (write(Fd, Answer, (size_t)Length) < 0) perror("write");
        close(Fd);
    }
}

/* Starts the server; its port in *Port, its process in the result. */
static pid_t StartServer(int* Port) {
    const int Listener = socket(AF_INET, SOCK_STREAM, 0);
    struct sockaddr_in A;
    memset(&A, 0, sizeof A);
    A.sin_family = AF_INET;
    A.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t Length = sizeof A;
    if (bind(Listener, (struct sockaddr*)&A, sizeof A) != 0 || listen(Listener, 16) != 0 ||
        getsockname(Listener, (struct sockaddr*)&A, &Length) != 0) {
        perror("server");
        exit(2);
    }
    *Port = ntohs(A.sin_port);
    const pid_t Child = fork();
    if (Child == 0) {
        Serve(Listener);
        _exit(0);
    }
    close(Listener);
    return Child;
}

/* --- The event sink ------------------------------------------------------------------------- */

typedef struct TSink {
    const XVDispatchVtbl* lpVtbl;
    int Refs;
    int Events[256];
    int EventCount;
    int KeySeen;
    int NewKey;          /* what OnKeyPress sets Key to; -1 leaves it */
    XVDispatch* Control; /* the control it listens to (no reference held) */
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
    (void)Iid, (void)L, (void)Result, (void)Excep, (void)ArgErr;
    TSink* S = (TSink*)This;
    CHECK(Flags == XV_DISPATCH_METHOD);
    if (S->EventCount < 256) S->Events[S->EventCount++] = Id;
    if (Id == XV_DISPID_ONDESTROY && S->Control) {
        /* The control is still whole while it says it goes: a host may read it one last time. */
        XVVariant Caption;
        XVDispParams None = {NULL, NULL, 0, 0};
        memset(&Caption, 0, sizeof Caption);
        CHECK(S->Control->lpVtbl->Invoke(S->Control, XV_DISPID_CAPTION, NULL, 0,
                                         XV_DISPATCH_PROPERTYGET, &None, &Caption, NULL,
                                         NULL) == XV_S_OK);
        free(Caption.u.bstrVal);
    }
    if (Id == XV_DISPID_ONKEYPRESS) {
        CHECK(Params && Params->cArgs == 1 && Params->rgvarg[0].vt == (XV_VT_I2 | XV_VT_BYREF));
        if (Params && Params->cArgs == 1) {
            S->KeySeen = *Params->rgvarg[0].u.piVal;
            if (S->NewKey >= 0) *Params->rgvarg[0].u.piVal = (int16_t)S->NewKey;
        }
    } else {
        CHECK(Params && Params->cArgs == 0);
    }
    return XV_S_OK;
}
static const XVDispatchVtbl SinkVtbl = {
    SinkQueryInterface, SinkAddRef,        SinkRelease, SinkGetTypeInfoCount,
    SinkGetTypeInfo,    SinkGetIDsOfNames, SinkInvoke};

static int SinkSaw(const TSink* S, int Id) {
    for (int i = 0; i < S->EventCount; ++i)
        if (S->Events[i] == Id) return 1;
    return 0;
}

/* --- Dispatch calls -------------------------------------------------------------------------- */

static XVHRESULT GetProperty(XVDispatch* D, int32_t Id, XVVariant* Result) {
    XVDispParams None = {NULL, NULL, 0, 0};
    memset(Result, 0, sizeof *Result);
    return D->lpVtbl->Invoke(D, Id, NULL, 0, XV_DISPATCH_PROPERTYGET, &None, Result, NULL, NULL);
}

static XVHRESULT PutProperty(XVDispatch* D, int32_t Id, XVVariant Value, uint16_t Flags) {
    int32_t Named = XV_DISPID_PROPERTYPUT;
    XVDispParams One = {&Value, &Named, 1, 1};
    return D->lpVtbl->Invoke(D, Id, NULL, 0, Flags, &One, NULL, NULL, NULL);
}

static XVVariant Bool(int B) {
    XVVariant V;
    memset(&V, 0, sizeof V);
    V.vt = XV_VT_BOOL;
    V.u.boolVal = B ? XV_VARIANT_TRUE : XV_VARIANT_FALSE;
    return V;
}
static XVVariant I4(int32_t N) {
    XVVariant V;
    memset(&V, 0, sizeof V);
    V.vt = XV_VT_I4;
    V.u.lVal = N;
    return V;
}
static XVVariant Text(const char* T) {
    XVVariant V;
    memset(&V, 0, sizeof V);
    V.vt = XV_VT_BSTR;
    V.u.bstrVal = (char*)T;
    return V;
}

/* getFile(Address, 0): the result; the description of a failure in Description (freed here). */
static XVHRESULT GetFile(XVDispatch* D, const char* Address, char* Description, size_t Size) {
    XVVariant Args[2];
    Args[1] = Text(Address); /* the last argument first */
    Args[0] = I4(0);
    XVDispParams Params = {Args, NULL, 2, 0};
    XVExcepInfo Excep;
    memset(&Excep, 0, sizeof Excep);
    XVVariant Result;
    memset(&Result, 0, sizeof Result);
    const XVHRESULT R = D->lpVtbl->Invoke(D, XV_DISPID_GETFILE, NULL, 0, XV_DISPATCH_METHOD,
                                          &Params, &Result, &Excep, NULL);
    Description[0] = '\0';
    if (Excep.bstrDescription) snprintf(Description, Size, "%s", Excep.bstrDescription);
    free(Excep.bstrDescription);
    free(Excep.bstrSource);
    return R;
}

/* A value of a Boolean, integer or string property, put and read back. */
static void CheckRoundTrip(XVDispatch* D, int32_t Id, XVVariant Value) {
    CHECK(PutProperty(D, Id, Value, XV_DISPATCH_PROPERTYPUT) == XV_S_OK);
    XVVariant Got;
    CHECK(GetProperty(D, Id, &Got) == XV_S_OK);
    if (Value.vt == XV_VT_BOOL) {
        CHECK(Got.vt == XV_VT_BOOL && Got.u.boolVal == Value.u.boolVal);
    } else if (Value.vt == XV_VT_BSTR) {
        CHECK(Got.vt == XV_VT_BSTR && strcmp(Got.u.bstrVal, Value.u.bstrVal) == 0);
        free(Got.u.bstrVal);
    } else {
        CHECK((Got.vt == XV_VT_I4 && Got.u.lVal == Value.u.lVal) ||
              (Got.vt == XV_VT_I2 && Got.u.iVal == Value.u.lVal));
    }
}

static char* ReadFile(const char* Path) {
    FILE* F = fopen(Path, "rb");
    if (!F) return NULL;
    char* Buffer = calloc(1, 1 << 20);
    if (fread(Buffer, 1, (1 << 20) - 1, F) == 0) Buffer[0] = '\0';
    fclose(F);
    return Buffer;
}

typedef XVHRESULT (*TGetClassObject)(const XVGUID*, const XVGUID*, void**);
typedef XVHRESULT (*TEntry)(void);

int main(void) {
    /* A registry of our own, whose Internet settings name no proxy. */
    char Folder[] = "/tmp/xvexo-c-host-XXXXXX";
    if (!mkdtemp(Folder)) return 2;
    char Registry[256];
    snprintf(Registry, sizeof Registry, "%s/user.reg", Folder);
    FILE* R = fopen(Registry, "w");
    fputs(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\windows\\CurrentVersion\\Internet Settings]\r\n"
        "\"ProxyEnable\"=dword:00000000\r\n",
        R);
    fclose(R);
    setenv("XVEXOVIEW_REGISTRY", Registry, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    int Port = 0;
    const pid_t Server = StartServer(&Port);
    char Nine[128], Five[128], Refused[128];
    snprintf(Nine, sizeof Nine, "http://127.0.0.1:%d/nine.txt", Port);
    snprintf(Five, sizeof Five, "http://127.0.0.1:%d/five.txt", Port);
    snprintf(Refused, sizeof Refused, "http://127.0.0.1:1/game.txt");

    void* Library = dlopen(XVEXO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!Library) {
        fprintf(stderr, "dlopen: %s\n", dlerror());
        return 2;
    }
    /* The form POSIX gives for taking a function from dlsym. */
    TGetClassObject GetClassObject = NULL;
    TEntry CanUnloadNow = NULL, RegisterServer = NULL, UnregisterServer = NULL;
    *(void**)&GetClassObject = dlsym(Library, "DllGetClassObject");
    *(void**)&CanUnloadNow = dlsym(Library, "DllCanUnloadNow");
    *(void**)&RegisterServer = dlsym(Library, "DllRegisterServer");
    *(void**)&UnregisterServer = dlsym(Library, "DllUnregisterServer");
    CHECK(GetClassObject && CanUnloadNow && RegisterServer && UnregisterServer);
    CHECK(dlsym(Library, "CreateControl") == NULL); /* nothing but the entry points */
    CHECK(CanUnloadNow() == XV_S_OK);

    /* The factory, and two controls. */
    XVClassFactory* Factory = NULL;
    CHECK(GetClassObject(&IID_IDispatch, &IID_IClassFactory, (void**)&Factory) ==
          XV_CLASS_E_CLASSNOTAVAILABLE);
    CHECK(GetClassObject(&CLSID_XVexoView, &IID_IClassFactory, (void**)&Factory) == XV_S_OK);
    CHECK(CanUnloadNow() == XV_S_FALSE);
    XVDispatch* A = NULL;
    XVDispatch* B = NULL;
    CHECK(Factory->lpVtbl->CreateInstance(Factory, NULL, &IID_IXVexoView, (void**)&A) == XV_S_OK);
    CHECK(Factory->lpVtbl->CreateInstance(Factory, NULL, &IID_IXVexoView, (void**)&B) == XV_S_OK);
    CHECK(A && B && A != B);

    /* The sink, on A only. */
    TSink Sink = {&SinkVtbl, 1, {0}, 0, 0, -1, NULL};
    XVConnectionPointContainer* Container = NULL;
    XVConnectionPoint* Point = NULL;
    uint32_t Cookie = 0;
    CHECK(A->lpVtbl->QueryInterface(A, &IID_IConnectionPointContainer, (void**)&Container) ==
          XV_S_OK);
    CHECK(Container->lpVtbl->FindConnectionPoint(Container, &DIID_IXVexoViewEvents, &Point) ==
          XV_S_OK);
    CHECK(Point->lpVtbl->Advise(Point, (XVUnknown*)&Sink, &Cookie) == XV_S_OK && Cookie != 0);
    CHECK(Sink.Refs == 2);

    /* B first: whatever B does, the sink hears nothing. */
    XVexoViewWindow* WindowA = NULL;
    XVexoViewWindow* WindowB = NULL;
    CHECK(A->lpVtbl->QueryInterface(A, &IID_IXVexoViewWindow, (void**)&WindowA) == XV_S_OK);
    CHECK(B->lpVtbl->QueryInterface(B, &IID_IXVexoViewWindow, (void**)&WindowB) == XV_S_OK);
    char Description[512];
    CHECK(PutProperty(B, XV_DISPID_VISIBLE, Bool(1), XV_DISPATCH_PROPERTYPUT) == XV_S_OK);
    CHECK(GetFile(B, Five, Description, sizeof Description) == XV_S_OK);
    CHECK(PutProperty(B, XV_DISPID_KEYPREVIEW, Bool(1), XV_DISPATCH_PROPERTYPUT) == XV_S_OK);
    int32_t Delivered = -1;
    CHECK(WindowB->lpVtbl->SendChar(WindowB, '7', &Delivered) == XV_S_OK && Delivered == '7');
    WindowB->lpVtbl->ProcessEvents(WindowB, 50);
    CHECK(Sink.EventCount == 0);

    /* A: shown, a record loaded; its paints reach the sink. */
    CHECK(GetFile(A, Nine, Description, sizeof Description) == XV_S_OK);
    CHECK(PutProperty(A, XV_DISPID_VISIBLE, Bool(1), XV_DISPATCH_PROPERTYPUT) == XV_S_OK);
    WindowA->lpVtbl->ProcessEvents(WindowA, 100);
    CHECK(SinkSaw(&Sink, XV_DISPID_ONPAINT));
    CHECK(!SinkSaw(&Sink, XV_DISPID_ONCREATE)); /* raised before any sink could be connected */

    /* A key: with KeyPreview the form hears it first; the sink's 0 drops it, another changes it. */
    CHECK(PutProperty(A, XV_DISPID_KEYPREVIEW, Bool(1), XV_DISPATCH_PROPERTYPUT) == XV_S_OK);
    Sink.NewKey = 0;
    CHECK(WindowA->lpVtbl->SendChar(WindowA, '5', &Delivered) == XV_S_OK);
    CHECK(Sink.KeySeen == '5' && Delivered == 0);
    Sink.NewKey = 'x';
    CHECK(WindowA->lpVtbl->SendChar(WindowA, '3', &Delivered) == XV_S_OK);
    CHECK(Sink.KeySeen == '3' && Delivered == 'x');
    Sink.NewKey = -1;
    CHECK(WindowA->lpVtbl->SendChar(WindowA, '4', &Delivered) == XV_S_OK && Delivered == '4');
    CHECK(SinkSaw(&Sink, XV_DISPID_ONKEYPRESS));

    /* Failures come back as failing results with their message. */
    CHECK(GetFile(A, Refused, Description, sizeof Description) == XV_DISP_E_EXCEPTION);
    CHECK(strcmp(Description, "Cannot connect to 127.0.0.1:1: Connection refused") == 0);
    CHECK(GetFile(A, "", Description, sizeof Description) == XV_DISP_E_EXCEPTION);
    CHECK(strcmp(Description, "Empty URL") == 0);
    {
        XVVariant One = I4(0);
        XVDispParams Params = {&One, NULL, 1, 0};
        CHECK(A->lpVtbl->Invoke(A, XV_DISPID_GETFILE, NULL, 0, XV_DISPATCH_METHOD, &Params, NULL,
                                NULL, NULL) == XV_DISP_E_BADPARAMCOUNT);
    }

    /* Every property of the table, read and written. */
    CheckRoundTrip(A, XV_DISPID_AUTOSCROLL, Bool(1));
    CheckRoundTrip(A, XV_DISPID_AUTOSIZE, Bool(1));
    CheckRoundTrip(A, XV_DISPID_AXBORDERSTYLE, I4(afbRaised));
    CheckRoundTrip(A, XV_DISPID_CAPTION, Text("Game viewer"));
    CheckRoundTrip(A, XV_DISPID_COLOR, I4(0x00336699));
    CheckRoundTrip(A, XV_DISPID_KEYPREVIEW, Bool(0));
    CheckRoundTrip(A, XV_DISPID_PIXELSPERINCH, I4(120));
    CheckRoundTrip(A, XV_DISPID_PRINTSCALE, I4(poPrintToFit));
    CheckRoundTrip(A, XV_DISPID_SCALED, Bool(0));
    CheckRoundTrip(A, XV_DISPID_DROPTARGET, Bool(1));
    CheckRoundTrip(A, XV_DISPID_HELPFILE, Text("/usr/share/help/xvexoview.html"));
    CheckRoundTrip(A, XV_DISPID_DOUBLEBUFFERED, Bool(1));
    CheckRoundTrip(A, XV_DISPID_ENABLED, Bool(0));
    CheckRoundTrip(A, XV_DISPID_ENABLED, Bool(1));
    CheckRoundTrip(A, XV_DISPID_CURSOR, I4(-21));
    CheckRoundTrip(A, XV_DISPID_VISIBLE, Bool(1));
    XVVariant Got;
    CHECK(GetProperty(A, XV_DISPID_ACTIVE, &Got) == XV_S_OK && Got.vt == XV_VT_BOOL);
    CHECK(PutProperty(A, XV_DISPID_ACTIVE, Bool(1), XV_DISPATCH_PROPERTYPUT) ==
          XV_DISP_E_MEMBERNOTFOUND);
    CHECK(GetProperty(A, XV_DISPID_VISIBLEDOCKCLIENTCOUNT, &Got) == XV_S_OK && Got.vt == XV_VT_I4 &&
          Got.u.lVal == 0);
    CHECK(PutProperty(A, XV_DISPID_AXBORDERSTYLE, I4(7), XV_DISPATCH_PROPERTYPUT) ==
          XV_DISP_E_OVERFLOW);
    CHECK(PutProperty(A, XV_DISPID_SCALED, Text("maybe"), XV_DISPATCH_PROPERTYPUT) ==
          XV_DISP_E_TYPEMISMATCH);
    CHECK(GetProperty(A, 99, &Got) == XV_DISP_E_MEMBERNOTFOUND);
    {
        const char* Names[] = {"GETFILE", "FileName", "Level"};
        int32_t Ids[3];
        CHECK(A->lpVtbl->GetIDsOfNames(A, NULL, Names, 3, 0, Ids) == XV_S_OK);
        CHECK(Ids[0] == XV_DISPID_GETFILE && Ids[1] == 0 && Ids[2] == 1);
    }

    /* Font: the object of the form's font; B's font put from A's, by value and by reference. */
    CHECK(GetProperty(A, XV_DISPID_FONT, &Got) == XV_S_OK && Got.vt == XV_VT_DISPATCH);
    XVDispatch* FontA = Got.u.pdispVal;
    XVVariant Size;
    memset(&Size, 0, sizeof Size);
    Size.vt = XV_VT_R8;
    Size.u.dblVal = 13;
    CHECK(PutProperty(FontA, XV_DISPID_FONT_SIZE, Size, XV_DISPATCH_PROPERTYPUT) == XV_S_OK);
    CHECK(PutProperty(FontA, XV_DISPID_FONT_BOLD, Bool(1), XV_DISPATCH_PROPERTYPUT) == XV_S_OK);
    XVVariant FontValue;
    memset(&FontValue, 0, sizeof FontValue);
    FontValue.vt = XV_VT_DISPATCH;
    FontValue.u.pdispVal = FontA;
    CHECK(PutProperty(B, XV_DISPID_FONT, FontValue, XV_DISPATCH_PROPERTYPUTREF) == XV_S_OK);
    CHECK(GetProperty(B, XV_DISPID_FONT, &Got) == XV_S_OK && Got.vt == XV_VT_DISPATCH);
    XVDispatch* FontB = Got.u.pdispVal;
    CHECK(GetProperty(FontB, XV_DISPID_FONT_SIZE, &Got) == XV_S_OK && Got.vt == XV_VT_R8 &&
          Got.u.dblVal == 13);
    CHECK(GetProperty(FontB, XV_DISPID_FONT_BOLD, &Got) == XV_S_OK &&
          Got.u.boolVal == XV_VARIANT_TRUE);
    FontB->lpVtbl->Release(FontB);
    FontA->lpVtbl->Release(FontA);

    /* Release: A's sink hears OnDestroy and is let go; nothing lives afterwards. */
    CHECK(Point->lpVtbl->Unadvise(Point, Cookie + 1) == XV_CONNECT_E_NOCONNECTION);
    Point->lpVtbl->Release(Point);
    Container->lpVtbl->Release(Container);
    WindowA->lpVtbl->Release(WindowA);
    WindowB->lpVtbl->Release(WindowB);
    const int Before = Sink.EventCount;
    Sink.Control = A;
    A->lpVtbl->Release(A);
    CHECK(Sink.EventCount == Before + 1 && Sink.Events[Before] == XV_DISPID_ONDESTROY);
    CHECK(Sink.Refs == 1);
    CHECK(CanUnloadNow() == XV_S_FALSE);
    B->lpVtbl->Release(B);
    CHECK(CanUnloadNow() == XV_S_FALSE); /* the factory is still held */
    CHECK(Factory->lpVtbl->LockServer(Factory, 1) == XV_S_OK);
    Factory->lpVtbl->Release(Factory);
    CHECK(CanUnloadNow() == XV_S_FALSE); /* locked */
    CHECK(GetClassObject(&CLSID_XVexoView, &IID_IClassFactory, (void**)&Factory) == XV_S_OK);
    Factory->lpVtbl->LockServer(Factory, 0);
    Factory->lpVtbl->Release(Factory);
    CHECK(CanUnloadNow() == XV_S_OK);

    /* Registration and its removal in the registry file. */
    CHECK(RegisterServer() == XV_S_OK);
    char* Stored = ReadFile(Registry);
    /* Key names keep the spelling of the key first stored ("SOFTWARE" here) and match in any case.
     */
    CHECK(Stored &&
          strcasestr(
              Stored,
              "Software\\Classes\\CLSID\\{0C7C1117-EEF6-4179-AB4E-49CB2819CDEC}\\InprocServer32]"));
    CHECK(Stored && strstr(Stored, "\"ThreadingModel\"=\"Apartment\""));
    CHECK(Stored && strstr(Stored, "libxvexoview.so"));
    CHECK(Stored &&
          strcasestr(Stored,
                     "[HKEY_CURRENT_USER\\Software\\Classes\\XVexoViewProj.XVexoView\\CLSID]"));
    CHECK(Stored && strstr(Stored, "\"ProxyEnable\"=dword:00000000"));
    free(Stored);
    CHECK(UnregisterServer() == XV_S_OK);
    Stored = ReadFile(Registry);
    CHECK(Stored && !strstr(Stored, "0C7C1117") && !strstr(Stored, "XVexoViewProj"));
    CHECK(Stored && strstr(Stored, "\"ProxyEnable\"=dword:00000000"));
    free(Stored);

    kill(Server, SIGTERM);
    waitpid(Server, NULL, 0);
    unlink(Registry);
    rmdir(Folder);
    if (Failures == 0) printf("C host: all checks passed\n");
    return Failures == 0 ? 0 : 1;
}
