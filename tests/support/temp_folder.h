#pragma once
// A folder of its own for one test, removed with everything in it at the end.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace xvexo::testing {

class TTempFolder {
  public:
    TTempFolder() {
        std::string Template = (std::filesystem::temp_directory_path() / "xvexo-XXXXXX").string();
        if (::mkdtemp(Template.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        Path = Template;
    }
    ~TTempFolder() {
        std::error_code Ec;
        std::filesystem::permissions(Path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, Ec);
        std::filesystem::remove_all(Path, Ec);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::filesystem::path operator/(const std::string& Name) const { return Path / Name; }

    std::filesystem::path Path;
};

inline std::string ReadBytes(const std::filesystem::path& File) {
    std::ifstream In(File, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), {});
}

inline void WriteBytes(const std::filesystem::path& File, const std::string& Bytes) {
    std::ofstream(File, std::ios::binary | std::ios::trunc) << Bytes;
}

}  // namespace xvexo::testing
