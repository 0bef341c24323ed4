#include "band/lf_maritime.h"

#include "band/rule_kit.h"
#include "compose/air.h"
#include "traffic/maritime/maritime.h"

namespace zenka {

void south_african_coast(Air& a) {
    if (a.min_period(0, 15)) {
        on_air(a, 20, 720, 3);
        coast_station_lf(a, "ZSC", "CAPETOWN");
    }
    if (a.min_period(15, 30)) {
        on_air(a, 22, 940, 2);
        coast_station_lf(a, "ZSD", "DURBAN");
    }
    if (a.min_period(30, 45)) {
        on_air(a, 18, 1130, 2);
        coast_station_lf(a, "ZSQ", "PORTELIZABETH");
    }
    if (a.min_period(45, 0)) {
        on_air(a, 19, 830, 1);
        coast_station_lf(a, "ZSV", "WALVISBAY");
    }
}

void vas_127(Air& a) {
    if (a.min_period(14, 18)) {
        on_air(a, 24, 900, 4);
        tfc_list_lf(a, 2, 16, "VAS");
    }
    if (a.min_period(30, 40)) {
        on_air(a, 24, 900, 4);
        coast_station_lf(a, "VAS", "LOUISBURG");
    }
}

void gku_149(Air& a) {
    if (a.t.hour % 3 == 0 && a.min_period(31, 35)) {
        on_air(a, 20, 1000, 5);
        tfc_list_lf(a, 1, 16, "GKU");
    }
    if (a.min_period(40, 50)) {
        on_air(a, 20, 1000, 5);
        coast_station_lf(a, "GKU", "DEVIZES");
    }
}

void great_lakes_419(Air& a) {
    if (a.hist == 0 || a.t.month < 4) return;
    if (a.min_period(0, 10)) great_lakes_old(a, "WDI");
    if (a.min_period(15, 25)) great_lakes_old(a, "WAM");
    if (a.min_period(30, 40)) great_lakes_old(a, "WHT");
    if (a.min_period(45, 55)) great_lakes_old(a, "WCY");
}

} // namespace zenka
