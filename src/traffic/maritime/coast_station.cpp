// A medium-frequency coast station working the ships: its service exchanges, the telegrams it
// passes and receives, its traffic lists and announcements.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/series.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <array>
#include <string>

namespace zenka {
namespace {

// The greeting for the working ship: French to a French ship, else fitting both stations.
std::string greeting_for(Air& a, std::string_view coast) {
    if (begins(a.ship_call, "F"))
        french_hello(a);
    else
        international_hello(a, coast, a.ship_call);
    return a.str2;
}

// One of the coast station's short service exchanges with ship S (draws 4 ... 23).
void service_exchange(Air& a, int draw, const std::string& S, const std::string& C,
                      const std::string& G) {
    switch (draw) {
    case 4:
        a.send(fill("%s DE %s QSL ERE QRU K", {S, C}));
        break;
    case 5:
        a.send(fill("%s DE %s %s QSA%d QRV K", {S, C, G, between(a, 2, 5)}));
        break;
    case 6:
        a.send(fill("%s DE %s GA K", {S, C}));
        break;
    case 7:
        a.send(fill("%s %s DE %s %s HR NIL QRU? K", {S, S, C, G}));
        break;
    case 8:
        a.send(fill("%s DE %s %s QRU K", {S, C, G}));
        break;
    case 9:
        a.send(fill("? DE %s K", {C}));
        break;
    case 10:
        a.send(fill("%s DE %s PSE UR QRA? K", {S, C}));
        wait_between(a, 3, 6);
        a.send(fill("ii QRA %s ? K", {a.ship_name}));
        wait_between(a, 3, 6);
        a.send("RROK PSE GA K");
        break;
    case 11:
        a.send("SRI OM QRM AGN K");
        break;
    case 12:
        a.send(fill("%s DE %s K", {S, C}));
        break;
    case 13:
        a.send(fill("%s  %s  DE  %s  %s K", {S, S, C, C}));
        break;
    case 14:
        a.send(fill("%s DE %s QRC? K", {S, C}));
        wait_between(a, 4, 6);
        a.send("R GA");
        break;
    case 15:
        a.send(fill("^ %s DE %s QRV K", {S, C}));
        break;
    case 16:
        a.send(fill("%s DE %s QRM PSE QSY 454 UP K", {S, C}));
        break;
    case 17:
        a.send("de?");
        wait_between(a, 4, 7);
        a.send("? k");
        break;
    case 18:
        a.send(fill("< %s QRZ? K", {C}));
        break;
    case 19:
        a.send(fill("^ %s DE %s QOB FONE? QSS? K", {S, C}));
        wait_between(a, 4, 7);
        a.send("UP ee");
        break;
    case 20:
        a.send(fill(" de %s HR?", {C}));
        break;
    case 21: {
        std::string misheard = S;
        if (misheard.size() >= 4) misheard[3] = 'A';
        a.send(fill("? %s %s ?", {misheard, misheard}));
        wait_between(a, 4, 7);
        a.send(fill("RR %s %s OK K", {S, S}));
        break;
    }
    case 22:
        a.send("vvv vvv vvv");
        wait_between(a, 3, 6);
        a.send("vvv vvv vvv test+");
        break;
    default:
        a.send(fill("%s pse vvvv k", {S}));
        break;
    }
}

} // namespace

void coast_station_mf(Air& a, std::string_view coast, std::string_view place) {
    a.refresh_time();
    a.coast_mf = 1;
    get_vsl(a);
    const std::string G = greeting_for(a, coast);
    const std::string C(coast), S = a.ship_call;
    a.spd += 3;
    const int pause = one_of(a, 4); // keyed only when the station speaks
    if (a.t.minute == 14 || a.t.minute == 44) {
        a.wait(pause);
        a.send_stack(one_of(a, 2) == 0 ? fill("%s DE %s SRI OM SP PSE * 3", {S, C})
                                       : std::string("NW SP PSE * *"));
        return;
    }
    if ((a.min_period(15, 18) || a.min_period(45, 48)) && a.cond(2)) return;
    a.wait(pause);
    const int draw = one_of(a, 24);
    if (draw <= 1) {
        coast_qtc(a, coast, place);
        a.send_stack("");
    } else if (draw == 2) {
        coast_rcvg_qtc(a);
    } else if (draw == 3) {
        _rcvg_qtc(a);
        maritime_bye(a, coast);
        a.send_stack("");
    } else {
        service_exchange(a, draw, S, C, G);
        a.send_stack("");
    }
}

void coast_station_mf_bug(Air& a, std::string_view coast, std::string_view place) {
    a.bug();
    coast_station_mf(a, coast, place);
}

void _rcvg_qtc(Air& a) {
    static constexpr std::array<std::string_view, 16> kWords = {
        "PROCEED", "HV",     "TO", "VIA",  "MR",   "CAPT.", "NO.",     "ABT 4tt",
        "RE",      "SUPPLY", "YR", "FROM", "NEXT", "IN",    "ARRIVAL", "BERTH"};
    const int error = '"';
    wait_between(a, 7, 10);
    if (a.t.minute % 3 == 0) {
        a.send(fill("%c RPT PBL K", {error}));
        wait_between(a, 4, 7);
    }
    wait_between(a, 8, 15);
    if (a.t.minute % 5 == 0) {
        a.send(fill("%c RPT ADS K", {error}));
        wait_between(a, 8, 15);
    }
    const bool plain = a.cond(2);
    const std::string word(kWords[static_cast<std::size_t>(one_of(a, 16))]);
    a.send(fill(plain ? "%c ii %s ?" : "%c ii AA %s ?", {error, word}));
    wait_between(a, 8, 15);
    if (a.t.minute % 4 == 0) a.send(fill("%c RPT SIG K", {error}));
    wait_between(a, 8, 15);
    a.send(a.t.second % 2 == 1 ? "qsl " : "rr qsl1 ");
}

void vsl_rcvg_qtc(Air& a) {
    get_vsl(a);
    const std::string station(coast(a.coast_nr));
    if (a.cond(2))
        a.send(fill("vvv   %s  de %s qrv k", {station, a.ship_call}));
    else
        a.send(fill("^  de %s ga", {a.ship_call}));
    _rcvg_qtc(a);
    maritime_bye(a, a.ship_call);
    a.send_stack("");
}

void coast_rcvg_qtc(Air& a) {
    get_vsl(a);
    const std::string station(coast(a.coast_nr));
    if (a.cond(2))
        a.send(fill("%s  de %s qrv k", {a.ship_call, station}));
    else
        a.send(fill("^ %s ga", {a.ship_call}));
    _rcvg_qtc(a);
    maritime_bye(a, station);
    a.send_stack("");
}

void tfc_list(Air& a, int form, int rarity, std::string_view coast) {
    const std::string C(coast);
    if (!a.anm_sent) {
        a.str = fill("CQ CQ CQ DE %s %s %s TFC LIST *            ", {C, C, C});
        send_times(a, a.str, 3);
        a.wait(2);
    }
    a.send("HR TFC LIST = QTC FOR ");
    const std::uint32_t chance = static_cast<std::uint32_t>(4 * (rarity < 1 ? 1 : rarity));
    for (int i = 0; i < kVslCount; ++i) {
        if (a.myrand() % chance != 0) continue;
        const std::string call(vsl(i)), ship(qra(i));
        if (form == 1) a.send(fill("%s %s ", {call, call}));
        if (form == 2) a.send(fill("%s/%s ", {ship, call}));
        if (form == 3) a.send(fill("%s ", {call}));
        if ((static_cast<std::uint32_t>(i) + a.myrand()) % 2 == 1) ++i;
    }
    a.send(fill(" = + DE %s PSE K", {C}));
    a.wait(4);
    a.send_stack("");
    a.anm_sent = 0;
}

void tfc_anmt(Air& a, std::string_view text) {
    a.send(text);
    a.send(text);
    a.anm_sent = 1;
}

void nav_wng_anm(Air& a, std::string_view coast) {
    const std::string C(coast);
    send_times(a, fill("CQ CQ CQ DE %s %s %s NX *            ", {C, C, C}), 3);
    a.send_stack("");
}

void small_coast_station(Air& a, std::string_view coast, int mode) {
    if (a.t.second % 3 != 0) return;
    get_vsl(a);
    const std::string G = greeting_for(a, coast);
    const std::string C(coast), S = a.ship_call;
    a.hand = 1;
    if (mode > 127) a.bug();
    if (mode == 1 || mode == 129) {
        rcvg_obs_msg(a, coast);
        return;
    }
    if (mode != 0 && mode != 128) return;
    if (a.t.second % 2 == 0) {
        a.send(fill("%s DE %s QRJ OK QSS? K", {S, C}));
        wait_between(a, 4, 7);
        a.send("= ee");
    } else {
        a.send(fill("?? DE %s K", {C}));
        wait_between(a, 4, 7);
        a.send(fill("%s DE %s %s nil K", {S, C, G}));
        wait_between(a, 6, 9);
        a.send(a.t.minute % 2 == 1 ? "gb tu ee" : "73 tu ee");
    }
    a.send_stack("");
}

} // namespace zenka
