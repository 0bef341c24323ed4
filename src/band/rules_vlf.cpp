#include "band/beacon_tables.h"
#include "band/catalogue.h"
#include "band/naval_stations.h"
#include "band/rule_kit.h"
#include "band/telecom_stations.h"
#include "band/weather_stations.h"
#include "traffic/maritime/maritime.h"
#include "traffic/naval/naval.h"

namespace zenka {
namespace {

// 12.9 kHz, LOU: the marker, and the automatic Morse test in minutes divisible by 4.
void lou(Air& a) {
    on_air(a, "LOU");
    marker_or_auto(a, "VVV  VVV  VVV  V  LOU  LOU  LOU  +            ", 4, 50);
}

// 14.5 kHz, HWU: five-figure groups in minutes 0 - 14, the bound drawn afresh
// before every group, so 10 to 79 of them; the marker in minutes 15 - 59.
void hwu(Air& a) {
    on_air(a, "HWU");
    if (a.t.minute <= 14) {
        for (std::uint32_t i = 0; i < a.myrand() % 70 + 10; ++i)
            a.send(a.group5f());
        a.send_stack(" + DE HWU QRU ]");
    } else {
        a.spd = 27;
        a.send_still("VVV  DE  HWU   ");
    }
}

// A broadcast of `n` five-figure groups between its heading and its ending.
void groups5(Air& a, Station s, std::string_view heading, int n, std::string_view ending) {
    on_air(a, s);
    a.send(heading);
    for (int i = 0; i < n; ++i)
        a.send(a.group5f());
    a.send_stack(ending);
}

// A station that gives no call sign, keyed with the given values.
void anonymous(Air& a, int spd, int ton, int qsa, std::string_view marker) {
    on_air(a, spd, ton, qsa);
    a.send_still(marker);
}

// 14.1 kHz, NAA: the marker, and the automatic Morse test in minutes divisible by 3.
void naa(Air& a) {
    on_air(a, 23, 788, 2);
    marker_or_auto(a, "VVV VVV VVV DE NAA NAA NAA            ", 3, 80);
}

// 14.2 kHz, IDG from 02:00 to 21:59: the marker, the automatic Morse test in
// minutes divisible by 4.
void idg(Air& a) {
    if (!a.ct(200, 2200)) return;
    on_air(a, 16, 800, 4);
    marker_or_auto(a, "VVV VVV VVV DE IDG IDG IDG                ", 4, 80);
}

// 16.5 kHz, three stations by the clock: POZ at night, !DA's press and AGW's
// marker by day, AGW's traffic list and marker in the evening.
void poz_da_agw(Air& a) {
    if (a.ct(0, 800)) {
        marker(a, "POZ", "VVV VVV VVV DE POZ POZ POZ             ");
    } else if (a.ct(800, 1600)) {
        if (a.ml(10))
            message(a, "!DA", "CQ CQ CQ DE !DA !DA !DA = PRESSE = NORDDEICH 0800 = + K");
        else
            marker(a, "AGW", "VVV VVV VVV DE AGW AGW AGW            ");
    } else if (a.min_period(30, 40)) {
        message(a, "AGW", "CQ CQ CQ DE AGW AGW AGW QTC LIST = CLB 2 MXW 1 FFL 3 = + K");
    } else {
        marker(a, "AGW", "VVV VVV VVV DE AGW AGW AGW            ");
    }
}

// 16.6 kHz, DFY around the clock: night marker, day marker and test, evening
// marker, and the time signal in the last three minutes of every hour.
void dfy_night(Air& a) {
    if (a.ct(0, 600) && a.ml(57)) marker(a, "DFY", "VVV VVV VVV DE DFY DFY DFY            ");
}
void dfy_evening(Air& a) {
    if (a.ct(1800, 0) && a.ml(57)) marker(a, "DFY", "DFY DFY DFY  V V V  DFY DFY DFY          ");
}
void dfy_time(Air& a) {
    if (!a.mh(56)) return;
    on_air(a, "DFY");
    a.ts2("DFY");
}
void dfy_day(Air& a) {
    if (a.ct(600, 1800) && a.ml(57))
        marker_or_auto(a, "DFY", "VVV VVV VVV DE DFY DFY DFY            ", 4, 60);
}

// 16.8 kHz, FUB: the naval broadcast in minutes 0 - 9 of even hours, else the marker.
void fub(Air& a) {
    if (a.eh() && a.ml(10))
        groups5(a, "FUB", "VVV VVV DE FUB FUB = NR 27 = ", 30, "= FUB ]");
    else
        marker(a, "FUB", "VVV VVV VVV DE FUB FUB FUB              ");
}

// 19.6 kHz, GBZ at night: the broadcast in minutes 0 - 9, else the marker.
void gbz(Air& a) {
    if (!a.ct(0, 800)) return;
    if (a.ml(10))
        groups5(a, "GBZ", "VVV VVV DE GBZ GBZ = 0 = ", 40, "= GBZ + ]");
    else
        marker(a, "GBZ", "VVV VVV VVV DE GBZ GBZ GBZ             ");
}

// 19.6 kHz, JAA from noon: the broadcast in minutes 30 - 39, else the marker.
void jaa_196(Air& a) {
    if (!a.ct(1200, 0)) return;
    if (a.min_period(30, 40))
        message(a, "JAA", "VVV VVV DE JAA JAA JAA = NR 8 = ZHC NJK = WX TOKYO 1200 = + ]");
    else
        marker(a, "JAA", "VVV VVV VVV DE JAA JAA JAA          ");
}

// 24.3 kHz, GBL: traffic in minutes 0 - 4, the test in minutes divisible by 3, else the marker.
void gbl(Air& a) {
    if (a.ml(5))
        message(a, "GBL", "CQ CQ CQ DE GBL GBL GBL QTC 3 MSGS = QSX 34.3 KCS + K");
    else
        marker_or_auto(a, "GBL", "VVV VVV VVV DE GBL GBL GBL          ", 3, 100);
}

// 14.3 kHz, SPO's text.
void spo(Air& a) {
    if (a.oh() && a.min_period(20, 25))
        message(a, "SPO", "CQ CQ CQ DE SPO SPO SPO QTC PRESS = PAP WARSZAWA = + K");
}

// 20.0 kHz, ICC on spark.
void icc(Air& a) {
    if (a.ct(1200, 0) && a.ml(30)) {
        on_air(a, "ICC");
        send_spark(a, "VVV VVV VVV DE ICC ICC ICC STAMPA = ROMA ");
    }
}

// 23.1 kHz, D!P's text.
void dhp(Air& a) {
    if (a.sked(900) || a.sked(2100))
        message(a, "D!P", "CQ CQ CQ DE D!P D!P D!P = WETTER = SEEWETTERBERICHT 0900 = + K");
}

// 29.1 kHz, AXT (Poznan) works AXK (Grudziadz).
void axt(Air& a) {
    if (weekday(a) && a.ct(600, 1600) && a.min_period(0, 10))
        polish_ptt(a, "AXT", "POZNAN", "AXK", "GRUDZIADZ");
}

// 29.1 kHz, AXP (Krakow) works AXK (Grudziadz).
void axp(Air& a) {
    if (weekday(a) && a.ct(600, 1600) && a.min_period(30, 40))
        polish_ptt(a, "AXP", "KRAKOW", "AXK", "GRUDZIADZ");
}

// 34.3 kHz, GBL's text.
void gbl_343(Air& a) {
    if (a.eh() && a.min_period(5, 10))
        message(a, "GBL", "CQ CQ CQ DE GBL GBL GBL QTC 2 MSGS = QSX 24.3 KCS + K");
}

// clang-format off
const Rule kRules[] = {
    {any_of({118, 120, 121, 123, 128, 130, 131, 132}), "omega", omega},
    {at(129), "LOU marker, auto", lou},
    {at(141), "NAA marker, auto", naa},
    {at(142), "IDG marker, auto", idg},
    {at(142), "telecom_opchat_dx WQL/IDG", [](Air& a) { if (a.ct(2200, 200)) { on_air(a, 16, 800, 4); telecom_opchat_dx(a, "WQL", "IDG"); } }},
    {at(143), "auto", [](Air& a) { if (a.eh() && a.ml(10)) { on_air(a, 22, 980, 2); automatic_morse(a, 120); } }},
    {at(143), "SPO text", spo},
    {at(145), "HWU text, HWU marker", hwu},
    {at(147), "NAA marker, auto", [](Air& a) { marker_or_auto(a, "NAA", "VVV VVV VVV DE NAA NAA NAA            ", 4, 100); }},
    {at(152), "JAA marker", [](Air& a) { if (a.ct(2000, 800)) marker(a, "JAA", "VVV VVV VVV DE JAA JAA JAA          "); }},
    {at(152), "NG@ marker, NG@ text", [](Air& a) {
        if (!a.ct(800, 2000)) return;
        if (a.ml(10)) message(a, "NG@", "VVV VVV DE NG@ NG@ = QTC 2 = LDY NR 14 = + ]");
        else marker(a, "NG@", "VVV VVV VVV DE NG@ NG@ NG@             ");
    }},
    {at(152), "telecom_opchat_dx FTU", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "FTU"); }},
    {at(154), "telecom_opchat_dx JND/FTU", [](Air& a) { if (a.min_period(0, 30) && a.cond(2)) opchat(a, "FTU", "JND"); }},
    {at(155), "NAA marker, auto", [](Air& a) { if (a.ct(0, 1200)) marker_or_auto(a, "NAA", "VVV VVV VVV DE NAA NAA NAA            ", 3, 80); }},
    {at(155), "UFU marker", [](Air& a) { if (a.ct(1200, 0) && !a.min_period(30, 40)) marker(a, "UFU", "VVV VVV VVV DE UFU UFU UFU           "); }},
    {at(155), "ufu text", [](Air& a) { if (a.ct(1200, 0) && a.min_period(30, 40)) message(a, "UFU", "VVV VVV DE UFU UFU UFU QTC 1 = 73 = + ]"); }},
    {at(156), "telecom_opchat_dx JND/AXL", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "AXL", "JND"); }},
    {at(156), "telecom_opchat_dx FYL", [](Air& a) { if (a.oh() && a.cond(2)) opchat(a, "FYL"); }},
    {at(156), "telecom_opchat_dx FYL", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "FYL"); }},
    {at(158), "telecom_opchat_dx LY", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "LY"); }},
    {at(160), "GBR marker, gbr_naval, gbr_navy, telecom_opchat_dx GBR, GBR times, GBR ts2, GBR marker", gbr_programme},
    {at(161), "SAQ marker", [](Air& a) { if (a.ct(800, 1200)) marker(a, "SAQ", "VVV VVV VVV DE SAQ SAQ SAQ              "); }},
    {at(161), "telecom_opchat_dx WSO/SAQ, auto", [](Air& a) {
        if (!a.ct(1200, 2000)) return;
        if (a.t.minute % 10 != 0) { if (a.cond(2)) opchat(a, "SAQ", "WSO"); }
        else { on_air(a, "SAQ"); automatic_morse(a, 60); }
    }},
    {at(161), "SAQ marker, auto", [](Air& a) { if (a.ct(2000, 800)) marker_or_auto(a, "SAQ", "VVV VVV VVV DE SAQ SAQ SAQ              ", 4, 40); }},
    {at(163), "AXL text", [](Air& a) { if (a.oh() && a.ml(15)) message(a, "AXL", "CQ CQ CQ DE AXL AXL AXL QTC 4 = QSX 16.3 KCS + K"); }},
    {at(163), "VTX1 marker", [](Air& a) { if (!(a.oh() && a.ml(15))) marker(a, "VTX1", "VVV VVV VVV DE VTX1 VTX1 VTX1           "); }},
    {at(164), "SPL text, auto", [](Air& a) {
        if (!(a.eh() && a.ml(20))) return;
        if (a.ml(10)) message(a, "SPL", "CQ CQ CQ DE SPL SPL SPL = QTC 6 = + K");
        else { on_air(a, "SPL"); automatic_morse(a, 60); }
    }},
    {at(164), "JXZ marker", [](Air& a) { if (!(a.eh() && a.ml(20))) marker(a, "JXZ", "VVV VVV VVV DE JXZ JXZ JXZ            "); }},
    {at(165), "POZ marker, !DA text, AGW marker, AGW text", poz_da_agw},
    {at(166), "DFY marker", dfy_night},
    {at(166), "DFY marker", dfy_evening},
    {at(166), "DFY ts2", dfy_time},
    {at(166), "DFY marker, auto", dfy_day},
    {at(167), "VJ! marker, VJ! text", [](Air& a) {
        if (a.ml(5)) message(a, "VJ!", "VVV VVV DE VJ! VJ! VJ! = QTC 3 = + ]");
        else marker(a, "VJ!", "VVV VVV VVV DE VJ! VJ! VJ!           ");
    }},
    {at(168), "FUB text, FUB marker", fub},
    {at(168), "telecom_opchat_dx PKX/PCG", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "PCG", "PKX"); }},
    {at(168), "telecom_opchat_dx OXE/PCG", [](Air& a) { if (a.min_period(0, 30) && a.cond(2)) opchat(a, "PCG", "OXE"); }},
    {at(170), "TAF marker, auto", [](Air& a) { if (a.ct(0, 800)) marker_or_auto(a, "TAF", "VVV VVV VVV DE TAF TAF TAF             ", 3, 60); }},
    {at(170), "telecom_opchat_dx FYN/TAF", [](Air& a) { if (a.cond(4)) opchat(a, "TAF", "FYN"); }},
    {at(170), "LPV marker", [](Air& a) { if (a.ct(800, 1600)) marker(a, "LPV", "VVV VVV VVV DE LPV LPV LPV            "); }},
    {at(170), "VTX2 marker", [](Air& a) { if (a.ct(1600, 0)) marker(a, "VTX2", "VVV VVV VVV DE VTX2 VTX2 VTX2           "); }},
    {at(171), "WQL marker, auto", [](Air& a) { if (a.ct(0, 1200)) marker_or_auto(a, "WQL", "VVV VVV VVV DE WQL WQL WQL            ", 4, 70); }},
    {at(171), "telecom_opchat_dx IDG/WQL", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "WQL", "IDG"); }},
    {at(171), "telecom_opchat_dx DFW/WQL", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "WQL", "DFW"); }},
    {at(171), "telecom_opchat_dx LPV/WQL", [](Air& a) { if (a.min_period(0, 30) && a.cond(2)) opchat(a, "WQL", "LPV"); }},
    {at(171), "UMS marker", [](Air& a) { if (a.ct(1200, 0)) marker(a, "UMS", "VVV VVV VVV DE UMS UMS UMS             "); }},
    {at(172), "SAQ marker, auto", [](Air& a) { if (a.ct(600, 2200)) marker_or_auto(a, "SAQ", "VVV VVV VVV DE SAQ SAQ SAQ              ", 4, 40); }},
    {at(173), "naval_coast NPO/NAAV", [](Air& a) { us_fleet_broadcast(a, "NPO"); }},
    {at(174), "telecom_opchat_dx FTU/JND, telecom_opchat_dx AXL/JND, auto, JND marker", [](Air& a) {
        if (a.ct(0, 1600) && a.cond(2)) opchat(a, "JND", a.ml(30) ? "FTU" : "AXL");
        if (a.ct(1600, 0)) marker_or_auto(a, "JND", "VVV VVV VVV DE JND JND JND           ", 4, 60);
    }},
    {at(176), "NSS marker", [](Air& a) { marker(a, "NSS", "VVV VVV VVV DE NSS NSS NSS            "); }},
    {at(177), "KIE marker, auto", [](Air& a) { if (a.ct(500, 2300)) marker_or_auto(a, "KIE", "VVV VVV VVV DE KIE KIE KIE           ", 4, 90); }},
    {at(178), "WCI marker", [](Air& a) { marker(a, "WCI", "VVV VVV VVV DE WCI WCI WCI            "); }},
    {at(180), "naval_coast NBA/NAAV", [](Air& a) { us_fleet_broadcast(a, "NBA"); }},
    {at(181), "xxx_flash RDL", [](Air& a) { xxx_flash(a, "RDL RDL", 1); }},
    {at(182), "VTX3 marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "VTX3", "VVV VVV VVV DE VTX3 VTX3 VTX3           "); }},
    {at(182), "WQK marker, auto", [](Air& a) { if (a.ct(1200, 0)) marker_or_auto(a, "WQK", "VVV VVV VVV DE WQK WQK WQK            ", 3, 70); }},
    {at(184), "telecom_opchat_dx KET/KGI", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "KGI", "KET"); }},
    {at(184), "telecom_opchat_dx PLA/KGI", [](Air& a) { if (a.oh() && a.cond(2)) opchat(a, "KGI", "PLA"); }},
    {at(186), "naval_coast NPG/NAAV", [](Air& a) { if (a.min_period(0, 30)) us_fleet_broadcast(a, "NPG"); }},
    {at(186), "RYRYRY rtty", [](Air& a) { if (a.min_period(30, 0)) a.rtlx("RYRYRYRYRYRYRYRYRYRY", 850, 50); }},
    {at(187), "WGG/WSC marker", [](Air& a) { marker(a, "WGG", "VVV VVV VVV DE WGG WGG WGG / WSC            "); }},
    {at(188), "FZA text, FZA marker", [](Air& a) {
        if (!a.ct(0, 1200)) return;
        if (a.ml(10)) message(a, "FZA", "VVV VVV DE FZA FZA FZA = QTC 2 = FAVX = + ]");
        else marker(a, "FZA", "VVV VVV VVV DE FZA FZA FZA             ");
    }},
    {at(188), "telecom_opchat_dx SPL/WSS, auto", [](Air& a) {
        if (!a.ct(1200, 0)) return;
        if (a.t.minute % 5 != 0) { if (a.cond(2)) opchat(a, "WSS", "SPL"); }
        else { on_air(a, "SPL"); automatic_morse(a, 60); }
    }},
    {at(189), "FZD marker", [](Air& a) { if (a.ct(0, 1800)) marker(a, "FZD", "VVV VVV VVV DE FZD FZD FZD            "); }},
    {at(189), "xxx_flash RDL", [](Air& a) { if (a.ct(1800, 0)) xxx_flash(a, "RDL RDL", 1); }},
    {at(190), "telecom_opchat_dx PCG/PKX", [](Air& a) { if (a.oh() && a.cond(2)) opchat(a, "PKX", "PCG"); }},
    {at(192), "PLA/PLO marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "PLA", "VVV VVV VVV DE PLA PLA PLA / PLO             "); }},
    {at(192), "telecom_opchat_dx PLA", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "PLA"); }},
    {at(192), "telecom_opchat_dx KGI/PLA", [](Air& a) { if (a.min_period(0, 30) && a.cond(2)) opchat(a, "PLA", "KGI"); }},
    {at(193), "YN marker", [](Air& a) { marker(a, "YN", "VVV VVV VVV DE YN YN YN            "); }},
    {at(196), "GBZ text, GBZ marker", gbz},
    {at(196), "RYRYRY rtty", [](Air& a) { if (a.ct(800, 1200)) a.rtlx("RYRYRYRYRYRYRYRYRYRY", 850, 50); }},
    {at(196), "JAA text, JAA marker", jaa_196},
    {at(197), "YN spark", [](Air& a) { if (a.ct(0, 300) && a.cond(3)) { on_air(a, "YN"); send_spark(a, "FYN FYN FYN DE YN YN YN K"); } }},
    {at(197), "telecom_opchat_dx YLQ/FYN", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "FYN", "YLQ"); }},
    {at(197), "telecom_opchat_dx LYT/FYN", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "FYN", "LYT"); }},
    {at(197), "FYN marker", [](Air& a) { if (a.ct(300, 1200)) marker(a, "FYN", "VVV VVV VVV DE FYN FYN FYN            "); }},
    {at(197), "telecom_opchat_dx CUE/FYN", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "FYN", "CUE"); }},
    {at(197), "telecom_opchat_dx SPR/FYN", [](Air& a) { if (a.cond(4)) opchat(a, "FYN", "SPR"); }},
    {at(197), "telecom_opchat_dx SAV/FYN", [](Air& a) { if (a.cond(3)) opchat(a, "FYN", "SAV"); }},
    {at(197), "telecom_opchat_dx HAR/FYN", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "FYN", "HAR"); }},
    {at(197), "FYN marker", [](Air& a) { if (a.ct(1800, 0)) marker(a, "FYN", "FYN FYN FYN  V V V  FYN FYN FYN           "); }},
    {at(197), "telecom_opchat_dx LZS/FYN", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "FYN", "LZS"); }},
    {at(197), "telecom_opchat_dx TAF/FYN", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "FYN", "TAF"); }},
    {at(198), "naval_coast NWC/NAAV", [](Air& a) { us_fleet_broadcast(a, "NWC"); }},
    {at(199), "ts", [](Air& a) { if (a.mh(54)) { a.qsa = 3; a.ts(); } }},
    {at(200), "ICC spark", [](Air& a) { if (a.ct(0, 1200) && a.ml(30)) { on_air(a, "ICC"); send_spark(a, "CQ CQ CQ DE ICC ICC ICC QTC K"); } }},
    {at(200), "ICC spark", icc},
    {at(204), "!DA marker, !DA text", [](Air& a) {
        if (a.min_period(30, 35)) message(a, "!DA", "CQ CQ CQ DE !DA !DA !DA = NAVAREA 1 = + K");
        else marker(a, "!DA", "VVV VVV VVV DE !DA !DA !DA            ");
    }},
    {at(205), "AGX marker, auto", [](Air& a) { if (a.ct(0, 1800)) marker_or_auto(a, "AGX", "VVV VVV VVV DE AGX AGX AGX            ", 4, 50); }},
    {at(205), "telecom_opchat_dx XOM/AGX", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "AGX", "XOM"); }},
    {at(206), "3SA marker", [](Air& a) { marker(a, "3SA", "VVV VVV VVV DE 3SA 3SA 3SA             "); }},
    {at(207), "UFT marker, auto", [](Air& a) { marker_or_auto(a, "UFT", "VVV VVV VVV DE UFT UFT UFT            ", 3, 60); }},
    {at(208), "telecom_opchat_dx IRB", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "IRB"); }},
    {at(210), "telecom_opchat_dx FTT", [](Air& a) { if (a.cond(4)) opchat(a, "FTT"); }},
    {at(211), "xxx_flash RDL", [](Air& a) { xxx_flash(a, "RDL RDL", 1); }},
    {at(211), "NG@ marker, NG@ text", [](Air& a) {
        if (!a.ct(0, 1200)) return;
        if (a.min_period(15, 20)) message(a, "NG@", "VVV VVV DE NG@ NG@ = QTC 1 = LDY NR 15 = + ]");
        else marker(a, "NG@", "VVV VVV VVV DE NG@ NG@ NG@             ");
    }},
    {at(211), "3SA marker", [](Air& a) { if (a.ct(1200, 0)) marker(a, "3SA", "VVV VVV VVV DE 3SA 3SA 3SA             "); }},
    {at(213), "GMU marker, auto", [](Air& a) { marker_or_auto(a, "GMU", "VVV VVV VVV DE GMU GMU GMU           ", 4, 80); }},
    {at(214), "EGC marker, auto", [](Air& a) { marker_or_auto(a, "EGC", "VVV VVV VVV DE EGC EGC EGC            ", 3, 50); }},
    {at(215), "nss_wx", nss_21},
    {at(218), "WII marker", [](Air& a) { marker(a, "WII", "VVV VVV VVV DE WII WII WII            "); }},
    {at(220), "JJF2 marker", [](Air& a) { marker(a, "JJF2", "VVV VVV VVV DE JJF2 JJF2 JJF2            "); }},
    {at(222), "WRQ marker, auto", [](Air& a) { if (a.ct(0, 1200)) marker_or_auto(a, "WRQ", "VVV VVV VVV DE WRQ WRQ WRQ            ", 4, 70); }},
    {at(222), "nss_wx, NSS marker", nss_22},
    {at(225), "WRT marker", [](Air& a) { marker(a, "WRT", "VVV VVV VVV DE WRT WRT WRT            "); }},
    {at(229), "telecom_opchat_dx KET, auto", [](Air& a) {
        if (a.t.minute % 12 != 0) { if (a.cond(3)) opchat(a, "KET"); }
        else { on_air(a, "KET"); automatic_morse(a, 70); }
    }},
    {at(231), "telecom_opchat_dx WQL/DFW", [](Air& a) { if (a.night() && a.cond(3)) opchat(a, "DFW", "WQL"); }},
    {at(231), "D!P text", dhp},
    {at(234), "AGS marker, auto", [](Air& a) { marker_or_auto(a, "AGS", "VVV VVV VVV DE AGS AGS AGS            ", 4, 60); }},
    {at(236), "LPZ marker", [](Air& a) { marker(a, "LPZ", "VVV VVV VVV DE LPZ LPZ LPZ             "); }},
    {at(238), "POZ marker, auto", [](Air& a) { marker_or_auto(a, "POZ", "VVV VVV VVV DE POZ POZ POZ             ", 3, 90); }},
    {at(240), "naval_coast NBA/NAAV", [](Air& a) { us_fleet_broadcast(a, "NBA"); }},
    {at(243), "GBL text, GBL marker, auto", gbl},
    {at(248), "naval_coast_old NPM/NACB", [](Air& a) { if (a.ct(0, 1200)) npm_fleet_broadcast(a); }},
    {at(248), "V marker, auto", [](Air& a) {
        if (!a.ct(1200, 0)) return;
        on_air(a, 25, 1130, 2);
        marker_or_auto(a, "VVV VVV VVV VVV VVV VVV            ", 3, 150);
    }},
    {at(250), "RJH69 times", [](Air& a) { if (a.sked(700) || a.sked(1900)) { on_air(a, "RJH69"); times(a, "VVV RJH69 ", 12); } }},
    {at(250), "RJH90 times", [](Air& a) { if (a.sked(800) || a.sked(2000)) { on_air(a, "RJH90"); times(a, "VVV RJH90 ", 12); } }},
    {at(250), "RJH times", [](Air& a) { if (a.sked(1100) || a.sked(2300)) { on_air(a, "RJH"); times(a, "VVV RJH ", 12); } }},
    {at(250), "RJH77 times", [](Air& a) { if (a.sked(230) || a.sked(1430)) { on_air(a, "RJH77"); times(a, "VVV RJH77 ", 12); } }},
    {at(250), "naval_coast NPO/NAAV", [](Air& a) { if (a.ct(0, 1200)) us_fleet_broadcast(a, "NPO"); }},
    {at(250), "brasilian_navy PWB", [](Air& a) { if (a.ct(1200, 0)) { on_air(a, "PWB"); brasilian_navy(a, "PWB"); } }},
    {at(253), "YOE marker, auto", [](Air& a) { marker_or_auto(a, "YOE", "VVV VVV VVV DE YOE YOE YOE            ", 4, 40); }},
    {at(257), "AFA2 text", [](Air& a) { if (a.eh() && a.min_period(45, 50)) message(a, "AFA2", "VVV VVV DE AFA2 AFA2 = NR 6 = AIG 22 = + ]"); }},
    {at(258), "telecom_opchat_dx SAQ/WSO, auto", [](Air& a) {
        if (!a.ct(600, 1800)) return;
        if (a.t.minute % 10 != 5) { if (a.cond(2)) opchat(a, "WSO", "SAQ"); }
        else { on_air(a, "SAQ"); automatic_morse(a, 40); }
    }},
    {at(260), "ts", [](Air& a) { if (a.mh(55)) { a.qsa = 2; a.ts(); } }},
    {any_of({261, 1060}), "NPM ts2", [](Air& a) { if (a.mh(54)) { on_air(a, "NPM"); a.ts2("NPM"); } }},
    {at(267), "FZB marker", [](Air& a) { marker(a, "FZB", "VVV VVV VVV DE FZB FZB FZB            "); }},
    {at(270), "xxx_flash RDL", [](Air& a) { xxx_flash(a, "RDL RDL", 1); }},
    {at(272), "IDO marker", [](Air& a) { marker(a, "IDO", "VVV VVV VVV DE IDO IDO IDO             "); }},
    {at(273), "telecom_opchat_dx GLC/SUC", [](Air& a) { if (a.day() && a.cond(3)) opchat(a, "SUC", "GLC"); }},
    {at(273), "SUC marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "SUC", "VVV VVV VVV DE SUC SUC SUC            "); }},
    {at(276), "TAA marker, auto", [](Air& a) { marker_or_auto(a, "TAA", "VVV VVV VVV DE TAA TAA TAA            ", 3, 50); }},
    {at(279), "IBP marker", [](Air& a) { marker(a, "IBP", "VVV VVV VVV DE IBP IBP IBP             "); }},
    {at(283), "telecom_opchat_dx GLC/TAA", [](Air& a) { if (a.cond(4)) opchat(a, "TAA", "GLC"); }},
    {at(286), "AXK marker, auto", [](Air& a) { marker_or_auto(a, "AXK", "VVV VVV VVV DE AXK AXK AXK           ", 4, 50); }},
    {at(290), "JRW text", [](Air& a) { if (a.oh() && a.min_period(10, 15)) message(a, "JRW", "CQ CQ CQ DE JRW JRW JRW QTC 5 = + K"); }},
    {at(291), "AXK marker", [](Air& a) { if (a.ct(0, 800)) marker(a, "AXK", "VVV VVV VVV DE AXK AXK AXK           "); }},
    {at(291), "polish_ptt AXT/POZNAN/AXK/GRUDZIADZ", axt},
    {at(291), "polish_ptt AXP/KRAKOW/AXK/GRUDZIADZ", axp},
    {at(291), "FUL marker", [](Air& a) { if (a.ct(1600, 0)) marker(a, "FUL", "VVV VVV VVV DE FUL FUL FUL            "); }},
    {at(291), "telecom_opchat_dx VTC/FUL", [](Air& a) { if (a.min_period(30, 0) && a.cond(2)) opchat(a, "FUL", "VTC"); }},
    {at(293), "telecom_opchat_dx GLC/FZ", [](Air& a) { if (a.cond(4)) opchat(a, "FZ", "GLC"); }},
    {at(293), "SPK marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "SPK", "VVV VVV VVV DE SPK SPK SPK             "); }},
    {at(293), "telecom_opchat_dx OXE/SPK", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "SPK", "OXE"); }},
    {at(300), "UFZ marker, auto", [](Air& a) { if (a.ct(0, 1800)) marker_or_auto(a, "UFZ", "VVV VVV VVV DE UFZ UFZ UFZ            ", 4, 60); }},
    {at(300), "brasilian_navy PWI", [](Air& a) { if (a.ct(1800, 0)) { on_air(a, "PWI"); brasilian_navy(a, "PWI"); } }},
    {at(306), "V marker", [](Air& a) { if (a.ct(0, 1200)) anonymous(a, 18, 640, 3, "V V V V V V V V V V            "); }},
    {at(306), "NPL marker", [](Air& a) { if (a.ct(1200, 0)) marker(a, "NPL", "VVV VVV VVV DE NPL NPL NPL            "); }},
    {at(309), "GRD text", [](Air& a) { if (a.eh() && a.min_period(50, 55)) message(a, "GRD", "CQ CQ CQ DE GRD GRD GRD QTC = QSX 30.9 KCS + K"); }},
    {at(312), "telecom_opchat_dx CUE/GLC", [](Air& a) { if (a.cond(4)) opchat(a, "GLC", "CUE"); }},
    {at(312), "telecom_opchat_dx SUC/GLC", [](Air& a) { if (a.cond(3)) opchat(a, "GLC", "SUC"); }},
    {at(312), "telecom_opchat_dx TAA/GLC", [](Air& a) { if (a.eh() && a.cond(2)) opchat(a, "GLC", "TAA"); }},
    {at(312), "telecom_opchat_dx FZ/GLC", [](Air& a) { if (a.oh() && a.cond(2)) opchat(a, "GLC", "FZ"); }},
    {at(312), "GLC marker, auto", [](Air& a) { if (a.ct(1600, 0)) marker_or_auto(a, "GLC", "VVV VVV VVV DE GLC GLC GLC            ", 4, 60); }},
    {at(316), "LCM marker", [](Air& a) { marker(a, "LCM", "VVV VVV VVV DE LCM LCM LCM            "); }},
    {at(324), "UFQ marker, auto", [](Air& a) { marker_or_auto(a, "UFQ", "VVV VVV VVV DE UFQ UFQ UFQ            ", 3, 70); }},
    {at(326), "WMY/WSL marker", [](Air& a) { marker(a, "WMY", "VVV VVV VVV DE WMY WMY WMY / WSL            "); }},
    {at(330), "naval_coast NPO/NAAV", [](Air& a) { if (a.ct(1200, 0)) us_fleet_broadcast(a, "NPO"); }},
    {at(333), "hell", [](Air& a) { if (a.ct(0, 1200)) hell(a); }},
    {at(333), "UA text", [](Air& a) { if (a.ct(1200, 0) && a.min_period(0, 5)) message(a, "UA", "CQ CQ CQ DE UA UA UA QTC 2 = + K"); }},
    {at(341), "PKX marker, telecom_opchat_dx PCG/PKX", [](Air& a) {
        if (a.ct(0, 1200)) marker(a, "PKX", "VVV VVV VVV DE PKX PKX PKX            ");
        else if (a.cond(2)) opchat(a, "PKX", "PCG");
    }},
    {at(343), "GBL text", gbl_343},
    {at(345), "KGH marker, auto", [](Air& a) { if (a.ct(0, 1200)) marker_or_auto(a, "KGH", "VVV VVV VVV DE KGH KGH KGH            ", 4, 80); }},
    {at(345), "V marker", [](Air& a) { if (a.ct(1000, 0)) anonymous(a, 22, 870, 2, "VVV VVV VVV VVV VVV VVV             "); }},
    {at(349), "GNC marker, auto", [](Air& a) { marker_or_auto(a, "GNC", "VVV VVV VVV DE GNC GNC GNC            ", 3, 40); }},
    {at(363), "V marker, auto", [](Air& a) {
        on_air(a, 20, 1250, 1);
        marker_or_auto(a, "V V V V V V V V            ", 4, 200);
    }},
    {at(366), "PCG marker, telecom_opchat_dx PKX/PCG", [](Air& a) {
        if (a.ct(1200, 0)) marker(a, "PCG", "VVV VVV VVV DE PCG PCG PCG            ");
        else if (a.cond(2)) opchat(a, "PCG", "PKX");
    }},
    {at(375), "FL marker", [](Air& a) { if (a.ct(0, 1200)) marker(a, "FL", "VVV VVV VVV DE FL FL FL            "); }},
    {at(375), "V marker, auto", [](Air& a) {
        if (!a.ct(1200, 0)) return;
        on_air(a, 19, 720, 3);
        marker_or_auto(a, "VVV VVV VVV VVV VVV VVV            ", 3, 120);
    }},
    {at(382), "GB text, GB marker", [](Air& a) {
        if (a.min_period(0, 5)) message(a, "GB", "CQ CQ CQ DE GB GB GB QTC = + K");
        else marker(a, "GB", "VVV VVV VVV DE GB GB GB            ");
    }},
    {at(389), "RAI marker", [](Air& a) { marker(a, "RAI", "VVV VVV VVV DE RAI RAI RAI            "); }},
    {at(390), "JJC marker", [](Air& a) { marker(a, "JJC", "VVV VVV VVV DE JJC JJC JJC            "); }},
};
// clang-format on

} // namespace

// VLF, 10.0 - 39.9 kHz: naval broadcasts, navigation and the transoceanic
// telegraph links.
std::span<const Rule> vlf_rules() {
    return kRules;
}

} // namespace zenka
