// 500 kHz as a whole: the auto-alarm before every distress scenario, the silence periods, the
// ordinary life of the frequency held back by announcements, and the short items and operators'
// chats closed and filled.

#include "band/announcements_500khz.h"
#include "support/band_pass.h"
#include "support/generator_sweep.h"
#include "traffic/maritime/maritime.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zenka {
namespace {

using test::closed_text;
using test::compose_at;
using test::plain_text;
using test::sweep_instant;
using test::two;

const std::string kAlarmLine = std::string(24, '\x04') + "      ";

std::string alarm() {
    std::string out;
    for (int k = 0; k < 12; ++k)
        out += kAlarmLine;
    return out;
}

TEST(Distress500, TheAutoAlarmIsTwelveFourSecondDashesAtSpeed21) {
    const auto p = compose_at(sweep_instant(3), 17, [](Air& a) {
        a.hand = 1;
        a.rto = 5;
        autoalarm(a);
        a.send_stack("");
    });
    const Air& a = p->air;
    ASSERT_EQ(a.open_slot, 1);
    EXPECT_EQ(plain_text(a.send_buf[0]), alarm() + test::kStackTail);
    // Unstretched marks: 24 three-unit marks joined, 72 units of 1.2 / 21 s.
    EXPECT_EQ(a.slot_params[0].spd, 21);
    EXPECT_EQ(a.slot_params[0].hand, 0);
    EXPECT_EQ(a.slot_params[0].rto, 0);
}

TEST(Distress500, EveryScenarioFollowsTheAlarmWithTheDistressSign) {
    const std::vector<std::pair<const char*, std::function<void(Air&)>>> scenarios = {
        {"sos1", sos1}, {"sos2", sos2}, {"sos3", sos3}};
    for (const auto& [name, scenario] : scenarios) {
        for (int k = 0; k < 60; ++k) {
            const auto p =
                compose_at(sweep_instant(k), static_cast<std::uint32_t>(k + 1), scenario);
            const Air& a = p->air;
            ASSERT_EQ(a.open_slot, 1) << name;
            const std::string text = plain_text(a.send_buf[0]);
            ASSERT_TRUE(text.starts_with(alarm())) << name;
            EXPECT_EQ(text.find('%'), std::string::npos) << name << text;
            // The distress sign right after the alarm, three times, then the ship's call.
            EXPECT_EQ(text.find('\x12'), alarm().size()) << name;
            EXPECT_EQ(text.find("\x12 \x12 \x12 DE "), alarm().size()) << name;
            EXPECT_EQ(a.anm_500, 1) << name;
        }
    }
    // The fire is acknowledged by the coast guard with RRR, and ends in silence lifted.
    const auto fire = compose_at(sweep_instant(9), 5, sos1);
    const std::string text = plain_text(fire->air.send_buf[0]);
    EXPECT_NE(text.find("DE NMF NMF NMF \x1f"), std::string::npos) << text;
    EXPECT_NE(text.find("HELICOPTER"), std::string::npos);
    EXPECT_NE(text.find("SEELONCE FEENEE"), std::string::npos);
}

class Frequency500 : public test::BandPass {};

// The three scenarios at their minutes: the alarm opens a slot whose distress sign follows it,
// and no other slot of the pass carries the sign.
TEST_F(Frequency500, TheAlarmPrecedesEveryDistressScenarioAtItsTime) {
    for (const char* hhmm : {"09:18", "10:56", "03:12"}) {
        for (int second = 0; second < 60; second += 7) {
            const auto a = pass(5000, std::string("2026-05-04T") + hhmm + ":" + two(second) + "Z");
            int distress = 0;
            for (int k = 0; k < a->open_slot && k < Air::kSlots; ++k) {
                const std::string text = plain_text(a->send_buf[static_cast<std::size_t>(k)]);
                const std::size_t sign = text.find('\x12');
                if (sign == std::string::npos) continue;
                ++distress;
                EXPECT_EQ(text.find(alarm()), 0u) << hhmm;
                EXPECT_EQ(sign, alarm().size()) << hhmm;
            }
            EXPECT_EQ(distress, 1) << hhmm << ":" << second;
        }
    }
    // At another minute no distress.
    const auto quiet = pass(5000, "2026-05-04T09:19:05Z");
    EXPECT_EQ(closed_text(*quiet).find('\x12'), std::string::npos);
}

// In the silence periods only the short check of the frequency, in the first half minute, and
// the announcements of the minute; no ship works.
TEST_F(Frequency500, SilencePeriodsHoldOnlyTheCheckOfTheFrequency) {
    for (int hour = 0; hour < 24; hour += 5) {
        for (const int minute : {15, 16, 17, 45, 46, 47}) {
            for (int second = 0; second < 60; second += 3) {
                const std::string when =
                    "2026-05-04T" + two(hour) + ":" + two(minute) + ":" + two(second) + "Z";
                const auto a = pass(5000, when);
                int checks = 0;
                for (int k = 0; k < a->open_slot && k < Air::kSlots; ++k) {
                    std::string text = plain_text(a->send_buf[static_cast<std::size_t>(k)]);
                    text.erase(0, text.find_first_not_of(' '));
                    if (text.starts_with("VVVV")) {
                        ++checks;
                        EXPECT_NE(text.find("VVVV     SP   SRI"), std::string::npos) << text;
                    } else {
                        EXPECT_TRUE(text.starts_with("CQ")) << when << ": " << text;
                    }
                }
                EXPECT_EQ(checks, second <= 29 ? 1 : 0) << when;
            }
        }
    }
}

// 499.5, 500.0 and 500.5 kHz are the same frequency; in an ordinary minute without an
// announcement the ships call, and the faint exchange opens the pass.
TEST_F(Frequency500, TheShipsCallInOrdinaryMinutes) {
    int with_ships = 0;
    for (int k = 0; k < 60; ++k) {
        const std::string when = "2026-05-04T13:" + two(21 + k % 9) + ":" + two(k) + "Z";
        const auto a = pass(5000, when);
        const auto low = pass(4995, when);
        const auto high = pass(5005, when);
        EXPECT_EQ(closed_text(*a), closed_text(*low)) << when;
        EXPECT_EQ(closed_text(*a), closed_text(*high)) << when;
        if (a->anm_500 != 0) continue;
        ++with_ships;
        ASSERT_GE(a->open_slot, 1) << when;
        // The faint exchange, both voices at 0, after the general call of an announcement
        // keyed twice (13:25), which does not hold the ships back.
        const std::size_t first = plain_text(a->send_buf[0]).find("CQ CQ DE ") == 0 ? 1 : 0;
        ASSERT_GE(a->open_slot, static_cast<int>(first) + 1) << when;
        EXPECT_EQ(a->slot_params[first].qsa, 0) << when;
    }
    EXPECT_GT(with_ships, 20);
}

// The strength bytes of the in-band switches of a text.
std::set<int> strengths(const std::string& text) {
    std::set<int> out;
    for (std::size_t k = 0; k + 1 < text.size(); ++k) {
        if (text[k] == 0x01)
            ++k;
        else if (text[k] == 0x02)
            k += 2;
        else if (text[k] == 0x03)
            out.insert(static_cast<unsigned char>(text[++k]));
    }
    return out;
}

// Only the plain general call of an announcement (and a distress scenario) holds the ordinary
// life of the frequency back. After the bug-keyed or twice-given calls of the timetable the
// faint and the clear ship's call follow, and the activity of the second; a plain call of the
// same kind of minute leaves only the faint one.
TEST_F(Frequency500, OnlyThePlainGeneralCallHoldsTheShipsBack) {
    const auto ordinary_minute = [](int minute) {
        for (const int quiet : {0, 14, 18, 30, 44, 48, 15, 16, 17, 45, 46, 47, 3, 5})
            if (minute == quiet) return false;
        return true;
    };
    const auto plain_row_at = [](int hour, int minute) {
        for (const Announcement& r : timetable_500khz_rows())
            if (r.hour == hour && r.minute == minute && r.form == AnnouncementForm::plain)
                return true;
        return false;
    };
    int bug_or_twice = 0, plain = 0;
    for (const Announcement& row : timetable_500khz_rows()) {
        if (!ordinary_minute(row.minute)) continue;
        const bool held_back = plain_row_at(row.hour, row.minute);
        if (row.form != AnnouncementForm::plain && held_back) continue;
        for (int second = 1; second < 60; second += 6) {
            const std::string when =
                "2026-05-04T" + two(row.hour) + ":" + two(row.minute) + ":" + two(second) + "Z";
            const auto a = pass(5000, when);
            if (row.form == AnnouncementForm::plain) {
                ++plain;
                EXPECT_EQ(a->anm_500, 1) << when;
                EXPECT_EQ(a->open_slot, 2) << when; // the announcement and the faint call
                continue;
            }
            ++bug_or_twice;
            EXPECT_EQ(a->anm_500, 0) << when;
            ASSERT_GE(a->open_slot, 3) << when;
            const std::string call(row.call.call);
            EXPECT_NE(plain_text(a->send_buf[0]).find(" DE " + call + " " + call + " "),
                      std::string::npos)
                << when;
            // The faint exchange, its voices at strength 0, then the clear one, heard.
            EXPECT_EQ(strengths(a->send_buf[1]), std::set<int>{6}) << when;
            const std::set<int> clear = strengths(a->send_buf[2]);
            EXPECT_FALSE(clear.empty()) << when;
            EXPECT_FALSE(clear.contains(6)) << when;
        }
    }
    EXPECT_EQ(bug_or_twice, 15 * 10); // UIW, HSA, GPK in their hours, ten seconds each
    EXPECT_GT(plain, 100);
}

// The short items, the chats and the long-wave generators: over seeds and instants each closes
// what it opens and leaves no placeholder.
TEST(Lf500Members, EveryGeneratorClosesItsSlotsFilled) {
    const std::vector<std::pair<const char*, std::function<void(Air&)>>> members = {
        {"opchat", opchat},
        {"navigational_tfc", navigational_tfc},
        {"coast_clg_vsl", coast_clg_vsl},
        {"port_wave", [](Air& a) { port_wave(a, 425); }},
        {"obs_tfc_mf", [](Air& a) { obs_tfc_mf(a, 454); }},
        {"qte_coast", [](Air& a) { qte_coast(a, "7TB"); }},
        {"bandxonly", bandxonly},
        {"svvv500", svvv500},
        {"qsp", qsp},
        {"control_stn", [](Air& a) { control_stn(a, "YIS"); }},
        {"vsl500cq", vsl500cq},
        {"selective_call", selective_call},
        {"coast_station_lf", [](Air& a) { coast_station_lf(a, "FFP", "LEHAVRE"); }},
        {"vsl_lf_channel", vsl_lf_channel},
        {"intership_lf", intership_lf},
        {"calling_143_khz", calling_143_khz},
        {"tfc_list_lf", [](Air& a) { tfc_list_lf(a, 1, 3, "WNY"); }},
        {"ufc", [](Air& a) { ufc(a, "WAX"); }},
        {"great_lakes_old", [](Air& a) { great_lakes_old(a, "WHT"); }},
        {"alaska_packers", alaska_packers},
        {"chilean_old_nw", [](Air& a) { chilean_old_nw(a, "CCJ"); }},
        {"phillipine_old_coast", [](Air& a) { phillipine_old_coast(a, "KBA"); }},
        {"live_stock", [](Air& a) { live_stock(a, "KDEF", "GRAIN"); }},
        {"swedish_ice_report", swedish_ice_report},
        {"meteo_warszawa", meteo_warszawa},
        {"polish_ptt", [](Air& a) { polish_ptt(a, "AXT", "POZNAN", "AXK", "GRUDZIADZ"); }},
    };
    for (const auto& [name, generator] : members) {
        int sent = 0;
        for (int k = 0; k < 150; ++k) {
            const auto p =
                compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 13 + 1), generator);
            const Air& a = p->air;
            sent += a.open_slot;
            EXPECT_LE(a.open_slot, 1) << name;
            EXPECT_TRUE(a.send_buf[static_cast<std::size_t>(a.open_slot)].empty())
                << name << ": left open";
            const std::string text = closed_text(a);
            EXPECT_EQ(text.find('%'), std::string::npos) << name << ": " << text;
        }
        EXPECT_GT(sent, 100) << name;
    }
}

// The chats: 18 scripts, the first turns as written, the general call with its gaps.
TEST(Lf500Members, OperatorChatsOpenWithTheirFirstTurns) {
    int general_calls = 0, silent = 0;
    for (int k = 0; k < 600; ++k) {
        const auto p = compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 5 + 2), opchat);
        const Air& a = p->air;
        if (a.open_slot == 0) {
            ++silent;
            continue;
        }
        const std::string text = closed_text(a);
        if (text.find("CQ CQ CQ DE " + a.ship_call + "  ") == std::string::npos) continue;
        if (text.find(" M/V ") == std::string::npos) continue;
        ++general_calls;
        EXPECT_NE(text.find("\xa0 M/V " + a.ship_name + " QTO "), std::string::npos) << text;
        EXPECT_NE(text.find("\xa0\xa0 PLS QRU?  73 TO ALL\xa0\xa0 +"), std::string::npos);
    }
    EXPECT_GT(general_calls, 15);
    EXPECT_GT(silent, 30); // script 17, and 1, 11, 12 outside their hours or switches
}

} // namespace
} // namespace zenka
