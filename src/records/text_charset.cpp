#include "records/text_charset.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <utility>

#include "records/charset_detection.h"
#include "records/display_text.h"
#include "records/record_format.h"

namespace xvexo {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
// The standard's default set, in the form files are written in.
constexpr const char* kLatin1 = "CP1252";

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
    TAlias{"UTF8", "UTF-8"},         TAlias{"EUCKR", "CP949"},
    TAlias{"KSC56011987", "CP949"},  TAlias{"KSC5601", "CP949"},
    TAlias{"KSC56011989", "CP949"},  TAlias{"CP949", "CP949"},
    TAlias{"UHC", "CP949"},          TAlias{"XWINDOWS949", "CP949"},
    TAlias{"WINDOWS949", "CP949"},   TAlias{"MS949", "CP949"},
    TAlias{"KOREAN", "CP949"},       TAlias{"SHIFTJIS", "CP932"},
    TAlias{"SJIS", "CP932"},         TAlias{"XSJIS", "CP932"},
    TAlias{"MSKANJI", "CP932"},      TAlias{"CP932", "CP932"},
    TAlias{"WINDOWS31J", "CP932"},   TAlias{"WINDOWS932", "CP932"},
    TAlias{"BIG5", "CP950"},         TAlias{"CP950", "CP950"},
    TAlias{"WINDOWS950", "CP950"},   TAlias{"BIG5HKSCS", "BIG5-HKSCS"},
    TAlias{"GB2312", "GB18030"},     TAlias{"GBK", "GB18030"},
    TAlias{"GB18030", "GB18030"},    TAlias{"CP936", "GB18030"},
    TAlias{"WINDOWS936", "GB18030"}, TAlias{"MS936", "GB18030"},
    TAlias{"EUCCN", "GB18030"},      TAlias{"CHINESE", "GB18030"},
    TAlias{"GB231280", "GB18030"},   TAlias{"ISO88591", "CP1252"},
    TAlias{"ISOIR100", "CP1252"},    TAlias{"LATIN1", "CP1252"},
    TAlias{"L1", "CP1252"},          TAlias{"CP819", "CP1252"},
    TAlias{"IBM819", "CP1252"},      TAlias{"WINDOWS1252", "CP1252"},
};

// Sets of one byte a character with Latin letters: a text they name that is valid UTF-8 with
// bytes above 0x7F was written as UTF-8 under a default name.
bool IsLatinSet(std::string_view Key) {
    return Key.starts_with("ISO8859") || Key.starts_with("LATIN") ||
           Key.starts_with("WINDOWS125") || Key.starts_with("CP125") || Key == "ASCII" ||
           Key == "USASCII";
}

// The Latin sets among the detector's answers: all are read as Latin-1.
bool IsLatinGuess(std::string_view Key) {
    for (std::string_view Latin :
         {"ISO88591", "ISO88592", "ISO88593", "ISO88594", "ISO88599", "ISO885910", "ISO885913",
          "ISO885914", "ISO885915", "ISO885916", "WINDOWS1250", "WINDOWS1252", "WINDOWS1254",
          "WINDOWS1257", "WINDOWS1258", "ASCII", "USASCII"}) {
        if (Key == Latin) return true;
    }
    return Key.starts_with("MAC") && Key.find("CYRILLIC") == std::string_view::npos;
}

bool HasHighByte(std::string_view Bytes) {
    for (char C : Bytes) {
        if (static_cast<unsigned char>(C) >= 0x80) return true;
    }
    return false;
}

// Appends Bytes converted by Cd (to UTF-8) to Out. Strict: false at the first unit that does
// not decode. Otherwise each such unit (Unit bytes: a byte that starts no character of the set,
// a character cut at the end) becomes U+FFFD.
bool AppendConverted(iconv_t Cd, std::string_view Bytes, bool Strict, size_t Unit,
                     std::string& Out) {
    Out.reserve(Out.size() + Bytes.size() + Bytes.size() / 2 + 4);
    std::array<char, 4096> Chunk;
    size_t I = 0;
    iconv(Cd, nullptr, nullptr, nullptr, nullptr);
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
        if (Strict) return false;
        Out += kReplacement;
        I = std::min(Bytes.size(), I + std::max<size_t>(Unit, 1));
        iconv(Cd, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
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

// The converter of Name that keeps ASCII (a system without the Windows table of Big5 still has
// the plain one); "" when there is none. The sets of the alias table keep it: only other names
// are tried.
std::string UsableConverter(std::string_view Name) {
    const std::string Converter = ConverterForCharset(Name);
    if (Converter.empty()) return {};
    const std::string Key = AliasKey(Name);
    for (const TAlias& A : kAliases) {
        if (A.Key == Key && Converter != "CP950") return Converter;
    }
    if (KeepsAscii(Converter.c_str())) return Converter;
    if (Converter == "CP950" && KeepsAscii("BIG5")) return "BIG5";
    return {};
}

// What the detector is given: the text from its first byte above ASCII on (what comes before
// tells nothing of the set), at most 64 KiB of it.
std::string_view DetectionSample(std::string_view Bytes) {
    size_t First = 0;
    while (First < Bytes.size() && static_cast<unsigned char>(Bytes[First]) < 0x80)
        ++First;
    return Bytes.substr(First, size_t{64} << 10);
}

}  // namespace

TLeadBytes LeadBytesOf(std::string_view Converter) {
    const std::string Key = AliasKey(Converter);
    if (Key == "CP932" || Key == "SHIFTJIS" || Key == "SJIS" || Key == "WINDOWS31J") {
        return TLeadBytes::ShiftJis;
    }
    if (Key == "CP950" || Key.starts_with("BIG5")) return TLeadBytes::Big5;
    if (Key == "GB18030" || Key == "GBK" || Key == "CP936" || Key == "GB2312") {
        return TLeadBytes::Gbk;
    }
    return TLeadBytes::None;
}

std::string FindDeclaredCharset(std::string_view Raw) {
    size_t I = FindGameTreeStart(Raw);
    if (I == std::string_view::npos) return {};
    ++I;
    while (I < Raw.size() && IsBlank(Raw[I]))
        ++I;
    if (I < Raw.size() && Raw[I] == ';') ++I;
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

std::string ConverterForCharset(std::string_view Name) {
    while (!Name.empty() && IsBlank(Name.front()))
        Name.remove_prefix(1);
    while (!Name.empty() && IsBlank(Name.back()))
        Name.remove_suffix(1);
    if (Name.empty() || Name.size() > 40) return {};
    for (char C : Name) {
        const bool Ok =
            IsLetter(C) || (C >= '0' && C <= '9') || C == '-' || C == '_' || C == '.' || C == ':';
        if (!Ok) return {};
    }
    const std::string Key = AliasKey(Name);
    for (const TAlias& A : kAliases) {
        if (A.Key == Key) return A.Converter;
    }
    return std::string(Name);
}

bool ConvertToUtf8(std::string_view Bytes, const char* From, bool Strict, size_t Unit,
                   std::string& Out) {
    Out.clear();
    iconv_t Cd = OpenToUtf8(From);
    if (Cd == reinterpret_cast<iconv_t>(-1)) return false;
    const bool Ok = AppendConverted(Cd, Bytes, Strict, Unit, Out);
    iconv_close(Cd);
    return Ok;
}

TSgfSource PrepareSgfText(std::string_view Raw, std::string& Buffer) {
    TSgfSource S;
    S.Bytes = Raw;
    if (Raw.starts_with("\xFF\xFE") || Raw.starts_with("\xFE\xFF") ||
        Raw.starts_with(std::string_view("(\0", 2)) ||
        Raw.starts_with(std::string_view("\0(", 2))) {
        const bool Mark = Raw[0] == '\xFF' || Raw[0] == '\xFE';
        const bool Little = Raw[0] == '\xFF' || Raw[0] == '(';
        ConvertToUtf8(Raw.substr(Mark ? 2 : 0), Little ? "UTF-16LE" : "UTF-16BE", false, 2, Buffer);
        S.Bytes = Buffer;
        return S;
    }
    if (Raw.starts_with("\xEF\xBB\xBF")) {
        S.Bytes.remove_prefix(3);
        return S;
    }

    const bool ValidUtf8 = IsValidUtf8(Raw);
    S.Charset.Declared = FindDeclaredCharset(Raw);
    const std::string Declared = UsableConverter(S.Charset.Declared);
    if (Declared == "UTF-8") {
        S.Charset.DeclaredUsed = true;
        return S;
    }
    if (!Declared.empty()) {
        // A file converted to UTF-8 that kept its old name: UTF-8 with other than ASCII is
        // hardly ever anything else by chance.
        std::string Probe;
        const bool ReallyUtf8 = ValidUtf8 && HasHighByte(Raw) &&
                                (IsLatinSet(AliasKey(Declared)) ||
                                 !ConvertToUtf8(Raw, Declared.c_str(), true, 1, Probe));
        if (!ReallyUtf8) {
            S.Charset.Converter = Declared;
            S.Charset.DeclaredUsed = true;
        }
        return S;
    }
    if (ValidUtf8) return S;
    const std::string Guess = DetectCharset(DetectionSample(Raw));
    const std::string Detected = IsLatinGuess(AliasKey(Guess)) ? kLatin1 : UsableConverter(Guess);
    S.Charset.Converter = Detected.empty() ? kLatin1 : Detected;
    S.Charset.Detected = !Detected.empty();
    return S;
}

TValueDecoder::TValueDecoder(const std::string& Converter)
    : Utf8(Converter == "UTF-8"), Set(Converter) {}

TValueDecoder::~TValueDecoder() {
    if (Converter != nullptr) iconv_close(static_cast<iconv_t>(Converter));
}

std::string TValueDecoder::Decode(std::string_view Bytes) {
    if (!HasHighByte(Bytes)) return std::string(Bytes);
    if (!Utf8 && Converter == nullptr) {
        // Opened at the first value that needs it (a text of ASCII alone needs none).
        const iconv_t Cd = OpenToUtf8(Set.c_str());
        Utf8 = Cd == reinterpret_cast<iconv_t>(-1);  // no such converter: the bytes as UTF-8
        if (!Utf8) Converter = Cd;
    }
    if (Utf8) return DecodeText(Bytes, TTextEncoding::Utf8);
    std::string Out;
    AppendConverted(static_cast<iconv_t>(Converter), Bytes, false, 1, Out);
    return Out;
}

}  // namespace xvexo
