#include "band/aero_stations.h"
#include "band/catalogue.h"
#include "band/lf_maritime.h"
#include "band/naval_stations.h"
#include "band/rule_kit.h"
#include "band/telecom_stations.h"
#include "band/weather_stations.h"
#include "traffic/maritime/maritime.h"
#include "traffic/naval/naval.h"

#include <string_view>

namespace zenka {
namespace {

// A call keyed with a bug in F1: the opening always heard, the rest by chance.
void bug_call_f1(Air& a, std::string_view opening, std::string_view rest) {
    a.f1();
    a.bug();
    a.send(opening);
    a.send_cond(rest);
}

// --- 140.0 - 149.0 kHz ---

// 140.0 kHz, UGE's general call in minutes divisible by 4.
void uge(Air& a) {
    if (a.t.minute % 4 != 0) return;
    on_air(a, 30, 666, 3);
    a.send("CQ CQ CQ DE UGE UGE +K");
    a.send_stack("");
}

// 141.0 kHz, OKN's weather call three times, at its sixteen slots of the day.
void okn(Air& a) {
    for (int slot : {115, 145, 415, 445, 715, 745, 1015, 1045, 1315, 1345, 1615, 1645, 1815, 1845,
                     2215, 2245}) {
        if (a.sked(slot)) {
            on_air(a, 19, 1100, 3);
            times(a, "CQ CQ CQ DE OKN OKN METEO *            ", 3);
        }
    }
}

// 143.0 kHz, the LF calling frequency: the GLWV and GLSM idents, then the
// coast stations announcing their traffic lists, each at its minute.
void calling_143(Air& a) {
    if (a.sked(1100) || a.sked(2200)) {
        on_air(a, 16, 700, 1);
        times(a, "GLWV  ", 64);
    }
    if (a.sked(1020) || a.sked(2300)) {
        on_air(a, 16, 700, 1);
        times(a, "GLSM  ", 64);
    }
    if (a.m(0)) {
        on_air(a, 24, 900, 4);
        send_cq_anm(a, "WCC", "HR TFC LIST QSW 147.5 KCS");
    }
    if (a.eh() && a.m(10)) {
        on_air(a, 24, 900, 4);
        send_cq_anm(a, "WNY", "HR TFC LIST QSW 170 KCS");
    }
    if (a.m(13)) {
        on_air(a, 24, 900, 4);
        send_cq_anm(a, "VAS", "TFC LIST QRH 127 KCS");
    }
    if (a.m(20)) {
        on_air(a, 33, 755, 2);
        send_cq_anm(a, "UIK", "  = ZDR QRU? SLV 139 KGC PSE K");
    }
    if (a.t.hour % 3 == 0 && a.m(30)) {
        on_air(a, 20, 1000, 5);
        send_cq_anm(a, "GKU", "TFC QSW 149 +");
    }
    if (a.m(40)) {
        on_air(a, 19, 1200, 5);
        send_cq_anm(a, "IAR", "TFC LIST QSW 147 ");
    }
    if (a.m(50)) {
        on_air(a, 25, 1300, 2);
        send_cq_anm(a, "KPH", "TFC LIST QSW 153 KCS");
    }
    if (a.t.minute % 10 != 0) calling_143_khz(a);
    if (a.cond(8)) marine_qte(a, 3, "VRT");
}

// 149.0 kHz, the GLWV and GLSM idents at their own slots.
void glwv_149(Air& a) {
    if (a.sked(1148) || a.sked(2218)) {
        on_air(a, 16, 700, 1);
        times(a, "GLWV  ", 64);
    }
}

void glsm_149(Air& a) {
    if (a.sked(1048) || a.sked(2318)) {
        on_air(a, 16, 700, 1);
        times(a, "GLSM  ", 64);
    }
}

// 150.0 kHz: a ship tuning up and calling Calcutta in minutes 20 - 29, FNP's
// marker in minutes 30 - 54 and its general call in the last five minutes.
void calcutta_150(Air& a) {
    if (a.min_period(10, 20)) {
        on_air(a, 20, 520, 3);
        coast_station_lf(a, "VWC", "CALCUTTA");
    }
    if (a.min_period(20, 30)) {
        on_air(a, 18, 760, 2);
        bug_call_f1(a, "VVV VVV VVV ", "VWC VWC QTC? K");
    }
    if (a.min_period(30, 55)) marker(a, "FNP", "VVV VVV VVV DE FNP FNP FNP            ");
    if (a.mh(54)) message(a, "FNP", "CQ CQ CQ DE FNP FNP FNP QRU? K");
}

// --- 151.0 - 169.0 kHz ---

void vxa(Air& a) {
    if (!a.min_period(5, 20)) return;
    on_air(a, "VXA");
    bug_call_f1(a, "CQ CQ DE VXA VXA ", "QRU? K");
}

void chp(Air& a) {
    if (!a.min_period(30, 45)) return;
    on_air(a, "CHP");
    bug_call_f1(a, "VXA VXA DE CHP CHP ", "QTC? K");
}

// 154.0 kHz, DG's spark weather call on Sundays.
void dg(Air& a) {
    if (a.t.day_of_week != 0) return;
    if (a.ct(705, 800) || a.ct(1305, 1400) || a.ct(1805, 1900))
        spark(a, "DG", "CQ CQ CQ DE DG DG DG WX *            ");
}

// 158.0 kHz, the navy calls in the hours the ships leave free.
void fuy(Air& a) {
    if (a.ct(400, 500) || a.ct(1500, 1600)) call_cond(a, "FUY", "CQ CQ CQ DE FUY FUY ", "QRU? K");
}

void eba(Air& a) {
    if (a.ct(1800, 1900)) call_cond(a, "EBA", "FUY FUY DE EBA EBA ", "QTC 1 K");
}

// 162.0 kHz: YG's spark call early in the odd hours, LGN's marker after it.
void yg(Air& a) {
    if (a.oh() && a.ml(15)) spark(a, "YG", "CQ CQ CQ DE YG YG YG K");
}

void lgn(Air& a) {
    if (!a.ml(15)) marker(a, "LGN", "VVV VVV VVV DE LGN LGN LGN            ");
}

// 165.0 kHz, the traffic of a colonial net, each call in its own minutes.
void vqa_cq(Air& a) {
    if (a.ms(0)) message(a, "VQA", "CQ CQ CQ DE VQA VQA VQA QRU? K");
}

void vqa_tfc(Air& a) {
    if (a.ms(30)) message(a, "VQA", "VSK VSK DE VQA VQA QTC 2 K");
}

void vsk(Air& a) {
    if (a.ms(10)) message(a, "VSK", "VQA VQA DE VSK VSK QSA? K");
}

void vqb_cq(Air& a) {
    if (a.ms(15)) message(a, "VQB", "CQ CQ CQ DE VQB VQB VQB K");
}

void vqb_tfc(Air& a) {
    if (a.ms(45)) message(a, "VQB", "VSK VSK DE VQB VQB QTC 1 K");
}

void vskvskk(Air& a) {
    if (a.min_period(47, 52)) message(a, "VSKVSKK", "VQB VQB DE VSKVSKK QRV K");
}

// 166.6 kHz: WCC's marker, and RAP calling in minutes 50 - 54.
void wcc_166(Air& a) {
    if (a.ml(50)) marker(a, "WCC", "VVV VVV VVV DE WCC WCC WCC            ");
}

// 168.0 kHz: a ship tuning up and calling XFID in minutes 0 - 9; XFID calls in 20 - 29.
void ship_168(Air& a) {
    if (!a.ml(10)) return;
    on_air(a, 17, 840, 2);
    bug_call_f1(a, "VVV VVV VVV ", "XFID XFID QTC? K");
}

// 169.0 kHz, the Curacao and Danish stations, each in its own minutes.
void ozl_cq(Air& a) {
    if (a.min_period(0, 8)) call_cond(a, "OZL", "CQ CQ CQ DE OZL OZL ", "QRU? K");
}

void ozl_tfc(Air& a) {
    if (a.min_period(30, 38)) call_cond(a, "OZL", "PJB PJB DE OZL OZL ", "QTC 3 K");
}

void pjb_cq(Air& a) {
    if (a.min_period(8, 16)) call_cond(a, "PJB", "CQ CQ CQ DE PJB PJB ", "QRU? K");
}

void pjb_tfc(Air& a) {
    if (a.min_period(38, 48)) call_cond(a, "PJB", "OZL OZL DE PJB PJB ", "QRV K");
}

void pjb_qsa(Air& a) {
    if (a.min_period(16, 24)) call_cond(a, "PJB", "PJD PJD DE PJB PJB ", "QSA? K");
}

void pjd_ans(Air& a) {
    if (a.min_period(24, 30)) call_cond(a, "PJD", "PJB PJB DE PJD PJD ", "QSA 4 K");
}

void pjd_cq(Air& a) {
    if (a.min_period(46, 60)) call_cond(a, "PJD", "CQ CQ CQ DE PJD PJD ", "QTC? K");
}

// 170.0 kHz: PJC3 calling in three ten-minute windows, WNY's marker in the
// second half of every ten minutes.
void pjc3_cq(Air& a) {
    if (a.min_period(0, 10)) call_cond(a, "PJC3", "CQ CQ CQ DE PJC3 PJC3 ", "QRU? K");
}

void pjc3_wny(Air& a) {
    if (a.min_period(20, 30)) call_cond(a, "PJC3", "WNY WNY DE PJC3 PJC3 ", "QTC? K");
}

void pjc3_qsa(Air& a) {
    if (a.min_period(40, 50)) call_cond(a, "PJC3", "WNY WNY DE PJC3 PJC3 ", "QSA? K");
}

void wny(Air& a) {
    if (a.t.minute % 10 >= 5) marker(a, "WNY", "VVV VVV VVV DE WNY WNY WNY            ");
    // The list announced on 143 kHz at minute 10 of the even hours.
    if (a.eh() && a.min_period(11, 15)) {
        on_air(a, "WNY");
        tfc_anmt(a, "CQ CQ CQ DE WNY WNY WNY HR TFC LIST *    ");
        tfc_list_lf(a, 2, 16, "WNY");
    }
}

// --- 171.4 - 200.0 kHz ---

// 176.0 kHz, WHI calling WHE at the quarter hours.
void whi(Air& a) {
    if (a.t.minute % 15 != 0) return;
    on_air(a, "WHI");
    clg_cond(a, "WHE", "WHI", 3);
}

// 185.0 kHz: the navy markers by the clock, NAP's spark call in minutes 50 - 54.
void npr(Air& a) {
    if (a.ct(0, 800)) marker(a, "NPR", "VVV VVV VVV DE NPR NPR NPR            ");
}

void nev(Air& a) {
    if (a.ct(800, 1600)) marker(a, "NEV", "VVV VVV VVV DE NEV NEV NEV            ");
}

void naq(Air& a) {
    if (a.ct(1600, 0)) marker(a, "NAQ", "VVV VVV VVV DE NAQ NAQ NAQ            ");
}

// 187.0 kHz: LFR's spark call, then PJA in the other three quarters of the hour.
void pja_cq(Air& a) {
    if (a.min_period(15, 30)) call_cond(a, "PJA", "CQ CQ CQ DE PJA PJA ", "QRU? K");
}

void pja_lfr(Air& a) {
    if (a.min_period(30, 45)) call_cond(a, "PJA", "LFR LFR DE PJA PJA ", "QTC 2 K");
}

void pja_qsa(Air& a) {
    if (a.min_period(45, 60)) call_cond(a, "PJA", "LFR LFR DE PJA PJA ", "QSA? K");
}

// 187.5 kHz, KAA's marker and machine-sent traffic by day.
void kaa(Air& a) {
    if (!a.ct(600, 2200)) return;
    on_air(a, "KAA");
    marker_or_auto(a, "VVV VVV VVV DE KAA KAA KAA            ", 5, 60);
}

// 189.0 - 191.0 kHz, KFN's spark call, heard best in the middle of the range.
void kfn_spark(Air& a) {
    a.qsa = (a.settings.freq >= 1895 && a.settings.freq <= 1904) ? 1 : 0;
    if (a.cond(5)) {
        a.spd = 17;
        a.ton = 888;
        send_spark(a, "KFC  KFC  KFC DE KFN K");
    }
}

// 196.0 kHz: HPN2 asking for reports in the first half hour, ALB in the second.
void hpn2(Air& a) {
    if (a.ml(30)) send_vvv(a, "HPN2");
}

void alb(Air& a) {
    if (!a.ml(30)) call_cond(a, "ALB", "HPN2 HPN2 DE ALB ALB ", "QSA 3 K");
}

// 200.0 kHz, the old calling wave: each station in its own minutes of the hour.
void wyv(Air& a) {
    if (a.min_period(35, 45)) send_vvv(a, "WYV");
}

void wyw(Air& a) {
    if (a.min_period(40, 50)) send_vvv(a, "WYW");
}

// 153.0 kHz, WCC (Chatham) works ships on long wave; ships on the long-wave channel.
void wcc(Air& a) {
    if (a.t.minute % 3 != 0)
        vsl_lf_channel(a);
    else {
        on_air(a, 27, 877, 4);
        coast_station_lf(a, "WCC", "CHATHAM");
    }
}

// 200.0 kHz, the coast station KBA.
void kba(Air& a) {
    if (a.settings.hist && (a.sked(1000) || a.sked(2200))) {
        on_air(a, 20, 1210, 3);
        phillipine_old_coast(a, "KBA");
    }
}

// clang-format off
const Rule kRules[] = {
    {at(1400), "UGE text", uge},
    {at(1410), "OVK rtty", [](Air& a) { if (a.eh()) a.rtlx("RYRYRYRY DE OVK OVK OVK", 850, 50); }},
    {at(1410), "vsl_lf_channel", [](Air& a) { vsl_lf_channel(a); }},
    {at(1410), "OKN times", okn},
    {at(1429), "CUA marker", [](Air& a) { if (a.ml(45)) marker(a, "CUA", "VVV VVV VVV DE CUA CUA CUA            "); }},
    {at(1429), "ICEJ cond", [](Air& a) { if (a.mh(44)) call_cond(a, "ICEJ", "CUA CUA DE ICEJ ICEJ ", "QTC 1 K"); }},
    {at(1430), "GLWV times, GLSM times, WCC anm, WNY anm, VAS anm, UIK anm, GKU anm, IAR anm, KPH anm, calling_143_khz, marine_qte VRT", calling_143},
    {at(1435), "VPSX cond", [](Air& a) { if (a.night()) call_cond(a, "VPSX", "CQ CQ DE VPSX VPSX ", "QSX 143 K"); }},
    {range(1449, 1451), "fax", [](Air& a) { if (a.ct(600, 800) || a.ct(1800, 2000)) a.fax(120, 576); }},
    {at(1450), "vsl_lf_channel", [](Air& a) { if (a.min_period(6, 0)) vsl_lf_channel(a); }},
    {at(1450), "NAR text", [](Air& a) { if (a.h_2(15)) message(a, "NAR", "NSS NSS DE NAR NAR QTC 2 K"); }},
    {at(1450), "coast_station_lf FFP/LEHAVRE", [](Air& a) { lf_coast(a, 10, 20, {19, 1450, 3}, "FFP", "LEHAVRE"); }},
    {at(1450), "RYRYRY rtty", [](Air& a) { if (a.min_period(30, 45)) a.rtlx("RYRYRYRYRYRY", 850, 50); }},
    {at(1470), "vsl_lf_channel", [](Air& a) { if (a.t.minute % 3 != 0) vsl_lf_channel(a); }},
    {at(1470), "coast_station_lf IAR/ROMA", [](Air& a) { lf_coast(a, 0, 10, {19, 1200, 5}, "IAR", "ROMA"); }},
    {at(1470), "coast_station_lf LGN/BERGEN", [](Air& a) { lf_coast(a, 20, 30, {17, 1540, 2}, "LGN", "BERGEN"); }},
    {at(1470), "UHY cond", [](Air& a) { if (a.t.minute % 3 == 0) call_cond(a, "UHY", "LGN LGN DE UHY UHY ", "QTC? K"); }},
    {at(1475), "coast_station_lf WCC/CHATHAM", [](Air& a) { lf_coast(a, 15, 25, {27, 877, 4}, "WCC", "CHATHAM"); }},
    {at(1480), "fax", [](Air& a) { if (a.ct(1000, 1200) || a.ct(2200, 0)) a.fax(120, 576); }},
    {at(1490), "tfc_list_lf GKU, coast_station_lf GKU/DEVIZES", gku_149},
    {at(1490), "WAX anm", [](Air& a) { if (a.oh_sked(5)) announce(a, "WAX", "HR TFC LIST +"); }},
    {at(1490), "GLWV times", glwv_149},
    {at(1490), "GLSM times", glsm_149},
    {at(1500), "coast_station_lf VWC/CALCUTTA, V condF1, FNP marker, FNP text", calcutta_150},
    {at(1510), "intership_lf", [](Air& a) { intership_lf(a); }},
    {at(1510), "NAR spark", [](Air& a) { if (a.ml(10)) spark(a, "NAR", "CQ CQ CQ DE NAR NAR NAR K"); }},
    {at(1510), "VXA condF1", vxa},
    {at(1510), "CHP condF1", chp},
    {at(1515), "usn_old_ochat NPW/NERD", [](Air& a) { if (a.min_period(20, 30)) usn_old_ochat(a, "NPW", "NERD"); }},
    {any_of({1520, 1530}), "coast_station_lf KPH/SANFRANCISCO", [](Air& a) { lf_coast(a, 10, 20, {25, 1300, 2}, "KPH", "SANFRANCISCO"); }},
    {any_of({1520, 1530}), "coast_station_lf WSL/AMAGANSETT", [](Air& a) { lf_coast(a, 30, 40, {21, 940, 3}, "WSL", "AMAGANSETT"); }},
    {at(1520), "coast_station_lf WSV/SAVANAH", [](Air& a) { lf_coast(a, 10, 20, {23, 1190, 1}, "WSV", "SAVANAH"); }},
    {at(1520), "coast_station_lf WSF/NEWYORK", [](Air& a) { lf_coast(a, 30, 40, {25, 1230, 4}, "WSF", "NEWYORK"); }},
    {at(1520), "WBF text", [](Air& a) { if (a.ms(35)) message(a, "WBF", "CQ CQ CQ DE WBF WBF WBF QRU? K"); }},
    {at(1520), "coast_station_lf WPR/ENSENADA", [](Air& a) { lf_coast(a, 50, 0, {19, 1320, 1}, "WPR", "ENSENADA"); }},
    {at(1520), "CCA anm", [](Air& a) { if (a.ms(5)) announce(a, "CCA", "LISTA DE TRAFICO QSW 152 +"); }},
    {at(1520), "CCF anm", [](Air& a) { if (a.ms(10)) announce(a, "CCF", "TFC LIST QSW 152 +"); }},
    {at(1520), "CCQ anm", [](Air& a) { if (a.ms(15)) announce(a, "CCQ", "LISTA DE TRAFICO = "); }},
    {at(1520), "CCP anm", [](Air& a) { if (a.ms(20)) announce(a, "CCP", "TFC LIST QSW 152 KCS +"); }},
    {at(1520), "CCY anm", [](Air& a) { if (a.ms(25)) announce(a, "CCY", "HR TFC LIST = "); }},
    {at(1520), "CCM anm", [](Air& a) { if (a.ms(30)) announce(a, "CCM", "LISTA DE TRAFICO QSW 152 K"); }},
    {at(1520), "CCT anm", [](Air& a) { if (a.ms(35)) announce(a, "CCT", "TFC LIST = METEO +"); }},
    {at(1530), "coast_station_lf WCC/CHATHAM, vsl_lf_channel", wcc},
    {at(1540), "DG spark", dg},
    {at(1550), "vsl_lf_channel", [](Air& a) { vsl_lf_channel(a); }},
    {at(1550), "NIK text", [](Air& a) { if (a.sked(0) || a.sked(1200)) message(a, "NIK", "CQ CQ CQ DE NIK NIK NIK ICE BULLETIN QSW 155 KCS K"); }},
    {at(1550), "can_army VET/VES", [](Air& a) { can_army(a, "VET", "VES"); }},
    {at(1550), "can_army VEP/VES", [](Air& a) { can_army(a, "VEP", "VES"); }},
    {at(1550), "can_army VEG/VES", [](Air& a) { can_army(a, "VEG", "VES"); }},
    {at(1570), "vsl_lf_channel", [](Air& a) { vsl_lf_channel(a); }},
    {at(1570), "VFT2 cond", [](Air& a) { if (a.oh() && a.min_period(40, 50)) call_cond(a, "VFT2", "VFU VFU DE VFT2 VFT2 ", "QTC? K"); }},
    {at(1572), "uswbsf", uswbsf_157},
    {at(1579), "XFU anm", [](Air& a) { if (a.h_2(0)) announce(a, "XFU", "LISTA DE TRAFICO +"); }},
    {at(1579), "coast_station_lf XFU/VERACRUZ", [](Air& a) { lf_coast(a, 5, 15, {18, 1510, 1}, "XFU", "VERACRUZ"); }},
    {at(1580), "vsl_lf_channel", [](Air& a) { if (a.ct(1900, 400) || a.ct(500, 1500) || a.ct(1600, 1800)) vsl_lf_channel(a); }},
    {at(1580), "FUY cond", fuy},
    {at(1580), "EBA cond", eba},
    {at(1580), "can_army VEH/VEM", [](Air& a) { can_army(a, "VEH", "VEM"); }},
    {at(1580), "can_army VEK/VEM", [](Air& a) { can_army(a, "VEK", "VEM"); }},
    {at(1590), "vsl_lf_channel", [](Air& a) { vsl_lf_channel(a); }},
    {at(1600), "vsl_lf_channel", [](Air& a) { vsl_lf_channel(a); }},
    {at(1600), "VFF4 cond", [](Air& a) { if (a.mh(49)) call_cond(a, "VFF4", "VFA VFA DE VFF4 VFF4 ", "QTC 1 K"); }},
    {at(1600), "can_army VEM/VEK", [](Air& a) { can_army(a, "VEM", "VEK"); }},
    {at(1600), "can_army VEM/VEU", [](Air& a) { can_army(a, "VEM", "VEU"); }},
    {at(1600), "can_army VED/VEM", [](Air& a) { can_army(a, "VED", "VEM"); }},
    {at(1600), "can_army VEG/VEM", [](Air& a) { can_army(a, "VEG", "VEM"); }},
    {at(1600), "can_army VEG/VEU", [](Air& a) { can_army(a, "VEG", "VEU"); }},
    {at(1600), "can_army VEO/VEM", [](Air& a) { can_army(a, "VEO", "VEM"); }},
    {at(1600), "can_army VEJ/VEU", [](Air& a) { can_army(a, "VEJ", "VEU"); }},
    {at(1610), "can_army VEK/VEJ", [](Air& a) { can_army(a, "VEK", "VEJ"); }},
    {at(1610), "can_army VEM/VEJ", [](Air& a) { can_army(a, "VEM", "VEJ"); }},
    {at(1620), "YG spark", yg},
    {at(1620), "LGN marker", lgn},
    {at(1622), "LY spark", [](Air& a) { if (a.eh() && a.ml(30)) spark(a, "LY", "CQ CQ CQ DE LY LY LY K"); }},
    {at(1622), "CCE text", [](Air& a) { if (a.h_2(10)) message(a, "CCE", "CQ CQ CQ DE CCE CCE CCE QRU? K"); }},
    {at(1630), "coast_station_lf VCS/CAMPERDOWN", [](Air& a) { lf_coast(a, 15, 25, {24, 1410, 3}, "VCS", "CAMPERDOWN"); }},
    {at(1640), "can_army VEX/VEB", [](Air& a) { can_army(a, "VEX", "VEB"); }},
    {at(1650), "VQA text", vqa_cq},
    {at(1650), "VQA text", vqa_tfc},
    {at(1650), "VSK text", vsk},
    {at(1650), "VQB text", vqb_cq},
    {at(1650), "VQB text", vqb_tfc},
    {at(1650), "VSKVSKK text", vskvskk},
    {at(1650), "can_army VET/VEG", [](Air& a) { can_army(a, "VET", "VEG"); }},
    {at(1650), "can_army VES/VEG", [](Air& a) { can_army(a, "VES", "VEG"); }},
    {at(1650), "can_army VEH/VEG", [](Air& a) { can_army(a, "VEH", "VEG"); }},
    {at(1650), "can_army VEO/VEG", [](Air& a) { can_army(a, "VEO", "VEG"); }},
    {at(1650), "can_army VEV/VEG", [](Air& a) { can_army(a, "VEV", "VEG"); }},
    {at(1650), "can_army VEM/VEG", [](Air& a) { can_army(a, "VEM", "VEG"); }},
    {at(1660), "chilean_old_nw CCT", [](Air& a) { if (a.sked(310) || a.sked(1510)) { on_air(a, 20, 1590, 4); chilean_old_nw(a, "CCT"); } }},
    {at(1660), "TFA text", [](Air& a) { if (a.sked(915) || a.sked(2115)) message(a, "TFA", "CQ CQ CQ DE TFA TFA TFA WX = "); }},
    {at(1660), "usarmy_air_corps AAD20", [](Air& a) { air_corps(a, "AAD20"); }},
    {at(1666), "WCC marker", wcc_166},
    {at(1666), "RAP text", [](Air& a) { if (a.ms(50)) message(a, "RAP", "WCC WCC DE RAP RAP QTC 1 K"); }},
    {at(1670), "wx_code EGB/METEO/027", egb_167},
    {at(1670), "RCP spark", [](Air& a) { if (a.min_period(30, 40)) spark(a, "RCP", "CQ CQ CQ DE RCP RCP RCP K"); }},
    {at(1680), "V condF1", ship_168},
    {at(1680), "XFID cond", [](Air& a) { if (a.min_period(20, 30)) call_cond(a, "XFID", "CQ CQ DE XFID XFID ", "QRU? K"); }},
    {at(1690), "OZL cond", ozl_cq},
    {at(1690), "OZL cond", ozl_tfc},
    {at(1690), "PJB cond", pjb_cq},
    {at(1690), "PJB cond", pjb_tfc},
    {at(1690), "PJB cond", pjb_qsa},
    {at(1690), "PJD cond", pjd_ans},
    {at(1690), "PJD cond", pjd_cq},
    {at(1700), "PJC3 cond", pjc3_cq},
    {at(1700), "PJC3 cond", pjc3_wny},
    {at(1700), "PJC3 cond", pjc3_qsa},
    {at(1700), "WNY marker, tfc_anmt WNY, tfc_list_lf WNY", wny},
    {at(1714), "ufc WBW", [](Air& a) { if (a.settings.hist && a.min_period(30, 38)) ufc(a, "WBW"); }},
    {at(1714), "KMK spark", [](Air& a) { if (a.eh() && a.ml(15)) spark(a, "KMK", "CQ CQ CQ DE KMK KMK KMK K"); }},
    {at(1720), "usarmy_air_corps AAF", [](Air& a) { air_corps(a, "AAF"); }},
    {at(1720), "can_army VEF/VEX", [](Air& a) { can_army(a, "VEF", "VEX"); }},
    {at(1720), "can_army VEI/VEX", [](Air& a) { can_army(a, "VEI", "VEX"); }},
    {at(1720), "can_army VEV/VEX", [](Air& a) { can_army(a, "VEV", "VEX"); }},
    {at(1720), "can_army VES/VEV", [](Air& a) { can_army(a, "VES", "VEV"); }},
    {at(1720), "can_army VEG/VEV", [](Air& a) { can_army(a, "VEG", "VEV"); }},
    {at(1720), "can_army VEF/VEV", [](Air& a) { can_army(a, "VEF", "VEV"); }},
    {at(1720), "can_army VEQ/VEV", [](Air& a) { can_army(a, "VEQ", "VEV"); }},
    {at(1720), "can_army VEI/VEV", [](Air& a) { can_army(a, "VEI", "VEV"); }},
    {at(1751), "ufc WNU", [](Air& a) { if (a.settings.hist && a.min_period(50, 58)) ufc(a, "WNU"); }},
    {at(1751), "ufc WIO", [](Air& a) { if (a.settings.hist && a.min_period(40, 48)) ufc(a, "WIO"); }},
    {at(1760), "clg_cond WHE/WHI", whi},
    {at(1760), "can_army VEG/VET", [](Air& a) { can_army(a, "VEG", "VET"); }},
    {at(1760), "can_army VEJ/VEK", [](Air& a) { can_army(a, "VEJ", "VEK"); }},
    {at(1760), "can_army VEP/VET", [](Air& a) { can_army(a, "VEP", "VET"); }},
    {at(1760), "can_army VES/VET", [](Air& a) { can_army(a, "VES", "VET"); }},
    {at(1770), "can_army VEU/VEM", [](Air& a) { can_army(a, "VEU", "VEM"); }},
    {at(1770), "can_army VEJ/VEM", [](Air& a) { can_army(a, "VEJ", "VEM"); }},
    {at(1780), "usarmy_air_corps AAH80", [](Air& a) { air_corps(a, "AAH80"); }},
    {at(1785), "aero_wx OPO", [](Air& a) { if (a.ms(0)) aero_weather(a, "OPO"); }},
    {at(1785), "aero_wx PCR", [](Air& a) { if (a.ms(5)) aero_weather(a, "PCR"); }},
    {at(1785), "aero_wx PIMR", [](Air& a) { if (a.ms(10)) aero_weather(a, "PIMR"); }},
    {at(1785), "aero_wx FNB", [](Air& a) { if (a.ms(15)) aero_weather(a, "FNB"); }},
    {at(1790), "can_army VES/VEZ", [](Air& a) { can_army(a, "VES", "VEZ"); }},
    {at(1800), "alaska_packers", [](Air& a) { if (a.settings.hist && a.t.month >= 5 && a.t.month <= 9 && a.cond(3)) alaska_packers(a); }},
    {at(1800), "can_army VEM/VED", [](Air& a) { can_army(a, "VEM", "VED"); }},
    {at(1810), "coast_station_lf TIM/LIMON", [](Air& a) { lf_coast(a, 10, 20, {25, 780, 3}, "TIM", "LIMON"); }},
    {at(1820), "can_army VEM/VEH", [](Air& a) { can_army(a, "VEM", "VEH"); }},
    {at(1820), "can_army VEO/VEH", [](Air& a) { can_army(a, "VEO", "VEH"); }},
    {at(1820), "can_army VEG/VEO", [](Air& a) { can_army(a, "VEG", "VEO"); }},
    {at(1827), "telecom_opchat_dx OPL/GME", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "GME", "OPL"); }},
    {at(1846), "KGM text", [](Air& a) { if (a.oh_sked(20)) message(a, "KGM", "CQ CQ CQ DE KGM KGM KGM QRU? K"); }},
    {at(1850), "NPR marker", npr},
    {at(1850), "naval_coast NGR/NAAV", [](Air& a) { if (a.ct(0, 800)) us_fleet_broadcast(a, "NGR"); }},
    {at(1850), "NEV marker", nev},
    {at(1850), "NAP spark", [](Air& a) { if (a.ms(50)) spark(a, "NAP", "NAQ NAQ DE NAP NAP K"); }},
    {at(1850), "NAQ marker", naq},
    {at(1852), "NAX spark", [](Air& a) { if (a.oh() && a.ml(20)) spark(a, "NAX", "CQ CQ CQ DE NAX NAX NAX K"); }},
    {at(1863), "alaska_packers", [](Air& a) { if (a.settings.hist && a.t.month >= 5 && a.t.month <= 9 && a.cond(3)) alaska_packers(a); }},
    {at(1870), "LFR spark", [](Air& a) { if (a.ml(15)) spark(a, "LFR", "CQ CQ CQ DE LFR LFR LFR K"); }},
    {at(1870), "PJA cond", pja_cq},
    {at(1870), "PJA cond", pja_lfr},
    {at(1870), "PJA cond", pja_qsa},
    {at(1875), "KAA marker, auto", kaa},
    {at(1875), "telecom_opchat_dx EPL/RAB", [](Air& a) { if (a.cond(4)) opchat(a, "RAB", "EPL"); }},
    {at(1880), "usarmy_air_corps ABA", [](Air& a) { air_corps(a, "ABA"); }},
    {at(1880), "WAR vvv", [](Air& a) { if (a.ct(1200, 1800)) send_vvv(a, "WAR"); }},
    {at(1880), "can_army VEZ/VES", [](Air& a) { can_army(a, "VEZ", "VES"); }},
    {at(1880), "can_army VEB/VEX", [](Air& a) { can_army(a, "VEB", "VEX"); }},
    {range(1890, 1910), "KFN spark", kfn_spark},
    {at(1920), "usarmy_air_corps ALC", [](Air& a) { air_corps(a, "ALC"); }},
    {at(1930), "VWK text", [](Air& a) { if (a.h_3(5)) message(a, "VWK", "CQ CQ CQ DE VWK VWK VWK QRU? K"); }},
    {at(1940), "usarmy_air_corps ALB", [](Air& a) { air_corps(a, "ALB"); }},
    {at(1940), "WAR vvv", [](Air& a) { if (a.ct(1800, 1200)) send_vvv(a, "WAR"); }},
    {at(1940), "VWK anm", [](Air& a) { if (a.eh_sked(40)) announce(a, "VWK", "HR TFC LIST QSW 193 KCS +"); }},
    {at(1950), "LOL text", [](Air& a) { if (a.sked(1455) || a.sked(2055)) message(a, "LOL", "CQ CQ CQ DE LOL LOL LOL HORA OFICIAL = "); }},
    {at(1950), "can_army VEG/VEW", [](Air& a) { can_army(a, "VEG", "VEW"); }},
    {at(1950), "can_army VEO/VEW", [](Air& a) { can_army(a, "VEO", "VEW"); }},
    {at(1960), "HPN2 vvv", hpn2},
    {at(1960), "ALB cond", alb},
    {at(1970), "usarmy_air_corps AAB30", [](Air& a) { air_corps(a, "AAB30"); }},
    {at(1990), "XFIG cond", [](Air& a) { if (a.min_period(10, 25)) call_cond(a, "XFIG", "CQ CQ DE XFIG XFIG ", "QRU? K"); }},
    {at(1990), "OZV text", [](Air& a) { if (a.ms(40)) message(a, "OZV", "CQ CQ CQ DE OZV OZV OZV QRU? K"); }},
    {at(2000), "RED spark", [](Air& a) { if (a.ms(0)) spark(a, "RED", "CQ CQ CQ DE RED RED RED K"); }},
    {at(2000), "EGB text", [](Air& a) { if (a.ms(5)) message(a, "EGB", "CQ CQ CQ DE EGB EGB EGB QRU? K"); }},
    {at(2000), "EGE text", [](Air& a) { if (a.ms(10)) message(a, "EGE", "EGB EGB DE EGE EGE QTC 1 K"); }},
    {at(2000), "EGG text", [](Air& a) { if (a.ms(15)) message(a, "EGG", "EGB EGB DE EGG EGG QSA? K"); }},
    {at(2000), "ECE spark", [](Air& a) { if (a.ms(20)) spark(a, "ECE", "CQ CQ CQ DE ECE ECE ECE K"); }},
    {at(2000), "CQD marker", [](Air& a) { if (a.min_period(25, 35)) marker(a, "CQD", "VVV VVV VVV DE CQD CQD CQD            "); }},
    {at(2000), "WYV vvv", wyv},
    {at(2000), "WYW vvv", wyw},
    {at(2000), "wvb spark", [](Air& a) { if (a.ms(50)) spark(a, "WVB", "CQ CQ CQ DE WVB WVB WVB K"); }},
    {at(2000), "RAT spark", [](Air& a) { if (a.mh(54)) spark(a, "RAT", "WVB WVB DE RAT RAT K"); }},
    {at(2000), "phillipine_old_coast KBA", kba},
};
// clang-format on

} // namespace

// 140.0 - 200.0 kHz: the LF calling frequency and ship channels, traffic lists,
// army nets, naval and weather stations.
std::span<const Rule> lf_140_rules() {
    return kRules;
}

} // namespace zenka
