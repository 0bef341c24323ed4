#include "band/catalogue.h"
#include "compose/air.h"
#include "support/band_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <regex>
#include <set>
#include <string>

namespace zenka {
namespace {

using test::expect_still;
using test::two;
const std::string& kTail = test::kStackTail;

class CatalogueRules : public test::BandPass {};

TEST_F(CatalogueRules, LouMarkerOrAutomaticMorseByMinute) {
    const std::string marker = "VVV  VVV  VVV  V  LOU  LOU  LOU  +            ";
    const std::string test =
        "= THIS IS HIGH SPEED AUTOMATIC MORSE TRANSMISSION AT 50 WPM FOR TESTING PURPOSES = ";
    for (int minute = 0; minute < 60; ++minute) {
        auto a = pass(129, "2026-12-08T07:" + two(minute) + ":33Z");
        ASSERT_EQ(a->open_slot, 1) << minute;
        EXPECT_EQ(a->slot_params[0].ton, 555);
        EXPECT_EQ(a->slot_params[0].qsa, 1);
        EXPECT_EQ(a->slot_params[0].rto, 0);
        if (minute % 4 != 0) {
            EXPECT_EQ(a->slot_params[0].spd, 19) << minute;
            expect_still(a->send_buf[0], marker);
        } else {
            EXPECT_EQ(a->slot_params[0].spd, 50) << minute;
            expect_still(a->send_buf[0], test);
        }
    }
    EXPECT_EQ(pass(128, "2026-12-08T07:04:33Z")->open_slot, 0);
    EXPECT_EQ(pass(130, "2026-12-08T07:05:33Z")->open_slot, 0);
}

TEST_F(CatalogueRules, HwuGroupsInTheFirstQuarterHour) {
    const std::regex form("^(?:[0-9]{5} )+ \\+ DE HWU QRU \\] {20}$");
    std::set<std::size_t> counts;
    for (int minute = 0; minute <= 14; ++minute) {
        for (int second : {0, 7, 19, 28, 41, 59}) {
            const std::string when = "2026-12-08T13:" + two(minute) + ":" + two(second) + "Z";
            auto a = pass(145, when);
            ASSERT_EQ(a->open_slot, 1) << when;
            const std::string& s = a->send_buf[0];
            ASSERT_TRUE(std::regex_match(s, form)) << when;
            const std::size_t n = s.find(" + DE HWU") / 6;
            EXPECT_GE(n, 10u) << when;
            EXPECT_LE(n, 79u) << when;
            counts.insert(n);

            // The bound is drawn afresh before every group.
            auto twin = tuned(145, when);
            std::string expected;
            for (std::uint32_t i = 0; i < twin->myrand() % 70 + 10; ++i)
                expected += twin->group5f();
            EXPECT_EQ(s, expected + " + DE HWU QRU ]" + kTail) << when;

            EXPECT_EQ(a->slot_params[0].spd, 24);
            EXPECT_EQ(a->slot_params[0].ton, 680);
            EXPECT_EQ(a->slot_params[0].qsa, 3);
        }
    }
    EXPECT_GT(counts.size(), 5u);
}

TEST_F(CatalogueRules, HwuMarkerFromMinuteFifteen) {
    for (int minute : {15, 16, 37, 59}) {
        auto a = pass(145, "2026-12-08T13:" + two(minute) + ":05Z");
        ASSERT_EQ(a->open_slot, 1) << minute;
        expect_still(a->send_buf[0], "VVV  DE  HWU   ");
        EXPECT_EQ(a->slot_params[0].spd, 27);
        EXPECT_EQ(a->slot_params[0].ton, 680);
        EXPECT_EQ(a->slot_params[0].qsa, 3);
    }
}

TEST_F(CatalogueRules, KfnSparkStrengthByPosition) {
    const std::string call = std::string(120, ' ') + "KFC  KFC  KFC DE KFN K" + kTail;
    struct Case {
        int freq;
        int strength;
    };
    for (const Case c : {Case{1890, 0}, Case{1894, 0}, Case{1895, 1}, Case{1904, 1}, Case{1905, 0},
                         Case{1910, 0}}) {
        int heard = 0, silent = 0;
        for (int second = 0; second < 60; ++second) {
            auto a = pass(c.freq, "2026-12-08T18:22:" + two(second) + ".137Z");
            // 190.5 and 191.0 kHz also carry a beacon, whose slot comes after the call.
            if (a->open_slot == 0 || a->send_buf[0].find("KFN") == std::string::npos) {
                ++silent;
                for (int k = 0; k < a->open_slot; ++k)
                    EXPECT_EQ(a->send_buf[k].find("KFN"), std::string::npos);
                continue;
            }
            ++heard;
            EXPECT_EQ(a->send_buf[0], call);
            EXPECT_EQ(a->slot_params[0].qsa, c.strength) << c.freq;
            EXPECT_EQ(a->slot_params[0].spd, 17);
            EXPECT_EQ(a->slot_params[0].ton, 888);
            EXPECT_EQ(a->slot_params[0].spark, 1);
        }
        EXPECT_GT(heard, 0) << c.freq;
        EXPECT_GT(silent, heard) << c.freq; // one chance in about five
    }
    for (int second = 0; second < 60; ++second)
        EXPECT_EQ(pass(1911, "2026-12-08T18:22:" + two(second) + ".137Z")->open_slot, 0);
}

// The announcement slot: `before` pauses of its own, 0 - 2 more, the general call and the text.
void expect_announcement(const std::string& slot, const std::string& call, const std::string& text,
                         std::size_t before = 0) {
    const std::string cq = "CQ CQ CQ DE " + call + " " + call + " " + call + " " + text + kTail;
    ASSERT_TRUE(slot.ends_with(cq)) << slot;
    const std::size_t pause = slot.size() - cq.size();
    EXPECT_EQ(slot.find_first_not_of(' '), pause);
    EXPECT_EQ(pause % 4, 0u);
    EXPECT_GE(pause, before * 4);
    EXPECT_LE(pause, (before + 2) * 4);
}

TEST_F(CatalogueRules, HourlyAnnouncementsOn500kHz) {
    // Even day, even hour: 9AR's list only.
    auto a = pass(5000, "2026-12-08T10:00:20Z");
    ASSERT_EQ(a->open_slot, 1);
    expect_announcement(a->send_buf[0], "9AR", "TFC LIST QSW 439.5");
    EXPECT_EQ(a->anm_500, 1);

    // Odd day, even hour: FFP's weather after a pause, then YUR's list.
    auto b = pass(5000, "2026-12-09T10:00:20Z");
    ASSERT_EQ(b->open_slot, 2);
    expect_announcement(b->send_buf[0], "FFP", "METEO QSW 435 =", 10);
    expect_announcement(b->send_buf[1], "YUR", "TFC LIST QSW 439.5");

    // Odd day, odd hour: FFP, then KPH.
    auto c = pass(4995, "2026-12-09T11:00:20Z");
    ASSERT_EQ(c->open_slot, 2);
    expect_announcement(c->send_buf[0], "FFP", "METEO QSW 435 =", 10);
    expect_announcement(c->send_buf[1], "KPH", "TFC LIST QSW 426 +");

    // Even day, odd hour: KPH only.
    auto d = pass(5005, "2026-12-08T11:00:20Z");
    ASSERT_EQ(d->open_slot, 1);
    expect_announcement(d->send_buf[0], "KPH", "TFC LIST QSW 426 +");

    auto e = pass(5000, "2026-12-08T11:05:33Z");
    ASSERT_EQ(e->open_slot, 2); // and the faint ship's call
    expect_announcement(e->send_buf[0], "L2B", "WX QSW 416");

    // Nothing announced at minute 1.
    EXPECT_EQ(pass(5000, "2026-12-08T11:01:33Z")->anm_500, 0);
}

TEST_F(CatalogueRules, AnAnnouncementSuppressesTheActivityOfTheSecond) {
    // After the announcement only the faint ship's call: no clear one, no tuning.
    auto cnw = pass(5000, "2026-12-08T11:03:02Z");
    ASSERT_EQ(cnw->open_slot, 2);
    expect_announcement(cnw->send_buf[0], "CNW", "WX QSW416UP=");
    EXPECT_EQ(cnw->anm_500, 1);

    auto general = pass(5000, "2026-12-08T11:03:10Z");
    ASSERT_EQ(general->open_slot, 2);
    expect_announcement(general->send_buf[0], "CNW", "WX QSW416UP=");

    // The same second a minute later: the tuning.
    auto tuning = pass(5000, "2026-12-08T11:04:02Z");
    ASSERT_EQ(tuning->open_slot, 3);
    EXPECT_EQ(tuning->send_buf[2].front(), '\x04');
    EXPECT_EQ(tuning->anm_500, 0);
}

constexpr std::array<const char*, 44> kAsking = {
    "FFX", "FIA", "FRM", "FRR", "FRT", "L2H", "L3J", "LGE", "LGH", "LGY", "OHD",
    "OHF", "OHX", "PWO", "TIR", "UCX", "UFR", "UFU", "UFW", "UIX", "UPY", "UZT",
    "VAB", "VAD", "VAG", "VAH", "VAJ", "VAK", "VAL", "VAP", "VAW", "VAX", "VAY",
    "VBZ", "VCB", "VCL", "VCN", "VCU", "VGX", "VKT", "VQB", "VYR", "YMA", "YPO"};

TEST_F(CatalogueRules, CoastStationsAskForTrafficAtSeconds10And26) {
    std::set<std::string> heard;
    for (int minute = 1; minute < 60; ++minute) {
        if (minute == 3 || minute == 5 || minute == 14 || minute == 18 || minute == 30 ||
            minute == 44 || minute == 48 || (minute >= 15 && minute <= 17) ||
            (minute >= 45 && minute <= 47))
            continue;
        for (int second : {10, 26}) {
            for (const char* ms : {"000", "251", "777"}) {
                const std::string when =
                    "2026-12-08T20:" + two(minute) + ":" + two(second) + "." + ms + "Z";
                auto a = pass(5000, when);
                // After the faint and the clear ship's call.
                ASSERT_EQ(a->open_slot, 3) << when;
                static const std::regex asking("( {4}){0,2}CQ CQ CQ DE (\\w+) \\2 \\2 QRU\\? K");
                const std::string& text = a->send_buf[2];
                const std::string body = text.substr(0, text.size() - kTail.size());
                std::smatch m;
                ASSERT_TRUE(std::regex_match(body, m, asking))
                    << when << ": " << text;
                EXPECT_TRUE(text.ends_with(kTail));
                const std::string call = m[2];
                EXPECT_NE(std::find(kAsking.begin(), kAsking.end(), call), kAsking.end()) << call;
                EXPECT_EQ(a->slot_params[2].qsa, 1);
                EXPECT_EQ(a->anm_500, 1);
                heard.insert(call);
            }
        }
    }
    EXPECT_EQ(heard.count("YPO"), 0u);
    EXPECT_GT(heard.size(), 20u);
    // Not at the neighbouring seconds.
    EXPECT_EQ(pass(5000, "2026-12-08T20:21:09Z")->anm_500, 0);
    EXPECT_EQ(pass(5000, "2026-12-08T20:21:27Z")->anm_500, 0);
}

} // namespace
} // namespace zenka
