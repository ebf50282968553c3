#pragma once
// Decoding record bytes for display: UTF-8 when the whole record text is valid UTF-8, else
// GBK (GB18030). Undecodable bytes become U+FFFD. The model itself stays bytes.

#include <string>
#include <string_view>

#include "records/game_record.h"

namespace xvexo {

enum class TTextEncoding { Utf8, Gbk };

bool IsValidUtf8(std::string_view Bytes);
// Utf8 when Text is valid UTF-8, else Gbk.
TTextEncoding ChooseEncoding(std::string_view Text);

// The encoding of the texts a load of Text in FormatMode stores: UTF-8 for standard SGF, whose
// reader decodes its text to UTF-8; else that of the whole text (ChooseEncoding).
TTextEncoding RecordTextEncoding(std::string_view Text, int32_t FormatMode);

// Bytes as UTF-8: valid sequences are kept (Utf8) or GB18030 is converted (Gbk); every byte
// that cannot be decoded becomes U+FFFD.
std::string DecodeText(std::string_view Bytes, TTextEncoding Encoding);

// Text (UTF-8) in the GBK code page, as the system's code page writes it: a character GBK has
// no code for, or a byte that starts no UTF-8 character, becomes "?".
std::string EncodeGbk(std::string_view Utf8);

// How much of a record's text the viewer shows: a label at most kMaxLabelChars characters, a
// tooltip at most kMaxTipChars, so that a hostile record (a title of ten megabytes) cannot stall
// the layout. Characters are counted as a window counts them: in UTF-16 units, a character past
// U+FFFF counting two.
inline constexpr size_t kMaxLabelChars = 200;
inline constexpr size_t kMaxTipChars = 1000;

// Utf8 cut after MaxChars characters (counted as above, never inside one) with "…" appended, or
// Utf8 itself when it is no longer.
std::string ElideText(std::string_view Utf8, size_t MaxChars);

// The encoding of info text Kind of a record whose whole text was of encoding Source. An NGF
// record's Komi and TimeText are written by the reader in GBK whatever the record's own text is, so
// they always decode as GBK; a standard SGF record's are UTF-8.
TTextEncoding InfoFieldEncoding(const TGameRecord& Record, TInfoKind Kind, TTextEncoding Source);

// What the information panel shows after the komi label of a standard SGF record (UTF-8): the
// komi as written (KM), and the handicap HA names from 2 stones on, in the words the panel
// uses for an NGF handicap game: "0.5 (3子让子棋)", "3子让子棋" without a komi.
std::string SgfKomiText(const TGameRecord& Record);

}  // namespace xvexo
