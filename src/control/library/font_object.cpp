// The font dispatch object of the Font property: Name, Size, Bold, Italic, Underline and
// Strikethrough of the form's font, read and written live.

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <cstring>
#include <string>

#include "control_object.h"
#include "library_state.h"
#include "variants.h"

namespace xvexo::library {

namespace {

struct TFontObject {
    const XVDispatchVtbl* Vtbl;
    uint32_t Refs = 1;
    QPointer<QWidget> Widget;
};

TFontObject* Self(XVDispatch* This) {
    return reinterpret_cast<TFontObject*>(This);
}

XVHRESULT QueryInterface(XVDispatch* This, const XVGUID* Iid, void** Out) {
    if (!Out) return XV_E_POINTER;
    *Out = nullptr;
    if (!Iid) return XV_E_POINTER;
    if (!SameGuid(*Iid, IID_IUnknown) && !SameGuid(*Iid, IID_IDispatch) &&
        !SameGuid(*Iid, IID_IFontDisp)) {
        return XV_E_NOINTERFACE;
    }
    This->lpVtbl->AddRef(This);
    *Out = This;
    return XV_S_OK;
}

uint32_t AddRef(XVDispatch* This) {
    return ++Self(This)->Refs;
}

uint32_t Release(XVDispatch* This) {
    TFontObject* F = Self(This);
    const uint32_t Left = --F->Refs;
    if (Left == 0) {
        delete F;
        ObjectDestroyed();
    }
    return Left;
}

XVHRESULT GetTypeInfoCount(XVDispatch*, uint32_t* Count) {
    if (!Count) return XV_E_POINTER;
    *Count = 0;
    return XV_S_OK;
}

XVHRESULT GetTypeInfo(XVDispatch*, uint32_t, uint32_t, void** Info) {
    if (Info) *Info = nullptr;
    return XV_E_NOTIMPL;
}

struct TName {
    const char* Name;
    int32_t Id;
};
constexpr TName kNames[] = {
    {"Name", XV_DISPID_FONT_NAME},           {"Size", XV_DISPID_FONT_SIZE},
    {"Bold", XV_DISPID_FONT_BOLD},           {"Italic", XV_DISPID_FONT_ITALIC},
    {"Underline", XV_DISPID_FONT_UNDERLINE}, {"Strikethrough", XV_DISPID_FONT_STRIKE}};

XVHRESULT GetIDsOfNames(XVDispatch*, const XVGUID*, const char** Names, uint32_t Count, uint32_t,
                        int32_t* Ids) {
    if (!Names || !Ids) return XV_E_POINTER;
    XVHRESULT Result = XV_S_OK;
    for (uint32_t i = 0; i < Count; ++i) {
        Ids[i] = -1;
        for (const TName& N : kNames) {
            if (Names[i] && strcasecmp(Names[i], N.Name) == 0) Ids[i] = N.Id;
        }
        if (Ids[i] == -1) Result = XV_DISP_E_UNKNOWNNAME;
    }
    return Result;
}

XVHRESULT Invoke(XVDispatch* This, int32_t Id, const XVGUID*, uint32_t, uint16_t Flags,
                 XVDispParams* Params, XVVariant* Result, XVExcepInfo*, uint32_t*) {
    TFontObject* F = Self(This);
    if (!F->Widget) return XV_E_UNEXPECTED;
    const uint32_t Args = Params ? Params->cArgs : 0;
    try {
        QFont Font = F->Widget->font();
        if (Flags & (XV_DISPATCH_PROPERTYPUT | XV_DISPATCH_PROPERTYPUTREF)) {
            if (Args != 1 || !Params->rgvarg) return XV_DISP_E_BADPARAMCOUNT;
            const XVVariant& V = Params->rgvarg[0];
            switch (Id) {
                case XV_DISPID_FONT_NAME:
                    Font.setFamily(QString::fromStdString(ToText(V)));
                    break;
                case XV_DISPID_FONT_SIZE: {
                    const double Points = ToDouble(V);
                    if (!(Points > 0 && Points <= 1638)) return XV_DISP_E_OVERFLOW;
                    Font.setPointSizeF(Points);
                    break;
                }
                case XV_DISPID_FONT_BOLD:
                    Font.setBold(ToBool(V));
                    break;
                case XV_DISPID_FONT_ITALIC:
                    Font.setItalic(ToBool(V));
                    break;
                case XV_DISPID_FONT_UNDERLINE:
                    Font.setUnderline(ToBool(V));
                    break;
                case XV_DISPID_FONT_STRIKE:
                    Font.setStrikeOut(ToBool(V));
                    break;
                default:
                    return XV_DISP_E_MEMBERNOTFOUND;
            }
            F->Widget->setFont(Font);
            return XV_S_OK;
        }
        if (!(Flags & XV_DISPATCH_PROPERTYGET)) return XV_DISP_E_MEMBERNOTFOUND;
        if (Args != 0) return XV_DISP_E_BADPARAMCOUNT;
        switch (Id) {
            case XV_DISPID_FONT_NAME:
                SetText(Result, Font.family().toStdString());
                break;
            case XV_DISPID_FONT_SIZE:
                SetR8(Result, Font.pointSizeF());
                break;
            case XV_DISPID_FONT_BOLD:
                SetBool(Result, Font.bold());
                break;
            case XV_DISPID_FONT_ITALIC:
                SetBool(Result, Font.italic());
                break;
            case XV_DISPID_FONT_UNDERLINE:
                SetBool(Result, Font.underline());
                break;
            case XV_DISPID_FONT_STRIKE:
                SetBool(Result, Font.strikeOut());
                break;
            default:
                return XV_DISP_E_MEMBERNOTFOUND;
        }
        return XV_S_OK;
    } catch (const TDispError& E) {
        return E.Code;
    }
}

constexpr XVDispatchVtbl kVtbl = {QueryInterface, AddRef,        Release, GetTypeInfoCount,
                                  GetTypeInfo,    GetIDsOfNames, Invoke};

}  // namespace

XVDispatch* CreateFontObject(void* Widget) {
    auto* F = new TFontObject{&kVtbl, 1, static_cast<QWidget*>(Widget)};
    ObjectCreated();
    return reinterpret_cast<XVDispatch*>(F);
}

}  // namespace xvexo::library
