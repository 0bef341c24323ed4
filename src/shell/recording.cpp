#include "shell/recording.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <vector>

namespace zenka {

Recording::Recording(SoundOutput& out, const Clock& clock, const ReceiverSettings& settings)
    : out_(out), clock_(clock), settings_(settings) {}

std::string Recording::file_name(int freq, UtcInstant start, RecordingFormat format) {
    const SystemTime t = to_system_time(start);
    char name[96];
    std::snprintf(name, sizeof name, "Zenka %d.%d kHz %04u-%02u-%02u %02u%02uZ.%s", freq / 10,
                  freq % 10, unsigned{t.year}, unsigned{t.month}, unsigned{t.day}, unsigned{t.hour},
                  unsigned{t.minute}, format == RecordingFormat::flac ? "flac" : "wav");
    return name;
}

std::string Recording::unwritable(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return ec.message();
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
    return {};
}

Recording::Place Recording::default_folder(const XdgEnvironment& env) {
    const std::filesystem::path home = env.home;
    std::vector<std::filesystem::path> candidates = {music_folder(env) / "Zenka"};
    for (const auto& other : {home / "Music" / "Zenka", home / "Zenka"})
        if (std::find(candidates.begin(), candidates.end(), other) == candidates.end())
            candidates.push_back(other);
    std::string passed;
    for (const std::filesystem::path& folder : candidates) {
        const std::string why = unwritable(folder);
        if (why.empty()) {
            Place place{folder, {}};
            if (!passed.empty()) place.message = passed + "; recordings go to " + folder.string();
            return place;
        }
        passed += (passed.empty() ? "cannot record into " : ", nor into ") + folder.string() +
                  " (" + why + ")";
    }
    return {{}, passed};
}

std::string Recording::start(const std::filesystem::path& folder, RecordingFormat format) {
    if (folder.empty()) return "cannot record: there is no folder to record into";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return "cannot record: cannot make the folder " + folder.string() + ": " + ec.message();
    const std::string error =
        out_.start_recording(folder / file_name(settings_.freq, clock_.now(), format), format);
    return error.empty() ? error : "cannot record: " + error;
}

RecordingStatus Recording::stop() {
    return out_.stop_recording();
}

RecordingStatus Recording::status() const {
    return out_.recording();
}

} // namespace zenka
