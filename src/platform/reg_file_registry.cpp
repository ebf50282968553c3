#include "platform/reg_file_registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace xvexo {

namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";
// A registry file is a few kilobytes; past this bound the rest is not read (and counts as lost).
constexpr size_t kMaxFileBytes = size_t{16} << 20;

// The stored path of Key below the root: "\Software\\X\" is "HKEY_CURRENT_USER\Software\X".
std::string FullPath(std::string_view Key) {
    std::string Out(kRoot);
    size_t Start = 0;
    while (Start <= Key.size()) {
        size_t End = Key.find('\\', Start);
        if (End == std::string_view::npos) End = Key.size();
        if (End > Start) {
            Out += '\\';
            Out.append(Key.substr(Start, End - Start));
        }
        Start = End + 1;
    }
    return Out;
}

// Whether Path is Parent or lies below it.
bool AtOrBelow(std::string_view Path, std::string_view Parent) {
    return SameRegName(Path.substr(0, Parent.size()), Parent) &&
           (Path.size() == Parent.size() || Path[Parent.size()] == '\\');
}

TRegKey* FindKeyIn(TRegDocument& Doc, std::string_view Path) {
    auto It = std::find_if(Doc.Keys.begin(), Doc.Keys.end(),
                           [&](const TRegKey& K) { return SameRegName(K.Path, Path); });
    return It == Doc.Keys.end() ? nullptr : &*It;
}

// Whether the key at Path exists: stored with a section of its own, or above one that is (on
// Windows a key exists while a key below it does, whatever the file spells out).
bool KeyIn(const TRegDocument& Doc, std::string_view Path) {
    return std::any_of(Doc.Keys.begin(), Doc.Keys.end(),
                       [&](const TRegKey& K) { return AtOrBelow(K.Path, Path); });
}

// Path as the stored keys spell it: its longest leading part that names an existing key takes
// the spelling stored, so a key keeps the spelling it was first given.
std::string SpelledAsStored(const TRegDocument& Doc, std::string Path) {
    for (size_t Cut = Path.size(); Cut != std::string::npos && Cut > 0;
         Cut = Path.rfind('\\', Cut - 1)) {
        const std::string_view Part(Path.data(), Cut);
        const auto It = std::find_if(Doc.Keys.begin(), Doc.Keys.end(),
                                     [&](const TRegKey& K) { return AtOrBelow(K.Path, Part); });
        if (It != Doc.Keys.end()) {
            Path.replace(0, Cut, It->Path, 0, Cut);
            break;
        }
    }
    return Path;
}

// The section of Key (a whole path) in Doc, added (with a section for every key above it that
// does not exist) when the key has none.
TRegKey& EnsureKey(TRegDocument& Doc, const std::string& Key) {
    if (Key.find_first_of(std::string_view("\n\r\0", 3)) != std::string::npos) {
        throw TRegistryError("A registry key name cannot hold a line break or a NUL byte");
    }
    const std::string Path = SpelledAsStored(Doc, Key);
    for (size_t Cut = Path.find('\\'); Cut != std::string::npos; Cut = Path.find('\\', Cut + 1)) {
        const std::string_view Above(Path.data(), Cut);
        if (Above != kRoot && !KeyIn(Doc, Above)) {
            Doc.Keys.push_back(TRegKey{std::string(Above), {}});
        }
    }
    if (TRegKey* Found = FindKeyIn(Doc, Path)) return *Found;
    Doc.Keys.push_back(TRegKey{Path, {}});
    return Doc.Keys.back();
}

TRegValue& EnsureValue(TRegKey& Key, std::string_view Name) {
    auto It = std::find_if(Key.Values.begin(), Key.Values.end(),
                           [&](const TRegValue& V) { return SameRegName(V.Name, Name); });
    if (It != Key.Values.end()) return *It;
    Key.Values.push_back(TRegValue{std::string(Name), TRegValueKind::String, {}, 0});
    return Key.Values.back();
}

std::string Reason(int Error) {
    return std::strerror(Error);
}

// Writes all of Bytes to Fd: 0, or the error that stopped it.
int WriteAll(int Fd, std::string_view Bytes) {
    while (!Bytes.empty()) {
        const ssize_t N = ::write(Fd, Bytes.data(), Bytes.size());
        if (N < 0 && errno == EINTR) continue;
        if (N < 0) return errno;
        Bytes.remove_prefix(static_cast<size_t>(N));
    }
    return 0;
}

// Keeps the file at Path as Copy (replacing an older copy): a hard link, or a copy where the
// folder takes no links. 0, or the error that stopped it.
int KeepCopy(const std::filesystem::path& Path, const std::filesystem::path& Copy) {
    ::unlink(Copy.c_str());
    if (::link(Path.c_str(), Copy.c_str()) == 0) return 0;
    std::error_code Ec;
    std::filesystem::copy_file(Path, Copy, std::filesystem::copy_options::overwrite_existing, Ec);
    return Ec.value();
}

}  // namespace

TRegFileRegistry::TRegFileRegistry(std::filesystem::path FilePath, TOpenMode Mode)
    : Path(std::move(FilePath)) {
    Refresh();
    if (Mode == TOpenMode::Create && !Stamp.Exists) Store(Doc);
}

bool TRegFileRegistry::Damaged() const {
    Refresh();
    return Doc.Damaged;
}

TRegFileRegistry::TFileStamp TRegFileRegistry::StampOf(const struct stat& St) {
    return TFileStamp{true,
                      static_cast<uint64_t>(St.st_dev),
                      static_cast<uint64_t>(St.st_ino),
                      static_cast<uint64_t>(St.st_size),
                      static_cast<int64_t>(St.st_mtim.tv_sec),
                      static_cast<int64_t>(St.st_mtim.tv_nsec)};
}

void TRegFileRegistry::Refresh() const {
    struct stat St {};
    if (::stat(Path.c_str(), &St) != 0) {
        // A file that is gone is an empty registry; one that cannot be looked at now keeps what
        // was read before.
        if (errno == ENOENT || errno == ENOTDIR) {
            Doc = TRegDocument{};
            Stamp = TFileStamp{};
        }
        return;
    }
    const TFileStamp Now = StampOf(St);
    if (Now == Stamp) return;
    const int Fd = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0) return;
    std::string Bytes;
    std::vector<char> Piece(64 * 1024);
    bool Failed = false;
    while (Bytes.size() <= kMaxFileBytes) {
        const ssize_t N = ::read(Fd, Piece.data(), Piece.size());
        if (N < 0 && errno == EINTR) continue;
        if (N < 0) Failed = true;
        if (N <= 0) break;
        Bytes.append(Piece.data(), static_cast<size_t>(N));
    }
    ::close(Fd);
    if (Failed) return;
    const bool Cut = Bytes.size() > kMaxFileBytes;
    if (Cut) Bytes.resize(kMaxFileBytes);
    Doc = ParseRegText(Bytes);
    Doc.Damaged = Doc.Damaged || Cut;
    Stamp = Now;
}

const TRegValue* TRegFileRegistry::FindValue(std::string_view Key, std::string_view Name) const {
    Refresh();
    const TRegKey* K = FindKeyIn(Doc, FullPath(Key));
    if (K == nullptr) return nullptr;
    auto It = std::find_if(K->Values.begin(), K->Values.end(),
                           [&](const TRegValue& V) { return SameRegName(V.Name, Name); });
    return It == K->Values.end() ? nullptr : &*It;
}

bool TRegFileRegistry::KeyExists(std::string_view Key) const {
    Refresh();
    const std::string Path = FullPath(Key);
    return Path == kRoot || KeyIn(Doc, Path);
}

TRegValueKind TRegFileRegistry::ValueKind(std::string_view Key, std::string_view Name) const {
    const TRegValue* V = FindValue(Key, Name);
    return V == nullptr ? TRegValueKind::Missing : V->Kind;
}

std::optional<std::string> TRegFileRegistry::ReadString(std::string_view Key,
                                                        std::string_view Name) const {
    const TRegValue* V = FindValue(Key, Name);
    if (V == nullptr || V->Kind != TRegValueKind::String) return std::nullopt;
    return V->Text;
}

std::optional<uint32_t> TRegFileRegistry::ReadDword(std::string_view Key,
                                                    std::string_view Name) const {
    const TRegValue* V = FindValue(Key, Name);
    if (V == nullptr || V->Kind != TRegValueKind::Dword) return std::nullopt;
    return V->Dword;
}

void TRegFileRegistry::CreateKey(std::string_view Key) {
    Change([&](TRegDocument& D) {
        const std::string Path = FullPath(Key);
        if (Path == kRoot || KeyIn(D, Path)) return false;
        EnsureKey(D, Path);
        return true;
    });
}

void TRegFileRegistry::WriteString(std::string_view Key, std::string_view Name,
                                   std::string_view Value) {
    Change([&](TRegDocument& D) {
        TRegValue& V = EnsureValue(EnsureKey(D, FullPath(Key)), Name);
        if (V.Kind == TRegValueKind::String && V.Text == Value) return false;
        V.Kind = TRegValueKind::String;
        V.Text.assign(Value);
        return true;
    });
}

void TRegFileRegistry::WriteDword(std::string_view Key, std::string_view Name, uint32_t Value) {
    Change([&](TRegDocument& D) {
        TRegValue& V = EnsureValue(EnsureKey(D, FullPath(Key)), Name);
        if (V.Kind == TRegValueKind::Dword && V.Dword == Value) return false;
        V.Kind = TRegValueKind::Dword;
        V.Text.clear();
        V.Dword = Value;
        return true;
    });
}

void TRegFileRegistry::DeleteValue(std::string_view Key, std::string_view Name) {
    Change([&](TRegDocument& D) {
        TRegKey* K = FindKeyIn(D, FullPath(Key));
        if (K == nullptr) return false;
        const auto Before = K->Values.size();
        std::erase_if(K->Values, [&](const TRegValue& V) { return SameRegName(V.Name, Name); });
        return K->Values.size() != Before;
    });
}

void TRegFileRegistry::DeleteKey(std::string_view Key) {
    const std::string Path = FullPath(Key);
    if (Path == kRoot) throw TRegistryError("The root of the registry cannot be deleted");
    Change([&](TRegDocument& D) {
        return std::erase_if(D.Keys, [&](const TRegKey& K) { return AtOrBelow(K.Path, Path); }) > 0;
    });
}

void TRegFileRegistry::Change(const std::function<bool(TRegDocument&)>& Edit) {
    Refresh();  // take in what another program stored meanwhile
    TRegDocument Next = Doc;
    if (!Edit(Next)) return;
    Store(Next);
    Doc = std::move(Next);
    Doc.Damaged = false;
}

void TRegFileRegistry::Store(const TRegDocument& Next) {
    const std::string Text = FormatRegText(Next);
    const std::filesystem::path Folder = Path.parent_path();
    auto Fail = [&](int Error) {
        throw TRegistryError("Cannot write the registry file " + Path.string() + ": " +
                             Reason(Error));
    };
    if (!Folder.empty()) {
        std::error_code Ec;
        std::filesystem::create_directories(Folder, Ec);
        if (Ec) Fail(Ec.value());
    }
    std::string Temp = Path.string() + ".new-XXXXXX";
    const int Fd = ::mkostemp(Temp.data(), O_CLOEXEC);
    if (Fd < 0) Fail(errno);
    struct stat Old {};
    // The new file keeps the permissions of the one it replaces (mkostemp gives 0600).
    if (::stat(Path.c_str(), &Old) == 0) ::fchmod(Fd, Old.st_mode & 07777);
    int Error = WriteAll(Fd, Text);
    if (Error == 0 && ::fsync(Fd) != 0) Error = errno;
    struct stat New {};
    if (Error == 0 && ::fstat(Fd, &New) != 0) Error = errno;
    if (::close(Fd) != 0 && Error == 0) Error = errno;
    if (Error == 0 && Doc.Damaged && Stamp.Exists) Error = KeepCopy(Path, Path.string() + ".bad");
    if (Error == 0 && ::rename(Temp.c_str(), Path.c_str()) != 0) Error = errno;
    if (Error != 0) {
        ::unlink(Temp.c_str());
        Fail(Error);
    }
    // The rename itself reaches the disk with the folder.
    const int Dir =
        ::open(Folder.empty() ? "." : Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Dir >= 0) {
        ::fsync(Dir);
        ::close(Dir);
    }
    Stamp = StampOf(New);
}

std::filesystem::path UserRegistryPath(const TEnvLookup& GetEnv) {
    if (const char* File = ReadEnv(GetEnv, "XVEXOVIEW_REGISTRY")) return File;
    std::filesystem::path Config;
    if (const char* Xdg = ReadEnv(GetEnv, "XDG_CONFIG_HOME"); Xdg != nullptr && Xdg[0] == '/') {
        Config = Xdg;
    } else {
        const char* Home = ReadEnv(GetEnv, "HOME");
        if (Home == nullptr) {
            const passwd* User = ::getpwuid(::getuid());
            Home = User != nullptr ? User->pw_dir : "/";
        }
        Config = std::filesystem::path(Home) / ".config";
    }
    return Config / "xvexoview" / "user.reg";
}

std::unique_ptr<TRegFileRegistry> OpenUserRegistry(const TEnvLookup& GetEnv) {
    return std::make_unique<TRegFileRegistry>(UserRegistryPath(GetEnv));
}

}  // namespace xvexo
