// The UTC time parser of --at: whatever it accepts is a valid instant that
// prints and reads back as itself.

#include "fuzz_check.h"
#include "platform/clock.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto instant = zenka::parse_utc(text);
    if (!instant) return 0;
    const zenka::SystemTime t = zenka::to_system_time(*instant);
    FUZZ_CHECK(t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31);
    FUZZ_CHECK(t.hour < 24 && t.minute < 60 && t.second < 60 && t.milliseconds < 1000);
    FUZZ_CHECK(t.day_of_week < 7);
    const std::string shown = zenka::format_utc(*instant);
    FUZZ_CHECK(zenka::parse_utc(shown) == instant);
    // Only the characters of the format (RFC 3339 lets T and Z be lower case; an offset
    // from UTC is +hh:mm, +hhmm or +hh, or the same with -).
    for (const char c : text)
        FUZZ_CHECK((c >= '0' && c <= '9') || c == '-' || c == '+' || c == ':' || c == 'T' ||
                   c == 't' || c == '.' || c == 'Z' || c == 'z');
    return 0;
}
