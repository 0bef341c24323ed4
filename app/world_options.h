#pragma once
// The options every headless subcommand shares: the instant, the random start
// and the receiver switches, and the frequency to tune.

#include "compose/settings.h"
#include "platform/clock.h"
#include "platform/random_source.h"
#include "shell/dial.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// --at TIME: an ISO 8601 time, taken as UTC when it names no zone.
CLI::Option* add_at_option(CLI::App* command, std::string& at, const std::string& what);
// --filter 1|2: the audio filter by its width in kHz, FLT1 or FLT2.
void add_filter_option(CLI::App* command, int& khz);
// --att, --att on or --att off: the attenuator. A bare --att is on (see switch_arguments).
void add_att_option(CLI::App* command, std::string& on_off, const std::string& what);
// The arguments as the options above read them: a bare --att becomes --att=on. It is bare
// when nothing follows it, or an option, or (after key, whose text may follow) any word but on
// or off.
std::vector<std::string> switch_arguments(int argc, const char* const* argv);
// The first argument after the program's name that is neither an option nor the value of one:
// the command. The options before a command that take a value are --at alone.
std::string command_word(const std::vector<std::string>& args);

// The instant the options name, held still for the whole command.
FixedClock fixed_clock(const WorldOptions& options);
// The switches the options set, tuned to `freq`.
ReceiverSettings settings(const WorldOptions& options, int freq);
// A random source in the state the options name.
RandomSource random_source(const WorldOptions& options);

// The dial the panel shows, in units of 100 Hz.
using zenka::kDialHighest;
using zenka::kDialKhz;
using zenka::kDialLowest;

// "500.0" or "500" -> 5000; an empty result for anything off the dial or not on the
// 0.1 kHz raster.
std::optional<int> parse_khz(const std::string& text);
// A CLI11 check for parse_khz.
std::string check_khz(const std::string& text);

} // namespace zenka::app
