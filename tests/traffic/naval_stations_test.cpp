// The warships' generators and the MF naval and army stations: the GBR fleet broadcast at full
// depth, the courier's burst through the keyer, the wartime fleet header, and every generator of
// the family over many seeds and instants.

#include "naval_support.h"
#include "synth/keyer.h"
#include "traffic/naval/naval.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <set>
#include <string>

namespace zenka {
namespace {

using test::compose_at;
using test::naval_instant;

// One GBR broadcast with the message number `nr`.
std::unique_ptr<test::Pass> gbr_broadcast(int nr, int k) {
    return compose_at(naval_instant(k % 24, k % 60, k % 60, k, k % 20), test::seed_of(k + 17),
                      [nr](Air& a) {
                          a.nr = nr;
                          gbr_navy(a);
                      });
}

TEST(GbrNavy, ListFormsFollowTheMessageNumber) {
    struct Case {
        int nr;
        std::string entry; // one list entry, the addressee as \1
    };
    const std::vector<Case> cases = {
        {60, "([A-Z0-9]{4} ) \\1 ZRR MS[0-9]{3}  "},
        {9, "([A-Z0-9]{4} ) \\1 ZFL2 HS[0-9]{3}  "},
        {7, "([A-Z0-9]{4} ) \\1 ZBO HS[0-9]{3} ii O ii  "},
        {8, "([A-Z0-9]{4} ) \\1 ZFJ HS[0-9]{3}  "},
        {22, "([A-Z0-9]{4} ) \\1 ZBO HS[0-9]{3} ii P ii  "},
    };
    for (const Case& c : cases) {
        for (int k = 0; k < 20; ++k) {
            const auto p = gbr_broadcast(c.nr, k);
            const std::string text = test::closed_text(p->air);
            const std::string head = "GBXZ GBXZ GBXZ DE GBR GBR GBR = =     ";
            ASSERT_EQ(text.rfind(head, 0), 0u);
            const std::string list = text.substr(head.size(), text.find("    + = =") - head.size());
            EXPECT_TRUE(std::regex_match(list, std::regex("(?:" + c.entry + "){10,29}")))
                << c.nr << ": " << list;
        }
    }
}

TEST(GbrNavy, MessagesAsListedWithTheirGroupCounts) {
    for (int k = 0; k < 60; ++k) {
        const auto p = gbr_broadcast(10 + 7 * k, k);
        const Air& a = p->air;
        ASSERT_EQ(a.open_slot, 1);
        const std::string raw = a.send_buf[0];
        const std::string text = test::plain_text(raw);
        // 20 wpm from the start, 40 for the messages, 21 for the ending.
        const auto switches = test::speed_switches(raw);
        ASSERT_EQ(switches.size(), 3u);
        EXPECT_EQ(switches[0], std::make_pair(20, std::size_t{0}));
        EXPECT_EQ(switches[1].first, 40);
        EXPECT_EQ(switches[2].first, 21);
        EXPECT_EQ(text.substr(switches[1].second - 13, 13), "+ = =        ");
        EXPECT_EQ(text.substr(switches[2].second),
                  "GBXZ GBXZ GBXZ DE GBR GBR GBR QRU + ]" + std::string(20, ' '));

        const std::string list = text.substr(0, switches[1].second);
        const std::string messages =
            text.substr(switches[1].second, switches[2].second - switches[1].second);
        const std::regex entry("([A-Z0-9]{4}) +\\1 +Z[A-Z0-9]+ ([MH]S[0-9]{3})");
        std::vector<std::string> listed;
        for (std::sregex_iterator it(list.begin(), list.end(), entry), end; it != end; ++it)
            listed.push_back((*it)[2].str() + " ii " + (*it)[1].str());
        ASSERT_GE(listed.size(), 10u);
        ASSERT_LE(listed.size(), 29u);

        const std::regex message(
            "([MH]S[0-9]{3} ii [A-Z0-9]{4}) +ii [OP] ii ([0-9]{6})Z ([A-Z]{3}) "
            "GR ([0-9]{2}) = ((?:[A-Z]{5} )+) \\+");
        std::size_t n = 0;
        for (std::sregex_iterator it(messages.begin(), messages.end(), message), end; it != end;
             ++it, ++n) {
            const std::smatch& m = *it;
            ASSERT_LT(n, listed.size());
            EXPECT_EQ(m[1].str(), listed[n]);
            const int gr = std::stoi(m[4]);
            EXPECT_GE(gr, 10);
            EXPECT_LE(gr, 39);
            EXPECT_EQ(static_cast<int>(test::words_of(m[5]).size()), gr);
            EXPECT_EQ(m[3].str(), "MAR");
        }
        EXPECT_EQ(n, listed.size());
    }
}

TEST(GbrNaval, HeaderCountsTheGroups) {
    for (int k = 0; k < 50; ++k) {
        const int gr = 15 + k % 20;
        const auto p =
            compose_at(naval_instant(6, 12, k, 0, 3), test::seed_of(k + 1), [gr](Air& a) {
                a.gr = gr;
                gbr_naval(a);
            });
        std::smatch m;
        const std::string text = test::closed_text(p->air);
        ASSERT_TRUE(std::regex_match(
            text, m,
            std::regex("BAMS BAMS BAMS DE GBR/GIA GBR/GIA GBR/GIA     MGD3 MGD9 = IMPORTANT = "
                       "FROM C IN C WA = 130612Z = CDE ([0-9]{2}) = [A-Z]{4} [A-Z]{4} "
                       "((?:[0-9]{5} )+) = 130612Z \\+ +\n")))
            << text;
        EXPECT_EQ(std::stoi(m[1]), gr + 2);
        EXPECT_EQ(static_cast<int>(test::words_of(m[2]).size()), gr);
    }
}

TEST(RussianNavy2ww, HeaderNumberIsTwoFiguresModulo50) {
    int sent = 0;
    std::set<int> numbers;
    for (int k = 0; k < 800; ++k) {
        const auto when = naval_instant(k % 24, k % 60, k % 60, k % 1000);
        const auto seed = test::seed_of(k + 1);
        const auto p = compose_at(when, seed, [](Air& a) { russian_navy_2ww(a); });
        if (p->air.open_slot == 0) continue;
        ++sent;
        // The same draws on a twin pass give the message number the header was made from.
        const auto twin = compose_at(when, seed, [](Air& a) {
            a.cond(6);
            a.stn();
        });
        std::smatch m;
        const std::string text = test::closed_text(p->air);
        ASSERT_TRUE(std::regex_match(
            text, m,
            std::regex("([0-9]{4} )\\1\\1 ([0-9]{4} )\\2 {16}\\1\\2 ([0-9]{2}) ([0-9]{2}) "
                       "([0-9]{4}) = ((?:[0-9]{3} )+) (DK|QSL)\\? \\+ +\n")))
            << text;
        EXPECT_EQ(std::stoi(m[3]), twin->air.nr % 50);
        EXPECT_EQ(std::stoi(m[4]), static_cast<int>(test::words_of(m[6]).size()));
        EXPECT_EQ(m[7].str(), k % 60 % 2 == 0 ? "DK" : "QSL");
        EXPECT_EQ(p->air.slot_params[0].sz, 1);
        numbers.insert(std::stoi(m[3]));
    }
    EXPECT_NEAR(sent, 800 * 6 / 32, 50);
    EXPECT_EQ(*numbers.rbegin(), 49);
    EXPECT_LT(*numbers.begin(), 10); // printed with its leading zero
}

TEST(Courier, BurstAt600WpmRendersShort) {
    const auto p = compose_at(test::sweep_instant(4), 9, [](Air& a) { courier(a); });
    const Air& a = p->air;
    ASSERT_EQ(a.open_slot, 1);
    EXPECT_EQ(a.slot_params[0].spd, 600);
    EXPECT_TRUE(std::regex_match(test::closed_text(a), std::regex(" {4,16}NQF PQT {23}\n")));
    FixedClock clock(test::sweep_instant(4));
    RandomSource random;
    Keyer keyer(clock, random);
    const RenderResult fast = keyer.measure(a.send_buf[0], a.slot_params[0], {});
    EmissionParams hand_speed = a.slot_params[0];
    hand_speed.spd = 20;
    const RenderResult slow = keyer.measure(a.send_buf[0], hand_speed, {});
    ASSERT_EQ(fast.outcome, RenderResult::Outcome::Written);
    EXPECT_GT(fast.duration_ms, 0u);
    EXPECT_LT(fast.duration_ms * 10, slow.duration_ms);
}

TEST(CanArmy, FormsPlaceTheCalls) {
    std::set<std::string> forms;
    int sent = 0;
    for (int k = 0; k < 800; ++k) {
        const auto p = compose_at(test::sweep_instant(k), test::seed_of(k + 1),
                                  [](Air& a) { can_army(a, "VET", "VES"); });
        const Air& a = p->air;
        if (a.open_slot == 0) continue;
        ++sent;
        const EmissionParams& s = a.slot_params[0];
        EXPECT_GE(s.spd, 15);
        EXPECT_LE(s.spd, 18);
        EXPECT_GE(s.ton, 600);
        EXPECT_LE(s.ton, 899);
        EXPECT_EQ(s.qsa, 1);
        EXPECT_EQ(s.hand, 1);
        std::string text = test::closed_text(a);
        text = text.substr(0, text.find_last_not_of(" \n") + 1);
        std::string shape = std::regex_replace(text, std::regex(" +"), " ");
        forms.insert(shape);
    }
    EXPECT_EQ(forms, (std::set<std::string>{
                         "^ ^ VET VET V VES VES +", "^ VET V VES +", "^ VET VET V VES VES +",
                         "^ VET VET VET VET VET V VES VES +", "^ vvvvvvvvvvv +"}));
    EXPECT_NEAR(sent, 800 * 8 / 32, 60);
}

TEST(PaStatePolice, TwoDifferentStationsEveryThirdSecond) {
    const std::set<std::string> net(pa_police_net.begin(), pa_police_net.end());
    for (int k = 0; k < 300; ++k) {
        const int second = k % 60;
        const auto p = compose_at(naval_instant(k % 24, k % 60, second, k), test::seed_of(k + 1),
                                  [](Air& a) { pa_state_police(a); });
        ASSERT_EQ(p->air.open_slot, second % 3 == 0 ? 1 : 0);
        if (second % 3 != 0) continue;
        std::smatch m;
        const std::string text = test::closed_text(p->air);
        ASSERT_TRUE(std::regex_match(text, m, std::regex("< (W..) \\1 DE (W..) \\2 \\+ +\n")));
        EXPECT_NE(m[1], m[2]);
        EXPECT_TRUE(net.contains(m[1]) && net.contains(m[2]));
    }
}

// The army air corps call every third minute: the bug-keyed conditional call draws a voice of
// its own (18 - 25 wpm), whatever speed the station had before; hand-keyed, one weighting of
// the bug, the text half of the time.
TEST(UsarmyAirCorps, TheBugKeyedCallKeysAtItsOwnFreshSpeed) {
    static constexpr std::array<std::string_view, 2> kGround = {"AAD20", "AAF"};
    std::set<int> speeds;
    int with_text = 0;
    for (int k = 0; k < 600; ++k) {
        const int minute = k % 60, second = (k * 7) % 60;
        const auto p = compose_at(naval_instant(k % 24, minute, second, k * 13 % 1000, k % 9),
                                  test::seed_of(k + 5), [](Air& a) {
                                      a.spd = 40; // the station's speed before the call
                                      usarmy_air_corps(a, kGround, 2);
                                  });
        const Air& a = p->air;
        if (minute % 3 != 0) {
            EXPECT_EQ(a.open_slot, 0);
            continue;
        }
        ASSERT_EQ(a.open_slot, 1);
        const EmissionParams& slot = a.slot_params[0];
        EXPECT_GE(slot.spd, 18) << k;
        EXPECT_LE(slot.spd, 25) << k;
        speeds.insert(slot.spd);
        EXPECT_LT(slot.rto, 40);
        EXPECT_EQ(slot.hand, 1);
        std::string text = test::closed_text(a);
        text.erase(0, text.find_first_not_of(' '));
        if (text.find_first_not_of(" \n") == std::string::npos) continue;
        ++with_text;
        // Only the first entry of the list is drawn.
        const std::regex call(second % 2 == 1 ? "([A-Z0-9]+) \\1 V AAD20 K +\n"
                                              : "[A-Z0-9]+ V AAD20 QGN K +\n");
        EXPECT_TRUE(std::regex_match(text, call)) << second << ": " << text;
    }
    EXPECT_EQ(speeds, (std::set<int>{18, 19, 20, 21, 22, 23, 24, 25}));
    EXPECT_GT(with_text, 40);
}

// Every generator, over many seeds and instants: at most one slot closed, nothing left in the
// open slot, no template placeholder in the text.
TEST(NavalFamily, EverySlotClosesNoPlaceholderLeft) {
    static constexpr std::array<std::string_view, 2> kGround = {"AAD20", "AAF"};
    const std::vector<std::pair<std::string, std::function<void(Air&)>>> generators = {
        {"naval_coast", [](Air& a) { naval_coast(a, "VVV DE NPG   ", "NPG", us_navy, 37); }},
        {"naval_coast_old",
         [](Air& a) { naval_coast_old(a, "VVV V NPM   ", "NPM", us_navy_old, 78); }},
        {"italian_naval", [](Air& a) { italian_naval(a, "IDQ   ", "IDQ"); }},
        {"brasilian_navy", [](Air& a) { brasilian_navy(a, "PWI"); }},
        {"russian_navy_2ww", [](Air& a) { russian_navy_2ww(a); }},
        {"uboot_mf", [](Air& a) { uboot_mf(a); }},
        {"courier", [](Air& a) { courier(a); }},
        {"ftg", [](Air& a) { ftg(a); }},
        {"jap_coast_guard", [](Air& a) { jap_coast_guard(a, "JNW"); }},
        {"usn_old_ochat", [](Air& a) { usn_old_ochat(a, "NPW", "NERD"); }},
        {"xxx_flash", [](Air& a) { xxx_flash(a, "RDL RDL", 1); }},
        {"polish_army_old", [](Air& a) { polish_army_old(a, "ERA", "PDK"); }},
        {"rand_jap_mil_call", [](Air& a) { rand_jap_mil_call(a); }},
        {"katokana_qtc", [](Air& a) { katokana_qtc(a, 4, 100); }},
        {"gbr_navy", [](Air& a) { gbr_navy(a); }},
        {"gbr_naval", [](Air& a) { gbr_naval(a); }},
        {"fleetwave_975", [](Air& a) { fleetwave_975(a); }},
        {"usarmy_air_corps", [](Air& a) { usarmy_air_corps(a, kGround, 2); }},
        {"usarmy_vsl", [](Air& a) { usarmy_vsl(a); }},
        {"pa_state_police", [](Air& a) { pa_state_police(a); }},
        {"can_army", [](Air& a) { can_army(a, "VEM", "VEK"); }},
    };
    for (const auto& [name, generator] : generators) {
        int sent = 0;
        for (int k = 0; k < 300; ++k) {
            for (int hist : {0, 1}) {
                ReceiverSettings settings;
                settings.hist = hist;
                const auto p =
                    compose_at(test::sweep_instant(k), test::seed_of(k), generator, settings);
                const Air& a = p->air;
                ASSERT_LE(a.open_slot, 1) << name;
                sent += a.open_slot;
                EXPECT_TRUE(a.send_buf[static_cast<std::size_t>(a.open_slot)].empty())
                    << name << " leaves text open at case " << k;
                const std::string text = test::closed_text(a);
                EXPECT_EQ(text.find('%'), std::string::npos) << name << ": " << text;
                EXPECT_LT(a.send_buf[0].size(), Air::kSlotChars) << name;
            }
        }
        EXPECT_GT(sent, 20) << name;
    }
}

} // namespace
} // namespace zenka
