// The fleet broadcasts of the naval shore stations: the share of each activity, the ships they
// work, the tactical-call procedure, the older procedure's fleet telegram and the Brazilian and
// Italian broadcasts.

#include "naval_support.h"
#include "traffic/naval/naval.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

namespace zenka {
namespace {

using test::compose_at;

const std::string kTape = "VVV VVV VVV DE NPO NPO NPO            ";
const std::string kOldTape = "VVV VVV VVV V NPM NPM NPM            ";

// What one broadcast did, read from its text.
enum class Activity { tape, tactical, open_call, cipher, telegram, silent };

Activity activity_of(const Air& a) {
    if (a.open_slot == 0) return Activity::silent;
    const std::string text = test::closed_text(a);
    if (text.find("RRR") != std::string::npos) return Activity::tactical;
    if (text.find("QRV K") != std::string::npos) return Activity::open_call;
    if (text.find("COMFOURTEEN") != std::string::npos) return Activity::telegram;
    if (text.find(" + ") != std::string::npos) return Activity::cipher;
    return Activity::tape;
}

TEST(NavalCoast, ActivitiesShipsAndSilence) {
    std::map<Activity, int> seen;
    std::set<std::string> ships;
    const std::regex open("([A-Z0-9]{4}) \\1 DE NPO QSA[234] K");
    const int runs = 3000;
    for (int k = 0; k < runs; ++k) {
        const auto p = compose_at(test::sweep_instant(k), test::seed_of(k * 7 + 1),
                                  [](Air& a) { naval_coast(a, kTape, "NPO", us_navy, 37); });
        const Air& a = p->air;
        const Activity act = activity_of(a);
        ++seen[act];
        ASSERT_LE(a.open_slot, 1);
        EXPECT_TRUE(a.send_buf[static_cast<std::size_t>(a.open_slot)].empty()) << k;
        const std::string text = test::closed_text(a);
        EXPECT_EQ(text.find("NZXF"), std::string::npos) << text;
        std::smatch m;
        if (std::regex_search(text, m, open)) ships.insert(m[1]);
        if (act == Activity::open_call) {
            EXPECT_TRUE(std::regex_search(text, m, open)) << text;
            EXPECT_NE(text.find("OK " + m[1].str() + " DE NPO ]EE"), std::string::npos) << text;
        }
        if (act == Activity::cipher) {
            EXPECT_NE(text.find(" + DE NPO QRU ]"), std::string::npos) << text;
            const auto groups = text.substr(0, text.find(" + DE"));
            const int count = static_cast<int>(test::words_of(groups).size());
            EXPECT_GE(count, 10);
            EXPECT_LE(count, 49);
        }
    }
    // Half the broadcasts run the tape, a sixth each works a ship, sends cipher or keeps silent.
    EXPECT_NEAR(seen[Activity::tape], runs / 2, runs / 20);
    EXPECT_NEAR(seen[Activity::tactical] + seen[Activity::open_call], runs / 6, runs / 25);
    EXPECT_NEAR(seen[Activity::cipher], runs / 6, runs / 25);
    EXPECT_NEAR(seen[Activity::silent], runs / 6, runs / 25);
    EXPECT_EQ(seen[Activity::telegram], 0);
    // The ships worked come from the first 36 calls of the list only.
    std::set<std::string> allowed;
    for (std::size_t i = 0; i + 1 < us_navy.size(); ++i)
        allowed.insert(std::string(us_navy[i].word));
    for (const std::string& ship : ships)
        EXPECT_TRUE(allowed.contains(ship)) << ship;
    EXPECT_GT(ships.size(), 20u);
}

// The tactical call is used by an 'N' station exactly when the millisecond is not a multiple of 4.
TEST(NavalCoast, TacticalCallOnlyForNStationsByTheMillisecond) {
    const std::regex tactical("([A-Z][0-8][A-Z]) \\1 DE (\\w+) RRR QSA[234] K +OK QRU \\]ee");
    int tactical_seen = 0, open_seen = 0;
    for (int k = 0; k < 2000; ++k) {
        const int ms = k % 1000;
        const std::string own = k % 3 == 0 ? "GKA" : "NBA";
        const auto p =
            compose_at(test::naval_instant(k % 24, k % 60, k % 60, ms), test::seed_of(k + 5),
                       [&](Air& a) { naval_coast(a, kTape, own, us_navy, 37); });
        const Activity act = activity_of(p->air);
        if (act != Activity::tactical && act != Activity::open_call) continue;
        const bool expect_tactical = own == "NBA" && ms % 4 != 0;
        EXPECT_EQ(act == Activity::tactical, expect_tactical) << own << " ms " << ms;
        if (act == Activity::tactical) {
            ++tactical_seen;
            std::smatch m;
            const std::string text = test::closed_text(p->air);
            ASSERT_TRUE(std::regex_search(text, m, tactical)) << text;
            EXPECT_EQ(m[2], own);
        } else {
            ++open_seen;
        }
    }
    EXPECT_GT(tactical_seen, 50);
    EXPECT_GT(open_seen, 50);
}

TEST(NavalCoastOld, FleetTelegramOnlyAtNpm) {
    std::map<std::string, std::map<Activity, int>> seen;
    for (int k = 0; k < 1200; ++k) {
        for (const std::string own : {"NPM", "npm", "NSS"}) {
            const auto p =
                compose_at(test::sweep_instant(k), test::seed_of(k * 3 + 2),
                           [&](Air& a) { naval_coast_old(a, kOldTape, own, us_navy_old, 78); });
            const Air& a = p->air;
            const Activity act = activity_of(a);
            ++seen[own][act];
            const std::string text = test::closed_text(a);
            EXPECT_EQ(text.find("NUQS"), std::string::npos);
            EXPECT_EQ(text.find("QSA"), std::string::npos) << text; // no strength reports
            switch (act) {
            case Activity::telegram:
                EXPECT_EQ(text.substr(0, text.find('\n')),
                          std::string(qtc_901) + " + " + own + " K" + std::string(20, ' '));
                break;
            case Activity::cipher:
                EXPECT_NE(text.find(" + NM ] " + own), std::string::npos);
                break;
            case Activity::open_call:
                EXPECT_TRUE(
                    std::regex_search(text, std::regex("([A-Z]{4}) \\1 DE " + own + " QRK K")))
                    << text;
                break;
            case Activity::tactical:
                EXPECT_TRUE(std::regex_search(
                    text, std::regex("([A-Z][0-8][A-Z]) \\1 DE " + own + " RRR K    ")))
                    << text;
                break;
            default:
                break;
            }
        }
    }
    for (const std::string own : {"NPM", "npm"}) {
        EXPECT_EQ(seen[own][Activity::silent], 0) << own;
        EXPECT_GT(seen[own][Activity::telegram], 120) << own;
    }
    EXPECT_EQ(seen["NSS"][Activity::telegram], 0);
    EXPECT_GT(seen["NSS"][Activity::silent], 120);
}

TEST(BrasilianNavy, TapeInOddSecondsCipherInEven) {
    for (int k = 0; k < 400; ++k) {
        const int second = k % 60;
        const auto p = compose_at(test::naval_instant(k % 24, k % 60, second, k * 7 % 1000),
                                  test::seed_of(k + 1), [](Air& a) {
                                      a.nr = 412;
                                      brasilian_navy(a, "PWB");
                                  });
        const Air& a = p->air;
        ASSERT_EQ(a.open_slot, 1);
        EXPECT_EQ(a.slot_params[0].spd, 18);
        EXPECT_EQ(a.slot_params[0].ton, 770);
        const std::string text = test::closed_text(a);
        const std::string tape = "VVV VVV VVV DE PWB PWB PWB" + std::string(12, ' ');
        if (second % 2 == 1) {
            // Nothing but the running tape: some tail of it, then the whole tape 20 times.
            std::string rest = text.substr(0, text.size() - 21);
            rest = rest.substr(rest.size() - 20 * tape.size());
            for (std::size_t i = 0; i < 20; ++i)
                EXPECT_EQ(rest.substr(i * tape.size(), tape.size()), tape);
            EXPECT_EQ(text.find("NW NR"), std::string::npos);
            continue;
        }
        ASSERT_EQ(text.rfind(tape + tape + tape + "NW NR 412 CK ", 0), 0u) << text;
        const int ck = std::stoi(text.substr(3 * tape.size() + 13));
        EXPECT_GE(ck, 10);
        EXPECT_LE(ck, 49);
        const std::size_t start = text.find(" = ") + 3;
        const std::string groups = text.substr(start, text.find(" = + de PWB QRU  ] ]") - start);
        EXPECT_EQ(static_cast<int>(test::words_of(groups).size()), ck);
    }
}

TEST(ItalianNaval, CipherInOddHoursShipWorkInEven) {
    const std::string tape = "IDQ            ";
    for (int k = 0; k < 200; ++k) {
        // Odd hour, minute 32: the letter cipher at 18 wpm, then the tape 40 times.
        auto p = compose_at(test::naval_instant(2 * (k % 12) + 1, 32, k % 60, 0),
                            test::seed_of(k + 9), [&](Air& a) { italian_naval(a, tape, "IDQ"); });
        std::string raw = p->air.send_buf[0];
        const auto switches = test::speed_switches(raw);
        ASSERT_EQ(switches.size(), 2u);
        EXPECT_EQ(switches[0].first, 18);
        std::string text = test::closed_text(p->air);
        const std::string cipher = text.substr(0, text.find(" + QRU ]"));
        const auto groups = test::words_of(cipher);
        EXPECT_GE(groups.size(), 10u);
        EXPECT_LE(groups.size(), 19u);
        for (const std::string& g : groups)
            EXPECT_TRUE(std::regex_match(g, std::regex("[A-Z]{5}"))) << g << "\n" << text;
        // An even hour at a second divisible by 6: the tape stopped, then 50 tapes.
        p = compose_at(test::naval_instant(2 * (k % 12), 32, 6 * (k % 10), 1), test::seed_of(k + 9),
                       [&](Air& a) { italian_naval(a, tape, "IDQ"); });
        text = test::closed_text(p->air);
        EXPECT_EQ(text.find("RRR"), std::string::npos); // IDQ is no 'N' station
        EXPECT_EQ(text.find("+ QRU"), std::string::npos);
        EXPECT_EQ(test::speed_switches(p->air.send_buf[0]).size(), 0u);
        // 1 - 5 tapes, the stopped fragment, which always holds the call, and 50 tapes.
        int calls = 0;
        for (std::size_t at = 0; (at = text.find("IDQ", at)) != std::string::npos; ++at)
            ++calls;
        EXPECT_GE(calls, 52);
        EXPECT_LE(calls, 56);
    }
}

} // namespace
} // namespace zenka
