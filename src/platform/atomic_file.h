#pragma once
// Writing a file so that the old one survives every failure. A regular file (or
// a new one) is written under an unpredictable name beside the target,
// `.NAME.zenka-XXXXXX`, made with O_EXCL so no planted link or file is ever
// opened, then synced and renamed over the target (a link there is replaced, not
// followed). A device that can seek, such as /dev/null, or a link to one, is
// written in place; any other kind of target (folder, FIFO, socket, terminal), and
// a file in /dev, /proc or /sys (/dev/stdout redirected to a file), is refused.
// Until commit() succeeds, the destructor removes what was written.
//
// While it is written, the temporary file has mode 0600 and is locked (flock).
// A run killed by SIGKILL cannot remove it; the next open() in the same folder
// removes every temporary file left so: that name, the user's own, mode 0600,
// one link, and a free lock. Nothing else is touched.

#include <filesystem>
#include <string>
#include <string_view>

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

    // What commit() does when the target's name is taken.
    enum class Replace {
        existing, // the file takes its place
        never,    // the file takes the first free name of NAME (2).EXT, NAME (3).EXT ...
    };

    // Syncs, closes and puts the file at the target. On failure the temporary
    // file is removed and the target is as it was; with Replace::never, a file
    // complete but not renamed stays where it was written, and error() names it.
    bool commit(Replace replace = Replace::existing);
    // Where the file went (or is to go): the target, or with Replace::never the
    // free name it took.
    const std::filesystem::path& target() const { return target_; }
    // Closes and removes the temporary file; the target stays as it was.
    void discard();

    const std::string& error() const { return error_; }

    // True for a name open() gives its temporary files: ".NAME.zenka-XXXXXX".
    static bool is_temporary_name(std::string_view name);

  private:
    bool fail(const std::string& what);

    int fd_ = -1;
    bool direct_ = false;
    std::filesystem::path target_;
    std::filesystem::path writing_;
    std::string error_;
};

} // namespace zenka
