#include "band/dispatcher.h"
#include "shell/retune_pass.h"
#include "headless_commands.h"
#include "shell/retune_report.h"

#include <cstdio>

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

// One line: frequency, number of slots, the start of each slot's text, the sounds.
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
    return out + "\n";
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
