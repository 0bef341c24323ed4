// Ships' reports to coast stations: AMVER position reports, weather observations and the
// oceanographic reports, and the coast station's side of receiving an observation.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/series.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {
namespace {

std::string greeting_for(Air& a, std::string_view coast) {
    international_hello(a, coast, a.ship_call);
    return a.str2;
}

// A ship synoptic report: BBXX, the call, day and hour, position, wind, temperature, pressure.
std::string synop(Air& a, const std::string& call) {
    return fill("BBXX %s %02d%02d4 99%03d 1%04d 41%d98 %d%02d%02d 1%d%03d 4%04d 5%d%03d =",
                {call, a.t.day, a.t.hour, between(a, 100, 699), between(a, 10, 1799),
                 between(a, 5, 9), between(a, 0, 8), between(a, 1, 36), between(a, 2, 45),
                 between(a, 0, 1), between(a, 20, 290), between(a, 9900, 9999), between(a, 0, 8),
                 between(a, 0, 40)});
}

} // namespace

void amver(Air& a, int coast_index, int ship_index) {
    const std::string K(coast(coast_index)), S(vsl(ship_index)), V(qra(ship_index));
    a.send(fill("%s DE %s AMVER K", {K, S}));
    wait_between(a, 4, 8);
    const std::string report =
        fill("AMVER/PR//A/%s/%s//B/%02d%02dZ//C/%02d%02dN/%03d%02dW//E/%03d//F/%03d//Z/EOR//",
             {V, S, a.t.day, a.t.hour, between(a, 0, 59), between(a, 0, 59), between(a, 0, 179),
              between(a, 0, 59), between(a, 0, 359), between(a, 90, 160)});
    a.send(fill("NW FM M/V %s/%s MSG   %s + QSL? K", {V, S, report}));
    wait_between(a, 5, 9);
    a.send("QSL TU");
    maritime_bye(a, K);
    a.send_stack("");
}

void obs_tfc(Air& a, std::string_view coast, std::string_view place) {
    get_vsl(a);
    const std::string C(coast), S = a.ship_call;
    const std::string G = greeting_for(a, coast);
    a.stn();
    a.dialog1(fill("%s DE %s OBS K", {C, S}));
    a.dialog2(fill("%s DE %s %s QRV K", {S, C, G}));
    const std::string address =
        place.empty() ? std::string("OBS METEO") : fill("OBS METEO %sRADIO", {std::string(place)});
    a.stn1();
    a.send(fill("< %s/%s NR %d >NO %d %02d%02d = %s = ",
                {a.ship_name, S, a.nr, 12, a.t.day, a.t.hour, address}));
    a.send(synop(a, S));
    a.send(" + K");
    a.wait(3);
    a.dialog2(fill("%s de %s qsl k", {S, C}));
    a.send_stack("");
}

void rcvg_obs_msg(Air& a, std::string_view coast) {
    if (a.t.hour % 3 != 0) return;
    get_vsl(a);
    const std::string C(coast), S = a.ship_call;
    const std::string G = greeting_for(a, coast);
    a.send(fill("%s DE %s %s QRV K", {S, C, G}));
    wait_between(a, 10, 20);
    if (a.t.second % 4 == 0) {
        a.send(fill("%c RPT AA BBXX K", {'"'}));
        wait_between(a, 8, 15);
    }
    switch (one_of(a, 3)) {
    case 0:
        a.send("ii QRA? K");
        wait_between(a, 4, 7);
        a.send(fill("%s de %s qsl k", {S, C}));
        break;
    case 1:
        a.send(fill("%s de %s qsl k", {S, C}));
        break;
    default:
        a.send(fill("de %s rrr k", {C}));
        break;
    }
    if (a.cond(3)) {
        wait_between(a, 3, 6);
        a.send("CFM HR QSP OBS K");
    }
    a.send_stack("");
}

namespace {

// A ship's oceanographic report of `kind` to a medium-frequency coast station.
void special_report(Air& a, std::string_view kind, const std::string& body) {
    get_vsl(a);
    const std::string K(mf_coast(one_of(a, kMfCoastCount))), S = a.ship_call;
    a.stn();
    a.stn1();
    if (a.cond(2))
        a.send(fill("%s DE %s %s K", {K, S, std::string(kind)}));
    else
        a.send(fill(" DE %s %s K", {S, std::string(kind)}));
    a.wait(6);
    a.dialog2(fill("%s DE %s GA", {S, K}));
    a.stn1();
    a.send(fill("< %s %s = ", {std::string(kind), S}));
    a.send(body);
    a.send(" + K");
    a.wait(4);
    a.dialog2("QSL TU");
    a.send_stack("");
}

} // namespace

void bathy_tfc(Air& a) {
    special_report(
        a, "BATHY",
        fill("JJXX %02d%02d%d %02d%02d 1%d%03d 88888 7%d%02d 00%03d 20%03d 50%03d "
             "%s =",
             {a.t.day, a.t.hour, a.t.year % 10, a.t.minute, between(a, 10, 59), between(a, 1, 7),
              between(a, 100, 699), between(a, 0, 9), between(a, 10, 99), between(a, 150, 290),
              between(a, 120, 260), between(a, 60, 180), a.ship_call}));
}

void tesac_tfc(Air& a) {
    special_report(a, "TESAC",
                   fill("KKXX %02d%02d%d %02d%02d 1%d%03d 8888 2%04d 3%04d 66 9%03d %s =",
                        {a.t.day, a.t.hour, a.t.year % 10, a.t.minute, between(a, 10, 59),
                         between(a, 1, 7), between(a, 100, 699), between(a, 1200, 2900),
                         between(a, 3400, 3700), between(a, 100, 900), a.ship_call}));
}

void tempship_tfc(Air& a) {
    special_report(a, "TEMP SHIP",
                   fill("UUAA %02d%02d1 99%03d 1%04d 99%03d %02d%03d 00%03d %02d%03d =",
                        {a.t.day + 50, a.t.hour, between(a, 100, 699), between(a, 100, 1799),
                         between(a, 990, 999), between(a, 10, 29), between(a, 100, 360),
                         between(a, 10, 29), between(a, 100, 360), between(a, 100, 999)}));
}

void pilotship_tfc(Air& a) {
    special_report(a, "PILOT SHIP",
                   fill("PPAA %02d%02d1 99%03d 1%04d 55%03d %05d %05d %05d =",
                        {a.t.day + 50, a.t.hour, between(a, 100, 699), between(a, 100, 1799),
                         between(a, 100, 999), between(a, 10000, 36099), between(a, 10000, 36099),
                         between(a, 10000, 36099)}));
}

void obs_special_tfc_mf(Air& a) {
    switch (one_of(a, 4)) {
    case 0:
        bathy_tfc(a);
        break;
    case 1:
        tesac_tfc(a);
        break;
    case 2:
        tempship_tfc(a);
        break;
    default:
        pilotship_tfc(a);
        break;
    }
}

} // namespace zenka
