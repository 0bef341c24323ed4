#include "platform/clock.h"

#include <cstdio>

namespace zenka {

using namespace std::chrono;

SystemTime to_system_time(UtcInstant instant) {
    const auto day_start = floor<days>(instant);
    const year_month_day date{day_start};
    const hh_mm_ss clock{instant - day_start};
    SystemTime t;
    t.year = static_cast<std::uint16_t>(static_cast<int>(date.year()));
    t.month = static_cast<std::uint16_t>(static_cast<unsigned>(date.month()));
    t.day_of_week = static_cast<std::uint16_t>(weekday{day_start}.c_encoding());
    t.day = static_cast<std::uint16_t>(static_cast<unsigned>(date.day()));
    t.hour = static_cast<std::uint16_t>(clock.hours().count());
    t.minute = static_cast<std::uint16_t>(clock.minutes().count());
    t.second = static_cast<std::uint16_t>(clock.seconds().count());
    t.milliseconds = static_cast<std::uint16_t>(clock.subseconds().count());
    return t;
}

namespace {

// Reads exactly `width` decimal digits at `pos`.
std::optional<int> digits(std::string_view text, std::size_t pos, std::size_t width) {
    if (pos + width > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = pos; i < pos + width; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<UtcInstant> parse_utc(std::string_view text) {
    // YYYY-MM-DDTHH:MM:SS
    if (text.size() < 19 || text[4] != '-' || text[7] != '-' ||
        (text[10] != 'T' && text[10] != 't') || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const auto y = digits(text, 0, 4), mo = digits(text, 5, 2), d = digits(text, 8, 2);
    const auto h = digits(text, 11, 2), mi = digits(text, 14, 2), s = digits(text, 17, 2);
    if (!y || !mo || !d || !h || !mi || !s) return std::nullopt;
    if (*h > 23 || *mi > 59 || *s > 59) return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return std::nullopt;

    std::size_t pos = 19;
    int millis = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        int scale = 100;
        std::size_t count = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            if (++count > 3) return std::nullopt;
            millis += (text[pos] - '0') * scale;
            scale /= 10;
            ++pos;
        }
        if (count == 0) return std::nullopt;
    }
    // The zone: Z, an offset from UTC (+01:00, +0100, +01, -05:30), or none, which is UTC.
    minutes offset{0};
    if (pos < text.size() && (text[pos] == 'Z' || text[pos] == 'z')) {
        ++pos;
    } else if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        const int sign = text[pos] == '-' ? -1 : 1;
        const auto oh = digits(text, pos + 1, 2);
        if (!oh || *oh > 23) return std::nullopt;
        pos += 3;
        int om = 0;
        if (pos < text.size()) {
            if (text[pos] == ':') ++pos;
            const auto m = digits(text, pos, 2);
            if (!m || *m > 59) return std::nullopt;
            om = *m;
            pos += 2;
        }
        offset = minutes{sign * (*oh * 60 + om)};
    }
    if (pos != text.size()) return std::nullopt;

    return sys_days{date} + hours{*h} + minutes{*mi} + seconds{*s} + milliseconds{millis} - offset;
}

std::string format_utc(UtcInstant instant) {
    const SystemTime t = to_system_time(instant);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04u-%02u-%02uT%02u:%02u:%02u.%03uZ", unsigned{t.year},
                  unsigned{t.month}, unsigned{t.day}, unsigned{t.hour}, unsigned{t.minute},
                  unsigned{t.second}, unsigned{t.milliseconds});
    return buf;
}

namespace {

std::uint32_t steady_ticks() {
    const auto since = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(since.count());
}

} // namespace

UtcInstant SystemClock::now() const {
    return time_point_cast<milliseconds>(system_clock::now());
}

std::uint32_t SystemClock::tick_count() const {
    return steady_ticks();
}

void FixedClock::advance(milliseconds by) {
    ms_ += by.count();
    ticks_ += static_cast<std::uint32_t>(by.count());
}

RunningClock::RunningClock(UtcInstant start) : start_(start), origin_(steady_clock::now()) {}

UtcInstant RunningClock::now() const {
    return start_ + duration_cast<milliseconds>(steady_clock::now() - origin_);
}

std::uint32_t RunningClock::tick_count() const {
    return steady_ticks();
}

} // namespace zenka
