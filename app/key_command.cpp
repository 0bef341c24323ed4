#include "key_command.h"

#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/random_source.h"
#include "platform/rewrite_file.h"
#include "platform/sound/null_sound.h"
#include "platform/sound/sdl_sound.h"
#include "platform/termination_signals.h"
#include "platform/work_folder.h"
#include "playout/playout.h"
#include "user_input.h"
#include "world_options.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace zenka::app {
namespace {

// Plays `file` on channel 0 until its deadline frees the channel, or until a
// termination signal.
void play_on_channel_zero(Playout& playout, const std::filesystem::path& file,
                          std::uint32_t duration_ms) {
    playout.play_file(0, file, duration_ms);
    while (playout.deadline(0) != 0 && TerminationSignals::caught() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    playout.stop_all();
}

} // namespace

CLI::App* add_key_command(CLI::App& app, KeyOptions& o) {
    CLI::App* key = app.add_subcommand("key", "Render a text as Morse telegraphy into a WAV file");
    key->add_option("--wpm", o.wpm, "Keying speed in words per minute")
        ->check(decimal(false))
        ->check(CLI::Range(1, 600))
        ->capture_default_str();
    key->add_option("--tone", o.tone, "Tone in Hz")
        ->check(decimal(false))
        ->check(CLI::Range(1, 20000))
        ->capture_default_str();
    key->add_option("--strength", o.strength, "Signal strength step, 0 (weakest) to 5")
        ->check(decimal(false))
        ->check(CLI::Range(0, 5))
        ->capture_default_str();
    key->add_flag("--hand", o.hand, "Hand keying: every element and gap a little uneven");
    key->add_option("--bug", o.bug,
                    "Semi-automatic key: dash weighting 1-20 (up to 1.5 units "
                    "longer) or above (up to 2)")
        ->check(decimal(false))
        ->check(CLI::Range(0, 100));
    key->add_flag("--spark", o.spark, "Spark transmitter sound");
    key->add_flag("--f1", o.f1, "Frequency-shift keying: the gaps carry a lower tone");
    key->add_flag("--inverted", o.inverted, "Inverted keying: the tone drops out for the marks");
    key->add_flag("--kana", o.kana, "Kana Morse: lower-case letters are the kana signs");
    key->add_flag("--cut-zero", o.cut_zero, "Key the figure 0 as T");
    key->add_option("--spacing", o.spacing, "Letter gap in dot units")
        ->check(decimal(false))
        ->check(CLI::Range(0, 20))
        ->capture_default_str();
    key->add_option("--sampling", o.sampling, "Playback rate: 4 normal pitch, 3 lower")
        ->check(decimal(false))
        ->check(CLI::IsMember({3, 4}))
        ->capture_default_str();
    add_filter_option(key, o.filter);
    add_att_option(key, o.att,
                   "Attenuator on|off: one strength step weaker, strength 0 not at all");
    key->add_option("--freq", o.freq,
                    std::string("Tuned frequency in kHz (") + kDialKhz +
                        "): weakens the signal as propagation would at that time")
        ->check(check_khz);
    add_at_option(key, o.at, "Time for propagation and randomness (default now)");
    key->add_option("--seed", o.seed,
                    "Fix the random source (and the clock at --at) so that "
                    "hand keying comes out the same every time")
        ->check(decimal(false));
    key->add_option("--out", o.out, "WAV file to write");
    key->add_flag("--play", o.play,
                  "Play the text on the sound device (with --out, play that file)");
    key->add_option("text", o.text, "Text to key")->required();
    return key;
}

namespace {

// The one line that refuses a text the 32-bit sizes of a WAV file cannot hold.
int refuse_cut_short(const KeyOptions& o, const RenderResult& r) {
    std::fprintf(stderr,
                 "zenka key: the text is too long for one WAV file (4 GiB) at %d wpm: only its "
                 "first %zu of %zu characters fit\n",
                 o.wpm, r.keyed, o.text.substr(0, o.text.find('\0')).size());
    return 2;
}

// The head of a WAV file that holds no keying, written over `fd` from its start:
// what a user's own target holds when the attenuator suppresses the emission.
bool write_silent_wave(int fd, WaveHeader header, std::string& error) {
    header.set_samples(0);
    const auto head = header.bytes();
    RewriteFile file;
    if (file.adopt(fd) && file.write_at(0, head.data(), head.size()) && file.finish(head.size()))
        return true;
    error = file.error();
    return false;
}

int key_text(const KeyOptions& o) {
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
    // Without --out the text goes into a channel file in a private working folder;
    // with it, into a file beside the target that replaces it once complete.
    std::unique_ptr<WorkFolder> work;
    AtomicFile target;
    const std::string name = o.out.empty() ? std::string("the text") : quote_input(o.out);
    if (o.out.empty()) {
        work = std::make_unique<WorkFolder>();
        if (!work->ok()) {
            std::fprintf(stderr, "zenka key: %s\n", printable(work->error()).c_str());
            return 1;
        }
    } else if (!target.open(o.out)) {
        std::fprintf(stderr, "zenka key: %s: %s\n", name.c_str(), target.error().c_str());
        return 1;
    }
    RandomSource random;
    if (o.seed) random.seed_runtime(*o.seed);
    Playout playout(*output, *clock, random, work ? work->path() : std::filesystem::path("."));
    const std::filesystem::path file =
        o.out.empty() ? playout.channel_file(0) : std::filesystem::path(o.out);
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
    setup.filter = filter_of_khz(o.filter).value_or(Filter::flt2);
    setup.att = o.att == "on";
    setup.freq = o.freq.empty() ? 0 : *parse_khz(o.freq);
    // A text that does not fit is refused before anything is keyed: keyed first
    // without a file, from a copy of the random source, as the render will key it.
    {
        RandomSource trial = random;
        Keyer probe(*clock, trial);
        if (const RenderResult planned = probe.measure(o.text, p, setup); planned.cut_short)
            return refuse_cut_short(o, planned);
    }

    Keyer keyer(*clock, random);
    RenderResult r = o.out.empty() ? keyer.render(file, o.text, p, setup)
                                   : keyer.render(target.fd(), o.text, p, setup);
    if (TerminationSignals::caught() != 0) return 1;
    // The running clock may key a hand-sent text a little longer than the trial did.
    if (r.cut_short) return refuse_cut_short(o, r);
    if (r.outcome == RenderResult::Outcome::Suppressed && !o.out.empty() &&
        !write_silent_wave(target.fd(), keyer.wavehdr, r.error))
        r.outcome = RenderResult::Outcome::FileError;
    if (r.outcome != RenderResult::Outcome::FileError && !o.out.empty() && !target.commit())
        r = {RenderResult::Outcome::FileError, 0, target.error(), 0};
    switch (r.outcome) {
    case RenderResult::Outcome::Written:
        std::printf("%s: %u ms\n", o.out.empty() ? "the text" : printable(o.out).c_str(),
                    r.duration_ms);
        std::fflush(stdout);
        if (o.play && output->device_count() > 0)
            play_on_channel_zero(playout, file, r.duration_ms);
        return 0;
    case RenderResult::Outcome::Suppressed:
        std::fprintf(stderr, "zenka key: %s %s: strength 0 does not pass the attenuator\n",
                     name.c_str(), o.out.empty() ? "left empty" : "holds only silence");
        return 0;
    case RenderResult::Outcome::FileError:
        break;
    }
    std::fprintf(stderr, "zenka key: %s: %s\n", name.c_str(), r.error.c_str());
    return 1;
}

} // namespace

int run_key(const KeyOptions& o) {
    return run_to_end_or_signal([&o](const TerminationSignals&) { return key_text(o); });
}

} // namespace zenka::app
