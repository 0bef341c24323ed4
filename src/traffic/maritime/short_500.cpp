// Short items of the MF calling and working frequencies: safety and urgency warnings, a coast
// station calling a ship, ships' tests and general calls, relay requests, a control station
// looking for a ship, port stations, weather observations filed on MF, bearings and selective
// calls.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <array>
#include <string>

namespace zenka {
namespace {

std::string mf_call(Air& a) {
    a.coast_nr = one_of(a, kMfCoastCount);
    return std::string(mf_coast(a.coast_nr));
}

// Safety messages of the coast stations: the station, its place, the warning.
struct Warning {
    std::string_view call;
    std::string_view text;
};

// clang-format off
constexpr std::array<Warning, 8> kSafety = {{
    {"GNI", "NAVIGATIONAL WARNING NR 214 = NORTH SEA = WRECK DANGEROUS TO NAVIGATION IN 5312N 00341E MARKED BY EAST CARDINAL BUOY = DE GNI"},
    {"OST", "NAV WARNING NR 87 = WANDELAAR LIGHTVESSEL OFF STATION = MARINERS ARE ADVISED TO NAVIGATE WITH CAUTION = DE OST"},
    {"DAN", "NAUTISCHE WARNNACHRICHT NR 412 = ELBE 1 FEUERSCHIFF NEBELSIGNAL AUSGEFALLEN = DE DAN"},
    {"FFU", "AVURNAV NR 311 = BOUEE CARDINALE NORD PLATEAU DES MINQUIERS ETEINTE = DE FFU"},
    {"SAG", "NAVIGATIONAL WARNING NR 56 = KATTEGAT = FALSTERBO RED LIGHT BUOY MISSING = DE SAG"},
    {"LGN", "NAVIGATIONAL WARNING NR 130 = DRIFTING MINE SIGHTED 6041N 00422E = SHIPS KEEP SHARP LOOKOUT = DE LGN"},
    {"CFH", "NOTSHIPS NR 98 = CABLE SHIP JOHN W MACKAY LAYING CABLE 4418N 06331W = GIVE WIDE BERTH = DE CFH"},
    {"NMN", "HYDROLANT 1720 = SUBMERGED OBSTRUCTION REPORTED 3615N 07438W DEPTH 6 FATHOMS = DE NMN"},
}};
// clang-format on

// Port radio stations that ships call for pilots and berths.
constexpr std::array<std::string_view, 8> kPortStations = {"PCH7", "OXZ3", "DAH5", "ONN2",
                                                           "SAB4", "FFU8", "GNF3", "LGQ2"};

} // namespace

void navigational_tfc(Air& a) {
    a.stn();
    const Warning& w = kSafety[static_cast<std::size_t>(one_of(a, 8))];
    const std::string C(w.call);
    switch (one_of(a, 3)) {
    case 0:
        a.send("T T T  T T T  T T T  ");
        a.send(fill("DE %s %s %s = ", {C, C, C}));
        a.send(w.text);
        a.send(" +");
        break;
    case 1:
        a.send("XXX XXX XXX  ");
        a.send(fill("CQ CQ CQ DE %s %s %s = URGENT = ", {C, C, C}));
        a.send(w.text);
        a.send(" +");
        break;
    default:
        a.send("CQ CQ CQ DE VIS VIS VIS CYCLONE WRNG NR 17 QSW 460 +");
        break;
    }
    a.send_stack("");
}

void coast_clg_vsl(Air& a) {
    a.stn();
    get_vsl(a);
    const std::string C = mf_call(a), S = a.ship_call;
    international_hello(a, C, S);
    const std::string G = a.str2;
    const MfCoastEntry& e = kMfCoast[static_cast<std::size_t>(a.coast_nr)];
    a.dialog2(fill("%s %s %s DE %s %s %s %s K", {S, S, S, C, C, C, G}));
    if (a.cond(2)) {
        a.wait(3);
        a.dialog1(fill("%s DE %s %s K", {C, S, G}));
        a.dialog2(fill("%s DE %s QTC1 PSE UP %s/%s K", {S, C, khz_text(half_khz(e.qsx)), khz_text(half_khz(e.qss))}));
        a.dialog1("R UP EE");
    }
    a.send_stack("");
}

void port_wave(Air& a, int n) {
    a.stn();
    get_vsl(a);
    const std::string P(kPortStations[static_cast<std::size_t>(one_of(a, 8))]), S = a.ship_call;
    const std::string port(next_port(one_of(a, kNextPortCount)));
    a.dialog1(fill("%s %s DE %s %s QSX %d QTH %s K", {P, P, S, S, n, port}));
    a.wait(4);
    a.dialog2(fill("%s DE %s GA K", {S, P}));
    a.dialog1(fill("ETA PILOT STATION %02d00 DRAFT %d M PSE ADV BERTH K", {between(a, 0, 23),
                                                                            between(a, 5, 11)}));
    a.dialog2(fill("R PILOT BOARDING AT %02d30 BERTH %d = CALL ON VHF CH 12 = TU EE",
                   {between(a, 0, 23), between(a, 1, 40)}));
    a.send_stack("");
}

void obs_tfc_mf(Air& a, int n) {
    // A coast station listening on this frequency takes the observation.
    int pick = one_of(a, kMfCoastCount);
    for (int k = 0; k < kMfCoastCount; ++k) {
        const int i = (pick + k) % kMfCoastCount;
        if (kMfCoast[static_cast<std::size_t>(i)].qsx == n * 10) {
            pick = i;
            break;
        }
    }
    const MfCoastEntry& e = kMfCoast[static_cast<std::size_t>(pick)];
    obs_tfc(a, e.call, e.place);
}

void qte_coast(Air& a, std::string_view coast) {
    a.stn();
    get_vsl(a);
    const std::string C(coast), S = a.ship_call;
    hello(a);
    const std::string G = a.str2;
    a.dialog1(fill("%s %s DE %s %s QTE? K", {C, C, S, S}));
    a.wait(3);
    a.dialog2(fill("%s DE %s QRV K", {S, C}));
    a.dialog1(fill("VVV VVV VVV DE %s %s ", {S, S}));
    a.send(std::string(static_cast<std::size_t>(between(a, 12, 20)), '\x04'));
    a.dialog1(fill(" %s K", {S}));
    a.wait(4);
    a.refresh_time();
    a.dialog2(fill("%s DE %s QTE %03d/A/%02d%02d/%s K",
                   {S, C, between(a, 0, 359), a.t.hour, a.t.minute, G}));
    a.dialog1("TU EE");
    a.send_stack("");
}

void bandxonly(Air& a) {
    a.stn();
    get_vsl(a);
    const std::string S = a.ship_call;
    a.dialog1(fill("VVV VVV VVV DE %s %s TEST ", {S, S}));
    a.wait(2);
    a.dialog1("VVV VVV VVV +");
    a.send_stack("");
}

void svvv500(Air& a) {
    a.stn();
    get_vsl(a);
    const std::string S = a.ship_call;
    a.dialog1(fill("SVVV  SVVV  SVVV de %s %s %s k", {S, S, S}));
    a.send_stack("");
}

void qsp(Air& a) {
    a.stn();
    get_vsl(a);
    const std::string S = a.ship_call;
    a.dialog1(fill("CQ CQ CQ de %s %s %s PSE QSP? k", {S, S, S}));
    if (a.cond(2)) {
        const std::string S2(vsl(one_of(a, kVslCount)));
        a.wait(5);
        a.dialog2(fill("%s de %s QRV QSP k", {S, S2}));
        a.dialog1(fill("%s de %s = PSE QSP 1 MSG TO %s QRU? 512 k", {S2, S, mf_call(a)}));
        a.dialog2("R QSP OK EE");
    }
    a.send_stack("");
}

void control_stn(Air& a, std::string_view coast) {
    a.stn();
    get_vsl(a);
    const std::string C(coast), S = a.ship_call;
    a.dialog2(fill("%s de %s where are you ? k", {S, C}));
    if (a.cond(2)) {
        a.wait(4);
        a.dialog2(fill("%s de %s where are you ? k", {S, C}));
    }
    a.send_stack("");
}

void vsl500cq(Air& a) {
    a.stn();
    get_vsl(a);
    const std::string S = a.ship_call;
    a.dialog1(fill("cq cq cq de %s %s %s qru? k", {S, S, S}));
    a.send_stack("");
}

void selective_call(Air& a) {
    a.stn();
    get_vsl(a);
    const std::string C = mf_call(a);
    // The ship's five-figure selective call number, keyed until its alarm answers.
    const std::string number = fill("%05d", {between(a, 10000, 99999)});
    std::string text;
    for (int k = 0; k < 5; ++k) {
        text += number;
        text += "  ";
    }
    a.dialog2(text);
    a.dialog2(fill("DE %s %s QTC1 K", {C, C}));
    a.send_stack("");
}

} // namespace zenka
