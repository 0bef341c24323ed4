#include "band/catalogue.h"
#include "support/band_pass.h"
#include "support/rule_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::expect_voice;

using test::expect_still;
using test::two;
const std::string& kTail = test::kStackTail;

class Rules_vlf : public test::BandPass {};

std::string at(int hour, int minute, int second = 17) {
    return "2024-01-07T" + two(hour) + ":" + two(minute) + ":" + two(second) + "Z";
}

std::string automatic(int wpm) {
    return "= THIS IS HIGH SPEED AUTOMATIC MORSE TRANSMISSION AT " + std::to_string(wpm) +
           " WPM FOR TESTING PURPOSES = ";
}

std::string repeated(const std::string& text, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += text;
    return out;
}

// Slot k holds `marker` run by send_still, keyed with the given voice.
void expect_marker(const Air& a, int k, const std::string& marker, int spd, int ton, int qsa) {
    ASSERT_GT(a.open_slot, k);
    expect_still(a.send_buf[static_cast<std::size_t>(k)], marker);
    expect_voice(a, k, spd, ton, qsa);
}

// Slot k holds exactly `text`, closed, keyed with the given voice.
void expect_message(const Air& a, int k, const std::string& text, int spd, int ton, int qsa) {
    ASSERT_GT(a.open_slot, k);
    EXPECT_EQ(a.send_buf[static_cast<std::size_t>(k)], text + kTail);
    expect_voice(a, k, spd, ton, qsa);
}

TEST_F(Rules_vlf, OmegaFrequenciesAreSilentAtEveryHour) {
    for (int hour = 0; hour < 24; ++hour) {
        EXPECT_EQ(pass(120, at(hour, 0))->open_slot, 0) << hour;
        EXPECT_EQ(pass(120, at(hour, 37, 59))->open_slot, 0) << hour;
    }
    for (int freq : {118, 121, 123, 128, 130, 131, 132})
        EXPECT_EQ(pass(freq, at(9, 12))->open_slot, 0) << freq;
}

TEST_F(Rules_vlf, NaaAt14_1MarkerOrAutomaticMorseByMinute) {
    const std::string marker = "VVV VVV VVV DE NAA NAA NAA            ";
    for (int minute = 0; minute < 60; ++minute) {
        auto a = pass(141, at(5, minute));
        ASSERT_EQ(a->open_slot, 1) << minute;
        if (minute % 3 != 0)
            expect_marker(*a, 0, marker, 23, 788, 2);
        else
            expect_marker(*a, 0, automatic(80), 80, 788, 2);
        EXPECT_EQ(a->slot_params[0].rto, 0);
    }
}

TEST_F(Rules_vlf, IdgAt14_2From0200To2159) {
    const std::string marker = "VVV VVV VVV DE IDG IDG IDG                ";
    EXPECT_EQ(pass(142, at(1, 59))->open_slot, 0); // the chat with WQL
    EXPECT_EQ(pass(142, at(22, 0))->open_slot, 0);
    EXPECT_EQ(pass(142, at(23, 1))->open_slot, 0);

    auto first = pass(142, at(2, 0));
    ASSERT_EQ(first->open_slot, 1);
    expect_marker(*first, 0, automatic(80), 80, 800, 4);

    for (int minute : {1, 2, 3, 5, 59}) {
        auto a = pass(142, at(2, minute));
        ASSERT_EQ(a->open_slot, 1) << minute;
        expect_marker(*a, 0, marker, 16, 800, 4);
    }
    auto test = pass(142, at(14, 44));
    ASSERT_EQ(test->open_slot, 1);
    expect_marker(*test, 0, automatic(80), 80, 800, 4);

    auto last = pass(142, at(21, 59));
    ASSERT_EQ(last->open_slot, 1);
    expect_marker(*last, 0, marker, 16, 800, 4);
}

TEST_F(Rules_vlf, GbrHourlyProgrammeAt16_0) {
    const std::string official = "CQ CQ CQ DE GBR GBR GBR  BRITISH OFFICIAL WIRELESS *           ";
    const std::string marker = "VVV VVV VVV DE GBR GBR GBR                ";
    const std::string signal = "GBR  TIME  " + repeated("E    ", 100) + kTail;

    // The official call in minutes 0 - 53 of hours 0, 12 and 20.
    for (int hour : {0, 12, 20}) {
        for (int minute : {0, 53}) {
            auto a = pass(160, at(hour, minute));
            ASSERT_EQ(a->open_slot, 1) << hour << ":" << minute;
            expect_marker(*a, 0, official, 18, 800, 5);
        }
    }
    // Minutes 0 - 53 of the other hours: the broadcast to all ships at hours 6, 16 and 22, the
    // fleet broadcast at 8 - 11 and 17 - 19; the chat of the others is not on the air.
    for (int hour : {6, 16, 22}) {
        auto a = pass(160, at(hour, 53));
        ASSERT_EQ(a->open_slot, 1) << hour;
        EXPECT_EQ(a->send_buf[0].rfind("BAMS BAMS BAMS DE GBR/GIA GBR/GIA GBR/GIA ", 0), 0u);
        expect_voice(*a, 0, 18, 800, 5);
    }
    for (int hour : {8, 9, 10, 11, 17, 18, 19}) {
        auto a = pass(160, at(hour, 0));
        ASSERT_EQ(a->open_slot, 1) << hour;
        const std::string& text = a->send_buf[0];
        EXPECT_NE(text.find("GBXZ GBXZ GBXZ DE GBR GBR GBR = = "), std::string::npos);
        EXPECT_EQ(text.substr(text.size() - 57), "GBXZ GBXZ GBXZ DE GBR GBR GBR QRU + ]" +
                                                     std::string(20, ' '));
        expect_voice(*a, 0, 21, 800, 4);
    }
    // The other hours: GBR's operators chatting with another station, now and then.
    for (int hour : {1, 2, 7, 13, 14, 21, 23}) {
        auto a = pass(160, at(hour, 53));
        ASSERT_LE(a->open_slot, 1) << hour;
        EXPECT_TRUE(a->send_buf[1].empty()) << hour;
    }

    // Minutes 54 - 59: the time signal at hours 2, 8, 14 and 20, the marker otherwise.
    for (int hour : {2, 8, 14, 20}) {
        for (int minute : {54, 59}) {
            auto a = pass(160, at(hour, minute));
            // One emission: the announcement, then the time signal at its speed.
            ASSERT_EQ(a->open_slot, 1) << hour << ":" << minute;
            EXPECT_EQ(a->send_buf[0], repeated("GBR TIME ", 20) + signal);
            expect_voice(*a, 0, 24, 800, 5);
        }
    }
    for (int hour : {0, 1, 6, 12, 23}) {
        auto a = pass(160, at(hour, 54));
        ASSERT_EQ(a->open_slot, 1) << hour;
        expect_marker(*a, 0, marker, 18, 800, 5);
    }
}

TEST_F(Rules_vlf, AutomaticMorseAndPolishPressAt14_3) {
    auto test = pass(143, at(0, 9));
    ASSERT_EQ(test->open_slot, 1);
    expect_marker(*test, 0, automatic(120), 120, 980, 2);
    EXPECT_EQ(pass(143, at(0, 10))->open_slot, 0);
    EXPECT_EQ(pass(143, at(1, 9))->open_slot, 0);

    const std::string press = "CQ CQ CQ DE SPO SPO SPO QTC PRESS = PAP WARSZAWA = + K";
    EXPECT_EQ(pass(143, at(1, 19))->open_slot, 0);
    for (int minute : {20, 24}) {
        auto a = pass(143, at(13, minute));
        ASSERT_EQ(a->open_slot, 1);
        expect_message(*a, 0, press, 19, 1007, 4);
    }
    EXPECT_EQ(pass(143, at(13, 25))->open_slot, 0);
    EXPECT_EQ(pass(143, at(12, 20))->open_slot, 0);
}

TEST_F(Rules_vlf, JaaAndNgSplitTheDayAt15_2) {
    const std::string jaa = "VVV VVV VVV DE JAA JAA JAA          ";
    const std::string ng = "VVV VVV VVV DE NG@ NG@ NG@             ";
    for (const auto& when : {at(7, 59), at(20, 0), at(0, 5)}) {
        auto a = pass(152, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_marker(*a, 0, jaa, 20, 609, 5);
    }
    for (const auto& when : {at(8, 0), at(19, 9)}) {
        auto a = pass(152, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_message(*a, 0, "VVV VVV DE NG@ NG@ = QTC 2 = LDY NR 14 = + ]", 25, 627, 5);
    }
    for (const auto& when : {at(8, 10), at(19, 59)}) {
        auto a = pass(152, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_marker(*a, 0, ng, 25, 627, 5);
    }
}

TEST_F(Rules_vlf, NaaBeforeNoonThenUfuAt15_5) {
    const std::string naa = "VVV VVV VVV DE NAA NAA NAA            ";
    auto marker = pass(155, at(11, 58));
    ASSERT_EQ(marker->open_slot, 1);
    expect_marker(*marker, 0, naa, 23, 788, 2);
    auto test = pass(155, at(11, 57));
    ASSERT_EQ(test->open_slot, 1);
    expect_marker(*test, 0, automatic(80), 80, 788, 2);

    const std::string ufu = "VVV VVV VVV DE UFU UFU UFU           ";
    const std::string list = "VVV VVV DE UFU UFU UFU QTC 1 = 73 = + ]";
    for (int minute : {0, 29, 40, 59}) {
        auto a = pass(155, at(12, minute));
        ASSERT_EQ(a->open_slot, 1) << minute;
        expect_marker(*a, 0, ufu, 19, 876, 4);
    }
    for (int minute : {30, 39}) {
        auto a = pass(155, at(23, minute));
        ASSERT_EQ(a->open_slot, 1) << minute;
        expect_message(*a, 0, list, 19, 876, 4);
    }
}

TEST_F(Rules_vlf, SaqByTheClockAt16_1) {
    const std::string saq = "VVV VVV VVV DE SAQ SAQ SAQ              ";
    for (const auto& when : {at(8, 0), at(11, 59)}) {
        auto a = pass(161, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_marker(*a, 0, saq, 18, 701, 3);
    }
    // The afternoon belongs to the chat with WSO; the test every ten minutes.
    auto test = pass(161, at(12, 0));
    ASSERT_EQ(test->open_slot, 1);
    expect_marker(*test, 0, automatic(60), 60, 701, 3);
    for (const std::string& when : {at(12, 1), at(19, 59)})
        for (const std::string& s : test::slots(*pass(161, when))) {
            EXPECT_EQ(s.find("DE SAQ SAQ SAQ"), std::string::npos) << s;
            EXPECT_EQ(s.find("AUTOMATIC MORSE"), std::string::npos) << s;
        }
    // Evening and night: the marker, the test in minutes divisible by 4.
    auto night = pass(161, at(20, 0));
    ASSERT_EQ(night->open_slot, 1);
    expect_marker(*night, 0, automatic(40), 40, 701, 3);
    auto late = pass(161, at(7, 59));
    ASSERT_EQ(late->open_slot, 1);
    expect_marker(*late, 0, saq, 18, 701, 3);
}

TEST_F(Rules_vlf, TrafficAndMarkersShare16_3And16_4) {
    auto axl = pass(163, at(1, 14));
    ASSERT_EQ(axl->open_slot, 1);
    expect_message(*axl, 0, "CQ CQ CQ DE AXL AXL AXL QTC 4 = QSX 16.3 KCS + K", 22, 1040, 3);
    for (const auto& when : {at(1, 15), at(2, 0)}) {
        auto a = pass(163, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_marker(*a, 0, "VVV VVV VVV DE VTX1 VTX1 VTX1           ", 17, 937, 3);
    }

    auto spl = pass(164, at(4, 9));
    ASSERT_EQ(spl->open_slot, 1);
    expect_message(*spl, 0, "CQ CQ CQ DE SPL SPL SPL = QTC 6 = + K", 20, 1139, 3);
    auto test = pass(164, at(4, 19));
    ASSERT_EQ(test->open_slot, 1);
    expect_marker(*test, 0, automatic(60), 60, 1139, 3);
    for (const auto& when : {at(4, 20), at(5, 0)}) {
        auto a = pass(164, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_marker(*a, 0, "VVV VVV VVV DE JXZ JXZ JXZ            ", 22, 933, 5);
    }
}

TEST_F(Rules_vlf, ThreeStationsBy16_5) {
    auto poz = pass(165, at(7, 59));
    ASSERT_EQ(poz->open_slot, 1);
    expect_marker(*poz, 0, "VVV VVV VVV DE POZ POZ POZ             ", 19, 831, 4);

    auto press = pass(165, at(8, 9));
    ASSERT_EQ(press->open_slot, 1);
    expect_message(*press, 0, "CQ CQ CQ DE !DA !DA !DA = PRESSE = NORDDEICH 0800 = + K", 24, 1060,
                   5);

    const std::string agw = "VVV VVV VVV DE AGW AGW AGW            ";
    for (const auto& when : {at(8, 10), at(15, 59), at(16, 29), at(16, 40), at(23, 59)}) {
        auto a = pass(165, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_marker(*a, 0, agw, 21, 1093, 5);
    }
    for (const auto& when : {at(16, 30), at(23, 39)}) {
        auto a = pass(165, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_message(*a, 0, "CQ CQ CQ DE AGW AGW AGW QTC LIST = CLB 2 MXW 1 FFL 3 = + K", 21,
                       1093, 5);
    }
}

TEST_F(Rules_vlf, DfyMarkersAndTimeSignalAt16_6) {
    const std::string signal = "DFY  TIME  " + repeated("E    ", 100) + kTail;
    for (int hour : {0, 5, 6, 13, 18, 23}) {
        for (int minute : {57, 59}) {
            auto a = pass(166, at(hour, minute));
            ASSERT_EQ(a->open_slot, 1) << hour << ":" << minute;
            EXPECT_EQ(a->send_buf[0], signal);
            expect_voice(*a, 0, 24, 774, 5);
        }
    }
    auto night = pass(166, at(5, 56));
    ASSERT_EQ(night->open_slot, 1);
    expect_marker(*night, 0, "VVV VVV VVV DE DFY DFY DFY            ", 20, 774, 5);

    auto day = pass(166, at(6, 1));
    ASSERT_EQ(day->open_slot, 1);
    expect_marker(*day, 0, "VVV VVV VVV DE DFY DFY DFY            ", 20, 774, 5);
    auto test = pass(166, at(17, 56));
    ASSERT_EQ(test->open_slot, 1);
    expect_marker(*test, 0, automatic(60), 60, 774, 5);

    auto evening = pass(166, at(18, 0));
    ASSERT_EQ(evening->open_slot, 1);
    expect_marker(*evening, 0, "DFY DFY DFY  V V V  DFY DFY DFY          ", 20, 774, 5);
}

TEST_F(Rules_vlf, FubBroadcastInEvenHours) {
    const std::regex form("^VVV VVV DE FUB FUB = NR 27 = (?:[0-9]{5} ){30}= FUB \\] {20}$");
    for (const auto& when : {at(0, 0), at(14, 9)}) {
        auto a = pass(168, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        EXPECT_TRUE(std::regex_match(a->send_buf[0], form)) << a->send_buf[0];
        expect_voice(*a, 0, 23, 735, 2);
    }
    for (const auto& when : {at(14, 10), at(15, 0)}) {
        auto a = pass(168, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_marker(*a, 0, "VVV VVV VVV DE FUB FUB FUB              ", 23, 735, 2);
    }
}

TEST_F(Rules_vlf, ThreeStationsInTurnAt17_0And17_1) {
    auto taf = pass(170, at(7, 59));
    ASSERT_EQ(taf->open_slot, 1);
    expect_marker(*taf, 0, "VVV VVV VVV DE TAF TAF TAF             ", 21, 813, 3);
    auto lpv = pass(170, at(8, 0));
    ASSERT_EQ(lpv->open_slot, 1);
    expect_marker(*lpv, 0, "VVV VVV VVV DE LPV LPV LPV            ", 21, 916, 4);
    auto vtx = pass(170, at(16, 0));
    ASSERT_EQ(vtx->open_slot, 1);
    expect_marker(*vtx, 0, "VVV VVV VVV DE VTX2 VTX2 VTX2           ", 20, 1105, 2);

    auto wql = pass(171, at(11, 56));
    ASSERT_EQ(wql->open_slot, 1);
    expect_marker(*wql, 0, automatic(70), 70, 1221, 2);
    auto ums = pass(171, at(12, 0));
    ASSERT_EQ(ums->open_slot, 1);
    expect_marker(*ums, 0, "VVV VVV VVV DE UMS UMS UMS             ", 24, 692, 3);
}

TEST_F(Rules_vlf, SharedChannelsAt18_2And18_8) {
    auto vtx = pass(182, at(11, 59));
    ASSERT_EQ(vtx->open_slot, 1);
    expect_marker(*vtx, 0, "VVV VVV VVV DE VTX3 VTX3 VTX3           ", 23, 792, 3);
    auto wqk = pass(182, at(12, 1));
    ASSERT_EQ(wqk->open_slot, 1);
    expect_marker(*wqk, 0, "VVV VVV VVV DE WQK WQK WQK            ", 23, 569, 5);

    auto fza = pass(188, at(0, 9));
    ASSERT_EQ(fza->open_slot, 1);
    expect_message(*fza, 0, "VVV VVV DE FZA FZA FZA = QTC 2 = FAVX = + ]", 16, 641, 2);
    auto marker = pass(188, at(11, 10));
    ASSERT_EQ(marker->open_slot, 1);
    expect_marker(*marker, 0, "VVV VVV VVV DE FZA FZA FZA             ", 16, 641, 2);
    auto test = pass(188, at(12, 0));
    ASSERT_EQ(test->open_slot, 1);
    expect_marker(*test, 0, automatic(60), 60, 1139, 3);
    EXPECT_EQ(pass(188, at(12, 1))->open_slot, 0);
}

TEST_F(Rules_vlf, TeleprinterRecordingsAt18_6And19_6) {
    auto a = pass(186, at(3, 30));
    EXPECT_EQ(a->open_slot, 0);
    auto calls = out.calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "play_recording fone/rtt-001.wav"),
              calls.end());

    out.clear();
    pass(186, at(3, 29));
    calls = out.calls();
    EXPECT_EQ(std::find(calls.begin(), calls.end(), "play_recording fone/rtt-001.wav"),
              calls.end());

    out.clear();
    EXPECT_EQ(pass(196, at(8, 0))->open_slot, 0);
    calls = out.calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "play_recording fone/rtt-001.wav"),
              calls.end());
}

TEST_F(Rules_vlf, GbzRttyAndJaaSplitTheDayAt19_6) {
    const std::regex form("^VVV VVV DE GBZ GBZ = 0 = (?:[0-9]{5} ){40}= GBZ \\+ \\] {20}$");
    auto gbz = pass(196, at(0, 9));
    ASSERT_EQ(gbz->open_slot, 1);
    EXPECT_TRUE(std::regex_match(gbz->send_buf[0], form));
    expect_voice(*gbz, 0, 18, 1111, 5);
    auto marker = pass(196, at(7, 59));
    ASSERT_EQ(marker->open_slot, 1);
    expect_marker(*marker, 0, "VVV VVV VVV DE GBZ GBZ GBZ             ", 18, 1111, 5);

    EXPECT_EQ(pass(196, at(11, 59))->open_slot, 0); // the teleprinter only

    auto jaa = pass(196, at(12, 0));
    ASSERT_EQ(jaa->open_slot, 1);
    expect_marker(*jaa, 0, "VVV VVV VVV DE JAA JAA JAA          ", 20, 609, 5);
    for (int minute : {30, 39}) {
        auto a = pass(196, at(23, minute));
        ASSERT_EQ(a->open_slot, 1);
        expect_message(*a, 0, "VVV VVV DE JAA JAA JAA = NR 8 = ZHC NJK = WX TOKYO 1200 = + ]", 20,
                       609, 5);
    }
}

TEST_F(Rules_vlf, YnSparkThenFynAt19_7) {
    const std::string call = std::string(120, ' ') + "FYN FYN FYN DE YN YN YN K" + kTail;
    int heard = 0;
    for (int second = 0; second < 60; ++second) {
        auto a = pass(197, "2024-01-07T02:10:" + two(second) + ".137Z");
        if (a->open_slot == 0) continue;
        ++heard;
        ASSERT_EQ(a->open_slot, 1);
        EXPECT_EQ(a->send_buf[0], call);
        expect_voice(*a, 0, 20, 526, 3);
        EXPECT_EQ(a->slot_params[0].spark, 1);
    }
    EXPECT_GT(heard, 5);
    EXPECT_LT(heard, 45);

    auto day = pass(197, at(3, 0));
    ASSERT_EQ(day->open_slot, 1);
    expect_marker(*day, 0, "VVV VVV VVV DE FYN FYN FYN            ", 21, 1436, 5);
    EXPECT_EQ(pass(197, at(12, 0))->open_slot, 0);
    EXPECT_EQ(pass(197, at(17, 59))->open_slot, 0);
    auto evening = pass(197, at(18, 0));
    ASSERT_EQ(evening->open_slot, 1);
    expect_marker(*evening, 0, "FYN FYN FYN  V V V  FYN FYN FYN           ", 21, 1436, 5);
}

TEST_F(Rules_vlf, TimeSignalsAt19_9And26_0And26_1) {
    const std::string pips = repeated("E    ", 100) + kTail;
    EXPECT_EQ(pass(199, at(4, 54))->open_slot, 0);
    auto a = pass(199, at(4, 55));
    ASSERT_EQ(a->open_slot, 1);
    EXPECT_EQ(a->send_buf[0], pips);
    expect_voice(*a, 0, 24, 1000, 3);

    EXPECT_EQ(pass(260, at(4, 55))->open_slot, 0);
    auto b = pass(260, at(4, 56));
    ASSERT_EQ(b->open_slot, 1);
    EXPECT_EQ(b->send_buf[0], pips);
    expect_voice(*b, 0, 24, 1000, 2);

    for (int freq : {261, 1060}) {
        for (const std::string& slot : test::slots(*pass(freq, at(4, 54))))
            EXPECT_EQ(slot.find("NPM  TIME"), std::string::npos) << slot;
        auto c = pass(freq, at(4, 59));
        ASSERT_GE(c->open_slot, 1);
        EXPECT_EQ(c->send_buf[0], "NPM  TIME  " + pips);
        expect_voice(*c, 0, 24, 1176, 1);
    }
}

TEST_F(Rules_vlf, IccSparkMorningAndAfternoon) {
    auto a = pass(200, at(11, 29));
    ASSERT_EQ(a->open_slot, 1);
    EXPECT_EQ(a->send_buf[0], std::string(120, ' ') + "CQ CQ CQ DE ICC ICC ICC QTC K" + kTail);
    expect_voice(*a, 0, 14, 510, 4);
    auto b = pass(200, at(12, 0));
    ASSERT_EQ(b->open_slot, 1);
    EXPECT_EQ(b->send_buf[0],
              std::string(120, ' ') + "VVV VVV VVV DE ICC ICC ICC STAMPA = ROMA " + kTail);
    EXPECT_EQ(pass(200, at(12, 30))->open_slot, 0);

    // Without the historical stations, nothing.
    ReceiverSettings no_hist;
    no_hist.hist = 0;
    auto quiet = pass(200, at(12, 0), no_hist);
    EXPECT_EQ(quiet->open_slot, 0);
}

TEST_F(Rules_vlf, NgAndThreeSaAt21_1AndNssAt22_2) {
    // Minutes not divisible by 5, clear of the flash broadcast ahead of them.
    auto ng = pass(211, at(11, 16));
    ASSERT_EQ(ng->open_slot, 1);
    expect_message(*ng, 0, "VVV VVV DE NG@ NG@ = QTC 1 = LDY NR 15 = + ]", 25, 627, 5);
    auto marker = pass(211, at(11, 21));
    ASSERT_EQ(marker->open_slot, 1);
    expect_marker(*marker, 0, "VVV VVV VVV DE NG@ NG@ NG@             ", 25, 627, 5);
    auto sa = pass(211, at(12, 16));
    ASSERT_EQ(sa->open_slot, 1);
    expect_marker(*sa, 0, "VVV VVV VVV DE 3SA 3SA 3SA             ", 17, 1057, 3);
    // In minute 15 the flash goes first, then NG@.
    auto flash = pass(211, at(11, 15));
    ASSERT_EQ(flash->open_slot, 2);
    EXPECT_EQ(flash->send_buf[0].rfind("XXX XXX RDL RDL ", 0), 0u);
    expect_message(*flash, 1, "VVV VVV DE NG@ NG@ = QTC 1 = LDY NR 15 = + ]", 25, 627, 5);

    auto wrq = pass(222, at(11, 59));
    ASSERT_EQ(wrq->open_slot, 1);
    expect_marker(*wrq, 0, "VVV VVV VVV DE WRQ WRQ WRQ            ", 25, 749, 3);
    auto nss = pass(222, at(12, 0));
    ASSERT_EQ(nss->open_slot, 1);
    expect_marker(*nss, 0, "VVV VVV VVV DE NSS NSS NSS            ", 22, 922, 3);
}

TEST_F(Rules_vlf, BetaStationsInTheirSlotsAt25_0) {
    struct Slot {
        int hour, minute;
        std::string call;
        int spd, ton, qsa;
    };
    for (const Slot& s : {Slot{7, 0, "RJH69", 21, 1059, 5}, Slot{19, 4, "RJH69", 21, 1059, 5},
                          Slot{8, 0, "RJH90", 27, 1316, 1}, Slot{20, 4, "RJH90", 27, 1316, 1},
                          Slot{11, 0, "RJH", 23, 893, 4}, Slot{23, 4, "RJH", 23, 893, 4},
                          Slot{2, 30, "RJH77", 24, 1088, 1}, Slot{14, 34, "RJH77", 24, 1088, 1}}) {
        auto a = pass(250, at(s.hour, s.minute));
        ASSERT_GE(a->open_slot, 1) << s.call;
        expect_message(*a, 0, repeated("VVV " + s.call + " ", 12), s.spd, s.ton, s.qsa);
        // After it only the fleet broadcasts: NPO until noon, PWB after.
        ASSERT_LE(a->open_slot, 2);
        if (a->open_slot == 2) {
            EXPECT_NE(a->send_buf[1].find(s.hour < 12 ? "NPO" : "PWB"), std::string::npos);
        }
    }
    for (const auto& when : {at(6, 59), at(7, 5), at(2, 29), at(14, 35), at(12, 0)}) {
        auto a = pass(250, when);
        ASSERT_LE(a->open_slot, 1) << when;
        if (a->open_slot == 1) {
            EXPECT_EQ(a->send_buf[0].find("RJH"), std::string::npos) << when;
        }
    }
}

TEST_F(Rules_vlf, UnidentifiedStationUnderKghAt34_5) {
    const std::string kgh = "VVV VVV VVV DE KGH KGH KGH            ";
    const std::string v = "VVV VVV VVV VVV VVV VVV             ";
    auto morning = pass(345, at(9, 59));
    ASSERT_EQ(morning->open_slot, 1);
    expect_marker(*morning, 0, kgh, 23, 1018, 4);

    // 10:00 - 11:59 both, in the order of the rules.
    auto both = pass(345, at(10, 1));
    ASSERT_EQ(both->open_slot, 2);
    expect_marker(*both, 0, kgh, 23, 1018, 4);
    expect_marker(*both, 1, v, 22, 870, 2);
    auto test = pass(345, at(11, 56));
    ASSERT_EQ(test->open_slot, 2);
    expect_marker(*test, 0, automatic(80), 80, 1018, 4);
    expect_marker(*test, 1, v, 22, 870, 2);

    auto evening = pass(345, at(12, 0));
    ASSERT_EQ(evening->open_slot, 1);
    expect_marker(*evening, 0, v, 22, 870, 2);
}

TEST_F(Rules_vlf, SplitFrequenciesAt29_1And30_6And37_5) {
    auto axk = pass(291, at(7, 59));
    ASSERT_EQ(axk->open_slot, 1);
    expect_marker(*axk, 0, "VVV VVV VVV DE AXK AXK AXK           ", 16, 731, 4);
    EXPECT_EQ(pass(291, at(8, 0))->open_slot, 0);
    auto ful = pass(291, at(16, 0));
    ASSERT_EQ(ful->open_slot, 1);
    expect_marker(*ful, 0, "VVV VVV VVV DE FUL FUL FUL            ", 19, 514, 5);

    auto v = pass(306, at(11, 59));
    ASSERT_EQ(v->open_slot, 1);
    expect_marker(*v, 0, "V V V V V V V V V V            ", 18, 640, 3);
    auto npl = pass(306, at(12, 0));
    ASSERT_EQ(npl->open_slot, 1);
    expect_marker(*npl, 0, "VVV VVV VVV DE NPL NPL NPL            ", 16, 856, 5);

    auto fl = pass(375, at(11, 59));
    ASSERT_EQ(fl->open_slot, 1);
    expect_marker(*fl, 0, "VVV VVV VVV DE FL FL FL            ", 21, 678, 5);
    auto vv = pass(375, at(12, 1));
    ASSERT_EQ(vv->open_slot, 1);
    expect_marker(*vv, 0, "VVV VVV VVV VVV VVV VVV            ", 19, 720, 3);
    auto test = pass(375, at(12, 3));
    ASSERT_EQ(test->open_slot, 1);
    expect_marker(*test, 0, automatic(120), 120, 720, 3);
}

TEST_F(Rules_vlf, GblTrafficTestAndMarkerAt24_3) {
    auto list = pass(243, at(9, 4));
    ASSERT_EQ(list->open_slot, 1);
    expect_message(*list, 0, "CQ CQ CQ DE GBL GBL GBL QTC 3 MSGS = QSX 34.3 KCS + K", 22, 932, 3);
    for (int minute : {6, 9, 57}) {
        auto test = pass(243, at(9, minute));
        ASSERT_EQ(test->open_slot, 1) << minute;
        expect_marker(*test, 0, automatic(100), 100, 932, 3);
    }
    for (int minute : {5, 8, 58}) {
        auto marker = pass(243, at(9, minute));
        ASSERT_EQ(marker->open_slot, 1) << minute;
        expect_marker(*marker, 0, "VVV VVV VVV DE GBL GBL GBL          ", 22, 932, 3);
    }
}

// The unidentified station at 24.8 kHz, after noon: the test every third minute.
TEST_F(Rules_vlf, UnidentifiedMarkerAndTestAt24_8) {
    const auto rules = vlf_rules();
    const auto v = std::find_if(rules.begin(), rules.end(), [](const Rule& r) {
        return r.freq.contains(248) && r.label == "V marker, auto";
    });
    ASSERT_NE(v, rules.end());
    auto alone = [&](int hour, int minute) { // without NPM on the same frequency
        auto a = tuned(248, at(hour, minute));
        v->act(*a);
        return a;
    };
    EXPECT_EQ(alone(11, 59)->open_slot, 0);
    for (int minute : {0, 3, 9, 57}) {
        auto test = alone(12, minute);
        ASSERT_EQ(test->open_slot, 1) << minute;
        expect_marker(*test, 0, automatic(150), 150, 1130, 2);
    }
    for (int minute : {5, 10, 59}) {
        auto marker = alone(23, minute);
        ASSERT_EQ(marker->open_slot, 1) << minute;
        expect_marker(*marker, 0, "VVV VVV VVV VVV VVV VVV            ", 25, 1130, 2);
    }
}

// Every marker-and-test station of these frequencies sends its automatic Morse
// test every third or every fourth minute of the hour, on the minutes that divide
// by that step, through to the end of the hour.
TEST(Rules_vlf_sweep, MarkerStationsTestEveryThirdOrFourthMinute) {
    int stations = 0;
    for (const Rule& rule : vlf_rules()) {
        if (!rule.label.ends_with("marker, auto")) continue;
        ++stations;
        std::set<int> minutes;
        test::sweep_rule(rule, [&](const Air& a) {
            for (int k = 0; k < a.open_slot && k < Air::kSlots; ++k)
                if (a.send_buf[static_cast<std::size_t>(k)].find("AUTOMATIC MORSE") !=
                    std::string::npos)
                    minutes.insert(a.t.minute);
            return false;
        });
        const std::vector<int> tested(minutes.begin(), minutes.end());
        ASSERT_GE(tested.size(), 2u) << rule.label << " at " << test::first_frequency(rule);
        const int step = tested[1] - tested[0];
        EXPECT_TRUE(step == 3 || step == 4) << rule.label << " at " << test::first_frequency(rule);
        EXPECT_EQ(tested.front() % step, 0) << rule.label;
        for (std::size_t i = 1; i < tested.size(); ++i)
            EXPECT_EQ(tested[i] - tested[i - 1], step) << rule.label << " minute " << tested[i];
        EXPECT_GE(tested.back() + step, 60) << rule.label;
    }
    EXPECT_EQ(stations, 31);
}

} // namespace
} // namespace zenka
