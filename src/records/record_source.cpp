#include "records/record_source.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace xvexo {

namespace {

int HexValue(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
}

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
    // In pieces, so that a device without end (a pipe, /dev/zero) stops at the bound too.
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

}  // namespace

std::string LocalPathOfAddress(const std::string& Address) {
    constexpr std::string_view kScheme = "file://";
    if (!Address.starts_with(kScheme)) return Address;
    std::string Rest = Address.substr(kScheme.size());
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

bool ReadRecordSource(const std::string& Address, std::string& Body, std::string& Error) {
    if (Address.starts_with("http://") || Address.starts_with("https://")) {
        Error = "Network addresses are not supported in this build";
        return false;
    }
    if (Address.empty()) {
        Error = "Empty URL";
        return false;
    }
    return ReadRecordFile(LocalPathOfAddress(Address), Body, Error);
}

}  // namespace xvexo
