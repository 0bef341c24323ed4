// The SDL device output, on SDL's dummy driver (SDL_AUDIODRIVER=dummy is set for
// this executable), and without any driver at all.

#include "platform/sound/sdl_sound.h"
#include "platform/sound/sound_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

namespace zenka::test {
namespace {

using namespace std::chrono_literals;

// Waits (at most five seconds) for `done`.
template <typename F> bool eventually(F done) {
    const auto until = std::chrono::steady_clock::now() + 5s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (old_.empty())
            ::unsetenv(name_);
        else
            ::setenv(name_, old_.c_str(), 1);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::string old_;
};

TEST(SdlSound, PlaysAChannelFromTheNextPeriodOnDummyDevice) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    TempFolder folder;
    const auto file = folder / "ZENKA05.WAV";
    write_channel_file(file, 8000, tone8(1000.0, 8000, 16000, 90));
    sound::SdlSound s(sound::RecordingsFolder(folder / "fone"));
    ASSERT_GE(s.device_count(), 1);
    ASSERT_NE(s.mixer(), nullptr);
    ASSERT_TRUE(eventually([&] { return s.mixer()->blocks_started() > 2; })); // the device runs

    s.open_channel(5, file);
    const std::uint64_t after_open = s.mixer()->blocks_started();
    ASSERT_TRUE(eventually([&] { return s.mixer()->channel_heard(5).block != 0; }));
    // Converted ahead by open_channel: the first block begun after it returned
    // already carries the channel.
    EXPECT_LE(s.mixer()->channel_heard(5).block, after_open + 1);
    s.close_channel(5);
    s.close_channel(5);
}

TEST(SdlSound, EverythingIsAcceptedWithoutADevice) {
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    TempFolder folder;
    sound::SdlSound s(sound::RecordingsFolder(folder / "fone"));
    EXPECT_EQ(s.device_count(), 0);
    EXPECT_EQ(s.mixer(), nullptr);
    s.open_channel(0, folder / "ZENKA00.WAV");
    s.close_channel(0);
    s.loop_carrier(folder / "carrier.wav");
    s.stop_carrier();
    s.play_recording("fone/rtt-001.wav");
    s.close_recording("fone/rtt-001.wav");
    s.start_noise();
    s.stop_noise();
}

TEST(SdlSound, OpenAndCloseFromSeveralThreadsAtOnce) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    std::vector<std::filesystem::path> files;
    for (int k = 0; k < 7; ++k) {
        files.push_back(folder / ("ZENKA0" + std::to_string(k) + ".WAV"));
        write_channel_file(files.back(), 6000 + 1000 * static_cast<std::uint32_t>(k),
                           tone8(700.0, 8000, 40000, 80));
    }
    write_wav8(folder / "carrier.wav", 8000, tone8(1000.0, 8000, 80, 40));
    write_wav8(folder / "fone/noise.wav", 11025, tone8(300.0, 11025, 11025, 20));
    write_wav8(folder / "fone/rtt-001.wav", 22050, tone8(500.0, 22050, 22050, 50));
    {
        sound::SdlSound s(sound::RecordingsFolder(folder / "fone"));
        ASSERT_GE(s.device_count(), 1);
        std::vector<std::thread> threads;
        for (unsigned t = 0; t < 4; ++t) {
            threads.emplace_back([&, t] {
                std::mt19937 gen(t);
                for (int i = 0; i < 150; ++i) {
                    const int k = static_cast<int>(gen() % 7);
                    switch (gen() % 6) {
                    case 0:
                    case 1:
                        s.open_channel(k, files[static_cast<std::size_t>(k)]);
                        break;
                    case 2:
                        s.close_channel(k);
                        break;
                    case 3:
                        gen() % 2 ? s.loop_carrier(folder / "carrier.wav") : s.stop_carrier();
                        break;
                    case 4:
                        gen() % 2 ? s.start_noise() : s.stop_noise();
                        break;
                    default:
                        gen() % 2 ? s.play_recording("fone/rtt-001.wav")
                                  : s.close_recording("fone/rtt-001.wav");
                    }
                    if (gen() % 4 == 0) std::this_thread::sleep_for(1ms);
                }
            });
        }
        for (auto& t : threads)
            t.join();
        EXPECT_GT(s.mixer()->blocks_started(), 0u);
    } // destroyed with sounds still playing
}

} // namespace
} // namespace zenka::test
