#include "band/naval_stations.h"

#include "band/rule_kit.h"
#include "traffic/naval/naval.h"
#include "traffic/telecom/telecom.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

namespace zenka {

void us_fleet_broadcast(Air& a, Station s) {
    on_air(a, s);
    std::string tape = "VVV VVV VVV DE ";
    for (int i = 0; i < 3; ++i)
        tape.append(s.call).append(i < 2 ? " " : "");
    tape.append(12, ' ');
    naval_coast(a, tape, s.call, us_navy, 37);
}

void npm_fleet_broadcast(Air& a) {
    on_air(a, "NPM");
    naval_coast_old(a, "VVV VVV VVV V NPM NPM NPM            ", "NPM", us_navy_old, 78);
}

void idq_broadcast(Air& a) {
    on_air(a, "IDQ");
    italian_naval(a, "IDQ            ", "IDQ");
}

// Official call at hours 0, 12 and 20, the broadcast to all ships at 6, 16 and 22, the fleet
// broadcast at 8 - 11 and 17 - 19, operator chat in the other hours; from minute 54 the time
// signal at hours 2, 8, 14 and 20 and the marker at the others.
void gbr_programme(Air& a) {
    on_air(a, 18, 800, 5);
    const int hour = a.t.hour;
    const auto at_hours = [hour](std::initializer_list<int> hours) {
        return std::ranges::find(hours, hour) != hours.end();
    };
    if (a.t.minute <= 53) {
        if (at_hours({0, 12, 20}))
            a.send_still("CQ CQ CQ DE GBR GBR GBR  BRITISH OFFICIAL WIRELESS *           ");
        else if (at_hours({6, 16, 22}))
            gbr_naval(a);
        else if (at_hours({8, 9, 10, 11, 17, 18, 19}))
            gbr_navy(a);
        else
            telecom_opchat_dx(a, "", "GBR");
    } else if (at_hours({2, 8, 14, 20})) {
        // The announcement and the time signal go out as one emission.
        send_times(a, "GBR TIME ", 20);
        a.ts2("GBR");
    } else {
        a.send_still("VVV VVV VVV DE GBR GBR GBR                ");
    }
}

void air_corps(Air& a, std::string_view ground) {
    // The station's list holds just it: the draw is among the first n - 1 = 1 entries.
    const std::array<std::string_view, 1> stations = {ground};
    usarmy_air_corps(a, stations, 2);
}

} // namespace zenka
