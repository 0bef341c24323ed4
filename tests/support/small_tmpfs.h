#pragma once
// A small file system of its own (tmpfs) for tests of full disks. Mounting needs
// privileges; where they are missing, ok() is false and the test skips.

#include "support/temp_folder.h"

#include <sys/mount.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace zenka::test {

class SmallTmpfs {
  public:
    explicit SmallTmpfs(const char* size = "size=200k") {
        mounted_ = ::mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, size) == 0;
    }
    ~SmallTmpfs() {
        if (mounted_) ::umount2(folder_.path().c_str(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool ok() const { return mounted_; }
    const std::filesystem::path& path() const { return folder_.path(); }
    std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }

    // Writes `name` until the file system is full, keeping `spare` bytes free.
    void fill(const std::string& name, std::size_t spare = 0) {
        std::FILE* f = std::fopen((folder_ / name).c_str(), "w");
        if (f == nullptr) return;
        const std::vector<char> block(4096, 'x');
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size() &&
               std::fflush(f) == 0) {}
        std::fclose(f);
        if (spare > 0) {
            const auto size = std::filesystem::file_size(folder_ / name);
            std::filesystem::resize_file(folder_ / name, size > spare ? size - spare : 0);
        }
    }

  private:
    TempFolder folder_;
    bool mounted_ = false;
};

} // namespace zenka::test
