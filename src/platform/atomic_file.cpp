#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

} // namespace

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
        direct_ = true;
        writing_ = target;
        return true;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // Appended piece by piece: GCC 12 at -O3 takes "." + std::string for an overlapping
    // copy (-Wrestrict).
    std::string name(".");
    name += target.filename().string();
    name += ".XXXXXX";
    std::string pattern = (folder / name).string();
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) return fail("cannot create a file in " + folder.string());
    writing_ = pattern;
    ::fchmod(fd_, 0666 & ~creation_mask());
    return true;
}

bool AtomicFile::commit() {
    if (fd_ < 0) {
        errno = EBADF;
        return fail("not open");
    }
    bool ok = true;
    if (!direct_ && ::fsync(fd_) != 0) ok = fail("cannot write");
    if (::close(fd_) != 0 && ok) ok = fail("cannot write");
    fd_ = -1;
    if (ok && !direct_ && ::rename(writing_.c_str(), target_.c_str()) != 0)
        ok = fail("cannot replace");
    if (!ok) {
        discard();
        return false;
    }
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
