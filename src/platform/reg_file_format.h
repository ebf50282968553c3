#pragma once
// The text of a registry export file, read into keys and typed values and written back. Reading
// takes UTF-8 (with or without a byte-order mark) or UTF-16 with a byte-order mark, LF or CR LF
// line ends, and skips what it cannot read: a truncated or damaged file gives every key and value
// that can still be read, and says that something was lost.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/user_registry.h"

namespace xvexo {

struct TRegValue {
    std::string Name;  // as stored; "" is the key's default value ("@" in the file)
    TRegValueKind Kind = TRegValueKind::String;
    std::string Text;    // the string of a String value; the data after "=" of an Other value
    uint32_t Dword = 0;  // the number of a Dword value
};

struct TRegKey {
    std::string Path;  // the whole path as stored, root first: "HKEY_CURRENT_USER\Software\X"
    std::vector<TRegValue> Values;
};

struct TRegDocument {
    std::vector<TRegKey> Keys;  // in the order of the file
    bool Damaged = false;       // some line could not be read, or the text ended inside a value
};

// Reads the keys and values of a registry export text. Never fails: what cannot be read is
// skipped and marks the document damaged.
TRegDocument ParseRegText(std::string_view Bytes);

// The export text of Document: the version line, then each key as a "[path]" line followed by
// its values, one line each, LF line ends, UTF-8.
std::string FormatRegText(const TRegDocument& Document);

// Whether two key or value names are the same, letter case aside.
bool SameRegName(std::string_view A, std::string_view B);

}  // namespace xvexo
