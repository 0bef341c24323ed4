#include "platform/xdg_folders.h"

#include "platform/kept_file.h"
#include "platform/text_lines.h"

#include <cstdlib>

namespace zenka {
namespace {

namespace fs = std::filesystem;

// user-dirs.dirs is a few lines; anything larger is not one.
constexpr std::size_t kDirsLimit = 64 * 1024;

// The text between the quotes of `value` ("...") with its escapes undone.
std::optional<std::string> unquoted(std::string_view value) {
    if (value.size() < 2 || value.front() != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') {
            if (!trimmed(value.substr(i + 1)).empty()) return std::nullopt;
            return out;
        }
        if (c == '\\' && i + 1 < value.size()) {
            const char next = value[i + 1];
            if (next == '"' || next == '\\' || next == '$' || next == '`') {
                out += next;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return std::nullopt; // no closing quote
}

// A folder the environment names (taken from the current folder when relative), else
// `fallback`.
fs::path folder_of(const std::string& named, fs::path fallback) {
    if (named.empty()) return fallback;
    std::error_code ec;
    const fs::path absolute = fs::absolute(named, ec);
    return ec ? fs::path(named) : absolute;
}

} // namespace

XdgEnvironment XdgEnvironment::from_process() {
    XdgEnvironment env;
    const char* home = std::getenv("HOME");
    env.home = home != nullptr && *home != '\0' ? home : "/";
    if (const char* config = std::getenv("XDG_CONFIG_HOME")) env.config_home = config;
    if (const char* music = std::getenv("XDG_MUSIC_DIR")) env.music_dir = music;
    if (const char* data = std::getenv("XDG_DATA_HOME")) env.data_home = data;
    return env;
}

fs::path config_home(const XdgEnvironment& env) {
    return folder_of(env.config_home, fs::path(env.home) / ".config");
}

fs::path config_folder(const XdgEnvironment& env) {
    return config_home(env) / "zenka";
}

fs::path settings_file(const XdgEnvironment& env) {
    return config_folder(env) / "zenka.conf";
}

fs::path bookmarks_file(const XdgEnvironment& env) {
    return config_folder(env) / "bookmarks.csv";
}

fs::path timers_file(const XdgEnvironment& env) {
    return config_folder(env) / "timers.txt";
}

fs::path data_home(const XdgEnvironment& env) {
    return folder_of(env.data_home, fs::path(env.home) / ".local" / "share");
}

fs::path practice_file(const XdgEnvironment& env) {
    return data_home(env) / "zenka" / "practice.tsv";
}

std::optional<fs::path> user_dir(std::string_view dirs_text, std::string_view key,
                                 const fs::path& home) {
    std::optional<fs::path> found;
    while (!dirs_text.empty()) {
        const std::string_view line = trimmed(next_line(dirs_text));
        if (!line.starts_with(key)) continue;
        std::string_view rest = trimmed(line.substr(key.size()));
        if (rest.empty() || rest.front() != '=') continue;
        const std::optional<std::string> value = unquoted(trimmed(rest.substr(1)));
        if (!value) continue;
        // As the shell would read it, the last assignment counts.
        if (*value == "$HOME")
            found = home;
        else if (value->starts_with("$HOME/"))
            found = home / value->substr(6);
        else if (value->starts_with('/'))
            found = fs::path(*value);
    }
    return found;
}

fs::path music_folder(const XdgEnvironment& env) {
    const fs::path home = env.home;
    if (env.music_dir.starts_with('/')) return fs::path(env.music_dir);
    const KeptText dirs = read_kept_text(config_home(env) / "user-dirs.dirs", kDirsLimit);
    if (dirs.state == KeptText::State::read)
        if (std::optional<fs::path> music = user_dir(dirs.text, "XDG_MUSIC_DIR", home))
            return *music;
    return home / "Music";
}

} // namespace zenka
