#include "platform/sound/unique_fd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zenka::sound {
namespace {

// O_NONBLOCK keeps a FIFO from holding up the open; it is cleared again for the
// regular file that is kept.
UniqueFd keep_if_regular(int fd) {
    UniqueFd owned(fd);
    if (!owned) return owned;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return UniqueFd();
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return UniqueFd();
    return owned;
}

} // namespace

void UniqueFd::reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

UniqueFd open_regular(const std::filesystem::path& file) {
    return keep_if_regular(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
}

UniqueFd open_regular_in(const UniqueFd& dir, const char* name) {
    if (!dir) return UniqueFd();
    return keep_if_regular(
        ::openat(dir.get(), name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
}

UniqueFd open_folder(const std::filesystem::path& folder) {
    return UniqueFd(::open(folder.c_str(), O_RDONLY | O_CLOEXEC | O_DIRECTORY));
}

} // namespace zenka::sound
