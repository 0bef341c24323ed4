// The station directory: every station the catalogue's rules name is one entry, found by
// its call, place or service and listing the rules' frequencies; when it is next on the
// air is what the now-and-next queries find for it.

#include "support/utc_at.h"
#include "band/catalogue.h"
#include "band/label.h"
#include "shell/dial.h"
#include "shell/on_air.h"
#include "shell/station_directory.h"
#include "support/rule_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <set>
#include <span>
#include <string>

namespace zenka {
namespace {

using namespace std::chrono;

using test::at;

bool covers(const DirectoryEntry& e, int freq) {
    return std::any_of(e.freqs.begin(), e.freqs.end(),
                       [freq](const FrequencySpan& s) { return freq >= s.lo && freq <= s.hi; });
}

bool has(const std::vector<std::size_t>& found, std::size_t i) {
    return std::find(found.begin(), found.end(), i) != found.end();
}

std::array<std::span<const Rule>, 3> blocks() {
    const Catalogue c = station_catalogue();
    return {c.low, c.marine, c.tail};
}

std::size_t index_of(const StationDirectory& d, const DirectoryEntry* e) {
    return static_cast<std::size_t>(e - d.entries().data());
}

TEST(StationDirectory, EveryCallOfEveryRuleIsFoundWithThatRulesFrequency) {
    const StationDirectory& d = StationDirectory::of_catalogue();
    std::size_t rules = 0, calls = 0;
    for (const auto& block : blocks()) {
        for (const Rule& rule : block) {
            ++rules;
            const int freq = test::first_frequency(rule);
            if (!on_dial(freq)) continue;
            bool named = false;
            for (std::string_view emission : label_emissions(rule.label)) {
                const std::string call = emission_call(emission);
                if (call.empty()) continue;
                named = true;
                ++calls;
                const DirectoryEntry* e = d.find(call);
                ASSERT_NE(e, nullptr) << call << " of " << rule.label;
                EXPECT_EQ(e->call, call);
                EXPECT_TRUE(covers(*e, freq)) << call << " at " << freq;
                EXPECT_NE(std::find(e->labels.begin(), e->labels.end(), rule.label),
                          e->labels.end())
                    << call;
                // A word of it, in any case, finds it.
                std::string mixed = call;
                if (!mixed.empty()) mixed[0] = static_cast<char>(std::tolower(mixed[0]));
                EXPECT_TRUE(has(d.search(mixed), index_of(d, e))) << call;
            }
            // Traffic a rule names no station for is there by its kind.
            if (!named)
                for (std::string_view emission : label_emissions(rule.label)) {
                    const std::string kind(emission_kind(emission));
                    const auto it = std::find_if(
                        d.entries().begin(), d.entries().end(),
                        [&](const DirectoryEntry& e) { return e.call.empty() && e.kind == kind; });
                    ASSERT_NE(it, d.entries().end()) << rule.label;
                    EXPECT_TRUE(covers(*it, freq)) << rule.label;
                }
        }
    }
    EXPECT_EQ(rules, 1194u);
    EXPECT_GT(calls, 1000u);
    // One entry a station, each with where and why it is there.
    std::set<std::string> seen;
    for (const DirectoryEntry& e : d.entries()) {
        EXPECT_TRUE(seen.insert(e.call.empty() ? "kind " + e.kind : e.call).second) << e.name();
        EXPECT_FALSE(e.freqs.empty()) << e.name();
        EXPECT_FALSE(e.labels.empty()) << e.name();
        for (std::size_t i = 1; i < e.freqs.size(); ++i)
            EXPECT_GT(e.freqs[i].lo, e.freqs[i - 1].hi + 1) << e.name();
    }
}

TEST(StationDirectory, AStationOfSeveralRulesIsOneEntryWithAllItsFrequencies) {
    const StationDirectory& d = StationDirectory::of_catalogue();
    // NAA keys its marker at 14.1, 14.7 and 15.5 kHz, among others.
    const DirectoryEntry* naa = d.find("naa");
    ASSERT_NE(naa, nullptr);
    for (int freq : {141, 147, 155})
        EXPECT_TRUE(covers(*naa, freq)) << freq;
    EXPECT_GE(naa->labels.size(), 3u);
    const DirectoryEntry* jcs = d.find("JCS");
    ASSERT_NE(jcs, nullptr);
    EXPECT_EQ(jcs->name(), "JCS CHIOSHI");
    EXPECT_TRUE(covers(*jcs, 4185));
    EXPECT_NE(std::find(jcs->services.begin(), jcs->services.end(), Service::maritime),
              jcs->services.end());
    EXPECT_EQ(d.find("NOSUCH"), nullptr);
}

TEST(StationDirectory, SearchByPlaceOrServiceGivesExactlyTheEntriesThatMatch) {
    const StationDirectory& d = StationDirectory::of_catalogue();
    const auto where = [&](auto pick) {
        std::vector<std::size_t> out;
        for (std::size_t i = 0; i < d.entries().size(); ++i)
            if (pick(d.entries()[i])) out.push_back(i);
        return out;
    };
    const auto placed = [](const DirectoryEntry& e, const std::string& part) {
        return std::any_of(e.places.begin(), e.places.end(), [&](const std::string& p) {
            return p.find(part) != std::string::npos;
        });
    };
    const auto serves = [](const DirectoryEntry& e, Service s) {
        return std::find(e.services.begin(), e.services.end(), s) != e.services.end();
    };
    // A place: every station the rules place there, and nothing else.
    const std::vector<std::size_t> kobe = d.search("kobe");
    EXPECT_EQ(kobe, where([&](const DirectoryEntry& e) { return placed(e, "KOBE"); }));
    ASSERT_EQ(kobe.size(), 1u);
    EXPECT_EQ(d.entries()[kobe[0]].call, "JCK");
    EXPECT_EQ(d.search("Chioshi"), std::vector<std::size_t>{index_of(d, d.find("JCS"))});
    // A service, of two words: the time signals, none of which is named so.
    const std::vector<std::size_t> time = d.search("  TIME signal ");
    EXPECT_EQ(time, where([&](const DirectoryEntry& e) { return serves(e, Service::time_signal); }));
    EXPECT_TRUE(has(time, index_of(d, d.find("MSF"))));
    EXPECT_GT(time.size(), 5u);
    // Every word must be found: a place and a service together narrow it.
    EXPECT_EQ(d.search("maritime kobe"), kobe);
    EXPECT_TRUE(d.search("weather kobe").empty());
    EXPECT_TRUE(d.search("zzzz").empty());
    EXPECT_EQ(d.search("").size(), d.entries().size());
}

// The first coming_up answer of the entry's own rules over its frequencies, the earliest.
std::optional<Coming> first_coming(const OnAirQuery& q, UtcInstant t, const DirectoryEntry& e) {
    std::optional<Coming> best;
    for (int f : e.probes())
        for (const Coming& c : coming_up(q, t, f, f, hours(24)))
            if (std::find(e.labels.begin(), e.labels.end(), c.station.label) != e.labels.end()) {
                if (!best || c.at < best->at) best = c;
                break;
            }
    return best;
}

TEST(StationDirectory, NextOnTheAirIsComingUpsFirstAnswerForItsFrequencies) {
    const StationDirectory& d = StationDirectory::of_catalogue();
    const OnAirQuery q;
    // The stations alone in every rule that names them, so that a rule's answer is the
    // station's; six of them spread over the directory.
    std::vector<const DirectoryEntry*> alone;
    for (const DirectoryEntry& e : d.entries()) {
        if (e.call.empty() || e.probes().size() > 3) continue;
        if (std::all_of(e.labels.begin(), e.labels.end(), [&](const std::string& label) {
                for (std::string_view emission : label_emissions(label))
                    if (const std::string c = emission_call(emission); !c.empty() && c != e.call)
                        return false;
                return true;
            }))
            alone.push_back(&e);
    }
    ASSERT_GT(alone.size(), 100u);
    std::size_t checked = 0;
    for (std::size_t i = 0; i < alone.size(); i += alone.size() / 6) {
        const DirectoryEntry* e = alone[i];
        const std::string call = e->call;
        for (const char* when : {"2026-12-08T10:20:30Z", "2026-07-01T23:59:10Z"}) {
            const UtcInstant t = at(when);
            const NextOnAir next = next_on_air(q, t, *e);
            if (next.when == NextOnAir::When::now) {
                EXPECT_TRUE(covers(*e, next.freq)) << call;
                EXPECT_EQ(next.at, t);
                continue;
            }
            const std::optional<Coming> expected = first_coming(q, t, *e);
            if (!expected) {
                EXPECT_EQ(next.when, NextOnAir::When::not_within) << call << " " << when;
                continue;
            }
            ++checked;
            EXPECT_EQ(next.when, NextOnAir::When::later) << call << " " << when;
            EXPECT_EQ(format_utc(next.at), format_utc(expected->at)) << call << " " << when;
            EXPECT_EQ(next.freq, expected->freq) << call << " " << when;
            EXPECT_EQ(next.by_chance, expected->station.by_chance) << call;
            EXPECT_GT(next.at, t);
            EXPECT_LE(next.at, t + hours(24));
        }
    }
    EXPECT_GT(checked, 4u);
    // MSF's time signal at 60.0 kHz: minute 55 of the hour.
    const NextOnAir msf = next_on_air(q, at("2026-12-08T10:20:30Z"), *d.find("MSF"));
    EXPECT_EQ(msf.when, NextOnAir::When::later);
    EXPECT_EQ(msf.at, at("2026-12-08T10:55:00Z"));
    EXPECT_EQ(msf.freq, 600);
}

TEST(StationDirectory, AStationHeardNowIsOnTheAirNowWhereItIsHeard) {
    const StationDirectory& d = StationDirectory::of_catalogue();
    const OnAirQuery q;
    const UtcInstant t = at("2026-12-08T09:18:07Z");
    std::size_t checked = 0;
    for (const OnAir& here : on_air(q, t, kDialLowest, kDialHighest)) {
        for (const Heard& h : here.heard) {
            if (h.station.by_chance || h.station.calls.empty()) continue;
            const DirectoryEntry* e = d.find(h.station.calls.front());
            if (e == nullptr || !e->is(h.station) || e->probes().size() > 2) continue;
            const std::vector<int> probes = e->probes();
            if (std::find(probes.begin(), probes.end(), here.freq) == probes.end()) continue;
            const NextOnAir next = next_on_air(q, t, *e);
            EXPECT_EQ(next.when, NextOnAir::When::now) << e->name() << " at " << here.freq;
            EXPECT_LE(next.freq, here.freq) << e->name();
            EXPECT_TRUE(covers(*e, next.freq));
            if (++checked == 25) return;
        }
    }
    ADD_FAILURE() << "only " << checked << " stations heard at their own frequencies";
}

TEST(StationDirectory, WhatIsHeardIsNamedByTheStationsOwnCallAndPlace) {
    const StationDirectory& d = StationDirectory::of_catalogue();
    StationId s;
    s.label = "coast_station_mf JCS/CHIOSHI";
    s.calls = {"JA3X", "JCS"}; // the ship speaks first
    EXPECT_EQ(station_name(s, d), "JCS CHIOSHI");
    s.calls = {"JA3X"};
    EXPECT_EQ(station_name(s, d), "JA3X");
    s.calls.clear();
    EXPECT_EQ(station_name(s, d), "coast_station_mf JCS/CHIOSHI");
    // A slot naming none of the label's calls is the label's first station's.
    s.calls = {"JA3X"};
    EXPECT_TRUE(d.find("JCS")->is(s));
    EXPECT_FALSE(d.find("NAA")->is(s));
}

} // namespace
} // namespace zenka
