#pragma once
// What the naval and military tests share: instants on a chosen clock reading, the words of a
// text and the in-band speed switches of a slot.

#include "support/generator_sweep.h"

#include <chrono>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace zenka::test {

// 2026-03-10 (a Tuesday) at hh:mm:ss.ms, on day 10 + `day`.
inline UtcInstant naval_instant(int hour, int minute, int second, int ms, int day = 0) {
    using namespace std::chrono;
    return *parse_utc("2026-03-10T00:00:00Z") + days(day) + hours(hour) + minutes(minute) +
           seconds(second) + milliseconds(ms);
}

// A seed for case k, its bits scattered (a 32-bit hash finaliser) so that its residues do not
// follow the case's instant.
inline std::uint32_t seed_of(int k) {
    auto h = static_cast<std::uint32_t>(k) + 0x9e3779b9u;
    h = (h ^ (h >> 16)) * 0x85ebca6bu;
    h = (h ^ (h >> 13)) * 0xc2b2ae35u;
    return h ^ (h >> 16);
}

// The blank-separated words of a text.
inline std::vector<std::string> words_of(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// The speed switches of a slot's raw text: each switched-to speed with the position of the
// plain text where it takes effect.
inline std::vector<std::pair<int, std::size_t>> speed_switches(const std::string& raw) {
    std::vector<std::pair<int, std::size_t>> out;
    std::size_t plain = 0;
    for (std::size_t k = 0; k < raw.size(); ++k) {
        if (raw[k] == 0x01 && k + 1 < raw.size()) {
            out.emplace_back(static_cast<unsigned char>(raw[++k]), plain);
        } else if (raw[k] == 0x03) {
            ++k;
        } else if (raw[k] == 0x02) {
            k += 2;
        } else {
            ++plain;
        }
    }
    return out;
}

} // namespace zenka::test
