#include "support/band_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace zenka {
namespace {

using test::expect_voice;

using test::expect_still;
using test::two;
using HM = std::pair<int, int>; // hour and minute
using test::slots;
const std::string& kTail = test::kStackTail;
const std::string kHandTail = kTail + std::string(160, ' '); // hand keying trails off longer
const std::string kSparkPause(120, ' ');

class Rules_lf_140 : public test::BandPass {
  protected:
    // A pass of the other stations alone: the long-wave maritime working on these frequencies
    // is tested on its own.
    std::unique_ptr<Air> pass(int freq, const std::string& when, ReceiverSettings s = {}) {
        auto a = tuned(freq, when, s);
        band(*a, test::fixed_stations_catalogue());
        out.add(*a);
        return a;
    }

    // A pass at hh:mm:ss of a day (Sunday 2024-01-07 unless given), with milliseconds.
    std::unique_ptr<Air> at(int freq, int hh, int mm, int ss = 0, int ms = 0,
                            const std::string& date = "2024-01-07") {
        return pass(freq, date + "T" + two(hh) + ":" + two(mm) + ":" + two(ss) + "." +
                              std::to_string(ms / 100) + two(ms % 100) + "Z");
    }

    bool played(const std::string& recording) const {
        const auto calls = out.calls();
        return std::find(calls.begin(), calls.end(), "play_recording " + recording) != calls.end();
    }
};

// An announcement: "CQ CQ CQ DE" and the call three times, after none to two pauses.
bool is_anm(const std::string& slot, const std::string& call, const std::string& text) {
    for (std::size_t pad : {0u, 4u, 8u})
        if (slot == std::string(pad, ' ') + "CQ CQ CQ DE " + call + " " + call + " " + call + " " +
                        text + kTail)
            return true;
    return false;
}

// The announcements among the slots of a pass ("CQ CQ CQ DE" after up to two pauses).
int announcements(const Air& a) {
    int n = 0;
    for (const std::string& s : slots(a))
        n += s.find_first_not_of(' ') <= 8 && s.substr(s.find_first_not_of(' ')).starts_with("CQ CQ CQ DE");
    return n;
}

// A hand-keyed call: the opening, a pause or none, the rest when the millisecond is odd.
bool is_hand_call(const std::string& slot, const std::string& opening, const std::string& rest) {
    return slot == opening + rest + kHandTail || slot == opening + "    " + rest + kHandTail;
}

// Every emission closed its slot: nothing is left in the open one.
void expect_closed(const Air& a) {
    EXPECT_TRUE(a.send_buf[static_cast<std::size_t>(std::min(a.open_slot, Air::kSlots))].empty());
}

TEST_F(Rules_lf_140, UgeCallsInMinutesDivisibleByFourAsItsOwnEmission) {
    for (int minute = 0; minute < 60; ++minute) {
        auto a = at(1400, 9, minute);
        expect_closed(*a);
        if (minute % 4 != 0) {
            EXPECT_EQ(a->open_slot, 0) << minute;
            continue;
        }
        ASSERT_EQ(slots(*a), std::vector<std::string>{"CQ CQ CQ DE UGE UGE +K" + kTail}) << minute;
        expect_voice(*a, 0, 30, 666, 3);
    }
}

TEST_F(Rules_lf_140, OknWeatherCallAtItsSixteenSlots) {
    std::string call;
    for (int i = 0; i < 3; ++i)
        call += "CQ CQ CQ DE OKN OKN METEO *            ";
    for (int hhmm : {115, 119, 145, 415, 745, 1015, 1349, 1615, 1845, 2215, 2249}) {
        auto a = at(1410, hhmm / 100, hhmm % 100, 30);
        ASSERT_EQ(slots(*a), std::vector<std::string>{call + kTail}) << hhmm;
        expect_voice(*a, 0, 19, 1100, 3);
        expect_closed(*a);
    }
    for (int hhmm : {114, 120, 130, 1915, 2250, 2315})
        EXPECT_EQ(at(1410, hhmm / 100, hhmm % 100)->open_slot, 0) << hhmm;
}

TEST_F(Rules_lf_140, OvkTeleprinterInEvenHoursOnly) {
    auto a = at(1410, 4, 15);
    EXPECT_TRUE(played("fone/rtt-001.wav"));
    EXPECT_EQ(a->open_slot, 1); // OKN's call beside it
    out.clear();
    at(1410, 5, 15);
    EXPECT_FALSE(played("fone/rtt-001.wav"));
}

TEST_F(Rules_lf_140, CallingFrequencyAnnouncementsByMinute) {
    struct Anm {
        const char* call;
        const char* text;
        int spd, ton, qsa;
    };
    const Anm wcc{"WCC", "HR TFC LIST QSW 147.5 KCS", 24, 900, 4};
    const Anm wny{"WNY", "HR TFC LIST QSW 170 KCS", 24, 900, 4};
    const Anm vas{"VAS", "TFC LIST QRH 127 KCS", 24, 900, 4};
    const Anm uik{"UIK", "  = ZDR QRU? SLV 139 KGC PSE K", 33, 755, 2};
    const Anm gku{"GKU", "TFC QSW 149 +", 20, 1000, 5};
    const Anm iar{"IAR", "TFC LIST QSW 147 ", 19, 1200, 5};
    const Anm kph{"KPH", "TFC LIST QSW 153 KCS", 25, 1300, 2};
    for (int hour : {12, 13}) {
        for (int minute = 0; minute < 60; ++minute) {
            const Anm* want = nullptr;
            if (minute == 0) want = &wcc;
            if (minute == 10 && hour == 12) want = &wny;
            if (minute == 13) want = &vas;
            if (minute == 20) want = &uik;
            if (minute == 30 && hour == 12) want = &gku;
            if (minute == 40) want = &iar;
            if (minute == 50) want = &kph;
            // Ships call in the minutes not divisible by 10, and a bearing is asked now and
            // then: only the announcements are counted.
            auto a = at(1430, hour, minute, 17);
            if (want == nullptr) {
                EXPECT_EQ(announcements(*a), 0) << hour << ":" << minute;
                continue;
            }
            ASSERT_EQ(announcements(*a), 1) << hour << ":" << minute;
            EXPECT_TRUE(is_anm(a->send_buf[0], want->call, want->text)) << a->send_buf[0];
            expect_voice(*a, 0, want->spd, want->ton, want->qsa);
        }
    }
    EXPECT_EQ(announcements(*at(1430, 15, 30)), 1); // GKU in hours divisible by 3
    EXPECT_EQ(announcements(*at(1430, 16, 30)), 0);
}

TEST_F(Rules_lf_140, CallingFrequencyIdentsBeforeTheAnnouncements) {
    std::string glwv, glsm;
    for (int i = 0; i < 64; ++i)
        glwv += "GLWV  ", glsm += "GLSM  ";
    for (int hour : {11, 22}) {
        auto a = at(1430, hour, 0);
        const auto s = slots(*a);
        ASSERT_GE(s.size(), 2u) << hour;
        EXPECT_EQ(s[0], glwv + kTail);
        expect_voice(*a, 0, 16, 700, 1);
        EXPECT_TRUE(is_anm(s[1], "WCC", "HR TFC LIST QSW 147.5 KCS"));
    }
    auto uik = at(1430, 10, 20);
    ASSERT_GE(uik->open_slot, 2);
    EXPECT_EQ(uik->send_buf[0], glsm + kTail);
    EXPECT_TRUE(is_anm(uik->send_buf[1], "UIK", "  = ZDR QRU? SLV 139 KGC PSE K"));
    expect_voice(*uik, 1, 33, 755, 2);
    EXPECT_EQ(slots(*at(1430, 23, 0))[0], glsm + kTail);
    // The idents open the pass; the ships' calls of the minute follow.
    EXPECT_EQ(slots(*at(1430, 11, 4))[0], glwv + kTail);
    EXPECT_EQ(slots(*at(1430, 10, 24))[0], glsm + kTail);
    for (const auto& [h, m] : {HM{11, 5}, HM{10, 19}})
        for (const std::string& s : slots(*at(1430, h, m)))
            EXPECT_FALSE(s.starts_with("GLWV") || s.starts_with("GLSM")) << h << ":" << m;
    expect_closed(*at(1430, 22, 3));
}

TEST_F(Rules_lf_140, IdentsAndTrafficListAt149) {
    std::string glwv, glsm;
    for (int i = 0; i < 64; ++i)
        glwv += "GLWV  ", glsm += "GLSM  ";
    for (auto [h, m] : {HM{11, 48}, HM{11, 52}, HM{22, 18}, HM{22, 22}}) {
        auto a = at(1490, h, m);
        ASSERT_EQ(slots(*a), std::vector<std::string>{glwv + kTail}) << h << ":" << m;
        expect_voice(*a, 0, 16, 700, 1);
    }
    for (auto [h, m] : {HM{10, 48}, HM{23, 18}, HM{23, 22}})
        EXPECT_EQ(slots(*at(1490, h, m)), std::vector<std::string>{glsm + kTail}) << h << ":" << m;
    for (auto [h, m] : {HM{11, 47}, HM{11, 53}, HM{22, 17}, HM{10, 53}, HM{23, 23}})
        EXPECT_EQ(at(1490, h, m)->open_slot, 0) << h << ":" << m;

    auto wax = at(1490, 11, 5);
    ASSERT_EQ(wax->open_slot, 1);
    EXPECT_TRUE(is_anm(wax->send_buf[0], "WAX", "HR TFC LIST +"));
    expect_voice(*wax, 0, 24, 911, 3);
    EXPECT_EQ(at(1490, 12, 5)->open_slot, 0);
    EXPECT_EQ(at(1490, 11, 10)->open_slot, 0);
}

TEST_F(Rules_lf_140, DgSparkOnSundaysOnly) {
    const std::string call = kSparkPause + "CQ CQ CQ DE DG DG DG WX *            " + kTail;
    for (auto [h, m] : {HM{7, 5}, HM{7, 59}, HM{13, 5}, HM{13, 59}, HM{18, 5}, HM{18, 59}}) {
        auto a = at(1540, h, m);
        ASSERT_EQ(slots(*a), std::vector<std::string>{call}) << h << ":" << m;
        expect_voice(*a, 0, 16, 600, 2);
        EXPECT_EQ(a->slot_params[0].spark, 1);
    }
    for (auto [h, m] : {HM{7, 4}, HM{8, 0}, HM{13, 4}, HM{14, 0}, HM{18, 4}, HM{19, 0}, HM{12, 30}})
        EXPECT_EQ(at(1540, h, m)->open_slot, 0) << h << ":" << m;
    EXPECT_EQ(at(1540, 7, 5, 0, 0, "2024-01-08")->open_slot, 0);   // Monday
    EXPECT_EQ(at(1540, 13, 30, 0, 0, "2024-01-13")->open_slot, 0); // Saturday
    ReceiverSettings no_hist;
    no_hist.hist = 0;
    auto quiet = pass(1540, "2024-01-07T07:30:00Z", no_hist);
    EXPECT_EQ(quiet->open_slot, 0);
}

TEST_F(Rules_lf_140, HandCallsCarryTheirTextOnOddMilliseconds) {
    auto even = at(1429, 12, 45, 0, 2);
    ASSERT_EQ(even->open_slot, 1);
    EXPECT_TRUE(is_hand_call(even->send_buf[0], "CUA CUA DE ICEJ ICEJ ", "")) << even->send_buf[0];
    auto odd = at(1429, 12, 59, 0, 3);
    ASSERT_EQ(odd->open_slot, 1);
    EXPECT_TRUE(is_hand_call(odd->send_buf[0], "CUA CUA DE ICEJ ICEJ ", "QTC 1 K"));
    expect_voice(*odd, 0, 15, 677, 3);
    EXPECT_EQ(odd->slot_params[0].hand, 1);
    expect_still(at(1429, 12, 44)->send_buf[0], "VVV VVV VVV DE CUA CUA CUA            ");
    expect_voice(*at(1429, 12, 0), 0, 26, 922, 1);
}

TEST_F(Rules_lf_140, ShipAndFnpShareTheHourAt150) {
    for (int minute : {20, 29}) {
        auto a = at(1500, 3, minute, 0, 1);
        ASSERT_EQ(a->open_slot, 1);
        EXPECT_TRUE(is_hand_call(a->send_buf[0], "VVV VVV VVV ", "VWC VWC QTC? K"));
        expect_voice(*a, 0, 18, 760, 2);
        EXPECT_EQ(a->slot_params[0]._f1, 1);
    }
    for (int minute : {30, 54}) {
        auto a = at(1500, 3, minute);
        ASSERT_EQ(a->open_slot, 1);
        expect_still(a->send_buf[0], "VVV VVV VVV DE FNP FNP FNP            ");
        expect_voice(*a, 0, 15, 1077, 4);
    }
    for (int minute : {55, 59})
        EXPECT_EQ(slots(*at(1500, 3, minute)),
                  std::vector<std::string>{"CQ CQ CQ DE FNP FNP FNP QRU? K" + kTail});
    for (int minute : {0, 9})
        EXPECT_EQ(at(1500, 3, minute)->open_slot, 0);
    // VWC works its ships on long wave before its call.
    for (int minute : {10, 19}) {
        auto a = at(1500, 3, minute);
        EXPECT_EQ(a->open_slot, 1) << minute;
        expect_closed(*a);
    }
}

// The calls at a shared frequency over one hour, by the opening of each slot.
// The slots of a pass without the calls of the army nets and NGR's fleet broadcast, which share
// these frequencies and come and go by chance (a hand-sent call may leave just its pause).
std::vector<std::string> station_slots(const Air& a) {
    static const std::regex net(" *(\\^ |[A-Z][1-9][A-Z] (?:[A-Z][1-9][A-Z] )?V A[A-Z]{2}[0-9]* )");
    std::vector<std::string> out;
    for (const std::string& s : slots(a))
        if (!std::regex_search(s, net, std::regex_constants::match_continuous) &&
            s.find("NGR") == std::string::npos && s.find_first_not_of(' ') != std::string::npos)
            out.push_back(s);
    return out;
}

std::vector<std::string> openings(const Air& a, std::size_t length) {
    std::vector<std::string> out;
    for (const std::string& s : station_slots(a))
        out.push_back(s.substr(s.find_first_not_of(' '), length));
    return out;
}

TEST_F(Rules_lf_140, SharedFrequenciesSplitTheHourInRuleOrder) {
    using V = std::vector<std::string>;
    for (int minute = 0; minute < 60; ++minute) {
        V at151, at152, at165, at169;
        if (minute < 10) at151.push_back("CQ CQ CQ DE NAR");
        if (minute >= 5 && minute < 20) at151.push_back("CQ CQ DE VXA VX");
        if (minute >= 30 && minute < 45) at151.push_back("VXA VXA DE CHP ");
        EXPECT_EQ(openings(*at(1510, 14, minute), 15), at151) << minute;

        const char* chile[] = {"", "CCA", "CCF", "CCQ", "CCP", "CCY", "CCM", "CCT"};
        if (minute / 5 == 7) at152.push_back("CQ CQ CQ DE WBF");
        if (minute / 5 >= 1 && minute / 5 <= 7)
            at152.push_back(std::string("CQ CQ CQ DE ") + chile[minute / 5]);
        EXPECT_EQ(openings(*at(1520, 14, minute), 15), at152) << minute;

        if (minute < 5) at165.push_back("CQ CQ CQ DE VQA");
        if (minute >= 10 && minute < 15) at165.push_back("VQA VQA DE VSK ");
        if (minute >= 15 && minute < 20) at165.push_back("CQ CQ CQ DE VQB");
        if (minute >= 30 && minute < 35) at165.push_back("VSK VSK DE VQA ");
        if (minute >= 45 && minute < 50) at165.push_back("VSK VSK DE VQB ");
        if (minute >= 47 && minute < 52) at165.push_back("VQB VQB DE VSKV");
        EXPECT_EQ(openings(*at(1650, 14, minute), 15), at165) << minute;

        if (minute < 8) at169.push_back("CQ CQ CQ DE OZL");
        if (minute >= 30 && minute < 38) at169.push_back("PJB PJB DE OZL ");
        if (minute >= 8 && minute < 16) at169.push_back("CQ CQ CQ DE PJB");
        if (minute >= 38 && minute < 48) at169.push_back("OZL OZL DE PJB ");
        if (minute >= 16 && minute < 24) at169.push_back("PJD PJD DE PJB ");
        if (minute >= 24 && minute < 30) at169.push_back("PJB PJB DE PJD ");
        if (minute >= 46) at169.push_back("CQ CQ CQ DE PJD");
        EXPECT_EQ(openings(*at(1690, 14, minute), 15), at169) << minute;
    }
}

TEST_F(Rules_lf_140, PjcCallsAndWnyMarkerAt170) {
    for (int minute = 0; minute < 60; ++minute) {
        auto a = at(1700, 6, minute);
        const bool pjc3 =
            minute < 10 || (minute >= 20 && minute < 30) || (minute >= 40 && minute < 50);
        const bool wny = minute % 10 >= 5;
        const bool list = minute >= 11 && minute < 15; // announced on 143 kHz at minute 10
        ASSERT_EQ(a->open_slot, pjc3 + wny + list) << minute;
        if (list) {
            EXPECT_TRUE(a->send_buf[0].starts_with("CQ CQ CQ DE WNY WNY WNY HR TFC LIST *    CQ CQ "
                                                   "CQ DE WNY WNY WNY HR TFC LIST *    HR TFC LIST "
                                                   "= QTC FOR "))
                << a->send_buf[0];
            expect_voice(*a, 0, 24, 900, 4);
        }
        if (pjc3) {
            EXPECT_NE(a->send_buf[0].find("DE PJC3 PJC3"), std::string::npos) << minute;
        }
        if (wny) expect_still(a->send_buf[pjc3 ? 1 : 0], "VVV VVV VVV DE WNY WNY WNY            ");
    }
    EXPECT_EQ(at(1700, 7, 12)->open_slot, 0); // the list in even hours only
    auto a = at(1700, 6, 25, 0, 1);
    EXPECT_TRUE(is_hand_call(a->send_buf[0], "WNY WNY DE PJC3 PJC3 ", "QTC? K"));
    expect_voice(*a, 0, 15, 1003, 5);
    expect_voice(*a, 1, 24, 900, 4);
}

TEST_F(Rules_lf_140, NavyMarkersByTheClockAt185WithNapSpark) {
    const char* npr = "VVV VVV VVV DE NPR NPR NPR            ";
    const char* nev = "VVV VVV VVV DE NEV NEV NEV            ";
    const char* naq = "VVV VVV VVV DE NAQ NAQ NAQ            ";
    struct Case {
        int h, m;
        const char* marker;
    };
    for (auto [h, m, marker] : {Case{0, 0, npr}, Case{7, 59, npr}, Case{8, 0, nev},
                                Case{15, 59, nev}, Case{16, 0, naq}, Case{23, 59, naq}}) {
        const auto heard = station_slots(*at(1850, h, m));
        ASSERT_EQ(heard.size(), 1u) << h << ":" << m;
        expect_still(heard[0], marker);
    }
    const std::string nap = kSparkPause + "NAQ NAQ DE NAP NAP K" + kTail;
    auto day = at(1850, 10, 52);
    ASSERT_EQ(day->open_slot, 2);
    expect_still(day->send_buf[0], nev);
    EXPECT_EQ(day->send_buf[1], nap);
    expect_voice(*day, 1, 13, 520, 3);
    auto evening = at(1850, 17, 50); // NAP's rule comes before NAQ's
    ASSERT_EQ(station_slots(*evening).size(), 2u);
    EXPECT_EQ(evening->send_buf[0], nap);
    expect_still(evening->send_buf[1], naq);
    EXPECT_EQ(at(1850, 17, 55)->open_slot, 1);
    EXPECT_EQ(at(1850, 17, 49)->open_slot, 1);
}

TEST_F(Rules_lf_140, OldCallingWaveAt200) {
    for (int minute = 0; minute < 60; ++minute) {
        std::vector<std::string> want;
        const int five = minute / 5;
        if (five == 0) want.push_back(kSparkPause + "CQ CQ CQ DE RED RED RED K" + kTail);
        if (five == 1) want.push_back("CQ CQ CQ DE EGB EGB EGB QRU? K" + kTail);
        if (five == 2) want.push_back("EGB EGB DE EGE EGE QTC 1 K" + kTail);
        if (five == 3) want.push_back("EGB EGB DE EGG EGG QSA? K" + kTail);
        if (five == 4) want.push_back(kSparkPause + "CQ CQ CQ DE ECE ECE ECE K" + kTail);
        if (five == 10) want.push_back(kSparkPause + "CQ CQ CQ DE WVB WVB WVB K" + kTail);
        if (five == 11) want.push_back(kSparkPause + "WVB WVB DE RAT RAT K" + kTail);
        auto a = at(2000, 21, minute, 3);
        if (minute >= 25 && minute < 35) {
            ASSERT_EQ(a->open_slot, 1) << minute;
            expect_still(a->send_buf[0], "VVV VVV VVV DE CQD CQD CQD            ");
            continue;
        }
        if (minute >= 35 && minute < 50) {
            const auto s = slots(*a);
            const bool wyv = minute < 45, wyw = minute >= 40;
            ASSERT_EQ(s.size(), static_cast<std::size_t>(wyv + wyw)) << minute;
            if (wyv) {
                EXPECT_NE(s[0].find("WYV WYV QSA? "), std::string::npos);
            }
            if (wyw) {
                EXPECT_NE(s[wyv ? 1 : 0].find("WYW WYW QSA? "), std::string::npos);
            }
            EXPECT_EQ(at(2000, 21, minute, 4)->open_slot, 0) << minute; // only every third second
            continue;
        }
        EXPECT_EQ(slots(*a), want) << minute;
    }
    expect_voice(*at(2000, 21, 10), 0, 26, 1254, 5);
    expect_voice(*at(2000, 21, 57), 0, 14, 760, 3);
}

TEST_F(Rules_lf_140, FacsimileAcrossTheRangeAndTeleprinterAt145) {
    for (int freq : {1449, 1450, 1451}) {
        out.clear();
        at(freq, 6, 0);
        EXPECT_TRUE(played("fone/fax-001.wav")) << freq;
    }
    out.clear();
    at(1448, 6, 0);
    at(1449, 5, 59);
    at(1449, 8, 0);
    EXPECT_FALSE(played("fone/fax-001.wav"));
    at(1480, 23, 59);
    EXPECT_TRUE(played("fone/fax-001.wav"));
    out.clear();
    at(1450, 12, 30);
    EXPECT_TRUE(played("fone/rtt-001.wav"));
    auto nar = at(1450, 12, 45);
    EXPECT_EQ(slots(*nar), std::vector<std::string>{"NSS NSS DE NAR NAR QTC 2 K" + kTail});
    expect_voice(*nar, 0, 18, 502, 1);
}

TEST_F(Rules_lf_140, KaaMarkerAndMachineTrafficByDay) {
    expect_still(at(1875, 6, 1)->send_buf[0], "VVV VVV VVV DE KAA KAA KAA            ");
    auto test = at(1875, 21, 55);
    ASSERT_EQ(test->open_slot, 1);
    EXPECT_EQ(test->slot_params[0].spd, 60);
    EXPECT_NE(test->send_buf[0].find("AUTOMATIC MORSE TRANSMISSION AT 60 WPM"), std::string::npos);
    EXPECT_EQ(at(1875, 5, 59)->open_slot, 0);
    EXPECT_EQ(at(1875, 22, 0)->open_slot, 0);
}

TEST_F(Rules_lf_140, SmallerStationsAtTheirWindows) {
    auto whi = at(1760, 9, 15, 0, 1);
    ASSERT_EQ(whi->open_slot, 1);
    EXPECT_TRUE(is_hand_call("    " + whi->send_buf[0], "    ", "WHE WHE WHE DE WHI WHI K"));
    expect_voice(*whi, 0, 23, 1495, 3);
    EXPECT_TRUE(station_slots(*at(1760, 9, 16)).empty());

    EXPECT_EQ(at(1620, 13, 14)->send_buf[0], kSparkPause + "CQ CQ CQ DE YG YG YG K" + kTail);
    EXPECT_EQ(at(1620, 12, 14)->open_slot, 0);
    expect_still(at(1620, 12, 15)->send_buf[0], "VVV VVV VVV DE LGN LGN LGN            ");

    EXPECT_EQ(slots(*at(1580, 4, 0, 0, 1)).size(), 1u);   // FUY
    EXPECT_TRUE(station_slots(*at(1580, 3, 59)).empty()); // the ships' hours
    EXPECT_EQ(slots(*at(1580, 18, 59, 0, 1)).size(), 1u); // EBA
    EXPECT_EQ(at(1580, 19, 0)->open_slot, 0);

    EXPECT_EQ(at(1870, 12, 14)->send_buf[0], kSparkPause + "CQ CQ CQ DE LFR LFR LFR K" + kTail);
    using Call = std::pair<int, std::string>;
    for (const auto& [m, opening] :
         {Call{15, "CQ CQ CQ DE PJA PJA "}, Call{44, "LFR LFR DE PJA PJA "},
          Call{59, "LFR LFR DE PJA PJA "}}) {
        auto a = at(1870, 12, m);
        ASSERT_EQ(a->open_slot, 1);
        EXPECT_TRUE(a->send_buf[0].starts_with(opening)) << m;
    }
    EXPECT_NE(at(1960, 12, 30)->send_buf[0].find("HPN2 HPN2 DE ALB ALB"), std::string::npos);
    EXPECT_NE(at(1960, 12, 29, 3)->send_buf[0].find("HPN2 HPN2 QSA? "), std::string::npos);
    EXPECT_NE(station_slots(*at(1880, 12, 0, 0)).at(0).find("WAR WAR QSA? "), std::string::npos);
    EXPECT_TRUE(station_slots(*at(1880, 18, 0, 0)).empty());
    EXPECT_NE(station_slots(*at(1940, 18, 0, 0)).at(0).find("WAR WAR QSA? "), std::string::npos);
}

// A station's window: on at its first and last minute, off the minute before and after.
struct Window {
    int freq;
    HM first, last, before, after;
    const char* text;
};

TEST_F(Rules_lf_140, StationsOnAirFromTheFirstToTheLastMinuteOfTheirWindows) {
    const Window windows[] = {
        {1435, HM{18, 0}, HM{5, 59}, HM{17, 59}, HM{6, 0}, "CQ CQ DE VPSX VPSX "},
        {1470, HM{12, 0}, HM{12, 57}, HM{12, 56}, HM{12, 58}, "LGN LGN DE UHY UHY "},
        {1550, HM{12, 0}, HM{12, 4}, HM{11, 59}, HM{12, 5}, "DE NIK NIK NIK ICE BULLETIN QSW 155"},
        {1570, HM{13, 40}, HM{13, 49}, HM{13, 39}, HM{13, 50}, "VFU VFU DE VFT2 VFT2 "},
        {1579, HM{12, 0}, HM{12, 30}, HM{12, 29}, HM{12, 31}, "DE XFU XFU XFU LISTA DE TRAFICO +"},
        {1600, HM{12, 50}, HM{12, 59}, HM{12, 49}, HM{13, 0}, "VFA VFA DE VFF4 VFF4 "},
        {1622, HM{12, 0}, HM{12, 29}, HM{11, 59}, HM{12, 30}, "CQ CQ CQ DE LY LY LY K"},
        {1622, HM{13, 10}, HM{13, 40}, HM{13, 39}, HM{13, 41}, "CQ CQ CQ DE CCE CCE CCE QRU? K"},
        {1660, HM{9, 15}, HM{21, 19}, HM{9, 14}, HM{21, 20}, "CQ CQ CQ DE TFA TFA TFA WX = "},
        {1666, HM{12, 50}, HM{12, 54}, HM{12, 49}, HM{12, 55}, "WCC WCC DE RAP RAP QTC 1 K"},
        {1670, HM{12, 30}, HM{12, 39}, HM{12, 29}, HM{12, 40}, "CQ CQ CQ DE RCP RCP RCP K"},
        {1680, HM{12, 20}, HM{12, 29}, HM{12, 19}, HM{12, 30}, "CQ CQ DE XFID XFID "},
        {1714, HM{12, 0}, HM{12, 14}, HM{11, 59}, HM{12, 15}, "CQ CQ CQ DE KMK KMK KMK K"},
        {1846, HM{13, 20}, HM{13, 24}, HM{13, 19}, HM{13, 25}, "CQ CQ CQ DE KGM KGM KGM QRU? K"},
        {1852, HM{13, 0}, HM{13, 19}, HM{12, 59}, HM{13, 20}, "CQ CQ CQ DE NAX NAX NAX K"},
        {1930, HM{12, 5}, HM{12, 45}, HM{12, 4}, HM{12, 46}, "CQ CQ CQ DE VWK VWK VWK QRU? K"},
        {1940, HM{12, 40}, HM{12, 44}, HM{12, 39}, HM{12, 45},
         "DE VWK VWK VWK HR TFC LIST QSW 193"},
        {1950, HM{14, 55}, HM{20, 59}, HM{14, 54}, HM{21, 0}, "DE LOL LOL LOL HORA OFICIAL = "},
        {1990, HM{12, 10}, HM{12, 24}, HM{12, 9}, HM{12, 25}, "CQ CQ DE XFIG XFIG "},
        {1990, HM{12, 40}, HM{12, 44}, HM{12, 39}, HM{12, 45}, "CQ CQ CQ DE OZV OZV OZV QRU? K"},
    };
    const auto sends = [&](int freq, HM when, const char* text) {
        for (const std::string& s : slots(*at(freq, when.first, when.second, 1)))
            if (s.find(text) != std::string::npos) return true;
        return false;
    };
    for (const Window& w : windows) {
        EXPECT_TRUE(sends(w.freq, w.first, w.text)) << w.text;
        EXPECT_TRUE(sends(w.freq, w.last, w.text)) << w.text;
        EXPECT_FALSE(sends(w.freq, w.before, w.text)) << w.text;
        EXPECT_FALSE(sends(w.freq, w.after, w.text)) << w.text;
    }
    EXPECT_FALSE(sends(1570, HM{12, 45}, "DE VFT2")); // odd hours only
    EXPECT_FALSE(sends(1622, HM{13, 0}, "DE LY"));    // even hours only
    EXPECT_FALSE(sends(1714, HM{13, 0}, "DE KMK"));
    EXPECT_FALSE(sends(1846, HM{12, 20}, "DE KGM"));
    EXPECT_FALSE(sends(1852, HM{12, 0}, "DE NAX"));
    EXPECT_FALSE(sends(1940, HM{13, 40}, "DE VWK"));
}

} // namespace
} // namespace zenka
