#include "band/lf_maritime.h"

#include "band/rule_kit.h"
#include "compose/air.h"
#include "traffic/maritime/maritime.h"

namespace zenka {

void lf_coast(Air& a, int from, int to, Voice voice, std::string_view call,
              std::string_view place) {
    if (!a.min_period(from, to)) return;
    on_air(a, voice.spd, voice.ton, voice.qsa);
    coast_station_lf(a, call, place);
}

void market_report(Air& a, int hhmm, Voice voice, std::string_view call,
                   std::string_view market) {
    if (!weekday(a) || !a.sked(hhmm)) return;
    on_air(a, voice.spd, voice.ton, voice.qsa);
    live_stock(a, call, market);
}

void south_african_coast(Air& a) {
    lf_coast(a, 0, 15, {20, 720, 3}, "ZSC", "CAPETOWN");
    lf_coast(a, 15, 30, {22, 940, 2}, "ZSD", "DURBAN");
    lf_coast(a, 30, 45, {18, 1130, 2}, "ZSQ", "PORTELIZABETH");
    lf_coast(a, 45, 0, {19, 830, 1}, "ZSV", "WALVISBAY");
}

void vas_127(Air& a) {
    if (a.min_period(14, 18)) {
        on_air(a, 24, 900, 4);
        tfc_list_lf(a, 2, 16, "VAS");
    }
    lf_coast(a, 30, 40, {24, 900, 4}, "VAS", "LOUISBURG");
}

void gku_149(Air& a) {
    if (a.t.hour % 3 == 0 && a.min_period(31, 35)) {
        on_air(a, 20, 1000, 5);
        tfc_list_lf(a, 1, 16, "GKU");
    }
    lf_coast(a, 40, 50, {20, 1000, 5}, "GKU", "DEVIZES");
}

void great_lakes_419(Air& a) {
    if (a.settings.hist == 0 || a.t.month < 4) return;
    if (a.min_period(0, 10)) great_lakes_old(a, "WDI");
    if (a.min_period(15, 25)) great_lakes_old(a, "WAM");
    if (a.min_period(30, 40)) great_lakes_old(a, "WHT");
    if (a.min_period(45, 55)) great_lakes_old(a, "WCY");
}

} // namespace zenka
