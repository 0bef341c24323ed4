#pragma once
// The receiver's own mixer at 48 kHz float: seven channel streams, up to
// twelve neighbours (stations near the dial, each at its own offset), the
// steady carrier tone, the band noise and recordings from the recordings
// folder, each with a fixed gain, summed through a soft limiter. Unless it is
// plain, the stations are heard as a receiver hears them (soft keying, clean
// tones, fading and drift by their path), the noise never repeats, and the sum
// goes through the receiver's filter and AGC; plain, the channels, noise,
// carrier and recordings are summed as they are, the noise loops and the
// neighbours are left out (they wait where they are).
//
// Threads:
// - control calls (open_channel ... stop_noise): any thread, concurrently; they
//   only publish and unpublish sources, holding a short lock that the audio
//   thread never takes; loop_carrier reads the small carrier file first, on the
//   calling thread, so what the file held at the request is what sounds;
// - mix(): the audio thread, one block at a time, never concurrently with
//   itself; it does not allocate, do file I/O or lock;
// - feed(): the feeder, which tops up the channel streams and frees what the
//   audio thread has let go of;
// - load(): the loader, which decodes the requested recordings and the noise
//   (slow the first time, so kept apart from the feeder).
// A backend with real-time output runs feed() and load() on threads of its
// own; a rendering backend calls them before every block.

#include "platform/channel_sound.h"
#include "platform/sound/audio_epoch.h"
#include "platform/sound/band_noise.h"
#include "platform/sound/carrier_tone.h"
#include "platform/sound/channel_play.h"
#include "platform/sound/mix_levels.h"
#include "platform/sound/receiver_chain.h"
#include "platform/sound/recordings_folder.h"
#include "platform/sound/sound_cache.h"
#include "platform/sound/voice.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

namespace zenka::sound {

class Mixer {
  public:
    static constexpr int kChannels = 7;
    static constexpr int kNeighbours = 12;
    static constexpr int kRecordings = 8; // recordings sounding at once
    static constexpr std::string_view kNoiseName = "fone/noise.wav";

    // Called when feed() or load() has work; may be empty.
    struct Wake {
        std::function<void()> feeder;
        std::function<void()> loader;
    };

    explicit Mixer(RecordingsFolder folder, Wake wake = {});
    // mix(), feed() and load() must have stopped.
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Control. A sound that cannot be opened stays silent; nothing throws.
    // open_channel reads the first ChannelStream::kPrefill samples before it
    // returns, so the next block already plays the channel.
    void open_channel(int k, const std::filesystem::path& file,
                      const ChannelSound& sound = {}) noexcept;
    // After this returns no block that starts later plays the old stream.
    void close_channel(int k) noexcept;
    // Neighbour i (0 .. kNeighbours - 1): as a channel, with its offset and gain.
    void open_neighbour(int i, const std::filesystem::path& file,
                        const NeighbourSound& sound) noexcept;
    void close_neighbour(int i) noexcept;
    // Measures the carrier file now and plays its tone from the next block,
    // unless a carrier already sounds (then the file is not even read). A file
    // that holds no sound leaves no carrier; one with a flat wave or a pitch the
    // output cannot carry gives a silent carrier, which counts as sounding all
    // the same. A stop_carrier while the file is read cancels the request.
    void loop_carrier(const std::filesystem::path& file) noexcept;
    void stop_carrier() noexcept;
    void play_recording(std::string_view name) noexcept;
    void close_recording(std::string_view name) noexcept;
    void start_noise() noexcept;
    void stop_noise() noexcept;
    // The receiver's filter, attenuator and band noise, from the next block on;
    // a new seed sends the noise somewhere new.
    void set_receiver(const ReceiverSound& receiver) noexcept;
    // Plain: every source as it is, no receiver in between.
    void set_plain(bool plain) noexcept { plain_.store(plain, std::memory_order_relaxed); }

    // Audio thread: writes the next out.size() samples of the mix.
    void mix(std::span<float> out) noexcept;

    void feed() noexcept;
    void load() noexcept;

    // For measurements: blocks begun so far, and the block (numbered from 1) and
    // steady-clock time in which channel k's latest stream was first heard.
    std::uint64_t blocks_started() const noexcept { return epoch_.blocks_started(); }
    struct Heard {
        std::uint64_t block = 0;
        std::int64_t steady_ns = 0;
    };
    Heard channel_heard(int k) const noexcept;

  private:
    struct ChannelSlot {
        std::shared_ptr<ChannelPlay> stream; // guarded by control_
        std::atomic<ChannelPlay*> live{nullptr};
        std::atomic<std::uint64_t> heard_block{0};
        std::atomic<std::int64_t> heard_ns{0};
    };

    // The carrier; all but `live` is guarded by control_.
    struct CarrierSlot {
        bool sounding = false;
        std::uint64_t stops = 0;           // stop_carrier calls so far
        std::shared_ptr<CarrierTone> tone; // null for a silent carrier
        std::atomic<CarrierTone*> live{nullptr};
    };

    // The noise or one recording. loop and gain are set once by the
    // constructor; the rest but `live` is guarded by control_.
    struct VoiceSlot {
        bool loop = false;
        float gain = 0.0f;
        std::string source;   // recording name; empty when free
        bool wanted = false;  // requested and not stopped (or failed)
        bool pending = false; // waiting for the loader
        std::uint64_t generation = 0;
        std::shared_ptr<Voice> voice;
        std::atomic<Voice*> live{nullptr};
    };

    void open(ChannelSlot& slot, std::shared_ptr<ChannelPlay> stream) noexcept;
    void close(ChannelSlot& slot) noexcept;
    void request(VoiceSlot& slot, std::string source, std::shared_ptr<void>& old);
    void silence(VoiceSlot& slot, std::shared_ptr<void>& old);
    void load(VoiceSlot& slot);
    VoiceSlot* recording_slot(std::string_view name);
    VoiceSlot* free_recording_slot();
    void wake(const std::function<void()>& f) noexcept;

    RecordingsFolder folder_;
    Wake wake_;
    AudioEpoch epoch_;

    std::mutex control_;
    std::array<ChannelSlot, kChannels> channels_;
    std::array<ChannelSlot, kNeighbours> neighbours_;
    CarrierSlot carrier_;
    VoiceSlot noise_;
    std::array<VoiceSlot, kRecordings> recordings_;

    // The receiver: written by set_receiver, read by the audio thread.
    std::atomic<bool> plain_{false};
    std::atomic<Filter> filter_{Filter::flt2};
    std::atomic<bool> cw_filter_{false};
    std::atomic<float> noise_gain_{kNoiseGain};
    std::atomic<double> crash_rate_hz_{0.0};
    std::atomic<std::uint64_t> retune_seed_{0};
    std::atomic<std::uint64_t> retunes_{0};
    // Audio thread only.
    std::uint64_t retunes_heard_ = 0;
    ReceiverChain chain_{kMixRate};
    BandNoise band_noise_{kMixRate, 1};

    std::mutex feeding_; // one feed() at a time
    std::mutex loading_; // one load() at a time; guards cache_
    SoundCache cache_;
};

} // namespace zenka::sound
