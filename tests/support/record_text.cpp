#include "support/record_text.h"

#include <iconv.h>

namespace xvexo::testing {

std::string TagPoint(int X, int Y) {
    return {static_cast<char>('a' + X - 1), static_cast<char>('a' + Y - 1)};
}

std::pair<int, int> QuietMovePoint(int I) {
    const int Pair = (I - 1) / 2;
    return {Pair % 19 + 1, I % 2 == 1 ? Pair / 19 + 1 : 19 - Pair / 19};
}

std::string TagRecord(int Count, const std::string& Header,
                      const std::function<std::string(int)>& After) {
    std::string T = "(;" + Header + After(0);
    for (int I = 1; I <= Count; ++I) {
        const auto [X, Y] = QuietMovePoint(I);
        T += std::string(I % 2 == 1 ? ";B[" : ";W[") + TagPoint(X, Y) + "]" + After(I);
    }
    return T + ")\n";
}

std::string TagRecord(int Count, const std::string& Header, int ExtraAfter,
                      const std::string& Extra) {
    return TagRecord(Count, Header, [&](int I) { return I == ExtraAfter ? Extra : std::string(); });
}

std::vector<std::string> NgfHeader(const std::string& Handicap, const std::string& Time,
                                   const std::string& Count) {
    return {"Title", "ignored", "WhiteP 9D*", "BlackP 3D", "Seoul",    Handicap,
            "x",     "y",       "2002-03-15", Time,        "W+R>more", Count};
}

std::string NgfMove(int I, const std::string& Point) {
    return std::string("PM01") + (I % 2 == 1 ? "B" : "W") + Point;
}

std::string NgfText(const std::vector<std::string>& Lines, const std::string& End) {
    std::string T;
    for (const std::string& L : Lines)
        T += L + End;
    return T;
}

std::string InCharset(const std::string& Utf8, const char* Set) {
    const iconv_t Cd = iconv_open(Set, "UTF-8");
    if (Cd == reinterpret_cast<iconv_t>(-1)) return {};
    std::string Out(Utf8.size() * 4 + 4, '\0');
    char* In = const_cast<char*>(Utf8.data());
    size_t InLeft = Utf8.size();
    char* OutPtr = Out.data();
    size_t OutLeft = Out.size();
    const size_t Rc = iconv(Cd, &In, &InLeft, &OutPtr, &OutLeft);
    iconv_close(Cd);
    if (Rc == static_cast<size_t>(-1)) return {};
    Out.resize(Out.size() - OutLeft);
    return Out;
}

}  // namespace xvexo::testing
