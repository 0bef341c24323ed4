#pragma once
// The calls a NullSound saw, with the test's folder cut from the file names.

#include "platform/sound/null_sound.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zenka::test {

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
