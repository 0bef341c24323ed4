// Other working of the maritime band: ships chatting, Soviet ships' telegrams, the coast guard,
// port stations, ships tuning, historical ships and direction-finding bearings.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/series.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <array>
#include <string>

namespace zenka {

void vsl2vsl_tfc(Air& a) {
    get_vsl(a);
    const std::string S1 = a.ship_call, S2(vsl(one_of(a, kVslCount)));
    hello(a);
    const std::string G = a.str2;
    const std::string P(next_port(one_of(a, kNextPortCount)));
    const std::string P2(next_port(one_of(a, kNextPortCount)));
    a.stn();
    a.dialog1(fill("%s %s DE %s %s K    ", {S2, S2, S1, S1}));
    a.dialog2(fill("%s DE %s %s OM K", {S1, S2, G}));
    a.dialog1(fill("%s UR QTH? K", {G}));
    a.dialog2(fill("IM QTO %s K", {P}));
    a.dialog1(fill("R HR QTP %s K", {P2}));
    a.dialog2("TKS OB BON VOYAGE 73 SU EE");
    a.dialog1("EE");
    a.send_stack("");
}

namespace {

// Soviet coast stations a Soviet ship files its telegrams with.
constexpr std::array<std::string_view, 9> kSovietCoast = {"UAH",  "UBJ", "UFO",  "UGC", "UIW",
                                                          "URB2", "URL", "USO6", "UTT"};

// Telegram texts in Russian: Cyrillic letters by the characters of the Morse table
// (! YA, @ YU, # SH, $ CH), t$k the full stop.
constexpr std::array<std::string_view, 6> kRussianTexts = {
    "PRIBYTIE %s %d UTROM t$k VSE ZDOROVY t$k KAPITAN",
    "PO#LITE AGENTU ZAKAZ PRESNOJ VODY 150 TONN t$k KAPITAN",
    "DOROGA! TANE! VSE HORO#O SKUCHA@ CELU@ t$k TVOJ MI#A",
    "GRUZ 11000 TONN UGOL! VYGRUZKA %s OKON$ENA t$k KAPITAN",
    "TREBUETS! VRA$ NA BORT PRI PRIHODE %s t$k KAPITAN",
    "POZDRAVL!@ S DNEM ROZHDENI! ZHELA@ S$ASTI! t$k PAPA"};

} // namespace

void russian_vsl(Air& a) {
    get_vsl(a);
    for (int tries = 0; tries < 200 && !begins(a.ship_call, "U"); ++tries)
        get_vsl(a);
    const std::string K(kSovietCoast[static_cast<std::size_t>(one_of(a, 9))]), S = a.ship_call;
    const std::string P(next_port(one_of(a, kNextPortCount)));
    a.stn();
    a.spd += 2;
    a.send(fill("%s %s DE %s %s QTC K", {K, K, S, S}));
    a.wait(8);
    a.send(fill("%s DE %s QRV", {S, K}));
    a.wait(4);
    const int msk_hour = (a.t.hour + 3) % 24;
    if (a.cond(2)) {
        const std::string_view text = kRussianTexts[static_cast<std::size_t>(one_of(a, 6))];
        a.send(fill("NW FM T/H %s/%s NR%d >", {a.ship_name, S, a.nr}));
        a.send(fill(" %d %d %02d%02d MSK = ", {between(a, 6, 14), a.t.day, msk_hour, a.t.minute}));
        a.send(fill(text, {P, a.t.day + 1 > 30 ? 1 : a.t.day + 1}));
    } else {
        a.send(fill("NW FM T/H %s/%s SVC %d t$k", {a.ship_name, S, a.nr}));
        a.send(fill(" %d %02d%02d MSK = PROSIM PODTVERDIT PRIEM NA#EJ RDO %d t$k KAPITAN",
                    {a.t.day, msk_hour, a.t.minute, a.nr - 1}));
    }
    a.send(" + K");
    wait_between(a, 4, 7);
    maritime_bye(a, S);
    a.send_stack("");
}

void uscg(Air& a, std::string_view coast) {
    if (a.min_period(14, 19) || a.min_period(44, 49)) return;
    const std::string C(coast);
    if (a.min_period(10, 14) || a.min_period(40, 44)) {
        get_vsl(a);
        hello(a);
        a.send_stack(fill("^ %s de %s %s pls call us again after sp +", {a.ship_call, C, a.str2}));
        return;
    }
    if (a.t.hour % 3 == 0) {
        rcvg_obs_msg(a, coast);
    } else if (a.cond(2)) {
        small_coast_station(a, coast, 0);
    } else {
        a.send_stack(fill("cq cq cq de %s %s %s %s qsp amver and obs + k", {C, C, C, "USCG"}));
    }
}

void port_radio(Air& a, std::string_view coast) {
    get_vsl(a);
    const std::string C(coast), S = a.ship_call;
    a.stn();
    a.dialog1(fill("%s de %s k", {S, C}));
    a.dialog2(fill("%s de %s k", {C, S}));
    a.dialog1("ok ur qth nw ? k");
    a.dialog2(fill(
        "qth %d nm %s of pilot station eta %02d%02d k",
        {between(a, 3, 30), one_of(a, 2) ? "north" : "south", (a.t.hour + 2) % 24, a.t.minute}));
    a.dialog1("ok qsl k");
    a.send_stack("");
}

void marine_tuning(Air& a) {
    get_vsl(a);
    a.stn();
    a.send_stack(fill("vvv vvv vvv de %s +", {a.ship_call}));
}

namespace {

// Ships and coast stations of the early wireless years.
struct OldStation {
    std::string_view call, name;
};
constexpr std::array<OldStation, 8> kOldShips = {{{"MGY", "TITANIC"},
                                                  {"MPA", "CARPATHIA"},
                                                  {"MKC", "OLYMPIC"},
                                                  {"MBC", "BALTIC"},
                                                  {"MLC", "LUSITANIA"},
                                                  {"MGA", "MAURETANIA"},
                                                  {"DDC", "KAISER WILHELM"},
                                                  {"MKL", "CALIFORNIAN"}}};
constexpr std::array<std::string_view, 4> kOldCoast = {"MCE", "MCC", "MPD", "MSE"};

} // namespace

void old_vsl_qtc(Air& a) {
    if (!a.settings.hist) return;
    const OldStation& ship = kOldShips[static_cast<std::size_t>(one_of(a, 8))];
    const std::string K(kOldCoast[static_cast<std::size_t>(one_of(a, 4))]);
    const std::string S(ship.call), V(ship.name);
    a.stn();
    a.spd = between(a, 12, 18);
    a.hand = 1;
    a.send(fill("%s %s de %s %s k", {K, K, S, S}));
    wait_between(a, 6, 10);
    a.send(fill("< %s de %s SS %s 1    %d %02d/%d %02d%02d = %s + %s k",
                {K, S, V, qtc_ck(36), a.t.day, a.t.month, a.t.hour, a.t.minute,
                 std::string(qtc_table(36)), K}));
    a.send_stack("");
}

void marine_qte(Air& a, int kind, std::string_view station) {
    get_vsl(a);
    const std::string D = station.empty() ? std::string(coast(a.coast_nr)) : std::string(station);
    const std::string S = a.ship_call;
    a.stn();
    a.dialog1(fill("%s %s %s DE %s %s %s QTE? K", {D, D, D, S, S, S}));
    a.dialog2(fill("%s DE %s QRV K", {S, D}));
    a.stn1();
    a.send(fill("< %s DE %s +", {D, S}));
    a.wait(2);
    const std::string run = kind == 1 ? "A" : "MO ";
    for (int i = 0; i < 30 + one_of(a, 20); ++i)
        a.send(run);
    a.send(fill(" %s +", {S}));
    a.wait(4);
    a.dialog2(fill("%s DE %s QTE %03d %02d%02d K", {S, D, one_of(a, 360), a.t.hour, a.t.minute}));
    a.dialog1("R TKS 73 ee");
    a.send_stack("");
}

} // namespace zenka
