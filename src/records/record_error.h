#pragma once
// The failure that ends a load, carrying the message handed to the host.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace xvexo {

class TRecordError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An optional "-" and one or more digits, within the 32-bit signed range; nothing else.
std::optional<int32_t> ParseDecimal(std::string_view Text);

// ParseDecimal, or TRecordError with the message "\"TEXT\" is not a decimal number".
int32_t DecimalOrThrow(std::string_view Text);

}  // namespace xvexo
