#include "variants.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace xvexo::library {

namespace {

TDispError Mismatch() {
    return {XV_DISP_E_TYPEMISMATCH, "Type mismatch"};
}

// A whole decimal number with an optional sign, blanks around it allowed.
bool ParseInteger(std::string_view T, int64_t& Out) {
    while (!T.empty() && T.front() == ' ')
        T.remove_prefix(1);
    while (!T.empty() && T.back() == ' ')
        T.remove_suffix(1);
    if (T.empty() || T.size() > 19) return false;
    bool Negative = false;
    if (T.front() == '-' || T.front() == '+') {
        Negative = T.front() == '-';
        T.remove_prefix(1);
    }
    if (T.empty()) return false;
    // Nineteen digits may pass the range: each step is checked before it is taken.
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    int64_t N = 0;
    for (const char C : T) {
        if (C < '0' || C > '9') return false;
        const int Digit = C - '0';
        if (N > (kMax - Digit) / 10) return false;
        N = N * 10 + Digit;
    }
    Out = Negative ? -N : N;
    return true;
}

bool EqualsNoCase(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i) {
        const auto Lower = [](char C) { return C >= 'A' && C <= 'Z' ? char(C - 'A' + 'a') : C; };
        if (Lower(A[i]) != Lower(B[i])) return false;
    }
    return true;
}

}  // namespace

XVBSTR NewBstr(std::string_view Text) {
    auto* S = static_cast<char*>(std::malloc(Text.size() + 1));
    if (S == nullptr) return nullptr;
    std::memcpy(S, Text.data(), Text.size());
    S[Text.size()] = '\0';
    return S;
}

const XVVariant& Deref(const XVVariant& V) {
    const XVVariant* P = &V;
    // A chain of references to variants ends; a host cannot make it loop past a few steps.
    for (int i = 0; i < 4 && P->vt == (XV_VT_BYREF | XV_VT_VARIANT) && P->u.pvarVal != nullptr; ++i)
        P = P->u.pvarVal;
    return *P;
}

std::string ToText(const XVVariant& Arg) {
    const XVVariant& V = Deref(Arg);
    char Buffer[64];
    switch (V.vt) {
        case XV_VT_EMPTY:
        case XV_VT_NULL:
            return {};
        case XV_VT_BSTR:
            return V.u.bstrVal ? std::string(V.u.bstrVal) : std::string();
        case XV_VT_BSTR | XV_VT_BYREF:
            return V.u.pbstrVal && *V.u.pbstrVal ? std::string(*V.u.pbstrVal) : std::string();
        case XV_VT_I2:
            return std::to_string(V.u.iVal);
        case XV_VT_I2 | XV_VT_BYREF:
            if (V.u.piVal) return std::to_string(*V.u.piVal);
            break;
        case XV_VT_I4:
            return std::to_string(V.u.lVal);
        case XV_VT_I4 | XV_VT_BYREF:
            if (V.u.plVal) return std::to_string(*V.u.plVal);
            break;
        case XV_VT_UI4:
            return std::to_string(V.u.ulVal);
        case XV_VT_R8:
            std::snprintf(Buffer, sizeof Buffer, "%.15g", V.u.dblVal);
            return Buffer;
        case XV_VT_BOOL:
            return V.u.boolVal ? "True" : "False";
        case XV_VT_BOOL | XV_VT_BYREF:
            if (V.u.pboolVal) return *V.u.pboolVal ? "True" : "False";
            break;
        default:
            break;
    }
    throw Mismatch();
}

bool ToBool(const XVVariant& Arg) {
    const XVVariant& V = Deref(Arg);
    switch (V.vt) {
        case XV_VT_BOOL:
            return V.u.boolVal != 0;
        case XV_VT_BOOL | XV_VT_BYREF:
            if (V.u.pboolVal) return *V.u.pboolVal != 0;
            break;
        case XV_VT_I2:
            return V.u.iVal != 0;
        case XV_VT_I4:
            return V.u.lVal != 0;
        case XV_VT_UI4:
            return V.u.ulVal != 0;
        case XV_VT_R8:
            return V.u.dblVal != 0;
        case XV_VT_BSTR: {
            const std::string T = ToText(V);
            if (EqualsNoCase(T, "true")) return true;
            if (EqualsNoCase(T, "false")) return false;
            int64_t N = 0;
            if (ParseInteger(T, N)) return N != 0;
            break;
        }
        default:
            break;
    }
    throw Mismatch();
}

int32_t ToInt(const XVVariant& Arg, int32_t Min, int32_t Max) {
    const XVVariant& V = Deref(Arg);
    int64_t N = 0;
    switch (V.vt) {
        case XV_VT_I2:
            N = V.u.iVal;
            break;
        case XV_VT_I2 | XV_VT_BYREF:
            if (!V.u.piVal) throw Mismatch();
            N = *V.u.piVal;
            break;
        case XV_VT_I4:
            N = V.u.lVal;
            break;
        case XV_VT_I4 | XV_VT_BYREF:
            if (!V.u.plVal) throw Mismatch();
            N = *V.u.plVal;
            break;
        case XV_VT_UI4:
            N = V.u.ulVal;
            break;
        case XV_VT_BOOL:
            N = V.u.boolVal ? -1 : 0;
            break;
        case XV_VT_R8:
            if (!std::isfinite(V.u.dblVal) || std::fabs(V.u.dblVal) > 4e18) {
                throw TDispError{XV_DISP_E_OVERFLOW, "Overflow"};
            }
            N = std::llround(V.u.dblVal);
            break;
        case XV_VT_BSTR:
            if (!ParseInteger(ToText(V), N)) throw Mismatch();
            break;
        default:
            throw Mismatch();
    }
    if (N < Min || N > Max) throw TDispError{XV_DISP_E_OVERFLOW, "Overflow"};
    return static_cast<int32_t>(N);
}

double ToDouble(const XVVariant& Arg) {
    const XVVariant& V = Deref(Arg);
    if (V.vt == XV_VT_R8) return V.u.dblVal;
    if (V.vt == XV_VT_BSTR) {
        const std::string T = ToText(V);
        char* End = nullptr;
        const double D = std::strtod(T.c_str(), &End);
        if (!T.empty() && End && *End == '\0' && std::isfinite(D)) return D;
        throw Mismatch();
    }
    return ToInt(V, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
}

void SetEmpty(XVVariant* Result) {
    if (!Result) return;
    std::memset(Result, 0, sizeof *Result);
}

void ClearVariant(XVVariant* Owned) {
    if (!Owned) return;
    if (Owned->vt == XV_VT_BSTR) std::free(Owned->u.bstrVal);
    if (Owned->vt == XV_VT_DISPATCH && Owned->u.pdispVal)
        Owned->u.pdispVal->lpVtbl->Release(Owned->u.pdispVal);
    std::memset(Owned, 0, sizeof *Owned);
}

void SetBool(XVVariant* Result, bool Value) {
    if (!Result) return;
    SetEmpty(Result);
    Result->vt = XV_VT_BOOL;
    Result->u.boolVal = Value ? XV_VARIANT_TRUE : XV_VARIANT_FALSE;
}

void SetI2(XVVariant* Result, int16_t Value) {
    if (!Result) return;
    SetEmpty(Result);
    Result->vt = XV_VT_I2;
    Result->u.iVal = Value;
}

void SetI4(XVVariant* Result, int32_t Value) {
    if (!Result) return;
    SetEmpty(Result);
    Result->vt = XV_VT_I4;
    Result->u.lVal = Value;
}

void SetR8(XVVariant* Result, double Value) {
    if (!Result) return;
    SetEmpty(Result);
    Result->vt = XV_VT_R8;
    Result->u.dblVal = Value;
}

void SetText(XVVariant* Result, std::string_view Value) {
    if (!Result) return;
    SetEmpty(Result);
    Result->vt = XV_VT_BSTR;
    Result->u.bstrVal = NewBstr(Value);
}

void SetDispatch(XVVariant* Result, XVDispatch* Value) {
    if (!Result) {
        if (Value) Value->lpVtbl->Release(Value);
        return;
    }
    SetEmpty(Result);
    Result->vt = XV_VT_DISPATCH;
    Result->u.pdispVal = Value;
}

bool SameGuid(const XVGUID& A, const XVGUID& B) {
    return std::memcmp(&A, &B, sizeof A) == 0;
}

std::string GuidText(const XVGUID& G) {
    char Buffer[40];
    std::snprintf(Buffer, sizeof Buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  G.Data1, G.Data2, G.Data3, G.Data4[0], G.Data4[1], G.Data4[2], G.Data4[3],
                  G.Data4[4], G.Data4[5], G.Data4[6], G.Data4[7]);
    return Buffer;
}

}  // namespace xvexo::library
