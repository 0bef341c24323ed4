// The beat note follows the dial: a station a little off the tuned frequency is heard
// as a neighbour, its note moved one for one with the tuning, through the receiver's
// filter as its response says; the plain sound has no neighbours.

#include "platform/sound/file_sound.h"
#include "platform/sound/receiver_chain.h"
#include "shell/receiver.h"
#include "sound_files.h"
#include "tone_measure.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

namespace zenka::test {
namespace {

constexpr int kStation = 5000; // 500.0 kHz
constexpr int kTone = 800;     // heard at 800 Hz through FLT2

// One station, keying a long steady dash at 500.0 kHz and nowhere else.
void one_station(Air& a) {
    if (a.settings.freq != kStation) return;
    a.spd = 20;
    a.ton = kTone;
    a.qsa = 0; // weak enough that the AGC never acts
    a.send_stack(std::string(3, '\x04'));
}

struct Heard {
    std::vector<float> sound;
    Composition composed;
};

// Two seconds of what the receiver plays with the dial at `dial`, by day.
Heard listen(int dial, Filter filter = Filter::flt2, bool plain = false) {
    TempFolder folder;
    Heard h;
    h.sound = render(
        folder,
        [&](sound::FileSound& out) {
            FixedClock clock(*parse_utc("2026-06-10T11:00:00Z"));
            RandomSource random;
            Playout playout(out, clock, random, folder.path());
            NoPanel panel;
            Receiver rx(clock, random, playout, panel, one_station);
            rx.set_neighbours(true);
            rx.set_plain_audio(plain);
            rx.settings.freq = dial;
            rx.settings.filter = filter;
            rx.settings.qrn = 0;
            rx.dsp_freq();
            h.composed = rx.last();
            out.advance(std::chrono::milliseconds(2000));
            playout.stop_all();
        },
        {}, plain ? test::Heard::Plain : test::Heard::Receiver);
    return h;
}

double pitch_of(const std::vector<float>& s, double guess) {
    return strongest_hz(s, 24000, 48000, guess);
}

double level_db(const std::vector<float>& s, double hz) {
    return decibels(2.0 * std::sqrt(goertzel(s, 24000, 48000, hz, 48000.0)) / 48000.0);
}

TEST(BeatNote, ATenthOfAKilohertzOffMovesTheNoteAHundredHertz) {
    const Heard tuned = listen(kStation);
    ASSERT_EQ(tuned.composed.slots.size(), 1u);
    EXPECT_TRUE(tuned.composed.neighbours.empty());
    const double at = pitch_of(tuned.sound, kTone);
    EXPECT_NEAR(at, kTone, 5.0);
    for (const int dial : {kStation - 1, kStation + 1}) {
        const Heard off = listen(dial);
        EXPECT_TRUE(off.composed.slots.empty()) << dial;
        ASSERT_EQ(off.composed.neighbours.size(), 1u) << dial;
        // Tuned above the station its note goes down, below it up.
        const double moved = (kStation - dial) * 100.0;
        EXPECT_EQ(off.composed.neighbours[0].offset_hz, moved);
        EXPECT_NEAR(pitch_of(off.sound, at + moved) - at, moved, 5.0) << dial;
    }
}

TEST(BeatNote, AStationAKilohertzAwayIsHeardAsTheFilterLetsItThrough) {
    const int dial = kStation - 10; // the station a kilohertz up: its note 1 kHz higher
    for (const Filter filter : {Filter::flt2, Filter::flt1}) {
        const Heard near = listen(dial, filter);
        const Heard tuned = listen(kStation, filter);
        ASSERT_EQ(near.composed.neighbours.size(), 1u);
        const double tone = pitch_of(tuned.sound, near.composed.neighbours[0].pitch_hz - 1000.0);
        const double moved = pitch_of(near.sound, tone + 1000.0);
        EXPECT_NEAR(moved - tone, 1000.0, 5.0);
        // Against the tuned station, down by what the filter takes at the new pitch more
        // than at the old.
        const double expected =
            decibels(sound::ReceiverChain::response(moved, filter) /
                     sound::ReceiverChain::response(tone, filter));
        EXPECT_NEAR(level_db(near.sound, moved) - level_db(tuned.sound, tone), expected, 1.5)
            << (narrow(filter) ? "FLT1" : "FLT2");
        if (narrow(filter)) {
            EXPECT_LT(expected, -3.0);
        } else {
            EXPECT_GT(expected, -1.0); // FLT2 hears it as well as the tuned one
        }
    }
}

TEST(BeatNote, ThePlainSoundHasNoNeighbours) {
    const Heard plain = listen(kStation + 1, Filter::flt2, true);
    EXPECT_EQ(rms(plain.sound, 0, plain.sound.size()), 0.0);
    const Heard shaped = listen(kStation + 1);
    EXPECT_GT(rms(shaped.sound, 24000, 48000), 0.001);
}

} // namespace
} // namespace zenka::test
