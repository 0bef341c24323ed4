#pragma once
// The options every headless subcommand shares: the instant, the random start
// and the receiver switches, and the frequency to tune.

#include "compose/settings.h"
#include "platform/clock.h"
#include "platform/random_source.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>

namespace zenka::app {

struct WorldOptions {
    std::string at;                    // UTC instant; default now
    std::optional<std::uint32_t> seed; // initial state of the runtime's generator
    std::string hist = "on";
    std::string bgnd = "on";
    std::string att = "off";
    int filter = 2; // kHz
    int sampling = 4;
    std::string qrn = "on";
};

void add_world_options(CLI::App* command, WorldOptions& options);

// The instant the options name, held still for the whole command.
FixedClock fixed_clock(const WorldOptions& options);
// The switches the options set, tuned to `freq`.
ReceiverSettings settings(const WorldOptions& options, int freq);
// A random source in the state the options name.
RandomSource random_source(const WorldOptions& options);

// The dial the panel shows, in units of 100 Hz: 10.0 kHz up to 1000.4 kHz, where a
// fine step up from 999.9 kHz lands (the panel wraps to 10.0 only above 999.9).
constexpr int kDialLowest = 100;
constexpr int kDialHighest = 10004;
inline constexpr const char* kDialKhz = "10.0 - 1000.4";

// "500.0" or "500" -> 5000; an empty result for anything off the dial or not on the
// 0.1 kHz raster.
std::optional<int> parse_khz(const std::string& text);
// A CLI11 check for parse_khz.
std::string check_khz(const std::string& text);

} // namespace zenka::app
