#pragma once
// Runs one station rule alone, as the dispatcher would, at every minute of two
// days (a winter Sunday and a summer Wednesday; the second and the millisecond
// move through the minute), until the caller has seen what it looks for.

#include "band/catalogue.h"
#include "compose/air.h"
#include "platform/clock.h"

#include <chrono>
#include <optional>

namespace zenka::test {

// The lowest frequency the rule covers.
inline int first_frequency(const Rule& rule) {
    int f = 0;
    while (!rule.freq.contains(f))
        ++f;
    return f;
}

// `look(a)` sees the context of each run of the rule, with the slots the run
// closed (open_slot of them) and the sounds it asked for (a.so_far().sounds); it
// returns true to stop. The result is the instant of the run that stopped the sweep.
template <class Look> std::optional<UtcInstant> sweep_rule(const Rule& rule, Look look) {
    FixedClock clock{UtcInstant{}};
    RandomSource random;
    ReceiverSettings settings;
    settings.hist = 1;
    settings.freq = first_frequency(rule);
    for (int day = 0; day < 2; ++day) {
        const UtcInstant midnight =
            *parse_utc(day == 0 ? "2024-01-07T00:00:00Z" : "2024-07-10T00:00:00Z");
        for (int minute = 0; minute < 24 * 60; ++minute) {
            // The millisecond is odd at every minute on one of the two days.
            const UtcInstant when = midnight + std::chrono::minutes(minute) +
                                    std::chrono::seconds(minute * 13 % 60) +
                                    std::chrono::milliseconds((minute * 7 + day) % 1000);
            clock.set(when);
            Air a(clock, random, settings);
            a.stn(); // as a retune starts every pass
            rule.act(a);
            if (look(a)) return when;
        }
    }
    return std::nullopt;
}

} // namespace zenka::test
