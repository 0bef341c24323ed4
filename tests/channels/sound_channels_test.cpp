#include "air.h"
#include "support/sound_calls.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace zenka {
namespace {

using namespace std::chrono_literals;

class Channels : public ::testing::Test {
  protected:
    Channels() : a(clock, out, folder.path()) {
        a.on_log = [this](std::string_view f, std::string_view i, std::uint32_t p) {
            const std::lock_guard lock(log_mutex);
            log.push_back(std::string(f) + "|" + std::string(i) + "|" + std::to_string(p));
        };
    }

    std::vector<std::string> logged() {
        const std::lock_guard lock(log_mutex);
        return log;
    }

    test::TempFolder folder;
    sound::NullSound out;
    SystemClock clock;
    Air a;
    std::mutex log_mutex;
    std::vector<std::string> log;
};

TEST_F(Channels, AnEmissionKeepsItsChannelBusyUntilItsDeadline) {
    a.spd = 20, a.ton = 1000, a.qsa = 5;
    const std::uint32_t ms = a.CreateWave(2, "E");
    ASSERT_EQ(ms, 360u);
    a.sound(2);
    a.timer2_start(ms);
    const std::uint32_t deadline = a.channels.timer(2);
    EXPECT_NE(deadline, 0u);

    std::this_thread::sleep_for(250ms);
    EXPECT_EQ(a.channels.timer(2), deadline);
    const auto until = std::chrono::steady_clock::now() + 5s;
    while (a.channels.timer(2) != 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(5ms);
    EXPECT_EQ(a.channels.timer(2), 0u);
    EXPECT_GE(static_cast<std::int32_t>(clock.tick_count() - deadline), 0);

    const std::vector<std::string> expected = {"open_channel 2 ZENKA02.WAV", "close_channel 2"};
    EXPECT_EQ(test::calls(out, folder.path()), expected);
    const auto records = logged();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back(), "thread2_timer2 condition STOP||" + std::to_string(deadline));
}

TEST_F(Channels, StopAllDevsSilencesEverythingAtOnce) {
    for (int k = 0; k < 7; ++k) {
        a.sound(k);
        a.channels.timer_start(k, 60000);
    }
    test::take(out, folder.path());
    a.stop_all_devs();
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(a.channels.timer(k), 0u) << k;
    const std::vector<std::string> expected = {"stop_carrier",
                                               "close_channel 0",
                                               "close_channel 1",
                                               "close_channel 2",
                                               "close_channel 3",
                                               "close_channel 4",
                                               "close_channel 5",
                                               "close_channel 6",
                                               "close_recording fone/rtt-001.wav",
                                               "close_recording fone/rtt-001.mp3",
                                               "close_recording fone/rtt-002.wav",
                                               "close_recording fone/ssb-002.wav",
                                               "close_recording fone/sitorb.wav",
                                               "close_recording fone/fax-001.wav",
                                               "close_recording fone/othr-001.wav"};
    EXPECT_EQ(test::take(out, folder.path()), expected);
    // No watcher fires later.
    for (const auto& r : logged())
        EXPECT_EQ(r.find("condition STOP"), std::string::npos) << r;

    // Free channels are not closed again.
    a.stop_all_devs();
    const auto again = test::take(out, folder.path());
    EXPECT_EQ(std::count_if(again.begin(), again.end(),
                            [](const std::string& c) { return c.starts_with("close_channel"); }),
              0);
}

// Many retunes racing the watchers' deadlines: every playback is closed exactly once,
// whoever gets there first.
TEST_F(Channels, RetunesRacingDeadlinesCloseEachPlaybackOnce) {
    std::mt19937 random(42);
    for (int round = 0; round < 300; ++round) {
        for (int k = 0; k < 7; ++k) {
            if (a.channels.timer(k) != 0) continue;
            a.sound(k);
            a.channels.timer_start(k, random() % 4);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        if (random() % 2) a.stop_all_devs();
    }
    a.stop_all_devs();

    std::array<int, 7> open{};
    for (const auto& c : test::calls(out, folder.path())) {
        if (c.starts_with("open_channel ")) {
            const int k = c[13] - '0';
            ASSERT_EQ(open[k], 0) << "opened twice without a close: " << k;
            open[k] = 1;
        } else if (c.starts_with("close_channel ")) {
            const int k = c[14] - '0';
            ASSERT_EQ(open[k], 1) << "closed twice: " << k;
            open[k] = 0;
        }
    }
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(open[k], 0) << k;
}

TEST_F(Channels, TheContextEndsItsWatchersWhenItGoes) {
    auto other = std::make_unique<Air>(clock, out, folder.path());
    other->sound(4);
    other->channels.timer_start(4, 60000);
    test::take(out, folder.path());
    other.reset(); // must not wait for the minute to pass
    EXPECT_EQ(test::take(out, folder.path()), std::vector<std::string>{"close_channel 4"});
}

} // namespace
} // namespace zenka
