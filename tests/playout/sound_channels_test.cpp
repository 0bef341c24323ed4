#include "platform/sound/null_sound.h"
#include "playout/playout.h"
#include "support/sound_calls.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <random>
#include <thread>

namespace zenka {
namespace {

using namespace std::chrono_literals;

class Channels : public ::testing::Test {
  protected:
    Channels()
        : diagnostics(folder / "RX_LOG.TXT"), a(out, clock, random, folder.path(), &diagnostics) {
        diagnostics.observer = [this](const LogRecord& r) {
            const std::lock_guard lock(log_mutex);
            log.push_back(r.function + "|" + r.info + "|" + std::to_string(r.param));
            records.push_back(r);
        };
    }

    std::vector<std::string> logged() {
        const std::lock_guard lock(log_mutex);
        return log;
    }

    // Channel k plays its file until `ms` from now.
    void play(int k, std::uint32_t ms) { a.play_file(k, a.channel_file(k), ms); }

    test::TempFolder folder;
    sound::NullSound out;
    SystemClock clock;
    RandomSource random;
    DiagnosticLog diagnostics;
    std::mutex log_mutex;
    std::vector<std::string> log;
    std::vector<LogRecord> records;
    Playout a;
};

TEST_F(Channels, AnEmissionKeepsItsChannelBusyUntilItsDeadline) {
    Slot slot{"E", {}, {}};
    slot.params.spd = 20, slot.params.ton = 1000, slot.params.qsa = 5;
    const std::uint32_t ms = a.start_channel(2, slot, {}).duration_ms;
    ASSERT_EQ(ms, 360u);
    const std::uint32_t deadline = a.deadline(2);
    EXPECT_NE(deadline, 0u);

    std::this_thread::sleep_for(250ms);
    EXPECT_EQ(a.deadline(2), deadline);
    const auto until = std::chrono::steady_clock::now() + 5s;
    while (a.deadline(2) != 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(5ms);
    EXPECT_EQ(a.deadline(2), 0u);
    EXPECT_GE(static_cast<std::int32_t>(clock.tick_count() - deadline), 0);

    const std::vector<std::string> expected = {"open_channel 2 ZENKA02.WAV", "close_channel 2"};
    EXPECT_EQ(test::calls(out, folder.path()), expected);
    const auto records = logged();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back(), "thread2_timer2 condition STOP||" + std::to_string(deadline));
}

TEST_F(Channels, StopAllDevsSilencesEverythingAtOnce) {
    for (int k = 0; k < 7; ++k) {
        play(k, 60000);
    }
    test::take(out, folder.path());
    a.stop_all();
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(a.deadline(k), 0u) << k;
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
    a.stop_all();
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
            if (a.deadline(k) != 0) continue;
            play(k, random() % 4);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        if (random() % 2) a.stop_all();
    }
    a.stop_all();

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

TEST_F(Channels, ThePlayoutEndsItsWatchersWhenItGoes) {
    auto other = std::make_unique<Playout>(out, clock, random, folder.path());
    other->play_file(4, other->channel_file(4), 60000);
    test::take(out, folder.path());
    other.reset(); // must not wait for the minute to pass
    EXPECT_EQ(test::take(out, folder.path()), std::vector<std::string>{"close_channel 4"});
}

// With the log on, the watchers write their records while the interface thread
// plays the next pass: each record carries its own emission's values.
TEST_F(Channels, WatcherRecordsCarryTheirOwnEmissionsValues) {
    diagnostics.set_enabled(true);
    ReceiverSettings settings;
    settings.freq = 5000;
    for (int round = 0; round < 20; ++round) {
        Composition c;
        c.settings = settings;
        for (int k = 0; k < 7; ++k) {
            Slot slot{"E", {}, {}};
            slot.params.spd = 40 + k; // short emissions, each channel with its own speed
            slot.params.ton = 1000 + 100 * k;
            c.slots.push_back(slot);
        }
        a.play(c);
        std::this_thread::sleep_for(5ms);
        Air next(clock, random, settings); // composing goes on meanwhile
        next.spd = 99;
        next.Log("compose", "", 0);
        diagnostics.write(next.so_far().log[0]);
    }
    const auto until = std::chrono::steady_clock::now() + 5s;
    for (int k = 0; k < 7; ++k)
        while (a.deadline(k) != 0 && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(5ms);
    a.stop_all();

    const std::lock_guard lock(log_mutex);
    int stops = 0;
    for (const LogRecord& r : records) {
        if (r.function.find("condition STOP") == std::string::npos) continue;
        ++stops;
        const int k = r.function[6] - '0';
        EXPECT_EQ(r.function,
                  "thread" + std::to_string(k) + "_timer" + std::to_string(k) + " condition STOP");
        EXPECT_EQ(r.params.spd, 40 + k);
        EXPECT_EQ(r.params.ton, 1000 + 100 * k);
        EXPECT_EQ(r.freq, 5000);
        EXPECT_NE(r.param, 0u); // the deadline
    }
    EXPECT_GT(stops, 0);
    const auto file = test::read_bytes(folder / "RX_LOG.TXT");
    EXPECT_FALSE(file.empty());
}

} // namespace
} // namespace zenka
