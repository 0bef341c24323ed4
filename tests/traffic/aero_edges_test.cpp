// The edge cases of the aeronautical traffic: the German pairs, the gates by second and by
// window of seconds, the Australian ground stations by minute, the QAA hour after 23, and
// every generator closing its slots with no placeholder left.

#include "support/generator_sweep.h"
#include "traffic/aero/aero.h"
#include "traffic/aero/aero_tables.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <regex>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::closed_text;
using test::compose_at;
using test::sweep_instant;

// An instant at hour h, minute m, second s of a winter day, the millisecond moving with k.
UtcInstant hms(int h, int m, int s, int k = 0) {
    using namespace std::chrono;
    return *parse_utc("2026-12-08T00:00:00Z") + hours(h) + minutes(m) + seconds(s) +
           milliseconds(k * 37 % 1000);
}

TEST(AeroTables, RegistrationsAndCallsHaveTheirShape) {
    const std::regex registration("[A-Z]{5}");
    for (const auto& table : {std::span<const std::string_view>(acft),
                              std::span<const std::string_view>(acft_flying_boats),
                              std::span<const std::string_view>(acft_flying_boats2)})
        for (std::string_view r : table)
            EXPECT_TRUE(std::regex_match(std::string(r), registration)) << r;
    EXPECT_EQ(acft[0], "DAGAR");
    EXPECT_EQ(create_short_call("DAGAR"), "DAR");
    EXPECT_EQ(create_short_call("GADHL"), "GHL");
}

TEST(AeroCalls, GermanPairsUseShortFormsAndQsl) {
    const std::regex departure(R"(^ *DIK  (D[A-Z]{4})  K +DIK \1 DEP (\d\d)(\d)0 ([A-Z]{2}) K)");
    const std::regex qsl(R"(^(D[A-Z]{4}) DDA QSL K +TU \] EE)");
    int pairs = 0, answers = 0;
    for (int k = 0; k < 600; ++k) {
        const auto seed = static_cast<std::uint32_t>(k * 53 + 11);
        const auto p = compose_at(hms(k % 24, k % 60, 3 * (k % 20), k), seed,
                                  [](Air& a) { acft_clg_gnd(a, "DIK"); });
        const std::string text = closed_text(p->air);
        ASSERT_EQ(p->air.open_slot, 1) << k;
        std::smatch m;
        if (p->air.str3[0] == 'D') {
            ASSERT_TRUE(std::regex_search(text, m, departure)) << text;
            EXPECT_EQ(std::stoi(m[2]), p->air.t.hour);
            EXPECT_EQ(std::stoi(m[3]), p->air.t.minute / 10);
            ++pairs;
        } else {
            EXPECT_EQ(text.find(" DEP "), std::string::npos) << text;
        }
        const auto g = compose_at(hms(k % 24, k % 60, 3 * (k % 20), k), seed,
                                  [](Air& a) { gnd_ans_acft(a, "DDA"); });
        const std::string answer = closed_text(g->air);
        if (g->air.str3[0] == 'D') {
            EXPECT_TRUE(std::regex_search(answer, m, qsl)) << answer;
            ++answers;
        } else {
            EXPECT_EQ(answer.find("QSL"), std::string::npos) << answer;
        }
        // A French ground station never gets the German forms.
        const auto f = compose_at(hms(k % 24, k % 60, 3 * (k % 20), k), seed,
                                  [](Air& a) { gnd_ans_acft(a, "FNC"); });
        EXPECT_EQ(closed_text(f->air).find("QSL"), std::string::npos);
    }
    // Ten draws find a German aircraft for a German station nearly always.
    EXPECT_GT(pairs, 550);
    EXPECT_GT(answers, 100);
}

TEST(AeroCalls, AnswerOnlyInSecondsDivisibleByThree) {
    const std::regex short_answer(
        R"(^([A-Z]{3}) \1 \1 DE FNC (GM|GA|GE|GN) QRK([345] QSA[345])? K)");
    for (int s = 0; s < 60; ++s) {
        const auto p = compose_at(hms(7, 30, s), static_cast<std::uint32_t>(s + 1),
                                  [](Air& a) { gnd_ans_acft(a, "FNC"); });
        if (s % 3 != 0) {
            EXPECT_EQ(p->air.open_slot, 0) << s;
            EXPECT_TRUE(p->air.send_buf[0].empty()) << s;
        } else {
            ASSERT_EQ(p->air.open_slot, 1) << s;
            EXPECT_TRUE(std::regex_search(closed_text(p->air), short_answer))
                << closed_text(p->air);
        }
    }
}

TEST(AeroStation, IdentificationOutsideItsServiceSeconds) {
    for (int s = 0; s < 60; ++s) {
        const auto p = compose_at(hms(14, 2, s), static_cast<std::uint32_t>(s * 3 + 2),
                                  [](Air& a) { aero_stn(a, "CXC2", "DZO"); });
        const Air& a = p->air;
        ASSERT_EQ(a.open_slot, s % 4 != 0 ? 2 : 1) << s;
        const std::string text = closed_text(a);
        if (s % 4 != 0) {
            // send_still starts inside the identification: the rest is the identification only.
            const std::size_t first = text.find("CXC2");
            EXPECT_TRUE(std::string("CXC2            ").ends_with(text.substr(0, first))) << text;
            EXPECT_EQ(std::regex_replace(text.substr(first), std::regex("CXC2|[ \n]"), ""), "")
                << text;
            EXPECT_EQ(a.slot_params[0].spd, 16);
        } else {
            EXPECT_TRUE(std::regex_search(
                text,
                std::regex(R"(^([A-Z]{3}) DE CXC2 (QDM DZO/\d{3}/1402|QGN DZO|QGO DZO STORM) K)")))
                << text;
            EXPECT_EQ(a.slot_params[0].spd, 21);
        }
    }
}

TEST(AustralianAero, ReportBySecondWindow) {
    for (int s = 0; s < 60; s += 2) {
        const auto p = compose_at(hms(23, 7, s), static_cast<std::uint32_t>(s + 5),
                                  [](Air& a) { australian_aero(a); });
        const std::string text = closed_text(p->air);
        ASSERT_EQ(p->air.open_slot, 1) << s;
        const auto has = [&](const char* what) { return text.find(what) != std::string::npos; };
        EXPECT_EQ(has(" QDL QDM "), s < 25) << text;
        EXPECT_EQ(has(" QAA "), s >= 35 && s <= 48) << text;
        EXPECT_EQ(has(" QAH "), s >= 49) << text;
        if (s >= 25 && s <= 34) {
            const std::string call = text.substr(0, text.find(" K") + 2);
            EXPECT_NE(text.find(call, call.size()), std::string::npos) << text;
        }
        // Hour 23: the arrival reads 00 and the minute; the QAH keeps the hour.
        EXPECT_EQ(std::regex_search(text, std::regex(R"( QAA [A-Z]{3} 0007 K)")), has(" QAA "));
        EXPECT_EQ(std::regex_search(text, std::regex(R"( QAH [A-Z]{3} 2307 K)")), has(" QAH "));
    }
    const auto odd = compose_at(hms(12, 1, 31), 1, [](Air& a) { australian_aero(a); });
    EXPECT_EQ(odd->air.open_slot, 0);
}

// The ground station's call and the aircraft's short call of one working, or empty strings.
struct GroundWorking {
    std::string aircraft, ground;
};
GroundWorking australian_working(const std::string& text) {
    std::smatch m;
    if (!std::regex_search(text, m, std::regex("^([A-Z]{3}) \\1 \\1 DE (VZ[A-Z]{2}) QRK [3-5] K")))
        return {};
    return {m[1], m[2]};
}

std::set<std::string> first_of(std::span<const std::string_view> table, std::size_t n,
                               bool short_calls) {
    std::set<std::string> out;
    for (std::size_t k = 0; k < n; ++k)
        out.insert(short_calls ? create_short_call(table[k]) : std::string(table[k]));
    return out;
}

// 280.0 and 325.0 kHz: flying boats and their six ground stations in minutes divisible by three,
// the aircraft of the airways and all 43 ground stations in the others. Only on 28.0 kHz are
// the minutes divisible by three quiet and the ground stations the first four.
TEST(AustralianGround, FlyingBoatsEveryThirdMinuteAndAllGroundStationsOtherwise) {
    const auto boats = first_of(acft_flying_boats, 19, true);
    const auto boat_grounds = first_of(aust_gnd_fb, 6, false);
    const auto aircraft = first_of(acft, 133, true);
    const auto all_grounds = first_of(aust_gnd, 43, false);
    const auto four_grounds = first_of(aust_gnd, 4, false);
    for (const int freq : {2800, 3250, 280}) {
        ReceiverSettings settings;
        settings.freq = freq;
        std::set<std::string> grounds;
        int boat_minutes = 0, airway_minutes = 0;
        for (int k = 0; k < 400; ++k) {
            const int minute = k % 60;
            if (minute % 13 == 0) continue; // the QAZ notice only
            const auto p = compose_at(
                hms(k % 24, minute, 2 * (k % 30), k), static_cast<std::uint32_t>(k * 7 + 3),
                [](Air& a) { australian_gnd(a); }, settings);
            const Air& a = p->air;
            if (minute % 3 == 0 && freq == 280) {
                EXPECT_EQ(a.open_slot, 0) << minute;
                EXPECT_TRUE(a.send_buf[0].empty());
                continue;
            }
            ASSERT_EQ(a.open_slot, 1) << freq << " " << minute;
            const GroundWorking w = australian_working(closed_text(a));
            ASSERT_FALSE(w.ground.empty()) << closed_text(a);
            if (minute % 3 == 0) {
                ++boat_minutes;
                EXPECT_TRUE(boats.contains(w.aircraft)) << freq << ": " << w.aircraft;
                EXPECT_TRUE(boat_grounds.contains(w.ground)) << freq << ": " << w.ground;
            } else {
                ++airway_minutes;
                EXPECT_TRUE(aircraft.contains(w.aircraft)) << freq << ": " << w.aircraft;
                EXPECT_TRUE((freq == 280 ? four_grounds : all_grounds).contains(w.ground))
                    << freq << ": " << w.ground;
                grounds.insert(w.ground);
            }
        }
        EXPECT_EQ(boat_minutes > 0, freq != 280) << freq;
        EXPECT_GT(airway_minutes, 200) << freq;
        if (freq == 280)
            EXPECT_EQ(grounds, four_grounds);
        else
            EXPECT_GT(grounds.size(), 30u) << freq;
    }
}

// Minutes divisible by 13 give only the QAZ notice, from a flying boats' ground station in
// minute 39, which is divisible by 3 as well.
TEST(AustralianGround, MinutesDivisibleByThirteenGiveOnlyTheQazNotice) {
    const auto boat_grounds = first_of(aust_gnd_fb, 6, false);
    const auto all_grounds = first_of(aust_gnd, 43, false);
    for (int k = 0; k < 80; ++k) {
        ReceiverSettings settings;
        settings.freq = k % 2 == 0 ? 2800 : 3250;
        const int minute = 13 * (1 + k % 4);
        const auto z = compose_at(
            hms(k % 24, minute, 2 * (k % 30), k), static_cast<std::uint32_t>(k + 1),
            [](Air& a) { australian_gnd(a); }, settings);
        ASSERT_EQ(z->air.open_slot, 1);
        std::smatch m;
        const std::string text = closed_text(z->air);
        ASSERT_TRUE(std::regex_match(text, m, std::regex("DE (VZ[A-Z]{2}) QAZ \\+ \\] *\n")))
            << text;
        EXPECT_TRUE((minute == 39 ? boat_grounds : all_grounds).contains(m[1])) << text;
    }
}

// Every generator of the family, over many seeds and instants: each slot it opens is closed,
// and no placeholder or percent sign is left in a text.
TEST(AeroGenerators, EverySlotClosesAndNoPlaceholderIsLeft) {
    const std::vector<std::function<void(Air&)>> generators = {
        [](Air& a) { acft_clg_gnd(a, "FNC"); },   [](Air& a) { gnd_ans_acft(a, "YRF"); },
        [](Air& a) { int_clg_333(a); },           [](Air& a) { clg_327(a); },
        [](Air& a) { aero_wx(a, "OKM"); },        [](Air& a) { aero_stn(a, "CXN", "MVD"); },
        [](Air& a) { aerodrome_freq(a, "HBX"); }, [](Air& a) { australian_aero(a); },
        [](Air& a) { australian_gnd(a); },        [](Air& a) { aero_qte(a, 2, "FKI"); },
        [](Air& a) { old_aero_qte(a, 1, ""); },   [](Air& a) { old_aero_qte(a, 4, ""); },
        [](Air& a) { old_aero_qte(a, 5, ""); },   [](Air& a) { german_fb(a, "DORM"); },
        [](Air& a) { norway_aero(a); },           [](Air& a) { norway_aero_qsx(a); }};
    std::vector<int> heard(generators.size(), 0);
    for (int k = 0; k < 200; ++k) {
        for (std::size_t g = 0; g < generators.size(); ++g) {
            const auto p =
                compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 17 + 1), generators[g]);
            const Air& a = p->air;
            EXPECT_TRUE(a.send_buf[static_cast<std::size_t>(a.open_slot)].empty()) << g << " " << k;
            const std::string text = closed_text(a);
            EXPECT_EQ(text.find('%'), std::string::npos) << text;
            for (const std::regex& bearing :
                 {std::regex(R"(QTE (\d+)/)"), std::regex(R"(QDM [A-Z]+/(\d+)/)")}) {
                std::smatch m;
                if (std::regex_search(text, m, bearing)) {
                    EXPECT_EQ(m[1].length(), 3) << text;
                    EXPECT_LE(std::stoi(m[1]), 358);
                }
            }
            heard[g] += a.open_slot > 0;
        }
    }
    for (std::size_t g = 0; g < generators.size(); ++g)
        EXPECT_GT(heard[g], 20) << "generator " << g << " is never heard";
}

} // namespace
} // namespace zenka
