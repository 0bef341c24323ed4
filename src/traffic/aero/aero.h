#pragma once
// The aeronautical family: aircraft and their ground stations, direction finding and aerodrome
// frequencies. Generators are free functions over the context, `void name(Air& a, ...)`; they keep
// no state of their own. Their tables stand beside them in this folder.

#include <string>
#include <string_view>

namespace zenka {

class Air;

// The short call of an aircraft: the first, fourth and fifth letters of its registration.
std::string create_short_call(std::string_view call);

// An aircraft calls the ground station `gnd`; a German pair uses short calls and a departure
// report.
void acft_clg_gnd(Air& a, std::string_view gnd);
// In seconds divisible by 3: the ground station answers an aircraft.
void gnd_ans_acft(Air& a, std::string_view gnd);
// An aircraft calls a ground station of 333 kHz; in odd seconds a second aircraft calls too.
void int_clg_333(Air& a);
// An aircraft calls a ground station of 327 kHz.
void clg_327(Air& a);
// An aerodrome weather broadcast, given twice.
void aero_wx(Air& a, std::string_view gnd);
// An Australian weather report into str, not sent.
void aero_wx_au(Air& a);
// A ground station with bearing and weather service in seconds divisible by 4, else its
// identification.
void aero_stn(Air& a, std::string_view gnd, std::string_view place);
// In seconds divisible by 3: the ground station gives an aircraft its working frequency.
void aerodrome_freq(Air& a, std::string_view gnd);
// In even seconds: an aircraft of the Australian airways calls its ground station.
void australian_aero(Air& a);
// In even seconds: an Australian ground station works an aircraft.
void australian_gnd(Air& a);
// In seconds divisible by 3: a true-bearing exchange between an aircraft and `gnd`.
void aero_qte(Air& a, int kind, std::string_view gnd);
// In seconds divisible by 3: an early bearing exchange with a ground station of `kind` (1 the
// 375 kHz direction finders, 4 the Australian airways, 5 the 333 kHz stations).
void old_aero_qte(Air& a, int kind, std::string_view ignored = {});
// In seconds divisible by 5: a flying boat calls the German ground station `gnd`.
void german_fb(Air& a, std::string_view gnd);
// In seconds divisible by 4: an aircraft calls a Norwegian ground station.
void norway_aero(Air& a);
// In seconds divisible by 4: a Norwegian ground station asks an aircraft for its reception.
void norway_aero_qsx(Air& a);

} // namespace zenka
