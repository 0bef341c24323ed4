#include "support/band_pass.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace zenka {
namespace {

using test::expect_voice;

using test::expect_still;
using test::slots;
const std::string& kTail = test::kStackTail;

class Rules_lf : public test::BandPass {
  protected:
    // One pass on Sunday 2024-01-07 at hh:mm:ss.
    std::unique_ptr<Air> at(int freq, const std::string& hhmmss) {
        return pass(freq, "2024-01-07T" + hhmmss + "Z");
    }

    // The texts of the pass that name `call`.
    static std::vector<std::string> naming(const Air& a, const std::string& call) {
        std::vector<std::string> out;
        for (const std::string& s : slots(a))
            if (s.find(call) != std::string::npos) out.push_back(s);
        return out;
    }

    bool played(const std::string& recording) const {
        for (const std::string& call : out.calls())
            if (call == "play_recording " + recording) return true;
        return false;
    }
};

std::string marks() {
    std::string s;
    for (int i = 0; i < 100; ++i)
        s += "E    ";
    return s;
}

// The slot of ts2: the call, "TIME", the marks.
std::string time_signal(const std::string& call) {
    return call + "  TIME  " + marks() + kTail;
}

std::string spark(const std::string& text) {
    return std::string(120, ' ') + text + kTail;
}

std::string automatic(int wpm) {
    return "= THIS IS HIGH SPEED AUTOMATIC MORSE TRANSMISSION AT " + std::to_string(wpm) +
           " WPM FOR TESTING PURPOSES = ";
}

TEST_F(Rules_lf, MarkersInTheStationsVoices) {
    auto buc = at(400, "12:00:00");
    ASSERT_EQ(buc->open_slot, 1);
    expect_still(buc->send_buf[0], "VVV VVV VVV DE BUC BUC BUC            ");
    expect_voice(*buc, 0, 23, 1006, 4);

    auto ofa = at(831, "09:00:00");
    ASSERT_EQ(ofa->open_slot, 1);
    expect_still(ofa->send_buf[0], "VVV VVV VVV OFB83 OFB83 DE OFA35 OFA35            ");
    expect_voice(*ofa, 0, 18, 1098, 4);

    auto lyt = at(850, "11:59:00");
    ASSERT_EQ(lyt->open_slot, 1);
    expect_still(lyt->send_buf[0], "VVV VVV LYR LYR DE LYT LYT            ");
    expect_voice(*lyt, 0, 21, 983, 3);

    auto saw = at(866, "06:00:00");
    ASSERT_EQ(saw->open_slot, 1);
    expect_still(saw->send_buf[0], "VVV VVV SMA3 SMA7 DE SAW SAW            ");
    expect_voice(*saw, 0, 23, 683, 5);
}

TEST_F(Rules_lf, MarkerWindowsAtTheirBoundaries) {
    EXPECT_EQ(at(432, "06:59:00")->open_slot, 0);
    EXPECT_EQ(at(432, "07:00:00")->open_slot, 1);
    EXPECT_EQ(at(432, "18:59:00")->open_slot, 1);
    EXPECT_EQ(at(432, "19:00:00")->open_slot, 0);
    // RAI by day at 40.1 kHz, by night at 89.6 kHz.
    EXPECT_EQ(at(401, "05:59:00")->open_slot, 0);
    EXPECT_EQ(at(401, "06:00:00")->open_slot, 1);
    EXPECT_EQ(at(401, "17:59:00")->open_slot, 1);
    EXPECT_EQ(at(401, "18:00:00")->open_slot, 0);
    auto rai = at(896, "18:00:00");
    ASSERT_EQ(rai->open_slot, 1);
    expect_still(rai->send_buf[0], "CQ CQ CQ DE RAI RAI RAI            ");
    EXPECT_EQ(at(896, "17:59:00")->open_slot, 0);
    // KFS over midnight.
    EXPECT_EQ(at(975, "13:59:00")->open_slot, 0);
    EXPECT_EQ(at(975, "14:00:00")->open_slot, 1);
    EXPECT_EQ(at(975, "05:59:00")->open_slot, 1);
    EXPECT_EQ(at(975, "06:00:00")->open_slot, 0);
}

TEST_F(Rules_lf, FortyKilohertzMarkerThenTheTimeSignal) {
    auto marker = at(400, "12:54:59");
    ASSERT_EQ(marker->open_slot, 1);
    expect_still(marker->send_buf[0], "VVV VVV VVV DE BUC BUC BUC            ");

    auto signal = at(400, "12:55:00");
    ASSERT_EQ(signal->open_slot, 1);
    EXPECT_EQ(signal->send_buf[0], time_signal("JG2AS"));
    expect_voice(*signal, 0, 24, 531, 3);

    EXPECT_EQ(at(400, "13:55:00")->open_slot, 0); // odd hour: neither
    EXPECT_EQ(at(400, "05:59:00")->open_slot, 0);
    EXPECT_EQ(at(400, "22:00:00")->open_slot, 0);
    EXPECT_EQ(at(400, "22:59:00")->open_slot, 1); // the time signal of an even hour
}

TEST_F(Rules_lf, FlSparkCallsAndMarker) {
    auto time = at(411, "10:40:00");
    ASSERT_EQ(time->open_slot, 1);
    EXPECT_EQ(time->send_buf[0], spark("CQ CQ CQ DE FL FL FL  SIGNAUX HORAIRES  +"));
    expect_voice(*time, 0, 21, 678, 5);
    EXPECT_EQ(time->slot_params[0].spark, 1);
    EXPECT_EQ(at(411, "10:39:00")->open_slot, 0);
    EXPECT_EQ(at(411, "22:44:00")->open_slot, 1);
    EXPECT_EQ(at(411, "22:45:00")->open_slot, 0);

    auto meteo = at(411, "12:29:00");
    ASSERT_EQ(meteo->open_slot, 1);
    EXPECT_EQ(meteo->send_buf[0], spark("CQ CQ CQ DE FL FL FL METEO  ="));
    EXPECT_EQ(at(411, "12:30:00")->open_slot, 0);

    auto press = at(937, "19:00:00");
    ASSERT_EQ(press->open_slot, 1);
    EXPECT_EQ(press->send_buf[0], spark("CQ CQ CQ DE FL FL FL  PRESSE  ="));

    auto marker = at(461, "13:00:00");
    ASSERT_EQ(marker->open_slot, 1);
    expect_still(marker->send_buf[0], "VVV VVV VVV DE FL FL FL            ");
}

TEST_F(Rules_lf, SparkOnlyWithTheHistoricalStations) {
    auto on = at(438, "12:20:00");
    ASSERT_EQ(on->open_slot, 1);
    EXPECT_EQ(on->send_buf[0], spark("CQ CQ CQ DE GKB GKB GKB  +"));
    expect_voice(*on, 0, 18, 800, 1);
    EXPECT_EQ(at(438, "12:30:00")->open_slot, 0);
    EXPECT_EQ(at(438, "13:20:00")->open_slot, 0);

    ReceiverSettings no_hist;
    no_hist.hist = 0;
    auto off = pass(438, "2024-01-07T12:20:00Z", no_hist);
    EXPECT_EQ(off->open_slot, 0);
}

TEST_F(Rules_lf, CallsWithAChanceEnding) {
    const std::string call = "CQ CQ CQ DE SAS2 SAS2 SAS2 ";
    const std::string hand_tail(45 * 4, ' ');
    int heard = 0, silent = 0;
    for (int second = 0; second < 60; ++second) {
        for (const char* ms : {".137", ".250"}) {
            const std::string when =
                "2024-01-07T10:17:" + std::string(second < 10 ? "0" : "") + std::to_string(second);
            auto a = pass(420, when + ms + "Z");
            if (a->open_slot == 0) {
                ++silent;
                continue;
            }
            ++heard;
            ASSERT_EQ(a->open_slot, 1);
            const std::string ending = std::string(ms) == ".137" ? "QTC? K" : "";
            const std::string& s = a->send_buf[0];
            EXPECT_TRUE(s == call + ending + hand_tail || s == call + "    " + ending + hand_tail)
                << s;
            EXPECT_EQ(a->slot_params[0].hand, 1);
            EXPECT_EQ(a->slot_params[0].spd, 15);
            EXPECT_EQ(a->slot_params[0].qsa, 2);
        }
    }
    EXPECT_GT(heard, 0);
    EXPECT_GT(silent, heard); // one chance in four
    for (int second = 0; second < 60; second += 7) {
        EXPECT_EQ(
            pass(420, "2024-01-07T06:59:" + std::to_string(10 + second % 50) + ".137Z")->open_slot,
            0);
        EXPECT_EQ(
            pass(420, "2024-01-07T17:00:" + std::to_string(10 + second % 50) + ".137Z")->open_slot,
            0);
    }
}

TEST_F(Rules_lf, GizWeatherCallAndMarker) {
    auto wx = at(622, "10:04:00");
    ASSERT_EQ(wx->open_slot, 1);
    EXPECT_EQ(wx->send_buf[0],
              "CQ CQ CQ DE GIZ GIZ GIZ = WX SHIPPING = NORTH SEA WIND N 3 = +" + kTail);
    expect_voice(*wx, 0, 24, 1038, 5);

    auto marker = at(622, "10:05:00");
    ASSERT_EQ(marker->open_slot, 1);
    expect_still(marker->send_buf[0], "VVV VVV VVV DE GIZ GIZ GIZ            ");
    EXPECT_EQ(marker->slot_params[0].hand, 0);

    for (const char* when : {"10:50:00.001", "10:54:59.001"}) {
        auto call = pass(622, std::string("2024-01-07T") + when + "Z");
        ASSERT_EQ(call->open_slot, 1) << when;
        EXPECT_TRUE(call->send_buf[0].starts_with("CQ CQ CQ DE GIZ GIZ GIZ ")) << when;
        EXPECT_NE(call->send_buf[0].find("QTC? K"), std::string::npos) << when;
        EXPECT_EQ(call->slot_params[0].hand, 1);
    }
    expect_still(at(622, "10:49:00")->send_buf[0], "VVV VVV VVV DE GIZ GIZ GIZ            ");
    expect_still(at(622, "10:55:00")->send_buf[0], "VVV VVV VVV DE GIZ GIZ GIZ            ");
}

TEST_F(Rules_lf, OxfCallsAnyTimeByChance) {
    int heard = 0;
    for (int minute = 0; minute < 60; ++minute) {
        auto a = pass(811, "2024-01-07T03:" + std::string(minute < 10 ? "0" : "") +
                               std::to_string(minute) + ":21.333Z");
        if (a->open_slot == 0) continue;
        ++heard;
        EXPECT_TRUE(a->send_buf[0].starts_with("CQ CQ CQ DE OXF OXF OXF "));
        EXPECT_NE(a->send_buf[0].find("QRU? K"), std::string::npos);
    }
    EXPECT_GT(heard, 0);
    EXPECT_LT(heard, 40);
}

TEST_F(Rules_lf, NbaSplitsTheDayAndSignalsTheTime) {
    auto morning = at(460, "11:54:00");
    ASSERT_EQ(morning->open_slot, 1);
    expect_still(morning->send_buf[0], "VVV VVV VVV DE NBA NBA NBA            ");
    expect_voice(*morning, 0, 25, 536, 5);

    auto afternoon = at(460, "12:00:00");
    ASSERT_EQ(afternoon->open_slot, 1);
    expect_still(afternoon->send_buf[0], "CQ CQ CQ DE NBA NBA NBA  NAVY RADIO BALBOA            ");

    auto signal = at(460, "16:55:00");
    ASSERT_EQ(signal->open_slot, 1);
    EXPECT_EQ(signal->send_buf[0], time_signal("NBA"));
    expect_voice(*signal, 0, 24, 536, 5);
    EXPECT_EQ(at(460, "17:55:00")->open_slot, 0);
    EXPECT_EQ(at(460, "04:59:00")->send_buf[0], time_signal("NBA"));

    // The morning marker also at 118.0 kHz, first of the frequency; the afternoon one not.
    auto also = at(1180, "08:00:00");
    ASSERT_GE(also->open_slot, 1);
    expect_still(also->send_buf[0], "VVV VVV VVV DE NBA NBA NBA            ");
    EXPECT_TRUE(naming(*at(1180, "13:00:00"), "NBA").empty());
    EXPECT_TRUE(naming(*at(1180, "16:56:00"), "NBA").empty());
}

TEST_F(Rules_lf, NpoAtBothFrequencies) {
    for (int freq : {560, 1120}) {
        auto morning = at(freq, "03:10:00");
        ASSERT_GE(morning->open_slot, 1) << freq;
        expect_still(morning->send_buf[0], "VVV VVV VVV DE NPO NPO NPO            ");
        expect_voice(*morning, 0, 24, 1038, 3);

        auto signal = at(freq, "15:58:00");
        ASSERT_GE(signal->open_slot, 1) << freq;
        EXPECT_EQ(signal->send_buf[0], time_signal("NPO"));

        auto afternoon = at(freq, "15:54:00");
        ASSERT_GE(afternoon->open_slot, 1) << freq;
        expect_still(afternoon->send_buf[0],
                     "CQ CQ CQ DE NPO NPO NPO  NAVY RADIO CAVITE            ");
        EXPECT_TRUE(naming(*at(freq, "14:55:00"), "NPO").empty()) << freq;
    }
    EXPECT_EQ(at(560, "14:55:00")->open_slot, 0);
}

TEST_F(Rules_lf, NaaMarkerAt68And112Kilohertz) {
    auto at68 = at(680, "20:00:00");
    ASSERT_EQ(at68->open_slot, 1);
    expect_still(at68->send_buf[0], "CQ CQ CQ DE NAA NAA NAA  NAVY ARLINGTON            ");
    expect_voice(*at68, 0, 23, 788, 2);

    // GBY by day, NAA from 20:00.
    auto gby = at(680, "19:59:00");
    ASSERT_EQ(gby->open_slot, 1);
    expect_still(gby->send_buf[0], "VVV VVV VVV DE GBY GBY GBY            ");
    auto gby_auto = at(680, "19:56:00");
    expect_still(gby_auto->send_buf[0], automatic(50));
    expect_voice(*gby_auto, 0, 50, 683, 5);

    // At 112.0 kHz NPO's afternoon marker comes first, NAA's second.
    auto at112 = at(1120, "21:10:00");
    ASSERT_GE(at112->open_slot, 2);
    expect_still(at112->send_buf[0], "CQ CQ CQ DE NPO NPO NPO  NAVY RADIO CAVITE            ");
    expect_still(at112->send_buf[1], "CQ CQ CQ DE NAA NAA NAA  NAVY ARLINGTON            ");
    expect_voice(*at112, 1, 23, 788, 2);
    EXPECT_TRUE(naming(*at(680, "19:10:00"), "NAA").empty());
}

TEST_F(Rules_lf, NpgTimeSignalsAtThreeFrequencies) {
    EXPECT_EQ(at(428, "13:55:00")->send_buf[0], time_signal("NPG"));
    EXPECT_EQ(at(428, "12:55:00")->open_slot, 0);
    EXPECT_EQ(at(430, "12:55:00")->send_buf[0], time_signal("NPG"));
    expect_voice(*at(430, "12:59:00"), 0, 24, 919, 5);
    for (int freq : {620, 1080}) {
        auto a = at(freq, "20:57:00");
        ASSERT_GE(a->open_slot, 1) << freq;
        EXPECT_EQ(a->send_buf[0], time_signal("NPG"));
        EXPECT_TRUE(naming(*at(freq, "20:54:00"), "NPG").empty()) << freq;
        EXPECT_TRUE(naming(*at(freq, "19:57:00"), "NPG").empty()) << freq;
    }
    EXPECT_EQ(at(640, "02:55:00")->send_buf[0], time_signal("NAA"));
    EXPECT_EQ(at(640, "03:55:00")->open_slot, 0);
    EXPECT_EQ(at(880, "17:59:00")->send_buf[0], time_signal("NSS"));
    EXPECT_EQ(at(880, "18:00:00")->open_slot, 0);
}

TEST_F(Rules_lf, RamMarkerGivesWayToTheTimeSignal) {
    auto a = at(430, "14:55:00");
    ASSERT_EQ(a->open_slot, 1);
    EXPECT_EQ(a->send_buf[0], time_signal("NPG"));
    auto b = at(430, "14:54:00");
    ASSERT_EQ(b->open_slot, 1);
    expect_still(b->send_buf[0], "VVV VVV VVV DE RAM RAM RAM            ");
    expect_voice(*b, 0, 24, 793, 3);
    EXPECT_EQ(at(430, "02:54:00")->open_slot, 0);
    EXPECT_EQ(at(430, "21:00:00")->open_slot, 0);
}

TEST_F(Rules_lf, GybByDayGyuByNight) {
    auto warning = at(469, "09:04:00");
    ASSERT_EQ(warning->open_slot, 1);
    EXPECT_EQ(warning->send_buf[0],
              "CQ CQ CQ DE GYB GYB GYB = NAVAL WARNING NR 47 = WRECK DANGEROUS TO NAVIGATION IN "
              "51 22 N 01 48 E = +" +
                  kTail);
    expect_voice(*warning, 0, 20, 1057, 2);
    expect_still(at(469, "09:05:00")->send_buf[0], "VVV VVV VVV DE GYB GYB GYB            ");
    expect_still(at(469, "21:59:00")->send_buf[0], "VVV VVV VVV DE GYB GYB GYB            ");

    auto wx = at(469, "04:00:00");
    ASSERT_EQ(wx->open_slot, 1);
    EXPECT_EQ(wx->send_buf[0],
              "CQ CQ CQ DE GYU GYU GYU = GIBRALTAR WX = WIND W 4 SEA MODERATE VIS GOOD = +" +
                  kTail);
    expect_voice(*wx, 0, 23, 1175, 2);
    auto night = at(469, "22:00:00");
    ASSERT_EQ(night->open_slot, 1);
    expect_still(night->send_buf[0], "VVV VVV VVV DE GYU GYU GYU            ");
    expect_still(at(469, "05:59:00")->send_buf[0], "VVV VVV VVV DE GYU GYU GYU            ");
}

TEST_F(Rules_lf, FiftyKilohertzSlotsInRuleOrder) {
    // 22:00: SAV's press, then NAA's night marker.
    auto a = at(500, "22:00:00");
    ASSERT_EQ(a->open_slot, 2);
    EXPECT_EQ(a->send_buf[0],
              "CQ CQ CQ DE SAV SAV SAV = QTC PRESS 3 = SVENSKA DAGBLADET = +" + kTail);
    expect_voice(*a, 0, 21, 1479, 1);
    expect_still(a->send_buf[1], "VVV VVV VVV DE NAA NAA NAA            ");
    expect_voice(*a, 1, 23, 788, 2);

    // 05:30: NAA's marker, then RAM's spark.
    auto b = at(500, "05:30:00");
    ASSERT_EQ(b->open_slot, 2);
    expect_still(b->send_buf[0], "VVV VVV VVV DE NAA NAA NAA            ");
    EXPECT_EQ(b->send_buf[1], spark("CQ CQ CQ DE RAM RAM RAM  QTC K"));
    expect_voice(*b, 1, 24, 793, 3);

    // The press at 10:00 silences SAV's marker; 10:05 the marker again.
    auto press = at(500, "10:04:00");
    ASSERT_EQ(press->open_slot, 1);
    EXPECT_TRUE(press->send_buf[0].starts_with("CQ CQ CQ DE SAV"));
    auto marker = at(500, "10:05:00");
    ASSERT_EQ(marker->open_slot, 1);
    expect_still(marker->send_buf[0], "VVV VVV VVV DE SAV SAV SAV            ");
    auto test = at(500, "10:08:00");
    ASSERT_EQ(test->open_slot, 1);
    expect_still(test->send_buf[0], automatic(60));
    expect_voice(*test, 0, 60, 1479, 1);

    // The time signal alone in minutes 55 - 59.
    for (const char* when : {"12:55:00", "23:59:00"}) {
        auto ts = at(500, when);
        ASSERT_EQ(ts->open_slot, 1) << when;
        EXPECT_EQ(ts->send_buf[0], marks() + kTail);
        EXPECT_EQ(ts->slot_params[0].spd, 24);
        EXPECT_EQ(ts->slot_params[0].ton, 1000);
    }
}

TEST_F(Rules_lf, NaaTeleprinterInMinutes45To54) {
    auto rtty = at(500, "23:45:00");
    EXPECT_EQ(rtty->open_slot, 0);
    EXPECT_TRUE(played("fone/rtt-001.wav"));

    out.clear();
    auto last = at(500, "02:54:00");
    EXPECT_EQ(last->open_slot, 0);
    EXPECT_TRUE(played("fone/rtt-001.wav"));

    out.clear();
    auto marker = at(500, "02:44:00");
    ASSERT_EQ(marker->open_slot, 1);
    expect_still(marker->send_buf[0], "VVV VVV VVV DE NAA NAA NAA            ");
    EXPECT_FALSE(played("fone/rtt-001.wav"));
}

TEST_F(Rules_lf, HbaTeleprinterThenMarker) {
    auto rtty = at(821, "06:00:00");
    EXPECT_EQ(rtty->open_slot, 0);
    EXPECT_TRUE(played("fone/rtt-001.mp3"));

    out.clear();
    auto marker = at(821, "12:00:00");
    ASSERT_EQ(marker->open_slot, 1);
    expect_still(marker->send_buf[0], "VVV VVV VVV DE HBA HBA HBA            ");
    expect_voice(*marker, 0, 16, 1100, 5);
    EXPECT_FALSE(played("fone/rtt-001.mp3"));
    EXPECT_EQ(at(821, "20:00:00")->open_slot, 0);
}

TEST_F(Rules_lf, SixtyKilohertzTimeSignals) {
    auto rdw = at(600, "03:44:00");
    ASSERT_EQ(rdw->open_slot, 1);
    expect_still(rdw->send_buf[0], "VVV VVV VVV DE RDW RDW RDW            ");
    expect_voice(*rdw, 0, 25, 1124, 5);

    auto raj = at(600, "03:45:00");
    ASSERT_EQ(raj->open_slot, 1);
    EXPECT_EQ(raj->send_buf[0], spark("CQ CQ CQ DE RAJ RAJ RAJ  K"));
    expect_voice(*raj, 0, 14, 590, 2);
    EXPECT_EQ(at(600, "03:54:00")->send_buf[0], spark("CQ CQ CQ DE RAJ RAJ RAJ  K"));

    for (const char* when : {"03:55:00", "11:59:00", "12:55:00", "23:59:00"}) {
        auto msf = at(600, when);
        ASSERT_EQ(msf->open_slot, 1) << when;
        EXPECT_EQ(msf->send_buf[0], time_signal("MSF")) << when;
        expect_voice(*msf, 0, 24, 919, 5);
    }

    auto jjy = at(600, "12:04:00");
    ASSERT_EQ(jjy->open_slot, 1);
    EXPECT_EQ(jjy->send_buf[0], time_signal("JJY"));
    expect_voice(*jjy, 0, 24, 584, 2);

    auto marks_only = at(600, "12:05:00");
    ASSERT_EQ(marks_only->open_slot, 1);
    EXPECT_EQ(marks_only->send_buf[0], marks() + kTail);
    expect_voice(*marks_only, 0, 24, 1000, 2);
    EXPECT_EQ(at(600, "23:54:00")->send_buf[0], marks() + kTail);
    // RDW's marker, not JJY's marks, from midnight.
    expect_still(at(600, "00:00:00")->send_buf[0], "VVV VVV VVV DE RDW RDW RDW            ");
}

TEST_F(Rules_lf, SixtySixPointSixSharedByTheClock) {
    struct Case {
        const char* when;
        const char* marker;
    };
    for (const Case c : {Case{"06:00:00", "VVV VVV VVV DE PRG PRG PRG            "},
                         Case{"11:54:00", "VVV VVV VVV DE PRG PRG PRG            "},
                         Case{"12:00:00", "VVV VVV VVV DE HFB HFB HFB            "},
                         Case{"17:54:00", "VVV VVV VVV DE HFB HFB HFB            "},
                         Case{"18:00:00", "VVV VVV VVV DE HB HB HB            "},
                         Case{"23:54:00", "VVV VVV VVV DE HB HB HB            "}}) {
        auto a = at(666, c.when);
        ASSERT_EQ(a->open_slot, 1) << c.when;
        expect_still(a->send_buf[0], c.marker);
    }
    expect_voice(*at(666, "13:00:00"), 0, 20, 1189, 5);

    auto raj = at(666, "03:10:00");
    ASSERT_EQ(raj->open_slot, 1);
    EXPECT_EQ(raj->send_buf[0], spark("CQ CQ CQ DE RAJ RAJ RAJ  QTC K"));
    EXPECT_EQ(at(666, "03:19:00")->open_slot, 1);
    EXPECT_EQ(at(666, "03:09:00")->open_slot, 0);
    EXPECT_EQ(at(666, "03:20:00")->open_slot, 0);

    for (const char* when : {"03:55:00", "08:57:00", "18:59:00"}) {
        auto ts = at(666, when);
        ASSERT_EQ(ts->open_slot, 1) << when;
        EXPECT_EQ(ts->send_buf[0], marks() + kTail) << when;
    }
}

TEST_F(Rules_lf, SixtyNineKilohertzShared) {
    expect_still(at(690, "11:59:00")->send_buf[0], "VVV VVV VVV DE GLO GLO GLO            ");

    const std::string call = "CQ CQ CQ DE JRW JRW PALAU WX  ";
    for (const char* when : {"12:00:00", "12:04:00", "00:00:00"}) {
        auto wx = at(690, when);
        ASSERT_EQ(wx->open_slot, 1) << when;
        // The call, then the observations in the same emission.
        EXPECT_TRUE(wx->send_buf[0].starts_with(call + call + call + "        HR WX ")) << when;
        EXPECT_NE(wx->send_buf[0].find("= YAP PRE "), std::string::npos) << wx->send_buf[0];
        EXPECT_TRUE(wx->send_buf[0].ends_with(" + DE JRW ]" + kTail)) << when;
        expect_voice(*wx, 0, 20, 1133, 5);
    }
    auto jrw = at(690, "12:05:00");
    ASSERT_EQ(jrw->open_slot, 1);
    expect_still(jrw->send_buf[0], "VVV VVV VVV DE JRW JRW JRW            ");
    expect_still(at(690, "17:59:00")->send_buf[0], "VVV VVV VVV DE JRW JRW JRW            ");
    auto glo = at(690, "18:00:00");
    ASSERT_EQ(glo->open_slot, 1);
    expect_still(glo->send_buf[0], "CQ CQ CQ DE GLO GLO GLO            ");
    expect_voice(*glo, 0, 21, 1126, 5);
    EXPECT_EQ(at(690, "00:05:00")->open_slot, 0);
    // GLO's night marker at 71.5 kHz.
    expect_still(at(715, "00:05:00")->send_buf[0], "VVV VVV VVV DE GLO GLO GLO            ");
}

TEST_F(Rules_lf, OhaMarkersAndMachineTest) {
    expect_still(at(699, "12:29:00")->send_buf[0], "VVV VVV VVV DE OHA OHA OHA            ");
    expect_still(at(699, "13:00:00")->send_buf[0], "CQ CQ CQ DE OHA OHA OHA            ");
    auto test = at(699, "13:30:00");
    ASSERT_EQ(test->open_slot, 1);
    expect_still(test->send_buf[0], automatic(60));
    expect_voice(*test, 0, 60, 800, 2);

    auto marker = at(800, "04:01:00");
    ASSERT_EQ(marker->open_slot, 1);
    expect_still(marker->send_buf[0], "VVV VVV VVV DE OHA OHA OHA            ");
    expect_voice(*marker, 0, 18, 800, 2);
    expect_still(at(800, "04:05:00")->send_buf[0], automatic(50));
    EXPECT_EQ(at(800, "03:59:00")->open_slot, 0);
    EXPECT_EQ(at(800, "22:00:00")->open_slot, 0);
}

TEST_F(Rules_lf, MarkerOrMachineTestByMinute) {
    struct Case {
        int freq;
        const char* when;
        const char* marker;
        int divisor, wpm;
    };
    for (const Case c : {Case{475, "14:01:00", "VVV VVV VVV DE KGH KGH KGH            ", 4, 40},
                         Case{476, "06:01:00", "VVV VVV VVV DE IRE IRE IRE            ", 3, 50},
                         Case{489, "06:01:00", "VVV VVV VVV DE OKP OKP OKP            ", 4, 60},
                         Case{515, "05:01:00", "VVV VVV VVV DE GIY GIY GIY            ", 3, 40},
                         Case{563, "06:01:00", "VVV VVV VVV DE GLP GLP GLP            ", 3, 50},
                         Case{645, "04:01:00", "VVV VVV VVV DE GBV GBV GBV            ", 4, 60},
                         Case{702, "05:01:00", "VVV VVV VVV DE SAJ SAJ SAJ            ", 3, 40},
                         Case{713, "02:01:00", "CQ CQ CQ DE KGH KGH KGH            ", 4, 40},
                         Case{759, "08:01:00", "VVV VVV VVV DE GLB GLB GLB            ", 4, 50},
                         Case{760, "08:01:00", "CQ CQ CQ DE GBV GBV GBV            ", 3, 40}}) {
        auto marker = at(c.freq, c.when);
        ASSERT_EQ(marker->open_slot, 1) << c.freq;
        expect_still(marker->send_buf[0], c.marker);
        std::string whole = c.when;
        whole.replace(3, 2, "12"); // divisible by 3 and by 4
        auto test = at(c.freq, whole);
        ASSERT_EQ(test->open_slot, 1) << c.freq;
        expect_still(test->send_buf[0], automatic(c.wpm));
        EXPECT_EQ(test->slot_params[0].spd, c.wpm);
        EXPECT_EQ(test->slot_params[0].ton, marker->slot_params[0].ton) << c.freq;
        EXPECT_EQ(test->slot_params[0].qsa, marker->slot_params[0].qsa) << c.freq;
    }
    // Each window closes: the hour before the first one.
    for (const auto& [freq, when] : std::vector<std::pair<int, const char*>>{
             {475, "13:59:00"}, {489, "05:59:00"}, {645, "03:59:00"}, {713, "14:00:00"}})
        EXPECT_EQ(at(freq, when)->open_slot, 0) << freq;
}

TEST_F(Rules_lf, NamelessTestTransmitters) {
    auto v55 = at(550, "23:01:00");
    ASSERT_EQ(v55->open_slot, 1);
    expect_still(v55->send_buf[0], "VVV VVV VVV VVV VVV VVV            ");
    expect_voice(*v55, 0, 20, 900, 3);
    auto v55_auto = at(550, "23:04:00");
    expect_still(v55_auto->send_buf[0], automatic(40));
    expect_voice(*v55_auto, 0, 40, 900, 3);

    auto v72 = at(728, "12:39:00");
    ASSERT_EQ(v72->open_slot, 1);
    expect_still(v72->send_buf[0], "VVV VVV VVV VVV VVV VVV            ");
    expect_voice(*v72, 0, 22, 1250, 2);
    EXPECT_EQ(at(728, "12:40:00")->open_slot, 0); // Hellschreiber: nothing keyed

    auto v97 = at(970, "18:01:00");
    ASSERT_EQ(v97->open_slot, 1);
    expect_still(v97->send_buf[0], "VVV VVV VVV VVV VVV            ");
    expect_voice(*v97, 0, 21, 1111, 2);
    expect_still(at(970, "05:56:00")->send_buf[0], automatic(60));
    EXPECT_EQ(at(970, "06:01:00")->open_slot, 0);
}

TEST_F(Rules_lf, FiftyFiveKilohertzByTheClock) {
    expect_still(at(550, "06:00:00")->send_buf[0], "VVV VVV VVV DE LCH LCH LCH            ");
    expect_still(at(550, "13:59:00")->send_buf[0], "VVV VVV VVV DE LCH LCH LCH            ");
    auto evening = at(550, "14:00:00");
    ASSERT_EQ(evening->open_slot, 1);
    expect_still(evening->send_buf[0], "CQ CQ CQ DE LCH LCH LCH            ");
    expect_voice(*evening, 0, 22, 654, 2);
    expect_still(at(550, "22:01:00")->send_buf[0], "VVV VVV VVV VVV VVV VVV            ");
    expect_still(at(550, "05:59:00")->send_buf[0], "VVV VVV VVV VVV VVV VVV            ");
}

TEST_F(Rules_lf, TimeSignalOf77Kilohertz) {
    for (const char* when : {"00:00:00", "12:34:56", "23:59:59"}) {
        auto a = at(775, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        EXPECT_EQ(a->send_buf[0], marks() + kTail);
        expect_voice(*a, 0, 24, 1000, 4);
        EXPECT_EQ(a->slot_params[0].bw, 1);
    }
    // The other time signals keep the normal bandwidth.
    EXPECT_EQ(at(500, "12:55:00")->slot_params[0].bw, 0);
    EXPECT_EQ(at(600, "12:55:00")->slot_params[0].bw, 0);
}

TEST_F(Rules_lf, SeventyFiveKilohertz) {
    expect_still(at(750, "06:00:00")->send_buf[0], "VVV VVV VVV DE SYC SYC SYC            ");
    expect_voice(*at(750, "17:54:00"), 0, 25, 815, 2);
    auto jgh = at(750, "18:00:00");
    ASSERT_EQ(jgh->open_slot, 1);
    expect_still(jgh->send_buf[0], "VVV VVV VVV DE JGH JGH JGH            ");
    expect_voice(*jgh, 0, 22, 963, 5);
    for (const char* when : {"05:55:00", "17:59:00"}) {
        auto ts = at(750, when);
        ASSERT_EQ(ts->open_slot, 1) << when;
        EXPECT_EQ(ts->send_buf[0], marks() + kTail);
    }
}

TEST_F(Rules_lf, FrenchNavyAt909ByTheClock) {
    struct Case {
        const char* when;
        const char* call;
    };
    for (const Case c : {Case{"00:00:00", "FUC"}, Case{"04:59:00", "FUC"}, Case{"05:00:00", "FUR"},
                         Case{"09:59:00", "FUR"}, Case{"10:00:00", "FUT"}, Case{"13:59:00", "FUT"},
                         Case{"14:00:00", "FUK"}, Case{"18:59:00", "FUK"}, Case{"19:00:00", "FUQ"},
                         Case{"23:59:00", "FUQ"}}) {
        auto a = at(909, c.when);
        ASSERT_EQ(a->open_slot, 1) << c.when;
        const std::string call = c.call;
        expect_still(a->send_buf[0],
                     "VVV VVV VVV DE " + call + " " + call + " " + call + "            ");
    }
    expect_voice(*at(909, "12:00:00"), 0, 16, 884, 5);
}

TEST_F(Rules_lf, EightyFiveSevenShared) {
    auto icx = at(857, "00:19:00");
    ASSERT_EQ(icx->open_slot, 1);
    EXPECT_EQ(icx->send_buf[0], spark("CQ CQ CQ DE ICX ICX ICX  K"));
    expect_voice(*icx, 0, 16, 960, 3);
    EXPECT_EQ(at(857, "00:20:00")->open_slot, 0);

    auto fuk = at(857, "06:00:00");
    ASSERT_EQ(fuk->open_slot, 1);
    expect_still(fuk->send_buf[0], "VVV VVV VVV DE FUK FUK FUK            ");
    expect_voice(*fuk, 0, 23, 986, 4);
    EXPECT_EQ(at(857, "17:57:00")->send_buf[0], marks() + kTail);

    auto oaz = at(857, "18:30:00");
    ASSERT_EQ(oaz->open_slot, 1);
    EXPECT_EQ(oaz->send_buf[0], "CQ CQ CQ DE OAZ OAZ OAZ = TFC LIST = SMAU SMBC OZAK = +" + kTail);
    expect_voice(*oaz, 0, 19, 1064, 5);
    EXPECT_EQ(at(857, "18:35:00")->open_slot, 0);

    auto rdw = at(857, "19:00:00");
    ASSERT_EQ(rdw->open_slot, 1);
    expect_still(rdw->send_buf[0], "VVV VVV VVV DE RDW RDW RDW            ");
    // RDW also at 70.6 kHz in the second half of the day.
    expect_still(at(706, "12:00:00")->send_buf[0], "VVV VVV VVV DE RDW RDW RDW            ");
    EXPECT_EQ(at(706, "11:59:00")->open_slot, 0);
}

TEST_F(Rules_lf, FixedTextsOnSchedule) {
    struct Case {
        int freq;
        const char* when;
        const char* text;
        int spd, ton, qsa;
    };
    for (const Case c :
         {Case{520, "14:04:00",
               "CQ CQ CQ DE MFT MFT MFT = WX = DEPRESSION 990 MBS MOVING EAST = WIND SW 5 TO 6 = +",
               17, 1063, 3},
          Case{554, "12:09:00", "KWT KWT KWT DE KNR KNR QTC 4 K", 21, 1193, 3},
          Case{794, "13:00:00", "KWT KWT KWT DE KNR KNR QTC 2 K", 21, 1193, 3},
          Case{580, "13:50:00", "CQ CQ CQ DE NSC NSC NSC = NAVY PRESS = FLEET ORDERS FOLLOW = +",
               23, 950, 3},
          Case{850, "18:00:00", "CQ CQ CQ DE KOWNO KOWNO RADIO = PRESS ELTA NR 12 = +", 26, 808, 3},
          Case{900, "23:04:00", "CQ CQ CQ DE FUE FUE FUE = AVIS AUX NAVIGATEURS = +", 24, 911, 5},
          Case{902, "21:00:00", "CQ CQ CQ DE GYF2 GYF2 GYF2 = QTC 3 GENERAL = +", 20, 948, 2}}) {
        auto a = at(c.freq, c.when);
        ASSERT_EQ(a->open_slot, 1) << c.freq;
        EXPECT_EQ(a->send_buf[0], c.text + kTail) << c.freq;
        expect_voice(*a, 0, c.spd, c.ton, c.qsa);
    }
    // JJH's kana cipher groups, closed by the station itself.
    auto jjh = at(590, "07:39:00");
    ASSERT_EQ(jjh->open_slot, 1);
    EXPECT_TRUE(std::regex_match(jjh->send_buf[0], std::regex("([a-~]{4} ){101} \\+ de JJH {20}")))
        << jjh->send_buf[0];
    expect_voice(*jjh, 0, 24, 895, 2);
    EXPECT_EQ(jjh->slot_params[0].katokana, 1);
    EXPECT_EQ(at(554, "13:00:00")->open_slot, 0);
    EXPECT_EQ(at(554, "12:10:00")->open_slot, 0);
    EXPECT_EQ(at(794, "12:00:00")->open_slot, 0);
    EXPECT_EQ(at(590, "07:40:00")->open_slot, 0);
    EXPECT_EQ(at(590, "07:29:00")->open_slot, 0);
    EXPECT_EQ(at(902, "21:05:00")->open_slot, 0);
    // FUA's marker gives 58.0 kHz to NSC in minutes 50 - 59 of odd hours.
    expect_still(at(580, "13:49:00")->send_buf[0], "VVV VVV VVV DE FUA FUA FUA            ");
    expect_still(at(580, "12:50:00")->send_buf[0], "VVV VVV VVV DE FUA FUA FUA            ");
    EXPECT_EQ(at(580, "13:50:00")->open_slot, 1);
}

TEST_F(Rules_lf, SharedMarkersSplitByTheClock) {
    // 48.0 kHz NAU, 52.6 kHz LP, 94.5 kHz SPG, 90.1 kHz ZRH: even and odd hours.
    expect_still(at(480, "12:00:00")->send_buf[0], "VVV VVV VVV DE NAU NAU NAU            ");
    expect_still(at(480, "13:00:00")->send_buf[0],
                 "CQ CQ CQ DE NAU NAU NAU  NAVY SAN JUAN            ");
    expect_still(at(526, "12:00:00")->send_buf[0], "VVV VVV VVV DE LP LP LP            ");
    expect_still(at(526, "13:00:00")->send_buf[0], "CQ CQ CQ DE LP LP LP  +            ");
    expect_still(at(945, "12:00:00")->send_buf[0], "VVV VVV VVV DE SPG SPG SPG            ");
    expect_still(at(945, "13:00:00")->send_buf[0], "CQ CQ CQ DE SPG SPG SPG            ");
    expect_still(at(901, "02:00:00")->send_buf[0], "VVV VVV VVV DE ZRH ZRH ZRH            ");
    EXPECT_EQ(at(901, "03:00:00")->open_slot, 0);
    expect_still(at(901, "21:00:00")->send_buf[0], "CQ CQ CQ DE ZRH ZRH ZRH            ");
    for (const char* when : {"00:00:00", "12:59:00", "23:59:00"})
        EXPECT_EQ(at(480, when)->open_slot, 1) << when;

    // 90.0 kHz: WFB works WFC in the morning, WFD in the afternoon.
    expect_still(at(900, "11:59:00")->send_buf[0], "VVV VVV WFC WFC DE WFB WFB            ");
    expect_still(at(900, "12:00:00")->send_buf[0], "VVV VVV WFD WFD DE WFB WFB            ");
    EXPECT_EQ(at(900, "18:00:00")->open_slot, 0);

    // 66.0 kHz: XDA's spark hour, NPU at all other times.
    EXPECT_EQ(at(660, "10:00:00")->send_buf[0], spark("CQ CQ CQ DE XDA XDA XDA  K"));
    expect_still(at(660, "11:00:00")->send_buf[0], "VVV VVV VVV DE NPU NPU NPU            ");
    expect_still(at(660, "09:59:00")->send_buf[0], "VVV VVV VVV DE NPU NPU NPU            ");

    // 76.0 and 77.1 kHz: NDT and GLB by night.
    expect_still(at(760, "20:00:00")->send_buf[0], "VVV VVV VVV DE NDT NDT NDT            ");
    expect_still(at(771, "07:59:00")->send_buf[0], "CQ CQ CQ DE GLB GLB GLB            ");
    EXPECT_EQ(at(771, "08:00:00")->open_slot, 0);
}

TEST_F(Rules_lf, GycGroupMarkerInEvenHours) {
    auto group = at(782, "10:00:00");
    ASSERT_EQ(group->open_slot, 1);
    expect_still(group->send_buf[0], "VVV VVV DE GYC GYC2 GYC3 GYC4 GYC5 GYC6            ");
    expect_voice(*group, 0, 17, 574, 4);
    auto own = at(782, "11:59:00");
    ASSERT_EQ(own->open_slot, 1);
    expect_still(own->send_buf[0], "VVV VVV VVV DE GYC GYC GYC            ");
}

TEST_F(Rules_lf, HellschreiberFrequenciesStaySilent) {
    for (int freq : {408, 546, 557, 649, 763})
        for (const char* when : {"03:00:00", "12:00:00"})
            EXPECT_EQ(at(freq, when)->open_slot, 0) << freq;
}

TEST_F(Rules_lf, SparkCallsOnSchedule) {
    EXPECT_EQ(at(508, "12:05:00")->send_buf[0], spark("CQ CQ CQ DE ICI ICI ICI  K"));
    EXPECT_EQ(at(508, "12:10:00")->open_slot, 0);
    EXPECT_EQ(at(508, "13:05:00")->open_slot, 0);
    EXPECT_EQ(at(670, "23:04:00")->send_buf[0], spark("CQ CQ CQ DE ICD ICD ICD  METEO  K"));
    EXPECT_EQ(at(670, "23:05:00")->open_slot, 0);
    auto ff = at(833, "16:15:00");
    ASSERT_EQ(ff->open_slot, 1);
    EXPECT_EQ(ff->send_buf[0], spark("CQ CQ CQ DE FF FF FF  QTC K"));
    expect_voice(*ff, 0, 25, 1140, 2);
    EXPECT_EQ(at(833, "16:14:00")->open_slot, 0);
}

} // namespace
} // namespace zenka
