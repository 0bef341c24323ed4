#include "platform/private_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zenka {

namespace fs = std::filesystem;

std::string make_private_folder(const fs::path& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return "cannot make " + folder.string() + ": " + std::strerror(errno);
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0)
        return "cannot examine " + folder.string() + ": " + std::strerror(errno);
    if (!S_ISDIR(st.st_mode)) return folder.string() + " is not a folder";
    if (st.st_uid != ::geteuid()) return folder.string() + " belongs to another user";
    if ((st.st_mode & 077) != 0) return folder.string() + " is open to other users";
    return {};
}

fs::path private_runtime_folder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime)
        return runtime;
    std::error_code ec;
    fs::path temp = fs::temp_directory_path(ec);
    if (ec) temp = "/tmp";
    return temp / ("zenka-" + std::to_string(::geteuid()));
}

InstanceLock::InstanceLock(const fs::path& folder) {
    if (error_ = make_private_folder(folder); !error_.empty()) return;
    const fs::path file = folder / "zenka.lock";
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        error_ = "cannot open " + file.string() + ": " + std::strerror(errno);
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
    if (errno == EWOULDBLOCK)
        busy_ = true;
    else
        error_ = "cannot lock " + file.string() + ": " + std::strerror(errno);
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

} // namespace zenka
