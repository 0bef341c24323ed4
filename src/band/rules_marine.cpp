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
    const std::string ship = a.ship_call + " ";
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

// 416.5 kHz, FJP (Noumea) works ships on a bug key; JIT (Oita) works ships on a bug key.
void fjp_jit(Air& a) {
    coast_mf(a, "FJP", "NOUMEA", true);
    coast_mf(a, "JIT", "OITA", true);
}

// 421.0 kHz, PCH announces its traffic list; PCH (Scheveningen) works ships; PCH's marker.
void pch(Air& a) {
    announced_list(a, "PCH");
    coast_mf(a, "PCH", "SCHEVENINGEN", false);
    idle_marker(a, "PCH");
}

// 422.0 kHz, 8RB's NAVAREA IV warnings; the small coast station 8RB; the small coast station 9KK;
// 9KK's announcement.
void stn_8rb_9kk(Air& a) {
    if (a.sked(1100) || a.sked(2300)) broadcast(a, "8RB", navarea_iv);
    small_coast(a, "8RB");
    small_coast(a, "9KK");
    list_announcement(a, "9KK", 4220);
}

// 426.0 kHz, C6N's NAVAREA IV warnings; C6N takes ships' weather observations; KPH's traffic list;
// KPH's announcement.
void c6n_kph(Air& a) {
    if (a.sked(320) || a.sked(1520)) broadcast(a, "C6N", navarea_iv);
    obs_receiving(a, "C6N");
    traffic_list(a, "KPH");
    list_announcement(a, "KPH", 4260);
}

// 428.0 kHz, WMH's traffic list; WMH (Baltimore) works ships; A3A's NAVAREA XIV warnings; A3A's
// announcement.
void wmh_a3a(Air& a) {
    traffic_list(a, "WMH");
    coast_mf(a, "WMH", "BALTIMORE", false);
    if (a.sked(840) || a.sked(2040)) broadcast(a, "A3A", navarea_xiv);
    list_announcement(a, "A3A", 4280);
}

// 432.0 kHz, ICT announces navigational warnings; FJA's NAVAREA XIV warnings; FJA (Mahina) works
// ships; FJA's marker.
void ict_fja(Air& a) {
    nav_warnings(a, "ICT");
    if (a.sked(610) || a.sked(1810)) broadcast(a, "FJA", navarea_xiv);
    coast_mf(a, "FJA", "MAHINA", false);
    idle_marker(a, "FJA");
}

// 433.0 kHz, OHM (Mariehamm) works ships on a bug key; SUP (Portsaid) works ships on a bug key.
void ohm_sup(Air& a) {
    coast_mf(a, "OHM", "MARIEHAMM", true);
    coast_mf(a, "SUP", "PORTSAID", true);
}

// 435.5 kHz, bearings from 7TB; 7TB (Annaba) works ships on a bug key; SAA (Karlskrona) works ships
// on a bug key; SAA's marker.
void stn_7tb_saa(Air& a) {
    if (a.cond(8)) qte_coast(a, "7TB");
    coast_mf(a, "7TB", "ANNABA", true);
    coast_mf(a, "SAA", "KARLSKRONA", true);
    idle_marker(a, "SAA");
}

// 436.0 kHz, the small coast station LJB; the coast guard station JNW; LZL (Burgas) works ships;
// LZL's announcement.
void ljb_jnw(Air& a) {
    small_coast(a, "LJB");
    on_air(a, "JNW");
    jap_coast_guard(a, "JNW");
    coast_mf(a, "LZL", "BURGAS", false);
    list_announcement(a, "LZL", 4360);
}

// 437.0 kHz, the small coast station L2Y; the small coast station L2R; the small coast station LSR;
// LSR's marker.
void l2y_l2r(Air& a) {
    small_coast(a, "L2Y");
    small_coast(a, "L2R");
    small_coast(a, "LSR");
    idle_marker(a, "LSR");
}

// 437.5 kHz, LGA (Alesund) works ships on a bug key; CUG (Saomiguel) works ships on a bug key; SVA
// (Athinai) works ships.
void lga_cug(Air& a) {
    coast_mf(a, "LGA", "ALESUND", true);
    coast_mf(a, "CUG", "SAOMIGUEL", true);
    coast_mf(a, "SVA", "ATHINAI", false);
}

// 438.5 kHz, SUZ (Serapeum) works ships on a bug key; UIW (Kaliningrad) works ships.
void suz_uiw(Air& a) {
    coast_mf(a, "SUZ", "SERAPEUM", true);
    coast_mf(a, "UIW", "KALININGRAD", false);
}

// 439.5 kHz, 9AR's traffic list; YUR's traffic list; LZW (Varna) works ships.
void stn_9ar_yur(Air& a) {
    traffic_list(a, "9AR");
    traffic_list(a, "YUR");
    coast_mf(a, "LZW", "VARNA", false);
}

// 440.0 kHz, UBA2's NAVAREA XIII warnings; VWK's NAVAREA VIII warnings; VWK (Kandla) works ships;
// VWK's announcement.
void uba2_vwk(Air& a) {
    if (a.sked(300) || a.sked(1500)) broadcast(a, "UBA2", navarea_xiii);
    if (a.sked(540) || a.sked(1740)) broadcast(a, "VWK", navarea_viii);
    coast_mf(a, "VWK", "KANDLA", false);
    list_announcement(a, "VWK", 4400);
}

// 442.0 kHz, WKM announces its traffic list; WKM's weather announcement; WKM's marker.
void wkm(Air& a) {
    announced_list(a, "WKM");
    if (a.m(52)) broadcast(a, "WKM", wx_anm);
    idle_marker(a, "WKM");
}

// 442.5 kHz, A4M (Muscat) works ships; FFB (Boulogne) works ships on a bug key.
void a4m_ffb(Air& a) {
    coast_mf(a, "A4M", "MUSCAT", false);
    coast_mf(a, "FFB", "BOULOGNE", true);
}

// 444.5 kHz, PCH announces its traffic list; LPD (Generalpacheco) works ships.
void pch_lpd(Air& a) {
    announced_list(a, "PCH");
    coast_mf(a, "LPD", "GENERALPACHECO", false);
}

// 452.0 kHz, the small coast station PKI2; the small coast station PKN7; the small coast station
// PKR6; PKI2's marker.
void pki2_pkn7(Air& a) {
    small_coast(a, "PKI2");
    small_coast(a, "PKN7");
    small_coast(a, "PKR6");
    idle_marker(a, "PKI2");
}

// 455.0 kHz, ETV announces its traffic list; UNM2 announces its traffic list; ETV's marker.
void etv_unm2(Air& a) {
    list_notice(a, "ETV", 4840);
    announced_list(a, "UNM2");
    idle_marker(a, "ETV");
}

// 456.0 kHz, PKR's traffic list; PKR (Semarang) works ships; PNK's traffic list.
void pkr_pnk(Air& a) {
    traffic_list(a, "PKR");
    coast_mf(a, "PKR", "SEMARANG", false);
    traffic_list(a, "PNK");
}

// 463.0 kHz, EQN (Khomeyni) works ships on a bug key; WNU (Slidell) works ships on a bug key.
void eqn_wnu(Air& a) {
    coast_mf(a, "EQN", "KHOMEYNI", true);
    coast_mf(a, "WNU", "SLIDELL", true);
}

// 466.0 kHz, S3D's NAVAREA VIII warnings; bearings from S3D; ASK announces its traffic list.
void s3d_ask(Air& a) {
    if (a.sked(740) || a.sked(1940)) broadcast(a, "S3D", navarea_viii);
    if (a.cond(8)) qte_coast(a, "S3D");
    announced_list(a, "ASK");
}

// clang-format off
const Rule kRules[] = {
    {at(4100), "S2LW text, marine_qte", s2lw},
    {at(4110), "VRP anm, LOH times", vrp_loh},
    {at(4120), "small_coast_station 3VX", [](Air& a) { small_coast(a, "3VX"); }},
    {at(4140), "EBB anm", ebb},
    {at(4155), "VWA2 text, send_stack", vwa2},
    {at(4160), "meteo_anm 7TA, coast_station_mf_bug 7TA/ALGER, CNW anm, CNW marker", cnw},
    {at(4165), "coast_station_mf_bug FJP/NOUMEA, coast_station_mf_bug JIT/OITA", fjp_jit},
    {at(4170), "coast_station_mf_bug YVG/GUAIRA, VIG anm, VIJ anm, YVG anm", vig_vij},
    {at(4175), "XVT anm, UCZ anm, navarea_viii VWG, VWG anm", xvt_ucz},
    {at(4180),
     "italian_naval_code ICO/DRN, italian_naval_code IDM/ROP, italian_naval_code ICV/UST, "
     "italian_naval_code IBZ/MEL, italian_naval_code ICT/BRI, italian_naval_code ICH/MAD, "
     "italian_naval_code ICA/VEN",
     italian_coast_418},
    {at(4185), "coast_station_mf JCS/CHIOSHI", [](Air& a) { coast_mf(a, "JCS", "CHIOSHI", false); }},
    {at(4190), "great_lakes_old WDI, great_lakes_old WAM, great_lakes_old WHT, great_lakes_old WCY", great_lakes_419},
    {at(4195), "FFQ marker, coast_station_mf 9VG/SINGAPORE", ffq},
    {at(4200), "wx_anm VFN, wx_anm VAP, VAJ anm, VAJ marker", vaj},
    {at(4205), "coast_station_mf_bug JCK/KOBE, small_coast_station VWZ, VIT anm, VIT marker", vit},
    {at(4210), "tfc_anmt PCH, tfc_list PCH, coast_station_mf PCH/SCHEVENINGEN, PCH marker", pch},
    {at(4215), "CWA times, tfc_list CWA, coast_station_mf CWA/CERITO", cwa_call},
    {at(4220), "navarea_iv 8RB, small_coast_station 8RB, small_coast_station 9KK, 9KK anm", stn_8rb_9kk},
    {at(4225), "coast_station_mf_bug JCG/SHIMONOSEKI", [](Air& a) { coast_mf(a, "JCG", "SHIMONOSEKI", true); }},
    {at(4250), "vsl_clg_coast_mf, obs_tfc_mf, obs_special_tfc_mf, clg_cond S3K, clg_cond 4YP, port_wave, russian_vsl, marine_tuning", ships_425},
    {at(4260), "navarea_iv C6N, rcvg_obs_msg C6N, tfc_list KPH, KPH anm", c6n_kph},
    {at(4270), "coast_station_mf NJN/ARGENTIA", [](Air& a) { coast_mf(a, "NJN", "ARGENTIA", false); }},
    {at(4280), "tfc_list WMH, coast_station_mf WMH/BALTIMORE, navarea_xiv A3A, A3A anm", wmh_a3a},
    {at(4285), "LPY text, LPY6 text, UCI cq, LPY marker", lpy_uci},
    {at(4290), "navarea_iv XFC, EAL marker, IGJ marker, XFC anm", eal_igj},
    {at(4300), "PKK anm, tfc_list PKK, tfc_list PKD, PKD anm", pkk_pkd},
    {at(4310), "coast_station_mf_bug GKR/WICK", [](Air& a) { coast_mf(a, "GKR", "WICK", true); }},
    {at(4315), "LPW text, rcvg_obs_msg LPW", lpw},
    {at(4320), "nav_wng_anm ICT, navarea_xiv FJA, coast_station_mf FJA/MAHINA, FJA marker", ict_fja},
    {at(4330), "coast_station_mf_bug OHM/MARIEHAMM, coast_station_mf_bug SUP/PORTSAID", ohm_sup},
    {at(4335), "small_coast_station LPZ, coast_station_mf_bug FFU/BREST", [](Air& a) { small_coast(a, "LPZ"); coast_mf(a, "FFU", "BREST", true); }},
    {at(4340), "HLP anm, coast_station_mf_bug HLP/PUSAN, navarea_iv WLO, WLO anm", hlp_wlo},
    {at(4350), "FFP marker, navarea_iv FFP, coast_station_mf_bug FFP/LEHAVRE, FFP anm", ffp},
    {at(4355), "qte_coast 7TB, coast_station_mf_bug 7TB/ANNABA, coast_station_mf_bug SAA/KARLSKRONA, SAA marker", stn_7tb_saa},
    {at(4360), "small_coast_station LJB, jap_coast_guard JNW, coast_station_mf LZL/BURGAS, LZL anm", ljb_jnw},
    {at(4365), "FFC cond", ffc},
    {at(4370), "small_coast_station L2Y, small_coast_station L2R, small_coast_station LSR, LSR marker", l2y_l2r},
    {at(4375), "coast_station_mf_bug LGA/ALESUND, coast_station_mf_bug CUG/SAOMIGUEL, coast_station_mf SVA/ATHINAI", lga_cug},
    {at(4380), "wx_anm VWL, PKA anm, navarea_viii VWL, VWL anm", pka_vwl},
    {at(4385), "coast_station_mf_bug SUZ/SERAPEUM, coast_station_mf UIW/KALININGRAD", suz_uiw},
    {at(4390), "A7D anm, coast_station_mf A7D/DOHA, coast_station_mf_bug OST/OSTENDE", a7d},
    {at(4395), "tfc_list 9AR, tfc_list YUR, coast_station_mf LZW/VARNA", stn_9ar_yur},
    {at(4400), "navarea_xiii UBA2, navarea_viii VWK, coast_station_mf VWK/KANDLA, VWK anm", uba2_vwk},
    {at(4410), "VPE anm, VQL anm, VPF anm, VPE marker", vpe_vql_vpf},
    {at(4420), "tfc_anmt WKM, tfc_list WKM, wx_anm WKM, WKM marker", wkm},
    {at(4425), "coast_station_mf A4M/MUSCAT, coast_station_mf_bug FFB/BOULOGNE", a4m_ffb},
    {at(4430), "TXU text", txu},
    {at(4435), "coast_station_mf_bug LGV/VARDOE", [](Air& a) { coast_mf(a, "LGV", "VARDOE", true); }},
    {at(4440), "VOK anm, XFN times, IDC anm, IDC marker", vok_xfn_idc},
    {at(4445), "tfc_anmt PCH, tfc_list PCH, coast_station_mf LPD/GENERALPACHECO", pch_lpd},
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
    {at(4520), "small_coast_station PKI2, small_coast_station PKN7, small_coast_station PKR6, PKI2 marker", pki2_pkn7},
    {at(4525), "tfc_list UHY/UHS, tfc_list UDK2", [](Air& a) { traffic_list(a, "UHY"); traffic_list(a, "UDK2"); }},
    {at(4540), "UOY text, YSA cq, vsl_clg_coast_mf, port_wave, russian_vsl, marine_tuning, obs_tfc_mf, obs_special_tfc_mf", working_454},
    {at(4550), "tfc_anmt ETV, tfc_anmt UNM2, tfc_list UNM2, ETV marker", etv_unm2},
    {at(4555), "selective_call", [](Air& a) { if (a.cond(4)) selective_call(a); }},
    {at(4560), "tfc_list PKR, coast_station_mf PKR/SEMARANG, tfc_list PNK", pkr_pnk},
    {at(4580), "tfc_list SPE, SPE anm, 9YM marker, 9YM anm", spe_9ym},
    {at(4585), "selective_call", [](Air& a) { if (a.cond(4)) selective_call(a); }},
    {at(4600), "V times, ZAD marker, CLC marker, ZAD anm", zad_clc},
    {at(4610), "4WD text, small_coast_station LPO, small_coast_station ZHH, ZHH anm", fourwd},
    {at(4615), "XFB anm, control_stn YIS, control_stn YIT", xfb},
    {at(4620), "YQI marker, small_coast_station VAR, small_coast_station XSJ", yqi},
    {at(4630), "coast_station_mf_bug EQN/KHOMEYNI, coast_station_mf_bug WNU/SLIDELL", eqn_wnu},
    {at(4640), "VCO marker, TXZ marker, tfc_list ZDK, ZDK anm", vco_txz},
    {at(4650), "PKF marker, PNK marker, tfc_list PKF, PKF anm", pkf_pnk},
    {at(4660), "navarea_viii S3D, qte_coast S3D, tfc_anmt ASK, tfc_list ASK", s3d_ask},
    {at(4670), "rcvg_obs_msg TFX", [](Air& a) { obs_receiving(a, "TFX"); }},
    {at(4680), "CBT anm, coast_station_mf UBJ/BAKU", cbt},
    {at(4680), "vsl_clg_coast_mf, russian_vsl, obs_tfc_mf, obs_special_tfc_mf, marine_tuning, clg_cond 4YP, CBI cq", ships_468},
};
// clang-format on

} // namespace

// 405.1 - 469.9 kHz: the MF coast stations and the ships' working frequencies.
std::span<const Rule> marine_rules() {
    return kRules;
}

} // namespace zenka
