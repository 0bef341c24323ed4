#include "platform/rename_new.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zenka {

int rename_new(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without RENAME_NOREPLACE: a second link to the file is
    // refused when the name is taken, then the old name goes.
    if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno == EEXIST) return EEXIST;
    // Nor links (vfat): looked at first, which leaves a moment in between.
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

std::filesystem::path numbered(const std::filesystem::path& path, int n) {
    if (n <= 1) return path;
    std::filesystem::path name = path.stem();
    name += " (" + std::to_string(n) + ")";
    name += path.extension();
    return path.parent_path() / name;
}

std::pair<std::filesystem::path, int> unnumbered(const std::filesystem::path& path) {
    const std::string stem = path.stem().string();
    const std::size_t open = stem.rfind(" (");
    if (open == std::string::npos || !stem.ends_with(')') || stem.size() - open < 4)
        return {path, 1};
    const std::string digits = stem.substr(open + 2, stem.size() - open - 3);
    if (digits.size() > 6 || digits[0] == '0' ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return {path, 1};
    const int n = std::stoi(digits);
    if (n < 2) return {path, 1};
    return {path.parent_path() / (stem.substr(0, open) + path.extension().string()), n};
}

} // namespace zenka
