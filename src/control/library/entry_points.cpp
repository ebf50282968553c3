// The library's four entry points: the class factory of the control, whether the library may
// be unloaded, and the control's registration in the current user's registry.

#include <dlfcn.h>

#include <exception>
#include <filesystem>
#include <string>

#include "control_object.h"
#include "library_state.h"
#include "platform/reg_file_registry.h"
#include "variants.h"
#include "xvexoview.h"

namespace xvexo::library {

namespace {

// --- The class factory ----------------------------------------------------------------------

// One factory for the process; it counts as a live object while a host holds it.
struct TFactory {
    const XVClassFactoryVtbl* Vtbl;
    uint32_t Refs;
};

XVHRESULT FactoryQueryInterface(XVClassFactory* This, const XVGUID* Iid, void** Out);
uint32_t FactoryAddRef(XVClassFactory* This) {
    auto* F = reinterpret_cast<TFactory*>(This);
    if (F->Refs++ == 0) ObjectCreated();
    return F->Refs;
}
uint32_t FactoryRelease(XVClassFactory* This) {
    auto* F = reinterpret_cast<TFactory*>(This);
    if (F->Refs == 0) return 0;
    if (--F->Refs == 0) ObjectDestroyed();
    return F->Refs;
}
XVHRESULT FactoryCreateInstance(XVClassFactory*, XVUnknown* Outer, const XVGUID* Iid, void** Out) {
    if (!Out) return XV_E_POINTER;
    *Out = nullptr;
    if (!Iid) return XV_E_POINTER;
    if (Outer) return XV_CLASS_E_NOAGGREGATION;
    try {
        return CreateControl(*Iid, Out);
    } catch (const std::exception&) {
        return XV_E_FAIL;
    }
}
XVHRESULT FactoryLockServer(XVClassFactory*, int32_t On) {
    Lock(On != 0);
    return XV_S_OK;
}

constexpr XVClassFactoryVtbl kFactoryVtbl = {FactoryQueryInterface, FactoryAddRef, FactoryRelease,
                                             FactoryCreateInstance, FactoryLockServer};
TFactory Factory{&kFactoryVtbl, 0};

XVHRESULT FactoryQueryInterface(XVClassFactory* This, const XVGUID* Iid, void** Out) {
    if (!Out) return XV_E_POINTER;
    *Out = nullptr;
    if (!Iid) return XV_E_POINTER;
    if (!SameGuid(*Iid, IID_IUnknown) && !SameGuid(*Iid, IID_IClassFactory)) {
        return XV_E_NOINTERFACE;
    }
    FactoryAddRef(This);
    *Out = This;
    return XV_S_OK;
}

// --- Registration ---------------------------------------------------------------------------

constexpr const char* kClasses = "Software\\Classes\\";
constexpr const char* kProgId = "XVexoViewProj.XVexoView";
// The standard marshaller of dispatch interfaces, named as every dispatch interface names it.
constexpr const char* kDispatchProxy = "{00020420-0000-0000-C000-000000000046}";
// OLEMISC_SIMPLEFRAME | OLEMISC_ACTSLIKELABEL.
constexpr const char* kMiscStatus = "73728";

// The file this library was loaded from.
std::string LibraryPath() {
    Dl_info Info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &Info) == 0 || !Info.dli_fname)
        return {};
    std::error_code Ec;
    const std::filesystem::path P = std::filesystem::absolute(Info.dli_fname, Ec);
    return Ec ? std::string(Info.dli_fname) : P.string();
}

// The keys the registration makes, each removed whole by DllUnregisterServer.
std::string ClassKey() {
    return std::string(kClasses) + "CLSID\\" + GuidText(CLSID_XVexoView);
}
std::string ProgIdKey() {
    return std::string(kClasses) + kProgId;
}
std::string TypeLibKey() {
    return std::string(kClasses) + "TypeLib\\" + GuidText(LIBID_XVexoViewProj);
}
std::string InterfaceKey(const XVGUID& Iid) {
    return std::string(kClasses) + "Interface\\" + GuidText(Iid);
}

void Register(TUserRegistry& R) {
    const std::string Path = LibraryPath();
    const std::string Class = ClassKey();
    const std::string Lib = GuidText(LIBID_XVexoViewProj);
    R.WriteString(Class, "", "XVexoView Control");
    R.WriteString(Class + "\\InprocServer32", "", Path);
    R.WriteString(Class + "\\InprocServer32", "ThreadingModel", "Apartment");
    R.WriteString(Class + "\\ProgID", "", kProgId);
    R.WriteString(Class + "\\TypeLib", "", Lib);
    R.WriteString(Class + "\\Version", "", "1.0");
    R.CreateKey(Class + "\\Control");
    R.WriteString(Class + "\\MiscStatus", "", "0");
    R.WriteString(Class + "\\MiscStatus\\1", "", kMiscStatus);
    R.WriteString(Class + "\\ToolboxBitmap32", "", Path + ",1");
    R.WriteString(ProgIdKey(), "", "XVexoView Control");
    R.WriteString(ProgIdKey() + "\\CLSID", "", GuidText(CLSID_XVexoView));
    R.WriteString(TypeLibKey() + "\\1.0", "", "XVexoViewProj Library");
    R.WriteString(TypeLibKey() + "\\1.0\\0\\linux", "", Path);
    R.WriteString(TypeLibKey() + "\\1.0\\FLAGS", "", "0");
    R.WriteString(TypeLibKey() + "\\1.0\\HELPDIR", "",
                  std::filesystem::path(Path).parent_path().string());
    const struct {
        const XVGUID& Iid;
        const char* Name;
    } Interfaces[] = {{IID_IXVexoView, "IXVexoView"}, {DIID_IXVexoViewEvents, "IXVexoViewEvents"}};
    for (const auto& I : Interfaces) {
        const std::string Key = InterfaceKey(I.Iid);
        R.WriteString(Key, "", I.Name);
        R.WriteString(Key + "\\ProxyStubClsid32", "", kDispatchProxy);
        R.WriteString(Key + "\\TypeLib", "", Lib);
        R.WriteString(Key + "\\TypeLib", "Version", "1.0");
    }
}

void Unregister(TUserRegistry& R) {
    R.DeleteKey(ClassKey());
    R.DeleteKey(ProgIdKey());
    R.DeleteKey(TypeLibKey());
    R.DeleteKey(InterfaceKey(IID_IXVexoView));
    R.DeleteKey(InterfaceKey(DIID_IXVexoViewEvents));
}

XVHRESULT ChangeRegistry(void (*Change)(TUserRegistry&)) {
    try {
        // The whole registration is one store: it is there whole or not at all.
        OpenUserRegistry()->Update(Change);
        return XV_S_OK;
    } catch (const std::exception&) {
        // The registry file cannot be written (a folder without rights, a full disk, no regular
        // file): nothing of the change was stored.
        return XV_SELFREG_E_CLASS;
    }
}

}  // namespace

}  // namespace xvexo::library

using namespace xvexo::library;

extern "C" {

XV_API XVHRESULT DllGetClassObject(const XVGUID* Clsid, const XVGUID* Iid, void** Out) {
    if (!Out) return XV_E_POINTER;
    *Out = nullptr;
    if (!Clsid || !Iid) return XV_E_POINTER;
    if (!SameGuid(*Clsid, CLSID_XVexoView)) return XV_CLASS_E_CLASSNOTAVAILABLE;
    return FactoryQueryInterface(reinterpret_cast<XVClassFactory*>(&Factory), Iid, Out);
}

XV_API XVHRESULT DllCanUnloadNow(void) {
    return CanUnload() ? XV_S_OK : XV_S_FALSE;
}

XV_API XVHRESULT DllRegisterServer(void) {
    return ChangeRegistry(Register);
}

XV_API XVHRESULT DllUnregisterServer(void) {
    return ChangeRegistry(Unregister);
}

}  // extern "C"
