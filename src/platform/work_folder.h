#pragma once
// The private folder of one run, where the channel files are written: made under
// $XDG_RUNTIME_DIR (or the system temp folder) with mode 0700, and removed with
// everything in it when the run ends.

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
};

} // namespace zenka
