// The band scope's stations: at a retune each dial position within 10 kHz holds what
// composing that position gives, the stations near the dial among them; each is keyed
// as the keyer keys it, the tuned channels exactly as their files sound; and working it
// out leaves the tuned traffic and the session as they were.

#include "band/dispatcher.h"
#include "compose/neighbours.h"
#include "platform/sound/null_sound.h"
#include "playout/playout.h"
#include "shell/dial.h"
#include "shell/on_air.h"
#include "shell/retune_pass.h"
#include "shell/scope_traces.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace zenka {
namespace {

const BandPass kBand = [](Air& a) { band(a); };

RandomSource session(std::uint32_t seed) {
    RandomSource r;
    r.seed = seed;
    r.seed_runtime(seed * 7 + 3);
    return r;
}

// A report in which every channel of `c` played.
PlayReport all_played(const Composition& c) {
    PlayReport p;
    for (std::size_t k = 0; k < c.slots.size() && k < p.duration_ms.size(); ++k)
        p.duration_ms[k] = 1;
    return p;
}

struct Moment {
    const char* utc;
    int freq;
};
// A busy MF night, 500 kHz, a day on LF, the bottom and the top of the dial.
const Moment kMoments[] = {
    {"2026-12-08T23:05:00Z", 5000}, {"2026-12-08T22:07:00Z", 4400}, {"2026-12-09T01:33:20Z", 4800},
    {"2026-07-14T12:00:03Z", 1430}, {"2026-12-08T00:00:00Z", 100},  {"2026-03-01T18:44:30Z", 10004},
};

TEST(ScopeStations, AreWhatComposingEachPositionGives) {
    int traces = 0, far_out = 0;
    for (const std::uint32_t seed : {11111u, 7u, 4000000000u})
        for (const Moment& m : kMoments) {
            FixedClock clock(*parse_utc(m.utc));
            ReceiverSettings s;
            s.freq = m.freq;
            RandomSource random = session(seed);
            const Composition c = compose_retune(clock, random, s, kBand);
            const Scope scope = compose_scope(scope_query(c, all_played(c)));
            const std::string where = std::string(m.utc) + " dial " + std::to_string(m.freq) +
                                      " seed " + std::to_string(seed);
            EXPECT_EQ(scope.dial, m.freq);
            EXPECT_EQ(scope.at, clock.now());

            // By position, what the scope shows.
            std::map<int, std::vector<const ScopeTrace*>> shown;
            for (const ScopeTrace& t : scope.traces) {
                EXPECT_GE(t.freq, std::max(kDialLowest, m.freq - kScopeReach)) << where;
                EXPECT_LE(t.freq, std::min(kDialHighest, m.freq + kScopeReach)) << where;
                shown[t.freq].push_back(&t);
            }
            for (std::size_t i = 1; i < scope.traces.size(); ++i)
                EXPECT_LE(scope.traces[i - 1].freq, scope.traces[i].freq) << where;

            // The tuned channels, in channel order, where they stand.
            std::size_t tuned = 0;
            for (const ScopeTrace& t : scope.traces) {
                if (!t.tuned) continue;
                ASSERT_LT(tuned, c.slots.size()) << where;
                EXPECT_EQ(t.station, c.slots[tuned].station) << where;
                EXPECT_EQ(t.params, c.slots[tuned].params) << where;
                EXPECT_EQ(t.freq, standing(c.slots[tuned].station, m.freq)) << where;
                ++tuned;
            }
            EXPECT_EQ(tuned, c.slots.size()) << where;

            // Every other position: the stations that stand there when it is composed, and
            // none of a rule whose reach takes in the dial.
            FixedClock there_clock(clock.now());
            for (int d = -kScopeReach; d <= kScopeReach; ++d) {
                const int freq = m.freq + d;
                if (d == 0 || freq < kDialLowest || freq > kDialHighest) continue;
                ReceiverSettings there = s;
                there.freq = freq;
                RandomSource own = neighbour_source(c.around.source, freq);
                const Composition at = compose(there_clock, own, there, kBand);
                std::vector<StationId> expected;
                for (const Slot& slot : at.slots)
                    if (standing(slot.station, freq) == freq &&
                        std::abs(m.freq - freq) > slot.station.reach)
                        expected.push_back(slot.station);
                std::vector<StationId> got;
                for (const ScopeTrace* t : shown[freq])
                    if (!t->tuned) got.push_back(t->station);
                EXPECT_EQ(got, expected) << where << " at " << freq;
                traces += static_cast<int>(got.size());
                if (std::abs(d) > kNeighbourReach) far_out += static_cast<int>(got.size());
            }

            // The stations heard beside the dial are among them, at their places.
            for (const Neighbour& n : c.neighbours) {
                bool found = false;
                for (const ScopeTrace* t : shown[n.freq])
                    found = found || (t->station == n.slot.station && t->params == n.slot.params);
                EXPECT_TRUE(found) << where << " neighbour at " << n.freq;
            }
        }
    EXPECT_GT(traces, 30);
    EXPECT_GT(far_out, 10); // beyond the neighbours' 3 kHz
}

// The stations scheduled at a position (not drawn by chance) do not hang on the random
// source: the scope has exactly those that the on-air query finds there.
TEST(ScopeStations, TheScheduledOnesAreThoseOnTheAir) {
    const UtcInstant at = *parse_utc("2026-12-08T22:07:00Z");
    FixedClock clock(at);
    ReceiverSettings s;
    s.freq = 4400;
    RandomSource random = session(5);
    const Composition c = compose_retune(clock, random, s, kBand);
    const Scope scope = compose_scope(scope_query(c, all_played(c)));
    OnAirQuery q;
    q.settings = s;
    int compared = 0;
    for (int freq = s.freq - kScopeReach; freq <= s.freq + kScopeReach; ++freq) {
        if (freq == s.freq) continue;
        std::vector<std::string> listed, shown;
        for (const Slot& slot : compose_at(q, at, freq, false).slots)
            if (!slot.station.by_chance && standing(slot.station, freq) == freq &&
                std::abs(s.freq - freq) > slot.station.reach)
                listed.push_back(slot.station.label);
        for (const ScopeTrace& t : scope.traces)
            if (t.freq == freq && !t.tuned && !t.station.by_chance)
                shown.push_back(t.station.label);
        EXPECT_EQ(shown, listed) << freq;
        compared += static_cast<int>(listed.size());
    }
    EXPECT_GT(compared, 5);
}

TEST(ScopeStations, LeaveTheTunedTrafficAndTheSessionAsTheyWere) {
    for (const Moment& m : kMoments) {
        FixedClock clock(*parse_utc(m.utc));
        ReceiverSettings s;
        s.freq = m.freq;
        RandomSource a = session(7), b = session(7);
        const Composition first = compose_retune(clock, a, s, kBand);
        const Scope scope = compose_scope(scope_query(first, all_played(first)));
        const Composition next_a = compose_retune(clock, a, s, kBand);
        const Composition c_b = compose_retune(clock, b, s, kBand);
        const Composition next_b = compose_retune(clock, b, s, kBand);
        EXPECT_EQ(first.slots, c_b.slots) << m.utc;
        EXPECT_EQ(first.neighbours, c_b.neighbours) << m.utc;
        EXPECT_EQ(next_a.slots, next_b.slots) << m.utc;
        EXPECT_EQ(a.seed, b.seed) << m.utc;
        EXPECT_EQ(a.rand(), b.rand()) << m.utc;
        // And the same retune gives the same scope.
        EXPECT_EQ(compose_scope(scope_query(c_b, all_played(c_b))).traces, scope.traces) << m.utc;
    }
}

// The stretches of sound in a channel file: bytes other than silence, the gaps inside a
// mark's or a spark's cycles bridged.
std::vector<KeyDown> sounding_in(const std::filesystem::path& file, std::uint32_t rate) {
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<KeyDown> out;
    constexpr std::size_t kData = 48, kBridge = KeyDown::kBridge;
    std::size_t last = 0;
    bool any = false;
    for (std::size_t i = kData; i < bytes.size(); ++i) {
        if (bytes[i] == kSilence) continue;
        const std::size_t at = i - kData;
        const auto ms = [&](std::size_t b) { return static_cast<std::uint32_t>(b * 1000 / rate); };
        if (any && at - last <= kBridge)
            out.back().to_ms = ms(at + 1);
        else
            out.push_back({ms(at), ms(at + 1), 0});
        last = at;
        any = true;
    }
    return out;
}

std::uint32_t file_rate(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    unsigned char head[48] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    return head[24] | head[25] << 8 | head[26] << 16 | static_cast<std::uint32_t>(head[27]) << 24;
}

// Within two milliseconds at both ends, one for one, up to the horizon.
void expect_same_keying(const std::vector<KeyDown>& scope, const std::vector<KeyDown>& file,
                        std::uint32_t horizon_ms, const std::string& where) {
    std::vector<KeyDown> heard;
    for (const KeyDown& k : file)
        if (k.from_ms < horizon_ms) heard.push_back(k);
    ASSERT_EQ(scope.size(), heard.size()) << where;
    for (std::size_t i = 0; i < heard.size(); ++i) {
        EXPECT_NEAR(scope[i].from_ms, heard[i].from_ms, 2) << where << " #" << i;
        EXPECT_NEAR(scope[i].to_ms, std::min(heard[i].to_ms, horizon_ms), 2) << where << " #" << i;
    }
}

TEST(ScopeKeying, TheTunedChannelsAreKeyedAsTheirFilesSound) {
    // Three voices on one frequency: hand keying, a bug and a spark, at several speeds and
    // strengths, with strength and speed switched within a text.
    const BandPass three = [](Air& a) {
        a.spd = 16;
        a.qsa = 4;
        a.hand = 1;
        a.send_stack("CQ CQ DE K1ZZ K1ZZ PSE K");
        a.hand = 0;
        a.spd = 25;
        a.rto = 10;
        a.qsa = 3;
        a.send_stack(std::string("DE W2XY \x03\x05QSL \x01\x0cTU ]"));
        a.rto = 0;
        a.spark = 1;
        a.spd = 12;
        a.send_stack("V V V DE KPH");
    };
    test::TempFolder folder;
    for (const char* utc : {"2026-12-08T23:05:00.000Z", "2026-12-08T09:41:13.517Z"}) {
        FixedClock clock(*parse_utc(utc));
        RandomSource random = session(31);
        sound::NullSound out;
        Playout playout(out, clock, random, folder.path());
        ReceiverSettings s;
        s.freq = 4321;
        const Composition c = compose_retune(clock, random, s, three, {}, {false, false});
        ASSERT_EQ(c.slots.size(), 3u);
        const PlayReport played = playout.play(c);
        ScopeQuery q = scope_query(c, played);
        q.band = [](Air&) {};
        for (const std::uint32_t horizon : {kScopeHorizonMs, 4000u}) {
            q.horizon_ms = horizon;
            const Scope scope = compose_scope(q);
            ASSERT_EQ(scope.traces.size(), 3u);
            for (std::size_t k = 0; k < 3; ++k) {
                const ScopeTrace& t = scope.traces[k];
                const auto file = playout.channel_file(static_cast<int>(k));
                EXPECT_TRUE(t.tuned);
                EXPECT_EQ(t.duration_ms, played.duration_ms[k]);
                ASSERT_FALSE(t.key_downs.empty());
                expect_same_keying(t.key_downs, sounding_in(file, file_rate(file)), horizon,
                                   std::string(utc) + " channel " + std::to_string(k));
            }
        }
        playout.close_files();
    }
}

TEST(ScopeKeying, KeyDownsFollowTheCharactersAndTheStrength) {
    FixedClock clock(*parse_utc("2026-12-08T23:05:00Z"));
    RandomSource random = session(3);
    Keyer keyer(clock, random);
    EmissionParams p;
    p.spd = 20;
    p.qsa = 5;
    KeyerSetup setup;
    setup.freq = 4000;
    std::vector<KeyDown> downs;
    // "E" is one dot, "T" one dash: a dot and a dash, the dash three times as long.
    const RenderResult r =
        keyer.measure_keying(std::string("ET\x03\x02") + "E", p, setup, kScopeHorizonMs, downs);
    ASSERT_EQ(downs.size(), 3u);
    const auto& chars = keyer.chars();
    ASSERT_EQ(chars.size(), 3u); // a switch is no character
    const double dot = downs[0].to_ms - downs[0].from_ms;
    EXPECT_NEAR(dot, 60.0, 1.5); // 1.2 / 20 s
    EXPECT_NEAR(downs[1].to_ms - downs[1].from_ms, 3 * dot, 1.5);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(downs[i].from_ms, chars[i].ms, 1.0) << i;
    EXPECT_FLOAT_EQ(downs[0].level, 1.0f);
    EXPECT_FLOAT_EQ(downs[2].level, 16.0f / 96.0f); // strength 2 after the switch
    EXPECT_LE(downs.back().to_ms, r.duration_ms);
    // It draws nothing a render would not: machine keying draws nothing at all.
    EXPECT_EQ(random.seed, session(3).seed);
}

TEST(ScopePassband, FollowsTheFilterAboutTheAssumedPitch) {
    struct Case {
        Filter filter;
        bool cw;
        double low, high; // expected edges, Hz from the dial
    };
    // Fourth-order skirts are down 6 dB a factor of 3^(1/8) beyond their -3 dB corners.
    const double skirt = std::pow(3.0, 1.0 / 8.0);
    const Case cases[] = {
        {Filter::flt2, false, 300 / skirt - kBeatPitchHz, 2300 * skirt - kBeatPitchHz},
        {Filter::flt1, false, 300 / skirt - kBeatPitchHz, 1300 * skirt - kBeatPitchHz},
        {Filter::flt2, true, -250, 250},
        {Filter::flt1, true, -250, 250},
    };
    for (const Case& c : cases) {
        const Passband p = scope_passband(c.filter, c.cw);
        const std::string which = std::to_string(int(c.filter)) + (c.cw ? " cw" : "");
        EXPECT_NEAR(p.low_hz, c.low, c.cw ? 2.0 : 15.0) << which;
        EXPECT_NEAR(p.high_hz, c.high, c.cw ? 2.0 : 15.0) << which;
        EXPECT_LT(p.low_hz, 0);
        EXPECT_GT(p.high_hz, 0);
        EXPECT_GE(scope_response(p.low_hz, c.filter, c.cw), 0.5);
        EXPECT_LT(scope_response(p.low_hz - 1, c.filter, c.cw), 0.5);
        EXPECT_GE(scope_response(p.high_hz, c.filter, c.cw), 0.5);
        EXPECT_LT(scope_response(p.high_hz + 1, c.filter, c.cw), 0.5);
        // A station at the dial beats at the assumed pitch, well inside.
        EXPECT_GT(scope_response(0, c.filter, c.cw), 0.9);
    }
    // Tuned above a station, its note goes down: 600 Hz below the dial is 200 Hz, under
    // the filters' low edge.
    EXPECT_LT(scope_response(-600, Filter::flt2, false), 0.5);
    EXPECT_GT(scope_response(+600, Filter::flt2, false), 0.9);
}

} // namespace
} // namespace zenka
