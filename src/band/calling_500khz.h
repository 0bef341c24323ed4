#pragma once
// 500 kHz, the international calling and distress frequency: distress episodes, the coast
// stations' announcements by the hour and by their timetable, the silence periods and the
// ordinary life of the frequency.

namespace zenka {

class Air;

void calling_and_distress(Air& a);

} // namespace zenka
