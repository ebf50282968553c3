#include "platform/reg_file_registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include "platform/whole_file.h"
#include "records/record_error.h"

namespace xvexo {

namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";
// A registry file is a few kilobytes; past this bound the rest is not read (and counts as lost).
constexpr size_t kMaxFileBytes = size_t{16} << 20;
// A temporary file of a store left unchanged this long belongs to a program stopped mid-store.
constexpr std::chrono::minutes kStaleTemporaryAge{10};
// The longest path a message shows.
constexpr size_t kMaxPathInMessage = 1024;

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

// A view of a document as a registry: what Update's changes are made on, and what reads see.
class TDocumentRegistry final : public TUserRegistry {
  public:
    explicit TDocumentRegistry(TRegDocument& Doc) : Doc(Doc) {}

    bool Changed = false;

    bool KeyExists(std::string_view Key) const override {
        const std::string Path = FullPath(Key);
        return Path == kRoot || KeyIn(Doc, Path);
    }
    TRegValueKind ValueKind(std::string_view Key, std::string_view Name) const override {
        const TRegValue* V = FindValue(Key, Name);
        return V == nullptr ? TRegValueKind::Missing : V->Kind;
    }
    std::optional<std::string> ReadString(std::string_view Key,
                                          std::string_view Name) const override {
        const TRegValue* V = FindValue(Key, Name);
        if (V == nullptr || V->Kind != TRegValueKind::String) return std::nullopt;
        return V->Text;
    }
    std::optional<uint32_t> ReadDword(std::string_view Key, std::string_view Name) const override {
        const TRegValue* V = FindValue(Key, Name);
        if (V == nullptr || V->Kind != TRegValueKind::Dword) return std::nullopt;
        return V->Dword;
    }

    void CreateKey(std::string_view Key) override {
        const std::string Path = FullPath(Key);
        if (Path == kRoot || KeyIn(Doc, Path)) return;
        EnsureKey(Doc, Path);
        Changed = true;
    }
    void WriteString(std::string_view Key, std::string_view Name, std::string_view Value) override {
        TRegValue& V = EnsureValue(EnsureKey(Doc, FullPath(Key)), Name);
        if (V.Kind == TRegValueKind::String && V.Text == Value) return;
        V.Kind = TRegValueKind::String;
        V.Text.assign(Value);
        Changed = true;
    }
    void WriteDword(std::string_view Key, std::string_view Name, uint32_t Value) override {
        TRegValue& V = EnsureValue(EnsureKey(Doc, FullPath(Key)), Name);
        if (V.Kind == TRegValueKind::Dword && V.Dword == Value) return;
        V.Kind = TRegValueKind::Dword;
        V.Text.clear();
        V.Dword = Value;
        Changed = true;
    }
    void DeleteValue(std::string_view Key, std::string_view Name) override {
        TRegKey* K = FindKeyIn(Doc, FullPath(Key));
        if (K == nullptr) return;
        if (std::erase_if(K->Values,
                          [&](const TRegValue& V) { return SameRegName(V.Name, Name); }) > 0)
            Changed = true;
    }
    void DeleteKey(std::string_view Key) override {
        const std::string Path = FullPath(Key);
        if (Path == kRoot) throw TRegistryError("The root of the registry cannot be deleted");
        if (std::erase_if(Doc.Keys, [&](const TRegKey& K) { return AtOrBelow(K.Path, Path); }) > 0)
            Changed = true;
    }
    void Update(const std::function<void(TUserRegistry&)>& Changes) override { Changes(*this); }

  private:
    const TRegValue* FindValue(std::string_view Key, std::string_view Name) const {
        const TRegKey* K = FindKeyIn(Doc, FullPath(Key));
        if (K == nullptr) return nullptr;
        auto It = std::find_if(K->Values.begin(), K->Values.end(),
                               [&](const TRegValue& V) { return SameRegName(V.Name, Name); });
        return It == K->Values.end() ? nullptr : &*It;
    }

    TRegDocument& Doc;
};

// Keeps the file at Path as Copy (replacing an older copy): a hard link, or a copy where the
// folder takes no links. 0, or the error that stopped it.
int KeepCopy(const std::filesystem::path& Path, const std::filesystem::path& Copy) {
    ::unlink(Copy.c_str());
    if (::link(Path.c_str(), Copy.c_str()) == 0) return 0;
    std::error_code Ec;
    std::filesystem::copy_file(Path, Copy, std::filesystem::copy_options::overwrite_existing, Ec);
    return Ec.value();
}

// The advisory lock every store of the file holds, on a lock file of its own beside it, so that
// the file itself is still replaced by a rename. The lock file is removed, while the lock is
// still held, when the store ends; a program that was waiting on it sees that and locks anew.
class TStoreLock {
  public:
    // Takes the lock, waiting at most kLockWait for a program that holds it; throws
    // TRegistryError with the reason when it cannot be had.
    explicit TStoreLock(std::filesystem::path LockPath) : Path(std::move(LockPath)) {
        const auto Deadline = std::chrono::steady_clock::now() + kLockWait;
        for (;;) {
            Fd = ::open(Path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (Fd < 0) {
                // A lock file of another user's that this one may only read locks all the same.
                const int Error = errno;
                if (Error == EACCES) Fd = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
                if (Fd < 0) throw TRegistryError(std::strerror(Error));
            }
            if (::flock(Fd, LOCK_EX | LOCK_NB) == 0) {
                // Still the lock file of the path, and not one its last holder removed?
                struct stat Held {
                }, Named{};
                if (::fstat(Fd, &Held) == 0 && ::stat(Path.c_str(), &Named) == 0 &&
                    Held.st_dev == Named.st_dev && Held.st_ino == Named.st_ino)
                    return;
            } else if (errno != EWOULDBLOCK && errno != EINTR) {
                const int Error = errno;
                ::close(Fd);
                throw TRegistryError(std::strerror(Error));
            }
            ::close(Fd);
            if (std::chrono::steady_clock::now() > Deadline)
                throw TRegistryError("another program keeps it locked");
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    ~TStoreLock() {
        ::unlink(Path.c_str());
        ::close(Fd);
    }
    TStoreLock(const TStoreLock&) = delete;
    TStoreLock& operator=(const TStoreLock&) = delete;

  private:
    // A store takes milliseconds; a program that holds the lock this long has stopped.
    static constexpr std::chrono::seconds kLockWait{10};

    std::filesystem::path Path;
    int Fd = -1;
};

}  // namespace

TRegFileRegistry::TRegFileRegistry(std::filesystem::path FilePath, TOpenMode Mode)
    : Path(std::move(FilePath)) {
    Refresh();
    if (Mode == TOpenMode::Create && !Stamp.Exists) {
        LockedChange([this](TRegDocument&) { return !Stamp.Exists; });
    }
}

bool TRegFileRegistry::Damaged() const {
    Refresh();
    return Doc.Damaged;
}

bool TRegFileRegistry::NotRegular() const {
    Refresh();
    return FNotRegular;
}

std::string TRegFileRegistry::NotRegularMessage() const {
    return "The settings file " + CleanForMessage(Path.string(), kMaxPathInMessage) +
           " is not a regular file";
}

TRegFileRegistry::TFileStamp TRegFileRegistry::StampOf(const struct stat& St) {
    return TFileStamp{true,
                      static_cast<uint64_t>(St.st_dev),
                      static_cast<uint64_t>(St.st_ino),
                      static_cast<uint64_t>(St.st_size),
                      static_cast<int64_t>(St.st_mtim.tv_sec),
                      static_cast<int64_t>(St.st_mtim.tv_nsec)};
}

void TRegFileRegistry::Refresh(bool Force) const {
    struct stat St {};
    if (::stat(Path.c_str(), &St) != 0) {
        // A file that is gone is an empty registry; one that cannot be looked at now keeps what
        // was read before.
        if (errno == ENOENT || errno == ENOTDIR) {
            Doc = TRegDocument{};
            Stamp = TFileStamp{};
            FNotRegular = false;
        }
        return;
    }
    // A device, a FIFO or a folder is no registry: never opened (a FIFO would keep the read
    // waiting for a writer), and read as empty.
    const auto NotAFile = [this] {
        Doc = TRegDocument{};
        Stamp = TFileStamp{};
        FNotRegular = true;
    };
    if (!S_ISREG(St.st_mode)) return NotAFile();
    FNotRegular = false;
    if (!Force && StampOf(St) == Stamp) return;
    // Without blocking, should it have turned into a FIFO since it was looked at.
    const int Fd = ::open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (Fd < 0) return;
    struct stat Opened {};
    if (::fstat(Fd, &Opened) != 0 || !S_ISREG(Opened.st_mode)) {
        ::close(Fd);
        return NotAFile();
    }
    std::string Bytes;
    Bytes.reserve(std::min(static_cast<size_t>(Opened.st_size), kMaxFileBytes) + 1);
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
    Stamp = StampOf(Opened);
}

bool TRegFileRegistry::KeyExists(std::string_view Key) const {
    Refresh();
    return TDocumentRegistry(Doc).KeyExists(Key);
}

TRegValueKind TRegFileRegistry::ValueKind(std::string_view Key, std::string_view Name) const {
    Refresh();
    return TDocumentRegistry(Doc).ValueKind(Key, Name);
}

std::optional<std::string> TRegFileRegistry::ReadString(std::string_view Key,
                                                        std::string_view Name) const {
    Refresh();
    return TDocumentRegistry(Doc).ReadString(Key, Name);
}

std::optional<uint32_t> TRegFileRegistry::ReadDword(std::string_view Key,
                                                    std::string_view Name) const {
    Refresh();
    return TDocumentRegistry(Doc).ReadDword(Key, Name);
}

void TRegFileRegistry::CreateKey(std::string_view Key) {
    Update([&](TUserRegistry& R) { R.CreateKey(Key); });
}

void TRegFileRegistry::WriteString(std::string_view Key, std::string_view Name,
                                   std::string_view Value) {
    Update([&](TUserRegistry& R) { R.WriteString(Key, Name, Value); });
}

void TRegFileRegistry::WriteDword(std::string_view Key, std::string_view Name, uint32_t Value) {
    Update([&](TUserRegistry& R) { R.WriteDword(Key, Name, Value); });
}

void TRegFileRegistry::DeleteValue(std::string_view Key, std::string_view Name) {
    Update([&](TUserRegistry& R) { R.DeleteValue(Key, Name); });
}

void TRegFileRegistry::DeleteKey(std::string_view Key) {
    Update([&](TUserRegistry& R) { R.DeleteKey(Key); });
}

void TRegFileRegistry::Update(const std::function<void(TUserRegistry&)>& Changes) {
    // A first run on the file as last read says whether there is anything to store at all: a
    // change of nothing takes no lock and writes nothing.
    Refresh();
    {
        TRegDocument Trial = Doc;
        TDocumentRegistry View(Trial);
        Changes(View);
        if (!View.Changed) return;
    }
    LockedChange([&](TRegDocument& Next) {
        TDocumentRegistry View(Next);
        Changes(View);
        return View.Changed;
    });
}

void TRegFileRegistry::LockedChange(const std::function<bool(TRegDocument&)>& Edit) {
    if (FNotRegular) throw TRegistryError(NotRegularMessage());
    std::filesystem::path Target;
    try {
        Target = FollowLinks(Path);
    } catch (const std::filesystem::filesystem_error& E) {
        Fail(E.code().message());
    }
    if (const std::filesystem::path Folder = Target.parent_path(); !Folder.empty()) {
        std::error_code Ec;
        std::filesystem::create_directories(Folder, Ec);
        if (Ec) Fail(Ec.message());
    }
    std::optional<TStoreLock> Lock;
    try {
        Lock.emplace(Target.string() + ".lock");
    } catch (const TRegistryError& E) {
        Fail(E.what());
    }
    // Under the lock, the file as it is now: what another program stored is kept.
    Refresh(true);
    if (FNotRegular) throw TRegistryError(NotRegularMessage());
    TRegDocument Next = Doc;
    if (!Edit(Next)) return;
    RemoveStaleTemporaries(Target, kStaleTemporaryAge);
    Store(Target, Next);
    Doc = std::move(Next);
    Doc.Damaged = false;
}

void TRegFileRegistry::Fail(const std::string& Why) const {
    throw TRegistryError("Cannot write the registry file " + Path.string() + ": " + Why);
}

void TRegFileRegistry::Store(const std::filesystem::path& Target, const TRegDocument& Next) {
    TReplaceOptions Options;
    Options.NewFileMode = 0600;  // the user's own settings
    Options.BeforeRename = [&]() -> int {
        return Doc.Damaged && Stamp.Exists ? KeepCopy(Target, Target.string() + ".bad") : 0;
    };
    if (const int Error = ReplaceFile(Target, FormatRegText(Next), Options); Error != 0)
        Fail(std::strerror(Error));
    struct stat St {};
    Stamp = ::stat(Target.c_str(), &St) == 0 ? StampOf(St) : TFileStamp{};
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
