#pragma once
// Variants and strings at the library's boundary: what a host passes is converted as the usual
// variant conversions do, and what the library hands back is allocated with malloc.

#include <cstdint>
#include <string>
#include <string_view>

#include "xvexoview.h"

namespace xvexo::library {

// A member that fails: the code it returns and, for XV_DISP_E_EXCEPTION, the message the
// exception description carries.
struct TDispError {
    XVHRESULT Code;
    std::string Message;
};

// A copy of Text, ended by NUL, allocated with malloc (freed by the caller with free()).
XVBSTR NewBstr(std::string_view Text);

// The value V holds, through a reference to a variant.
const XVVariant& Deref(const XVVariant& V);

// Conversions of an argument; TDispError XV_DISP_E_TYPEMISMATCH (or XV_DISP_E_OVERFLOW) when the
// value cannot be converted. Text: strings as their bytes, numbers in decimal, Booleans as
// "True" and "False", nothing (empty or null) as "".
std::string ToText(const XVVariant& V);
bool ToBool(const XVVariant& V);
int32_t ToInt(const XVVariant& V, int32_t Min, int32_t Max);
double ToDouble(const XVVariant& V);

// Results. A result is an output only, as the dispatch convention has it: what Result held when
// the call came is the host's and is never read or freed (a host may free a string it was
// given and use the same variant again); each of these sets Result whole.
void SetEmpty(XVVariant* Result);
void SetBool(XVVariant* Result, bool Value);
void SetI2(XVVariant* Result, int16_t Value);
void SetI4(XVVariant* Result, int32_t Value);
void SetR8(XVVariant* Result, double Value);
void SetText(XVVariant* Result, std::string_view Value);
// Stores Value, whose reference the caller passes on to Result.
void SetDispatch(XVVariant* Result, XVDispatch* Value);

// Frees what a variant of the library's own holds (a string, a reference) and empties it; for
// a result the library asked for and is done with, never for one the host handed in.
void ClearVariant(XVVariant* Owned);

bool SameGuid(const XVGUID& A, const XVGUID& B);
// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" in upper case, as the registry writes identifiers.
std::string GuidText(const XVGUID& G);

}  // namespace xvexo::library
