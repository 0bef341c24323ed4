// The stations near the dial and where the stations stand: the neighbours of a
// retune are composed beside it without changing it or the session, reproducibly,
// each at its own place and beat note; the 500 kHz traffic heard at 499.5 and
// 500.5 kHz is one station standing at 500.0.

#include "band/catalogue.h"
#include "band/dispatcher.h"
#include "shell/retune_pass.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace zenka {
namespace {

const BandPass kBand = [](Air& a) { band(a); };

TEST(Nominal, WhereARulesStationStands) {
    struct Case {
        Frequencies f;
        int dial;
        int freq, reach;
    };
    const Case cases[] = {
        {at(4800), 4800, 0, 0},                    // where it is composed
        {any_of({118, 120, 121}), 120, 0, 0},      // each value a station of its own
        {range(1890, 1910), 1894, 1900, 10},       // a narrow range: its middle
        {range(1104, 1106), 1106, 1105, 1},        //
        {range(6651, 6669), 6651, 6660, 9},        //
        {from(9990), 10004, 0, 0},                 // a wide range follows the dial
        {heard_across({4995, 5000, 5005}), 4995, 5000, 5},
        {heard_across({4995, 5000, 5005}), 5005, 5000, 5},
        {heard_across({4995, 5000, 5005}), 5010, 0, 0}, // not one of its positions
    };
    for (const Case& c : cases) {
        const Frequencies::Nominal n = c.f.nominal(c.dial);
        EXPECT_EQ(n.freq, c.freq) << c.dial;
        EXPECT_EQ(n.reach, c.reach) << c.dial;
    }
}

RandomSource session(std::uint32_t seed) {
    RandomSource r;
    r.seed = seed;
    r.seed_runtime(seed * 7 + 3);
    return r;
}

struct Moment {
    const char* utc;
    int freq;
};
// Night and day, VLF to the top of the dial, the 500 kHz positions and the edges.
const Moment kMoments[] = {
    {"2026-12-08T23:05:00Z", 5000}, {"2026-12-08T23:05:00Z", 5005}, {"2026-12-08T02:31:17Z", 4800},
    {"2026-07-14T12:00:03Z", 4250}, {"2026-12-08T21:10:00Z", 1430}, {"2026-12-08T00:00:00Z", 100},
    {"2026-03-01T18:44:30Z", 10004}, {"2026-12-08T04:15:00Z", 4100}, {"2026-12-08T22:30:41Z", 5120},
};

TEST(NearTheDial, LeaveTheTunedTrafficAndTheSessionAsTheyWere) {
    for (const Moment& m : kMoments) {
        for (std::uint32_t seed : {11111u, 7u, 4000000000u}) {
            FixedClock clock(*parse_utc(m.utc));
            ReceiverSettings s;
            s.freq = m.freq;
            RandomSource plain = session(seed), heard = session(seed);
            const Composition without = compose_retune(clock, plain, s, kBand, {}, {false, false});
            const Composition with = compose_retune(clock, heard, s, kBand, {}, {true, false});
            EXPECT_EQ(with.slots, without.slots) << m.utc << ' ' << m.freq;
            EXPECT_EQ(with.sounds, without.sounds) << m.utc << ' ' << m.freq;
            EXPECT_EQ(with.meter, without.meter) << m.utc << ' ' << m.freq;
            EXPECT_TRUE(without.neighbours.empty());
            EXPECT_EQ(heard.seed, plain.seed);
            EXPECT_EQ(heard.rand(), plain.rand());
            // And again: the same session and moment give the same neighbours.
            RandomSource again = session(seed);
            EXPECT_EQ(compose_retune(clock, again, s, kBand, {}, {true, false}).neighbours,
                      with.neighbours);
        }
    }
}

TEST(NearTheDial, EachStandsWhereItWasComposedStrongestFirst) {
    int heard = 0;
    for (const Moment& m : kMoments) {
        for (const Filter filter : {Filter::flt1, Filter::flt2}) {
            for (const bool cw : {false, true}) {
                const UtcInstant at = *parse_utc(m.utc);
                ReceiverSettings s;
                s.freq = m.freq;
                s.filter = filter;
                const RandomSource base = session(99);
                const auto near = compose_neighbours(at, base, s, kBand, cw);
                EXPECT_LE(near.size(), static_cast<std::size_t>(kMostNeighbours));
                for (std::size_t i = 0; i < near.size(); ++i) {
                    const Neighbour& n = near[i];
                    const std::string where = std::string(m.utc) + " dial " +
                                              std::to_string(m.freq) + " at " +
                                              std::to_string(n.freq);
                    EXPECT_NE(n.freq, m.freq) << where;
                    EXPECT_LE(std::abs(n.freq - m.freq), kNeighbourReach) << where;
                    EXPECT_EQ(n.offset_hz, (n.freq - m.freq) * 100.0) << where;
                    EXPECT_GE(n.level, kFaintestNeighbour) << where;
                    EXPECT_LE(n.level, 1.0) << where;
                    if (i > 0) {
                        EXPECT_GE(near[i - 1].level, n.level) << where;
                    }
                    // It is what that position composes from its own source.
                    FixedClock clock(at);
                    RandomSource own = neighbour_source(base, n.freq);
                    ReceiverSettings there = s;
                    there.freq = n.freq;
                    const Composition c = compose(clock, own, there, kBand);
                    bool found = false;
                    for (const Slot& slot : c.slots)
                        found = found || slot == n.slot;
                    EXPECT_TRUE(found) << where;
                }
                heard += static_cast<int>(near.size());
            }
        }
    }
    EXPECT_GT(heard, 0);
}

TEST(NearTheDial, The500kHzTrafficIsOneStationStandingAt500) {
    const UtcInstant at = *parse_utc("2026-12-08T23:05:00Z");
    for (const int dial : {4995, 5000, 5005}) {
        FixedClock clock(at);
        ReceiverSettings s;
        s.freq = dial;
        RandomSource random = session(11111);
        const Composition c = compose_retune(clock, random, s, kBand);
        ASSERT_FALSE(c.slots.empty()) << dial;
        for (const Slot& slot : c.slots) {
            EXPECT_EQ(slot.station.freq, 5000) << dial;
            EXPECT_EQ(slot.station.reach, 5) << dial;
        }
        // Heard at the dial already, it is no neighbour of its own.
        for (const Neighbour& n : c.neighbours)
            EXPECT_TRUE(n.freq < 4995 || n.freq > 5005) << dial << " " << n.freq;
    }
    // From 501.0 kHz it is a neighbour standing at 500.0, a kilohertz below.
    FixedClock clock(at);
    ReceiverSettings s;
    s.freq = 5010;
    int at_500 = 0;
    for (const Neighbour& n : compose_neighbours(at, session(11111), s, kBand, false)) {
        EXPECT_NE(n.freq, 4995);
        EXPECT_NE(n.freq, 5005);
        if (n.freq == 5000) {
            ++at_500;
            EXPECT_EQ(n.offset_hz, -1000.0);
        }
    }
    EXPECT_GT(at_500, 0);
}

// At night on the medium-frequency maritime band the dial is seldom alone.
TEST(NearTheDial, ABusyMfNightHearsSeveralAtMostPositions) {
    int positions = 0, crowded = 0;
    for (int freq = 4000; freq <= 5200; freq += 25) {
        for (const char* utc : {"2026-12-08T22:07:00Z", "2026-12-09T01:33:20Z"}) {
            ReceiverSettings s;
            s.freq = freq;
            const auto near = compose_neighbours(*parse_utc(utc), session(5), s, kBand, false);
            ++positions;
            if (near.size() >= 2) ++crowded;
        }
    }
    EXPECT_GE(crowded * 2, positions) << crowded << " of " << positions;
}

} // namespace
} // namespace zenka
