// The early long- and medium-wave stations: United Fruit and Great Lakes stations calling their
// ships with the starting signal, the Alaska Packers' canneries and their sailing ships, the
// Chilean navigational warnings and the old Philippine coast station.

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

// The fruit company's steamers and their calls.
constexpr std::array<std::string_view, 8> kFruitShips = {"KDUA", "KDUB", "KDUF", "KDUJ",
                                                         "KIUK", "KIUL", "KUNA", "KUNB"};
constexpr std::array<std::string_view, 6> kFruitWords = {
    "BANANAS 42000 STEMS", "BANANAS 38500 STEMS AND 900 BAGS COFFEE", "BANANAS 51000 STEMS",
    "COCONUTS 2000 SACKS",  "BANANAS 46000 STEMS 12 PASSENGERS",       "MAIL 80 SACKS"};

// The lake freighters and their calls.
constexpr std::array<std::string_view, 8> kLakeShips = {"WDCK", "WDFJ", "WAGM", "WBQX",
                                                        "WCJM", "WDEH", "WAQP", "WBLO"};
constexpr std::array<std::string_view, 8> kLakePorts = {"DULUTH",   "TWO HARBORS", "ASHTABULA",
                                                        "CONNEAUT", "TOLEDO",      "GARY",
                                                        "SOO",      "CLEVELAND"};

// The Alaska Packers' canneries and their ships.
constexpr std::array<std::string_view, 5> kCanneries = {"KDC", "KDD", "KDE", "KDF", "KDG"};
constexpr std::array<std::string_view, 6> kPackers = {"KDNA", "KDNB", "KDNC",
                                                      "KDND", "KDNE", "KDNF"};
constexpr std::array<std::string_view, 6> kPackerNames = {"STAR OF INDIA",  "STAR OF ALASKA",
                                                          "STAR OF FINLAND", "STAR OF HOLLAND",
                                                          "STAR OF ZEALAND", "STAR OF SHETLAND"};
constexpr std::array<std::string_view, 5> kBristolBay = {"NAKNEK", "NUSHAGAK", "KOGGIUNG",
                                                         "EGEGAK", "UGASHIK"};

// The Chilean lights that go out and come back.
constexpr std::array<std::string_view, 10> kChileanLights = {
    "FARO PUNTA ANGELES",  "FARO ISLA SANTA MARIA", "FARO PUNTA CORONA",  "FARO PUNTA GALERA",
    "BALIZA BAJO HUMOS",   "FARO ISLA MOCHA",       "FARO PUNTA DUNGENESS", "FARO EVANGELISTAS",
    "FARO CABO RAPER",     "BALIZA ROCA COLLINS"};

} // namespace

void ufc(Air& a, std::string_view coast) {
    a.stn();
    a.hand = 1;
    const std::string C(coast), S(pick(a, kFruitShips));
    a.dialog2(fill("%s %s DE %s +", {S, S, C}));
    a.wait(4);
    a.dialog1(fill("< %s V %s +", {C, S}));
    if (a.cond(2)) {
        a.dialog2(fill("%s %s DE %s +", {S, S, C}));
    } else {
        a.dialog1(fill("MSG NR %d = UFRUCO NEWYORK = CARGO %s ETA %s %d AM = MASTER +",
                       {between(a, 1, 30), std::string(pick(a, kFruitWords)),
                        a.cond(2) ? "NEW ORLEANS" : "BOSTON", next_day(a)}));
        a.dialog2(fill("R %d +", {a.nr + 1}));
    }
    a.send_stack("");
}

void great_lakes_old(Air& a, std::string_view coast) {
    a.stn();
    a.hand = 1;
    const std::string C(coast), S(pick(a, kLakeShips));
    a.dialog2(fill("<< %s %s de %s %s qrk +", {S, S, C, C}));
    a.wait(3);
    a.dialog1(fill("< %s de %s qrk 4 msg +", {C, S}));
    a.dialog1(fill("msg nr %d = passed %s %02d%02d bound %s = master", {
                       between(a, 1, 20),
                       std::string(pick(a, kLakePorts)),
                       between(a, 0, 23),
                       between(a, 0, 59),
                       std::string(pick(a, kLakePorts)),
                   }));
    a.dialog2("r +");
    a.send_stack("");
}

void alaska_packers_cst(Air& a) {
    a.stn();
    a.hand = 1;
    const std::string C(pick(a, kCanneries)), S(pick(a, kPackers));
    a.dialog2(fill("< < %s %s DE %s MSG K", {S, S, C}));
    a.wait(4);
    a.dialog1(fill("%s DE %s GA", {C, S}));
    a.dialog2(fill("MASTER = TOW TO %s ROADS TOMORROW TIDE 0600 = %d CASES READY = SUPT +",
                   {std::string(pick(a, kBristolBay)), between(a, 8, 40) * 1000}));
    a.dialog1("R EE");
    a.send_stack("");
}

void alaska_packers_vsl(Air& a) {
    a.stn();
    a.hand = 1;
    const int i = one_of(a, 6);
    const std::string S(kPackers[static_cast<std::size_t>(i)]);
    const std::string N(kPackerNames[static_cast<std::size_t>(i)]), C(pick(a, kCanneries));
    a.dialog1(fill("< < %s %s DE %s MSG K", {C, C, S}));
    a.wait(4);
    a.dialog2(fill("%s DE %s GA", {S, C}));
    a.dialog1(fill("APA SANFRANCISCO = %s ANCHORED %s = LOADED %d CASES = ALL WELL = MASTER +",
                   {N, std::string(pick(a, kBristolBay)), between(a, 40, 90) * 1000}));
    a.dialog2("R EE");
    a.send_stack("");
}

void alaska_packers(Air& a) {
    if (a.cond(2))
        alaska_packers_cst(a);
    else
        alaska_packers_vsl(a);
}

void chilean_old_nw(Air& a, std::string_view coast) {
    const std::string C(coast);
    const int number = between(a, 152, 180);
    const std::string light(pick(a, kChileanLights));
    a.send(fill("CQ CQ CQ DE %s %s %s = AVISO A LOS NAVEGANTES OHC %d = ", {C, C, C, number}));
    if (a.cond(3))
        a.send(fill("SE CANCELA AVISO OHC %d = %s REESTABLECIDO = ", {number - between(a, 1, 6),
                                                                      light}));
    else
        a.send(fill("%s APAGADO = NAVEGANTES TOMEN PRECAUCIONES = ", {light}));
    a.send(fill("ARMADA DE CHILE + DE %s", {C}));
    a.send_stack("");
}

void phillipine_old_coast(Air& a, std::string_view coast) {
    a.hand = 1;
    const std::string C(coast);
    std::string list;
    for (int k = between(a, 2, 5); k > 0; --k) {
        list += vsl(one_of(a, kVslCount));
        list += ' ';
    }
    a.send(fill("CQ CQ CQ DE %s %s %s = QTC FOR %s= MANILA WX FAIR WIND NE MODERATE SEA SLIGHT "
                "= %s +",
                {C, C, C, list, C}));
    a.send_stack("");
}

} // namespace zenka
