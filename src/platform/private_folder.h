#pragma once
// Folders and files that only the user may touch: a folder of the user's own
// with mode 0700 (made if missing), and the single-instance lock kept in one.

#include <filesystem>
#include <string>

namespace zenka {

// Makes `folder` with mode 0700 if it is missing, then checks that it is a real
// folder (not a link), owned by the user, that nobody else may enter. Empty
// when it is fit for private files; else why not.
std::string make_private_folder(const std::filesystem::path& folder);

// The folder for the lock: $XDG_RUNTIME_DIR when set, else <temp>/zenka-UID.
std::filesystem::path private_runtime_folder();

// A lock on `<folder>/zenka.lock`, held for the life of the object (and let go by
// the system however the process ends). The file is opened without following a
// link, in a folder checked by make_private_folder().
class InstanceLock {
  public:
    explicit InstanceLock(const std::filesystem::path& folder = private_runtime_folder());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Another process (or lock object) holds the lock.
    bool busy() const { return busy_; }
    // Why the check could not be made; empty when it was.
    const std::string& error() const { return error_; }

  private:
    int fd_ = -1;
    bool busy_ = false;
    std::string error_;
};

} // namespace zenka
