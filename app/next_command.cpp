#include "headless_commands.h"
#include "shell/on_air.h"
#include "shell/retune_report.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace zenka::app {

CLI::App* add_next_command(CLI::App& app, NextOptions& o) {
    CLI::App* c = app.add_subcommand("next", "List what comes on the air when, at one "
                                             "frequency or over the band");
    c->add_option("--freq", o.freq, std::string("One frequency in kHz (") + kDialKhz + ")")
        ->check(check_khz);
    c->add_flag("--band", o.band, "The band, or the part of it --from and --to give");
    c->add_option("--from", o.from, "With --band: the lowest frequency in kHz (default 10.0)")
        ->check(check_khz);
    c->add_option("--to", o.to, "With --band: the highest frequency in kHz (default 1000.4)")
        ->check(check_khz);
    c->add_option("--hours", o.hours,
                  "How far ahead, 0.1 - 24 hours (default 24 with --freq, 1 with --band)")
        ->check(CLI::Range(0.1, 24.0));
    c->add_flag("--json", o.json, "A JSON array instead of lines of text");
    add_world_options(c, o.world);
    return c;
}

namespace {

int usage(const char* message) {
    std::fprintf(stderr, "zenka next: %s\n", message);
    return 2;
}

std::string khz(int freq) {
    return std::to_string(freq / 10) + "." + std::to_string(freq % 10);
}

} // namespace

int run_next(const NextOptions& o) {
    if (o.band == !o.freq.empty()) return usage("give --freq KHZ or --band");
    if (!o.band && (!o.from.empty() || !o.to.empty()))
        return usage("--from and --to go with --band");
    const int from = o.band ? *parse_khz(o.from.empty() ? "10.0" : o.from) : *parse_khz(o.freq);
    const int to = o.band ? *parse_khz(o.to.empty() ? "1000.4" : o.to) : from;
    if (from > to) return usage("--from lies above --to");
    const double hours = o.hours.value_or(o.band ? 1.0 : 24.0);
    const auto horizon = std::chrono::minutes(static_cast<int>(std::lround(hours * 60)));

    const FixedClock clock = fixed_clock(o.world);
    OnAirQuery q;
    q.settings = settings(o.world, from);
    q.runtime_seed = o.world.seed.value_or(1);
    const std::vector<Coming> coming = coming_up(q, clock.now(), from, to, horizon);

    std::string out = o.json ? "[" : "";
    for (std::size_t i = 0; i < coming.size(); ++i) {
        const Coming& c = coming[i];
        if (o.json) {
            out += std::string(i ? ",\n" : "\n") + "{\"utc\": \"" + format_utc(c.at) +
                   "\", \"freq\": " + std::to_string(c.freq) +
                   ", \"station\": " + station_json(c.station) + "}";
        } else {
            char head[64];
            std::snprintf(head, sizeof head, "%s  %6s kHz  ", format_utc(c.at).c_str(),
                          khz(c.freq).c_str());
            out += head + station_words(c.station) + "\n";
        }
    }
    if (o.json) out += coming.empty() ? "]\n" : "\n]\n";
    if (!o.json && coming.empty())
        out = "nothing comes on the air at " +
              (from == to ? khz(from) : khz(from) + " - " + khz(to)) + " kHz within " +
              std::to_string(horizon.count()) + " minutes\n";
    std::fputs(out.c_str(), stdout);
    return 0;
}

} // namespace zenka::app
