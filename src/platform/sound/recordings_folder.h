#pragma once
// The recordings folder and the names of the recordings in it, "fone/<file>".
// Only a plain file name after "fone/" is accepted, and the file is opened
// relative to the folder without following symbolic links, so nothing outside
// the folder is ever opened.

#include "platform/sound/unique_fd.h"

#include <filesystem>
#include <string_view>

namespace zenka::sound {

class RecordingsFolder {
  public:
    static constexpr std::string_view kPrefix = "fone/";
    // Larger files are refused: a recording is a clip of seconds, not an album.
    static constexpr long long kMaxBytes = 64ll << 20;

    explicit RecordingsFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // $ZENKA_FONE if set, else "fone" beside the executable (a build tree), else
    // the data folder relative to the executable's folder (an installed tree
    // wherever its prefix now is: /usr, /usr/local, a package unpacked
    // anywhere), else the data folder of the configured prefix, else "./fone".
    static RecordingsFolder locate();
    // The same choice with its inputs spelled out (`env` may be null;
    // `relative_data` is taken from `exe_folder`).
    static std::filesystem::path choose(const char* env, const std::filesystem::path& exe_folder,
                                        const std::filesystem::path& data_folder,
                                        const std::filesystem::path& relative_data = {});

    const std::filesystem::path& path() const { return folder_; }

    // "fone/" followed by a non-empty plain file name: no further "/", not "."
    // or "..", no NUL byte.
    static bool valid_name(std::string_view name);

    // Opens the recording called `name`; invalid when the name is refused or
    // the file is missing, not a regular file, a symbolic link, or above kMaxBytes.
    UniqueFd open(std::string_view name) const;

  private:
    std::filesystem::path folder_;
};

} // namespace zenka::sound
