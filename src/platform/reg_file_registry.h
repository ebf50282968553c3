#pragma once
// The current user's registry kept in a registry export text file (keys below HKEY_CURRENT_USER,
// string and DWORD values). Each read sees the file as it is now on disk, so a change made by
// another program or by hand is taken in; each store rewrites the whole file atomically: a new
// file in the same folder, flushed to disk, renamed over the old one (see whole_file.h). A crash
// never leaves the file half written, and a read never writes. Lines the reader cannot make
// sense of (a damaged or truncated file) are skipped; the first change after such a read keeps
// the old file beside the new one as NAME.bad, so nothing the user had is lost without a copy.
//
// Programs share the file: every store reads the file, changes it and renames the new copy over
// it while holding an advisory lock (flock) on NAME.lock beside it, so two programs storing at
// once never lose each other's changes; the lock file goes when the store ends. A symbolic link
// stays a link: the file it leads to is replaced. The file must be a regular file (or a link to
// one): anything else (a device, a FIFO, a folder) is never opened for reading and never
// written; it reads as an empty registry and every change fails with NotRegularMessage.

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/reg_file_format.h"
#include "records/environment.h"
#include "records/user_registry.h"

namespace xvexo {

class TRegFileRegistry final : public TUserRegistry {
  public:
    enum class TOpenMode {
        Existing,  // a missing file is an empty registry; the first change creates it
        Create,    // a missing file (and its folder) is created now
    };

    // Opens the registry kept in FilePath. Throws TRegistryError when Mode is Create and the file
    // cannot be created.
    explicit TRegFileRegistry(std::filesystem::path FilePath, TOpenMode Mode = TOpenMode::Existing);

    const std::filesystem::path& FilePath() const { return Path; }
    // Whether the file as last read held something that could not be read.
    bool Damaged() const;
    // Whether FilePath names something other than a regular file (or a link to one).
    bool NotRegular() const;
    // "The settings file PATH is not a regular file".
    std::string NotRegularMessage() const;

    bool KeyExists(std::string_view Key) const override;
    TRegValueKind ValueKind(std::string_view Key, std::string_view Name) const override;
    std::optional<std::string> ReadString(std::string_view Key,
                                          std::string_view Name) const override;
    std::optional<uint32_t> ReadDword(std::string_view Key, std::string_view Name) const override;

    void CreateKey(std::string_view Key) override;
    void WriteString(std::string_view Key, std::string_view Name, std::string_view Value) override;
    void WriteDword(std::string_view Key, std::string_view Name, uint32_t Value) override;
    void DeleteValue(std::string_view Key, std::string_view Name) override;
    void DeleteKey(std::string_view Key) override;
    void Update(const std::function<void(TUserRegistry&)>& Changes) override;

  private:
    // What identifies one version of the file on disk; a rename gives a new inode.
    struct TFileStamp {
        bool Exists = false;
        uint64_t Device = 0, Inode = 0, Size = 0;
        int64_t Seconds = 0, Nanoseconds = 0;
        bool operator==(const TFileStamp&) const = default;
    };

    static TFileStamp StampOf(const struct stat& St);
    // Reads the file again when it changed since the last read (always, with Force).
    void Refresh(bool Force = false) const;
    // Throws TRegistryError with Why, naming the file.
    [[noreturn]] void Fail(const std::string& Why) const;
    // Under the lock, on the file as it is now on disk: Edit changes a copy of the document and
    // says whether it changed anything; the copy is then stored. Throws TRegistryError.
    void LockedChange(const std::function<bool(TRegDocument&)>& Edit);
    // Replaces the file Target by Next, or throws TRegistryError and leaves it as it was.
    void Store(const std::filesystem::path& Target, const TRegDocument& Next);

    std::filesystem::path Path;
    mutable TRegDocument Doc;
    mutable TFileStamp Stamp;
    mutable bool FNotRegular = false;
};

// The file of the current user's registry: $XVEXOVIEW_REGISTRY when set and not empty, else
// $XDG_CONFIG_HOME/xvexoview/user.reg (when that is an absolute path), else
// ~/.config/xvexoview/user.reg.
std::filesystem::path UserRegistryPath(const TEnvLookup& GetEnv = {});

// Opens the current user's registry, without creating its file (a missing file reads as empty).
std::unique_ptr<TRegFileRegistry> OpenUserRegistry(const TEnvLookup& GetEnv = {});

}  // namespace xvexo
