#include "band/dispatcher.h"
#include "shell/retune_pass.h"
#include "headless_commands.h"
#include "shell/retune_report.h"

#include <cstdio>

namespace zenka::app {

CLI::App* add_text_command(CLI::App& app, TextOptions& o) {
    CLI::App* c = app.add_subcommand("text", "Print what one retune puts on the air");
    c->add_option("--freq", o.freq, std::string("Frequency in kHz (") + kDialKhz + ")")
        ->required()
        ->check(check_khz);
    c->add_flag("--json", o.json, "One JSON object instead of lines of text");
    add_world_options(c, o.world);
    return c;
}

int run_text(const TextOptions& o) {
    FixedClock clock = fixed_clock(o.world);
    RandomSource random = random_source(o.world);
    const Composition c = compose_retune(clock, random, settings(o.world, *parse_khz(o.freq)),
                                         [](Air& a) { band(a); }, {}, {o.json, false});
    // Keyed after composing, from the same random source, as the panel would key them.
    Keyer keyer(clock, random);
    const RetuneReport r = report(c, keyer);
    std::fputs((o.json ? to_json(r) + "\n" : to_text(r)).c_str(), stdout);
    return 0;
}

} // namespace zenka::app
