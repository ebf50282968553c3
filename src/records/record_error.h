#pragma once
// The failure that ends a load, carrying the message handed to the host.

#include <cstddef>
#include <cstdint>
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

// ParseDecimal, or TRecordError with the message "\"TEXT\" is not a decimal number", TEXT
// cleaned by CleanForMessage.
int32_t DecimalOrThrow(std::string_view Text);

// Text made safe to show in a message: every byte below 0x20 and 0x7F shown as "?", and a text
// longer than MaxBytes cut after MaxBytes bytes with "..." appended. A record or a server never
// puts control sequences or megabytes into a message box or a terminal.
std::string CleanForMessage(std::string_view Text, size_t MaxBytes = 32);

}  // namespace xvexo
