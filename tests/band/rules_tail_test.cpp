#include "band/catalogue.h"
#include "band/station_voices.h"
#include "compose/air.h"
#include "support/band_pass.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::expect_still;
using test::two;
using test::slots;
const std::string& kTail = test::kStackTail;

class Rules_tail : public test::BandPass {
  protected:
    // The tail's rules alone at `freq`, without the beacons of the frequency.
    std::unique_ptr<Air> tail_pass(int freq, const std::string& when) {
        auto a = tuned(freq, when);
        for (const Rule& rule : tail_block())
            if (rule.freq.contains(freq) && !test::chat_or_aero_only(rule)) rule.act(*a);
        return a;
    }
};

std::string at_time(int hour, int minute, int second = 0) {
    return "2024-01-07T" + two(hour) + ":" + two(minute) + ":" + two(second) + "Z";
}

// A spark call: the pause of send_spark, the text, and the pause of send_stack,
// longer for a hand or bug key.
std::string spark_slot(const std::string& text, bool by_hand) {
    return std::string(120, ' ') + text + kTail + (by_hand ? std::string(160, ' ') : "");
}

// A call by send_cond: a pause of none or one group, the text only when the
// millisecond is odd, and the long pause of a hand-keyed emission.
void expect_cond_slot(const std::string& slot, const std::string& text, bool heard) {
    const std::string tail = (heard ? text : "") + kTail + std::string(160, ' ');
    ASSERT_TRUE(slot.ends_with(tail)) << slot;
    const std::size_t pause = slot.size() - tail.size();
    EXPECT_TRUE(pause == 0 || pause == 4) << slot;
    EXPECT_EQ(slot.find_first_not_of(' '), heard ? pause : std::string::npos);
}

void expect_voice(const Air& a, int k, Voice v) {
    const EmissionParams& p = a.slot_params[static_cast<std::size_t>(k)];
    EXPECT_EQ(p.spd, v.spd) << k;
    EXPECT_EQ(p.ton, v.ton) << k;
    EXPECT_EQ(p.qsa, v.qsa) << k;
}

TEST_F(Rules_tail, SparkShipCallsCover665_1To666_9) {
    const std::string kat = spark_slot("CQ CQ CQ V KAT KAT KAT UP 6TT K", false);
    const std::string fsm = spark_slot("< FEI FEI FEU FEU V FSM FSM FSM QTE? K", true);
    const std::string kau = spark_slot("CQ CQ CQ V KAU KAU KAU UP 6TT K", false);
    int kat_heard = 0, fsm_heard = 0, kau_heard = 0, both = 0;
    for (int minute : {0, 29, 30, 59}) {
        for (int second = 0; second < 60; second += 3) {
            const std::string when = "2024-01-07T23:" + two(minute) + ":" + two(second) + ".357Z";
            auto low = pass(6651, when);
            auto high = pass(6669, when);
            EXPECT_EQ(slots(*low), slots(*high)) << when;
            const std::vector<std::string> s = slots(*low);
            std::size_t k = 0;
            if (minute < 30) {
                if (k < s.size() && s[k] == kat) {
                    EXPECT_EQ(low->slot_params[k].spd, 17);
                    EXPECT_EQ(low->slot_params[k].ton, 590);
                    EXPECT_EQ(low->slot_params[k].qsa, 4);
                    EXPECT_EQ(low->slot_params[k].qrh, 1);
                    EXPECT_EQ(low->slot_params[k].spark, 1);
                    ++kat_heard, ++k;
                }
                if (k < s.size() && s[k] == fsm) {
                    EXPECT_EQ(low->slot_params[k].spd, 15);
                    EXPECT_EQ(low->slot_params[k].ton, 550);
                    EXPECT_EQ(low->slot_params[k].qsa, 3);
                    EXPECT_EQ(low->slot_params[k].hand, 1);
                    EXPECT_EQ(low->slot_params[k].qrh, 0);
                    both += k == 1;
                    ++fsm_heard, ++k;
                }
            } else if (k < s.size() && s[k] == kau) {
                EXPECT_EQ(low->slot_params[k].spd, 16);
                EXPECT_EQ(low->slot_params[k].ton, 510);
                EXPECT_EQ(low->slot_params[k].qsa, 4);
                ++kau_heard, ++k;
            }
            EXPECT_EQ(k, s.size()) << when;
            EXPECT_TRUE(slots(*pass(6650, when)).empty()) << when;
            EXPECT_TRUE(slots(*pass(6670, when)).empty()) << when;
        }
    }
    EXPECT_GT(kat_heard, 0);
    EXPECT_GT(fsm_heard, 0);
    EXPECT_GT(kau_heard, 0);
    EXPECT_GT(both, 0);
    EXPECT_LT(kat_heard, 40); // one chance in three of the 40 passes
}

TEST_F(Rules_tail, SparkWeatherNetFrom999kHzUp) {
    struct Case {
        int hour, minute;
        std::string text; // empty: nothing
        int spd, ton, qsa;
    };
    const std::vector<Case> cases = {
        {6, 14, "", 0, 0, 0},
        {7, 0, "< CQ CQ CQ V KAG KAG KAG METEO ", 14, 560, 2},
        {7, 4, "< CQ CQ CQ V KAG KAG KAG METEO ", 14, 560, 2},
        {7, 5, "< CQ CQ CQ V KAF KAF KAF METEO ", 15, 560, 2},
        {7, 9, "< CQ CQ CQ V KAF KAF KAF METEO ", 15, 560, 2},
        {7, 10, "< < < KBR KBR KBR METEO ", 15, 560, 2},
        {7, 14, "< < < KBR KBR KBR METEO ", 15, 560, 2},
        {8, 0, "", 0, 0, 0},
        {12, 10, "", 0, 0, 0},
        {12, 14, "", 0, 0, 0},
        {12, 15, "< KAF KAF KAF V KBR KBR K", 15, 540, 2},
        {12, 19, "< KAF KAF KAF V KBR KBR K", 15, 540, 2},
        {12, 20, "< < ^ ^ KAJ KAJ KAJ V KBW K", 14, 550, 3},
        {12, 29, "< < ^ ^ KAJ KAJ KAJ V KBW K", 14, 550, 3},
        {12, 40, "<<< KAG KAG KAG V KBL + K", 16, 520, 5},
        {12, 45, "<<< KAG KAG KAG V KBL + K", 16, 520, 5},
        {23, 59, "<<< KAG KAG KAG V KBL + K", 16, 520, 5},
    };
    for (const Case& c : cases) {
        for (int freq : {9990, 10000}) {
            const std::string when = at_time(c.hour, c.minute, 21);
            auto a = pass(freq, when);
            if (c.text.empty()) {
                EXPECT_EQ(a->open_slot, 0) << when;
                continue;
            }
            ASSERT_EQ(a->open_slot, 1) << when;
            EXPECT_EQ(a->send_buf[0], spark_slot(c.text, true)) << when;
            expect_voice(*a, 0, {c.spd, c.ton, c.qsa});
            EXPECT_EQ(a->slot_params[0].hand, 1);
            EXPECT_EQ(a->slot_params[0].spark, 1);
        }
    }
    EXPECT_EQ(pass(9989, at_time(12, 45))->open_slot, 0);

    // Minutes 30 - 39: KBC after a bug key with a drawn weighting.
    for (int minute : {30, 39}) {
        const std::string when = at_time(3, minute, 8);
        auto a = pass(10000, when);
        auto twin = tuned(10000, when);
        twin->bug();
        ASSERT_EQ(a->open_slot, 1);
        EXPECT_EQ(a->send_buf[0], spark_slot("<  KBW KBW KBW V KBC K", twin->rto != 0));
        EXPECT_EQ(a->slot_params[0].rto, twin->rto);
        expect_voice(*a, 0, {12, 530, 4});
    }

    // Without the historical stations the band is silent.
    ReceiverSettings no_hist;
    no_hist.hist = 0;
    auto quiet = pass(9990, at_time(12, 45), no_hist);
    EXPECT_EQ(quiet->open_slot, 0);
}

TEST_F(Rules_tail, DirectionFindingCallsOn375kHzByChance) {
    const std::string zkn = "CQ CQ CQ DE ZKN ZKN ZKN  HR WX ON RQ + K" + kTail;
    const std::string lml = "CQ CQ CQ DE LML LML LML K" + kTail;
    int zkn_heard = 0, lml_heard = 0, both = 0;
    const int passes = 256;
    for (int seed = 0; seed < passes; ++seed) {
        // The random state as earlier retunes left it.
        auto a = tuned(3750, at_time(9, seed % 60, seed % 53));
        a->random.seed = static_cast<std::uint32_t>(seed) * 2654435761u;
        for (const Rule& rule : tail_block())
            if (rule.freq.contains(3750)) rule.act(*a);
        const std::vector<std::string> s = slots(*a);
        // A ship (even minutes) or an aircraft (odd minutes) asks for its bearing first.
        std::size_t k = 0;
        while (k < s.size() && (s[k].find("QTE? K") != std::string::npos ||
                                s[k].find(std::string(55, 'A')) != std::string::npos))
            ++k;
        const std::size_t first = k;
        if (k < s.size() && s[k] == zkn) {
            expect_voice(*a, static_cast<int>(k), {17, 1690, 1});
            ++zkn_heard, ++k;
        }
        if (k < s.size() && s[k] == lml) {
            expect_voice(*a, static_cast<int>(k), {23, 890, 3});
            both += k == first + 1;
            ++lml_heard, ++k;
        }
        EXPECT_EQ(k, s.size());
    }
    EXPECT_GT(zkn_heard, 0);
    EXPECT_GT(lml_heard, 0);
    EXPECT_GT(both, 0) << zkn_heard << " " << lml_heard;
    EXPECT_LT(zkn_heard, passes / 2);
    EXPECT_LT(lml_heard, passes / 2);
}

TEST_F(Rules_tail, WeatherAndPressOn333kHzByHour) {
    const std::string gfyv = "CQ CQ CQ DE GFYV GFYV GFYV WX *             ";
    for (const char* when : {"2024-01-07T06:15:10Z", "2024-01-07T06:19:10Z", "2024-01-07T12:15:10Z",
                             "2024-01-07T12:19:10Z"}) {
        auto a = pass(3330, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_still(a->send_buf[0], gfyv);
        expect_voice(*a, 0, {26, 888, 1});
    }
    for (const char* when : {"2024-01-07T06:14:10Z", "2024-01-07T06:20:10Z", "2024-01-07T12:14:10Z",
                             "2024-01-07T18:15:10Z"})
        EXPECT_EQ(pass(3330, when)->open_slot, 0) << when;

    for (const char* when : {"2024-01-07T15:00:10Z", "2024-01-07T15:14:10Z", "2024-01-07T20:00:10Z",
                             "2024-01-07T20:14:10Z"}) {
        auto a = pass(3330, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        EXPECT_TRUE(a->send_buf[0].starts_with("cq cq cq de cla cla  emission  de  noticias"));
        EXPECT_TRUE(a->send_buf[0].ends_with(" fin  de cla +" + kTail));
        expect_voice(*a, 0, {30, 1770, 1});
    }
    for (const char* when : {"2024-01-07T14:59:10Z", "2024-01-07T15:15:10Z", "2024-01-07T19:59:10Z",
                             "2024-01-07T20:15:10Z"})
        EXPECT_EQ(pass(3330, when)->open_slot, 0) << when;

    auto cla = pass(3330, "2024-01-07T14:00:10Z");
    ASSERT_EQ(cla->open_slot, 1);
    EXPECT_EQ(cla->send_buf[0], "CQ CQ CQ DE CLA CLA CLA WX " + kTail);
    expect_voice(*cla, 0, {23, 888, 1});
    EXPECT_EQ(pass(3330, "2024-01-07T14:15:10Z")->open_slot, 0);

    for (const char* when : {"2024-01-07T00:00:10Z", "2024-01-07T00:14:10Z", "2024-01-07T16:00:10Z",
                             "2024-01-07T16:14:10Z"}) {
        auto a = pass(3330, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        EXPECT_EQ(a->send_buf[0], spark_slot("CQ CQ CQ DE XAE XAE XAE METEO              ", false));
        expect_voice(*a, 0, {16, 500, 1});
        EXPECT_EQ(a->slot_params[0].spark, 1);
    }
    EXPECT_EQ(pass(3330, "2024-01-07T00:15:10Z")->open_slot, 0);
    EXPECT_EQ(pass(3330, "2024-01-07T16:15:10Z")->open_slot, 0);

    // Not beside the frequency.
    EXPECT_EQ(pass(3329, "2024-01-07T15:00:10Z")->open_slot, 0);
    EXPECT_EQ(pass(3331, "2024-01-07T14:00:10Z")->open_slot, 0);
}

TEST_F(Rules_tail, AircraftReportOn374kHzIsItsOwnEmission) {
    const std::regex form("^[A-Z][1-9][A-Z] QTR 09(0[0-9]|1[0-9]) QAH [0-9]{1,2}00 K {20}$");
    int heard = 0, silent = 0;
    for (int minute = 0; minute < 20; ++minute) {
        for (int second : {4, 31}) {
            const std::string when = at_time(9, minute, second);
            auto a = pass(3740, when);
            auto twin = tuned(3740, when);
            if (!twin->cond(3)) {
                EXPECT_EQ(a->open_slot, 0) << when;
                ++silent;
                continue;
            }
            twin->nato_call3();
            const int height = static_cast<int>(twin->myrand() % 60) + 5;
            char report[64];
            std::snprintf(report, sizeof report, "%s QTR 09%02d QAH %d00 K", twin->str2.c_str(),
                          minute, height);
            ASSERT_EQ(a->open_slot, 1) << when;
            EXPECT_EQ(a->send_buf[0], report + kTail) << when;
            EXPECT_TRUE(std::regex_match(a->send_buf[0], form)) << a->send_buf[0];
            ++heard;
        }
    }
    EXPECT_GT(heard, 0);
    EXPECT_GT(silent, 0);
    for (int second = 0; second < 60; second += 4) {
        EXPECT_EQ(pass(3739, at_time(9, 1, second))->open_slot, 0);
        EXPECT_EQ(pass(3741, at_time(9, 1, second))->open_slot, 0);
    }
}

std::string storm(const std::string& call) {
    const std::string call3 = call + " " + call + " " + call;
    const std::string once = "CQ CQ CQ V " + call3 + " AVVISI TEMPESTA    ";
    return once + once + once + kTail;
}

TEST_F(Rules_tail, StormWarningsOn400kHzCloseTheirOwnSlots) {
    struct Case {
        int hour, minute;
        const char* call;
        Voice voice;
    };
    for (const Case& c :
         {Case{8, 0, "IDL", Station("IDL").voice}, Case{8, 4, "IDL", Station("IDL").voice},
          Case{8, 5, "ICH", Station("ICH").voice}, Case{8, 10, "ICV", Station("ICV").voice},
          Case{8, 14, "ICV", Station("ICV").voice}, Case{8, 25, "ICA", Station("ICA").voice},
          Case{8, 29, "ICA", Station("ICA").voice}, Case{18, 0, "IDL", Station("IDL").voice},
          Case{18, 5, "ICH", Station("ICH").voice}, Case{18, 10, "ICV", Station("ICV").voice},
          Case{18, 25, "ICA", Station("ICA").voice}}) {
        const std::string when = at_time(c.hour, c.minute, 40);
        auto a = pass(4000, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        EXPECT_EQ(a->send_buf[0], storm(c.call)) << when;
        expect_voice(*a, 0, c.voice);
    }
    for (const char* when : {"2024-01-07T08:15:40Z", "2024-01-07T08:20:40Z", "2024-01-07T08:30:40Z",
                             "2024-01-07T09:00:40Z", "2024-01-07T18:30:40Z"})
        EXPECT_EQ(pass(4000, when)->open_slot, 0) << when;

    // At 13:00 INM's marker runs too, and its rule comes first.
    for (int minute : {0, 5, 10, 25}) {
        auto a = pass(4000, at_time(13, minute, 40));
        ASSERT_EQ(a->open_slot, 2) << minute;
        expect_still(a->send_buf[0], "VVV VVV VVV DE INM INM INM            ");
        expect_voice(*a, 0, Station("INM").voice);
        const char* call = minute == 0 ? "IDL" : minute == 5 ? "ICH" : minute == 10 ? "ICV" : "ICA";
        EXPECT_EQ(a->send_buf[1], storm(call));
    }
    auto late = pass(4000, at_time(14, 0, 40));
    EXPECT_EQ(late->open_slot, 0);

    // Beside 400.0 kHz nothing of it.
    EXPECT_EQ(pass(3999, at_time(8, 0, 40))->open_slot, 0);
    EXPECT_EQ(pass(4001, at_time(13, 0, 40))->open_slot, 0);
}

TEST_F(Rules_tail, MarkersAndMessagesShare400kHzByTheClock) {
    auto nma = pass(4000, at_time(5, 59, 12));
    ASSERT_EQ(nma->open_slot, 1);
    expect_still(nma->send_buf[0], "VVV VVV VVV DE NMA NMA NMA            ");
    expect_voice(*nma, 0, Station("NMA").voice);

    for (int minute : {0, 29, 40, 59}) {
        auto tim = pass(4000, at_time(20, minute, 12));
        ASSERT_EQ(tim->open_slot, 1) << minute;
        expect_still(tim->send_buf[0], "VVV VVV VVV DE TIM TIM TIM            ");
    }
    for (int minute : {30, 39}) {
        auto tim = pass(4000, at_time(23, minute, 12));
        ASSERT_EQ(tim->open_slot, 1) << minute;
        EXPECT_EQ(tim->send_buf[0], "CQ CQ CQ DE TIM TIM TIM QTC 2 = K" + kTail);
        expect_voice(*tim, 0, Station("TIM").voice);
    }
    EXPECT_EQ(pass(4000, at_time(19, 59, 12))->open_slot, 0);

    auto hjw = pass(4000, at_time(16, 4, 12));
    ASSERT_EQ(hjw->open_slot, 1);
    EXPECT_EQ(hjw->send_buf[0], "CQ CQ CQ DE HJW HJW HJW QRU? K" + kTail);
    EXPECT_EQ(pass(4000, at_time(16, 5, 12))->open_slot, 0);

    auto jtj = pass(4000, at_time(15, 30, 12));
    ASSERT_EQ(jtj->open_slot, 1);
    EXPECT_EQ(jtj->send_buf[0], spark_slot("CQ CQ CQ DE JTJ JTJ JTJ K", false));
    auto ico = pass(4000, at_time(19, 29, 12));
    ASSERT_EQ(ico->open_slot, 1);
    EXPECT_EQ(ico->send_buf[0], spark_slot("CQ CQ CQ V ICO ICO ICO K", false));
    EXPECT_EQ(pass(4000, at_time(19, 30, 12))->open_slot, 0);
}

TEST_F(Rules_tail, SharedFrequenciesSplitTheHourInRuleOrder) {
    // 231.0 kHz: RAO, RBA, GEH and the EG net.
    auto rao = pass(2310, "2024-01-07T12:04:03.001Z");
    ASSERT_EQ(rao->open_slot, 1);
    expect_cond_slot(rao->send_buf[0], "CQ CQ CQ DE RAO RAO RAO QRU? K", true);
    auto rao_rba = pass(2310, "2024-01-07T12:30:03.002Z");
    ASSERT_EQ(rao_rba->open_slot, 1);
    expect_cond_slot(rao_rba->send_buf[0], "RBA RBA RBA DE RAO RAO RAO QTC? K", false);
    auto rba = pass(2310, at_time(12, 35, 3));
    ASSERT_EQ(rba->open_slot, 1);
    EXPECT_EQ(rba->send_buf[0],
              "RAO RAO DE RBA RBA QTC 1 = 12 = 04715 33082 61940 17753 = K" + kTail);
    auto geh = pass(2310, at_time(12, 29, 3));
    ASSERT_EQ(geh->open_slot, 1);
    expect_still(geh->send_buf[0], "VVV VVV VVV DE GEH GEH GEH            ");
    auto egj_day = pass(2310, at_time(12, 40, 3));
    ASSERT_EQ(egj_day->open_slot, 1);
    EXPECT_EQ(egj_day->send_buf[0], "EGA EGQ EGH EGM DE EGJ QTC? K" + kTail);
    auto egj_night = pass(2310, at_time(20, 43, 3));
    ASSERT_EQ(egj_night->open_slot, 2);
    expect_still(egj_night->send_buf[0], "VVV VVV VVV DE GEH GEH GEH            ");
    EXPECT_EQ(egj_night->send_buf[1], "EGA EGQ EGH EGM DE EGJ QTC? K" + kTail);
    auto egm = pass(2310, at_time(20, 59, 3));
    ASSERT_EQ(egm->open_slot, 2);
    EXPECT_EQ(egm->send_buf[1], "EGJ DE EGM QRU SK" + kTail);
    expect_voice(*egm, 1, Station("EGM").voice);

    // 240.0 kHz: the spark net by ten minutes, then EGF's marker and HPN2's call.
    EXPECT_EQ(slots(*pass(2400, at_time(12, 9, 3))),
              std::vector<std::string>{spark_slot("KBN KBN KBN DE KAL KAL KAL K", false)});
    EXPECT_EQ(slots(*pass(2400, at_time(12, 10, 3))),
              std::vector<std::string>{spark_slot("KAL KAL DE KBN KBN KBN QRK? K", false)});
    EXPECT_EQ(slots(*pass(2400, at_time(12, 39, 3))),
              std::vector<std::string>{spark_slot("CQ CQ CQ DE F@L F@L F@L K", false)});
    auto egf = pass(2400, at_time(12, 44, 3));
    ASSERT_EQ(egf->open_slot, 1);
    expect_still(egf->send_buf[0], "VVV VVV VVV DE EGF EGF EGF            ");
    auto hpn2 = pass(2400, at_time(12, 45, 3));
    ASSERT_EQ(hpn2->open_slot, 2);
    expect_still(hpn2->send_buf[0], "VVV VVV VVV DE EGF EGF EGF            ");
    const std::string& vvv = hpn2->send_buf[1];
    EXPECT_TRUE(vvv.starts_with("VVV"));
    EXPECT_NE(vvv.find(" HPN2 HPN2 QSA? VVV"), std::string::npos);
    EXPECT_TRUE(vvv.substr(0, vvv.find_last_not_of(' ') + 1).ends_with(" K"));
    EXPECT_EQ(pass(2400, at_time(12, 45, 4))->open_slot, 1); // a call only at seconds 0, 3, 6 ...

    // 250.0 kHz: VYR's list before ESB's marker, the time signal alone.
    auto vyr = pass(2500, at_time(3, 10, 3));
    ASSERT_EQ(vyr->open_slot, 2);
    EXPECT_TRUE(
        vyr->send_buf[0].ends_with("CQ CQ CQ DE VYR VYR VYR TFC LIST = QSX 250 KCS +" + kTail));
    expect_voice(*vyr, 0, Station("VYR").voice);
    expect_still(vyr->send_buf[1], "VVV VVV VVV DE ESB ESB ESB            ");
    auto ts = pass(2500, at_time(3, 57, 3));
    ASSERT_EQ(ts->open_slot, 1);
    std::string es;
    for (int i = 0; i < 100; ++i)
        es += "E    ";
    EXPECT_EQ(ts->send_buf[0], es + kTail);
    expect_voice(*ts, 0, {24, 1000, 4});
    auto fia = pass(2500, at_time(8, 20, 3));
    ASSERT_EQ(fia->open_slot, 1);
    EXPECT_EQ(fia->send_buf[0], "CQ CQ CQ DE FIA FIA FIA QTC 2 = K" + kTail);
    auto idm = pass(2500, at_time(15, 56, 3));
    ASSERT_EQ(idm->open_slot, 1);
    expect_still(idm->send_buf[0], "VVV VVV VVV DE IDM IDM IDM            ");
    auto kcb = pass(2500, at_time(16, 0, 3));
    EXPECT_EQ(slots(*kcb),
              std::vector<std::string>{spark_slot("CQ CQ CQ DE KCB KCB KCB K", false)});
    auto wsem = pass(2500, at_time(23, 34, 3));
    EXPECT_EQ(slots(*wsem), std::vector<std::string>{"CQ CQ CQ DE WSEM WSEM WSEM QRU? K" + kTail});
    EXPECT_EQ(pass(2500, at_time(12, 5, 3))->open_slot, 0);
    EXPECT_EQ(pass(2499, at_time(3, 10, 3))->open_slot, 0);
    EXPECT_EQ(pass(2501, at_time(3, 10, 3))->open_slot, 0);
}

TEST_F(Rules_tail, TimeSignalsOf285And300kHz) {
    std::string es;
    for (int i = 0; i < 100; ++i)
        es += "E    ";
    const std::string marker = "VVV VVV VVV DE LOL LOL LOL            ";
    for (const char* when :
         {"2024-01-07T01:54:30Z", "2024-01-07T02:55:30Z", "2024-01-07T13:00:30Z"}) {
        auto a = tail_pass(2850, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_still(a->send_buf[0], marker);
        expect_voice(*a, 0, Station("LOL").voice);
    }
    for (const char* when :
         {"2024-01-07T01:55:30Z", "2024-01-07T13:59:30Z", "2024-01-07T21:55:30Z"}) {
        auto a = tail_pass(2850, when);
        ASSERT_EQ(a->open_slot, 1) << when;
        EXPECT_EQ(a->send_buf[0], "LOL  TIME  " + es + kTail) << when;
        EXPECT_EQ(a->slot_params[0].spd, 24);
        EXPECT_EQ(a->slot_params[0].ton, Station("LOL").voice.ton);
    }

    std::string cq, signaes;
    for (int i = 0; i < 4; ++i)
        cq += "CQ CQ CQ DE PPR PPR PPR  ";
    for (int i = 0; i < 3; ++i)
        signaes += "SIGNAES HORARIOS DE PPR  ";
    // The call, then the Brazilian weather forecast in the same emission.
    for (const auto& when : {at_time(1, 50, 9), at_time(13, 54, 9)}) {
        const auto ppr = slots(*tail_pass(3000, when));
        ASSERT_EQ(ppr.size(), 1u);
        EXPECT_TRUE(ppr[0].starts_with(cq + "= PART THREE = WEATHER FCST VALID FM ")) << ppr[0];
        EXPECT_TRUE(ppr[0].ends_with("METEOROMARINHA RIO = " + std::string(12, ' ') + kTail));
    }
    EXPECT_EQ(slots(*tail_pass(3000, at_time(1, 55, 9))),
              std::vector<std::string>{signaes + kTail});
    EXPECT_EQ(slots(*tail_pass(3000, at_time(13, 58, 9))),
              std::vector<std::string>{signaes + kTail});
    auto signal = tail_pass(3000, at_time(1, 59, 9));
    EXPECT_EQ(slots(*signal), std::vector<std::string>{"PPR  TIME  " + es + kTail});
    expect_voice(*signal, 0, {24, Station("PPR").voice.ton, Station("PPR").voice.qsa});
    auto call = tail_pass(3000, at_time(1, 50, 9));
    // The forecast keys the whole emission at 21 words per minute.
    expect_voice(*call, 0, {21, Station("PPR").voice.ton, Station("PPR").voice.qsa});
    EXPECT_EQ(tail_pass(3000, at_time(1, 49, 9))->open_slot, 0);
    EXPECT_EQ(tail_pass(3000, at_time(2, 50, 9))->open_slot, 0);
}

// Stations of one message each, at the first and the last minute of their windows.
TEST_F(Rules_tail, MessagesAtTheEdgesOfTheirWindows) {
    struct Case {
        int freq;
        int hour, first, last; // minutes first .. last of the hour are on the air
        const char* call;
        const char* text;
    };
    const std::vector<Case> cases = {
        {2075, 10, 50, 54, "FL",
         "CQ CQ CQ DE FL FL FL = BULLETIN METEOROLOGIQUE = VENT OUEST FORCE 4 A 5 "
         "MER AGITEE VISIBILITE BONNE = DE FL +"},
        {2145, 4, 30, 34, "EGK", "CQ CQ CQ DE EGK EGK EGK QTC 3 QRV? K"},
        {2220, 7, 30, 34, "AEX", "CQ CQ CQ DE AEX AEX AEX QTC 1 K"},
        {2720, 2, 0, 4, "LJB", "CQ CQ CQ DE LJB LJB LJB = WX = K"},
        {2750, 6, 0, 4, "UPV", "CQ CQ CQ DE UPV UPV UPV WX = K"},
        {2750, 0, 0, 4, "UPV", "CQ CQ CQ DE UPV UPV UPV NAVIGATIONAL WARNING K"},
        {2900, 22, 0, 4, "UHY", "CQ CQ CQ DE UHY UHY UHY WX = K"},
        {3210, 15, 0, 4, "UPV", "CQ CQ CQ DE UPV UPV UPV QTC? K"},
        {3225, 9, 40, 44, "UPV", "CQ CQ CQ DE UPV UPV UPV OBS QRV K"},
        {3430, 18, 20, 24, "UFU", "CQ CQ CQ DE UFU UFU UFU QTC? K"},
        {3450, 5, 25, 29, "UPM", "CQ CQ CQ DE UPM UPM UPM WX K"},
        {3800, 13, 30, 34, "SPH", "CQ CQ CQ DE SPH SPH SPH QTC? K"},
        {3850, 10, 0, 4, "UAY", "UCB UCB UCB DE UAY UAY QTC? K"},
        {3850, 10, 5, 9, "UCB", "UAY UAY DE UCB UCB QRV K"},
        {4030, 16, 0, 4, "HPK", "CQ CQ CQ DE HPK HPK HPK QTC? K"},
        {5380, 3, 15, 19, "WYM", "CQ CQ CQ DE WYM WYM WYM QTC? K"},
        {5380, 3, 20, 24, "WYG", "CQ CQ CQ DE WYG WYG WYG QTC? K"},
        {5380, 3, 25, 29, "WZY", "CQ CQ CQ DE WZY WZY WZY QTC? K"},
        {6600, 20, 0, 4, "WRL", "CQ CQ CQ DE WRL WRL WRL QTC? K"},
    };
    for (const Case& c : cases) {
        for (int minute : {c.first, c.last}) {
            const std::string when = at_time(c.hour, minute, 50);
            auto a = tail_pass(c.freq, when);
            ASSERT_EQ(a->open_slot, 1) << when << " " << c.call;
            EXPECT_EQ(a->send_buf[0], std::string(c.text) + kTail) << when;
        }
        // Not in the minute before or after.
        for (int minute : {c.first - 1, c.last + 1}) {
            if (minute < 0 || minute > 59) continue;
            for (const std::string& s : slots(*tail_pass(c.freq, at_time(c.hour, minute, 50))))
                EXPECT_EQ(s.find(c.text), std::string::npos) << c.call << " " << minute;
        }
    }
    // The voice is the station's own.
    auto fl = tail_pass(2075, at_time(10, 50));
    expect_voice(*fl, 0, Station("FL").voice);
    auto ucb = tail_pass(3850, at_time(10, 5));
    expect_voice(*ucb, 0, Station("UCB").voice);
}

TEST_F(Rules_tail, MarkersRunInTheirHours) {
    struct Case {
        int freq;
        int on_hour, on_minute, off_hour, off_minute;
        const char* marker;
    };
    const std::vector<Case> cases = {
        {2075, 21, 49, 21, 50, "VVV VVV VVV DE YC YC YC            "},
        {2150, 5, 0, 23, 0, "VVV VVV VVV DE FQF FQF FQF            "},
        {6000, 22, 59, 4, 59, "VVV VVV VVV DE FQF FQF FQF            "},
        {2330, 11, 59, 12, 0, "VVV VVV VVV DE FNT FNT FNT            "},
        {2330, 12, 0, 0, 0, "VVV VVV VVV DE FWU FWU FWU            "},
        {2460, 6, 0, 18, 0, "VVV VVV VVV DE CNM CNM CNM            "},
        {2460, 18, 0, 6, 0, "CQ CQ CQ DE CNM CNM CNM QRU?            "},
        {2632, 18, 59, 19, 0, "VVV VVV VVV DE FLD FLD FLD            "},
        {2725, 20, 0, 4, 0, "VVV VVV VVV DE CQO CQO CQO            "},
        {2760, 9, 49, 9, 50, "VVV VVV VVV DE TFA TFA TFA            "},
        {2800, 6, 0, 18, 0, "VVV VVV VVV DE OPO OPO OPO            "},
        {3260, 4, 0, 20, 0, "VVV VVV VVV DE UOX UOX UOX            "},
        {3550, 7, 59, 16, 0, "VVV VVV VVV DE UHY UHY UHY            "},
        {3550, 8, 0, 16, 0, "VVV VVV VVV DE RAO RAO RAO            "},
        {3550, 16, 0, 8, 0, "VVV VVV VVV DE NPU NPU NPU            "},
        {3705, 22, 0, 6, 0, "VVV VVV VVV DE UIX UIX UIX            "},
        {3900, 9, 20, 9, 19, "VVV VVV VVV DE LRF LRF LRF            "},
        {5300, 9, 5, 9, 4, "VVV VVV VVV DE UEL UEL UEL            "},
        {6670, 6, 0, 22, 0, "VVV VVV VVV DE FUP FUP FUP            "},
    };
    for (const Case& c : cases) {
        auto on = tail_pass(c.freq, at_time(c.on_hour, c.on_minute, 17));
        ASSERT_EQ(on->open_slot, 1) << c.marker;
        expect_still(on->send_buf[0], c.marker);
        auto off = tail_pass(c.freq, at_time(c.off_hour, c.off_minute, 17));
        for (const std::string& s : slots(*off))
            EXPECT_EQ(s.find(c.marker), std::string::npos) << c.marker;
    }
    auto fqf = tail_pass(6000, at_time(12, 0));
    expect_voice(*fqf, 0, Station("FQF").voice);
    EXPECT_EQ(tail_pass(5999, at_time(12, 0))->open_slot, 0);
    EXPECT_EQ(tail_pass(2149, at_time(12, 0))->open_slot, 0);
}

TEST_F(Rules_tail, CallsByChanceInTheirMinutes) {
    struct Case {
        int freq, first, last; // minutes of the hour
        const char* text;
        Voice voice;
    };
    for (const Case& c :
         {Case{2050, 15, 29, "CQ CQ CQ DE XFIG XFIG XFIG QRU? K", Station("XFIG").voice},
          Case{2720, 10, 19, "CQ CQ CQ DE DDV DDV DDV QRU? K", Station("DDV").voice},
          Case{3900, 0, 19, "CQ CQ CQ DE VCA VCA VCA QRU? K", Station("VCA").voice},
          Case{7500, 40, 59, "CQ CQ CQ DE ZMK ZMK ZMK QRU? K", Station("ZMK").voice}}) {
        int heard = 0, silent = 0, none = 0;
        for (int minute = c.first; minute <= c.last; ++minute) {
            for (int second = 0; second < 60; second += 7) {
                for (const char* ms : {"010", "011", "120", "121"}) {
                    const std::string when =
                        "2024-01-07T03:" + two(minute) + ":" + two(second) + "." + ms + "Z";
                    auto a = tail_pass(c.freq, when);
                    if (a->open_slot == 0) {
                        ++none;
                        continue;
                    }
                    ASSERT_EQ(a->open_slot, 1) << when;
                    const bool odd = ms[2] == '1';
                    expect_cond_slot(a->send_buf[0], c.text, odd);
                    (odd ? heard : silent) += 1;
                    expect_voice(*a, 0, c.voice);
                    EXPECT_EQ(a->slot_params[0].hand, 1);
                }
            }
        }
        EXPECT_GT(heard, 0) << c.text;
        EXPECT_GT(silent, 0) << c.text;
        EXPECT_GT(none, 0) << c.text;
        for (int minute : {c.first - 1, c.last + 1}) {
            if (minute < 0 || minute > 59) continue;
            for (int second = 0; second < 60; second += 7)
                for (const std::string& s : slots(*tail_pass(
                         c.freq, "2024-01-07T03:" + two(minute) + ":" + two(second) + ".001Z")))
                    EXPECT_EQ(s.find(c.text), std::string::npos) << minute;
        }
    }
}

} // namespace
} // namespace zenka
