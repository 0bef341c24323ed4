#include "band/catalogue.h"
#include "compose/air.h"
#include "support/band_pass.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::expect_voice;

using test::expect_still;
using test::slots;
const std::string& kTail = test::kStackTail;
const std::string kHandTail(180, ' '); // send_stack's pause after hand or bug keying

class Rules_lf_100 : public test::BandPass {
  protected:
    // A pass of the other stations alone: the long-wave maritime working on these frequencies
    // is tested on its own.
    std::unique_ptr<Air> pass(int freq, const std::string& when, ReceiverSettings s = {}) {
        auto a = tuned(freq, when, s);
        band(*a, test::fixed_stations_catalogue());
        out.add(*a);
        return a;
    }

    // Only the rules of this range, in order, at `freq` (frequencies that rules of
    // lower ranges also cover).
    std::unique_ptr<Air> own_rules(int freq, const std::string& when) {
        auto a = tuned(freq, when);
        for (const Rule& rule : lf_100_rules())
            if (rule.freq.contains(freq)) rule.act(*a);
        return a;
    }

    // This range's rules alone, recording which recordings they start (a whole
    // pass also starts the background).
    std::unique_ptr<Air> pass_heard(int freq, const std::string& when, int bkgnd = 1) {
        out.clear();
        ReceiverSettings s;
        s.bkgnd = bkgnd;
        auto a = tuned(freq, when, s);
        for (const Rule& rule : lf_100_rules())
            if (rule.freq.contains(freq)) rule.act(*a);
        out.add(*a);
        return a;
    }

    std::vector<std::string> recordings() const {
        std::vector<std::string> played;
        for (const std::string& call : out.calls())
            if (call.starts_with("play_recording ")) played.push_back(call.substr(15));
        return played;
    }
};

std::string spark_call(const std::string& text) {
    return std::string(120, ' ') + text + kTail;
}

std::string time_signal(const std::string& call) {
    std::string s = call.empty() ? "" : call + "  TIME  ";
    for (int i = 0; i < 100; ++i)
        s += "E    ";
    return s + kTail;
}

TEST_F(Rules_lf_100, TimeSignalAndIqzSparkShare100kHz) {
    // 16:55: the time signal before the hour, then IQZ's spark call.
    auto a = pass(1000, "2024-01-07T16:55:10Z");
    ASSERT_EQ(slots(*a).size(), 2u);
    EXPECT_EQ(a->send_buf[0], time_signal(""));
    EXPECT_EQ(a->slot_params[0].spd, 24);
    EXPECT_EQ(a->slot_params[0].ton, 1000);
    EXPECT_EQ(a->send_buf[1], spark_call("IDR IDR IDR DE IQZ IQZ IQZ QTC 3 K"));
    expect_voice(*a, 1, 13, 560, 4);
    EXPECT_EQ(a->slot_params[1].spark, 1);

    EXPECT_EQ(pass(1000, "2024-01-07T16:49:10Z")->open_slot, 0);
    EXPECT_EQ(slots(*pass(1000, "2024-01-07T16:54:10Z")).size(), 1u);
    auto c = pass(1000, "2024-01-07T16:50:10Z");
    ASSERT_EQ(slots(*c).size(), 1u);
    EXPECT_EQ(c->send_buf[0], spark_call("IDR IDR IDR DE IQZ IQZ IQZ QTC 3 K"));
    EXPECT_EQ(pass(1000, "2024-01-07T20:50:10Z")->open_slot, 0);

    // The morning call in minutes 20 - 29 of 06:00 - 09:59.
    auto d = pass(1000, "2024-01-07T06:20:00Z");
    ASSERT_EQ(slots(*d).size(), 1u);
    EXPECT_EQ(d->send_buf[0], spark_call("CQ CQ CQ DE IQZ IQZ IQZ QRU? K"));
    EXPECT_EQ(pass(1000, "2024-01-07T09:30:00Z")->open_slot, 0);

    // Without HIST the spark calls are not heard.
    ReceiverSettings no_hist;
    no_hist.hist = 0;
    auto e = pass(1000, "2024-01-07T06:25:00Z", no_hist);
    EXPECT_EQ(e->open_slot, 0);
}

TEST_F(Rules_lf_100, TeleprinterAndWeatherOn100kHz) {
    // NCI4's teleprinter in even hours, minutes 0 - 19; with it TAB's weather at 08:00.
    auto a = pass_heard(1000, "2024-01-07T08:03:00Z");
    EXPECT_EQ(recordings(), std::vector<std::string>{"fone/rtt-001.wav"});
    ASSERT_EQ(slots(*a).size(), 1u);
    auto twin = tuned(1000, "2024-01-07T08:03:00Z");
    std::string groups;
    for (int i = 0; i < 12; ++i)
        groups += twin->group5f();
    EXPECT_EQ(a->send_buf[0], "CQ CQ CQ DE TAB TAB TAB METEO = " + groups + "= TAB +" + kTail);
    EXPECT_TRUE(std::regex_match(groups, std::regex("^(?:[0-9]{5} ){12}$")));
    expect_voice(*a, 0, 21, 1401, 3);

    pass_heard(1000, "2024-01-07T08:19:00Z");
    EXPECT_EQ(recordings().size(), 1u);
    // Minute 20: the teleprinter has ended; IQZ's morning spark call.
    auto q = pass_heard(1000, "2024-01-07T08:20:00Z");
    EXPECT_TRUE(recordings().empty());
    ASSERT_EQ(slots(*q).size(), 1u);
    EXPECT_EQ(q->send_buf[0], spark_call("CQ CQ CQ DE IQZ IQZ IQZ QRU? K"));
    pass_heard(1000, "2024-01-07T09:05:00Z");
    EXPECT_TRUE(recordings().empty());
    EXPECT_EQ(pass(1000, "2024-01-07T08:05:00Z")->open_slot, 0);
    EXPECT_EQ(pass(1000, "2024-01-07T20:04:00Z")->open_slot, 1);

    // JTJ's marker from 10:00 to 14:54, not in the time-signal minutes.
    auto j = pass(1000, "2024-01-07T14:54:00Z");
    ASSERT_EQ(slots(*j).size(), 1u);
    expect_still(j->send_buf[0], "VVV VVV VVV DE JTJ JTJ JTJ            ");
    expect_voice(*j, 0, 20, 508, 5);
    auto k = pass(1000, "2024-01-07T10:55:00Z");
    ASSERT_EQ(slots(*k).size(), 1u);
    EXPECT_EQ(k->send_buf[0], time_signal(""));
    EXPECT_EQ(pass(1000, "2024-01-07T15:00:00Z")->open_slot, 0);
}

TEST_F(Rules_lf_100, NavalMarkersAndTimeSignalOn102kHz) {
    // 00:55, an even hour: NAD's marker, then NAR's time signal, then NBA's fleet broadcast
    // unless it keeps silent.
    auto a = pass(1020, "2024-01-07T00:55:00Z");
    const auto heard = slots(*a);
    ASSERT_TRUE(heard.size() == 2 || (heard.size() == 3 && heard[2].find("NBA") != std::string::npos));
    expect_still(a->send_buf[0], "VVV VVV VVV DE NAD NAD NAD            ");
    expect_voice(*a, 0, 24, 607, 1);
    EXPECT_EQ(a->send_buf[1], time_signal("NAR"));
    expect_voice(*a, 1, 24, 502, 1);

    // NAR's marker stops for its time signal and in odd hours' last minutes.
    auto b = pass(1020, "2024-01-07T06:54:00Z");
    ASSERT_EQ(slots(*b).size(), 1u);
    expect_still(b->send_buf[0], "VVV VVV VVV DE NAR NAR NAR            ");
    expect_voice(*b, 0, 18, 502, 1);
    auto c = pass(1020, "2024-01-07T06:59:00Z");
    ASSERT_EQ(slots(*c).size(), 1u);
    EXPECT_EQ(c->send_buf[0], time_signal("NAR"));
    EXPECT_EQ(pass(1020, "2024-01-07T07:55:00Z")->open_slot, 0);

    auto d = pass(1020, "2024-01-07T12:00:00Z");
    ASSERT_EQ(slots(*d).size(), 1u);
    expect_still(d->send_buf[0], "VVV VVV VVV DE NPL NPL NPL            ");
    auto e = pass(1020, "2024-01-07T23:59:00Z");
    ASSERT_EQ(slots(*e).size(), 1u);
    expect_still(e->send_buf[0], "VVV VVV VVV DE NPE NPE NPE            ");
    expect_voice(*e, 0, 20, 796, 5);
    // The time signal's rule comes before NPE's: its slot first.
    auto f = pass(1020, "2024-01-07T18:56:00Z");
    ASSERT_EQ(slots(*f).size(), 2u);
    EXPECT_EQ(f->send_buf[0], time_signal("NAR"));
    expect_still(f->send_buf[1], "VVV VVV VVV DE NPE NPE NPE            ");
    expect_voice(*f, 1, 20, 796, 5);
}

TEST_F(Rules_lf_100, NavalMarkersAndTimeSignalOn104kHz) {
    // NPW's time signal in odd hours, after NAI's marker.
    auto a = pass(1040, "2024-01-07T05:57:00Z");
    ASSERT_EQ(slots(*a).size(), 2u);
    expect_still(a->send_buf[0], "VVV VVV VVV DE NAI NAI NAI            ");
    expect_voice(*a, 0, 18, 1341, 2);
    EXPECT_EQ(a->send_buf[1], time_signal("NPW"));
    expect_voice(*a, 1, 24, 1295, 4);

    auto b = pass(1040, "2024-01-07T06:00:00Z");
    ASSERT_EQ(slots(*b).size(), 1u);
    expect_still(b->send_buf[0], "VVV VVV VVV DE NPW NPW NPW            ");
    expect_voice(*b, 0, 19, 1295, 4);
    auto c = pass(1040, "2024-01-07T11:55:00Z");
    ASSERT_EQ(slots(*c).size(), 1u);
    EXPECT_EQ(c->send_buf[0], time_signal("NPW"));
    EXPECT_EQ(pass(1040, "2024-01-07T10:55:00Z")->open_slot, 0);

    auto d = pass(1040, "2024-01-07T17:59:00Z");
    ASSERT_EQ(slots(*d).size(), 2u);
    EXPECT_EQ(d->send_buf[0], time_signal("NPW"));
    expect_still(d->send_buf[1], "VVV VVV VVV DE NAT NAT NAT            ");
    expect_voice(*d, 1, 27, 1220, 4);
    auto e = pass(1040, "2024-01-07T18:00:00Z");
    ASSERT_EQ(slots(*e).size(), 1u);
    expect_still(e->send_buf[0], "VVV VVV VVV DE NAY NAY NAY            ");
    expect_voice(*e, 0, 20, 776, 5);
}

TEST_F(Rules_lf_100, NaaTimeSignalBeforeNoonAndTenPm113kHz) {
    auto before = pass(1130, "2024-01-07T11:54:00Z");
    ASSERT_EQ(slots(*before).size(), 1u);
    expect_still(before->send_buf[0], "VVV VVV VVV DE NAW NAW NAW            ");
    expect_voice(*before, 0, 21, 726, 2);

    for (const char* when : {"2024-01-07T11:55:00Z", "2024-07-10T11:59:59Z"}) {
        auto a = pass(1130, when);
        ASSERT_EQ(slots(*a).size(), 2u) << when;
        EXPECT_EQ(a->send_buf[0], time_signal("NAA"));
        expect_voice(*a, 0, 24, 788, 2);
        expect_still(a->send_buf[1], "VVV VVV VVV DE NAW NAW NAW            ");
    }
    auto night = pass(1130, "2024-01-07T21:56:00Z");
    ASSERT_EQ(slots(*night).size(), 2u);
    EXPECT_EQ(night->send_buf[0], time_signal("NAA"));
    expect_still(night->send_buf[1], "VVV VVV VVV DE NAS NAS NAS            ");
    expect_voice(*night, 1, 23, 1346, 2);
    EXPECT_EQ(slots(*pass(1130, "2024-01-07T12:55:00Z")).size(), 1u);

    // The markers take the day in turns.
    struct Turn {
        const char* when;
        const char* call;
        int spd, ton, qsa;
    };
    for (const Turn t : {Turn{"2024-01-07T00:00:00Z", "NAA", 23, 788, 2},
                         Turn{"2024-01-07T02:59:00Z", "NAA", 23, 788, 2},
                         Turn{"2024-01-07T03:00:00Z", "NPM", 24, 1176, 1},
                         Turn{"2024-01-07T06:00:00Z", "YLR", 21, 989, 1},
                         Turn{"2024-01-07T09:59:00Z", "YLR", 21, 989, 1},
                         Turn{"2024-01-07T10:00:00Z", "NAW", 21, 726, 2},
                         Turn{"2024-01-07T13:00:00Z", "NAU", 25, 849, 2},
                         Turn{"2024-01-07T17:00:00Z", "NAR", 18, 502, 1},
                         Turn{"2024-01-07T20:00:00Z", "NAS", 23, 1346, 2}}) {
        auto a = pass(1130, t.when);
        ASSERT_EQ(slots(*a).size(), 1u) << t.when;
        const std::string c = t.call;
        expect_still(a->send_buf[0], "VVV VVV VVV DE " + c + " " + c + " " + c + "            ");
        expect_voice(*a, 0, t.spd, t.ton, t.qsa);
    }
}

TEST_F(Rules_lf_100, NpcNafAndVaiSplitTheHourOn118kHz) {
    auto a = own_rules(1180, "2024-01-07T07:29:00Z");
    ASSERT_EQ(slots(*a).size(), 1u);
    expect_still(a->send_buf[0], "VVV VVV VVV DE NPC NPC NPC            ");
    expect_voice(*a, 0, 22, 757, 1);
    auto b = own_rules(1180, "2024-01-07T08:00:00Z");
    ASSERT_EQ(slots(*b).size(), 1u);
    expect_still(b->send_buf[0], "CQ CQ CQ DE NPC NPC NPC            ");
    auto c = own_rules(1180, "2024-01-07T16:10:00Z");
    ASSERT_EQ(slots(*c).size(), 1u);
    expect_still(c->send_buf[0], "NPC NPC NPC QRU?            ");
    auto d = own_rules(1180, "2024-01-07T16:30:00Z");
    ASSERT_EQ(slots(*d).size(), 1u);
    expect_still(d->send_buf[0], "VVV VVV VVV DE NAF NAF NAF            ");
    expect_voice(*d, 0, 22, 1167, 3);
    auto e = own_rules(1180, "2024-01-07T16:44:00Z");
    expect_still(e->send_buf[0], "VVV VVV VVV DE NAF NAF NAF            ");
    auto f = own_rules(1180, "2024-01-07T16:45:00Z");
    ASSERT_EQ(slots(*f).size(), 1u);
    expect_still(f->send_buf[0], "VVV VVV VVV DE VAI VAI VAI            ");
    expect_voice(*f, 0, 19, 914, 3);
    auto g = own_rules(1180, "2024-01-07T16:59:00Z");
    expect_still(g->send_buf[0], "VVV VVV VVV DE VAI VAI VAI            ");
}

TEST_F(Rules_lf_100, SparkCallsOn120kHzBeforeAndAfterNoon) {
    auto a = pass(1200, "2024-01-07T11:47:00Z");
    ASSERT_EQ(slots(*a).size(), 1u);
    EXPECT_EQ(a->send_buf[0], spark_call("CQ CQ CQ DE RDU RDU RDU K"));
    expect_voice(*a, 0, 17, 620, 3);
    EXPECT_EQ(a->slot_params[0].spark, 1);
    auto b = pass(1200, "2024-01-07T12:07:00Z");
    ASSERT_EQ(slots(*b).size(), 1u);
    EXPECT_EQ(b->send_buf[0], spark_call("CQ CQ CQ DE SAJ SAJ SAJ QRU? K"));
    expect_voice(*b, 0, 23, 565, 4);
    for (const char* when : {"2024-01-07T11:52:00Z", "2024-01-07T12:02:00Z", "2024-01-07T11:48:00Z",
                             "2024-01-07T00:07:00Z"})
        EXPECT_EQ(pass(1200, when)->open_slot, 0) << when;
    EXPECT_EQ(pass(1200, "2024-01-07T00:02:00Z")->open_slot, 1);
    EXPECT_EQ(pass(1200, "2024-01-07T23:52:00Z")->open_slot, 1);
}

TEST_F(Rules_lf_100, MarkersAndTextsOn125kHz) {
    // The marker of the hour first, then the text of the slot.
    auto a = pass(1250, "2024-01-07T00:30:00Z");
    ASSERT_EQ(slots(*a).size(), 2u);
    expect_still(a->send_buf[0], "VVV VVV VVV DE IAC IAC IAC            ");
    expect_voice(*a, 0, 19, 503, 1);
    EXPECT_EQ(a->send_buf[1], "CQ CQ CQ DE GOR GOR GOR NAVAL WEATHER QSW 131.9 KCS +" + kTail);
    expect_voice(*a, 1, 26, 991, 1);

    auto b = pass(1250, "2024-01-07T09:44:00Z");
    ASSERT_EQ(slots(*b).size(), 2u);
    expect_still(b->send_buf[0], "VVV VVV VVV DE CTG CTG CTG            ");
    expect_voice(*b, 0, 22, 1198, 3);
    EXPECT_EQ(b->send_buf[1], "CQ CQ DE CME CME TFC LIST = K" + kTail);
    expect_voice(*b, 1, 18, 1203, 2);

    auto c = pass(1250, "2024-01-07T17:34:00Z");
    ASSERT_EQ(slots(*c).size(), 2u);
    expect_still(c->send_buf[0], "VVV VVV VVV DE NPO NPO NPO            ");
    expect_voice(*c, 0, 24, 1038, 3);
    EXPECT_EQ(c->send_buf[1], "CQ CQ CQ DE FNSM FNSM FNSM QTC = K" + kTail);
    expect_voice(*c, 1, 20, 605, 2);

    auto d = pass(1250, "2024-01-07T16:40:00Z");
    EXPECT_EQ(d->send_buf[1], "CQ CQ CQ DE VJZ VJZ VJZ QRU? K" + kTail);
    auto e = pass(1250, "2024-01-07T22:50:00Z");
    EXPECT_EQ(e->send_buf[1], "CQ CQ CQ DE CTV CTV CTV QSW 125 KCS K" + kTail);
    auto f = pass(1250, "2024-01-07T23:54:00Z");
    EXPECT_EQ(f->send_buf[1], "CQ CQ CQ DE CTO CTO CTO AVISOS AOS NAVEGANTES K" + kTail);
    expect_voice(*f, 1, 18, 1464, 5);

    // The ship channel's minutes are left free; the texts keep to their five minutes.
    for (const char* when : {"2024-01-07T00:23:00Z", "2024-01-07T08:27:00Z", "2024-01-07T16:55:00Z",
                             "2024-01-07T07:59:00Z"})
        EXPECT_EQ(pass(1250, when)->open_slot, 0) << when;
    EXPECT_EQ(pass(1250, "2024-01-07T00:22:00Z")->open_slot, 1);
    EXPECT_EQ(pass(1250, "2024-01-07T00:28:00Z")->open_slot, 1);
    EXPECT_EQ(pass(1250, "2024-01-07T00:35:00Z")->open_slot, 1);
}

TEST_F(Rules_lf_100, NavalStationsShare132kHz) {
    // NPN's marker, then NAO's message.
    auto a = pass(1320, "2024-01-07T00:40:00Z");
    ASSERT_EQ(slots(*a).size(), 2u);
    expect_still(a->send_buf[0], "VVV VVV VVV DE NPN NPN NPN            ");
    expect_voice(*a, 0, 20, 521, 3);
    EXPECT_EQ(a->send_buf[1], "NPN NPN DE NAO NAO QTC 1 = NR 7 = K" + kTail);
    expect_voice(*a, 1, 27, 1476, 2);
    // NSC's rule comes before NAQ's: the message first, then the marker.
    auto b = pass(1320, "2024-01-07T19:44:00Z");
    ASSERT_EQ(slots(*b).size(), 2u);
    EXPECT_EQ(b->send_buf[0], "NAA NAA DE NSC NSC QRU? K" + kTail);
    expect_voice(*b, 0, 23, 950, 3);
    expect_still(b->send_buf[1], "VVV VVV VVV DE NAQ NAQ NAQ            ");
    expect_voice(*b, 1, 17, 881, 2);

    // NPN's own traffic in minutes 0 - 14 from 03:00, then its second marker.
    auto c = pass(1320, "2024-01-07T03:14:00Z");
    ASSERT_EQ(slots(*c).size(), 1u);
    EXPECT_EQ(c->send_buf[0], "NAA NAA NAA DE NPN NPN NPN QTC 2 = NR 41 CK 12 = K" + kTail);
    expect_voice(*c, 0, 20, 521, 3);
    auto d = pass(1320, "2024-01-07T05:15:00Z");
    ASSERT_EQ(slots(*d).size(), 1u);
    expect_still(d->send_buf[0], "NPN NPN NPN QRU?            ");
    auto e = pass(1320, "2024-01-07T02:15:00Z");
    expect_still(e->send_buf[0], "VVV VVV VVV DE NPN NPN NPN            ");

    // The time signals before the hour: NAX in even hours, NAJ in odd hours.
    auto f = pass(1320, "2024-01-07T10:55:00Z");
    ASSERT_EQ(slots(*f).size(), 1u);
    EXPECT_EQ(f->send_buf[0], time_signal("NAX"));
    expect_voice(*f, 0, 24, 1297, 4);
    auto g = pass(1320, "2024-01-07T13:59:00Z");
    ASSERT_EQ(slots(*g).size(), 1u);
    EXPECT_EQ(g->send_buf[0], time_signal("NAJ"));
    expect_voice(*g, 0, 24, 1408, 1);

    struct Turn {
        const char* when;
        std::string marker;
    };
    for (const Turn& t : {Turn{"2024-01-07T06:00:00Z", "VVV VVV VVV DE NAY NAY NAY            "},
                          Turn{"2024-01-07T09:54:00Z", "VVV VVV VVV DE NAX NAX NAX            "},
                          Turn{"2024-01-07T12:00:00Z", "VVV VVV VVV DE NAJ NAJ NAJ            "},
                          Turn{"2024-01-07T15:00:00Z", "CQ CQ CQ DE NAJ NAJ NAJ            "},
                          Turn{"2024-01-07T21:00:00Z", "VVV VVV VVV DE NEV NEV NEV            "}}) {
        auto m = pass(1320, t.when);
        ASSERT_EQ(slots(*m).size(), 1u) << t.when;
        expect_still(m->send_buf[0], t.marker);
    }
}

// A hand-keyed call that closes its slot whether or not its text was sent: sent
// when the millisecond is odd, after a pause of none or one group.
void expect_cond(const Air& a, int k, const std::string& call) {
    const std::string& s = a.send_buf[static_cast<std::size_t>(k)];
    const std::string sent = a.t.milliseconds % 2 == 1 ? call : "";
    EXPECT_TRUE(s == sent + kHandTail || s == "    " + sent + kHandTail) << s;
    EXPECT_EQ(a.slot_params[static_cast<std::size_t>(k)].hand, 1);
}

TEST_F(Rules_lf_100, WupCallsIn132kHzEvenHoursHandKeyed) {
    // After NPN's marker, whose rule comes first.
    for (const char* when : {"2024-01-07T00:20:00.001Z", "2024-01-07T00:24:00.000Z"}) {
        auto a = pass(1320, when);
        ASSERT_EQ(slots(*a).size(), 2u) << when;
        expect_still(a->send_buf[0], "VVV VVV VVV DE NPN NPN NPN            ");
        expect_cond(*a, 1, "CQ CQ CQ DE WUP WUP WUP QRU? K");
        expect_voice(*a, 1, 27, 1371, 5);
    }
    // Before NEV's marker, whose rule comes later.
    auto b = pass(1320, "2024-01-07T22:23:59.999Z");
    ASSERT_EQ(slots(*b).size(), 2u);
    expect_cond(*b, 0, "CQ CQ CQ DE WUP WUP WUP QRU? K");
    expect_voice(*b, 0, 27, 1371, 5);
    expect_still(b->send_buf[1], "VVV VVV VVV DE NEV NEV NEV            ");
    expect_voice(*b, 1, 20, 738, 5);
    EXPECT_EQ(slots(*pass(1320, "2024-01-07T01:20:00.001Z")).size(), 1u);
    EXPECT_EQ(slots(*pass(1320, "2024-01-07T00:25:00.001Z")).size(), 1u);
    EXPECT_EQ(slots(*pass(1320, "2024-01-07T00:19:00.001Z")).size(), 1u);
}

TEST_F(Rules_lf_100, NhcCallKeyedByBugInF1) {
    for (const char* when : {"2024-01-07T13:40:00.003Z", "2024-01-07T13:44:59.000Z"}) {
        auto a = pass(1350, when);
        ASSERT_EQ(slots(*a).size(), 1u) << when;
        expect_cond(*a, 0, "VVV VVV DE NHC NHC QTC? K");
        EXPECT_EQ(a->slot_params[0]._f1, 1);
        EXPECT_LT(a->slot_params[0].rto, 40);
    }
    EXPECT_EQ(pass(1350, "2024-01-07T13:39:00Z")->open_slot, 0);
    EXPECT_EQ(pass(1350, "2024-01-07T13:45:00Z")->open_slot, 0);
}

TEST_F(Rules_lf_100, DataBurstsAtTheirRangeEdges) {
    const std::string burst(42, 'Z');
    struct Case {
        int freq;
        const char* when;
        int ton, qsa;
    };
    for (const Case c :
         {Case{1104, "2024-01-07T12:00:00Z", 1200, 2}, Case{1106, "2024-01-07T12:49:00Z", 1200, 2},
          Case{1236, "2024-01-07T12:00:00Z", 1000, 3}, Case{1238, "2024-01-07T12:59:00Z", 1000, 3},
          Case{1291, "2024-01-07T13:00:00Z", 1100, 3}, Case{1292, "2024-01-07T13:49:00Z", 1100, 3},
          Case{1333, "2024-01-07T13:49:00Z", 1300, 2}, Case{1335, "2024-01-07T13:00:00Z", 1300, 2},
          Case{1356, "2024-01-07T13:30:00Z", 900, 1}}) {
        auto a = pass(c.freq, c.when);
        ASSERT_EQ(slots(*a).size(), 1u) << c.freq;
        expect_still(a->send_buf[0], burst);
        expect_voice(*a, 0, 200, c.ton, c.qsa);
        EXPECT_EQ(a->slot_params[0]._f1, 1);
    }
    for (int freq : {1103, 1107, 1235, 1239, 1289, 1293, 1332, 1336, 1355, 1357})
        EXPECT_EQ(pass(freq, "2024-01-07T13:10:00Z")->open_slot, 0) << freq;
    EXPECT_EQ(pass(1104, "2024-01-07T12:50:00Z")->open_slot, 0);
    EXPECT_EQ(pass(1237, "2024-01-07T13:10:00Z")->open_slot, 0);
    EXPECT_EQ(pass(1356, "2024-01-07T12:10:00Z")->open_slot, 0);
}

TEST_F(Rules_lf_100, SingleLetterMarkerThenDataOn129kHz) {
    auto a = pass(1290, "2024-01-07T13:10:00Z");
    ASSERT_EQ(slots(*a).size(), 2u);
    expect_still(a->send_buf[0], "K  K  K  K  K            ");
    expect_voice(*a, 0, 16, 1050, 2);
    EXPECT_EQ(a->slot_params[0]._f1, 0);
    expect_still(a->send_buf[1], std::string(42, 'Z'));
    expect_voice(*a, 1, 200, 1100, 3);
    auto b = pass(1290, "2024-01-07T13:50:00Z");
    ASSERT_EQ(slots(*b).size(), 1u);
    expect_still(b->send_buf[0], "K  K  K  K  K            ");
}

TEST_F(Rules_lf_100, VrtAnnouncesItsListOn1333kHz) {
    auto a = pass(1333, "2024-01-07T04:50:00Z");
    ASSERT_EQ(slots(*a).size(), 1u);
    EXPECT_TRUE(std::regex_match(
        a->send_buf[0],
        std::regex("^( {4}){0,2}CQ CQ CQ DE VRT VRT VRT TFC LIST QSW 143 KCS {20}$")))
        << a->send_buf[0];
    expect_voice(*a, 0, 22, 760, 3);
    EXPECT_EQ(slots(*pass(1333, "2024-01-07T04:51:00Z")).size(), 1u);
    // Outside its minutes only a ship asking VRT for a bearing may be heard.
    auto b = pass(1333, "2024-01-07T04:52:00Z");
    ASSERT_LE(slots(*b).size(), 1u);
    if (!slots(*b).empty()) {
        EXPECT_NE(b->send_buf[0].find("VRT VRT VRT DE"), std::string::npos) << b->send_buf[0];
        EXPECT_NE(b->send_buf[0].find("QTE? K"), std::string::npos) << b->send_buf[0];
    }
    // Only 133.3 kHz carries the announcement.
    EXPECT_EQ(pass(1334, "2024-01-07T04:50:00Z")->open_slot, 0);
}

TEST_F(Rules_lf_100, FacsimileAtItsWindows) {
    for (const char* when : {"2024-01-07T03:00:00Z", "2024-01-07T03:19:00Z"}) {
        pass_heard(1198, when);
        EXPECT_EQ(recordings(), std::vector<std::string>{"fone/fax-001.wav"}) << when;
    }
    pass_heard(1198, "2024-01-07T03:20:00Z");
    EXPECT_TRUE(recordings().empty());
    for (int freq : {1197, 1199}) {
        pass_heard(freq, "2024-01-07T03:05:00Z");
        EXPECT_TRUE(recordings().empty()) << freq;
    }
    for (const char* when : {"2024-01-07T03:30:00Z", "2024-01-07T03:49:00Z"}) {
        pass_heard(1365, when);
        EXPECT_EQ(recordings(), std::vector<std::string>{"fone/fax-001.wav"}) << when;
    }
    for (const char* when : {"2024-01-07T03:29:00Z", "2024-01-07T03:50:00Z"}) {
        pass_heard(1365, when);
        EXPECT_TRUE(recordings().empty()) << when;
    }
    // With the background stations off no facsimile is heard.
    pass_heard(1198, "2024-01-07T03:05:00Z", 0);
    EXPECT_TRUE(recordings().empty());
}

TEST_F(Rules_lf_100, TeleprintersByTheirShifts) {
    pass_heard(1225, "2024-01-07T03:29:00Z");
    EXPECT_EQ(recordings(), std::vector<std::string>{"fone/rtt-002.wav"});
    pass_heard(1225, "2024-01-07T03:30:00Z");
    EXPECT_TRUE(recordings().empty());
    pass_heard(1113, "2024-01-07T06:00:00Z");
    EXPECT_EQ(recordings(), std::vector<std::string>{"fone/rtt-001.mp3"});
    pass_heard(1113, "2024-01-07T20:00:00Z");
    EXPECT_TRUE(recordings().empty());
    pass_heard(1295, "2024-01-07T17:59:00Z");
    EXPECT_EQ(recordings(), std::vector<std::string>{"fone/rtt-001.wav"});
    pass_heard(1295, "2024-01-07T05:59:00Z");
    EXPECT_TRUE(recordings().empty());
}

TEST_F(Rules_lf_100, TimedTextsAndSparkAnswers) {
    // JMC's call three times at the synoptic hours.
    auto j = pass(1226, "2024-01-07T18:04:00Z");
    ASSERT_EQ(slots(*j).size(), 1u);
    // The call, then the forecasts in the same emission.
    EXPECT_TRUE(j->send_buf[0].starts_with("CQ CQ CQ DE JMC JMC JMC WX CQ CQ CQ DE JMC JMC JMC WX "
                                           "CQ CQ CQ DE JMC JMC JMC WX         HR WX = TOKYO WX 08"))
        << j->send_buf[0];
    EXPECT_TRUE(j->send_buf[0].ends_with(" + DE JMC ]" + kTail));
    expect_voice(*j, 0, 24, 912, 5);
    EXPECT_EQ(pass(1226, "2024-01-07T18:05:00Z")->open_slot, 0);

    // 107.0 kHz: GYF calls at minutes 10 and 40, GYO at 25 and 55, over the marker.
    auto g = pass(1070, "2024-01-07T12:40:00Z");
    ASSERT_EQ(slots(*g).size(), 2u);
    expect_still(g->send_buf[0], "VVV VVV VVV DE OHB OHB OHB            ");
    EXPECT_EQ(g->send_buf[1], spark_call("CQ CQ CQ DE GYF GYF GYF K"));
    expect_voice(*g, 1, 18, 590, 4);
    auto o = pass(1070, "2024-01-07T23:55:00Z");
    ASSERT_EQ(slots(*o).size(), 2u);
    expect_still(o->send_buf[0], "VVV VVV VVV DE XST XST XST            ");
    EXPECT_EQ(o->send_buf[1], spark_call("GYF GYF GYF DE GYO GYO GYO QTC K"));
    expect_voice(*o, 1, 15, 670, 3);

    // 106.0 kHz: NKB calls NPU in even hours at minutes 50 - 54 and the marker pauses.
    auto n = own_rules(1060, "2024-01-07T02:50:00Z");
    ASSERT_EQ(slots(*n).size(), 1u);
    EXPECT_EQ(n->send_buf[0], "NPU NPU NPU DE NKB NKB QTC 2 K" + kTail);
    expect_voice(*n, 0, 24, 902, 2);
    auto u = own_rules(1060, "2024-01-07T03:50:00Z");
    ASSERT_EQ(slots(*u).size(), 1u);
    expect_still(u->send_buf[0], "VVV VVV VVV DE NPU NPU NPU            ");
    expect_voice(*u, 0, 17, 738, 3);

    // 108.0 kHz: NPW's broadcast with eight groups, over NAH's marker.
    auto w = own_rules(1080, "2024-01-07T13:15:00Z");
    ASSERT_EQ(slots(*w).size(), 2u);
    auto twin = tuned(1080, "2024-01-07T13:15:00Z");
    std::string groups;
    for (int i = 0; i < 8; ++i)
        groups += twin->group5f();
    EXPECT_EQ(w->send_buf[0],
              "NERK NERK NERK DE NPW NPW NR 12 GR 8 = " + groups + "= NPW K" + kTail);
    expect_voice(*w, 0, 19, 1295, 4);
    expect_still(w->send_buf[1], "VVV VVV VVV DE NAH NAH NAH            ");
    EXPECT_EQ(slots(*own_rules(1080, "2024-01-07T12:15:00Z")).size(), 1u);

    // 139.0 kHz: UCX at minutes 20 - 24, IZ at 40 - 44.
    auto x = pass(1390, "2024-01-07T09:24:00Z");
    ASSERT_EQ(slots(*x).size(), 1u);
    EXPECT_EQ(x->send_buf[0], "CQ CQ CQ DE UCX UCX UCX QRU? K" + kTail);
    expect_voice(*x, 0, 15, 984, 5);
    auto z = pass(1390, "2024-01-07T09:40:00Z");
    ASSERT_EQ(slots(*z).size(), 1u);
    EXPECT_EQ(z->send_buf[0], "CQ CQ CQ DE IZ IZ IZ K" + kTail);
    expect_voice(*z, 0, 14, 640, 2);
    EXPECT_EQ(pass(1390, "2024-01-07T09:45:00Z")->open_slot, 0);
}

TEST_F(Rules_lf_100, EiffelTowerSignalsOverOkp) {
    auto a = pass(1154, "2024-01-07T10:45:00Z");
    ASSERT_EQ(slots(*a).size(), 2u);
    EXPECT_EQ(a->send_buf[0], spark_call("CQ CQ CQ DE FL FL FL SIGNAUX HORAIRES"));
    expect_voice(*a, 0, 21, 678, 5);
    expect_still(a->send_buf[1], "VVV VVV VVV DE OKP OKP OKP            ");
    expect_voice(*a, 1, 21, 648, 3);
    EXPECT_EQ(slots(*pass(1154, "2024-01-07T10:44:00Z")).size(), 1u);
    EXPECT_EQ(slots(*pass(1154, "2024-01-07T10:50:00Z")).size(), 1u);
    auto b = pass(1154, "2024-01-07T23:49:00Z");
    ASSERT_EQ(slots(*b).size(), 1u);
    EXPECT_EQ(b->send_buf[0], spark_call("CQ CQ CQ DE FL FL FL SIGNAUX HORAIRES"));
}

} // namespace
} // namespace zenka
