#include "records/text_charset.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <utility>

#include "records/display_text.h"

namespace xvexo {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\v' || C == '\f';
}
bool IsLetter(char C) {
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z');
}
char Upper(char C) {
    return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C;
}

// The name reduced to capitals and digits, for comparing aliases: "Shift_JIS" is "SHIFTJIS".
std::string AliasKey(std::string_view Name) {
    std::string Key;
    for (char C : Name) {
        if (C != '-' && C != '_' && C != '.' && C != ' ') Key += Upper(C);
    }
    return Key;
}

struct TAlias {
    std::string_view Key;
    const char* Converter;
};

constexpr std::array kAliases = {
    TAlias{"UTF8", "UTF-8"},
    TAlias{"EUCKR", "CP949"},
    TAlias{"KSC56011987", "CP949"},
    TAlias{"KSC5601", "CP949"},
    TAlias{"KSC56011989", "CP949"},
    TAlias{"CP949", "CP949"},
    TAlias{"UHC", "CP949"},
    TAlias{"WINDOWS949", "CP949"},
    TAlias{"MS949", "CP949"},
    TAlias{"KOREAN", "CP949"},
    TAlias{"SHIFTJIS", "CP932"},
    TAlias{"SJIS", "CP932"},
    TAlias{"XSJIS", "CP932"},
    TAlias{"MSKANJI", "CP932"},
    TAlias{"CP932", "CP932"},
    TAlias{"WINDOWS31J", "CP932"},
    TAlias{"WINDOWS932", "CP932"},
    TAlias{"BIG5", "CP950"},
    TAlias{"CP950", "CP950"},
    TAlias{"WINDOWS950", "CP950"},
    TAlias{"BIG5HKSCS", "BIG5-HKSCS"},
    TAlias{"GB2312", "GB18030"},
    TAlias{"GBK", "GB18030"},
    TAlias{"GB18030", "GB18030"},
    TAlias{"CP936", "GB18030"},
    TAlias{"WINDOWS936", "GB18030"},
    TAlias{"MS936", "GB18030"},
    TAlias{"EUCCN", "GB18030"},
    TAlias{"CHINESE", "GB18030"},
    TAlias{"GB231280", "GB18030"},
};

// Sets of one byte a character with Latin letters: a text they name that is valid UTF-8 with
// bytes above 0x7F was written as UTF-8 under a default name.
bool IsLatinSet(std::string_view Key) {
    return Key.starts_with("ISO8859") || Key.starts_with("LATIN") ||
           Key.starts_with("WINDOWS125") || Key.starts_with("CP125") || Key == "ASCII" ||
           Key == "USASCII";
}

bool HasHighByte(std::string_view Bytes) {
    for (char C : Bytes) {
        if (static_cast<unsigned char>(C) >= 0x80) return true;
    }
    return false;
}

// True when the converter keeps the ASCII bytes of the format as they are.
bool KeepsAscii(const char* Converter) {
    constexpr std::string_view kProbe = "(;CA[]\\:)AZaz09 \r\n";
    std::string Out;
    return ConvertToUtf8(kProbe, Converter, true, 1, Out) && Out == kProbe;
}

// Opens iconv's converter from From to UTF-8. A C library without the Windows name of Shift_JIS
// (the web build's) takes its plain name, whose 0x5C is a backslash too.
iconv_t OpenToUtf8(const char* From) {
    iconv_t Cd = iconv_open("UTF-8", From);
    if (Cd == reinterpret_cast<iconv_t>(-1) && std::string_view(From) == "CP932") {
        Cd = iconv_open("UTF-8", "SHIFT_JIS");
    }
    return Cd;
}

}  // namespace

std::string FindDeclaredCharset(std::string_view Raw) {
    size_t I = Raw.find('(');
    if (I == std::string_view::npos) return {};
    ++I;
    while (I < Raw.size() && IsBlank(Raw[I]))
        ++I;
    if (I >= Raw.size() || Raw[I] != ';') return {};
    ++I;
    // The root node's properties, up to the next node, variation or end of tree.
    while (I < Raw.size()) {
        while (I < Raw.size() && IsBlank(Raw[I]))
            ++I;
        if (I >= Raw.size() || !IsLetter(Raw[I])) return {};
        std::string Name;
        while (I < Raw.size() && IsLetter(Raw[I])) {
            if (Raw[I] >= 'A' && Raw[I] <= 'Z') Name += Raw[I];
            ++I;
        }
        bool First = true;
        while (true) {
            while (I < Raw.size() && IsBlank(Raw[I]))
                ++I;
            if (I >= Raw.size() || Raw[I] != '[') break;
            std::string Value;
            ++I;
            while (I < Raw.size() && Raw[I] != ']') {
                if (Raw[I] == '\\' && I + 1 < Raw.size()) ++I;
                Value += Raw[I];
                ++I;
            }
            if (I >= Raw.size()) return {};
            ++I;
            if (Name == "CA" && First) return Value;
            First = false;
        }
        if (First) return {};  // a name without a value: no longer the format
    }
    return {};
}

std::string ConverterForCharset(std::string_view Declared) {
    while (!Declared.empty() && IsBlank(Declared.front()))
        Declared.remove_prefix(1);
    while (!Declared.empty() && IsBlank(Declared.back()))
        Declared.remove_suffix(1);
    if (Declared.empty() || Declared.size() > 40) return {};
    for (char C : Declared) {
        const bool Ok =
            IsLetter(C) || (C >= '0' && C <= '9') || C == '-' || C == '_' || C == '.' || C == ':';
        if (!Ok) return {};
    }
    const std::string Key = AliasKey(Declared);
    for (const TAlias& A : kAliases) {
        if (A.Key == Key) return A.Converter;
    }
    return std::string(Declared);
}

bool ConvertToUtf8(std::string_view Bytes, const char* From, bool Strict, size_t Unit,
                   std::string& Out) {
    Out.clear();
    iconv_t Cd = OpenToUtf8(From);
    if (Cd == reinterpret_cast<iconv_t>(-1)) return false;
    if (Unit == 0) Unit = 1;
    Out.reserve(Bytes.size() + Bytes.size() / 2 + 4);
    std::array<char, 4096> Chunk;
    size_t I = 0;
    bool Ok = true;
    while (I < Bytes.size()) {
        char* In = const_cast<char*>(Bytes.data() + I);
        size_t InLeft = Bytes.size() - I;
        char* OutPtr = Chunk.data();
        size_t OutLeft = Chunk.size();
        const size_t Rc = iconv(Cd, &In, &InLeft, &OutPtr, &OutLeft);
        const int Err = errno;
        Out.append(Chunk.data(), static_cast<size_t>(OutPtr - Chunk.data()));
        I = static_cast<size_t>(In - Bytes.data());
        if (Rc != static_cast<size_t>(-1)) break;
        if (Err == E2BIG) continue;
        // An invalid or incomplete sequence.
        if (Strict) {
            Ok = false;
            break;
        }
        Out += kReplacement;
        I = std::min(Bytes.size(), I + Unit);
        iconv(Cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(Cd);
    return Ok;
}

TDecodedText DecodeSgfText(std::string_view Raw, std::string& Buffer) {
    TDecodedText D;
    const auto Converted = [&](const char* Set) {
        D.Charset = Set;
        D.Utf8 = Buffer;
        return D;
    };
    if (Raw.starts_with("\xFF\xFE") || Raw.starts_with("\xFE\xFF")) {
        const bool Little = Raw[0] == '\xFF';
        ConvertToUtf8(Raw.substr(2), Little ? "UTF-16LE" : "UTF-16BE", false, 2, Buffer);
        return Converted(Little ? "UTF-16LE" : "UTF-16BE");
    }
    if (Raw.starts_with(std::string_view("(\0", 2)) ||
        Raw.starts_with(std::string_view("\0(", 2))) {
        const bool Little = Raw[0] == '(';
        ConvertToUtf8(Raw, Little ? "UTF-16LE" : "UTF-16BE", false, 2, Buffer);
        return Converted(Little ? "UTF-16LE" : "UTF-16BE");
    }
    if (Raw.starts_with("\xEF\xBB\xBF")) {
        Raw.remove_prefix(3);
        if (IsValidUtf8(Raw)) {
            D.Charset = "UTF-8";
            D.Utf8 = Raw;
            return D;
        }
        Buffer = DecodeText(Raw, TTextEncoding::Utf8);
        return Converted("UTF-8");
    }

    const bool ValidUtf8 = IsValidUtf8(Raw);
    D.Declared = FindDeclaredCharset(Raw);
    const std::string Converter = ConverterForCharset(D.Declared);
    if (Converter == "UTF-8") {
        D.DeclaredUsed = ValidUtf8;
    } else if (!Converter.empty() &&
               !(IsLatinSet(AliasKey(Converter)) && ValidUtf8 && HasHighByte(Raw))) {
        // A system without the Windows table of Big5 still has the plain one.
        const char* Fallback = Converter == "CP950" ? "BIG5" : nullptr;
        for (const char* Set : {Converter.c_str(), Fallback}) {
            if (Set == nullptr || !KeepsAscii(Set)) continue;
            if (ConvertToUtf8(Raw, Set, true, 1, Buffer)) {
                D.DeclaredUsed = true;
                return Converted(Set);
            }
        }
    }
    if (ValidUtf8) {
        D.Charset = "UTF-8";
        D.Utf8 = Raw;
        return D;
    }
    Buffer = DecodeText(Raw, TTextEncoding::Gbk);
    return Converted("GB18030");
}

}  // namespace xvexo
