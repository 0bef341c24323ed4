#pragma once
// The private folder of one run, where the channel files are written: made under
// $XDG_RUNTIME_DIR (or the system temp folder) with mode 0700, and removed with
// everything in it when the run ends, also when the process ends by exit() (as
// Qt ends it when the display goes away).
//
// A run's folder is named zenka-XXXXXX (six random letters or digits) and holds
// a file `marker` with a fixed text, and the file `lock`, locked for as long as
// the run lives; the system lets the lock go however the run ends. A run that was
// killed cannot remove its folder, so every new WorkFolder first removes the
// folders beside it that are exactly what a run leaves: that name, the user's
// own, mode 0700, the marker, a free lock, and nothing in it but regular files
// of the names a run writes. Anything else stays as it is.

#include "platform/sound/unique_fd.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zenka {

class WorkFolder {
  public:
    // The text of the marker file.
    static constexpr std::string_view kMarkerText =
        "Zenka working folder: the channel files of one run, removed when it ends.\n";

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
