#include "families.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <sstream>

namespace zenka::banddoc {
namespace {

// Where each family's generators live, in the order of the families.
constexpr std::array<std::string_view, 11> kSources = {
    "`src/compose/`, `src/band/rule_kit.h`",
    "`src/compose/`",
    "`src/compose/`, `src/traffic/toolkit/`",
    "`src/band/beacons.cpp`",
    "`src/traffic/maritime/`",
    "`src/traffic/maritime/`",
    "`src/traffic/weather/`",
    "`src/traffic/naval/`",
    "`src/traffic/naval/`",
    "`src/traffic/aero/`",
    "`src/traffic/telecom/`",
};

constexpr std::array kFamilies = {
    Family::fixed_text, Family::time_signal, Family::machine,      Family::navigation,
    Family::maritime,   Family::calling_500, Family::weather,      Family::naval,
    Family::military,   Family::aeronautical, Family::telecom,
};
static_assert(kFamilies.size() == kSources.size());

template <class Each> void for_each_rule(const Catalogue& catalogue, Each each) {
    for (auto block : {catalogue.low, catalogue.marine, catalogue.tail})
        for (const Rule& rule : block)
            each(rule);
}

} // namespace

std::vector<std::string> unregistered_kinds(const Catalogue& catalogue) {
    std::set<std::string> out;
    for_each_rule(catalogue, [&](const Rule& rule) {
        for (std::string_view e : label_emissions(rule.label))
            if (!registered_kind(e)) out.emplace(emission_kind(e));
    });
    return {out.begin(), out.end()};
}

std::string family_table(const Catalogue& catalogue) {
    std::map<Family, int> rules_of_family;
    std::map<std::string_view, int> rules_of_kind;
    int rules = 0;
    for_each_rule(catalogue, [&](const Rule& rule) {
        ++rules;
        std::set<Family> families;
        std::set<std::string_view> kinds;
        for (std::string_view e : label_emissions(rule.label)) {
            if (const EmissionKind* k = registered_kind(e)) {
                kinds.insert(k->name);
                families.insert(k->family);
            }
        }
        for (Family f : families)
            ++rules_of_family[f];
        for (std::string_view k : kinds)
            ++rules_of_kind[k];
    });
    std::ostringstream out;
    out << "| Family | Rules | Emissions (rules naming each) | Code |\n";
    out << "|---|---:|---|---|\n";
    for (std::size_t i = 0; i < kFamilies.size(); ++i) {
        const Family f = kFamilies[i];
        out << "| " << family_title(f) << " | " << rules_of_family[f] << " | ";
        bool first = true;
        for (const EmissionKind& k : emission_kinds()) {
            const auto n = rules_of_kind.find(k.name);
            if (k.family != f || n == rules_of_kind.end()) continue;
            out << (first ? "" : ", ") << "`" << k.name << "` " << n->second;
            first = false;
        }
        out << " | " << kSources[i] << " |\n";
    }
    out << "\n" << rules << " rules in all; a rule that sends emissions of several families counts "
        << "in each.\n";
    return out.str();
}

} // namespace zenka::banddoc
