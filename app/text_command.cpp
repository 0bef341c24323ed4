#include "band/dispatcher.h"
#include "headless_commands.h"
#include "platform/work_folder.h"
#include "shell/receiver.h"
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
    WorkFolder work;
    if (!work.ok()) {
        std::fprintf(stderr, "zenka text: %s\n", work.error().c_str());
        return 2;
    }
    FixedClock clock = fixed_clock(o.world);
    SoundCapture capture;
    Air a(clock, capture, work.path());
    apply(o.world, a);
    a.freq = *parse_khz(o.freq);
    NoPanel panel;
    Receiver rx(a, panel, [](Air& air) { band(air); });
    rx.dsp_freq();
    a.stop_all_devs();
    const RetuneReport r = report(a, capture);
    std::fputs((o.json ? to_json(r) + "\n" : to_text(r)).c_str(), stdout);
    return 0;
}

} // namespace zenka::app
