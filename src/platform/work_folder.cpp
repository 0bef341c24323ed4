#include "platform/work_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace zenka {
namespace {

using sound::UniqueFd;

constexpr std::string_view kPrefix = "zenka-";
constexpr const char* kLock = "lock";
constexpr const char* kNewLock = "lock.new";

std::filesystem::path default_parent() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime)
        return runtime;
    std::error_code ec;
    auto temp = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : temp;
}

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The names in the open folder `dir`, without "." and "..".
std::vector<std::string> entries(int dir) {
    std::vector<std::string> names;
    const int copy = ::dup(dir); // fdopendir takes the descriptor it is given
    if (copy < 0) return names;
    const std::unique_ptr<DIR, int (*)(DIR*)> list(::fdopendir(copy), ::closedir);
    if (!list) {
        ::close(copy);
        return names;
    }
    while (const dirent* entry = ::readdir(list.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    return names;
}

// The folder `name` in `dir`, if it is a folder of this user and not a symbolic link.
UniqueFd open_own_folder(int dir, const char* name) {
    UniqueFd folder(::openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!folder || ::fstat(folder.get(), &st) != 0 || st.st_uid != ::geteuid()) return UniqueFd();
    return folder;
}

// Removes everything in the open folder `dir`. A symbolic link is removed, never
// followed.
void empty_folder(int dir) {
    for (const std::string& name : entries(dir)) {
        struct stat st {};
        if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISDIR(st.st_mode)) {
            ::unlinkat(dir, name.c_str(), 0);
            continue;
        }
        if (const UniqueFd inner = open_own_folder(dir, name.c_str())) empty_folder(inner.get());
        ::unlinkat(dir, name.c_str(), AT_REMOVEDIR);
    }
}

// The lock of a run's folder, taken, when the run is gone. Invalid when the run
// lives or the folder has no lock (not a run's, or one still being made).
UniqueFd take_free_lock(const UniqueFd& folder) {
    UniqueFd lock = sound::open_regular_in(folder, kLock);
    if (!lock || ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) return UniqueFd();
    // Still the folder's lock: another start may have removed the folder meanwhile.
    struct stat held {};
    struct stat named {};
    if (::fstat(lock.get(), &held) != 0 ||
        ::fstatat(folder.get(), kLock, &named, AT_SYMLINK_NOFOLLOW) != 0 || !same_file(held, named))
        return UniqueFd();
    return lock;
}

void remove_if_dead(int parent, const char* name) {
    const UniqueFd folder = open_own_folder(parent, name);
    if (!folder) return;
    const UniqueFd lock = take_free_lock(folder);
    if (!lock) return;
    empty_folder(folder.get());
    struct stat opened {};
    struct stat named {};
    if (::fstat(folder.get(), &opened) == 0 &&
        ::fstatat(parent, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && same_file(opened, named))
        ::unlinkat(parent, name, AT_REMOVEDIR);
}

// The folders of runs that are gone, below `parent`; those of other users, other
// names and living runs stay.
void remove_dead_folders(const std::filesystem::path& parent) {
    const UniqueFd dir = sound::open_folder(parent);
    if (!dir) return;
    for (const std::string& name : entries(dir.get()))
        if (name.starts_with(kPrefix)) remove_if_dead(dir.get(), name.c_str());
}

// The lock of a new folder, held from here on. It is taken under another name and
// then renamed, so that no start ever finds the `lock` of a living run free.
UniqueFd lock_new_folder(const std::filesystem::path& folder) {
    const UniqueFd dir = sound::open_folder(folder);
    if (!dir) return UniqueFd();
    UniqueFd lock(
        ::openat(dir.get(), kNewLock, O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!lock || ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0 ||
        ::renameat(dir.get(), kNewLock, dir.get(), kLock) != 0)
        return UniqueFd();
    return lock;
}

} // namespace

WorkFolder::WorkFolder(const std::filesystem::path& parent) {
    const std::filesystem::path base = parent.empty() ? default_parent() : parent;
    remove_dead_folders(base);
    std::string pattern = (base / (std::string(kPrefix) + "XXXXXX")).string();
    // mkdtemp makes the folder with mode 0700.
    if (::mkdtemp(pattern.data()) == nullptr) {
        error_ = "cannot make a working folder in " + base.string() + ": " + std::strerror(errno);
        return;
    }
    path_ = pattern;
    // Without the lock (a file system without flock) the run goes on; only a
    // killed run's folder would then stay behind.
    lock_ = lock_new_folder(path_);
}

WorkFolder::~WorkFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace zenka
