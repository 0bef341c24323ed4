#pragma once
// Runs a traffic generator over many seeds and instants on fresh contexts.

#include "compose/air.h"
#include "platform/clock.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace zenka::test {

// The instant of case k: spread over days of the year, hours, minutes, seconds and milliseconds.
inline UtcInstant sweep_instant(int k) {
    using namespace std::chrono;
    const UtcInstant base = *parse_utc("2026-01-01T00:00:00Z");
    return base + days(k * 37 % 365) + hours(k * 7 % 24) + minutes(k * 13 % 60) +
           seconds(k * 29 % 60) + milliseconds(k * 211 % 1000);
}

// A composing pass at a fixed instant: the clock and the context that reads it.
struct Pass {
    explicit Pass(UtcInstant when, const ReceiverSettings& settings = {})
        : clock(when), air(clock, settings) {}
    FixedClock clock;
    Air air;
};

// Composes with `generator` on a fresh context at `when` with `seed`.
inline std::unique_ptr<Pass> compose_at(UtcInstant when, std::uint32_t seed,
                                        const std::function<void(Air&)>& generator,
                                        const ReceiverSettings& settings = {}) {
    auto p = std::make_unique<Pass>(when, settings);
    p->air.random.seed = seed;
    p->air.t = p->clock.utc();
    p->air.stn();
    generator(p->air);
    return p;
}

// A slot's text without its in-band parameter switches (0x01 speed, 0x02 tone in two bytes,
// 0x03 strength).
inline std::string plain_text(const std::string& text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == 0x01 || text[k] == 0x03)
            k += 1;
        else if (text[k] == 0x02)
            k += 2;
        else
            out += text[k];
    }
    return out;
}

// Every closed slot's text without its parameter switches, one after the other.
inline std::string closed_text(const Air& a) {
    std::string out;
    for (int k = 0; k < a.open_slot; ++k)
        out += plain_text(a.send_buf[static_cast<std::size_t>(k)]) + "\n";
    return out;
}

} // namespace zenka::test
