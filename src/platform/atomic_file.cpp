#include "platform/atomic_file.h"

#include "platform/left_behind.h"
#include "platform/rename_new.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zenka {
namespace {

namespace fs = std::filesystem;

// The process's file creation mask, read without a window in which it is changed
// for other threads' files: from /proc when it is there.
mode_t creation_mask() {
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[128];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, f) != nullptr)
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(f);
        if (found) return static_cast<mode_t>(mask);
    }
    return 022;
}

bool is_device(const struct stat& st) {
    return S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode);
}

// /dev, /proc and /sys: the system's names, never replaced.
bool in_system_folder(const fs::path& folder) {
    std::error_code ec;
    const std::string real = fs::weakly_canonical(folder, ec).string();
    if (ec) return false;
    for (const std::string_view top : {"/dev", "/proc", "/sys"})
        if (real == top || (real.starts_with(top) && real[top.size()] == '/')) return true;
    return false;
}

constexpr std::string_view kTemporaryMark = ".zenka-";
constexpr std::size_t kRandomLetters = 6; // mkostemp's XXXXXX
constexpr int kAttempts = 8;

// Removes the temporary files in `dir` that runs killed while writing left
// behind: exactly what open() makes, and only once nobody holds their lock.
void remove_dead_temporaries(int dir) {
    for (const std::string& name : names_in(dir)) {
        struct stat st {};
        if (!AtomicFile::is_temporary_name(name) ||
            ::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || st.st_nlink != 1 || (st.st_mode & 07777) != 0600)
            continue;
        if (const sound::UniqueFd lock = lock_if_free(dir, name.c_str()))
            ::unlinkat(dir, name.c_str(), 0);
    }
}

} // namespace

bool AtomicFile::is_temporary_name(std::string_view name) {
    const std::size_t tail = kTemporaryMark.size() + kRandomLetters;
    if (name.size() <= 1 + tail || name.front() != '.') return false;
    const std::string_view end = name.substr(name.size() - tail);
    return end.starts_with(kTemporaryMark) &&
           std::all_of(end.begin() + static_cast<std::ptrdiff_t>(kTemporaryMark.size()), end.end(),
                       [](char c) {
                           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                  (c >= '0' && c <= '9');
                       });
}

bool AtomicFile::fail(const std::string& what) {
    error_ = what + ": " + std::strerror(errno);
    return false;
}

bool AtomicFile::open(const fs::path& target) {
    discard();
    error_.clear();
    target_ = target;
    struct stat st {};
    const bool exists = ::lstat(target.c_str(), &st) == 0;
    // A link is looked through: one to a device (/dev/stdout on a terminal) is
    // written through, one to anything else is replaced below, never followed.
    const bool link = exists && S_ISLNK(st.st_mode);
    if (link && (::stat(target.c_str(), &st) != 0 || S_ISREG(st.st_mode))) st.st_mode = S_IFREG;
    if (exists && !S_ISREG(st.st_mode)) {
        if (!is_device(st)) {
            error_ = S_ISDIR(st.st_mode) ? "not a file or device but a folder"
                                         : "not a file or device but a FIFO or socket";
            return false;
        }
        // A device is written where it is; the second look keeps a file swapped
        // in meanwhile from being written instead.
        fd_ = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (link ? 0 : O_NOFOLLOW));
        if (fd_ < 0) return fail("cannot open");
        if (::fstat(fd_, &st) != 0 || !is_device(st)) {
            ::close(fd_);
            fd_ = -1;
            error_ = "not a file or device";
            return false;
        }
        // A WAV file is completed by rewriting its head: a terminal cannot take one.
        if (::lseek(fd_, 0, SEEK_CUR) < 0) {
            error_ = ::isatty(fd_) == 1 ? "not a file or a device that can seek but a terminal"
                                        : "not a file but a device that cannot seek";
            ::close(fd_);
            fd_ = -1;
            return false;
        }
        direct_ = true;
        writing_ = target;
        return true;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // /dev/stdout redirected to a file is a link in /dev: replacing it would
    // take the system's own name away.
    if (in_system_folder(folder)) {
        error_ = "not a file of its own but a name in " + fs::weakly_canonical(folder).string() +
                 "; give the file's own name";
        return false;
    }
    const sound::UniqueFd dir = sound::open_folder(folder);
    if (dir) remove_dead_temporaries(dir.get());
    // Appended piece by piece: GCC 12 at -O3 takes "." + std::string for an overlapping
    // copy (-Wrestrict).
    std::string name(".");
    name += target.filename().string();
    name += kTemporaryMark;
    name += "XXXXXX";
    // The lock is taken right after the file is made; a start that sweeps the
    // folder in between takes it first, and this run then makes another.
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string pattern = (folder / name).string();
        fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd_ < 0) return fail("cannot create a file in " + folder.string());
        struct stat made {};
        struct stat named {};
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd_, &made) == 0 &&
            ::lstat(pattern.c_str(), &named) == 0 && same_file(made, named)) {
            writing_ = pattern;
            return true;
        }
        ::close(fd_);
        fd_ = -1;
    }
    errno = EAGAIN;
    return fail("cannot create a file in " + folder.string());
}

namespace {

// Renames `from` to `target`, or when that is taken to the first free name
// after it, NAME (2).EXT, NAME (3).EXT ... (after NAME (4).EXT for a target
// NAME (4).EXT); the name taken goes into `target`. 0 or the errno of the failure.
int rename_to_free_name(const fs::path& from, fs::path& target) {
    constexpr int kNames = 1000;
    const auto [base, first] = unnumbered(target);
    for (int n = first; n < first + kNames; ++n) {
        const fs::path name = numbered(base, n);
        const int failure = rename_new(from, name);
        if (failure != EEXIST) {
            if (failure == 0) target = name;
            return failure;
        }
    }
    return EEXIST;
}

} // namespace

bool AtomicFile::commit(Replace replace) {
    if (fd_ < 0) {
        errno = EBADF;
        return fail("not open");
    }
    bool ok = true;
    // The mode any new file would get (0600 while it was written), where the
    // file system keeps modes.
    if (!direct_) ::fchmod(fd_, 0666 & ~creation_mask());
    if (!direct_ && ::fsync(fd_) != 0) ok = fail("cannot write");
    if (::close(fd_) != 0 && ok) ok = fail("cannot write");
    fd_ = -1;
    if (direct_) {
        writing_.clear();
        return ok;
    }
    if (replace == Replace::never) {
        // What was written is never removed: when it cannot be named, it stays
        // under its own name, with the mode of a finished file, so that no
        // sweep takes it for a dead writer's.
        if (const int failure = ok ? rename_to_free_name(writing_, target_) : 0; failure != 0) {
            errno = failure;
            ok = fail("cannot name it");
        }
        if (!ok) {
            error_ += "; what was written is kept as " + writing_.string();
            writing_.clear();
            return false;
        }
    } else if (ok && ::rename(writing_.c_str(), target_.c_str()) != 0) {
        ok = fail("cannot replace");
    }
    if (!ok) {
        discard();
        return false;
    }
    // The new name on disk too, as far as the file system lets a folder be synced.
    if (const sound::UniqueFd dir = sound::open_folder(writing_.parent_path())) ::fsync(dir.get());
    writing_.clear();
    return true;
}

void AtomicFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!direct_ && !writing_.empty()) ::unlink(writing_.c_str());
    writing_.clear();
    direct_ = false;
}

} // namespace zenka
