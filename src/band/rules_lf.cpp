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

// The last five minutes of the hour, the usual place of the time signals.
bool time_minutes(const Air& a) {
    return a.t.minute >= 55;
}

// 40.0 kHz, BUC: the marker by day, except in the time-signal minutes.
void buc(Air& a) {
    if (a.ct(600, 2200) && !time_minutes(a))
        marker(a, "BUC", "VVV VVV VVV DE BUC BUC BUC            ");
}

// 41.1 kHz, FL: the announcement of the time signals at 10:40 and 22:40.
void fl_time(Air& a) {
    if (a.sked(1040) || a.sked(2240)) spark(a, "FL", "CQ CQ CQ DE FL FL FL  SIGNAUX HORAIRES  +");
}

// 41.1 kHz, FL: the weather bulletin call, 12:00 - 12:29.
void fl_meteo(Air& a) {
    if (a.ct(1200, 1230)) spark(a, "FL", "CQ CQ CQ DE FL FL FL METEO  =");
}

// 42.0 kHz, SAS2 asks for traffic now and then by day.
void sas2(Air& a) {
    if (a.ct(700, 1700) && a.cond(4)) call_cond(a, "SAS2", "CQ CQ CQ DE SAS2 SAS2 SAS2 ", "QTC? K");
}

// 43.0 kHz, RAM: the marker 03:00 - 20:59 outside the time-signal minutes.
void ram(Air& a) {
    if (a.ct(300, 2100) && !time_minutes(a))
        marker(a, "RAM", "VVV VVV VVV DE RAM RAM RAM            ");
}

// 46.0 kHz (and 118.0 kHz), NBA in the first half of the day.
void nba_morning(Air& a) {
    if (a.ct(0, 1200) && !time_minutes(a))
        marker(a, "NBA", "VVV VVV VVV DE NBA NBA NBA            ");
}

// 46.0 kHz, NBA in the second half of the day.
void nba_afternoon(Air& a) {
    if (a.ct(1200, 0) && !time_minutes(a))
        marker(a, "NBA", "CQ CQ CQ DE NBA NBA NBA  NAVY RADIO BALBOA            ");
}

// 46.0 kHz, NBA's time signal before 05:00 and 17:00.
void nba_time(Air& a) {
    if (time_minutes(a) && (a.h(4) || a.h(16))) time_signal(a, "NBA");
}

// 46.9 kHz, GYB by day: navigational warnings at 09:00 and 17:00, else the marker.
void gyb(Air& a) {
    if (!a.ct(600, 2200)) return;
    if (a.sked(900) || a.sked(1700))
        message(a, "GYB",
                "CQ CQ CQ DE GYB GYB GYB = NAVAL WARNING NR 47 = WRECK DANGEROUS TO NAVIGATION "
                "IN 51 22 N 01 48 E = +");
    else
        marker(a, "GYB", "VVV VVV VVV DE GYB GYB GYB            ");
}

// 46.9 kHz, GYU by night: the Gibraltar weather at 00:00 and 04:00, else the marker.
void gyu(Air& a) {
    if (!a.ct(2200, 600)) return;
    if (a.sked(0) || a.sked(400))
        message(a, "GYU",
                "CQ CQ CQ DE GYU GYU GYU = GIBRALTAR WX = WIND W 4 SEA MODERATE VIS GOOD = +");
    else
        marker(a, "GYU", "VVV VVV VVV DE GYU GYU GYU            ");
}

// 50.0 kHz, SAV's press at 10:00 and 22:00.
void sav_press(Air& a) {
    if (a.sked(1000) || a.sked(2200))
        message(a, "SAV", "CQ CQ CQ DE SAV SAV SAV = QTC PRESS 3 = SVENSKA DAGBLADET = +");
}

// 50.0 kHz, SAV by day: the marker, the automatic test in minutes divisible by 4.
void sav(Air& a) {
    if (a.ct(600, 2200) && !a.sked(1000) && !time_minutes(a)) {
        on_air(a, "SAV");
        marker_or_auto(a, "VVV VVV VVV DE SAV SAV SAV            ", 4, 60);
    }
}

// 50.0 kHz, NAA by night: the marker in minutes 0 - 44, the teleprinter in 45 - 54.
void naa_night(Air& a) {
    if (!a.ct(2200, 600) || time_minutes(a)) return;
    if (a.t.minute < 45)
        marker(a, "NAA", "VVV VVV VVV DE NAA NAA NAA            ");
    else
        a.rtlx("RYRYRY", 850, 50);
}

// 52.0 kHz, MFT by day: the weather at 08:00 and 14:00, else the marker.
void mft(Air& a) {
    if (!a.ct(800, 1800)) return;
    if (a.sked(800) || a.sked(1400))
        message(a, "MFT",
                "CQ CQ CQ DE MFT MFT MFT = WX = DEPRESSION 990 MBS MOVING EAST = WIND SW 5 TO 6 "
                "= +");
    else
        marker(a, "MFT", "VVV VVV VVV DE MFT MFT MFT            ");
}

// 55.0 kHz, the nameless test transmitter by night; machine keying in minutes divisible by 4.
void v_55(Air& a) {
    if (!a.ct(2200, 600)) return;
    on_air(a, 20, 900, 3);
    marker_or_auto(a, "VVV VVV VVV VVV VVV VVV            ", 4, 40);
}

// 55.4 kHz, KNR calls KWT with traffic in minutes 0 - 9 of even hours.
void knr(Air& a) {
    if (a.ms10(0) && a.eh())
        message(a, "KNR", "KWT KWT KWT DE KNR KNR QTC 4 K");
    else if (a.min_period(30, 0) && a.cond(3))
        opchat(a, "KNR", "KWT");
}

// 56.0 kHz (and 112.0 kHz), NPO in the first half of the day.
void npo_morning(Air& a) {
    if (a.ct(0, 1200) && !time_minutes(a))
        marker(a, "NPO", "VVV VVV VVV DE NPO NPO NPO            ");
}

// 56.0 kHz (and 112.0 kHz), NPO in the second half of the day.
void npo_afternoon(Air& a) {
    if (a.ct(1200, 0) && !time_minutes(a))
        marker(a, "NPO", "CQ CQ CQ DE NPO NPO NPO  NAVY RADIO CAVITE            ");
}

// 56.0 kHz (and 112.0 kHz), NPO's time signal before 04:00 and 16:00.
void npo_time(Air& a) {
    if (time_minutes(a) && (a.h(3) || a.h(15))) time_signal(a, "NPO");
}

// 56.3 kHz, GLP by day: the marker, the automatic test in minutes divisible by 3.
void glp(Air& a) {
    if (!a.ct(600, 2200)) return;
    on_air(a, "GLP");
    marker_or_auto(a, "VVV VVV VVV DE GLP GLP GLP            ", 3, 50);
}

// 58.0 kHz, FUA: the marker except minutes 50 - 59 of odd hours.
void fua(Air& a) {
    if (a.eh() || a.t.minute < 50) marker(a, "FUA", "VVV VVV VVV DE FUA FUA FUA            ");
}

// 58.0 kHz, NSC: the navy press in minutes 50 - 59 of odd hours.
void nsc(Air& a) {
    if (a.oh() && a.t.minute >= 50)
        message(a, "NSC", "CQ CQ CQ DE NSC NSC NSC = NAVY PRESS = FLEET ORDERS FOLLOW = +");
}

// 59.0 kHz, JJH's broadcast in minutes 30 - 39.
void jjh(Air& a) {
    if (!a.ms10(30)) return;
    on_air(a, "JJH");
    kato_groups(a, 4, 100);
    a.send_stack(" + de JJH");
}

// 60.0 kHz, RDW in minutes 0 - 44 of the first half of the day.
void rdw_60(Air& a) {
    if (a.ct(0, 1200) && a.t.minute < 45)
        marker(a, "RDW", "VVV VVV VVV DE RDW RDW RDW            ");
}

// 60.0 kHz, RAJ's spark call in minutes 45 - 54 of the first half of the day.
void raj_60(Air& a) {
    if (a.ct(0, 1200) && a.min_period(45, 55)) spark(a, "RAJ", "CQ CQ CQ DE RAJ RAJ RAJ  K");
}

// 60.0 kHz, MSF's time signal in the last five minutes of every hour.
void msf(Air& a) {
    if (time_minutes(a)) time_signal(a, "MSF");
}

// 60.0 kHz, JJY in the second half of the day: its call in minutes 0 - 4, then the marks.
void jjy(Air& a) {
    if (!a.ct(1200, 0) || time_minutes(a)) return;
    on_air(a, "JJY");
    if (a.ms(0))
        a.ts2("JJY");
    else
        a.ts();
}

// 62.0 kHz (and 108.0 kHz), NPG's time signal before 09:00 and 21:00.
void npg_62(Air& a) {
    if (time_minutes(a) && (a.h(8) || a.h(20))) time_signal(a, "NPG");
}

// 62.2 kHz, GIZ: the weather at 10:00 and 22:00, a call in minutes 50 - 54, else the marker.
void giz(Air& a) {
    if (a.sked(1000) || a.sked(2200))
        message(a, "GIZ", "CQ CQ CQ DE GIZ GIZ GIZ = WX SHIPPING = NORTH SEA WIND N 3 = +");
    else if (a.min_period(50, 55))
        call_cond(a, "GIZ", "CQ CQ CQ DE GIZ GIZ GIZ ", "QTC? K");
    else
        marker(a, "GIZ", "VVV VVV VVV DE GIZ GIZ GIZ            ");
}

// 64.0 kHz, NAA's time signal before 03:00 and 17:00.
void naa_time(Air& a) {
    if (time_minutes(a) && (a.h(2) || a.h(16))) time_signal(a, "NAA");
}

// 64.5 kHz, GBV 04:00 - 21:59: the marker, the automatic test in minutes divisible by 4.
void gbv_64(Air& a) {
    if (!a.ct(400, 2200)) return;
    on_air(a, "GBV");
    marker_or_auto(a, "VVV VVV VVV DE GBV GBV GBV            ", 4, 60);
}

// 66.6 kHz, RAJ's spark call in minutes 10 - 19 of the night.
void raj_66(Air& a) {
    if (a.ct(0, 600) && a.min_period(10, 20)) spark(a, "RAJ", "CQ CQ CQ DE RAJ RAJ RAJ  QTC K");
}

// 68.0 kHz, GBY 06:00 - 19:59: the marker, the automatic test in minutes divisible by 4.
void gby(Air& a) {
    if (!a.ct(600, 2000)) return;
    on_air(a, "GBY");
    marker_or_auto(a, "VVV VVV VVV DE GBY GBY GBY            ", 4, 50);
}

// 69.9 kHz, OHA's machine test in minutes 30 - 59.
void oha_auto(Air& a) {
    if (!a.min_period(30, 0)) return;
    on_air(a, "OHA");
    automatic_morse(a, 60);
}

// 70.2 kHz, SAJ 05:00 - 20:59: the marker, the automatic test in minutes divisible by 3.
void saj(Air& a) {
    if (!a.ct(500, 2100)) return;
    on_air(a, "SAJ");
    marker_or_auto(a, "VVV VVV VVV DE SAJ SAJ SAJ            ", 3, 40);
}

// 71.3 kHz, KGH 02:00 - 13:59: the marker, the automatic test in minutes divisible by 4.
void kgh_71(Air& a) {
    if (!a.ct(200, 1400)) return;
    on_air(a, "KGH");
    marker_or_auto(a, "CQ CQ CQ DE KGH KGH KGH            ", 4, 40);
}

// 72.8 kHz, the nameless test transmitter in minutes 0 - 39; Hellschreiber in the others.
void v_72(Air& a) {
    if (a.t.minute < 40) {
        on_air(a, 22, 1250, 2);
        a.send_still("VVV VVV VVV VVV VVV VVV            ");
    } else {
        hell(a);
    }
}

// 75.9 kHz, GLB 08:00 - 19:59: the marker, the automatic test in minutes divisible by 4.
void glb(Air& a) {
    if (!a.ct(800, 2000)) return;
    on_air(a, "GLB");
    marker_or_auto(a, "VVV VVV VVV DE GLB GLB GLB            ", 4, 50);
}

// 76.0 kHz, GBV 08:00 - 19:59: the marker, the automatic test in minutes divisible by 3.
void gbv_76(Air& a) {
    if (!a.ct(800, 2000)) return;
    on_air(a, "GBV");
    marker_or_auto(a, "CQ CQ CQ DE GBV GBV GBV            ", 3, 40);
}

// 77.5 kHz, the wide-band time-signal transmitter, always on.
void time_77(Air& a) {
    a.qsa = 4;
    a.bw = 1;
    a.ts();
}

// 78.2 kHz, GYC: the marker of the whole group in even hours, its own in odd hours.
void gyc(Air& a) {
    if (a.eh())
        marker(a, "GYC", "VVV VVV DE GYC GYC2 GYC3 GYC4 GYC5 GYC6            ");
    else
        marker(a, "GYC", "VVV VVV VVV DE GYC GYC GYC            ");
}

// 80.0 kHz, OHA 04:00 - 21:59: the automatic test in minutes divisible by 5, else the marker.
void oha_80(Air& a) {
    if (!a.ct(400, 2200)) return;
    on_air(a, "OHA");
    marker_or_auto(a, "VVV VVV VVV DE OHA OHA OHA            ", 5, 50);
}

// 81.1 kHz, OXF asks for traffic now and then.
void oxf(Air& a) {
    if (a.cond(5)) call_cond(a, "OXF", "CQ CQ CQ DE OXF OXF OXF ", "QRU? K");
}

// 82.1 kHz, HBA's teleprinter 06:00 - 11:59.
void hba_rtty(Air& a) {
    if (a.ct(600, 1200)) a.rtlx("RYRYRY", 425, 50);
}

// 85.0 kHz, the Kowno press at 12:00 and 18:00.
void kowno(Air& a) {
    if (a.sked(1200) || a.sked(1800))
        message(a, "LY", "CQ CQ CQ DE KOWNO KOWNO RADIO = PRESS ELTA NR 12 = +");
}

// 85.7 kHz, ICX's spark call in minutes 0 - 19 of the night.
void icx(Air& a) {
    if (a.ct(0, 600) && a.t.minute < 20) spark(a, "ICX", "CQ CQ CQ DE ICX ICX ICX  K");
}

// 85.7 kHz, OAZ's traffic list at 18:00 and 18:30.
void oaz(Air& a) {
    if (a.sked(1800) || a.sked(1830))
        message(a, "OAZ", "CQ CQ CQ DE OAZ OAZ OAZ = TFC LIST = SMAU SMBC OZAK = +");
}

// 85.7 kHz, RDW 19:00 - 23:59 outside the time-signal minutes.
void rdw_85(Air& a) {
    if (a.ct(1900, 0) && !time_minutes(a))
        marker(a, "RDW", "VVV VVV VVV DE RDW RDW RDW            ");
}

// 88.0 kHz, NSS's time signal before 04:00 and 18:00.
void nss_time(Air& a) {
    if (time_minutes(a) && (a.h(3) || a.h(17))) time_signal(a, "NSS");
}

// 90.0 kHz, FUE's naval broadcast at 19:00 and 23:00.
void fue(Air& a) {
    if (a.sked(1900) || a.sked(2300))
        message(a, "FUE", "CQ CQ CQ DE FUE FUE FUE = AVIS AUX NAVIGATEURS = +");
}

// 90.2 kHz, GYF2's broadcast at 09:00 and 21:00.
void gyf2(Air& a) {
    if (a.sked(900) || a.sked(2100))
        message(a, "GYF2", "CQ CQ CQ DE GYF2 GYF2 GYF2 = QTC 3 GENERAL = +");
}

// 97.0 kHz, the nameless test transmitter by night; machine keying in minutes divisible by 4.
void v_97(Air& a) {
    if (!a.night()) return;
    on_air(a, 21, 1111, 2);
    marker_or_auto(a, "VVV VVV VVV VVV VVV            ", 4, 60);
}

// 54.0 kHz, NPM's marker; the fruit company's WAX.
void npm_wax(Air& a) {
    if (a.ct(1800, 800)) marker(a, "NPM", "VVV VVV VVV DE NPM NPM NPM            ");
    if (a.settings.hist && a.min_period(20, 28)) ufc(a, "WAX");
}

// 63.8 kHz, AXK (Grudziadz) works AXT (Poznan).
void axk(Air& a) {
    if (weekday(a) && a.ct(600, 1600) && a.min_period(15, 25))
        polish_ptt(a, "AXK", "GRUDZIADZ", "AXT", "POZNAN");
}

// clang-format off
const Rule kRules[] = {
    {at(400), "BUC marker", buc},
    {at(400), "telecom_opchat_dx AGN/BUC", [](Air& a) { if (a.cond(4)) opchat(a, "BUC", "AGN"); }},
    {at(400), "JG2AS ts2", [](Air& a) { if (time_minutes(a) && a.eh()) time_signal(a, "JG2AS"); }},
    {at(401), "RAI marker", [](Air& a) { if (a.day()) marker(a, "RAI", "VVV VVV VVV DE RAI RAI RAI            "); }},
    {at(408), "hell", hell},
    {at(411), "FL spark", fl_time},
    {at(411), "FL spark", fl_meteo},
    {at(420), "SAS2 cond", sas2},
    {at(428), "NPG ts2", [](Air& a) { if (time_minutes(a) && a.oh()) time_signal(a, "NPG"); }},
    {at(430), "NPG ts2", [](Air& a) { if (time_minutes(a) && a.eh()) time_signal(a, "NPG"); }},
    {at(430), "RAM marker", ram},
    {at(432), "GIX marker", [](Air& a) { if (a.ct(700, 1900)) marker(a, "GIX", "VVV VVV VVV DE GIX GIX GIX            "); }},
    {at(438), "GKB spark", [](Air& a) { if (a.min_period(20, 30) && a.eh()) spark(a, "GKB", "CQ CQ CQ DE GKB GKB GKB  +"); }},
    {at(440), "VIX marker", [](Air& a) { if (a.night()) marker(a, "VIX", "VVV VVV VVV DE VIX VIX VIX            "); }},
    {at(448), "GYZ marker", [](Air& a) { if (a.ct(500, 2300)) marker(a, "GYZ", "VVV VVV VVV DE GYZ GYZ GYZ            "); }},
    {any_of({460, 1180}), "NBA marker", nba_morning},
    {at(460), "NBA marker", nba_afternoon},
    {at(460), "NBA ts2", nba_time},
    {at(461), "FL marker", [](Air& a) { if (a.ct(1300, 2000)) marker(a, "FL", "VVV VVV VVV DE FL FL FL            "); }},
    {at(461), "telecom_opchat_dx EAA/AGN", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "AGN", "EAA"); }},
    {at(469), "GYB text, GYB marker", gyb},
    {at(469), "GYU text, GYU marker", gyu},
    {at(475), "KGH marker, auto", [](Air& a) { if (a.ct(1400, 200)) marker_or_auto(a, "KGH", "VVV VVV VVV DE KGH KGH KGH            ", 4, 40); }},
    {at(476), "IRE marker, auto", [](Air& a) { if (a.day()) marker_or_auto(a, "IRE", "VVV VVV VVV DE IRE IRE IRE            ", 3, 50); }},
    {at(480), "NAU marker", [](Air& a) { if (a.eh()) marker(a, "NAU", "VVV VVV VVV DE NAU NAU NAU            "); }},
    {at(480), "NAU marker", [](Air& a) { if (a.oh()) marker(a, "NAU", "CQ CQ CQ DE NAU NAU NAU  NAVY SAN JUAN            "); }},
    {at(489), "OKP marker, auto", [](Air& a) { if (a.ct(600, 1800)) marker_or_auto(a, "OKP", "VVV VVV VVV DE OKP OKP OKP            ", 4, 60); }},
    {at(495), "telecom_opchat_dx FYN/CUE", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "CUE", "FYN"); }},
    {at(495), "telecom_opchat_dx GLC/CUE", [](Air& a) { if (a.oh() && a.cond(2)) opchat(a, "CUE", "GLC"); }},
    {at(495), "CUE marker", [](Air& a) { if (a.ct(700, 2000)) marker(a, "CUE", "VVV VVV VVV DE CUE CUE CUE            "); }},
    {at(500), "SAV text", sav_press},
    {at(500), "SAV marker, auto", sav},
    {at(500), "telecom_opchat_dx FYN/SAV", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "SAV", "FYN"); }},
    {at(500), "NAA marker, RYRYRY rtty", naa_night},
    {at(500), "ts", [](Air& a) { if (time_minutes(a)) a.ts(); }},
    {at(500), "RAM spark", [](Air& a) { if (a.sked(530) || a.sked(1730)) spark(a, "RAM", "CQ CQ CQ DE RAM RAM RAM  QTC K"); }},
    {at(504), "naval_coast NPO/NAAV", [](Air& a) { us_fleet_broadcast(a, "NPO"); }},
    {at(508), "ICI spark", [](Air& a) { if (a.min_period(5, 10) && a.eh()) spark(a, "ICI", "CQ CQ CQ DE ICI ICI ICI  K"); }},
    {at(510), "nss_wx, NSS marker", nss_51},
    {at(515), "GIY marker, auto", [](Air& a) { if (a.ct(500, 1700)) marker_or_auto(a, "GIY", "VVV VVV VVV DE GIY GIY GIY            ", 3, 40); }},
    {at(520), "MFT text, MFT marker", mft},
    {at(526), "LP marker", [](Air& a) { if (a.eh()) marker(a, "LP", "VVV VVV VVV DE LP LP LP            "); }},
    {at(526), "LP marker", [](Air& a) { if (a.oh()) marker(a, "LP", "CQ CQ CQ DE LP LP LP  +            "); }},
    {at(536), "OJA marker", [](Air& a) { if (a.ct(600, 2000)) marker(a, "OJA", "VVV VVV VVV DE OJA OJA OJA            "); }},
    {at(540), "NPM marker, ufc WAX", npm_wax},
    {at(546), "hell", hell},
    {at(550), "LCH marker", [](Air& a) { if (a.ct(600, 1400)) marker(a, "LCH", "VVV VVV VVV DE LCH LCH LCH            "); }},
    {at(550), "LCH marker", [](Air& a) { if (a.ct(1400, 2200)) marker(a, "LCH", "CQ CQ CQ DE LCH LCH LCH            "); }},
    {at(550), "V marker, auto", v_55},
    {at(554), "KNR text, telecom_opchat_dx KWT/KNR", knr},
    {at(557), "hell", hell},
    {any_of({560, 1120}), "NPO marker", npo_morning},
    {any_of({560, 1120}), "NPO marker", npo_afternoon},
    {any_of({560, 1120}), "NPO ts2", npo_time},
    {at(563), "telecom_opchat_dx RNO/GLP", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "GLP", "RNO"); }},
    {at(563), "GLP marker, auto", glp},
    {at(571), "telecom_opchat_dx ESA/OXE", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "OXE", "ESA"); }},
    {at(571), "telecom_opchat_dx PCG/OXE", [](Air& a) { if (a.cond(4)) opchat(a, "OXE", "PCG"); }},
    {at(571), "telecom_opchat_dx SPK/OXE", [](Air& a) { if (a.cond(3)) opchat(a, "OXE", "SPK"); }},
    {at(571), "telecom_opchat_dx HBB/OXE", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "OXE", "HBB"); }},
    {at(580), "FUA marker", fua},
    {at(580), "NSC text", nsc},
    {at(590), "kato_groups, JJH text", jjh},
    {at(600), "RDW marker", rdw_60},
    {at(600), "RAJ spark", raj_60},
    {at(600), "MSF ts2", msf},
    {at(600), "ts, JJY ts2", jjy},
    {at(612), "telecom_opchat_dx BUC/AGN", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "AGN", "BUC"); }},
    {at(612), "telecom_opchat_dx FF/AGN", [](Air& a) { if (a.oh() && a.cond(2)) opchat(a, "AGN", "FF"); }},
    {at(612), "telecom_opchat_dx HFC/AGN", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "AGN", "HFC"); }},
    {any_of({620, 1080}), "NPG ts2", npg_62},
    {at(622), "GIZ text, GIZ marker, GIZ cond", giz},
    {at(625), "telecom_opchat_dx SPR", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "SPR"); }},
    {at(625), "telecom_opchat_dx FYN/SPR", [](Air& a) { if (a.cond(4)) opchat(a, "SPR", "FYN"); }},
    {at(630), "ufc WAX", [](Air& a) { if (a.settings.hist && a.min_period(0, 8)) ufc(a, "WAX"); }},
    {at(638), "polish_ptt AXK/GRUDZIADZ/AXT/POZNAN", axk},
    {at(640), "NAA ts2", naa_time},
    {at(645), "GBV marker, auto", gbv_64},
    {at(645), "uswbsf", uswbsf_64},
    {at(649), "hell", hell},
    {at(656), "telecom_opchat_dx HAR", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "HAR"); }},
    {at(656), "telecom_opchat_dx FYN/HAR", [](Air& a) { if (a.cond(4)) opchat(a, "HAR", "FYN"); }},
    {at(660), "XDA spark", [](Air& a) { if (a.ct(1000, 1100)) spark(a, "XDA", "CQ CQ CQ DE XDA XDA XDA  K"); }},
    {at(660), "NPU marker", [](Air& a) { if (!a.ct(1000, 1100)) marker(a, "NPU", "VVV VVV VVV DE NPU NPU NPU            "); }},
    {at(666), "ts", [](Air& a) { if (time_minutes(a)) a.ts(); }},
    {at(666), "PRG marker", [](Air& a) { if (a.ct(600, 1200) && !time_minutes(a)) marker(a, "PRG", "VVV VVV VVV DE PRG PRG PRG            "); }},
    {at(666), "HFB marker", [](Air& a) { if (a.ct(1200, 1800) && !time_minutes(a)) marker(a, "HFB", "VVV VVV VVV DE HFB HFB HFB            "); }},
    {at(666), "HB marker", [](Air& a) { if (a.ct(1800, 0) && !time_minutes(a)) marker(a, "HB", "VVV VVV VVV DE HB HB HB            "); }},
    {at(666), "RAJ spark", raj_66},
    {at(670), "ICD spark", [](Air& a) { if (a.sked(1100) || a.sked(2300)) spark(a, "ICD", "CQ CQ CQ DE ICD ICD ICD  METEO  K"); }},
    {at(680), "GBY marker, auto", gby},
    {any_of({680, 1120}), "NAA marker", [](Air& a) { if (a.ct(2000, 600)) marker(a, "NAA", "CQ CQ CQ DE NAA NAA NAA  NAVY ARLINGTON            "); }},
    {at(690), "GLO marker", [](Air& a) { if (a.ct(600, 1200)) marker(a, "GLO", "VVV VVV VVV DE GLO GLO GLO            "); }},
    {at(690), "JRW times, wx_plain JRW/PALAU", jrw_69},
    {at(690), "JRW marker", [](Air& a) { if (a.ct(1205, 1800)) marker(a, "JRW", "VVV VVV VVV DE JRW JRW JRW            "); }},
    {at(690), "GLO marker", [](Air& a) { if (a.ct(1800, 0)) marker(a, "GLO", "CQ CQ CQ DE GLO GLO GLO            "); }},
    {at(693), "telecom_opchat_dx EAA/GLO", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "GLO", "EAA"); }},
    {at(693), "telecom_opchat_dx EAA/GLO", [](Air& a) { if (a.cond(4)) opchat(a, "GLO", "EAA"); }},
    {at(699), "OHA marker", [](Air& a) { if (a.eh() && a.t.minute < 30) marker(a, "OHA", "VVV VVV VVV DE OHA OHA OHA            "); }},
    {at(699), "OHA marker", [](Air& a) { if (a.oh() && a.t.minute < 30) marker(a, "OHA", "CQ CQ CQ DE OHA OHA OHA            "); }},
    {at(699), "auto", oha_auto},
    {at(702), "SAJ marker, auto", saj},
    {at(705), "ufc WAX", [](Air& a) { if (a.settings.hist && a.min_period(10, 18)) ufc(a, "WAX"); }},
    {at(706), "RDW marker", [](Air& a) { if (a.ct(1200, 0)) marker(a, "RDW", "VVV VVV VVV DE RDW RDW RDW            "); }},
    {at(713), "KGH marker, auto", kgh_71},
    {at(714), "SAJ marker", [](Air& a) { if (a.ct(2100, 500)) marker(a, "SAJ", "CQ CQ CQ DE SAJ SAJ SAJ            "); }},
    {at(715), "GLO marker", [](Air& a) { if (a.ct(0, 600)) marker(a, "GLO", "VVV VVV VVV DE GLO GLO GLO            "); }},
    {at(725), "SPP marker", [](Air& a) { if (a.day()) marker(a, "SPP", "VVV VVV VVV DE SPP SPP SPP            "); }},
    {at(728), "V marker, hell", v_72},
    {at(730), "gfa", gfa_73},
    {at(730), "ufc WNU", [](Air& a) { if (a.settings.hist && a.min_period(50, 58)) ufc(a, "WNU"); }},
    {at(750), "SYC marker", [](Air& a) { if (a.ct(600, 1800) && !time_minutes(a)) marker(a, "SYC", "VVV VVV VVV DE SYC SYC SYC            "); }},
    {at(750), "JGH marker", [](Air& a) { if (a.ct(1800, 600) && !time_minutes(a)) marker(a, "JGH", "VVV VVV VVV DE JGH JGH JGH            "); }},
    {at(750), "live_stock KDHM/KANSAS", [](Air& a) { market_report(a, 1330, {22, 1330, 4}, "KDHM", "KANSAS"); }},
    {at(750), "live_stock KDHM/OMAHA", [](Air& a) { market_report(a, 1410, {22, 1330, 4}, "KDHM", "OMAHA"); }},
    {at(750), "live_stock KDHM/LIVE", [](Air& a) { market_report(a, 1450, {22, 1330, 4}, "KDHM", "LIVE"); }},
    {at(750), "live_stock KDQC/LIVE", [](Air& a) { market_report(a, 1530, {17, 1530, 4}, "KDQC", "LIVE"); }},
    {at(750), "live_stock KDQC/CHICAGO", [](Air& a) { market_report(a, 1610, {17, 1530, 4}, "KDQC", "CHICAGO"); }},
    {at(750), "live_stock KDHM/CHICAGO", [](Air& a) { market_report(a, 1650, {22, 1330, 4}, "KDHM", "CHICAGO"); }},
    {at(750), "live_stock KDQC/CINCINNATI", [](Air& a) { market_report(a, 1730, {17, 1530, 4}, "KDQC", "CINCINNATI"); }},
    {at(750), "live_stock KDQC/CINCINNATI", [](Air& a) { market_report(a, 1810, {17, 1530, 4}, "KDQC", "CINCINNATI"); }},
    {at(750), "live_stock KDQC/CHICAGO", [](Air& a) { market_report(a, 1850, {17, 1530, 4}, "KDQC", "CHICAGO"); }},
    {at(750), "live_stock KDQC/ST", [](Air& a) { market_report(a, 1930, {17, 1530, 4}, "KDQC", "ST"); }},
    {at(750), "live_stock KDHM/CHICAGO", [](Air& a) { market_report(a, 2010, {22, 1330, 4}, "KDHM", "CHICAGO"); }},
    {at(750), "ts", [](Air& a) { if (time_minutes(a)) a.ts(); }},
    {at(759), "GLB marker, auto", glb},
    {at(760), "NDT marker", [](Air& a) { if (a.ct(2000, 800)) marker(a, "NDT", "VVV VVV VVV DE NDT NDT NDT            "); }},
    {at(760), "GBV marker, auto", gbv_76},
    {at(763), "hell", hell},
    {at(765), "telecom_opchat_dx SPQ", [](Air& a) { if (a.cond(4)) opchat(a, "SPQ"); }},
    {at(771), "GLB marker", [](Air& a) { if (a.ct(2000, 800)) marker(a, "GLB", "CQ CQ CQ DE GLB GLB GLB            "); }},
    {at(771), "telecom_opchat_dx FTP/GLB", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "GLB", "FTP"); }},
    {at(774), "EPL marker", [](Air& a) { if (a.ct(600, 1800)) marker(a, "EPL", "VVV VVV VVV DE EPL EPL EPL            "); }},
    {at(774), "telecom_opchat_dx RAB/EPL", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "EPL", "RAB"); }},
    {at(775), "ts", time_77},
    {at(782), "GYC/2/3/4/5/6 marker, GYC marker", gyc},
    {at(790), "wx_code RAZ/meteo/01", raz_79},
    {at(794), "KNR text, telecom_opchat_dx KWT/KNR", [](Air& a) {
        if (a.ms10(0) && a.oh()) message(a, "KNR", "KWT KWT KWT DE KNR KNR QTC 2 K");
        else if (a.min_period(30, 0) && a.cond(3)) opchat(a, "KNR", "KWT");
    }},
    {at(798), "EAB marker", [](Air& a) { if (a.ct(700, 2300)) marker(a, "EAB", "VVV VVV VVV DE EAB EAB EAB            "); }},
    {at(800), "wx_code OHA/M%T%O/480", [](Air& a) { oha_wx(a, 550); }},
    {at(800), "wx_code OHA/M%T%O/480", [](Air& a) { oha_wx(a, 1750); }},
    {at(800), "wx_code OHA/M%T%O/480", [](Air& a) { oha_wx(a, 1150); }},
    {at(800), "auto, OHA marker", oha_80},
    {at(807), "SYA marker", [](Air& a) { if (a.night()) marker(a, "SYA", "VVV VVV VVV DE SYA SYA SYA            "); }},
    {at(810), "YLQ marker", [](Air& a) { if (a.ct(600, 1800)) marker(a, "YLQ", "VVV VVV VVV DE YLQ YLQ YLQ            "); }},
    {at(810), "telecom_opchat_dx FYN/YLQ", [](Air& a) { if (a.cond(4)) opchat(a, "YLQ", "FYN"); }},
    {at(811), "OXF cond", oxf},
    {at(820), "telecom_opchat_dx AGN/EAA", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "EAA", "AGN"); }},
    {at(820), "telecom_opchat_dx GLO/EAA", [](Air& a) { if (a.oh() && a.cond(2)) opchat(a, "EAA", "GLO"); }},
    {at(820), "EAA marker", [](Air& a) { if (a.ct(800, 2000)) marker(a, "EAA", "VVV VVV VVV DE EAA EAA EAA            "); }},
    {at(821), "HBA rtty", hba_rtty},
    {at(821), "telecom_opchat_dx HBA", [](Air& a) { if (a.min_period(0, 30) && a.cond(2)) opchat(a, "HBA"); }},
    {at(821), "HBA marker", [](Air& a) { if (a.ct(1200, 2000)) marker(a, "HBA", "VVV VVV VVV DE HBA HBA HBA            "); }},
    {at(830), "MKL marker", [](Air& a) { if (a.day()) marker(a, "MKL", "VVV VVV VVV DE MKL MKL MKL            "); }},
    {at(831), "OFA35/OFB83 marker", [](Air& a) { if (a.ct(900, 1500)) marker(a, "OFA35", "VVV VVV VVV OFB83 OFB83 DE OFA35 OFA35            "); }},
    {at(833), "FF spark", [](Air& a) { if (a.sked(1015) || a.sked(1615)) spark(a, "FF", "CQ CQ CQ DE FF FF FF  QTC K"); }},
    {at(833), "telecom_opchat_dx EAA/AGN", [](Air& a) { if (a.oh() && a.cond(2)) opchat(a, "AGN", "EAA"); }},
    {at(833), "telecom_opchat_dx AGN/FF", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "FF", "AGN"); }},
    {at(850), "LYT/LYR marker", [](Air& a) { if (a.ct(600, 1200)) marker(a, "LYT", "VVV VVV LYR LYR DE LYT LYT            "); }},
    {at(850), "kowno text", kowno},
    {at(850), "telecom_opchat_dx FYN/LYT", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "LYT", "FYN"); }},
    {at(855), "ESA marker", [](Air& a) { if (a.ct(500, 2100)) marker(a, "ESA", "VVV VVV VVV DE ESA ESA ESA            "); }},
    {at(855), "telecom_opchat_dx OXE/ESA", [](Air& a) { if (a.cond(3)) opchat(a, "ESA", "OXE"); }},
    {at(857), "ICX spark", icx},
    {at(857), "FUK marker", [](Air& a) { if (a.ct(600, 1800) && !time_minutes(a)) marker(a, "FUK", "VVV VVV VVV DE FUK FUK FUK            "); }},
    {at(857), "ts", [](Air& a) { if (time_minutes(a)) a.ts(); }},
    {at(857), "OAZ text", oaz},
    {at(857), "RDW marker", rdw_85},
    {at(863), "telecom_opchat_dx GLP/RNO", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "RNO", "GLP"); }},
    {at(863), "RNO marker", [](Air& a) { if (a.ct(700, 1900)) marker(a, "RNO", "VVV VVV VVV DE RNO RNO RNO            "); }},
    {at(864), "wx_code RNO/MSK/800", rno_86},
    {at(865), "YTB marker", [](Air& a) { if (a.ct(600, 2200)) marker(a, "YTB", "VVV VVV VVV DE YTB YTB YTB            "); }},
    {at(866), "SAW/SMA3/SMA7 marker", [](Air& a) { if (a.day()) marker(a, "SAW", "VVV VVV SMA3 SMA7 DE SAW SAW            "); }},
    {at(880), "NSS ts2", nss_time},
    {at(890), "DKB marker", [](Air& a) { if (a.ct(500, 2100)) marker(a, "DKB", "VVV VVV VVV DE DKB DKB DKB            "); }},
    {at(896), "RAI marker", [](Air& a) { if (a.night()) marker(a, "RAI", "CQ CQ CQ DE RAI RAI RAI            "); }},
    {at(900), "WFB/WFC marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "WFB", "VVV VVV WFC WFC DE WFB WFB            "); }},
    {at(900), "WFB/WFD marker", [](Air& a) { if (a.ct(1200, 1800)) marker(a, "WFB", "VVV VVV WFD WFD DE WFB WFB            "); }},
    {at(900), "ufc WNU", [](Air& a) { if (a.settings.hist && a.min_period(30, 38)) ufc(a, "WNU"); }},
    {at(900), "FUE text", fue},
    {at(901), "ZRH marker", [](Air& a) { if (a.eh()) marker(a, "ZRH", "VVV VVV VVV DE ZRH ZRH ZRH            "); }},
    {at(901), "ZRH marker", [](Air& a) { if (a.oh() && a.ct(400, 2200)) marker(a, "ZRH", "CQ CQ CQ DE ZRH ZRH ZRH            "); }},
    {at(902), "GYF2 text", gyf2},
    {at(909), "FUC marker", [](Air& a) { if (a.ct(0, 500)) marker(a, "FUC", "VVV VVV VVV DE FUC FUC FUC            "); }},
    {at(909), "FUR marker", [](Air& a) { if (a.ct(500, 1000)) marker(a, "FUR", "VVV VVV VVV DE FUR FUR FUR            "); }},
    {at(909), "FUT marker", [](Air& a) { if (a.ct(1000, 1400)) marker(a, "FUT", "VVV VVV VVV DE FUT FUT FUT            "); }},
    {at(909), "FUK marker", [](Air& a) { if (a.ct(1400, 1900)) marker(a, "FUK", "VVV VVV VVV DE FUK FUK FUK            "); }},
    {at(909), "FUQ marker", [](Air& a) { if (a.ct(1900, 0)) marker(a, "FUQ", "VVV VVV VVV DE FUQ FUQ FUQ            "); }},
    {at(923), "SYB marker", [](Air& a) { if (a.ct(600, 2000)) marker(a, "SYB", "VVV VVV VVV DE SYB SYB SYB            "); }},
    {at(937), "FL spark", [](Air& a) { if (a.ct(1900, 1930)) spark(a, "FL", "CQ CQ CQ DE FL FL FL  PRESSE  ="); }},
    {at(940), "live_stock KDEK/LIVE", [](Air& a) { market_report(a, 1330, {24, 1380, 3}, "KDEK", "LIVE"); }},
    {at(940), "live_stock KDEK/CHICAGO", [](Air& a) { market_report(a, 1410, {24, 1380, 3}, "KDEK", "CHICAGO"); }},
    {at(945), "SPG marker", [](Air& a) { if (a.eh()) marker(a, "SPG", "VVV VVV VVV DE SPG SPG SPG            "); }},
    {at(945), "SPG marker", [](Air& a) { if (a.oh()) marker(a, "SPG", "CQ CQ CQ DE SPG SPG SPG            "); }},
    {at(948), "DG marker", [](Air& a) { if (a.ct(600, 1400)) marker(a, "DG", "VVV VVV VVV DE DG DG DG            "); }},
    {at(949), "YMD marker", [](Air& a) { if (a.ct(1400, 2200)) marker(a, "YMD", "VVV VVV VVV DE YMD YMD YMD            "); }},
    {at(958), "HBB marker", [](Air& a) { if (a.ct(600, 1800)) marker(a, "HBB", "VVV VVV VVV DE HBB HBB HBB            "); }},
    {at(958), "telecom_opchat_dx OXE/HBB", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "HBB", "OXE"); }},
    {at(958), "telecom_opchat_dx GLA/HBB", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "HBB", "GLA"); }},
    {at(970), "V marker, auto", v_97},
    {at(975), "KFS marker", [](Air& a) { if (a.ct(1400, 600)) marker(a, "KFS", "VVV VVV VVV DE KFS KFS KFS            "); }},
    {at(984), "DEW marker", [](Air& a) { if (a.day()) marker(a, "DEW", "VVV VVV VVV DE DEW DEW DEW            "); }},
    {at(998), "IMB marker", [](Air& a) { if (a.ct(800, 2000)) marker(a, "IMB", "VVV VVV VVV DE IMB IMB IMB            "); }},
};
// clang-format on

} // namespace

// 40.0 - 99.9 kHz: naval and commercial long-wave stations, time signals,
// weather and market reports.
std::span<const Rule> lf_rules() {
    return kRules;
}

} // namespace zenka
