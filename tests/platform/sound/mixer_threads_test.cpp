// The mixer with its audio, feeder and loader threads running for real, and
// control calls coming from other threads: a closed channel is never heard
// again, even when its file is rewritten and opened at once.

#include "platform/sound/mix_levels.h"
#include "platform/sound/mixer.h"
#include "platform/sound/sound_files.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

namespace zenka::test {
namespace {

using namespace std::chrono_literals;

// What one mixed block held: up to four distinct sample values, and whether it
// held anything outside [-1, 1] or not finite.
struct BlockSeen {
    std::array<float, 4> values{};
    int count = 0;
    bool wild = false;
};

// Runs a mixer as a device would, on threads of its own, and keeps what every
// block held.
class RunningMixer {
  public:
    static constexpr std::size_t kBlocks = 400000;
    static constexpr std::size_t kBlock = 512;

    explicit RunningMixer(const std::filesystem::path& recordings)
        : mixer_(sound::RecordingsFolder(recordings)), seen_(kBlocks) {
        mixer_.set_plain(true); // every source keeps its own constant value
        audio_ = std::thread([this] {
            std::array<float, kBlock> block{};
            while (!stop_.load()) {
                mixer_.mix(block);
                const std::uint64_t n = mixer_.blocks_started();
                if (n <= kBlocks) note(seen_[n - 1], block);
                std::this_thread::sleep_for(200us);
            }
        });
        feeder_ = std::thread([this] {
            while (!stop_.load()) {
                mixer_.feed();
                std::this_thread::sleep_for(1ms);
            }
        });
        loader_ = std::thread([this] {
            while (!stop_.load()) {
                mixer_.load();
                std::this_thread::sleep_for(2ms);
            }
        });
    }
    ~RunningMixer() { stop(); }
    RunningMixer(const RunningMixer&) = delete;
    RunningMixer& operator=(const RunningMixer&) = delete;

    sound::Mixer& mixer() { return mixer_; }

    // Stops the threads; after this, seen() may be read.
    void stop() {
        stop_.store(true);
        for (std::thread* t : {&audio_, &feeder_, &loader_}) {
            if (t->joinable()) t->join();
        }
    }
    const std::vector<BlockSeen>& seen() const { return seen_; }

  private:
    static void note(BlockSeen& seen, const std::array<float, kBlock>& block) {
        for (const float v : block) {
            if (!std::isfinite(v) || std::fabs(v) > 1.0f) seen.wild = true;
            if (v == 0.0f) continue;
            bool known = false;
            for (int i = 0; i < seen.count; ++i)
                known = known || seen.values[static_cast<std::size_t>(i)] == v;
            if (!known && seen.count < 4) seen.values[static_cast<std::size_t>(seen.count++)] = v;
        }
    }

    sound::Mixer mixer_;
    std::vector<BlockSeen> seen_;
    std::atomic<bool> stop_{false};
    std::thread audio_;
    std::thread feeder_;
    std::thread loader_;
};

// Whether anything sounded; every block held only sane values, and from block
// `quiet_from` on none above `quiet` (0: none at all).
bool sane_then_quiet(const std::vector<BlockSeen>& seen, std::uint64_t quiet_from, float quiet) {
    bool sounded = false;
    for (std::size_t b = 0; b < seen.size(); ++b) {
        EXPECT_FALSE(seen[b].wild) << b + 1;
        sounded = sounded || seen[b].count > 0;
        if (b + 1 < quiet_from || seen[b].count == 0) continue;
        if (quiet == 0.0f) {
            ADD_FAILURE() << "block " << b + 1;
            continue;
        }
        for (int v = 0; v < seen[b].count; ++v)
            EXPECT_LT(std::fabs(seen[b].values[static_cast<std::size_t>(v)]), quiet) << b + 1;
    }
    return sounded;
}

template <typename F> bool eventually(F done) {
    const auto until = std::chrono::steady_clock::now() + 10s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(100us);
    }
    return true;
}

TEST(MixerThreads, RewrittenChannelFileIsNeverHeardAfterClose) {
    TempFolder folder;
    const auto file = folder / "ZENKA00.WAV";
    constexpr int kRounds = 50;
    std::array<std::uint64_t, kRounds> opened{}; // blocks begun before open_channel
    std::array<std::uint64_t, kRounds> closed{}; // blocks begun when close_channel returned
    RunningMixer running(folder / "fone");
    sound::Mixer& m = running.mixer();
    std::uint64_t heard = 0;
    for (int i = 0; i < kRounds; ++i) {
        // Every round's file holds one level of its own, for a second.
        write_channel_file(file, 48000, Samples8(48000, static_cast<std::uint8_t>(130 + 2 * i)));
        opened[static_cast<std::size_t>(i)] = m.blocks_started();
        m.open_channel(0, file);
        ASSERT_TRUE(eventually([&] { return m.channel_heard(0).block > heard; })) << "round " << i;
        heard = m.channel_heard(0).block;
        if (i % 3 == 1) std::this_thread::sleep_for(3ms); // sometimes well into the emission
        m.close_channel(0);
        closed[static_cast<std::size_t>(i)] = m.blocks_started();
    }
    ASSERT_TRUE(eventually([&] { return m.blocks_started() > closed.back() + 2; }));
    running.stop();

    std::array<bool, kRounds> found{};
    const auto& seen = running.seen();
    for (std::size_t b = 0; b < seen.size(); ++b) {
        const std::uint64_t block = b + 1;
        ASSERT_FALSE(seen[b].wild) << block;
        for (int v = 0; v < seen[b].count; ++v) {
            const float value = seen[b].values[static_cast<std::size_t>(v)];
            const long level = std::lround(value / sound::kChannelGain * 128.0f) + 128;
            ASSERT_EQ((level - 130) % 2, 0) << "block " << block << " value " << value;
            const auto round = static_cast<std::size_t>((level - 130) / 2);
            ASSERT_LT(round, static_cast<std::size_t>(kRounds)) << value;
            ASSERT_EQ(value, sound::kChannelGain * level8(static_cast<std::uint8_t>(level)));
            // Only between its open and its close.
            EXPECT_GE(block, opened[round]) << "round " << round;
            EXPECT_LE(block, closed[round]) << "round " << round;
            found[round] = true;
        }
    }
    for (int i = 0; i < kRounds; ++i)
        EXPECT_TRUE(found[static_cast<std::size_t>(i)]) << "round " << i;
}

TEST(MixerThreads, ControlCallsFromSeveralThreadsAtOnce) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    std::vector<std::filesystem::path> files;
    for (int k = 0; k < 7; ++k) {
        files.push_back(folder / ("ZENKA0" + std::to_string(k) + ".WAV"));
        write_channel_file(files.back(), 4000 + 2000 * static_cast<std::uint32_t>(k),
                           tone8(600.0, 16000, 30000, 96));
    }
    write_wav8(folder / "carrier.wav", 8000, tone8(1000.0, 8000, 80, 96));
    write_wav8(folder / "fone/noise.wav", 11025, tone8(300.0, 11025, 11025, 127));
    write_wav8(folder / "fone/rtt-001.wav", 22050, tone8(500.0, 22050, 22050, 127));
    write_wav8(folder / "fone/ssb-002.wav", 8000, tone8(800.0, 8000, 8000, 127));
    const char* names[] = {"fone/rtt-001.wav", "fone/ssb-002.wav", "fone/missing.wav",
                           "fone/../carrier.wav"};

    RunningMixer running(folder / "fone");
    sound::Mixer& m = running.mixer();
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            std::mt19937 gen(100 + t);
            for (int i = 0; i < 300; ++i) {
                const int k = static_cast<int>(gen() % 7);
                switch (gen() % 7) {
                case 0:
                case 1:
                    m.open_channel(k, files[static_cast<std::size_t>(k)]);
                    break;
                case 2:
                    m.close_channel(k);
                    break;
                case 3:
                    gen() % 2 ? m.loop_carrier(folder / "carrier.wav") : m.stop_carrier();
                    break;
                case 4:
                    gen() % 2 ? m.start_noise() : m.stop_noise();
                    break;
                case 5:
                    m.play_recording(names[gen() % 4]);
                    break;
                default:
                    m.close_recording(names[gen() % 4]);
                }
                if (gen() % 8 == 0) std::this_thread::sleep_for(500us);
            }
        });
    }
    for (auto& t : threads)
        t.join();
    // Everything stopped: from the next block on, silence.
    for (int k = 0; k < 7; ++k)
        m.close_channel(k);
    m.stop_carrier();
    m.stop_noise();
    for (const char* name : names)
        m.close_recording(name);
    const std::uint64_t quiet_from = m.blocks_started() + 1;
    ASSERT_TRUE(eventually([&] { return m.blocks_started() > quiet_from + 3; }));
    running.stop();

    EXPECT_TRUE(sane_then_quiet(running.seen(), quiet_from, 0.0f));
}

TEST(MixerThreads, NeighboursComeAndGoBesideTheChannelsThroughTheReceiver) {
    TempFolder folder;
    std::vector<std::filesystem::path> files;
    for (int k = 0; k < 4; ++k) {
        files.push_back(folder / ("ZENKA0" + std::to_string(k) + ".WAV"));
        write_channel_file(files.back(), 6000 + 2000 * static_cast<std::uint32_t>(k),
                           tone8(750.0 + 250.0 * k, 6000 + 2000 * k, 30000, 96));
    }
    RunningMixer running(folder / "fone");
    sound::Mixer& m = running.mixer();
    m.set_plain(false); // neighbours are heard only through the receiver
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            std::mt19937 gen(200 + t);
            for (int i = 0; i < 300; ++i) {
                const auto& file = files[gen() % files.size()];
                switch (gen() % 5) {
                case 0:
                case 1: {
                    ChannelSound sound;
                    sound.drift_hz = 9.0;
                    sound.fade_rate_hz = 0.3;
                    sound.fade_depth = 1.0;
                    sound.seed = gen();
                    sound.offset_hz = static_cast<double>(gen() % 6000) - 3000.0;
                    m.open_neighbour(static_cast<int>(gen() % 12), file, {sound, 0.5});
                    break;
                }
                case 2:
                    m.close_neighbour(static_cast<int>(gen() % 12));
                    break;
                case 3:
                    m.open_channel(static_cast<int>(gen() % 7), file);
                    break;
                default:
                    m.close_channel(static_cast<int>(gen() % 7));
                }
                if (gen() % 8 == 0) std::this_thread::sleep_for(500us);
            }
        });
    }
    for (auto& t : threads)
        t.join();
    for (int i = 0; i < sound::Mixer::kNeighbours; ++i)
        m.close_neighbour(i);
    for (int k = 0; k < sound::Mixer::kChannels; ++k)
        m.close_channel(k);
    // The filter's memory dies away within a few blocks of the last close.
    const std::uint64_t quiet_from = m.blocks_started() + 20;
    ASSERT_TRUE(eventually([&] { return m.blocks_started() > quiet_from + 3; }));
    running.stop();
    EXPECT_TRUE(sane_then_quiet(running.seen(), quiet_from, 1e-6f));
}

} // namespace
} // namespace zenka::test
