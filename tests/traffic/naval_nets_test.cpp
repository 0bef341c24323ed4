// The military nets: the flash broadcast's minutes and layout, the army net's call and message
// forms, the kana calls by the minute and the kana cipher groups.

#include "naval_support.h"
#include "traffic/naval/naval.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

namespace zenka {
namespace {

using test::compose_at;
using test::naval_instant;

TEST(XxxFlash, OnlyInMinutesDivisibleByFive) {
    std::set<std::string> words;
    for (int k = 0; k < 600; ++k) {
        const int minute = k % 60;
        const auto p = compose_at(naval_instant(k % 24, minute, k % 60, k % 1000),
                                  test::seed_of(k + 3), [](Air& a) { xxx_flash(a, "RDL RDL", 1); });
        const Air& a = p->air;
        if (minute % 5 != 0) {
            EXPECT_EQ(a.open_slot, 0) << minute;
            EXPECT_TRUE(a.send_buf[0].empty());
            continue;
        }
        ASSERT_EQ(a.open_slot, 1);
        const std::string text = test::closed_text(a);
        std::smatch m;
        const std::regex flash("XXX XXX RDL RDL [0-9]{5} [0-9]{5} ([A-Z!@#$]+) ([0-9]{4}) \\2 ");
        ASSERT_TRUE(std::regex_search(text, m, flash)) << text;
        words.insert(m[1]);
        // The flash twice, each followed by ten waits, then the closing pause.
        const std::string one = m.str();
        EXPECT_EQ(text, one + std::string(40, ' ') + one + std::string(40, ' ') +
                            std::string(20, ' ') + "\n");
        const EmissionParams& s = a.slot_params[0];
        EXPECT_EQ(s.spd, 17);
        EXPECT_EQ(s.ton, 1200);
        EXPECT_EQ(s.qsa, 4);
        EXPECT_EQ(s._f1, 1);
    }
    EXPECT_FALSE(words.contains(std::string(kRdlCodeword[25].word)));
    EXPECT_TRUE(words.contains("ABORIGEN"));
    EXPECT_GT(words.size(), 15u);
}

TEST(PolishArmyOld, CallFormAtMinute3MessageAtMinute4) {
    int calls = 0, messages = 0;
    for (int k = 0; k < 600; ++k) {
        const int minute = 3 + k % 2;
        const auto p =
            compose_at(naval_instant(k % 24, minute, k % 60, k % 1000), test::seed_of(k + 11),
                       [](Air& a) { polish_army_old(a, "CMY", "JUS"); });
        const Air& a = p->air;
        if (a.open_slot == 0) {
            EXPECT_TRUE(a.send_buf[0].empty());
            continue;
        }
        EXPECT_EQ(a.slot_params[0].hand, 1);
        EXPECT_EQ(a.slot_params[0].qsa, 2);
        const std::string text = test::closed_text(a);
        if (minute == 3) {
            ++calls;
            EXPECT_TRUE(std::regex_match(
                text, std::regex("vvvvvvvvvvv   CMY CMY CMY CMY CMY DE JUS JUS \\+ {28,36}"
                                 "CMY CMY DE JUS JUS \\+ +\n")))
                << text;
            continue;
        }
        ++messages;
        EXPECT_EQ(a.slot_params[0].sz, 1);
        std::smatch m;
        ASSERT_TRUE(std::regex_search(
            text, m,
            std::regex("^CMY DE JUS QTC K {20,28}QTC NR ([0-9]{3}) GR ([0-9]+) = "
                       "222([0-9]{2}) 222\\3 ((?:[0-9]{5} )*)([0-9]{5})  = QSL\\? = "
                       "NIL = OK\\? \\+ {20,28}OK \\] EE")))
            << text;
        EXPECT_EQ(m[1].str(), m[5].str().substr(2)); // the number, in three and five figures
        // The header's count: the figure groups, the two 222 groups and the number group.
        EXPECT_EQ(std::stoi(m[2]), static_cast<int>(test::words_of(m[4]).size()) + 3);
    }
    // cond(5) holds 7 times in 32.
    EXPECT_NEAR(calls + messages, 600 * 7 / 32, 40);
    EXPECT_GT(calls, 30);
    EXPECT_GT(messages, 30);
}

TEST(RandJapMilCall, FormByTheMinute) {
    const std::string call = "[1-8][a-z]{2}";
    const std::vector<std::pair<int, std::string>> forms = {
        {0, "(C) DE (C) V 2 K"},   {1, "(C) \\1 DE (C) \\2 K"}, {2, "(C) \\1 DE (C) \\2 eZ K"},
        {14, "(C) DE (C) L\\+ K"}, {25, "(C) DE (C) Xy 20"},    {45, "(C) DE (C) V 2 K"},
        {56, "(C) DE (C) BW K"},
    };
    for (const auto& [minute, form] : forms) {
        std::string pattern = form;
        for (std::size_t at; (at = pattern.find("(C)")) != std::string::npos;)
            pattern.replace(at, 3, "(" + call + ")");
        for (int k = 0; k < 30; ++k) {
            const auto p = compose_at(naval_instant(k % 24, minute, k, k * 3), test::seed_of(k + 1),
                                      [](Air& a) { rand_jap_mil_call(a); });
            const Air& a = p->air;
            ASSERT_EQ(a.open_slot, 1);
            EXPECT_TRUE(std::regex_match(test::closed_text(a), std::regex(pattern + " +\n")))
                << minute << ": " << test::closed_text(a);
            EXPECT_EQ(a.slot_params[0].katokana, 1);
            EXPECT_EQ(a.slot_params[0].qsa, 1);
        }
    }
}

TEST(KatoGroups, CountAndLengthCodes) {
    const std::vector<std::pair<int, std::string>> codes = {{4, "[a-~]{4} "},
                                                            {5, "[a-~]{5} "},
                                                            {6, "[a-~]{4}   "},
                                                            {7, "[a-~]{5}   "},
                                                            {132, "[a-~]{4} "}};
    for (const auto& [length, group] : codes) {
        for (int k = 0; k < 20; ++k) {
            test::Pass p(test::sweep_instant(k));
            p.air.random.seed = test::seed_of(k + 1);
            kato_groups(p.air, length, 100);
            EXPECT_EQ(p.air.open_slot, 0); // the slot stays open
            EXPECT_EQ(p.air.katokana, 1);
            const std::string text = p.air.send_buf[0];
            EXPECT_TRUE(std::regex_match(text, std::regex("(" + group + "){101}")))
                << length << ": " << text;
        }
    }
}

TEST(KatokanaQtc, KeepsTheWeightingAndClosesWithK) {
    for (int k = 0; k < 100; ++k) {
        const int weighting = k % 2 == 0 ? 0 : 1 + k % 39;
        const auto p = compose_at(test::sweep_instant(k), test::seed_of(k + 1), [&](Air& a) {
            a.rto = weighting;
            katokana_qtc(a, 4, 100);
        });
        const Air& a = p->air;
        ASSERT_EQ(a.open_slot, 1);
        const EmissionParams& s = a.slot_params[0];
        EXPECT_EQ(s.rto, weighting);
        EXPECT_EQ(s.katokana, 1);
        EXPECT_GE(s.qsa, 1);
        EXPECT_LE(s.qsa, 2);
        EXPECT_GE(s.ton, 1300);
        EXPECT_LE(s.ton, 2499);
        EXPECT_TRUE(std::regex_match(test::closed_text(a), std::regex("([a-~]{4} ){101} K +\n")));
    }
    // From 128 on the voice in force stays and no " K" follows.
    const auto p = compose_at(test::sweep_instant(3), 5, [](Air& a) {
        a.spd = 31;
        a.ton = 640;
        katokana_qtc(a, 133, 9);
    });
    EXPECT_EQ(p->air.slot_params[0].spd, 31);
    EXPECT_EQ(p->air.slot_params[0].ton, 640);
    EXPECT_TRUE(std::regex_match(test::closed_text(p->air), std::regex("([a-~]{5} ){10} +\n")));
}

} // namespace
} // namespace zenka
