#include "band/coast_working.h"

#include "band/rule_kit.h"
#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {
namespace {

// A number of the station's own, from its call sign: where its minutes fall in the hour.
int own(Station s) {
    int h = 7;
    for (char c : s.call)
        h = h * 31 + static_cast<unsigned char>(c);
    return h < 0 ? -h : h;
}

// The station's minute of the hour, clear of the silence periods.
int own_minute(Station s) {
    const int m = 5 + own(s) % 50;
    return (m >= 14 && m <= 18) || (m >= 44 && m <= 48) ? m + 5 : m;
}

} // namespace

void coast_mf(Air& a, Station s, std::string_view place, bool bug) {
    if ((a.t.minute + own(s)) % 5 >= 2) return;
    on_air(a, s);
    if (bug)
        coast_station_mf_bug(a, s.call, place);
    else
        coast_station_mf(a, s.call, place);
}

void small_coast(Air& a, Station s) {
    if ((a.t.minute + own(s)) % 4 != 0) return;
    on_air(a, s);
    small_coast_station(a, s.call, 0);
}

void traffic_list(Air& a, Station s) {
    if (a.t.hour % 2 != own(s) % 2 || !a.m(own_minute(s))) return;
    on_air(a, s);
    tfc_list(a, 1 + own(s) % 3, 5 + own(s) % 21, s.call);
}

void announced_list(Air& a, Station s) {
    if (a.t.hour % 2 != own(s) % 2 || !a.m(own_minute(s))) return;
    on_air(a, s);
    const std::string call(s.call);
    tfc_anmt(a, "CQ CQ CQ DE " + call + " " + call + " " + call + " TFC LIST =   ");
    tfc_list(a, 1 + own(s) % 3, 5 + own(s) % 21, s.call);
}

void list_notice(Air& a, Station s, int freq) {
    if (a.t.hour % 2 != own(s) % 2 || !a.m(own_minute(s))) return;
    on_air(a, s);
    const std::string call(s.call);
    std::string text = "CQ CQ CQ DE ";
    text.append(call).append(" ").append(call).append(" ").append(call);
    text.append(" TFC LIST QSW ").append(khz_text(freq)).append(" =   ");
    tfc_anmt(a, text);
    a.send_stack("");
}

void nav_warnings(Air& a, Station s) {
    if (a.t.hour % 4 != 0 || !a.m((own_minute(s) + 20) % 60)) return;
    on_air(a, s);
    nav_wng_anm(a, s.call);
}

void obs_receiving(Air& a, Station s) {
    if (a.t.minute >= 10 || (a.t.minute + own(s)) % 3 != 0) return;
    on_air(a, s);
    rcvg_obs_msg(a, s.call);
}

void list_announcement(Air& a, Station s, int freq) {
    if (!a.m((own_minute(s) + 30) % 60)) return;
    announce(a, s, "TFC LIST QSW " + khz_text(freq) + " KCS");
}

void idle_marker(Air& a, Station s) {
    const int quarter = own(s) % 4 * 15;
    if (!a.min_period(quarter, quarter + 10)) return;
    const std::string call(s.call);
    marker(a, s, "VVV VVV VVV DE " + call + " " + call + " " + call + "            ");
}

void general_call(Air& a, Station s) {
    if (!a.m((own_minute(s) + 10) % 60)) return;
    cq(a, s);
}

} // namespace zenka
