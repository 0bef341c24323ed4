#pragma once
// Writing a file so that the old one survives every failure. A regular file (or
// a new one) is written under an unpredictable name beside the target, made
// with O_EXCL so no planted link or file is ever opened, then synced and renamed
// over the target (a link there is replaced, not followed). A device such as
// /dev/null, or a link to one, is written in place; any other kind of target
// (folder, FIFO, socket) is refused. Until commit() succeeds, the
// destructor removes what was written.

#include <filesystem>
#include <string>

namespace zenka {

class AtomicFile {
  public:
    AtomicFile() = default;
    ~AtomicFile() { discard(); }
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Opens the file to write for `target`; false with error() when it cannot.
    bool open(const std::filesystem::path& target);
    // The open descriptor to write to, -1 when none.
    int fd() const { return fd_; }
    // The file being written: the temporary file, or the device itself.
    const std::filesystem::path& writing() const { return writing_; }
    // True when the target is a device written in place.
    bool direct() const { return direct_; }

    // Syncs, closes and puts the file at the target. On failure the temporary
    // file is removed and the target is as it was.
    bool commit();
    // Closes and removes the temporary file; the target stays as it was.
    void discard();

    const std::string& error() const { return error_; }

  private:
    bool fail(const std::string& what);

    int fd_ = -1;
    bool direct_ = false;
    std::filesystem::path target_;
    std::filesystem::path writing_;
    std::string error_;
};

} // namespace zenka
