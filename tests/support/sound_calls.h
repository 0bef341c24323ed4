#pragma once
// The sounds a pass asked for, as lines of text like those of a NullSound:
// "loop_carrier ZENKA09.WAV" for every carrier requested (started or not) and
// "play_recording fone/rtt-001.wav" for every recording.

#include "compose/air.h"
#include "platform/sound/null_sound.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zenka::test {

inline std::vector<std::string> sound_lines(const std::vector<SoundRequest>& sounds,
                                            std::size_t from = 0) {
    std::vector<std::string> lines;
    for (std::size_t i = from; i < sounds.size(); ++i) {
        const SoundRequest& s = sounds[i];
        lines.push_back(s.kind == SoundRequest::Kind::Carrier ? "loop_carrier ZENKA09.WAV"
                                                              : "play_recording " + s.name);
    }
    return lines;
}

// The sounds of a pass so far; `take` remembers what it has handed out.
class SoundCursor {
  public:
    std::vector<std::string> calls(const Air& a) const {
        return sound_lines(a.so_far().sounds, seen_);
    }
    std::vector<std::string> take(const Air& a) {
        std::vector<std::string> lines = calls(a);
        seen_ = a.so_far().sounds.size();
        return lines;
    }

  private:
    std::size_t seen_ = 0;
};

// The calls a NullSound saw, with the test's folder cut from the file names.
inline std::vector<std::string> calls(const sound::NullSound& out,
                                      const std::filesystem::path& folder) {
    const std::string prefix = folder.string() + "/";
    std::vector<std::string> lines = out.calls();
    for (std::string& line : lines)
        if (const auto at = line.find(prefix); at != std::string::npos)
            line.erase(at, prefix.size());
    return lines;
}

// The same, and forgets them.
inline std::vector<std::string> take(sound::NullSound& out, const std::filesystem::path& folder) {
    std::vector<std::string> lines = calls(out, folder);
    out.clear();
    return lines;
}

} // namespace zenka::test
