#include "band/beacon_tables.h"
#include "band/dispatcher.h"
#include "compose/air.h"
#include "support/sound_calls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

const std::string kLong(1, '\x04');
const std::string kClose(20, ' '); // what send_stack("") appends: wait(5)

std::string times(const std::string& text, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += text;
    return s;
}

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

class Beacons : public ::testing::Test {
  protected:
    // A context at `when` tuned to `freq` (units of 100 Hz), as a retune leaves it.
    std::unique_ptr<Air> tuned(int freq, const char* when) {
        clock.set(*parse_utc(when));
        ReceiverSettings s;
        s.freq = freq;
        auto a = std::make_unique<Air>(clock, s);
        a->stn();
        return a;
    }

    // The beacons of `freq` at `when`: the texts of the slots they closed.
    std::vector<std::string> heard(int freq, const char* when) {
        auto a = tuned(freq, when);
        beacons(*a);
        return texts(*a);
    }

    static std::vector<std::string> texts(const Air& a) {
        return {a.send_buf.begin(), a.send_buf.begin() + a.open_slot};
    }

    static void expect_params(const Air& a, int k, int spd, int ton, int qsa) {
        const EmissionParams& p = a.slot_params[static_cast<std::size_t>(k)];
        EXPECT_EQ(p.spd, spd) << "slot " << k;
        EXPECT_EQ(p.ton, ton) << "slot " << k;
        EXPECT_EQ(p.qsa, qsa) << "slot " << k;
    }

    // The functions of the context's diagnostic records.
    static std::vector<std::string> log(const Air& a) {
        std::vector<std::string> functions;
        for (const LogRecord& r : a.so_far().log)
            functions.push_back(r.function);
        return functions;
    }

    FixedClock clock{UtcInstant{}};
};

// --- The non-directional beacon table ---

TEST_F(Beacons, NdbTableMakeUp) {
    ASSERT_EQ(ndb_table.size(), 266u);
    std::set<int> freqs;
    for (const Ndb& n : ndb_table) {
        freqs.insert(n.freq);
        const std::string call(n.call);
        EXPECT_GE(call.size(), 1u) << n.freq;
        EXPECT_LE(call.size(), 3u) << n.freq;
        EXPECT_EQ(n.call[3], '\0') << n.freq;
    }
    EXPECT_EQ(freqs.size(), 265u);
    EXPECT_EQ(*freqs.begin(), 1900);
    EXPECT_EQ(*freqs.rbegin(), 9950);

    const std::pair<int, std::string> first[] = {
        {1900, "ND"}, {2380, "KT"}, {2440, "TH"},  {2450, "ANR"}, {2480, "WG"},
        {2540, "WI"}, {2550, "H"},  {2580, "ORU"}, {2620, "GH"},  {2630, "UYF"}};
    for (std::size_t i = 0; i < std::size(first); ++i) {
        EXPECT_EQ(ndb_table[i].freq, first[i].first) << i;
        EXPECT_EQ(std::string(ndb_table[i].call), first[i].second) << i;
    }

    const auto calls_at = [](int freq) {
        std::vector<std::string> calls;
        for (const Ndb& n : ndb_table)
            if (n.freq == freq) calls.emplace_back(n.call);
        return calls;
    };
    EXPECT_EQ(calls_at(7700), (std::vector<std::string>{"LR", "N"}));
    EXPECT_EQ(calls_at(9420), std::vector<std::string>{"C$"});
    EXPECT_EQ(calls_at(3005), std::vector<std::string>{"B@"});
    EXPECT_EQ(calls_at(3750), std::vector<std::string>{"NDG"});
    EXPECT_TRUE(calls_at(3333).empty());
}

TEST_F(Beacons, EveryNdbSlotHoldsItsIdent) {
    // 12:10:00: a second divisible by 6, an even second and a minute no other
    // beacon of the NDB frequencies keys in.
    std::set<int> done;
    for (const Ndb& n : ndb_table) {
        if (!done.insert(n.freq).second) continue;
        auto a = tuned(n.freq, "2026-12-08T12:10:00Z");
        beacons(*a);
        std::vector<std::string> expected;
        for (const Ndb& m : ndb_table)
            if (m.freq == n.freq)
                expected.push_back(times(std::string(m.call) + blanks(17), 50) + kClose);
        EXPECT_EQ(texts(*a), expected) << n.freq;
        for (int k = 0; k < a->open_slot; ++k) {
            const EmissionParams& p = a->slot_params[static_cast<std::size_t>(k)];
            EXPECT_GE(p.spd, 10);
            EXPECT_LE(p.spd, 12);
            EXPECT_GE(p.ton, 1000);
            EXPECT_LE(p.ton, 1999);
            EXPECT_EQ(p.qsa, 0);
        }
    }
    EXPECT_EQ(done.size(), 265u);
}

TEST_F(Beacons, NdbOnlyInSecondsDivisibleBySix) {
    const std::string lr = times("LR" + blanks(17), 50) + kClose;
    const std::string n = times("N" + blanks(17), 50) + kClose;
    for (const char* when : {"2026-12-08T12:00:00Z", "2026-12-08T12:00:06Z", "2026-12-08T12:00:54Z",
                             "2026-12-08T23:59:30Z"})
        EXPECT_EQ(heard(7700, when), (std::vector<std::string>{lr, n})) << when;
    for (const char* when : {"2026-12-08T12:00:01Z", "2026-12-08T12:00:03Z", "2026-12-08T12:00:04Z",
                             "2026-12-08T12:00:59Z"})
        EXPECT_TRUE(heard(7700, when).empty()) << when;
}

TEST_F(Beacons, SpeedAndToneOfAnNdbAreDrawnOnEveryRetune) {
    std::set<std::pair<int, int>> drawn;
    // The draws mix in the minute (at whole seconds the second does not count).
    for (int m = 10; m < 20; ++m) {
        const std::string when = "2026-12-08T12:" + std::to_string(m) + ":06Z";
        auto a = tuned(1900, when.c_str());
        beacons(*a);
        ASSERT_EQ(a->open_slot, 1);
        drawn.insert({a->slot_params[0].spd, a->slot_params[0].ton});
    }
    EXPECT_GT(drawn.size(), 1u);
}

// --- What every frequency gets ---

TEST_F(Beacons, BelowNineteenKilohertzNothingIsTouched) {
    for (int freq : {0, 100, 189}) {
        auto a = tuned(freq, "2026-12-08T12:00:00Z");
        a->ton = 1234;
        a->qsa = 3;
        beacons(*a);
        EXPECT_EQ(a->ton, 1234) << freq;
        EXPECT_EQ(a->qsa, 3) << freq;
        EXPECT_EQ(a->open_slot, 0) << freq;
    }
    for (int freq : {190, 3333, 9999}) {
        auto a = tuned(freq, "2026-12-08T12:00:00Z");
        a->ton = 1234;
        a->qsa = 3;
        beacons(*a);
        EXPECT_EQ(a->ton, 752) << freq;
        EXPECT_EQ(a->qsa, 1) << freq;
        EXPECT_EQ(a->open_slot, 0) << freq;
    }
}

TEST_F(Beacons, AFrequencyWithNoBeaconClosesNoSlot) {
    for (const char* when : {"2026-12-08T12:00:00Z", "2026-12-08T12:01:01Z", "2026-12-08T12:12:13Z",
                             "2026-12-08T12:30:30Z"}) {
        for (int freq : {3333, 3970, 4045}) {
            auto a = tuned(freq, when);
            beacons(*a);
            EXPECT_EQ(a->open_slot, 0) << freq << " " << when;
            EXPECT_TRUE(a->send_buf[0].empty()) << freq << " " << when;
        }
    }
}

TEST_F(Beacons, OmegaIsSilent) {
    auto a = tuned(120, "2026-12-08T12:00:00Z");
    const EmissionParams before = a->params();
    omega(*a);
    EXPECT_EQ(a->open_slot, 0);
    EXPECT_TRUE(a->send_buf[0].empty());
    EXPECT_EQ(a->params(), before);
    EXPECT_TRUE(a->so_far().sounds.empty());
}

// --- The individual idents ---

// A send_still slot: a tail of the text, the text 20 times and the close.
void expect_still(const std::string& slot, const std::string& text) {
    const std::string body = times(text, 20) + kClose;
    ASSERT_TRUE(slot.ends_with(body)) << slot;
    const std::string head = slot.substr(0, slot.size() - body.size());
    EXPECT_GE(head.size(), 1u);
    EXPECT_LE(head.size(), text.size());
    EXPECT_TRUE(text.ends_with(head)) << head;
}

TEST_F(Beacons, IndividualIdents) {
    struct Case {
        int freq;
        const char* when;
        const char* text;
        int spd, ton, qsa;
    };
    for (const Case& c : {
             Case{3470, "2026-12-08T12:05:00Z", "YA BL           ", 15, 1300, 1},
             Case{3470, "2026-12-08T03:50:31Z", "YA BL           ", 15, 1300, 1},
             Case{3850, "2026-12-08T12:33:01Z", "4YC 21           ", 15, 1500, 1},
             Case{3620, "2026-12-08T12:39:01Z", "4YE 08           ", 15, 1500, 1},
             Case{3880, "2026-12-08T12:54:01Z", "YI DB           ", 15, 1300, 1},
             Case{3700, "2026-12-08T12:38:01Z", "YJ CD           ", 15, 1300, 1},
             Case{3575, "2026-12-08T12:53:01Z", "YK FK           ", 15, 1300, 1},
             Case{3910, "2026-12-08T12:50:01Z", "4YP 34           ", 15, 1300, 1},
             Case{3590, "2026-12-08T12:48:01Z", "4YU 18           ", 15, 1700, 0},
             Case{3620, "2026-12-08T07:24:01Z", "LMJ  ", 13, 900, 2},
             Case{4100, "2026-12-08T18:30:01Z", "LJB  ", 13, 900, 2},
             Case{4100, "2026-12-08T17:48:59Z", "VGF  ", 13, 900, 2},
         }) {
        SCOPED_TRACE(std::to_string(c.freq) + " " + c.when);
        auto a = tuned(c.freq, c.when);
        beacons(*a);
        ASSERT_EQ(a->open_slot, 1);
        expect_still(a->send_buf[0], c.text);
        expect_params(*a, 0, c.spd, c.ton, c.qsa);
    }
    // Outside their minutes.
    for (const auto& [freq, when] :
         std::vector<std::pair<int, const char*>>{{3470, "2026-12-08T12:06:01Z"},
                                                  {3850, "2026-12-08T12:34:01Z"},
                                                  {3620, "2026-12-08T12:25:01Z"},
                                                  {3910, "2026-12-08T12:51:01Z"},
                                                  {4100, "2026-12-08T17:49:01Z"},
                                                  {4100, "2026-12-08T16:48:01Z"},
                                                  {4100, "2026-12-08T12:35:01Z"}})
        EXPECT_TRUE(heard(freq, when).empty()) << freq << " " << when;
}

TEST_F(Beacons, IdentsSharingAFrequencyKeepTheirOwnMinutes) {
    // 362.0 kHz: 4YE in minutes divisible by 13, LMJ in its five-minute slots.
    auto a = tuned(3620, "2026-12-08T07:26:01Z");
    beacons(*a);
    ASSERT_EQ(a->open_slot, 1);
    expect_still(a->send_buf[0], "4YE 08           ");
    auto b = tuned(3620, "2026-12-08T02:20:00Z");
    beacons(*b);
    ASSERT_EQ(b->open_slot, 1); // 20 is not divisible by 13
    expect_still(b->send_buf[0], "LMJ  ");
}

// --- Character beacons and Consol ---

TEST_F(Beacons, CharacterBeaconsInTheFirstFiveMinutes) {
    const auto ussr = [](const std::string& call, const std::string& c) {
        return times(c + " " + c + " " + c + " ", 33) + call + " " + call + " " + call + "  va" +
               kClose;
    };
    EXPECT_EQ(heard(2905, "2026-12-08T12:00:01Z"), std::vector<std::string>{ussr("UOX", "K")});
    EXPECT_EQ(heard(3100, "2026-12-08T12:04:59Z"), std::vector<std::string>{ussr("UPR", "D")});
    EXPECT_EQ(heard(3845, "2026-12-08T12:03:02Z"), std::vector<std::string>{ussr("UIX", "$")});
    EXPECT_EQ(heard(3945, "2026-12-08T12:03:02Z"), std::vector<std::string>{ussr("UOK", "M")});
    EXPECT_EQ(heard(4195, "2026-12-08T12:03:02Z"), std::vector<std::string>{ussr("USY", "N")});
    EXPECT_TRUE(heard(2905, "2026-12-08T12:05:01Z").empty());

    auto a = tuned(2905, "2026-12-08T12:02:01Z");
    beacons(*a);
    ASSERT_EQ(a->open_slot, 1);
    expect_params(*a, 0, 12, 800, 1);
}

TEST_F(Beacons, At375kHzTheDayChoosesTheCharacterBeacon) {
    const std::string ues = times("Y Y Y ", 33) + "UES UES UES  va" + kClose;
    const std::string uzt = times("P P P ", 33) + "UZT UZT UZT  va" + kClose;
    const std::string ndg = times("NDG" + blanks(17), 50) + kClose;
    EXPECT_EQ(heard(3750, "2026-12-08T12:02:00Z"), (std::vector<std::string>{ues, ndg}));
    EXPECT_EQ(heard(3750, "2026-12-09T12:02:00Z"), (std::vector<std::string>{uzt, ndg}));
    EXPECT_EQ(heard(3750, "2026-12-08T12:02:01Z"), std::vector<std::string>{ues});
    EXPECT_EQ(heard(3750, "2026-12-09T12:02:01Z"), std::vector<std::string>{uzt});
    EXPECT_EQ(heard(3750, "2026-12-08T12:05:00Z"), std::vector<std::string>{ndg});
}

TEST_F(Beacons, ConsolInOddMinutes) {
    const auto consol_text = [](const std::string& call) {
        return call + blanks(8) + times(kLong + kLong + kLong, 20) + times("E E E ", 18) + kClose;
    };
    EXPECT_TRUE(heard(2660, "2026-12-08T12:02:01Z").empty());
    EXPECT_TRUE(heard(2660, "2026-12-08T12:00:00Z").empty());
    auto a = tuned(2660, "2026-12-08T12:03:01Z");
    beacons(*a);
    EXPECT_EQ(texts(*a), std::vector<std::string>{consol_text("MWN")});
    expect_params(*a, 0, 12, 900, 4);
    for (const auto& [freq, call] : std::vector<std::pair<int, std::string>>{
             {2770, "TRQ"}, {3030, "LG"}, {3110, "SL"}, {3190, "LEC"}})
        EXPECT_EQ(heard(freq, "2026-12-08T12:59:01Z"), std::vector<std::string>{consol_text(call)})
            << call;
}

// --- The maritime radiobeacon groups ---

TEST_F(Beacons, Group291_5kHzTakesTurns) {
    const std::string pxq = "PXQ PXQ  TTTTT TTTTT TTTTT TTTTT TTTTT  PXQ" + kClose;
    const std::string ggp = times("GGP ", 3) + times(kLong, 40) +
                            times("GGP " + times(kLong, 4) + " ", 7) + times("GGP ", 2) + kClose;
    const std::string hel = times(kLong, 7) + "  HEL   " + times(kLong, 3) +
                            "  E E E E E E E E E E E E E E E E E E E E E E E E E  " +
                            times(kLong, 5) + " " + times("\x07 ", 6) + "  HEL " + kClose;
    const std::string roz =
        "ROZ  ROZ " + blanks(8) + times(kLong, 18) + blanks(8) + "ROZ " + kClose;

    auto a = tuned(2915, "2026-12-08T12:12:01Z");
    beacons(*a);
    EXPECT_EQ(texts(*a), (std::vector<std::string>{pxq, ggp, hel}));
    expect_params(*a, 0, 10, 752, 1);
    expect_params(*a, 1, 13, 1000, 0);
    expect_params(*a, 2, 5, 752, 2);

    EXPECT_EQ(heard(2915, "2026-12-08T12:13:01Z"), (std::vector<std::string>{ggp, hel}));
    EXPECT_EQ(heard(2915, "2026-12-08T12:43:59Z"), (std::vector<std::string>{ggp, hel}));
    auto b = tuned(2915, "2026-12-08T12:14:01Z");
    beacons(*b);
    EXPECT_EQ(texts(*b), std::vector<std::string>{roz});
    expect_params(*b, 0, 5, 752, 2);
    EXPECT_TRUE(heard(2915, "2026-12-08T12:12:00Z").empty());
    EXPECT_TRUE(heard(2915, "2026-12-08T12:12:02Z").empty());
    EXPECT_TRUE(heard(2915, "2026-12-08T12:16:01Z").empty());
}

TEST_F(Beacons, Group300_5kHzMogInEvenMinutesMmbInItsOwn) {
    const std::string mog = times(times("MOG ", 4) + times(kLong, 24) + times("MOG ", 4) +
                                      times(kLong, 24) + " MOG    ",
                                  2) +
                            kClose;
    const std::string mmb = times(times("MMB ", 5) + times(kLong, 44) + " MMB    ", 3) + kClose;
    EXPECT_EQ(heard(3005, "2026-12-08T12:04:01Z"), (std::vector<std::string>{mog, mmb}));
    EXPECT_EQ(heard(3005, "2026-12-08T12:05:01Z"), std::vector<std::string>{mmb});
    EXPECT_EQ(heard(3005, "2026-12-08T12:35:01Z"), std::vector<std::string>{mmb});
    EXPECT_EQ(heard(3005, "2026-12-08T12:34:01Z"), (std::vector<std::string>{mog, mmb}));
    EXPECT_EQ(heard(3005, "2026-12-08T12:06:01Z"), std::vector<std::string>{mog});
    for (const char* odd : {"2026-12-08T12:01:01Z", "2026-12-08T12:07:01Z", "2026-12-08T12:33:01Z",
                            "2026-12-08T12:59:01Z"})
        EXPECT_TRUE(heard(3005, odd).empty()) << odd;
}

TEST_F(Beacons, GroupLiteralTexts) {
    const std::string gam =
        "GAM GAM GAM GAM GAM GAM GAM GAM TTTTTTTTTTTTTTT GAM GAM GAM GAM GAM GAM GAM GAM "
        "TTTTTTTTTTTTTTT GAM GAM GAM GAM GAM";
    auto a = tuned(2975, "2026-12-08T12:10:01Z"); // (10 + 2) % 6 == 0
    beacons(*a);
    EXPECT_EQ(texts(*a), std::vector<std::string>{gam + kClose});
    expect_params(*a, 0, 10, 752, 1);

    EXPECT_EQ(heard(3095, "2026-12-08T12:58:01Z"),
              std::vector<std::string>{
                  times("GR GR  TTTTTTTTTTTTTTT GR                              ", 3) + kClose});
    EXPECT_TRUE(heard(3095, "2026-12-08T12:57:01Z").empty());
    EXPECT_EQ(heard(2965, "2026-12-08T12:36:01Z"),
              std::vector<std::string>{"PWA PWA  TTTTT TTTTT TTTTT TTTTT TTTTT  PWA" + kClose});
    EXPECT_TRUE(heard(2965, "2026-12-08T12:12:01Z").empty());
}

TEST_F(Beacons, Group296kHzLetterAndText) {
    const std::string y = times("Y     ", 25) + kClose;
    const std::string v = times("V  V  V  TTT      ", 25) + kClose;
    auto a = tuned(2960, "2026-12-08T12:09:01Z");
    beacons(*a);
    EXPECT_EQ(texts(*a), std::vector<std::string>{v});
    auto b = tuned(2960, "2026-12-08T12:10:01Z");
    beacons(*b);
    EXPECT_EQ(texts(*b), std::vector<std::string>{y});
    expect_params(*b, 0, 12, 752, 0);
    EXPECT_EQ(heard(2960, "2026-12-08T12:45:01Z"), std::vector<std::string>{y});
    EXPECT_TRUE(heard(2960, "2026-12-08T12:25:01Z").empty());
}

TEST_F(Beacons, LetterSchedules) {
    // The minutes of each schedule, by the first minute of its ten-minute windows.
    const std::vector<std::vector<int>> starts = {{0, 10, 20, 30, 40, 50},
                                                  {0, 30},
                                                  {10, 40},
                                                  {20, 50},
                                                  {8},
                                                  {18},
                                                  {28},
                                                  {38},
                                                  {48},
                                                  {5},
                                                  {15},
                                                  {25},
                                                  {35},
                                                  {45},
                                                  {0, 10, 20, 30, 40, 50}};
    auto a = tuned(0, "2026-12-08T12:00:00Z");
    for (int schedule = 0; schedule <= 14; ++schedule) {
        for (int minute = 0; minute < 60; ++minute) {
            bool expected = false;
            for (int s : starts[static_cast<std::size_t>(schedule)])
                expected = expected || (minute >= s && minute < s + 10);
            a->open_slot = 0;
            a->send_buf[0].clear();
            a->t.minute = static_cast<std::uint16_t>(minute);
            marine_beacon(*a, 'R', schedule);
            ASSERT_EQ(a->open_slot, expected ? 1 : 0) << schedule << " " << minute;
            if (expected) {
                EXPECT_EQ(a->send_buf[0], times("R     ", 25) + kClose);
            }
        }
    }
}

TEST_F(Beacons, PatternMinutes) {
    auto a = tuned(0, "2026-12-08T12:00:00Z");
    const auto keys = [&a](int minute, int now) {
        a->open_slot = 0;
        a->send_buf[0].clear();
        a->t.minute = static_cast<std::uint16_t>(now);
        marine_beacon2(*a, "XYZ", 0, minute);
        return a->open_slot == 1;
    };
    for (int now = 0; now < 60; ++now) {
        EXPECT_EQ(keys(14, now), now == 14 || now == 15 || now == 44 || now == 45) << now;
        EXPECT_EQ(keys(255, now), now % 2 == 0) << now;
    }
    // A type outside 1 - 15 still takes a slot, empty but for the close.
    ASSERT_TRUE(keys(0, 31));
    EXPECT_EQ(a->send_buf[0], kClose);
    expect_params(*a, 0, 13, 1000, 0);
}

TEST_F(Beacons, KeyingPatterns) {
    const std::string c = "AB ", l = kLong;
    const auto pattern = [&](int type) {
        auto a = tuned(0, "2026-12-08T12:00:00Z");
        marine_beacon2(*a, "AB", type, 0);
        EXPECT_EQ(a->open_slot, 1) << type;
        if (type >= 13) {
            expect_params(*a, 0, 5, 752, 2);
        } else {
            expect_params(*a, 0, 13, 1000, 0);
        }
        return a->send_buf[0];
    };
    const std::string six = times(times(l, 24) + " ", 6);
    const std::string expected[] = {
        "",
        times(times(c, 5) + times(l, 45) + " AB" + blanks(12), 3),
        times(c, 20) + times(l, 33) + times(c, 21) + times(l, 33) + " AB",
        times(c, 4) + six + times(c, 4) + six,
        times(c, 25) + times(l, 28) + " AB",
        times(c, 13) + times(l, 40) + times(c, 14) + times(l, 40) + " AB",
        times(c, 3) + times(l, 40) + times("AB " + times(l, 4) + " ", 7) + times(c, 2),
        times(times(c, 4) + times(l, 24) + times(c, 4) + times(l, 24) + " AB    ", 2),
        times(times(c, 5) + times(l, 44) + " AB    ", 3),
        times(times(c, 5) + times(l, 44) + " AB ", 3),
        times(times(c, 3) + times(l, 28) + blanks(8), 3),
        times(c, 20) + times(l, 39) + c + blanks(56) + "AB AB" + times(l, 6) + times("e   ", 20),
        times(c, 4) + times("T T T T T T T T T T T  ", 12) + "AB AB",
        "AB  AB " + blanks(8) + times(l, 18) + blanks(8) + c,
        times(l, 7) + "  " + c + "  " + times(l, 3) +
            "  E E E E E E E E E E E E E E E E E E E E E E E E E  " + times(l, 5) + " " +
            times("\x07 ", 6) + "  " + c,
        l + l + " " + l + l + " " + "EEEEEEEEEEEEEEEEEEEEEEEEE  " + times(l, 5) + " " +
            "E E E E E E E E E E E E E E E E E E E E E E E E E E E E E E      " + "AB AB",
    };
    for (int type = 1; type <= 15; ++type)
        EXPECT_EQ(pattern(type), expected[type] + kClose) << "type " << type;
}

TEST_F(Beacons, VozOnlyWhenTheConditionHolds) {
    const std::string voz = times("VOZ  VOZ  VOZ  T T        ", 25) + kClose;
    int on = 0;
    for (int m = 10; m < 60; ++m) {
        const std::string when = "2026-12-08T12:" + std::to_string(m) + ":01Z";
        const auto got = heard(3130, when.c_str());
        ASSERT_LE(got.size(), 1u);
        if (!got.empty()) {
            EXPECT_EQ(got[0], voz);
            ++on;
        }
    }
    EXPECT_GT(on, 0);
    EXPECT_LT(on, 50);
}

// --- 315.0 kHz: the ident over a steady carrier ---

TEST_F(Beacons, At315kHzACarrierAndAPauseWithoutRetune) {
    const std::string nu = times("NU  " + blanks(20) + blanks(4), 15) + kClose;
    auto a = tuned(3150, "2026-12-08T12:05:00Z");
    band(*a);
    ASSERT_EQ(texts(*a), std::vector<std::string>{nu});
    expect_params(*a, 0, 16, 1500, 1);
    // Fifteen carriers asked for, one pass of the dispatcher: no retune from inside it.
    const std::vector<SoundRequest>& sounds = a->so_far().sounds;
    EXPECT_EQ(test::sound_lines(sounds), std::vector<std::string>(15, "loop_carrier ZENKA09.WAV"));
    const std::vector<std::string> functions = log(*a);
    EXPECT_EQ(std::count(functions.begin(), functions.end(), "band start 0 MHz"), 1);
    EXPECT_EQ(std::count(functions.begin(), functions.end(), "band end 0 MHz"), 1);
    EXPECT_GE(a->so_far().meter.size(), 15u);
    // The first is heard, at 1500 Hz and strength 1.
    EXPECT_TRUE(sounds[0].started);
    EXPECT_EQ(sounds[0].tone, 1500);
    EXPECT_EQ(sounds[0].qsa, 1);
    EXPECT_EQ(std::count_if(sounds.begin(), sounds.end(),
                            [](const SoundRequest& r) { return r.started; }),
              1);

    // Minutes 10 - 19 in odd seconds: the "P" group member comes first.
    auto b = tuned(3150, "2026-12-08T12:10:01Z");
    beacons(*b);
    EXPECT_EQ(texts(*b),
              (std::vector<std::string>{"P  P  P  TTTTTTTTTTTTTTTTTT P  P  P" + kClose, nu}));
    auto c = tuned(3150, "2026-12-08T12:11:00Z");
    beacons(*c);
    EXPECT_EQ(c->open_slot, 0);
    EXPECT_TRUE(c->so_far().sounds.empty());
}

} // namespace
} // namespace zenka
