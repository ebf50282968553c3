#pragma once
// The character set of a standard SGF text. The text is scanned as bytes (names, brackets and
// escapes are ASCII in every set it may be in) and each text value is decoded to UTF-8 on its
// own, so a byte that does not decode spoils one character of one value, never the structure.
// Shift_JIS, Big5 and GBK have trail bytes 0x5C "\" and 0x5D "]": the scanner steps over such
// two-byte characters whole (TLeadBytes).

#include <cstdint>
#include <string>
#include <string_view>

namespace xvexo {

// How the scanner steps over the characters of a set: None, one byte at a time (UTF-8 and
// every set whose multi-byte characters hold no byte below 0x80, or none below 0x40 but
// letters: EUC-KR, CP949, EUC-JP, single-byte sets); otherwise a lead byte of the set followed
// by one of its trail bytes is one character.
enum class TLeadBytes : uint8_t { None, ShiftJis, Big5, Gbk };

// The lead-byte rule of a converter name (as ConverterForCharset gives it).
TLeadBytes LeadBytesOf(std::string_view Converter);

// The length of the character at Bytes[I] for the scanner: 2 for a lead byte followed by a
// trail byte of the set, else 1. I < Bytes.size().
inline size_t CharLengthAt(std::string_view Bytes, size_t I, TLeadBytes Rule) {
    if (Rule == TLeadBytes::None || I + 1 >= Bytes.size()) return 1;
    const auto Lead = static_cast<unsigned char>(Bytes[I]);
    const auto Trail = static_cast<unsigned char>(Bytes[I + 1]);
    switch (Rule) {
        case TLeadBytes::ShiftJis:
            return ((Lead >= 0x81 && Lead <= 0x9F) || (Lead >= 0xE0 && Lead <= 0xFC)) &&
                           Trail >= 0x40 && Trail <= 0xFC && Trail != 0x7F
                       ? 2
                       : 1;
        case TLeadBytes::Big5:
            return Lead >= 0x81 && Lead <= 0xFE &&
                           ((Trail >= 0x40 && Trail <= 0x7E) || (Trail >= 0xA1 && Trail <= 0xFE))
                       ? 2
                       : 1;
        case TLeadBytes::Gbk:
            // Four-byte GB18030 characters have a digit second: no syntax byte is hidden there.
            return Lead >= 0x81 && Lead <= 0xFE && Trail >= 0x40 && Trail <= 0xFE && Trail != 0x7F
                       ? 2
                       : 1;
        case TLeadBytes::None:
            break;
    }
    return 1;
}

// The character set chosen for a text.
struct TSgfCharset {
    std::string Converter = "UTF-8";  // its converter: "UTF-8", "CP932", "CP949", "CP1252", ...
    std::string Declared;             // the CA value of the root node as written ("" without)
    bool DeclaredUsed = false;        // whether Converter is the one CA names
    bool Detected = false;            // whether the detector chose it
};

// The text to scan and its character set: the raw text without its byte-order mark, or a
// UTF-16 text converted to UTF-8 (held by the caller's buffer).
struct TSgfSource {
    std::string_view Bytes;
    TSgfCharset Charset;
};

// The value of the first CA property of the first game tree's root node (record_format.h
// says where it starts), read from the raw bytes; "" when there is none.
std::string FindDeclaredCharset(std::string_view Raw);

// The converter name for a CA value or a detector's name: the usual aliases go to the Windows
// supersets that files are written in (EUC-KR, KS_C_5601 and UHC to CP949, Shift_JIS to CP932,
// whose 0x5C is a backslash, Big5 to CP950, GB2312 and GBK to GB18030, ISO-8859-1 and Latin-1
// to CP1252); "" for a name that is no plain charset name.
std::string ConverterForCharset(std::string_view Name);

// Converts Bytes from charset From to UTF-8 with iconv. Strict: false at the first sequence
// that does not decode. Otherwise every undecodable unit (Unit bytes) becomes U+FFFD. False
// also when iconv has no such converter.
bool ConvertToUtf8(std::string_view Bytes, const char* From, bool Strict, size_t Unit,
                   std::string& Out);

// The text to scan and the set of its values, chosen in this order:
// - a byte-order mark: UTF-8, or UTF-16 LE or BE (bytes "(" 0 or 0 "(" at the start stand for
//   UTF-16 without one), which is converted to UTF-8 into Buffer first;
// - CA, when it names a set that keeps ASCII as it is. It yields only to UTF-8: when the text
//   is valid UTF-8 with bytes above ASCII, and the named set is a Latin one or does not decode
//   the text (a file converted to UTF-8 that kept its old CA);
// - UTF-8, when the text is valid UTF-8;
// - the set the detector names (DetectCharset), when it keeps ASCII; a Latin set it names is
//   read as Latin-1 (its guesses among them on a few accented letters are noise);
// - Latin-1 (CP1252), the standard's default.
TSgfSource PrepareSgfText(std::string_view Raw, std::string& Buffer);

// Decodes the text values of one record to UTF-8, each on its own: bytes that do not decode
// become U+FFFD in that value. One converter serves all values of the record.
class TValueDecoder {
  public:
    explicit TValueDecoder(const std::string& Converter);
    ~TValueDecoder();
    TValueDecoder(const TValueDecoder&) = delete;
    TValueDecoder& operator=(const TValueDecoder&) = delete;

    // Bytes in UTF-8.
    std::string Decode(std::string_view Bytes);

  private:
    bool Utf8 = true;
    std::string Set;
    void* Converter = nullptr;  // the iconv descriptor of another set, once a value needs it
};

}  // namespace xvexo
