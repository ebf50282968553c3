#include "records/sgf_values.h"

#include <algorithm>
#include <array>
#include <utility>

#include "records/record_error.h"

namespace xvexo {

namespace {

bool IsLineBreak(char C) {
    return C == '\n' || C == '\r';
}
bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\v' || C == '\f' || IsLineBreak(C);
}
bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

std::string_view Trim(std::string_view S) {
    while (!S.empty() && IsBlank(S.front()))
        S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back()))
        S.remove_suffix(1);
    return S;
}

// Length of the line break at S[I] ("\r\n" and "\n\r" count as one); 0 when there is none.
size_t LineBreakAt(std::string_view S, size_t I) {
    if (I >= S.size() || !IsLineBreak(S[I])) return 0;
    if (I + 1 < S.size() && IsLineBreak(S[I + 1]) && S[I + 1] != S[I]) return 2;
    return 1;
}

// The fourteen Korean syllables of the painter's codes 630..643, in UTF-8.
constexpr std::array<std::string_view, 14> kKoreanLabels = {
    "\xEA\xB0\x80", "\xEB\x82\x98", "\xEB\x8B\xA4", "\xEB\x9D\xBC", "\xEB\xA7\x88",
    "\xEB\xB0\x94", "\xEC\x82\xAC", "\xEC\x95\x84", "\xEC\x9E\x90", "\xEC\xB0\xA8",
    "\xEC\xB9\xB4", "\xED\x83\x80", "\xED\x8C\x8C", "\xED\x95\x98"};

// Digits of S from I on; I is left after them.
std::string_view DigitsAt(std::string_view S, size_t& I) {
    const size_t From = I;
    while (I < S.size() && IsDigit(S[I]))
        ++I;
    return S.substr(From, I - From);
}

}  // namespace

std::string SgfText(std::string_view Raw, bool Simple) {
    std::string Out;
    Out.reserve(Raw.size());
    size_t I = 0;
    while (I < Raw.size()) {
        // Plain bytes are taken in runs; only "\" and control bytes need a look.
        size_t J = I;
        while (J < Raw.size() && static_cast<unsigned char>(Raw[J]) >= 0x20 && Raw[J] != '\\')
            ++J;
        Out.append(Raw.substr(I, J - I));
        I = J;
        if (I >= Raw.size()) break;
        const char C = Raw[I];
        if (C == '\\') {
            if (I + 1 >= Raw.size()) break;  // a lone "\" at the end escapes nothing
            if (const size_t Break = LineBreakAt(Raw, I + 1)) {
                I += 1 + Break;  // a soft line break: both go
                continue;
            }
            const char Next = Raw[I + 1];
            Out += IsBlank(Next) ? ' ' : Next;
            I += 2;
        } else if (const size_t Break = LineBreakAt(Raw, I)) {
            if (Simple) {
                Out += ' ';
            } else {
                Out.append(Raw.substr(I, Break));
            }
            I += Break;
        } else {
            Out += IsBlank(C) ? ' ' : C;
            ++I;
        }
    }
    return Out;
}

std::optional<TSgfPoint> SgfPoint(std::string_view Raw, int32_t BoardSize) {
    if (Raw.size() != 2) return std::nullopt;
    const int X = Raw[0] - 'a' + 1;
    const int Y = Raw[1] - 'a' + 1;
    if (X < 1 || X > BoardSize || Y < 1 || Y > BoardSize) return std::nullopt;
    return TSgfPoint{static_cast<uint8_t>(X), static_cast<uint8_t>(Y)};
}

std::optional<TSgfPoint> SgfMove(std::string_view Raw, int32_t BoardSize) {
    if (Raw.empty() || (Raw == "tt" && BoardSize <= 19)) return TSgfPoint{};
    return SgfPoint(Raw, BoardSize);
}

std::optional<TSgfRectangle> SgfPointRectangle(std::string_view Raw, int32_t BoardSize) {
    const auto [First, Second] = SgfSplitCompose(Raw);
    const auto A = SgfPoint(First, BoardSize);
    if (!A) return std::nullopt;
    if (First.size() == Raw.size()) return TSgfRectangle{*A, *A};
    const auto B = SgfPoint(Second, BoardSize);
    if (!B) return std::nullopt;
    return TSgfRectangle{{std::min(A->X, B->X), std::min(A->Y, B->Y)},
                         {std::max(A->X, B->X), std::max(A->Y, B->Y)}};
}

std::pair<std::string_view, std::string_view> SgfSplitCompose(std::string_view Raw) {
    for (size_t I = 0; I < Raw.size(); ++I) {
        if (Raw[I] == '\\') {
            ++I;
        } else if (Raw[I] == ':') {
            return {Raw.substr(0, I), Raw.substr(I + 1)};
        }
    }
    return {Raw, std::string_view()};
}

int16_t SgfLabelCode(std::string_view Text) {
    Text = Trim(Text);
    if (Text.empty()) return 0;
    const char C = Text[0];
    const bool Upper = C >= 'A' && C <= 'Z';
    const bool Lower = C >= 'a' && C <= 'z';
    if (Text.size() <= 3 && std::all_of(Text.begin(), Text.end(), IsDigit)) {
        const int N = std::stoi(std::string(Text));
        return N >= 1 && N <= 500 ? static_cast<int16_t>(N) : 0;
    }
    for (size_t K = 0; K < kKoreanLabels.size(); ++K) {
        if (Text == kKoreanLabels[K]) return static_cast<int16_t>(630 + K);
    }
    if (Upper) return static_cast<int16_t>(600 + C - 'A');
    if (Lower) return static_cast<int16_t>(600 + C - 'a');
    return 0;
}

std::optional<int32_t> SgfNumber(std::string_view Raw) {
    Raw = Trim(Raw);
    size_t I = 0;
    if (!Raw.empty() && (Raw[0] == '-' || Raw[0] == '+')) I = 1;
    const std::string_view Digits = DigitsAt(Raw, I);
    if (Digits.empty() || I != Raw.size() || Digits.size() > 9) return std::nullopt;
    const int32_t N = std::stoi(std::string(Digits));
    return Raw[0] == '-' ? -N : N;
}

std::string SgfTimeText(std::string_view Text) {
    const std::string_view T = Trim(Text);
    size_t I = 0;
    const std::string_view Whole = DigitsAt(T, I);
    if (I < T.size() && T[I] == '.') {
        ++I;
        DigitsAt(T, I);
    }
    if (Whole.empty() || I != T.size() || Whole.size() > 9) return std::string(Text);
    const int32_t Seconds = std::stoi(std::string(Whole));
    const int32_t H = Seconds / 3600;
    const int32_t M = Seconds % 3600 / 60;
    const int32_t S = Seconds % 60;
    std::string Out;
    if (H > 0) Out += std::to_string(H) + "小时";
    if (M > 0) Out += std::to_string(M) + "分";
    if (S > 0) Out += std::to_string(S) + "秒";
    return Out.empty() ? "0分" : Out;
}

bool SgfByoyomi(std::string_view Text, std::string& Count, std::string& Seconds) {
    const std::string_view T = Trim(Text);
    size_t I = 0;
    const std::string_view Periods = DigitsAt(T, I);
    while (I < T.size() && T[I] == ' ')
        ++I;
    if (T.substr(I).starts_with("\xC3\x97")) {  // the multiplication sign
        I += 2;
    } else if (I < T.size() && (T[I] == 'x' || T[I] == 'X' || T[I] == '*')) {
        ++I;
    } else {
        return false;
    }
    while (I < T.size() && T[I] == ' ')
        ++I;
    const std::string_view Time = DigitsAt(T, I);
    if (Periods.empty() || Time.empty()) return false;
    std::string Rest;
    for (char C : Trim(T.substr(I)))
        Rest += C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C;
    const bool Byoyomi = Rest.empty() || Rest == "s" || Rest == "sec" ||
                         Rest.find("byo") != std::string::npos ||
                         Rest.find("读秒") != std::string::npos;
    if (!Byoyomi) return false;
    Count.assign(Periods);
    Seconds.assign(Time);
    return true;
}

std::string QuoteForMessage(std::string_view Value) {
    // CleanForMessage's rule, cut back to the start of a UTF-8 character (the text is UTF-8 by
    // now), so the message holds no broken character.
    constexpr size_t kMax = 32;
    size_t Len = Value.size();
    if (Len > kMax) {
        Len = kMax;
        while (Len > 0 && (static_cast<unsigned char>(Value[Len]) & 0xC0) == 0x80)
            --Len;
    }
    return "\"" + CleanForMessage(Value.substr(0, Len), Len) +
           (Len < Value.size() ? "...\"" : "\"");
}

}  // namespace xvexo
