#include "records/record_format.h"

#include <string>

#include "records/game_record.h"

namespace xvexo {

namespace {

bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\v' || C == '\f';
}
bool IsCapital(char C) {
    return C >= 'A' && C <= 'Z';
}
bool IsLetter(char C) {
    return IsCapital(C) || (C >= 'a' && C <= 'z');
}

// Index of the first byte at or after I that is no blank (Text.size() when there is none).
size_t SkipBlanks(std::string_view Text, size_t I) {
    while (I < Text.size() && IsBlank(Text[I]))
        ++I;
    return I;
}

// The capitals from I on, and I after them.
std::string_view CapitalsAt(std::string_view Text, size_t& I) {
    const size_t From = I;
    while (I < Text.size() && IsCapital(Text[I]))
        ++I;
    return Text.substr(From, I - From);
}

// Whether the root node whose first property starts at I holds FF, GM, CA or AP. Values end at
// the first "]" that a "\" does not escape; the node ends at ";", "(", ")" or anything that is
// no property.
bool RootNamesStandardSgf(std::string_view Text, size_t I) {
    while (true) {
        I = SkipBlanks(Text, I);
        if (I >= Text.size() || !IsLetter(Text[I])) return false;
        std::string Name;
        while (I < Text.size() && IsLetter(Text[I])) {
            if (IsCapital(Text[I])) Name += Text[I];
            ++I;
        }
        if (Name == "FF" || Name == "GM" || Name == "CA" || Name == "AP") return true;
        bool Valued = false;
        while ((I = SkipBlanks(Text, I)) < Text.size() && Text[I] == '[') {
            Valued = true;
            for (++I; I < Text.size() && Text[I] != ']'; ++I) {
                if (Text[I] == '\\') ++I;
            }
            if (I >= Text.size()) return false;
            ++I;
        }
        if (!Valued) return false;
    }
}

}  // namespace

size_t FindGameTreeStart(std::string_view Text) {
    for (size_t Open = Text.find('('); Open != std::string_view::npos;
         Open = Text.find('(', Open + 1)) {
        size_t I = SkipBlanks(Text, Open + 1);
        if (I >= Text.size()) return std::string_view::npos;
        if (Text[I] == ';') return Open;
        if (!CapitalsAt(Text, I).empty() && (I = SkipBlanks(Text, I)) < Text.size() &&
            Text[I] == '[')
            return Open;
    }
    return std::string_view::npos;
}

int32_t ChooseRecordFormat(std::string_view Text, int32_t AddressFormat) {
    if (AddressFormat == kFormatNgf) return kFormatNgf;
    if (Text.starts_with("\xFF\xFE") || Text.starts_with("\xFE\xFF") ||
        Text.starts_with(std::string_view("(\0", 2)) ||
        Text.starts_with(std::string_view("\0(", 2))) {
        return kFormatSgf;
    }
    if (Text.starts_with("\xEF\xBB\xBF")) Text.remove_prefix(3);
    const size_t Open = FindGameTreeStart(Text);
    if (Open == std::string_view::npos) return kFormatTag;
    size_t I = SkipBlanks(Text, Open + 1);
    if (Text[I] != ';') {
        const std::string_view Name = CapitalsAt(Text, I);
        return Name.starts_with('E') || Name == "RN" ? kFormatTag : kFormatSgf;
    }
    I = SkipBlanks(Text, I + 1);
    if (I >= Text.size() || Text[I] != 'E') return kFormatSgf;
    return RootNamesStandardSgf(Text, I) ? kFormatSgf : kFormatTag;
}

}  // namespace xvexo
