#include "records/display_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace xvexo {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Length of the well-formed UTF-8 sequence at Bytes[i], or 0 when there is none.
size_t Utf8SequenceAt(std::string_view Bytes, size_t I) {
    const auto B = [&](size_t K) { return static_cast<unsigned char>(Bytes[K]); };
    const unsigned char Lead = B(I);
    if (Lead < 0x80) return 1;
    size_t Len = 0;
    unsigned char Lo = 0x80;
    unsigned char Hi = 0xBF;
    if (Lead >= 0xC2 && Lead <= 0xDF) {
        Len = 2;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
        Len = 3;
        if (Lead == 0xE0) Lo = 0xA0;  // no overlong forms
        if (Lead == 0xED) Hi = 0x9F;  // no surrogates
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
        Len = 4;
        if (Lead == 0xF0) Lo = 0x90;
        if (Lead == 0xF4) Hi = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (I + Len > Bytes.size()) return 0;
    if (B(I + 1) < Lo || B(I + 1) > Hi) return 0;
    for (size_t k = 2; k < Len; ++k) {
        if (B(I + k) < 0x80 || B(I + k) > 0xBF) return 0;
    }
    return Len;
}

// True when the eight bytes at P are all ASCII: runs of ASCII are checked a word at a time.
bool IsAsciiWord(const char* P) {
    uint64_t Word;
    std::memcpy(&Word, P, sizeof Word);
    return (Word & 0x8080808080808080u) == 0;
}

// Valid sequences kept, each byte that starts none replaced; the valid stretches between two
// such bytes are copied whole.
std::string DecodeUtf8(std::string_view Bytes) {
    std::string Out;
    Out.reserve(Bytes.size());
    size_t Run = 0;  // start of the valid stretch not yet copied
    for (size_t i = 0; i < Bytes.size();) {
        while (i + 8 <= Bytes.size() && IsAsciiWord(Bytes.data() + i))
            i += 8;
        if (i >= Bytes.size()) break;
        const size_t Len = Utf8SequenceAt(Bytes, i);
        if (Len == 0) {
            Out.append(Bytes.substr(Run, i - Run));
            Out += kReplacement;
            Run = ++i;
        } else {
            i += Len;
        }
    }
    Out.append(Bytes.substr(Run));
    return Out;
}

// A converter of iconv from the set From to the set To, open for as long as it lives.
class TConverter {
  public:
    TConverter(const char* To, const char* From) : Cd(iconv_open(To, From)) {}
    ~TConverter() {
        if (Opened()) iconv_close(Cd);
    }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;

    // Appends Bytes converted to Out. Where a unit does not convert, Replacement is written
    // and SkipAt(i) bytes from Bytes[i] on are passed over. Without such a converter, ASCII
    // stays and every other unit is replaced.
    template <typename TSkipAt>
    void Append(std::string& Out, std::string_view Bytes, std::string_view Replacement,
                TSkipAt SkipAt) {
        if (!Opened()) {
            for (size_t i = 0; i < Bytes.size();) {
                if (static_cast<unsigned char>(Bytes[i]) < 0x80) {
                    Out += Bytes[i++];
                } else {
                    Out += Replacement;
                    i += SkipAt(i);
                }
            }
            return;
        }
        char Chunk[1024];
        size_t i = 0;
        while (i < Bytes.size()) {
            char* In = const_cast<char*>(Bytes.data() + i);
            size_t InLeft = Bytes.size() - i;
            char* OutPtr = Chunk;
            size_t OutLeft = sizeof Chunk;
            const size_t Rc = iconv(Cd, &In, &InLeft, &OutPtr, &OutLeft);
            const int Err = errno;
            Out.append(Chunk, static_cast<size_t>(OutPtr - Chunk));
            i = static_cast<size_t>(In - Bytes.data());
            if (Rc != static_cast<size_t>(-1)) break;
            if (Err == E2BIG) continue;
            // EILSEQ or an incomplete sequence at the end: replace the unit and go on.
            Out += Replacement;
            i += SkipAt(i);
            iconv(Cd, nullptr, nullptr, nullptr, nullptr);
        }
    }

  private:
    bool Opened() const { return Cd != reinterpret_cast<iconv_t>(-1); }

    iconv_t Cd;
};

// True for a byte that no multi-byte character of GB18030 holds: below '0', ':' to '?', and
// DEL. (A second byte is 0x40..0x7E or 0x80..0xFE, or a digit in a four-byte character.)
bool EndsGbkRun(unsigned char B) {
    return B < 0x30 || (B >= 0x3A && B <= 0x3F) || B == 0x7F;
}

// GB18030 to UTF-8, one undecodable byte at a time becoming U+FFFD. ASCII between characters
// stands for itself and is copied; only the stretches that hold other bytes go through iconv.
// A stretch ends before a byte that no multi-byte character holds: there, however the bytes
// before it are read (as characters or as undecodable bytes), a character starts, so
// converting the stretches one by one gives what converting the whole text would.
std::string DecodeGbk(std::string_view Bytes) {
    std::string Out;
    Out.reserve(Bytes.size() * 3 / 2 + 4);
    TConverter Converter("UTF-8", "GB18030");
    size_t i = 0;
    while (i < Bytes.size()) {
        const size_t Ascii = i;
        while (i + 8 <= Bytes.size() && IsAsciiWord(Bytes.data() + i))
            i += 8;
        while (i < Bytes.size() && static_cast<unsigned char>(Bytes[i]) < 0x80)
            ++i;
        Out.append(Bytes.substr(Ascii, i - Ascii));
        if (i == Bytes.size()) break;
        const size_t Other = i;
        while (i < Bytes.size() && !EndsGbkRun(static_cast<unsigned char>(Bytes[i])))
            ++i;
        Converter.Append(Out, Bytes.substr(Other, i - Other), kReplacement,
                         [](size_t) { return size_t{1}; });
    }
    return Out;
}

}  // namespace

bool IsValidUtf8(std::string_view Bytes) {
    for (size_t i = 0; i < Bytes.size();) {
        while (i + 8 <= Bytes.size() && IsAsciiWord(Bytes.data() + i))
            i += 8;
        if (i >= Bytes.size()) break;
        const size_t Len = Utf8SequenceAt(Bytes, i);
        if (Len == 0) return false;
        i += Len;
    }
    return true;
}

TTextEncoding ChooseEncoding(std::string_view Text) {
    return IsValidUtf8(Text) ? TTextEncoding::Utf8 : TTextEncoding::Gbk;
}

TTextEncoding RecordTextEncoding(std::string_view Text, int32_t FormatMode) {
    return FormatMode == kFormatSgf ? TTextEncoding::Utf8 : ChooseEncoding(Text);
}

std::string DecodeText(std::string_view Bytes, TTextEncoding Encoding) {
    return Encoding == TTextEncoding::Utf8 ? DecodeUtf8(Bytes) : DecodeGbk(Bytes);
}

std::string EncodeGbk(std::string_view Utf8) {
    std::string Out;
    TConverter("GBK", "UTF-8").Append(Out, Utf8, "?", [Utf8](size_t I) {
        return std::max<size_t>(Utf8SequenceAt(Utf8, I), 1);
    });
    return Out;
}

std::string ElideText(std::string_view Utf8, size_t MaxChars) {
    size_t Units = 0;
    for (size_t i = 0; i < Utf8.size();) {
        const auto Lead = static_cast<unsigned char>(Utf8[i]);
        Units += Lead >= 0xF0 ? 2 : 1;
        if (Units > MaxChars) return std::string(Utf8.substr(0, i)) + "\xE2\x80\xA6";  // "…"
        i += Lead >= 0xF0 ? 4 : Lead >= 0xE0 ? 3 : Lead >= 0xC0 ? 2 : 1;
    }
    return std::string(Utf8);
}

TTextEncoding InfoFieldEncoding(const TGameRecord& Record, TInfoKind Kind, TTextEncoding Source) {
    if (Record.FormatMode == kFormatSgf) return TTextEncoding::Utf8;
    const bool ReaderText = Kind == TInfoKind::TimeText || Kind == TInfoKind::Komi;
    return Record.FormatMode == kFormatNgf && ReaderText ? TTextEncoding::Gbk : Source;
}

std::string SgfKomiText(const TGameRecord& Record) {
    if (Record.DeclaredHandicap < 2) return Record.Info.Komi;
    const std::string Handicap = std::to_string(Record.DeclaredHandicap) + "子让子棋";
    return Record.Info.Komi.empty() ? Handicap : Record.Info.Komi + " (" + Handicap + ")";
}

}  // namespace xvexo
