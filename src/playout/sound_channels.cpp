#include "playout/sound_channels.h"

#include <chrono>
#include <cstdio>

namespace zenka {
namespace {

// The recordings that may be playing when everything is stopped.
constexpr std::string_view kRecordings[] = {
    "fone/rtt-001.wav", "fone/rtt-001.mp3", "fone/rtt-002.wav",  "fone/ssb-002.wav",
    "fone/sitorb.wav",  "fone/fax-001.wav", "fone/othr-001.wav",
};

bool valid(int k) {
    return k >= 0 && k < SoundChannels::kChannels;
}

} // namespace

SoundChannels::SoundChannels(SoundOutput& out, const Clock& clock, Logger log)
    : out_(out), clock_(clock), log_(std::move(log)) {}

SoundChannels::~SoundChannels() {
    for (int k = 0; k < kChannels; ++k) {
        free_channel(k, nullptr);
        release(k);
    }
}

void SoundChannels::sound(int k, const std::filesystem::path& file, const ChannelSound& sound) {
    if (valid(k)) out_.open_channel(k, file, sound);
}

std::uint32_t SoundChannels::timer(int k) const {
    return valid(k) ? channels_[static_cast<std::size_t>(k)].deadline.load() : 0;
}

std::uint32_t SoundChannels::free_channel(int k, LogRecord* at_deadline) {
    Channel& c = channels_[static_cast<std::size_t>(k)];
    const std::lock_guard lock(c.claim);
    const std::uint32_t deadline = c.deadline.load();
    if (deadline == 0) return 0;
    if (at_deadline != nullptr && log_) {
        char function[40];
        std::snprintf(function, sizeof function, "thread%d_timer%d condition STOP", k, k);
        at_deadline->function = function;
        at_deadline->info.clear();
        at_deadline->param = deadline;
        at_deadline->time = clock_.utc();
        at_deadline->ticks = clock_.tick_count();
        log_(*at_deadline);
    }
    out_.close_channel(k);
    c.deadline.store(0);
    return deadline;
}

void SoundChannels::signal_finish(Channel& c) {
    {
        const std::lock_guard lock(c.mutex);
        c.finished = true;
    }
    c.finish_event.notify_all();
}

// Ends channel k's watcher and waits for it.
void SoundChannels::release(int k) {
    Channel& c = channels_[static_cast<std::size_t>(k)];
    if (!c.watcher.joinable()) return;
    signal_finish(c);
    c.watcher.join();
}

void SoundChannels::timer_start(int k, std::uint32_t ms, LogRecord record) {
    if (!valid(k)) return;
    Channel& c = channels_[static_cast<std::size_t>(k)];
    release(k); // the previous watcher of a free channel has ended or is ending
    {
        const std::lock_guard lock(c.mutex);
        c.finished = false; // a new finish event for the new emission
    }
    std::uint32_t deadline = clock_.tick_count() + ms;
    if (deadline == 0) deadline = 1; // 0 would mean free
    c.deadline.store(deadline);
    c.watcher = std::thread(&SoundChannels::watch, this, k, deadline, std::move(record));
}

void SoundChannels::watch(int k, std::uint32_t deadline, LogRecord record) {
    Channel& c = channels_[static_cast<std::size_t>(k)];
    {
        std::unique_lock lock(c.mutex);
        for (;;) {
            if (c.finished) {
                c.finished = false; // auto-reset: woken by the event, the watcher ends
                return;
            }
            const auto left = static_cast<std::int32_t>(deadline - clock_.tick_count());
            if (left <= 0) break;
            c.finish_event.wait_for(lock, std::chrono::milliseconds(left));
        }
    }
    if (free_channel(k, &record) != 0) signal_finish(c); // else a stop got there first
}

void SoundChannels::stop_all_devs() {
    out_.stop_carrier();
    for (int k = 0; k < kChannels; ++k) {
        free_channel(k, nullptr);
        release(k);
    }
    for (std::string_view name : kRecordings)
        out_.close_recording(name);
}

} // namespace zenka
