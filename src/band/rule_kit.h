#pragma once
// Small shapes that many station rules share.

#include "air.h"
#include "band/station_voices.h"
#include "traffic/calls.h"

#include <string_view>

namespace zenka {

// Puts the station on the air: its speed, tone and strength for the next emission.
inline void on_air(Air& a, Station s) {
    a.spd = s.voice.spd;
    a.ton = s.voice.ton;
    a.qsa = s.voice.qsa;
}

// Sets speed, tone and strength for a rule that gives its own values.
inline void on_air(Air& a, int spd, int ton, int qsa) {
    a.spd = spd;
    a.ton = ton;
    a.qsa = qsa;
}

// The marker-and-traffic shape of the VLF stations: the marker in minutes not
// divisible by `divisor`, machine-sent traffic at `wpm` in the others.
inline void marker_or_auto(Air& a, std::string_view marker, int divisor, int wpm) {
    if (a.t.minute % divisor != 0)
        a.send_still(marker);
    else
        automatic_morse(a, wpm);
}

// A text repeated `n` times, closed as one emission.
inline void times(Air& a, std::string_view text, int n) {
    a.send_times(text, n);
    a.send_stack("");
}

// hhmm of the clock as one number, for windows written like the timetables.
inline int hhmm(const Air& a) {
    return a.t.hour * 100 + a.t.minute;
}

} // namespace zenka
