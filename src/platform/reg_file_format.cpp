#include "platform/reg_file_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

namespace xvexo {

namespace {

constexpr std::string_view kVersionLine = "Windows Registry Editor Version 5.00";

char AsciiUpper(char C) {
    return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C;
}

// A hash of Name, and of Seed, that ignores letter case as SameRegName does: FNV-1a, its bits
// then mixed so that the low ones, which place a name in the table, depend on all of them.
uint64_t FoldedHash(std::string_view Name, uint64_t Seed = 0) {
    uint64_t H = 14695981039346656037u;
    for (const char C : Name) {
        H ^= static_cast<unsigned char>(AsciiUpper(C));
        H *= 1099511628211u;
    }
    H ^= Seed * 0x9E3779B97F4A7C15u;
    H ^= H >> 33;
    H *= 0xFF51AFD7ED558CCDu;
    H ^= H >> 33;
    H *= 0xC4CEB9FE1A85EC53u;
    return H ^ (H >> 33);
}

// Positions of names the caller keeps, found by a hash of the name: an open-addressing table,
// so a file of any number of keys is read in linear time without a copy of each name.
class TNameTable {
  public:
    // The position of the name Same says is equal, if one was stored with Hash; else Position,
    // stored with Hash.
    template <typename TSame>
    size_t FindOrAdd(uint64_t Hash, size_t Position, const TSame& Same) {
        if ((Count + 1) * 2 > Slots.size()) Grow();
        const size_t Mask = Slots.size() - 1;
        for (size_t i = Hash & Mask;; i = (i + 1) & Mask) {
            TSlot& Slot = Slots[i];
            if (Slot.Position == kEmpty) {
                Slot = {Hash, Position};
                ++Count;
                return Position;
            }
            if (Slot.Hash == Hash && Same(Slot.Position)) return Slot.Position;
        }
    }

  private:
    static constexpr size_t kEmpty = static_cast<size_t>(-1);
    struct TSlot {
        uint64_t Hash = 0;
        size_t Position = kEmpty;
    };

    void Grow() {
        std::vector<TSlot> Old =
            std::exchange(Slots, std::vector<TSlot>(std::max<size_t>(64, Slots.size() * 2)));
        const size_t Mask = Slots.size() - 1;
        for (const TSlot& Slot : Old) {
            if (Slot.Position == kEmpty) continue;
            size_t i = Slot.Hash & Mask;
            while (Slots[i].Position != kEmpty)
                i = (i + 1) & Mask;
            Slots[i] = Slot;
        }
    }

    std::vector<TSlot> Slots;
    size_t Count = 0;
};

bool StartsWithNoCase(std::string_view Text, std::string_view Prefix) {
    return Text.size() >= Prefix.size() && SameRegName(Text.substr(0, Prefix.size()), Prefix);
}

void AppendUtf8(std::string& Out, uint32_t Code) {
    if (Code < 0x80) {
        Out += static_cast<char>(Code);
    } else if (Code < 0x800) {
        Out += static_cast<char>(0xC0 | (Code >> 6));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    } else if (Code < 0x10000) {
        Out += static_cast<char>(0xE0 | (Code >> 12));
        Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | (Code >> 18));
        Out += static_cast<char>(0x80 | ((Code >> 12) & 0x3F));
        Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    }
}

// UTF-16 (after its byte-order mark) as UTF-8. A lone surrogate becomes U+FFFD; an odd last
// byte, what a truncated file leaves, is dropped.
std::string Utf16ToUtf8(std::string_view Bytes, bool BigEndian) {
    std::string Out;
    Out.reserve(Bytes.size() / 2);
    auto Unit = [&](size_t i) {
        const auto B0 = static_cast<uint8_t>(Bytes[i]);
        const auto B1 = static_cast<uint8_t>(Bytes[i + 1]);
        return BigEndian ? static_cast<uint32_t>(B0 << 8 | B1)
                         : static_cast<uint32_t>(B1 << 8 | B0);
    };
    for (size_t i = 0; i + 1 < Bytes.size(); i += 2) {
        uint32_t Code = Unit(i);
        if (Code >= 0xD800 && Code < 0xDC00 && i + 3 < Bytes.size()) {
            const uint32_t Low = Unit(i + 2);
            if (Low >= 0xDC00 && Low < 0xE000) {
                Code = 0x10000 + ((Code - 0xD800) << 10) + (Low - 0xDC00);
                i += 2;
            } else {
                Code = 0xFFFD;
            }
        } else if (Code >= 0xD800 && Code < 0xE000) {
            Code = 0xFFFD;
        }
        AppendUtf8(Out, Code);
    }
    return Out;
}

std::string DecodeText(std::string_view Bytes) {
    if (Bytes.starts_with("\xFF\xFE")) return Utf16ToUtf8(Bytes.substr(2), false);
    if (Bytes.starts_with("\xFE\xFF")) return Utf16ToUtf8(Bytes.substr(2), true);
    if (Bytes.starts_with("\xEF\xBB\xBF")) Bytes.remove_prefix(3);
    return std::string(Bytes);
}

bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\r';
}

// S without blanks (and the CR of a CR LF line end) at either end.
std::string_view TrimBlanks(std::string_view S) {
    while (!S.empty() && IsBlank(S.front()))
        S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back()))
        S.remove_suffix(1);
    return S;
}

// Reads a quoted text that starts at S[0] == '"' and removes it from S, escapes undone; nullopt
// when it has no closing quote.
std::optional<std::string> TakeQuoted(std::string_view& S) {
    std::string Out;
    for (size_t i = 1; i < S.size(); ++i) {
        const char C = S[i];
        if (C == '"') {
            S.remove_prefix(i + 1);
            return Out;
        }
        if (C == '\\' && i + 1 < S.size()) {
            const char Next = S[++i];
            switch (Next) {
                case '\\':
                    Out += '\\';
                    break;
                case '"':
                    Out += '"';
                    break;
                case 'n':
                    Out += '\n';
                    break;
                case 'r':
                    Out += '\r';
                    break;
                case '0':
                    Out += '\0';
                    break;
                default:
                    Out += '\\';
                    Out += Next;
            }
            continue;
        }
        Out += C;
    }
    return std::nullopt;
}

void AppendQuoted(std::string& Out, std::string_view Text) {
    Out += '"';
    for (char C : Text) {
        switch (C) {
            case '\\':
                Out += "\\\\";
                break;
            case '"':
                Out += "\\\"";
                break;
            case '\n':
                Out += "\\n";
                break;
            case '\r':
                Out += "\\r";
                break;
            case '\0':
                Out += "\\0";
                break;
            default:
                Out += C;
        }
    }
    Out += '"';
}

// The path of a "[...]" line with empty parts dropped ("A\\B\" is "A\B").
std::string NormalKeyPath(std::string_view Path) {
    std::string Out;
    size_t Start = 0;
    while (Start <= Path.size()) {
        size_t End = Path.find('\\', Start);
        if (End == std::string_view::npos) End = Path.size();
        if (End > Start) {
            if (!Out.empty()) Out += '\\';
            Out.append(Path.substr(Start, End - Start));
        }
        Start = End + 1;
    }
    return Out;
}

class TRegReader {
  public:
    TRegDocument Read(std::string_view Text) {
        size_t Pos = 0;
        while (Pos < Text.size()) {
            size_t End = Text.find('\n', Pos);
            const bool Ended = End != std::string_view::npos;
            if (!Ended) End = Text.size();
            std::string_view Line = Text.substr(Pos, End - Pos);
            Pos = Ended ? End + 1 : End;
            Line = TrimBlanks(Line);
            // A last line without its end is what a cut file leaves: read it, but note it.
            if (!Ended && !Line.empty()) Doc.Damaged = true;
            // Data of a binary value goes on over lines that end in "\".
            std::string Joined;
            if ((Line.starts_with('"') || Line.starts_with('@')) && Line.ends_with('\\') &&
                Line.find("=hex") != std::string_view::npos) {
                Joined.assign(Line);
                while (Joined.ends_with('\\') && Pos < Text.size()) {
                    Joined.pop_back();
                    size_t NextEnd = Text.find('\n', Pos);
                    if (NextEnd == std::string_view::npos) NextEnd = Text.size();
                    std::string_view Next = Text.substr(Pos, NextEnd - Pos);
                    Pos = NextEnd < Text.size() ? NextEnd + 1 : NextEnd;
                    if (NextEnd == Text.size()) Doc.Damaged = true;  // a last line without its end
                    Joined.append(TrimBlanks(Next));
                }
                if (Joined.ends_with('\\')) {
                    Doc.Damaged = true;  // the text ends inside the value
                    continue;
                }
                Line = Joined;
            }
            ReadLine(Line);
        }
        return std::move(Doc);
    }

  private:
    void ReadLine(std::string_view Line) {
        if (Line.empty() || Line.starts_with(';')) return;
        if (Line == kVersionLine || Line == "REGEDIT4") return;
        if (Line.starts_with('[')) {
            ReadSection(Line);
        } else if (Line.starts_with('"') || Line.starts_with('@')) {
            ReadValue(Line);
        } else {
            Doc.Damaged = true;
        }
    }

    void ReadSection(std::string_view Line) {
        Current = kNone;
        Skipping = false;
        if (!Line.ends_with(']')) {
            Doc.Damaged = true;
            Skipping = true;
            return;
        }
        Line = Line.substr(1, Line.size() - 2);
        if (Line.starts_with('-')) {  // a key to delete: nothing to keep
            Skipping = true;
            return;
        }
        const std::string Path = NormalKeyPath(Line);
        if (Path.empty() || Path.starts_with('-')) {  // no key; or one that would read as deleted
            Doc.Damaged = true;
            Skipping = true;
            return;
        }
        // A key named again (in any case) goes on where it was first named.
        Current = KeyIndex.FindOrAdd(FoldedHash(Path), Doc.Keys.size(), [&](size_t Found) {
            return SameRegName(Doc.Keys[Found].Path, Path);
        });
        if (Current == Doc.Keys.size()) Doc.Keys.push_back(TRegKey{Path, {}});
    }

    void ReadValue(std::string_view Line) {
        std::string Name;
        if (Line.starts_with('@')) {
            Line.remove_prefix(1);
        } else if (auto Quoted = TakeQuoted(Line)) {
            Name = std::move(*Quoted);
        } else {
            Doc.Damaged = true;
            return;
        }
        Line = TrimBlanks(Line);
        if (!Line.starts_with('=')) {
            Doc.Damaged = true;
            return;
        }
        Line = TrimBlanks(Line.substr(1));
        TRegValue Value;
        Value.Name = std::move(Name);
        if (Line == "-") return;  // a value to delete
        if (Line.starts_with('"')) {
            auto Text = TakeQuoted(Line);
            if (!Text || !TrimBlanks(Line).empty()) {
                Doc.Damaged = true;
                return;
            }
            Value.Kind = TRegValueKind::String;
            Value.Text = std::move(*Text);
        } else if (StartsWithNoCase(Line, "dword:")) {
            const std::string_view Digits = Line.substr(6);
            uint32_t Number = 0;
            const auto [Ptr, Ec] =
                std::from_chars(Digits.data(), Digits.data() + Digits.size(), Number, 16);
            if (Digits.empty() || Digits.size() > 8 || Ec != std::errc{} ||
                Ptr != Digits.data() + Digits.size()) {
                Doc.Damaged = true;
                return;
            }
            Value.Kind = TRegValueKind::Dword;
            Value.Dword = Number;
        } else if (StartsWithNoCase(Line, "hex")) {
            // Kept as written, so it may hold nothing that would change the lines on the way back.
            if (Line.ends_with('\\') || std::any_of(Line.begin(), Line.end(), [](char C) {
                    return static_cast<unsigned char>(C) < 0x20;
                })) {
                Doc.Damaged = true;
                return;
            }
            Value.Kind = TRegValueKind::Other;
            Value.Text = std::string(Line);
        } else {
            Doc.Damaged = true;
            return;
        }
        if (Current == kNone) {
            if (!Skipping) Doc.Damaged = true;  // a value before any key
            return;
        }
        // A value named again in its key replaces the one before. A key of a few values is
        // searched; the values of a larger one are found through the table.
        std::vector<TRegValue>& Values = Doc.Keys[Current].Values;
        if (Values.size() < kSearchedValues) {
            const auto It = std::find_if(Values.begin(), Values.end(), [&](const TRegValue& V) {
                return SameRegName(V.Name, Value.Name);
            });
            if (It != Values.end()) {
                *It = std::move(Value);
                return;
            }
            Values.push_back(std::move(Value));
            if (Values.size() == kSearchedValues) {
                for (size_t i = 0; i < Values.size(); ++i) {
                    ValueIndex.FindOrAdd(FoldedHash(Values[i].Name, Current), ValuePlaces.size(),
                                         [](size_t) { return false; });
                    ValuePlaces.emplace_back(Current, i);
                }
            }
            return;
        }
        const size_t Place = ValueIndex.FindOrAdd(
            FoldedHash(Value.Name, Current), ValuePlaces.size(), [&](size_t Found) {
                const auto [Key, Index] = ValuePlaces[Found];
                return Key == Current && SameRegName(Doc.Keys[Key].Values[Index].Name, Value.Name);
            });
        if (Place == ValuePlaces.size()) {
            ValuePlaces.emplace_back(Current, Values.size());
            Values.push_back(std::move(Value));
        } else {
            Values[ValuePlaces[Place].second] = std::move(Value);
        }
    }

    static constexpr size_t kNone = static_cast<size_t>(-1);
    // Up to this many values a key is searched; from then on it is in ValueIndex.
    static constexpr size_t kSearchedValues = 16;

    TRegDocument Doc;
    // Where each key and each value is in Doc, by name: every line is read in the same time
    // however many keys and values came before it.
    TNameTable KeyIndex;    // positions in Doc.Keys
    TNameTable ValueIndex;  // positions in ValuePlaces, of the values of keys that have many
    std::vector<std::pair<size_t, size_t>> ValuePlaces;  // the key's index, the value's
    size_t Current = kNone;  // the index of the key of the last "[...]" line
    bool Skipping = false;   // inside a key that is deleted or could not be read
};

}  // namespace

bool SameRegName(std::string_view A, std::string_view B) {
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
               return AsciiUpper(X) == AsciiUpper(Y);
           });
}

TRegDocument ParseRegText(std::string_view Bytes) {
    const std::string Text = DecodeText(Bytes);
    return TRegReader().Read(Text);
}

std::string FormatRegText(const TRegDocument& Document) {
    std::string Out(kVersionLine);
    Out += '\n';
    for (const TRegKey& Key : Document.Keys) {
        Out += "\n[";
        Out += Key.Path;
        Out += "]\n";
        for (const TRegValue& Value : Key.Values) {
            if (Value.Name.empty()) {
                Out += '@';
            } else {
                AppendQuoted(Out, Value.Name);
            }
            Out += '=';
            switch (Value.Kind) {
                case TRegValueKind::Dword: {
                    std::array<char, 9> Hex{};
                    auto [Ptr, Ec] = std::to_chars(Hex.data(), Hex.data() + 8, Value.Dword, 16);
                    (void)Ec;
                    const std::string_view Digits(Hex.data(),
                                                  static_cast<size_t>(Ptr - Hex.data()));
                    Out += "dword:";
                    Out.append(8 - Digits.size(), '0');
                    Out += Digits;
                    break;
                }
                case TRegValueKind::Other:
                    Out += Value.Text;
                    break;
                default:
                    AppendQuoted(Out, Value.Text);
            }
            Out += '\n';
        }
    }
    return Out;
}

}  // namespace xvexo
