#pragma once
// The instant a test names in ISO 8601 ("2026-12-08T09:18:07Z"); a text that is no
// instant is a fault of the test and throws.

#include "platform/clock.h"

namespace zenka::test {

inline UtcInstant at(const char* text) {
    return parse_utc(text).value();
}

} // namespace zenka::test
