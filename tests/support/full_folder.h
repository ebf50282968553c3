#pragma once
// A small file system of its own, for tests of writes that fail on a full disk: a tmpfs of a few
// hundred kilobytes mounted on a temporary folder, which Fill then fills to the last byte. Only
// root may mount; elsewhere (or in a container without the right) Mounted() is false and the
// test takes another way or skips.

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace xvexo::testing {

class TFullFolder {
    TTempFolder Holder;  // first: the folder exists before the file system is put on it

  public:
    explicit TFullFolder(size_t Bytes = 256 * 1024) : Path(Holder.Path) {
        const std::string Options = "size=" + std::to_string(Bytes) + ",mode=0777";
        FMounted = ::geteuid() == 0 && ::mount("tmpfs", Path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                                               Options.c_str()) == 0;
    }
    ~TFullFolder() {
        if (FMounted) ::umount2(Path.c_str(), MNT_DETACH);
    }
    TFullFolder(const TFullFolder&) = delete;
    TFullFolder& operator=(const TFullFolder&) = delete;

    bool Mounted() const { return FMounted; }

    // Writes a file "filler" until no byte more fits.
    void Fill() const {
        FILE* F = std::fopen((Path / "filler").c_str(), "wb");
        if (F == nullptr) return;
        const std::string Block(4096, 'f');
        while (std::fwrite(Block.data(), 1, Block.size(), F) == Block.size()) {
        }
        std::fclose(F);
        // The last partial block: byte by byte.
        F = std::fopen((Path / "filler").c_str(), "ab");
        if (F == nullptr) return;
        std::setvbuf(F, nullptr, _IONBF, 0);
        while (std::fputc('f', F) != EOF) {
        }
        std::fclose(F);
    }

    std::filesystem::path operator/(const std::string& Name) const { return Path / Name; }

    const std::filesystem::path Path;

  private:
    bool FMounted = false;
};

}  // namespace xvexo::testing
