#pragma once
// Small shapes that many station rules share.

#include "band/station_voices.h"
#include "compose/air.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/calls.h"

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

// The marker-and-traffic shape in the station's own voice.
inline void marker_or_auto(Air& a, Station s, std::string_view marker, int divisor, int wpm) {
    on_air(a, s);
    marker_or_auto(a, marker, divisor, wpm);
}

// A text repeated `n` times, closed as one emission.
inline void times(Air& a, std::string_view text, int n) {
    send_times(a, text, n);
    a.send_stack("");
}

// The same in the station's own voice.
inline void repeat(Air& a, Station s, std::string_view text, int n) {
    on_air(a, s);
    times(a, text, n);
}

// The station's idle marker, repeated by send_still.
inline void marker(Air& a, Station s, std::string_view text) {
    on_air(a, s);
    a.send_still(text);
}

// A finished message, call or broadcast header, closed as one emission.
inline void message(Air& a, Station s, std::string_view text) {
    on_air(a, s);
    a.send_stack(text);
}

// A spark transmission, heard only with the historical stations on.
inline void spark(Air& a, Station s, std::string_view text) {
    on_air(a, s);
    send_spark(a, text);
}

// The station's time signal: its call, "TIME" and the second marks.
inline void time_signal(Air& a, Station s) {
    on_air(a, s);
    a.ts2(s.call);
}

// A hand-keyed call: the opening is always heard, the ending only by chance.
inline void call_cond(Air& a, Station s, std::string_view opening, std::string_view ending) {
    on_air(a, s);
    a.send(opening);
    a.send_cond(ending);
}

// A hand-keyed call that is heard only now and then (send_cond).
inline void cond_call(Air& a, Station s, std::string_view text) {
    on_air(a, s);
    a.send_cond(text);
}

// The station's general call, "CQ CQ CQ DE <call> <call> <call> K".
inline void cq(Air& a, Station s) {
    on_air(a, s);
    send_cq(a, s.call);
}

// A coast station's announcement, "CQ CQ CQ DE <call> <call> <call> <text>".
inline void announce(Air& a, Station s, std::string_view text) {
    on_air(a, s);
    send_cq_anm(a, s.call, text);
}

// Monday to Friday (the clock counts Sunday as 0).
inline bool weekday(const Air& a) {
    return a.t.day_of_week >= 1 && a.t.day_of_week <= 5;
}

// A Hellschreiber station: it is on the dial but nothing of it is heard.
inline void hell(Air&) {}

// hhmm of the clock as one number, for windows written like the timetables.
inline int hhmm(const Air& a) {
    return a.t.hour * 100 + a.t.minute;
}

} // namespace zenka
