#include "platform/left_behind.h"

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <unistd.h>

namespace zenka {

std::vector<std::string> names_in(int dir) {
    std::vector<std::string> names;
    const int copy = ::dup(dir); // fdopendir takes the descriptor it is given
    if (copy < 0) return names;
    const std::unique_ptr<DIR, int (*)(DIR*)> list(::fdopendir(copy), ::closedir);
    if (!list) {
        ::close(copy);
        return names;
    }
    ::rewinddir(list.get());
    while (const dirent* entry = ::readdir(list.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    return names;
}

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

sound::UniqueFd lock_if_free(int dir, const char* name) {
    sound::UniqueFd file(
        ::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat held {};
    if (!file || ::fstat(file.get(), &held) != 0 || !S_ISREG(held.st_mode) ||
        held.st_uid != ::geteuid() || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return {};
    // Still the file of that name: another start may have removed it meanwhile.
    struct stat named {};
    if (::fstatat(dir, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !same_file(held, named))
        return {};
    return file;
}

} // namespace zenka
