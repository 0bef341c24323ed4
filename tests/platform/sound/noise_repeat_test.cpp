// The band noise never brings back a stretch it has played: no two half-second
// windows of one long render, anywhere in it, are alike. Plain audio loops the
// recording, and the same search finds it doing so.

#include "platform/sound/repeat_search.h"
#include "platform/sound/sound_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace zenka::test {
namespace {

using std::chrono::milliseconds;

std::vector<float> hear_loop(const std::vector<std::int16_t>& loop, std::uint32_t rate,
                             milliseconds span, Heard heard, double crash_rate = 0.0) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    write_wav16(folder / "fone/noise.wav", rate, loop);
    return render(
        folder,
        [&](sound::FileSound& s) {
            ReceiverSound r;
            r.crash_rate_hz = crash_rate;
            r.seed = 11;
            s.set_receiver(r);
            s.start_noise();
            s.advance(span);
        },
        {}, heard);
}

TEST(BandNoise, NoHalfSecondComesBackInALongRender) {
    // A 3 s loop heard for 24 s: eight times its length.
    const auto loop = white16(3 * 48000, 3, 3000);
    const auto heard = hear_loop(loop, 48000, milliseconds(24000), Heard::Receiver);
    const Likeness found = strongest_repeat(heard, 24000);
    std::printf("receiver: strongest likeness of two half seconds %.3f (at %.2f s and %.2f s)\n",
                found.correlation, found.first / 48000.0, found.second / 48000.0);
    EXPECT_LT(found.correlation, 0.5);

    // The search finds a loop that does come back.
    const Likeness looped =
        strongest_repeat(hear_loop(loop, 48000, milliseconds(24000), Heard::Plain), 24000, 0.99);
    std::printf("plain: %.3f (at %.2f s and %.2f s)\n", looped.correlation, looped.first / 48000.0,
                looped.second / 48000.0);
    EXPECT_GT(looped.correlation, 0.99);
    EXPECT_EQ((looped.second - looped.first) % (3 * 48000), 0u);
}

TEST(BandNoise, TheShippedLoopNeverComesBackEither) {
    // The band's own 30 s recording with its crackles, heard for 20 s with
    // static crashes as on LF. Short crackles that fill most of a window's
    // power make any two such windows a little alike by chance; nothing comes
    // back.
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    std::filesystem::copy_file(std::filesystem::path(ZENKA_TEST_FONE) / "noise.wav",
                               folder / "fone/noise.wav");
    const auto heard = render(
        folder,
        [&](sound::FileSound& s) {
            ReceiverSound r;
            r.crash_rate_hz = 1.2;
            r.seed = 5;
            s.set_receiver(r);
            s.start_noise();
            s.advance(milliseconds(20000));
        },
        {}, Heard::Receiver);
    const Likeness found = strongest_repeat(heard, 24000);
    std::printf("shipped loop: strongest likeness %.3f (at %.2f s and %.2f s)\n", found.correlation,
                found.first / 48000.0, found.second / 48000.0);
    EXPECT_LT(found.correlation, 0.5);
}

} // namespace
} // namespace zenka::test
