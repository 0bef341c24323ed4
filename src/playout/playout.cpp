#include "playout/playout.h"

#include "platform/sound/random_draw.h"
#include "playout/carrier_file.h"
#include "playout/path_sound.h"

#include <cstdio>
#include <system_error>

namespace zenka {

KeyerSetup keyer_setup(const ReceiverSettings& s) {
    return {s.freq, s.sampling, s.filter, s.att, s.channel};
}

Playout::Playout(SoundOutput& o, const Clock& c, RandomSource& random, std::filesystem::path folder,
                 DiagnosticLog* log)
    : out_(o), clock_(c), workdir_(std::move(folder)), keyer_(c, random), log_(log),
      channels_(o, c, [this](const LogRecord& r) { this->log(r); }) {}

Playout::~Playout() = default;

std::filesystem::path Playout::channel_file(int k) const {
    char name[16];
    std::snprintf(name, sizeof name, "ZENKA0%d.WAV", k);
    return workdir_ / name;
}

std::filesystem::path Playout::carrier_file() const {
    return workdir_ / "ZENKA09.WAV";
}

void Playout::log(const LogRecord& r) {
    if (log_ != nullptr) log_->write(r);
}

std::uint64_t Playout::path_seed(int freq, int k) const {
    const auto ms = static_cast<std::uint64_t>(clock_.now().time_since_epoch().count());
    return sound::mix_seed(sound::mix_seed(sound::mix_seed(ms, static_cast<std::uint64_t>(freq)),
                                           static_cast<std::uint64_t>(k)),
                           retunes_);
}

PlayReport Playout::play(const Composition& c) {
    PlayReport report;
    ++retunes_;
    receiver_ = receiver_sound(c.settings, clock_.utc(), path_seed(c.settings.freq, -1));
    receiver_.cw_filter = cw_filter_;
    out_.set_receiver(receiver_);
    for (const LogRecord& r : c.log)
        log(r);
    report.meter = c.meter;
    meter_ = &report.meter;
    for (const SoundRequest& s : c.sounds) {
        if (!s.started) continue;
        if (s.kind == SoundRequest::Kind::Recording) {
            out_.play_recording(s.name);
        } else if (write_carrier_file(carrier_file(), s, c.settings.sampling, c.settings.channel)) {
            out_.loop_carrier(carrier_file());
        } else {
            report.errors.push_back("cannot write " + carrier_file().string());
        }
    }
    for (int k = 0; k < static_cast<int>(c.slots.size()) && k < Composition::kSlots; ++k) {
        if (channels_.timer(k) != 0) continue; // still busy with an earlier emission
        const RenderResult r = start_channel(k, c.slots[static_cast<std::size_t>(k)], c.settings);
        report.duration_ms[static_cast<std::size_t>(k)] = r.duration_ms;
        if (r.duration_ms != 0) report.chars[static_cast<std::size_t>(k)] = keyer_.chars();
        if (r.outcome == RenderResult::Outcome::FileError)
            report.errors.push_back(channel_file(k).string() + ": " + r.error);
    }
    meter_ = nullptr;
    return report;
}

RenderResult Playout::start_channel(int k, const Slot& slot, const ReceiverSettings& settings) {
    const RenderResult r =
        keyer_.render(channel_file(k), slot.text, slot.params, keyer_setup(settings));
    if (r.outcome == RenderResult::Outcome::Written && meter_ != nullptr) meter_->push_back(r.qsa);
    if (r.duration_ms == 0) return r;
    channels_.sound(
        k, channel_file(k),
        channel_sound(slot.params, settings, clock_.utc(), path_seed(settings.freq, k)));
    LogRecord record;
    record.freq = settings.freq;
    record.params = slot.params;
    record.spacing = slot.params.spacing;
    channels_.timer_start(k, r.duration_ms, std::move(record));
    return r;
}

void Playout::set_cw_filter(bool on) {
    cw_filter_ = on;
    receiver_.cw_filter = on;
    out_.set_receiver(receiver_);
}

void Playout::play_file(int k, const std::filesystem::path& file, std::uint32_t duration_ms) {
    channels_.sound(k, file);
    channels_.timer_start(k, duration_ms);
}

void Playout::close_files() {
    stop_all();
    std::error_code ignored; // a missing file is skipped
    for (int k = 0; k < Composition::kSlots; ++k)
        std::filesystem::remove(channel_file(k), ignored);
    std::filesystem::remove(carrier_file(), ignored);
}

} // namespace zenka
