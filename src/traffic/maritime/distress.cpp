// Distress working on 500 kHz: the auto-alarm signal that wakes the ships' alarm receivers, a
// passenger ship on fire with the coast guard, rescuers and a helicopter, and single distress
// calls of a ship giving its position.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {
namespace {

// SOS as one sign, and RRR as one sign.
constexpr const char* kSos = "\x12";
constexpr const char* kRrr = "\x1f";

// A position of the period's form, "4712N 00618W".
std::string position_text(Air& a) {
    const int lat = between(a, 2, 62), lat_min = between(a, 0, 59);
    const int lon = between(a, 1, 170), lon_min = between(a, 0, 59);
    const std::string ns = a.cond(5) ? "S" : "N", ew = a.cond(2) ? "W" : "E";
    return fill("%02d%02d", {lat, lat_min}) + ns + " " + fill("%03d%02d", {lon, lon_min}) + ew;
}

std::string sos3x() {
    std::string s = kSos;
    s += ' ';
    s += kSos;
    s += ' ';
    s += kSos;
    return s;
}

} // namespace

void autoalarm(Air& a) {
    a.stn();
    a.hand = 0;
    a.rto = 0;
    a.spark = 0;
    a.spd = 21;
    a.create_params();
    const std::string line = std::string(24, '\x04') + "      ";
    for (int k = 0; k < 12; ++k)
        a.send(line);
}

void sos1(Air& a) {
    autoalarm(a);
    a.stn_ext();
    // The passenger ship, the coast guard, two ships coming to help, the helicopter.
    const int ship = find_base_vsl(vsl_type_motorpassanger[static_cast<std::size_t>(
                                       one_of(a, static_cast<int>(vsl_type_motorpassanger.size())))],
                                   kVslCount);
    const std::string S(vsl(ship)), N(qra(ship));
    const int first = one_of(a, kVslCount), second = (first + 1 + one_of(a, 400)) % kVslCount;
    const std::string R1(vsl(first)), R2(vsl(second));
    const std::string P = position_text(a);
    const int pob = between(a, 180, 640);
    const std::string SOS = sos3x(), RRR = kRrr;
    a.dialog1(fill("%s DE %s %s %s %s = %s %s FIRE IN ENGINE ROOM SPREADING TO PASSENGER DECKS "
                   "= %d PERSONS ON BOARD = PREPARING TO ABANDON SHIP = REQUIRE IMMEDIATE "
                   "ASSISTANCE = MASTER +",
                   {SOS, S, S, S, SOS, P, N, pob}));
    a.wait(3);
    a.dialog2(fill("%s %s %s DE NMF NMF NMF %s = QRV CUTTER DISPATCHED HELICOPTER ETA 45 MIN = "
                   "ALL SHIPS VICINITY PROCEED AND ASSIST = K",
                   {S, S, S, RRR}));
    a.wait(2);
    a.dialog3(fill("%s DE %s %s = PROCEEDING YR POSN 14 MILES AWAY ETA 0100 HRS SPD 15 KTS "
                   "BOATS READY = K",
                   {S, R1, RRR}));
    a.dialog4(fill("%s DE %s %s = 30 MILES NORTH OF YOU ALTERED COURSE TO ASSIST ETA 2 HRS "
                   "DOCTOR ON BOARD = K",
                   {S, R2, RRR}));
    a.dialog1(fill("NMF %s %s DE %s = FIRE OUT OF CONTROL LOWERING BOATS NOW = "
                   "WILL KEEP TRANSMITTING AS LONG AS POSSIBLE = K",
                   {R1, R2, S}));
    a.wait(4);
    a.dialog2(fill("CQ CQ CQ DE NMF = SEELONCE MAYDAY = ALL STATIONS KEEP SILENCE ON 500 KCS "
                   "EXCEPT DISTRESS TRAFFIC %s = +",
                   {S}));
    a.wait(6);
    a.dialog5(fill("NMF DE COAST GUARD HELICOPTER 1473 = OVER %s NOW = 2 BOATS AND RAFTS IN "
                   "WATER = HOISTING INJURED = %s ON SCENE = K",
                   {S, R1}));
    a.dialog3(fill("NMF DE %s = PICKED UP 212 PERSONS FROM BOATS = CONTINUING SEARCH = K", {R1}));
    a.dialog2(fill("%s DE NMF R TU = %s PSE QSW SURVIVORS LIST = K", {R1, R2}));
    a.wait(8);
    a.dialog2(fill("CQ CQ CQ DE NMF = SEELONCE FEENEE = DISTRESS TRAFFIC %s ENDED = ALL PERSONS "
                   "ACCOUNTED FOR = NMF +",
                   {S}));
    a.send_stack("");
    a.anm_500 = 1;
}

namespace {

// A single ship's distress call: the alarm, the call with the ship's position and what befell
// it, and, if the first call is not answered, a shorter repeat.
void distress_call(Air& a, const char* befell, const char* repeat) {
    autoalarm(a);
    a.stn_ext();
    get_vsl(a);
    const std::string S = a.ship_call, N = a.ship_name, P = position_text(a);
    a.dialog1(fill(std::string("%s DE %s %s %s = %s = ") + befell + " = %s MASTER K",
                   {sos3x(), S, S, S, P, N}));
    if (repeat != nullptr) {
        a.wait(4);
        a.dialog1(fill(std::string("%s DE %s %s %s = %s = ") + repeat + " = K",
                       {sos3x(), S, S, S, P}));
    }
    a.send_stack("");
    a.anm_500 = 1;
}

} // namespace

void sos2(Air& a) {
    distress_call(a,
                  "HEAVY LIST TO PORT CARGO SHIFTED TAKING WATER NO 2 HOLD = 26 CREW = "
                  "REQUIRE IMMEDIATE ASSISTANCE",
                  "TAKING WATER FAST");
}

void sos3(Air& a) {
    distress_call(a,
                  "ENGINES DISABLED DRIFTING ONTO LEE SHORE WIND NW 9 ANCHORS NOT HOLDING = "
                  "REQUEST TUG AND ASSISTANCE",
                  nullptr);
}

} // namespace zenka
