#pragma once
// The coast stations' working on medium frequency, each in its own voice and in the minutes of
// the hour its call sign gives it: working ships, small stations' brief contacts, traffic lists,
// navigational-warning calls and the reception of weather observations.

#include "band/station_voices.h"

#include <string_view>

namespace zenka {

class Air;

// coast_station_mf (or its bug-keyed form) in two minutes of every five.
void coast_mf(Air& a, Station s, std::string_view place, bool bug);
// small_coast_station in mode 0, in one minute of every four.
void small_coast(Air& a, Station s);
// tfc_list at the station's minute of every other hour.
void traffic_list(Air& a, Station s);
// tfc_anmt and the list after it, at the station's minute of every other hour.
void announced_list(Air& a, Station s);
// tfc_anmt alone, naming the frequency the list goes out on, at the station's minute of every
// other hour.
void list_notice(Air& a, Station s, int freq);
// nav_wng_anm at the station's minute in hours divisible by four.
void nav_warnings(Air& a, Station s);
// rcvg_obs_msg in the first ten minutes of hours divisible by three, when it works.
void obs_receiving(Air& a, Station s);
// The station's announcement of its traffic list on frequency `freq` (100 Hz), hourly.
void list_announcement(Air& a, Station s, int freq);
// The station's idle marker in its quarter of the hour.
void idle_marker(Air& a, Station s);
// The station's general call at its minute of the hour.
void general_call(Air& a, Station s);

} // namespace zenka
