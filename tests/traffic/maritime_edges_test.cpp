// The edge cases of coast station and ship working: the silence periods, the fleets' keying,
// the greetings between nations and the traffic lists.

#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "support/generator_sweep.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::compose_at;

UtcInstant at_minute(int minute, int k) {
    using namespace std::chrono;
    return *parse_utc("2026-03-10T00:00:00Z") + hours(k % 24) + minutes(minute) +
           seconds(k * 7 % 60) + milliseconds(k * 37 % 1000);
}

TEST(CoastStationMf, SilencePeriods) {
    int at16 = 0;
    const int runs = 400;
    for (int k = 0; k < runs; ++k) {
        const auto seed = static_cast<std::uint32_t>(k * 31 + 7);
        auto run = [](Air& a) { coast_station_mf(a, "FFP", "LEHAVRE"); };
        const auto p14 = compose_at(at_minute(14, k), seed, run);
        ASSERT_EQ(p14->air.open_slot, 1);
        const std::string& notice = p14->air.send_buf[0];
        const bool ship_notice =
            notice.find(p14->air.ship_call + " DE FFP SRI OM SP PSE * 3") != std::string::npos;
        EXPECT_TRUE(ship_notice || notice.find("NW SP PSE * *") != std::string::npos) << notice;
        at16 += compose_at(at_minute(16, k), seed, run)->air.open_slot;
        EXPECT_EQ(compose_at(at_minute(18, k), seed, run)->air.open_slot, 1) << k;
        EXPECT_EQ(compose_at(at_minute(44, k), seed, run)->air.open_slot, 1) << k;
    }
    EXPECT_GT(at16, runs * 35 / 100);
    EXPECT_LT(at16, runs * 65 / 100);
}

// fleet_style on ship `call` working `coast`, from a voice of 25 wpm at 1000 Hz.
Air& styled(test::Pass& p, std::string_view call, std::string_view coast) {
    Air& a = p.air;
    a.ship_call = call;
    a.spd = 25;
    a.ton = 1000;
    a.rto = 0;
    fleet_style(a, coast);
    return a;
}

TEST(FleetStyle, LibyanShipsSlowerWithLowTones) {
    for (int k = 0; k < 200; ++k) {
        test::Pass p(test::sweep_instant(k));
        p.air.random.seed = static_cast<std::uint32_t>(k + 1);
        const Air& a = styled(p, "5AWE", "DAN");
        EXPECT_EQ(a.spd, 21);
        EXPECT_GE(a.ton, 500);
        EXPECT_LE(a.ton, 799);
    }
}

TEST(FleetStyle, SovietShipsFasterWorkingSovietCoastStations) {
    for (int k = 0; k < 200; ++k) {
        test::Pass p(test::sweep_instant(k));
        p.air.random.seed = static_cast<std::uint32_t>(k + 1);
        EXPECT_EQ(styled(p, "UUAZ", "UTT").spd, 30);
        EXPECT_EQ(styled(p, "UUAZ", "RIW").spd, 30);
        EXPECT_EQ(styled(p, "UUAZ", "DAN").spd, 25);
        EXPECT_EQ(styled(p, "EMRN", "UTT").spd, 25);
    }
}

TEST(FleetStyle, BritishShipsBugOrHandSpeed) {
    for (int k = 0; k < 200; ++k) {
        test::Pass p(test::sweep_instant(k));
        p.air.random.seed = static_cast<std::uint32_t>(k + 1);
        const Air& a = styled(p, "GBZD", "GKR");
        if (a.t.second % 3 != 0) {
            EXPECT_LT(a.rto, 40) << "a bug at second " << a.t.second;
            EXPECT_EQ(a.spd, 25);
        } else {
            EXPECT_GE(a.spd, 16);
            EXPECT_LE(a.spd, 23);
        }
    }
}

TEST(InternationalHello, BetweenNations) {
    const std::vector<std::tuple<const char*, const char*, const char*, const char*>> cases = {
        {"SAA", "SKRW", "2026-03-10T09:00:00Z", "HEJ"},
        {"SAA", "SVKM", "2026-03-10T09:00:00Z", "GM"},
        {"5AT", "HNAB", "2026-03-10T13:00:00Z", "SLM"},
        {"HNF", "5AWE", "2026-03-10T13:00:00Z", "GA"},
        {"A7D", "9KRC", "2026-03-10T19:00:00Z", "SLM"},
        {"UTT", "UUAZ", "2026-03-10T23:00:00Z", "ZDR"},
        {"FFP", "GBZD", "2026-03-10T09:00:00Z", "BJR"},
        {"FFP", "GBZD", "2026-03-10T20:00:00Z", "BSR"},
        {"GKR", "GBZD", "2026-03-10T20:00:00Z", "GE"},
    };
    for (const auto& [coast, ship, when, greeting] : cases) {
        test::Pass p(*parse_utc(when));
        p.air.t = p.clock.utc();
        international_hello(p.air, coast, ship);
        EXPECT_EQ(p.air.str2, greeting) << coast << " " << ship;
    }
}

// The ships a traffic list of form 2 names, as name/call pairs, in the order sent.
std::vector<int> listed_ships(const std::string& text) {
    std::vector<int> out;
    const std::size_t from = text.find("QTC FOR ") + 8;
    const std::size_t to = text.find(" = + DE ");
    std::string body = text.substr(from, to - from);
    std::size_t at = 0;
    while ((at = body.find('/')) != std::string::npos) {
        const std::size_t end = body.find(' ', at);
        const std::string call = body.substr(at + 1, end - at - 1);
        const int i = find_base_vsl(call, kVslCount);
        EXPECT_GE(i, 0) << call;
        if (i >= 0) {
            EXPECT_EQ(body.substr(0, at), qra(i));
        }
        out.push_back(i);
        body = body.substr(end + 1);
    }
    return out;
}

TEST(TrafficList, NameAndCallInRegisterOrderAboutOneShipInAHundred) {
    long total = 0;
    const int runs = 200;
    for (int k = 0; k < runs; ++k) {
        const auto p = compose_at(test::sweep_instant(k), static_cast<std::uint32_t>(k + 11),
                                  [](Air& a) { tfc_list(a, 2, 25, "PCH"); });
        const std::string& text = p->air.send_buf[0];
        EXPECT_EQ(text.rfind("CQ CQ CQ DE PCH PCH PCH TFC LIST *", 0), 0u);
        const std::vector<int> ships = listed_ships(text);
        for (std::size_t j = 1; j < ships.size(); ++j)
            EXPECT_LT(ships[j - 1] + 1, ships[j] + (ships[j - 1] + 1 == ships[j] ? 1 : 0));
        total += static_cast<long>(ships.size());
    }
    const double mean = static_cast<double>(total) / runs;
    EXPECT_GT(mean, 1856.0 / 100 * 0.85);
    EXPECT_LT(mean, 1856.0 / 100 * 1.1);
}

TEST(TrafficList, AfterAnAnnouncementItStartsWithTheList) {
    const auto p = compose_at(test::sweep_instant(3), 5, [](Air& a) {
        tfc_anmt(a, "CQ CQ DE PCH PCH TFC LIST ");
        EXPECT_EQ(a.anm_sent, 1);
        EXPECT_EQ(a.open_slot, 0);
        EXPECT_EQ(a.send_buf[0], "CQ CQ DE PCH PCH TFC LIST CQ CQ DE PCH PCH TFC LIST ");
        a.send_buf[0].clear();
        tfc_list(a, 3, 10, "PCH");
    });
    EXPECT_EQ(p->air.anm_sent, 0);
    EXPECT_EQ(p->air.send_buf[0].rfind("HR TFC LIST = QTC FOR ", 0), 0u);
    EXPECT_NE(p->air.send_buf[0].find(" = + DE PCH PSE K"), std::string::npos);
}

TEST(SmallCoastStation, OnlyInSecondsDivisibleByThree) {
    for (int k = 0; k < 300; ++k) {
        const auto p = compose_at(test::sweep_instant(k), static_cast<std::uint32_t>(k + 1),
                                  [](Air& a) { small_coast_station(a, "3VX", 0); });
        EXPECT_EQ(p->air.open_slot, p->air.clock.utc().second % 3 == 0 ? 1 : 0) << k;
    }
}

TEST(Uscg, SilentAroundTheSilencePeriods) {
    for (int k = 0; k < 100; ++k)
        for (int minute : {14, 16, 18, 44, 48}) {
            const auto p = compose_at(at_minute(minute, k), static_cast<std::uint32_t>(k + 1),
                                      [](Air& a) { uscg(a, "NOY"); });
            EXPECT_EQ(p->air.open_slot, 0) << minute;
        }
}

} // namespace
} // namespace zenka
