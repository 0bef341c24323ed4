#include "band/announcements_500khz.h"
#include "band/catalogue.h"
#include "compose/air.h"
#include "support/band_pass.h"
#include "traffic/maritime/register.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::expect_still;
using test::two;
const std::string& kTail = test::kStackTail;
const std::string kHandTail = kTail + std::string(160, ' '); // a hand-keyed or bug emission

class Rules_marine : public test::BandPass {};

std::string at_time(const std::string& day, int hour, int minute, int second) {
    return day + "T" + two(hour) + ":" + two(minute) + ":" + two(second) + "Z";
}

bool silence(int minute) {
    return (minute >= 15 && minute <= 17) || (minute >= 45 && minute <= 47);
}

// A slot that is `pauses` groups of four blanks (0 .. `most`), then `body`, then `tail`.
void expect_paused(const std::string& slot, const std::string& body, int most,
                   const std::string& tail = kTail) {
    ASSERT_TRUE(slot.ends_with(body + tail)) << slot;
    const std::size_t pause = slot.size() - body.size() - tail.size();
    EXPECT_EQ(pause % 4, 0u) << slot;
    EXPECT_LE(pause, static_cast<std::size_t>(4 * most)) << slot;
    EXPECT_EQ(slot.find_first_not_of(' '), pause) << slot;
}

// send_cq_anm: a pause of 0 - 2 groups, then the general call and the text.
void expect_announcement(const std::string& slot, const std::string& call,
                         const std::string& text) {
    expect_paused(slot, "CQ CQ CQ DE " + call + " " + call + " " + call + " " + text, 2);
}

// The slot without its leading pause and its closing pause.
std::string trimmed(const std::string& slot) {
    const std::size_t first = slot.find_first_not_of(' ');
    const std::size_t last = slot.find_last_not_of(' ');
    return first == std::string::npos ? "" : slot.substr(first, last - first + 1);
}

// Whether some closed slot holds `text`; coast stations' working may share a frequency with
// the fixed emissions, in slots after them.
bool holds(const Air& a, const std::string& text) {
    for (int k = 0; k < a.open_slot; ++k)
        if (a.send_buf[static_cast<std::size_t>(k)].find(text) != std::string::npos) return true;
    return false;
}

// The last closed slot: on 512 kHz the fixed calls follow the ships' traffic.
int last(const Air& a) {
    return a.open_slot - 1;
}

// How many closed slots hold a general call or a broadcast header, not ships' traffic.
int fixed_calls(const Air& a) {
    int n = 0;
    for (int k = 0; k < a.open_slot; ++k) {
        const std::string& t = a.send_buf[static_cast<std::size_t>(k)];
        n += t.find("CQ CQ CQ DE ") != std::string::npos ||
             t.find("TTT TTT TTT") != std::string::npos;
    }
    return n;
}

// --- The 500 kHz timetable -----------------------------------------------------------

TEST_F(Rules_marine, TimetableHolds257AnnouncementsOutsideTheSilencePeriods) {
    const auto rows = timetable_500khz_rows();
    ASSERT_EQ(rows.size(), 257u);
    std::set<int> hours;
    std::set<std::string_view> stations;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Announcement& r = rows[i];
        EXPECT_GE(r.hour, 0) << i;
        EXPECT_LE(r.hour, 23) << i;
        EXPECT_GE(r.minute, 0) << i;
        EXPECT_LE(r.minute, 59) << i;
        EXPECT_FALSE(silence(r.minute)) << r.hour << ":" << r.minute;
        EXPECT_NE(r.text.find("QSW "), std::string_view::npos) << r.text;
        if (i > 0) {
            EXPECT_LE(rows[i - 1].hour * 60 + rows[i - 1].minute, r.hour * 60 + r.minute)
                << "ordered by the clock at " << i;
        }
        hours.insert(r.hour);
        stations.insert(r.call.call);
    }
    EXPECT_EQ(hours.size(), 24u);
    EXPECT_GT(stations.size(), 30u);
}

// Every minute of an odd and an even day, at a second with no ship traffic: the
// timetabled announcements at their minute, and the six of every hour.
TEST_F(Rules_marine, The500kHzRuleHolds263Announcements) {
    const std::set<std::string> every_hour = {
        "CQ CQ CQ DE FFP FFP FFP METEO QSW 435 =",    "CQ CQ CQ DE CNW CNW CNW WX QSW416UP=",
        "CQ CQ CQ DE L2B L2B L2B WX QSW 416",         "CQ CQ CQ DE 9AR 9AR 9AR TFC LIST QSW 439.5",
        "CQ CQ CQ DE YUR YUR YUR TFC LIST QSW 439.5", "CQ CQ CQ DE KPH KPH KPH TFC LIST QSW 426 +"};
    std::set<std::string> hourly_heard, timetable_heard;
    std::size_t timetabled = 0;
    for (const char* day : {"2024-01-07", "2024-07-10"}) {
        for (int hour = 0; hour < 24; ++hour) {
            for (int minute = 0; minute < 60; ++minute) {
                auto a = pass(5000, at_time(day, hour, minute, 20));
                for (const std::string& slot : test::slots(*a)) {
                    const std::string s = trimmed(slot);
                    if (!s.starts_with("CQ ")) continue;
                    if (every_hour.contains(s))
                        hourly_heard.insert(s);
                    else
                        timetable_heard.insert(two(hour) + two(minute) + " " + s), ++timetabled;
                }
            }
        }
    }
    EXPECT_EQ(hourly_heard.size(), 6u);
    EXPECT_EQ(timetable_heard.size(), 257u);
    EXPECT_EQ(timetabled, 2 * 257u); // each of them on both days
    EXPECT_EQ(hourly_heard.size() + timetable_heard.size(), 263u);

    // Each heard where the table puts it.
    for (const Announcement& r : timetable_500khz_rows()) {
        const std::string call(r.call.call);
        const std::string head = r.form == AnnouncementForm::twice
                                     ? "CQ CQ DE " + call + " " + call + " "
                                     : "CQ CQ CQ DE " + call + " " + call + " " + call + " ";
        EXPECT_TRUE(timetable_heard.contains(two(r.hour) + two(r.minute) + " " + head +
                                             std::string(r.text)))
            << r.hour << ":" << r.minute << " " << call;
    }
}

TEST_F(Rules_marine, MidnightOnAnOddDayThreeAnnouncementsInTheirVoices) {
    auto a = pass(5000, "2024-01-07T00:00:20Z");
    ASSERT_EQ(a->open_slot, 3);
    // FFP's weather after its pause, YUR's list, then the timetable's WNU.
    expect_paused(a->send_buf[0], "CQ CQ CQ DE FFP FFP FFP METEO QSW 435 =", 12);
    EXPECT_GE(a->send_buf[0].find_first_not_of(' '), 40u);
    expect_announcement(a->send_buf[1], "YUR", "TFC LIST QSW 439.5");
    expect_announcement(a->send_buf[2], "WNU", "WX QSW 463");
    EXPECT_EQ(a->slot_params[2].spd, voice_of("WNU").spd);
    EXPECT_EQ(a->slot_params[2].ton, voice_of("WNU").ton);
    EXPECT_EQ(a->slot_params[2].qsa, 4);
    EXPECT_EQ(a->slot_params[2].rto, 0);
    EXPECT_EQ(a->anm_500, 1);

    // The same instant on the other two frequencies of the rule.
    for (int freq : {4995, 5005}) {
        auto b = pass(freq, "2024-01-07T00:00:20Z");
        EXPECT_EQ(test::slots(*b), test::slots(*a)) << freq;
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(b->slot_params[k].ton, a->slot_params[k].ton) << freq;
    }
}

TEST_F(Rules_marine, AnnouncementsTwiceAndByBugKeepStrengthFour) {
    // 06:18: Argentia's warning with its call given twice; nothing else in minute 18.
    for (int freq : {4995, 5000, 5005}) {
        auto a = pass(freq, "2024-07-10T06:18:41Z");
        ASSERT_EQ(a->open_slot, 1) << freq;
        expect_paused(a->send_buf[0], "CQ CQ DE NJN NJN NAV WNG QSW 427 =", 2);
        EXPECT_EQ(a->slot_params[0].spd, voice_of("NJN").spd);
        EXPECT_EQ(a->slot_params[0].ton, voice_of("NJN").ton);
        EXPECT_EQ(a->slot_params[0].qsa, 4);
    }

    // 05:34: HSA by bug, 13:25: UIW twice. Neither holds the ships back: the faint and the
    // clear ship's call follow, then the tuning of second 2 or 41.
    auto b = pass(5000, "2024-07-10T05:34:02Z");
    ASSERT_EQ(b->open_slot, 4);
    EXPECT_EQ(b->send_buf[3].front(), '\x04');
    EXPECT_EQ(b->anm_500, 0);
    const auto& p = b->slot_params[0];
    expect_paused(b->send_buf[0], "CQ CQ CQ DE HSA HSA HSA TFC LIST QSW 526 KCS", 1,
                  p.rto != 0 ? kHandTail : kTail);
    EXPECT_EQ(p.spd, voice_of("HSA").spd);
    EXPECT_EQ(p.ton, voice_of("HSA").ton);
    EXPECT_EQ(p.qsa, 4);
    EXPECT_LT(p.rto, 40);
    auto twice = pass(5000, "2024-07-10T13:25:41Z");
    ASSERT_EQ(twice->open_slot, 4);
    expect_paused(twice->send_buf[0], "CQ CQ DE UIW UIW TFC LIST QSW 438.5 =", 2);
    EXPECT_EQ(twice->send_buf[3].front(), '\x04');
    EXPECT_EQ(twice->anm_500, 0);

    // 14:56 and the minute after: VCS's ice report, then the tuning of second 2 again.
    auto c = pass(5000, "2024-07-10T14:56:02Z");
    ASSERT_EQ(c->open_slot, 2);
    expect_announcement(c->send_buf[0], "VCS", "ICE REPORT QSW 436 =");
    auto d = pass(5000, "2024-07-10T14:57:02Z");
    ASSERT_EQ(d->open_slot, 3); // the faint and the clear ship's call, then the tuning
    EXPECT_EQ(d->send_buf[2].front(), '\x04');
}

// --- Working frequencies given in full ----------------------------------------------

TEST_F(Rules_marine, Working512CallsByMinuteKeyedOnlyNowAndThen) {
    struct Case {
        int minute, spd, ton, qsa;
        std::string text;
    };
    for (const Case& c :
         {Case{10, 27, 1555, 1, "CQ CQ CQ DE RUZU RUZU K            "},
          Case{11, 23, 1333, 2, "CQ CQ CQ DE XVG XVG XVG QRU? PSE UP 454 K            "},
          Case{25, 27, 1888, 1, "CQ CQ CQ DE UGE2 UGE2 K            "},
          Case{35, 23, 1333, 2, "CQ CQ CQ DE XVT XVT XVT QRU? PSE UP 425 K            "},
          Case{49, 27, 1888, 2, "CQ CQ CQ DE CBS CBS CBS QRU? K"}}) {
        // An odd millisecond keys the text, an even one leaves only the pauses.
        auto a = pass(5120, "2024-01-07T09:" + two(c.minute) + ":07.001Z");
        ASSERT_GE(a->open_slot, 1) << c.minute;
        expect_paused(a->send_buf[static_cast<std::size_t>(last(*a))], c.text, 1, kHandTail);
        EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].spd, c.spd);
        EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].ton, c.ton);
        EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].qsa, c.qsa);
        EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].hand, 1);
        auto b = pass(5120, "2024-01-07T09:" + two(c.minute) + ":07.002Z");
        ASSERT_GE(b->open_slot, 1) << c.minute;
        EXPECT_EQ(trimmed(b->send_buf[static_cast<std::size_t>(last(*b))]), "");
    }
    // Minutes 13, 23 and 33 are the Indian coast stations' traffic, none of it fixed, keyed by
    // hand in their own voices.
    for (const Case& c :
         {Case{13, 21, 588, 3, "VWM"}, Case{23, 20, 520, 3, "VWC"}, Case{33, 21, 540, 3, "VWB"}}) {
        for (int second : {2, 8, 20, 44}) {
            auto a = pass(5120, "2024-01-07T09:" + two(c.minute) + ":" + two(second) + ".001Z");
            const std::string text = a->send_buf[static_cast<std::size_t>(last(*a))];
            if (text.find(c.text) == std::string::npos) continue;
            EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].hand, 1);
        }
    }
    for (int minute : {9, 12, 13, 23, 33, 36, 48, 50})
        EXPECT_EQ(fixed_calls(*pass(5120, "2024-01-07T09:" + two(minute) + ":07.001Z")), 0)
            << minute;
}

TEST_F(Rules_marine, Working512ArgentineWarningsByTheClock) {
    const std::string lpc2 = "TTT TTT TTT DE LPC2 LPC2 LPC2 AVISOS A LOS NAVEGANTES";
    const std::string lpd =
        "TTT TTT TTT DE LPD LPD LPD AVISOS A LOS NAVEGANTES Y NOTICIAS SOBRES A LOS RIOS";
    const std::string lpm =
        "TTT TTT TTT DE LPM LPM LPM AVISOS A LOS NAVEGANTES Y NOTICIAS SOBRES LOS RIOS";
    struct Case {
        const char* when;
        std::string text;
        int ton;
    };
    for (const Case& c :
         {Case{"13:30", lpc2, 1444}, Case{"13:34", lpc2, 1444}, Case{"00:30", lpd, 1444},
          Case{"12:34", lpd, 1444}, Case{"17:00", lpm, 1200}, Case{"22:04", lpm, 1200}}) {
        auto a = pass(5120, std::string("2024-07-10T") + c.when + ":20Z");
        ASSERT_GE(a->open_slot, 1) << c.when;
        EXPECT_EQ(a->send_buf[static_cast<std::size_t>(last(*a))], c.text + kTail) << c.when;
        EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].spd, 17);
        EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].ton, c.ton);
        EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].qsa, 2);
    }
    for (const char* when : {"13:29", "13:36", "00:29", "12:39", "16:59", "22:05", "01:30"})
        EXPECT_EQ(fixed_calls(*pass(5120, std::string("2024-07-10T") + when + ":20Z")), 0) << when;
}

TEST_F(Rules_marine, Working512SovietCallsInHoursDivisibleBySix) {
    struct Case {
        int minute, ton;
        std::string text;
    };
    for (int hour : {0, 6, 12, 18}) {
        for (const Case& c : {Case{45, 1777, "CQ CQ CQ DE UBA UBA OBS? K            "},
                              Case{46, 1999, "CQ CQ CQ DE UMA4 UMA4 QSX 8373 QSS 512 K"},
                              Case{47, 1333, "CQ CQ CQ DE UDY UDY QSX 8373 QSS 512 OBS? K"}}) {
            auto a = pass(5120, at_time("2024-01-07", hour, c.minute, 3).replace(19, 1, ".333Z"));
            ASSERT_GE(a->open_slot, 1) << hour << ":" << c.minute;
            expect_paused(a->send_buf[static_cast<std::size_t>(last(*a))], c.text, 1, kHandTail);
            EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].spd, 27);
            EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].ton, c.ton);
            EXPECT_EQ(a->slot_params[static_cast<std::size_t>(last(*a))].qsa, 1);
        }
    }
    for (int hour : {1, 5, 7, 13, 23})
        for (int minute : {45, 46, 47})
            EXPECT_EQ(fixed_calls(*pass(5120, at_time("2024-01-07", hour, minute, 3))), 0) << hour;
}

TEST_F(Rules_marine, Working480GeneralCallsAtMinutes5And35) {
    auto a = pass(4800, "2024-01-07T08:05:30Z");
    ASSERT_GE(a->open_slot, 1);
    expect_paused(a->send_buf[0], "CQ CQ CQ DE 9MK3 9MK3 9MK3 K", 1);
    EXPECT_EQ(a->slot_params[0].spd, 24);
    EXPECT_EQ(a->slot_params[0].ton, 1333);
    EXPECT_EQ(a->slot_params[0].qsa, 1);

    auto b = pass(4800, "2024-01-07T19:35:59Z");
    ASSERT_GE(b->open_slot, 1);
    expect_paused(b->send_buf[0], "CQ CQ CQ DE 9MP3 9MP3 9MP3 K", 1);
    EXPECT_EQ(b->slot_params[0].spd, 24);
    EXPECT_EQ(b->slot_params[0].ton, 1222);
    EXPECT_EQ(b->slot_params[0].qsa, 1);

    for (int minute : {4, 6, 34, 36})
        EXPECT_EQ(fixed_calls(*pass(4800, "2024-01-07T08:" + two(minute) + ":30Z")), 0) << minute;
}

TEST_F(Rules_marine, Working454WeatherCallAndGeneralCallBySked) {
    for (const char* when : {"13:30:00", "13:34:59"}) {
        auto a = pass(4540, std::string("2024-07-10T") + when + "Z");
        ASSERT_GE(a->open_slot, 1) << when;
        EXPECT_EQ(a->send_buf[0], "CQ CQ CQ DE UOY UOY WX *" + kTail);
        EXPECT_EQ(a->slot_params[0].spd, 27);
        EXPECT_EQ(a->slot_params[0].ton, 1333);
        EXPECT_EQ(a->slot_params[0].qsa, 1);
    }
    for (const char* when : {"16:00:10", "16:04:10"}) {
        auto b = pass(4540, std::string("2024-07-10T") + when + "Z");
        ASSERT_GE(b->open_slot, 1) << when;
        expect_paused(b->send_buf[0], "CQ CQ CQ DE YSA YSA YSA K", 1);
        EXPECT_EQ(b->slot_params[0].spd, 17);
        EXPECT_EQ(b->slot_params[0].ton, 1888);
        EXPECT_EQ(b->slot_params[0].qsa, 1);
    }
    for (const char* when : {"13:29:59", "13:35:00", "15:59:10", "16:05:10", "01:30:00"})
        EXPECT_EQ(fixed_calls(*pass(4540, std::string("2024-07-10T") + when + "Z")), 0) << when;
}

TEST_F(Rules_marine, Txu443ClosesItsCallAtMinute18) {
    for (int hour : {0, 9, 23}) {
        auto a = pass(4430, at_time("2024-01-07", hour, 18, 40));
        ASSERT_EQ(a->open_slot, 1) << hour;
        const auto& p = a->slot_params[0];
        EXPECT_EQ(a->send_buf[0],
                  "CQ  CQ  CQ  DE  TXU  TXU  TXU  QRU? K" + (p.rto != 0 ? kHandTail : kTail));
        EXPECT_EQ(p.spd, 29);
        EXPECT_EQ(p.ton, 666);
        EXPECT_EQ(p.qsa, 2);
        EXPECT_LT(p.rto, 40);
    }
    EXPECT_EQ(pass(4430, "2024-01-07T09:17:40Z")->open_slot, 0);
    EXPECT_EQ(pass(4430, "2024-01-07T09:19:40Z")->open_slot, 0);
}

// --- The other marine rules ------------------------------------------------------------

TEST_F(Rules_marine, AnnouncementsInTheStationsVoices) {
    struct Case {
        int freq;
        const char* when;
        const char* call;
        Voice voice;
        std::string text;
    };
    for (const Case& c : {
             Case{4110, "2024-01-07T03:08:20Z", "VRP", voice_of("VRP"), "TFC LIST QSW 411 KCS"},
             Case{4140, "2024-01-07T03:40:20Z", "EBB", voice_of("EBB"), "WX QSW 414 ="},
             Case{4350, "2024-01-07T14:20:20Z", "FFP", voice_of("FFP"), "TFC LIST QSW 435 KCS"},
             Case{4475, "2024-01-07T14:51:20Z", "LMG", voice_of("LMG"), "TFC LIST QSW 447.5 KCS"},
             Case{5110, "2024-01-07T22:39:20Z", "SPH", voice_of("SPH"), "TFC LIST QSW 511 KCS"},
             Case{5170, "2024-01-07T07:50:20Z", "TFA", voice_of("TFA"), "ICE REPORT QSW 517 ="},
         }) {
        auto a = pass(c.freq, c.when);
        ASSERT_GE(a->open_slot, 1) << c.when;
        // The announcement's slot: a station's working may come before it in the rule.
        std::size_t k = 0;
        while (k + 1 < static_cast<std::size_t>(a->open_slot) &&
               a->send_buf[k].find(c.text) == std::string::npos)
            ++k;
        expect_announcement(a->send_buf[k], c.call, c.text);
        EXPECT_EQ(a->slot_params[k].spd, c.voice.spd) << c.call;
        EXPECT_EQ(a->slot_params[k].ton, c.voice.ton) << c.call;
        EXPECT_EQ(a->slot_params[k].qsa, c.voice.qsa) << c.call;
    }
    // Even and odd hours split 411.0 and 430.0 kHz.
    EXPECT_EQ(pass(4110, "2024-01-07T04:08:20Z")->open_slot, 0);
    auto pkk = pass(4300, "2024-01-07T04:02:20Z");
    ASSERT_EQ(pkk->open_slot, 1);
    expect_announcement(pkk->send_buf[0], "PKK", "TFC LIST QSW 430 KCS");
    auto pkd = pass(4300, "2024-01-07T05:32:20Z");
    ASSERT_EQ(pkd->open_slot, 1);
    expect_announcement(pkd->send_buf[0], "PKD", "TFC LIST QSW 430");
    EXPECT_EQ(pass(4300, "2024-01-07T05:02:20Z")->open_slot, 0);
}

TEST_F(Rules_marine, MarkersAtTheEdgesOfTheirWindows) {
    const std::string lpa2 = "VVV VVV VVV DE LPA2 LPA2 LPA2            ";
    for (const char* when : {"10:00", "21:59"}) {
        auto a = pass(4710, std::string("2024-01-07T") + when + ":05Z");
        ASSERT_EQ(a->open_slot, 1) << when;
        expect_still(a->send_buf[0], lpa2);
        EXPECT_EQ(a->slot_params[0].spd, voice_of("LPA2").spd);
        EXPECT_EQ(a->slot_params[0].ton, voice_of("LPA2").ton);
    }
    EXPECT_EQ(pass(4710, "2024-01-07T09:59:05Z")->open_slot, 0);
    EXPECT_EQ(pass(4710, "2024-01-07T22:00:05Z")->open_slot, 0);

    // 435.0 kHz: FFP's marker from minute 50 over the hour to minute 4.
    const std::string ffp = "VVV VVV VVV DE FFP FFP FFP            ";
    for (const char* when : {"07:50", "07:59", "08:04"})
        expect_still(pass(4350, std::string("2024-01-07T") + when + ":05Z")->send_buf[0], ffp);
    EXPECT_FALSE(holds(*pass(4350, "2024-01-07T07:49:05Z"), "VVV"));
    EXPECT_FALSE(holds(*pass(4350, "2024-01-07T08:05:05Z"), "VVV"));

    // 464.0 kHz: VCO in even hours, TXZ in odd ones, each in the first half hour.
    expect_still(pass(4640, "2024-01-07T06:29:05Z")->send_buf[0],
                 "VVV VVV VVV DE VCO VCO VCO            ");
    expect_still(pass(4640, "2024-01-07T07:00:05Z")->send_buf[0],
                 "VVV VVV VVV DE TXZ TXZ TXZ            ");
    EXPECT_EQ(pass(4640, "2024-01-07T07:30:05Z")->open_slot, 0);
}

TEST_F(Rules_marine, RuleOrderIsSlotOrder) {
    // 458.0 kHz at 18:08: SPE's list, then 9YM's marker.
    auto a = pass(4580, "2024-01-07T18:08:20Z");
    ASSERT_EQ(a->open_slot, 2);
    expect_announcement(a->send_buf[0], "SPE", "TFC LIST QSW 458 KCS");
    expect_still(a->send_buf[1], "VVV VVV VVV DE 9YM 9YM 9YM            ");
    EXPECT_EQ(a->slot_params[1].ton, voice_of("9YM").ton);

    // 450.0 kHz at 21:14: UGE2's marker, then 6OR's warnings.
    auto b = pass(4500, "2024-01-07T21:14:20Z");
    ASSERT_EQ(b->open_slot, 2);
    expect_still(b->send_buf[0], "VVV VVV VVV DE UGE2 UGE2 UGE2            ");
    expect_announcement(b->send_buf[1], "6OR", "NAV WNG QSW 450 =");
    // At 21:15, a minute divisible by 3, only the marker's pause.
    EXPECT_EQ(pass(4500, "2024-01-07T21:15:20Z")->open_slot, 0);
}

TEST_F(Rules_marine, TextsRepetitionsAndCalls) {
    // 410.0 kHz, S2LW in minutes 20 - 24 of even hours.
    for (const char* when : {"02:20", "02:24"}) {
        auto a = pass(4100, std::string("2024-01-07T") + when + ":05Z");
        ASSERT_EQ(a->open_slot, 1) << when;
        EXPECT_EQ(a->send_buf[0], "CQ CQ CQ DE S2LW S2LW S2LW QTC? QSW 410 K" + kTail);
    }
    for (const char* when : {"02:19", "02:25"})
        EXPECT_EQ(pass(4100, std::string("2024-01-07T") + when + ":05Z")->open_slot, 0) << when;
    // In odd hours only ships asking for bearings.
    auto odd = pass(4100, "2024-01-07T03:20:05Z");
    for (int k = 0; k < odd->open_slot; ++k)
        EXPECT_NE(odd->send_buf[static_cast<std::size_t>(k)].find("QTE? K"), std::string::npos);

    // 411.0 kHz, LOH's call six times.
    auto loh = pass(4110, "2024-01-07T05:42:05Z");
    ASSERT_EQ(loh->open_slot, 1);
    std::string six;
    for (int i = 0; i < 6; ++i)
        six += "VVV VVV DE LOH LOH QRU? ";
    EXPECT_EQ(loh->send_buf[0], six + kTail);
    EXPECT_EQ(loh->slot_params[0].ton, voice_of("LOH").ton);

    // 415.5 kHz, VWA2 calls a ship of the register, then again with its traffic.
    auto vwa2 = pass(4155, "2024-01-07T05:31:05Z");
    ASSERT_EQ(vwa2->open_slot, 2);
    const std::string ship = vwa2->ship_call;
    EXPECT_EQ(vsl(vwa2->vsl_nr), ship);
    EXPECT_EQ(vwa2->send_buf[0], ship + " DE VWA2 K" + kTail);
    EXPECT_EQ(vwa2->send_buf[1], ship + " " + ship + " DE VWA2 VWA2 QTC 1 K" + kTail);
    EXPECT_EQ(vwa2->slot_params[0].ton, voice_of("VWA2").ton);

    // 436.5 kHz, FFC's call in minutes ending in 4, its closing only now and then.
    const std::string ffc_call = "CQ CQ CQ DE FFC FFC FFC ";
    auto ffc = pass(4365, "2024-01-07T05:34:05.001Z");
    ASSERT_EQ(ffc->open_slot, 1);
    ASSERT_TRUE(ffc->send_buf[0].starts_with(ffc_call));
    ASSERT_TRUE(ffc->send_buf[0].ends_with("QRU? K" + kHandTail));
    EXPECT_EQ(trimmed(ffc->send_buf[0].substr(ffc_call.size())), "QRU? K");
    EXPECT_EQ(ffc->slot_params[0].ton, voice_of("FFC").ton);
    auto quiet = pass(4365, "2024-01-07T05:34:05.002Z");
    ASSERT_EQ(quiet->open_slot, 1);
    EXPECT_EQ(trimmed(quiet->send_buf[0]), "CQ CQ CQ DE FFC FFC FFC");
    EXPECT_EQ(pass(4365, "2024-01-07T05:35:05Z")->open_slot, 0);

    // 460.0 kHz, the V's in minutes 55 - 59.
    auto v = pass(4600, "2024-01-07T05:57:05Z");
    ASSERT_EQ(v->open_slot, 1);
    std::string vs;
    for (int i = 0; i < 6; ++i)
        vs += "V V V V V V V V V V  ";
    EXPECT_EQ(v->send_buf[0], vs + kTail);
    EXPECT_EQ(v->slot_params[0].spd, 18);
    EXPECT_EQ(v->slot_params[0].ton, 900);
    EXPECT_EQ(v->slot_params[0].qsa, 2);

    // 445.5 kHz, HZH's general call.
    auto hzh = pass(4455, "2024-01-07T05:52:05Z");
    ASSERT_GE(hzh->open_slot, 1);
    expect_paused(hzh->send_buf[0], "CQ CQ CQ DE HZH HZH HZH K", 1);
}

TEST_F(Rules_marine, StationsSharingAFrequencySplitTheHours) {
    struct Case {
        int freq;
        const char* when;
        std::string marker; // empty: nothing on the air
    };
    const std::string eal = "VVV VVV VVV DE EAL EAL EAL            ";
    const std::string igj = "VVV VVV VVV DE IGJ IGJ IGJ            ";
    const std::string pkf = "VVV VVV VVV DE PKF PKF PKF            ";
    const std::string pnk = "VVV VVV VVV DE PNK PNK PNK            ";
    const std::string gkr = "VVV VVV VVV DE GKR GKR GKR            ";
    for (const Case& c :
         {Case{4290, "08:29", ""}, Case{4290, "08:30", eal}, Case{4290, "08:59", eal},
          Case{4290, "09:30", igj}, Case{4650, "11:29", pkf}, Case{4650, "11:30", ""},
          Case{4650, "12:00", pnk}, Case{4650, "23:29", pnk}, Case{5170, "03:19", ""},
          Case{5170, "03:20", gkr}, Case{5170, "03:39", gkr}, Case{5170, "03:40", ""}}) {
        auto a = pass(c.freq, std::string("2024-07-10T") + c.when + ":05Z");
        if (c.marker.empty()) {
            EXPECT_FALSE(holds(*a, "VVV VVV VVV DE")) << c.freq << " " << c.when;
            continue;
        }
        ASSERT_GE(a->open_slot, 1) << c.freq << " " << c.when;
        expect_still(a->send_buf[0], c.marker);
    }
}

TEST_F(Rules_marine, RepeatedCallsInTheirWindows) {
    struct Case {
        int freq;
        const char* when;
        std::string body;
        int n;
        Voice voice;
    };
    for (const Case& c : {
             Case{4215, "04:00", "VVV VVV VVV DE CWA CWA CWA  ", 8, voice_of("CWA")},
             Case{4215, "04:04", "VVV VVV VVV DE CWA CWA CWA  ", 8, voice_of("CWA")},
             Case{4440, "05:29", "CQ CQ CQ DE XFN XFN XFN QSW 444  ", 3, voice_of("XFN")},
             Case{4820, "22:00", "CQ CQ CQ DE 4PB 4PB 4PB QSW 482  ", 3, voice_of("4PB")},
             Case{4890, "06:10", "VVV VVV DE VCM VCM  ", 10, voice_of("VCM")},
             Case{5100, "08:54", "CQ CQ CQ DE FJY4 FJY4 FJY4  ", 4, voice_of("FJY4")},
             Case{5105, "09:00", "VVV VVV DE UDE UDE  ", 8, voice_of("UDE")},
         }) {
        auto a = pass(c.freq, std::string("2024-07-10T") + c.when + ":05Z");
        ASSERT_GE(a->open_slot, 1) << c.freq << " " << c.when;
        std::string all;
        for (int i = 0; i < c.n; ++i)
            all += c.body;
        EXPECT_EQ(a->send_buf[0], all + kTail) << c.freq;
        EXPECT_EQ(a->slot_params[0].spd, c.voice.spd) << c.freq;
        EXPECT_EQ(a->slot_params[0].ton, c.voice.ton) << c.freq;
        EXPECT_EQ(a->slot_params[0].qsa, c.voice.qsa) << c.freq;
    }
    for (const auto& [freq, when] :
         {std::pair{4215, "04:05"}, std::pair{4215, "05:00"}, std::pair{4440, "04:25"},
          std::pair{4820, "21:59"}, std::pair{4890, "07:10"}, std::pair{5100, "08:49"},
          std::pair{5105, "08:00"}}) {
        const auto a = pass(freq, std::string("2024-07-10T") + when + ":05Z");
        EXPECT_FALSE(holds(*a, "VVV VVV") || holds(*a, "CQ CQ CQ")) << freq << " " << when;
    }
}

} // namespace
} // namespace zenka

namespace zenka {
namespace {

// --- The ships' working frequencies ---------------------------------------------------

TEST_F(Rules_marine, ShipChannelsOpenWithASilentShipAndCallByTheSecond) {
    struct Case {
        int freq, second;
        const char* caller;
    };
    for (const Case& c : {Case{4250, 3, "S3K"}, Case{4250, 43, "4YP"}, Case{4540, 32, "4YP"},
                          Case{4680, 13, "4YP"}, Case{4800, 0, "4YP"}}) {
        for (int minute : {1, 22, 57}) {
            auto a = pass(c.freq, at_time("2024-01-07", 9, minute, c.second));
            ASSERT_EQ(a->open_slot, 2) << c.freq << " " << c.second;
            EXPECT_EQ(a->slot_params[0].qsa, 0) << "the opening ship is silent";
            const std::string call =
                std::string(c.caller) + " " + c.caller + " DE " + a->ship_call + " " + a->ship_call + " K";
            EXPECT_EQ(vsl(a->vsl_nr), a->ship_call);
            const std::string& s = a->send_buf[1];
            EXPECT_TRUE(trimmed(s).empty() || trimmed(s) == call) << s;
        }
    }
    // 425.0 kHz at second 44: only the opening ship.
    for (int minute : {0, 31})
        EXPECT_EQ(pass(4250, at_time("2024-01-07", 9, minute, 44))->open_slot, 1);
}

} // namespace
} // namespace zenka

namespace zenka {
namespace {

// --- The coast stations' medium-frequency working ---------------------------------------

TEST_F(Rules_marine, CoastStationsWorkTwoMinutesInFiveInTheirOwnVoice) {
    // 418.5 kHz: JCS alone.
    const Voice jcs = voice_of("JCS");
    int working = 0;
    for (int minute = 0; minute < 60; ++minute) {
        if ((minute >= 14 && minute <= 18) || (minute >= 44 && minute <= 48)) continue;
        auto a = pass(4185, at_time("2024-01-07", 10, minute, 23));
        ASSERT_LE(a->open_slot, 1) << minute;
        working += a->open_slot;
        if (a->open_slot == 1 && a->send_buf[0].find("QTC1") == std::string::npos) {
            EXPECT_EQ(a->slot_params[0].spd, jcs.spd + 3) << minute;
            EXPECT_EQ(a->slot_params[0].qsa, jcs.qsa) << minute;
        }
    }
    EXPECT_EQ(working, 50 * 2 / 5);
}

TEST_F(Rules_marine, TrafficListsOncePerOtherHourAfterTheirAnnouncement) {
    // 421.0 kHz: PCH announces its list and the list follows in the same slot.
    int lists = 0;
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; ++minute) {
            auto a = pass(4210, at_time("2024-01-07", hour, minute, 1));
            for (int k = 0; k < a->open_slot; ++k) {
                const std::string& s = a->send_buf[static_cast<std::size_t>(k)];
                if (s.find("HR TFC LIST = QTC FOR ") == std::string::npos) continue;
                ++lists;
                EXPECT_EQ(s.rfind("CQ CQ CQ DE PCH PCH PCH TFC LIST =", 0), 0u) << s.substr(0, 60);
                EXPECT_NE(s.find(" = + DE PCH PSE K"), std::string::npos);
            }
        }
    EXPECT_EQ(lists, 12);
}

} // namespace
} // namespace zenka
