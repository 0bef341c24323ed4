// The catalogue against the band plan kept in band/data/band_plan.txt: the same
// rules, at the same frequencies, in the same order, and each rule sending the
// stations its label names.

#include "band/catalogue.h"
#include "compose/air.h"
#include "platform/clock.h"
#include "platform/sound/null_sound.h"
#include "support/rule_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zenka {
namespace {

// Emission kinds that the send primitives and the small helpers make.
const std::set<std::string> kFixedKinds = {"marker", "text", "spark", "cond", "condF1", "times",
                                           "vvv",    "cq",   "anm",   "ts",   "ts2",    "rtty",
                                           "data",   "hell", "fax",   "auto", "omega"};

// Generators named in the plan that the traffic library has so far.
const std::set<std::string> kGenerators = {"clg_cond",         "nato_call3",  "send_stack",
                                           "vsl_clg_coast_mf", "russian_vsl", "obs_special_tfc_mf",
                                           "marine_tuning",    "vsl2vsl_tfc", "marine_qte",
                                           "old_vsl_qtc",      "uscg",        "port_radio",
                                           // the weather family
                                           "wx_code", "wx_anm", "wx_anm_hand", "meteo_anm",
                                           "italian_naval_code", "wx_plain", "nss_wx", "gfa",
                                           "brasil_wx", "japan_wx", "apia_wx", "vpe_wx", "uswb",
                                           "uswbsf", "navarea_iv", "navarea_vii", "navarea_viii",
                                           "navarea_xii", "navarea_xiii", "navarea_xiv",
                                           // the naval and military family
                                           "naval_coast", "naval_coast_old", "italian_naval",
                                           "brasilian_navy", "russian_navy_2ww", "jap_coast_guard",
                                           "usn_old_ochat", "xxx_flash", "polish_army_old",
                                           "kato_groups", "katokana_qtc", "gbr_naval",
                                           "gbr_navy", "fleetwave_975", "usarmy_air_corps",
                                           "usarmy_vsl", "pa_state_police", "can_army",
                                           // the aeronautical and telecom families
                                           "telecom_opchat_dx", "gnd_ans_acft", "aero_wx", "acft_clg_gnd",
                                           "int_clg_333", "clg_327", "aero_stn", "aerodrome_freq",
                                           "australian_aero", "australian_gnd", "aero_qte", "old_aero_qte",
                                           "german_fb", "norway_aero", "norway_aero_qsx",
                                           // 500 kHz calling and distress, the LF ship channels
                                           "vsl_coast_tfc_500k", "opchat", "autoalarm", "sos1",
                                           "sos2", "sos3", "navigational_tfc", "meteo_warszawa",
                                           "coast_clg_vsl", "port_wave", "qte_coast",
                                           "calling_143_khz", "live_stock", "swedish_ice_report",
                                           "ufc", "great_lakes_old", "alaska_packers",
                                           "alaska_packers_cst", "alaska_packers_vsl",
                                           "intership_lf", "obs_tfc_mf", "vsl_lf_channel",
                                           "coast_station_lf", "polish_ptt", "tfc_list_lf",
                                           "bandxonly", "svvv500", "qsp", "control_stn",
                                           "vsl500cq", "chilean_old_nw", "phillipine_old_coast",
                                           "selective_call",
                                           // the coast stations' 500 kHz timetable, the tuning call
                                           "timetable_500khz", "tuning",
                                           // the MF coast stations' working
                                           "coast_station_mf", "coast_station_mf_bug", "tfc_list",
                                           "small_coast_station", "rcvg_obs_msg", "nav_wng_anm",
                                           "tfc_anmt"};

struct Range {
    int lo, hi;
};

struct ListedRule {
    std::vector<Range> freq;
    std::string label;
    std::vector<std::string> items;
};

int tenths(const std::string& khz) {
    return static_cast<int>(std::lround(std::stod(khz) * 10));
}

// A label's emissions: "NAA marker, auto" -> {"NAA marker", "auto"}.
std::vector<std::string> split_items(const std::string& label) {
    std::vector<std::string> items;
    for (std::size_t at = 0;;) {
        const std::size_t comma = label.find(", ", at);
        items.push_back(label.substr(at, comma - at));
        if (comma == std::string::npos) break;
        at = comma + 2;
    }
    return items;
}

std::vector<ListedRule> band_plan() {
    std::ifstream in(ZENKA_BAND_PLAN);
    std::vector<ListedRule> rules;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t bar = line.find(" | ");
        ListedRule r;
        std::istringstream conds(line.substr(0, bar));
        for (std::string c; conds >> c;) {
            if (c.ends_with("+"))
                r.freq.push_back({tenths(c.substr(0, c.size() - 1)), INT_MAX});
            else if (const auto dash = c.find('-'); dash != std::string::npos)
                r.freq.push_back({tenths(c.substr(0, dash)), tenths(c.substr(dash + 1))});
            else
                r.freq.push_back({tenths(c), tenths(c)});
        }
        r.label = line.substr(bar + 3);
        r.items = split_items(r.label);
        rules.push_back(r);
    }
    return rules;
}

// The kind of one emission: "NAA marker" -> "marker", "ts" -> "ts",
// "coast_station_lf FFP/LEHAVRE" -> "coast_station_lf".
std::string kind_of(const std::string& item) {
    const std::size_t space = item.find(' ');
    if (space == std::string::npos) return item;
    const std::string second = item.substr(space + 1);
    if (second.find(' ') == std::string::npos && kFixedKinds.contains(second)) return second;
    return item.substr(0, space);
}

bool buildable(const std::string& item) {
    const std::string kind = kind_of(item);
    return kFixedKinds.contains(kind) || kGenerators.contains(kind);
}

// "14.2" for 142.
std::string khz(int freq) {
    return std::to_string(freq / 10) + "." + std::to_string(freq % 10);
}

enum class Block { low, marine, tail };

Block block_of(const ListedRule& r) {
    const int f = r.freq.front().lo;
    if (f <= 2000) return Block::low;
    if (f == 4570 || f == 5300) return Block::tail; // evaluated with the tail
    if (f > 4050 && f <= 5349) return Block::marine;
    return Block::tail;
}

bool covers(const ListedRule& r, int freq) {
    return std::any_of(r.freq.begin(), r.freq.end(),
                       [&](Range g) { return freq >= g.lo && freq <= g.hi; });
}

// Same frequencies over the whole dial and a little beyond.
bool same_frequencies(const ListedRule& listed, const Rule& rule) {
    for (int f = 0; f <= 12000; ++f)
        if (covers(listed, f) != rule.freq.contains(f)) return false;
    return true;
}

bool same_label(const ListedRule& listed, const Rule& rule) {
    return split_items(std::string(rule.label)) == listed.items;
}

TEST(BandPlan, ListHolds1194Rules) {
    const std::vector<ListedRule> plan = band_plan();
    ASSERT_EQ(plan.size(), 1194u);
    std::size_t low = 0, marine = 0;
    for (const ListedRule& r : plan) {
        low += block_of(r) == Block::low;
        marine += block_of(r) == Block::marine;
    }
    EXPECT_EQ(low, 740u);
    EXPECT_EQ(marine, 136u);
}

// Every rule of the plan is in the catalogue, at its frequencies and in its place, with every
// emission the plan lists for it, and every emission is one the traffic library sends.
TEST(BandPlan, CatalogueHoldsEveryListedRuleInOrder) {
    const std::vector<ListedRule> plan = band_plan();
    const Catalogue catalogue = station_catalogue();
    std::size_t built = 0;
    for (const auto& [block, rules] :
         {std::pair{Block::low, catalogue.low}, std::pair{Block::marine, catalogue.marine},
          std::pair{Block::tail, catalogue.tail}}) {
        std::size_t next = 0;
        for (const ListedRule& listed : plan) {
            if (block_of(listed) != block) continue;
            EXPECT_FALSE(listed.label.ends_with("...")) << "emissions left out: " << listed.label;
            if (next >= rules.size() || !same_label(listed, rules[next])) {
                ADD_FAILURE() << "missing at " << khz(listed.freq.front().lo) << " kHz: \""
                              << listed.label << "\" (next in the catalogue: \""
                              << (next < rules.size() ? rules[next].label : "") << "\")";
                continue;
            }
            EXPECT_TRUE(same_frequencies(listed, rules[next]))
                << "frequencies of \"" << listed.label << "\"";
            for (const std::string& item : listed.items)
                EXPECT_TRUE(buildable(item)) << "\"" << item << "\" of \"" << listed.label << "\"";
            built += std::all_of(listed.items.begin(), listed.items.end(), buildable);
            ++next;
        }
        EXPECT_EQ(next, rules.size())
            << "not in the plan, or out of order: \"" << rules[next].label << "\"";
    }
    EXPECT_EQ(built, plan.size());
    std::cout << "catalogue: " << built << " of " << plan.size() << " rules built\n";
}

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The call sign an emission names: the station of a fixed text ("NAA marker" ->
// "NAA") or a generator's first argument ("coast_station_mf PCH/SCHEVENINGEN" ->
// "PCH"); empty when it names none.
std::string call_of(const std::string& item) {
    const std::size_t space = item.find(' ');
    if (space == std::string::npos) return "";
    const std::string kind = kind_of(item);
    const std::string call = kind == item.substr(0, space)
                                 ? item.substr(space + 1, item.find('/') - space - 1)
                                 : item.substr(0, std::min(space, item.find('/')));
    return call == "V" ? "" : upper(call);
}

// What a rule's emission shows when it is on the air: the call sign in its text,
// a recording, or just a filled slot.
struct Expected {
    std::string call;       // upper case; empty when the text names no station
    bool recording = false; // a teleprinter or facsimile recording
    bool slot = false;      // a slot of any text
};

std::vector<Expected> expected_of(std::string_view label) {
    static const std::set<std::string> text_kinds = {"marker", "text", "spark", "cond", "condF1",
                                                     "times",  "vvv",  "cq",    "anm",  "ts2"};
    std::vector<Expected> out;
    for (const std::string& item : split_items(std::string(label))) {
        const std::string kind = kind_of(item);
        Expected e;
        if (text_kinds.contains(kind)) {
            e.call = item.substr(0, std::min(item.find(' '), item.find('/')));
            for (char& c : e.call)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (e.call == "V") e.call.clear(), e.slot = true;
        } else if (kind == "rtty" || kind == "fax") {
            e.recording = true;
        } else if (kind == "ts" || kind == "data" || kind == "auto") {
            e.slot = true;
        } else if (kGenerators.contains(kind)) {
            // A generator heard at some time: its station's call when its first argument is
            // one, else any slot.
            e.call = upper(call_of(item));
            e.slot = e.call.empty();
        } else {
            continue; // silent (omega, hell)
        }
        out.push_back(e);
    }
    return out;
}

// Every emission a rule's label names is sent at some minute of the sweep, and
// no run leaves text in an open slot.
TEST(BandPlan, EveryRuleSendsTheStationsItNames) {
    const Catalogue catalogue = station_catalogue();
    for (auto rules : {catalogue.low, catalogue.marine, catalogue.tail}) {
        for (const Rule& rule : rules) {
            const std::vector<Expected> wanted = expected_of(rule.label);
            if (wanted.empty()) continue;
            std::vector<bool> seen(wanted.size(), false);
            bool open_text = false;
            test::sweep_rule(rule, [&](const Air& a) {
                std::string texts;
                for (int k = 0; k < a.send_call && k < Air::kSlots; ++k)
                    texts += upper(a.send_buf[static_cast<std::size_t>(k)]) + "\n";
                const auto open = static_cast<std::size_t>(std::min(a.send_call, Air::kSlots));
                open_text = open_text || !a.send_buf[open].empty();
                bool played = false;
                for (const SoundRequest& sound : a.so_far().sounds)
                    played = played || sound.kind == SoundRequest::Kind::Recording;
                for (std::size_t i = 0; i < wanted.size(); ++i) {
                    const Expected& e = wanted[i];
                    seen[i] = seen[i] ||
                              (!e.call.empty() && texts.find(e.call) != std::string::npos) ||
                              (e.recording && played) || (e.slot && a.send_call > 0);
                }
                return std::all_of(seen.begin(), seen.end(), [](bool b) { return b; });
            });
            for (std::size_t i = 0; i < wanted.size(); ++i)
                EXPECT_TRUE(seen[i])
                    << "\"" << rule.label << "\" at " << khz(test::first_frequency(rule))
                    << " kHz never sent emission " << i + 1;
            EXPECT_FALSE(open_text) << "\"" << rule.label << "\" leaves text in an open slot";
        }
    }
}

// The first slot whose text holds `call` as a word, or -1.
int first_slot_with(const Air& a, const std::string& call) {
    for (int k = 0; k < a.send_call && k < Air::kSlots; ++k) {
        std::string text = " ";
        text.append(upper(a.send_buf[static_cast<std::size_t>(k)])).append(" ");
        for (std::size_t at = text.find(call); at != std::string::npos;
             at = text.find(call, at + 1))
            if (!std::isalnum(static_cast<unsigned char>(text[at - 1])) &&
                !std::isalnum(static_cast<unsigned char>(text[at + call.size()])))
                return k;
    }
    return -1;
}

// A rule's emissions take the sound channels in the order its label lists them:
// where two of them, each naming a station no other emission of the rule names,
// are heard in one pass, the earlier one holds the lower slot. (Rules with a
// generator that chooses its own stations are left out: their texts may name any
// station.)
TEST(BandPlan, EveryRuleSendsInTheListedOrder) {
    const Catalogue catalogue = station_catalogue();
    for (auto rules : {catalogue.low, catalogue.marine, catalogue.tail}) {
        for (const Rule& rule : rules) {
            std::vector<std::string> calls;
            bool chooses_stations = false; // a generator that picks its own stations
            for (const std::string& item : split_items(std::string(rule.label))) {
                calls.push_back(call_of(item));
                chooses_stations = chooses_stations ||
                                   (calls.back().empty() && !kFixedKinds.contains(kind_of(item)));
            }
            if (chooses_stations) continue; // its texts may name any station
            std::vector<std::size_t> single; // emissions with a call of their own
            for (std::size_t i = 0; i < calls.size(); ++i)
                if (!calls[i].empty() && std::count(calls.begin(), calls.end(), calls[i]) == 1)
                    single.push_back(i);
            if (single.size() < 2) continue;
            std::string fault;
            test::sweep_rule(rule, [&](const Air& a) {
                int last = -1;
                std::size_t last_item = 0;
                for (std::size_t i : single) {
                    const int k = first_slot_with(a, calls[i]);
                    if (k < 0) continue;
                    if (k < last) {
                        fault = calls[i] + " in slot " + std::to_string(k) + " before " +
                                calls[last_item] + " in slot " + std::to_string(last);
                        return true;
                    }
                    last = k;
                    last_item = i;
                }
                return false;
            });
            EXPECT_TRUE(fault.empty()) << "\"" << rule.label << "\" at "
                                       << khz(test::first_frequency(rule)) << " kHz: " << fault;
        }
    }
}

} // namespace
} // namespace zenka
