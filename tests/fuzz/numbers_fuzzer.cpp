// The number parsers of the command line: plain decimals only, and the one
// frequency parser of every subcommand, which gives a dial position or nothing.

#include "fuzz_check.h"
#include "user_input.h"
#include "world_options.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace zenka::app;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const bool whole = is_decimal(text, false);
    const bool decimal = is_decimal(text, true);
    FUZZ_CHECK(!whole || decimal);
    const auto value = parse_decimal(text);
    FUZZ_CHECK(value.has_value() == decimal);
    if (value) FUZZ_CHECK(!std::isnan(*value));
    for (const char c : text)
        if (decimal) FUZZ_CHECK((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-');

    const auto freq = parse_khz(text);
    FUZZ_CHECK(check_khz(text).empty() == freq.has_value());
    if (freq) {
        FUZZ_CHECK(decimal);
        FUZZ_CHECK(*freq >= kDialLowest && *freq <= kDialHighest);
        FUZZ_CHECK(std::fabs(*value * 10 - *freq) < 1e-3);
        // The dial's own reading of it is the same frequency.
        const std::string shown = std::to_string(*freq / 10) + "." + std::to_string(*freq % 10);
        FUZZ_CHECK(parse_khz(shown) == freq);
    }
    return 0;
}
