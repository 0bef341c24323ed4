#pragma once
// Where the program keeps the listener's files, by the XDG rules: settings,
// bookmarks and timers under the configuration folder, recordings in the music
// folder. The environment is a value, so that a test can give any.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zenka {

struct XdgEnvironment {
    std::string home;        // $HOME
    std::string config_home; // $XDG_CONFIG_HOME, empty when unset
    std::string music_dir;   // $XDG_MUSIC_DIR, empty when unset
    std::string data_home = {}; // $XDG_DATA_HOME, empty when unset

    // This process's environment; without $HOME, "/" as Qt has it.
    static XdgEnvironment from_process();
};

// $XDG_CONFIG_HOME, else ~/.config. A relative $XDG_CONFIG_HOME is taken from the
// current folder, as Qt's settings take it, so that every kept file lies beside
// the settings.
std::filesystem::path config_home(const XdgEnvironment& env);
// The program's own: config_home() / "zenka".
std::filesystem::path config_folder(const XdgEnvironment& env);

// The files kept there: the band window's settings (QSettings in INI format),
// the bookmarks and the timer recordings.
std::filesystem::path settings_file(const XdgEnvironment& env);  // zenka/zenka.conf
std::filesystem::path bookmarks_file(const XdgEnvironment& env); // zenka/bookmarks.csv
std::filesystem::path timers_file(const XdgEnvironment& env);    // zenka/timers.txt

// $XDG_DATA_HOME, else ~/.local/share (a relative one from the current folder), and the
// program's own folder there with the copy practice log.
std::filesystem::path data_home(const XdgEnvironment& env);
std::filesystem::path practice_file(const XdgEnvironment& env); // zenka/practice.tsv

// The music folder: an absolute $XDG_MUSIC_DIR, else as xdg-user-dirs writes it
// into config_home()/user-dirs.dirs (XDG_MUSIC_DIR="$HOME/Music"), else ~/Music.
std::filesystem::path music_folder(const XdgEnvironment& env);

// The folder `key` ("XDG_MUSIC_DIR") of a user-dirs.dirs text: a line
// KEY="$HOME/..." or KEY="/absolute", with \" \\ \$ \` escaped; nothing for a
// relative path, a missing key or a line of another form.
std::optional<std::filesystem::path> user_dir(std::string_view dirs_text, std::string_view key,
                                              const std::filesystem::path& home);

} // namespace zenka
