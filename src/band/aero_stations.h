#pragma once
// The aeronautical ground stations as the rules put them on the air.

#include "band/station_voices.h"
#include "compose/air.h"
#include "traffic/aero/aero.h"

namespace zenka {

// An aerodrome's weather broadcast in the station's own voice.
inline void aero_weather(Air& a, Station s) {
    a.spd = s.voice.spd;
    a.ton = s.voice.ton;
    a.qsa = s.voice.qsa;
    aero_wx(a, s.call);
}

} // namespace zenka
