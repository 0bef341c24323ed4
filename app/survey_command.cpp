#include "band/dispatcher.h"
#include "shell/retune_pass.h"
#include "headless_commands.h"
#include "shell/retune_report.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace zenka::app {

CLI::App* add_survey_command(CLI::App& app, SurveyOptions& o) {
    CLI::App* c = app.add_subcommand("survey", "List every frequency with something on the air");
    c->add_option("--from", o.from, "Lowest frequency in kHz")
        ->check(check_khz)
        ->capture_default_str();
    c->add_option("--to", o.to, "Highest frequency in kHz")
        ->check(check_khz)
        ->capture_default_str();
    c->add_flag("--json", o.json,
                "A JSON array of the retunes, as `zenka text --json` prints them");
    add_world_options(c, o.world);
    return c;
}

namespace {

// The stations of a retune, each once in the order they come: "  = GKA (GKA); carrier ...".
std::string stations(const RetuneReport& r) {
    std::vector<const StationId*> seen;
    const auto add = [&](const StationId& s) {
        if (std::none_of(seen.begin(), seen.end(), [&](const StationId* o) { return *o == s; }))
            seen.push_back(&s);
    };
    for (const SlotReport& s : r.slots)
        add(s.station);
    for (const SoundReport& s : r.sounds)
        add(s.station);
    std::string out;
    for (const StationId* s : seen) {
        out += (out.empty() ? "  = " : "; ") + s->label;
        if (!s->calls.empty()) {
            out += " (";
            for (std::size_t i = 0; i < s->calls.size(); ++i)
                out += (i ? " " : "") + s->calls[i];
            out += ")";
        }
        if (s->by_chance) out += " may call";
    }
    return out;
}

// One line: frequency, number of slots, the start of each slot's text, the sounds, and the
// stations they belong to.
std::string line(const RetuneReport& r) {
    char head[48];
    std::snprintf(head, sizeof head, "%6d.%d kHz  %d", r.freq / 10, r.freq % 10, r.slots_closed);
    std::string out = head;
    for (const SlotReport& s : r.slots)
        out += "  | " + readable(s.text).substr(0, 60);
    for (const SoundReport& s : r.sounds) {
        if (s.kind == SoundReport::Kind::Carrier)
            out += "  | carrier " + std::to_string(s.tone) + "/" + std::to_string(s.qsa);
        else
            out += "  | " + s.path;
    }
    return out + stations(r) + "\n";
}

} // namespace

int run_survey(const SurveyOptions& o) {
    const int from = *parse_khz(o.from), to = *parse_khz(o.to);
    if (from > to) {
        std::fprintf(stderr, "zenka survey: --from %s lies above --to %s\n", o.from.c_str(),
                     o.to.c_str());
        return 2;
    }
    FixedClock clock = fixed_clock(o.world);
    bool first = true;
    if (o.json) std::fputs("[", stdout);
    for (int freq = from; freq <= to; ++freq) {
        // A fresh random source for every frequency: each line is what `zenka text`
        // shows there.
        RandomSource random = random_source(o.world);
        const Composition c = compose_retune(clock, random, settings(o.world, freq),
                                             [](Air& a) { band(a); }, {}, {o.json, false});
        if (c.empty()) continue;
        Keyer keyer(clock, random);
        const RetuneReport r = report(c, keyer);
        if (o.json) {
            std::fputs(((first ? "\n" : ",\n") + to_json(r)).c_str(), stdout);
        } else {
            std::fputs(line(r).c_str(), stdout);
        }
        first = false;
    }
    if (o.json) std::fputs("\n]\n", stdout);
    return 0;
}

} // namespace zenka::app
