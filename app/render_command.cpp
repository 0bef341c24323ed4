#include "band/dispatcher.h"
#include "headless_commands.h"
#include "platform/atomic_file.h"
#include "platform/silent_output.h"
#include "platform/sound/file_sound.h"
#include "platform/termination_signals.h"
#include "platform/work_folder.h"
#include "shell/receiver.h"
#include "user_input.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace zenka::app {

CLI::App* add_render_command(CLI::App& app, RenderOptions& o) {
    CLI::App* c = app.add_subcommand("render", "Write what the listener hears to a WAV file");
    c->add_option("--freq", o.freq, std::string("Frequency in kHz (") + kDialKhz + ")")
        ->required()
        ->check(check_khz);
    c->add_option("--seconds", o.seconds, "How much to write")
        ->check(decimal(true))
        ->check(CLI::Range(0.1, 86400.0))
        ->capture_default_str();
    c->add_option("--out", o.out, "WAV file to write (48 kHz, 16-bit, mono)")->required();
    c->add_option("--channel", o.channel, "Write only this channel's audio (0 - 6)")
        ->check(decimal(false))
        ->check(CLI::Range(0, 6));
    c->add_flag("--plain-audio", o.plain_audio,
                "The channel files, noise and recordings as they are, without the receiver");
    add_world_options(c, o.world);
    return c;
}

namespace {

constexpr auto kFormat = sound::FileSound::Format::Pcm16;

// Passes on only one channel's playback, as its transmitter sends it (keying,
// drift and chirp, but no fading path); every other sound stays silent.
class OneChannel final : public SilentOutput {
  public:
    OneChannel(SoundOutput& out, int channel) : out_(out), channel_(channel) {}
    int device_count() const override { return out_.device_count(); }
    void open_channel(int k, const std::filesystem::path& file, const ChannelSound& s) override {
        ChannelSound alone = s;
        alone.fade_depth = 0.0;
        if (k == channel_) out_.open_channel(k, file, alone);
    }
    void set_plain_audio(bool plain) override { out_.set_plain_audio(plain); }
    void close_channel(int k) override {
        if (k == channel_) out_.close_channel(k);
    }

  private:
    SoundOutput& out_;
    int channel_;
};

void progress(double done, double total) {
    constexpr int kWidth = 40;
    const int filled = total > 0 ? static_cast<int>(kWidth * done / total) : kWidth;
    std::fprintf(stderr, "\r[%-*s] %3d%%", kWidth,
                 std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 total > 0 ? static_cast<int>(100 * done / total) : 100);
}

// The samples `--seconds` asks for, at 48 kHz.
std::uint64_t samples_asked(const RenderOptions& o) {
    return static_cast<std::uint64_t>(o.seconds * 48000);
}

// Renders into `file`; false when a write failed or a signal ended the render.
bool render_into(sound::FileSound& file, const RenderOptions& o, const WorkFolder& work) {
    std::unique_ptr<OneChannel> filter;
    if (o.channel) filter = std::make_unique<OneChannel>(file, *o.channel);
    SoundOutput& out = filter ? static_cast<SoundOutput&>(*filter) : file;
    file.set_plain_audio(o.plain_audio);

    FixedClock clock = fixed_clock(o.world);
    RandomSource random = random_source(o.world);
    Playout playout(out, clock, random, work.path());
    NoPanel panel;
    Receiver rx(clock, random, playout, panel, [](Air& a) { band(a); });
    rx.settings = settings(o.world, *parse_khz(o.freq));
    // One channel alone, or the plain sound, has no neighbours to hear.
    rx.set_neighbours(!o.channel && !o.plain_audio);
    if (rx.settings.qrn) out.start_noise();
    rx.dsp_freq();
    // A channel file that could not be written would leave its station silent:
    // the render would not be what the listener hears.
    for (const std::string& error : rx.last_play().errors)
        std::fprintf(stderr, "zenka render: %s\n", printable(error).c_str());
    if (!rx.last_play().errors.empty()) return false;

    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    const std::uint64_t total = samples_asked(o);
    constexpr std::uint64_t kStep = 4800; // a tenth of a second
    for (std::uint64_t done = 0;
         done < total && !file.failed() && TerminationSignals::caught() == 0; done += kStep) {
        file.advance_samples(std::min(kStep, total - done));
        if (terminal) progress(static_cast<double>(done + kStep), static_cast<double>(total));
    }
    if (terminal) std::fputs("\n", stderr);
    playout.stop_all();
    return TerminationSignals::caught() == 0 && file.finish();
}

// Writes the render into a file beside the target that replaces it once complete,
// so a failure leaves neither a half-written file nor a damaged target.
int render(const RenderOptions& o) {
    WorkFolder work;
    if (!work.ok()) {
        std::fprintf(stderr, "zenka render: %s\n", printable(work.error()).c_str());
        return 2;
    }
    const std::string name = quote_input(o.out);
    AtomicFile target;
    if (!target.open(o.out)) {
        std::fprintf(stderr, "zenka render: cannot write %s: %s\n", name.c_str(),
                     target.error().c_str());
        return 2;
    }
    bool written = false;
    // Past 4 GiB the sizes of a plain WAV would wrap; RF64 holds them.
    const auto container = sound::FileSound::container_for(samples_asked(o), kFormat);
    {
        sound::FileSound file(target.fd(), sound::RecordingsFolder::locate(), kFormat, container);
        if (file.device_count() == 0) {
            std::fprintf(stderr, "zenka render: %s: cannot write a WAV file there\n", name.c_str());
            return 2;
        }
        written = render_into(file, o, work);
        if (!written && file.failed())
            std::fprintf(stderr, "zenka render: %s: %s\n", name.c_str(), file.error().c_str());
    }
    if (!written) return 2;
    if (!target.commit()) {
        std::fprintf(stderr, "zenka render: %s: %s\n", name.c_str(), target.error().c_str());
        return 2;
    }
    std::printf("%s: %.1f s%s\n", printable(o.out).c_str(), o.seconds,
                container == sound::FileSound::Container::Rf64
                    ? " (RF64: a WAV file with 64-bit sizes, as it is too long for a plain one)"
                    : "");
    return 0;
}

} // namespace

int run_render(const RenderOptions& o) {
    return run_to_end_or_signal([&o](const TerminationSignals&) { return render(o); });
}

} // namespace zenka::app
