#include "world_options.h"

#include "user_input.h"

#include <cmath>

namespace zenka::app {

void add_world_options(CLI::App* c, WorldOptions& o) {
    const auto on_off = CLI::IsMember({"on", "off"});
    c->add_option("--at", o.at, "UTC instant, e.g. 2026-12-08T09:18:07.250Z (default now)")
        ->check([](const std::string& text) {
            return parse_utc(text)
                       ? std::string{}
                       : "not a UTC time such as 2026-12-08T09:18:07.250Z: " + quote_input(text);
        });
    c->add_option("--seed", o.seed, "Initial state of the runtime's random generator (default 1)")
        ->check(decimal(false));
    c->add_option("--hist", o.hist, "Historical stations on|off")
        ->check(on_off)
        ->capture_default_str();
    c->add_option("--bgnd", o.bgnd, "Background stations on|off")
        ->check(on_off)
        ->capture_default_str();
    c->add_option("--att", o.att, "Attenuator on|off")->check(on_off)->capture_default_str();
    c->add_option("--filter", o.filter, "Audio filter, kHz: 1|2")
        ->check(decimal(false))
        ->check(CLI::IsMember({1, 2}))
        ->capture_default_str();
    c->add_option("--sampling", o.sampling, "Playback rate 3|4")
        ->check(decimal(false))
        ->check(CLI::IsMember({3, 4}))
        ->capture_default_str();
    c->add_option("--qrn", o.qrn, "Band noise on|off")->check(on_off)->capture_default_str();
}

FixedClock fixed_clock(const WorldOptions& o) {
    return FixedClock(o.at.empty() ? SystemClock{}.now() : *parse_utc(o.at));
}

ReceiverSettings settings(const WorldOptions& o, int freq) {
    ReceiverSettings s;
    s.freq = freq;
    s.hist = o.hist == "on";
    s.bkgnd = o.bgnd == "on";
    s.att = o.att == "on";
    s.filter = o.filter == 1 ? 1 : 0;
    s.sampling = o.sampling;
    s.qrn = o.qrn == "on";
    return s;
}

RandomSource random_source(const WorldOptions& o) {
    RandomSource r;
    if (o.seed) r.seed_runtime(*o.seed);
    return r;
}

std::optional<int> parse_khz(const std::string& text) {
    const std::optional<double> khz = parse_decimal(text);
    if (!khz) return std::nullopt;
    const double tenths = *khz * 10;
    const double rounded = std::round(tenths);
    if (std::fabs(tenths - rounded) > 1e-6 || rounded < kDialLowest || rounded > kDialHighest)
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::string check_khz(const std::string& text) {
    return parse_khz(text) ? std::string{}
                           : std::string("not a frequency of ") + kDialKhz +
                                 " kHz in steps of 0.1 kHz: " + quote_input(text);
}

} // namespace zenka::app
