#include "families.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <sstream>

namespace zenka::banddoc {
namespace {

struct Family {
    std::string_view name;
    std::string_view source; // where its generators live
    std::vector<std::string_view> kinds;
};

// In the order docs/band.md lists them.
const std::array<Family, 11> kFamilies = {{
    {"Fixed texts", "`src/compose/`, `src/band/rule_kit.h`",
     {"marker", "text", "spark", "cond", "condF1", "times", "vvv", "cq", "anm", "send_stack",
      "clg_cond"}},
    {"Time signals and tuning", "`src/compose/`", {"ts", "ts2", "tuning"}},
    {"Machine, teleprinter and facsimile", "`src/compose/`, `src/traffic/toolkit/`",
     {"auto", "rtty", "data", "hell", "fax"}},
    {"Navigation systems", "`src/band/beacons.cpp`", {"omega"}},
    {"Ships and coast stations (MF)", "`src/traffic/maritime/`",
     {"coast_station_mf", "coast_station_mf_bug", "vsl_clg_coast_mf", "small_coast_station",
      "tfc_list", "tfc_anmt", "nav_wng_anm", "rcvg_obs_msg", "marine_qte", "vsl2vsl_tfc",
      "russian_vsl", "port_radio", "port_wave", "old_vsl_qtc", "obs_special_tfc_mf", "amver",
      "uscg", "marine_tuning"}},
    {"500 kHz and the LF ship channels", "`src/traffic/maritime/`",
     {"vsl_coast_tfc_500k", "svvv500", "opchat", "autoalarm", "sos1", "sos2", "sos3",
      "timetable_500khz", "coast_clg_vsl", "navigational_tfc", "bandxonly", "qsp", "vsl500cq",
      "coast_station_lf", "vsl_lf_channel", "live_stock", "tfc_list_lf", "great_lakes_old",
      "alaska_packers", "alaska_packers_cst", "alaska_packers_vsl", "intership_lf", "ufc", "chilean_old_nw",
      "phillipine_old_coast", "polish_ptt", "obs_tfc_mf", "qte_coast", "control_stn",
      "selective_call", "swedish_ice_report", "meteo_warszawa", "calling_143_khz"}},
    {"Weather and navigational warnings", "`src/traffic/weather/`",
     {"wx_code", "wx_anm", "wx_anm_hand", "meteo_anm", "italian_naval_code", "wx_plain",
      "nss_wx", "gfa", "brasil_wx", "japan_wx", "apia_wx", "vpe_wx", "uswb", "uswbsf",
      "navarea_iv", "navarea_vii", "navarea_viii", "navarea_xii", "navarea_xiii",
      "navarea_xiv"}},
    {"Naval", "`src/traffic/naval/`",
     {"naval_coast", "naval_coast_old", "italian_naval", "brasilian_navy", "russian_navy_2ww",
      "uboot_mf", "courier", "ftg", "jap_coast_guard", "usn_old_ochat", "xxx_flash", "gbr_navy",
      "gbr_naval", "fleetwave_975"}},
    {"Military", "`src/traffic/naval/`",
     {"polish_army_old", "rand_jap_mil_call", "kato_groups", "katokana_qtc", "usarmy_air_corps",
      "usarmy_vsl", "pa_state_police", "can_army", "nato_call3"}},
    {"Aeronautical", "`src/traffic/aero/`",
     {"gnd_ans_acft", "aero_wx", "acft_clg_gnd", "int_clg_333", "clg_327", "aero_stn",
      "aerodrome_freq", "australian_aero", "australian_gnd", "aero_qte", "old_aero_qte",
      "german_fb", "norway_aero", "norway_aero_qsx"}},
    {"Telecom", "`src/traffic/telecom/`", {"telecom_opchat_dx"}},
}};

// Kinds that follow a call sign in a label ("NAA marker").
const std::set<std::string_view> kTextKinds = {"marker", "text", "spark", "cond", "condF1",
                                               "times",  "vvv",  "cq",    "anm",  "ts2",
                                               "rtty",   "data", "hell",  "fax",  "auto"};

std::vector<std::string> emissions_of(std::string_view label) {
    if (label.ends_with(" ...")) label.remove_suffix(4);
    std::vector<std::string> out;
    for (std::size_t at = 0;;) {
        const std::size_t comma = label.find(", ", at);
        out.emplace_back(label.substr(at, comma - at));
        if (comma == std::string_view::npos) break;
        at = comma + 2;
    }
    return out;
}

template <class Each> void for_each_rule(const Catalogue& catalogue, Each each) {
    for (auto block : {catalogue.low, catalogue.marine, catalogue.tail})
        for (const Rule& rule : block)
            each(rule);
}

} // namespace

std::string kind_of(std::string_view emission) {
    const std::size_t space = emission.find(' ');
    if (space == std::string_view::npos) return std::string(emission);
    const std::string_view second = emission.substr(space + 1);
    if (second.find(' ') == std::string_view::npos && kTextKinds.contains(second))
        return std::string(second);
    return std::string(emission.substr(0, space));
}

std::string_view family_of(std::string_view kind) {
    for (const Family& f : kFamilies)
        if (std::find(f.kinds.begin(), f.kinds.end(), kind) != f.kinds.end()) return f.name;
    return "";
}

std::vector<std::string> unplaced_kinds(const Catalogue& catalogue) {
    std::set<std::string> out;
    for_each_rule(catalogue, [&](const Rule& rule) {
        for (const std::string& e : emissions_of(rule.label))
            if (family_of(kind_of(e)).empty()) out.insert(kind_of(e));
    });
    return {out.begin(), out.end()};
}

std::string family_table(const Catalogue& catalogue) {
    std::map<std::string_view, int> rules_of_family;
    std::map<std::string, int> rules_of_kind;
    int rules = 0;
    for_each_rule(catalogue, [&](const Rule& rule) {
        ++rules;
        std::set<std::string_view> families;
        std::set<std::string> kinds;
        for (const std::string& e : emissions_of(rule.label)) {
            kinds.insert(kind_of(e));
            families.insert(family_of(kind_of(e)));
        }
        for (std::string_view f : families)
            ++rules_of_family[f];
        for (const std::string& k : kinds)
            ++rules_of_kind[k];
    });
    std::ostringstream out;
    out << "| Family | Rules | Emissions (rules naming each) | Code |\n";
    out << "|---|---:|---|---|\n";
    for (const Family& f : kFamilies) {
        out << "| " << f.name << " | " << rules_of_family[f.name] << " | ";
        bool first = true;
        for (std::string_view k : f.kinds) {
            const auto n = rules_of_kind.find(std::string(k));
            if (n == rules_of_kind.end()) continue;
            out << (first ? "" : ", ") << "`" << k << "` " << n->second;
            first = false;
        }
        out << " | " << f.source << " |\n";
    }
    out << "\n" << rules << " rules in all; a rule that sends emissions of several families counts "
        << "in each.\n";
    return out.str();
}

} // namespace zenka::banddoc
