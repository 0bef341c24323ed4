// The weather and warning stations' rule actions. Each sends the rule's emissions in the order
// its label lists them; the bulletins go out at the stations' fixed broadcast times.

#include "band/weather_stations.h"

#include "band/coast_working.h"
#include "traffic/weather/tables.h"

namespace zenka {

// 21.5 kHz, NSS's weather at 02:30 and 14:30.
void nss_21(Air& a) {
    if (a.sked(230) || a.sked(1430)) nss_wx(a);
}

namespace {

// NSS inside its hours: the weather in two five-minute slots, the marker in the rest.
void nss_hours(Air& a, int from, int to, int first, int second) {
    if (!a.ct(from, to)) return;
    if (a.sked(first) || a.sked(second))
        nss_wx(a);
    else
        marker(a, "NSS", "VVV VVV VVV DE NSS NSS NSS            ");
}

} // namespace

// 22.2 kHz, NSS 12:00 - 23:59: the weather at 16:00 and 22:00.
void nss_22(Air& a) {
    nss_hours(a, 1200, 0, 1600, 2200);
}

// 51.0 kHz, NSS 10:00 - 21:59: the weather at 10:30 and 18:30.
void nss_51(Air& a) {
    nss_hours(a, 1000, 2200, 1030, 1830);
}

// 64.5 kHz, the San Francisco weather bureau by spark at 18:00.
void uswbsf_64(Air& a) {
    if (a.sked(1800)) uswbsf(a, 0);
}

// 69.0 kHz, JRW's weather call at 12:00 and 00:00 and its Pacific observations after it.
void jrw_69(Air& a) {
    if (!a.sked(1200) && !a.sked(0)) return;
    on_air(a, "JRW");
    send_times(a, "CQ CQ CQ DE JRW JRW PALAU WX  ", 3);
    wx_plain(a, "JRW", palau_obs_stn, static_cast<int>(palau_obs_stn.size()));
}

// 73.0 kHz, GFA's synoptic collective in the first minutes of every fourth hour.
void gfa_73(Air& a) {
    if (a.ml(10)) gfa(a);
}

// 79.0 kHz, RAZ's Black Sea bulletin after the main hours.
void raz_79(Air& a) {
    if (a.sked(310) || a.sked(910) || a.sked(1510) || a.sked(2110))
        figure_bulletin(a, "RAZ", "meteo", 253, ucr_obs_stn);
}

// 80.0 kHz, OHA's three daily bulletins, one rule each.
void oha_wx(Air& a, int slot) {
    if (a.sked(slot)) figure_bulletin(a, "OHA", "M%T%O", 11, fin_obs_stn);
}

// 86.4 kHz, RNO's Moscow collective.
void rno_86(Air& a) {
    if (a.sked(120) || a.sked(720) || a.sked(1320) || a.sked(1920))
        figure_bulletin(a, "RNO", "MSK", 111, rus_obs_stn);
}

// 105.0 kHz, RAZ's Moscow collective.
void raz_105(Air& a) {
    if (a.sked(240) || a.sked(1440)) figure_bulletin(a, "RAZ", "MSK", 111, rus_obs_stn);
}

// 109.1 kHz, SXA's Greek bulletin.
void sxa_109(Air& a) {
    if (a.sked(730) || a.sked(1330) || a.sked(1930))
        figure_bulletin(a, "SXA", "METEO", 11, sxa_obs_stn);
}

// 113.0 kHz, the weather bureau through NAA at 03:30 and 15:30.
void uswb_113(Air& a) {
    if (a.sked(330) || a.sked(1530)) uswb(a, 1);
}

// 122.6 kHz, JMC's weather call every six hours and its forecasts after it.
void jmc_wx(Air& a) {
    if (!a.sked(0) && !a.sked(600) && !a.sked(1200) && !a.sked(1800)) return;
    on_air(a, "JMC");
    send_times(a, "CQ CQ CQ DE JMC JMC JMC WX ", 3);
    japan_wx(a);
}

// 136.0 kHz, RAG's Black Sea bulletin.
void rag_136(Air& a) {
    if (a.sked(340) || a.sked(1640)) figure_bulletin(a, "RAG", "meteo", 253, ucr_obs_stn);
}

// 157.2 kHz, the San Francisco weather bureau at 05:00 and 17:00.
void uswbsf_157(Air& a) {
    if (a.sked(500) || a.sked(1700)) uswbsf(a, 1);
}

// 167.0 kHz, EGB's report of Budapest.
void egb_167(Air& a) {
    if (a.h_4(15)) figure_bulletin(a, "EGB", "METEO", 11, egb_obs_stn);
}

// 375.0 kHz, Apia's island weather 08:30 - 08:44.
void apia_375(Air& a) {
    if (a.ct(830, 845)) apia_wx(a);
}

// 395.0 kHz, VIC's weather call.
void vic_395(Air& a) {
    if (a.m(15) || a.m(45)) broadcast(a, "VIC", wx_anm);
}

namespace {

// One Italian coastal station's marine bulletin in three five-minute slots a day, by season.
// The stations key with the timetable's own speed, tone and strength, not their usual voice.
struct ItalianCoast {
    const char* call;
    Stations places;
    int n;
    int summer[3]; // months 4 - 9
    int winter[3];
    int ton, qsa, winter_spd;
};

void italian_coast(Air& a, const ItalianCoast& c) {
    const bool summer = a.t.month >= 4 && a.t.month <= 9;
    const int* slots = summer ? c.summer : c.winter;
    if (!a.sked(slots[0]) && !a.sked(slots[1]) && !a.sked(slots[2])) return;
    on_air(a, summer ? 21 : c.winter_spd, c.ton, c.qsa);
    italian_naval_code(a, c.call, c.places, c.n);
}

} // namespace

// 418.0 kHz, the Italian coastal weather stations' timetable.
void italian_coast_418(Air& a) {
    static const ItalianCoast kTimetable[] = {
        {"ICO", derna_obs_stn, 7, {450, 1050, 1850}, {750, 1050, 1650}, 950, 3, 21},
        {"IDM", rhodes_obs_stn, 4, {455, 1055, 1855}, {755, 1055, 1655}, 750, 2, 22},
        {"ICV", vittoria_obs_stn, 11, {500, 1100, 1900}, {800, 1100, 1700}, 1250, 3, 21},
        {"IBZ", rome_obs_stn, 9, {510, 1110, 1910}, {810, 1110, 1710}, 1250, 3, 21},
        {"ICT", taranto_obs_stn, 9, {520, 1120, 1920}, {820, 1120, 1720}, 1250, 3, 21},
        {"ICH", maddalena_obs_stn, 5, {525, 1125, 1925}, {825, 1125, 1725}, 750, 3, 21},
        {"ICA", ancona_obs_stn, 8, {550, 1105, 1905}, {805, 1105, 1705}, 750, 3, 21},
    };
    for (const ItalianCoast& c : kTimetable)
        italian_coast(a, c);
}

// 495.0 kHz, CWA's Uruguayan bulletin at 01:00 and 13:00, its marker in minutes 0 - 39.
void cwa_495(Air& a) {
    if (a.sked(100) || a.sked(1300)) figure_bulletin(a, "CWA", "CERRITO", 111, urug_obs_stn);
    if (a.ml(40)) marker(a, "CWA", "VVV VVV VVV DE CWA CWA CWA  CERRITO            ");
}

// 475.0 kHz, the Soviet Far East coast stations' NAVAREA XIII warnings.
void navarea_475(Air& a) {
    if (a.sked(130) || a.sked(1330)) broadcast(a, "UBW", navarea_xiii);
    if (a.sked(210) || a.sked(1410)) broadcast(a, "UFV", navarea_xiii);
    if (a.sked(250) || a.sked(1450)) broadcast(a, "UIS9", navarea_xiii);
    idle_marker(a, "UIS9");
}

} // namespace zenka
