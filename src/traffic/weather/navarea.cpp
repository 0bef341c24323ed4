// The NAVAREA navigational warnings: the station's call, then the coordinator's warnings in
// force, dated from the clock so that they always read as current.

#include "traffic/toolkit/dates.h"
#include "traffic/weather/kit.h"
#include "traffic/weather/weather.h"

#include <string>

namespace zenka {

namespace {

// Year, next day, month; year, day, next day, month; next day, month.
constexpr std::string_view kNavareaIv =
    "NAVAREA IV = NR 382/%02d(11) GULF OF MEXICO LOUISIANA. SOUTH PASS. SEISMIC SURVEY "
    "OPERATIONS IN PROGRESS UNTIL %02d %s BY M/V GULF SEEKER TOWING 3 MILE CABLE IN AREA "
    "BOUNDED BY 28-45N 089-20W, 28-45N 088-50W, 28-30N 088-50W AND 28-30N 089-20W. WIDE BERTH "
    "REQUESTED. = NAVAREA IV = NR 383/%02d(26) CARIBBEAN SEA. WINDWARD PASSAGE. DRILLING RIG "
    "OCEAN VOYAGER UNDER TOW BY TUG SEA LION FROM %02d TO %02d %s, 19-50N 074-05W TO 18-30N "
    "075-40W. SPEED 4 KNOTS. MARINERS ADVISED TO KEEP CLEAR. CANCEL THIS MSG %02d2359Z %s. ";

// Day, month; next day, month.
constexpr std::string_view kNavareaViiOdd =
    "NAVAREA VII 287 OF 1988 (%02d %s 88) SOUTH ATLANTIC. WEST COAST OF SOUTH AFRICA. "
    "SALDANHA BAY APPROACHES. SURVEY VESSEL PROTEA CONDUCTING HYDROGRAPHIC SURVEY IN AREA "
    "33-00S 017-50E TO 33-10S 017-58E. VESSELS REQUESTED TO GIVE WIDE BERTH AND KEEP "
    "LISTENING WATCH ON CHANNEL 16. CANCEL THIS MSG %02d%s 1600 UTC. ";

// Day, month.
constexpr std::string_view kNavareaViiEven =
    "NAVAREA VII 074 OF 1977 (%02d %s 77) SOUTHERN INDIAN OCEAN. DURBAN APPROACHES. "
    "LIGHT BUOY NR 3 IN 29-53S 031-03E REPORTED UNLIT. WRECK OF FV SEA ROVER LYING IN 29-51S "
    "031-06E WITH 8 METRES OVER IT, MARKED BY EAST CARDINAL BUOY. NAVAREA VII 071 OF 1977 "
    "CANCELLED. ";

// Day; day, month, year; next day, month; day, month; next day, month.
constexpr std::string_view kNavareaViii =
    "NAVAREA EIGHT DTG %02d0901 Z II P II FM NAVAREA EIGHT COORDINATOR UNCLAS TO NAVAREA "
    "EIGHT BT NAVAREA EIGHT WARNINGS IN FORCE AT %02d%s%02d = 1. NAVAREA EIGHT 112. ARABIAN "
    "SEA. GUNNERY EXERCISES %02d %s 0400 TO 1200 UTC IN AREA WITHIN 20 MILES OF 18-40N "
    "072-10E. = 2. NAVAREA EIGHT 115. BAY OF BENGAL. PARADIP APPROACHES. LIGHT BUOY OFF "
    "STATION SINCE %02d %s. = 3. NAVAREA EIGHT 117. GULF OF MANNAR. TUTICORIN. DREDGING IN "
    "PROGRESS IN ENTRANCE CHANNEL UNTIL %02d %s. VESSELS TO PROCEED WITH CAUTION. = BT ";

// Day, next day, month; day, month; next day, month.
constexpr std::string_view kNavareaXii =
    "NAVAREA XII = NR 378/88(18,19). EASTERN NORTH PACIFIC. MISSILES. HAZARDOUS OPERATIONS "
    "%02d1500Z TO %02d0100Z %s IN AREA BOUNDED BY 34-10N 121-00W, 33-40N 122-40W, 32-40N "
    "121-50W AND 33-20N 120-20W. = NR 379/88(18). EASTERN NORTH PACIFIC. SOUTHERN CALIFORNIA. "
    "SAN CLEMENTE ISLAND. GUNNERY EXERCISES %02d %s 1600Z TO 2300Z WITHIN 12 MILES OF 32-50N "
    "118-25W. = NR 381/88(18,19). HAWAIIAN ISLANDS. KAUAI. MISSILE FIRINGS %02d %s 1800Z TO "
    "2200Z IN AREA WITHIN 40 MILES OF 22-05N 160-05W. ";

// Day, month; month; month.
constexpr std::string_view kNavareaXiii =
    "NAVAREA XIII WARNINGS IN FORCE AT %02d0800 UTC %s = 041 SEA OF JAPAN. PETER THE GREAT "
    "GULF. ROCKET FIRINGS DAILY 0000 TO 0800 UTC IN AREA 42-20N 132-00E, 42-20N 133-10E, "
    "41-40N 133-10E, 41-40N 132-00E. = 046 SEA OF OKHOTSK. TATAR STRAIT. LIGHT CAPE "
    "LAZAREVA EXTINGUISHED SINCE 12 %s. = 049 BERING SEA. GULF OF ANADYR. DRIFTING ICE "
    "OBSERVED NORTH OF 63N ON 20 %s. ";

// Month; month; month.
constexpr std::string_view kNavareaXiv =
    "24/20 FM NAVAREA XIV COORDINATOR 240730 UTC %s = SOUTH PACIFIC. NEW ZEALAND. COOK "
    "STRAIT. MAUI A GAS PLATFORM 39-33S 173-26E. SUPPLY VESSEL OPERATIONS. MARINERS TO KEEP 2 "
    "MILES CLEAR. = 22/20 FM NAVAREA XIV COORDINATOR 181200 UTC %s = TASMAN SEA. LORD HOWE "
    "RISE. DERELICT YACHT REPORTED 31-12S 161-40E AT 170600 UTC %s. DANGER TO NAVIGATION. ";

void navarea_call(Air& a, std::string_view tmpl, std::string_view call) {
    const std::string C(call);
    a.send(fill(tmpl, {C, C, C}));
    a.wait(2);
}

std::string month_name(const Air& a) {
    return std::string(months[a.t.month - 1]);
}

} // namespace

void navarea_iv(Air& a, std::string_view call) {
    a.spd = 18;
    navarea_call(a, "CQ CQ CQ DE %s %s %s NAVAREA iv =", call);
    const int next = next_day(a);
    const int year = a.t.year - 2000;
    const std::string M = month_name(a);
    weather::send_fill(a, kNavareaIv, {year, next, M, year, a.t.day, next, M, next, M});
    a.send_stack(fill(" DE %s QRU ]", {std::string(call)}));
}

void navarea_vii(Air& a, std::string_view call) {
    a.spd = 18;
    navarea_call(a, "CQ CQ CQ DE %s %s %s HR NAVAREA SEVEN", call);
    const std::string M = month_name(a);
    if (a.od()) {
        const int next = next_day(a);
        weather::send_fill(a, kNavareaViiOdd, {a.t.day, M, next, M});
    } else {
        weather::send_fill(a, kNavareaViiEven, {a.t.day, M});
    }
    a.send_stack(fill(" + DE %s QRU ]", {std::string(call)}));
}

void navarea_viii(Air& a, std::string_view call) {
    a.spd = 17;
    navarea_call(a, "CQ CQ CQ DE %s %s %s NAVAREA EIGHT", call);
    const int next = next_day(a);
    const std::string M = month_name(a);
    weather::send_fill(a, kNavareaViii,
                       {a.t.day, a.t.day, M, a.t.year - 2000, next, M, a.t.day, M, next, M});
    a.send_stack(fill(" + DE %s QRU ]", {std::string(call)}));
}

void navarea_xii(Air& a, std::string_view call) {
    a.spd = 19;
    navarea_call(a, "CQ CQ CQ DE %s %s %s NAVAREA XII =", call);
    const int next = next_day(a);
    const std::string M = month_name(a);
    weather::send_fill(a, kNavareaXii, {a.t.day, next, M, a.t.day, M, next, M});
    a.send_stack(fill(" DE %s NIL ]", {std::string(call)}));
}

void navarea_xiii(Air& a, std::string_view call) {
    a.spd = 24;
    navarea_call(a, "CQ CQ CQ DE %s %s %s NAVAREA XIII =", call);
    const std::string M = month_name(a);
    weather::send_fill(a, kNavareaXiii, {a.t.day, M, M, M});
    a.send_stack(fill(" DE %s NIL ]", {std::string(call)}));
}

void navarea_xiv(Air& a, std::string_view call) {
    a.spd = 18;
    navarea_call(a, "CQ CQ CQ DE %s %s %s NAVAREA XIV = ", call);
    const std::string M = month_name(a);
    weather::send_fill(a, kNavareaXiv, {M, M, M});
    a.send_stack(fill("+ DE %s ]", {std::string(call)}));
}

} // namespace zenka
