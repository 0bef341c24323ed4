// The weather stations of the catalogue: the Italian coastal timetable by season, the
// figure-code bulletins at their hours, and Port Stanley's weather on 500 kHz.

#include "support/band_pass.h"
#include "support/generator_sweep.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zenka {
namespace {

class WeatherStations : public test::BandPass {
  protected:
    // The plain texts of a pass at `when` that hold `words`.
    std::vector<std::string> holding(int freq, const std::string& when, const std::string& words,
                                     ReceiverSettings s = {}) {
        last = pass(freq, when, s);
        std::vector<std::string> out;
        for (int k = 0; k < last->open_slot; ++k) {
            const std::string text = test::plain_text(last->send_buf[static_cast<std::size_t>(k)]);
            if (text.find(words) == std::string::npos) continue;
            if (out.empty()) first = k;
            out.push_back(text);
        }
        return out;
    }
    std::unique_ptr<Air> last;
    int first = -1; // the slot of the first text found
};

TEST_F(WeatherStations, ItalianCoastStationsKeepTheirSeasonalTimetable) {
    const std::string icv = "CQ CQ CQ V ICV ICV ICV METEO MARINA BULLETIN";
    // Summer (months 4 - 9) at 05:00, 11:00 and 19:00; winter at 08:00, 11:00 and 17:00.
    for (const char* when :
         {"2024-07-07T05:00:00Z", "2024-07-07T11:04:00Z", "2024-04-01T19:02:00Z",
          "2024-01-07T08:00:00Z", "2024-12-07T11:00:00Z", "2024-10-07T17:03:00Z"}) {
        const auto texts = holding(4180, when, icv);
        ASSERT_EQ(texts.size(), 1u) << when;
        EXPECT_NE(texts[0].find("BULLETIN " + std::string(when + 8, 2)), std::string::npos);
        EXPECT_NE(texts[0].find("CTA  "), std::string::npos) << "all eleven places";
        EXPECT_TRUE(texts[0].ends_with("+ V ICV ]" + test::kStackTail));
    }
    for (const char* when : {"2024-01-07T05:00:00Z", "2024-07-07T08:00:00Z", "2024-07-07T17:00:00Z",
                             "2024-09-30T05:05:00Z"})
        EXPECT_TRUE(holding(4180, when, icv).empty()) << when;

    // IDM keys its call at 21 words per minute in summer, 22 in winter; the body at 19.
    for (const auto& [when, spd] :
         {std::pair{"2024-07-07T04:55:00Z", 21}, std::pair{"2024-01-07T07:55:00Z", 22}}) {
        ASSERT_EQ(holding(4180, when, "V IDM IDM IDM").size(), 1u) << when;
        const std::string& raw = last->send_buf[static_cast<std::size_t>(first)];
        EXPECT_EQ(raw[0], 0x01);
        EXPECT_EQ(raw[1], spd);
        test::expect_voice(*last, first, 19, 750, 2);
    }

    ReceiverSettings off;
    off.hist = 0;
    EXPECT_TRUE(holding(4180, "2024-07-07T05:00:00Z", "METEO MARINA", off).empty());
    EXPECT_EQ(last->open_slot, 0);
}

TEST_F(WeatherStations, FigureBulletinsAtTheirHours) {
    // OHA's three bulletins at 80.0 kHz, one rule each, beside its marker.
    for (const char* when :
         {"2024-01-07T05:50:00Z", "2024-01-07T11:52:00Z", "2024-01-07T17:54:00Z"})
        EXPECT_EQ(holding(800, when, "M%T%O").size(), 1u) << when;
    EXPECT_TRUE(holding(800, "2024-01-07T06:50:00Z", "M%T%O").empty());

    // RAZ's Black Sea bulletin at 79.0 kHz goes out by spark at tone 900, strength 4.
    const auto raz = holding(790, "2024-01-07T03:10:00Z", "DE RAZ RAZ RAZ METEO");
    ASSERT_EQ(raz.size(), 1u);
    EXPECT_NE(raz[0].find("meteo 070300 =  PART I =  01 "), std::string::npos) << raz[0];
    EXPECT_EQ(last->slot_params[static_cast<std::size_t>(first)].spark, 1);
    test::expect_voice(*last, first, 19, 900, 4);

    // CWA's Uruguayan bulletin at 495.0 kHz, from Artigas to Carrasco.
    const auto cwa = holding(4950, "2024-01-07T13:00:00Z", "CERRITO 071300 = 300");
    ASSERT_EQ(cwa.size(), 1u);
    EXPECT_NE(cwa[0].find(" 580"), std::string::npos);
}

TEST_F(WeatherStations, PortStanleyWeatherOn500kHzInHours3And22) {
    for (const char* when : {"2024-01-07T03:25:00Z", "2024-01-07T22:25:00Z"}) {
        const auto vpe = holding(5000, when, "VJD VJD VJD DE VPE VPE VPE  WEATHER");
        ASSERT_EQ(vpe.size(), 1u) << when;
        EXPECT_NE(vpe[0].find(" 5 gusty and heavy rain =  ] de VPE"), std::string::npos);
    }
    EXPECT_TRUE(holding(5000, "2024-01-07T04:25:00Z", "DE VPE").empty());
    EXPECT_TRUE(holding(5000, "2024-01-07T03:26:00Z", "DE VPE").empty());
}

} // namespace
} // namespace zenka
