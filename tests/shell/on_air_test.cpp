// Now and next: the on-air list is what each retune composes, with its stations; the
// coming-up list names the minutes a frequency goes on the air, and a station drawn by
// chance as one that may call.

#include "support/utc_at.h"
#include "shell/on_air.h"
#include "shell/query_worker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <set>

namespace zenka {
namespace {

using namespace std::chrono;

using test::at;

TEST(OnAir, EveryFrequencyAsARetuneComposesIt) {
    const OnAirQuery q;
    const UtcInstant t = at("2026-12-08T06:13:13Z");
    const std::vector<OnAir> list = on_air(q, t, 100, 10004);
    std::size_t next = 0;
    for (int freq = 100; freq <= 10004; ++freq) {
        const Composition c = compose_at(q, t, freq, false);
        if (c.empty()) {
            ASSERT_TRUE(next == list.size() || list[next].freq != freq) << freq;
            continue;
        }
        ASSERT_LT(next, list.size());
        const OnAir& o = list[next++];
        ASSERT_EQ(o.freq, freq);
        ASSERT_EQ(o.heard.size(), c.slots.size() + c.sounds.size()) << freq;
        for (std::size_t k = 0; k < c.slots.size(); ++k) {
            EXPECT_EQ(o.heard[k].channel, static_cast<int>(k));
            EXPECT_EQ(o.heard[k].text, c.slots[k].text);
            EXPECT_EQ(o.heard[k].station, c.slots[k].station);
        }
        for (std::size_t k = 0; k < c.sounds.size(); ++k) {
            const Heard& h = o.heard[c.slots.size() + k];
            const SoundRequest& s = c.sounds[k];
            EXPECT_EQ(h.station, s.station);
            EXPECT_EQ(h.channel, -1);
            EXPECT_EQ(h.started, s.started);
            EXPECT_EQ(h.carrier, s.kind == SoundRequest::Kind::Carrier);
            if (h.carrier)
                EXPECT_EQ(h.params.qsa, s.qsa) << freq;
            else
                EXPECT_EQ(h.text, s.name) << freq;
        }
    }
    EXPECT_EQ(next, list.size());
    EXPECT_GT(list.size(), 200u); // hundreds of positions carry something at any minute
}

TEST(ComingUp, TheMinutesAFrequencyGoesOnTheAir) {
    const OnAirQuery q;
    const UtcInstant t = at("2026-12-08T10:20:30Z");
    // 60.0 kHz: MSF's time signal comes on at minute 55 of every hour (RAJ, RDW and JJY
    // share the frequency at other minutes).
    const std::vector<Coming> msf = coming_up(q, t, 600, 600, hours(3));
    std::vector<UtcInstant> times;
    for (const Coming& c : msf)
        if (c.station.label == "MSF ts2") times.push_back(c.at);
    EXPECT_EQ(times,
              (std::vector<UtcInstant>{at("2026-12-08T10:55:00Z"), at("2026-12-08T11:55:00Z"),
                                       at("2026-12-08T12:55:00Z")}));
    for (const Coming& c : msf) {
        EXPECT_EQ(c.freq, 600);
        EXPECT_GT(c.at, t);
        EXPECT_LE(c.at, t + hours(3));
        // Each is heard at that minute and was not at the minute before.
        const auto heard = [&](UtcInstant when) {
            const Composition comp = compose_at(q, when, 600, true);
            for (const Slot& s : comp.slots)
                if (s.station.label == c.station.label && s.station.calls == c.station.calls)
                    return true;
            for (const SoundRequest& s : comp.sounds)
                if (s.station.label == c.station.label && s.station.calls == c.station.calls)
                    return true;
            return false;
        };
        EXPECT_TRUE(heard(c.at)) << c.station.label;
        EXPECT_FALSE(heard(c.at - minutes(1))) << c.station.label;
    }
}

TEST(ComingUp, TheBandInTimeOrderAndChanceDrawnStationsMayCall) {
    const OnAirQuery q;
    // Twenty minutes of the band, minute 55's time signals among them.
    const UtcInstant t = at("2026-12-08T10:40:30Z");
    const std::vector<Coming> hour = coming_up(q, t, 100, 10004, minutes(20));
    ASSERT_FALSE(hour.empty());
    EXPECT_TRUE(std::is_sorted(hour.begin(), hour.end(),
                               [](const Coming& x, const Coming& y) { return x.at < y.at; }));
    std::set<int> freqs;
    int may_call = 0;
    for (const Coming& c : hour) {
        freqs.insert(c.freq);
        may_call += c.station.by_chance;
        EXPECT_FALSE(c.station.label.empty());
    }
    EXPECT_GT(freqs.size(), 50u);
    EXPECT_GT(may_call, 0);
    // The band's list at one frequency is that frequency's own.
    std::vector<Coming> at_msf;
    for (const Coming& c : hour)
        if (c.freq == 600) at_msf.push_back(c);
    ASSERT_FALSE(at_msf.empty());
    EXPECT_EQ(at_msf, coming_up(q, t, 600, 600, minutes(20)));
}

// Each station coming on comes keyed as the retune at that minute keys its first slot, or
// else with the carrier or recording it asks for.
TEST(ComingUp, EachComesAsItsFirstSlotOrItsSound) {
    const OnAirQuery q;
    const UtcInstant t = at("2026-12-08T10:20:30Z");
    int keyed = 0, sounds = 0;
    for (const Coming& c : coming_up(q, t, 100, 10004, minutes(10))) {
        const Composition comp = compose_at(q, c.at, c.freq, true);
        const auto same = [&](const StationId& s) {
            return s.label == c.station.label && s.calls == c.station.calls;
        };
        const auto slot = std::find_if(comp.slots.begin(), comp.slots.end(),
                                       [&](const Slot& s) { return same(s.station); });
        if (slot != comp.slots.end()) {
            EXPECT_EQ(c.channel, slot - comp.slots.begin()) << c.freq;
            EXPECT_EQ(c.params, slot->params) << c.freq;
            EXPECT_FALSE(c.carrier);
            EXPECT_TRUE(c.recording.empty());
            ++keyed;
            continue;
        }
        EXPECT_EQ(c.channel, -1) << c.freq;
        const auto sound = std::find_if(comp.sounds.begin(), comp.sounds.end(),
                                        [&](const SoundRequest& s) { return same(s.station); });
        ASSERT_NE(sound, comp.sounds.end()) << c.freq << " " << c.station.label;
        EXPECT_EQ(c.carrier, sound->kind == SoundRequest::Kind::Carrier) << c.freq;
        if (c.carrier)
            EXPECT_EQ(c.params.qsa, sound->qsa) << c.freq;
        else
            EXPECT_EQ(c.recording, sound->name) << c.freq;
        ++sounds;
    }
    EXPECT_GT(keyed, 100);
    EXPECT_GT(sounds, 0);
}

TEST(QueryWorker, RunsOffTheCallersThreadAndKeepsTheNewestOfAKey) {
    QueryWorker worker;
    std::promise<void> release;
    std::shared_future<void> gate = release.get_future().share();
    std::atomic<int> ran{0};
    std::vector<int> results;
    std::mutex m;
    const std::thread::id caller = std::this_thread::get_id();
    // The first job holds the worker while three more of one key are posted: only the last runs.
    worker.post(
        "hold",
        [gate](std::stop_token) {
            gate.wait();
            return 0;
        },
        [&](int) { ++ran; });
    for (int i = 1; i <= 3; ++i)
        worker.post(
            "refresh",
            [i, caller](std::stop_token) { return std::this_thread::get_id() != caller ? i : -i; },
            [&](int r) {
                std::lock_guard lock(m);
                results.push_back(r);
            });
    EXPECT_EQ(worker.pending(), 2u);
    release.set_value();
    worker.drain();
    EXPECT_EQ(ran.load(), 1);
    EXPECT_EQ(results, (std::vector<int>{3}));
    EXPECT_EQ(worker.pending(), 0u);
}

TEST(QueryWorker, StopsARunningQueryWhenItGoes) {
    std::atomic<bool> given{false};
    const auto start = steady_clock::now();
    {
        QueryWorker worker;
        worker.post(
            "band",
            [](std::stop_token stop) {
                return coming_up(OnAirQuery{}, at("2026-12-08T10:20:30Z"), 100, 10004, hours(24),
                                 stop);
            },
            [&](std::vector<Coming>) { given = true; });
        std::this_thread::sleep_for(milliseconds(20));
    }
    EXPECT_FALSE(given.load());
    // A day of the whole band takes minutes; stopping takes one frequency's day.
    EXPECT_LT(steady_clock::now() - start, seconds(20));
}

} // namespace
} // namespace zenka
