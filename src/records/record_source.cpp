#include "records/record_source.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "records/record_error.h"
#include "records/record_loader.h"

namespace xvexo {

namespace {

constexpr std::string_view kFileScheme = "file://";
constexpr size_t kMaxAddressInMessage = 1024;
constexpr size_t kPiece = 64 * 1024;

int HexValue(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
}

bool EqualsIgnoringCase(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i) {
        const auto Lower = [](char C) { return C >= 'A' && C <= 'Z' ? char(C - 'A' + 'a') : C; };
        if (Lower(A[i]) != Lower(B[i])) return false;
    }
    return true;
}

// Closes a descriptor when it goes out of scope.
class TFd {
  public:
    explicit TFd(int Fd) : Fd(Fd) {}
    ~TFd() {
        if (Fd >= 0) ::close(Fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return Fd; }

  private:
    int Fd;
};

// One local source being read: the path, how it is named in messages, the limits.
class TSourceReader {
  public:
    TSourceReader(const std::string& Path, TWaitHook& Hook, const TSourceLimits& Limits)
        : Path(Path), Shown(AddressForMessage(Path)), Hook(Hook), Limits(Limits) {}

    bool Read(std::string& Body, std::string& Error) {
        // Never blocks, also on a FIFO without a writer; a regular file reads as ever.
        int Fd = ::open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (Fd < 0 && errno == ENXIO) Fd = ConnectIfSocket();
        if (Fd < 0) return Fail(Error, "Cannot open " + Shown + ": " + std::strerror(errno));
        const TFd Owner(Fd);
        struct stat St {};
        if (::fstat(Fd, &St) != 0) {
            return Fail(Error, "Cannot open " + Shown + ": " + std::strerror(errno));
        }
        if (S_ISDIR(St.st_mode)) return Fail(Error, "Cannot open " + Shown + ": it is a directory");
        if (S_ISREG(St.st_mode) || S_ISBLK(St.st_mode)) {
            if (St.st_size > 0 && static_cast<std::uintmax_t>(St.st_size) > Limits.MaxBytes) {
                return Fail(Error, "Record too large");
            }
            return ReadFile(Fd, static_cast<size_t>(St.st_size), Body, Error);
        }
        return ReadStream(Fd, Body, Error);
    }

  private:
    static bool Fail(std::string& Error, std::string Message) {
        Error = std::move(Message);
        return false;
    }

    // A socket cannot be opened; a stream socket is connected to instead. -1 with errno set
    // otherwise (ENXIO still when Path is no socket).
    int ConnectIfSocket() const {
        struct stat St {};
        if (::stat(Path.c_str(), &St) != 0 || !S_ISSOCK(St.st_mode)) {
            errno = ENXIO;
            return -1;
        }
        sockaddr_un Address{};
        Address.sun_family = AF_UNIX;
        if (Path.size() >= sizeof Address.sun_path) {
            errno = ENAMETOOLONG;
            return -1;
        }
        std::memcpy(Address.sun_path, Path.data(), Path.size());
        const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (Fd < 0) return -1;
        if (::connect(Fd, reinterpret_cast<const sockaddr*>(&Address), sizeof Address) != 0) {
            const int Saved = errno;
            ::close(Fd);
            errno = Saved;
            return -1;
        }
        return Fd;
    }

    // A regular file (or a disk): it never waits, so it is read blocking, to its end.
    bool ReadFile(int Fd, size_t SizeHint, std::string& Body, std::string& Error) {
        const int Flags = ::fcntl(Fd, F_GETFL);
        if (Flags >= 0) ::fcntl(Fd, F_SETFL, Flags & ~O_NONBLOCK);
        // One allocation: the size the file has, and a piece more to see its end (or that it
        // grew meanwhile); the first read asks for all of it.
        std::string Bytes;
        Bytes.reserve(SizeHint + kPiece);
        for (;;) {
            const ssize_t N =
                ReadPiece(Fd, Bytes, std::max(kPiece, Bytes.capacity() - Bytes.size()));
            if (N == 0) break;
            if (N < 0) {
                if (errno == EINTR) continue;
                return Fail(Error, "Cannot read " + Shown + ": " + std::strerror(errno));
            }
            if (Bytes.size() > Limits.MaxBytes) return Fail(Error, "Record too large");
        }
        Body = std::move(Bytes);
        return true;
    }

    // A FIFO, a socket or a device: waits for data (pumping the hook) before every read, since a
    // FIFO without a writer reads as ended at once; ends at the end of data, at the size bound,
    // or after Limits.Silence without a byte.
    bool ReadStream(int Fd, std::string& Body, std::string& Error) {
        using Clock = std::chrono::steady_clock;
        std::string Bytes;
        auto Deadline = Clock::now() + Limits.Silence;
        for (;;) {
            switch (WaitForFd(Fd, false, Deadline, Hook)) {
                case TWaitResult::TimedOut:
                    return Fail(Error, "Timed out");
                case TWaitResult::Cancelled:
                    return Fail(Error, "Cancelled");
                case TWaitResult::Ready:
                    break;
            }
            // Everything there is now, then back to waiting.
            for (;;) {
                const ssize_t N = ReadPiece(Fd, Bytes);
                if (N == 0) {
                    Body = std::move(Bytes);
                    return true;
                }
                if (N < 0) {
                    if (errno == EINTR) continue;
                    if (errno == EAGAIN || errno == EWOULDBLOCK) break;
                    return Fail(Error, "Cannot read " + Shown + ": " + std::strerror(errno));
                }
                if (Bytes.size() > Limits.MaxBytes) return Fail(Error, "Record too large");
                Deadline = Clock::now() + Limits.Silence;
                if (!Hook.PumpIfDue()) return Fail(Error, "Cancelled");
            }
        }
    }

    // Appends what one read of at most Size bytes gives; its result, errno set when negative.
    static ssize_t ReadPiece(int Fd, std::string& Bytes, size_t Size = kPiece) {
        const size_t Old = Bytes.size();
        Bytes.resize(Old + Size);
        const ssize_t N = ::read(Fd, Bytes.data() + Old, Size);
        const int Saved = errno;
        Bytes.resize(Old + static_cast<size_t>(N > 0 ? N : 0));
        errno = Saved;
        return N;
    }

    const std::string& Path;
    const std::string Shown;
    TWaitHook& Hook;
    const TSourceLimits& Limits;
};

}  // namespace

TLocalAddress LocalPathOfAddress(std::string_view Address) {
    TLocalAddress L;
    const auto Refuse = [&L, Address](std::string_view Why) {
        L.Error = "Cannot open " + AddressForMessage(Address) + ": " + std::string(Why);
        return L;
    };
    if (Address.empty()) {
        L.Error = "Empty URL";
        return L;
    }
    const bool IsFileAddress =
        Address.size() >= kFileScheme.size() &&
        EqualsIgnoringCase(Address.substr(0, kFileScheme.size()), kFileScheme);
    if (!IsFileAddress) {
        // An address of another kind is never taken for a relative path: "ftp://host/x" and
        // "javascript:..." would open files of those names.
        if (const std::string_view Scheme = SchemeOfAddress(Address); !Scheme.empty()) {
            for (const std::string_view Ours : {"file", "http", "https"}) {
                if (EqualsIgnoringCase(Scheme, Ours)) return Refuse("no \"//\" after the scheme");
            }
            std::string Lower(Scheme);
            for (char& C : Lower)
                if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
            return Refuse("the scheme \"" + CleanForMessage(Lower) + "\" is not supported");
        }
        if (Address.find('\0') != std::string_view::npos)
            return Refuse("the address holds a NUL byte");
        L.Path = Address;
        return L;
    }
    const std::string_view Rest = Address.substr(kFileScheme.size());
    const size_t Slash = Rest.find('/');
    const std::string_view Host = Rest.substr(0, Slash);
    if (!Host.empty() && !EqualsIgnoringCase(Host, "localhost")) return Refuse("not a local file");
    if (Slash == std::string_view::npos) {
        L.Error = "Empty URL";
        return L;
    }
    const std::string_view Encoded = Rest.substr(Slash);
    std::string Path;
    Path.reserve(Encoded.size());
    for (size_t i = 0; i < Encoded.size(); ++i) {
        if (Encoded[i] == '%' && i + 2 < Encoded.size() && HexValue(Encoded[i + 1]) >= 0 &&
            HexValue(Encoded[i + 2]) >= 0) {
            Path += static_cast<char>(HexValue(Encoded[i + 1]) * 16 + HexValue(Encoded[i + 2]));
            i += 2;
        } else {
            Path += Encoded[i];
        }
    }
    if (Path.find('\0') != std::string::npos) return Refuse("the address holds a NUL byte");
    L.Path = std::move(Path);
    return L;
}

std::string_view SchemeOfAddress(std::string_view Address) {
    const auto IsLetter = [](char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); };
    if (Address.empty() || !IsLetter(Address[0])) return {};
    for (size_t i = 1; i < Address.size(); ++i) {
        const char C = Address[i];
        if (C == ':') return Address.substr(0, i);
        if (!IsLetter(C) && !(C >= '0' && C <= '9') && C != '+' && C != '-' && C != '.') break;
    }
    return {};
}

int32_t FormatOfAddress(std::string_view Address) {
    if (IsNetworkAddress(Address)) return FormatForAddress(Address);
    return FormatForFileName(LocalPathOfAddress(Address).Path);
}

bool IsNetworkAddress(std::string_view Address) {
    const auto SchemeIs = [Address](std::string_view Scheme) {
        return Address.size() >= Scheme.size() + 3 &&
               EqualsIgnoringCase(Address.substr(0, Scheme.size()), Scheme) &&
               Address.substr(Scheme.size(), 3) == "://";
    };
    return SchemeIs("http") || SchemeIs("https");
}

std::string AddressForMessage(std::string_view Address) {
    return CleanForMessage(Address, kMaxAddressInMessage);
}

bool ReadRecordSource(const std::string& Address, std::string& Body, std::string& Error,
                      TWaitHook& Hook, const TSourceLimits& Limits) {
    if (IsNetworkAddress(Address)) {
        Error = "Network addresses are not supported in this build";
        return false;
    }
    const TLocalAddress Local = LocalPathOfAddress(Address);
    if (!Local.Error.empty()) {
        Error = Local.Error;
        return false;
    }
    return TSourceReader(Local.Path, Hook, Limits).Read(Body, Error);
}

bool ReadRecordSource(const std::string& Address, std::string& Body, std::string& Error) {
    TNoWaitHook Hook;
    return ReadRecordSource(Address, Body, Error, Hook);
}

}  // namespace xvexo
