// A long session: thousands of retunes composed, their channel files written and
// mixed a little each time. Once warmed up, the heap in use stays flat: nothing
// per retune (cached sounds, channel streams, retired voices) accumulates.

#include "band/dispatcher.h"
#include "platform/sound/file_sound.h"
#include "shell/receiver.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace zenka {
namespace {

std::int64_t heap_in_use() {
    return static_cast<std::int64_t>(::mallinfo2().uordblks);
}

TEST(RetuneSoak, MemoryStaysFlatOverThousandsOfRetunes) {
    test::TempFolder folder;
    sound::FileSound out(folder / "session.wav", sound::RecordingsFolder(ZENKA_TEST_FONE));
    ASSERT_EQ(out.device_count(), 1);
    FixedClock clock(*parse_utc("2026-12-08T06:13:00Z"));
    RandomSource random;
    Playout playout(out, clock, random, folder.path());
    NoPanel panel;
    Receiver rx(clock, random, playout, panel, [](Air& a) { band(a); });
    rx.settings.freq = 4800; // 480.0 kHz: coast stations, 500 kHz, beacons
    out.start_noise();

    // One sweep: 100 retunes up the MF band, a tenth of a second mixed after each.
    const auto sweep = [&] {
        for (int i = 0; i < 100; ++i) {
            rx.settings.freq = 4800 + (i * 7) % 600;
            rx.dsp_freq();
            out.advance(std::chrono::milliseconds(100));
            clock.advance(std::chrono::seconds(7));
        }
    };
    for (int i = 0; i < 5; ++i)
        sweep();
    const std::int64_t warm = heap_in_use();
    for (int i = 0; i < 25; ++i)
        sweep();
    const std::int64_t after = heap_in_use();
    RecordProperty("heap_growth_bytes", std::to_string(after - warm));
    // The sweeps of the fault this guards against grew by megabytes each.
    EXPECT_LT(after - warm, 1 << 20) << "warm " << warm << ", after 2500 more retunes " << after;
    playout.stop_all();
}

} // namespace
} // namespace zenka
