#include "key_command.h"

#include "platform/clock.h"
#include "platform/random_source.h"
#include "platform/sound/null_sound.h"
#include "platform/sound/sdl_sound.h"
#include "platform/work_folder.h"
#include "playout/playout.h"
#include "world_options.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <memory>
#include <thread>

namespace zenka::app {
namespace {

std::string check_time(const std::string& text) {
    return parse_utc(text) ? std::string{} : "not a UTC time (2026-12-08T09:18:07.250Z): " + text;
}

std::atomic<bool> interrupted{false};

void on_interrupt(int) {
    interrupted = true;
}

// Plays `file` on channel 0 until its deadline frees the channel, or until Ctrl-C.
void play_on_channel_zero(Playout& playout, const std::filesystem::path& file,
                          std::uint32_t duration_ms) {
    interrupted = false;
    const auto previous = std::signal(SIGINT, on_interrupt);
    playout.channels.sound(0, file);
    playout.channels.timer_start(0, duration_ms);
    while (playout.channels.timer(0) != 0 && !interrupted)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    playout.stop_all();
    std::signal(SIGINT, previous);
}

} // namespace

CLI::App* add_key_command(CLI::App& app, KeyOptions& o) {
    CLI::App* key = app.add_subcommand("key", "Render a text as Morse telegraphy into a WAV file");
    key->add_option("--wpm", o.wpm, "Keying speed in words per minute")
        ->check(CLI::Range(1, 600))
        ->capture_default_str();
    key->add_option("--tone", o.tone, "Tone in Hz")
        ->check(CLI::Range(1, 20000))
        ->capture_default_str();
    key->add_option("--strength", o.strength, "Signal strength step, 0 (weakest) to 5")
        ->check(CLI::Range(0, 5))
        ->capture_default_str();
    key->add_flag("--hand", o.hand, "Hand keying: every element and gap a little uneven");
    key->add_option("--bug", o.bug,
                    "Semi-automatic key: dash weighting 1-20 (up to 1.5 units "
                    "longer) or above (up to 2)")
        ->check(CLI::Range(0, 100));
    key->add_flag("--spark", o.spark, "Spark transmitter sound");
    key->add_flag("--f1", o.f1, "Frequency-shift keying: the gaps carry a lower tone");
    key->add_flag("--inverted", o.inverted, "Inverted keying: the tone drops out for the marks");
    key->add_flag("--kana", o.kana, "Kana Morse: lower-case letters are the kana signs");
    key->add_flag("--cut-zero", o.cut_zero, "Key the figure 0 as T");
    key->add_option("--spacing", o.spacing, "Letter gap in dot units")
        ->check(CLI::Range(0, 20))
        ->capture_default_str();
    key->add_option("--sampling", o.sampling, "Playback rate: 4 normal pitch, 3 lower")
        ->check(CLI::IsMember({3, 4}))
        ->capture_default_str();
    key->add_option("--filter", o.filter, "Narrow audio filter: 0 or 1")
        ->check(CLI::IsMember({0, 1}))
        ->capture_default_str();
    key->add_flag("--att", o.att, "Attenuator: one strength step weaker, strength 0 not at all");
    key->add_option("--freq", o.freq_khz,
                    "Tuned frequency in kHz: weakens the signal as "
                    "propagation would at that time")
        ->check(CLI::Range(kDialLowest / 10.0, kDialHighest / 10.0));
    key->add_option("--at", o.at, "UTC time for propagation and randomness (default now)")
        ->check(check_time);
    key->add_option("--seed", o.seed,
                    "Fix the random source (and the clock at --at) so that "
                    "hand keying comes out the same every time");
    key->add_option("--out", o.out, "WAV file to write");
    key->add_flag("--play", o.play,
                  "Play the text on the sound device (with --out, play that file)");
    key->add_option("text", o.text, "Text to key")->required();
    return key;
}

int run_key(const KeyOptions& o) {
    const UtcInstant start = o.at.empty() ? SystemClock{}.now() : *parse_utc(o.at);
    std::unique_ptr<Clock> clock;
    if (o.seed)
        clock = std::make_unique<FixedClock>(start);
    else
        clock = std::make_unique<RunningClock>(start);

    std::unique_ptr<SoundOutput> output;
    if (o.play) {
        output = std::make_unique<sound::SdlSound>();
        if (output->device_count() == 0)
            std::fprintf(stderr, "zenka key: Cannot Find Device Driver! Nothing will be heard.\n");
    } else {
        output = std::make_unique<sound::NullSound>(0);
    }
    // Without --out the text goes into a channel file in a private working folder.
    std::unique_ptr<WorkFolder> work;
    std::filesystem::path file = o.out;
    if (file.empty()) {
        work = std::make_unique<WorkFolder>();
        if (!work->ok()) {
            std::fprintf(stderr, "zenka key: %s\n", work->error().c_str());
            return 1;
        }
    }
    RandomSource random;
    if (o.seed) random.seed_runtime(*o.seed);
    Playout playout(*output, *clock, random, work ? work->path() : std::filesystem::path("."));
    if (file.empty()) file = playout.channel_file(0);
    EmissionParams p;
    p.spd = o.wpm;
    p.ton = o.tone;
    p.qsa = o.strength;
    p.hand = o.hand;
    p.rto = o.bug;
    p.spark = o.spark;
    p._f1 = o.f1;
    p.bw = o.inverted;
    p.katokana = o.kana;
    p.sz = o.cut_zero;
    p.spacing = o.spacing;
    KeyerSetup setup;
    setup.sampling = o.sampling;
    setup.filter = o.filter;
    setup.att = o.att;
    setup.freq = o.freq_khz ? static_cast<int>(std::lround(*o.freq_khz * 10)) : 0;

    const std::string name = o.out.empty() ? "the text" : o.out;
    const RenderResult r = playout.keyer.render(file, o.text, p, setup);
    switch (r.outcome) {
    case RenderResult::Outcome::Written:
        std::printf("%s: %u ms\n", name.c_str(), r.duration_ms);
        std::fflush(stdout);
        if (o.play && output->device_count() > 0)
            play_on_channel_zero(playout, file, r.duration_ms);
        return 0;
    case RenderResult::Outcome::Suppressed:
        std::fprintf(stderr, "zenka key: %s left empty: strength 0 does not pass the attenuator\n",
                     name.c_str());
        return 0;
    case RenderResult::Outcome::FileError:
        break;
    }
    std::fprintf(stderr, "zenka key: %s: %s\n", name.c_str(), r.error.c_str());
    return 1;
}

} // namespace zenka::app
