#pragma once
// The naval and army stations' actions that take more than a line in a rule: the fleet
// broadcasts with their marker tapes and call lists, GBR's hourly programme and the Air Corps'
// ground stations.

#include "band/station_voices.h"

#include <string_view>

namespace zenka {

class Air;

// A US Navy fleet broadcast in the station's voice, its tape "VVV VVV VVV DE <call> x3".
void us_fleet_broadcast(Air& a, Station s);
// NPM's broadcast in the older procedure, "VVV VVV VVV V NPM NPM NPM".
void npm_fleet_broadcast(Air& a);
// IDQ's broadcast, its tape the bare call.
void idq_broadcast(Air& a);
// 16.0 kHz, GBR's hourly programme.
void gbr_programme(Air& a);
// An aircraft calling the Air Corps ground station `ground`.
void air_corps(Air& a, std::string_view ground);

} // namespace zenka
