#include "traffic/registry.h"

#include <algorithm>
#include <array>

namespace zenka {
namespace {

using F = Family;
constexpr Leaves C = Leaves::call, S = Leaves::slot, R = Leaves::recording, N = Leaves::nothing;
constexpr bool fixed = true, generator = false;
constexpr bool chance = true, timed = false;

// clang-format off
constexpr std::array kKinds = {
    //            name                     family             leaves  label form  traffic
    EmissionKind{"marker",                 F::fixed_text,     C,      fixed,      timed},
    EmissionKind{"text",                   F::fixed_text,     C,      fixed,      timed},
    EmissionKind{"spark",                  F::fixed_text,     C,      fixed,      timed},
    EmissionKind{"cond",                   F::fixed_text,     C,      fixed,      timed},
    EmissionKind{"condF1",                 F::fixed_text,     C,      fixed,      timed},
    EmissionKind{"times",                  F::fixed_text,     C,      fixed,      timed},
    EmissionKind{"vvv",                    F::fixed_text,     C,      fixed,      timed},
    EmissionKind{"cq",                     F::fixed_text,     C,      fixed,      timed},
    EmissionKind{"anm",                    F::fixed_text,     C,      fixed,      timed},
    EmissionKind{"send_stack",             F::fixed_text,     C,      generator,  timed},
    EmissionKind{"clg_cond",               F::fixed_text,     C,      generator,  timed},

    EmissionKind{"ts",                     F::time_signal,    S,      fixed,      timed},
    EmissionKind{"ts2",                    F::time_signal,    C,      fixed,      timed},
    EmissionKind{"tuning",                 F::time_signal,    C,      generator,  timed},

    EmissionKind{"auto",                   F::machine,        S,      fixed,      timed},
    EmissionKind{"rtty",                   F::machine,        R,      fixed,      timed},
    EmissionKind{"data",                   F::machine,        S,      fixed,      timed},
    EmissionKind{"hell",                   F::machine,        N,      fixed,      timed},
    EmissionKind{"fax",                    F::machine,        R,      fixed,      timed},

    EmissionKind{"omega",                  F::navigation,     N,      fixed,      timed},

    EmissionKind{"coast_station_mf",       F::maritime,       C,      generator,  timed},
    EmissionKind{"coast_station_mf_bug",   F::maritime,       C,      generator,  timed},
    EmissionKind{"vsl_clg_coast_mf",       F::maritime,       C,      generator,  timed},
    EmissionKind{"small_coast_station",    F::maritime,       C,      generator,  timed},
    EmissionKind{"tfc_list",               F::maritime,       C,      generator,  timed},
    EmissionKind{"tfc_anmt",               F::maritime,       C,      generator,  timed},
    EmissionKind{"nav_wng_anm",            F::maritime,       C,      generator,  timed},
    EmissionKind{"rcvg_obs_msg",           F::maritime,       C,      generator,  timed},
    EmissionKind{"marine_qte",             F::maritime,       C,      generator,  timed},
    EmissionKind{"vsl2vsl_tfc",            F::maritime,       C,      generator,  timed},
    EmissionKind{"russian_vsl",            F::maritime,       C,      generator,  timed},
    EmissionKind{"port_radio",             F::maritime,       C,      generator,  timed},
    EmissionKind{"port_wave",              F::maritime,       C,      generator,  timed},
    EmissionKind{"old_vsl_qtc",            F::maritime,       C,      generator,  timed},
    EmissionKind{"obs_special_tfc_mf",     F::maritime,       C,      generator,  timed},
    EmissionKind{"amver",                  F::maritime,       C,      generator,  timed},
    EmissionKind{"uscg",                   F::maritime,       C,      generator,  timed},
    EmissionKind{"marine_tuning",          F::maritime,       C,      generator,  timed},

    EmissionKind{"vsl_coast_tfc_500k",     F::calling_500,    C,      generator,  timed},
    EmissionKind{"svvv500",                F::calling_500,    C,      generator,  timed},
    EmissionKind{"opchat",                 F::calling_500,    C,      generator,  timed},
    EmissionKind{"autoalarm",              F::calling_500,    C,      generator,  timed},
    EmissionKind{"sos1",                   F::calling_500,    C,      generator,  timed},
    EmissionKind{"sos2",                   F::calling_500,    C,      generator,  timed},
    EmissionKind{"sos3",                   F::calling_500,    C,      generator,  timed},
    EmissionKind{"timetable_500khz",       F::calling_500,    C,      generator,  timed},
    EmissionKind{"coast_clg_vsl",          F::calling_500,    C,      generator,  timed},
    EmissionKind{"navigational_tfc",       F::calling_500,    C,      generator,  timed},
    EmissionKind{"bandxonly",              F::calling_500,    C,      generator,  timed},
    EmissionKind{"qsp",                    F::calling_500,    C,      generator,  timed},
    EmissionKind{"vsl500cq",               F::calling_500,    C,      generator,  timed},
    EmissionKind{"coast_station_lf",       F::calling_500,    C,      generator,  chance},
    EmissionKind{"vsl_lf_channel",         F::calling_500,    C,      generator,  chance},
    EmissionKind{"live_stock",             F::calling_500,    C,      generator,  chance},
    EmissionKind{"tfc_list_lf",            F::calling_500,    C,      generator,  chance},
    EmissionKind{"great_lakes_old",        F::calling_500,    C,      generator,  chance},
    EmissionKind{"alaska_packers",         F::calling_500,    C,      generator,  chance},
    EmissionKind{"alaska_packers_cst",     F::calling_500,    C,      generator,  chance},
    EmissionKind{"alaska_packers_vsl",     F::calling_500,    C,      generator,  chance},
    EmissionKind{"intership_lf",           F::calling_500,    C,      generator,  chance},
    EmissionKind{"ufc",                    F::calling_500,    C,      generator,  chance},
    EmissionKind{"chilean_old_nw",         F::calling_500,    C,      generator,  chance},
    EmissionKind{"phillipine_old_coast",   F::calling_500,    C,      generator,  chance},
    EmissionKind{"polish_ptt",             F::calling_500,    C,      generator,  chance},
    EmissionKind{"obs_tfc_mf",             F::calling_500,    C,      generator,  timed},
    EmissionKind{"qte_coast",              F::calling_500,    C,      generator,  chance},
    EmissionKind{"control_stn",            F::calling_500,    C,      generator,  timed},
    EmissionKind{"selective_call",         F::calling_500,    C,      generator,  chance},
    EmissionKind{"swedish_ice_report",     F::calling_500,    C,      generator,  chance},
    EmissionKind{"meteo_warszawa",         F::calling_500,    C,      generator,  chance},
    EmissionKind{"calling_143_khz",        F::calling_500,    C,      generator,  timed},

    EmissionKind{"wx_code",                F::weather,        C,      generator,  timed},
    EmissionKind{"wx_anm",                 F::weather,        C,      generator,  timed},
    EmissionKind{"wx_anm_hand",            F::weather,        C,      generator,  timed},
    EmissionKind{"meteo_anm",              F::weather,        C,      generator,  timed},
    EmissionKind{"italian_naval_code",     F::weather,        C,      generator,  timed},
    EmissionKind{"wx_plain",               F::weather,        C,      generator,  timed},
    EmissionKind{"nss_wx",                 F::weather,        C,      generator,  timed},
    EmissionKind{"gfa",                    F::weather,        C,      generator,  timed},
    EmissionKind{"brasil_wx",              F::weather,        C,      generator,  timed},
    EmissionKind{"japan_wx",               F::weather,        C,      generator,  timed},
    EmissionKind{"apia_wx",                F::weather,        C,      generator,  timed},
    EmissionKind{"vpe_wx",                 F::weather,        C,      generator,  timed},
    EmissionKind{"uswb",                   F::weather,        C,      generator,  timed},
    EmissionKind{"uswbsf",                 F::weather,        C,      generator,  timed},
    EmissionKind{"navarea_iv",             F::weather,        C,      generator,  timed},
    EmissionKind{"navarea_vii",            F::weather,        C,      generator,  timed},
    EmissionKind{"navarea_viii",           F::weather,        C,      generator,  timed},
    EmissionKind{"navarea_xii",            F::weather,        C,      generator,  timed},
    EmissionKind{"navarea_xiii",           F::weather,        C,      generator,  timed},
    EmissionKind{"navarea_xiv",            F::weather,        C,      generator,  timed},

    EmissionKind{"naval_coast",            F::naval,          C,      generator,  timed},
    EmissionKind{"naval_coast_old",        F::naval,          C,      generator,  timed},
    EmissionKind{"italian_naval",          F::naval,          C,      generator,  timed},
    EmissionKind{"brasilian_navy",         F::naval,          C,      generator,  timed},
    EmissionKind{"russian_navy_2ww",       F::naval,          C,      generator,  timed},
    EmissionKind{"uboot_mf",               F::naval,          C,      generator,  timed},
    EmissionKind{"courier",                F::naval,          C,      generator,  timed},
    EmissionKind{"ftg",                    F::naval,          C,      generator,  timed},
    EmissionKind{"jap_coast_guard",        F::naval,          C,      generator,  timed},
    EmissionKind{"usn_old_ochat",          F::naval,          C,      generator,  timed},
    EmissionKind{"xxx_flash",              F::naval,          C,      generator,  timed},
    EmissionKind{"gbr_navy",               F::naval,          C,      generator,  timed},
    EmissionKind{"gbr_naval",              F::naval,          C,      generator,  timed},
    EmissionKind{"fleetwave_975",          F::naval,          C,      generator,  timed},

    EmissionKind{"polish_army_old",        F::military,       C,      generator,  timed},
    EmissionKind{"rand_jap_mil_call",      F::military,       C,      generator,  timed},
    EmissionKind{"kato_groups",            F::military,       C,      generator,  timed},
    EmissionKind{"katokana_qtc",           F::military,       C,      generator,  timed},
    EmissionKind{"usarmy_air_corps",       F::military,       C,      generator,  timed},
    EmissionKind{"usarmy_vsl",             F::military,       C,      generator,  timed},
    EmissionKind{"pa_state_police",        F::military,       C,      generator,  timed},
    EmissionKind{"can_army",               F::military,       C,      generator,  timed},
    EmissionKind{"nato_call3",             F::military,       C,      generator,  timed},

    EmissionKind{"gnd_ans_acft",           F::aeronautical,   C,      generator,  chance},
    EmissionKind{"aero_wx",                F::aeronautical,   C,      generator,  chance},
    EmissionKind{"acft_clg_gnd",           F::aeronautical,   C,      generator,  chance},
    EmissionKind{"int_clg_333",            F::aeronautical,   C,      generator,  chance},
    EmissionKind{"clg_327",                F::aeronautical,   C,      generator,  chance},
    EmissionKind{"aero_stn",               F::aeronautical,   C,      generator,  chance},
    EmissionKind{"aerodrome_freq",         F::aeronautical,   C,      generator,  chance},
    EmissionKind{"australian_aero",        F::aeronautical,   C,      generator,  chance},
    EmissionKind{"australian_gnd",         F::aeronautical,   C,      generator,  chance},
    EmissionKind{"aero_qte",               F::aeronautical,   C,      generator,  chance},
    EmissionKind{"old_aero_qte",           F::aeronautical,   C,      generator,  chance},
    EmissionKind{"german_fb",              F::aeronautical,   C,      generator,  chance},
    EmissionKind{"norway_aero",            F::aeronautical,   C,      generator,  chance},
    EmissionKind{"norway_aero_qsx",        F::aeronautical,   C,      generator,  chance},

    EmissionKind{"telecom_opchat_dx",      F::telecom,        C,      generator,  chance},
};
// clang-format on

constexpr std::array<std::string_view, 11> kTitles = {
    "Fixed texts",
    "Time signals and tuning",
    "Machine, teleprinter and facsimile",
    "Navigation systems",
    "Ships and coast stations (MF)",
    "500 kHz and the LF ship channels",
    "Weather and navigational warnings",
    "Naval",
    "Military",
    "Aeronautical",
    "Telecom",
};

constexpr bool names_unique() {
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        for (std::size_t j = i + 1; j < kKinds.size(); ++j)
            if (kKinds[i].name == kKinds[j].name) return false;
    return true;
}
static_assert(names_unique(), "an emission kind is registered twice");

} // namespace

std::span<const EmissionKind> emission_kinds() {
    return kKinds;
}

const EmissionKind* find_kind(std::string_view name) {
    const auto k = std::find_if(kKinds.begin(), kKinds.end(),
                                [&](const EmissionKind& e) { return e.name == name; });
    return k == kKinds.end() ? nullptr : &*k;
}

std::string_view family_title(Family family) {
    return kTitles[static_cast<std::size_t>(family)];
}

} // namespace zenka
