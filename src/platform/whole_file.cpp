#include "platform/whole_file.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>
#include <thread>

namespace xvexo {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kTempInfix = ".new-";
constexpr size_t kTempLetters = 6;
// The longest file name most file systems take.
constexpr size_t kMaxNameBytes = 255;
constexpr int kMaxLinks = 40;
// How often a FIFO without a reader is tried again.
constexpr std::chrono::milliseconds kReaderRetry{20};

// The leading part of every temporary file name for Target: its name (cut so that the whole
// name stays within the bound) and the infix.
std::string TempPrefix(const std::filesystem::path& Target) {
    std::string Name = Target.filename().string();
    const size_t Room = kMaxNameBytes - kTempInfix.size() - kTempLetters;
    if (Name.size() > Room) Name.resize(Room);
    return Name + std::string(kTempInfix);
}

// Closes a descriptor when it goes out of scope.
class TFd {
  public:
    explicit TFd(int Fd = -1) : Fd(Fd) {}
    ~TFd() { Close(); }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return Fd; }
    void Reset(int New) {
        Close();
        Fd = New;
    }
    // Closes now: 0, or the error close reported (a file system may report a failed write only
    // then).
    int Close() {
        if (Fd < 0) return 0;
        const int R = ::close(Fd);
        Fd = -1;
        return R == 0 || errno == EINTR ? 0 : errno;
    }

  private:
    int Fd;
};

int WriteAll(int Fd, std::string_view Bytes) {
    while (!Bytes.empty()) {
        const ssize_t N = ::write(Fd, Bytes.data(), Bytes.size());
        if (N < 0 && errno == EINTR) continue;
        if (N < 0) return errno;
        if (N == 0) return ENOSPC;
        Bytes.remove_prefix(static_cast<size_t>(N));
    }
    return 0;
}

// Keeps SIGPIPE from ending the program while a pipe or a socket is written (a reader that goes
// away is a failed write, EPIPE); a signal raised meanwhile is taken back before the mask is
// restored.
class TNoPipeSignal {
  public:
    TNoPipeSignal() {
        sigemptyset(&Pipe);
        sigaddset(&Pipe, SIGPIPE);
        sigset_t Pending;
        sigpending(&Pending);
        WasPending = sigismember(&Pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &Pipe, &Old);
    }
    ~TNoPipeSignal() {
        sigset_t Pending;
        sigpending(&Pending);
        if (!WasPending && sigismember(&Pending, SIGPIPE) == 1) {
            const timespec Now{0, 0};
            sigtimedwait(&Pipe, nullptr, &Now);
        }
        pthread_sigmask(SIG_SETMASK, &Old, nullptr);
    }
    TNoPipeSignal(const TNoPipeSignal&) = delete;
    TNoPipeSignal& operator=(const TNoPipeSignal&) = delete;

  private:
    sigset_t Pipe{}, Old{};
    bool WasPending = false;
};

// A stream socket at Path, connected without blocking; -1 with errno set when it cannot be.
int ConnectSocket(const std::string& Path) {
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

// Writes Bytes to the device, FIFO or socket at Path (or the open file a process link names)
// without blocking: "" on success, else the reason.
std::string WriteDirectly(const std::string& Path, const struct stat& St, std::string_view Bytes,
                          const TSourceLimits& Limits) {
    const TNoPipeSignal NoSignal;
    auto Deadline = Clock::now() + Limits.Silence;
    TFd Fd;
    if (S_ISSOCK(St.st_mode)) {
        Fd.Reset(ConnectSocket(Path));
    } else {
        // A FIFO cannot be opened for writing without a reader: wait for one, within the bound.
        const int Flags =
            O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (S_ISREG(St.st_mode) ? O_TRUNC : 0);
        for (;;) {
            Fd.Reset(::open(Path.c_str(), Flags));
            if (Fd.Get() >= 0 || errno != ENXIO || !S_ISFIFO(St.st_mode)) break;
            if (Clock::now() >= Deadline) return "Timed out";
            std::this_thread::sleep_for(kReaderRetry);
        }
    }
    if (Fd.Get() < 0) return std::strerror(errno);
    while (!Bytes.empty()) {
        const ssize_t N = ::write(Fd.Get(), Bytes.data(), Bytes.size());
        if (N > 0) {
            Bytes.remove_prefix(static_cast<size_t>(N));
            Deadline = Clock::now() + Limits.Silence;
            continue;
        }
        if (N < 0 && errno == EINTR) continue;
        if (N < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const auto Left =
                std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - Clock::now());
            if (Left.count() <= 0) return "Timed out";
            pollfd P{Fd.Get(), POLLOUT, 0};
            const int R = ::poll(&P, 1, static_cast<int>(Left.count()));
            if (R < 0 && errno != EINTR) return std::strerror(errno);
            if (R == 0) return "Timed out";
            continue;
        }
        return std::strerror(N < 0 ? errno : ENOSPC);
    }
    if (const int Error = Fd.Close(); Error != 0) return std::strerror(Error);
    return {};
}

}  // namespace

std::filesystem::path FollowLinks(const std::filesystem::path& Path, bool* ThroughProcess) {
    if (ThroughProcess) *ThroughProcess = false;
    std::filesystem::path Now = Path;
    for (int Hops = 0; Hops <= kMaxLinks; ++Hops) {
        struct stat St {};
        if (::lstat(Now.c_str(), &St) != 0 || !S_ISLNK(St.st_mode)) return Now;
        // /proc/self/fd/1 and its kind name open files ("pipe:[123]"), not paths to follow.
        if (Now.string().starts_with("/proc/")) {
            if (ThroughProcess) *ThroughProcess = true;
            return Now;
        }
        std::error_code Ec;
        const std::filesystem::path Target = std::filesystem::read_symlink(Now, Ec);
        if (Ec) return Now;
        Now = Target.is_absolute() ? Target : Now.parent_path() / Target;
    }
    throw std::filesystem::filesystem_error(
        "Too many levels of symbolic links", Path,
        std::make_error_code(std::errc::too_many_symbolic_link_levels));
}

int ReplaceFile(const std::filesystem::path& Target, std::string_view Bytes,
                const TReplaceOptions& Options) {
    const std::filesystem::path Folder = Target.parent_path();
    const std::string Prefix = (Folder / TempPrefix(Target)).string();
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device Seed;
    std::mt19937 Random(Seed());
    std::string Temp;
    TFd Fd;
    for (int Tries = 0; Fd.Get() < 0; ++Tries) {
        Temp = Prefix;
        for (size_t i = 0; i < kTempLetters; ++i)
            Temp += kLetters[Random() % (sizeof kLetters - 1)];
        Fd.Reset(::open(Temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                        Options.NewFileMode));
        if (Fd.Get() < 0 && (errno != EEXIST || Tries >= 100)) return errno;
    }
    // The new file takes the place of the old one whole: its permissions, and its owner when
    // the program may give it (root writing a user's file).
    struct stat Old {};
    if (::stat(Target.c_str(), &Old) == 0 && S_ISREG(Old.st_mode)) {
        struct stat New {};
        if (::fstat(Fd.Get(), &New) == 0 && (New.st_uid != Old.st_uid || New.st_gid != Old.st_gid))
            (void)::fchown(Fd.Get(), Old.st_uid, Old.st_gid);
        ::fchmod(Fd.Get(), Old.st_mode & 07777);
    }
    int Error = WriteAll(Fd.Get(), Bytes);
    if (Error == 0 && ::fsync(Fd.Get()) != 0) Error = errno;
    if (const int Closed = Fd.Close(); Error == 0) Error = Closed;
    if (Error == 0 && Options.BeforeRename) Error = Options.BeforeRename();
    if (Error == 0 && ::rename(Temp.c_str(), Target.c_str()) != 0) Error = errno;
    if (Error != 0) {
        ::unlink(Temp.c_str());
        return Error;
    }
    // The rename itself reaches the disk with the folder.
    const TFd Dir(
        ::open(Folder.empty() ? "." : Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (Dir.Get() >= 0) ::fsync(Dir.Get());
    return 0;
}

void RemoveStaleTemporaries(const std::filesystem::path& Target, std::chrono::seconds Age) {
    const std::filesystem::path Folder =
        Target.parent_path().empty() ? std::filesystem::path(".") : Target.parent_path();
    const std::string Prefix = TempPrefix(Target);
    const auto Before = std::chrono::system_clock::now() - Age;
    std::error_code Ec;
    for (std::filesystem::directory_iterator It(Folder, Ec), End; !Ec && It != End;
         It.increment(Ec)) {
        const std::string Name = It->path().filename().string();
        if (Name.size() != Prefix.size() + kTempLetters || !Name.starts_with(Prefix)) continue;
        struct stat St {};
        if (::lstat(It->path().c_str(), &St) != 0 || !S_ISREG(St.st_mode) ||
            St.st_uid != ::geteuid()) {
            continue;
        }
        const auto Changed = std::chrono::system_clock::time_point(
            std::chrono::duration_cast<std::chrono::system_clock::duration>(
                std::chrono::seconds(St.st_mtim.tv_sec) +
                std::chrono::nanoseconds(St.st_mtim.tv_nsec)));
        if (Changed <= Before) ::unlink(It->path().c_str());
    }
}

bool WriteWholeFile(const std::string& Path, std::string_view Bytes, std::string& Reason,
                    const TSourceLimits& Limits) {
    if (Path.empty()) {
        Reason = std::strerror(ENOENT);
        return false;
    }
    bool ThroughProcess = false;
    std::filesystem::path Target;
    try {
        Target = FollowLinks(Path, &ThroughProcess);
    } catch (const std::filesystem::filesystem_error& E) {
        Reason = E.code().message();
        return false;
    }
    struct stat St {};
    const bool Exists = ::stat(Target.c_str(), &St) == 0;
    if (ThroughProcess || (Exists && !S_ISREG(St.st_mode) && !S_ISDIR(St.st_mode))) {
        Reason = WriteDirectly(Path, St, Bytes, Limits);
        return Reason.empty();
    }
    if (const int Error = ReplaceFile(Target, Bytes); Error != 0) {
        // A folder named as the output: the rename says so in its own words.
        Reason = std::strerror(Error);
        return false;
    }
    return true;
}

}  // namespace xvexo
