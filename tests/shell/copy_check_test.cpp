// A copy checked against part of an emission: the part keyed by a moment is the longest
// start of its text that keys within it, and a copy of the whole is scored against it as
// that part and the rest added.

#include "band/dispatcher.h"
#include "compose/pass.h"
#include "playout/playout.h"
#include "shell/copy_check.h"

#include <gtest/gtest.h>

#include <string>

namespace zenka {
namespace {

std::string typed(const std::vector<MorseChar>& chars) {
    std::string out;
    for (const MorseChar& c : chars)
        out += (c.word_start ? " " : "") + c.shown;
    return out;
}

TEST(CopyCheck, AHalfHeardEmissionIsScoredAgainstTheHalfKeyedSoFar) {
    int checked = 0;
    for (const char* utc : {"2026-12-08T06:13:02Z", "2026-12-08T22:07:00Z"}) {
        FixedClock clock(*parse_utc(utc));
        for (int freq = 1000; freq <= 5200; freq += 7) {
            RandomSource random;
            ReceiverSettings settings;
            settings.freq = freq;
            const Composition c = compose(clock, random, settings, [](Air& a) { band(a); });
            for (int channel = 0; channel < static_cast<int>(c.slots.size()); ++channel) {
                const Slot& slot = c.slots[static_cast<std::size_t>(channel)];
                const std::string whole = typed(keyed_characters(slot.text, slot.params));
                RandomSource keying = random;
                Keyer keyer(clock, keying);
                const auto all = check_copy(c, channel, whole, keyer, keying);
                ASSERT_TRUE(all);
                EXPECT_EQ(all->score.error_rate(), 0.0) << freq << ' ' << channel;
                EXPECT_EQ(all->heard_ms, all->duration_ms);
                if (all->duration_ms < 2000) continue;

                RandomSource again = random;
                Keyer half_keyer(clock, again);
                const auto half =
                    check_copy(c, channel, whole, half_keyer, again, all->duration_ms / 2);
                ASSERT_TRUE(half);
                const std::string where = std::to_string(freq) + " ch " + std::to_string(channel);
                EXPECT_EQ(half->heard_ms, all->duration_ms / 2) << where;
                const auto bytes = static_cast<std::size_t>(half->keyed_bytes);
                // The start keyed so far is the longest that fits.
                const KeyerSetup setup = keyer_setup(c.settings);
                const auto duration = [&](std::size_t n) {
                    // The channels before it are keyed first, as check_copy keys them.
                    RandomSource r = random;
                    Keyer k(clock, r);
                    for (int before = 0; before < channel; ++before)
                        k.measure(c.slots[static_cast<std::size_t>(before)].text,
                                  c.slots[static_cast<std::size_t>(before)].params, setup);
                    return k.measure(std::string_view(slot.text).substr(0, n), slot.params, setup)
                        .duration_ms;
                };
                EXPECT_LE(duration(bytes), half->heard_ms) << where;
                EXPECT_GT(duration(bytes + 1), half->heard_ms) << where;
                // The whole copy against the half: the half right, the rest extra.
                const int keyed = static_cast<int>(
                    keyed_characters(std::string_view(slot.text).substr(0, bytes), slot.params)
                        .size());
                EXPECT_EQ(half->score.sent, keyed) << where;
                EXPECT_EQ(half->score.right, keyed) << where;
                EXPECT_EQ(half->score.extra, all->score.sent - keyed) << where;
                EXPECT_EQ(half->score.missed + half->score.wrong, 0) << where;
                EXPECT_LE(keyed, all->score.sent) << where;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 50);
}

TEST(CopyCheck, NoSlotOnTheChannelIsNoCheck) {
    FixedClock clock(*parse_utc("2026-12-08T06:13:02Z"));
    RandomSource random;
    Keyer keyer(clock, random);
    Composition empty;
    EXPECT_FALSE(check_copy(empty, 0, "CQ", keyer, random));
    EXPECT_FALSE(check_copy(empty, -1, "CQ", keyer, random));
}

} // namespace
} // namespace zenka
