// The maritime generators over many seeds and instants: every slot closes, no placeholder is
// left, ships keep their names, the telegrams carry the prefixes and checks they should.

#include "support/generator_sweep.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/series.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/fill.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::closed_text;
using test::compose_at;
using test::sweep_instant;

struct Generator {
    const char* name;
    std::function<void(Air&)> run;
};

std::vector<Generator> generators() {
    return {
        {"coast_station_mf", [](Air& a) { coast_station_mf(a, "FFP", "LEHAVRE"); }},
        {"coast_station_mf_bug", [](Air& a) { coast_station_mf_bug(a, "JCK", "KOBE"); }},
        {"coast_station_mf no place", [](Air& a) { coast_station_mf(a, "SVA", ""); }},
        {"vsl_clg_coast_mf", [](Air& a) { vsl_clg_coast_mf(a, 0); }},
        {"vsl_clg_coast_mf silent", [](Air& a) { vsl_clg_coast_mf(a, 1); }},
        {"small_coast_station 0", [](Air& a) { small_coast_station(a, "3VX", 0); }},
        {"small_coast_station 129", [](Air& a) { small_coast_station(a, "LPZ", 129); }},
        {"tfc_list 1", [](Air& a) { tfc_list(a, 1, 10, "PCH"); }},
        {"tfc_list 3", [](Air& a) { tfc_list(a, 3, 5, "9VG"); }},
        {"nav_wng_anm", [](Air& a) { nav_wng_anm(a, "VCF"); }},
        {"coast_rcvg_qtc", [](Air& a) { coast_rcvg_qtc(a); }},
        {"vsl_rcvg_qtc", [](Air& a) { vsl_rcvg_qtc(a); }},
        {"amver", [](Air& a) { amver(a, 5, 77); }},
        {"vsl2vsl_tfc", [](Air& a) { vsl2vsl_tfc(a); }},
        {"obs_tfc", [](Air& a) { obs_tfc(a, "DAN", "NORDDEICH"); }},
        {"rcvg_obs_msg", [](Air& a) { rcvg_obs_msg(a, "JCS"); }},
        {"obs_special_tfc_mf", [](Air& a) { obs_special_tfc_mf(a); }},
        {"russian_vsl", [](Air& a) { russian_vsl(a); }},
        {"uscg", [](Air& a) { uscg(a, "NOY"); }},
        {"port_radio", [](Air& a) { port_radio(a, "YKI"); }},
        {"marine_tuning", [](Air& a) { marine_tuning(a); }},
        {"old_vsl_qtc", [](Air& a) { old_vsl_qtc(a); }},
        {"marine_qte", [](Air& a) { marine_qte(a, 0, "MRGK"); }},
        {"marine_qte A", [](Air& a) { marine_qte(a, 1, ""); }},
    };
}

TEST(MaritimeGenerators, EverySlotClosesAndNoPlaceholderIsLeft) {
    for (const Generator& g : generators()) {
        int closed = 0;
        for (int k = 0; k < 300; ++k) {
            const auto p =
                compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 7 + 1), g.run);
            const Air& a = p->air;
            EXPECT_EQ(a.send_buf[static_cast<std::size_t>(a.open_slot)], "")
                << g.name << " left its slot open, case " << k;
            EXPECT_LE(a.open_slot, 1) << g.name;
            const std::string text = closed_text(a);
            EXPECT_EQ(text.find('%'), std::string::npos) << g.name << ": " << text;
            closed += a.open_slot;
        }
        EXPECT_GT(closed, 0) << g.name << " never sent";
    }
}

TEST(MaritimeGenerators, TheWorkingShipKeepsItsName) {
    for (int k = 0; k < 500; ++k) {
        const auto p = compose_at(sweep_instant(k), static_cast<std::uint32_t>(k + 3),
                                  [](Air& a) { vsl_clg_coast_mf(a, 0); });
        const Air& a = p->air;
        EXPECT_EQ(vsl(a.vsl_nr), a.ship_call);
        EXPECT_EQ(qra(a.vsl_nr), a.ship_name);
        // Wherever a call sign stands after a name and a slash, it is that name's ship.
        static const std::regex pair(R"(([A-Z][A-Z0-9 ]*[A-Z0-9])/([A-Z0-9]{4,5})\b)");
        const std::string text = closed_text(a);
        for (auto it = std::sregex_iterator(text.begin(), text.end(), pair);
             it != std::sregex_iterator(); ++it) {
            const int i = find_base_vsl((*it)[2].str(), kVslCount);
            if (i < 0) continue;
            EXPECT_TRUE((*it)[1].str().ends_with(std::string(qra(i))))
                << (*it)[0] << " in " << text;
        }
    }
}

// The ships of the register named in a text, by their calls.
std::set<std::string> register_calls_in(const std::string& text) {
    std::set<std::string> out;
    static const std::regex word("[A-Z0-9]{3,5}");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it) {
        const std::size_t at = static_cast<std::size_t>(it->position());
        const std::size_t end = at + static_cast<std::size_t>(it->length());
        const auto letter = [&](std::size_t k) {
            return k < text.size() && (std::isalnum(static_cast<unsigned char>(text[k])) != 0);
        };
        if ((at > 0 && letter(at - 1)) || letter(end)) continue;
        if (find_base_vsl(it->str(), kVslCount) >= 0) out.insert(it->str());
    }
    return out;
}

// An exchange between a station and one ship names that ship and no other: the ship a coast
// station calls is the ship it passes its telegram to, and the ship that calls is the one that
// files. (Traffic lists and chats between ships name several and are left out.)
TEST(MaritimeGenerators, AStationWorksTheShipItCalls) {
    const std::vector<Generator> single_ship = {
        {"coast_station_lf", [](Air& a) { coast_station_lf(a, "PCH", ""); }},
        {"coast_station_lf place", [](Air& a) { coast_station_lf(a, "FFP", "LEHAVRE"); }},
        {"coast_station_mf", [](Air& a) { coast_station_mf(a, "FFP", "LEHAVRE"); }},
        {"vsl_clg_coast_mf", [](Air& a) { vsl_clg_coast_mf(a, 0); }},
        {"small_coast_station 0", [](Air& a) { small_coast_station(a, "3VX", 0); }},
        {"coast_rcvg_qtc", [](Air& a) { coast_rcvg_qtc(a); }},
        {"vsl_rcvg_qtc", [](Air& a) { vsl_rcvg_qtc(a); }},
        {"obs_tfc", [](Air& a) { obs_tfc(a, "DAN", "NORDDEICH"); }},
        {"port_radio", [](Air& a) { port_radio(a, "YKI"); }},
        {"marine_qte", [](Air& a) { marine_qte(a, 0, "MRGK"); }},
        {"coast_clg_vsl", coast_clg_vsl},
        {"port_wave", [](Air& a) { port_wave(a, 425); }},
        {"qte_coast", [](Air& a) { qte_coast(a, "7TB"); }},
        {"vsl_coast_tfc_500k", [](Air& a) { vsl_coast_tfc_500k(a, 0); }},
        {"vsl_lf_channel", vsl_lf_channel},
        {"calling_143_khz", calling_143_khz},
        {"russian_vsl", [](Air& a) { russian_vsl(a); }},
        {"amver",
         [](Air& a) {
             get_vsl(a);
             amver(a, a.coast_nr, a.vsl_nr);
         }},
        {"obs_special_tfc_mf", [](Air& a) { obs_special_tfc_mf(a); }},
        {"rcvg_obs_msg", [](Air& a) { rcvg_obs_msg(a, "JCS"); }},
        {"uscg", [](Air& a) { uscg(a, "NOY"); }},
        {"marine_tuning", [](Air& a) { marine_tuning(a); }},
        {"bandxonly", bandxonly},
        {"svvv500", svvv500},
        {"control_stn", [](Air& a) { control_stn(a, "YIS"); }},
        {"vsl500cq", vsl500cq},
    };
    for (const Generator& g : single_ship) {
        int named = 0, telegrams = 0;
        for (int k = 0; k < 600; ++k) {
            ReceiverSettings settings;
            settings.freq = 1350;
            const auto p = compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 11 + 7),
                                      g.run, settings);
            const Air& a = p->air;
            const std::string text = closed_text(a);
            if (text.find("TFC LIST") != std::string::npos) continue;
            std::set<std::string> calls = register_calls_in(text);
            const std::string ship = a.ship_call.empty() ? std::string(vsl(a.vsl_nr)) : a.ship_call;
            // "? D5PA D5PA ?": the coast station mishears the fourth letter, and asks.
            std::string misheard = ship;
            if (misheard.size() > 3) misheard[3] = 'A';
            if (misheard != ship &&
                text.find("? " + misheard + " " + misheard + " ?") != std::string::npos)
                calls.erase(misheard);
            if (calls.empty()) continue;
            ++named;
            EXPECT_EQ(calls, std::set<std::string>{ship}) << g.name << ": " << text;
            telegrams += text.find("QTC1 GA?") != std::string::npos;
        }
        EXPECT_GT(named, 100) << g.name;
        if (std::string(g.name).starts_with("coast_station_")) {
            EXPECT_GT(telegrams, 20) << g.name;
        }
    }
}

// A steamship's telegram on a long-wave channel: SS in the preamble and in the text, the port
// and time of arrival of the preamble those of the text, the check its word count.
TEST(LfChannel, TheSteamshipsPreambleAgreesWithItsText) {
    std::set<std::string> ports;
    for (int k = 0; k < 600; ++k) {
        const auto p =
            compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 5 + 9), vsl_lf_channel);
        const Air& a = p->air;
        ASSERT_EQ(a.open_slot, 1);
        const std::string text = closed_text(a);
        std::smatch m;
        static const std::regex telegram(
            R"(< SS (.+?)/([A-Z0-9]+) NR \d+ CK (\d+) \d+ \d{4} = ETA ([A-Z .'-]+?) (\d+) (\d\d)00 = (.*) \+ \2 K)");
        ASSERT_TRUE(std::regex_search(text, m, telegram)) << text;
        const std::string name = m[1], call = m[2], port = m[4], day = m[5], hour = m[6];
        const std::string body = m[7];
        const int ship = find_base_vsl(call, kVslCount);
        ASSERT_GE(ship, 0) << call;
        EXPECT_EQ(qra(ship), name);
        EXPECT_EQ(std::stoi(m[3].str()), word_count(body)) << text;
        EXPECT_EQ(body.find("M/V"), std::string::npos) << body;
        EXPECT_NE(body.find(port), std::string::npos) << port << " | " << body;
        // Every time of arrival in the text is at the preamble's port, day and hour.
        static const std::regex eta(R"(ETA ([A-Z .'-]+?) (\d{1,2})\b)");
        for (auto it = std::sregex_iterator(body.begin(), body.end(), eta);
             it != std::sregex_iterator(); ++it) {
            EXPECT_EQ((*it)[1].str(), port) << body;
            EXPECT_EQ((*it)[2].str(), day) << body;
        }
        if (body.find(" SS ") != std::string::npos || body.starts_with("SS ")) {
            EXPECT_NE(body.find("SS " + name), std::string::npos) << body;
        }
        EXPECT_TRUE(body.find(hour + "00") != std::string::npos ||
                    body.find(hour + ".00") != std::string::npos ||
                    body.find("ON ARRIVAL") != std::string::npos)
            << hour << " | " << body;
        ports.insert(port);
    }
    EXPECT_GT(ports.size(), 40u);
}

// The prefixes a ship's telegram may carry before its name, by its call, type and coast.
std::set<std::string> allowed_prefixes(std::string_view s, int type, std::string_view coast) {
    std::string base = "M/V";
    if (in_series(s, 'D', 'A', 'R')) base = "MS";
    if (begins(s, "I") && begins(coast, "I")) base = "M/N";
    if (in_series(s, 'L', 'A', 'N') || in_series(s, 'S', 'A', 'R')) base = "M/S";
    if (begins_any(s, {"K", "W"})) base = "S/S";
    if (begins_any(s, {"G", "M"})) base = "";
    std::set<std::string> out = {base};
    if (type == 3) out = {"MT", "M/T"};
    if (type == 7) out = {"ST", "S/T"};
    if (type == 4) out = {"SS", "S/S"};
    if (type == 10) out = {"FV", "F/V"};
    if ((type == 3 || type == 7) && in_series(s, 'E', 'A', 'H') && in_series(coast, 'E', 'A', 'H'))
        out = {"B/T"};
    if (type == 1 && begins(s, "CS")) out = {"N/M"};
    if ((type == 1 || type == 2) && begins(s, "PP")) out = {"N/M"};
    if (type == 3 && begins(s, "PP")) out = {"N/T"};
    return out;
}

TEST(ShipTelegram, TypePrefixByFlagAndType) {
    const std::vector<std::string> coasts = {"ICB", "EAC", "FFP", "UTT"};
    std::map<std::string, int> seen;
    for (int i = 0; i < kVslCount; i += 3) {
        for (std::uint32_t seed = 1; seed <= 2; ++seed) {
            const std::string& coast =
                coasts[static_cast<std::size_t>(i + static_cast<int>(seed)) % 4];
            int type = 0;
            const auto p = compose_at(sweep_instant(i), seed, [&](Air& a) {
                a.ship_call = vsl(i);
                a.ship_name = qra(i);
                type = find_specialistic_vsl(a);
                vsl_qtc(a, coast);
            });
            const std::string text = p->air.send_buf[0];
            const std::string tail = " " + std::string(qra(i)) + "/" + std::string(vsl(i)) + " NR ";
            // A telegram the coast station broke into is parsed in its repeated part.
            const std::size_t at = text.rfind(tail);
            const std::size_t fm = at == std::string::npos ? at : text.rfind("FM ", at);
            if (fm == std::string::npos || at == std::string::npos || at < fm + 3) continue;
            const std::string prefix = text.substr(fm + 3, at - fm - 3);
            if (prefix.find("  ") != std::string::npos) continue; // broken in the preamble
            EXPECT_TRUE(allowed_prefixes(vsl(i), type, coast).count(prefix))
                << vsl(i) << " type " << type << " to " << coast << ": '" << prefix << "'";
            ++seen[prefix];
        }
    }
    for (const char* p : {"M/V", "MS", "M/S", "S/S", "", "MT", "M/T", "F/V", "N/M"})
        EXPECT_GT(seen[p], 0) << "no telegram with prefix '" << p << "'";
}

TEST(ShipTelegram, StoredTelegramsAndPassengerSupplyOrders) {
    for (int i = 0; i < kVslCount; ++i) {
        const auto p = compose_at(sweep_instant(i), static_cast<std::uint32_t>(i + 1), [&](Air& a) {
            a.ship_call = vsl(i);
            a.ship_name = qra(i);
            vsl_qtc(a, "DAN");
        });
        const std::string text = p->air.send_buf[0];
        bool stored = false;
        for (int s = 0; s < kStoredCount; ++s)
            if (qtc_700_cs(s) == vsl(i)) {
                stored = true;
                EXPECT_NE(text.find("< " + std::string(qra(i)) + "/" + std::string(vsl(i)) + " "),
                          std::string::npos)
                    << text;
            }
        Air probe(p->clock);
        probe.ship_call = vsl(i);
        const int type = find_specialistic_vsl(probe);
        if (!stored && (type == 8 || type == 9)) {
            EXPECT_NE(text.find("PLEASE ARRANGE ON ARRIVAL FOLLOWING ITEMS"), std::string::npos)
                << vsl(i);
            EXPECT_NE(text.find(" 143 "), std::string::npos) << text.substr(0, 80);
        }
    }
}

TEST(ShipTelegram, SameTextSlotsAndTheEmptyAddress) {
    std::set<int> same_checks;
    int empty_address = 0;
    static const std::regex check(R"(NR \d > (\d+) |NR \d (\d+) \d+ \d{4} = )");
    for (int k = 0; k < 3000; ++k) {
        const auto p =
            compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 13 + 5), [](Air& a) {
                get_vsl(a);
                vsl_qtc(a, "SVA");
            });
        const std::string text = p->air.send_buf[0];
        if (text.find(" =  = ") != std::string::npos) ++empty_address;
        if (text.find("TXT SAME ") == std::string::npos) continue;
        std::smatch m;
        if (!std::regex_search(text, m, check)) {
            // Only a break-in by the coast station may hide the check.
            EXPECT_TRUE(text.find("II II") != std::string::npos ||
                        text.find('"') != std::string::npos)
                << text;
            continue;
        }
        same_checks.insert(std::stoi(m[1].matched ? m[1].str() : m[2].str()));
    }
    EXPECT_EQ(same_checks, (std::set<int>{19, 30}));
    EXPECT_GT(empty_address, 0);
}

} // namespace
} // namespace zenka
