#include "world_options.h"

#include "user_input.h"


namespace zenka::app {

namespace {

const char* const kTimeExamples = "2026-12-08T09:18:07.250Z or 2026-12-08T10:18:07+01:00";

} // namespace

CLI::Option* add_at_option(CLI::App* c, std::string& at, const std::string& what) {
    return c
        ->add_option("--at", at,
                     what + ": ISO 8601 such as " + kTimeExamples +
                         "; a time without a zone is UTC")
        ->option_text("TIME")
        ->check(
            [](const std::string& text) {
                return parse_utc(text) ? std::string{}
                                       : std::string("not a time such as ") + kTimeExamples + ": " +
                                             quote_input(text);
            },
            "TIME");
}

void add_filter_option(CLI::App* c, int& khz) {
    const CLI::Validator widths(
        [](std::string& text) {
            return text == "1" || text == "2"
                       ? std::string{}
                       : "the audio filter is 1 (FLT1, 1 kHz wide) or 2 (FLT2, 2 kHz wide), not " +
                             quote_input(text);
        },
        "{1,2}");
    c->add_option("--filter", khz, "Audio filter by its width in kHz: 1 (FLT1) or 2 (FLT2)")
        ->check(widths)
        ->capture_default_str();
}

void add_att_option(CLI::App* c, std::string& on_off, const std::string& what) {
    c->add_option("--att", on_off, what + "; --att alone is on")
        ->check(CLI::IsMember({"on", "off"}))
        ->capture_default_str();
}

std::string command_word(const std::vector<std::string>& args) {
    for (std::size_t k = 1; k < args.size(); ++k) {
        if (args[k] == "--at") {
            ++k;
            continue;
        }
        if (!args[k].starts_with("-")) return args[k];
    }
    return {};
}

std::vector<std::string> switch_arguments(int argc, const char* const* argv) {
    std::vector<std::string> out(argv, argv + argc);
    // After key, a word that follows --att may be the text to key; elsewhere it is a value.
    const bool key = command_word(out) == "key";
    for (std::size_t k = 1; k < out.size(); ++k) {
        if (out[k] == "--") break; // what follows is text, not options
        if (out[k] != "--att") continue;
        const bool last = k + 1 == out.size();
        const std::string next = last ? std::string() : out[k + 1];
        const bool valued = next == "on" || next == "off";
        if (last || (!valued && (key || next.starts_with("-")))) out[k] = "--att=on";
    }
    return out;
}

void add_world_options(CLI::App* c, WorldOptions& o) {
    const auto on_off = CLI::IsMember({"on", "off"});
    add_at_option(c, o.at, "The instant the clock stands at (default now)");
    c->add_option("--seed", o.seed, "Initial state of the runtime's random generator (default 1)")
        ->check(decimal(false));
    c->add_option("--hist", o.hist, "Historical stations on|off")
        ->check(on_off)
        ->capture_default_str();
    c->add_option("--bgnd", o.bgnd, "Background stations on|off")
        ->check(on_off)
        ->capture_default_str();
    add_att_option(c, o.att, "Attenuator on|off");
    add_filter_option(c, o.filter);
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
    s.filter = filter_of_khz(o.filter).value_or(Filter::flt2);
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
    const DialReading dial = read_khz(text);
    if (!dial.ok()) return std::nullopt;
    return dial.freq;
}

std::string check_khz(const std::string& text) {
    return parse_khz(text) ? std::string{}
                           : std::string("not a frequency of ") + kDialKhz +
                                 " kHz in steps of 0.1 kHz: " + quote_input(text);
}

} // namespace zenka::app
