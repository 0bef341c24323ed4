#include "band/aero_stations.h"
#include "band/catalogue.h"
#include "band/coast_working.h"
#include "band/rule_kit.h"
#include "band/weather_stations.h"
#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/naval/naval.h"
#include "traffic/toolkit/calling.h"

#include <cstdio>
#include <string_view>

namespace zenka {
namespace {

// --- 205.0 - 250.0 kHz ---

void xfig(Air& a) {
    if (a.min_period(15, 30) && a.cond(3))
        cond_call(a, "XFIG", "CQ CQ CQ DE XFIG XFIG XFIG QRU? K");
}

void xpi(Air& a) {
    if (a.sked(300) || a.sked(900) || a.sked(1500) || a.sked(2100)) repeat(a, "XPI", "XPI  ", 48);
}

void yc(Air& a) {
    if (a.ct(600, 2200) && a.min_period(0, 50))
        marker(a, "YC", "VVV VVV VVV DE YC YC YC            ");
}

void fl(Air& a) {
    if (a.eh() && a.ms(50))
        message(a, "FL",
                "CQ CQ CQ DE FL FL FL = BULLETIN METEOROLOGIQUE = VENT OUEST FORCE 4 A 5 "
                "MER AGITEE VISIBILITE BONNE = DE FL +");
}

void kca(Air& a) {
    if (a.oh() && a.min_period(0, 15)) spark(a, "KCA", "QST QST DE KCA KCA KCA K");
}

void egk(Air& a) {
    if (a.eh() && a.ms(30)) message(a, "EGK", "CQ CQ CQ DE EGK EGK EGK QTC 3 QRV? K");
}

void fqf(Air& a) {
    if (a.ct(500, 2300)) marker(a, "FQF", "VVV VVV VVV DE FQF FQF FQF            ");
}

void fle(Air& a) {
    if (a.min_period(30, 45) && a.cond(2))
        cond_call(a, "FLE", "CQ CQ CQ DE FLE FLE FLE QSA? QRK? K");
}

void aex(Air& a) {
    if (a.ms(30)) message(a, "AEX", "CQ CQ CQ DE AEX AEX AEX QTC 1 K");
}

// 231.0 kHz: RAO and RBA work in minutes 0 - 9 and 30 - 39, GEH's marker fills
// minutes 10 - 29 (and 40 - 59 at night), the EG net reports in minutes 40 - 59.
void rao_cq(Air& a) {
    if (a.ms(0)) cond_call(a, "RAO", "CQ CQ CQ DE RAO RAO RAO QRU? K");
}

void rao_rba(Air& a) {
    if (a.ms(30)) cond_call(a, "RAO", "RBA RBA RBA DE RAO RAO RAO QTC? K");
}

void rba_qrv(Air& a) {
    if (a.ms(5)) message(a, "RBA", "RAO RAO RAO DE RBA RBA RBA QRU QRV K");
}

void rba_qtc(Air& a) {
    if (a.ms(35)) message(a, "RBA", "RAO RAO DE RBA RBA QTC 1 = 12 = 04715 33082 61940 17753 = K");
}

void geh(Air& a) {
    if (a.min_period(10, 30) || (a.night() && a.min_period(40, 0)))
        marker(a, "GEH", "VVV VVV VVV DE GEH GEH GEH            ");
}

void egj(Air& a) {
    if (a.min_period(40, 44)) message(a, "EGJ", "EGA EGQ EGH EGM DE EGJ QTC? K");
}

void ega(Air& a) {
    if (a.min_period(44, 48)) message(a, "EGA", "EGJ DE EGA QRU K");
}

void egq(Air& a) {
    if (a.min_period(48, 52)) message(a, "EGQ", "EGJ DE EGQ QTC 1 K");
}

void egh_231(Air& a) {
    if (a.min_period(52, 56)) message(a, "EGH", "EGJ DE EGH QRU K");
}

void egm(Air& a) {
    if (a.min_period(56, 0)) message(a, "EGM", "EGJ DE EGM QRU SK");
}

// 233.0 kHz: FNT's marker until noon, FWU's after it.
void fnt(Air& a) {
    if (a.ct(0, 1200)) marker(a, "FNT", "VVV VVV VVV DE FNT FNT FNT            ");
}

void fwu(Air& a) {
    if (a.ct(1200, 0)) marker(a, "FWU", "VVV VVV VVV DE FWU FWU FWU            ");
}

void wva(Air& a) {
    if (a.eh() && a.min_period(0, 20)) spark(a, "WVA", "CQ CQ CQ DE WVA WVA WVA K");
}

// 240.0 kHz: a spark ship net in the first forty minutes, then EGF's marker.
void kal(Air& a) {
    if (a.min_period(0, 10)) spark(a, "KAL", "KBN KBN KBN DE KAL KAL KAL K");
}

void kbn(Air& a) {
    if (a.min_period(10, 20)) spark(a, "KBN", "KAL KAL DE KBN KBN KBN QRK? K");
}

void kbm(Air& a) {
    if (a.min_period(20, 30)) spark(a, "KBM", "CQ CQ CQ DE KBM KBM KBM K");
}

void fal(Air& a) {
    if (a.min_period(30, 40)) spark(a, "F@L", "CQ CQ CQ DE F@L F@L F@L K");
}

void egf(Air& a) {
    if (a.min_period(40, 0)) marker(a, "EGF", "VVV VVV VVV DE EGF EGF EGF            ");
}

void cnm_day(Air& a) {
    if (a.ct(600, 1800)) marker(a, "CNM", "VVV VVV VVV DE CNM CNM CNM            ");
}

void cnm_night(Air& a) {
    if (a.ct(1800, 600)) marker(a, "CNM", "CQ CQ CQ DE CNM CNM CNM QRU?            ");
}

// 250.0 kHz: ESB by night, FIA and IDM by day, KCB and WSEM in the evening; VYR's
// list at minutes 10 and 40 and the time signal before every hour.
void vyr(Air& a) {
    if (a.m(10) || a.m(40)) {
        on_air(a, "VYR");
        send_cq_anm(a, "VYR", "TFC LIST = QSX 250 KCS +");
    }
}

void esb(Air& a) {
    if (a.ct(0, 800) && a.min_period(0, 57))
        marker(a, "ESB", "VVV VVV VVV DE ESB ESB ESB            ");
}

void fia(Air& a) {
    if (a.ct(800, 1600) && a.ms(20)) message(a, "FIA", "CQ CQ CQ DE FIA FIA FIA QTC 2 = K");
}

void idm(Air& a) {
    if (a.ct(800, 1600) && a.min_period(25, 57))
        marker(a, "IDM", "VVV VVV VVV DE IDM IDM IDM            ");
}

void kcb(Air& a) {
    if (a.ct(1600, 0) && a.min_period(0, 20)) spark(a, "KCB", "CQ CQ CQ DE KCB KCB KCB K");
}

void time_250(Air& a) {
    if (a.min_period(57, 0)) {
        a.qsa = 4;
        a.ts();
    }
}

void wsem(Air& a) {
    if (a.ct(1600, 0) && a.ms(30)) message(a, "WSEM", "CQ CQ CQ DE WSEM WSEM WSEM QRU? K");
}

// --- 263.2 - 333.0 kHz ---

void fld(Air& a) {
    if (a.ct(700, 1900)) marker(a, "FLD", "VVV VVV VVV DE FLD FLD FLD            ");
}

void ljb(Air& a) {
    if (a.eh() && a.ms(0)) message(a, "LJB", "CQ CQ CQ DE LJB LJB LJB = WX = K");
}

void ddv(Air& a) {
    if (a.min_period(10, 20) && a.cond(2)) cond_call(a, "DDV", "CQ CQ CQ DE DDV DDV DDV QRU? K");
}

void ddm(Air& a) {
    if (a.min_period(20, 30) && a.cond(2)) cond_call(a, "DDM", "CQ CQ CQ DE DDM DDM DDM QRU? K");
}

void ddp(Air& a) {
    if (a.min_period(30, 40) && a.cond(2)) cond_call(a, "DDP", "CQ CQ CQ DE DDP DDP DDP QRU? K");
}

void egr(Air& a) {
    if (a.ms(15)) message(a, "EGR", "CQ CQ CQ DE EGR EGR EGR QTC? K");
}

void cqo(Air& a) {
    if (a.ct(2000, 400)) marker(a, "CQO", "VVV VVV VVV DE CQO CQO CQO            ");
}

void egh_273(Air& a) {
    if (a.min_period(0, 20) && a.cond(3)) cond_call(a, "EGH", "EGJ EGJ DE EGH EGH QTC? K");
}

void ric(Air& a) {
    if (a.min_period(20, 40)) spark(a, "RIC", "CQ CQ CQ DE RIC RIC RIC K");
}

void upv_wx(Air& a) {
    if (a.sked(600) || a.sked(1800)) message(a, "UPV", "CQ CQ CQ DE UPV UPV UPV WX = K");
}

void upv_nw(Air& a) {
    if (a.sked(0) || a.sked(1200))
        message(a, "UPV", "CQ CQ CQ DE UPV UPV UPV NAVIGATIONAL WARNING K");
}

void tfa(Air& a) {
    if (a.min_period(0, 50)) marker(a, "TFA", "VVV VVV VVV DE TFA TFA TFA            ");
}

void opo(Air& a) {
    if (a.ct(600, 1800)) marker(a, "OPO", "VVV VVV VVV DE OPO OPO OPO            ");
}

// 285.0 kHz, LOL: the time signal in minutes 55 - 59 at 01, 13 and 21 hours,
// the marker at all other times.
bool lol_time(const Air& a) {
    return a.min_period(55, 0) && (a.h(1) || a.h(13) || a.h(21));
}

void lol_marker(Air& a) {
    if (!lol_time(a)) marker(a, "LOL", "VVV VVV VVV DE LOL LOL LOL            ");
}

void lol_ts2(Air& a) {
    if (lol_time(a)) {
        on_air(a, "LOL");
        a.ts2("LOL");
    }
}

void obe(Air& a) {
    if (a.min_period(0, 30) && a.cond(4)) spark(a, "OBE", "CQ CQ CQ DE OBE OBE OBE K");
}

void uhy_wx(Air& a) {
    if (a.sked(1000) || a.sked(2200)) message(a, "UHY", "CQ CQ CQ DE UHY UHY UHY WX = K");
}

// 262.5 kHz, the ground station XACD answers aircraft; the ground station XACM answers aircraft.
void xacd_xacm(Air& a) {
    if (a.cond(3)) gnd_ans_acft(a, "XACD");
    if (a.cond(3)) gnd_ans_acft(a, "XACM");
}

// clang-format off
const Rule kRules[] = {
    {at(2050), "XFIG cond", xfig},
    {at(2070), "XPI times", xpi},
    {at(2070), "gnd_ans_acft XANU", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "XANU"); }},
    {at(2075), "YC marker", yc},
    {at(2075), "FL text", fl},
    {at(2100), "gnd_ans_acft XANX", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "XANX"); }},
    {at(2140), "gnd_ans_acft XANO", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "XANO"); }},
    {at(2145), "KCA spark", kca},
    {at(2145), "EGK text", egk},
    {any_of({2150, 6000}), "FQF marker", fqf},
    {at(2170), "gnd_ans_acft XANC", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "XANC"); }},
    {at(2175), "FLE cond", fle},
    {at(2210), "DENNE vvv", [](Air& a) { if (a.min_period(0, 30)) send_vvv(a, "DENNE"); }},
    {at(2220), "WUP vvv", [](Air& a) { if (a.min_period(0, 20)) send_vvv(a, "WUP"); }},
    {at(2220), "AEX text", aex},
    {at(2230), "katokana_qtc", [](Air& a) { if (a.min_period(0, 30)) katokana_qtc(a, 4, 100); }},
    {at(2280), "russian_navy_2ww", [](Air& a) { russian_navy_2ww(a); }},
    {at(2300), "chilean_old_nw CCA", [](Air& a) { if (a.sked(420) || a.sked(1620)) { on_air(a, 21, 650, 3); chilean_old_nw(a, "CCA"); } }},
    {at(2300), "chilean_old_nw CCQ", [](Air& a) { if (a.sked(610) || a.sked(1810)) { on_air(a, 23, 750, 2); chilean_old_nw(a, "CCQ"); } }},
    {at(2310), "RAO cond", rao_cq},
    {at(2310), "RAO cond", rao_rba},
    {at(2310), "RBA text", rba_qrv},
    {at(2310), "RBA text", rba_qtc},
    {at(2310), "GEH marker", geh},
    {at(2310), "EGJ text", egj},
    {at(2310), "EGA text", ega},
    {at(2310), "EGQ text", egq},
    {at(2310), "EGH text", egh_231},
    {at(2310), "EGM text", egm},
    {at(2320), "WZQ vvv", [](Air& a) { if (a.min_period(20, 40)) send_vvv(a, "WZQ"); }},
    {at(2330), "FNT marker", fnt},
    {at(2330), "FWU marker", fwu},
    {at(2345), "wva spark", wva},
    {at(2400), "KAL spark", kal},
    {at(2400), "KBN spark", kbn},
    {at(2400), "KBM spark", kbm},
    {at(2400), "F@L spark", fal},
    {at(2400), "EGF marker", egf},
    {at(2400), "HPN2 vvv", [](Air& a) { if (a.min_period(45, 0)) send_vvv(a, "HPN2"); }},
    {at(2460), "CNM marker", cnm_day},
    {at(2460), "CNM marker", cnm_night},
    {at(2475), "polish_army_old CMY/JUS", [](Air& a) { polish_army_old(a, "CMY", "JUS"); }},
    {at(2499), "WHL vvv", [](Air& a) { if (a.min_period(30, 0)) send_vvv(a, "WHL"); }},
    {at(2500), "VYR anm", vyr},
    {at(2500), "ESB marker", esb},
    {at(2500), "FIA text", fia},
    {at(2500), "IDM marker", idm},
    {at(2500), "KCB spark", kcb},
    {at(2500), "ts", time_250},
    {at(2500), "WSEM text", wsem},
    {at(2550), "aero_stn CXC2/DZO", [](Air& a) { if (a.reg2_day()) { on_air(a, "CXC2"); aero_stn(a, "CXC2", "DZO"); } }},
    {at(2570), "pa_state_police", [](Air& a) { pa_state_police(a); }},
    {at(2600), "gnd_ans_acft XACH", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "XACH"); }},
    {at(2615), "polish_army_old ZEM/OBB", [](Air& a) { polish_army_old(a, "ZEM", "OBB"); }},
    {at(2620), "russian_navy_2ww", [](Air& a) { russian_navy_2ww(a); }},
    {at(2625), "gnd_ans_acft XACD, gnd_ans_acft XACM", xacd_xacm},
    {at(2632), "FLD marker", fld},
    {at(2640), "gnd_ans_acft XANY", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "XANY"); }},
    {at(2720), "LJB text", ljb},
    {at(2720), "DDV cond", ddv},
    {at(2720), "DDM cond", ddm},
    {at(2720), "DDP cond", ddp},
    {at(2725), "EGR text", egr},
    {at(2725), "CQO marker", cqo},
    {at(2730), "EGH cond", egh_273},
    {at(2730), "RIC spark", ric},
    {at(2730), "DENNE vvv", [](Air& a) { if (a.min_period(40, 0)) send_vvv(a, "DENNE"); }},
    {at(2745), "polish_army_old MRO/WIL", [](Air& a) { polish_army_old(a, "MRO", "WIL"); }},
    {at(2750), "UPV text", upv_wx},
    {at(2750), "UPV text", upv_nw},
    {at(2760), "TFA marker", tfa},
    {at(2780), "CSY vvv", [](Air& a) { if (a.min_period(30, 0)) send_vvv(a, "CSY"); }},
    {at(2780), "gnd_ans_acft HIJ", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "HIJ"); }},
    {at(2790), "aero_wx OKM", [](Air& a) { if (a.ms(0)) aero_weather(a, "OKM"); }},
    {at(2790), "aero_wx OKE", [](Air& a) { if (a.ms(5)) aero_weather(a, "OKE"); }},
    {at(2795), "aero_wx DDF", [](Air& a) { if (a.ms(0)) aero_weather(a, "DDF"); }},
    {at(2795), "aero_wx DDP", [](Air& a) { if (a.ms(5)) aero_weather(a, "DDP"); }},
    {at(2795), "aero_wx DDB", [](Air& a) { if (a.ms(10)) aero_weather(a, "DDB"); }},
    {at(2795), "aero_wx DDA", [](Air& a) { if (a.ms(15)) aero_weather(a, "DDA"); }},
    {at(2800), "australian_gnd", [](Air& a) { australian_gnd(a); }},
    {at(2800), "aero_wx YRF", [](Air& a) { if (a.ms(0)) aero_weather(a, "YRF"); }},
    {at(2800), "aero_wx YRD", [](Air& a) { if (a.ms(5)) aero_weather(a, "YRD"); }},
    {at(2800), "aero_wx YRI", [](Air& a) { if (a.ms(10)) aero_weather(a, "YRI"); }},
    {at(2800), "OPO marker", opo},
    {at(2800), "aero_wx LND", [](Air& a) { if (a.ms(15)) aero_weather(a, "LND"); }},
    {at(2800), "aero_wx LNJ", [](Air& a) { if (a.ms(20)) aero_weather(a, "LNJ"); }},
    {at(2800), "aero_wx FNK", [](Air& a) { if (a.ms(25)) aero_weather(a, "FNK"); }},
    {at(2800), "aero_wx OGC", [](Air& a) { if (a.ms(30)) aero_weather(a, "OGC"); }},
    {at(2800), "aero_wx ESG", [](Air& a) { if (a.ms(35)) aero_weather(a, "ESG"); }},
    {at(2800), "aero_wx LNK", [](Air& a) { if (a.ms(40)) aero_weather(a, "LNK"); }},
    {at(2800), "aero_wx YLX", [](Air& a) { if (a.ms(45)) aero_weather(a, "YLX"); }},
    {at(2805), "aero_wx IKA", [](Air& a) { if (a.ms(0)) aero_weather(a, "IKA"); }},
    {at(2805), "aero_wx PHW", [](Air& a) { if (a.ms(5)) aero_weather(a, "PHW"); }},
    {at(2805), "aero_wx DDK", [](Air& a) { if (a.ms(10)) aero_weather(a, "DDK"); }},
    {at(2805), "aero_wx ILI", [](Air& a) { if (a.ms(15)) aero_weather(a, "ILI"); }},
    {at(2835), "aero_wx SEF", [](Air& a) { if (a.ms(0)) aero_weather(a, "SEF"); }},
    {at(2835), "aero_wx ILA", [](Air& a) { if (a.ms(5)) aero_weather(a, "ILA"); }},
    {at(2835), "aero_wx FOA", [](Air& a) { if (a.ms(10)) aero_weather(a, "FOA"); }},
    {at(2835), "aero_wx FON", [](Air& a) { if (a.ms(15)) aero_weather(a, "FON"); }},
    {at(2840), "aero_wx SRP", [](Air& a) { if (a.ms(0)) aero_weather(a, "SRP"); }},
    {at(2840), "aero_wx SED", [](Air& a) { if (a.ms(5)) aero_weather(a, "SED"); }},
    {at(2840), "aero_wx SQQ", [](Air& a) { if (a.ms(10)) aero_weather(a, "SQQ"); }},
    {at(2840), "aero_wx SRT", [](Air& a) { if (a.ms(15)) aero_weather(a, "SRT"); }},
    {at(2840), "aero_wx FNJ", [](Air& a) { if (a.ms(20)) aero_weather(a, "FNJ"); }},
    {at(2840), "aero_wx SRX", [](Air& a) { if (a.ms(25)) aero_weather(a, "SRX"); }},
    {at(2840), "aero_wx SRD", [](Air& a) { if (a.ms(30)) aero_weather(a, "SRD"); }},
    {at(2840), "aero_wx SEA", [](Air& a) { if (a.ms(35)) aero_weather(a, "SEA"); }},
    {at(2840), "aero_wx SRF", [](Air& a) { if (a.ms(40)) aero_weather(a, "SRF"); }},
    {at(2841), "aero_wx SWF", [](Air& a) { if (a.ms(0)) aero_weather(a, "SWF"); }},
    {at(2841), "aero_wx SWC", [](Air& a) { if (a.ms(5)) aero_weather(a, "SWC"); }},
    {at(2845), "aero_wx FNC", [](Air& a) { if (a.ms(0)) aero_weather(a, "FNC"); }},
    {at(2845), "aero_wx FNB", [](Air& a) { if (a.ms(5)) aero_weather(a, "FNB"); }},
    {at(2845), "aero_wx OXS", [](Air& a) { if (a.ms(10)) aero_weather(a, "OXS"); }},
    {at(2845), "aero_wx FNL", [](Air& a) { if (a.ms(15)) aero_weather(a, "FNL"); }},
    {at(2846), "aero_wx IKH", [](Air& a) { if (a.ms(0)) aero_weather(a, "IKH"); }},
    {at(2850), "gnd_ans_acft URF", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "URF"); }},
    {at(2850), "LOL marker", lol_marker},
    {at(2850), "LOL ts2", lol_ts2},
    {at(2875), "OBE spark", obe},
    {at(2875), "aero_wx DDM", [](Air& a) { if (a.ms(0)) aero_weather(a, "DDM"); }},
    {at(2875), "aero_wx DDX", [](Air& a) { if (a.ms(5)) aero_weather(a, "DDX"); }},
    {at(2875), "aero_wx FOR", [](Air& a) { if (a.ms(10)) aero_weather(a, "FOR"); }},
    {at(2875), "aero_wx FNW", [](Air& a) { if (a.ms(15)) aero_weather(a, "FNW"); }},
    {at(2875), "aero_wx DDV", [](Air& a) { if (a.ms(20)) aero_weather(a, "DDV"); }},
    {at(2875), "aero_wx FOT", [](Air& a) { if (a.ms(25)) aero_weather(a, "FOT"); }},
    {at(2875), "aero_wx DDU", [](Air& a) { if (a.ms(30)) aero_weather(a, "DDU"); }},
    {at(2880), "aero_wx YTY", [](Air& a) { if (a.ms(0)) aero_weather(a, "YTY"); }},
    {at(2880), "aero_wx YTU", [](Air& a) { if (a.ms(5)) aero_weather(a, "YTU"); }},
    {at(2880), "aero_wx YTW", [](Air& a) { if (a.ms(10)) aero_weather(a, "YTW"); }},
    {at(2880), "aero_wx EGS", [](Air& a) { if (a.ms(15)) aero_weather(a, "EGS"); }},
    {at(2880), "aero_wx HAG", [](Air& a) { if (a.ms(20)) aero_weather(a, "HAG"); }},
    {at(2880), "aero_wx YTS", [](Air& a) { if (a.ms(25)) aero_weather(a, "YTS"); }},
    {at(2880), "aero_wx YTV", [](Air& a) { if (a.ms(30)) aero_weather(a, "YTV"); }},
    {at(2885), "aero_wx ILY", [](Air& a) { if (a.ms(0)) aero_weather(a, "ILY"); }},
    {at(2885), "aero_wx IKJ", [](Air& a) { if (a.ms(5)) aero_weather(a, "IKJ"); }},
    {at(2885), "aero_wx IKO", [](Air& a) { if (a.ms(10)) aero_weather(a, "IKO"); }},
    {at(2900), "UHY text", uhy_wx},
    {at(2900), "marine_qte MRGK", [](Air& a) { if (a.min_period(20, 30) && a.cond(3)) marine_qte(a, 0, "MRGK"); }},
    {at(2960), "aero_qte FKI", [](Air& a) { if (a.cond(2)) aero_qte(a, 2, "FKI"); }},
};
// clang-format on

} // namespace

// 205.0 - 299.9 kHz of the tail: aeronautical ground stations, weather, army.
std::span<const Rule> tail_rules() {
    return kRules;
}

} // namespace zenka
