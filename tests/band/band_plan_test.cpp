// The catalogue against the band plan kept in band/data/band_plan.txt: the same
// rules, at the same frequencies, in the same order, and each rule sending the
// stations its label names.

#include "band/catalogue.h"
#include "band/label.h"
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

// A label's emissions, as strings.
std::vector<std::string> split_items(std::string_view label) {
    std::vector<std::string> items;
    for (std::string_view e : label_emissions(label))
        items.emplace_back(e);
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

// An emission whose kind the registry holds.
bool buildable(const std::string& item) {
    return registered_kind(item) != nullptr;
}

// "14.2" for 142.
std::string khz(int freq) {
    return std::to_string(freq / 10) + "." + std::to_string(freq % 10);
}

enum class Block { low, marine, tail };

// The block a listed rule stands in, by its first frequency; the plan lists the two
// rules of the maritime range that the tail evaluates (457.0 and 530.0 kHz) with the tail.
Block block_of(const ListedRule& r) {
    const int f = r.freq.front().lo;
    if (in_low_block(f)) return Block::low;
    if (f == 4570 || f == 5300) return Block::tail;
    if (in_marine_block(f)) return Block::marine;
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
    return split_items(rule.label) == listed.items;
}

// The plan and the catalogue hold as many rules in each block.
TEST(BandPlan, ListHoldsTheCataloguesRulesBlockByBlock) {
    const std::vector<ListedRule> plan = band_plan();
    const Catalogue catalogue = station_catalogue();
    std::size_t low = 0, marine = 0;
    for (const ListedRule& r : plan) {
        low += block_of(r) == Block::low;
        marine += block_of(r) == Block::marine;
    }
    EXPECT_EQ(low, catalogue.low.size());
    EXPECT_EQ(marine, catalogue.marine.size());
    EXPECT_EQ(plan.size() - low - marine, catalogue.tail.size());
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

// What a rule's emission shows when it is on the air: the call sign in its text,
// a recording, or just a filled slot.
struct Expected {
    std::string call;       // upper case; empty when the text names no station
    bool recording = false; // a teleprinter or facsimile recording
    bool slot = false;      // a slot of any text
};

std::vector<Expected> expected_of(std::string_view label) {
    std::vector<Expected> out;
    for (std::string_view item : label_emissions(label)) {
        const EmissionKind* kind = registered_kind(item);
        if (!kind || kind->leaves == Leaves::nothing) continue; // silent (omega, hell)
        Expected e;
        if (kind->leaves == Leaves::recording)
            e.recording = true;
        else if (kind->leaves == Leaves::call)
            e.call = emission_call(item);
        e.slot = !e.recording && e.call.empty();
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
                for (int k = 0; k < a.open_slot && k < Air::kSlots; ++k)
                    texts += upper(a.send_buf[static_cast<std::size_t>(k)]) + "\n";
                const auto open = static_cast<std::size_t>(std::min(a.open_slot, Air::kSlots));
                open_text = open_text || !a.send_buf[open].empty();
                bool played = false;
                for (const SoundRequest& sound : a.so_far().sounds)
                    played = played || sound.kind == SoundRequest::Kind::Recording;
                for (std::size_t i = 0; i < wanted.size(); ++i) {
                    const Expected& e = wanted[i];
                    seen[i] = seen[i] ||
                              (!e.call.empty() && texts.find(e.call) != std::string::npos) ||
                              (e.recording && played) || (e.slot && a.open_slot > 0);
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
    for (int k = 0; k < a.open_slot && k < Air::kSlots; ++k) {
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
            for (std::string_view item : label_emissions(rule.label)) {
                calls.push_back(emission_call(item));
                const EmissionKind* kind = registered_kind(item);
                chooses_stations =
                    chooses_stations || (calls.back().empty() && (!kind || !kind->fixed));
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
