#pragma once
// An owned file descriptor, and opening files for reading without surprises:
// only regular files are accepted, and a FIFO or device never blocks the open.

#include <filesystem>
#include <utility>

namespace zenka::sound {

class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    void reset();

  private:
    int fd_ = -1;
};

// Opens `file` for reading if it is a regular file (following symbolic links).
UniqueFd open_regular(const std::filesystem::path& file);

// Opens `name` inside the open folder `dir` if it is a regular file there; a
// symbolic link is never followed.
UniqueFd open_regular_in(const UniqueFd& dir, const char* name);

// Opens a folder for openat-style lookups; invalid when it is not a folder.
UniqueFd open_folder(const std::filesystem::path& folder);

} // namespace zenka::sound
