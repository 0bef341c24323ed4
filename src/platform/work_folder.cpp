#include "platform/work_folder.h"

#include "platform/left_behind.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zenka {
namespace {

using sound::UniqueFd;

constexpr std::string_view kPrefix = "zenka-";
constexpr std::size_t kRandomLetters = 6; // mkdtemp's XXXXXX
constexpr const char* kLock = "lock";
constexpr const char* kNewLock = "lock.new";
constexpr const char* kMarker = "marker";

std::filesystem::path default_parent() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime)
        return runtime;
    std::error_code ec;
    auto temp = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : temp;
}

bool is_letter_or_digit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// zenka-XXXXXX as mkdtemp makes it.
bool is_run_folder_name(std::string_view name) {
    if (!name.starts_with(kPrefix) || name.size() != kPrefix.size() + kRandomLetters) return false;
    const std::string_view random = name.substr(kPrefix.size());
    return std::all_of(random.begin(), random.end(), is_letter_or_digit);
}

// The names a run writes into its folder: the lock, the marker and the channel
// files ZENKA00.WAV ... ZENKA09.WAV.
bool is_run_file_name(std::string_view name) {
    if (name == kLock || name == kMarker) return true;
    return name.size() == 11 && name.starts_with("ZENKA0") && name[6] >= '0' && name[6] <= '9' &&
           name.ends_with(".WAV");
}

// The folder `name` in `dir`, if it is a folder (not a link) of the user's that
// nobody else may enter, as mkdtemp makes it.
UniqueFd open_own_folder(int dir, const char* name) {
    UniqueFd folder(::openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!folder || ::fstat(folder.get(), &st) != 0 || st.st_uid != ::geteuid() ||
        (st.st_mode & 07777) != 0700)
        return UniqueFd();
    return folder;
}

bool has_marker(int folder) {
    const UniqueFd marker(
        ::openat(folder, kMarker, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!marker || ::fstat(marker.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid() ||
        static_cast<std::size_t>(st.st_size) != WorkFolder::kMarkerText.size())
        return false;
    char text[128];
    static_assert(sizeof text >= WorkFolder::kMarkerText.size());
    const ssize_t got = ::read(marker.get(), text, sizeof text);
    return got >= 0 &&
           std::string_view(text, static_cast<std::size_t>(got)) == WorkFolder::kMarkerText;
}

// True when everything in `folder` is a regular file (not a link or folder) of
// the user's, under a name that a run writes.
bool holds_only_run_files(int folder, const std::vector<std::string>& names) {
    return std::all_of(names.begin(), names.end(), [folder](const std::string& name) {
        struct stat st {};
        return is_run_file_name(name) &&
               ::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
               S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
    });
}

void remove_if_dead(int parent, const char* name) {
    const UniqueFd folder = open_own_folder(parent, name);
    if (!folder || !has_marker(folder.get())) return;
    const UniqueFd lock = lock_if_free(folder.get(), kLock);
    if (!lock) return;
    const std::vector<std::string> names = names_in(folder.get());
    if (!holds_only_run_files(folder.get(), names)) return;
    for (const std::string& file : names)
        ::unlinkat(folder.get(), file.c_str(), 0);
    struct stat opened {};
    struct stat named {};
    if (::fstat(folder.get(), &opened) == 0 &&
        ::fstatat(parent, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && same_file(opened, named))
        ::unlinkat(parent, name, AT_REMOVEDIR);
}

// The folders of runs that are gone, below `parent`; everything else stays.
void remove_dead_folders(const std::filesystem::path& parent) {
    const UniqueFd dir = sound::open_folder(parent);
    if (!dir) return;
    for (const std::string& name : names_in(dir.get()))
        if (is_run_folder_name(name)) remove_if_dead(dir.get(), name.c_str());
}

// The lock of a new folder, held from here on. It is taken under another name and
// then renamed, so that no start ever finds the `lock` of a living run free.
UniqueFd lock_new_folder(int dir) {
    UniqueFd lock(
        ::openat(dir, kNewLock, O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!lock || ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0 ||
        ::renameat(dir, kNewLock, dir, kLock) != 0)
        return UniqueFd();
    return lock;
}

// Written after the lock: a folder with the marker always has its lock.
bool write_marker(int dir) {
    const UniqueFd marker(
        ::openat(dir, kMarker, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    return marker &&
           ::write(marker.get(), WorkFolder::kMarkerText.data(), WorkFolder::kMarkerText.size()) ==
               static_cast<ssize_t>(WorkFolder::kMarkerText.size());
}

// The folders of this process that exit() is to remove: Qt ends the process
// that way when it loses the display, past every destructor on the stack.
class FoldersAtExit {
  public:
    static FoldersAtExit& get() {
        static FoldersAtExit folders; // made before the handler is registered: outlives it
        static const bool registered = std::atexit(remove_all_at_exit) == 0;
        (void)registered;
        return folders;
    }
    void add(const std::filesystem::path& folder) {
        const std::lock_guard lock(mutex_);
        folders_.emplace_back(::getpid(), folder);
    }
    void remove(const std::filesystem::path& folder) {
        const std::lock_guard lock(mutex_);
        std::erase_if(folders_, [&](const auto& entry) { return entry.second == folder; });
    }

  private:
    // Only the process that made a folder removes it: a forked child that
    // calls exit() leaves its parent's alone.
    static void remove_all_at_exit() {
        FoldersAtExit& self = get();
        const std::lock_guard lock(self.mutex_);
        for (const auto& [pid, folder] : self.folders_) {
            std::error_code ignored;
            if (pid == ::getpid()) std::filesystem::remove_all(folder, ignored);
        }
        self.folders_.clear();
    }

    std::mutex mutex_;
    std::vector<std::pair<pid_t, std::filesystem::path>> folders_;
};

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
    FoldersAtExit::get().add(path_);
    // Without the lock (a file system without flock) or the marker the run goes
    // on; only a killed run's folder would then stay behind.
    if (const UniqueFd dir = sound::open_folder(path_)) {
        lock_ = lock_new_folder(dir.get());
        if (lock_) write_marker(dir.get());
    }
}

WorkFolder::~WorkFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    FoldersAtExit::get().remove(path_);
}

} // namespace zenka
