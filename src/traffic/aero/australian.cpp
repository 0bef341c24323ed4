// The Australian airways: aircraft calling their ground stations with bearing, arrival and
// departure reports, and ground stations giving reception reports, weather and bearings.

#include "compose/air.h"
#include "traffic/aero/aero.h"
#include "traffic/aero/aero_draw.h"
#include "traffic/aero/aero_tables.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {

void aero_wx_au(Air& a) {
    const bool even = a.t.milliseconds % 2 == 0;
    const int temperature = between(a, 50, 99), direction = bearing(a),
              speed = between(a, 100, 299);
    if (even) {
        a.str = fill("QFA CBR SYD QBI QAM %d F / %03d / %d KTS QBA %d00 FT QBB %d00 FT  + K",
                     {temperature, direction, speed, between(a, 10, 28), between(a, 10, 49)});
    } else {
        const int qnh = between(a, 975, 1049);
        a.str = fill("MVL QAM %d F / %03d / %d KTS QNH %d QBA %d00 FT QBB %d00 FT + K",
                     {temperature, direction, speed, qnh, between(a, 10, 28), between(a, 10, 49)});
    }
}

void australian_aero(Air& a) {
    if (a.t.second % 2 != 0) return;
    a.stn();
    a.spd -= 3;
    a.qsa = 1;
    std::string G, A;
    if (a.t.minute % 3 == 0) {
        G = pick(a, aust_gnd_fb, 6);
        A = pick(a, acft_flying_boats, 19);
    } else {
        G = pick(a, aust_gnd, 43);
        A = pick(a, acft, 133);
    }
    const std::string call = fill("%s %s DE %s %s %s K", {G, G, A, A, A});
    a.send(call);
    wait_between(a, 5, 10);
    const std::string S = create_short_call(A);
    const std::string I(pick(a, aust_iata, 31));
    const int s = a.t.second;
    std::string report = call; // seconds 25 - 34: the call again
    if (s < 25) report = fill("%s DE %s QDL QDM %s? QDO 399 K", {G, S, I});
    if (s > 34) report = fill("%s DE %s QAA %s %02d%02d K", {G, S, I, next_hour(a), a.t.minute});
    if (s > 48) report = fill("%s DE %s QAH %s %s K", {G, A, I, hhmm(a)});
    a.send(report);
    wait_between(a, 4, 7);
    a.send_stack("TU ]EE");
}

void australian_gnd(Air& a) {
    if (a.t.second % 2 != 0) return;
    a.stn();
    a.spd -= 3;
    a.qsa = 1;
    // On 28.0 kHz the station keeps to four ground stations and no flying boats.
    const bool own = a.settings.freq == 280;
    std::string G, S;
    if (a.t.minute % 3 == 0) {
        if (own) return;
        S = create_short_call(pick(a, acft_flying_boats, 19));
        G = pick(a, aust_gnd_fb, 6);
    } else {
        S = create_short_call(pick(a, acft, 133));
        G = pick(a, aust_gnd, own ? 4 : 43);
    }
    if (a.t.minute % 13 == 0) {
        a.send_stack(fill("DE %s QAZ + ]", {G}));
        return;
    }
    a.send(fill("%s %s %s DE %s QRK %d K", {S, S, S, G, between(a, 3, 5)}));
    wait_between(a, 5, 8);
    std::string text;
    if (a.t.second < 31) {
        aero_wx_au(a);
        text = a.str;
    } else {
        text = fill("%s DE %s QDM %s/%03d/%s K",
                    {S, G, std::string(pick(a, aust_iata, 31)), bearing(a), hhmm(a)});
    }
    a.send_stack(text);
}

} // namespace zenka
