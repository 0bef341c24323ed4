#pragma once
// The ships' working frequencies of the MF band (425, 454, 468, 480 and 512 kHz): a silent ship
// opens every pass, then one activity chosen by the second of the minute.

namespace zenka {

class Air;

void ships_425(Air& a);
void ships_454(Air& a);
void ships_468(Air& a);
void ships_480(Air& a);
void ships_512(Air& a);
// 512.0 kHz as a whole: the ships, then the general calls by minute, the Argentine warnings by
// the clock and the Soviet calls in hours divisible by 6.
void working_512(Air& a);
// A coast station's call to a ship from the register: "<call> <call> DE <ship> <ship> K".
void call_ship(Air& a, const char* station);

} // namespace zenka
