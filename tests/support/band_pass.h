#pragma once
// A receiver context at a chosen instant and frequency, for tests of the station
// rules: as a retune leaves it, or after one dispatcher pass.

#include "band/catalogue.h"
#include "band/dispatcher.h"
#include "band/label.h"
#include "compose/air.h"
#include "platform/clock.h"
#include "support/sound_calls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zenka::test {

inline const std::string kStackTail(20, ' '); // send_stack's pause

// The sounds the passes of a test asked for, in order, as lines like those of a
// NullSound ("play_recording fone/rtt-001.wav").
class HeardSounds {
  public:
    void add(const Air& a) {
        const std::vector<std::string> lines = sound_lines(a.so_far().sounds);
        lines_.insert(lines_.end(), lines.begin(), lines.end());
    }
    const std::vector<std::string>& calls() const { return lines_; }
    void clear() { lines_.clear(); }

  private:
    std::vector<std::string> lines_;
};
// A field of a UTC time as two digits: 7 -> "07". (Built from its digits: GCC 12
// at -O3 takes "0" + std::to_string(n) for an overlapping copy, -Wrestrict.)
inline std::string two(int n) {
    const char digits[2] = {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    return std::string(digits, 2);
}

// Rules that only run the operators' chat or the aeronautical generators: their traffic is
// drawn by chance at every hour, and the family tests (telecom_chat_test, aero_edges_test)
// test it, so the tests of the other stations of a frequency leave them out.
inline bool chat_or_aero_only(const Rule& rule) {
    if (!drawn_by_chance(rule)) return false;
    for (std::string_view e : label_emissions(rule.label)) {
        const Family f = registered_kind(e)->family;
        if (f != Family::aeronautical && f != Family::telecom) return false;
    }
    return true;
}

// The catalogue without the rules drawn by chance (the chat, the aircraft and the long-wave
// ship working): the stations that keep their schedules.
inline const Catalogue& fixed_stations_catalogue() {
    static const auto keep = [](std::span<const Rule> rules) {
        std::vector<Rule> out;
        for (const Rule& r : rules)
            if (!drawn_by_chance(r)) out.push_back(r);
        return out;
    };
    static const Catalogue all = station_catalogue();
    static const std::vector<Rule> low = keep(all.low), marine = keep(all.marine),
                                    tail = keep(all.tail);
    static const Catalogue fixed{low, marine, tail};
    return fixed;
}

class BandPass : public ::testing::Test {
  protected:
    // A context at `when` ("2024-01-07T12:00:00Z") tuned to `freq` (units of 100 Hz).
    std::unique_ptr<Air> tuned(int freq, const std::string& when, ReceiverSettings s = {}) {
        clock.set(*parse_utc(when));
        s.freq = freq;
        auto a = std::make_unique<Air>(clock, s);
        a->stn();
        return a;
    }

    // The same, after one dispatcher pass over the catalogue of the stations that keep their
    // schedules.
    std::unique_ptr<Air> pass(int freq, const std::string& when, ReceiverSettings s = {}) {
        auto a = tuned(freq, when, s);
        band(*a, fixed_stations_catalogue());
        out.add(*a);
        return a;
    }

    FixedClock clock{UtcInstant{}};
    HeardSounds out; // the sounds of every pass since the last clear()
};

// A marker run by send_still: the marker from some point, then 20 times whole,
// then the pause of send_stack.
inline void expect_still(const std::string& slot, const std::string& marker) {
    ASSERT_TRUE(slot.ends_with(kStackTail));
    const std::string body = slot.substr(0, slot.size() - kStackTail.size());
    ASSERT_GT(body.size(), 20 * marker.size());
    const std::size_t head = body.size() - 20 * marker.size();
    EXPECT_GE(head, 1u);
    EXPECT_LE(head, marker.size());
    EXPECT_TRUE(marker.ends_with(body.substr(0, head)));
    for (std::size_t i = head; i < body.size(); i += marker.size())
        EXPECT_EQ(body.substr(i, marker.size()), marker);
}

// Slot k was closed with this speed, tone and strength.
inline void expect_voice(const Air& a, int k, int spd, int ton, int qsa) {
    const EmissionParams& p = a.slot_params[static_cast<std::size_t>(k)];
    EXPECT_EQ(p.spd, spd) << "slot " << k;
    EXPECT_EQ(p.ton, ton) << "slot " << k;
    EXPECT_EQ(p.qsa, qsa) << "slot " << k;
}

// The texts of the closed slots of a pass.
inline std::vector<std::string> slots(const Air& a) {
    std::vector<std::string> out;
    for (int k = 0; k < a.open_slot && k < Air::kSlots; ++k)
        out.push_back(a.send_buf[static_cast<std::size_t>(k)]);
    return out;
}

} // namespace zenka::test
