#include "record_source.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

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

// The bound of a download: no record is this large, and memory stays safe.
constexpr std::uintmax_t kMaxRecordBytes = std::uintmax_t{64} << 20;

// Reads the file at Path into Body, at most kMaxRecordBytes, in pieces so that a device
// without end stops at the bound too. On failure Error holds the text the viewer's getFile
// gives for the same file.
bool ReadRecordFile(const std::string& Path, std::string& Body, std::string& Error) {
    std::error_code Ec;
    if (std::filesystem::is_directory(Path, Ec)) {
        Error = "Cannot open " + Path + ": it is a directory";
        return false;
    }
    const std::uintmax_t Size = std::filesystem::file_size(Path, Ec);
    if (!Ec && Size > kMaxRecordBytes) {
        Error = "Record too large";
        return false;
    }
    errno = 0;
    std::ifstream In(Path, std::ios::binary);
    if (!In) {
        Error = "Cannot open " + Path + ": " + std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    std::string Bytes;
    std::array<char, 64 * 1024> Piece;
    while (In.read(Piece.data(), Piece.size()) || In.gcount() > 0) {
        Bytes.append(Piece.data(), static_cast<size_t>(In.gcount()));
        if (Bytes.size() > kMaxRecordBytes) {
            Error = "Record too large";
            return false;
        }
    }
    if (In.bad()) {
        Error = "Cannot read " + Path;
        return false;
    }
    Body = std::move(Bytes);
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
        L.Result.Error = "Network addresses are not supported in this build";
        return L;
    }
    if (Source.empty()) {
        L.Result.Error = "Empty URL";
        return L;
    }
    if (!ReadRecordFile(LocalPath(Source), Body, L.Result.Error)) return L;
    L.Result = LoadRecordText(*L.Record, std::move(Body), Format);
    if (L.Result.Shown) L.Handicap = ReplayRecord(*L.Record, *L.Board);
    return L;
}

}  // namespace xvexo::cli
