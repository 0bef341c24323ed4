#include "platform/sound/mixer.h"

#include "platform/sound/mix_levels.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
#include <utility>

namespace zenka::sound {
namespace {

bool valid_channel(int k) {
    return k >= 0 && k < Mixer::kChannels;
}

std::int64_t steady_ns() noexcept {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

Mixer::Mixer(RecordingsFolder folder, Wake wake)
    : folder_(std::move(folder)), wake_(std::move(wake)) {
    noise_.loop = true;
    noise_.gain = kNoiseGain;
    for (auto& r : recordings_)
        r.gain = kRecordingGain;
}

Mixer::~Mixer() = default;

void Mixer::wake(const std::function<void()>& f) noexcept {
    try {
        if (f) f();
    } catch (...) {}
}

// ---- channels ---------------------------------------------------------------

// Opening and the first read happen before the stream is published,
// outside the lock, so other channels are not held up.
void Mixer::open(ChannelSlot& slot, std::shared_ptr<ChannelPlay> stream) noexcept {
    try {
        stream->stream.fill(ChannelStream::kPrefill);
        std::shared_ptr<ChannelPlay> old;
        {
            const std::lock_guard lock(control_);
            old = std::exchange(slot.stream, stream);
            slot.live.store(stream.get(), std::memory_order_seq_cst);
            if (old) old->stream.close();
        }
        epoch_.retire(std::move(old));
        wake(wake_.feeder);
    } catch (...) {
        close(slot); // out of memory: the channel stays silent
    }
}

void Mixer::close(ChannelSlot& slot) noexcept {
    try {
        std::shared_ptr<ChannelPlay> old;
        {
            const std::lock_guard lock(control_);
            old = std::exchange(slot.stream, nullptr);
            slot.live.store(nullptr, std::memory_order_seq_cst);
            if (old) old->stream.close();
        }
        epoch_.retire(std::move(old));
    } catch (...) {}
}

void Mixer::open_channel(int k, const std::filesystem::path& file,
                         const ChannelSound& sound) noexcept {
    if (!valid_channel(k)) return;
    ChannelSlot& slot = channels_[static_cast<std::size_t>(k)];
    try {
        open(slot, std::make_shared<ChannelPlay>(file, sound));
    } catch (...) {
        close(slot);
    }
}

void Mixer::close_channel(int k) noexcept {
    if (valid_channel(k)) close(channels_[static_cast<std::size_t>(k)]);
}

void Mixer::open_neighbour(int i, const std::filesystem::path& file,
                           const NeighbourSound& sound) noexcept {
    if (i < 0 || i >= kNeighbours) return;
    ChannelSlot& slot = neighbours_[static_cast<std::size_t>(i)];
    try {
        open(slot, std::make_shared<ChannelPlay>(file, sound.sound, static_cast<float>(sound.gain)));
    } catch (...) {
        close(slot);
    }
}

void Mixer::close_neighbour(int i) noexcept {
    if (i >= 0 && i < kNeighbours) close(neighbours_[static_cast<std::size_t>(i)]);
}

Mixer::Heard Mixer::channel_heard(int k) const noexcept {
    if (!valid_channel(k)) return {};
    const ChannelSlot& slot = channels_[static_cast<std::size_t>(k)];
    return {slot.heard_block.load(std::memory_order_acquire),
            slot.heard_ns.load(std::memory_order_acquire)};
}

// ---- carrier, noise, recordings ---------------------------------------------

// Under control_: stops what the slot plays and hands it back in `old`.
void Mixer::silence(VoiceSlot& slot, std::shared_ptr<void>& old) {
    ++slot.generation;
    slot.wanted = false;
    slot.pending = false;
    slot.live.store(nullptr, std::memory_order_seq_cst);
    old = std::exchange(slot.voice, nullptr);
}

// Under control_: (re)starts the slot with `source`, to be decoded by the loader.
void Mixer::request(VoiceSlot& slot, std::string source, std::shared_ptr<void>& old) {
    silence(slot, old);
    slot.source = std::move(source);
    slot.wanted = true;
    slot.pending = true;
}

void Mixer::loop_carrier(const std::filesystem::path& file) noexcept {
    try {
        std::uint64_t stops = 0;
        {
            const std::lock_guard lock(control_);
            if (carrier_.sounding) return;
            stops = carrier_.stops;
        }
        const std::optional<CarrierWave> wave = read_carrier_wave(file);
        if (!wave) return; // nothing sounds, so a later request may try again
        auto tone = wave->audible() ? std::make_shared<CarrierTone>(*wave) : nullptr;
        const std::lock_guard lock(control_);
        // Another request got there first, or a stop came while the file was read.
        if (carrier_.sounding || carrier_.stops != stops) return;
        carrier_.sounding = true;
        carrier_.live.store(tone.get(), std::memory_order_seq_cst);
        carrier_.tone = std::move(tone); // the slot held nothing: nothing to retire
    } catch (...) {}
}

void Mixer::stop_carrier() noexcept {
    try {
        std::shared_ptr<CarrierTone> old;
        {
            const std::lock_guard lock(control_);
            carrier_.sounding = false;
            ++carrier_.stops;
            carrier_.live.store(nullptr, std::memory_order_seq_cst);
            old = std::exchange(carrier_.tone, nullptr);
        }
        epoch_.retire(std::move(old));
    } catch (...) {}
}

void Mixer::start_noise() noexcept {
    try {
        std::shared_ptr<void> old;
        {
            const std::lock_guard lock(control_);
            if (noise_.wanted) return;
            request(noise_, std::string(kNoiseName), old);
        }
        epoch_.retire(std::move(old));
        wake(wake_.loader);
    } catch (...) {}
}

void Mixer::stop_noise() noexcept {
    try {
        std::shared_ptr<void> old;
        {
            const std::lock_guard lock(control_);
            silence(noise_, old);
        }
        epoch_.retire(std::move(old));
    } catch (...) {}
}

void Mixer::set_receiver(const ReceiverSound& receiver) noexcept {
    filter_.store(receiver.filter, std::memory_order_relaxed);
    cw_filter_.store(receiver.cw_filter, std::memory_order_relaxed);
    const double att = receiver.att ? kAttenuatorNoise : 1.0;
    noise_gain_.store(
        static_cast<float>(kNoiseGain * att * std::pow(10.0, receiver.noise_db / 20.0)),
        std::memory_order_relaxed);
    crash_rate_hz_.store(receiver.crash_rate_hz, std::memory_order_relaxed);
    // The same receiver told again (a filter switched between retunes) leaves the noise
    // where it is; a new seed sends it somewhere new.
    const std::uint64_t before = retune_seed_.exchange(receiver.seed, std::memory_order_relaxed);
    if (before != receiver.seed || retunes_.load(std::memory_order_relaxed) == 0)
        retunes_.fetch_add(1, std::memory_order_release);
}

Mixer::VoiceSlot* Mixer::recording_slot(std::string_view name) {
    for (auto& r : recordings_) {
        if (!r.source.empty() && r.source == name) return &r;
    }
    return nullptr;
}

Mixer::VoiceSlot* Mixer::free_recording_slot() {
    for (auto& r : recordings_) {
        const bool done = !r.pending && (r.voice == nullptr || r.voice->finished());
        if (r.source.empty() || done) return &r;
    }
    return nullptr;
}

void Mixer::play_recording(std::string_view name) noexcept {
    if (!RecordingsFolder::valid_name(name)) return;
    try {
        std::shared_ptr<void> old;
        {
            const std::lock_guard lock(control_);
            VoiceSlot* slot = recording_slot(name); // playing again restarts it
            if (slot == nullptr) slot = free_recording_slot();
            if (slot == nullptr) return; // every slot busy: this one stays silent
            request(*slot, std::string(name), old);
        }
        epoch_.retire(std::move(old));
        wake(wake_.loader);
    } catch (...) {}
}

void Mixer::close_recording(std::string_view name) noexcept {
    try {
        std::shared_ptr<void> old;
        {
            const std::lock_guard lock(control_);
            VoiceSlot* slot = recording_slot(name);
            if (slot == nullptr) return;
            silence(*slot, old);
            slot->source.clear();
        }
        epoch_.retire(std::move(old));
    } catch (...) {}
}

// ---- loader and feeder ------------------------------------------------------

void Mixer::load(VoiceSlot& slot) {
    std::string source;
    std::uint64_t generation = 0;
    {
        const std::lock_guard lock(control_);
        if (!slot.pending) return;
        slot.pending = false;
        source = slot.source;
        generation = slot.generation;
    }
    DecodedSound sound = cache_.get(folder_.open(source), slot.loop);
    // The looped noise plays as the receiver's band noise too: its texture is
    // worked out here, on the loader.
    auto voice =
        sound ? std::make_shared<Voice>(std::move(sound), slot.loop, &slot == &noise_) : nullptr;
    std::shared_ptr<void> old;
    {
        const std::lock_guard lock(control_);
        if (slot.generation != generation) return; // stopped or restarted meanwhile
        if (!voice) {
            slot.wanted = false; // a later request may try again
            return;
        }
        slot.live.store(voice.get(), std::memory_order_seq_cst);
        old = std::exchange(slot.voice, std::move(voice));
    }
    epoch_.retire(std::move(old));
}

void Mixer::load() noexcept {
    try {
        const std::lock_guard loading(loading_);
        load(noise_);
        for (auto& r : recordings_)
            load(r);
        epoch_.collect();
    } catch (...) {}
}

void Mixer::feed() noexcept {
    try {
        const std::lock_guard feeding(feeding_);
        std::array<std::shared_ptr<ChannelPlay>, kChannels + kNeighbours> streams;
        {
            const std::lock_guard lock(control_);
            for (std::size_t k = 0; k < channels_.size(); ++k)
                streams[k] = channels_[k].stream;
            for (std::size_t i = 0; i < neighbours_.size(); ++i)
                streams[channels_.size() + i] = neighbours_[i].stream;
        }
        for (auto& s : streams) {
            if (s) s->stream.fill();
        }
        epoch_.collect();
    } catch (...) {}
}

// ---- the audio thread -------------------------------------------------------

void Mixer::mix(std::span<float> out) noexcept {
    epoch_.enter();
    const std::uint64_t block = epoch_.blocks_started();
    std::fill(out.begin(), out.end(), 0.0f);
    const bool plain = plain_.load(std::memory_order_relaxed);
    for (auto& slot : channels_) {
        ChannelPlay* play = slot.live.load(std::memory_order_seq_cst);
        if (play == nullptr) continue;
        ChannelStream* stream = &play->stream;
        if (play->add(out, kChannelGain, plain) > 0 && !stream->heard) {
            stream->heard = true;
            slot.heard_ns.store(steady_ns(), std::memory_order_release);
            slot.heard_block.store(block, std::memory_order_release);
        }
    }
    if (!plain) {
        for (auto& slot : neighbours_) {
            if (ChannelPlay* play = slot.live.load(std::memory_order_seq_cst))
                play->add(out, kChannelGain, false);
        }
    }
    if (CarrierTone* c = carrier_.live.load(std::memory_order_seq_cst)) c->add(out);
    const std::uint64_t retunes = retunes_.load(std::memory_order_acquire);
    if (retunes != retunes_heard_) {
        retunes_heard_ = retunes;
        band_noise_.retune(retune_seed_.load(std::memory_order_relaxed));
    }
    if (Voice* v = noise_.live.load(std::memory_order_seq_cst)) {
        if (plain)
            v->add(out, noise_.gain);
        else if (const NoiseTexture* texture = v->texture())
            band_noise_.add(out, *texture, noise_gain_.load(std::memory_order_relaxed),
                            crash_rate_hz_.load(std::memory_order_relaxed));
    }
    for (auto& slot : recordings_) {
        if (Voice* v = slot.live.load(std::memory_order_seq_cst)) v->add(out, slot.gain);
    }
    if (!plain)
        chain_.process(out, filter_.load(std::memory_order_relaxed),
                       cw_filter_.load(std::memory_order_relaxed));
    for (float& v : out)
        v = soft_limit(v);
    epoch_.leave();
}

} // namespace zenka::sound
