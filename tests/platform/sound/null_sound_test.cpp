// NullSound writes down every call, in order, from any number of threads.

#include "platform/sound/null_sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace zenka::sound {
namespace {

TEST(NullSound, WritesDownEveryCall) {
    NullSound s;
    EXPECT_EQ(s.device_count(), 1);
    s.open_channel(3, "/work/ZENKA03.WAV");
    s.close_channel(3);
    s.loop_carrier("/work/carrier.wav");
    s.stop_carrier();
    s.play_recording("fone/rtt-001.wav");
    s.close_recording("fone/rtt-001.wav");
    s.start_noise();
    s.stop_noise();
    const std::vector<std::string> expected = {
        "open_channel 3 /work/ZENKA03.WAV",
        "close_channel 3",
        "loop_carrier /work/carrier.wav",
        "stop_carrier",
        "play_recording fone/rtt-001.wav",
        "close_recording fone/rtt-001.wav",
        "start_noise",
        "stop_noise",
    };
    EXPECT_EQ(s.calls(), expected);
    s.clear();
    EXPECT_TRUE(s.calls().empty());
}

TEST(NullSound, DeviceCountIsWhatTheTestSays) {
    NullSound none(0);
    EXPECT_EQ(none.device_count(), 0);
    none.set_device_count(2);
    EXPECT_EQ(none.device_count(), 2);
    SoundOutput& out = none;
    out.close_channel(0);
    EXPECT_EQ(none.calls(), std::vector<std::string>{"close_channel 0"});
}

TEST(NullSound, CallsFromManyThreadsAreAllKept) {
    NullSound s;
    constexpr int kThreads = 4;
    constexpr int kCalls = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&s, t] {
            for (int i = 0; i < kCalls; ++i) {
                s.open_channel(t, "/f" + std::to_string(i));
                s.close_channel(t);
            }
        });
    }
    for (auto& t : threads)
        t.join();
    const auto calls = s.calls();
    ASSERT_EQ(calls.size(), static_cast<std::size_t>(kThreads * kCalls * 2));
    for (int t = 0; t < kThreads; ++t) {
        // Each thread's own calls keep their order.
        std::vector<std::string> mine;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(mine),
                     [t](const std::string& c) {
                         return c.starts_with("open_channel " + std::to_string(t) + ' ') ||
                                c == "close_channel " + std::to_string(t);
                     });
        ASSERT_EQ(mine.size(), static_cast<std::size_t>(kCalls * 2));
        for (int i = 0; i < kCalls; ++i) {
            EXPECT_EQ(mine[static_cast<std::size_t>(2 * i)],
                      "open_channel " + std::to_string(t) + " /f" + std::to_string(i));
            EXPECT_EQ(mine[static_cast<std::size_t>(2 * i + 1)],
                      "close_channel " + std::to_string(t));
        }
    }
}

} // namespace
} // namespace zenka::sound
