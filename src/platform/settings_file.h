#pragma once
// The band window's settings file (QSettings, INI format, settings_file() of
// xdg_folders.h) looked at before Qt reads it, and set aside on request. Qt
// reads whatever it finds, follows links and waits on a FIFO; a damaged or
// hostile file is moved aside here first, never removed, so that Qt starts a
// fresh one.

#include "platform/clock.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace zenka {

// A settings file holds a few dozen lines; anything larger is not one.
inline constexpr std::size_t kSettingsLimit = 1024 * 1024;

// Empty when the file is absent or sound; else one line for the user: it was
// moved aside (and where), or why it is left as it is. When it is left, the
// caller should not let Qt write there.
struct SettingsCheck {
    std::string message;
    bool usable = true; // Qt may read and write the file
};
SettingsCheck check_settings_file(const std::filesystem::path& file, const Clock& clock);

// `zenka --reset-settings`: the settings file moved aside as
// "zenka.conf.reset-20261209T061302Z", so that the receiver starts afresh.
// The line to tell the user, and whether it went.
struct SettingsReset {
    std::string message;
    bool ok = true;
};
SettingsReset reset_settings_file(const std::filesystem::path& file, const Clock& clock);

} // namespace zenka
