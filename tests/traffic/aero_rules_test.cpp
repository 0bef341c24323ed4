// The catalogue's aircraft, ground-station and operator-chat rules, each run alone over two days:
// every one is heard, closes what it opens and leaves no placeholder; and the 336 kHz ground
// stations answer by chance, any number of them in one pass.

#include "band/catalogue.h"
#include "support/band_pass.h"
#include "support/generator_sweep.h"
#include "support/rule_sweep.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zenka {
namespace {

TEST(AeroAndChatRules, EachIsHeardAndClosesItsSlots) {
    const Catalogue catalogue = station_catalogue();
    int rules = 0;
    for (auto block : {catalogue.low, catalogue.marine, catalogue.tail}) {
        for (const Rule& rule : block) {
            if (!test::chat_or_aero_only(rule)) continue;
            ++rules;
            bool open_text = false, percent = false;
            const auto heard = test::sweep_rule(rule, [&](const Air& a) {
                const auto open = static_cast<std::size_t>(std::min(a.open_slot, Air::kSlots));
                open_text = open_text || !a.send_buf[open].empty();
                percent = percent || test::closed_text(a).find('%') != std::string::npos;
                return a.open_slot > 0;
            });
            EXPECT_TRUE(heard.has_value()) << rule.label << " is never heard";
            EXPECT_FALSE(open_text) << rule.label;
            EXPECT_FALSE(percent) << rule.label;
        }
    }
    EXPECT_GT(rules, 220);
}

// 336.0 kHz: 22 ground stations, each answering under its own chance.
class Aero336 : public test::BandPass {};

TEST_F(Aero336, GroundStationsAnswerByChance) {
    const Catalogue catalogue = station_catalogue();
    int none = 0, several = 0;
    std::set<std::string> callers;
    for (int k = 0; k < 300; ++k) {
        auto a =
            tuned(3360, "2024-01-07T10:" + test::two(k % 60) + ":" + test::two(3 * (k % 20)) + "Z");
        a->random.seed = static_cast<std::uint32_t>(k * 2654435761u);
        for (const Rule& rule : catalogue.tail)
            if (rule.freq.contains(3360)) rule.act(*a);
        none += a->open_slot == 0;
        several += a->open_slot >= 2;
        for (const std::string& s : test::slots(*a)) {
            const std::size_t de = s.find(" DE ");
            const std::size_t qsl = s.find(" QSL K");
            callers.insert(de != std::string::npos ? s.substr(de + 4, s.find(' ', de + 4) - de - 4)
                                                   : s.substr(6, qsl - 6));
        }
    }
    EXPECT_GT(none, 0);
    EXPECT_GT(several, 0);
    EXPECT_EQ(callers.size(), 22u);
}

} // namespace
} // namespace zenka
