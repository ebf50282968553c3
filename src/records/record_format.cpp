#include "records/record_format.h"

#include "records/game_record.h"

namespace xvexo {

namespace {

bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\v' || C == '\f';
}

// Index of the first byte at or after I that is no blank (Text.size() when there is none).
size_t SkipBlanks(std::string_view Text, size_t I) {
    while (I < Text.size() && IsBlank(Text[I]))
        ++I;
    return I;
}

}  // namespace

int32_t ChooseRecordFormat(std::string_view Text, int32_t AddressFormat) {
    if (AddressFormat == kFormatNgf) return kFormatNgf;
    if (Text.starts_with("\xFF\xFE") || Text.starts_with("\xFE\xFF") ||
        Text.starts_with(std::string_view("(\0", 2)) ||
        Text.starts_with(std::string_view("\0(", 2))) {
        return kFormatSgf;
    }
    if (Text.starts_with("\xEF\xBB\xBF")) Text.remove_prefix(3);
    size_t I = SkipBlanks(Text, 0);
    if (I >= Text.size() || Text[I] != '(') return kFormatTag;
    I = SkipBlanks(Text, I + 1);
    if (I >= Text.size() || Text[I] != ';') return kFormatTag;
    I = SkipBlanks(Text, I + 1);
    return I < Text.size() && Text[I] == 'E' ? kFormatTag : kFormatSgf;
}

}  // namespace xvexo
