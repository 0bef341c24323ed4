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

// 474.0 kHz, VWV's weather announcement; VWV's NAVAREA VIII warnings; DZR's traffic list; DZR's
// announcement.
void vwv_dzr(Air& a) {
    if (a.oh() && a.m(21)) broadcast(a, "VWV", wx_anm_hand);
    if (a.sked(800) || a.sked(2000)) broadcast(a, "VWV", navarea_viii);
    traffic_list(a, "DZR");
    list_announcement(a, "DZR", 4740);
}

// 483.0 kHz, the small coast station 5WA; DZG (Laspinas) works ships; JOS (Nagasaki) works ships.
void stn_5wa_dzg(Air& a) {
    small_coast(a, "5WA");
    coast_mf(a, "DZG", "LASPINAS", false);
    coast_mf(a, "JOS", "NAGASAKI", false);
}

// 484.5 kHz, VPO's traffic list; the small coast station VPO; the small coast station 8PO.
void vpo_8po(Air& a) {
    traffic_list(a, "VPO");
    small_coast(a, "VPO");
    small_coast(a, "8PO");
}

// 486.0 kHz, LPG takes ships' weather observations; the small coast station XSK; the small coast
// station XSE; XSE's announcement.
void lpg_xsk(Air& a) {
    obs_receiving(a, "LPG");
    small_coast(a, "XSK");
    small_coast(a, "XSE");
    list_announcement(a, "XSE", 4860);
}

// 487.0 kHz, VWT announces navigational warnings; VWT's NAVAREA VIII warnings; C9C20's NAVAREA VII
// warnings; VWT's announcement.
void vwt_c9c20(Air& a) {
    nav_warnings(a, "VWT");
    if (a.sked(640) || a.sked(1840)) broadcast(a, "VWT", navarea_viii);
    if (a.sked(900) || a.sked(2100)) broadcast(a, "C9C20", navarea_vii);
    list_announcement(a, "VWT", 4870);
}

// 487.5 kHz, the small coast station PKD5; PKO (Tarakan) works ships on a bug key; ZLD (Auckland)
// works ships on a bug key.
void pkd5_pko(Air& a) {
    small_coast(a, "PKD5");
    coast_mf(a, "PKO", "TARAKAN", true);
    coast_mf(a, "ZLD", "AUCKLAND", true);
}

// 514.0 kHz, SPN (Witowo) works ships; SVL (Limnos) works ships.
void spn_svl(Air& a) {
    coast_mf(a, "SPN", "WITOWO", false);
    coast_mf(a, "SVL", "LIMNOS", false);
}

// 515.0 kHz, C9C2's NAVAREA VII warnings; VWM (Madras) works ships; ZLB (Awarua) works ships on a
// bug key; VWM's announcement.
void c9c2_vwm(Air& a) {
    if (a.sked(1010) || a.sked(2210)) broadcast(a, "C9C2", navarea_vii);
    coast_mf(a, "VWM", "MADRAS", false);
    coast_mf(a, "ZLB", "AWARUA", true);
    list_announcement(a, "VWM", 5150);
}

// 516.0 kHz, 9VG's traffic list; 9VG (Singapore) works ships; the small coast station UZB; 9VG's
// marker.
void stn_9vg_uzb(Air& a) {
    traffic_list(a, "9VG");
    coast_mf(a, "9VG", "SINGAPORE", false);
    small_coast(a, "UZB");
    idle_marker(a, "9VG");
}

// 518.5 kHz, TAL (Antalya) works ships; JCS (Chioshi) works ships on a bug key.
void tal_jcs(Air& a) {
    coast_mf(a, "TAL", "ANTALYA", false);
    coast_mf(a, "JCS", "CHIOSHI", true);
}

// 520.0 kHz, the small coast station 9GA; 5OZ announces navigational warnings; the small coast
// station 5OZ; 5OZ's announcement.
void stn_9ga_5oz(Air& a) {
    small_coast(a, "9GA");
    nav_warnings(a, "5OZ");
    small_coast(a, "5OZ");
    list_announcement(a, "5OZ", 5200);
}

// 521.0 kHz, VWB's weather announcement; VWB (Bombay) works ships; 3DP's NAVAREA XIV warnings;
// VWB's marker.
void vwb_3dp(Air& a) {
    if (a.eh() && a.m(31)) broadcast(a, "VWB", wx_anm);
    coast_mf(a, "VWB", "BOMBAY", false);
    if (a.sked(720) || a.sked(1920)) broadcast(a, "3DP", navarea_xiv);
    idle_marker(a, "VWB");
}

// 522.0 kHz, D3E's NAVAREA VII warnings; UFO (Holmsk) works ships; LGV takes ships' weather
// observations; UFO's announcement.
void d3e_ufo(Air& a) {
    if (a.sked(1040) || a.sked(2240)) broadcast(a, "D3E", navarea_vii);
    coast_mf(a, "UFO", "HOLMSK", false);
    obs_receiving(a, "LGV");
    list_announcement(a, "UFO", 5220);
}

// 523.0 kHz, XSY announces navigational warnings; XSY (Hualien) works ships; LYK's traffic list;
// LYK's announcement.
void xsy_lyk(Air& a) {
    nav_warnings(a, "XSY");
    coast_mf(a, "XSY", "HUALIEN", false);
    traffic_list(a, "LYK");
    list_announcement(a, "LYK", 5230);
}

// 525.0 kHz, SVK (Kerkyra) works ships; 9AR (Rijeka) works ships.
void svk_9ar(Air& a) {
    coast_mf(a, "SVK", "KERKYRA", false);
    coast_mf(a, "9AR", "RIJEKA", false);
}

// 525.5 kHz, USO6 (Izmail) works ships; FFD (Stdenis) works ships on a bug key.
void uso6_ffd(Air& a) {
    coast_mf(a, "USO6", "IZMAIL", false);
    coast_mf(a, "FFD", "STDENIS", true);
}

// 526.0 kHz, HSA (Bangkok) works ships; VPS's traffic list; VPS (Hongkong) works ships; VPS's
// marker.
void hsa_vps(Air& a) {
    coast_mf(a, "HSA", "BANGKOK", false);
    traffic_list(a, "VPS");
    coast_mf(a, "VPS", "HONGKONG", false);
    idle_marker(a, "VPS");
}

// clang-format off
const Rule kRules[] = {
    {at(4700), "PKE anm, rcvg_obs_msg HLM, navarea_viii VWC, VWC anm", pke_vwc},
    {at(4710), "LPA2 marker", lpa2},
    {at(4720), "navarea_vii FJY4, FJY text, UGK2 anm, FJY4 anm", fjy_ugk2},
    {at(4730), "UDC/UBN text", udc},
    {at(4740), "wx_anm_hand VWV, navarea_viii VWV, tfc_list DZR, DZR anm", vwv_dzr},
    {at(4750), "navarea_xiii UBW, navarea_xiii UFV, navarea_xiii UIS9, UIS9 marker", navarea_475},
    {at(4760), "HLK anm, small_coast_station HLK, navarea_xii KFS, KFS anm", hlk_kfs},
    {at(4770), "LSQ9 text, CCP marker, coast_station_mf JYO/AQABA", lsq9_ccp},
    {at(4775), "XVN anm", xvn},
    {at(4780), "VON anm, nav_wng_anm VON, VAE anm, VAE marker", von_vae},
    {at(4790), "port_radio YKI", [](Air& a) { if (a.cond(3)) port_radio(a, "YKI"); }},
    {at(4800), "9MK3 cq, 9MP3 cq, vsl_clg_coast_mf, russian_vsl, obs_tfc_mf, obs_special_tfc_mf, marine_tuning, port_wave", working_480},
    {at(4820), "4PB times, navarea_viii 4PB, coast_station_mf_bug 4PB/COLOMBO, 4PB anm", fourpb},
    {at(4830), "small_coast_station 5WA, coast_station_mf DZG/LASPINAS, coast_station_mf JOS/NAGASAKI", stn_5wa_dzg},
    {at(4840), "tfc_list A7D, 4XO anm, HLN anm, A7D anm", fourxo_hln},
    {at(4845), "tfc_list VPO, small_coast_station VPO, small_coast_station 8PO", vpo_8po},
    {at(4850), "tfc_list 9WW20, small_coast_station 9WW20, UGE2 marker, 9WW20 anm", uge2_9ww20},
    {at(4860), "rcvg_obs_msg LPG, small_coast_station XSK, small_coast_station XSE, XSE anm", lpg_xsk},
    {at(4870), "nav_wng_anm VWT, navarea_viii VWT, navarea_vii C9C20, VWT anm", vwt_c9c20},
    {at(4875), "small_coast_station PKD5, coast_station_mf_bug PKO/TARAKAN, coast_station_mf_bug ZLD/AUCKLAND", pkd5_pko},
    {at(4880), "tfc_list WAX, coast_station_mf PZN/PARAMARIBO, XFU anm, WAX anm", xfu_wax},
    {at(4890), "VCM times, tfc_list PPO, coast_station_mf_bug PPO/OLINDA, PPO anm", vcm_ppo},
    {at(4900), "ULX cq, rcvg_obs_msg UFO, coast_station_mf_bug GPK/PORTPATRICK, GPK anm", ulx_gpk},
    {at(4950), "wx_code CWA/CERRITO/300, CWA marker", cwa_495},
    {heard_across({4995, 5000, 5005}),
     "sos1, sos2, sos3, NMO text, DAN text, FFP anm, CNW anm, L2B anm, 9AR anm, YUR anm, "
     "KPH anm, timetable_500khz, vpe_wx, V text, opchat, coast_clg_vsl, vsl_coast_tfc_500k, "
     "vsl_coast_tfc_500k, navigational_tfc, coast_clg_vsl, opchat, bandxonly, vsl2vsl_tfc, "
     "svvv500, qsp, vsl500cq, tuning, vsl_coast_tfc_500k, V anm",
     calling_and_distress},
    {at(5100), "FJY4 times", fjy4},
    {at(5105), "UDE times, coast_station_mf UTT/ODESSA, GCC marker, UTT anm", ude_gcc},
    {at(5110), "coast_station_mf_bug FFC/ARCACHON, SPH anm, coast_station_mf SPH/GDYNIA", sph},
    {at(5115), "EAF marker, tfc_list EAF, IPA marker, EAF anm", eaf_ipa},
    {at(5120),
     "vsl_clg_coast_mf, vsl2vsl_tfc, obs_tfc_mf, russian_vsl, port_wave, RUZU cond, XVG cond, "
     "coast_station_mf VWM/MADRAS, coast_station_mf VWC/CALCUTTA, UGE2 cond, "
     "coast_station_mf VWB/BOMBAY, XVT cond, CBS cond, LPC2 text, LPD text, LPM text, "
     "svvv500, UBA cond, UMA4 cond, UDY cond",
     working_512},
    {at(5125), "IQX marker, tfc_list OXJ, coast_station_mf OXJ/TORSHAVN, OXJ anm", iqx_oxj},
    {at(5135), "coast_station_mf EAO/PALMAS", [](Air& a) { coast_mf(a, "EAO", "PALMAS", false); }},
    {at(5140), "coast_station_mf SPN/WITOWO, coast_station_mf SVL/LIMNOS", spn_svl},
    {at(5145), "IPB marker", ipb},
    {at(5150), "navarea_vii C9C2, coast_station_mf VWM/MADRAS, coast_station_mf_bug ZLB/AWARUA, VWM anm", c9c2_vwm},
    {at(5155), "GCC marker, coast_station_mf SVL/LIMNOS", gcc},
    {at(5160), "tfc_list 9VG, coast_station_mf 9VG/SINGAPORE, small_coast_station UZB, 9VG marker", stn_9vg_uzb},
    {at(5165), "coast_station_mf_bug FFD/STDENIS", [](Air& a) { coast_mf(a, "FFD", "STDENIS", true); }},
    {at(5170), "wx_anm GKR, GKR marker, coast_station_mf_bug TFA/REYKJAVIK, TFA anm", gkr_tfa},
    {at(5180), "5TA text, VRP text", fiveta_vrp},
    {at(5185), "coast_station_mf TAL/ANTALYA, coast_station_mf_bug JCS/CHIOSHI", tal_jcs},
    {at(5190), "send_stack, nav_wng_anm TJC, navarea_vii C9C8, C9C8 anm", tjc},
    {at(5195), "coast_station_mf UGC/BALTIYSK", [](Air& a) { coast_mf(a, "UGC", "BALTIYSK", false); }},
    {at(5200), "small_coast_station 9GA, nav_wng_anm 5OZ, small_coast_station 5OZ, 5OZ anm", stn_9ga_5oz},
    {at(5205), "coast_station_mf DHS/RUEGEN", [](Air& a) { coast_mf(a, "DHS", "RUEGEN", false); }},
    {at(5210), "wx_anm VWB, coast_station_mf VWB/BOMBAY, navarea_xiv 3DP, VWB marker", vwb_3dp},
    {at(5215), "meteo_anm CWA, coast_station_mf_bug CWA/CERITO, IAR marker, IAR anm", iar},
    {at(5220), "navarea_vii D3E, coast_station_mf UFO/HOLMSK, rcvg_obs_msg LGV, UFO anm", d3e_ufo},
    {at(5225), "tfc_list XSG, coast_station_mf XSG/SHANGHAI, SAE marker, XSG anm", sae_xsg},
    {at(5230), "nav_wng_anm XSY, coast_station_mf XSY/HUALIEN, tfc_list LYK, LYK anm", xsy_lyk},
    {at(5235), "coast_station_mf_bug LGV/VARDOE", [](Air& a) { coast_mf(a, "LGV", "VARDOE", true); }},
    {at(5240), "nav_wng_anm TNA, TNA anm, LOM text, LOM marker", tna_lom},
    {at(5250), "coast_station_mf SVK/KERKYRA, coast_station_mf 9AR/RIJEKA", svk_9ar},
    {at(5255), "coast_station_mf USO6/IZMAIL, coast_station_mf_bug FFD/STDENIS", uso6_ffd},
    {at(5260), "coast_station_mf HSA/BANGKOK, tfc_list VPS, coast_station_mf VPS/HONGKONG, VPS marker", hsa_vps},
    {at(5270), "small_coast_station LPZ", [](Air& a) { small_coast(a, "LPZ"); }},
};
// clang-format on

} // namespace

// 470.0 - 534.9 kHz: coast stations, the 500 kHz calling and distress frequency, 512 kHz.
std::span<const Rule> marine_470_rules() {
    return kRules;
}

} // namespace zenka
