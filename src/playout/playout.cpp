#include "playout/playout.h"

#include "platform/sound/random_draw.h"
#include "compose/neighbours.h"
#include "playout/carrier_file.h"
#include "playout/path_sound.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace zenka {

KeyerSetup keyer_setup(const ReceiverSettings& s) {
    return {s.freq, s.sampling, s.filter, s.att, s.channel};
}

Playout::Playout(SoundOutput& o, const Clock& c, RandomSource& random, std::filesystem::path folder,
                 DiagnosticLog* log)
    : out_(o), clock_(c), workdir_(std::move(folder)), keyer_(c, random),
      neighbour_keyer_(c, neighbour_random_), log_(log),
      channels_(o, c, [this](const LogRecord& r) { this->log(r); }) {}

Playout::~Playout() = default;

std::filesystem::path Playout::channel_file(int k) const {
    char name[16];
    std::snprintf(name, sizeof name, "ZENKA0%d.WAV", k);
    return workdir_ / name;
}

std::filesystem::path Playout::neighbour_file(int i) const {
    char name[16];
    std::snprintf(name, sizeof name, "ZENKAN%02d.WAV", i);
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
    play_neighbours(c, report);
    return report;
}

void Playout::stop_all() {
    channels_.stop_all_devs();
    for (int i = 0; i < neighbours_open_; ++i)
        out_.close_neighbour(i);
    neighbours_open_ = 0;
}

void Playout::play_neighbours(const Composition& c, PlayReport& report) {
    const int count = std::min(static_cast<int>(c.neighbours.size()), SoundOutput::kNeighbours);
    // Where a channel file could not be written, a neighbour's cannot either.
    if (count == 0 || !report.errors.empty()) return;
    neighbour_random_.seed = static_cast<std::uint32_t>(path_seed(c.settings.freq, -2));
    for (int i = 0; i < count; ++i) {
        const Neighbour& n = c.neighbours[static_cast<std::size_t>(i)];
        ReceiverSettings there = c.settings;
        there.freq = n.freq;
        const RenderResult r = neighbour_keyer_.render(neighbour_file(i), n.slot.text,
                                                       n.slot.params, keyer_setup(there));
        if (r.outcome == RenderResult::Outcome::FileError)
            report.errors.push_back(neighbour_file(i).string() + ": " + r.error);
        if (r.duration_ms == 0) continue;
        NeighbourSound sound;
        sound.sound = channel_sound(n.slot.params, there, clock_.utc(),
                                    path_seed(n.freq, Composition::kSlots + i));
        sound.sound.offset_hz = n.offset_hz;
        out_.open_neighbour(i, neighbour_file(i), sound);
        neighbours_open_ = std::max(neighbours_open_, i + 1);
        ++report.neighbours;
    }
}

RenderResult Playout::start_channel(int k, const Slot& slot, const ReceiverSettings& settings) {
    const RenderResult r =
        keyer_.render(channel_file(k), slot.text, slot.params, keyer_setup(settings));
    if (r.outcome == RenderResult::Outcome::Written && meter_ != nullptr) meter_->push_back(r.qsa);
    if (r.duration_ms == 0) return r;
    ChannelSound sound =
        channel_sound(slot.params, settings, clock_.utc(), path_seed(settings.freq, k));
    // A station of a rule over a range stands in its middle: its note moves with the dial.
    sound.offset_hz = beat_offset_hz(standing(slot.station, settings.freq), settings.freq);
    channels_.sound(k, channel_file(k), sound);
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
    for (int i = 0; i < SoundOutput::kNeighbours; ++i)
        std::filesystem::remove(neighbour_file(i), ignored);
    std::filesystem::remove(carrier_file(), ignored);
}

} // namespace zenka
