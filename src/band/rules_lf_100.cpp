#include "band/catalogue.h"
#include "band/coast_working.h"
#include "band/lf_maritime.h"
#include "band/naval_stations.h"
#include "band/rule_kit.h"
#include "band/telecom_stations.h"
#include "band/weather_stations.h"
#include "traffic/maritime/maritime.h"
#include "traffic/naval/naval.h"

namespace zenka {
namespace {

// A data burst: fast frequency-shift keying at the given tone and strength.
void burst(Air& a, int tone, int strength) {
    a.ton = tone;
    a.data(200, strength);
}

// Minutes 0 - 54: the hour without its time-signal minutes.
bool before_signal(const Air& a) {
    return a.ml(55);
}

// Minutes 55 - 59: the time signal before the hour.
bool signal_minutes(const Air& a) {
    return a.min_period(55, 0);
}

// 100.0 kHz, TAB: the weather at 08:00 and 20:00, twelve five-figure groups.
void tab(Air& a) {
    if (!a.sked(800) && !a.sked(2000)) return;
    on_air(a, "TAB");
    a.send("CQ CQ CQ DE TAB TAB TAB METEO = ");
    for (int i = 0; i < 12; ++i)
        a.send(a.group5f());
    a.send_stack("= TAB +");
}

// 108.0 kHz, NPW: the fleet broadcast in odd hours, minutes 15 - 19.
void npw_broadcast(Air& a) {
    if (!a.oh_sked(15)) return;
    on_air(a, "NPW");
    a.send("NERK NERK NERK DE NPW NPW NR 12 GR 8 = ");
    for (int i = 0; i < 8; ++i)
        a.send(a.group5f());
    a.send_stack("= NPW K");
}

// 132.0 kHz, NPN from 03:00 to 05:59: its traffic in minutes 0 - 14, then its marker.
void npn(Air& a) {
    if (!a.ct(300, 600)) return;
    if (a.ml(15))
        message(a, "NPN", "NAA NAA NAA DE NPN NPN NPN QTC 2 = NR 41 CK 12 = K");
    else if (before_signal(a))
        marker(a, "NPN", "NPN NPN NPN QRU?            ");
}

// 125.0 kHz, IAC's marker.
void iac(Air& a) {
    if (a.ct(0, 800) && a.ml(55) && !a.min_period(23, 28))
        marker(a, "IAC", "VVV VVV VVV DE IAC IAC IAC            ");
}

// 125.0 kHz, CTG's marker.
void ctg(Air& a) {
    if (a.ct(800, 1600) && a.ml(55) && !a.min_period(23, 28))
        marker(a, "CTG", "VVV VVV VVV DE CTG CTG CTG            ");
}

// 125.0 kHz, NPO's marker.
void npo(Air& a) {
    if (a.ct(1600, 0) && a.ml(55) && !a.min_period(23, 28))
        marker(a, "NPO", "VVV VVV VVV DE NPO NPO NPO            ");
}

// 125.1 kHz, FNSM's text.
void fnsm(Air& a) {
    if (a.sked(1100) || a.sked(2300))
        message(a, "FNSM", "CQ CQ CQ DE FNSM FNSM FNSM AVIS AUX NAVIGATEURS K");
}

// 129.5 kHz, the Warsaw weather; teleprinter.
void soa212(Air& a) {
    if (a.ct(600, 1800) && a.min_period(30, 35)) {
        on_air(a, 22, 1000, 3);
        meteo_warszawa(a);
    }
    if (a.ct(600, 1800)) a.rtlx("RYRYRY DE SOA212 SOA212 ", 850, 50);
}

// 133.3 kHz, VRT's announcement; ships ask bearings.
void vrt(Air& a) {
    if (a.min_period(50, 52)) {
        on_air(a, "VRT");
        send_cq_anm(a, "VRT", "TFC LIST QSW 143 KCS");
    }
    if (a.cond(8)) marine_qte(a, 3, "VRT");
}

// 135.0 kHz, PCH (Scheveningen) works ships on long wave; ships on the long-wave channel.
void pch(Air& a) {
    if (a.t.minute % 3 != 0)
        vsl_lf_channel(a);
    else {
        on_air(a, 23, 877, 4);
        coast_station_lf(a, "PCH", "SCHEVENINGEN");
    }
}

// 137.9 kHz, AXK (Grudziadz) works AXP (Krakow).
void axk(Air& a) {
    if (weekday(a) && a.ct(600, 1600) && a.min_period(45, 55))
        polish_ptt(a, "AXK", "GRUDZIADZ", "AXP", "KRAKOW");
}

// clang-format off
const Rule kRules[] = {
    {at(1000), "NCI4 rtty", [](Air& a) { if (a.eh() && a.ml(20)) a.rtlx("RYRYRY DE NCI4 NCI4 FOX ", 850, 50); }},
    {at(1000), "ts", [](Air& a) { if (signal_minutes(a)) a.ts(); }},
    {at(1000), "live_stock KDHN/KANSAS", [](Air& a) { market_report(a, 1330, {22, 700, 3}, "KDHN", "KANSAS"); }},
    {at(1000), "live_stock KDHN/OMAHA", [](Air& a) { market_report(a, 1410, {22, 700, 3}, "KDHN", "OMAHA"); }},
    {at(1000), "chilean_old_nw CCS", [](Air& a) { if (a.sked(610) || a.sked(1810)) { on_air(a, 25, 960, 4); chilean_old_nw(a, "CCS"); } }},
    {at(1000), "TAB text", tab},
    {at(1000), "JTJ marker", [](Air& a) { if (a.ct(1000, 1500) && before_signal(a)) marker(a, "JTJ", "VVV VVV VVV DE JTJ JTJ JTJ            "); }},
    {at(1000), "live_stock KDHN/LIVE", [](Air& a) { market_report(a, 1450, {22, 700, 3}, "KDHN", "LIVE"); }},
    {at(1000), "live_stock KDEJ/LIVE", [](Air& a) { market_report(a, 1530, {20, 1320, 2}, "KDEJ", "LIVE"); }},
    {at(1000), "live_stock KDHN/CHICAGO", [](Air& a) { market_report(a, 1610, {22, 700, 3}, "KDHN", "CHICAGO"); }},
    {at(1000), "live_stock KDEJ/CHICAGO", [](Air& a) { market_report(a, 1650, {20, 1320, 2}, "KDEJ", "CHICAGO"); }},
    {at(1000), "live_stock KDHN/CHICAGO", [](Air& a) { market_report(a, 1730, {22, 700, 3}, "KDHN", "CHICAGO"); }},
    {at(1000), "live_stock KDEJ/CHICAGO", [](Air& a) { market_report(a, 1810, {20, 1320, 2}, "KDEJ", "CHICAGO"); }},
    {at(1000), "iqz spark", [](Air& a) { if (a.ct(600, 1000) && a.min_period(20, 30)) spark(a, "IQZ", "CQ CQ CQ DE IQZ IQZ IQZ QRU? K"); }},
    {at(1000), "iqz spark", [](Air& a) { if (a.ct(1600, 2000) && a.min_period(50, 0)) spark(a, "IQZ", "IDR IDR IDR DE IQZ IQZ IQZ QTC 3 K"); }},
    {at(1009), "hell", [](Air& a) { if (a.day()) hell(a); }},
    {at(1017), "GLA marker", [](Air& a) { if (a.eh() && a.ml(45)) marker(a, "GLA", "VVV VVV VVV DE GLA GLA GLA            "); }},
    {at(1017), "GLA marker", [](Air& a) { if (a.oh() && a.ml(45)) marker(a, "GLA", "CQ CQ CQ DE GLA GLA GLA            "); }},
    {at(1017), "telecom_opchat_dx HBB/GLA", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "GLA", "HBB"); }},
    {at(1020), "NAD marker", [](Air& a) { if (a.ct(0, 600)) marker(a, "NAD", "VVV VVV VVV DE NAD NAD NAD            "); }},
    {at(1020), "NAR ts2", [](Air& a) { if (a.eh() && signal_minutes(a)) time_signal(a, "NAR"); }},
    {at(1020), "NAR marker", [](Air& a) { if (a.ct(600, 1200) && before_signal(a)) marker(a, "NAR", "VVV VVV VVV DE NAR NAR NAR            "); }},
    {at(1020), "naval_coast NBA/NAAV", [](Air& a) { if (a.ct(0, 600)) us_fleet_broadcast(a, "NBA"); }},
    {at(1020), "NPL marker", [](Air& a) { if (a.ct(1200, 1800)) marker(a, "NPL", "VVV VVV VVV DE NPL NPL NPL            "); }},
    {at(1020), "NPE marker", [](Air& a) { if (a.ct(1800, 0)) marker(a, "NPE", "VVV VVV VVV DE NPE NPE NPE            "); }},
    {at(1030), "VPS marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "VPS", "VVV VVV VVV DE VPS VPS VPS            "); }},
    {at(1030), "VPS marker", [](Air& a) { if (a.ct(1200, 0)) marker(a, "VPS", "CQ CQ CQ DE VPS VPS VPS QRU?            "); }},
    {at(1038), "SYA marker", [](Air& a) { if (a.mh(9)) marker(a, "SYA", "VVV VVV VVV DE SYA SYA SYA            "); }},
    {at(1040), "coast_station_lf FFP/LEHAVRE", [](Air& a) { lf_coast(a, 10, 20, {19, 1450, 3}, "FFP", "LEHAVRE"); }},
    {at(1040), "NAI marker", [](Air& a) { if (a.ct(0, 600)) marker(a, "NAI", "VVV VVV VVV DE NAI NAI NAI            "); }},
    {at(1040), "NPW ts2", [](Air& a) { if (a.oh() && signal_minutes(a)) time_signal(a, "NPW"); }},
    {at(1040), "NPW marker", [](Air& a) { if (a.ct(600, 1200) && before_signal(a)) marker(a, "NPW", "VVV VVV VVV DE NPW NPW NPW            "); }},
    {at(1040), "NAT marker", [](Air& a) { if (a.ct(1200, 1800)) marker(a, "NAT", "VVV VVV VVV DE NAT NAT NAT            "); }},
    {at(1040), "NAY marker", [](Air& a) { if (a.ct(1800, 0)) marker(a, "NAY", "VVV VVV VVV DE NAY NAY NAY            "); }},
    {at(1050), "wx_code RAZ/MSK/800", raz_105},
    {at(1053), "telecom_opchat_dx FYN/LZS", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "LZS", "FYN"); }},
    {at(1060), "NPU marker", [](Air& a) { if (!a.eh_sked(50)) marker(a, "NPU", "VVV VVV VVV DE NPU NPU NPU            "); }},
    {at(1060), "NKB text", [](Air& a) { if (a.eh_sked(50)) message(a, "NKB", "NPU NPU NPU DE NKB NKB QTC 2 K"); }},
    {at(1070), "telecom_opchat_dx OHB, OHB marker", [](Air& a) {
        if (a.ct(2200, 600) && a.ml(30) && a.cond(2)) opchat(a, "OHB");
        if (a.ct(600, 2200)) marker(a, "OHB", "VVV VVV VVV DE OHB OHB OHB            ");
    }},
    {at(1070), "XST marker", [](Air& a) { if (a.ct(2200, 600)) marker(a, "XST", "VVV VVV VVV DE XST XST XST            "); }},
    {at(1070), "GYF spark", [](Air& a) { if (a.h_2(10)) spark(a, "GYF", "CQ CQ CQ DE GYF GYF GYF K"); }},
    {at(1070), "GYO spark", [](Air& a) { if (a.h_2(25)) spark(a, "GYO", "GYF GYF GYF DE GYO GYO GYO QTC K"); }},
    {at(1070), "coast_station_lf WSL/SAYVILLE", [](Air& a) { lf_coast(a, 15, 25, {21, 940, 3}, "WSL", "SAYVILLE"); }},
    {at(1080), "NPW text", npw_broadcast},
    {at(1080), "NAU marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "NAU", "VVV VVV VVV DE NAU NAU NAU            "); }},
    {at(1080), "NAH marker", [](Air& a) { if (a.ct(1200, 0)) marker(a, "NAH", "VVV VVV VVV DE NAH NAH NAH            "); }},
    {at(1091), "SXA marker", [](Air& a) { if (a.ct(600, 2200)) marker(a, "SXA", "VVV VVV VVV DE SXA SXA SXA            "); }},
    {at(1091), "wx_code SXA/METEO/625", sxa_109},
    {at(1100), "NAS text", [](Air& a) { if (a.h_3(5)) message(a, "NAS", "NAA NAA DE NAS NAS QTC 3 K"); }},
    {at(1100), "telecom_opchat_dx FTP", [](Air& a) { if (a.oh() && a.cond(2)) opchat(a, "FTP"); }},
    {range(1104, 1106), "data", [](Air& a) { if (a.ml(50)) burst(a, 1200, 2); }},
    {at(1111), "naval_coast NPO/NAAV", [](Air& a) { us_fleet_broadcast(a, "NPO"); }},
    {at(1111), "NPE spark", [](Air& a) { if (a.oh() && a.ml(15)) spark(a, "NPE", "CQ CQ CQ DE NPE NPE NPE K"); }},
    {at(1113), "SOA211 rtty", [](Air& a) { if (a.ct(600, 2000)) a.rtlx("RYRYRY DE SOA211 SOA211 ", 425, 50); }},
    {at(1120), "NAA marker", [](Air& a) { if (a.ct(1800, 600)) marker(a, "NAA", "VVV VVV VVV DE NAA NAA NAA            "); }},
    {at(1130), "NAA ts2", [](Air& a) { if ((a.h(11) || a.h(21)) && signal_minutes(a)) time_signal(a, "NAA"); }},
    {at(1130), "uswb", uswb_113},
    {at(1130), "NAA marker", [](Air& a) { if (a.ct(0, 300)) marker(a, "NAA", "VVV VVV VVV DE NAA NAA NAA            "); }},
    {at(1130), "NPM marker", [](Air& a) { if (a.ct(300, 600)) marker(a, "NPM", "VVV VVV VVV DE NPM NPM NPM            "); }},
    {at(1130), "YLR marker", [](Air& a) { if (a.ct(600, 1000)) marker(a, "YLR", "VVV VVV VVV DE YLR YLR YLR            "); }},
    {at(1130), "NAW marker", [](Air& a) { if (a.ct(1000, 1300)) marker(a, "NAW", "VVV VVV VVV DE NAW NAW NAW            "); }},
    {at(1130), "NAU marker", [](Air& a) { if (a.ct(1300, 1700)) marker(a, "NAU", "VVV VVV VVV DE NAU NAU NAU            "); }},
    {at(1130), "NAR marker", [](Air& a) { if (a.ct(1700, 2000)) marker(a, "NAR", "VVV VVV VVV DE NAR NAR NAR            "); }},
    {at(1130), "NAS marker", [](Air& a) { if (a.ct(2000, 0)) marker(a, "NAS", "VVV VVV VVV DE NAS NAS NAS            "); }},
    {at(1150), "NPG marker", [](Air& a) { if (a.eh()) marker(a, "NPG", "VVV VVV VVV DE NPG NPG NPG            "); }},
    {at(1150), "NPG marker", [](Air& a) { if (a.oh() && a.ml(50)) marker(a, "NPG", "CQ CQ CQ DE NPG NPG NPG            "); }},
    {at(1154), "FL spark", [](Air& a) { if (a.sked(1045) || a.sked(2345)) spark(a, "FL", "CQ CQ CQ DE FL FL FL SIGNAUX HORAIRES"); }},
    {at(1154), "OKP marker", [](Air& a) { if (a.ct(600, 2200)) marker(a, "OKP", "VVV VVV VVV DE OKP OKP OKP            "); }},
    {at(1160), "RDK marker", [](Air& a) { if (a.ml(45)) marker(a, "RDK", "VVV VVV VVV DE RDK RDK RDK            "); }},
    {at(1167), "GYR marker", [](Air& a) { if (a.ct(0, 800)) marker(a, "GYR", "VVV VVV VVV DE GYR GYR GYR            "); }},
    {at(1167), "GYR marker", [](Air& a) { if (a.ct(800, 1600)) marker(a, "GYR", "CQ CQ CQ DE GYR GYR GYR            "); }},
    {at(1167), "GYR marker", [](Air& a) { if (a.ct(1600, 0)) marker(a, "GYR", "VVV DE GYR GYR GYR QRU?            "); }},
    {at(1170), "FNSM text", [](Air& a) { if (a.sked(830) || a.sked(2030)) message(a, "FNSM", "CQ CQ CQ DE FNSM FNSM FNSM METEO QSW 125 KCS K"); }},
    {at(1180), "NPC marker", [](Air& a) { if (a.ct(0, 800) && a.ml(30)) marker(a, "NPC", "VVV VVV VVV DE NPC NPC NPC            "); }},
    {at(1180), "NPC marker", [](Air& a) { if (a.ct(800, 1600) && a.ml(30)) marker(a, "NPC", "CQ CQ CQ DE NPC NPC NPC            "); }},
    {at(1180), "NPC marker", [](Air& a) { if (a.ct(1600, 0) && a.ml(30)) marker(a, "NPC", "NPC NPC NPC QRU?            "); }},
    {at(1180), "NAF marker", [](Air& a) { if (a.min_period(30, 45)) marker(a, "NAF", "VVV VVV VVV DE NAF NAF NAF            "); }},
    {at(1180), "VAI marker", [](Air& a) { if (a.min_period(45, 0)) marker(a, "VAI", "VVV VVV VVV DE VAI VAI VAI            "); }},
    {at(1184), "SUK marker", [](Air& a) { if (a.ct(400, 2000)) marker(a, "SUK", "VVV VVV VVV DE SUK SUK SUK            "); }},
    {at(1190), "coast_station_lf FFP/LEHAVRE", [](Air& a) { lf_coast(a, 0, 10, {19, 1450, 3}, "FFP", "LEHAVRE"); }},
    {at(1190), "coast_station_lf FFS/MARIES", [](Air& a) { lf_coast(a, 20, 30, {17, 1180, 4}, "FFS", "MARIES"); }},
    {at(1191), "ZSL marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "ZSL", "VVV VVV VVV DE ZSL ZSL ZSL            "); }},
    {at(1191), "IDQ marker", [](Air& a) { if (a.ct(1200, 0)) marker(a, "IDQ", "VVV VVV VVV DE IDQ IDQ IDQ            "); }},
    {at(1191), "italian_naval IDQ            /IDQ", [](Air& a) { if (a.ct(0, 1200)) idq_broadcast(a); }},
    {at(1195), "SXA marker", [](Air& a) { if (a.ct(2200, 600)) marker(a, "SXA", "CQ CQ CQ DE SXA SXA SXA            "); }},
    {at(1198), "fax", [](Air& a) { if (a.min_period(0, 20)) a.fax(120, 576); }},
    {at(1200), "RDU spark", [](Air& a) { if (a.ct(0, 1200) && a.h_4(2)) spark(a, "RDU", "CQ CQ CQ DE RDU RDU RDU K"); }},
    {at(1200), "swedish_ice_report", [](Air& a) { if (a.sked(805) || a.sked(1705)) { on_air(a, 25, 1150, 1); swedish_ice_report(a); } }},
    {at(1200), "live_stock KDEF/LIVE", [](Air& a) { market_report(a, 1330, {23, 500, 4}, "KDEF", "LIVE"); }},
    {at(1200), "live_stock KDEF/CHICAGO", [](Air& a) { market_report(a, 1410, {23, 500, 4}, "KDEF", "CHICAGO"); }},
    {at(1200), "live_stock KDEF/OMAHA", [](Air& a) { market_report(a, 1450, {23, 500, 4}, "KDEF", "OMAHA"); }},
    {at(1200), "live_stock KDEF/KANSAS", [](Air& a) { market_report(a, 1530, {23, 500, 4}, "KDEF", "KANSAS"); }},
    {at(1200), "live_stock KDEF/GRAIN", [](Air& a) { market_report(a, 1610, {23, 500, 4}, "KDEF", "GRAIN"); }},
    {at(1200), "live_stock KDEF/CHICAGO", [](Air& a) { market_report(a, 1650, {23, 500, 4}, "KDEF", "CHICAGO"); }},
    {at(1200), "SAJ spark", [](Air& a) { if (a.ct(1200, 0) && a.h_4(7)) spark(a, "SAJ", "CQ CQ CQ DE SAJ SAJ SAJ QRU? K"); }},
    {at(1200), "live_stock WWX/GRAIN", [](Air& a) { market_report(a, 1730, {22, 570, 1}, "WWX", "GRAIN"); }},
    {at(1200), "live_stock WWX/FRUITS", [](Air& a) { market_report(a, 1810, {22, 570, 1}, "WWX", "FRUITS"); }},
    {at(1200), "live_stock KDEF/KANSAS", [](Air& a) { market_report(a, 1850, {23, 500, 4}, "KDEF", "KANSAS"); }},
    {at(1200), "live_stock KDEF/OMAHA", [](Air& a) { market_report(a, 1930, {23, 500, 4}, "KDEF", "OMAHA"); }},
    {at(1200), "coast_station_lf WSL/AMAGANSETT", [](Air& a) { lf_coast(a, 5, 15, {21, 940, 3}, "WSL", "AMAGANSETT"); }},
    {at(1210), "coast_station_lf GKU/DEVIZES", [](Air& a) { lf_coast(a, 10, 20, {20, 1000, 5}, "GKU", "DEVIZES"); }},
    {at(1220), "NAM marker", [](Air& a) { if (a.eh() && a.ml(40)) marker(a, "NAM", "VVV VVV VVV DE NAM NAM NAM            "); }},
    {at(1220), "NAM marker", [](Air& a) { if (a.oh() && a.ml(40)) marker(a, "NAM", "CQ CQ CQ DE NAM NAM NAM            "); }},
    {at(1220), "NAO marker", [](Air& a) { if (a.mh(39)) marker(a, "NAO", "VVV VVV VVV DE NAO NAO NAO            "); }},
    {at(1223), "OVK marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "OVK", "VVV VVV VVV DE OVK OVK OVK            "); }},
    {at(1223), "OUA23 marker", [](Air& a) { if (a.ct(1200, 0)) marker(a, "OUA23", "VVV VVV VVV DE OUA23 OUA23 OUA23            "); }},
    {at(1225), "CFH rtty", [](Air& a) { if (a.ml(30)) a.rtlx("RYRYRY DE CFH CFH ", 850, 75); }},
    {at(1226), "JMC times, japan_wx", jmc_wx},
    {at(1230), "coast_station_lf FFP/LEHAVRE", [](Air& a) { lf_coast(a, 0, 10, {19, 1450, 3}, "FFP", "LEHAVRE"); }},
    {at(1230), "coast_station_lf OXA/COPENHAGEN", [](Air& a) { lf_coast(a, 20, 30, {17, 550, 3}, "OXA", "COPENHAGEN"); }},
    {at(1230), "GZC/2/3/4/5 marker", [](Air& a) { if (a.ml(50)) marker(a, "GZC", "VVV VVV VVV DE GZC GZC2 GZC3 GZC4 GZC5            "); }},
    {range(1236, 1238), "data", [](Air& a) { if (a.eh()) burst(a, 1000, 3); }},
    {at(1240), "CKN marker", [](Air& a) { marker(a, "CKN", "VVV VVV VVV DE CKN CKN CKN            "); }},
    {at(1250), "vsl_lf_channel", [](Air& a) { if (a.min_period(23, 28) || a.min_period(55, 0)) vsl_lf_channel(a); }},
    {at(1250), "IAC marker", iac},
    {at(1250), "CTG marker", ctg},
    {at(1250), "NPO marker", npo},
    {at(1250), "coast_station_lf SUK/KOSSEIR", [](Air& a) { lf_coast(a, 10, 20, {22, 1340, 2}, "SUK", "KOSSEIR"); }},
    {at(1250), "coast_station_lf VPC/PORTSTANLEY", [](Air& a) { lf_coast(a, 30, 40, {18, 820, 3}, "VPC", "PORTSTANLEY"); }},
    {at(1250), "GOR text", [](Air& a) { if (a.eh_sked(30)) message(a, "GOR", "CQ CQ CQ DE GOR GOR GOR NAVAL WEATHER QSW 131.9 KCS +"); }},
    {at(1250), "FNSM text", [](Air& a) { if (a.oh_sked(30)) message(a, "FNSM", "CQ CQ CQ DE FNSM FNSM FNSM QTC = K"); }},
    {at(1250), "VJZ text", [](Air& a) { if (a.eh_sked(40)) message(a, "VJZ", "CQ CQ CQ DE VJZ VJZ VJZ QRU? K"); }},
    {at(1250), "CME text", [](Air& a) { if (a.oh_sked(40)) message(a, "CME", "CQ CQ DE CME CME TFC LIST = K"); }},
    {at(1250), "CTV text", [](Air& a) { if (a.eh_sked(50)) message(a, "CTV", "CQ CQ CQ DE CTV CTV CTV QSW 125 KCS K"); }},
    {at(1250), "CTO text", [](Air& a) { if (a.oh_sked(50)) message(a, "CTO", "CQ CQ CQ DE CTO CTO CTO AVISOS AOS NAVEGANTES K"); }},
    {any_of({1250, 1360}),
     "coast_station_lf ZSC/CAPETOWN, coast_station_lf ZSD/DURBAN, "
     "coast_station_lf ZSQ/PORTELIZABETH, coast_station_lf ZSV/WALVISBAY",
     south_african_coast},
    {at(1251), "FNSM text", fnsm},
    {at(1270), "tfc_list_lf VAS, coast_station_lf VAS/LOUISBURG", vas_127},
    {at(1270), "coast_station_lf FFS/MARIES", [](Air& a) { lf_coast(a, 0, 10, {17, 1180, 4}, "FFS", "MARIES"); }},
    {at(1280), "NAP spark", [](Air& a) { if (a.eh() && a.min_period(10, 20)) spark(a, "NAP", "CQ CQ CQ DE NAP NAP NAP K"); }},
    {at(1290), "K marker", [](Air& a) { on_air(a, 16, 1050, 2); a.send_still("K  K  K  K  K            "); }},
    {range(1290, 1292), "data", [](Air& a) { if (a.ml(50)) burst(a, 1100, 3); }},
    {at(1295), "meteo_warszawa, SOA212 rtty", soa212},
    {at(1304), "coast_station_lf VPB/COLOMBO", [](Air& a) { lf_coast(a, 5, 15, {16, 1520, 2}, "VPB", "COLOMBO"); }},
    {at(1304), "WAR spark", [](Air& a) { if (a.eh() && a.min_period(0, 10)) spark(a, "WAR", "CQ CQ CQ DE WAR WAR WAR K"); }},
    {at(1304), "WAR spark", [](Air& a) { if (a.oh() && a.min_period(20, 30)) spark(a, "WAR", "NAA NAA NAA DE WAR WAR WAR QTC K"); }},
    {at(1304), "WAR spark", [](Air& a) { if (a.min_period(40, 50)) spark(a, "WAR", "CQ CQ CQ DE WAR WAR WAR WX K"); }},
    {at(1310), "coast_station_lf WSF/NEWYORK", [](Air& a) { lf_coast(a, 15, 25, {25, 1230, 4}, "WSF", "NEWYORK"); }},
    {at(1310), "vsl_lf_channel", [](Air& a) { if (a.t.minute % 2 == 0) vsl_lf_channel(a); }},
    {at(1314), "g23b marker", [](Air& a) { if (a.ct(700, 1900)) marker(a, "G23B", "VVV VVV VVV DE G23B G23B G23B            "); }},
    {at(1317), "rcvg_obs_msg JCS", [](Air& a) { obs_receiving(a, "JCS"); }},
    {at(1319), "GOR text", [](Air& a) { if (a.sked(1000) || a.sked(2200)) message(a, "GOR", "CQ CQ CQ DE GOR GOR GOR NAVAL WEATHER FOLLOWS +"); }},
    {at(1320), "NPN marker", [](Air& a) { if (a.ct(0, 300) && before_signal(a)) marker(a, "NPN", "VVV VVV VVV DE NPN NPN NPN            "); }},
    {at(1320), "NPN text, NPN marker", npn},
    {at(1320), "WUP cond", [](Air& a) { if (a.eh() && a.min_period(20, 25)) { on_air(a, "WUP"); a.send_cond("CQ CQ CQ DE WUP WUP WUP QRU? K"); } }},
    {at(1320), "NAO text", [](Air& a) { if (a.eh_sked(40)) message(a, "NAO", "NPN NPN DE NAO NAO QTC 1 = NR 7 = K"); }},
    {at(1320), "NAY marker", [](Air& a) { if (a.ct(600, 900) && before_signal(a)) marker(a, "NAY", "VVV VVV VVV DE NAY NAY NAY            "); }},
    {at(1320), "NSC text", [](Air& a) { if (a.oh_sked(40)) message(a, "NSC", "NAA NAA DE NSC NSC QRU? K"); }},
    {at(1320), "NAX ts2", [](Air& a) { if (a.eh() && signal_minutes(a)) time_signal(a, "NAX"); }},
    {at(1320), "NAJ ts2", [](Air& a) { if (a.oh() && signal_minutes(a)) time_signal(a, "NAJ"); }},
    {at(1320), "NAX marker", [](Air& a) { if (a.ct(900, 1200) && before_signal(a)) marker(a, "NAX", "VVV VVV VVV DE NAX NAX NAX            "); }},
    {at(1320), "NAJ marker", [](Air& a) { if (a.ct(1200, 1500) && before_signal(a)) marker(a, "NAJ", "VVV VVV VVV DE NAJ NAJ NAJ            "); }},
    {at(1320), "NAJ marker", [](Air& a) { if (a.ct(1500, 1800) && before_signal(a)) marker(a, "NAJ", "CQ CQ CQ DE NAJ NAJ NAJ            "); }},
    {at(1320), "NAQ marker", [](Air& a) { if (a.ct(1800, 2100) && before_signal(a)) marker(a, "NAQ", "VVV VVV VVV DE NAQ NAQ NAQ            "); }},
    {at(1320), "NEV marker", [](Air& a) { if (a.ct(2100, 0) && before_signal(a)) marker(a, "NEV", "VVV VVV VVV DE NEV NEV NEV            "); }},
    {at(1330), "FNSM text", [](Air& a) { if (a.eh() && a.ms(10)) message(a, "FNSM", "CQ CQ CQ DE FNSM FNSM FNSM QRU? K"); }},
    {at(1330), "vsl_lf_channel", [](Air& a) { if (a.min_period(35, 0)) vsl_lf_channel(a); }},
    {at(1330), "coast_station_lf SAG/GOTEBORG", [](Air& a) { lf_coast(a, 5, 15, {24, 930, 2}, "SAG", "GOTEBORG"); }},
    {range(1333, 1335), "data", [](Air& a) { if (a.ml(50)) burst(a, 1300, 2); }},
    {at(1333), "VRT anm, marine_qte VRT", vrt},
    {at(1349), "rcvg_obs_msg JCK", [](Air& a) { obs_receiving(a, "JCK"); }},
    {at(1350), "coast_station_lf PCH/SCHEVENINGEN, vsl_lf_channel", pch},
    {at(1350), "NHC condF1", [](Air& a) { if (a.min_period(40, 45)) a.send_cond_bug_f1("VVV VVV DE NHC NHC QTC? K"); }},
    {at(1356), "data", [](Air& a) { if (a.oh()) burst(a, 900, 1); }},
    {at(1360), "FNSM text", [](Air& a) { if (a.sked(600) || a.sked(1800)) message(a, "FNSM", "CQ CQ CQ DE FNSM FNSM FNSM METEO K"); }},
    {at(1360), "chilean_old_nw CCF", [](Air& a) { if (a.sked(300) || a.sked(1500)) { on_air(a, 20, 1520, 3); chilean_old_nw(a, "CCF"); } }},
    {at(1360), "wx_code RAG/meteo/01", rag_136},
    {at(1360), "coast_station_lf FFS/MARIES", [](Air& a) { lf_coast(a, 10, 20, {17, 1180, 4}, "FFS", "MARIES"); }},
    {at(1364), "RAS marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "RAS", "VVV VVV VVV DE RAS RAS RAS            "); }},
    {at(1364), "RAH marker", [](Air& a) { if (a.ct(1200, 0)) marker(a, "RAH", "VVV VVV VVV DE RAH RAH RAH            "); }},
    {at(1365), "fax", [](Air& a) { if (a.min_period(30, 50)) a.fax(120, 576); }},
    {at(1370), "vsl_lf_channel", [](Air& a) { vsl_lf_channel(a); }},
    {at(1379), "polish_ptt AXK/GRUDZIADZ/AXP/KRAKOW", axk},
    {at(1390), "UCX text", [](Air& a) { if (a.ms(20)) message(a, "UCX", "CQ CQ CQ DE UCX UCX UCX QRU? K"); }},
    {at(1390), "iz text", [](Air& a) { if (a.ms(40)) { on_air(a, 14, 640, 2); a.send_stack("CQ CQ CQ DE IZ IZ IZ K"); } }},
    {at(1390), "coast_station_lf VAS/LOUISBURG", [](Air& a) { lf_coast(a, 15, 25, {24, 900, 4}, "VAS", "LOUISBURG"); }},
    {at(1390), "vsl_lf_channel", [](Air& a) { if (a.min_period(5, 15)) vsl_lf_channel(a); }},
    {at(1391), "rcvg_obs_msg JOS", [](Air& a) { obs_receiving(a, "JOS"); }},
    {at(1395), "great_lakes_old WHT", [](Air& a) { if (a.settings.hist && a.t.month >= 4 && a.min_period(0, 8)) great_lakes_old(a, "WHT"); }},
};
// clang-format on

} // namespace

// 100.0 - 139.9 kHz: naval stations and time signals, market reports, the LF
// ship channels and coast stations.
std::span<const Rule> lf_100_rules() {
    return kRules;
}

} // namespace zenka
