#pragma once
// The private folder of one run, where the channel files are written: made under
// $XDG_RUNTIME_DIR (or the system temp folder) with mode 0700, and removed with
// everything in it when the run ends.
//
// A run holds a lock on the file `lock` in its folder for as long as it lives;
// the system lets it go however the run ends. A run that was killed cannot
// remove its folder, so every new WorkFolder first removes the folders beside
// it whose lock is free: those of runs that are gone, and no others.

#include "platform/sound/unique_fd.h"

#include <filesystem>
#include <string>

namespace zenka {

class WorkFolder {
  public:
    // Makes a new folder below `parent`; empty = $XDG_RUNTIME_DIR, else the temp folder.
    explicit WorkFolder(const std::filesystem::path& parent = {});
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // False when the folder could not be made; error() then says why.
    bool ok() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }
    const std::string& error() const { return error_; }

  private:
    std::filesystem::path path_;
    std::string error_;
    sound::UniqueFd lock_; // let go after the folder is removed
};

} // namespace zenka
