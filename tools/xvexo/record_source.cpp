#include "record_source.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace xvexo::cli {

namespace {

bool IsHttpAddress(const std::string& S) {
    return S.starts_with("http://") || S.starts_with("https://");
}

int HexValue(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
}

// The path of a file:// address (host "localhost" or none; %XX decoded), or SOURCE itself.
std::string LocalPath(const std::string& Source) {
    constexpr std::string_view kScheme = "file://";
    if (!Source.starts_with(kScheme)) return Source;
    std::string Rest = Source.substr(kScheme.size());
    if (Rest.starts_with("localhost/")) Rest.erase(0, 9);
    std::string Path;
    for (size_t i = 0; i < Rest.size(); ++i) {
        if (Rest[i] == '%' && i + 2 < Rest.size() && HexValue(Rest[i + 1]) >= 0 &&
            HexValue(Rest[i + 2]) >= 0) {
            Path += static_cast<char>(HexValue(Rest[i + 1]) * 16 + HexValue(Rest[i + 2]));
            i += 2;
        } else {
            Path += Rest[i];
        }
    }
    return Path;
}

bool ReadWholeFile(const std::string& Path, std::string& Body) {
    std::error_code Ec;
    if (std::filesystem::is_directory(Path, Ec)) return false;
    std::ifstream In(Path, std::ios::binary);
    if (!In) return false;
    std::ostringstream S;
    S << In.rdbuf();
    if (In.bad()) return false;
    Body = std::move(S).str();
    return true;
}

std::unique_ptr<TGoBoard> NewBoard() {
    TNumbering N;
    InitNumbering(N);
    auto P = std::make_unique<TPosition>();
    InitPosition(19, *P);
    return std::make_unique<TGoBoard>(N, *P);
}

}  // namespace

int32_t FormatOfSource(const std::string& Source, std::optional<int> Forced) {
    if (Forced) return *Forced;
    return IsHttpAddress(Source) ? FormatForAddress(Source) : FormatForFileName(Source);
}

TLoadedSource LoadSource(const std::string& Source, std::optional<int> Forced) {
    TLoadedSource L;
    L.Record = std::make_unique<TGameRecord>();
    L.Board = NewBoard();
    const int32_t Format = FormatOfSource(Source, Forced);
    L.Record->FormatMode = Format;

    std::string Body;
    if (IsHttpAddress(Source)) {
        L.Result.Error = "Downloading is not available in this build: " + Source;
        return L;
    }
    const std::string Path = LocalPath(Source);
    if (!ReadWholeFile(Path, Body)) {
        L.Result.Error = "Cannot read " + Path;
        return L;
    }
    L.Result = LoadRecordText(*L.Record, std::move(Body), Format);
    if (L.Result.Shown) L.Handicap = ReplayRecord(*L.Record, *L.Board);
    return L;
}

}  // namespace xvexo::cli
