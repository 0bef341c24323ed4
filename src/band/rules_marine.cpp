#include "band/calling_500khz.h"
#include "band/catalogue.h"
#include "band/coast_working.h"
#include "band/lf_maritime.h"
#include "band/rule_kit.h"
#include "band/ship_channels.h"
#include "band/weather_stations.h"
#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/naval/naval.h"
#include "traffic/toolkit/calls.h"

#include <array>
#include <string>

namespace zenka {
namespace {

// 410.0 kHz, S2LW calls for traffic in minutes 20 - 24 of even hours; ships ask bearings in odd
// hours.
void s2lw(Air& a) {
    if (a.eh() && a.ms(20)) message(a, "S2LW", "CQ CQ CQ DE S2LW S2LW S2LW QTC? QSW 410 K");
    if (a.oh() && a.cond(5)) marine_qte(a, 0, "");
}

// 411.0 kHz, VRP's traffic list in odd hours, LOH's call in minutes 40 - 44.
void vrp_loh(Air& a) {
    if (a.oh() && a.m(8)) announce(a, "VRP", "TFC LIST QSW 411 KCS");
    if (a.ms(40)) repeat(a, "LOH", "VVV VVV DE LOH LOH QRU? ", 6);
}

// 414.0 kHz, EBB's weather twice an hour.
void ebb(Air& a) {
    if (a.m(10) || a.m(40)) announce(a, "EBB", "WX QSW 414 =");
}

// 415.5 kHz, VWA2 calls a ship of the register, then again with its traffic.
void vwa2(Air& a) {
    if (!a.ms(30)) return;
    get_vsl(a);
    const std::string ship = a.__vsl + " ";
    on_air(a, "VWA2");
    a.send_stack(ship + "DE VWA2 K");
    on_air(a, "VWA2");
    a.send(ship + ship + "DE VWA2 VWA2 ");
    a.send_stack("QTC 1 K");
}

// 416.0 kHz, CNW: weather announcements, its marker late in the night.
void cnw(Air& a) {
    if (a.m(7) || a.m(37)) broadcast(a, "7TA", meteo_anm);
    coast_mf(a, "7TA", "ALGER", true);
    if (a.m(12) || a.m(42)) announce(a, "CNW", "WX QSW 416 =");
    if (a.ct(300, 500) && a.min_period(50, 0))
        marker(a, "CNW", "VVV VVV VVV DE CNW CNW CNW            ");
}

// 417.0 kHz, the Australian and Venezuelan announcements.
void vig_vij(Air& a) {
    coast_mf(a, "YVG", "GUAIRA", true);
    if (a.eh() && a.m(4)) announce(a, "VIG", "TFC LIST QSW 417 KCS");
    if (a.oh() && a.m(34)) announce(a, "VIJ", "WX QSW 417 =");
    if (a.m(22)) announce(a, "YVG", "TFC LIST QSW 417");
}

// 417.5 kHz.
void xvt_ucz(Air& a) {
    if (a.m(35)) announce(a, "XVT", "TFC LIST QSW 417.5 KCS");
    if (a.oh() && a.m(52)) announce(a, "UCZ", "TFC LIST QSW 417.5 =");
    if (a.sked(430) || a.sked(1630)) broadcast(a, "VWG", navarea_viii);
    if (a.eh() && a.m(25)) announce(a, "VWG", "NAV WNG QSW 417.5 =");
}

// 419.5 kHz, FFQ's marker in the first half of the hour.
void ffq(Air& a) {
    if (a.ml(30)) marker(a, "FFQ", "VVV VVV VVV DE FFQ FFQ FFQ            ");
    coast_mf(a, "9VG", "SINGAPORE", false);
}

// 420.0 kHz.
void vaj(Air& a) {
    if (a.eh() && a.m(48)) broadcast(a, "VFN", wx_anm);
    if (a.oh() && a.m(48)) broadcast(a, "VAP", wx_anm);
    if (a.m(18)) announce(a, "VAJ", "TFC LIST QSW 420 KCS");
    if (a.ct(300, 500) && !a.m(18))
        marker(a, "VAJ", "VVV VVV VVV DE VAJ VAJ VAJ QSX 500            ");
}

// 420.5 kHz.
void vit(Air& a) {
    coast_mf(a, "JCK", "KOBE", true);
    small_coast(a, "VWZ");
    if (a.m(44)) announce(a, "VIT", "TFC LIST QSW 420.5 KCS");
    if (a.night() && a.ms(50)) marker(a, "VIT", "VVV VVV VVV DE VIT VIT VIT            ");
}

// 421.5 kHz, CWA's call at the top of even hours.
void cwa_call(Air& a) {
    if (a.eh() && a.ms(0)) repeat(a, "CWA", "VVV VVV VVV DE CWA CWA CWA  ", 8);
    traffic_list(a, "CWA");
    coast_mf(a, "CWA", "CERITO", false);
}

// 428.5 kHz, the Argentine coast stations and UCI.
void lpy_uci(Air& a) {
    if (a.sked(900) || a.sked(2100))
        message(a, "LPY", "TTT TTT TTT DE LPY LPY LPY AVISOS A LOS NAVEGANTES");
    if (a.sked(1000) || a.sked(2200)) message(a, "LPY6", "CQ CQ CQ DE LPY6 LPY6 LPY6 QTC? K");
    if (a.oh() && a.m(27)) cq(a, "UCI");
    if (a.ct(1300, 1500) && a.min_period(30, 40))
        marker(a, "LPY", "VVV VVV VVV DE LPY LPY LPY            ");
}

// 429.0 kHz, two markers sharing the hours, XFC's announcement.
void eal_igj(Air& a) {
    if (a.sked(1150) || a.sked(2350)) broadcast(a, "XFC", navarea_iv);
    if (a.eh() && a.min_period(30, 0)) marker(a, "EAL", "VVV VVV VVV DE EAL EAL EAL            ");
    if (a.oh() && a.min_period(30, 0)) marker(a, "IGJ", "VVV VVV VVV DE IGJ IGJ IGJ            ");
    if (a.m(9)) announce(a, "XFC", "NAV WNG QSW 429 =");
}

// 430.0 kHz.
void pkk_pkd(Air& a) {
    if (a.eh() && a.m(2)) announce(a, "PKK", "TFC LIST QSW 430 KCS");
    traffic_list(a, "PKK");
    traffic_list(a, "PKD");
    if (a.oh() && a.m(32)) announce(a, "PKD", "TFC LIST QSW 430");
}

// 431.5 kHz, LPW's navigational warnings.
void lpw(Air& a) {
    if (a.sked(600) || a.sked(1800))
        message(a, "LPW", "TTT TTT TTT DE LPW LPW LPW AVISOS A LOS NAVEGANTES +");
    obs_receiving(a, "LPW");
}

// 434.0 kHz.
void hlp_wlo(Air& a) {
    if (a.oh() && a.m(1)) announce(a, "HLP", "TFC LIST QSW 434 KCS");
    coast_mf(a, "HLP", "PUSAN", true);
    if (a.sked(1640) || a.sked(440)) broadcast(a, "WLO", navarea_iv);
    if (a.m(38)) announce(a, "WLO", "NAV WNG QSW 434 =");
}

// 435.0 kHz, FFP's marker around the top of the hour, its list in even hours.
void ffp(Air& a) {
    if (a.min_period(50, 5)) marker(a, "FFP", "VVV VVV VVV DE FFP FFP FFP            ");
    if (a.sked(1030) || a.sked(2230)) broadcast(a, "FFP", navarea_iv);
    coast_mf(a, "FFP", "LEHAVRE", true);
    if (a.eh() && a.m(20)) announce(a, "FFP", "TFC LIST QSW 435 KCS");
}

// 436.5 kHz, FFC: its call always, the rest only now and then.
void ffc(Air& a) {
    if (a.t.minute % 10 != 4) return;
    on_air(a, "FFC");
    a.send("CQ CQ CQ DE FFC FFC FFC ");
    a.send_cond("QRU? K");
}

// 438.0 kHz.
void pka_vwl(Air& a) {
    if (a.oh() && a.m(13)) broadcast(a, "VWL", wx_anm);
    if (a.m(33)) announce(a, "PKA", "TFC LIST QSW 438 KCS");
    if (a.sked(520) || a.sked(1720)) broadcast(a, "VWL", navarea_viii);
    if (a.eh() && a.m(13)) announce(a, "VWL", "WX QSW 438 =");
}

// 439.0 kHz.
void a7d(Air& a) {
    if (a.eh() && a.m(23)) announce(a, "A7D", "TFC LIST QSW 439 KCS");
    coast_mf(a, "A7D", "DOHA", false);
    coast_mf(a, "OST", "OSTENDE", true);
}

// 441.0 kHz, three announcements and VPE's marker before noon.
void vpe_vql_vpf(Air& a) {
    if (a.m(2)) announce(a, "VPE", "TFC LIST QSW 441 KCS");
    if (a.m(12)) announce(a, "VQL", "TFC LIST QSW 441");
    if (a.m(22)) announce(a, "VPF", "WX QSW 441 =");
    if (a.ct(1100, 1200) && a.min_period(30, 0))
        marker(a, "VPE", "VVV VVV VVV DE VPE VPE VPE            ");
}

// 443.0 kHz, TXU's call at minute 18.
void txu(Air& a) {
    if (!a.m(18)) return;
    on_air(a, 29, 666, 2);
    a.bug();
    a.send("CQ  CQ  CQ  DE  TXU  TXU  TXU  QRU? K");
    a.send_stack("");
}

// 444.0 kHz.
void vok_xfn_idc(Air& a) {
    if (a.eh() && a.m(6)) announce(a, "VOK", "TFC LIST QSW 444 KCS");
    if (a.oh() && a.ms(25)) repeat(a, "XFN", "CQ CQ CQ DE XFN XFN XFN QSW 444  ", 3);
    if (a.m(36)) announce(a, "IDC", "TFC LIST QSW 444");
    if (a.ct(2300, 100) && a.min_period(50, 0))
        marker(a, "IDC", "VVV VVV VVV DE IDC IDC IDC            ");
}

// 445.0 kHz.
void eac(Air& a) {
    if (a.oh() && a.m(10)) announce(a, "EAC", "TFC LIST QSW 445 KCS");
    traffic_list(a, "EAC");
    coast_mf(a, "EAC", "TARIFA", true);
    if (a.ct(100, 500) && a.min_period(30, 0))
        marker(a, "EAC", "VVV VVV VVV DE EAC EAC EAC            ");
}

// 445.5 kHz, HZH's general call.
void hzh(Air& a) {
    if (a.m(52)) cq(a, "HZH");
    coast_mf(a, "ESA", "TALLINN", false);
    coast_mf(a, "UAH", "TALLINN", false);
}

// 446.0 kHz.
void vax(Air& a) {
    if (a.m(26)) broadcast(a, "VCF", wx_anm);
    nav_warnings(a, "VCF");
    if (a.eh() && a.m(3)) announce(a, "VAX", "TFC LIST QSW 446 KCS");
    if (a.ms(54)) marker(a, "VAX", "VVV VVV VVV DE VAX VAX VAX            ");
}

// 446.5 kHz, EAL's marker in the first third of the hour.
void eal(Air& a) {
    if (a.ml(20)) marker(a, "EAL", "VVV VVV VVV DE EAL EAL EAL QSX 500            ");
    traffic_list(a, "EAL");
    coast_mf(a, "EAL", "PALMAS", false);
    if (a.eh() && a.m(25)) announce(a, "EAL", "TFC LIST QSW 446.5 KCS");
}

// 447.0 kHz.
void hly_oxj(Air& a) {
    if (a.eh() && a.m(17)) broadcast(a, "ICB", wx_anm);
    if (a.oh() && a.m(7)) announce(a, "HLY", "TFC LIST QSW 447 KCS");
    traffic_list(a, "OXJ");
    if (a.eh() && a.m(37)) announce(a, "OXJ", "TFC LIST QSW 447");
}

// 448.0 kHz.
void pkc_xsw(Air& a) {
    if (a.eh() && a.m(2)) announce(a, "PKC", "TFC LIST QSW 448 KCS");
    if (a.sked(750) || a.sked(1950)) broadcast(a, "XSW", navarea_xii);
    traffic_list(a, "PKC");
    if (a.oh() && a.m(32)) announce(a, "XSW", "NAV WNG QSW 448 =");
}

// 449.0 kHz, EAS's marker by day.
void eas(Air& a) {
    if (a.ct(600, 1800) && a.min_period(30, 50))
        marker(a, "EAS", "VVV VVV VVV DE EAS EAS EAS            ");
    traffic_list(a, "EAS");
    coast_mf(a, "OXB", "BLAVAAND", true);
}

// 450.0 kHz, UGE2's marker through the night, 6OR's warnings.
void uge2_6or(Air& a) {
    if (a.sked(410) || a.sked(1610)) broadcast(a, "UBE4", navarea_xiii);
    if (a.sked(620) || a.sked(1820)) broadcast(a, "6OR", navarea_viii);
    if (a.ct(2000, 400) && a.t.minute % 3 != 0)
        marker(a, "UGE2", "VVV VVV VVV DE UGE2 UGE2 UGE2            ");
    if (a.m(14)) announce(a, "6OR", "NAV WNG QSW 450 =");
}

// 451.0 kHz.
void xfu_vrt(Air& a) {
    if (a.min_period(40, 0)) marker(a, "XFU", "VVV VVV VVV DE XFU XFU XFU            ");
    traffic_list(a, "XFQ");
    if (a.eh() && a.m(11)) announce(a, "VRT", "TFC LIST QSW 451 KCS");
    if (a.oh() && a.m(31)) announce(a, "XFQ", "TFC LIST QSW 451");
}

// 454.0 kHz, a working frequency: UOY's weather call and YSA's general call.
void working_454(Air& a) {
    if (a.sked(1330)) {
        on_air(a, 27, 1333, 1);
        a.send_stack("CQ CQ CQ DE UOY UOY WX *");
    }
    if (a.sked(1600)) {
        on_air(a, 17, 1888, 1);
        send_cq(a, "YSA");
    }
    ships_454(a);
}

// 458.0 kHz.
void spe_9ym(Air& a) {
    traffic_list(a, "SPE");
    if (a.eh() && a.m(8)) announce(a, "SPE", "TFC LIST QSW 458 KCS");
    if (a.ct(1800, 2200) && a.ml(30)) marker(a, "9YM", "VVV VVV VVV DE 9YM 9YM 9YM            ");
    if (a.m(38)) announce(a, "9YM", "TFC LIST QSW 458");
}

// 460.0 kHz, a test of V's, two markers sharing the hours, ZAD's list.
void zad_clc(Air& a) {
    if (a.ms(55)) {
        on_air(a, 18, 900, 2);
        times(a, "V V V V V V V V V V  ", 6);
    }
    if (a.eh() && a.ml(30)) marker(a, "ZAD", "VVV VVV VVV DE ZAD ZAD ZAD            ");
    if (a.oh() && a.ml(30)) marker(a, "CLC", "VVV VVV VVV DE CLC CLC CLC            ");
    if (a.m(40)) announce(a, "ZAD", "TFC LIST QSW 460 KCS");
}

// 461.0 kHz.
void fourwd(Air& a) {
    if (a.sked(700) || a.sked(1900))
        message(a, "4WD", "CQ CQ CQ DE 4WD 4WD 4WD TFC LIST QSW 461 K");
    small_coast(a, "LPO");
    small_coast(a, "ZHH");
    if (a.m(9)) announce(a, "ZHH", "TFC LIST QSW 461");
}

// 461.5 kHz.
void xfb(Air& a) {
    if (a.oh() && a.m(19)) announce(a, "XFB", "TFC LIST QSW 461.5 KCS");
    if (a.min_period(40, 45) && a.cond(2)) control_stn(a, "YIS");
    if (a.min_period(50, 55) && a.cond(2)) control_stn(a, "YIT");
}

// 462.0 kHz, YQI's marker in the small hours.
void yqi(Air& a) {
    if (a.ct(0, 600)) marker(a, "YQI", "VVV VVV VVV DE YQI YQI YQI            ");
    small_coast(a, "VAR");
    small_coast(a, "XSJ");
}

// 464.0 kHz, two markers sharing the hours, ZDK's list.
void vco_txz(Air& a) {
    if (a.eh() && a.ml(30)) marker(a, "VCO", "VVV VVV VVV DE VCO VCO VCO            ");
    if (a.oh() && a.ml(30)) marker(a, "TXZ", "VVV VVV VVV DE TXZ TXZ TXZ            ");
    traffic_list(a, "ZDK");
    if (a.m(42)) announce(a, "ZDK", "TFC LIST QSW 464 KCS");
}

// 465.0 kHz, PKF's marker before noon, PNK's after.
void pkf_pnk(Air& a) {
    if (a.ct(0, 1200) && a.ml(30)) marker(a, "PKF", "VVV VVV VVV DE PKF PKF PKF            ");
    if (a.ct(1200, 0) && a.ml(30)) marker(a, "PNK", "VVV VVV VVV DE PNK PNK PNK            ");
    traffic_list(a, "PKF");
    if (a.m(36)) announce(a, "PKF", "TFC LIST QSW 465 KCS");
}

// 468.0 kHz.
void cbt(Air& a) {
    if (a.m(24)) announce(a, "CBT", "TFC LIST QSW 468 KCS");
    coast_mf(a, "UBJ", "BAKU", false);
}

// 470.0 kHz.
void pke_vwc(Air& a) {
    if (a.oh() && a.m(4)) announce(a, "PKE", "TFC LIST QSW 470 KCS");
    obs_receiving(a, "HLM");
    if (a.sked(700) || a.sked(1900)) broadcast(a, "VWC", navarea_viii);
    if (a.eh() && a.m(34)) announce(a, "VWC", "WX QSW 470 =");
}

// 471.0 kHz, LPA2's marker by day.
void lpa2(Air& a) {
    if (a.ct(1000, 2200)) marker(a, "LPA2", "VVV VVV VVV DE LPA2 LPA2 LPA2            ");
}

// 472.0 kHz.
void fjy_ugk2(Air& a) {
    if (a.sked(910) || a.sked(2110)) broadcast(a, "FJY4", navarea_vii);
    if (a.sked(800) || a.sked(2000))
        message(a, "FJY", "CQ CQ CQ DE FJY FJY FJY AVIS AUX NAVIGATEURS QSW 472");
    if (a.m(29)) announce(a, "UGK2", "TFC LIST QSW 472 =");
    if (a.eh() && a.m(49)) announce(a, "FJY4", "METEO QSW 472");
}

// 473.0 kHz, UDC calls UBN.
void udc(Air& a) {
    if (a.sked(900) || a.sked(2100)) message(a, "UDC", "UBN UBN UBN DE UDC UDC UDC QTC 2 K");
}

// 476.0 kHz.
void hlk_kfs(Air& a) {
    if (a.oh() && a.m(11)) announce(a, "HLK", "TFC LIST QSW 476 KCS");
    small_coast(a, "HLK");
    if (a.sked(1230) || a.sked(30)) broadcast(a, "KFS", navarea_xii);
    if (a.eh() && a.m(41)) announce(a, "KFS", "NAV WNG QSW 476 =");
}

// 477.0 kHz.
void lsq9_ccp(Air& a) {
    if (a.sked(1100) || a.sked(2300)) message(a, "LSQ9", "CQ CQ CQ DE LSQ9 LSQ9 LSQ9 QTC? K");
    if (a.ct(1400, 1800) && a.min_period(20, 40))
        marker(a, "CCP", "VVV VVV VVV DE CCP CCP CCP            ");
    coast_mf(a, "JYO", "AQABA", false);
}

// 477.5 kHz.
void xvn(Air& a) {
    if (a.eh() && a.m(26)) announce(a, "XVN", "TFC LIST QSW 477.5 KCS");
}

// 478.0 kHz.
void von_vae(Air& a) {
    if (a.oh() && a.m(5)) announce(a, "VON", "TFC LIST QSW 478 KCS");
    nav_warnings(a, "VON");
    if (a.eh() && a.m(35)) announce(a, "VAE", "TFC LIST QSW 478");
    if (a.ct(400, 600) && a.min_period(40, 0))
        marker(a, "VAE", "VVV VVV VVV DE VAE VAE VAE            ");
}

// 480.0 kHz, a working frequency: the general calls of 9MK3 and 9MP3.
void working_480(Air& a) {
    if (a.m(5)) {
        on_air(a, 24, 1333, 1);
        send_cq(a, "9MK3");
    }
    if (a.m(35)) {
        on_air(a, 24, 1222, 1);
        send_cq(a, "9MP3");
    }
    ships_480(a);
}

// 482.0 kHz.
void fourpb(Air& a) {
    if (a.sked(1000) || a.sked(2200)) repeat(a, "4PB", "CQ CQ CQ DE 4PB 4PB 4PB QSW 482  ", 3);
    if (a.sked(1005) || a.sked(2205)) broadcast(a, "4PB", navarea_viii);
    coast_mf(a, "4PB", "COLOMBO", true);
    if (a.oh() && a.m(46)) announce(a, "4PB", "TFC LIST QSW 482 KCS");
}

// 484.0 kHz.
void fourxo_hln(Air& a) {
    traffic_list(a, "A7D");
    if (a.m(13)) announce(a, "4XO", "TFC LIST QSW 484 KCS");
    if (a.m(43)) announce(a, "HLN", "TFC LIST QSW 484");
    if (a.eh() && a.m(28)) announce(a, "A7D", "WX QSW 484 =");
}

// 485.0 kHz.
void uge2_9ww20(Air& a) {
    traffic_list(a, "9WW20");
    small_coast(a, "9WW20");
    if (a.ct(400, 800) && a.t.minute % 3 != 0)
        marker(a, "UGE2", "VVV VVV VVV DE UGE2 UGE2 UGE2            ");
    if (a.m(57)) announce(a, "9WW20", "TFC LIST QSW 485 KCS");
}

// 488.0 kHz.
void xfu_wax(Air& a) {
    traffic_list(a, "WAX");
    coast_mf(a, "PZN", "PARAMARIBO", false);
    if (a.oh() && a.m(21)) announce(a, "XFU", "TFC LIST QSW 488 KCS");
    if (a.eh() && a.m(51)) announce(a, "WAX", "TFC LIST QSW 488");
}

// 489.0 kHz.
void vcm_ppo(Air& a) {
    if (a.ms(10) && a.eh()) repeat(a, "VCM", "VVV VVV DE VCM VCM  ", 10);
    traffic_list(a, "PPO");
    coast_mf(a, "PPO", "OLINDA", true);
    if (a.oh() && a.m(54)) announce(a, "PPO", "TFC LIST QSW 489 KCS");
}

// 490.0 kHz.
void ulx_gpk(Air& a) {
    if (a.m(48)) cq(a, "ULX");
    obs_receiving(a, "UFO");
    coast_mf(a, "GPK", "PORTPATRICK", true);
    if (a.m(39)) announce(a, "GPK", "NAV WNG QSW 490 =");
}

// 495.0 kHz, CWA's marker.

// 510.0 kHz, FJY4's call.
void fjy4(Air& a) {
    if (a.eh() && a.ms(50)) repeat(a, "FJY4", "CQ CQ CQ DE FJY4 FJY4 FJY4  ", 4);
}

// 510.5 kHz.
void ude_gcc(Air& a) {
    if (a.ms(0) && a.oh()) repeat(a, "UDE", "VVV VVV DE UDE UDE  ", 8);
    coast_mf(a, "UTT", "ODESSA", false);
    if (a.min_period(30, 50)) marker(a, "GCC", "VVV VVV VVV DE GCC GCC GCC            ");
    if (a.m(22)) announce(a, "UTT", "TFC LIST QSW 510.5 =");
}

// 511.0 kHz.
void sph(Air& a) {
    coast_mf(a, "FFC", "ARCACHON", true);
    if (a.eh() && a.m(39)) announce(a, "SPH", "TFC LIST QSW 511 KCS");
    coast_mf(a, "SPH", "GDYNIA", false);
}

// 511.5 kHz, two markers sharing the hour, EAF's list.
void eaf_ipa(Air& a) {
    if (a.ml(20)) marker(a, "EAF", "VVV VVV VVV DE EAF EAF EAF            ");
    traffic_list(a, "EAF");
    if (a.min_period(30, 50)) marker(a, "IPA", "VVV VVV VVV DE IPA IPA IPA            ");
    if (a.m(25)) announce(a, "EAF", "TFC LIST QSW 511.5 KCS");
}

// 512.5 kHz.
void iqx_oxj(Air& a) {
    if (a.min_period(40, 0)) marker(a, "IQX", "VVV VVV VVV DE IQX IQX IQX            ");
    traffic_list(a, "OXJ");
    coast_mf(a, "OXJ", "TORSHAVN", false);
    if (a.oh() && a.m(21)) announce(a, "OXJ", "TFC LIST QSW 512.5 KCS");
}

// 514.5 kHz, IPB's marker.
void ipb(Air& a) {
    if (a.ct(600, 2000)) marker(a, "IPB", "VVV VVV VVV DE IPB IPB IPB            ");
}

// 515.5 kHz, GCC's marker in the second half of the hour.
void gcc(Air& a) {
    if (a.min_period(30, 0)) marker(a, "GCC", "VVV VVV VVV DE GCC GCC GCC QSX 500            ");
    coast_mf(a, "SVL", "LIMNOS", false);
}

// 517.0 kHz, GKR's marker and TFA's ice reports.
void gkr_tfa(Air& a) {
    if (a.m(3) || a.m(33)) broadcast(a, "GKR", wx_anm);
    if (a.min_period(20, 40)) marker(a, "GKR", "VVV VVV VVV DE GKR GKR GKR            ");
    coast_mf(a, "TFA", "REYKJAVIK", true);
    if (a.oh() && a.m(50)) announce(a, "TFA", "ICE REPORT QSW 517 =");
}

// 518.0 kHz.
void fiveta_vrp(Air& a) {
    if (a.sked(1200) || a.sked(1800)) message(a, "5TA", "CQ CQ CQ DE 5TA 5TA 5TA QTC? K");
    if (a.sked(700) || a.sked(1900)) message(a, "VRP", "CQ CQ CQ DE VRP VRP VRP WX QSW 518 K");
}

// 519.0 kHz.
void tjc(Air& a) {
    if (a.eh() && a.ms(5)) {
        on_air(a, "TJC");
        a.send_stack("CQ CQ CQ DE TJC TJC TJC QRU? K");
    }
    nav_warnings(a, "TJC");
    if (a.sked(1130) || a.sked(2330)) broadcast(a, "C9C8", navarea_vii);
    if (a.oh() && a.m(30)) announce(a, "C9C8", "NAV WNG QSW 519 =");
}

// 521.5 kHz.
void iar(Air& a) {
    if (a.oh() && a.m(27)) broadcast(a, "CWA", meteo_anm);
    coast_mf(a, "CWA", "CERITO", true);
    if (a.ct(800, 1600) && a.min_period(40, 0))
        marker(a, "IAR", "VVV VVV VVV DE IAR IAR IAR            ");
    if (a.eh() && a.m(27)) announce(a, "IAR", "TFC LIST QSW 521.5 KCS");
}

// 522.5 kHz.
void sae_xsg(Air& a) {
    traffic_list(a, "XSG");
    coast_mf(a, "XSG", "SHANGHAI", false);
    if (a.ml(20)) marker(a, "SAE", "VVV VVV VVV DE SAE SAE SAE            ");
    if (a.oh() && a.m(31)) announce(a, "XSG", "TFC LIST QSW 522.5 KCS");
}

// 524.0 kHz.
void tna_lom(Air& a) {
    nav_warnings(a, "TNA");
    if (a.eh() && a.m(14)) announce(a, "TNA", "TFC LIST QSW 524 KCS");
    if (a.sked(800) || a.sked(2000)) message(a, "LOM", "CQ CQ CQ DE LOM LOM LOM QTC? K");
    if (a.ct(2100, 2300) && a.min_period(40, 0))
        marker(a, "LOM", "VVV VVV VVV DE LOM LOM LOM            ");
}

// clang-format off
const Rule kRules[] = {
    {at(4100), "S2LW text, marine_qte", s2lw},
    {at(4110), "VRP anm, LOH times", vrp_loh},
    {at(4120), "small_coast_station 3VX", [](Air& a) { small_coast(a, "3VX"); }},
    {at(4140), "EBB anm", ebb},
    {at(4155), "VWA2 text, send_stack", vwa2},
    {at(4160), "meteo_anm 7TA, coast_station_mf_bug 7TA/ALGER, CNW anm, CNW marker", cnw},
    {at(4165), "coast_station_mf_bug FJP/NOUMEA, coast_station_mf_bug JIT/OITA", [](Air& a) { coast_mf(a, "FJP", "NOUMEA", true); coast_mf(a, "JIT", "OITA", true); }},
    {at(4170), "coast_station_mf_bug YVG/GUAIRA, VIG anm, VIJ anm, YVG anm", vig_vij},
    {at(4175), "XVT anm, UCZ anm, navarea_viii VWG, VWG anm", xvt_ucz},
    {at(4180), "italian_naval_code ICO/DRN, italian_naval_code IDM/ROP, italian_naval_code ICV/UST, italian_naval_code IBZ/MEL, italian_naval_code ICT/BRI, italian_naval_code ICH/MAD, italian_naval_code ICA/VEN", italian_coast_418},
    {at(4185), "coast_station_mf JCS/CHIOSHI", [](Air& a) { coast_mf(a, "JCS", "CHIOSHI", false); }},
    {at(4190), "great_lakes_old WDI, great_lakes_old WAM, great_lakes_old WHT, great_lakes_old WCY", great_lakes_419},
    {at(4195), "FFQ marker, coast_station_mf 9VG/SINGAPORE", ffq},
    {at(4200), "wx_anm VFN, wx_anm VAP, VAJ anm, VAJ marker", vaj},
    {at(4205), "coast_station_mf_bug JCK/KOBE, small_coast_station VWZ, VIT anm, VIT marker", vit},
    {at(4210), "tfc_anmt PCH, tfc_list PCH, coast_station_mf PCH/SCHEVENINGEN, PCH marker", [](Air& a) { announced_list(a, "PCH"); coast_mf(a, "PCH", "SCHEVENINGEN", false); idle_marker(a, "PCH"); }},
    {at(4215), "CWA times, tfc_list CWA, coast_station_mf CWA/CERITO", cwa_call},
    {at(4220), "navarea_iv 8RB, small_coast_station 8RB, small_coast_station 9KK, 9KK anm", [](Air& a) { if (a.sked(1100) || a.sked(2300)) broadcast(a, "8RB", navarea_iv); small_coast(a, "8RB"); small_coast(a, "9KK"); list_announcement(a, "9KK", 4220); }},
    {at(4225), "coast_station_mf_bug JCG/SHIMONOSEKI", [](Air& a) { coast_mf(a, "JCG", "SHIMONOSEKI", true); }},
    {at(4250), "vsl_clg_coast_mf, obs_tfc_mf, obs_special_tfc_mf, clg_cond S3K, clg_cond 4YP, port_wave, russian_vsl, marine_tuning", ships_425},
    {at(4260), "navarea_iv C6N, rcvg_obs_msg C6N, tfc_list KPH, KPH anm", [](Air& a) { if (a.sked(320) || a.sked(1520)) broadcast(a, "C6N", navarea_iv); obs_receiving(a, "C6N"); traffic_list(a, "KPH"); list_announcement(a, "KPH", 4260); }},
    {at(4270), "coast_station_mf NJN/ARGENTIA", [](Air& a) { coast_mf(a, "NJN", "ARGENTIA", false); }},
    {at(4280), "tfc_list WMH, coast_station_mf WMH/BALTIMORE, navarea_xiv A3A, A3A anm", [](Air& a) { traffic_list(a, "WMH"); coast_mf(a, "WMH", "BALTIMORE", false); if (a.sked(840) || a.sked(2040)) broadcast(a, "A3A", navarea_xiv); list_announcement(a, "A3A", 4280); }},
    {at(4285), "LPY text, LPY6 text, UCI cq, LPY marker", lpy_uci},
    {at(4290), "navarea_iv XFC, EAL marker, IGJ marker, XFC anm", eal_igj},
    {at(4300), "PKK anm, tfc_list PKK, tfc_list PKD, PKD anm", pkk_pkd},
    {at(4310), "coast_station_mf_bug GKR/WICK", [](Air& a) { coast_mf(a, "GKR", "WICK", true); }},
    {at(4315), "LPW text, rcvg_obs_msg LPW", lpw},
    {at(4320), "nav_wng_anm ICT, navarea_xiv FJA, coast_station_mf FJA/MAHINA, FJA marker", [](Air& a) { nav_warnings(a, "ICT"); if (a.sked(610) || a.sked(1810)) broadcast(a, "FJA", navarea_xiv); coast_mf(a, "FJA", "MAHINA", false); idle_marker(a, "FJA"); }},
    {at(4330), "coast_station_mf_bug OHM/MARIEHAMM, coast_station_mf_bug SUP/PORTSAID", [](Air& a) { coast_mf(a, "OHM", "MARIEHAMM", true); coast_mf(a, "SUP", "PORTSAID", true); }},
    {at(4335), "small_coast_station LPZ, coast_station_mf_bug FFU/BREST", [](Air& a) { small_coast(a, "LPZ"); coast_mf(a, "FFU", "BREST", true); }},
    {at(4340), "HLP anm, coast_station_mf_bug HLP/PUSAN, navarea_iv WLO, WLO anm", hlp_wlo},
    {at(4350), "FFP marker, navarea_iv FFP, coast_station_mf_bug FFP/LEHAVRE, FFP anm", ffp},
    {at(4355), "qte_coast 7TB, coast_station_mf_bug 7TB/ANNABA, coast_station_mf_bug SAA/KARLSKRONA, SAA marker", [](Air& a) { if (a.cond(8)) qte_coast(a, "7TB"); coast_mf(a, "7TB", "ANNABA", true); coast_mf(a, "SAA", "KARLSKRONA", true); idle_marker(a, "SAA"); }},
    {at(4360), "small_coast_station LJB, jap_coast_guard JNW, coast_station_mf LZL/BURGAS, LZL anm", [](Air& a) { small_coast(a, "LJB"); on_air(a, "JNW"); jap_coast_guard(a, "JNW"); coast_mf(a, "LZL", "BURGAS", false); list_announcement(a, "LZL", 4360); }},
    {at(4365), "FFC cond", ffc},
    {at(4370), "small_coast_station L2Y, small_coast_station L2R, small_coast_station LSR, LSR marker", [](Air& a) { small_coast(a, "L2Y"); small_coast(a, "L2R"); small_coast(a, "LSR"); idle_marker(a, "LSR"); }},
    {at(4375), "coast_station_mf_bug LGA/ALESUND, coast_station_mf_bug CUG/SAOMIGUEL, coast_station_mf SVA/ATHINAI", [](Air& a) { coast_mf(a, "LGA", "ALESUND", true); coast_mf(a, "CUG", "SAOMIGUEL", true); coast_mf(a, "SVA", "ATHINAI", false); }},
    {at(4380), "wx_anm VWL, PKA anm, navarea_viii VWL, VWL anm", pka_vwl},
    {at(4385), "coast_station_mf_bug SUZ/SERAPEUM, coast_station_mf UIW/KALININGRAD", [](Air& a) { coast_mf(a, "SUZ", "SERAPEUM", true); coast_mf(a, "UIW", "KALININGRAD", false); }},
    {at(4390), "A7D anm, coast_station_mf A7D/DOHA, coast_station_mf_bug OST/OSTENDE", a7d},
    {at(4395), "tfc_list 9AR, tfc_list YUR, coast_station_mf LZW/VARNA", [](Air& a) { traffic_list(a, "9AR"); traffic_list(a, "YUR"); coast_mf(a, "LZW", "VARNA", false); }},
    {at(4400), "navarea_xiii UBA2, navarea_viii VWK, coast_station_mf VWK/KANDLA, VWK anm", [](Air& a) { if (a.sked(300) || a.sked(1500)) broadcast(a, "UBA2", navarea_xiii); if (a.sked(540) || a.sked(1740)) broadcast(a, "VWK", navarea_viii); coast_mf(a, "VWK", "KANDLA", false); list_announcement(a, "VWK", 4400); }},
    {at(4410), "VPE anm, VQL anm, VPF anm, VPE marker", vpe_vql_vpf},
    {at(4420), "tfc_anmt WKM, tfc_list WKM, wx_anm WKM, WKM marker", [](Air& a) { announced_list(a, "WKM"); if (a.m(52)) broadcast(a, "WKM", wx_anm); idle_marker(a, "WKM"); }},
    {at(4425), "coast_station_mf A4M/MUSCAT, coast_station_mf_bug FFB/BOULOGNE", [](Air& a) { coast_mf(a, "A4M", "MUSCAT", false); coast_mf(a, "FFB", "BOULOGNE", true); }},
    {at(4430), "TXU text", txu},
    {at(4435), "coast_station_mf_bug LGV/VARDOE", [](Air& a) { coast_mf(a, "LGV", "VARDOE", true); }},
    {at(4440), "VOK anm, XFN times, IDC anm, IDC marker", vok_xfn_idc},
    {at(4445), "tfc_anmt PCH, tfc_list PCH, coast_station_mf LPD/GENERALPACHECO", [](Air& a) { announced_list(a, "PCH"); coast_mf(a, "LPD", "GENERALPACHECO", false); }},
    {at(4450), "EAC anm, tfc_list EAC, coast_station_mf_bug EAC/TARIFA, EAC marker", eac},
    {at(4455), "HZH cq, coast_station_mf ESA/TALLINN, coast_station_mf UAH/TALLINN", hzh},
    {at(4460), "wx_anm VCF, nav_wng_anm VCF, VAX anm, VAX marker", vax},
    {at(4465), "EAL marker, tfc_list EAL, coast_station_mf EAL/PALMAS, EAL anm", eal},
    {at(4470), "wx_anm ICB, HLY anm, tfc_list OXJ, OXJ anm", hly_oxj},
    {at(4475), "LMG anm", [](Air& a) { if (a.m(21) || a.m(51)) announce(a, "LMG", "TFC LIST QSW 447.5 KCS"); }},
    {at(4480), "PKC anm, navarea_xii XSW, tfc_list PKC, XSW anm", pkc_xsw},
    {at(4490), "EAS marker, tfc_list EAS, coast_station_mf_bug OXB/BLAVAAND", eas},
    {at(4495), "coast_station_mf URB2/KLAIPEDA", [](Air& a) { coast_mf(a, "URB2", "KLAIPEDA", false); }},
    {at(4500), "navarea_xiii UBE4, navarea_viii 6OR, UGE2 marker, 6OR anm", uge2_6or},
    {at(4510), "XFU marker, tfc_list XFQ, VRT anm, XFQ anm", xfu_vrt},
    {at(4520), "small_coast_station PKI2, small_coast_station PKN7, small_coast_station PKR6, PKI2 marker", [](Air& a) { small_coast(a, "PKI2"); small_coast(a, "PKN7"); small_coast(a, "PKR6"); idle_marker(a, "PKI2"); }},
    {at(4525), "tfc_list UHY/UHS, tfc_list UDK2", [](Air& a) { traffic_list(a, "UHY"); traffic_list(a, "UDK2"); }},
    {at(4540), "UOY text, YSA cq, vsl_clg_coast_mf, port_wave, russian_vsl, marine_tuning, obs_tfc_mf, obs_special_tfc_mf", working_454},
    {at(4550), "tfc_anmt ETV, tfc_anmt UNM2, tfc_list UNM2, ETV marker", [](Air& a) { list_notice(a, "ETV", 4840); announced_list(a, "UNM2"); idle_marker(a, "ETV"); }},
    {at(4555), "selective_call", [](Air& a) { if (a.cond(4)) selective_call(a); }},
    {at(4560), "tfc_list PKR, coast_station_mf PKR/SEMARANG, tfc_list PNK", [](Air& a) { traffic_list(a, "PKR"); coast_mf(a, "PKR", "SEMARANG", false); traffic_list(a, "PNK"); }},
    {at(4580), "tfc_list SPE, SPE anm, 9YM marker, 9YM anm", spe_9ym},
    {at(4585), "selective_call", [](Air& a) { if (a.cond(4)) selective_call(a); }},
    {at(4600), "V times, ZAD marker, CLC marker, ZAD anm", zad_clc},
    {at(4610), "4WD text, small_coast_station LPO, small_coast_station ZHH, ZHH anm", fourwd},
    {at(4615), "XFB anm, control_stn YIS, control_stn YIT", xfb},
    {at(4620), "YQI marker, small_coast_station VAR, small_coast_station XSJ", yqi},
    {at(4630), "coast_station_mf_bug EQN/KHOMEYNI, coast_station_mf_bug WNU/SLIDELL", [](Air& a) { coast_mf(a, "EQN", "KHOMEYNI", true); coast_mf(a, "WNU", "SLIDELL", true); }},
    {at(4640), "VCO marker, TXZ marker, tfc_list ZDK, ZDK anm", vco_txz},
    {at(4650), "PKF marker, PNK marker, tfc_list PKF, PKF anm", pkf_pnk},
    {at(4660), "navarea_viii S3D, qte_coast S3D, tfc_anmt ASK, tfc_list ASK", [](Air& a) { if (a.sked(740) || a.sked(1940)) broadcast(a, "S3D", navarea_viii); if (a.cond(8)) qte_coast(a, "S3D"); announced_list(a, "ASK"); }},
    {at(4670), "rcvg_obs_msg TFX", [](Air& a) { obs_receiving(a, "TFX"); }},
    {at(4680), "CBT anm, coast_station_mf UBJ/BAKU", cbt},
    {at(4680), "vsl_clg_coast_mf, russian_vsl, obs_tfc_mf, obs_special_tfc_mf, marine_tuning, clg_cond 4YP, CBI cq", ships_468},
    {at(4700), "PKE anm, rcvg_obs_msg HLM, navarea_viii VWC, VWC anm", pke_vwc},
    {at(4710), "LPA2 marker", lpa2},
    {at(4720), "navarea_vii FJY4, FJY text, UGK2 anm, FJY4 anm", fjy_ugk2},
    {at(4730), "UDC/UBN text", udc},
    {at(4740), "wx_anm_hand VWV, navarea_viii VWV, tfc_list DZR, DZR anm", [](Air& a) { if (a.oh() && a.m(21)) broadcast(a, "VWV", wx_anm_hand); if (a.sked(800) || a.sked(2000)) broadcast(a, "VWV", navarea_viii); traffic_list(a, "DZR"); list_announcement(a, "DZR", 4740); }},
    {at(4750), "navarea_xiii UBW, navarea_xiii UFV, navarea_xiii UIS9, UIS9 marker", navarea_475},
    {at(4760), "HLK anm, small_coast_station HLK, navarea_xii KFS, KFS anm", hlk_kfs},
    {at(4770), "LSQ9 text, CCP marker, coast_station_mf JYO/AQABA", lsq9_ccp},
    {at(4775), "XVN anm", xvn},
    {at(4780), "VON anm, nav_wng_anm VON, VAE anm, VAE marker", von_vae},
    {at(4790), "port_radio YKI", [](Air& a) { if (a.cond(3)) port_radio(a, "YKI"); }},
    {at(4800), "9MK3 cq, 9MP3 cq, vsl_clg_coast_mf, russian_vsl, obs_tfc_mf, obs_special_tfc_mf, marine_tuning, port_wave", working_480},
    {at(4820), "4PB times, navarea_viii 4PB, coast_station_mf_bug 4PB/COLOMBO, 4PB anm", fourpb},
    {at(4830), "small_coast_station 5WA, coast_station_mf DZG/LASPINAS, coast_station_mf JOS/NAGASAKI", [](Air& a) { small_coast(a, "5WA"); coast_mf(a, "DZG", "LASPINAS", false); coast_mf(a, "JOS", "NAGASAKI", false); }},
    {at(4840), "tfc_list A7D, 4XO anm, HLN anm, A7D anm", fourxo_hln},
    {at(4845), "tfc_list VPO, small_coast_station VPO, small_coast_station 8PO", [](Air& a) { traffic_list(a, "VPO"); small_coast(a, "VPO"); small_coast(a, "8PO"); }},
    {at(4850), "tfc_list 9WW20, small_coast_station 9WW20, UGE2 marker, 9WW20 anm", uge2_9ww20},
    {at(4860), "rcvg_obs_msg LPG, small_coast_station XSK, small_coast_station XSE, XSE anm", [](Air& a) { obs_receiving(a, "LPG"); small_coast(a, "XSK"); small_coast(a, "XSE"); list_announcement(a, "XSE", 4860); }},
    {at(4870), "nav_wng_anm VWT, navarea_viii VWT, navarea_vii C9C20, VWT anm", [](Air& a) { nav_warnings(a, "VWT"); if (a.sked(640) || a.sked(1840)) broadcast(a, "VWT", navarea_viii); if (a.sked(900) || a.sked(2100)) broadcast(a, "C9C20", navarea_vii); list_announcement(a, "VWT", 4870); }},
    {at(4875), "small_coast_station PKD5, coast_station_mf_bug PKO/TARAKAN, coast_station_mf_bug ZLD/AUCKLAND", [](Air& a) { small_coast(a, "PKD5"); coast_mf(a, "PKO", "TARAKAN", true); coast_mf(a, "ZLD", "AUCKLAND", true); }},
    {at(4880), "tfc_list WAX, coast_station_mf PZN/PARAMARIBO, XFU anm, WAX anm", xfu_wax},
    {at(4890), "VCM times, tfc_list PPO, coast_station_mf_bug PPO/OLINDA, PPO anm", vcm_ppo},
    {at(4900), "ULX cq, rcvg_obs_msg UFO, coast_station_mf_bug GPK/PORTPATRICK, GPK anm", ulx_gpk},
    {at(4950), "wx_code CWA/CERRITO/300, CWA marker", cwa_495},
    {any_of({4995, 5000, 5005}), "sos1, sos2, sos3, NMO text, DAN text, FFP anm, CNW anm, L2B anm, 9AR anm, YUR anm, KPH anm, timetable_500khz, vpe_wx, V text, opchat, coast_clg_vsl, vsl_coast_tfc_500k, vsl_coast_tfc_500k, navigational_tfc, coast_clg_vsl, opchat, bandxonly, vsl2vsl_tfc, svvv500, qsp, vsl500cq, tuning, vsl_coast_tfc_500k, V anm", calling_and_distress},
    {at(5100), "FJY4 times", fjy4},
    {at(5105), "UDE times, coast_station_mf UTT/ODESSA, GCC marker, UTT anm", ude_gcc},
    {at(5110), "coast_station_mf_bug FFC/ARCACHON, SPH anm, coast_station_mf SPH/GDYNIA", sph},
    {at(5115), "EAF marker, tfc_list EAF, IPA marker, EAF anm", eaf_ipa},
    {at(5120), "vsl_clg_coast_mf, vsl2vsl_tfc, obs_tfc_mf, russian_vsl, port_wave, RUZU cond, XVG cond, coast_station_mf VWM/MADRAS, coast_station_mf VWC/CALCUTTA, UGE2 cond, coast_station_mf VWB/BOMBAY, XVT cond, CBS cond, LPC2 text, LPD text, LPM text, svvv500, UBA cond, UMA4 cond, UDY cond", working_512},
    {at(5125), "IQX marker, tfc_list OXJ, coast_station_mf OXJ/TORSHAVN, OXJ anm", iqx_oxj},
    {at(5135), "coast_station_mf EAO/PALMAS", [](Air& a) { coast_mf(a, "EAO", "PALMAS", false); }},
    {at(5140), "coast_station_mf SPN/WITOWO, coast_station_mf SVL/LIMNOS", [](Air& a) { coast_mf(a, "SPN", "WITOWO", false); coast_mf(a, "SVL", "LIMNOS", false); }},
    {at(5145), "IPB marker", ipb},
    {at(5150), "navarea_vii C9C2, coast_station_mf VWM/MADRAS, coast_station_mf_bug ZLB/AWARUA, VWM anm", [](Air& a) { if (a.sked(1010) || a.sked(2210)) broadcast(a, "C9C2", navarea_vii); coast_mf(a, "VWM", "MADRAS", false); coast_mf(a, "ZLB", "AWARUA", true); list_announcement(a, "VWM", 5150); }},
    {at(5155), "GCC marker, coast_station_mf SVL/LIMNOS", gcc},
    {at(5160), "tfc_list 9VG, coast_station_mf 9VG/SINGAPORE, small_coast_station UZB, 9VG marker", [](Air& a) { traffic_list(a, "9VG"); coast_mf(a, "9VG", "SINGAPORE", false); small_coast(a, "UZB"); idle_marker(a, "9VG"); }},
    {at(5165), "coast_station_mf_bug FFD/STDENIS", [](Air& a) { coast_mf(a, "FFD", "STDENIS", true); }},
    {at(5170), "wx_anm GKR, GKR marker, coast_station_mf_bug TFA/REYKJAVIK, TFA anm", gkr_tfa},
    {at(5180), "5TA text, VRP text", fiveta_vrp},
    {at(5185), "coast_station_mf TAL/ANTALYA, coast_station_mf_bug JCS/CHIOSHI", [](Air& a) { coast_mf(a, "TAL", "ANTALYA", false); coast_mf(a, "JCS", "CHIOSHI", true); }},
    {at(5190), "send_stack, nav_wng_anm TJC, navarea_vii C9C8, C9C8 anm", tjc},
    {at(5195), "coast_station_mf UGC/BALTIYSK", [](Air& a) { coast_mf(a, "UGC", "BALTIYSK", false); }},
    {at(5200), "small_coast_station 9GA, nav_wng_anm 5OZ, small_coast_station 5OZ, 5OZ anm", [](Air& a) { small_coast(a, "9GA"); nav_warnings(a, "5OZ"); small_coast(a, "5OZ"); list_announcement(a, "5OZ", 5200); }},
    {at(5205), "coast_station_mf DHS/RUEGEN", [](Air& a) { coast_mf(a, "DHS", "RUEGEN", false); }},
    {at(5210), "wx_anm VWB, coast_station_mf VWB/BOMBAY, navarea_xiv 3DP, VWB marker", [](Air& a) { if (a.eh() && a.m(31)) broadcast(a, "VWB", wx_anm); coast_mf(a, "VWB", "BOMBAY", false); if (a.sked(720) || a.sked(1920)) broadcast(a, "3DP", navarea_xiv); idle_marker(a, "VWB"); }},
    {at(5215), "meteo_anm CWA, coast_station_mf_bug CWA/CERITO, IAR marker, IAR anm", iar},
    {at(5220), "navarea_vii D3E, coast_station_mf UFO/HOLMSK, rcvg_obs_msg LGV, UFO anm", [](Air& a) { if (a.sked(1040) || a.sked(2240)) broadcast(a, "D3E", navarea_vii); coast_mf(a, "UFO", "HOLMSK", false); obs_receiving(a, "LGV"); list_announcement(a, "UFO", 5220); }},
    {at(5225), "tfc_list XSG, coast_station_mf XSG/SHANGHAI, SAE marker, XSG anm", sae_xsg},
    {at(5230), "nav_wng_anm XSY, coast_station_mf XSY/HUALIEN, tfc_list LYK, LYK anm", [](Air& a) { nav_warnings(a, "XSY"); coast_mf(a, "XSY", "HUALIEN", false); traffic_list(a, "LYK"); list_announcement(a, "LYK", 5230); }},
    {at(5235), "coast_station_mf_bug LGV/VARDOE", [](Air& a) { coast_mf(a, "LGV", "VARDOE", true); }},
    {at(5240), "nav_wng_anm TNA, TNA anm, LOM text, LOM marker", tna_lom},
    {at(5250), "coast_station_mf SVK/KERKYRA, coast_station_mf 9AR/RIJEKA", [](Air& a) { coast_mf(a, "SVK", "KERKYRA", false); coast_mf(a, "9AR", "RIJEKA", false); }},
    {at(5255), "coast_station_mf USO6/IZMAIL, coast_station_mf_bug FFD/STDENIS", [](Air& a) { coast_mf(a, "USO6", "IZMAIL", false); coast_mf(a, "FFD", "STDENIS", true); }},
    {at(5260), "coast_station_mf HSA/BANGKOK, tfc_list VPS, coast_station_mf VPS/HONGKONG, VPS marker", [](Air& a) { coast_mf(a, "HSA", "BANGKOK", false); traffic_list(a, "VPS"); coast_mf(a, "VPS", "HONGKONG", false); idle_marker(a, "VPS"); }},
    {at(5270), "small_coast_station LPZ", [](Air& a) { small_coast(a, "LPZ"); }},
};
// clang-format on

} // namespace

std::span<const Rule> marine_block() {
    return kRules;
}

} // namespace zenka
