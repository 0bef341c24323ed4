#pragma once
// Reading weather texts back in tests: instants by their ISO form and a text's blank-separated
// groups.

#include "platform/clock.h"

#include <sstream>
#include <string>
#include <vector>

namespace zenka::test {

inline UtcInstant at(const char* iso) {
    return *parse_utc(iso);
}

inline std::vector<std::string> groups(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string g; in >> g;)
        out.push_back(g);
    return out;
}

} // namespace zenka::test
