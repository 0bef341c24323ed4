// The maritime generators over many seeds and instants: every slot closes, no placeholder is
// left, ships keep their names, the telegrams carry the prefixes and checks they should.

#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/series.h"
#include "traffic/maritime/telegram_tables.h"
#include "support/generator_sweep.h"

#include <gtest/gtest.h>

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
            EXPECT_EQ(a.send_buf[static_cast<std::size_t>(a.send_call)], "")
                << g.name << " left its slot open, case " << k;
            EXPECT_LE(a.send_call, 1) << g.name;
            const std::string text = closed_text(a);
            EXPECT_EQ(text.find('%'), std::string::npos) << g.name << ": " << text;
            closed += a.send_call;
        }
        EXPECT_GT(closed, 0) << g.name << " never sent";
    }
}

TEST(MaritimeGenerators, TheWorkingShipKeepsItsName) {
    for (int k = 0; k < 500; ++k) {
        const auto p = compose_at(sweep_instant(k), static_cast<std::uint32_t>(k + 3),
                                  [](Air& a) { vsl_clg_coast_mf(a, 0); });
        const Air& a = p->air;
        EXPECT_EQ(vsl(a.vsl_nr), a.__vsl);
        EXPECT_EQ(qra(a.vsl_nr), a.__qra);
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
                a.__vsl = vsl(i);
                a.__qra = qra(i);
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
            a.__vsl = vsl(i);
            a.__qra = qra(i);
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
        probe.__vsl = vsl(i);
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
