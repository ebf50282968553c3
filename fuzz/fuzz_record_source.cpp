// Any bytes as a record's address: the file:// rules (hosts, %XX, NUL), the message text and
// the format choice. Nothing is read from disk.

#include <cstddef>
#include <cstdint>
#include <string>

#include "records/record_loader.h"
#include "records/record_source.h"

namespace {

void Check(bool Ok) {
    if (!Ok) __builtin_trap();
}

bool HasControlByte(const std::string& Text) {
    for (const char C : Text)
        if (static_cast<unsigned char>(C) < 0x20 || C == 0x7F) return true;
    return false;
}

bool StartsWithIgnoringCase(const std::string& Text, const std::string& Lower) {
    if (Text.size() < Lower.size()) return false;
    for (size_t i = 0; i < Lower.size(); ++i) {
        const char C = Text[i] >= 'A' && Text[i] <= 'Z' ? char(Text[i] - 'A' + 'a') : Text[i];
        if (C != Lower[i]) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace xvexo;
    const std::string Address(reinterpret_cast<const char*>(Data), Size);
    const TLocalAddress L = LocalPathOfAddress(Address);

    // A path or an error, never both; a path never holds a NUL; a message is bounded and clean.
    Check(L.Path.empty() != L.Error.empty());
    Check(L.Path.find('\0') == std::string::npos);
    Check(!HasControlByte(L.Error) && L.Error.size() <= 1024 + 128);
    Check(!HasControlByte(AddressForMessage(Address)));

    const bool IsFile = StartsWithIgnoringCase(Address, "file://");
    if (IsFile && L.Error.empty()) {
        // Only an empty host or localhost, and the path is absolute.
        const std::string Rest = Address.substr(7);
        const std::string Host = Rest.substr(0, Rest.find('/'));
        Check(Host.empty() || StartsWithIgnoringCase(Host, "localhost"));
        Check(Host.size() == 0 || Host.size() == 9);
        Check(L.Path.starts_with("/"));
        // Encoding the path again (every byte but "/") gives it back exactly.
        std::string Encoded = "file://";
        for (const char C : L.Path) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            const auto B = static_cast<unsigned char>(C);
            if (C == '/') {
                Encoded += C;
                continue;
            }
            Encoded += '%';
            Encoded += kHex[B >> 4];
            Encoded += kHex[B & 15];
        }
        Check(LocalPathOfAddress(Encoded).Path == L.Path);
    } else if (!IsFile && L.Error.empty()) {
        Check(L.Path == Address);                 // a plain path is taken as it stands
        Check(SchemeOfAddress(Address).empty());  // never an address of another scheme
    }

    // The format always follows what is read: the decoded path's name for a local address (a
    // download's scheme is recognised in any case, so "hTtp://x.NGF" is no local name).
    const int32_t Format = FormatOfAddress(Address);
    Check(Format == kFormatTag || Format == kFormatNgf);
    if (!IsNetworkAddress(Address)) Check(Format == FormatForFileName(L.Path));
    return 0;
}
