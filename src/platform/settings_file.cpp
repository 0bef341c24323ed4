#include "platform/settings_file.h"

#include "platform/kept_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace zenka {

SettingsCheck check_settings_file(const std::filesystem::path& file, const Clock& clock) {
    const KeptLoad load = load_kept_file(file, kSettingsLimit, clock, "settings");
    return {load.message, load.writable};
}

SettingsReset reset_settings_file(const std::filesystem::path& file, const Clock& clock) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0) {
        if (errno == ENOENT)
            return {"no settings to reset: " + file.string() + " is not there; starting afresh",
                    true};
        return {"cannot reset the settings: " + file.string() + ": " + std::strerror(errno), false};
    }
    std::string error;
    const std::filesystem::path aside = move_aside(file, "reset", clock.now(), error);
    if (aside.empty())
        return {"cannot reset the settings: " + file.string() + " cannot be moved aside (" + error +
                    ")",
                false};
    return {"settings reset: the old settings are kept as " + aside.string() + "; starting afresh",
            true};
}

} // namespace zenka
