#pragma once
// Guessing the character set of a text that names none. One function in a file of its own, so
// that a build without the detection library can supply another (one that cannot tell).

#include <string>
#include <string_view>

namespace xvexo {

// The character set Bytes are most likely written in, by the detector's name for it
// ("SHIFT_JIS", "UHC", "GB18030", "BIG5", "WINDOWS-1252", "UTF-8", ...); "" when it cannot
// tell.
std::string DetectCharset(std::string_view Bytes);

}  // namespace xvexo
