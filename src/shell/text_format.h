#pragma once
// printf-style formatting into a string, for the reports' short fields and lines.

#include <cstdio>
#include <string>

namespace zenka {

// At most 255 characters: the reports format numbers and short words with it.
std::string format(const char* fmt, auto... args) {
    char buf[256];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

} // namespace zenka
