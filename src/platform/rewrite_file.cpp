#include "platform/rewrite_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace zenka {

RewriteFile::~RewriteFile() {
    close();
}

bool RewriteFile::fail(const char* what) {
    error_ = std::string(what) + ": " + std::strerror(errno);
    return false;
}

bool RewriteFile::open(const std::filesystem::path& path) {
    close();
    error_.clear();
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return fail("cannot create");
    return true;
}

bool RewriteFile::adopt(int fd) {
    close();
    error_.clear();
    fd_ = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (fd_ < 0) return fail("cannot write");
    return true;
}

bool RewriteFile::write_at(std::uint64_t offset, std::span<const ByteRun> runs) {
    if (fd_ < 0) return false;
    constexpr std::size_t kBatch = 1024; // IOV_MAX on Linux
    iovec iov[kBatch];
    std::size_t next = 0;
    while (next < runs.size()) {
        const std::size_t count = std::min(kBatch, runs.size() - next);
        for (std::size_t i = 0; i < count; ++i)
            iov[i] = {const_cast<std::uint8_t*>(runs[next + i].data), runs[next + i].size};
        // A short write leaves the rest of the batch for the next round.
        iovec* pending = iov;
        std::size_t left = count;
        while (left > 0) {
            const ssize_t done =
                ::pwritev(fd_, pending, static_cast<int>(left), static_cast<off_t>(offset));
            if (done < 0) {
                if (errno == EINTR) continue;
                return fail("cannot write");
            }
            if (done == 0) {
                errno = EIO;
                return fail("cannot write");
            }
            offset += static_cast<std::uint64_t>(done);
            auto rest = static_cast<std::size_t>(done);
            while (left > 0 && rest >= pending->iov_len) {
                rest -= pending->iov_len;
                ++pending;
                --left;
            }
            if (left > 0) {
                pending->iov_base = static_cast<std::uint8_t*>(pending->iov_base) + rest;
                pending->iov_len -= rest;
            }
        }
        next += count;
    }
    return true;
}

bool RewriteFile::write_at(std::uint64_t offset, const void* data, std::size_t size) {
    const ByteRun run{static_cast<const std::uint8_t*>(data), size};
    return write_at(offset, std::span<const ByteRun>(&run, 1));
}

bool RewriteFile::finish(std::uint64_t size) {
    if (fd_ < 0) return false;
    struct stat st {};
    bool ok = true;
    if (::fstat(fd_, &st) != 0)
        ok = fail("cannot examine");
    else if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) != size &&
             ::ftruncate(fd_, static_cast<off_t>(size)) != 0)
        ok = fail("cannot set the length");
    if (::close(fd_) != 0 && ok) ok = fail("cannot close");
    fd_ = -1;
    return ok;
}

void RewriteFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

} // namespace zenka
