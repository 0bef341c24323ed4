// The weather broadcasts and NAVAREA warnings as a family: every member closes its slot with no
// placeholder left, over many seeds and instants; and their dated and seasonal edge cases.

#include "support/generator_sweep.h"
#include "support/weather_text.h"
#include "traffic/weather/tables.h"
#include "traffic/weather/weather.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::at;
using test::compose_at;
using test::groups;

struct Member {
    const char* name;
    std::function<void(Air&)> run;
    const char* ending; // the closing words of its last slot
};

const std::vector<Member>& members() {
    static const std::vector<Member> all = {
        {"wx_code 11", [](Air& a) { wx_code(a, "OHA", "METEO", 11, fin_obs_stn, 15); },
         "+ de OHA ]"},
        {"wx_code 111", [](Air& a) { wx_code(a, "RNO", "MSK", 111, rus_obs_stn, 39); },
         "+ de RNO ]"},
        {"wx_code 253", [](Air& a) { wx_code(a, "RAG", "meteo", 253, ucr_obs_stn, 26); },
         "+ de RAG ]"},
        {"italian_naval_code", [](Air& a) { italian_naval_code(a, "IBZ", rome_obs_stn, 9); },
         "+ V IBZ ]"},
        {"wx_plain", [](Air& a) { wx_plain(a, "JRW", palau_obs_stn, 6); }, "+ DE JRW ]"},
        {"wx_anm", [](Air& a) { wx_anm(a, "VIC"); }, "VIC WX *"},
        {"meteo_anm", [](Air& a) { meteo_anm(a, "7TA"); }, "7TA METEO *"},
        {"wx_anm_hand", [](Air& a) { wx_anm_hand(a, "VWV"); }, "VWV WX *"},
        {"nss_wx", [](Air& a) { nss_wx(a); }, "+ DE NSS QRU ]"},
        {"brasil_wx", [](Air& a) { brasil_wx(a); }, "METEOROMARINHA RIO ="},
        {"japan_wx", [](Air& a) { japan_wx(a); }, "+ DE JMC ]"},
        {"apia_wx", [](Air& a) { apia_wx(a); }, "] de zma"},
        {"vpe_wx", [](Air& a) { vpe_wx(a); }, "] de VPE"},
        {"uswb 1", [](Air& a) { uswb(a, 1); }, "fair = marvin"},
        {"uswb 0", [](Air& a) { uswb(a, 0); }, "fair = marvin"},
        {"uswbsf 0", [](Air& a) { uswbsf(a, 0); }, "orford = mcadie"},
        {"navarea_iv", [](Air& a) { navarea_iv(a, "8RB"); }, "DE 8RB QRU ]"},
        {"navarea_vii", [](Air& a) { navarea_vii(a, "FJY4"); }, "+ DE FJY4 QRU ]"},
        {"navarea_viii", [](Air& a) { navarea_viii(a, "VWG"); }, "+ DE VWG QRU ]"},
        {"navarea_xii", [](Air& a) { navarea_xii(a, "XSW"); }, "DE XSW NIL ]"},
        {"navarea_xiii", [](Air& a) { navarea_xiii(a, "UBA2"); }, "DE UBA2 NIL ]"},
        {"navarea_xiv", [](Air& a) { navarea_xiv(a, "3DP"); }, "+ DE 3DP ]"},
    };
    return all;
}

TEST(WeatherFamily, EveryMemberClosesItsSlotWithNoPlaceholderLeft) {
    for (const Member& m : members()) {
        for (int k = 0; k < 120; ++k) {
            const auto p =
                compose_at(test::sweep_instant(k), static_cast<std::uint32_t>(k * 13 + 1), m.run);
            const Air& a = p->air;
            ASSERT_EQ(a.open_slot, 1) << m.name << " at case " << k;
            EXPECT_TRUE(a.send_buf[1].empty()) << m.name << " leaves text in the open slot";
            const std::string text = test::plain_text(a.send_buf[0]);
            EXPECT_EQ(text.find('%'), std::string::npos) << m.name << ": " << text;
            EXPECT_NE(text.find(m.ending), std::string::npos) << m.name << ": " << text;
        }
    }
}

TEST(WeatherFamily, SparkMembersAreUnheardWithoutHistoricalStations) {
    ReceiverSettings off;
    off.hist = 0;
    for (const auto& run : std::vector<std::function<void(Air&)>>{
             [](Air& a) { apia_wx(a); }, [](Air& a) { vpe_wx(a); }, [](Air& a) { uswbsf(a, 0); }}) {
        const auto p = compose_at(test::sweep_instant(5), 11, run, off);
        EXPECT_EQ(p->air.open_slot, 0);
        EXPECT_TRUE(p->air.send_buf[0].empty());
    }
    const auto p = compose_at(
        test::sweep_instant(5), 11, [](Air& a) { uswb(a, 1); }, off);
    EXPECT_EQ(p->air.open_slot, 1) << "the plain close does not depend on HIST";
}

TEST(WeatherFamily, GfaOnlyInHoursDivisibleByFour) {
    const auto silent = compose_at(at("2026-07-14T03:00:00Z"), 4, [](Air& a) { gfa(a); });
    EXPECT_EQ(silent->air.open_slot, 0);
    EXPECT_TRUE(silent->air.send_buf[0].empty());
    const auto p = compose_at(at("2026-07-14T04:00:00Z"), 4, [](Air& a) { gfa(a); });
    ASSERT_EQ(p->air.open_slot, 1);
    const std::string text = test::plain_text(p->air.send_buf[0]);
    EXPECT_NE(text.find("NR 844 SMEU01 EGRR 140000 RRC = AAXX 14004 = 01001 11456 70133"),
              std::string::npos)
        << text;
    EXPECT_TRUE(text.find("+ DE GFA ]") != std::string::npos);
    for (int h = 0; h < 24; ++h) {
        const auto q = compose_at(at("2026-01-02T00:10:00Z") + std::chrono::hours(h), 4,
                                  [](Air& a) { gfa(a); });
        EXPECT_EQ(q->air.open_slot, h % 4 == 0 ? 1 : 0) << h;
    }
}

TEST(WeatherFamily, WeatherBureauWeekdaysAsStored) {
    // 6 December 2026 is a Sunday, 9 December a Wednesday.
    for (const auto& [iso, word] : {std::pair{"2026-12-06T10:00:00Z", "sunday"},
                                    std::pair{"2026-12-09T10:00:00Z", "wednsday"},
                                    std::pair{"2026-12-07T10:00:00Z", "monday"}}) {
        for (int mode : {0, 1}) {
            const auto a = compose_at(at(iso), 2, [&](Air& x) { uswb(x, mode); });
            const auto b = compose_at(at(iso), 2, [&](Air& x) { uswbsf(x, mode); });
            for (const auto* p : {a.get(), b.get()}) {
                const std::string text = test::plain_text(p->air.send_buf[0]);
                EXPECT_NE(text.find(std::string(" = forecast till ")), std::string::npos);
                EXPECT_NE(text.find(std::string(word) + " = "), std::string::npos) << text;
            }
        }
    }
}

TEST(WeatherFamily, WindDirections) {
    std::vector<int> plain(16, 0), apia(16, 0);
    for (int k = 0; k < 400; ++k) {
        const auto p = compose_at(test::sweep_instant(k), static_cast<std::uint32_t>(k + 9),
                                  [](Air& a) { wx_plain(a, "JRW", palau_obs_stn, 6); });
        const auto q = compose_at(test::sweep_instant(k), static_cast<std::uint32_t>(k + 9),
                                  [](Air& a) { apia_wx(a); });
        const std::string pt = test::plain_text(p->air.send_buf[0]);
        for (std::size_t d = 0; d < wind_dir.size(); ++d)
            plain[d] += pt.find(" WIND " + std::string(wind_dir[d]) + " ") != std::string::npos;
        // Each island's report ends "<direction> <force 1 - 3> <clouds> =".
        const std::vector<std::string> g = groups(test::plain_text(q->air.send_buf[0]));
        int reports = 0;
        for (std::size_t i = 0; i + 3 < g.size(); ++i) {
            if ((g[i + 2] != "BC" && g[i + 2] != "OCR") || g[i + 3] != "=") continue;
            ++reports;
            EXPECT_TRUE(g[i + 1] == "1" || g[i + 1] == "2" || g[i + 1] == "3") << g[i + 1];
            const auto d = std::find(wind_dir.begin(), wind_dir.end(), g[i]);
            ASSERT_NE(d, wind_dir.end()) << g[i];
            ++apia[static_cast<std::size_t>(d - wind_dir.begin())];
        }
        EXPECT_EQ(reports, 8);
    }
    for (std::size_t d = 0; d < 16; ++d) {
        EXPECT_EQ(plain[d] > 0, d < 7) << wind_dir[d];
        EXPECT_EQ(apia[d] > 0, d < 15) << wind_dir[d];
    }
}

TEST(WeatherFamily, DatesFromTheClock) {
    const auto iv = compose_at(at("2026-03-30T10:00:00Z"), 1, [](Air& a) { navarea_iv(a, "WLO"); });
    const std::string t4 = test::plain_text(iv->air.send_buf[0]);
    EXPECT_NE(t4.find("NAVAREA IV = NR 382/26(11) GULF OF MEXICO LOUISIANA"), std::string::npos);
    EXPECT_NE(t4.find("UNTIL 01 MAR"), std::string::npos) << "next day after the 30th is the 1st";
    const auto odd =
        compose_at(at("2026-05-07T10:00:00Z"), 1, [](Air& a) { navarea_vii(a, "C9C2"); });
    EXPECT_NE(test::plain_text(odd->air.send_buf[0]).find("NAVAREA VII 287 OF 1988 (07 MAY 88)"),
              std::string::npos);
    const auto even =
        compose_at(at("2026-05-08T10:00:00Z"), 1, [](Air& a) { navarea_vii(a, "C9C2"); });
    EXPECT_NE(test::plain_text(even->air.send_buf[0]).find("NAVAREA VII 074 OF 1977 (08 MAY 77)"),
              std::string::npos);
    const auto nss = compose_at(at("2026-12-08T14:20:00Z"), 1, [](Air& a) { nss_wx(a); });
    const std::string tn = test::plain_text(nss->air.send_buf[0]);
    EXPECT_NE(tn.find("wwnt nss 081400z zpv/081200z uswb 1400z DEC 8 western north atlantic"),
              std::string::npos)
        << tn;
    EXPECT_NE(tn.find("asnt nss 081200z 10001 33388 00812 x"), std::string::npos);
    const auto jmc = compose_at(at("2026-12-08T14:20:00Z"), 1, [](Air& a) { japan_wx(a); });
    EXPECT_NE(test::plain_text(jmc->air.send_buf[0])
                  .find("HR WX = TOKYO WX 091500JST ISSUED AT 081900JST"),
              std::string::npos);
}

} // namespace
} // namespace zenka
