// Operators on the calling frequency: short scripted exchanges between ships and stations, the
// working ship's general call and a dredger's warning to all ships.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {
namespace {

// The character of code 160: a short gap the operator leaves in his sending.
constexpr char kGap = '\xa0';

void ship_general_call(Air& a, const std::string& P1, const std::string& P2) {
    hello(a);
    std::string text = fill("CQ CQ CQ DE %s  %s", {a.ship_call, a.str2});
    text += kGap;
    text += fill(" M/V %s QTO %s BND %s", {a.ship_name, P1, P2});
    text += kGap;
    text += kGap;
    text += " PLS QRU?  73 TO ALL";
    text += kGap;
    text += kGap;
    text += " +";
    a.dialog1(text);
}

void dredger_call(Air& a, const std::string& P1) {
    a.dialog1(fill("CQ CQ CQ DE %s %s = DREDGER %s WORKING IN APPROACH CHANNEL %s BUOYS 3 TO 7 = "
                   "PSE PASS ON MY STARBOARD SIDE AT REDUCED SPEED = ",
                   {a.ship_call, a.ship_call, a.ship_name, P1}));
    a.wait(8);
    a.dialog1("73 TO ALL +");
}

} // namespace

void opchat(Air& a) {
    a.stn_ext();
    get_vsl(a);
    const int script = one_of(a, 18);
    const int first = one_of(a, 81);
    const int second = (first + 1 + one_of(a, 80)) % 81;
    const std::string P1(next_port(first)), P2(next_port(second));
    // Scripts kept to the small hours, to the historical stations, and the empty one send nothing.
    a.refresh_time();
    if ((script == 1 && a.t.hour > 8) || ((script == 11 || script == 12) && a.settings.hist == 0) ||
        script == 17)
        return;
    wait_between(a, 0, 2);
    switch (script) {
    case 0:
        a.dialog1("NMC NMC DE WRTY WRTY K");
        a.wait(3);
        a.dialog2("WRTY DE NMC GA K");
        a.dialog1("NMC DE WRTY QTC 1 PSE UP 426 K");
        a.dialog2("R QSW 426 QSX 8 MC K");
        a.dialog1("R TU EE");
        break;
    case 1:
        a.dialog1("FUM FUM FUM DE KNLW KNLW OBS K");
        a.wait(4);
        a.dialog2("KNLW DE FUM QRV UP 481 K");
        a.dialog1("R UP EE");
        break;
    case 2:
        a.dialog1("JKPN JKPN DE JLRT JLRT K");
        a.wait(2);
        a.dialog2("JLRT DE JKPN GA K");
        a.dialog1("JKPN DE JLRT QSP TO JNA 1 MSG PSE K");
        a.dialog3("JLRT DE JNA QRV 468 K");
        a.dialog1("JNA DE JLRT R QSY 468 K");
        a.dialog2("R EE");
        break;
    case 3:
        a.dialog1("CLA CLA CLA DE 7XMC 7XMC GE K");
        a.wait(3);
        a.dialog2("7XMC DE CLA GE OM QRU K");
        a.dialog1("R TKS QRU 73 EE");
        break;
    case 4:
        a.dialog1("CQ CQ CQ DE ZDLK ZDLK = ANI ONE HV 0700 HYDROPAC BCST ? ");
        a.wait(5);
        a.dialog2("ZDLK DE KFJO HV IT PSE UP 480 K");
        a.dialog1("R QSY 480 EE");
        break;
    case 5:
        a.dialog1("NPQM NPQM DE NOJ NOJ K");
        a.wait(4);
        a.dialog2("NOJ DE NPQM K");
        a.dialog1("NPQM DE NOJ QSA? HR QSA 3 K");
        a.dialog2("R QSA 4 TKS 73 EE");
        break;
    case 6:
        a.dialog1("VVV VVV TEST DE NMO GE ");
        a.wait(3);
        a.dialog2("NMO DE KPH UR SIGS QSA 5 QRK 5 GE");
        a.dialog1("TKS OM 73 EE");
        break;
    case 7:
        a.bug();
        a.dialog1("3WLM 3WLM 3WLM DE ZLW ZLW HW? ");
        a.wait(3);
        a.dialog2("ZLW DE 3WLM QSA 3 QRK 4 K");
        a.dialog1("R TU GN EE");
        break;
    case 8:
        a.dialog1("KOK  KOK KOK  KOK  KOK  KOK KOK");
        a.wait(6);
        a.dialog2("QRL QRL PSE");
        a.dialog1("SRI");
        break;
    case 9:
        a.dialog1("JNA JNA JNA DE JNTS JNTS NW ARR TOKYO K");
        a.wait(3);
        a.dialog2("JNTS DE JNA R QSL TU EE");
        break;
    case 10:
        a.voice(1).ton = 1800;
        a.voice(1).qsa = 0;
        a.dialog1("5LVW 5LVW DE CNCQ CNCQ K");
        a.wait(4);
        a.dialog1("5LVW 5LVW DE CNCQ CNCQ K");
        break;
    case 11:
        a.bug();
        a.dialog1("NPM V NRUI ZFU +");
        a.wait(3);
        a.dialog2("NRUI V NPM QRV +");
        break;
    case 12:
        a.bug();
        a.dialog1("WGEN DE NRUI  QRU?  QSY 6TT +K");
        a.wait(3);
        a.dialog2("NRUI DE WGEN QRU R 6TT +");
        break;
    case 13:
        a.dialog1("CQ CQ CQ DE WNOP WNOP ANY ONE HV 21ooZ SOUTH PACIFIC WX? K");
        a.wait(6);
        a.dialog2("WNOP DE KFS QTC WX 0600 PSE QSW 442 K");
        a.dialog1("R TNX 73 EE");
        break;
    case 14:
        ship_general_call(a, P1, P2);
        break;
    case 15:
        dredger_call(a, P1);
        break;
    case 16:
        a.dialog1("CQ CQ CQ TTT TTT TTT DE FNSM FNSM FNSM QTH CALAIS SPD 21 KTS IN FOG +");
        break;
    default:
        return;
    }
    a.send_stack("");
}

} // namespace zenka
