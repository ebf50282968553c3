#pragma once
// The character set of a standard SGF text, and its conversion to UTF-8 before the text is
// parsed: Shift_JIS, Big5 and GBK have trail bytes 0x5C "\" and 0x5D "]", so brackets and
// escapes are only found in the decoded text.

#include <string>
#include <string_view>

namespace xvexo {

struct TDecodedText {
    std::string Utf8;           // the whole text in UTF-8, without its byte-order mark
    std::string Charset;        // the converter used: "UTF-8", "UTF-16LE", "CP949", "GB18030", ...
    std::string Declared;       // the CA value of the root node as written ("" without one)
    bool DeclaredUsed = false;  // false when CA was absent, unknown or did not fit the bytes
};

// The value of the first CA property of the first game tree's root node, read from the raw
// bytes (names and brackets are ASCII in every set a CA may name); "" when there is none.
std::string FindDeclaredCharset(std::string_view Raw);

// The converter name for a CA value: the usual aliases go to the Windows supersets that
// files are written in (EUC-KR and KS_C_5601 to CP949, Shift_JIS to CP932, whose 0x5C is a
// backslash, Big5 to CP950, GB2312 and GBK to GB18030); "" for a name that is no plain
// charset name.
std::string ConverterForCharset(std::string_view Declared);

// Converts Bytes from charset From to UTF-8 with iconv. Strict: false at the first sequence
// that does not decode. Otherwise every undecodable unit (Unit bytes) becomes U+FFFD. False
// also when iconv has no such converter.
bool ConvertToUtf8(std::string_view Bytes, const char* From, bool Strict, size_t Unit,
                   std::string& Out);

// The text as UTF-8, its set chosen in this order: a byte-order mark (UTF-8, UTF-16 LE or
// BE; bytes "(" 0 or 0 "(" at the start stand for UTF-16 without one); else CA when it names
// a set that keeps ASCII as it is and decodes the whole text (a Latin set naming a text that
// is valid UTF-8 with other than ASCII yields to UTF-8); else UTF-8 when the text is valid
// UTF-8; else GB18030, each undecodable byte becoming U+FFFD. Utf8 views Raw when the text
// needs no conversion, else Buffer, which holds the converted text.
TDecodedText DecodeSgfText(std::string_view Raw, std::string& Buffer);

}  // namespace xvexo
