// The synoptic figure codes and the bulletins built from them: field widths and ranges of every
// group over many seeds, the main hour, and how wx_code and the Italian bulletin close.

#include "support/generator_sweep.h"
#include "support/weather_text.h"
#include "traffic/weather/tables.h"
#include "traffic/weather/weather.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::at;
using test::compose_at;
using test::groups;

bool digits(const std::string& g, std::size_t width) {
    return g.size() == width && g.find_first_not_of("0123456789") == std::string::npos;
}

int num(const std::string& g, std::size_t from, std::size_t n) {
    return std::stoi(g.substr(from, n));
}

// The open slot's text after one call of `code` on a fresh pass.
std::string coded(int k, void (*code)(Air&, std::string_view), std::string_view prefix) {
    const auto p = compose_at(test::sweep_instant(k), static_cast<std::uint32_t>(k * 17 + 3),
                              [&](Air& a) { code(a, prefix); });
    return p->air.send_buf[0];
}

// The three groups of f13_code: prefix and two figures, then two five-figure groups whose last
// figures are both the value A.
void expect_f13(const std::vector<std::string>& g, const std::string& prefix) {
    ASSERT_GE(g.size(), 3u);
    EXPECT_TRUE(g[0].starts_with(prefix) && digits(g[0], prefix.size() + 2)) << g[0];
    ASSERT_TRUE(digits(g[1], 5)) << g[1];
    ASSERT_TRUE(digits(g[2], 5)) << g[2];
    EXPECT_LE(num(g[1], 0, 2), 98);
    EXPECT_GE(num(g[1], 2, 1), 2);
    EXPECT_LE(num(g[1], 2, 1), 6);
    EXPECT_GE(num(g[1], 3, 1), 2);
    EXPECT_LE(num(g[1], 3, 1), 7);
    EXPECT_LE(num(g[1], 4, 1), 8);
    EXPECT_GE(num(g[2], 2, 1), 3);
    EXPECT_LE(num(g[2], 2, 1), 6);
    EXPECT_LE(num(g[2], 3, 1), 3);
    EXPECT_EQ(g[1][4], g[2][4]) << "the fifth figure repeats";
}

TEST(WeatherCodes, MeteoHourIsTheLastMainHour) {
    EXPECT_EQ(meteo_hour(test::Pass(at("2026-12-08T05:59:59Z")).air), 0);
    EXPECT_EQ(meteo_hour(test::Pass(at("2026-12-08T06:00:00Z")).air), 6);
    EXPECT_EQ(meteo_hour(test::Pass(at("2026-12-08T23:59:00Z")).air), 18);
    for (int h = 0; h < 24; ++h) {
        const auto p =
            compose_at(at("2026-12-08T00:30:00Z") + std::chrono::hours(h), 1, [](Air&) {});
        EXPECT_EQ(meteo_hour(p->air), h < 6 ? 0 : h < 12 ? 6 : h < 18 ? 12 : 18) << h;
    }
}

TEST(WeatherCodes, F13F11F111GroupsHaveTheirWidthsAndRanges) {
    for (int k = 0; k < 300; ++k) {
        const auto g13 = groups(coded(k, f13_code, "480"));
        ASSERT_EQ(g13.size(), 3u);
        expect_f13(g13, "480");

        const auto g11 = groups(coded(k, f11_code, "625"));
        ASSERT_EQ(g11.size(), 5u);
        expect_f13(g11, "625");
        ASSERT_TRUE(digits(g11[3], 5) && digits(g11[4], 5)) << g11[3] << " " << g11[4];
        EXPECT_LE(num(g11[3], 0, 2), 29);
        EXPECT_EQ(g11[3][2], '0');
        EXPECT_LE(num(g11[3], 3, 2), 25);
        EXPECT_LE(num(g11[4], 0, 1), 8);
        EXPECT_LE(num(g11[4], 1, 1), 8);
        EXPECT_LE(num(g11[4], 2, 1), 8);
        EXPECT_GE(num(g11[4], 3, 2), 1);
        EXPECT_LE(num(g11[4], 3, 2), 29);

        const auto g111 = groups(coded(k, f111_code, "300"));
        ASSERT_EQ(g111.size(), 6u);
        expect_f13(g111, "300");
        ASSERT_TRUE(digits(g111[5], 5)) << g111[5];
        EXPECT_LE(num(g111[5], 0, 2), 98);
        EXPECT_LE(num(g111[5], 2, 3), 998);
    }
}

TEST(WeatherCodes, UkrCodeGroupsHaveTheirWidthsAndRanges) {
    for (int k = 0; k < 300; ++k) {
        const auto g = groups(coded(k, ukr_code, "114"));
        ASSERT_EQ(g.size(), 7u);
        EXPECT_EQ(g[0], "114");
        EXPECT_EQ(g[6], "=");
        for (std::size_t i : {1u, 3u, 5u})
            ASSERT_TRUE(digits(g[i], 5)) << g[i];
        for (std::size_t i : {2u, 4u})
            ASSERT_TRUE(digits(g[i], 4)) << g[i];
        const int P = num(g[1], 0, 3), Q = num(g[3], 0, 3);
        EXPECT_LE(P, 199);
        EXPECT_GE(Q - P, 0);
        EXPECT_LE(Q - P, 49);
        for (std::size_t i : {2u, 4u}) {
            EXPECT_GE(num(g[i], 0, 1), 2);
            EXPECT_LE(num(g[i], 0, 1), 8);
            EXPECT_LE(num(g[i], 1, 1), 3);
            EXPECT_GE(num(g[i], 2, 2), 8);
            EXPECT_LE(num(g[i], 2, 2), 27);
        }
        EXPECT_EQ(num(g[5], 0, 3), (Q - P) / 10 * 2);
        EXPECT_LE(num(g[5], 3, 2), 98);
    }
}

// The bulletin body after its heading "<heading> DDHH00 =".
std::vector<std::string> body_of(const std::string& slot, const std::string& heading) {
    const std::string text = test::plain_text(slot);
    const std::size_t from = text.rfind(heading + " ");
    if (from == std::string::npos) return {};
    auto g = groups(text.substr(from));
    return {g.begin() + 3, g.end()};
}

TEST(WeatherCodes, WxCodeKeepsTheRuleVoiceForKinds11And111) {
    for (int k = 0; k < 60; ++k) {
        for (const int kind : {11, 111}) {
            const auto p =
                compose_at(test::sweep_instant(k), static_cast<std::uint32_t>(k + 5), [&](Air& a) {
                    a.spd = 24;
                    a.ton = 640;
                    a.qsa = 2;
                    wx_code(a, "CWA", "CERRITO", kind, urug_obs_stn, 17);
                });
            const Air& a = p->air;
            ASSERT_EQ(a.open_slot, 1);
            EXPECT_TRUE(a.send_buf[1].empty());
            EXPECT_EQ(a.slot_params[0].ton, 640);
            EXPECT_EQ(a.slot_params[0].qsa, 2);
            EXPECT_EQ(a.slot_params[0].spd, 19);
            EXPECT_EQ(a.slot_params[0].spark, 0);
            // The call in the rule's voice, the body at 19 words per minute.
            const std::string& raw = a.send_buf[0];
            EXPECT_EQ(raw.substr(0, 7), std::string("\x01\x18\x02\x80\x02\x03\x02", 7));
            const std::size_t heading = raw.find("CERRITO");
            ASSERT_GE(heading, 7u);
            EXPECT_EQ(raw.substr(heading - 7, 7), std::string("\x01\x13\x02\x80\x02\x03\x02", 7));
            const auto body = body_of(a.send_buf[0], "CERRITO");
            const std::size_t per = kind == 11 ? 6u : 7u; // the groups and "="
            ASSERT_EQ(body.size(), 17 * per + 4) << a.send_buf[0];
            for (std::size_t s = 0; s < 17; ++s) {
                EXPECT_TRUE(body[s * per].starts_with(urug_obs_stn[s]));
                for (std::size_t i = 1; i + 1 < per; ++i)
                    EXPECT_TRUE(digits(body[s * per + i], 5)) << body[s * per + i];
                EXPECT_EQ(body[s * per + per - 1], "=");
            }
            EXPECT_TRUE(a.send_buf[0].find(" + de CWA ]") != std::string::npos);
        }
    }
}

TEST(WeatherCodes, WxCodeKind253EndsInSparkAtTone900Strength4) {
    const auto p = compose_at(at("2026-12-08T09:17:00Z"), 77, [](Air& a) {
        a.ton = 640;
        a.qsa = 2;
        wx_code(a, "RAZ", "meteo", 253, ucr_obs_stn, 26);
    });
    const Air& a = p->air;
    ASSERT_EQ(a.open_slot, 1);
    EXPECT_EQ(a.slot_params[0].spark, 1);
    EXPECT_EQ(a.slot_params[0].ton, 900);
    EXPECT_EQ(a.slot_params[0].qsa, 4);
    EXPECT_NE(a.send_buf[0].find(std::string("\x01\x13\x02\x84\x03\x03\x04 PART I =", 16)),
              std::string::npos);
    const std::string text = test::plain_text(a.send_buf[0]);
    EXPECT_TRUE(text.starts_with("CQ CQ CQ DE RAZ RAZ RAZ METEO *            CQ CQ CQ DE RAZ"));
    EXPECT_TRUE(text.find("meteo 080900 =  PART I =  01 ") != std::string::npos) << text;
    EXPECT_EQ(body_of(a.send_buf[0], "meteo").size(), 3 + 26 * 7 + 4u);

    ReceiverSettings off;
    off.hist = 0;
    const auto q = compose_at(
        at("2026-12-08T09:17:00Z"), 77,
        [](Air& b) { wx_code(b, "RAZ", "meteo", 253, ucr_obs_stn, 26); }, off);
    EXPECT_EQ(q->air.open_slot, 0);
    EXPECT_TRUE(q->air.send_buf[0].empty()) << "a spark bulletin unheard leaves no open text";
}

TEST(WeatherCodes, ItalianNavalCodeOnlyWithHistoricalStations) {
    ReceiverSettings off;
    off.hist = 0;
    const auto q = compose_at(
        test::sweep_instant(3), 9, [](Air& a) { italian_naval_code(a, "ICO", derna_obs_stn, 7); },
        off);
    EXPECT_EQ(q->air.open_slot, 0);
    EXPECT_TRUE(q->air.send_buf[0].empty());

    for (int k = 0; k < 100; ++k) {
        const auto p =
            compose_at(test::sweep_instant(k), static_cast<std::uint32_t>(k + 1),
                       [](Air& a) { italian_naval_code(a, "ICV", vittoria_obs_stn, 11); });
        ASSERT_EQ(p->air.open_slot, 1);
        const auto body = body_of(p->air.send_buf[0], "BULLETIN");
        ASSERT_EQ(body.size(), 11 * 3 + 4u) << p->air.send_buf[0];
        for (std::size_t s = 0; s < 11; ++s) {
            EXPECT_EQ(body[s * 3], vittoria_obs_stn[s]);
            const std::string& g = body[s * 3 + 1];
            ASSERT_TRUE(digits(g, 10)) << g;
            EXPECT_LE(num(g, 3, 1), 8);
            EXPECT_LE(num(g, 4, 1), 7);
            EXPECT_LE(num(g, 5, 1), 6);
            EXPECT_LE(num(g, 6, 1), 6);
        }
        EXPECT_EQ(p->air.slot_params[0].spd, 19);
    }
}

TEST(WeatherCodes, SynopHeaderAdvancesTheNumberAndLeavesTheSlotOpen) {
    const auto p = compose_at(at("2026-12-08T14:05:00Z"), 3, [](Air& a) {
        a.nr = 7;
        a.str2 = "33301 12345 =";
        synop(a, "SMRA", "RUMS", 0);
        synop(a, "SMRA", "RUMS", 1);
    });
    const Air& a = p->air;
    EXPECT_EQ(a.nr, 9);
    EXPECT_EQ(a.open_slot, 0);
    EXPECT_EQ(a.sz, 1);
    const std::string text = test::plain_text(a.send_buf[0]);
    EXPECT_TRUE(text.starts_with("NR 007 SMRA RUMS 081200 AAXX 08121 = 33301 12345 ="));
    EXPECT_TRUE(text.find("NR 008 SMRA RUMS 081200 RRA AAXX 08121 = 33301 12345 =") !=
                std::string::npos)
        << text;
}

} // namespace
} // namespace zenka
