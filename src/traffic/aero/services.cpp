// The ground services: aerodrome weather broadcasts, the bearing and weather station, the
// bearing exchanges, the German flying boats and the Norwegian ground stations.

#include "compose/air.h"
#include "traffic/aero/aero.h"
#include "traffic/aero/aero_draw.h"
#include "traffic/aero/aero_tables.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {
namespace {

// The long signal the direction finder takes its bearing on: 55 letters A.
const std::string kLongA(55, 'A');

// The voices of a bearing exchange: the aircraft three, the ground station two words per
// minute slower than drawn.
void bearing_voices(Air& a) {
    a.stn();
    a.voice(1).spd -= 3;
    a.voice(2).spd -= 2;
}

// In seconds divisible by 4, a Norwegian ground station and an aircraft: the aircraft's call
// with its reception report, or the ground station asking for the aircraft's (`qsx`).
void norway_exchange(Air& a, bool qsx) {
    if (a.t.second % 4 != 0) return;
    a.stn();
    hello(a);
    const std::string A(pick(a, acft, 134));
    std::string N = "L";
    N.append(pick(a, nor, 30));
    if (qsx)
        a.send(fill("^ %s %s %s DE %s %s %s %s QRK? +", {N, N, N, A, A, A, a.str2}));
    else
        a.send(fill("^ ^ %s %s DE %s %s QSA%d QRK%d +",
                    {A, A, N, a.str2, between(a, 2, 5), between(a, 3, 5)}));
    wait_between(a, 4, 7);
    a.send(qsx ? "RNILTUEE" : "TUEE");
    a.send_stack("");
}

} // namespace

void aero_wx(Air& a, std::string_view gnd) {
    const std::string G(gnd);
    const int P = between(a, 975, 1049);
    a.send(fill("CQ CQ CQ DE %s %s %s METEO *", {G, G, G}));
    a.wait(3);
    const int h = a.t.hour, m = a.t.minute;
    const std::string report =
        fill("QAM = QAN %s / %02d%02d / %03d DEG / %d KTS = QBA %s / %02d%02d / %d00 M = QNY NIL = "
             "QBB %s / %02d%02d / 2 / 300 FT / 3 / 1500 FT / 6 / 9000 FT = QFE %s %d MB = QFF %s "
             "%d MB +",
             {G, h, m, bearing(a), between(a, 100, 299), G, h, m, between(a, 10, 39), G, h, m, G, P,
              G, P + between(a, 1, 2)});
    a.send(report);
    a.wait(2);
    a.send("ii ii");
    a.wait(1);
    a.send(report);
    a.send_stack(fill("   + DE %s ]", {G}));
}

void aero_stn(Air& a, std::string_view gnd, std::string_view place) {
    const std::string G(gnd), Q(place);
    a.spd = 16;
    std::string last;
    if (a.t.second % 4 != 0) {
        last = G + "            ";
        a.send_still(last);
    } else {
        a.spd = 21;
        a.str = pick(a, acft, 133);
        const std::string S = create_short_call(a.str);
        a.nr = one_of(a, 3);
        // QGN and QGO are addressed to the aircraft's short call, as the QDM is.
        if (a.nr == 0) {
            last = fill("%s DE %s QDM %s/%03d/%s K", {S, G, Q, bearing(a), hhmm(a)});
            a.send(last);
            a.wait(8);
            a.send("E E");
        } else if (a.nr == 1) {
            last = fill("%s DE %s QGN %s K", {S, G, Q});
            a.send(last);
        } else {
            last = fill("%s DE %s QGO %s STORM K", {S, G, Q});
            a.send(last);
            a.wait(8);
            a.send("TU EE");
        }
        a.wait(2);
    }
    a.send_stack(last);
}

void aero_qte(Air& a, int /*kind*/, std::string_view gnd) {
    if (a.t.second % 3 != 0) return;
    const std::string G(gnd), T = hhmm(a);
    bearing_voices(a);
    const int b = bearing(a);
    a.str3 = pick(a, acft, 134);
    const std::string A = a.str3;
    a.dialog1(fill("%s %s DE %s %s QTE? K", {G, G, A, A}));
    a.dialog2(fill("%s DE %s K", {A, G}));
    a.dialog1(fill("%s %s %s K", {A, kLongA, A}));
    a.dialog2(fill("%s DE %s QTE %03d/A/%s/%s K", {A, G, b, T, G}));
    a.dialog1(fill("%s R %03d/A/%s/%s K", {A, b, T, G}));
    a.dialog2(fill("%s OK K", {G}));
    a.dialog1("TU EE");
    a.dialog2("EE");
    a.send_stack("");
}

void old_aero_qte(Air& a, int kind, std::string_view /*ignored*/) {
    if (a.t.second % 3 != 0) return;
    bearing_voices(a);
    const int b = bearing(a);
    std::string G;
    if (kind == 4)
        G = pick(a, aust_gnd, 44);
    else if (kind == 5)
        G = pick(a, aero_333kcs, 2);
    else
        G = pick(a, gonio_375_sx, 105);
    a.str3 = pick(a, acft, 134);
    const std::string A = a.str3;
    a.dialog1(fill("%s %s DE %s %s %s %s +", {G, G, A, A, kLongA, A}));
    a.dialog2(fill("%s %s DE %s %s %03d %03d +", {A, A, G, G, b, b}));
    a.dialog1(fill("%s %03d %03d +", {G, b, b}));
    a.send_stack("");
}

void german_fb(Air& a, std::string_view gnd) {
    if (a.t.second % 5 != 0) return;
    const std::string G(gnd);
    a.stn_ext();
    const std::string B(pick(a, acft_flying_boats2, 13));
    a.dialog1(fill("%s %s DE %s %s %s K", {G, G, B, B, B}));
    a.dialog2(fill("%s DE %s K", {B, G}));
    a.send_stack("");
}

void norway_aero(Air& a) {
    norway_exchange(a, false);
}

void norway_aero_qsx(Air& a) {
    norway_exchange(a, true);
}

} // namespace zenka
