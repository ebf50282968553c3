#include "records/record_error.h"

#include <charconv>
#include <cstdint>

namespace xvexo {

std::optional<int32_t> ParseDecimal(std::string_view Text) {
    std::string_view Digits = Text;
    if (!Digits.empty() && Digits.front() == '-') Digits.remove_prefix(1);
    if (Digits.empty()) return std::nullopt;
    for (char C : Digits) {
        if (C < '0' || C > '9') return std::nullopt;
    }
    int32_t Value = 0;
    const char* End = Text.data() + Text.size();
    auto [Ptr, Ec] = std::from_chars(Text.data(), End, Value);
    if (Ec != std::errc{} || Ptr != End) return std::nullopt;
    return Value;
}

int32_t DecimalOrThrow(std::string_view Text) {
    if (auto V = ParseDecimal(Text)) return *V;
    throw TRecordError("\"" + CleanForMessage(Text) + "\" is not a decimal number");
}

std::string CleanForMessage(std::string_view Text, size_t MaxBytes) {
    const bool Cut = Text.size() > MaxBytes;
    std::string Out(Text.substr(0, MaxBytes));
    for (char& C : Out) {
        if (static_cast<unsigned char>(C) < 0x20 || C == 0x7F) C = '?';
    }
    if (Cut) Out += "...";
    return Out;
}

}  // namespace xvexo
